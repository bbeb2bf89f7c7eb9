#pragma once
// The 27 dictionary pages: one HTML document on one ASCII line each.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace bat {

struct Source {
    int annee;
    const char* auteur; // empty when the work is anonymous
    const char* titre;
};
const std::vector<Source>& Sources();

struct Citation {
    int annee;
    QString texte;
};

struct Entree {
    QString terme;
    QString definition;
    std::vector<Citation> citations;
};

// Non-ASCII letters as HTML 4 named entities, markup characters escaped.
QByteArray EnEntites(const QString& texte);

// The page of one letter ('a'..'z') with its entries.
QByteArray PageLettre(QChar lettre, const std::vector<Entree>& entrees);
QByteArray PageReferences();

} // namespace bat
