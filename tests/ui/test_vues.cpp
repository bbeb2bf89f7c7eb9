// The shield views driven by the mouse and keyboard: plate pictures, the
// frame, clicks through it, double clicks, previous and next on each tab,
// plate sizes (picked and typed), the tab table and resizing.
#include "banc_ui.h"

#include <QHelpEvent>
#include <QToolTip>

using namespace banc_ui;

namespace {

// The fixture set: five shields, seven terms.
const char* const NOMS[] = {"Aubert de Clairvaux", "Bénard", "Cordier du Mesnil",
                            "Quenet de Valbrune", "Roussel"};
QString Nom(int i) {
    return QString::fromUtf8(NOMS[i]);
}
constexpr int TERME_OR = 5; // references: shields 0, 2, 4

class Vues : public Fenetre {
protected:
    QString Conseil(QWidget* w, QPoint p) {
        QHelpEvent e(QEvent::ToolTip, p, w->mapToGlobal(p));
        QApplication::sendEvent(w, &e);
        const QString t = QToolTip::text();
        QToolTip::hideText();
        return t;
    }
};

TEST_F(Vues, GlossaireCliquerUneImageEtAToutTraversLeCadre) {
    Creer(QStringLiteral("fx_base"));
    ClicListe(fp->GL_liste, TERME_OR);
    EXPECT_EQ(fp->etat().T, TERME_OR);
    const auto images = Images(fp->pong_Rch);
    ASSERT_EQ(images.size(), 3);
    const int tags[] = {0 * 10000 + 0, 2 * 10000 + 1, 4 * 10000 + 2};
    const int ecus[] = {0, 2, 4};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(images[k]->objectName(), QStringLiteral("imR%1").arg(k + 1));
        EXPECT_EQ(images[k]->Tag(), tags[k]);
        EXPECT_EQ(images[k]->toolTip(), Nom(ecus[k]));
        EXPECT_FALSE(images[k]->Image().isNull());
        EXPECT_EQ(images[k]->Image().depth(), 32);
        EXPECT_TRUE(images[k]->isVisible());
    }
    EXPECT_EQ(CadreUnique(fp->pong_Rch), images[0]->geometry());
    EXPECT_EQ(fp->lbnom->text(), Nom(0));
    EXPECT_EQ(fp->Mem_blason->toPlainText(), QString::fromUtf8("D'azur à la bande d'or"));

    Clic(images[2]);
    EXPECT_EQ(CadreUnique(fp->pong_Rch), images[2]->geometry());
    EXPECT_EQ(fp->lbnom->text(), Nom(4));
    EXPECT_EQ(fp->Mem_blason->toPlainText(), QStringLiteral("D'or au chevron de gueules "));
    EXPECT_EQ(fp->PLUN_liste->currentRow(), 0); // the name list does not follow
    // The frame takes no mouse input: a click on its outline reaches the picture.
    const QPoint bord(0, images[2]->height() / 2);
    EXPECT_EQ(Sous(images[2], bord), images[2]);
    auto* ancien = Cadres(fp->pong_Rch).value(0);
    Clic(images[2], bord);
    ASSERT_EQ(Cadres(fp->pong_Rch).size(), 1);
    EXPECT_NE(Cadres(fp->pong_Rch)[0], ancien); // rebuilt, at the same place
    EXPECT_EQ(CadreUnique(fp->pong_Rch), images[2]->geometry());
    // Hovering, framed or not, shows the shield's name.
    EXPECT_EQ(Conseil(images[2], {5, 5}), Nom(4));
    EXPECT_EQ(Conseil(images[1], {5, 5}), Nom(2));
    EXPECT_EQ(Cadres(fp->pong_Rch)[0]->toolTip(), Nom(4));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Vues, GlossaireDoubleClicOuvreLImage) {
    Creer(QStringLiteral("fx_base"));
    ClicListe(fp->GL_liste, TERME_OR);
    auto* imR2 = Image(fp->pong_Rch, QStringLiteral("imR2"));
    DoubleClic(imR2);
    EXPECT_EQ(fp->Ong->PageActive(), armo::ONG_IMAGE);
    EXPECT_EQ(fp->etat().UN_Courant, 2);
    EXPECT_EQ(fp->PLUN_liste->currentRow(), 2);
    EXPECT_EQ(fp->lbnom->text(), Nom(2));
    EXPECT_TRUE(fp->GL_liste->isHidden());
    EXPECT_TRUE(fp->cb_Nim_MD->isHidden());
    EXPECT_TRUE(fp->cb_Nim_PL->isHidden());
    EXPECT_TRUE(fp->clic_sur_img->isHidden());
    // The tab was set by the program: the buttons keep the hints of GLOSSAIRE.
    EXPECT_EQ(fp->bt_prec->toolTip(), QStringLiteral("Planche précédente"));
    EXPECT_EQ(fp->Img->geometry(), QRect(209, 1, 351, 452));
}

