#include "sortie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace bat {

QByteArray Lignes1252(const QStringList& lignes) {
    QByteArray b;
    for (const QString& l : lignes) {
        for (QChar c : l) {
            if (c.unicode() > 0xFF)
                throw std::runtime_error("caractere hors de Windows-1252: " + l.toStdString());
            b.push_back(static_cast<char>(c.unicode()));
        }
        b.append("\r\n");
    }
    return b;
}

void Ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    if (f.exists() && f.open(QIODevice::ReadOnly)) {
        if (f.readAll() == octets) return;
        f.close();
    }
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("impossible d'ecrire " + chemin.toStdString());
    f.write(octets);
}

} // namespace bat
