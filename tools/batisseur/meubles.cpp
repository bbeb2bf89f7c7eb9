#include "meubles.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

namespace bat {

namespace {

constexpr double PI = 3.14159265358979323846;

QPainterPath Poly(std::initializer_list<QPointF> pts) {
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(pts)));
    p.closeSubpath();
    return p;
}

QPainterPath Cercle(double x, double y, double r) {
    QPainterPath p;
    p.addEllipse(QPointF(x, y), r, r);
    return p;
}

QPainterPath Rect(double x0, double y0, double x1, double y1) {
    QPainterPath p;
    p.addRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)));
    return p;
}

// A thick line turned into an area, round-ended.
QPainterPath Trait(const QPainterPath& ligne, double largeur, Qt::PenCapStyle bout = Qt::RoundCap) {
    QPainterPathStroker s;
    s.setWidth(largeur);
    s.setCapStyle(bout);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(ligne).simplified();
}

QPainterPath Miroir(const QPainterPath& p) {
    return QTransform(-1, 0, 0, 1, 0, 0).map(p);
}
QPainterPath Tourner(const QPainterPath& p, double degres) {
    QTransform t;
    t.rotate(degres);
    return t.map(p);
}

QPainterPath EtoilePath(int branches, double rExt, double rInt) {
    QPolygonF poly;
    for (int i = 0; i < 2 * branches; ++i) {
        const double r = i % 2 ? rInt : rExt;
        const double a = -PI / 2 + i * PI / branches;
        poly << QPointF(r * std::cos(a), r * std::sin(a));
    }
    QPainterPath p;
    p.addPolygon(poly);
    p.closeSubpath();
    return p;
}

QPainterPath CouronnePath() {
    QPainterPath p = Rect(-40, 8, 40, 26);
    p = p.united(Poly({{-40, 10},
                       {-44, -18},
                       {-28, -2},
                       {-14, -26},
                       {0, -4},
                       {14, -26},
                       {28, -2},
                       {44, -18},
                       {40, 10}}));
    p = p.united(Cercle(-44, -20, 5))
            .united(Cercle(-14, -28, 5))
            .united(Cercle(14, -28, 5))
            .united(Cercle(44, -20, 5));
    p = p.united(Cercle(0, -10, 6));
    return p.simplified();
}

Forme Lion() {
    Forme f;
    QTransform t;
    t.translate(3, -1);
    t.rotate(55);
    QPainterPath torse;
    torse.addEllipse(QPointF(0, 0), 25, 13.5);
    QPainterPath corps = t.map(torse);
    // Head with its mane, turned to dexter.
    QPolygonF criniere;
    for (int i = 0; i < 20; ++i) {
        const double a = i * PI / 10;
        const double r = i % 2 ? 12.5 : 16.5;
        criniere << QPointF(-15 + r * std::cos(a), -31 + r * 1.05 * std::sin(a));
    }
    QPainterPath tete;
    tete.addPolygon(criniere);
    tete.closeSubpath();
    corps = corps.united(tete);
    corps = corps.united(Poly({{-22, -42},
                               {-34, -41},
                               {-41, -36},
                               {-40, -31},
                               {-33, -29},
                               {-38, -24},
                               {-33, -19},
                               {-22, -18}}));
    // Forelegs raised toward dexter, with their paws.
    QPainterPath bras1(QPointF(-8, -16));
    bras1.cubicTo(-18, -20, -28, -16, -38, -12);
    QPainterPath bras2(QPointF(-6, -6));
    bras2.cubicTo(-14, -2, -22, 4, -31, 8);
    corps = corps.united(Trait(bras1, 9)).united(Trait(bras2, 8.5));
    corps = corps.united(Cercle(-39, -12, 5.5)).united(Cercle(-32, 8, 5));
    // Hind legs: the sinister one stands, the dexter one kicks forward.
    QPainterPath jambe1(QPointF(14, 12));
    jambe1.cubicTo(26, 22, 24, 32, 14, 42);
    QPainterPath jambe2(QPointF(2, 16));
    jambe2.cubicTo(-4, 26, -12, 32, -22, 34);
    corps = corps.united(Trait(jambe1, 12)).united(Trait(jambe2, 10));
    corps = corps.united(Poly({{6, 39}, {24, 42}, {24, 48}, {4, 47}}));
    corps = corps.united(Cercle(-24, 34, 5.5));
    // Tail, raised and tufted.
    QPainterPath queue(QPointF(18, 8));
    queue.cubicTo(42, 8, 26, -20, 40, -32);
    corps = corps.united(Trait(queue, 5.5));
    corps = corps.united(
        Poly({{36, -30}, {36, -46}, {42, -38}, {48, -48}, {48, -36}, {50, -30}, {42, -26}}));
    f.corps = corps.simplified();
    // Claws and tongue.
    QPainterPath det;
    auto griffes = [&](double x, double y, double ang) {
        for (int k = -1; k <= 1; ++k) {
            const double a = ang + k * 0.55;
            const double bx = x + 4 * std::cos(a), by = y + 4 * std::sin(a);
            const double px = -std::sin(a) * 1.6, py = std::cos(a) * 1.6;
            det.addPath(Poly({{bx + px, by + py},
                              {bx + 7 * std::cos(a), by + 7 * std::sin(a)},
                              {bx - px, by - py}}));
        }
    };
    griffes(-40, -12, PI + 0.1);
    griffes(-33, 8, PI - 0.2);
    griffes(-25, 35, PI - 0.3);
    griffes(24, 45, 0.2);
    QPainterPath langue(QPointF(-36, -27));
    langue.cubicTo(-42, -28, -44, -23, -49, -25);
    det.addPath(Trait(langue, 3.5));
    f.detail = det.simplified();
    // Eye, mouth, mane strands and the line of the belly.
    QPainterPath tr;
    tr.addEllipse(QPointF(-28, -35), 1.8, 1.8);
    tr.moveTo(-37, -28);
    tr.lineTo(-30, -27);
    for (int i = 0; i < 5; ++i) {
        const double a = -1.2 + i * 0.6;
        tr.moveTo(-12 + 8 * std::cos(a), -30 + 8 * std::sin(a));
        tr.lineTo(-12 + 15 * std::cos(a), -30 + 15 * std::sin(a));
    }
    tr.moveTo(-6, 10);
    tr.cubicTo(0, 6, 6, 8, 10, 12);
    f.traits = tr;
    f.tete = QPointF(-16, -50);
    f.tailleCouronne = 26;
    return f;
}

