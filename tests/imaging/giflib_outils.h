#pragma once
// giflib as the independent reference, for tests and benchmarks only: encoding
// pictures with its encoder, decoding streams with DGifSlurp; and synthetic shields,
// 297 x 381 with 64 colours, flat fields and anti-aliased edges.
#include <gif_lib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace fx {

struct Cadre {
    int w = 0, h = 0, gauche = 0, haut = 0;
    bool entrelace = false;
    std::vector<uint32_t> tableLocale; // empty: the global table
    std::vector<uint8_t> pixels;       // rows top to bottom
};

struct Dessin {
    int w = 0, h = 0;
    std::vector<uint32_t> table; // a power of two from 2 to 256 entries
    std::vector<Cadre> cadres;
};

namespace detail {
inline int Ecrire(GifFileType* g, const GifByteType* o, int n) {
    auto* s = static_cast<std::string*>(g->UserData);
    s->append(reinterpret_cast<const char*>(o), size_t(n));
    return n;
}
struct Lecture {
    const uint8_t* p;
    size_t n, pos;
};
inline int Lire(GifFileType* g, GifByteType* o, int n) {
    auto* l = static_cast<Lecture*>(g->UserData);
    const size_t k = std::min(size_t(n), l->n - l->pos);
    std::memcpy(o, l->p + l->pos, k);
    l->pos += k;
    return int(k);
}
inline ColorMapObject* Table(const std::vector<uint32_t>& t) {
    std::vector<GifColorType> c(t.size());
    for (size_t i = 0; i < t.size(); ++i)
        c[i] = {GifByteType(t[i] >> 16), GifByteType(t[i] >> 8), GifByteType(t[i])};
    return GifMakeMapObject(int(t.size()), c.data());
}
} // namespace detail

// The stream giflib's encoder writes for that drawing.
inline std::string EncoderGiflib(const Dessin& d) {
    std::string sortie;
    int err = 0;
    GifFileType* g = EGifOpen(&sortie, detail::Ecrire, &err);
    if (!g) throw std::runtime_error("EGifOpen");
    EGifSetGifVersion(g, true);
    ColorMapObject* globale = detail::Table(d.table);
    if (EGifPutScreenDesc(g, d.w, d.h, 8, 0, globale) != GIF_OK)
        throw std::runtime_error("EGifPutScreenDesc");
    GifFreeMapObject(globale);
    for (const Cadre& c : d.cadres) {
        ColorMapObject* locale = c.tableLocale.empty() ? nullptr : detail::Table(c.tableLocale);
        // giflib drops, without freeing, its copy of the previous frame's local table
        // when a frame has none; free it first so the leak checker sees only our leaks.
        if (!locale && g->Image.ColorMap) {
            GifFreeMapObject(g->Image.ColorMap);
            g->Image.ColorMap = nullptr;
        }
        if (EGifPutImageDesc(g, c.gauche, c.haut, c.w, c.h, c.entrelace, locale) != GIF_OK)
            throw std::runtime_error("EGifPutImageDesc");
        if (locale) GifFreeMapObject(locale);
        std::vector<int> ordre;
        if (c.entrelace) {
            for (int passe = 0; passe < 4; ++passe)
                for (int y = (int[]){0, 4, 2, 1}[passe]; y < c.h; y += (int[]){8, 8, 4, 2}[passe])
                    ordre.push_back(y);
        } else {
            for (int y = 0; y < c.h; ++y) ordre.push_back(y);
        }
        std::vector<GifPixelType> ligne(size_t(c.w));
        for (int y : ordre) {
            std::copy_n(c.pixels.begin() + long(y) * c.w, c.w, ligne.begin());
            if (EGifPutLine(g, ligne.data(), c.w) != GIF_OK)
                throw std::runtime_error("EGifPutLine");
        }
    }
    if (EGifCloseFile(g, &err) != GIF_OK) throw std::runtime_error("EGifCloseFile");
    return sortie;
}

struct ImageGiflib {
    int w = 0, h = 0;
    std::vector<uint8_t> pixels;
    std::vector<uint32_t> table; // the frame's own table, else the global one
};

// Every frame as DGifSlurp decodes it (interlacing undone); empty when giflib fails.
inline std::vector<ImageGiflib> DecoderGiflib(const void* octets, size_t n) {
    detail::Lecture l{static_cast<const uint8_t*>(octets), n, 0};
    int err = 0;
    GifFileType* g = DGifOpen(&l, detail::Lire, &err);
    std::vector<ImageGiflib> r;
    if (!g) return r;
    if (DGifSlurp(g) == GIF_OK) {
        for (int i = 0; i < g->ImageCount; ++i) {
            const SavedImage& s = g->SavedImages[i];
            ImageGiflib im;
            im.w = s.ImageDesc.Width;
            im.h = s.ImageDesc.Height;
            im.pixels.assign(s.RasterBits, s.RasterBits + size_t(im.w) * size_t(im.h));
            const ColorMapObject* t = s.ImageDesc.ColorMap ? s.ImageDesc.ColorMap : g->SColorMap;
            for (int k = 0; t && k < t->ColorCount; ++k)
                im.table.push_back(uint32_t(t->Colors[k].Red) << 16 |
                                   uint32_t(t->Colors[k].Green) << 8 | t->Colors[k].Blue);
            r.push_back(std::move(im));
        }
    }
    DGifCloseFile(g, &err);
    return r;
}

