// The browsing state over a 600-shield catalogue: step sequences, the
// double-click on the IMAGE picture, plate sizes, the header, and failures.
#include "banc.h"
#include "erreurs.h"

#include <gtest/gtest.h>

#include <vector>

using namespace armo;
using banc::Banc;
using banc::Blason;
using banc::EcuRef;
using banc::Nom;

namespace {

using L = std::vector<Chargement>;
constexpr Chargement UN = Chargement::UN_ChargerImage;
constexpr Chargement PL = Chargement::PL_ChargerImage;
constexpr Chargement GL = Chargement::GL_ChargerImage;

L Charges(const EnregistreurVues& v) {
    return L(v.chargements.begin(), v.chargements.end());
}

// The PLANCHE plate shows shields debut .. min(debut + P, N) - 1, first framed.
void VerifierPlanche(const Banc& b, int debut) {
    const int P = b.etat.P_PL();
    const int n = std::min(banc::N - debut, P);
    ASSERT_EQ(b.vues.pla.images.size(), n);
    for (int k = 0; k < n; ++k) {
        const ImagePlanche& im = b.vues.pla.images[k];
        EXPECT_EQ(im.nom, QStringLiteral("imP%1").arg(k + 1));
        EXPECT_EQ(im.tag, debut + k);
        EXPECT_EQ(im.ecu, debut + k);
        EXPECT_EQ(im.conseil, Nom(debut + k));
        EXPECT_EQ(im.dime, b.etat.grilles.PL_DefinirPosition(k));
    }
    ASSERT_TRUE(b.vues.pla.cadre.has_value());
    EXPECT_EQ(b.vues.pla.cadre->dime, b.vues.pla.images[0].dime);
    EXPECT_EQ(b.vues.pla.cadre->conseil, Nom(debut));
    EXPECT_EQ(b.etat.S, debut);
}

// The GLOSSAIRE plate of term t from reference debut; framed only on the first plate.
void VerifierGlossaire(const Banc& b, int t, int debut) {
    const int n = std::min(banc::NbRefsTerme(t) - debut, b.etat.P_GL());
    ASSERT_EQ(b.vues.rch.images.size(), n);
    for (int k = 0; k < n; ++k) {
        const ImagePlanche& im = b.vues.rch.images[k];
        EXPECT_EQ(im.nom, QStringLiteral("imR%1").arg(k + 1));
        EXPECT_EQ(im.tag, EcuRef(t, debut + k) * 10000 + debut + k);
        EXPECT_EQ(im.conseil, Nom(EcuRef(t, debut + k)));
        EXPECT_EQ(im.dime, b.etat.grilles.GL_DefinirPosition(k));
    }
    EXPECT_EQ(b.vues.rch.cadre.has_value(), debut == 0 && n > 0);
    EXPECT_EQ(b.etat.GL_NbRefs, banc::NbRefsTerme(t));
}

void VerifierEnTete(const Banc& b, int ecu) {
    EXPECT_EQ(b.etat.lbnom, Nom(ecu));
    EXPECT_EQ(b.etat.Mem_blason, Blason(ecu));
}

} // namespace

TEST(Navigation, DemarrageLaisseLEtatDeDepart) {
    Banc b(false);
    EXPECT_TRUE(b.etat.Demarrer().isEmpty());
    const EtatNavigation& e = b.etat;
    EXPECT_EQ(Charges(b.vues), (L{UN, PL, GL}));
    EXPECT_EQ(e.UN_Courant, 0);
    EXPECT_EQ(e.PL_Debut, 0);
    EXPECT_EQ(e.PL_Rangs, 4);
    EXPECT_EQ(e.GL_Debut, 0);
    EXPECT_EQ(e.GL_Rangs, 4);
    EXPECT_EQ(e.GL_NbRefs, 30);
    EXPECT_EQ(e.T, 0);
    EXPECT_EQ(e.Onglet, ONG_GLOSSAIRE);
    EXPECT_EQ(e.Entree_cb_Nim_PL, 2);
    EXPECT_EQ(e.Entree_cb_Nim_MD, 2);
    VerifierPlanche(b, 0);
    EXPECT_EQ(b.vues.pla.images.size(), 28);
    VerifierGlossaire(b, banc::TRENTE, 0);
    EXPECT_EQ(b.vues.rch.images.size(), 28);
    VerifierEnTete(b, EcuRef(banc::TRENTE, 0)); // the first shield of term 0, not the term
    EXPECT_EQ(b.vues.img.bornes, (Dime{209, 1, 351, 452}));
    EXPECT_EQ(b.vues.img.ecu, 0);
    EXPECT_EQ(b.vues.repeints, 1);
    EXPECT_EQ(e.Conseil_bt_prec, QStringLiteral("Planche précédente"));
    EXPECT_EQ(e.Conseil_bt_suiv, QStringLiteral("Planche suivante"));
}

