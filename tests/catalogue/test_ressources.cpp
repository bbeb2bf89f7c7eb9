// The resource store and the text lists: lookup, decoding and line splitting.
#include "impression_qt.h"
#include "erreurs.h"
#include "ressources.h"

#include <gtest/gtest.h>

using namespace armo;

namespace {

struct JeuFixture : ::testing::Test {
    void SetUp() override { ChoisirJeuDeDonnees(QStringLiteral("fx_base")); }
    void TearDown() override { ChoisirJeuDeDonnees(QStringLiteral("armoriane")); }
};

// The message of an Erreur raised by f, checking its kind.
template <class F> QString MessageDe(TypeErreur attendu, F f) {
    try {
        f();
    } catch (const Erreur& e) {
        EXPECT_EQ(NomTypeErreur(e.type()), std::string(NomTypeErreur(attendu)));
        return e.message();
    }
    ADD_FAILURE() << "no error raised";
    return {};
}

QStringList Lignes(const ListeTexte& l) { return QStringList(l.lignes()); }

} // namespace

TEST_F(JeuFixture, NamesCompareWithoutCase) {
    const auto a = OuvrirRessource(RT_RCDATA, "corres");
    for (const char* nom : {"CORRES", "Corres", "cOrReS"}) {
        const auto b = OuvrirRessource(RT_RCDATA, nom);
        EXPECT_EQ(a.data(), b.data()) << nom;
        EXPECT_EQ(a.size(), b.size());
    }
    EXPECT_EQ(OuvrirRessource("GIF", "d0001").data(), OuvrirRessource("gif", "D0001").data());
}

TEST_F(JeuFixture, BytesComeBackExactlyAndInPlace) {
    const auto r = OuvrirRessource(RT_RCDATA, "corres");
    ASSERT_GT(r.size(), 6);
    EXPECT_EQ(QByteArray(r.data(), 6), QByteArray("D0001 "));
    EXPECT_EQ(static_cast<unsigned char>(r[r.size() - 2]), '\r');
    EXPECT_EQ(static_cast<unsigned char>(r[r.size() - 1]), '\n');
    // Two lookups hand out the same bytes: nothing is copied.
    EXPECT_EQ(OuvrirRessource(RT_RCDATA, "corres").data(), r.data());
}

TEST_F(JeuFixture, NumberedAndNamedTypesNeverMeet) {
    EXPECT_EQ(MessageDe(TypeErreur::EResNotFound, [] { OuvrirRessource(RT_RCDATA, "D0001"); }),
              "Ressource D0001 non trouvée");
    EXPECT_EQ(MessageDe(TypeErreur::EResNotFound, [] { OuvrirRessource("GIF", "corres"); }),
              "Ressource corres non trouvée");
    EXPECT_EQ(MessageDe(TypeErreur::EResNotFound, [] { OuvrirRessource("RT_RCDATA", "corres"); }),
              "Ressource corres non trouvée");
}

TEST_F(JeuFixture, MissingNameCarriesTheNameAsAsked) {
    EXPECT_EQ(MessageDe(TypeErreur::EResNotFound, [] { ChargerListe("Gloss_Inconnu"); }),
              "Ressource Gloss_Inconnu non trouvée");
    EXPECT_EQ(MessageDe(TypeErreur::EResNotFound, [] { OuvrirRessource("GIF", "D0000"); }),
              "Ressource D0000 non trouvée");
}

TEST(JeuxDeDonnees, FixtureLackingOneResourceLacksOnlyThat) {
    ChoisirJeuDeDonnees("fx_sans_ecus");
    EXPECT_NO_THROW(ChargerListe("corres"));
    EXPECT_NO_THROW(ChargerListe("indfini"));
    EXPECT_THROW(ChargerListe("ecus"), Erreur);
    ChoisirJeuDeDonnees("armoriane");
}

TEST(DecouperTexte, ByteOrderMarksAndCodePage) {
    struct Cas {
        QByteArray octets;
        QStringList lignes;
    };
    const Cas cas[] = {
        {QByteArray(), {}},
        {QByteArray("\xEF\xBB\xBF"), {}},
        {QByteArray("\xFF\xFE"), {}},
        {QByteArray("\xFE\xFF"), {}},
        {QByteArray("\xEF\xBB\xBF" "\xC3\xA9t\xC3\xA9\r\n"), {QString::fromUtf8("été")}},
        {QByteArray("\xFF\xFE" "\xE9\x00t\x00\r\x00\n\x00x\x00", 12), {QString::fromUtf8("ét"), "x"}},
        {QByteArray("\xFE\xFF" "\x00\xE9\x00t", 6), {QString::fromUtf8("ét")}},
        {QByteArray("Ond\xE9\r\n"), {QString::fromUtf8("Ondé")}},
        {QByteArray("\x80\x9F\xFF"), {QString::fromUtf8("€Ÿÿ")}},
        // FE FF is tested after FF FE: a text starting FF FE FF is little-endian.
        {QByteArray("\xFF\xFE" "a\x00", 4), {"a"}},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(Lignes(DecouperTexte(c.octets)), c.lignes) << c.octets.toHex().toStdString();
}

TEST(DecouperTexte, UndecodableBytesFail) {
    const QString attendu = QStringLiteral(
        "Aucun mappage pour le caractère Unicode n'existe dans la page de code multi-octet cible");
    for (const QByteArray& o : {QByteArray("a\x81z"), QByteArray("\x9D"),
                                QByteArray("\xEF\xBB\xBF" "a\xC3"), QByteArray("\xFF\xFE" "a", 3)})
        EXPECT_EQ(MessageDe(TypeErreur::EEncodingError, [&] { DecouperTexte(o); }), attendu)
            << o.toHex().toStdString();
}

TEST(DecouperTexte, LineBreaks) {
    struct Cas {
        QByteArray octets;
        QStringList lignes;
    };
    const Cas cas[] = {
        {QByteArray("a\r\nb\r\n"), {"a", "b"}},
        {QByteArray("a\r\nb"), {"a", "b"}},
        {QByteArray("a\r\rb"), {"a", "", "b"}},
        {QByteArray("a\n\rb"), {"a", "", "b"}},
        {QByteArray("a\r\nb"), {"a", "b"}},
        {QByteArray("a\nb\rc"), {"a", "b", "c"}},
        {QByteArray("a\0\r\nb", 5), {"a"}},
        {QByteArray("\0a", 2), {}},
        {QByteArray("\r\n"), {""}},
        {QByteArray("\r\n\r\n"), {"", ""}},
        {QByteArray("\n\n"), {"", ""}},
        {QByteArray("sans fin"), {"sans fin"}},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(Lignes(DecouperTexte(c.octets)), c.lignes) << c.octets.toHex().toStdString();
}

TEST(ListeTexte, ReadingOutsideFails) {
    ListeTexte l;
    l.Ajouter("x");
    EXPECT_EQ(l[0], "x");
    for (int i : {1, -1, 600})
        EXPECT_EQ(MessageDe(TypeErreur::EListError, [&] { (void)l[i]; }),
                  QStringLiteral("Index de liste hors limites (%1)").arg(i));
}

TEST_F(JeuFixture, ChargerListeReadsTheFixture) {
    const ListeTexte l = ChargerListe("ecus");
    ASSERT_EQ(l.Count(), 5);
    EXPECT_EQ(l[1], QString::fromUtf8("Bénard$De gueules au lion d'argent"));
    // The last blazon ends with a blank, which is kept.
    EXPECT_TRUE(l[4].endsWith(u' '));
}