Forme Aigle(bool eploye) {
    Forme f;
    QPainterPath c;
    c.addEllipse(QPointF(0, 4), 11, 22);
    // A displayed eagle looks to dexter; an "éployée" one has a head each way.
    const double dx = eploye ? -7 : 0, dy = eploye ? -3 : 0;
    QTransform dec;
    dec.translate(dx, dy);
    const QPainterPath tete = dec.map(Cercle(-2, -28, 8.5));
    c = c.united(tete);
    if (eploye) c = c.united(Miroir(tete)).united(Rect(-10, -28, 10, -14));
    c = c.united(Rect(-6, -24, 6, -14));
    QPainterPath aile = Poly({{6, -14},
                              {16, -34},
                              {30, -46},
                              {48, -46},
                              {42, -36},
                              {50, -30},
                              {42, -22},
                              {50, -14},
                              {41, -8},
                              {47, 0},
                              {36, 4},
                              {38, 10},
                              {24, 10},
                              {10, 8}});
    c = c.united(aile).united(Miroir(aile));
    c = c.united(Poly({{-9, 20}, {9, 20}, {20, 44}, {8, 38}, {0, 48}, {-8, 38}, {-20, 44}}));
    f.corps = c.simplified();
    QPainterPath det = dec.map(Poly({{-9, -32}, {-20, -30}, {-17, -24}, {-9, -25}}));
    if (eploye) det = det.united(Miroir(det));
    auto patte = [&](double s) {
        QPainterPath j(QPointF(s * 6, 20));
        j.lineTo(s * 16, 30);
        QPainterPath p = Trait(j, 4);
        for (int k = 0; k < 3; ++k) {
            const double a = (s > 0 ? 0.2 : PI - 0.2) + (k - 1) * 0.6 * s;
            QPainterPath g(QPointF(s * 16, 30));
            g.lineTo(s * 16 + 8 * std::cos(a), 30 + 8 * std::sin(a) + 2);
            p = p.united(Trait(g, 2.4));
        }
        return p;
    };
    det = det.united(patte(-1)).united(patte(1));
    f.detail = det.simplified();
    QPainterPath tr;
    tr.addEllipse(QPointF(-4 + dx, -30 + dy), 1.4, 1.4);
    if (eploye) tr.addEllipse(QPointF(4 - dx, -30 + dy), 1.4, 1.4);
    for (int s : {-1, 1}) {
        for (int k = 0; k < 3; ++k) {
            tr.moveTo(s * 12, -6 + k * 6);
            tr.lineTo(s * (30 + k * 4), -26 + k * 10);
        }
    }
    tr.moveTo(0, 22);
    tr.lineTo(0, 40);
    f.traits = tr;
    f.tete = QPointF(eploye ? 0 : -2, eploye ? -46 : -42);
    f.tailleCouronne = 20;
    return f;
}

QPainterPath FleurDeLis() {
    QPainterPath c(QPointF(0, -50));
    c.cubicTo(15, -36, 15, -10, 6, 8);
    c.lineTo(-6, 8);
    c.cubicTo(-15, -10, -15, -36, 0, -50);
    c.closeSubpath();
    QPainterPath d(QPointF(7, 6));
    d.cubicTo(10, -22, 38, -34, 47, -14);
    d.cubicTo(52, -2, 44, 10, 33, 6);
    d.cubicTo(40, -2, 38, -14, 30, -14);
    d.cubicTo(22, -14, 17, -2, 15, 8);
    d.closeSubpath();
    QPainterPath bas(QPointF(-5, 17));
    bas.lineTo(5, 17);
    bas.cubicTo(8, 30, 20, 34, 28, 44);
    bas.cubicTo(16, 46, 6, 40, 2, 32);
    bas.lineTo(0, 46);
    bas.lineTo(-2, 32);
    bas.cubicTo(-6, 40, -16, 46, -28, 44);
    bas.cubicTo(-20, 34, -8, 30, -5, 17);
    bas.closeSubpath();
    QPainterPath p = c.united(d).united(Miroir(d)).united(Rect(-20, 8, 20, 17)).united(bas);
    return p.simplified();
}

