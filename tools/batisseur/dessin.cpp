#include "dessin.h"

#include "meubles.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <cmath>
#include <map>
#include <tuple>

namespace bat {

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double LARGEUR = 100, HAUTEUR = 129;
constexpr double TRAIT = 0.9; // outline of pieces, in shield units
constexpr double TRAIT_MEUBLE = 0.75;

QPainterPath Poly(const QList<QPointF>& pts) {
    QPainterPath p;
    p.addPolygon(QPolygonF(pts));
    p.closeSubpath();
    return p;
}

QPainterPath Rect(double x0, double y0, double x1, double y1) {
    QPainterPath p;
    p.addRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)));
    return p;
}

// The offset of a partition line at u (0..1 within one period), outward positive.
void Profil(Ligne l, QList<QPointF>& pts, double x0, double x1, double y, double sens, double amp,
            double periode, double phase) {
    // Points from x0 to x1 along y, offset by sens * profile.
    const double debut = std::floor((x0 - phase) / periode) * periode + phase;
    auto ajoute = [&](double x, double off) {
        if (x < x0 || x > x1) return;
        pts << QPointF(x, y + sens * off);
    };
    pts << QPointF(x0, y);
    for (double p0 = debut; p0 < x1; p0 += periode) {
        switch (l) {
        case Ligne::Droite:
            break;
        case Ligne::Onde:
            for (int i = 0; i < 16; ++i) {
                const double u = i / 16.0;
                ajoute(p0 + u * periode, amp * 0.5 * std::sin(2 * PI * u));
            }
            break;
        case Ligne::Engrele:
            for (int i = 0; i <= 12; ++i) {
                const double u = i / 12.0;
                ajoute(p0 + u * periode,
                       -amp * std::sqrt(std::max(0.0, 1 - (2 * u - 1) * (2 * u - 1))));
            }
            break;
        case Ligne::Denche:
            ajoute(p0, -amp * 0.5);
            ajoute(p0 + periode / 2, amp * 0.5);
            break;
        case Ligne::Crenele:
        case Ligne::Bretesse:
        case Ligne::Vivre:
            ajoute(p0 + periode * 0.25, 0);
            ajoute(p0 + periode * 0.25 + 1e-3, amp);
            ajoute(p0 + periode * 0.75 - 1e-3, amp);
            ajoute(p0 + periode * 0.75, 0);
            break;
        }
    }
    pts << QPointF(x1, y);
}

// A horizontal band in local coordinates: length 2L, thickness t, centred on 0.
QPainterPath Bande(double L, double t, Ligne l, bool haut = true, bool bas = true) {
    const bool creneau = l == Ligne::Crenele || l == Ligne::Bretesse;
    const double amp = creneau ? 5.5 : l == Ligne::Denche ? 7 : 5;
    const double per = creneau ? 14 : l == Ligne::Denche ? 9 : 12.5;
    QList<QPointF> pts;
    QList<QPointF> h, b;
    Profil(haut ? l : Ligne::Droite, h, -L, L, -t / 2, -1, amp, per, 0);
    Ligne lb = l == Ligne::Crenele ? Ligne::Droite : l;
    Profil(bas ? lb : Ligne::Droite, b, -L, L, t / 2, 1, amp, per, l == Ligne::Onde ? per / 2 : 0);
    pts = h;
    for (auto it = b.rbegin(); it != b.rend(); ++it) pts << *it;
    return Poly(pts);
}

QPainterPath Place(const QPainterPath& p, QPointF c, double degres) {
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(degres);
    return t.map(p);
}

struct Peintre {
    QPainter& p;

    void Contour(const QPainterPath& path, double w = TRAIT) {
        QPen pen(Qt::black, w);
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        p.strokePath(path, pen);
    }

    void Remplir(const QPainterPath& path, Email e) {
        if (!EstFourrure(e)) {
            p.fillPath(path, Couleur(e));
            return;
        }
        const QRectF r = path.boundingRect();
        p.save();
        p.setClipPath(path, Qt::IntersectClip);
        if (e == Email::Vair) {
            Vair(path, Email::Argent, Email::Azur, false);
        } else {
            const bool contre = e == Email::ContreHermine;
            p.fillPath(path, Couleur(contre ? Email::Sable : Email::Argent));
            const QPainterPath m = Moucheture();
            const double dx = 15, dy = 16;
            int rang = 0;
            for (double y = std::floor(r.top() / dy) * dy + 6; y < r.bottom() + dy;
                 y += dy, ++rang) {
                for (double x = std::floor(r.left() / dx) * dx + (rang % 2) * dx / 2;
                     x < r.right() + dx; x += dx) {
                    QTransform t;
                    t.translate(x, y);
                    t.scale(0.075, 0.075);
                    p.fillPath(t.map(m), Couleur(contre ? Email::Argent : Email::Sable));
                }
            }
        }
        p.restore();
    }

