#include "fenetre.h"

#include "dessin.h"
#include "modele.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace bat {

namespace {

void Mot16(QByteArray& b, int v) {
    b.push_back(char(v & 0xFF));
    b.push_back(char((v >> 8) & 0xFF));
}
void Mot32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i) b.push_back(char((v >> (8 * i)) & 0xFF));
}

QRgb Mel(QRgb a, QRgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto m = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return qRgb(m(qRed(a), qRed(b)), m(qGreen(a), qGreen(b)), m(qBlue(a), qBlue(b)));
}

// Capital letters of the logo as strokes on a 10 x 14 grid.
QPainterPath Lettre(char c) {
    QPainterPath p;
    switch (c) {
    case 'A':
        p.moveTo(0, 14);
        p.lineTo(5, 0);
        p.lineTo(10, 14);
        p.moveTo(2.2, 8.5);
        p.lineTo(7.8, 8.5);
        break;
    case 'R':
        p.moveTo(1, 14);
        p.lineTo(1, 0);
        p.lineTo(6, 0);
        p.cubicTo(10, 0, 10, 7, 6, 7);
        p.lineTo(1, 7);
        p.moveTo(5, 7);
        p.lineTo(10, 14);
        break;
    case 'M':
        p.moveTo(0, 14);
        p.lineTo(1, 0);
        p.lineTo(5, 10);
        p.lineTo(9, 0);
        p.lineTo(10, 14);
        break;
    case 'O':
        p.addEllipse(QRectF(0, 0, 10, 14));
        break;
    case 'I':
        p.moveTo(5, 0);
        p.lineTo(5, 14);
        p.moveTo(2.5, 0);
        p.lineTo(7.5, 0);
        p.moveTo(2.5, 14);
        p.lineTo(7.5, 14);
        break;
    case 'N':
        p.moveTo(1, 14);
        p.lineTo(1, 0);
        p.lineTo(9, 14);
        p.lineTo(9, 0);
        break;
    case 'E':
        p.moveTo(9, 0);
        p.lineTo(1, 0);
        p.lineTo(1, 14);
        p.lineTo(9, 14);
        p.moveTo(1, 7);
        p.lineTo(7, 7);
        break;
    default:
        break;
    }
    return p;
}

} // namespace

QByteArray Jpeg(const QImage& src, int qualite) {
    const QImage img = src.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* tampon = nullptr;
    unsigned long taille = 0;
    jpeg_mem_dest(&c, &tampon, &taille);
    c.image_width = JDIMENSION(img.width());
    c.image_height = JDIMENSION(img.height());
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, qualite, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW ligne = const_cast<JSAMPROW>(img.constScanLine(int(c.next_scanline)));
        jpeg_write_scanlines(&c, &ligne, 1);
    }
    jpeg_finish_compress(&c);
    QByteArray b(reinterpret_cast<const char*>(tampon), qsizetype(taille));
    jpeg_destroy_compress(&c);
    free(tampon);
    return b;
}

QByteArray Bmp24(const QImage& src) {
    const QImage img = src.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    const int pas = (w * 3 + 3) / 4 * 4;
    QByteArray b("BM");
    Mot32(b, quint32(54 + pas * h));
    Mot32(b, 0);
    Mot32(b, 54);
    Mot32(b, 40);
    Mot32(b, quint32(w));
    Mot32(b, quint32(h));
    Mot16(b, 1);
    Mot16(b, 24);
    Mot32(b, 0);
    Mot32(b, quint32(pas * h));
    Mot32(b, 3780);
    Mot32(b, 3780);
    Mot32(b, 0);
    Mot32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* l = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            b.push_back(char(qBlue(l[x])));
            b.push_back(char(qGreen(l[x])));
            b.push_back(char(qRed(l[x])));
        }
        for (int k = w * 3; k < pas; ++k) b.push_back('\0');
    }
    return b;
}

QImage Degrade2() {
    QImage img(160, 486, QImage::Format_RGB32);
    const QRgb a = qRgb(196, 232, 248), z = qRgb(70, 108, 150);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, Mel(a, z, x / 159.0));
    return img;
}