Forme Coquille() {
    Forme f;
    QPainterPath c;
    const QPointF h(0, -36);
    QPolygonF poly;
    poly << QPointF(-10, -36);
    const int n = 9;
    for (int i = 0; i <= n * 4; ++i) {
        const double a = PI * (0.12 + 0.76 * (1.0 - double(i) / (n * 4)));
        const double bosse = std::abs(std::sin(PI * i / 4.0)) * 4;
        const double r = 78 + bosse;
        poly << QPointF(h.x() + r * std::cos(a), h.y() + r * std::sin(a) - 4);
    }
    poly << QPointF(10, -36);
    c.addPolygon(poly);
    c.closeSubpath();
    c = c.united(Poly({{-10, -36}, {-24, -46}, {-22, -30}}))
            .united(Poly({{10, -36}, {24, -46}, {22, -30}}));
    QTransform t;
    t.translate(0, 4);
    t.scale(0.62, 1.0);
    f.corps = t.map(c.simplified());
    QPainterPath tr;
    for (int i = 1; i < n; ++i) {
        const double a = PI * (0.12 + 0.76 * double(i) / n);
        tr.moveTo(h.x(), h.y());
        tr.lineTo(h.x() + 74 * std::cos(a), h.y() + 74 * std::sin(a) - 4);
    }
    f.traits = t.map(tr);
    return f;
}

Forme Rose(const Groupe& g) {
    Forme f;
    QPainterPath c;
    for (int i = 0; i < 5; ++i) {
        const double a = -PI / 2 + i * 2 * PI / 5;
        c = c.united(Cercle(24 * std::cos(a), 24 * std::sin(a), 21));
        const double b = a + PI / 5;
        c = c.united(Poly({{36 * std::cos(b - 0.22), 36 * std::sin(b - 0.22)},
                           {50 * std::cos(b), 50 * std::sin(b)},
                           {36 * std::cos(b + 0.22), 36 * std::sin(b + 0.22)},
                           {20 * std::cos(b), 20 * std::sin(b)}}));
    }
    f.corps = c.simplified();
    f.detail = Cercle(0, 0, 13);
    QPainterPath tr = Cercle(0, 0, 13);
    f.traits = tr;
    if (g.tige) {
        QTransform t;
        t.translate(0, -16);
        t.scale(0.66, 0.66);
        f.corps = t.map(f.corps);
        f.detail = t.map(f.detail);
        f.traits = t.map(f.traits);
        QPainterPath tige(QPointF(0, 14));
        tige.cubicTo(4, 28, -3, 38, 2, 50);
        QPainterPath feuille(QPointF(1, 32));
        feuille.cubicTo(10, 22, 24, 22, 30, 26);
        feuille.cubicTo(24, 34, 10, 36, 1, 32);
        QPainterPath feuille2(QPointF(1, 40));
        feuille2.cubicTo(-10, 30, -24, 30, -30, 34);
        feuille2.cubicTo(-24, 42, -10, 44, 1, 40);
        f.tige = Trait(tige, 4).united(feuille).united(feuille2).simplified();
    }
    return f;
}

Forme Tour(bool chateau, bool donjon) {
    Forme f;
    QPainterPath c, mac, porte, fen;
    auto tourelle = [&](double x0, double x1, double haut, double bas) {
        QPainterPath t = Rect(x0, haut + 12, x1, bas);
        const double w = x1 - x0;
        const double m = (w + 4) / 3.0;
        QPainterPath tete = Rect(x0 - 2, haut + 6, x1 + 2, haut + 14);
        for (int i = 0; i < 3; i += 2)
            tete = tete.united(Rect(x0 - 2 + i * m, haut, x0 - 2 + (i + 1) * m, haut + 8));
        c = c.united(t).united(tete);
        for (double y = haut + 22; y < bas - 2; y += 10) {
            mac.moveTo(x0, y);
            mac.lineTo(x1, y);
        }
        fen.addRect(QRectF(QPointF((x0 + x1) / 2 - w * 0.12, haut + 20), QSizeF(w * 0.24, 12)));
    };
    if (!chateau && donjon) {
        // A turret rises from the top of the tower.
        tourelle(-26, 26, -24, 48);
        tourelle(-11, 11, -50, -18);
        QPainterPath p(QPointF(-10, 48));
        p.lineTo(-10, 34);
        p.arcTo(QRectF(-10, 26, 20, 16), 180, -180);
        p.lineTo(10, 48);
        p.closeSubpath();
        porte = p;
    } else if (!chateau) {
        tourelle(-26, 26, -46, 48);
        QPainterPath p(QPointF(-10, 48));
        p.lineTo(-10, 30);
        p.arcTo(QRectF(-10, 20, 20, 20), 180, -180);
        p.lineTo(10, 48);
        p.closeSubpath();
        porte = p;
    } else {
        tourelle(-46, -24, -28, 46);
        tourelle(24, 46, -28, 46);
        tourelle(-13, 13, -48, 46);
        QPainterPath mur = Rect(-24, 0, 24, 46);
        for (int i = 0; i < 4; ++i) mur = mur.united(Rect(-24 + i * 13, -7, -24 + i * 13 + 7, 0));
        c = c.united(mur);
        for (double y = 10; y < 44; y += 10) {
            mac.moveTo(-24, y);
            mac.lineTo(24, y);
        }
        QPainterPath p(QPointF(-8, 46));
        p.lineTo(-8, 32);
        p.arcTo(QRectF(-8, 24, 16, 16), 180, -180);
        p.lineTo(8, 46);
        p.closeSubpath();
        porte = p;
        fen = Rect(-3.5, -28, 3.5, -18);
        fen.addRect(QRectF(-38, -8, 6, 8));
        fen.addRect(QRectF(32, -8, 6, 8));
    }
    f.corps = c.simplified();
    f.maconnerie = mac;
    f.porte = porte;
    f.fenetres = fen;
    f.traits = porte;
    return f;
}