    // Bells of `a` on `b`, rows shifted by half a bell; in counter-vair the bells
    // of one tincture meet base to base instead.
    void Vair(const QPainterPath& path, Email a, Email b, bool contre) {
        const QRectF r = path.boundingRect();
        p.save();
        p.setClipPath(path, Qt::IntersectClip);
        p.fillPath(path, Couleur(b));
        const double w = 16, h = 12;
        int rang = 0;
        for (double y = std::floor(r.top() / h) * h; y < r.bottom(); y += h, ++rang) {
            const double dx = contre ? 0 : (rang % 2) * w / 2;
            const bool renverse = contre && rang % 2;
            for (double x = std::floor(r.left() / w) * w - w + dx; x < r.right() + w; x += w) {
                QList<QPointF> pts = {
                    {x, y + h},       {x + 0.17 * w, y + 0.62 * h}, {x + 0.25 * w, y + 0.22 * h},
                    {x + 0.5 * w, y}, {x + 0.75 * w, y + 0.22 * h}, {x + 0.83 * w, y + 0.62 * h},
                    {x + w, y + h}};
                if (renverse)
                    for (QPointF& q : pts) q.setY(2 * y + h - q.y());
                const QPainterPath cloche = Poly(pts);
                p.fillPath(cloche, Couleur(a));
                Contour(cloche, 0.5);
            }
        }
        p.restore();
    }

    void Piece_(const QPainterPath& forme, const QPainterPath& piece, Email e) {
        const QPainterPath x = forme.intersected(piece);
        Remplir(x, e);
        Contour(x);
    }

    // One charge at c, of size s (shield units), mirrored if asked.
    void Meuble_(const Groupe& g, QPointF c, double s, bool miroir, Email fond) {
        (void)fond;
        const Forme f = FormeDe(g);
        const QTransform sauve = p.transform();
        QTransform t;
        t.translate(c.x(), c.y());
        t.scale((miroir ? -1 : 1) * s / 100.0, s / 100.0);
        p.setTransform(t * sauve);
        const double w = TRAIT_MEUBLE * 100.0 / s;
        Remplir(f.corps, g.email);
        if (!f.detail.isEmpty() && g.meuble != Meuble::Rose) {
            p.fillPath(f.detail,
                       Couleur(g.aAttribut ? g.attribut
                                           : (EstFourrure(g.email) ? Email::Argent : g.email)));
            Contour(f.detail, w * 0.8);
        }
        if (g.meuble == Meuble::Rose && g.aAttribut) p.fillPath(f.detail, Couleur(g.attribut));
        if (!f.maconnerie.isEmpty() && g.aAttribut) {
            QPen pen(Couleur(g.attribut), w * 1.3);
            p.strokePath(f.maconnerie, pen);
        }
        if (g.ouvert && !f.porte.isEmpty()) p.fillPath(f.porte, Couleur(g.emailJour));
        if (g.ajoure && !f.fenetres.isEmpty()) {
            p.fillPath(f.fenetres, Couleur(g.emailJour));
            Contour(f.fenetres, w * 0.7);
        }
        if (!f.tige.isEmpty()) {
            p.fillPath(f.tige, Couleur(Email::Sinople));
            Contour(f.tige, w);
        }
        Contour(f.corps, w);
        if (!f.traits.isEmpty()) {
            QPen pen(Qt::black, w * 0.7);
            pen.setCapStyle(Qt::RoundCap);
            p.strokePath(f.traits, pen);
        }
        if (g.couronne && f.tailleCouronne > 0) {
            QTransform tc;
            tc.translate(f.tete.x(), f.tete.y());
            tc.scale(f.tailleCouronne / 100.0, f.tailleCouronne / 100.0);
            const QPainterPath cour = tc.map(Couronne());
            p.fillPath(cour, Couleur(g.emailCouronne));
            Contour(cour, w * 0.8);
        }
        p.setTransform(sauve);
    }

    // Positions for a group laid freely in a zone.
    struct Pos {
        QPointF c;
        double s;
        bool miroir;
    };
    std::vector<Pos> Positions(const Groupe& g, const QRectF& z) {
        std::vector<Pos> v;
        const double x0 = z.left(), y0 = z.top(), w = z.width(), h = z.height();
        auto P = [&](double fx, double fy, double s, bool m = false) {
            v.push_back({{x0 + fx * w, y0 + fy * h}, s, m});
        };
        const double m = std::min(w, h);
        const bool mir = g.contourne;
        switch (g.dispo) {
        case Disposition::Seul:
            P(0.5, 0.45, m * 0.66, mir);
            break;
        case Disposition::EnFasce:
            if (g.nombre == 2) {
                P(0.29, 0.42, w * 0.38);
                P(0.71, 0.42, w * 0.38);
            } else {
                for (int i = 0; i < g.nombre; ++i)
                    P((i + 0.5) / g.nombre, 0.42, w * 0.8 / g.nombre);
            }
            break;
        case Disposition::EnPal:
            for (int i = 0; i < g.nombre; ++i) {
                const double fy = g.nombre == 2 ? 0.26 + i * 0.4 : 0.18 + i * 0.29;
                P(0.5, fy, std::min(w * 0.42, h * 0.85 / g.nombre));
            }
            break;
        case Disposition::EnBande:
            for (int i = 0; i < g.nombre; ++i) P(0.24 + i * 0.26, 0.2 + i * 0.26, m * 0.27);
            break;
        case Disposition::DeuxEtUn:
            P(0.28, 0.26, w * 0.36);
            P(0.72, 0.26, w * 0.36);
            P(0.5, 0.66, w * 0.36);
            break;
        case Disposition::UnEtDeux:
            P(0.5, 0.22, w * 0.34);
            P(0.28, 0.6, w * 0.34);
            P(0.72, 0.6, w * 0.34);
            break;
        case Disposition::DeuxEtDeux:
            for (int i = 0; i < 4; ++i) P(i % 2 ? 0.72 : 0.28, i < 2 ? 0.26 : 0.62, w * 0.33);
            break;
        case Disposition::TroisDeuxUn:
            for (int i = 0; i < 3; ++i) P(0.2 + i * 0.3, 0.19, w * 0.25);
            P(0.35, 0.45, w * 0.25);
            P(0.65, 0.45, w * 0.25);
            P(0.5, 0.71, w * 0.25);
            break;
        case Disposition::EnOrle: {
            const double pts[8][2] = {{0.18, 0.11}, {0.5, 0.1},  {0.82, 0.11}, {0.12, 0.4},
                                      {0.88, 0.4},  {0.2, 0.68}, {0.8, 0.68},  {0.5, 0.86}};
            for (auto& q : pts) P(q[0], q[1], w * 0.15);
            break;
        }
        case Disposition::Affrontes:
            P(0.26, 0.45, w * 0.44, true);
            P(0.74, 0.45, w * 0.44, false);
            break;
        case Disposition::Adosses:
            P(0.34, 0.45, m * 0.62, false);
            P(0.66, 0.45, m * 0.62, true);
            break;
        }
        return v;
    }

