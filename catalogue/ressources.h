#pragma once
// The resource store: every text list, page and picture the program shows is
// embedded in the executable and found here by (type, name).
#include "listetexte.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace armo {

inline constexpr int RT_RCDATA = 10;

// A resource type is either a number (RT_RCDATA) or a name ("GIF"); the two never meet.
class TypeRessource {
public:
    TypeRessource(int numero) : numero_(numero) {}
    TypeRessource(const char* nom) : numero_(-1), nom_(QString::fromUtf8(nom).toUpper()) {}
    TypeRessource(const QString& nom) : numero_(-1), nom_(nom.toUpper()) {}
    bool numerote() const { return numero_ >= 0; }
    int numero() const { return numero_; }
    const QString& nom() const { return nom_; }

private:
    int numero_;
    QString nom_;
};

// The bytes of a resource, in place in the executable and valid for the whole run.
// Fails with EResNotFound "Ressource %s non trouvée", the name as asked.
QByteArrayView OuvrirRessource(const TypeRessource& type, const QString& nom);

// The names the store holds under a type, in upper case and sorted.
QStringList NomsRessources(const TypeRessource& type);

// The lines of the RT_RCDATA resource of that name, decoded and split.
ListeTexte ChargerListe(const QString& nom);

// Decoding and line splitting of ChargerListe, on any bytes.
ListeTexte DecouperTexte(QByteArrayView octets);

// Which embedded data set the store reads: "armoriane" is the program's own;
// tests embed small fixture sets beside it under other names.
void ChoisirJeuDeDonnees(const QString& racine);
QString JeuDeDonnees();

} // namespace armo