Forme Arbre(bool arrache) {
    Forme f;
    QPainterPath c = Cercle(0, -22, 24).united(Cercle(-20, -8, 17)).united(Cercle(20, -8, 17));
    c = c.united(Cercle(-13, -34, 15)).united(Cercle(13, -34, 15)).united(Cercle(0, -4, 16));
    c = c.united(Poly({{-6, 6}, {6, 6}, {8, 38}, {-8, 38}}));
    if (arrache) {
        for (double x : {-26.0, -10.0, 10.0, 26.0}) {
            QPainterPath r(QPointF(0, 34));
            r.cubicTo(x * 0.3, 42, x * 0.8, 42, x, 50);
            c = c.united(Trait(r, 4));
        }
    } else {
        c = c.united(Rect(-8, 36, 8, 44));
    }
    f.corps = c.simplified();
    QPainterPath tr;
    tr.moveTo(-12, -16);
    tr.cubicTo(-8, -10, -4, -10, 0, -14);
    tr.moveTo(4, -28);
    tr.cubicTo(8, -22, 12, -22, 16, -26);
    f.traits = tr;
    return f;
}

Forme Epee() {
    Forme f;
    QPainterPath lame = Poly({{0, -50}, {6, -40}, {6, 18}, {-6, 18}, {-6, -40}});
    QPainterPath garde =
        Rect(-22, 18, 22, 25).united(Rect(-3.5, 25, 3.5, 42)).united(Cercle(0, 45, 5));
    f.corps = lame.united(garde).simplified();
    f.detail = garde.simplified();
    QPainterPath tr;
    tr.moveTo(0, -42);
    tr.lineTo(0, 16);
    f.traits = tr;
    return f;
}

Forme Cloche() {
    Forme f;
    QPainterPath c(QPointF(-14, -34));
    c.cubicTo(-14, -48, 14, -48, 14, -34);
    c.cubicTo(22, -12, 24, 14, 40, 30);
    c.lineTo(-40, 30);
    c.cubicTo(-24, 14, -22, -12, -14, -34);
    c.closeSubpath();
    QPainterPath anneau = Rect(-4, -50, 4, -42);
    QPainterPath battant = Cercle(0, 40, 8).united(Rect(-2.5, 28, 2.5, 36));
    f.corps = c.united(anneau).united(battant).simplified();
    f.detail = battant.simplified();
    QPainterPath tr;
    tr.moveTo(-34, 24);
    tr.lineTo(34, 24);
    f.traits = tr;
    return f;
}

Forme Croissant(bool verse) {
    Forme f;
    QPainterPath c = Cercle(0, 6, 42).subtracted(Cercle(0, -10, 34));
    if (verse) c = Tourner(c, 180);
    f.corps = c.simplified();
    return f;
}

Forme Merlette() {
    Forme f;
    QPainterPath c(QPointF(-44, -12));
    c.cubicTo(-40, -26, -22, -28, -16, -16);
    c.cubicTo(-4, -6, 20, -6, 34, -16);
    c.lineTo(50, -26);
    c.lineTo(42, -6);
    c.lineTo(50, 6);
    c.lineTo(30, 2);
    c.cubicTo(20, 22, -10, 30, -26, 18);
    c.cubicTo(-34, 12, -36, 0, -36, -4);
    c.closeSubpath();
    f.corps = c;
    QPainterPath tr;
    tr.addEllipse(QPointF(-28, -15), 2, 2);
    tr.moveTo(-14, 0);
    tr.cubicTo(0, -2, 14, 2, 26, 2);
    tr.moveTo(-10, 6);
    tr.cubicTo(2, 10, 14, 8, 22, 6);
    f.traits = tr;
    return f;
}

Forme Huchet() {
    Forme f;
    QPainterPath cor(QPointF(-40, -4));
    cor.cubicTo(-36, 30, 22, 34, 30, 0);
    QPainterPath c = Trait(cor, 10, Qt::FlatCap);
    c = c.united(Poly({{22, 2}, {40, -20}, {46, -6}, {36, 4}}));
    c = c.united(Rect(-46, -10, -36, -2));
    f.corps = c.simplified();
    QPainterPath tr;
    tr.moveTo(-38, -4);
    tr.cubicTo(-30, -34, 20, -36, 30, -6);
    f.traits = tr;
    QPainterPath lien = Trait(tr, 3);
    f.corps = f.corps.united(lien).simplified();
    QPainterPath bague;
    bague.moveTo(-18, 12);
    bague.lineTo(-24, 22);
    bague.moveTo(8, 14);
    bague.lineTo(12, 24);
    f.traits = bague;
    return f;
}

Forme Bar() {
    Forme f;
    QPainterPath c(QPointF(0, -48));
    c.cubicTo(16, -38, 16, 8, 6, 30);
    c.lineTo(18, 46);
    c.lineTo(0, 39);
    c.lineTo(-18, 46);
    c.lineTo(-6, 30);
    c.cubicTo(-14, 8, -14, -38, 0, -48);
    c.closeSubpath();
    c = c.united(Poly({{12, -14}, {24, -6}, {24, 6}, {12, 4}}))
            .united(Poly({{-11, 0}, {-20, 6}, {-11, 12}}));
    f.corps = c.simplified();
    QPainterPath tr;
    tr.addEllipse(QPointF(3, -36), 2, 2);
    tr.moveTo(-8, -26);
    tr.cubicTo(-2, -24, 4, -24, 10, -26);
    for (int k = 0; k < 3; ++k) {
        tr.moveTo(-6, -12 + k * 10);
        tr.lineTo(0, -8 + k * 10);
        tr.lineTo(6, -12 + k * 10);
    }
    f.traits = tr;
    return f;
}

