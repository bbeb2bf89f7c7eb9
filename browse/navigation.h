#pragma once
// The browsing state: which shield is current, where each plate starts, how many
// rows each plate has, and what every user action on the lists, the plate-size
// combos, the previous/next commands, the pictures and the tabs does to it.
// It runs without a window: the window implements ObservateurVues to turn the
// loads into controls, and reads the mirrored values after each operation.
#include "catalogue.h"
#include "geometrie.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace armo {

// Page index of the tab control Ong.
enum Onglet : std::int32_t {
    ONG_IMAGE = 0,
    ONG_PLANCHE = 1,
    ONG_GLOSSAIRE = 2,
    ONG_DICTIONNAIRE = 3,
};

// The three panels that host a view. pong_Pla and pong_Rch also name the two plates.
enum class Panneau { pong_Img, pong_Pla, pong_Rch };

// The three view loads.
enum class Chargement { UN_ChargerImage, PL_ChargerImage, GL_ChargerImage };
const char* NomChargement(Chargement c);

struct TaillePanneau {
    std::int32_t largeur = 0;
    std::int32_t hauteur = 0;
    friend bool operator==(const TaillePanneau&, const TaillePanneau&) = default;
};

// One picture of a plate, as the load that adds it sees it.
struct ImagePlanche {
    QString nom; // "imP1", "imP2"… on pong_Pla, "imR1"… on pong_Rch; from 1 on every plate
    std::int32_t tag = 0;  // PLANCHE: the shield; GLOSSAIRE: shield * 10000 + reference position
    QString conseil;       // the hint: the shield's name
    Dime dime;             // its bounds on the panel
    std::int32_t ecu = -1; // the shield to render, resource "GIF" CORRNOM(ecu + 1)
};

// What the window does for the loads and selections, one call per step, in the
// order the steps run. A call that throws (a picture that does not decode, a
// resource that is missing) ends the operation at that step: the state changes
// made before it stay, the steps after it are not made, and the exception leaves
// the operation for the window to report.
class ObservateurVues {
public:
    virtual ~ObservateurVues() = default;

    // Asked by a load as its first step, and by Img_dbclic to know whether the
    // PLANCHE plate still fits its panel: the panel's current size.
    virtual TaillePanneau Taille(Panneau panneau) = 0;

    // Made as a load begins, before its first step. The window need do nothing;
    // the recorder uses it to list the loads an operation ran.
    virtual void ChargementCommence(Chargement) {}

    // Grid load, after the panel size is read: destroy every selection frame of
    // the plate, then every picture of it.
    virtual void ViderPlanche(Panneau plaque) = 0;

    // Grid load, once per picture in plate order: create the picture control on
    // the plate, set its bounds, render the shield into it (this may throw), then
    // give it its hint and tag and wire its click and double-click.
    virtual void AjouterImage(Panneau plaque, const ImagePlanche& image) = 0;

    // Selection of a grid picture (by a click, or by a load on its first
    // picture): destroy every selection frame of the plate.
    virtual void RetirerCadre(Panneau plaque) = 0;

    // Right after RetirerCadre: create the red frame with these bounds and hint.
    virtual void PlacerCadre(Panneau plaque, const Dime& dime, const QString& conseil) = 0;

    // IMAGE load: set Img's height, width and left (its top is unchanged), then
    // render shield `ecu` into it (this may throw).
    virtual void DefinirImage(std::int32_t ecu, const TailleUN& bornes) = 0;

    // Last step of a GLOSSAIRE load that completed: repaint the whole window now.
    virtual void Repeindre() = 0;
};

class EtatNavigation {
public:
    // Both must outlive the state. The values are those of the window as its
    // stored description creates it, before start-up runs.
    EtatNavigation(const Catalogue& catalogue, ObservateurVues& vues);

    // ---- The browsing state ----
    std::int32_t UN_Courant = 0; // shield of the IMAGE view
    std::int32_t PL_Debut = 0;   // first shield of the PLANCHE plate
    std::int32_t PL_Rangs = 4;   // rows of a PLANCHE plate
    std::int32_t GL_Debut = 0;   // first reference position of the GLOSSAIRE plate
    std::int32_t GL_Rangs = 4;   // rows of a GLOSSAIRE plate
    std::int32_t GL_NbRefs = 0;  // references of the term of the last GLOSSAIRE load

