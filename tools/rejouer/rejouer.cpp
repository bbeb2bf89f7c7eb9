// rejouer: replays user actions on the browsing state, without a window, and
// prints the state after each one as one line of JSON.
#include "catalogue.h"
#include "enregistreur.h"
#include "erreurs.h"
#include "navigation.h"
#include "ressources.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

using namespace armo;

namespace {

const char* AIDE = R"(usage: rejouer [--jeu NOM] < script

Builds the catalogue from an embedded data set: by default the program's own,
"armoriane", or, while that one holds no text list, the base fixture set
"fx_base" when the tests are built; --jeu NOM names the set (fx_base,
fx_sans_corres, fx_sans_ecus, fx_sans_indfini, fx_sans_gloss_a, armoriane).
It starts as the window does (IMAGE, PLANCHE and GLOSSAIRE panels at 770 x 454,
FormCreate's views, then the first resize's GLOSSAIRE load) and prints one JSON
line for that start-up. Then it reads one command per line from standard
input and prints one JSON line after each. Blank lines and lines starting with
"#" are skipped and print nothing.

Commands (indices from 0):
  tab P        the user selects tab P (0 IMAGE, 1 PLANCHE, 2 GLOSSAIRE,
               3 DICTIONNAIRE); the active tab does nothing
  liste S      the user selects item S of PLUN_liste
  terme T      the user selects item T of GL_liste
  nbpl I       the user changes cb_Nim_PL to entry I (0..3); -1 is typed text
               matching no entry
  nbgl I       the same for cb_Nim_MD
  prec         the previous command
  suiv         the next command
  dbimg        a double-click on the IMAGE picture
  clic K       a click on picture K of the plate of the active tab
  dblclic K    a double-click there: its click, then the double-click operation
  taille W H   the three tab panels become W x H; FormResize runs

A command the user could not give at that moment (a control that is hidden,
an item or picture that does not exist) is refused like a line that does not
parse: nothing runs and the line is {"commande": <line>, "invalide": <why>}.

Every other line holds, keys in alphabetical order:
  commande     the command line ("demarrage" for the start-up line)
  erreur       null, or the message of the error that ended the operation
               (the state is shown as that step left it)
  UN_Courant, PL_Debut, PL_Rangs, GL_Debut, GL_Rangs, GL_NbRefs, S, T
  onglet       the active tab
  cb_Nim_PL, cb_Nim_MD   the combos' chosen entries (-1: none)
  lbnom, Mem_blason      the header texts
  visibles     {pn_GaucBas, lbnom, Mem_blason, GL_liste, cb_Nim_PL,
               cb_Nim_MD, clic_sur_img}: true when shown
  bt_prec, bt_suiv       the buttons' hints
  chargements  the loads run during the command, in order:
               "UN_ChargerImage", "PL_ChargerImage", "GL_ChargerImage"
  pong_Pla, pong_Rch     each plate: {"images": [{"nom", "tag", "dime"}...],
               "cadre": dime or null}; a dime is [left, top, width, height]
  Img          the IMAGE picture's bounds as a dime, null before any IMAGE load
)";

QJsonArray Json(const Dime& d) {
    return {d.zl, d.zt, d.zw, d.zh};
}

QJsonObject Json(const EnregistreurVues::Planche& p) {
    QJsonArray images;
    for (const ImagePlanche& im : p.images)
        images.append(QJsonObject{{"nom", im.nom}, {"tag", im.tag}, {"dime", Json(im.dime)}});
    return {{"images", images},
            {"cadre", p.cadre ? QJsonValue(Json(p.cadre->dime)) : QJsonValue(QJsonValue::Null)}};
}

