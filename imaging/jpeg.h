#pragma once
// JPEG decoding through libjpeg, for the window's decorative pictures.
#include <QByteArrayView>
#include <QImage>

namespace armo {

// Full size, 24-bit RGB (QImage::Format_RGB888), libjpeg's default settings. A failure
// raises Erreur(EJPEG, "Erreur JPEG #<code>") with libjpeg's message code; libjpeg never
// gets to exit the program.
QImage DecoderJPEG(QByteArrayView octets);

} // namespace armo
