// TEMPORARY stand-ins until imaging/ commits the real pieces.
#include "affichage.h"
#include "erreurs.h"
#include "jpeg.h"
#include "ressources.h"

namespace armo {

void PeindreEtire(QPainter& p, const QRect& cible, const QImage& source) {
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(cible, source);
    p.restore();
}

QImage RendreEcu(const QString& nomRessource, QImage::Format format) {
    const QByteArrayView octets = OuvrirRessource("GIF", nomRessource);
    QImage gif = QImage::fromData(octets);
    if (gif.isNull()) Lever(TypeErreur::EInvalidGraphicOperation, "Unknown GIF version");
    QImage rendu(gif.size(), format);
    rendu.fill(Qt::white);
    QPainter p(&rendu);
    p.drawImage(0, 0, gif);
    return rendu;
}

QImage DecoderJPEG(QByteArrayView octets) {
    QImage image = QImage::fromData(octets, "JPEG");
    if (image.isNull()) Lever(TypeErreur::EJPEG, "Erreur JPEG #1");
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace armo