QImage DegradeDiag() {
    QImage img(300, 300, QImage::Format_RGB32);
    const QRgb a = qRgb(92, 156, 222), z = qRgb(244, 248, 253);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x) img.setPixel(x, y, Mel(a, z, (x + y) / 598.0));
    return img;
}

QImage Lueur() {
    QImage img(200, 60, QImage::Format_RGB32);
    const QRgb centre = qRgb(236, 211, 121), ambre = qRgb(206, 142, 42), bronze = qRgb(120, 68, 22),
               coin = qRgb(18, 10, 5);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            const double dx = (x + 0.5 - 100) / 100, dy = (y + 0.5 - 30) / 30;
            const double d = std::sqrt(dx * dx + dy * dy) / std::sqrt(2.0);
            QRgb c;
            if (d < 0.3)
                c = Mel(centre, ambre, d / 0.3);
            else if (d < 0.65)
                c = Mel(ambre, bronze, (d - 0.3) / 0.35);
            else
                c = Mel(bronze, coin, (d - 0.65) / 0.35);
            img.setPixel(x, y, c);
        }
    return img;
}

QImage Logo() {
    QImage img(240, 71, QImage::Format_RGB32);
    for (int y = 0; y < 71; ++y)
        for (int x = 0; x < 240; ++x)
            img.setPixel(x, y,
                         Mel(qRgb(20, 44, 96), qRgb(52, 92, 160),
                             (x * 0.6 + y * 1.4) / (240 * 0.6 + 71 * 1.4)));
    // A small shield of the house: de gueules à la fleur de lis d'or, au chef d'or chargé de trois
    // étoiles d'azur.
    Armes a;
    a.e1 = Email::Gueules;
    auto g = std::make_shared<Groupe>();
    g->meuble = Meuble::FleurDeLis;
    g->email = Email::Or;
    a.meubles = g;
    a.chef = true;
    a.emailChef = Email::Or;
    a.chargeChef = std::make_shared<Groupe>();
    a.chargeChef->meuble = Meuble::Etoile;
    a.chargeChef->nombre = 3;
    a.chargeChef->email = Email::Azur;
    const QImage ecu = DessinerEcu(a, 46, 59);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QImage masque = ecu;
    // The shield's white surround gives way to the background.
    for (int y = 0; y < ecu.height(); ++y)
        for (int x = 0; x < ecu.width(); ++x) {
            const QRgb c = ecu.pixel(x, y);
            if (qRed(c) > 250 && qGreen(c) > 250 && qBlue(c) > 250) {
                // Outside the outline only: scan from the sides.
                bool dehors = true;
                for (int k = x; k >= 0; --k)
                    if (qRed(ecu.pixel(k, y)) < 100 && qGreen(ecu.pixel(k, y)) < 100) {
                        dehors = false;
                        break;
                    }
                if (!dehors) {
                    dehors = true;
                    for (int k = x; k < ecu.width(); ++k)
                        if (qRed(ecu.pixel(k, y)) < 100 && qGreen(ecu.pixel(k, y)) < 100) {
                            dehors = false;
                            break;
                        }
                }
                if (dehors) masque.setPixel(x, y, img.pixel(10 + x, 6 + y));
            }
        }
    p.drawImage(10, 6, masque);
    const QString mot = QStringLiteral("ARMORIANE");
    const double echelle = 2.3, pas = 17.2;
    QPen ombre(QColor(8, 16, 40), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPen or_(QColor(244, 206, 84), 3.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < mot.size(); ++i) {
            QTransform t;
            t.translate(68 + i * pas + (pass == 0 ? 1.2 : 0), 16 + (pass == 0 ? 1.2 : 0));
            t.scale(echelle * 0.62, echelle);
            p.setPen(pass == 0 ? ombre : or_);
            p.setBrush(Qt::NoBrush);
            p.drawPath(t.map(Lettre(mot.at(i).toLatin1())));
        }
    }
    p.setPen(QPen(QColor(244, 206, 84), 1.2));
    p.drawLine(QPointF(68, 56), QPointF(226, 56));
    p.setPen(QPen(QColor(244, 206, 84, 140), 1.0));
    p.drawLine(QPointF(68, 59), QPointF(226, 59));
    p.end();
    return img;
}

