#pragma once
// Placement of the window's controls by docking and anchors: a control docked
// top or left takes a strip of what is left of its parent's inner area, one
// docked client takes the rest, an undocked one keeps its distance to the
// parent's left (and, when anchored right, right) edge.
#include <QHash>
#include <QList>
#include <QRect>

class QWidget;

namespace armo {

enum class Ancrage { Aucun, Haut, Gauche, Client, Page };

struct Placement {
    Ancrage dock = Ancrage::Aucun;
    QRect conception;         // design bounds, relative to the parent
    bool ancreDroite = false; // keeps its distance to the parent's right edge
    bool ancreGauche = true;  // with ancreDroite: stretches with the parent
    int margeDroite = 0;      // that distance, taken from the design
};

class Disposition {
public:
    // Registers a child with its design bounds; largeurParent is the parent's
    // design width, from which the right anchor's distance is taken.
    void Ajouter(QWidget* w, Ancrage dock, const QRect& conception, int largeurParent = 0,
                 bool ancreDroite = false, bool ancreGauche = true);
    // Places every registered child of racine, then their children, top-down.
    void Appliquer(QWidget* racine) const;
    const Placement* Trouver(const QWidget* w) const;

private:
    QHash<const QWidget*, Placement> placements_;
    QHash<const QWidget*, QList<QWidget*>> enfants_; // registered children, creation order
};

// The inner area of a control: its rectangle less border and bevel.
QRect ZoneInterieure(const QWidget* w);

} // namespace armo
