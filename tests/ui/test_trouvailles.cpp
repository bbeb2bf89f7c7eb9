// Faults the random-event run found in the window, each held by the smallest
// case that showed it.
#include "banc_ui.h"

using namespace banc_ui;

namespace {

class Trouvailles : public Fenetre {};

// A click of another button than the left one on a list item selected it in
// the list without running the list's click: the list and the views then
// showed different shields, and the next resize loaded the unclicked one.
TEST_F(Trouvailles, SeulLeBoutonGaucheChoisitDansLesListes) {
    struct Cas {
        const char* liste;
        int onglet;
        Qt::MouseButton bouton;
        bool double_;
    };
    const Cas cas[] = {
        {"PLUN_liste", armo::ONG_IMAGE, Qt::RightButton, false},
        {"PLUN_liste", armo::ONG_PLANCHE, Qt::MiddleButton, false},
        {"PLUN_liste", armo::ONG_IMAGE, Qt::RightButton, true},
        {"GL_liste", armo::ONG_GLOSSAIRE, Qt::RightButton, false},
        {"GL_liste", armo::ONG_GLOSSAIRE, Qt::MiddleButton, true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(::testing::Message()
                     << c.liste << " button " << c.bouton << " double " << c.double_);
        Creer(QStringLiteral("fx_base"));
        if (c.onglet != armo::ONG_GLOSSAIRE) Onglet(c.onglet);
        auto* l = W<armo::ListeBoite>(c.liste);
        const int avant = l->currentRow();
        const std::int64_t chargements = fp->Chargements();
        const QPoint p = l->visualItemRect(l->item(3)).center();
        const QPoint f = l->viewport()->mapTo(fp.get(), p);
        if (c.double_)
            QTest::mouseDClick(fp->windowHandle(), c.bouton, {}, f);
        else
            QTest::mouseClick(fp->windowHandle(), c.bouton, {}, f);
        QApplication::processEvents();
        EXPECT_EQ(l->currentRow(), avant);
        EXPECT_EQ(fp->Chargements(), chargements);
        // The next resize rebuilds the shield the list still shows.
        fp->resize(fp->width() + 40, fp->height());
        QApplication::processEvents();
        EXPECT_EQ(fp->etat().S, fp->PLUN_liste->currentRow());
        EXPECT_EQ(fp->etat().T, fp->GL_liste->currentRow());
        EXPECT_EQ(fp->etat().UN_Courant, 0);
        // The left button still selects.
        Clic(l->viewport(), p);
        EXPECT_EQ(l->currentRow(), 3);
        EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    }
}

} // namespace
