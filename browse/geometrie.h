#pragma once
// Where shield pictures go on their panels: the single IMAGE picture and the
// grids of the PLANCHE and GLOSSAIRE plates. Pure integer arithmetic on the
// panel size, with one floating constant; every pixel count is truncated.
#include <cstdint>

namespace armo {

// Height over width of a shield picture.
inline constexpr double RATIO_ECU = 1.284153;

// The rectangle of one picture, relative to the top-left corner of its panel.
struct Dime {
    std::int32_t zl = 0; // left
    std::int32_t zt = 0; // top
    std::int32_t zw = 0; // width
    std::int32_t zh = 0; // height
    friend bool operator==(const Dime&, const Dime&) = default;
};

// The geometry of one grid of Rangs rows and Colonnes = 2 * Rangs - 1 columns.
struct GeoPlanche {
    std::int32_t Rangs = 0;
    std::int32_t Colonnes = 0;
    std::int32_t CaseL = 0;  // cell width, before margins
    std::int32_t CaseH = 0;  // cell height, before margins
    std::int32_t DessL = 0;  // width of every picture
    std::int32_t DessH = 0;  // height of every picture
    std::int32_t MargeX = 0; // margin left and right of each picture
    std::int32_t MargeY = 0; // margin above and below each picture
    friend bool operator==(const GeoPlanche&, const GeoPlanche&) = default;
};

// The IMAGE picture's width, height and left; its top stays at its layout value.
struct TailleUN {
    std::int32_t largeur = 0;
    std::int32_t hauteur = 0;
    std::int32_t gauche = 0;
    friend bool operator==(const TailleUN&, const TailleUN&) = default;
};

// Pictures on a plate of r rows: (2r - 1) * r.
inline constexpr std::int32_t ImagesParPlanche(std::int32_t rangs) {
    return (2 * rangs - 1) * rangs;
}

// The grid sizing for a W x H panel and r rows.
GeoPlanche DefinirTaille(std::int32_t W, std::int32_t H, std::int32_t rangs);
// The rectangle of the picture at plate position n (reading order) of a grid.
Dime DefinirPosition(const GeoPlanche& geo, std::int32_t n);
// The largest shield-shaped picture that fits a W x H IMAGE panel, centred horizontally.
TailleUN UN_DefinirTaille(std::int32_t W, std::int32_t H);

// The two grids and the one panel size they share. Each grid loader writes the
// size of its own panel into PanneauL/PanneauH first; both sizing operations
// read the pair, whichever grid wrote it last.
struct Grilles {
    std::int32_t PanneauL = 0;
    std::int32_t PanneauH = 0;
    GeoPlanche PL_Geo;
    GeoPlanche GL_Geo;

    // Rewrite PL_Geo, resp. GL_Geo, from the shared panel size and the grid's rows.
    void PL_DefinirTaille(std::int32_t PL_Rangs) {
        PL_Geo = DefinirTaille(PanneauL, PanneauH, PL_Rangs);
    }
    void GL_DefinirTaille(std::int32_t GL_Rangs) {
        GL_Geo = DefinirTaille(PanneauL, PanneauH, GL_Rangs);
    }
    Dime PL_DefinirPosition(std::int32_t n) const { return DefinirPosition(PL_Geo, n); }
    Dime GL_DefinirPosition(std::int32_t n) const { return DefinirPosition(GL_Geo, n); }
};

} // namespace armo