QJsonObject Json(const EtatNavigation& e, const EnregistreurVues& v) {
    const EtatNavigation::Visibles& vis = e.visibles;
    QJsonArray chargements;
    for (Chargement c : v.chargements) chargements.append(QLatin1String(NomChargement(c)));
    const bool img = v.img.bornes.zw != 0 || v.img.bornes.zh != 0 || v.img.ecu >= 0;
    return {
        {"UN_Courant", e.UN_Courant},
        {"PL_Debut", e.PL_Debut},
        {"PL_Rangs", e.PL_Rangs},
        {"GL_Debut", e.GL_Debut},
        {"GL_Rangs", e.GL_Rangs},
        {"GL_NbRefs", e.GL_NbRefs},
        {"S", e.S},
        {"T", e.T},
        {"onglet", e.Onglet},
        {"cb_Nim_PL", e.Entree_cb_Nim_PL},
        {"cb_Nim_MD", e.Entree_cb_Nim_MD},
        {"lbnom", e.lbnom},
        {"Mem_blason", e.Mem_blason},
        {"visibles", QJsonObject{{"pn_GaucBas", vis.pn_GaucBas},
                                 {"lbnom", vis.lbnom},
                                 {"Mem_blason", vis.Mem_blason},
                                 {"GL_liste", vis.GL_liste},
                                 {"cb_Nim_PL", vis.cb_Nim_PL},
                                 {"cb_Nim_MD", vis.cb_Nim_MD},
                                 {"clic_sur_img", vis.clic_sur_img}}},
        {"bt_prec", e.Conseil_bt_prec},
        {"bt_suiv", e.Conseil_bt_suiv},
        {"chargements", chargements},
        {"pong_Pla", Json(v.pla)},
        {"pong_Rch", Json(v.rch)},
        {"Img", img ? QJsonValue(Json(v.img.bornes)) : QJsonValue(QJsonValue::Null)},
    };
}

