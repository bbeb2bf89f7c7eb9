#pragma once
// How pictures reach the screen: the nearest-neighbour stretching every picture
// control paints through, and a shield rendered onto a white bitmap of its size.
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

namespace armo {

class TGIFPicture;

// Paints the whole source into the target rectangle by the nearest-neighbour rule:
// every destination pixel takes the colour of one source pixel, at any device pixel
// ratio; nothing is averaged, so no colour appears that the source does not hold.
void PeindreEtire(QPainter& p, const QRect& cible, const QImage& source);

// Decodes the "GIF" resource of that name and draws it at (0, 0) onto a new white
// bitmap of its own size in that format. Raises the decoder's errors.
// `reprise` is a bitmap no longer needed: when it has that size and format and
// nothing else shares it, its memory is drawn into instead of a new one.
QImage RendreEcu(const QString& nomRessource, QImage::Format format, QImage reprise = {});

// The same drawing for a picture already loaded (a null image when it is empty).
QImage RendreImage(TGIFPicture& image, QImage::Format format, QImage reprise = {});

} // namespace armo
