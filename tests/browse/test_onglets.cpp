// Tab switching and resizing: the flags, hints and loads of each tab.
#include "banc.h"

#include <gtest/gtest.h>

#include <vector>

using namespace armo;
using banc::Banc;

namespace {

using V = EtatNavigation::Visibles;
using L = std::vector<Chargement>;

L Charges(const EnregistreurVues& v) {
    return L(v.chargements.begin(), v.chargements.end());
}

const QString PP = QStringLiteral("Planche précédente");
const QString PS = QStringLiteral("Planche suivante");
const QString EP = QStringLiteral("Ecu précédent");
const QString ES = QStringLiteral("Ecu suivant");

struct Colonne {
    int p;
    // pn_GaucBas, lbnom, Mem_blason, GL_liste, cb_Nim_PL, cb_Nim_MD, clic_sur_img
    V visibles;
    QString prec, suiv;
    L charges;
};

const Colonne COLONNES[] = {
    {ONG_IMAGE,
     {true, true, true, false, false, false, false},
     EP,
     ES,
     {Chargement::UN_ChargerImage}},
    {ONG_PLANCHE,
     {true, true, true, false, true, false, true},
     PP,
     PS,
     {Chargement::PL_ChargerImage}},
    {ONG_GLOSSAIRE,
     {true, true, true, true, false, true, true},
     PP,
     PS,
     {Chargement::GL_ChargerImage}},
};

void VerifierColonne(const Banc& b, const Colonne& c) {
    const V& v = b.etat.visibles;
    EXPECT_EQ(v.pn_GaucBas, c.visibles.pn_GaucBas);
    EXPECT_EQ(v.lbnom, c.visibles.lbnom);
    EXPECT_EQ(v.Mem_blason, c.visibles.Mem_blason);
    EXPECT_EQ(v.GL_liste, c.visibles.GL_liste);
    EXPECT_EQ(v.cb_Nim_PL, c.visibles.cb_Nim_PL);
    EXPECT_EQ(v.cb_Nim_MD, c.visibles.cb_Nim_MD);
    EXPECT_EQ(v.clic_sur_img, c.visibles.clic_sur_img);
    EXPECT_EQ(b.etat.Conseil_bt_prec, c.prec);
    EXPECT_EQ(b.etat.Conseil_bt_suiv, c.suiv);
}

} // namespace

// The window starts with the GLOSSAIRE column's settings.
TEST(Onglets, ReglagesALaCreation) {
    Banc b(false);
    VerifierColonne(b, COLONNES[ONG_GLOSSAIRE]);
    EXPECT_EQ(b.etat.Onglet, ONG_GLOSSAIRE);
}

TEST(Onglets, ChaqueOngletDepuisChaqueAutre) {
    for (const Colonne& cible : COLONNES) {
        for (int depart = ONG_IMAGE; depart <= ONG_DICTIONNAIRE; ++depart) {
            if (depart == cible.p) continue;
            SCOPED_TRACE(testing::Message() << depart << " -> " << cible.p);
            Banc b;
            b.Onglet(depart);
            b.vues.Effacer();
            b.Onglet(cible.p);
            EXPECT_EQ(b.etat.Onglet, cible.p);
            VerifierColonne(b, cible);
            EXPECT_EQ(Charges(b.vues), cible.charges);
        }
    }
}

