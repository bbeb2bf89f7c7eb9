#pragma once
// The fixed palettes of the shield pictures and a GIF89a writer of the one
// stream shape the program reads: global table, one image at (0, 0), no extension.
#include <QByteArray>
#include <QImage>
#include <vector>

namespace bat {

struct Rgb {
    unsigned char r, g, b;
};

// 64 entries: the tinctures, black, their blends with black and with each other.
const std::vector<Rgb>& Palette64();
// 256 entries: the same 64 first, then finer blends.
const std::vector<Rgb>& Palette256();

// Every pixel mapped to its nearest palette entry, written as a GIF stream.
QByteArray EncoderGif(const QImage& img, const std::vector<Rgb>& palette);

} // namespace bat
