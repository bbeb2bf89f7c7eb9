#pragma once
// TEMPORARY stand-in until imaging/ commits its libjpeg decoder.
#include <QByteArrayView>
#include <QImage>

namespace armo {
QImage DecoderJPEG(QByteArrayView octets);
} // namespace armo
