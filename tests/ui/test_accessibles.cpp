// What assistive tools announce: every control the user can see or use on any
// tab carries a name, the controls of the window keep their own names, and no
// two controls of one parent share a name.
#include "banc_ui.h"

#include <QAccessible>
#include <QScrollBar>
#include <QSet>

using namespace banc_ui;

namespace {

// The controls of the window as it is created, by their names.
const char* const CONTROLES[] = {
    "MemoW",     "pn_DroitTotal", "pnSepar",      "Image2",       "pn_DroitExt", "Ong",
    "ong_Img",   "pong_Img",      "Img",          "ong_Pla",      "pong_Pla",    "ong_Rch",
    "pong_Rch",  "VELORINE",      "wbAide",       "pn_DroitHaut", "Image6",      "pnNom",
    "Image3",    "lbnom",         "Mem_blason",   "pn_GAU",       "Image5",      "pn_GaucBas",
    "pn_Bouts",  "Image1",        "clic_sur_img", "bt_prec",      "bt_suiv",     "cb_Nim_PL",
    "cb_Nim_MD", "PLUN_liste",    "GL_liste",     "pn_GaucHaut",  "Image4",
};

// The viewport and scroll-bar holders of a scroll area are presented as the
// area itself, not as objects of their own.
bool PartieDeZone(const QWidget* w) {
    return w->objectName().startsWith(QLatin1String("qt_scrollarea_"));
}

QString Chemin(const QWidget* w) {
    QStringList noms;
    for (; w; w = w->parentWidget())
        noms.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                               : w->objectName());
    return noms.join(u'/');
}

QString NomAnnonce(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

class Accessibles : public Fenetre {
protected:
    // Every shown control has a name; siblings never share one.
    void VerifierVisibles(const char* etape) {
        SCOPED_TRACE(etape);
        QHash<QWidget*, QSet<QString>> parFamille;
        int vus = 0;
        for (QWidget* w : fp->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->window() != fp.get() || PartieDeZone(w)) continue;
            ++vus;
            const QString nom = NomAnnonce(w);
            EXPECT_FALSE(nom.trimmed().isEmpty()) << Chemin(w).toStdString();
            QSet<QString>& freres = parFamille[w->parentWidget()];
            EXPECT_FALSE(freres.contains(nom))
                << Chemin(w).toStdString() << " shares its name " << nom.toStdString();
            freres.insert(nom);
        }
        EXPECT_GT(vus, 15);
    }
};

TEST_F(Accessibles, ChaqueControleVisibleEstNommeSurChaqueOnglet) {
    Creer(QStringLiteral("armoriane"));
    VerifierVisibles("GLOSSAIRE at start-up");
    Clic(Image(fp->pong_Rch, QStringLiteral("imR2")));
    VerifierVisibles("GLOSSAIRE, second picture framed");
    Onglet(armo::ONG_PLANCHE);
    VerifierVisibles("PLANCHE");
    Onglet(armo::ONG_IMAGE);
    VerifierVisibles("IMAGE");
    Onglet(armo::ONG_DICTIONNAIRE);
    VerifierVisibles("DICTIONNAIRE");
    // A typed plate size makes one-picture plates: still named.
    Onglet(armo::ONG_GLOSSAIRE);
    Clic(fp->cb_Nim_MD->lineEdit());
    QTest::keyClick(fp->windowHandle(), 'x');
    QApplication::processEvents();
    ASSERT_EQ(Images(fp->pong_Rch).size(), 1);
    VerifierVisibles("GLOSSAIRE, typed size");
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
}

TEST_F(Accessibles, LesControlesPortentLeurNomUniqueDansLaFenetre) {
    Creer(QStringLiteral("armoriane"));
    QHash<QString, QWidget*> vus;
    for (QWidget* w : fp->findChildren<QWidget*>()) {
        if (w->accessibleName().isEmpty()) continue;
        // One selection frame per plate, named alike on both.
        if (qobject_cast<armo::CadreSelection*>(w)) continue;
        EXPECT_FALSE(vus.contains(w->accessibleName()))
            << Chemin(w).toStdString() << " and "
            << Chemin(vus.value(w->accessibleName())).toStdString();
        vus.insert(w->accessibleName(), w);
    }
    for (const char* nom : CONTROLES) {
        SCOPED_TRACE(nom);
        QWidget* w = W(nom);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->accessibleName(), QLatin1String(nom));
    }
    // The parts a user reaches inside a control are named after it.
    EXPECT_EQ(fp->Mem_blason->verticalScrollBar()->accessibleName(),
              QStringLiteral("Mem_blason défilement vertical"));
    EXPECT_EQ(fp->cb_Nim_MD->lineEdit()->accessibleName(), QStringLiteral("cb_Nim_MD saisie"));
    EXPECT_EQ(fp->Ong->Onglet(armo::ONG_DICTIONNAIRE)->accessibleName(),
              QStringLiteral("DICTIONNAIRE"));
    EXPECT_EQ(NomAnnonce(Image(fp->pong_Pla, QStringLiteral("imP1"))), QStringLiteral("imP1"));
    EXPECT_EQ(NomAnnonce(fp.get()), QString::fromUtf8(armo::CAPTION_FP));
}

} // namespace
