#include "geometrie.h"

#include <cmath>

namespace armo {

namespace {

// Every floating value that becomes a pixel count drops its fraction toward zero.
std::int32_t Trunc(double x) {
    return static_cast<std::int32_t>(std::trunc(x));
}

// The picture is limited by the height unless the quotient reaches the ratio;
// a quotient that is not a number (0 / 0) also takes the height branch.
bool LimiteParHauteur(double q) {
    return std::isnan(q) || q < RATIO_ECU;
}

} // namespace

GeoPlanche DefinirTaille(std::int32_t W, std::int32_t H, std::int32_t rangs) {
    GeoPlanche g;
    g.Rangs = rangs;
    g.Colonnes = 2 * rangs - 1;
    const std::int32_t c = g.Colonnes;
    const std::int32_t r = g.Rangs;
    // Below one column (a row count under 1) there is no grid to size.
    if (c < 1 || r < 1) return g;
    g.CaseL = (W - 4) / c;
    g.CaseH = (H - 3) / r;
    const double q = static_cast<double>(g.CaseH) / static_cast<double>(g.CaseL);
    if (LimiteParHauteur(q)) {
        g.DessH = g.CaseH - 2;
        g.DessL = Trunc((g.CaseH - 2) / RATIO_ECU) - 2;
    } else {
        g.DessL = g.CaseL - 2;
        g.DessH = Trunc((g.CaseL - 2) * RATIO_ECU) - 2;
    }
    // The margins share out the whole panel, not the part the cells were cut from.
    g.MargeX = Trunc(static_cast<double>(W - c * g.DessL) / (2.0 * c));
    g.MargeY = Trunc(static_cast<double>(H - r * g.DessH) / (2.0 * r));
    return g;
}

Dime DefinirPosition(const GeoPlanche& g, std::int32_t n) {
    if (g.Colonnes < 1) return {};
    const std::int32_t colonne = n % g.Colonnes;
    const std::int32_t rang = n / g.Colonnes;
    return {colonne * (2 * g.MargeX + g.DessL) + g.MargeX,
            rang * (2 * g.MargeY + g.DessH) + g.MargeY, g.DessL, g.DessH};
}

TailleUN UN_DefinirTaille(std::int32_t W, std::int32_t H) {
    const std::int32_t w = W - 2;
    const std::int32_t h = H - 2;
    const double q = static_cast<double>(h) / static_cast<double>(w);
    TailleUN t;
    if (LimiteParHauteur(q)) {
        t.hauteur = h;
        t.largeur = Trunc(h / RATIO_ECU);
    } else {
        t.largeur = w;
        t.hauteur = Trunc(w * RATIO_ECU);
    }
    t.gauche = (W - t.largeur) / 2;
    return t;
}

} // namespace armo
