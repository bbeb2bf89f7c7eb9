#pragma once
// Random arms that a herald would accept: the rule of tincture, the usual
// arrangements and attributes, drawn from a seeded generator.
#include "alea.h"
#include "modele.h"

namespace bat {

Armes TirerArmes(Alea& r);

} // namespace bat