void Ecrire(const QJsonObject& o) {
    const QByteArray ligne = QJsonDocument(o).toJson(QJsonDocument::Compact);
    std::fwrite(ligne.constData(), 1, static_cast<size_t>(ligne.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// A refused command: the reason, and nothing has run.
struct Refus {
    QString raison;
};

class Rejeu {
public:
    Rejeu() : etat_(cat_, vues_) {
        vues_.verifierRessources = true;
        cat_.ChargerNoms();
        cat_.ChargerEcus();
        cat_.ChargerIndex();
    }

    void Demarrer() {
        const QStringList echecs = etat_.Demarrer();
        Sortie(QStringLiteral("demarrage"),
               echecs.isEmpty() ? std::optional<QString>() : std::optional(echecs.join(u'\n')));
    }

    void Ligne(const QString& ligne) {
        const QString l = ligne.trimmed();
        if (l.isEmpty() || l.startsWith(u'#')) return;
        vues_.Effacer();
        std::optional<QString> erreur;
        try {
            Executer(l.split(u' ', Qt::SkipEmptyParts));
        } catch (const Refus& r) {
            Ecrire({{"commande", l}, {"invalide", r.raison}});
            return;
        } catch (const Erreur& e) {
            erreur = e.message();
        }
        Sortie(l, erreur);
    }

private:
    void Sortie(const QString& commande, const std::optional<QString>& erreur) {
        QJsonObject o = Json(etat_, vues_);
        o.insert("commande", commande);
        o.insert("erreur", erreur ? QJsonValue(*erreur) : QJsonValue(QJsonValue::Null));
        Ecrire(o);
    }

    static int Entier(const QStringList& mots, int i, int min, int max) {
        bool ok = false;
        const int n = mots.value(i).toInt(&ok);
        if (!ok) throw Refus{QStringLiteral("argument attendu: un entier")};
        if (n < min || n > max)
            throw Refus{QStringLiteral("argument hors de %1..%2").arg(min).arg(max)};
        return n;
    }

    static void Arguments(const QStringList& mots, int n) {
        if (mots.size() != n + 1)
            throw Refus{QStringLiteral("%1 attend %2 argument(s)").arg(mots[0]).arg(n)};
    }

    void Exiger(bool accessible, const char* quoi) const {
        if (!accessible)
            throw Refus{QStringLiteral("%1 n'est pas accessible ici").arg(QLatin1String(quoi))};
    }

    bool ColonneVisible() const { return etat_.visibles.pn_GaucBas; }

    int TagImage(int k) {
        const Panneau p = etat_.Onglet == ONG_PLANCHE ? Panneau::pong_Pla : Panneau::pong_Rch;
        const auto& images = vues_.planche(p).images;
        if (k >= images.size()) throw Refus{QStringLiteral("la planche n'a pas d'image %1").arg(k)};
        return images[k].tag;
    }

    void Executer(const QStringList& mots) {
        const QString& c = mots[0];
        const EtatNavigation::Visibles& vis = etat_.visibles;
        if (c == "tab") {
            Arguments(mots, 1);
            const int p = Entier(mots, 1, 0, 3);
            if (p != etat_.Onglet) etat_.OngChange(p);
        } else if (c == "liste") {
            Arguments(mots, 1);
            const int s = Entier(mots, 1, 0, cat_.N() - 1);
            Exiger(ColonneVisible() && !vis.GL_liste && etat_.Onglet != ONG_DICTIONNAIRE,
                   "PLUN_liste");
            etat_.S = s;
            etat_.PLUN_listeClick();
        } else if (c == "terme") {
            Arguments(mots, 1);
            const int t = Entier(mots, 1, 0, cat_.ls_Termes.Count() - 1);
            Exiger(ColonneVisible() && vis.GL_liste && etat_.Onglet != ONG_DICTIONNAIRE,
                   "GL_liste");
            etat_.T = t;
            etat_.GL_listeClick();
        } else if (c == "nbpl" || c == "nbgl") {
            Arguments(mots, 1);
            const int i = Entier(mots, 1, -1, 3);
            if (c == "nbpl") {
                Exiger(ColonneVisible() && vis.cb_Nim_PL, "cb_Nim_PL");
                etat_.Entree_cb_Nim_PL = i;
                etat_.PL_Nombre_Images();
            } else {
                Exiger(ColonneVisible() && vis.cb_Nim_MD, "cb_Nim_MD");
                etat_.Entree_cb_Nim_MD = i;
                etat_.GL_Nombre_Images();
            }
        } else if (c == "prec" || c == "suiv") {
            Arguments(mots, 0);
            Exiger(etat_.Onglet != ONG_DICTIONNAIRE, c == "prec" ? "bt_prec" : "bt_suiv");
            if (c == "prec")
                etat_.Dess_Precedent();
            else
                etat_.Dess_Suivant();
        } else if (c == "dbimg") {
            Arguments(mots, 0);
            Exiger(etat_.Onglet == ONG_IMAGE, "Img");
            etat_.Img_dbclic();
        } else if (c == "clic" || c == "dblclic") {
            Arguments(mots, 1);
            const int k = Entier(mots, 1, 0, 44);
            Exiger(etat_.Onglet == ONG_PLANCHE || etat_.Onglet == ONG_GLOSSAIRE, "une planche");
            const int tag = TagImage(k);
            const bool planche = etat_.Onglet == ONG_PLANCHE;
            if (planche)
                etat_.PL_SelectionImage(tag);
            else
                etat_.GL_SelectionImage(tag);
            if (c == "dblclic") {
                if (planche)
                    etat_.MemoImageSel(tag);
                else
                    etat_.MemoImageSel2(tag);
            }
        } else if (c == "taille") {
            Arguments(mots, 2);
            const int w = Entier(mots, 1, 1, 100000);
            const int h = Entier(mots, 2, 1, 100000);
            vues_.DefinirTailles(w, h);
            etat_.FormResize();
        } else {
            throw Refus{QStringLiteral("commande inconnue")};
        }
    }

    Catalogue cat_;
    EnregistreurVues vues_;
    EtatNavigation etat_;
};

} // namespace

int main(int argc, char** argv) {
    QString jeu;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::fputs(AIDE, stdout);
            return 0;
        }
        if (!std::strcmp(argv[i], "--jeu") && i + 1 < argc) {
            jeu = QString::fromLocal8Bit(argv[++i]);
            continue;
        }
        std::fprintf(stderr, "rejouer: option inconnue %s (voir --help)\n", argv[i]);
        return 2;
    }
    if (jeu.isEmpty()) {
        // Until the program's data set holds its lists, the base fixture set stands in.
        ChoisirJeuDeDonnees(QStringLiteral("armoriane"));
        jeu = QStringLiteral("armoriane");
        if (NomsRessources(RT_RCDATA).isEmpty()) {
            ChoisirJeuDeDonnees(QStringLiteral("fx_base"));
            if (!NomsRessources(RT_RCDATA).isEmpty()) {
                jeu = QStringLiteral("fx_base");
                std::fputs("rejouer: le jeu armoriane est vide, fx_base le remplace\n", stderr);
            }
        }
    }
    ChoisirJeuDeDonnees(jeu);
    if (NomsRessources(RT_RCDATA).isEmpty())
        std::fprintf(stderr, "rejouer: le jeu de données %s n'a aucune liste\n",
                     jeu.toUtf8().constData());
    Rejeu rejeu;
    rejeu.Demarrer();
    std::string ligne;
    while (std::getline(std::cin, ligne)) rejeu.Ligne(QString::fromUtf8(ligne));
    return 0;
}
