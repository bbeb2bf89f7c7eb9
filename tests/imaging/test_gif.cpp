// Reading GIF streams: the failures and tolerated cases of the reader, the extensions,
// transparency, and what the LZW decoder does with damaged data.
#include "erreurs.h"
#include "flux_gif.h"
#include "gif.h"
#include "imaging/affichage.h"
#include "lzw.h"

#include <gtest/gtest.h>

#include <random>

using namespace armo;
using fx::Octets;

namespace {

QByteArrayView Vue(const Octets& o) {
    return QByteArrayView(o.data(), qsizetype(o.size()));
}

struct Issue {
    bool echec = false;
    TypeErreur type{};
    std::string message;
    int images = 0, largeur = 0, hauteur = 0;
    bool corrompu = false;
    std::vector<uint8_t> indices;
};

Issue Charger(const Octets& o, TGIFPicture& p) {
    Issue r;
    try {
        p.LoadFromBytes(Vue(o));
    } catch (const Erreur& e) {
        r.echec = true;
        r.type = e.type();
        r.message = e.message().toStdString();
        return r;
    }
    r.images = p.Count();
    r.largeur = p.Width();
    r.hauteur = p.Height();
    r.corrompu = p.Count() > 0 && p.Frames(0).FCorrupted;
    if (p.Count() > 0 && p.Frames(0).Indices())
        r.indices.assign(p.Frames(0).Indices(),
                         p.Frames(0).Indices() + size_t(r.largeur) * size_t(r.hauteur));
    return r;
}

// A 4 x 2 picture, table of 4 entries, pixels 0 1 2 3 / 3 2 1 0.
const std::vector<uint8_t> PIX{0, 1, 2, 3, 3, 2, 1, 0};
Octets Image4x2() {
    return fx::Image(4, 2, 2, fx::EncoderLZW(PIX, 2));
}
Octets Valide(const char* sig = "GIF89a") {
    return fx::Entete(4, 2, 2, {}, 0, sig) + Image4x2() + ";";
}

struct Cas {
    const char* nom;
    Octets octets;
    bool echec;
    TypeErreur type;
    const char* message;
    int images;
};

constexpr auto GRAPH = TypeErreur::EInvalidGraphicOperation;
constexpr auto LECT = TypeErreur::EReadError;

} // namespace

TEST(LectureGIF, FailureAndToleranceTable) {
    const Octets h = fx::Entete(4, 2, 2);
    const Octets img = Image4x2();
    const Octets descr = img.substr(0, 10); // separator and descriptor only
    const std::vector<Cas> cas = {
        {"GIF89a", Valide(), false, {}, "", 1},
        {"GIF87a", Valide("GIF87a"), false, {}, "", 1},
        {"GIF88a", Valide("GIF88a"), true, GRAPH, "Unknown GIF version", 0},
        {"lower-case gif89a", Valide("gif89a"), true, GRAPH, "Unknown GIF version", 0},
        {"signature cut short", "GIF8", true, GRAPH, "Unknown GIF version", 0},
        {"empty resource", "", false, {}, "", 0},
        {"signature only", "GIF89a", false, {}, "", 0},
        {"screen descriptor cut short", "GIF89a\x04", false, {}, "", 0},
        {"header and trailer", h + ";", false, {}, "", 0},
        {"zero bytes between blocks",
         h + std::string(5, '\0') + img + std::string(3, '\0') + ";",
         false,
         {},
         "",
         1},
        {"no trailer", h + img, false, {}, "", 1},
        {"0x40 after an image", h + img + "\x40" + "garbage", false, {}, "", 1},
        {"0x40 where the first block begins", h + "\x40" + img + ";", true, GRAPH,
         "Erreur de lecture du flux", 0},
        {"label 0x2A", h + "\x21\x2A\x00" + img, true, GRAPH, "Unrecognized extension block: 2A",
         0},
        {"label 0x0B", h + "\x21\x0B\x00;", true, GRAPH, "Unrecognized extension block: 0B", 0},
        {"descriptor cut short", h + descr.substr(0, 6), true, LECT, "Erreur de lecture du flux",
         0},
        {"no code size byte", h + descr, true, LECT, "Erreur de lecture du flux", 0},
        {"local table cut short", h + ",\0\0\0\0\x04\0\x02\0\x81" + std::string(5, '\x01'), true,
         LECT, "Erreur de lecture du flux", 0},
        {"second image cut short", h + img + descr.substr(0, 4), true, LECT,
         "Erreur de lecture du flux", 1},
        {"no colour table at all", fx::Entete(4, 2, 0) + img + ";", true, GRAPH,
         "Wrong number of colors; must be a power of 2", 0},
        {"extension cut inside its fixed part", h + img + "\x21\xF9\x04", false, {}, "", 1},
        {"extension sub-block past the end", h + img + "\x21\xFE\x09" + "abc", false, {}, "", 1},
        {"comment then garbage", h + fx::Commentaire({"abc"}) + "\x40\x40", true, GRAPH,
         "Erreur de lecture du flux", 0},
    };
    for (const Cas& c : cas) {
        TGIFPicture p;
        const Issue r = Charger(c.octets, p);
        EXPECT_EQ(r.echec, c.echec) << c.nom << ": " << r.message;
        if (c.echec) {
            EXPECT_EQ(r.message, c.message) << c.nom;
            EXPECT_EQ(NomTypeErreur(r.type), std::string(NomTypeErreur(c.type))) << c.nom;
        } else {
            EXPECT_EQ(r.images, c.images) << c.nom;
            EXPECT_EQ(r.largeur, c.images ? 4 : 0) << c.nom;
            EXPECT_EQ(r.hauteur, c.images ? 2 : 0) << c.nom;
            if (c.images) {
                EXPECT_EQ(r.indices, PIX) << c.nom;
            }
        }
        // What a failed load kept: frames read before the failure, never a failed frame 0.
        if (c.echec) {
            EXPECT_EQ(p.Count(), c.images) << c.nom;
        }
    }
}

