// The shield catalogue and the glossary index built from their text lists.
#include "catalogue.h"
#include "impression_qt.h"
#include "erreurs.h"
#include "ressources.h"

#include <gtest/gtest.h>

using namespace armo;

namespace {

ListeTexte Liste(std::initializer_list<QString> lignes) {
    ListeTexte l;
    for (const QString& s : lignes) l.Ajouter(s);
    return l;
}

QString MessageConversion(const QString& groupe) {
    try {
        LireEntier(groupe);
    } catch (const Erreur& e) {
        EXPECT_EQ(e.type(), TypeErreur::EConvertError);
        return e.message();
    }
    return QStringLiteral("(no error)");
}

} // namespace

TEST(Catalogue, CorresLineGivesTheName) {
    struct Cas {
        QString ligne, nom;
    } cas[] = {
        {"D0042 Quenet de Valbrune.gif", "Quenet de Valbrune"},
        {"D0042 X.gif", "X"},   // 11 characters
        {"D0042 .gif", ""},     // 10 characters
        {"D0042", ""},
        {"", ""},
    };
    for (const auto& c : cas) EXPECT_EQ(NomDeLigneCorres(c.ligne), c.nom) << c.ligne.toStdString();

    Catalogue cat;
    cat.AjouterNoms(Liste({"D0001 A.gif", "D0002 .gif", "D0003 Bb.gif"}));
    ASSERT_EQ(cat.N(), 3);
    EXPECT_EQ(cat.ls_Noms[1], ""); // an empty name keeps its place
    EXPECT_EQ(cat.ls_Noms[2], "Bb");
}

TEST(Catalogue, BlasonEcu) {
    Catalogue cat;
    cat.ls_Ecus = Liste({QString::fromUtf8("Quenet de Valbrune$D'argent à la fasce ondée de sinople"),
                         "A$B$C", "A$", "sans dollar", "Nom$Blason "});
    EXPECT_EQ(cat.BlasonEcu(0), QString::fromUtf8("D'argent à la fasce ondée de sinople"));
    EXPECT_EQ(cat.BlasonEcu(1), "B$C");
    EXPECT_EQ(cat.BlasonEcu(2), "");
    EXPECT_EQ(cat.BlasonEcu(3), "sans dollar");
    EXPECT_EQ(cat.BlasonEcu(4), "Blason ");
    EXPECT_THROW(cat.BlasonEcu(5), Erreur);
}

TEST(Catalogue, CORRNOM) {
    const std::pair<int, const char*> cas[] = {{1, "D0001"},     {42, "D0042"}, {600, "D0600"},
                                               {0, "D0000"},     {10000, "D0000"},
                                               {12345, "D2345"}, {-1, "D00-1"}, {9999, "D9999"}};
    for (auto [n, nom] : cas) EXPECT_EQ(CORRNOM(n), nom) << n;
}

TEST(Glossaire, IndexLinesSplitIntoTermsAndReferences) {
    Catalogue cat;
    cat.AjouterIndex(Liste({QString::fromUtf8("Ondulé$000003000041000587"),
                            "Treize$0000010000020", "$000007", "sans dollar", "Vide$",
                            QString::fromUtf8("Ondulé$000009")}));
    ASSERT_EQ(cat.ls_Termes.Count(), 6);
    ASSERT_EQ(cat.ls_Refs.Count(), 6);
    EXPECT_EQ(cat.ls_Termes[0], QString::fromUtf8("Ondulé"));
    EXPECT_EQ(cat.ls_Refs[0].size(), 18);
    EXPECT_EQ(cat.NbRefs(0), 3);
    EXPECT_EQ(cat.RefEcu(0, 0), 3);
    EXPECT_EQ(cat.RefEcu(0, 1), 41);
    EXPECT_EQ(cat.RefEcu(0, 2), 587);
    EXPECT_EQ(cat.NbRefs(1), 2); // the 13th digit is never read
    EXPECT_EQ(cat.RefEcu(1, 1), 2);
    EXPECT_EQ(cat.ls_Termes[2], "");
    EXPECT_EQ(cat.NbRefs(2), 1);
    EXPECT_EQ(cat.RefEcu(2, 0), 7);
    EXPECT_EQ(cat.ls_Termes[3], "");
    EXPECT_EQ(cat.ls_Refs[3], "sans dollar");
    EXPECT_EQ(MessageConversion(cat.ls_Refs[3].mid(0, 6)),
              QString::fromUtf8("'sans d' n'est pas une valeur entière correcte"));
    EXPECT_EQ(cat.NbRefs(4), 0);
    // A term on two lines is two entries with their own references.
    EXPECT_EQ(cat.ls_Termes[5], cat.ls_Termes[0]);
    EXPECT_EQ(cat.RefEcu(5, 0), 9);
}

TEST(Glossaire, IntegerReading) {
    const std::pair<const char*, int> bons[] = {
        {"000041", 41}, {"000000", 0},  {"  0041", 41},  {"+00041", 41}, {"-00041", -41},
        {"$0002A", 42}, {"x0002a", 42}, {"X00010", 16},  {"0x002A", 42}, {"0X00ff", 255},
        {"-$0010", -16}, {" $ff", 255}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}};
    for (auto [texte, valeur] : bons) EXPECT_EQ(LireEntier(texte), valeur) << texte;
    for (const char* mauvais :
         {"", "      ", "00004a", "0000 1", "+", "$", "0x", "12.000", "2147483648", "--0001", "$00G0"})
        EXPECT_EQ(MessageConversion(mauvais),
                  QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(mauvais))
            << mauvais;
}

TEST(Glossaire, FixtureLoadsAtStartUp) {
    ChoisirJeuDeDonnees("fx_base");
    Catalogue cat;
    cat.ChargerNoms();
    cat.ChargerEcus();
    cat.ChargerIndex();
    ChoisirJeuDeDonnees("armoriane");
    ASSERT_EQ(cat.N(), 5);
    EXPECT_EQ(cat.ls_Noms[1], QString::fromUtf8("Bénard"));
    EXPECT_EQ(cat.ls_Ecus.Count(), 5);
    ASSERT_EQ(cat.ls_Termes.Count(), 7);
    EXPECT_EQ(cat.NbRefs(6), 3);
    EXPECT_EQ(cat.RefEcu(6, 2), 4);
}

TEST(Glossaire, MissingResourcesLeaveListsEmpty) {
    for (const char* jeu : {"fx_sans_corres", "fx_sans_ecus", "fx_sans_indfini"}) {
        ChoisirJeuDeDonnees(jeu);
        Catalogue cat;
        cat.ChargerNoms();
        cat.ChargerEcus();
        cat.ChargerIndex();
        const QString j = jeu;
        EXPECT_EQ(cat.N(), j.endsWith("corres") ? 0 : 5) << jeu;
        EXPECT_EQ(cat.ls_Ecus.Count(), j.endsWith("ecus") ? 0 : 5) << jeu;
        EXPECT_EQ(cat.ls_Termes.Count(), j.endsWith("indfini") ? 0 : 7) << jeu;
        EXPECT_EQ(cat.ls_Refs.Count(), cat.ls_Termes.Count());
    }
    ChoisirJeuDeDonnees("armoriane");
}

TEST(Pages, TwentySevenNames) {
    const QStringList p = NomsPages();
    ASSERT_EQ(p.size(), 27);
    EXPECT_EQ(p.front(), "gloss_a");
    EXPECT_EQ(p[25], "gloss_z");
    EXPECT_EQ(p.back(), "refer");
}