    void Groupe_(const Groupe& g, const QRectF& z, Email fond) {
        if (g.surmonte) {
            const double m = std::min(z.width(), z.height());
            Meuble_(g, {z.center().x(), z.top() + z.height() * 0.56}, m * 0.56, g.contourne, fond);
            Meuble_(*g.surmonte, {z.center().x(), z.top() + z.height() * 0.16}, m * 0.26, false,
                    fond);
            return;
        }
        for (const Pos& q : Positions(g, z)) Meuble_(g, q.c, q.s, q.miroir, fond);
    }

    void Liste(const Groupe& g, const std::vector<QPointF>& pts, double s, Email fond) {
        for (const QPointF& c : pts) Meuble_(g, c, s, g.contourne, fond);
    }

    // The ordinary, its charges and its companions, within zone z of shape forme.
    void Honorable_(const Honorable& h, const QPainterPath& forme, const QRectF& z, Email fond,
                    bool brochant) {
        const double x0 = z.left(), y0 = z.top(), w = z.width(), hh = z.height();
        const double cx = x0 + w / 2, cy = y0 + hh * 0.45;
        const double L = std::max(w, hh) * 1.6;
        const double angleBande = std::atan2(1.15, 1.0) * 180 / PI;
        QPainterPath piece;
        std::vector<QPointF> charges, compagnons;
        double tailleCharge = 0, tailleCompagnon = w * 0.22;
        switch (h.piece) {
        case Piece::Aucune:
            return;
        case Piece::Fasce: {
            if (h.nombre == 1) {
                const double t = hh * 0.28;
                piece = Place(Bande(L, t, h.ligne), {cx, cy}, 0);
                charges = {{cx - w * 0.3, cy}, {cx, cy}, {cx + w * 0.3, cy}};
                if (h.charge && h.charge->nombre == 1) charges = {{cx, cy}};
                tailleCharge = t * 0.78;
                const double haut = (y0 + cy - t / 2) / 2, bas = (cy + t / 2 + y0 + hh * 0.88) / 2;
                const double place = std::min(cy - t / 2 - y0, y0 + hh * 0.9 - cy - t / 2);
                tailleCompagnon = std::min(place * 0.78, w * 0.26);
                if (h.accompagne) {
                    const int n = h.accompagne->nombre;
                    if (n == 2)
                        compagnons = {{cx, haut}, {cx, bas}};
                    else if (n == 3)
                        compagnons = {{cx - w * 0.22, haut}, {cx + w * 0.22, haut}, {cx, bas}};
                    else {
                        tailleCompagnon = std::min(tailleCompagnon, w * 0.2);
                        compagnons = {{cx - w * 0.28, haut},
                                      {cx, haut},
                                      {cx + w * 0.28, haut},
                                      {cx - w * 0.2, bas - hh * 0.02},
                                      {cx, bas},
                                      {cx + w * 0.2, bas - hh * 0.02}};
                    }
                }
            } else {
                const double t = hh * 0.16;
                piece = Place(Bande(L, t, h.ligne), {cx, y0 + hh * 0.3}, 0)
                            .united(Place(Bande(L, t, h.ligne), {cx, y0 + hh * 0.6}, 0));
            }
            break;
        }
        case Piece::Trangles:
            for (double f : {0.28, 0.46, 0.64})
                piece.addPath(Place(Bande(L, hh * 0.07, Ligne::Droite), {cx, y0 + hh * f}, 0));
            break;
        case Piece::Jumelles: {
            const std::vector<double> ys = h.nombre == 2 ? std::vector<double>{0.32, 0.58}
                                                         : std::vector<double>{0.24, 0.45, 0.66};
            for (double f : ys)
                for (double d : {-0.042, 0.042})
                    piece.addPath(
                        Place(Bande(L, hh * 0.045, Ligne::Droite), {cx, y0 + hh * (f + d)}, 0));
            break;
        }
        case Piece::Pal: {
            if (h.nombre == 1) {
                const double t = w * 0.32;
                piece = Place(Bande(L, t, h.ligne), {cx, cy}, 90);
                charges = {{cx, cy - hh * 0.28}, {cx, cy}, {cx, cy + hh * 0.26}};
                tailleCharge = t * 0.72;
                tailleCompagnon = w * 0.24;
                compagnons = {{x0 + w * 0.17, cy}, {x0 + w * 0.83, cy}};
            } else {
                for (double f : {1.5, 3.5, 5.5})
                    piece.addPath(Place(Bande(L, w / 7, h.ligne), {x0 + w * f / 7, cy}, 90));
            }
            break;
        }
        case Piece::Vergettes:
            for (double f : {0.25, 0.5, 0.75})
                piece.addPath(Place(Bande(L, w * 0.08, Ligne::Droite), {x0 + w * f, cy}, 90));
            break;
        case Piece::Bande:
        case Piece::Barre:
        case Piece::Cotices:
        case Piece::Baton: {
            const bool barre = h.piece == Piece::Barre;
            const double ang = barre ? 180 - angleBande : angleBande;
            const QPointF c(cx, y0 + (barre ? hh * 0.45 : hh * 0.45));
            const double dirx = std::cos(ang * PI / 180), diry = std::sin(ang * PI / 180);
            if (h.piece == Piece::Cotices) {
                for (double d : {-0.2, 0.0, 0.2})
                    piece.addPath(Place(Bande(L, w * 0.075, Ligne::Droite),
                                        {c.x() - diry * d * w, c.y() + dirx * d * w}, ang));
            } else if (h.piece == Piece::Baton) {
                piece = Place(Bande(L, w * 0.1, Ligne::Droite), c, ang);
            } else if (h.nombre == 2) {
                for (double d : {-0.17, 0.17})
                    piece.addPath(Place(Bande(L, w * 0.15, h.ligne),
                                        {c.x() - diry * d * w, c.y() + dirx * d * w}, ang));
            } else {
                const double t = w * 0.3;
                piece = Place(Bande(L, t, h.ligne), c, ang);
                for (double d : {-0.3, 0.0, 0.3})
                    charges.push_back({c.x() + dirx * d * w, c.y() + diry * d * w});
                tailleCharge = t * 0.7;
                tailleCompagnon = w * 0.24;
                if (h.accompagne && h.accompagne->nombre == 6) {
                    tailleCompagnon = w * 0.15;
                    const double pts[6][2] = {{0.55, 0.1},  {0.82, 0.14}, {0.86, 0.4},
                                              {0.14, 0.45}, {0.2, 0.7},   {0.46, 0.86}};
                    for (auto& q : pts)
                        compagnons.push_back({x0 + (barre ? 1 - q[0] : q[0]) * w, y0 + q[1] * hh});
                } else {
                    compagnons = {{x0 + (barre ? 0.25 : 0.75) * w, y0 + 0.22 * hh},
                                  {x0 + (barre ? 0.73 : 0.27) * w, y0 + 0.68 * hh}};
                }
            }
            break;
        }
        case Piece::Chevron: {
            const double n = h.nombre;
            const double t = n == 1 ? w * 0.2 : w * 0.12;
            const double pente = (hh * 0.55) / (w / 2);
            const double v = t * std::sqrt(1 + pente * pente);
            for (int i = 0; i < h.nombre; ++i) {
                const double ya = n == 1 ? y0 + hh * 0.26 : y0 + hh * (0.16 + i * 0.22);
                const double e = w;
                piece.addPath(Poly({{cx - e, ya + pente * e},
                                    {cx, ya},
                                    {cx + e, ya + pente * e},
                                    {cx + e, ya + pente * e + v},
                                    {cx, ya + v},
                                    {cx - e, ya + pente * e + v}}));
                if (i == 0) {
                    const double d = w * 0.27;
                    charges = {{cx - d, ya + pente * d + v / 2},
                               {cx, ya + v * 0.55},
                               {cx + d, ya + pente * d + v / 2}};
                    tailleCharge = t * 0.8;
                }
            }
            tailleCompagnon = w * 0.24;
            compagnons = {
                {x0 + w * 0.2, y0 + hh * 0.2}, {x0 + w * 0.8, y0 + hh * 0.2}, {cx, y0 + hh * 0.74}};
            break;
        }
        case Piece::Croix: {
            const double t = w * (h.croix == Croix::Pleine ? 0.26 : 0.2);
            const double cyx = y0 + hh * 0.42;
            if (h.croix == Croix::Pleine) {
                piece = Place(Bande(L, t, h.ligne), {cx, cyx}, 0)
                            .united(Place(Bande(L, t, h.ligne), {cx, cyx}, 90));
            } else {
                const double bras = w * 0.38;
                for (int k = 0; k < 4; ++k) {
                    QPainterPath b;
                    const double lg =
                        k == 1 ? bras * 1.25 : bras; // the lower arm is a little longer
                    switch (h.croix) {
                    case Croix::Pattee:
                        b = Poly({{0, -w * 0.04}, {lg, -w * 0.16}, {lg, w * 0.16}, {0, w * 0.04}});
                        b = b.united(Rect(-w * 0.05, -w * 0.05, w * 0.05, w * 0.05));
                        break;
                    case Croix::Alesee:
                        b = Rect(0, -t / 2, lg, t / 2).united(Rect(-t / 2, -t / 2, 0, t / 2));
                        break;
                    case Croix::Potencee:
                        b = Rect(-t / 4, -t * 0.35, lg - t * 0.3, t * 0.35)
                                .united(Rect(lg - t * 0.35, -t * 0.85, lg, t * 0.85));
                        break;
                    case Croix::Ancree: {
                        b = Rect(-t / 4, -t * 0.3, lg - t * 0.5, t * 0.3);
                        QPainterPath ancre;
                        ancre.addEllipse(QPointF(lg - t * 0.15, 0), t * 0.8, t * 0.8);
                        QPainterPath creux;
                        creux.addEllipse(QPointF(lg + t * 0.42, 0), t * 0.78, t * 0.78);
                        b = b.united(ancre.subtracted(creux));
                        break;
                    }
                    case Croix::Fleurdelisee: {
                        b = Rect(-t / 4, -t * 0.3, lg - t * 0.7, t * 0.3);
                        QTransform tf;
                        tf.translate(lg - t * 0.75, 0);
                        tf.rotate(90);
                        tf.scale(t * 1.7 / 100, t * 1.7 / 100);
                        tf.translate(0, -12);
                        b = b.united(tf.map(FleurDeLisPath()));
                        break;
                    }
                    case Croix::Recroisetee:
                        b = Rect(-t / 4, -t * 0.3, lg, t * 0.3)
                                .united(Rect(lg - t * 0.95, -t * 0.85, lg - t * 0.55, t * 0.85));
                        break;
                    case Croix::Pommetee: {
                        b = Rect(-t / 4, -t * 0.3, lg - t * 0.4, t * 0.3);
                        QPainterPath boule;
                        boule.addEllipse(QPointF(lg - t * 0.5, 0), t * 0.5, t * 0.5);
                        b = b.united(boule);
                        break;
                    }
                    case Croix::Treflee: {
                        b = Rect(-t / 4, -t * 0.3, lg - t * 0.6, t * 0.3);
                        for (QPointF c :
                             {QPointF(lg - t * 0.35, 0), QPointF(lg - t * 0.8, -t * 0.45),
                              QPointF(lg - t * 0.8, t * 0.45)}) {
                            QPainterPath lobe;
                            lobe.addEllipse(c, t * 0.36, t * 0.36);
                            b = b.united(lobe);
                        }
                        break;
                    }
                    case Croix::Pleine:
                        break;
                    }
                    piece = piece.united(Place(b, {cx, cyx}, k * 90.0));
                }
                piece = piece.simplified();
            }
            charges = {{cx, cyx},
                       {cx - w * 0.3, cyx},
                       {cx + w * 0.3, cyx},
                       {cx, cyx - hh * 0.24},
                       {cx, cyx + hh * 0.3}};
            if (h.charge && h.charge->nombre == 1) charges.resize(1);
            tailleCharge = t * 0.78;
            const double qx = (w - t) / 4, a = cyx - t / 2 - y0, b = y0 + hh * 0.86 - cyx - t / 2;
            tailleCompagnon = std::min({qx * 1.35, a * 0.8, w * 0.24});
            compagnons = {{x0 + qx, y0 + a / 2},
                          {x0 + w - qx, y0 + a / 2},
                          {x0 + qx + w * 0.03, cyx + t / 2 + b * 0.42},
                          {x0 + w - qx - w * 0.03, cyx + t / 2 + b * 0.42}};
            break;
        }
        case Piece::Sautoir: {
            const double t = w * 0.22;
            const double ang = std::atan2(hh * 0.9, w) * 180 / PI;
            piece = Place(Bande(L, t, h.ligne), {cx, cy}, ang)
                        .united(Place(Bande(L, t, h.ligne), {cx, cy}, 180 - ang));
            const double dx = w * 0.28, dy = dx * std::tan(ang * PI / 180);
            charges = {{cx, cy},
                       {cx - dx, cy - dy},
                       {cx + dx, cy - dy},
                       {cx - dx, cy + dy},
                       {cx + dx, cy + dy}};
            if (h.charge && h.charge->nombre == 1) charges.resize(1);
            tailleCharge = t * 0.78;
            tailleCompagnon = w * 0.2;
            compagnons = {{cx, y0 + hh * 0.13},
                          {x0 + w * 0.13, cy},
                          {x0 + w * 0.87, cy},
                          {cx, y0 + hh * 0.8}};
            break;
        }
        case Piece::Pile:
            piece = Poly({{x0 + w * 0.2, y0 - 1}, {x0 + w * 0.8, y0 - 1}, {cx, y0 + hh * 0.86}});
            break;
        case Piece::Pairle: {
            const double t = w * 0.19;
            const QPointF c(cx, y0 + hh * 0.4);
            for (double ang : {-135.0, -45.0, 90.0}) {
                QPainterPath b = Rect(-t * 0.3, -t / 2, L, t / 2);
                piece = piece.united(Place(b, c, ang));
            }
            piece = piece.united(Poly({{c.x() - t * 0.6, c.y() - t * 0.3},
                                       {c.x() + t * 0.6, c.y() - t * 0.3},
                                       {c.x(), c.y() + t * 0.6}}));
            tailleCompagnon = w * 0.22;
            compagnons = {{cx, y0 + hh * 0.12},
                          {x0 + w * 0.16, y0 + hh * 0.58},
                          {x0 + w * 0.84, y0 + hh * 0.58}};
            break;
        }
        }
        (void)brochant;
        Piece_(forme, piece, h.email);
        if (h.charge)
            Liste(*h.charge,
                  charges.size() > size_t(h.charge->nombre)
                      ? std::vector<QPointF>(charges.begin(), charges.begin() + h.charge->nombre)
                      : charges,
                  tailleCharge, h.email);
        if (h.accompagne) Liste(*h.accompagne, compagnons, tailleCompagnon, fond);
    }

