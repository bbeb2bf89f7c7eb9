#pragma once
// The window's decorative pictures: gradients, the amber glow, the logo, the
// icon and the two arrow glyphs.
#include <QByteArray>
#include <QImage>

namespace bat {

QByteArray Jpeg(const QImage& img, int qualite);
QByteArray Bmp24(const QImage& img);

QImage Degrade2();          // 160 x 486, light cyan-blue to steel blue, left to right
QImage DegradeDiag();       // 300 x 300, sky blue at the top left to near white
QImage Lueur();             // 200 x 60, the amber glow
QImage Logo();              // 240 x 71
QByteArray Icone();         // 32 x 32, 16 colours, as a 4-bit BMP
QImage Fleche(bool gauche); // 21 x 21 on magenta

} // namespace bat
