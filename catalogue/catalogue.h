#pragma once
// The shield catalogue and the glossary index: the read-only lists built at
// start-up from "corres", "ecus" and "indfini", and what is read back from them.
#include "listetexte.h"

#include <QString>
#include <QStringList>

namespace armo {

struct Catalogue {
    ListeTexte ls_Noms;   // shield names, by IdxEcu
    ListeTexte ls_Ecus;   // "name$blazon" lines, by IdxEcu
    ListeTexte ls_Termes; // glossary terms, in resource order
    ListeTexte ls_Refs;   // for each term, its 6-digit shield references, uncut

    int N() const { return ls_Noms.Count(); }

    // The text of ls_Ecus[i] after its first "$" (the whole line when it has none).
    QString BlasonEcu(int i) const;
    // Whole 6-character groups in ls_Refs[t]; a trailing partial group does not count.
    int NbRefs(int t) const;
    // The j-th shield of term t, from 0.
    int RefEcu(int t, int j) const;

    // Start-up loads: each reads its resource and fills its lists; any failure
    // is swallowed and leaves the lists as they were.
    void ChargerNoms();
    void ChargerEcus();
    void ChargerIndex();

    // The cutting of each list's lines, apart from the resource reading.
    void AjouterNoms(const ListeTexte& corres);
    void AjouterIndex(const ListeTexte& indfini);
};

// A "corres" line less its first six and last four characters (may be empty).
QString NomDeLigneCorres(const QString& ligne);

// The picture resource name of shield number n: "D" and the last four characters
// of "000" followed by n. CORRNOM(1) = "D0001", CORRNOM(-1) = "D00-1".
QString CORRNOM(int n);

// Reads an integer as the run-time library does: blanks, an optional sign, then
// decimal digits, or hexadecimal after "$", "x", "X", "0x" or "0X". Anything else
// fails with EConvertError "'%s' n'est pas une valeur entière correcte".
int LireEntier(const QString& texte);

// The 27 dictionary pages, "gloss_a" … "gloss_z" then "refer".
QStringList NomsPages();

} // namespace armo