// The observer sees each load's steps in the algorithms' order.
TEST(Navigation, OrdreDesEtapesDUnChargement) {
    Banc b;
    b.Terme(banc::TROIS);
    EXPECT_EQ(b.vues.journal,
              (QStringList{"GL_ChargerImage", "vider pong_Rch",
                           "ajouter pong_Rch imR1 tag 5990000 ecu 599 [13,1,83,110]",
                           "retirer cadre pong_Rch", "cadre pong_Rch [13,1,83,110]",
                           "ajouter pong_Rch imR2 tag 1 ecu 0 [122,1,83,110]",
                           "ajouter pong_Rch imR3 tag 420002 ecu 42 [231,1,83,110]", "repeindre"}));
    b.vues.Effacer();
    b.Onglet(ONG_IMAGE);
    EXPECT_EQ(b.vues.journal, (QStringList{"UN_ChargerImage", "image ecu 0 [209,351,452]"}));
}

TEST(Navigation, SuitesDePlanches) {
    struct Cas {
        int entree, debut;
        bool suivant;
        std::vector<int> departs;
    } cas[] = {
        {1, 0, true, {15, 30, 45}},
        {1, 570, true, {585, 599, 599}},
        {1, 599, false, {584, 569, 554}},
        {1, 44, false, {29, 14, 0, 0}},
        {2, 588, true, {599}},
        {3, 585, true, {599}},
        {0, 594, true, {599}},
        {0, 3, false, {0}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << "entree " << c.entree << " debut " << c.debut);
        Banc b;
        b.Onglet(ONG_PLANCHE);
        b.NbPL(c.entree);
        b.Liste(c.debut);
        for (int attendu : c.departs) {
            b.vues.Effacer();
            if (c.suivant)
                b.etat.Dess_Suivant();
            else
                b.etat.Dess_Precedent();
            EXPECT_EQ(b.etat.PL_Debut, attendu);
            EXPECT_EQ(b.etat.UN_Courant, attendu);
            EXPECT_EQ(Charges(b.vues), (L{PL}));
            VerifierPlanche(b, attendu);
            VerifierEnTete(b, attendu);
        }
    }
}

// From 0 with 15 per plate the whole way: 0, 15, …, 585, 599, and back 584 … 14, 0.
TEST(Navigation, TourCompletDesPlanches) {
    Banc b;
    b.Onglet(ONG_PLANCHE);
    b.NbPL(1);
    std::vector<int> avant, arriere;
    for (int i = 0; i < 41; ++i) {
        b.etat.Dess_Suivant();
        avant.push_back(b.etat.PL_Debut);
    }
    for (int i = 0; i < 41; ++i) {
        b.etat.Dess_Precedent();
        arriere.push_back(b.etat.PL_Debut);
    }
    std::vector<int> av, ar;
    for (int d = 15; d <= 585; d += 15) av.push_back(d);
    av.push_back(599);
    av.push_back(599);
    for (int d = 584; d >= 14; d -= 15) ar.push_back(d);
    ar.push_back(0);
    ar.push_back(0);
    EXPECT_EQ(avant, av);
    EXPECT_EQ(arriere, ar);
    EXPECT_EQ(b.vues.pla.images.size(), 15);
}

