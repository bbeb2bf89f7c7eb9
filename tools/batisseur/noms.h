#pragma once
// Invented French family names, and the order the catalogue lists them in.
#include "alea.h"

#include <QString>
#include <QStringList>

namespace bat {

// n different names of 4 to 36 characters whose sort keys differ too.
QStringList InventerNoms(Alea& r, int n);

// The key names are sorted by: case and accents ignored, apostrophes left out,
// a blank or punctuation mark before any letter.
QString CleDeTri(const QString& nom);

} // namespace bat
