// The program as a user first sees it, on a real X11 screen (Xvfb): the
// start-up screenshot, kept in the build folder, checked by pixel for the red
// frame around the first GLOSSAIRE picture and for the dictionary's navigation bar.
#include "banc_ui.h"

#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>

using namespace banc_ui;

namespace {

QImage Capture() {
    QApplication::processEvents();
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

class Ecran : public Fenetre {};

TEST_F(Ecran, CapturesAuDemarrageEtDuDictionnaire) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    Creer(QStringLiteral("armoriane"));
    ASSERT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    QTest::qWait(300);
    const QImage demarrage = Capture();
    ASSERT_TRUE(demarrage.save(QStringLiteral(ECRAN_DEMARRAGE)));
    // The window's own caption, untouched by the application's title.
    EXPECT_EQ(
        fp->windowHandle()->title(),
        QString::fromUtf8("ARMORIANE - Bibliothèque d'écus - Glossaire imagé - Dictionnaire"));

    // The red one-pixel frame around imR1, and the panel's grey just outside.
    auto* imR1 = Image(fp->pong_Rch, QStringLiteral("imR1"));
    ASSERT_NE(imR1, nullptr);
    const QRect r(imR1->mapToGlobal(QPoint(0, 0)), imR1->size());
    const QRgb rouge = qRgb(255, 0, 0);
    const QPoint bords[] = {r.topLeft(),
                            r.topRight(),
                            r.bottomLeft(),
                            r.bottomRight(),
                            {r.center().x(), r.top()},
                            {r.center().x(), r.bottom()},
                            {r.left(), r.center().y()},
                            {r.right(), r.center().y()}};
    for (const QPoint& p : bords) EXPECT_EQ(demarrage.pixel(p), rouge) << p.x() << ", " << p.y();
    EXPECT_NE(demarrage.pixel(r.left() - 1, r.center().y()), rouge);
    EXPECT_NE(demarrage.pixel(r.left() + 1, r.center().y()), rouge);
    // The second picture has no frame.
    auto* imR2 = Image(fp->pong_Rch, QStringLiteral("imR2"));
    ASSERT_NE(imR2, nullptr);
    EXPECT_NE(demarrage.pixel(imR2->mapToGlobal(QPoint(0, imR2->height() / 2))), rouge);

    // The dictionary: the navigation bar in its light blue, with its letters.
    Onglet(armo::ONG_DICTIONNAIRE);
    QTest::qWait(300);
    const QImage dico = Capture();
    ASSERT_TRUE(dico.save(QStringLiteral(ECRAN_DICTIONNAIRE)));
    QTextDocument* doc = fp->wbAide->document();
    QRectF barre;
    for (QTextBlock b = doc->begin(); b.isValid() && barre.isNull(); b = b.next())
        if (b.text().startsWith(QStringLiteral("A B C D")))
            barre = doc->documentLayout()->blockBoundingRect(b);
    ASSERT_FALSE(barre.isNull());
    QWidget* vue = fp->wbAide->viewport();
    const QRect ecran(vue->mapToGlobal(barre.topLeft().toPoint()), barre.size().toSize());
    const QRgb bleuClair = qRgb(0xe5, 0xf1, 0xfa);
    int fond = 0, lettres = 0, total = 0;
    const int y = ecran.center().y();
    for (int x = ecran.left() + 2; x < ecran.right() - 2; ++x, ++total) {
        const QRgb c = dico.pixel(x, y);
        if (c == bleuClair) ++fond;
        if (qGray(c) < 160) ++lettres;
    }
    EXPECT_GT(fond, total * 6 / 10) << fond << " of " << total;
    EXPECT_GT(lettres, 0);
    // The bar runs over the view's width, light blue at both ends.
    EXPECT_EQ(dico.pixel(ecran.left() + 3, y), bleuClair);
    EXPECT_EQ(dico.pixel(ecran.right() - 3, y), bleuClair);
    EXPECT_GT(ecran.width(), vue->width() * 9 / 10);
}

} // namespace