    void Champ_(const Armes& a, const QPainterPath& forme, const QRectF& z) {
        const double x0 = z.left(), y0 = z.top(), w = z.width(), h = z.height();
        const double x1 = x0 + w, y1 = y0 + h, cx = x0 + w / 2, cy = y0 + h * 0.48;
        auto region = [&](const QPainterPath& r, Email e) { Piece_(forme, r, e); };
        Remplir(forme, a.e1);
        switch (a.champ) {
        case Champ::Plein:
        case Champ::EcarteleArmes:
            break;
        case Champ::Parti:
            region(Rect(cx, y0 - 1, x1 + 1, y1 + 1), a.e2);
            break;
        case Champ::Coupe:
            region(Rect(x0 - 1, cy, x1 + 1, y1 + 1), a.e2);
            break;
        case Champ::Tranche:
            region(Poly({{x0, y0}, {x1, y0 + w * 1.25}, {x0 - 1, y1 + 200}}), a.e2);
            break;
        case Champ::Taille:
            region(Poly({{x1, y0}, {x0, y0 + w * 1.25}, {x1 + 1, y1 + 200}}), a.e2);
            break;
        case Champ::Ecartele:
            region(Rect(cx, y0 - 1, x1 + 1, cy), a.e2);
            region(Rect(x0 - 1, cy, cx, y1 + 1), a.e2);
            Contour(forme.intersected(Rect(cx, y0 - 1, x1 + 1, cy)));
            break;
        case Champ::EcarteleSautoir: {
            const QPointF c(cx, y0 + h * 0.45);
            region(Poly({{x0 - 1, y0 - 1}, c, {x0 - 1, y1 + 100}}), a.e2);
            region(Poly({{x1 + 1, y0 - 1}, c, {x1 + 1, y1 + 100}}), a.e2);
            break;
        }
        case Champ::Gironne: {
            const QPointF c(cx, y0 + h * 0.45);
            // The first giron, at the dexter chief, keeps the first tincture.
            for (int k = 1; k < 8; k += 2) {
                const double a0 = -PI / 2 - k * PI / 4, a1 = a0 - PI / 4;
                region(Poly({c,
                             {c.x() + 300 * std::cos(a0), c.y() + 300 * std::sin(a0)},
                             {c.x() + 300 * std::cos(a1), c.y() + 300 * std::sin(a1)}}),
                       a.e2);
            }
            break;
        }
        case Champ::TierceFasce:
            region(Rect(x0 - 1, y0 + h / 3, x1 + 1, y0 + h * 0.62), a.e2);
            region(Rect(x0 - 1, y0 + h * 0.62, x1 + 1, y1 + 1), a.e3);
            break;
        case Champ::TiercePal:
            region(Rect(x0 + w / 3, y0 - 1, x0 + 2 * w / 3, y1 + 1), a.e2);
            region(Rect(x0 + 2 * w / 3, y0 - 1, x1 + 1, y1 + 1), a.e3);
            break;
        case Champ::Fasce:
        case Champ::Burele: {
            const int n = a.champ == Champ::Fasce ? 6 : 10;
            const double pas = h * 0.92 / n;
            for (int i = 1; i < n; i += 2)
                region(Rect(x0 - 1, y0 + i * pas, x1 + 1, i == n - 1 ? y1 + 1 : y0 + (i + 1) * pas),
                       a.e2);
            break;
        }
        case Champ::Pale:
            for (int i = 1; i < 6; i += 2)
                region(Rect(x0 + i * w / 6, y0 - 1, x0 + (i + 1) * w / 6, y1 + 1), a.e2);
            break;
        case Champ::Bande:
        case Champ::Barre: {
            const double ang = a.champ == Champ::Bande ? 45 : 135;
            const double pas = w * 0.23;
            for (int i = -3; i <= 3; i += 2)
                region(Place(Rect(-300, (i - 0.5) * pas + pas, 300, (i + 0.5) * pas + pas),
                             {cx, y0 + h * 0.45}, ang),
                       a.e2);
            break;
        }
        case Champ::Echiquete: {
            const double pas = w / 6;
            for (int r = 0; r * pas < h; ++r)
                for (int c = 0; c < 6; ++c)
                    if ((r + c) % 2)
                        region(Rect(x0 + c * pas, y0 + r * pas, x0 + (c + 1) * pas,
                                    y0 + (r + 1) * pas),
                               a.e2);
            break;
        }
        case Champ::Losange: {
            const double lw = w / 5, lh = lw * 1.3;
            for (int r = -1; r * lh / 2 < h + lh; ++r)
                for (int c = -1; c < 7; ++c) {
                    if ((r + c) % 2 == 0) continue;
                    const double x = x0 + c * lw + (r % 2 ? lw / 2 : 0), y = y0 + r * lh / 2;
                    if ((r & 1) == 0) continue;
                    region(
                        Poly({{x, y - lh / 2}, {x + lw / 2, y}, {x, y + lh / 2}, {x - lw / 2, y}}),
                        a.e2);
                }
            break;
        }
        case Champ::Vaire:
            Vair(forme, a.e1, a.e2, false);
            break;
        case Champ::ContreVair:
            Vair(forme, Email::Argent, Email::Azur, true);
            break;
        case Champ::Fusele: {
            const double lw = w / 7, lh = lw * 2.4;
            for (int r = 0; r * lh < h + lh; ++r)
                for (int c = -1; c < 9; ++c) {
                    const double x = x0 + c * lw + (r % 2 ? lw / 2 : 0), y = y0 + r * lh;
                    region(
                        Poly({{x, y - lh / 2}, {x + lw / 2, y}, {x, y + lh / 2}, {x - lw / 2, y}}),
                        a.e2);
                }
            break;
        }
        case Champ::Chevronne: {
            const double d = h / 7, pente = 0.9;
            for (int k = -1; k < 9; k += 2) {
                const double ya = y0 + k * d - d;
                const double e = w;
                region(Poly({{cx - e, ya + pente * e},
                             {cx, ya},
                             {cx + e, ya + pente * e},
                             {cx + e, ya + pente * e + d},
                             {cx, ya + d},
                             {cx - e, ya + pente * e + d}}),
                       a.e2);
            }
            break;
        }
        case Champ::Papelonne: {
            const double lw = w / 6, lh = lw * 0.75;
            for (int r = -1; r * lh < h + lh; ++r)
                for (int c = -1; c < 8; ++c) {
                    const double x = x0 + c * lw + (r % 2 ? lw / 2 : 0), y = y0 + r * lh;
                    QPainterPath ecaille;
                    ecaille.moveTo(x - lw / 2, y);
                    ecaille.arcTo(QRectF(x - lw / 2, y - lw / 2, lw, lw), 180, 180);
                    ecaille.closeSubpath();
                    QPainterPath dedans;
                    dedans.moveTo(x - lw * 0.36, y);
                    dedans.arcTo(QRectF(x - lw * 0.36, y - lw * 0.36, lw * 0.72, lw * 0.72), 180,
                                 180);
                    dedans.closeSubpath();
                    region(ecaille, a.e2);
                    region(dedans, a.e1);
                }
            break;
        }
        case Champ::Frette: {
            const double pas = w / 3.2, t = w * 0.075;
            for (double ang : {45.0, 135.0})
                for (int k = -4; k <= 4; ++k) {
                    const double dx = std::cos((ang + 90) * PI / 180) * k * pas,
                                 dy = std::sin((ang + 90) * PI / 180) * k * pas;
                    region(
                        Place(Rect(-300, -t / 2, 300, t / 2), {cx + dx, y0 + h * 0.45 + dy}, ang),
                        a.e2);
                }
            break;
        }
        case Champ::Chape:
            region(Poly({{x0 - 1, y0 - 1}, {cx, y0 - 1}, {x0 - 1, y1 + 1}}), a.e2);
            region(Poly({{cx, y0 - 1}, {x1 + 1, y0 - 1}, {x1 + 1, y1 + 1}}), a.e2);
            break;
        case Champ::Chausse:
            region(Poly({{x0 - 1, y0}, {cx, y1 + 1}, {x0 - 1, y1 + 1}}), a.e2);
            region(Poly({{x1 + 1, y0}, {x1 + 1, y1 + 1}, {cx, y1 + 1}}), a.e2);
            break;
        case Champ::Seme: {
            Groupe g;
            g.meuble = a.seme;
            g.email = a.e2;
            p.save();
            p.setClipPath(forme, Qt::IntersectClip);
            const double pas = 19;
            int r = 0;
            for (double y = y0 + 7; y < y1 + pas; y += pas * 0.85, ++r)
                for (double x = x0 + (r % 2 ? pas / 2 : 0) + 2; x < x1 + pas; x += pas)
                    Meuble_(g, {x, y}, a.seme == Meuble::Billette ? 10 : 12, false, a.e1);
            p.restore();
            break;
        }
        }
    }

