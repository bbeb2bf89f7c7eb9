// Grid geometry and the IMAGE fit, against hand-worked values.
#include "banc.h"
#include "geometrie.h"

#include <gtest/gtest.h>

#include <vector>

using namespace armo;

namespace {

struct CasGrille {
    const char* nom;
    std::int32_t W, H, r;
    GeoPlanche attendu;              // Rangs, Colonnes, CaseL, CaseH, DessL, DessH, MargeX, MargeY
    Dime premiere, derniere;         // positions 0 and P - 1
    std::vector<std::int32_t> lefts; // zl of every column
    std::vector<std::int32_t> tops;  // zt of every row
};

const CasGrille GRILLES[] = {
    {"770x454 r2",
     770,
     454,
     2,
     {2, 3, 255, 225, 171, 223, 42, 2},
     {42, 2, 171, 223},
     {552, 229, 171, 223},
     {42, 297, 552},
     {2, 229}},
    {"770x454 r3",
     770,
     454,
     3,
     {3, 5, 153, 150, 113, 148, 20, 1},
     {20, 1, 113, 148},
     {632, 301, 113, 148},
     {20, 173, 326, 479, 632},
     {1, 151, 301}},
    {"770x454 r4",
     770,
     454,
     4,
     {4, 7, 109, 112, 83, 110, 13, 1},
     {13, 1, 83, 110},
     {667, 337, 83, 110},
     {13, 122, 231, 340, 449, 558, 667},
     {1, 113, 225, 337}},
    {"770x454 r5",
     770,
     454,
     5,
     {5, 9, 85, 90, 66, 88, 9, 1},
     {9, 1, 66, 88},
     {681, 361, 66, 88},
     {9, 93, 177, 261, 345, 429, 513, 597, 681},
     {1, 91, 181, 271, 361}},
    // One picture per plate: 349.65 truncates to 349, 211.5 to 211, 2.5 to 2.
    {"770x454 r1",
     770,
     454,
     1,
     {1, 1, 766, 451, 347, 449, 211, 2},
     {211, 2, 347, 449},
     {211, 2, 347, 449},
     {211},
     {2}},
    // Width-limited: Trunc(253 * 1.284153) = 324, less 2.
    {"770x1000 r2",
     770,
     1000,
     2,
     {2, 3, 255, 498, 253, 322, 1, 89},
     {1, 89, 253, 322},
     {511, 589, 253, 322},
     {1, 256, 511},
     {89, 589}},
    {"770x1000 r5",
     770,
     1000,
     5,
     {5, 9, 85, 199, 83, 104, 1, 48},
     {1, 48, 83, 104},
     {681, 848, 83, 104},
     {1, 86, 171, 256, 341, 426, 511, 596, 681},
     {48, 248, 448, 648, 848}},
};

} // namespace

TEST(Geometrie, GrillesDesTablesCalculees) {
    for (const CasGrille& c : GRILLES) {
        SCOPED_TRACE(c.nom);
        Grilles g;
        g.PanneauL = c.W;
        g.PanneauH = c.H;
        g.PL_DefinirTaille(c.r);
        g.GL_DefinirTaille(c.r);
        EXPECT_EQ(g.PL_Geo, c.attendu);
        EXPECT_EQ(g.GL_Geo, c.attendu);
        const std::int32_t P = ImagesParPlanche(c.r);
        EXPECT_EQ(P, c.attendu.Colonnes * c.attendu.Rangs);
        EXPECT_EQ(g.PL_DefinirPosition(0), c.premiere);
        EXPECT_EQ(g.GL_DefinirPosition(P - 1), c.derniere);
        for (std::int32_t n = 0; n < P; ++n) {
            const Dime d = g.PL_DefinirPosition(n);
            EXPECT_EQ(d.zl, c.lefts[n % c.attendu.Colonnes]) << "position " << n;
            EXPECT_EQ(d.zt, c.tops[n / c.attendu.Colonnes]) << "position " << n;
            EXPECT_EQ(d.zw, c.attendu.DessL);
            EXPECT_EQ(d.zh, c.attendu.DessH);
        }
    }
}

TEST(Geometrie, LesPositionsPassentALaLigneApresColonnes) {
    const GeoPlanche g = DefinirTaille(770, 454, 3);
    EXPECT_EQ(DefinirPosition(g, 4), (Dime{632, 1, 113, 148}));
    EXPECT_EQ(DefinirPosition(g, 5), (Dime{20, 151, 113, 148}));
    EXPECT_EQ(DefinirPosition(g, 14), (Dime{632, 301, 113, 148}));
}

// The branch test is strict: a quotient exactly equal to the ratio is width-limited.
// With one column and one row, CaseL = W - 4 and CaseH = H - 3, so 1284153 / 1000000
// gives the double nearest to 1.284153, which is RATIO_ECU itself.
TEST(Geometrie, EgaliteAvecLeRatioEtQuotientIndefini) {
    ASSERT_EQ(1284153.0 / 1000000.0, RATIO_ECU);
    const GeoPlanche egal = DefinirTaille(1000004, 1284156, 1);
    EXPECT_EQ(egal.DessL, egal.CaseL - 2);
    EXPECT_EQ(egal.DessH, static_cast<std::int32_t>(999998 * RATIO_ECU) - 2);
    const GeoPlanche dessous = DefinirTaille(1000004, 1284155, 1);
    EXPECT_EQ(dessous.DessH, dessous.CaseH - 2);

    // 0 / 0 is not a number and takes the height branch.
    const GeoPlanche nan = DefinirTaille(4, 3, 1);
    EXPECT_EQ(nan.CaseL, 0);
    EXPECT_EQ(nan.CaseH, 0);
    EXPECT_EQ(nan.DessH, -2);
    EXPECT_EQ(nan.DessL, -3); // Trunc(-1.557) - 2

    EXPECT_EQ(UN_DefinirTaille(1000002, 1284155),
              (TailleUN{1000000, static_cast<std::int32_t>(1000000 * RATIO_ECU), 1}));
    EXPECT_EQ(UN_DefinirTaille(1000002, 1284154).hauteur, 1284152);
    EXPECT_EQ(UN_DefinirTaille(2, 2), (TailleUN{0, 0, 1}));
}

TEST(Geometrie, AjustementDeLImage) {
    struct Cas {
        std::int32_t W, H;
        TailleUN attendu;
    } cas[] = {
        {770, 454, {351, 452, 209}}, // height-limited, 351.98 truncated; left from the whole 770
        {770, 1000, {768, 986, 1}},  // width-limited, 986.23 truncated
    };
    for (const Cas& c : cas) EXPECT_EQ(UN_DefinirTaille(c.W, c.H), c.attendu) << c.W << "x" << c.H;
}
