#pragma once
// Reading the LZW data of a one-image GIF to its end code, apart from any decoder
// that stops at the last pixel: the stream must close with the end code.
#include <QByteArray>
#include <QString>
#include <vector>

// The LZW data of the one image: the end code must close it, after exactly w*h pixels.
inline bool LzwTermine(const QByteArray& data, int taille0, qint64 pixels, QString& pourquoi) {
    const int clear = 1 << taille0, fin = clear + 1;
    int taille = taille0 + 1, prochain = fin + 1;
    std::vector<int> longueur(4096, 0);
    for (int i = 0; i < clear; ++i) longueur[i] = 1;
    qint64 bits = 0, n = 0;
    int prec = -1;
    auto code = [&]() -> int {
        if (bits + taille > qint64(data.size()) * 8) return -1;
        int v = 0;
        for (int k = 0; k < taille; ++k, ++bits)
            if (static_cast<unsigned char>(data[bits / 8]) & (1 << (bits % 8))) v |= 1 << k;
        return v;
    };
    for (;;) {
        const int c = code();
        if (c < 0) {
            pourquoi = QStringLiteral("donnees finies sans code de fin");
            return false;
        }
        if (c == clear) {
            taille = taille0 + 1;
            prochain = fin + 1;
            prec = -1;
            continue;
        }
        if (c == fin) break;
        int l;
        if (c < prochain && longueur[c])
            l = longueur[c];
        else if (c == prochain && prec >= 0)
            l = longueur[prec] + 1;
        else {
            pourquoi = QStringLiteral("code %1 hors de la table").arg(c);
            return false;
        }
        n += l;
        if (prec >= 0 && prochain < 4096) {
            longueur[prochain] = longueur[prec] + 1;
            ++prochain;
            if (prochain == (1 << taille) && taille < 12) ++taille;
        }
        prec = c;
    }
    if (n != pixels) {
        pourquoi = QStringLiteral("%1 pixels codes pour %2").arg(n).arg(pixels);
        return false;
    }
    if ((bits + 7) / 8 < data.size()) {
        pourquoi = QStringLiteral("octets apres le code de fin");
        return false;
    }
    return true;
}