// Counts the paint events every widget receives.
class Peintures : public QObject {
public:
    QHash<QObject*, int> n;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++n[o];
        return false;
    }
};

TEST_F(Vues, LeChargementDuGlossairePeintChaqueImageUneSeuleFois) {
    Creer(QStringLiteral("fx_base"));
    Peintures peintures;
    Appli().installEventFilter(&peintures);
    ClicListe(fp->GL_liste, TERME_OR);
    // Whatever the event loop still holds for the new plate has its turn.
    QTest::qWait(50);
    Appli().removeEventFilter(&peintures);
    const auto images = Images(fp->pong_Rch);
    ASSERT_EQ(images.size(), 3);
    for (auto* im : images) EXPECT_EQ(peintures.n.value(im), 1) << im->objectName().toStdString();
    EXPECT_EQ(peintures.n.value(Cadres(fp->pong_Rch).value(0)), 1);
    // Later changes are still painted by the event loop.
    peintures.n.clear();
    Appli().installEventFilter(&peintures);
    images[1]->update();
    QTest::qWait(50);
    Appli().removeEventFilter(&peintures);
    EXPECT_EQ(peintures.n.value(images[1]), 1);
}

TEST_F(Vues, PlancheClicDoubleClicEtImageVersPlanche) {
    Creer(QStringLiteral("fx_base"));
    Onglet(armo::ONG_PLANCHE);
    auto images = Images(fp->pong_Pla);
    ASSERT_EQ(images.size(), 5); // 28 per plate, 5 shields
    EXPECT_EQ(images[4]->objectName(), QStringLiteral("imP5"));
    EXPECT_EQ(images[4]->Tag(), 4);
    EXPECT_EQ(CadreUnique(fp->pong_Pla), images[0]->geometry());
    Clic(images[3]);
    EXPECT_EQ(CadreUnique(fp->pong_Pla), images[3]->geometry());
    EXPECT_EQ(fp->PLUN_liste->currentRow(), 3);
    EXPECT_EQ(fp->lbnom->text(), Nom(3));
    DoubleClic(images[1]);
    EXPECT_EQ(fp->Ong->PageActive(), armo::ONG_IMAGE);
    EXPECT_EQ(fp->etat().UN_Courant, 1);
    EXPECT_EQ(fp->lbnom->text(), Nom(1));
    EXPECT_TRUE(fp->cb_Nim_PL->isHidden());
    EXPECT_TRUE(fp->clic_sur_img->isHidden());
    // And back: the IMAGE picture's double click opens the PLANCHE tab.
    DoubleClic(fp->Img);
    EXPECT_EQ(fp->Ong->PageActive(), armo::ONG_PLANCHE);
    EXPECT_FALSE(fp->cb_Nim_PL->isHidden());
    EXPECT_FALSE(fp->clic_sur_img->isHidden());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Vues, PrecedentSuivantSurChaqueOnglet) {
    Creer(QStringLiteral("fx_base"));
    // IMAGE: one shield at a time, clamped at both ends.
    Onglet(armo::ONG_IMAGE);
    EXPECT_EQ(fp->bt_prec->toolTip(), QString::fromUtf8("Ecu précédent"));
    EXPECT_EQ(fp->bt_suiv->toolTip(), QStringLiteral("Ecu suivant"));
    Clic(fp->bt_prec);
    EXPECT_EQ(fp->etat().UN_Courant, 0);
    for (int i = 1; i <= 5; ++i) {
        Clic(fp->bt_suiv);
        EXPECT_EQ(fp->etat().UN_Courant, qMin(i, 4));
        EXPECT_EQ(fp->PLUN_liste->currentRow(), qMin(i, 4));
        EXPECT_EQ(fp->lbnom->text(), Nom(qMin(i, 4)));
    }
    // PLANCHE with 6 per plate: 0, then 4 (the last shield alone), and back.
    Onglet(armo::ONG_PLANCHE);
    EXPECT_EQ(fp->bt_prec->toolTip(), QString::fromUtf8("Planche précédente"));
    ChoisirCombo(fp->cb_Nim_PL, 0);
    EXPECT_EQ(fp->etat().PL_Rangs, 2);
    ClicListe(fp->PLUN_liste, 0);
    EXPECT_EQ(fp->etat().PL_Debut, 0);
    Clic(fp->bt_suiv);
    EXPECT_EQ(fp->etat().PL_Debut, 4);
    ASSERT_EQ(Images(fp->pong_Pla).size(), 1);
    EXPECT_EQ(Images(fp->pong_Pla)[0]->Tag(), 4);
    Clic(fp->bt_suiv);
    EXPECT_EQ(fp->etat().PL_Debut, 4);
    Clic(fp->bt_prec);
    EXPECT_EQ(fp->etat().PL_Debut, 0);
    EXPECT_EQ(Images(fp->pong_Pla).size(), 5);
    // GLOSSAIRE: three references fit one plate of 6; next does not move.
    Onglet(armo::ONG_GLOSSAIRE);
    ClicListe(fp->GL_liste, TERME_OR);
    ChoisirCombo(fp->cb_Nim_MD, 0);
    auto* imR1 = Image(fp->pong_Rch, QStringLiteral("imR1"));
    Clic(fp->bt_suiv);
    EXPECT_EQ(fp->etat().GL_Debut, 0);
    EXPECT_EQ(Image(fp->pong_Rch, QStringLiteral("imR1")), imR1); // nothing rebuilt
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Vues, TaillesDePlancheChoisiesEtTapees) {
    Creer(QStringLiteral("fx_base"));
    Onglet(armo::ONG_PLANCHE);
    ChoisirCombo(fp->cb_Nim_PL, 0);
    EXPECT_EQ(fp->etat().PL_Rangs, 2);
    auto images = Images(fp->pong_Pla);
    ASSERT_EQ(images.size(), 5);
    // Three columns: the fourth picture starts the second row.
    EXPECT_EQ(images[3]->x(), images[0]->x());
    EXPECT_GT(images[3]->y(), images[0]->y());
    // Typed text that names no entry: one row, one picture per plate.
    fp->cb_Nim_PL->setFocus();
    fp->cb_Nim_PL->lineEdit()->selectAll();
    QTest::keyClicks(fp->cb_Nim_PL->lineEdit(), QStringLiteral("9"));
    EXPECT_EQ(fp->cb_Nim_PL->Entree(), -1);
    EXPECT_EQ(fp->etat().PL_Rangs, 1);
    EXPECT_EQ(Images(fp->pong_Pla).size(), 1);
    EXPECT_EQ(fp->cb_Nim_PL->currentText(), QStringLiteral("9"));
    // Typing an entry's text whole chooses it.
    fp->cb_Nim_PL->lineEdit()->selectAll();
    QTest::keyClicks(fp->cb_Nim_PL->lineEdit(), QStringLiteral("15 images"));
    EXPECT_EQ(fp->cb_Nim_PL->Entree(), 1);
    EXPECT_EQ(fp->etat().PL_Rangs, 3);
    // GLOSSAIRE likewise, on its own combo.
    Onglet(armo::ONG_GLOSSAIRE);
    ClicListe(fp->GL_liste, TERME_OR);
    ChoisirCombo(fp->cb_Nim_MD, 3);
    EXPECT_EQ(fp->etat().GL_Rangs, 5);
    EXPECT_EQ(fp->cb_Nim_MD->currentText(), QStringLiteral("45 images"));
    EXPECT_EQ(Images(fp->pong_Rch).size(), 3);
    EXPECT_TRUE(messages.isEmpty());
}

