#pragma once
// Writing the data folder: text lists in Windows-1252 with CR LF, pages in ASCII.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace bat {

// Lines encoded in Windows-1252 (only the Latin-1 letters occur), each ended by CR LF.
QByteArray Lignes1252(const QStringList& lignes);

// Writes the file only when its bytes differ, creating the folders it needs.
void Ecrire(const QString& chemin, const QByteArray& octets);

} // namespace bat