Forme Gland() {
    Forme f;
    QPainterPath noix;
    noix.addEllipse(QPointF(0, 18), 15, 24);
    QPainterPath cupule(QPointF(-20, 6));
    cupule.cubicTo(-20, -14, 20, -14, 20, 6);
    cupule.closeSubpath();
    QPainterPath queue(QPointF(0, -10));
    queue.cubicTo(2, -24, -2, -34, 8, -44);
    QPainterPath feuille(QPointF(4, -30));
    feuille.cubicTo(16, -46, 34, -44, 40, -36);
    feuille.cubicTo(30, -26, 16, -24, 4, -30);
    f.corps = noix.united(cupule).united(Trait(queue, 4)).united(feuille).simplified();
    QPainterPath tr(QPointF(-20, 6));
    tr.lineTo(20, 6);
    tr.moveTo(-14, -2);
    tr.lineTo(-4, 6);
    tr.moveTo(-4, -6);
    tr.lineTo(6, 6);
    tr.moveTo(6, -6);
    tr.lineTo(16, 4);
    tr.moveTo(8, -32);
    tr.lineTo(34, -36);
    f.traits = tr;
    return f;
}

Forme Ancre() {
    Forme f;
    QPainterPath c = Rect(-4, -34, 4, 36).united(Rect(-20, -29, 20, -22));
    c = c.united(Cercle(0, -41, 9).subtracted(Cercle(0, -41, 5)));
    QPainterPath bras(QPointF(-34, 10));
    bras.cubicTo(-30, 42, 30, 42, 34, 10);
    c = c.united(Trait(bras, 8, Qt::FlatCap));
    c = c.united(Poly({{-40, 14}, {-34, 0}, {-26, 16}}))
            .united(Poly({{40, 14}, {34, 0}, {26, 16}}));
    f.corps = c.simplified();
    return f;
}

Forme Gerbe() {
    Forme f;
    QPainterPath c = Poly({{-8, 2}, {8, 2}, {24, 46}, {-24, 46}});
    c = c.united(Poly({{-8, 6}, {8, 6}, {22, -22}, {-22, -22}}));
    for (int k = -2; k <= 2; ++k) {
        QPainterPath e;
        e.addEllipse(QPointF(0, 0), 6, 14);
        QTransform t;
        t.translate(k * 9.5, -30 + std::abs(k) * 3);
        t.rotate(k * 14);
        c = c.united(t.map(e));
    }
    f.corps = c.simplified();
    QPainterPath tr;
    tr.addRect(QRectF(-11, -2, 22, 10));
    for (int k = -2; k <= 2; ++k) {
        tr.moveTo(k * 3, 8);
        tr.lineTo(k * 9, 44);
        tr.moveTo(k * 2, -2);
        tr.lineTo(k * 8.5, -20);
    }
    f.traits = tr;
    return f;
}

Forme Roc() {
    Forme f;
    f.corps = Poly({{-24, 46},
                    {24, 46},
                    {24, 38},
                    {12, 32},
                    {10, -4},
                    {22, -12},
                    {32, -28},
                    {28, -46},
                    {20, -32},
                    {8, -24},
                    {0, -28},
                    {-8, -24},
                    {-20, -32},
                    {-28, -46},
                    {-32, -28},
                    {-22, -12},
                    {-10, -4},
                    {-12, 32},
                    {-24, 38}});
    QPainterPath tr;
    tr.moveTo(-12, 32);
    tr.lineTo(12, 32);
    tr.moveTo(-10, -4);
    tr.lineTo(10, -4);
    f.traits = tr;
    return f;
}

Forme Soleil() {
    Forme f;
    QPainterPath c = Cercle(0, 0, 24);
    for (int i = 0; i < 16; ++i) {
        const double a = i * PI / 8;
        const double r = i % 2 ? 40 : 50;
        c = c.united(Poly({{22 * std::cos(a - 0.17), 22 * std::sin(a - 0.17)},
                           {r * std::cos(a), r * std::sin(a)},
                           {22 * std::cos(a + 0.17), 22 * std::sin(a + 0.17)}}));
    }
    f.corps = c.simplified();
    f.traits = Cercle(0, 0, 24);
    return f;
}

Forme Cle() {
    Forme f;
    QPainterPath c = Cercle(0, -32, 17).subtracted(Cercle(0, -32, 8));
    c = c.united(Rect(-4, -16, 4, 46)).united(Rect(4, 26, 20, 34)).united(Rect(4, 38, 20, 46));
    f.corps = c.simplified();
    return f;
}

} // namespace

QPainterPath Moucheture() {
    QPainterPath c = Cercle(0, -36, 8).united(Cercle(-15, -28, 7)).united(Cercle(15, -28, 7));
    QPainterPath q(QPointF(0, -26));
    q.cubicTo(6, -6, 14, 24, 26, 46);
    q.lineTo(12, 38);
    q.lineTo(0, 50);
    q.lineTo(-12, 38);
    q.lineTo(-26, 46);
    q.cubicTo(-14, 24, -6, -6, 0, -26);
    q.closeSubpath();
    return c.united(q).simplified();
}

QPainterPath EcuFrancais(const QRectF& r) {
    const double l = r.left(), t = r.top(), w = r.width(), h = r.height();
    const double cx = l + w / 2;
    QPainterPath p(QPointF(l, t));
    p.lineTo(l + w, t);
    p.lineTo(l + w, t + h * 0.76);
    p.cubicTo(l + w, t + h * 0.92, cx + w * 0.22, t + h * 0.93, cx, t + h);
    p.cubicTo(cx - w * 0.22, t + h * 0.93, l, t + h * 0.92, l, t + h * 0.76);
    p.closeSubpath();
    return p;
}

