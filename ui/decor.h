#pragma once
// The decorative pictures and glyphs stored with the window description, under
// the named resource type "TFP".
#include <QImage>
#include <QString>

namespace armo {

// The picture of that name: JPEG through libjpeg, any other picture format
// through Qt's readers. The window description belongs to the program, so a
// data set without it (a test fixture) falls back to the program's own; a
// picture found nowhere is an empty image.
QImage ImageDecor(const QString& nom);

// A button glyph with its magenta background made transparent.
QImage GlypheTransparent(const QImage& glyphe);

} // namespace armo
