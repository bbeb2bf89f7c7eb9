// The builder's two risky parts: the French of the blazons (agreement, elision,
// arrangements) and the GIF writer, checked against the program's own decoder.
#include "alea.h"
#include "blason.h"
#include "gif.h"
#include "imaging/gif.h"
#include "lzwfin.h"

#include <gtest/gtest.h>

using namespace bat;

namespace {

std::shared_ptr<Groupe> G(Meuble m, int n, Email e, Disposition d = Disposition::Seul) {
    auto g = std::make_shared<Groupe>();
    g->meuble = m;
    g->nombre = n;
    g->email = e;
    g->dispo = d;
    return g;
}

Armes Plein(Email e) {
    Armes a;
    a.e1 = e;
    return a;
}

} // namespace

TEST(Blason, AccordsElisionsEtDispositions) {
    struct Cas {
        Armes armes;
        const char* attendu;
    };
    std::vector<Cas> cas;
    {
        Armes a = Plein(Email::Azur);
        a.piece.piece = Piece::Bande;
        a.piece.email = Email::Or;
        cas.push_back({a, "D'azur à la bande d'or"});
    }
    {
        Armes a = Plein(Email::Gueules);
        a.meubles = G(Meuble::Lion, 1, Email::Argent);
        a.meubles->aAttribut = true;
        a.meubles->attribut = Email::Azur;
        cas.push_back({a, "De gueules au lion d'argent armé et lampassé d'azur"});
    }
    {
        Armes a = Plein(Email::Hermine);
        a.meubles = G(Meuble::Lion, 3, Email::Azur, Disposition::DeuxEtUn);
        cas.push_back({a, "D'hermine à trois lionceaux d'azur, posés 2 et 1"});
    }
    {
        Armes a = Plein(Email::Or);
        a.meubles = G(Meuble::Aigle, 1, Email::Sable);
        a.meubles->aAttribut = true;
        a.meubles->attribut = Email::Gueules;
        cas.push_back({a, "D'or à l'aigle de sable becquée et membrée de gueules"});
    }
    {
        Armes a = Plein(Email::Sable);
        a.piece.piece = Piece::Fasce;
        a.piece.ligne = Ligne::Onde;
        a.piece.email = Email::Or;
        a.piece.accompagne = G(Meuble::Etoile, 3, Email::Or);
        cas.push_back({a, "De sable à la fasce ondée d'or accompagnée de trois étoiles de même, "
                          "deux en chef et une en pointe"});
    }
    {
        Armes a;
        a.champ = Champ::EcarteleArmes;
        a.q14 = std::make_shared<Armes>(Plein(Email::Or));
        a.q14->piece.piece = Piece::Pal;
        a.q14->piece.email = Email::Gueules;
        a.q23 = std::make_shared<Armes>(Plein(Email::Azur));
        a.q23->meubles = G(Meuble::Merlette, 2, Email::Argent, Disposition::EnPal);
        cas.push_back({a, "Écartelé : aux 1 et 4 d'or au pal de gueules ; aux 2 et 3 d'azur à deux "
                          "merlettes d'argent l'une sur l'autre"});
    }
    {
        Armes a = Plein(Email::Azur);
        a.champ = Champ::Seme;
        a.e2 = Email::Or;
        a.seme = Meuble::FleurDeLis;
        a.brochant.piece = Piece::Baton;
        a.brochant.email = Email::Gueules;
        cas.push_back(
            {a, "D'azur semé de fleurs de lis d'or, au bâton de gueules brochant sur le tout"});
    }
    {
        Armes a = Plein(Email::Argent);
        a.piece.piece = Piece::Croix;
        a.piece.email = Email::Sable;
        a.piece.accompagne = G(Meuble::Coquille, 4, Email::Gueules);
        a.chef = true;
        a.cousu = true;
        a.emailChef = Email::Or;
        cas.push_back({a, "D'argent à la croix de sable cantonnée de quatre coquilles de gueules, "
                          "au chef cousu d'or"});
    }
    {
        Armes a = Plein(Email::Gueules);
        a.meubles = G(Meuble::Lion, 2, Email::Or, Disposition::Affrontes);
        a.bord = Bord::Bordure;
        a.emailBord = Email::Hermine;
        cas.push_back({a, "De gueules à deux lions affrontés d'or, à la bordure d'hermine"});
    }
    for (const Cas& c : cas) EXPECT_EQ(Blasonner(c.armes).toStdString(), c.attendu);
}

