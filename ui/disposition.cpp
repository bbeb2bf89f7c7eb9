#include "disposition.h"

#include "controles.h"

#include <QWidget>

namespace armo {

void Disposition::Ajouter(QWidget* w, Ancrage dock, const QRect& conception, int largeurParent,
                          bool ancreDroite, bool ancreGauche) {
    Placement p;
    p.dock = dock;
    p.conception = conception;
    p.ancreDroite = ancreDroite;
    p.ancreGauche = ancreGauche;
    p.margeDroite = largeurParent - (conception.x() + conception.width());
    placements_.insert(w, p);
    enfants_[w->parentWidget()].append(w);
    w->setGeometry(conception);
}

const Placement* Disposition::Trouver(const QWidget* w) const {
    auto it = placements_.constFind(w);
    return it == placements_.constEnd() ? nullptr : &it.value();
}

QRect ZoneInterieure(const QWidget* w) {
    if (auto* pn = qobject_cast<const PanneauArmo*>(w)) return pn->ZoneInterieure();
    return w->rect();
}

void Disposition::Appliquer(QWidget* racine) const {
    auto it = enfants_.constFind(racine);
    if (it == enfants_.constEnd()) return;
    const QList<QWidget*>& liste = it.value();
    QRect reste = ZoneInterieure(racine);
    // Top strips first, then left strips, then the client fill, then the free ones.
    for (QWidget* w : liste) {
        const Placement& p = placements_[w];
        if (p.dock != Ancrage::Haut) continue;
        w->setGeometry(reste.x(), reste.y(), reste.width(), p.conception.height());
        reste.setTop(reste.y() + p.conception.height());
    }
    for (QWidget* w : liste) {
        const Placement& p = placements_[w];
        if (p.dock != Ancrage::Gauche) continue;
        w->setGeometry(reste.x(), reste.y(), p.conception.width(), reste.height());
        reste.setLeft(reste.x() + p.conception.width());
    }
    for (QWidget* w : liste) {
        const Placement& p = placements_[w];
        if (p.dock == Ancrage::Client) w->setGeometry(reste);
        if (p.dock == Ancrage::Page) {
            if (auto* pages = qobject_cast<ControlePages*>(racine))
                w->setGeometry(pages->RectAffichage());
        }
    }
    for (QWidget* w : liste) {
        const Placement& p = placements_[w];
        if (p.dock != Ancrage::Aucun || !p.ancreDroite) continue;
        const int droite = racine->width() - p.margeDroite;
        QRect r = w->geometry();
        if (p.ancreGauche)
            r.setRight(droite - 1);
        else
            r.moveRight(droite - 1);
        w->setGeometry(r);
    }
    for (QWidget* w : liste) Appliquer(w);
}

} // namespace armo