// Per tab: the visible flags and hints OngChange leaves, and the view it rebuilds.
TEST_F(Vues, TableDesOnglets) {
    Creer(QStringLiteral("fx_base"));
    const struct {
        int onglet;
        bool gaucBas, glListe, cbPL, cbMD, clic;
        const char* prec;
    } cas[] = {
        {armo::ONG_IMAGE, true, false, false, false, false, "Ecu précédent"},
        {armo::ONG_DICTIONNAIRE, false, false, false, false, false, "Ecu précédent"},
        {armo::ONG_PLANCHE, true, false, true, false, true, "Planche précédente"},
        {armo::ONG_DICTIONNAIRE, false, false, true, false, true, "Planche précédente"},
        {armo::ONG_GLOSSAIRE, true, true, false, true, true, "Planche précédente"},
        {armo::ONG_IMAGE, true, false, false, false, false, "Ecu précédent"},
        {armo::ONG_GLOSSAIRE, true, true, false, true, true, "Planche précédente"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.onglet);
        QWidget* avant[3] = {Image(fp->pong_Rch, "imR1"), Image(fp->pong_Pla, "imP1"), nullptr};
        const qint64 imgAvant = fp->Img->Image().cacheKey();
        Onglet(c.onglet);
        EXPECT_EQ(fp->Ong->PageActive(), c.onglet);
        EXPECT_EQ(Visible("pn_GaucBas"), c.gaucBas);
        EXPECT_EQ(Visible("lbnom"), c.gaucBas);
        EXPECT_EQ(Visible("Mem_blason"), c.gaucBas);
        EXPECT_EQ(Visible("GL_liste"), c.glListe);
        EXPECT_EQ(Visible("cb_Nim_PL"), c.cbPL);
        EXPECT_EQ(Visible("cb_Nim_MD"), c.cbMD);
        EXPECT_EQ(Visible("clic_sur_img"), c.clic);
        EXPECT_TRUE(Visible("PLUN_liste"));
        EXPECT_EQ(fp->bt_prec->toolTip(), QString::fromUtf8(c.prec));
        const bool rch = Image(fp->pong_Rch, "imR1") != avant[0];
        const bool pla = Image(fp->pong_Pla, "imP1") != avant[1];
        const bool img = fp->Img->Image().cacheKey() != imgAvant;
        EXPECT_EQ(rch, c.onglet == armo::ONG_GLOSSAIRE);
        EXPECT_EQ(pla, c.onglet == armo::ONG_PLANCHE);
        EXPECT_EQ(img, c.onglet == armo::ONG_IMAGE);
        // The left column shows the logo over the gradient, the header its gradients.
        if (c.onglet == armo::ONG_DICTIONNAIRE) {
            EXPECT_TRUE(fp->Image5->isVisible());
            EXPECT_FALSE(fp->pn_GaucBas->isVisible());
            EXPECT_FALSE(fp->Mem_blason->isVisible());
        }
    }
    // The tab already active calls nothing.
    auto* imR1 = Image(fp->pong_Rch, "imR1");
    Onglet(armo::ONG_GLOSSAIRE);
    EXPECT_EQ(Image(fp->pong_Rch, "imR1"), imR1);
    // The keyboard moves between tabs too.
    fp->Ong->setFocus();
    QTest::keyClick(fp->Ong, Qt::Key_Left);
    EXPECT_EQ(fp->Ong->PageActive(), armo::ONG_PLANCHE);
    EXPECT_FALSE(fp->cb_Nim_PL->isHidden());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Vues, RedimensionnerReconstruitSeulementLaVueActive) {
    Creer(QStringLiteral("fx_base"));
    Onglet(armo::ONG_PLANCHE);
    const QRect avant = Image(fp->pong_Pla, "imP1")->geometry();
    auto* imR1 = Image(fp->pong_Rch, "imR1");
    fp->resize(1300, 760);
    QApplication::processEvents();
    auto* imP1 = Image(fp->pong_Pla, "imP1");
    ASSERT_NE(imP1, nullptr);
    EXPECT_NE(imP1->geometry(), avant);
    EXPECT_EQ(CadreUnique(fp->pong_Pla), imP1->geometry());
    EXPECT_EQ(Image(fp->pong_Rch, "imR1"), imR1);
    // On DICTIONNAIRE nothing is rebuilt; the next tab is, at the new size.
    Onglet(armo::ONG_DICTIONNAIRE);
    imP1 = Image(fp->pong_Pla, "imP1");
    fp->resize(1100, 700);
    QApplication::processEvents();
    EXPECT_EQ(Image(fp->pong_Pla, "imP1"), imP1);
    Onglet(armo::ONG_IMAGE);
    const armo::TailleUN t = armo::UN_DefinirTaille(fp->pong_Img->width(), fp->pong_Img->height());
    EXPECT_EQ(fp->Img->geometry(), QRect(t.gauche, 1, t.largeur, t.hauteur));
}

