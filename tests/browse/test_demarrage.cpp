// Start-up on the embedded fixture sets, whole and lacking one text list each:
// which step fails, and what state the window is then left in.
#include "impression_qt.h"
#include "catalogue.h"
#include "enregistreur.h"
#include "navigation.h"
#include "ressources.h"

#include <gtest/gtest.h>

#include <vector>

using namespace armo;

namespace {

using L = std::vector<Chargement>;
constexpr Chargement UN = Chargement::UN_ChargerImage;
constexpr Chargement PL = Chargement::PL_ChargerImage;
constexpr Chargement GL = Chargement::GL_ChargerImage;

} // namespace

TEST(Demarrage, JeuxDeFixtures) {
    struct Cas {
        const char* jeu;
        QStringList echecs;
        L charges;
        int S, T, imagesPla, imagesRch;
        QString lbnom;
    } cas[] = {
        {"fx_base", {}, {UN, PL, GL}, 0, 0, 5, 1, "Cordier du Mesnil"},
        // No names: the IMAGE load asks for D0000; the resize's GLOSSAIRE load then
        // renders shield 2 and fails reading its name.
        {"fx_sans_corres",
         {"Ressource D0000 non trouvée", "Index de liste hors limites (2)"},
         {UN, GL},
         -1,
         0,
         0,
         1,
         ""},
        // No blazons: the IMAGE load fails after the picture and name.
        {"fx_sans_ecus",
         {"Index de liste hors limites (0)", "Index de liste hors limites (2)"},
         {UN, GL},
         0,
         0,
         0,
         1,
         "Cordier du Mesnil"},
        // No terms: creation completes; the resize reads the references of item -1.
        {"fx_sans_indfini",
         {"Index de liste hors limites (-1)"},
         {UN, PL, GL},
         0,
         -1,
         5,
         0,
         "Aubert de Clairvaux"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.jeu);
        ChoisirJeuDeDonnees(QString::fromLatin1(c.jeu));
        Catalogue cat;
        cat.ChargerNoms();
        cat.ChargerEcus();
        cat.ChargerIndex();
        EnregistreurVues vues;
        vues.verifierRessources = true;
        EtatNavigation etat(cat, vues);
        EXPECT_EQ(etat.Demarrer(), c.echecs);
        EXPECT_EQ(L(vues.chargements.begin(), vues.chargements.end()), c.charges);
        EXPECT_EQ(etat.S, c.S);
        EXPECT_EQ(etat.T, c.T);
        EXPECT_EQ(etat.Onglet, ONG_GLOSSAIRE);
        EXPECT_EQ(vues.pla.images.size(), c.imagesPla);
        EXPECT_EQ(vues.rch.images.size(), c.imagesRch);
        EXPECT_EQ(etat.lbnom, c.lbnom);
    }
    ChoisirJeuDeDonnees(QStringLiteral("armoriane"));
}