Forme Nouveau(Meuble m);

Forme FormeDe(const Groupe& g) {
    Forme f;
    switch (g.meuble) {
    case Meuble::Etoile:
        f.corps = EtoilePath(5, 50, 20);
        break;
    case Meuble::Molette:
        f.corps = EtoilePath(6, 50, 24).subtracted(Cercle(0, 0, 10));
        f.traits = Cercle(0, 0, 10);
        break;
    case Meuble::Croissant:
        f = Croissant(g.verse);
        break;
    case Meuble::Besant:
    case Meuble::Tourteau:
        f.corps = Cercle(0, 0, 42);
        break;
    case Meuble::Annelet:
        f.corps = Cercle(0, 0, 42).subtracted(Cercle(0, 0, 27));
        break;
    case Meuble::Losange:
        f.corps = Poly({{0, -50}, {34, 0}, {0, 50}, {-34, 0}});
        break;
    case Meuble::Macle:
        f.corps = Poly({{0, -50}, {34, 0}, {0, 50}, {-34, 0}})
                      .subtracted(Poly({{0, -24}, {16, 0}, {0, 24}, {-16, 0}}));
        break;
    case Meuble::Fusee:
        f.corps = Poly({{0, -50}, {22, 0}, {0, 50}, {-22, 0}});
        break;
    case Meuble::Billette:
        f.corps = Rect(-22, -38, 22, 38);
        break;
    case Meuble::Croisette:
        f.corps = Rect(-9, -44, 9, 44).united(Rect(-40, -18, 40, 0)).simplified();
        break;
    case Meuble::FleurDeLis:
        f.corps = FleurDeLis();
        break;
    case Meuble::Coquille:
        f = Coquille();
        break;
    case Meuble::Rose:
        f = Rose(g);
        break;
    case Meuble::Quintefeuille: {
        QPainterPath c;
        for (int i = 0; i < 5; ++i) {
            QPainterPath e;
            e.moveTo(0, 0);
            e.cubicTo(-22, -14, -14, -46, 0, -50);
            e.cubicTo(14, -46, 22, -14, 0, 0);
            c = c.united(Tourner(e, i * 72));
        }
        f.corps = c.subtracted(Cercle(0, 0, 7)).simplified();
        f.traits = Cercle(0, 0, 7);
        break;
    }
    case Meuble::Trefle: {
        QPainterPath tige(QPointF(0, 4));
        tige.cubicTo(2, 24, 8, 36, 14, 48);
        f.corps = Cercle(0, -26, 17)
                      .united(Cercle(-21, -4, 17))
                      .united(Cercle(21, -4, 17))
                      .united(Cercle(0, -8, 10));
        f.corps = f.corps.united(Trait(tige, 7)).simplified();
        break;
    }
    case Meuble::Merlette:
        f = Merlette();
        break;
    case Meuble::Aigle:
        f = Aigle(g.eploye);
        break;
    case Meuble::Lion:
        f = Lion();
        break;
    case Meuble::Tour:
        f = Tour(false, g.donjonne);
        break;
    case Meuble::Chateau:
        f = Tour(true, false);
        break;
    case Meuble::Cle:
        f = Cle();
        break;
    case Meuble::Epee:
        f = Epee();
        break;
    case Meuble::Soleil:
        f = Soleil();
        break;
    case Meuble::Cloche:
        f = Cloche();
        break;
    case Meuble::Roc:
        f = Roc();
        break;
    case Meuble::Arbre:
        f = Arbre(g.arrache);
        break;
    case Meuble::Gerbe:
        f = Gerbe();
        break;
    case Meuble::Ancre:
        f = Ancre();
        break;
    case Meuble::Couronne:
        f.corps = CouronnePath();
        break;
    case Meuble::Moucheture:
        f.corps = Moucheture();
        break;
    case Meuble::Huchet:
        f = Huchet();
        break;
    case Meuble::Bar:
        f = Bar();
        break;
    case Meuble::Gland:
        f = Gland();
        break;
    case Meuble::Marteau:
        f.corps = Rect(-4, -22, 4, 48).united(Rect(-28, -38, 28, -22)).simplified();
        f.traits = Rect(-4, -38, 4, -22);
        break;
    case Meuble::Fleche:
    case Meuble::Hache:
    case Meuble::Comete:
    case Meuble::Larme:
    case Meuble::Otelle:
    case Meuble::Rustre:
    case Meuble::Carreau:
    case Meuble::Vire:
    case Meuble::Fermail:
    case Meuble::Bourdon:
    case Meuble::Colonne:
    case Meuble::Abeille:
    case Meuble::Papillon:
    case Meuble::Guivre:
    case Meuble::Grappe:
    case Meuble::Tiercefeuille:
    case Meuble::Quartefeuille:
    case Meuble::Clou:
    case Meuble::Massue:
    case Meuble::Crosse:
    case Meuble::ChausseTrape:
    case Meuble::Epi:
    case Meuble::Ecot:
        f = Nouveau(g.meuble);
        break;
    case Meuble::Ecusson:
        f.corps = EcuFrancais(QRectF(-38, -48, 76, 96));
        break;
    }
    return f;
}