TEST(Navigation, ImageBorneAuxExtremites) {
    Banc b;
    b.Onglet(ONG_IMAGE);
    b.vues.Effacer();
    b.etat.Dess_Precedent();
    EXPECT_EQ(b.etat.UN_Courant, 0);
    EXPECT_EQ(Charges(b.vues), (L{UN}));
    VerifierEnTete(b, 0);
    b.Liste(598);
    b.etat.Dess_Suivant();
    EXPECT_EQ(b.etat.UN_Courant, 599);
    b.vues.Effacer();
    b.etat.Dess_Suivant();
    EXPECT_EQ(b.etat.UN_Courant, 599);
    EXPECT_EQ(b.etat.S, 599);
    EXPECT_EQ(b.vues.img.ecu, 599);
    EXPECT_EQ(Charges(b.vues), (L{UN}));
    VerifierEnTete(b, 599);
}

// Next/previous on GLOSSAIRE: the plate moves while a reference remains after it,
// and the header names the first shield of the plate shown, moved or not.
TEST(Navigation, SuitesDuGlossaire) {
    struct Cas {
        int terme, entree;
        std::vector<std::pair<bool, int>> pas; // next?, GL_Debut expected
    } cas[] = {
        {banc::TRENTE, 1, {{true, 15}, {true, 15}, {false, 0}, {false, 0}}},
        {banc::TRENTE_ET_UN, 1, {{true, 15}, {true, 30}, {true, 30}, {false, 15}}},
        {banc::GRAND, 3, {{true, 45}, {true, 90}, {false, 45}, {true, 90}}},
        {banc::TROIS, 0, {{true, 0}, {false, 0}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(banc::NomTerme(c.terme).toStdString());
        Banc b;
        b.NbGL(c.entree);
        b.Terme(c.terme);
        for (auto [suivant, attendu] : c.pas) {
            const int avant = b.etat.GL_Debut;
            b.vues.Effacer();
            if (suivant)
                b.etat.Dess_Suivant();
            else
                b.etat.Dess_Precedent();
            EXPECT_EQ(b.etat.GL_Debut, attendu);
            const bool recharge = !suivant || attendu != avant;
            EXPECT_EQ(Charges(b.vues), recharge ? L{GL} : L{});
            VerifierGlossaire(b, c.terme, attendu);
            VerifierEnTete(b, EcuRef(c.terme, attendu));
        }
    }
}

TEST(Navigation, DernierePlancheDuGrandTerme) {
    Banc b;
    b.NbGL(3);
    b.Terme(banc::GRAND);
    for (int i = 0; i < 10; ++i) b.etat.Dess_Suivant();
    EXPECT_EQ(b.etat.GL_Debut, 360);
    EXPECT_EQ(b.vues.rch.images.size(), 31);
    EXPECT_EQ(b.vues.rch.images.last().tag, EcuRef(banc::GRAND, 390) * 10000 + 390);
    EXPECT_FALSE(b.vues.rch.cadre.has_value());
    // A click on a later plate frames the clicked cell, counted from GL_Debut.
    b.Clic(2);
    ASSERT_TRUE(b.vues.rch.cadre.has_value());
    EXPECT_EQ(b.vues.rch.cadre->dime, b.vues.rch.images[2].dime);
    VerifierEnTete(b, EcuRef(banc::GRAND, 362));
}

// The previous/next header rule applies on a term without references too:
// there is no shield to name, so the term stays in the header.
TEST(Navigation, TermeSansReference) {
    Banc b;
    b.Terme(banc::VIDE);
    EXPECT_EQ(b.etat.GL_NbRefs, 0);
    EXPECT_TRUE(b.vues.rch.images.isEmpty());
    EXPECT_EQ(b.etat.lbnom, QStringLiteral("Vide"));
    b.etat.Dess_Suivant();
    b.etat.Dess_Precedent();
    EXPECT_EQ(b.etat.GL_Debut, 0);
    EXPECT_EQ(b.etat.lbnom, QStringLiteral("Vide"));
}

TEST(Navigation, DoubleClicSurLImage) {
    struct Cas {
        int debut, courant;
        bool deplace;
    } cas[] = {{0, 14, false}, {0, 15, true}, {20, 19, true}, {20, 34, false}, {20, 35, true}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << c.debut << " " << c.courant);
        Banc b;
        b.Onglet(ONG_PLANCHE);
        b.NbPL(1);
        b.Liste(c.debut);
        // The IMAGE tab opens on the plate's first shield; stepping there leaves the plate.
        b.Onglet(ONG_IMAGE);
        while (b.etat.UN_Courant < c.courant) b.etat.Dess_Suivant();
        while (b.etat.UN_Courant > c.courant) b.etat.Dess_Precedent();
        ASSERT_EQ(b.etat.UN_Courant, c.courant);
        ASSERT_EQ(b.etat.Onglet, ONG_IMAGE);
        b.vues.Effacer();
        b.etat.Img_dbclic();
        EXPECT_EQ(b.etat.Onglet, ONG_PLANCHE);
        EXPECT_TRUE(b.etat.visibles.cb_Nim_PL);
        EXPECT_TRUE(b.etat.visibles.clic_sur_img);
        EXPECT_EQ(b.etat.PL_Debut, c.deplace ? c.courant : c.debut);
        EXPECT_EQ(Charges(b.vues), c.deplace ? L{PL} : L{});
        VerifierEnTete(b, c.courant);
        if (c.deplace) VerifierPlanche(b, c.courant);
    }
}

// The plate on the panel must match PL_Debut, PL_Rangs and the grid size when the
// double-click brings PLANCHE into view; a stale plate is rebuilt.
TEST(Navigation, DoubleClicReconstruitUnePlancheDepassee) {
    {
        SCOPED_TRACE("list click on IMAGE");
        Banc b;
        b.Onglet(ONG_PLANCHE);
        b.NbPL(1);
        b.Onglet(ONG_IMAGE);
        b.Liste(5); // PL_Debut := 5 without rebuilding the plate of 0
        b.vues.Effacer();
        b.etat.Img_dbclic();
        EXPECT_EQ(Charges(b.vues), (L{PL}));
        VerifierPlanche(b, 5);
    }
    {
        SCOPED_TRACE("resize on IMAGE");
        Banc b;
        b.Onglet(ONG_PLANCHE);
        b.Onglet(ONG_IMAGE);
        b.Taille(800, 600);
        b.vues.Effacer();
        b.etat.Img_dbclic();
        EXPECT_EQ(Charges(b.vues), (L{PL}));
        EXPECT_EQ(b.etat.grilles.PanneauL, 800);
        VerifierPlanche(b, 0);
    }
    {
        SCOPED_TRACE("GLOSSAIRE rebuilt at another size in between");
        Banc b;
        b.Onglet(ONG_PLANCHE);
        b.Onglet(ONG_GLOSSAIRE);
        b.Taille(800, 600);
        b.Onglet(ONG_DICTIONNAIRE);
        b.Taille(770, 454);
        b.Onglet(ONG_IMAGE);
        b.vues.Effacer();
        b.etat.Img_dbclic();
        EXPECT_EQ(Charges(b.vues), (L{PL}));
        b.Clic(1);
        EXPECT_EQ(b.vues.pla.cadre->dime, b.vues.pla.images[1].dime);
    }
    {
        SCOPED_TRACE("matching plate kept");
        Banc b;
        b.Onglet(ONG_PLANCHE);
        b.Clic(3);
        b.Onglet(ONG_IMAGE); // shows shield 3, the clicked one
        EXPECT_EQ(b.etat.UN_Courant, 3);
        const auto cadre = b.vues.pla.cadre;
        b.vues.Effacer();
        b.etat.Img_dbclic();
        EXPECT_TRUE(b.vues.journal.isEmpty()) << b.vues.journal.join(u'|').toStdString();
        EXPECT_EQ(b.vues.pla.cadre, cadre); // still on the clicked picture
        VerifierEnTete(b, 3);
    }
}

TEST(Navigation, TailleDePlancheChangeeSurUnePlanchePlusLoin) {
    Banc b;
    b.Onglet(ONG_PLANCHE);
    b.NbPL(1);
    b.etat.Dess_Suivant();
    b.NbPL(3);
    EXPECT_EQ(b.etat.PL_Debut, 15);
    EXPECT_EQ(b.etat.PL_Rangs, 5);
    VerifierPlanche(b, 15);
    EXPECT_EQ(b.vues.pla.images.size(), 45);
    VerifierEnTete(b, 15);

    b.Onglet(ONG_GLOSSAIRE);
    b.NbGL(1);
    b.Terme(banc::GRAND);
    b.etat.Dess_Suivant();
    b.Clic(4);
    b.NbGL(0);
    EXPECT_EQ(b.etat.GL_Debut, 15);
    EXPECT_EQ(b.etat.GL_Rangs, 2);
    VerifierGlossaire(b, banc::GRAND, 15);
    EXPECT_EQ(b.vues.rch.images.size(), 6);
    VerifierEnTete(b, EcuRef(banc::GRAND, 19)); // unchanged: no picture selected
}

// A combo with no chosen entry (typed text) gives one row: one picture per plate.
TEST(Navigation, ComboSansEntree) {
    Banc b;
    b.Onglet(ONG_PLANCHE);
    b.Liste(7);
    b.NbPL(-1);
    EXPECT_EQ(b.etat.PL_Rangs, 1);
    EXPECT_EQ(b.etat.P_PL(), 1);
    VerifierPlanche(b, 7);
    EXPECT_EQ(b.vues.pla.images[0].dime, (Dime{211, 2, 347, 449}));
    b.etat.Dess_Suivant();
    EXPECT_EQ(b.etat.PL_Debut, 8);

    b.Onglet(ONG_GLOSSAIRE);
    b.NbGL(-1);
    EXPECT_EQ(b.etat.GL_Rangs, 1);
    VerifierGlossaire(b, banc::TRENTE, 0);
    b.etat.Dess_Suivant();
    EXPECT_EQ(b.etat.GL_Debut, 1);
    VerifierGlossaire(b, banc::TRENTE, 1);
    VerifierEnTete(b, EcuRef(banc::TRENTE, 1));
}

TEST(Navigation, EnTeteApresChaqueOperation) {
    struct Cas {
        const char* nom;
        std::function<void(Banc&)> faire;
        QString lbnom, blason;
    } cas[] = {
        {"list click on IMAGE", [](Banc& b) { b.Onglet(ONG_IMAGE), b.Liste(42); }, Nom(42),
         Blason(42)},
        {"list click on PLANCHE", [](Banc& b) { b.Onglet(ONG_PLANCHE), b.Liste(42); }, Nom(42),
         Blason(42)},
        {"term click", [](Banc& b) { b.Terme(banc::TROIS); }, Nom(599), Blason(599)},
        {"term click, no reference", [](Banc& b) { b.Terme(banc::VIDE); }, "Vide",
         Blason(EcuRef(banc::TRENTE, 0))},
        {"PLANCHE picture clicked", [](Banc& b) { b.Onglet(ONG_PLANCHE), b.Clic(9); }, Nom(9),
         Blason(9)},
        {"GLOSSAIRE picture clicked", [](Banc& b) { b.Clic(2); }, Nom(EcuRef(0, 2)),
         Blason(EcuRef(0, 2))},
        {"PLANCHE picture double-clicked", [](Banc& b) { b.Onglet(ONG_PLANCHE), b.DblClic(5); },
         Nom(5), Blason(5)},
        {"GLOSSAIRE picture double-clicked", [](Banc& b) { b.DblClic(3); }, Nom(EcuRef(0, 3)),
         Blason(EcuRef(0, 3))},
        {"PLANCHE plate size", [](Banc& b) { b.Onglet(ONG_PLANCHE), b.Liste(50), b.NbPL(0); },
         Nom(50), Blason(50)},
        {"GLOSSAIRE plate size, first plate", [](Banc& b) { b.Clic(4), b.NbGL(1); },
         Nom(EcuRef(0, 0)), Blason(EcuRef(0, 0))},
        {"GLOSSAIRE plate size, later plate",
         [](Banc& b) {
             b.NbGL(0), b.Terme(banc::GRAND), b.etat.Dess_Suivant(), b.Clic(5), b.NbGL(3);
         },
         Nom(EcuRef(banc::GRAND, 11)), Blason(EcuRef(banc::GRAND, 11))},
        {"next on IMAGE", [](Banc& b) { b.Onglet(ONG_IMAGE), b.etat.Dess_Suivant(); }, Nom(1),
         Blason(1)},
        {"previous on PLANCHE",
         [](Banc& b) { b.Onglet(ONG_PLANCHE), b.Liste(100), b.etat.Dess_Precedent(); }, Nom(72),
         Blason(72)},
        {"next on GLOSSAIRE, moved",
         [](Banc& b) { b.NbGL(0), b.Terme(banc::GRAND), b.etat.Dess_Suivant(); }, Nom(EcuRef(2, 6)),
         Blason(EcuRef(2, 6))},
        {"next on GLOSSAIRE, not moved, after a click",
         [](Banc& b) { b.Terme(banc::TROIS), b.Clic(2), b.etat.Dess_Suivant(); }, Nom(599),
         Blason(599)},
        {"previous on GLOSSAIRE, first plate",
         [](Banc& b) { b.NbGL(0), b.Terme(banc::GRAND), b.Clic(5), b.etat.Dess_Precedent(); },
         Nom(EcuRef(2, 0)), Blason(EcuRef(2, 0))},
        {"IMAGE double-click, plate kept",
         [](Banc& b) { b.Onglet(ONG_PLANCHE), b.DblClic(6), b.etat.Img_dbclic(); }, Nom(6),
         Blason(6)},
        {"IMAGE double-click, plate moved",
         [](Banc& b) {
             b.Onglet(ONG_IMAGE);
             for (int i = 0; i < 30; ++i) b.etat.Dess_Suivant();
             b.etat.Img_dbclic();
         },
         Nom(30), Blason(30)},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Banc b;
        c.faire(b);
        EXPECT_EQ(b.etat.lbnom, c.lbnom);
        EXPECT_EQ(b.etat.Mem_blason, c.blason);
    }
}

// After a double-click from a plate, the IMAGE view shows the shield, S follows it
// and neither combo is visible.
TEST(Navigation, DoubleClicDepuisLesPlanches) {
    Banc b;
    const int tag = b.Tag(Panneau::pong_Rch, 3);
    b.DblClic(3);
    EXPECT_EQ(b.etat.Onglet, ONG_IMAGE);
    EXPECT_EQ(b.etat.UN_Courant, tag / 10000);
    EXPECT_EQ(b.etat.S, tag / 10000);
    EXPECT_EQ(b.vues.img.ecu, tag / 10000);
    EXPECT_FALSE(b.etat.visibles.GL_liste);
    EXPECT_FALSE(b.etat.visibles.cb_Nim_PL);
    EXPECT_FALSE(b.etat.visibles.cb_Nim_MD);
    EXPECT_FALSE(b.etat.visibles.clic_sur_img);
    EXPECT_EQ(b.etat.Conseil_bt_prec, QStringLiteral("Planche précédente"));

    // A PLANCHE click changes S only; the IMAGE tab then loads the clicked shield.
    b.Onglet(ONG_PLANCHE);
    b.Clic(11);
    EXPECT_EQ(b.etat.S, 11);
    EXPECT_EQ(b.etat.UN_Courant, tag / 10000);
    b.Onglet(ONG_IMAGE);
    EXPECT_EQ(b.etat.UN_Courant, 11);
    EXPECT_EQ(b.vues.img.ecu, 11);
}

namespace {

// A render that fails for one shield, as a picture that does not decode would.
void EchouerSur(Banc& b, int ecu) {
    b.vues.rendu = [ecu](std::int32_t e) {
        if (e == ecu)
            Lever(TypeErreur::EInvalidGraphicOperation, QStringLiteral("Unknown GIF version"));
    };
}

} // namespace

TEST(Navigation, UnEchecArreteLOperationALEtape) {
    {
        SCOPED_TRACE("next on PLANCHE, first picture fails");
        Banc b;
        b.Onglet(ONG_PLANCHE);
        EchouerSur(b, 28);
        EXPECT_THROW(b.etat.Dess_Suivant(), Erreur);
        EXPECT_EQ(b.etat.PL_Debut, 28); // made before the load
        EXPECT_EQ(b.etat.S, 28);
        EXPECT_EQ(b.etat.UN_Courant, 28);
        ASSERT_EQ(b.vues.pla.images.size(), 1); // created and placed, not finished
        EXPECT_EQ(b.vues.pla.images[0].tag, 0);
        EXPECT_FALSE(b.vues.pla.cadre.has_value());
        VerifierEnTete(b, 0); // neither the selection nor the header step ran
    }
    {
        SCOPED_TRACE("next on PLANCHE, fourth picture fails");
        Banc b;
        b.Onglet(ONG_PLANCHE);
        EchouerSur(b, 31);
        EXPECT_THROW(b.etat.Dess_Suivant(), Erreur);
        EXPECT_EQ(b.vues.pla.images.size(), 4);
        ASSERT_TRUE(b.vues.pla.cadre.has_value());
        EXPECT_EQ(b.vues.pla.cadre->dime, b.vues.pla.images[0].dime);
        VerifierEnTete(b, 28);
        // The plate did not complete: the double-click from IMAGE rebuilds it.
        b.vues.rendu = nullptr;
        b.Onglet(ONG_IMAGE);
        b.vues.Effacer();
        b.etat.Img_dbclic();
        EXPECT_EQ(Charges(b.vues), (L{PL}));
    }
    {
        SCOPED_TRACE("tab PLANCHE fails");
        Banc b;
        EchouerSur(b, 0);
        EXPECT_THROW(b.Onglet(ONG_PLANCHE), Erreur);
        EXPECT_EQ(b.etat.Onglet, ONG_PLANCHE);
        EXPECT_FALSE(b.etat.visibles.GL_liste);  // before the load
        EXPECT_FALSE(b.etat.visibles.cb_Nim_PL); // after it: left as GLOSSAIRE had it
        EXPECT_TRUE(b.etat.visibles.cb_Nim_MD);
        EXPECT_TRUE(b.etat.visibles.clic_sur_img);
        EXPECT_EQ(b.etat.Conseil_bt_prec, QStringLiteral("Planche précédente"));
    }
    {
        SCOPED_TRACE("tab GLOSSAIRE fails");
        Banc b;
        b.Onglet(ONG_IMAGE);
        EchouerSur(b, EcuRef(0, 0));
        b.vues.repeints = 0;
        EXPECT_THROW(b.Onglet(ONG_GLOSSAIRE), Erreur);
        EXPECT_FALSE(b.etat.visibles.cb_Nim_PL);
        EXPECT_TRUE(b.etat.visibles.clic_sur_img);
        EXPECT_FALSE(b.etat.visibles.cb_Nim_MD);
        EXPECT_FALSE(b.etat.visibles.GL_liste);
        EXPECT_EQ(b.vues.repeints, 0);
        EXPECT_EQ(b.etat.GL_NbRefs, 30);
    }
    {
        SCOPED_TRACE("term click fails on its first picture");
        Banc b;
        EchouerSur(b, 599);
        EXPECT_THROW(b.Terme(banc::TROIS), Erreur);
        EXPECT_EQ(b.etat.GL_NbRefs, 3);
        EXPECT_EQ(b.etat.lbnom, QStringLiteral("Trois"));
        EXPECT_FALSE(b.vues.rch.cadre.has_value());
    }
    {
        SCOPED_TRACE("IMAGE load fails");
        Banc b;
        b.Onglet(ONG_IMAGE);
        EchouerSur(b, 1);
        EXPECT_THROW(b.etat.Dess_Suivant(), Erreur);
        EXPECT_EQ(b.etat.UN_Courant, 1);
        EXPECT_EQ(b.etat.S, 1);
        EXPECT_EQ(b.vues.img.ecu, 0);
        VerifierEnTete(b, 0);
    }
    {
        SCOPED_TRACE("double-click on a PLANCHE picture fails");
        Banc b;
        b.Onglet(ONG_PLANCHE);
        EchouerSur(b, 4);
        b.Clic(4);
        EXPECT_THROW(b.etat.MemoImageSel(4), Erreur);
        EXPECT_EQ(b.etat.Onglet, ONG_PLANCHE); // the tab switch comes after the load
        EXPECT_TRUE(b.etat.visibles.cb_Nim_PL);
    }
}