TEST(LectureGIF, VersionAndScreenFields) {
    TGIFPicture p;
    EXPECT_TRUE(p.Empty());
    EXPECT_EQ(p.FrameIndex(), -1);
    EXPECT_EQ(p.RepeatCount(), 1);
    EXPECT_TRUE(p.Transparent());
    Charger(fx::Entete(7, 5, 3, {0x102030, 0x405060}, 1, "GIF87a") +
                fx::Image(0, 0, 3, fx::EncoderLZW(std::vector<uint8_t>(35, 1), 3)) + ";",
            p);
    EXPECT_EQ(p.Version(), TGIFVersion::gv87a);
    EXPECT_EQ(p.ScreenWidth(), 7);
    EXPECT_EQ(p.ScreenHeight(), 5);
    // A zero width or height takes the screen's.
    EXPECT_EQ(p.Width(), 7);
    EXPECT_EQ(p.Height(), 5);
    EXPECT_EQ(p.Data().FBitsPerPixel, 3);
    EXPECT_EQ(p.Data().FColorResBits, 8);
    EXPECT_EQ(p.Data().FColorMap.Count, 8);
    ASSERT_TRUE(p.BackgroundColor());
    EXPECT_EQ(*p.BackgroundColor(), qRgb(0x40, 0x50, 0x60));
    EXPECT_FALSE(p.Empty());
    EXPECT_EQ(p.FrameIndex(), 0);

    // A background index at or beyond the table's count gives no background colour.
    Charger(fx::Entete(4, 2, 2, {}, 4) + Image4x2(), p);
    EXPECT_FALSE(p.BackgroundColor());
    // A second load starts again from the empty state.
    Charger("", p);
    EXPECT_EQ(p.Count(), 0);
    EXPECT_EQ(p.Version(), TGIFVersion::gvUnknown);
    EXPECT_TRUE(p.Empty());
}

TEST(LectureGIF, FramePlacedOnLargerScreenDrawsAtRectangleCorner) {
    TGIFPicture p;
    const Octets o = fx::Entete(40, 30, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x000000}) +
                     fx::Image(4, 2, 2, fx::EncoderLZW(PIX, 2), 0, 10, 10) + ";";
    Charger(o, p);
    EXPECT_EQ(p.Width(), 4);
    EXPECT_EQ(p.Height(), 2);
    EXPECT_EQ(p.Frames(0).FTopLeft, QPoint(10, 10));
    const QImage r = RendreImage(p, QImage::Format_RGB32);
    ASSERT_EQ(r.size(), QSize(4, 2));
    EXPECT_EQ(r.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(r.pixel(3, 0), qRgb(0, 0, 0));
    EXPECT_EQ(r.pixel(0, 1), qRgb(0, 0, 0));
}