    void Armes_(const Armes& a, const QPainterPath& forme, QRectF z, bool principal) {
        if (a.champ == Champ::EcarteleArmes) {
            const double cx = z.left() + z.width() / 2, cy = z.top() + z.height() * 0.48;
            const QRectF q[4] = {QRectF(QPointF(z.left(), z.top()), QPointF(cx, cy)),
                                 QRectF(QPointF(cx, z.top()), QPointF(z.right(), cy)),
                                 QRectF(QPointF(z.left(), cy), QPointF(cx, z.bottom())),
                                 QRectF(QPointF(cx, cy), QPointF(z.right(), z.bottom()))};
            for (int i = 0; i < 4; ++i) {
                QPainterPath f =
                    forme.intersected(Rect(q[i].left(), q[i].top(), q[i].right(), q[i].bottom()));
                QRectF zq = q[i];
                if (i >= 2) zq.setBottom(zq.top() + zq.height() * 0.86);
                p.save();
                p.setClipPath(f, Qt::IntersectClip);
                Armes_(i == 0 || i == 3 ? *a.q14 : *a.q23, f, zq, false);
                p.restore();
                Contour(f);
            }
            if (a.surLeTout) {
                const double w = z.width() * 0.44;
                const QRectF r(cx - w / 2, cy - w * 0.62, w, w * 1.24);
                const QPainterPath petit = EcuFrancais(r);
                p.save();
                p.setClipPath(petit, Qt::IntersectClip);
                Armes_(*a.surLeTout, petit, r, false);
                p.restore();
                Contour(petit, TRAIT * 1.3);
            }
            return;
        }
        Champ_(a, forme, z);
        QRectF zc = z;
        if (a.bord == Bord::Bordure) zc = z.adjusted(10, 10, -10, -10);
        if (a.bord == Bord::Orle) zc = z.adjusted(15, 15, -15, -15);
        if (a.bord == Bord::Champagne) {
            const QPainterPath ch = forme.intersected(
                Rect(z.left() - 1, z.top() + z.height() * 0.75, z.right() + 1, z.bottom() + 1));
            Remplir(ch, a.emailBord);
            Contour(ch);
            zc.setBottom(z.top() + z.height() * 0.75);
            zc.setHeight(zc.height() / 0.9);
        }
        if (a.chef) {
            const double hc = z.height() * 0.28;
            QPainterPath chef;
            if (a.ligneChef == Ligne::Droite)
                chef = Rect(z.left() - 1, z.top() - 1, z.right() + 1, z.top() + hc);
            else {
                QPainterPath b = Place(Bande(z.width() * 1.5, hc * 2, a.ligneChef, false, true),
                                       {z.center().x(), z.top()}, 0);
                chef = b;
            }
            zc.setTop(z.top() + hc + 2);
            // The field below the chief keeps room for the point of the shield.
            const QRectF sousChef = zc;
            if (a.piece.piece != Piece::Aucune)
                Honorable_(a.piece, forme, sousChef, a.e1, false);
            else if (a.meubles)
                Groupe_(*a.meubles, sousChef, a.e1);
            Piece_(forme, chef, a.emailChef);
            if (a.chargeChef) {
                const int n = a.chargeChef->nombre;
                const double s = std::min(hc * 0.74, z.width() / (n + 0.6));
                std::vector<QPointF> pts;
                for (int i = 0; i < n; ++i)
                    pts.push_back({z.left() + z.width() * (n == 1   ? 0.5
                                                           : n == 2 ? 0.3 + i * 0.4
                                                                    : 0.2 + i * 0.3),
                                   z.top() + hc * 0.5});
                Liste(*a.chargeChef, pts, s, a.emailChef);
            }
        } else {
            if (a.piece.piece != Piece::Aucune)
                Honorable_(a.piece, forme, zc, a.e1, false);
            else if (a.meubles)
                Groupe_(*a.meubles, zc, a.e1);
        }
        if (principal && (a.bord == Bord::Bordure || a.bord == Bord::Orle)) {
            const bool orle = a.bord == Bord::Orle;
            const QPainterPath dedans = EcuFrancais(
                z.adjusted(orle ? 13 : 10, orle ? 13 : 10, orle ? -13 : -10, orle ? -13 : -10));
            const QPainterPath dehors = orle ? EcuFrancais(z.adjusted(7, 7, -7, -7)) : forme;
            const QPainterPath bord = dehors.subtracted(dedans);
            Remplir(bord, a.emailBord);
            if (a.compone) {
                const QPointF c(z.center().x(), z.top() + z.height() * 0.45);
                for (int k = 0; k < 16; k += 2) {
                    const double a0 = k * PI / 8, a1 = (k + 1) * PI / 8;
                    const QPainterPath s = bord.intersected(
                        Poly({c,
                              {c.x() + 300 * std::cos(a0), c.y() + 300 * std::sin(a0)},
                              {c.x() + 300 * std::cos(a1), c.y() + 300 * std::sin(a1)}}));
                    Remplir(s, a.emailCompone);
                    Contour(s);
                }
            }
            Contour(bord);
            if (a.chargeBord) {
                const QPainterPath milieu = EcuFrancais(z.adjusted(5, 5, -5, -5));
                std::vector<QPointF> pts;
                for (int i = 0; i < a.chargeBord->nombre; ++i)
                    pts.push_back(milieu.pointAtPercent(std::fmod(0.0625 + i / 8.0, 1.0)));
                Liste(*a.chargeBord, pts, 7.5, a.emailBord);
            }
        }
        if (a.bord == Bord::FrancQuartier || a.bord == Bord::Canton) {
            const double f = a.bord == Bord::FrancQuartier ? 0.4 : 0.3;
            const double gauche = a.senestre ? z.right() - z.width() * f : z.left() - 1;
            Piece_(forme,
                   Rect(gauche, z.top() - 1, gauche + z.width() * f + 1,
                        z.top() + z.width() * f * 1.05),
                   a.emailBord);
        }
        if (a.brochant.piece != Piece::Aucune) Honorable_(a.brochant, forme, z, a.e1, true);
    }
};

} // namespace

