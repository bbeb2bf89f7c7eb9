// The installed icons: each of its size, and the data set's 32 x 32 icon
// enlarged without a single blended colour; at whole multiples every pixel of
// the small icon became a square block of its colour.
#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QImage Source() {
    return QImage(QStringLiteral(ICONE_SOURCE)).convertToFormat(QImage::Format_RGB32);
}

QImage Installee(int taille) {
    return QImage(QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/%3.png")
                      .arg(QStringLiteral(PREFIXE), QString::number(taille),
                           QStringLiteral(ID_BUREAU)))
        .convertToFormat(QImage::Format_RGB32);
}

QList<int> Tailles() {
    QList<int> tailles;
    for (const QString& t : QStringLiteral(TAILLES_ICONE).split(u',')) tailles.append(t.toInt());
    return tailles;
}

TEST(Icones, ChaqueTailleASesDimensions) {
    for (int taille : Tailles()) {
        SCOPED_TRACE(taille);
        const QImage image = Installee(taille);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), taille);
        EXPECT_EQ(image.height(), taille);
    }
}

TEST(Icones, AgrandiesSansLissage) {
    const QImage source = Source();
    ASSERT_EQ(source.size(), QSize(32, 32));
    QSet<QRgb> couleurs;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) couleurs.insert(source.pixel(x, y));
    for (int taille : Tailles()) {
        SCOPED_TRACE(taille);
        const QImage image = Installee(taille);
        ASSERT_EQ(image.width(), taille);
        int etrangers = 0;
        int hors_bloc = 0;
        const int facteur = taille % 32 == 0 ? taille / 32 : 0;
        for (int y = 0; y < taille; ++y)
            for (int x = 0; x < taille; ++x) {
                const QRgb p = image.pixel(x, y);
                if (!couleurs.contains(p)) ++etrangers;
                if (facteur && p != source.pixel(x / facteur, y / facteur)) ++hors_bloc;
            }
        EXPECT_EQ(etrangers, 0) << "pixels of a colour the small icon lacks";
        EXPECT_EQ(hors_bloc, 0) << "pixels unlike the small icon's pixel they enlarge";
    }
}

} // namespace