TEST(LectureGIF, LocalTableAndSeveralFrames) {
    Octets locale;
    for (uint32_t c : {0x112233u, 0x445566u, 0x778899u, 0xAABBCCu, 1u, 2u, 3u, 4u})
        locale += Octets{char(c >> 16), char(c >> 8), char(c)};
    TGIFPicture p;
    const Octets o = fx::Entete(4, 2, 1) +
                     fx::Image(4, 2, 3, fx::EncoderLZW(PIX, 3), 0x82, 0, 0, locale) + Image4x2() +
                     ";";
    const Issue r = Charger(o, p);
    ASSERT_FALSE(r.echec) << r.message;
    ASSERT_EQ(p.Count(), 2);
    EXPECT_TRUE(p.Frames(0).FLocalColors);
    EXPECT_EQ(p.Frames(0).FImage.FBitsPerPixel, 3);
    EXPECT_EQ(p.Frames(0).FImage.FColorMap.Couleur(1), qRgb(0x44, 0x55, 0x66));
    EXPECT_EQ(r.indices, PIX);
    // Only frame 0 is decoded by a load; the others keep their compressed data.
    EXPECT_FALSE(p.Frames(1).Decoded());
    EXPECT_EQ(p.Frames(1).FImage.FImageData.back(), 0);
    EXPECT_EQ(p.Frames(1).FImage.FBitsPerPixel, 1); // the global table's bit count
}

TEST(LectureGIF, ExtensionsCommentsAndLooping) {
    const Octets h = fx::Entete(4, 2, 2);
    Octets netscape = "\x21\xFF\x0BNETSCAPE2.0\x03\x01";
    fx::Mot(netscape, 5);
    netscape += '\0';
    Octets infini = "\x21\xFF\x0B"
                    "ANIMEXTS1.0\x03\x01\xFF\xFF";
    infini += '\0';

    TGIFPicture p;
    Issue r = Charger(
        h + netscape + fx::Commentaire({"un", "deux"}) + fx::Commentaire({"trois"}) + ";", p);
    ASSERT_FALSE(r.echec) << r.message;
    EXPECT_TRUE(p.Looping());
    EXPECT_EQ(p.RepeatCount(), 5);
    EXPECT_EQ(p.Comment(), (QStringList{"un", "deux", "\r\n\r\n", "trois"}));

    r = Charger(h + infini + Image4x2(), p);
    EXPECT_TRUE(p.Looping());
    EXPECT_EQ(p.RepeatCount(), 30000);

    // Extensions before an image go to it; they do not make the stream's comment.
    r = Charger(h + fx::Commentaire({"\xE9t\x80"}) + fx::ControleGraphique(0x08, 7, 0) + Image4x2(),
                p);
    ASSERT_EQ(p.Count(), 1);
    EXPECT_TRUE(p.Comment().isEmpty());
    const auto& ext = p.Frames(0).FExtensions;
    ASSERT_EQ(ext.size(), 2u);
    EXPECT_EQ(ext[0].FExtType, TExtensionType::etComment);
    EXPECT_EQ(ext[0].FData, QStringList{QString::fromUtf8("ét€")});
    EXPECT_EQ(p.Frames(0).FAnimateInterval, 70);
    EXPECT_EQ(p.Frames(0).FDisposal, TDisposalMethod::dmRestoreBackground);

    // A plain text extension drops what the run collected before it.
    Octets texte = "\x21\x01\x0C" + std::string(12, '\x01') + "\x02hi" + '\0';
    r = Charger(h + fx::ControleGraphique(0x01, 0, 1) + texte + Image4x2(), p);
    ASSERT_EQ(p.Count(), 1);
    EXPECT_TRUE(p.Frames(0).FExtensions.empty());
    EXPECT_FALSE(p.TransparentColor());
    // A wrong application identifier, or a first sub-block shorter than 3, is no loop.
    r = Charger(h + "\x21\xFF\x0BNETSCAPE2.1\x03\x01\x05\x00" + '\0' +
                    "\x21\xFF\x0BNETSCAPE2.0\x02\x01\x05" + '\0' + Image4x2(),
                p);
    EXPECT_FALSE(p.Looping());
}