    // ---- Values the window mirrors. The window writes S, T and the combo entries
    // before calling the operation of the user's action; the operations write all
    // of them, and the window copies them to its controls (firing no event)
    // after every operation, including one that threw. ----
    std::int32_t S = -1;                 // selected item of PLUN_liste, -1 for none
    std::int32_t T = -1;                 // selected item of GL_liste, -1 for none
    std::int32_t Onglet = ONG_GLOSSAIRE; // active page of Ong
    std::int32_t Entree_cb_Nim_PL = -1;  // chosen entry of cb_Nim_PL, 0..3 or -1
    std::int32_t Entree_cb_Nim_MD = -1;  // chosen entry of cb_Nim_MD, 0..3 or -1
    QString lbnom;                       // header: a name, or a term
    QString Mem_blason;                  // header: a blazon
    struct Visibles {
        bool pn_GaucBas = true;
        bool lbnom = true;
        bool Mem_blason = true;
        bool GL_liste = true;
        bool cb_Nim_PL = false;
        bool cb_Nim_MD = true;
        bool clic_sur_img = true;
        friend bool operator==(const Visibles&, const Visibles&) = default;
    } visibles;
    QString Conseil_bt_prec; // hint of bt_prec
    QString Conseil_bt_suiv; // hint of bt_suiv

    // The grid geometry, with the panel size both grids share.
    Grilles grilles;

    // Pictures per plate.
    std::int32_t P_PL() const { return ImagesParPlanche(PL_Rangs); }
    std::int32_t P_GL() const { return ImagesParPlanche(GL_Rangs); }

    // ---- Start-up ----
    // FormCreate's settings once the lists are loaded: GLOSSAIRE active, the six
    // integers at their first values, item 0 of each list selected (-1 when the
    // list is empty), both combos on "28 images". Fires nothing, cannot fail.
    void FormCreate_ValeursInitiales();
    // FormCreate's view building: the IMAGE load, the PLANCHE load, then lbnom
    // := the first shield's name. A failure ends it there (the window then skips
    // its remaining creation steps).
    void FormCreate_Vues();
    // The whole start-up the window goes through, for tools and tests:
    // FormCreate_ValeursInitiales, FormCreate_Vues, then the first FormResize.
    // A failure of the creation steps skips the rest of them but not the resize.
    // Returns the messages of the failures, in order.
    QStringList Demarrer();

    // ---- User actions ----
    void PLUN_listeClick();  // S already holds the clicked item
    void GL_listeClick();    // T already holds the clicked item
    void PL_Nombre_Images(); // Entree_cb_Nim_PL already holds the entry (-1: typed text)
    void GL_Nombre_Images(); // Entree_cb_Nim_MD, likewise
    void Dess_Precedent();
    void Dess_Suivant();
    void Img_dbclic();
    void MemoImageSel(std::int32_t tag);      // double-click on a PLANCHE picture
    void MemoImageSel2(std::int32_t tag);     // double-click on a GLOSSAIRE picture
    void PL_SelectionImage(std::int32_t tag); // click on a PLANCHE picture
    void GL_SelectionImage(std::int32_t tag); // click on a GLOSSAIRE picture
    void OngChange(std::int32_t p);           // the user selected page p, now active
    void FormResize();                        // the window took a new size

    // ---- The view loads, with their effects on the state ----
    void UN_ChargerImage();
    void PL_ChargerImage();
    void GL_ChargerImage();

private:
    QString nom(std::int32_t i) const;
    QString blason(std::int32_t i) const;
    void EnTeteGlossaire();
    bool PlancheAJour();

    const Catalogue& cat_;
    ObservateurVues& vues_;

    // What the PLANCHE plate on the panel was last built from, to tell a stale
    // plate from a current one when the IMAGE picture is double-clicked.
    struct Construction {
        bool complete = false;
        std::int32_t debut = 0;
        std::int32_t rangs = 0;
        TaillePanneau taille;
    } plancheConstruite_;
};

} // namespace armo