QByteArray Icone() {
    // The 16 colours of the classic palette.
    const QRgb pal[16] = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    std::vector<int> px(32 * 32, 7);
    auto rect = [&](int x0, int y0, int x1, int y1, int c) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) px[y * 32 + x] = c;
    };
    // Light grey square with a raised edge.
    rect(0, 0, 31, 31, 7);
    rect(0, 0, 31, 0, 15);
    rect(0, 0, 0, 31, 15);
    rect(0, 31, 31, 31, 0);
    rect(31, 0, 31, 31, 0);
    rect(1, 30, 30, 30, 8);
    rect(30, 1, 30, 30, 8);
    // The book lying closed: pages, then green boards, a blue spine on the left.
    rect(7, 8, 26, 23, 15);
    rect(7, 24, 26, 24, 8);
    rect(8, 6, 27, 21, 2);
    rect(9, 7, 26, 20, 10);
    rect(10, 8, 25, 19, 2);
    rect(5, 6, 9, 24, 4);
    rect(6, 7, 7, 23, 12);
    rect(12, 11, 23, 11, 11);
    rect(12, 13, 20, 13, 11);
    rect(5, 5, 27, 5, 0);
    rect(4, 5, 4, 25, 0);
    rect(4, 25, 27, 25, 0);
    rect(28, 5, 28, 25, 0);
    QByteArray b("BM");
    const int pas = 16; // 32 pixels at 4 bits
    Mot32(b, quint32(14 + 40 + 64 + pas * 32));
    Mot32(b, 0);
    Mot32(b, 14 + 40 + 64);
    Mot32(b, 40);
    Mot32(b, 32);
    Mot32(b, 32);
    Mot16(b, 1);
    Mot16(b, 4);
    Mot32(b, 0);
    Mot32(b, quint32(pas * 32));
    Mot32(b, 3780);
    Mot32(b, 3780);
    Mot32(b, 16);
    Mot32(b, 16);
    for (QRgb c : pal) {
        b.push_back(char(qBlue(c)));
        b.push_back(char(qGreen(c)));
        b.push_back(char(qRed(c)));
        b.push_back('\0');
    }
    for (int y = 31; y >= 0; --y)
        for (int x = 0; x < 32; x += 2)
            b.push_back(char((px[y * 32 + x] << 4) | px[y * 32 + x + 1]));
    return b;
}

QImage Fleche(bool gauche) {
    QImage img(21, 21, QImage::Format_RGB32);
    // Edges of the triangle: apex at the left middle, upright side at the right.
    const double ax = 0.5, ay = 10.5, bx = 20.0, by = 0.5, cx = 20.0, cy = 20.5;
    auto dist = [](double px, double py, double x0, double y0, double x1, double y1) {
        const double dx = x1 - x0, dy = y1 - y0;
        return ((px - x0) * dy - (py - y0) * dx) / std::sqrt(dx * dx + dy * dy);
    };
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double d = std::min({-dist(px, py, ax, ay, bx, by), -dist(px, py, bx, by, cx, cy),
                                       -dist(px, py, cx, cy, ax, ay)});
            QRgb c = qRgb(255, 0, 255);
            if (d >= 0) c = qRgb(255, 255, 0);
            if (d >= 1.2) c = qRgb(0, 0, 0);
            if (d >= 2.3) c = qRgb(255, 0, 0);
            // The black arrow inside: a head pointing left and its shaft.
            const bool tete = x >= 6 && x <= 10 && std::abs(y - 10) <= (x - 6);
            const bool fut = x >= 10 && x <= 16 && std::abs(y - 10) <= 1;
            if (d >= 2.3 && (tete || fut)) c = qRgb(0, 0, 0);
            img.setPixel(gauche ? x : 20 - x, y, c);
        }
    return img;
}

} // namespace bat