TEST(LectureGIF, TransparentEntryIsMadeUnique) {
    // Entries 1, 2 and 3 share entry 0's colour; the red of entry 0 moves until free.
    struct CasT {
        uint32_t couleur;
        std::vector<uint32_t> autres;
        uint32_t attendu;
    } cas[] = {
        {0x804020, {0x804020, 0x7F4020}, 0x7E4020}, // down by one at a time
        {0x004020, {0x004020, 0x014020}, 0x024020}, // red 0 moves up
        {0xFF4020, {0xFF4020, 0xFE4020}, 0xFD4020}, // red 255 moves down
        {0x804020, {0x814020}, 0x804020},           // already unique
    };
    for (const auto& c : cas) {
        std::vector<uint32_t> table{c.couleur};
        table.insert(table.end(), c.autres.begin(), c.autres.end());
        TGIFPicture p;
        const Issue r = Charger(
            fx::Entete(4, 2, 2, table) + fx::ControleGraphique(0x01, 0, 0) + Image4x2() + ";", p);
        ASSERT_FALSE(r.echec) << r.message;
        const uint32_t a = c.attendu;
        ASSERT_TRUE(p.TransparentColor());
        EXPECT_EQ(*p.TransparentColor(), qRgb(a >> 16, (a >> 8) & 0xFF, a & 0xFF)) << std::hex << a;
        EXPECT_EQ(p.Frames(0).FImage.FColorMap.Couleur(0), *p.TransparentColor());
        // The global table is left as it was.
        EXPECT_EQ(p.Data().FColorMap.Couleur(0),
                  qRgb(c.couleur >> 16, (c.couleur >> 8) & 0xFF, c.couleur & 0xFF));
    }
    // An index at or beyond the table's count changes nothing; a clear bit removes it.
    TGIFPicture p;
    Charger(fx::Entete(4, 2, 2) + fx::ControleGraphique(0x01, 0, 4) + Image4x2(), p);
    EXPECT_FALSE(p.TransparentColor());
    Charger(fx::Entete(4, 2, 2) + fx::ControleGraphique(0x01, 0, 2) +
                fx::ControleGraphique(0x00, 0, 2) + Image4x2(),
            p);
    EXPECT_FALSE(p.TransparentColor());
}

TEST(LectureGIF, TransparentPixelsStayWhite) {
    TGIFPicture p;
    Charger(fx::Entete(4, 2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x000000}) +
                fx::ControleGraphique(0x01, 0, 2) + Image4x2(),
            p);
    for (auto format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
        const QImage r = RendreImage(p, format);
        for (int i = 0; i < 8; ++i) {
            const QRgb attendu = PIX[size_t(i)] == 2
                                     ? qRgb(255, 255, 255)
                                     : p.Frames(0).FImage.FColorMap.Couleur(PIX[size_t(i)]);
            EXPECT_EQ(r.pixel(i % 4, i / 4), attendu) << i;
        }
    }
}

// ---------------------------------------------------------------------------------
// Damaged LZW data, through both decoding loops.

namespace {

using Code = std::pair<unsigned, int>;

Issue Decoder(const std::vector<Code>& codes, int m, int w, int h, bool terminer = true,
              lzw::Mode mode = lzw::Mode::Rapide) {
    const Octets charge = fx::Codes(codes);
    Octets donnees(1, char(m));
    donnees += fx::SousBlocs(charge, terminer);
    std::vector<uint8_t> tampon(lzw::MARGE_AVANT + size_t(w * h) + lzw::MARGE_APRES, 0xAA);
    const auto r = lzw::Decoder(reinterpret_cast<const uint8_t*>(donnees.data()), donnees.size(), 2,
                                w, h, false, tampon.data() + lzw::MARGE_AVANT, mode);
    Issue i;
    i.corrompu = r.corrompu;
    i.indices.assign(tampon.begin() + lzw::MARGE_AVANT, tampon.begin() + lzw::MARGE_AVANT + w * h);
    return i;
}

std::vector<uint8_t> Pixels(std::vector<uint8_t> debut, size_t n) {
    debut.resize(n, 0);
    return debut;
}

} // namespace

