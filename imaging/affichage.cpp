#include "affichage.h"

#include "gif.h"

namespace armo {

void PeindreEtire(QPainter& p, const QRect& cible, const QImage& source) {
    if (source.isNull() || cible.isEmpty()) return;
    // Without smoothing or antialiasing the raster engine samples one source pixel per
    // device pixel, whatever the device pixel ratio, and covers whole pixels only.
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawImage(QRectF(cible), source, QRectF(source.rect()));
    p.restore();
}

namespace {

// The views' common case: an opaque frame drawn unscaled onto a white bitmap is a
// palette lookup per pixel.
template <class Ecrire>
void Remplir(QImage& dst, const uint8_t* indices, int w, int h, const QList<QRgb>& palette,
             Ecrire ecrire) {
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = indices + static_cast<size_t>(y) * static_cast<size_t>(w);
        uchar* ligne = dst.scanLine(y);
        for (int x = 0; x < w; ++x) ecrire(ligne, x, palette[src[x]]);
    }
}

} // namespace

QImage RendreImage(TGIFPicture& image, QImage::Format format, QImage reprise) {
    if (image.Empty() || image.Width() <= 0 || image.Height() <= 0) return {};
    const int w = image.Width(), h = image.Height();
    // Every pixel is written below, so a reused bitmap needs no clearing.
    const bool reutilisable = reprise.width() == w && reprise.height() == h &&
                              reprise.format() == format && reprise.isDetached();
    QImage dst = reutilisable ? std::move(reprise) : QImage(w, h, format);
    if (dst.isNull()) return dst;
    TGIFFrame& cadre = image.Frames(image.FrameIndex() < 0 ? 0 : image.FrameIndex());
    const QImage& bitmap = cadre.Bitmap();
    const bool opaque = !cadre.FTransparentColor || !image.Transparent();
    if (opaque && !bitmap.isNull() && bitmap.width() == w && bitmap.height() == h) {
        const QList<QRgb> palette = bitmap.colorTable();
        const uint8_t* idx = bitmap.constBits();
        switch (format) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_ARGB32_Premultiplied:
            Remplir(dst, idx, w, h, palette, [](uchar* l, int x, QRgb c) {
                reinterpret_cast<QRgb*>(l)[x] = c | 0xFF000000u;
            });
            return dst;
        case QImage::Format_RGB888:
            Remplir(dst, idx, w, h, palette, [](uchar* l, int x, QRgb c) {
                l[3 * x] = static_cast<uchar>(qRed(c));
                l[3 * x + 1] = static_cast<uchar>(qGreen(c));
                l[3 * x + 2] = static_cast<uchar>(qBlue(c));
            });
            return dst;
        default:
            break;
        }
    }
    dst.fill(Qt::white);
    QPainter p(&dst);
    image.Draw(p, QRect(0, 0, w, h));
    return dst;
}

QImage RendreEcu(const QString& nomRessource, QImage::Format format, QImage reprise) {
    TGIFPicture image;
    image.LoadFromResourceName(nullptr, nomRessource, QStringLiteral("GIF"));
    return RendreImage(image, format, std::move(reprise));
}

} // namespace armo
