// Start-up: the state the window opens in, the resize path held back until the
// creation handler is done, and the data sets that lack one resource.
#include "banc_ui.h"

using namespace banc_ui;

namespace {

class Demarrage : public Fenetre {};

TEST_F(Demarrage, EtatApresLeDemarrage) {
    Creer(QStringLiteral("fx_base"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    const armo::EtatNavigation& e = fp->etat();
    EXPECT_EQ(fp->PLUN_liste->count(), 5);
    EXPECT_EQ(fp->PLUN_liste->item(1)->text(), QString::fromUtf8("Bénard"));
    EXPECT_EQ(fp->GL_liste->count(), 7);
    EXPECT_EQ(fp->GL_liste->item(0)->text(), QString::fromUtf8("Armé"));
    EXPECT_EQ(fp->PLUN_liste->currentRow(), 0);
    EXPECT_EQ(fp->GL_liste->currentRow(), 0);
    EXPECT_EQ(e.UN_Courant, 0);
    EXPECT_EQ(e.PL_Debut, 0);
    EXPECT_EQ(e.PL_Rangs, 4);
    EXPECT_EQ(e.GL_Debut, 0);
    EXPECT_EQ(e.GL_Rangs, 4);
    EXPECT_EQ(e.GL_NbRefs, 1);
    for (auto* c : {fp->cb_Nim_MD, fp->cb_Nim_PL}) {
        EXPECT_EQ(c->currentIndex(), 2);
        EXPECT_EQ(c->currentText(), QStringLiteral("28 images"));
    }
    EXPECT_EQ(fp->Ong->PageActive(), armo::ONG_GLOSSAIRE);
    EXPECT_TRUE(fp->ong_Rch->isVisible());
    // IMAGE: shield 0 at the panel size of creation.
    EXPECT_FALSE(fp->Img->Image().isNull());
    EXPECT_EQ(fp->Img->geometry(), QRect(209, 1, 351, 452));
    // PLANCHE: shields 0 to 4, the first framed.
    const auto pla = Images(fp->pong_Pla);
    ASSERT_EQ(pla.size(), 5);
    EXPECT_EQ(CadreUnique(fp->pong_Pla), pla[0]->geometry());
    // GLOSSAIRE, built by the first resize: term 0 refers to shield 2 alone.
    const auto rch = Images(fp->pong_Rch);
    ASSERT_EQ(rch.size(), 1);
    EXPECT_EQ(rch[0]->Tag(), 20000);
    EXPECT_EQ(CadreUnique(fp->pong_Rch), rch[0]->geometry());
    // The header shows the first shield of the first term, not the term.
    EXPECT_EQ(fp->lbnom->text(), QStringLiteral("Cordier du Mesnil"));
    EXPECT_EQ(fp->Mem_blason->toPlainText(),
              QString::fromUtf8("D'or au lion de sable, armé et lampassé de gueules"));
    EXPECT_EQ(fp->MemoW->Texte(), armo::ChargerListe(QStringLiteral("gloss_a"))[0]);
    EXPECT_EQ(fp->bt_prec->toolTip(), QString::fromUtf8("Planche précédente"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Demarrage, LeRedimensionnementNAtteintAucuneVueAvantLaFinDuDemarrage) {
    Appli();
    armo::ChoisirJeuDeDonnees(QStringLiteral("fx_base"));
    fp = std::make_unique<armo::TFP>(); // no creation handler: the lists do not exist
    Montrer();
    fp->resize(1200, 700);
    QApplication::processEvents();
    EXPECT_TRUE(Images(fp->pong_Rch).isEmpty());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(fp->Ong->size(), QSize(778 + 166, 484 + 139)); // the layout itself follows
}

TEST_F(Demarrage, AvecLesDonneesDuProgramme) {
    if (armo::NomsRessources("GIF").size() < 600) GTEST_SKIP() << "data set not embedded";
    Creer(QStringLiteral("armoriane"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    EXPECT_EQ(fp->PLUN_liste->count(), 600);
    EXPECT_EQ(fp->GL_liste->count(), fp->catalogue().ls_Termes.Count());
    EXPECT_GT(fp->GL_liste->count(), 0);
    EXPECT_EQ(Images(fp->pong_Pla).size(), 28);
    const int refs = fp->catalogue().NbRefs(0);
    EXPECT_EQ(Images(fp->pong_Rch).size(), qMin(refs, 28));
    EXPECT_EQ(CadreUnique(fp->pong_Rch), Image(fp->pong_Rch, "imR1")->geometry());
    EXPECT_EQ(fp->lbnom->text(), fp->catalogue().ls_Noms[fp->catalogue().RefEcu(0, 0)]);
    EXPECT_TRUE(fp->MemoW->Texte().startsWith(QStringLiteral("<html")));
    // Every decorative picture and glyph of the description is there.
    for (auto* im : {fp->Image1, fp->Image2, fp->Image3, fp->Image4, fp->Image5, fp->Image6})
        EXPECT_FALSE(im->Image().isNull()) << im->objectName().toStdString();
    EXPECT_EQ(fp->Image2->Image().size(), QSize(160, 486));
    EXPECT_EQ(fp->Image3->Image().size(), QSize(300, 300));
    EXPECT_EQ(fp->Image1->Image().size(), QSize(200, 60));
    EXPECT_EQ(fp->Image4->Image().size(), QSize(240, 71));
    ASSERT_EQ(fp->NIcon.size(), 2);
    EXPECT_EQ(fp->NIcon[0].size(), QSize(21, 21));
    EXPECT_EQ(qAlpha(fp->NIcon[0].pixel(0, 0)), 0); // magenta made transparent
    EXPECT_FALSE(fp->windowIcon().isNull());
}

// The four data sets that lack one resource: the error boxes, in order, and
// what the window is left with.
TEST_F(Demarrage, DonneesIncompletes) {
    const struct {
        const char* jeu;
        QStringList messages;
        int noms, termes, imagesPla, imagesRch;
        bool memoW; // MemoW still holds its initial text
        const char* lbnom;
    } cas[] = {
        {"fx_sans_corres",
         {QString::fromUtf8("Ressource D0000 non trouvée."),
          QStringLiteral("Index de liste hors limites (2)")},
         0,
         7,
         0,
         1,
         true,
         ""},
        {"fx_sans_ecus",
         {QStringLiteral("Index de liste hors limites (0)"),
          QStringLiteral("Index de liste hors limites (2)")},
         5,
         7,
         0,
         1,
         true,
         "Cordier du Mesnil"},
        {"fx_sans_indfini",
         {QStringLiteral("Index de liste hors limites (-1)")},
         5,
         0,
         5,
         0,
         false,
         "Aubert de Clairvaux"},
        {"fx_sans_gloss_a", {}, 5, 7, 5, 1, true, "Cordier du Mesnil"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.jeu);
        messages.clear();
        Creer(QLatin1String(c.jeu));
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(fp->PLUN_liste->count(), c.noms);
        EXPECT_EQ(fp->GL_liste->count(), c.termes);
        EXPECT_EQ(Images(fp->pong_Pla).size(), c.imagesPla);
        EXPECT_EQ(Images(fp->pong_Rch).size(), c.imagesRch);
        EXPECT_EQ(fp->MemoW->Texte() == QStringLiteral("MemoW"), c.memoW);
        EXPECT_EQ(fp->lbnom->text(), QString::fromUtf8(c.lbnom));
        // The window opens all the same, on the GLOSSAIRE tab, without an hourglass.
        EXPECT_TRUE(fp->isVisible());
        EXPECT_EQ(fp->Ong->PageActive(), armo::ONG_GLOSSAIRE);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        fp.reset();
    }
}

} // namespace