// DICTIONNAIRE hides the left column and the header and leaves the rest as the
// tab before it had it; nothing is rebuilt.
TEST(Onglets, DictionnaireEtRetour) {
    for (const Colonne& avant : COLONNES) {
        SCOPED_TRACE(avant.p);
        Banc b;
        b.Onglet(avant.p == ONG_GLOSSAIRE ? ONG_IMAGE : ONG_GLOSSAIRE);
        b.Onglet(avant.p);
        b.vues.Effacer();
        b.Onglet(ONG_DICTIONNAIRE);
        Colonne dico = avant;
        dico.visibles.pn_GaucBas = dico.visibles.lbnom = dico.visibles.Mem_blason = false;
        VerifierColonne(b, dico);
        EXPECT_TRUE(b.vues.chargements.isEmpty());
        // A resize there rebuilds nothing either.
        b.Taille(900, 600);
        EXPECT_TRUE(b.vues.chargements.isEmpty());
        for (const Colonne& apres : COLONNES) {
            Banc r;
            r.Onglet(avant.p == ONG_GLOSSAIRE ? ONG_IMAGE : ONG_GLOSSAIRE);
            r.Onglet(avant.p);
            r.Onglet(ONG_DICTIONNAIRE);
            r.Taille(900, 600);
            r.vues.Effacer();
            r.Onglet(apres.p);
            SCOPED_TRACE(apres.p);
            VerifierColonne(r, apres);
            EXPECT_EQ(Charges(r.vues), apres.charges);
            // The view comes back at the new size.
            if (apres.p == ONG_IMAGE)
                EXPECT_EQ(r.vues.img.bornes, (Dime{217, 1, 465, 598}));
            else
                EXPECT_EQ(r.etat.grilles.PanneauL, 900);
        }
    }
}

// A resize rebuilds the active tab's view only, and touches no flag or hint.
TEST(Onglets, RedimensionnementReconstruitLOngletActif) {
    for (const Colonne& c : COLONNES) {
        SCOPED_TRACE(c.p);
        Banc b;
        b.Onglet(c.p == ONG_GLOSSAIRE ? ONG_IMAGE : ONG_GLOSSAIRE);
        b.Onglet(c.p);
        // Flags as no tab would set them, to see that the resize keeps them.
        b.etat.visibles = {true, false, true, false, true, true, false};
        b.etat.Conseil_bt_prec = QStringLiteral("x");
        const V avant = b.etat.visibles;
        b.vues.Effacer();
        b.Taille(770, 1000);
        EXPECT_EQ(Charges(b.vues), c.charges);
        EXPECT_EQ(b.etat.visibles, avant);
        EXPECT_EQ(b.etat.Conseil_bt_prec, QStringLiteral("x"));
    }
    Banc b;
    b.Onglet(ONG_IMAGE);
    b.Taille(770, 1000);
    EXPECT_EQ(b.vues.img.bornes, (Dime{1, 1, 768, 986}));
    EXPECT_EQ(b.vues.pla.images[0].dime, (Dime{13, 1, 83, 110})); // still the 770 x 454 layout
}

// The tabs the program selects leave the flags of the target column and the hints
// of the tab the user last selected.
TEST(Onglets, OngletsChoisisParLeProgramme) {
    {
        Banc b;
        b.Onglet(ONG_PLANCHE);
        b.etat.MemoImageSel(b.Tag(Panneau::pong_Pla, 2));
        EXPECT_EQ(b.etat.Onglet, ONG_IMAGE);
        VerifierColonne(b, {ONG_IMAGE, COLONNES[ONG_IMAGE].visibles, PP, PS, {}});
    }
    {
        Banc b;
        b.etat.MemoImageSel2(b.Tag(Panneau::pong_Rch, 2));
        EXPECT_EQ(b.etat.Onglet, ONG_IMAGE);
        VerifierColonne(b, {ONG_IMAGE, COLONNES[ONG_IMAGE].visibles, PP, PS, {}});
    }
    {
        Banc b;
        b.Onglet(ONG_IMAGE);
        b.etat.Img_dbclic();
        EXPECT_EQ(b.etat.Onglet, ONG_PLANCHE);
        VerifierColonne(b, {ONG_PLANCHE, COLONNES[ONG_PLANCHE].visibles, EP, ES, {}});
        // The commands follow the active tab whatever the hints say.
        b.etat.Dess_Suivant();
        EXPECT_EQ(b.etat.PL_Debut, 28);
    }
}