// The charges added last, each a few simple shapes.
Forme Nouveau(Meuble m) {
    Forme f;
    switch (m) {
    case Meuble::Fleche:
        f.corps = Rect(-2.5, -32, 2.5, 40)
                      .united(Poly({{0, -50}, {11, -26}, {-11, -26}}))
                      .united(Poly({{-2, 26}, {-12, 36}, {-12, 50}, {-2, 40}}))
                      .united(Poly({{2, 26}, {12, 36}, {12, 50}, {2, 40}}))
                      .simplified();
        break;
    case Meuble::Hache: {
        QPainterPath lame(QPointF(-3, -36));
        lame.lineTo(-16, -42);
        lame.cubicTo(-36, -30, -36, 2, -16, 10);
        lame.lineTo(-3, 2);
        lame.closeSubpath();
        f.corps = Rect(-3.5, -44, 3.5, 48).united(lame).simplified();
        f.traits.moveTo(-28, -30);
        f.traits.cubicTo(-32, -20, -32, -8, -26, 2);
        break;
    }
    case Meuble::Comete: {
        QTransform t;
        t.translate(-22, -22);
        t.scale(0.5, 0.5);
        QPainterPath queue(QPointF(-16, -30));
        queue.cubicTo(4, -20, 20, 10, 48, 48);
        queue.cubicTo(14, 20, -6, 0, -30, -14);
        queue.closeSubpath();
        f.corps = t.map(EtoilePath(6, 50, 22)).united(queue).simplified();
        f.traits.moveTo(-8, -12);
        f.traits.cubicTo(8, -2, 20, 16, 36, 36);
        break;
    }
    case Meuble::Larme: {
        QPainterPath c(QPointF(0, -50));
        c.cubicTo(8, -30, 26, -6, 26, 18);
        c.cubicTo(26, 36, 13, 48, 0, 48);
        c.cubicTo(-13, 48, -26, 36, -26, 18);
        c.cubicTo(-26, -6, -8, -30, 0, -50);
        c.closeSubpath();
        f.corps = c;
        break;
    }
    case Meuble::Otelle: {
        QPainterPath c(QPointF(0, -50));
        c.cubicTo(30, -28, 30, 28, 0, 50);
        c.cubicTo(-30, 28, -30, -28, 0, -50);
        c.closeSubpath();
        f.corps = c;
        break;
    }
    case Meuble::Rustre:
        f.corps = Poly({{0, -50}, {34, 0}, {0, 50}, {-34, 0}}).subtracted(Cercle(0, 0, 12));
        f.traits = Cercle(0, 0, 12);
        break;
    case Meuble::Carreau:
        f.corps = Rect(-36, -36, 36, 36);
        break;
    case Meuble::Vire:
        f.corps = Cercle(0, 0, 46)
                      .subtracted(Cercle(0, 0, 35))
                      .united(Cercle(0, 0, 24).subtracted(Cercle(0, 0, 13)));
        break;
    case Meuble::Fermail: {
        QPainterPath ardillon = Poly({{-40, -3}, {30, -3}, {40, 0}, {30, 3}, {-40, 3}});
        f.corps = Cercle(0, 0, 42)
                      .subtracted(Cercle(0, 0, 31))
                      .united(Tourner(ardillon, -30))
                      .simplified();
        break;
    }
    case Meuble::Bourdon:
        f.corps = Rect(-5, -30, 5, 50)
                      .united(Cercle(0, -38, 10))
                      .united(Cercle(0, -22, 7.5))
                      .simplified();
        break;
    case Meuble::Colonne:
        f.corps = Rect(-22, 38, 22, 48)
                      .united(Rect(-12, -32, 12, 38))
                      .united(Rect(-21, -44, 21, -32))
                      .simplified();
        for (double x : {-6.0, 0.0, 6.0}) {
            f.traits.moveTo(x, -30);
            f.traits.lineTo(x, 36);
        }
        break;
    case Meuble::Abeille: {
        QPainterPath c = Cercle(0, -34, 7);
        QPainterPath th, ab;
        th.addEllipse(QPointF(0, -18), 9, 10);
        ab.addEllipse(QPointF(0, 14), 12, 24);
        c = c.united(th).united(ab);
        for (int s : {-1, 1}) {
            QPainterPath a1, a2;
            a1.addEllipse(QPointF(0, 0), 20, 9);
            a2.addEllipse(QPointF(0, 0), 15, 7);
            QTransform t1, t2;
            t1.translate(s * 22, -28);
            t1.rotate(s * -25);
            t2.translate(s * 20, -8);
            t2.rotate(s * 20);
            c = c.united(t1.map(a1)).united(t2.map(a2));
        }
        f.corps = c.simplified();
        for (double y : {2.0, 12.0, 22.0}) {
            f.traits.moveTo(-11, y);
            f.traits.lineTo(11, y);
        }
        f.traits.moveTo(-3, -40);
        f.traits.lineTo(-10, -50);
        f.traits.moveTo(3, -40);
        f.traits.lineTo(10, -50);
        break;
    }
    case Meuble::Papillon: {
        QPainterPath corps;
        corps.addEllipse(QPointF(0, 0), 4.5, 30);
        QPainterPath c = corps;
        for (int s : {-1, 1}) {
            QPainterPath h, b;
            h.addEllipse(QPointF(s * 24, -14), 22, 18);
            b.addEllipse(QPointF(s * 18, 20), 15, 14);
            c = c.united(h).united(b);
        }
        f.corps = c.simplified();
        f.traits = corps;
        f.traits.moveTo(-2, -28);
        f.traits.cubicTo(-6, -40, -12, -44, -16, -46);
        f.traits.moveTo(2, -28);
        f.traits.cubicTo(6, -40, 12, -44, 16, -46);
        f.traits.addEllipse(QPointF(-24, -14), 7, 6);
        f.traits.addEllipse(QPointF(24, -14), 7, 6);
        break;
    }
    case Meuble::Guivre: {
        QPainterPath q(QPointF(6, 48));
        q.cubicTo(34, 30, -30, 12, 0, -6);
        q.cubicTo(24, -20, -14, -28, -6, -36);
        QPainterPath tete;
        tete.addEllipse(QPointF(-12, -40), 13, 8.5);
        QPainterPath gueule = Poly({{-22, -42}, {-32, -46}, {-30, -38}, {-24, -38}});
        f.corps = Trait(q, 10).united(tete).united(gueule).simplified();
        f.traits.addEllipse(QPointF(-12, -42), 1.6, 1.6);
        break;
    }
    case Meuble::Grappe: {
        QPainterPath c;
        const int rangs[4] = {4, 3, 2, 1};
        for (int r = 0; r < 4; ++r)
            for (int i = 0; i < rangs[r]; ++i)
                c = c.united(Cercle((i - (rangs[r] - 1) / 2.0) * 15, -12 + r * 14, 8));
        QPainterPath queue(QPointF(0, -20));
        queue.cubicTo(0, -32, 4, -40, 10, -48);
        QPainterPath feuille(QPointF(2, -34));
        feuille.cubicTo(-10, -50, -30, -48, -36, -38);
        feuille.cubicTo(-26, -28, -10, -28, 2, -34);
        f.corps = c.united(Trait(queue, 4)).united(feuille).simplified();
        f.traits.moveTo(-2, -36);
        f.traits.lineTo(-28, -40);
        break;
    }
    case Meuble::Tiercefeuille:
    case Meuble::Quartefeuille: {
        const int n = m == Meuble::Tiercefeuille ? 3 : 4;
        QPainterPath c;
        for (int i = 0; i < n; ++i) {
            QPainterPath e;
            e.moveTo(0, 0);
            e.cubicTo(-24, -14, -16, -46, 0, -50);
            e.cubicTo(16, -46, 24, -14, 0, 0);
            c = c.united(Tourner(e, i * 360.0 / n));
        }
        f.corps = c.subtracted(Cercle(0, 0, 7)).simplified();
        f.traits = Cercle(0, 0, 7);
        if (n == 3) {
            QTransform t;
            t.translate(0, 8);
            f.corps = t.map(f.corps);
            f.traits = t.map(f.traits);
        }
        break;
    }
    case Meuble::Clou:
        f.corps = Rect(-16, -48, 16, -38)
                      .united(Poly({{-6, -38}, {6, -38}, {2, 38}, {0, 50}, {-2, 38}}))
                      .simplified();
        break;
    case Meuble::Massue: {
        QPainterPath c = Poly({{-4, 48},
                               {4, 48},
                               {11, -8},
                               {17, -30},
                               {12, -45},
                               {0, -50},
                               {-12, -45},
                               {-17, -30},
                               {-11, -8}});
        for (QPointF q : {QPointF(-17, -24), QPointF(17, -32), QPointF(-13, -42), QPointF(13, -14),
                          QPointF(-11, -6)})
            c = c.united(Poly({{q.x() - 3, q.y() - 3},
                               {q.x() + (q.x() < 0 ? -6 : 6), q.y()},
                               {q.x() - 3, q.y() + 3}}));
        f.corps = c.simplified();
        break;
    }
    case Meuble::Crosse: {
        QPainterPath crochet(QPointF(0, -8));
        crochet.cubicTo(0, -44, 34, -48, 32, -24);
        crochet.cubicTo(30, -10, 14, -12, 14, -22);
        f.corps =
            Rect(-4, -10, 4, 50).united(Trait(crochet, 8)).united(Rect(-8, -2, 8, 4)).simplified();
        break;
    }
    case Meuble::ChausseTrape:
        f.corps = EtoilePath(4, 50, 12)
                      .united(Tourner(EtoilePath(4, 30, 9), 45))
                      .subtracted(Cercle(0, 0, 5))
                      .simplified();
        f.traits = Cercle(0, 0, 5);
        break;
    case Meuble::Epi: {
        QPainterPath tige(QPointF(0, 50));
        tige.lineTo(0, -34);
        QPainterPath c = Trait(tige, 4);
        for (int k = 0; k < 6; ++k) {
            for (int s : {-1, 1}) {
                QPainterPath grain;
                grain.addEllipse(QPointF(0, 0), 5, 10);
                QTransform t;
                t.translate(s * 6, 18 - k * 10);
                t.rotate(s * 28);
                c = c.united(t.map(grain));
            }
        }
        QPainterPath haut;
        haut.addEllipse(QPointF(0, -42), 5, 10);
        f.corps = c.united(haut).simplified();
        break;
    }
    case Meuble::Ecot: {
        QPainterPath c = Poly({{-8, -46}, {8, -46}, {9, 48}, {-9, 48}});
        c = c.united(Poly({{7, -26}, {22, -38}, {26, -33}, {8, -16}}));
        c = c.united(Poly({{-7, -6}, {-22, -18}, {-26, -13}, {-8, 4}}));
        c = c.united(Poly({{7, 14}, {22, 2}, {26, 7}, {8, 24}}));
        c = c.united(Poly({{-7, 30}, {-20, 20}, {-24, 25}, {-8, 38}}));
        f.corps = c.simplified();
        f.traits.addEllipse(QPointF(0, -46), 8, 2.5);
        break;
    }
    default:
        break;
    }
    return f;
}

QPainterPath FleurDeLisPath() {
    return FleurDeLis();
}

QPainterPath Couronne() {
    return CouronnePath();
}

} // namespace bat
