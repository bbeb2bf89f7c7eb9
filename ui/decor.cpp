#include "decor.h"

#include "erreurs.h"
#include "jpeg.h"
#include "ressources.h"

namespace armo {

namespace {

QImage Decoder(QByteArrayView octets) {
    if (octets.size() >= 2 && static_cast<unsigned char>(octets[0]) == 0xFF &&
        static_cast<unsigned char>(octets[1]) == 0xD8)
        return DecoderJPEG(octets);
    return QImage::fromData(octets);
}

QImage Chercher(const QString& jeu, const QString& nom) {
    const QString avant = JeuDeDonnees();
    ChoisirJeuDeDonnees(jeu);
    QImage image;
    try {
        image = Decoder(OuvrirRessource("TFP", nom));
    } catch (const Erreur&) {
    }
    ChoisirJeuDeDonnees(avant);
    return image;
}

} // namespace

QImage ImageDecor(const QString& nom) {
    QImage image = Chercher(JeuDeDonnees(), nom);
    if (image.isNull()) image = Chercher(QStringLiteral("armoriane"), nom);
    return image;
}

QImage GlypheTransparent(const QImage& glyphe) {
    if (glyphe.isNull()) return glyphe;
    QImage a = glyphe.convertToFormat(QImage::Format_ARGB32);
    const QRgb magenta = qRgb(255, 0, 255);
    for (int y = 0; y < a.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(a.scanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if ((ligne[x] | 0xFF000000u) == magenta) ligne[x] = 0;
    }
    return a;
}

} // namespace armo
