// Builds the whole embedded data set from a fixed seed: the catalogue of
// invented arms (names, blazons, GIF pictures), the glossary index, the 27
// dictionary pages and the window's pictures. Same seed, same bytes.
//
//   batisseur <data folder> [--planches <folder>]
#include "blason.h"
#include "dessin.h"
#include "fenetre.h"
#include "generation.h"
#include "gif.h"
#include "noms.h"
#include "pages.h"
#include "sortie.h"
#include "termes.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

using namespace bat;

namespace {

constexpr std::uint64_t GRAINE = 0x41524D4F5249414Eull;
constexpr int NB_ECUS = 600;
constexpr int MAX_TERMES = 23;

struct Ecu {
    QString nom;
    Armes armes;
    QString blason;
    std::set<QString> termes;
    int source = 0;
};

QChar Initiale(const QString& terme) {
    return QString(terme.at(0)).normalized(QString::NormalizationForm_D).at(0).toLower();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: batisseur <dossier de donnees> [--planches <dossier>]\n");
        return 2;
    }
    const QString sortie = QString::fromLocal8Bit(argv[1]);
    QString planches;
    for (int i = 2; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--planches") planches = QString::fromLocal8Bit(argv[i + 1]);

    try {
        Alea r(GRAINE);
        QStringList noms = InventerNoms(r, NB_ECUS);
        std::sort(noms.begin(), noms.end(),
                  [](const QString& a, const QString& b) { return CleDeTri(a) < CleDeTri(b); });

        // The arms: accepted only within the blazon lengths and the glossary bounds, all different.
        std::vector<Ecu> ecus(NB_ECUS);
        std::set<QString> blasons;
        for (int i = 0; i < NB_ECUS; ++i) {
            Ecu& e = ecus[i];
            e.nom = noms[i];
            // Now and then the richest of many draws, so that long blazons occur too.
            const int tirages = r.pc(5) ? 150 : 1;
            int pris = 0;
            while (pris < tirages) {
                Armes armes = TirerArmes(r);
                const QString blason = Blasonner(armes);
                std::set<QString> t = TermesDe(armes);
                if (blason.size() < 21 || blason.size() > 390) continue;
                if (t.size() < 2 || t.size() > MAX_TERMES) continue;
                if (blasons.count(blason)) continue;
                ++pris;
                if (blason.size() > e.blason.size()) {
                    e.armes = armes;
                    e.blason = blason;
                    e.termes = t;
                }
            }
            blasons.insert(e.blason);
            e.source = r.sous(int(Sources().size()));
        }

        // corres and ecus.
        QStringList corres, lignesEcus;
        for (int i = 0; i < NB_ECUS; ++i) {
            corres << QStringLiteral("D%1 %2.gif").arg(i + 1, 4, 10, QChar(u'0')).arg(ecus[i].nom);
            lignesEcus << ecus[i].nom + u'$' + ecus[i].blason;
        }
        Ecrire(sortie + "/RT_RCDATA/corres.txt", Lignes1252(corres));
        Ecrire(sortie + "/RT_RCDATA/ecus.txt", Lignes1252(lignesEcus));

        // indfini: each term with the shields whose model shows it, in ascending order.
        std::map<QString, std::vector<int>> refs;
        for (int i = 0; i < NB_ECUS; ++i)
            for (const QString& t : ecus[i].termes) refs[t].push_back(i);
        std::map<QString, QString> definitions;
        for (const Definition& d : Vocabulaire())
            definitions[QString::fromUtf8(d.terme)] = QString::fromUtf8(d.definition);
        std::vector<QString> termes;
        for (auto& [t, v] : refs) {
            if (!definitions.count(t))
                throw std::runtime_error("terme sans definition: " + t.toStdString());
            termes.push_back(t);
        }
        std::sort(termes.begin(), termes.end(),
                  [](const QString& a, const QString& b) { return CleDeTri(a) < CleDeTri(b); });
        QStringList index;
        int total = 0;
        for (const QString& t : termes) {
            QString l = t + u'$';
            for (int i : refs[t]) l += QStringLiteral("%1").arg(i, 6, 10, QChar(u'0'));
            total += int(refs[t].size());
            index << l;
        }
        Ecrire(sortie + "/RT_RCDATA/indfini.txt", Lignes1252(index));

        // The dictionary: every glossary term, then the entries the dictionary alone holds.
        std::map<QChar, std::vector<Entree>> parLettre;
        int nbCitations = 0;
        for (const QString& t : termes) {
            Entree e{t, definitions[t], {}};
            const std::vector<int>& v = refs[t];
            std::vector<int> choix = {v.front()};
            if (v.size() > 2) choix.push_back(v[v.size() / 2]);
            if (v.size() > 1) choix.push_back(v.back());
            for (int i : choix)
                e.citations.push_back({Sources()[ecus[i].source].annee, ecus[i].blason});
            nbCitations += int(e.citations.size());
            parLettre[Initiale(t)].push_back(e);
        }
        for (const Definition& d : DictionnaireSeul()) {
            const QString t = QString::fromUtf8(d.terme);
            if (refs.count(t)) continue;
            parLettre[Initiale(t)].push_back({t, QString::fromUtf8(d.definition), {}});
        }
        int nbEntrees = 0;
        for (auto& [l, v] : parLettre) {
            std::sort(v.begin(), v.end(), [](const Entree& a, const Entree& b) {
                return CleDeTri(a.terme) < CleDeTri(b.terme);
            });
            nbEntrees += int(v.size());
        }
        for (char c = 'a'; c <= 'z'; ++c)
            Ecrire(sortie + QStringLiteral("/RT_RCDATA/gloss_%1.html").arg(c),
                   PageLettre(QChar(c), parLettre[QChar(c)]));
        Ecrire(sortie + "/RT_RCDATA/refer.html", PageReferences());

        // The pictures: most at 297 x 381, three at 294 x 378, one at 297 x 378;
        // six with the finer 256-entry palette.
        std::map<int, QSize> tailles = {
            {57, {294, 378}}, {233, {294, 378}}, {418, {294, 378}}, {509, {297, 378}}};
        const std::set<int> fines = {11, 146, 275, 342, 467, 588};
        std::vector<QImage> vignettes;
        for (int i = 0; i < NB_ECUS; ++i) {
            const QSize s = tailles.count(i) ? tailles[i] : QSize(297, 381);
            const QImage img = DessinerEcu(ecus[i].armes, s.width(), s.height());
            const QByteArray gif = EncoderGif(img, fines.count(i) ? Palette256() : Palette64());
            Ecrire(sortie + QStringLiteral("/GIF/D%1.gif").arg(i + 1, 4, 10, QChar(u'0')), gif);
            if (!planches.isEmpty()) vignettes.push_back(img);
        }

        // The window's pictures.
        Ecrire(sortie + "/TFP/image2.jpg", Jpeg(Degrade2(), 90));
        Ecrire(sortie + "/TFP/degrade.jpg", Jpeg(DegradeDiag(), 90));
        Ecrire(sortie + "/TFP/image1.bmp", Bmp24(Lueur()));
        Ecrire(sortie + "/TFP/image4.jpg", Jpeg(Logo(), 92));
        Ecrire(sortie + "/TFP/icone.bmp", Icone());
        Ecrire(sortie + "/TFP/fleche_g.bmp", Bmp24(Fleche(true)));
        Ecrire(sortie + "/TFP/fleche_d.bmp", Bmp24(Fleche(false)));

        // Contact sheets, 10 x 6 shields each, for looking at the pictures.
        if (!planches.isEmpty()) {
            QDir().mkpath(planches);
            const int vw = 132, vh = 170;
            for (int f = 0; f * 60 < NB_ECUS; ++f) {
                QImage feuille(10 * vw, 6 * vh, QImage::Format_RGB32);
                feuille.fill(QColor(200, 200, 200));
                QPainter p(&feuille);
                p.setRenderHint(QPainter::SmoothPixmapTransform, true);
                for (int k = 0; k < 60 && f * 60 + k < NB_ECUS; ++k)
                    p.drawImage(QRect((k % 10) * vw + 2, (k / 10) * vh + 2, vw - 4, vh - 4),
                                vignettes[f * 60 + k]);
                p.end();
                feuille.save(planches +
                             QStringLiteral("/planche_%1.png").arg(f + 1, 2, 10, QChar(u'0')));
            }
            QStringList liste;
            for (int i = 0; i < NB_ECUS; ++i)
                liste
                    << QStringLiteral("D%1 %2").arg(i + 1, 4, 10, QChar(u'0')).arg(ecus[i].blason);
            Ecrire(planches + "/blasons.txt", liste.join(u'\n').toUtf8() + '\n');
        }

        std::printf("%d ecus, %d termes, %d references, %d entrees, %d citations\n", NB_ECUS,
                    int(termes.size()), total, nbEntrees, nbCitations);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "batisseur: %s\n", e.what());
        return 1;
    }
    return 0;
}