TEST(DecodageLZW, DamagedData) {
    struct CasD {
        const char* nom;
        int m;
        std::vector<Code> codes;
        bool terminer;
        std::vector<uint8_t> attendu; // then zeros
        bool corrompu;
    } cas[] = {
        {"well formed", 2, {{4, 3}, {1, 3}, {2, 3}, {3, 3}, {5, 4}}, true, {1, 2, 3}, false},
        {"end code before the last row", 2, {{4, 3}, {3, 3}, {5, 3}}, true, {3}, false},
        // Without a leading clear code the first entry's prefix is 0: entry 6 = "0 2".
        {"no leading clear code", 2, {{2, 3}, {3, 3}, {6, 4}, {5, 4}}, true, {2, 3, 0, 2}, false},
        // Code size 1 becomes 2: only the codes right after a clear code give pixels.
        {"code size 1", 1, {{4, 3}, {3, 3}, {4, 3}, {2, 3}, {1, 3}, {1, 3}}, true, {3, 2}, true},
        // Code size 12 becomes 9 (10-bit codes, clear 512); pixel = code AND 3.
        {"code size 12", 12, {{512, 10}, {7, 10}, {512, 10}, {6, 10}, {1, 10}}, true, {3, 2}, true},
        // Entry 6 -> 7 -> 6: the dictionary survives the clear code and loops.
        {"chain loop",
         2,
         {{4, 3}, {0, 3}, {6, 3}, {1, 3}, {4, 4}, {7, 3}, {1, 3}, {6, 3}, {1, 3}},
         true,
         {0, 0, 0, 1, 3, 1},
         true},
        // The data ends with rows unfilled and no end code: the pixels so far stay.
        {"data ends early", 2, {{4, 3}, {1, 3}, {2, 3}, {3, 3}}, false, {1, 2, 3}, true},
        // A code beyond the next free one repeats the previous string and its first pixel.
        {"code beyond the next free one",
         2,
         {{4, 3}, {2, 3}, {7, 3}, {5, 3}},
         true,
         {2, 2, 2},
         false},
        // The end code right after a clear code is a pixel (5 AND 3), and reading goes on.
        {"end code after a clear code", 2, {{4, 3}, {5, 3}, {2, 3}, {5, 3}}, true, {1, 2}, false},
    };
    for (const auto& c : cas)
        for (auto mode : {lzw::Mode::Rapide, lzw::Mode::Reference}) {
            const Issue r = Decoder(c.codes, c.m, 4, 4, c.terminer, mode);
            EXPECT_EQ(r.indices, Pixels(c.attendu, 16))
                << c.nom << (mode == lzw::Mode::Rapide ? " (fast)" : " (reference)");
            EXPECT_EQ(r.corrompu, c.corrompu) << c.nom;
        }
}

TEST(DecodageLZW, SubBlockPromisingMoreThanRemains) {
    const Octets h = fx::Entete(4, 2, 2);
    const Octets charge = fx::EncoderLZW(PIX, 2); // 3 bytes: the first two hold 4 pixels
    Octets img = Image4x2();
    Octets coupe = img.substr(0, 11) + "\x02" + charge.substr(0, 2) + "\x09" + "ab";
    TGIFPicture p;
    const Issue r = Charger(h + coupe, p);
    ASSERT_FALSE(r.echec) << r.message;
    EXPECT_TRUE(r.corrompu);
    // The promising sub-block is not taken; the one before it is.
    EXPECT_EQ(p.Frames(0).FImage.FImageData.size(), 1u + 3u);
    EXPECT_EQ(std::vector<uint8_t>(r.indices.begin(), r.indices.begin() + 4),
              std::vector<uint8_t>(PIX.begin(), PIX.begin() + 4));
}

TEST(DecodageLZW, InterlacedRowsAndUnreachedRows) {
    // 3 x 11 pixels, row y holds the value y AND 3, sent in interlace order; the data
    // stops after 7 rows: rows 0, 8, 4, 2, 6, 10, 1 are set, the others stay 0.
    const int w = 3, h = 11;
    std::vector<uint8_t> ordre;
    for (int y : {0, 8, 4, 2, 6, 10, 1})
        for (int x = 0; x < w; ++x) ordre.push_back(uint8_t(y & 3));
    TGIFPicture p;
    const Issue r =
        Charger(fx::Entete(w, h, 2) + fx::Image(w, h, 2, fx::EncoderLZW(ordre, 2), 0x40), p);
    ASSERT_FALSE(r.echec) << r.message;
    EXPECT_TRUE(p.Frames(0).FInterlaced);
    EXPECT_FALSE(r.corrompu);
    for (int y = 0; y < h; ++y) {
        const bool atteinte = y == 0 || y == 8 || y == 4 || y == 2 || y == 6 || y == 10 || y == 1;
        for (int x = 0; x < w; ++x)
            EXPECT_EQ(r.indices[size_t(y * w + x)], atteinte ? (y & 3) : 0) << y;
    }
}

