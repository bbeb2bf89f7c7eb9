// Cross-check against giflib: streams written by giflib's encoder (and by a test
// encoder that lets the dictionary stay full) decode to exactly giflib's pixels.
#include "erreurs.h"
#include "flux_gif.h"
#include "gif.h"
#include "giflib_outils.h"
#include "imaging/affichage.h"
#include "ressources.h"

#include <gtest/gtest.h>

using namespace armo;

namespace {

std::vector<uint8_t> Indices(TGIFFrame& f) {
    const uint8_t* p = f.Indices();
    return p ? std::vector<uint8_t>(p, p + size_t(f.Width()) * size_t(f.Height()))
             : std::vector<uint8_t>{};
}

// Loads the stream with our decoder and compares every frame with giflib's decoding.
void Comparer(const std::string& flux, const std::string& nom) {
    SCOPED_TRACE(nom);
    const auto ref = fx::DecoderGiflib(flux.data(), flux.size());
    ASSERT_FALSE(ref.empty()) << "giflib refused the stream";
    TGIFPicture p;
    try {
        p.LoadFromBytes(QByteArrayView(flux.data(), qsizetype(flux.size())));
    } catch (const Erreur& e) {
        FAIL() << e.message().toStdString();
    }
    ASSERT_EQ(p.Count(), int(ref.size()));
    EXPECT_EQ(p.Width(), ref[0].w);
    EXPECT_EQ(p.Height(), ref[0].h);
    EXPECT_FALSE(p.Corrupted());
    for (size_t i = 0; i < ref.size(); ++i) {
        TGIFFrame& f = p.Frames(int(i));
        ASSERT_EQ(Indices(f), ref[i].pixels) << "frame " << i;
        EXPECT_FALSE(f.FCorrupted) << "frame " << i;
    }
    // Frame 0 drawn as the views draw it gives giflib's table colours.
    const QImage r = RendreImage(p, QImage::Format_RGB32);
    const auto& r0 = ref[0];
    for (int y = 0; y < r0.h; y += std::max(1, r0.h / 17))
        for (int x = 0; x < r0.w; ++x)
            ASSERT_EQ(r.pixel(x, y) & 0xFFFFFF, r0.table[r0.pixels[size_t(y * r0.w + x)]])
                << x << "," << y;
}

// A picture of n colours in a table of the next power of two: runs of random length.
fx::Dessin Motif(int w, int h, int n, unsigned graine, bool entrelace = false) {
    std::mt19937 alea(graine);
    int bits = 1;
    while ((1 << bits) < n) ++bits;
    fx::Dessin d;
    d.w = w;
    d.h = h;
    for (int i = 0; i < (1 << bits); ++i) d.table.push_back(alea() & 0xFFFFFF);
    fx::Cadre c;
    c.w = w;
    c.h = h;
    c.entrelace = entrelace;
    c.pixels.resize(size_t(w * h));
    uint8_t v = 0;
    for (size_t i = 0; i < c.pixels.size(); ++i) {
        if (alea() % 5 == 0) v = uint8_t(alea() % unsigned(n));
        c.pixels[i] = v;
    }
    // Every colour appears at least once.
    for (int k = 0; k < n && k < w * h; ++k)
        c.pixels[size_t(k) * c.pixels.size() / size_t(n)] = uint8_t(k);
    d.cadres.push_back(std::move(c));
    return d;
}

} // namespace

TEST(Giflib, EveryColourCountFrom2To256) {
    for (int n = 2; n <= 256; ++n) {
        const auto d = Motif(31 + n % 7, 17 + n % 5, n, unsigned(n));
        Comparer(fx::EncoderGiflib(d), "colours " + std::to_string(n));
    }
}

TEST(Giflib, OddSizes) {
    for (auto [w, h] : {std::pair{1, 1},
                        {1, 9},
                        {13, 1},
                        {3, 3},
                        {297, 381},
                        {294, 378},
                        {297, 378},
                        {511, 3},
                        {1000, 1}})
        Comparer(fx::EncoderGiflib(Motif(w, h, 5 + w % 50, unsigned(w * h))),
                 std::to_string(w) + "x" + std::to_string(h));
}

TEST(Giflib, Interlaced) {
    for (int h : {1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 33, 381})
        Comparer(fx::EncoderGiflib(Motif(23, h, 64, unsigned(h), true)),
                 "interlaced height " + std::to_string(h));
}