// A synthetic shield: a heater shape on white, its field divided in two tinctures, a
// charge and a dark border, drawn with 4 x 4 samples per pixel and each average
// rounded to the 4 x 4 x 4 colour cube, which is the table.
inline Dessin Ecu(unsigned graine, int w = 297, int h = 381) {
    Dessin d;
    d.w = w;
    d.h = h;
    for (int i = 0; i < 64; ++i)
        d.table.push_back(uint32_t((i >> 4) * 85) << 16 | uint32_t(((i >> 2) & 3) * 85) << 8 |
                          uint32_t((i & 3) * 85));
    std::mt19937 alea(graine);
    const uint32_t teintes[] = {0xFF0000, 0x0000AA, 0x00AA00, 0x000000,
                                0xFFAA00, 0xFFFFFF, 0xAA00AA, 0x55AAFF};
    const uint32_t t1 = teintes[alea() % 8];
    uint32_t t2 = teintes[alea() % 8];
    if (t2 == t1) t2 = teintes[(alea() % 7 + 1 + (&t1 - teintes)) % 8];
    const uint32_t t3 = teintes[alea() % 8];
    const int partition = int(alea() % 6), meuble = int(alea() % 4);
    const double rx = 0.08 + 0.1 * (alea() % 100) / 100.0;
    // A field strewn with small charges, as shields often are: many short edges.
    const double pas = 0.033 + 0.015 * (alea() % 100) / 100.0;
    auto autre = [&](uint32_t t) {
        uint32_t u = teintes[alea() % 8];
        while (u == t) u = teintes[alea() % 8];
        return u;
    };
    const uint32_t t4 = autre(t1), t5 = autre(t2);
    auto couleur = [&](double x, double y) -> uint32_t {
        // x, y in 0..1 over the picture.
        const double ax = std::abs(x - 0.5);
        const bool dedans =
            y > 0.02 && y < 0.98 && ax < 0.47 &&
            (y < 0.55 || ax < 0.47 * std::sqrt(std::max(0.0, 1 - std::pow((y - 0.55) / 0.43, 2))));
        if (!dedans) return 0xFFFFFF;
        const bool bord =
            y < 0.035 || ax > 0.45 ||
            (y >= 0.55 &&
             ax > 0.47 * std::sqrt(std::max(0.0, 1 - std::pow((y - 0.55) / 0.41, 2))) - 0.02);
        if (bord) return 0x000000;
        bool second = false;
        switch (partition) {
        case 0:
            second = x > 0.5;
            break;
        case 1:
            second = y > 0.45;
            break;
        case 2:
            second = y > x * 1.28;
            break;
        case 3:
            second = (x > 0.5) != (y > 0.45);
            break;
        case 4:
            second = y > 0.75 - 0.8 * ax;
            break;
        default:
            second = y < 0.25;
            break;
        }
        uint32_t c = second ? t2 : t1;
        {
            const double gx = std::fmod(x + 1, pas) / pas - 0.5;
            const double gy = std::fmod(y * 1.2 + 1, pas) / pas - 0.5;
            if (second ? gx * gx + gy * gy < 0.1 : std::abs(gx) + std::abs(gy) < 0.4)
                c = second ? t5 : t4;
        }
        const double cx = x - 0.5, cy = y - 0.45;
        switch (meuble) {
        case 0:
            if (cx * cx + cy * cy * 0.6 < rx * rx) c = t3;
            break;
        case 1:
            if (std::abs(cx) < rx / 2 || std::abs(cy) < rx / 2) c = t3;
            break;
        case 2:
            for (int k = 0; k < 3; ++k) {
                const double ex = x - (0.3 + 0.2 * k), ey = y - (0.2 + 0.1 * k);
                if (ex * ex + ey * ey < rx * rx / 4) c = t3;
            }
            break;
        default:
            if (std::abs(cy - cx * 0.8) < rx / 3) c = t3;
            break;
        }
        return c;
    };
    Cadre c;
    c.w = w;
    c.h = h;
    c.pixels.resize(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int r = 0, g = 0, b = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const uint32_t k = couleur((x + (sx + 0.5) / 4) / w, (y + (sy + 0.5) / 4) / h);
                    r += int(k >> 16);
                    g += int((k >> 8) & 0xFF);
                    b += int(k & 0xFF);
                }
            auto niveau = [](int s) { return (s / 16 + 42) / 85; };
            c.pixels[size_t(y) * size_t(w) + size_t(x)] =
                uint8_t(niveau(r) << 4 | niveau(g) << 2 | niveau(b));
        }
    d.cadres.push_back(std::move(c));
    return d;
}

} // namespace fx
