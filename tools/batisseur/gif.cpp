#include "gif.h"

#include "dessin.h"

#include <array>
#include <unordered_map>

namespace bat {

namespace {

Rgb Melange(Rgb a, Rgb b, double t) {
    auto m = [t](int x, int y) { return static_cast<unsigned char>(x + (y - x) * t + 0.5); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Rgb De(Email e) {
    const QColor c = Couleur(e);
    return {static_cast<unsigned char>(c.red()), static_cast<unsigned char>(c.green()),
            static_cast<unsigned char>(c.blue())};
}

std::vector<Rgb> Construire(bool fine) {
    const Rgb noir{0, 0, 0};
    const std::vector<Rgb> bases = {De(Email::Argent), De(Email::Or),      De(Email::Gueules),
                                    De(Email::Azur),   De(Email::Sinople), De(Email::Pourpre)};
    std::vector<Rgb> p = {bases[0], noir,     bases[1],         bases[2],
                          bases[3], bases[4], De(Email::Sable), bases[5]};
    for (const Rgb& b : bases)
        for (double t : {0.2, 0.4, 0.6, 0.8}) p.push_back(Melange(b, noir, t));
    for (size_t i = 0; i < bases.size(); ++i)
        for (size_t j = i + 1; j < bases.size(); ++j) p.push_back(Melange(bases[i], bases[j], 0.5));
    const int paires[9][2] = {{1, 2}, {1, 3}, {0, 2}, {0, 3}, {0, 4},
                              {1, 4}, {0, 5}, {1, 5}, {0, 1}};
    for (auto& q : paires)
        for (double t : {0.25, 0.75}) p.push_back(Melange(bases[q[0]], bases[q[1]], t));
    p.resize(64); // the global table of the ordinary pictures holds 64 entries exactly
    if (fine) {
        for (const Rgb& b : bases)
            for (double t : {0.1, 0.3, 0.5, 0.7, 0.9}) p.push_back(Melange(b, noir, t));
        for (size_t i = 0; i < bases.size(); ++i)
            for (size_t j = 0; j < bases.size(); ++j)
                if (i != j)
                    for (double t : {0.125, 0.375}) p.push_back(Melange(bases[i], bases[j], t));
        for (int k = 1; p.size() < 256; ++k) p.push_back(Melange(noir, bases[0], k / 100.0));
        p.resize(256);
    }
    return p;
}

class Bits {
public:
    void Ecrire(unsigned code, int taille) {
        acc_ |= static_cast<unsigned long>(code) << n_;
        n_ += taille;
        while (n_ >= 8) {
            octets_.push_back(static_cast<char>(acc_ & 0xFF));
            acc_ >>= 8;
            n_ -= 8;
        }
    }
    QByteArray Fin() {
        if (n_ > 0) octets_.push_back(static_cast<char>(acc_ & 0xFF));
        acc_ = 0;
        n_ = 0;
        return octets_;
    }

private:
    QByteArray octets_;
    unsigned long acc_ = 0;
    int n_ = 0;
};

// Plain LZW of GIF: a clear code first, the table cleared again when it is full.
QByteArray Lzw(const std::vector<unsigned char>& idx, int tailleMin) {
    const unsigned clear = 1u << tailleMin, fin = clear + 1;
    std::unordered_map<unsigned, unsigned> table;
    table.reserve(8192);
    Bits out;
    int taille = tailleMin + 1;
    unsigned prochain = fin + 1;
    out.Ecrire(clear, taille);
    unsigned courant = idx.empty() ? 0 : idx[0];
    for (size_t i = 1; i < idx.size(); ++i) {
        const unsigned k = idx[i];
        const unsigned cle = (courant << 8) | k;
        auto it = table.find(cle);
        if (it != table.end()) {
            courant = it->second;
            continue;
        }
        out.Ecrire(courant, taille);
        if (prochain < 4096) {
            table.emplace(cle, prochain);
            if (prochain == (1u << taille) && taille < 12) ++taille;
            ++prochain;
        } else {
            out.Ecrire(clear, taille);
            table.clear();
            taille = tailleMin + 1;
            prochain = fin + 1;
        }
        courant = k;
    }
    out.Ecrire(courant, taille);
    // Reading that last code, the decoder adds one more entry than we did, and may
    // widen its codes for the end code when that entry reaches the next power of two.
    if (prochain == (1u << taille) && taille < 12) ++taille;
    out.Ecrire(fin, taille);
    return out.Fin();
}

void Mot(QByteArray& b, int v) {
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>((v >> 8) & 0xFF));
}

} // namespace

const std::vector<Rgb>& Palette64() {
    static const std::vector<Rgb> p = Construire(false);
    return p;
}

const std::vector<Rgb>& Palette256() {
    static const std::vector<Rgb> p = Construire(true);
    return p;
}

QByteArray EncoderGif(const QImage& src, const std::vector<Rgb>& pal) {
    const QImage img = src.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    int bits = 1;
    while ((1 << bits) < int(pal.size())) ++bits;
    std::vector<unsigned char> idx(size_t(w) * h);
    std::unordered_map<unsigned, unsigned char> cache;
    for (int y = 0; y < h; ++y) {
        const QRgb* ligne = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const unsigned c = ligne[x] & 0xFFFFFF;
            auto it = cache.find(c);
            if (it == cache.end()) {
                int best = 0;
                long dmin = -1;
                for (size_t i = 0; i < pal.size(); ++i) {
                    const long dr = long(qRed(c)) - pal[i].r, dg = long(qGreen(c)) - pal[i].g,
                               db = long(qBlue(c)) - pal[i].b;
                    const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                    if (dmin < 0 || d < dmin) {
                        dmin = d;
                        best = int(i);
                    }
                }
                it = cache.emplace(c, static_cast<unsigned char>(best)).first;
            }
            idx[size_t(y) * w + x] = it->second;
        }
    }
    QByteArray b("GIF89a");
    Mot(b, w);
    Mot(b, h);
    b.push_back(static_cast<char>(0x80 | ((bits - 1) << 4) | (bits - 1)));
    b.push_back('\0'); // background index
    b.push_back('\0'); // aspect ratio
    for (size_t i = 0; i < (1u << bits); ++i) {
        const Rgb c = i < pal.size() ? pal[i] : Rgb{0, 0, 0};
        b.push_back(static_cast<char>(c.r));
        b.push_back(static_cast<char>(c.g));
        b.push_back(static_cast<char>(c.b));
    }
    b.push_back(',');
    Mot(b, 0);
    Mot(b, 0);
    Mot(b, w);
    Mot(b, h);
    b.push_back('\0');
    b.push_back(static_cast<char>(bits));
    const QByteArray data = Lzw(idx, bits);
    for (qsizetype i = 0; i < data.size(); i += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - i);
        b.push_back(static_cast<char>(n));
        b.append(data.constData() + i, n);
    }
    b.push_back('\0');
    b.push_back(';');
    return b;
}

} // namespace bat
