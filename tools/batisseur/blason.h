#pragma once
// The French blazon of a coat of arms, and the glossary terms its model uses.
#include "modele.h"

#include <QString>
#include <set>

namespace bat {

// The blazon, capital on its first word only.
QString Blasonner(const Armes& a);

// The glossary terms (their keys, see termes.h) that the arms show.
std::set<QString> TermesDe(const Armes& a);

// "d'or", "de gueules"...
QString De(Email e);
QString NomEmail(Email e);

} // namespace bat