TEST(Giflib, LocalTablesAndSeveralFrames) {
    fx::Dessin d = Motif(40, 30, 16, 7);
    fx::Dessin b = Motif(20, 10, 200, 8);
    fx::Cadre c = b.cadres[0];
    c.tableLocale = b.table;
    c.gauche = 5;
    c.haut = 6;
    d.cadres.push_back(c);
    fx::Cadre e = Motif(40, 30, 16, 9, true).cadres[0];
    d.cadres.push_back(e);
    // Frame 0 with a local table of its own over a global table.
    fx::Dessin l = Motif(33, 21, 100, 10);
    l.cadres[0].tableLocale = l.table;
    for (auto& t : l.table) t ^= 0x00FFFF;
    Comparer(fx::EncoderGiflib(d), "three frames");
    Comparer(fx::EncoderGiflib(l), "local table");
}

TEST(Giflib, PicturesFillingTheDictionary) {
    // Noise fills the 4096 codes quickly (many clear codes); near-flat pictures fill it
    // with long strings.
    std::mt19937 alea(99);
    for (int bits : {1, 2, 4, 8}) {
        fx::Dessin d;
        d.w = 300;
        d.h = 200;
        for (int i = 0; i < (1 << bits); ++i) d.table.push_back(alea() & 0xFFFFFF);
        fx::Cadre c;
        c.w = d.w;
        c.h = d.h;
        for (int i = 0; i < d.w * d.h; ++i) c.pixels.push_back(uint8_t(alea() % (1u << bits)));
        d.cadres.push_back(c);
        Comparer(fx::EncoderGiflib(d), "noise " + std::to_string(bits) + " bits");
        for (size_t i = 0; i < d.cadres[0].pixels.size(); ++i)
            d.cadres[0].pixels[i] = uint8_t((i / 97 + (alea() % 50 == 0)) % (1u << bits));
        Comparer(fx::EncoderGiflib(d), "bands " + std::to_string(bits) + " bits");
    }
}

TEST(Giflib, FullDictionaryWithoutClearCode) {
    // A stream whose dictionary fills up and goes on at 12 bits without a clear code:
    // no entry is added until the next clear code, as giflib reads it too.
    std::mt19937 alea(5);
    std::vector<uint8_t> px(250 * 160);
    for (auto& v : px) v = uint8_t(alea() % 7);
    for (size_t i = px.size() / 2; i < px.size(); ++i) px[i] = px[i - px.size() / 2];
    const std::string flux =
        fx::Entete(250, 160, 3) + fx::Image(250, 160, 3, fx::EncoderLZW(px, 3, true)) + ";";
    Comparer(flux, "deferred clear");
    const auto ref = fx::DecoderGiflib(flux.data(), flux.size());
    ASSERT_EQ(ref.size(), 1u);
    EXPECT_EQ(ref[0].pixels, px);
}

TEST(Giflib, ShieldShapes) {
    for (unsigned graine = 1; graine <= 24; ++graine) {
        const auto d = fx::Ecu(graine);
        const std::string flux = fx::EncoderGiflib(d);
        Comparer(flux, "shield " + std::to_string(graine));
        // And both match the picture that was encoded.
        TGIFPicture p;
        p.LoadFromBytes(QByteArrayView(flux.data(), qsizetype(flux.size())));
        ASSERT_EQ(Indices(p.Frames(0)), d.cadres[0].pixels);
        EXPECT_EQ(p.Data().FColorMap.Count, 64);
    }
}

TEST(Giflib, EveryShieldOfTheDataSet) {
    // The program's own pictures: giflib's pixels, indices inside a 64- or 256-entry
    // table, drawn with exactly the table's colours.
    ChoisirJeuDeDonnees(QStringLiteral("armoriane"));
    const QStringList noms = NomsRessources("GIF");
    ASSERT_FALSE(noms.isEmpty());
    for (const QString& nom : noms) {
        const QByteArrayView o = OuvrirRessource("GIF", nom);
        const std::string flux(o.data(), size_t(o.size()));
        Comparer(flux, nom.toStdString());
        TGIFPicture p;
        p.LoadFromResourceName(nullptr, nom, QStringLiteral("GIF"));
        const int n = p.Data().FColorMap.Count;
        EXPECT_TRUE(n == 64 || n == 256) << nom.toStdString();
        const auto idx = Indices(p.Frames(0));
        EXPECT_LT(*std::max_element(idx.begin(), idx.end()), n) << nom.toStdString();
    }
}