TEST(DecodageLZW, FastAndReferenceLoopsAgreeOnRandomData) {
    // Random code streams, mostly well formed with random damage: both loops must give
    // the same pixels and the same verdict.
    std::mt19937 alea(1234);
    for (int essai = 0; essai < 3000; ++essai) {
        const int bits = 1 + int(alea() % 8);
        const int m = std::max(2, bits) + int(alea() % 2);
        const int w = 1 + int(alea() % 40), h = 1 + int(alea() % 40);
        std::vector<uint8_t> px(size_t(w * h));
        const unsigned plage = 1u + alea() % (1u << bits);
        for (auto& v : px)
            v = uint8_t(alea() % 8 == 0 ? alea() % plage : (&v == px.data() ? 0 : *(&v - 1)));
        Octets charge = fx::EncoderLZW(px, m, alea() % 2);
        const int degats = int(alea() % 4);
        for (int d = 0; d < degats && !charge.empty(); ++d)
            charge[alea() % charge.size()] ^= char(1u << (alea() % 8));
        if (alea() % 4 == 0) charge.resize(alea() % (charge.size() + 1));
        Octets donnees(1, char(m));
        donnees += fx::SousBlocs(charge);
        std::vector<uint8_t> a(lzw::MARGE_AVANT + px.size() + lzw::MARGE_APRES, 0x55), b = a;
        const auto* d = reinterpret_cast<const uint8_t*>(donnees.data());
        const bool entrelace = alea() % 5 == 0;
        const auto ra = lzw::Decoder(d, donnees.size(), bits, w, h, entrelace,
                                     a.data() + lzw::MARGE_AVANT, lzw::Mode::Rapide);
        const auto rb = lzw::Decoder(d, donnees.size(), bits, w, h, entrelace,
                                     b.data() + lzw::MARGE_AVANT, lzw::Mode::Reference);
        ASSERT_EQ(ra.corrompu, rb.corrompu) << essai;
        ASSERT_EQ(ra.pixels, rb.pixels) << essai;
        ASSERT_TRUE(std::equal(a.begin() + lzw::MARGE_AVANT,
                               a.begin() + lzw::MARGE_AVANT + long(px.size()),
                               b.begin() + lzw::MARGE_AVANT))
            << essai;
        if (degats == 0 && charge.size() > 0 && !entrelace && ra.pixels == px.size()) {
            ASSERT_TRUE(std::equal(px.begin(), px.end(), a.begin() + lzw::MARGE_AVANT)) << essai;
        }
    }
}

TEST(DecodageLZW, HugeFramesAreRefusedAsOutOfMemory) {
    for (auto [w, h] : {std::pair{65535, 65535}, std::pair{65535, 8192}, std::pair{8193, 8192}}) {
        Octets o = fx::Entete(w, h, 2) + fx::Image(0, 0, 2, fx::EncoderLZW(PIX, 2)) + ";";
        TGIFPicture p;
        const Issue r = Charger(o, p);
        EXPECT_TRUE(r.echec) << w << "x" << h;
        EXPECT_EQ(NomTypeErreur(r.type), std::string("EOutOfMemory"));
        EXPECT_EQ(r.message, MESSAGE_MEMOIRE);
        EXPECT_EQ(p.Count(), 0);
    }
    // A large frame within the limit decodes, its unreached pixels 0.
    TGIFPicture p;
    const Issue r =
        Charger(fx::Entete(8192, 8192, 2) + fx::Image(0, 0, 2, fx::EncoderLZW(PIX, 2)), p);
    ASSERT_FALSE(r.echec) << r.message;
    EXPECT_EQ(r.indices[3], 3);
    EXPECT_EQ(r.indices.back(), 0);
}
