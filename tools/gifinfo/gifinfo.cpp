// gifinfo: decodes a GIF file with the program's own decoder and tells what it read.
// Usage: gifinfo picture.gif [frame0.png | frame0.ppm]
// Prints the version, the screen size, the frame count, Width and Height, whether the
// frame is corrupt, and the background and transparent colours; writes frame 0 drawn
// as the views draw it (on white, 24-bit). On a failure prints the error's message as
// the program words it and exits with status 1 (2 for a usage or file error).
#include "erreurs.h"
#include "gif.h"
#include "imaging/affichage.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <optional>

using namespace armo;

namespace {

const char* NomVersion(TGIFVersion v) {
    switch (v) {
    case TGIFVersion::gv87a:
        return "87a";
    case TGIFVersion::gv89a:
        return "89a";
    case TGIFVersion::gvUnknown:
        break;
    }
    return "unknown";
}

std::string Couleur(std::optional<QRgb> c) {
    if (!c) return "none";
    char b[32];
    std::snprintf(b, sizeof b, "#%02X%02X%02X (%d, %d, %d)", qRed(*c), qGreen(*c), qBlue(*c),
                  qRed(*c), qGreen(*c), qBlue(*c));
    return b;
}

bool EcrirePPM(const QImage& im, const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(QStringLiteral("P6\n%1 %2\n255\n").arg(im.width()).arg(im.height()).toLatin1());
    for (int y = 0; y < im.height(); ++y)
        f.write(reinterpret_cast<const char*>(im.constScanLine(y)), qint64(im.width()) * 3);
    return f.error() == QFileDevice::NoError;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: gifinfo picture.gif [frame0.png | frame0.ppm]\n");
        return 2;
    }
    QFile f(QString::fromLocal8Bit(argv[1]));
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "gifinfo: cannot read %s\n", argv[1]);
        return 2;
    }
    const QByteArray octets = f.readAll();
    TGIFPicture p;
    QImage rendu;
    try {
        p.LoadFromBytes(octets);
        rendu = RendreImage(p, QImage::Format_RGB888);
    } catch (const Erreur& e) {
        std::fprintf(stderr, "%s\n", e.message().toUtf8().constData());
        return 1;
    }
    std::printf("file:         %s (%lld bytes)\n", argv[1], static_cast<long long>(octets.size()));
    std::printf("version:      %s\n", NomVersion(p.Version()));
    std::printf("screen:       %d x %d\n", p.ScreenWidth(), p.ScreenHeight());
    std::printf("frames:       %d\n", p.Count());
    std::printf("width:        %d\n", p.Width());
    std::printf("height:       %d\n", p.Height());
    const bool corrompu = p.Count() > 0 && p.Frames(0).FCorrupted;
    std::printf("corrupt:      %s\n", corrompu ? "yes" : "no");
    std::printf("background:   %s\n", Couleur(p.BackgroundColor()).c_str());
    std::printf("transparent:  %s\n", Couleur(p.TransparentColor()).c_str());
    if (p.Count() > 0) {
        const TGIFFrame& c = p.Frames(0);
        std::printf("frame 0:      at (%d, %d), %s, %s table of %d colours\n", c.FTopLeft.x(),
                    c.FTopLeft.y(), c.FInterlaced ? "interlaced" : "not interlaced",
                    c.FLocalColors ? "local" : "global", c.FImage.FColorMap.Count);
    }
    if (p.Looping()) std::printf("looping:      %d times\n", p.RepeatCount());
    for (const QString& l : p.Comment()) std::printf("comment:      %s\n", l.toUtf8().constData());

    if (argc == 3) {
        const QString sortie = QString::fromLocal8Bit(argv[2]);
        if (rendu.isNull()) {
            std::printf("written:      nothing, the picture has no frame to draw\n");
            return 0;
        }
        const bool ok = sortie.endsWith(QStringLiteral(".ppm"), Qt::CaseInsensitive)
                            ? EcrirePPM(rendu, sortie)
                            : rendu.save(sortie, "PNG");
        if (!ok) {
            std::fprintf(stderr, "gifinfo: cannot write %s\n", argv[2]);
            return 2;
        }
        std::printf("written:      %s\n", argv[2]);
    }
    return 0;
}