TEST(Blason, LesTermesViennentDuModele) {
    Armes a = Plein(Email::Hermine);
    a.meubles = G(Meuble::Lion, 3, Email::Azur, Disposition::DeuxEtUn);
    const std::set<QString> t = TermesDe(a);
    for (const char* attendu :
         {"Hermine", "Fourrure", "Moucheture", "Lion", "Lionceau", "Posé", "Azur", "Couleur"})
        EXPECT_TRUE(t.count(QString::fromUtf8(attendu))) << attendu;
    EXPECT_FALSE(t.count(QStringLiteral("Argent"))); // the ermine's white is not named
}

TEST(Blason, RegleDesEmaux) {
    EXPECT_FALSE(Contraste(Email::Or, Email::Argent));
    EXPECT_FALSE(Contraste(Email::Azur, Email::Gueules));
    EXPECT_TRUE(Contraste(Email::Azur, Email::Or));
    EXPECT_TRUE(Contraste(Email::Hermine, Email::Gueules));
    EXPECT_FALSE(Contraste(Email::Hermine, Email::Argent));
    EXPECT_FALSE(Contraste(Email::Vair, Email::Azur));
}

// Random images of many sizes and colour counts, the table full and the end code
// at every code width: the program's decoder gives back every index.
TEST(EcrivainGif, LeDecodeurDuProgrammeRelitChaqueIndice) {
    Alea r(12345);
    for (const auto* pal : {&Palette64(), &Palette256()}) {
        ASSERT_EQ(pal == &Palette64() ? 64u : 256u, pal->size());
        for (int essai = 0; essai < 150; ++essai) {
            const int w = r.entre(1, 90), h = r.entre(1, 90);
            const int couleurs = r.entre(1, int(pal->size()));
            QImage img(w, h, QImage::Format_RGB32);
            std::vector<int> attendu(size_t(w) * h);
            int c = 0;
            for (int i = 0; i < w * h; ++i) {
                if (r.pc(30)) c = r.sous(couleurs);
                attendu[size_t(i)] = c;
                const Rgb q = (*pal)[size_t(c)];
                img.setPixel(i % w, i / w, qRgb(q.r, q.g, q.b));
            }
            const QByteArray gif = EncoderGif(img, *pal);
            armo::TGIFPicture p;
            p.LoadFromBytes(gif);
            ASSERT_EQ(p.Width(), w);
            ASSERT_EQ(p.Height(), h);
            ASSERT_FALSE(p.Corrupted());
            // The one image's data, read to its end code.
            const int bits = pal->size() == 64 ? 6 : 8;
            qsizetype k = 13 + 3 * qsizetype(pal->size()) + 10;
            ASSERT_EQ(gif[k], char(bits));
            QByteArray data;
            for (++k; gif[k] != 0; k += 1 + static_cast<unsigned char>(gif[k]))
                data.append(gif.constData() + k + 1, static_cast<unsigned char>(gif[k]));
            QString pourquoi;
            ASSERT_TRUE(LzwTermine(data, bits, qint64(w) * h, pourquoi))
                << w << "x" << h << " " << pourquoi.toStdString();
            const uint8_t* idx = p.Frames(0).Indices();
            for (int i = 0; i < w * h; ++i) {
                // Equal colours in the palette may share an index; compare colours.
                const Rgb a = (*pal)[idx[i]], b = (*pal)[size_t(attendu[size_t(i)])];
                ASSERT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b)
                    << w << "x" << h << " pixel " << i;
            }
        }
    }
}