TEST_F(Vues, UneImageQuiManqueArreteLaPlancheACetteEtape) {
    // The fixture set without D0003: term 0 refers to shield 2 only, term "Or"
    // to shields 0, 2 and 4.
    Creer(QStringLiteral("fx_ui_sans_d0003"));
    // Start-up's PLANCHE load stops at its third picture, which skips the rest
    // of the creation handler; the first resize fails on the first GLOSSAIRE
    // picture, which is left without a frame.
    const QString manque = QString::fromUtf8("Ressource D0003 non trouvée.");
    EXPECT_EQ(messages, QStringList({manque, manque}));
    EXPECT_EQ(Images(fp->pong_Pla).size(), 3);
    EXPECT_EQ(CadreUnique(fp->pong_Pla), Image(fp->pong_Pla, "imP1")->geometry());
    EXPECT_EQ(fp->MemoW->Texte(), QStringLiteral("MemoW"));
    EXPECT_EQ(Images(fp->pong_Rch).size(), 1);
    EXPECT_TRUE(Cadres(fp->pong_Rch).isEmpty());
    messages.clear();
    ClicListe(fp->GL_liste, TERME_OR);
    EXPECT_EQ(messages, QStringList(QString::fromUtf8("Ressource D0003 non trouvée.")));
    const auto images = Images(fp->pong_Rch);
    ASSERT_EQ(images.size(), 2); // imR1 finished, imR2 made and failed; no imR3
    EXPECT_EQ(images[0]->objectName(), QStringLiteral("imR1"));
    EXPECT_FALSE(images[0]->Image().isNull());
    EXPECT_EQ(images[1]->objectName(), QStringLiteral("imR2"));
    EXPECT_EQ(CadreUnique(fp->pong_Rch), images[0]->geometry());
    EXPECT_EQ(fp->lbnom->text(), Nom(0));
    // The loop goes on: another term builds its plate.
    messages.clear();
    ClicListe(fp->GL_liste, 1); // "Bande": shield 0
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(Images(fp->pong_Rch).size(), 1);
}

} // namespace
