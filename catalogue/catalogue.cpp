#include "catalogue.h"

#include "erreurs.h"
#include "ressources.h"

#include <limits>

namespace armo {

QString Catalogue::BlasonEcu(int i) const {
    const QString& l = ls_Ecus[i];
    const qsizetype p = l.indexOf(u'$');
    return p < 0 ? l : l.mid(p + 1);
}

int Catalogue::NbRefs(int t) const { return static_cast<int>(ls_Refs[t].size() / 6); }

int Catalogue::RefEcu(int t, int j) const { return LireEntier(ls_Refs[t].mid(6 * qsizetype(j), 6)); }

void Catalogue::AjouterNoms(const ListeTexte& corres) {
    for (const QString& l : corres.lignes()) ls_Noms.Ajouter(NomDeLigneCorres(l));
}

void Catalogue::AjouterIndex(const ListeTexte& indfini) {
    for (const QString& l : indfini.lignes()) {
        const qsizetype p = l.indexOf(u'$');
        ls_Termes.Ajouter(p < 0 ? QString() : l.left(p));
        ls_Refs.Ajouter(p < 0 ? l : l.mid(p + 1));
    }
}

void Catalogue::ChargerNoms() {
    ListeTexte corres;
    try {
        corres = ChargerListe(QStringLiteral("corres"));
    } catch (const Erreur&) {
    }
    AjouterNoms(corres);
}

void Catalogue::ChargerEcus() {
    try {
        ls_Ecus = ChargerListe(QStringLiteral("ecus"));
    } catch (const Erreur&) {
    }
}

void Catalogue::ChargerIndex() {
    ListeTexte indfini;
    try {
        indfini = ChargerListe(QStringLiteral("indfini"));
    } catch (const Erreur&) {
    }
    AjouterIndex(indfini);
}

QString NomDeLigneCorres(const QString& ligne) {
    return ligne.size() <= 10 ? QString() : ligne.mid(6, ligne.size() - 10);
}

QString CORRNOM(int n) { return u'D' + (QStringLiteral("000") + QString::number(n)).right(4); }

int LireEntier(const QString& texte) {
    auto echec = [&]() -> int {
        Lever(TypeErreur::EConvertError,
              QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(texte));
    };
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && texte[i] == u' ') ++i;
    bool negatif = false;
    if (i < n && (texte[i] == u'+' || texte[i] == u'-')) negatif = texte[i++] == u'-';
    int base = 10;
    if (i < n && (texte[i] == u'$' || texte[i] == u'x' || texte[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && texte[i] == u'0' && (texte[i + 1] == u'x' || texte[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n) return echec();
    // Accumulate as a magnitude so that the most negative value is still readable.
    const quint64 limite = negatif ? quint64(std::numeric_limits<int>::max()) + 1
                                   : quint64(std::numeric_limits<int>::max());
    quint64 valeur = 0;
    for (; i < n; ++i) {
        const char16_t c = texte[i].unicode();
        int chiffre;
        if (c >= u'0' && c <= u'9') chiffre = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f') chiffre = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F') chiffre = c - u'A' + 10;
        else return echec();
        valeur = valeur * base + chiffre;
        if (valeur > limite) return echec();
    }
    return negatif ? static_cast<int>(-static_cast<qint64>(valeur)) : static_cast<int>(valeur);
}

QStringList NomsPages() {
    QStringList pages;
    for (char c = 'a'; c <= 'z'; ++c) pages << QStringLiteral("gloss_") + QChar(c);
    pages << QStringLiteral("refer");
    return pages;
}

} // namespace armo
