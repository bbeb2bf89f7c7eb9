#pragma once
// TEMPORARY stand-in until imaging/ commits its painter and shield renderer;
// removed as soon as the real header lands.
#include <QImage>
#include <QPainter>
#include <QString>

namespace armo {
void PeindreEtire(QPainter& p, const QRect& cible, const QImage& source);
QImage RendreEcu(const QString& nomRessource, QImage::Format format);
} // namespace armo
