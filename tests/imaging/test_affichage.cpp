// Drawing a picture onto a bitmap, the nearest-neighbour stretching at device pixel
// ratios 1 and 2, shields from the resource store, and JPEG decoding.
#include "erreurs.h"
#include "gif.h"
#include "giflib_outils.h"
#include "imaging/affichage.h"
#include "jpeg.h"
#include "ressources.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QSet>

#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

using namespace armo;

namespace {

// Painting goes through Qt Gui, which wants its application object.
QGuiApplication& Appli() {
    static int argc = 1;
    static char nom[] = "test_imaging";
    static char* argv[] = {nom, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

TGIFPicture& Charger(TGIFPicture& p, const std::string& flux) {
    p.LoadFromBytes(QByteArrayView(flux.data(), qsizetype(flux.size())));
    return p;
}

QSet<QRgb> Couleurs(const QImage& im) {
    QSet<QRgb> s;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) s.insert(im.pixel(x, y) | 0xFF000000u);
    return s;
}

} // namespace

TEST(Dessin, DrawGivesExactTableColoursOn24And32Bits) {
    Appli();
    const auto d = fx::Ecu(3);
    TGIFPicture p;
    Charger(p, fx::EncoderGiflib(d));
    const auto& px = d.cadres[0].pixels;
    for (auto format : {QImage::Format_RGB888, QImage::Format_RGB32}) {
        // Through the picture's Draw on a painter, and through the views' rendering.
        QImage toile(p.Width(), p.Height(), format);
        toile.fill(Qt::white);
        {
            QPainter peintre(&toile);
            p.Draw(peintre, QRect(0, 0, p.Width(), p.Height()));
        }
        const QImage rendu = RendreImage(p, format);
        ASSERT_EQ(rendu.format(), format);
        for (int y = 0; y < d.h; ++y)
            for (int x = 0; x < d.w; ++x) {
                const QRgb c = 0xFF000000u | d.table[px[size_t(y * d.w + x)]];
                ASSERT_EQ(toile.pixel(x, y), c) << x << "," << y;
                ASSERT_EQ(rendu.pixel(x, y), c) << x << "," << y;
            }
    }
}

TEST(Dessin, EmptyPictureDrawsNothing) {
    Appli();
    TGIFPicture p;
    p.LoadFromBytes({});
    QImage toile(5, 5, QImage::Format_RGB32);
    toile.fill(Qt::red);
    {
        QPainter peintre(&toile);
        p.Draw(peintre, QRect(0, 0, 5, 5));
    }
    EXPECT_EQ(Couleurs(toile), QSet<QRgb>{qRgb(255, 0, 0)});
    EXPECT_TRUE(RendreImage(p, QImage::Format_RGB32).isNull());
}

TEST(Dessin, StretchedPictureHoldsOnlyItsOwnColours) {
    Appli();
    const auto d = fx::Ecu(5);
    TGIFPicture p;
    Charger(p, fx::EncoderGiflib(d));
    const QImage source = RendreImage(p, QImage::Format_RGB32);
    const QSet<QRgb> siennes = Couleurs(source);
    ASSERT_GT(siennes.size(), 10);
    const QRgb fond = qRgb(1, 254, 3); // no colour of the cube
    ASSERT_FALSE(siennes.contains(fond));
    for (QSize cible : {QSize(351, 452), QSize(66, 88)})
        for (qreal dpr : {1.0, 2.0}) {
            QImage ecran(cible * dpr, QImage::Format_RGB32);
            ecran.setDevicePixelRatio(dpr);
            ecran.fill(fond);
            {
                QPainter peintre(&ecran);
                // A caller's smoothing hint must not leak into the stretching.
                peintre.setRenderHint(QPainter::SmoothPixmapTransform, true);
                peintre.setRenderHint(QPainter::Antialiasing, true);
                PeindreEtire(peintre, QRect(QPoint(0, 0), cible), source);
                EXPECT_TRUE(peintre.testRenderHint(QPainter::SmoothPixmapTransform));
            }
            // Every device pixel is covered, with a colour the picture holds.
            int hors = 0;
            for (int y = 0; y < ecran.height(); ++y)
                for (int x = 0; x < ecran.width(); ++x)
                    hors += !siennes.contains(ecran.pixel(x, y) | 0xFF000000u);
            EXPECT_EQ(hors, 0) << cible.width() << "x" << cible.height() << " dpr " << dpr;
            // Corners come from the picture's corners.
            EXPECT_EQ(ecran.pixel(0, 0), source.pixel(0, 0));
            EXPECT_EQ(ecran.pixel(ecran.width() - 1, ecran.height() - 1),
                      source.pixel(source.width() - 1, source.height() - 1));
        }
}

TEST(Dessin, ColourKeyScalesWithThePicture) {
    Appli();
    // Index 1 is transparent: stretched 3x, its pixels leave the canvas as it was.
    const std::string flux = [] {
        fx::Dessin d;
        d.w = 4;
        d.h = 2;
        d.table = {0xFF0000, 0x00FF00, 0x0000FF, 0x000000};
        fx::Cadre c;
        c.w = 4;
        c.h = 2;
        c.pixels = {0, 1, 2, 3, 3, 2, 1, 0};
        d.cadres.push_back(c);
        std::string s = fx::EncoderGiflib(d);
        // A graphic control extension right before the image separator.
        const size_t i = s.find(',', 13 + 12);
        s.insert(i, std::string("\x21\xF9\x04\x01\x00\x00\x01\x00", 8));
        return s;
    }();
    TGIFPicture p;
    Charger(p, flux);
    ASSERT_TRUE(p.TransparentColor());
    QImage toile(12, 6, QImage::Format_RGB32);
    toile.fill(Qt::white);
    {
        QPainter peintre(&toile);
        p.Draw(peintre, QRect(0, 0, 12, 6));
    }
    const uint8_t px[8] = {0, 1, 2, 3, 3, 2, 1, 0};
    const QRgb couleurs[4] = {qRgb(255, 0, 0), qRgb(255, 255, 255), qRgb(0, 0, 255), qRgb(0, 0, 0)};
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(toile.pixel(x, y), couleurs[px[(y / 3) * 4 + x / 3]]) << x << "," << y;
}

// A bitmap handed back for reuse is drawn into only when nothing else holds it and
// it has the picture's size and format; the result is the fresh drawing either way.
TEST(Dessin, RendreEcuReusesAFreeBitmapOnly) {
    Appli();
    ChoisirJeuDeDonnees(QStringLiteral("fx_base"));
    const QString a = QStringLiteral("D0001"), b = QStringLiteral("D0004");
    const QImage attendu = RendreEcu(b, QImage::Format_RGB32);
    struct Cas {
        const char* nom;
        QImage::Format format;
        QSize taille; // empty: the size of D0001
        bool partage;
        bool reutilise;
    };
    const Cas cas[] = {
        {"free bitmap", QImage::Format_RGB32, {}, false, true},
        {"bitmap still shared", QImage::Format_RGB32, {}, true, false},
        {"other format", QImage::Format_RGB888, {}, false, false},
        {"other size", QImage::Format_RGB32, QSize(31, 38), false, false},
    };
    for (const Cas& c : cas) {
        QImage ancien = c.taille.isEmpty() ? RendreEcu(a, c.format) : QImage(c.taille, c.format);
        ancien.fill(Qt::green);
        const QImage garde = c.partage ? ancien : QImage();
        const QImage temoin = ancien.copy();
        const uchar* memoire = ancien.constBits();
        const QImage r = RendreEcu(b, QImage::Format_RGB32, std::move(ancien));
        EXPECT_EQ(r, attendu) << c.nom;
        EXPECT_EQ(r.constBits() == memoire, c.reutilise) << c.nom;
        if (c.partage) {
            EXPECT_EQ(garde, temoin) << c.nom;
        }
    }
    ChoisirJeuDeDonnees(QStringLiteral("armoriane"));
}

TEST(Dessin, RendreEcuFromTheResourceStore) {
    Appli();
    ChoisirJeuDeDonnees(QStringLiteral("fx_base"));
    for (const QString& nom : NomsRessources("GIF")) {
        TGIFPicture p;
        p.LoadFromResourceName(nullptr, nom, QStringLiteral("GIF"));
        const QImage r = RendreEcu(nom, QImage::Format_RGB32);
        EXPECT_EQ(r.size(), QSize(p.Width(), p.Height())) << nom.toStdString();
        EXPECT_EQ(r.format(), QImage::Format_RGB32);
        const QByteArrayView o = OuvrirRessource("GIF", nom);
        const auto ref = fx::DecoderGiflib(o.data(), size_t(o.size()));
        ASSERT_FALSE(ref.empty());
        EXPECT_EQ(std::vector<uint8_t>(p.Frames(0).Indices(),
                                       p.Frames(0).Indices() + ref[0].pixels.size()),
                  ref[0].pixels);
    }
    try {
        RendreEcu(QStringLiteral("D9999"), QImage::Format_RGB32);
        ADD_FAILURE() << "no error";
    } catch (const Erreur& e) {
        EXPECT_EQ(e.type(), TypeErreur::EResNotFound);
        EXPECT_EQ(e.message(), QString::fromUtf8("Ressource D9999 non trouvée"));
    }
    ChoisirJeuDeDonnees(QStringLiteral("armoriane"));
}

// ---------------------------------------------------------------------------------
// JPEG

namespace {

std::string EncoderJPEG(int w, int h, bool gris) {
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* sortie = nullptr;
    unsigned long taille = 0;
    jpeg_mem_dest(&c, &sortie, &taille);
    c.image_width = JDIMENSION(w);
    c.image_height = JDIMENSION(h);
    c.input_components = gris ? 1 : 3;
    c.in_color_space = gris ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<unsigned char> ligne(size_t(w * 3));
    while (c.next_scanline < c.image_height) {
        for (int x = 0; x < w; ++x) {
            const bool gauche = x < w / 2;
            ligne[size_t(x * c.input_components)] = gauche ? 200 : 30;
            if (!gris) {
                ligne[size_t(x * 3 + 1)] = 40;
                ligne[size_t(x * 3 + 2)] = gauche ? 20 : 220;
            }
        }
        JSAMPROW l = ligne.data();
        jpeg_write_scanlines(&c, &l, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::string s(reinterpret_cast<char*>(sortie), taille);
    std::free(sortie);
    return s;
}

QString MessageJPEG(const std::string& o) {
    try {
        DecoderJPEG(QByteArrayView(o.data(), qsizetype(o.size())));
    } catch (const Erreur& e) {
        EXPECT_EQ(e.type(), TypeErreur::EJPEG);
        return e.message();
    }
    return {};
}

} // namespace

TEST(JPEG, DecodesAtFullSizeInto24BitRGB) {
    for (bool gris : {false, true}) {
        const std::string o = EncoderJPEG(64, 40, gris);
        const QImage im = DecoderJPEG(QByteArrayView(o.data(), qsizetype(o.size())));
        ASSERT_EQ(im.size(), QSize(64, 40));
        EXPECT_EQ(im.format(), QImage::Format_RGB888);
        const QColor g = im.pixelColor(8, 20), d = im.pixelColor(56, 20);
        EXPECT_NEAR(g.red(), 200, 6);
        EXPECT_NEAR(d.red(), 30, 6);
        if (!gris) {
            EXPECT_NEAR(g.blue(), 20, 6);
            EXPECT_NEAR(d.blue(), 220, 6);
        } else {
            EXPECT_EQ(g.red(), g.blue());
        }
    }
}

TEST(JPEG, FailuresRaiseTheLibraryMessageCode) {
    const std::string bon = EncoderJPEG(32, 32, false);
    struct CasJ {
        const char* nom;
        std::string octets;
        int code;
    } cas[] = {
        {"empty", "", JERR_INPUT_EMPTY},
        {"not a JPEG", "GIF89a......", JERR_NO_SOI},
        {"cut inside the header", bon.substr(0, 30), 0},
    };
    for (const auto& c : cas) {
        const QString m = MessageJPEG(c.octets);
        ASSERT_TRUE(m.startsWith("Erreur JPEG #")) << c.nom << ": " << m.toStdString();
        if (c.code) {
            EXPECT_EQ(m, QStringLiteral("Erreur JPEG #%1").arg(c.code)) << c.nom;
        }
    }
    // Data cut in the middle of the scans is only a warning for libjpeg: the picture
    // comes out whole, its missing part filled in.
    const std::string grand = EncoderJPEG(256, 256, false);
    const std::string coupe = grand.substr(0, grand.size() * 9 / 10);
    const QImage im = DecoderJPEG(QByteArrayView(coupe.data(), qsizetype(coupe.size())));
    EXPECT_EQ(im.size(), QSize(256, 256));
}
