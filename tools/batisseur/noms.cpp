#include "noms.h"

#include <set>

namespace bat {

namespace {

const char* kDebuts[] = {"Qu",  "Bel", "Mar", "Ro",  "Lan", "Ver", "Mon", "Gar", "Char", "Fau",
                         "Bou", "Tré", "Sau", "Vil", "Dar", "Cas", "Mal", "Pey", "Lor",  "Bru",
                         "Gui", "Hau", "Jou", "Lé",  "Neu", "Pra", "Ri",  "Sé",  "Tal",  "Aub",
                         "Ber", "Cor", "Dé",  "Fon", "Gre", "Mau", "Pel", "Ros", "Ste",  "Tho",
                         "Bal", "Cal", "Gal", "Jar", "Ker", "Len", "Mé",  "Nor", "Pas",  "Ren",
                         "Sol", "Tar", "Vau", "Bré", "Clo", "Fré", "Gou", "Lar", "Mon",  "Pon"};
const char* kFins[] = {"enet",  "ault", "ard",  "ier",   "ot",   "eau",  "ois",  "ac",
                       "ieu",   "ange", "elin", "ignac", "onde", "ert",  "esse", "our",
                       "ain",   "ille", "in",   "ouin",  "aud",  "ény",  "ès",   "y",
                       "ançon", "erel", "ille", "ichon", "ombe", "agne", "ière", "oux",
                       "ade",   "el",   "âtre", "et",    "ieux", "uel",  "ard",  "essac"};
const char* kLieuxA[] = {"Val",   "Mont",  "Roche", "Beau",  "Clair", "Font", "Haut",
                         "Bois",  "Pré",   "Ker",   "Lan",   "Ros",   "Mal",  "Pierre",
                         "Belle", "Grand", "Vieil", "Champ", "Mar",   "Ville"};
const char* kLieuxB[] = {"brune",  "ferrat", "lieu",  "vent", "fort",  "mare",   "castel",
                         "pierre", "combe",  "noir",  "sec",  "val",   "mesnil", "ry",
                         "ville",  "court",  "champ", "roux", "mont",  "lac",    "fontaine",
                         "garde",  "rive",   "bourg", "pré",  "lande", "verte",  "haye"};
const char* kVoyelles[] = {"Aur", "Esc", "Orv", "Ambr", "Ys", "Arg", "Ill", "Aig", "Oll", "Erm"};
const char* kFem[] = {"Roche", "Tour",     "Motte", "Haye",  "Forêt",
                      "Croix", "Fontaine", "Garde", "Lande", "Vallée"};
const char* kMasc[] = {"Puy",  "Mesnil", "Bois",   "Val",  "Plessis",
                       "Pont", "Chêne",  "Breuil", "Mont", "Pré"};

template <size_t N> QString Un(Alea& r, const char* (&t)[N]) {
    return QString::fromUtf8(t[r.sous(int(N))]);
}

QString Patronyme(Alea& r) {
    QString s = Un(r, kDebuts) + Un(r, kFins);
    if (r.pc(12)) s = Un(r, kDebuts) + Un(r, kFins).left(1) + Un(r, kFins);
    return s;
}

QString Lieu(Alea& r) {
    QString b = Un(r, kLieuxB);
    return Un(r, kLieuxA) + b;
}

QString Nom(Alea& r) {
    const int forme = r.sous(100);
    if (forme < 14) return Patronyme(r);
    if (forme < 18) return Patronyme(r) + u'-' + Patronyme(r);
    if (forme < 24) return QStringLiteral("d'") + Un(r, kVoyelles) + Un(r, kFins);
    if (forme < 30)
        return (r.pc(50) ? QStringLiteral("Le ") : QStringLiteral("La ")) + Patronyme(r) +
               QStringLiteral(" de ") + Lieu(r);
    if (forme < 36) return Patronyme(r) + QStringLiteral(" d'") + Un(r, kVoyelles) + Un(r, kFins);
    if (forme < 42) return Patronyme(r) + QStringLiteral(" du ") + Un(r, kMasc);
    if (forme < 48) return Patronyme(r) + QStringLiteral(" de la ") + Un(r, kFem);
    if (forme < 51)
        return Patronyme(r) + QStringLiteral(" de ") + Lieu(r) + QStringLiteral(" et de ") +
               Lieu(r);
    if (forme < 53) return Patronyme(r) + QStringLiteral(" de Saint-") + Patronyme(r);
    return Patronyme(r) + QStringLiteral(" de ") + Lieu(r);
}

} // namespace

QString CleDeTri(const QString& nom) {
    QString cle;
    for (QChar c : nom) {
        if (c == u'\'' || c == QChar(0x2019)) continue;
        if (c.isLetter()) {
            const QString base = QString(c).normalized(QString::NormalizationForm_D);
            cle += base.at(0).toLower();
        } else {
            cle += u' ';
        }
    }
    return cle;
}

QStringList InventerNoms(Alea& r, int n) {
    QStringList noms;
    std::set<QString> vus;
    while (noms.size() < n) {
        const QString s = Nom(r);
        if (s.size() < 4 || s.size() > 36) continue;
        if (!vus.insert(CleDeTri(s)).second) continue;
        noms << s;
    }
    return noms;
}

} // namespace bat
