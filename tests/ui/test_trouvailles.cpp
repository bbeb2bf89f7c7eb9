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

// Typing an entry's text into a plate-size combo and then clicking a plate
// picture: the field lost the focus to the click, the combo chose the typed
// entry and reported it again, and the rebuilt plate freed the picture the
// click was being delivered to. The typing alone makes the change.
TEST_F(Trouvailles, LeFocusQuitteLeComboSansReconstruireLaPlanche) {
    Creer(QStringLiteral("fx_base"));
    Onglet(armo::ONG_PLANCHE);
    Clic(fp->cb_Nim_PL->lineEdit());
    QTest::keyClick(fp->windowHandle(), Qt::Key_A, Qt::ControlModifier);
    for (char c : std::string("  6 images")) QTest::keyClick(fp->windowHandle(), c);
    QApplication::processEvents();
    ASSERT_EQ(fp->etat().PL_Rangs, 2);
    ASSERT_EQ(Images(fp->pong_Pla).size(), 5);
    // Enter ends the editing too, and changes nothing more.
    std::int64_t chargements = fp->Chargements();
    QTest::keyClick(fp->windowHandle(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(fp->Chargements(), chargements);
    // The click that takes the focus away selects the picture clicked.
    armo::ImageArmo* im = Image(fp->pong_Pla, QStringLiteral("imP3"));
    ASSERT_NE(im, nullptr);
    const QRect ou = im->geometry();
    Clic(im);
    EXPECT_EQ(fp->Chargements(), chargements);
    EXPECT_EQ(CadreUnique(fp->pong_Pla), ou);
    EXPECT_EQ(fp->etat().S, 2);
    EXPECT_EQ(fp->cb_Nim_PL->Entree(), 0);
    // Picking an entry from the list still rebuilds the plate.
    ChoisirCombo(fp->cb_Nim_PL, 1);
    EXPECT_EQ(fp->etat().PL_Rangs, 3);
    EXPECT_GT(fp->Chargements(), chargements);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
}

} // namespace
