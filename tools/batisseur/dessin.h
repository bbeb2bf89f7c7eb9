#pragma once
// The picture of a coat of arms: French shield, flat tinctures, black outlines.
#include "modele.h"

#include <QColor>
#include <QImage>

namespace bat {

QColor Couleur(Email e);

// The arms drawn on a white picture of w x h pixels, anti-aliased.
QImage DessinerEcu(const Armes& a, int w, int h);

} // namespace bat