QColor Couleur(Email e) {
    switch (e) {
    case Email::Or:
        return QColor(246, 202, 42);
    case Email::Argent:
        return QColor(255, 255, 255);
    case Email::Gueules:
        return QColor(214, 32, 40);
    case Email::Azur:
        return QColor(28, 84, 178);
    case Email::Sinople:
        return QColor(30, 138, 62);
    case Email::Sable:
        return QColor(24, 24, 24);
    case Email::Pourpre:
        return QColor(128, 50, 128);
    case Email::Hermine:
        return QColor(255, 255, 255);
    case Email::ContreHermine:
        return QColor(24, 24, 24);
    case Email::Vair:
        return QColor(28, 84, 178);
    }
    return Qt::white;
}

QImage DessinerEcu(const Armes& a, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double marge = 4;
    const double sx = (w - 2 * marge) / LARGEUR, sy = (h - 2 * marge) / HAUTEUR;
    p.setTransform(QTransform(sx, 0, 0, sy, marge, marge));
    const QRectF z(0, 0, LARGEUR, HAUTEUR);
    const QPainterPath forme = EcuFrancais(z);
    p.save();
    p.setClipPath(forme);
    Peintre pe{p};
    pe.Armes_(a, forme, z, true);
    p.restore();
    pe.Contour(forme, 1.5);
    p.end();
    return img;
}

} // namespace bat
