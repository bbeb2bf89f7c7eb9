// Writes the program's icon at the sizes of the desktop's icon theme, from the
// 32 x 32 picture of the data set. Each pixel becomes a block of pixels, never
// a blend: the picture is pixel art, and smoothing would blur its edges.
//
//   icones <picture> <output folder> <name> <size>...
// writes <output folder>/<size>x<size>/<name>.png for every size.
#include <QDir>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: icones <picture> <output folder> <name> <size>...\n");
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull()) {
        std::fprintf(stderr, "icones: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString sortie = QString::fromLocal8Bit(argv[2]);
    const QString nom = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        bool ok = false;
        const int taille = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || taille <= 0) {
            std::fprintf(stderr, "icones: bad size %s\n", argv[i]);
            return 2;
        }
        const QString dossier = QStringLiteral("%1/%2x%2").arg(sortie).arg(taille);
        const QString chemin = dossier + u'/' + nom + QStringLiteral(".png");
        const QImage image =
            source.convertToFormat(QImage::Format_RGB32)
                .scaled(taille, taille, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!QDir().mkpath(dossier) || !image.save(chemin, "PNG")) {
            std::fprintf(stderr, "icones: cannot write %s\n", chemin.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
