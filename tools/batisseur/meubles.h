#pragma once
// The charges, drawn by hand as vector paths in a box from -50 to 50 each way,
// y pointing down. The picture builder scales and places them.
#include "modele.h"

#include <QPainterPath>

namespace bat {

struct Forme {
    QPainterPath corps;           // filled with the charge's tincture, outlined in black
    QPainterPath traits;          // black inner lines (stroked)
    QPainterPath detail;          // claws and tongue, beak and legs, hilt, clapper, seed (filled)
    QPainterPath maconnerie;      // masonry joints (stroked in the attribute tincture)
    QPainterPath porte, fenetres; // openings of a tower or castle
    QPainterPath tige;            // stalk and leaves of a rose (sinople)
    QPointF tete;                 // where a crown sits
    double tailleCouronne = 0;
};

// The shape of a charge with its attributes already applied (reversed, turned...).
Forme FormeDe(const Groupe& g);

// The French shield outline inside a rectangle.
QPainterPath EcuFrancais(const QRectF& r);

// A crown, in the charge box.
QPainterPath Couronne();
QPainterPath FleurDeLisPath();

// A fur spot of ermine, in the charge box.
QPainterPath Moucheture();

} // namespace bat
