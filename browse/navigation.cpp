#include "navigation.h"

#include "erreurs.h"

#include <algorithm>

namespace armo {

namespace {

const QString PLANCHE_PRECEDENTE = QStringLiteral("Planche précédente");
const QString PLANCHE_SUIVANTE = QStringLiteral("Planche suivante");
const QString ECU_PRECEDENT = QStringLiteral("Ecu précédent");
const QString ECU_SUIVANT = QStringLiteral("Ecu suivant");

} // namespace

const char* NomChargement(Chargement c) {
    switch (c) {
    case Chargement::UN_ChargerImage:
        return "UN_ChargerImage";
    case Chargement::PL_ChargerImage:
        return "PL_ChargerImage";
    case Chargement::GL_ChargerImage:
        return "GL_ChargerImage";
    }
    return "?";
}

EtatNavigation::EtatNavigation(const Catalogue& catalogue, ObservateurVues& vues)
    : Conseil_bt_prec(PLANCHE_PRECEDENTE), Conseil_bt_suiv(PLANCHE_SUIVANTE), cat_(catalogue),
      vues_(vues) {}

QString EtatNavigation::nom(std::int32_t i) const {
    return cat_.ls_Noms[i];
}

QString EtatNavigation::blason(std::int32_t i) const {
    return cat_.BlasonEcu(i);
}

// A picture's hint is its shield's name; a shield the name list lacks has none.
static QString NomOuVide(const Catalogue& cat, std::int32_t i) {
    return i >= 0 && i < cat.N() ? cat.ls_Noms[i] : QString();
}

// ---- Start-up ----

void EtatNavigation::FormCreate_ValeursInitiales() {
    Onglet = ONG_GLOSSAIRE;
    UN_Courant = 0;
    PL_Debut = 0;
    // Selecting item 0 of an empty list leaves it without a selection.
    S = cat_.N() > 0 ? 0 : -1;
    PL_Rangs = 4;
    GL_Debut = 0;
    T = cat_.ls_Termes.Count() > 0 ? 0 : -1;
    GL_Rangs = 4;
    Entree_cb_Nim_MD = 2;
    Entree_cb_Nim_PL = 2;
}

void EtatNavigation::FormCreate_Vues() {
    UN_ChargerImage();
    PL_ChargerImage();
    lbnom = nom(0);
}

QStringList EtatNavigation::Demarrer() {
    QStringList echecs;
    try {
        FormCreate_ValeursInitiales();
        FormCreate_Vues();
    } catch (const Erreur& e) {
        echecs << e.message();
    }
    try {
        FormResize();
    } catch (const Erreur& e) {
        echecs << e.message();
    }
    return echecs;
}

// ---- The loads ----

void EtatNavigation::UN_ChargerImage() {
    vues_.ChargementCommence(Chargement::UN_ChargerImage);
    const TaillePanneau t = vues_.Taille(Panneau::pong_Img);
    const TailleUN bornes = UN_DefinirTaille(t.largeur, t.hauteur);
    UN_Courant = S;
    vues_.DefinirImage(UN_Courant, bornes);
    lbnom = nom(UN_Courant);
    Mem_blason = blason(UN_Courant);
}

void EtatNavigation::PL_ChargerImage() {
    vues_.ChargementCommence(Chargement::PL_ChargerImage);
    plancheConstruite_.complete = false;
    const TaillePanneau t = vues_.Taille(Panneau::pong_Pla);
    grilles.PanneauL = t.largeur;
    grilles.PanneauH = t.hauteur;
    vues_.ViderPlanche(Panneau::pong_Pla);
    grilles.PL_DefinirTaille(PL_Rangs);
    const std::int32_t nombre = std::min(cat_.N() - PL_Debut, P_PL());
    for (std::int32_t k = 0; k < nombre; ++k) {
        const std::int32_t ecu = PL_Debut + k;
        vues_.AjouterImage(Panneau::pong_Pla,
                           {QStringLiteral("imP%1").arg(k + 1), ecu, NomOuVide(cat_, ecu),
                            grilles.PL_DefinirPosition(k), ecu});
        if (k == 0) PL_SelectionImage(ecu);
    }
    plancheConstruite_ = {true, PL_Debut, PL_Rangs, t};
}

void EtatNavigation::GL_ChargerImage() {
    vues_.ChargementCommence(Chargement::GL_ChargerImage);
    const TaillePanneau t = vues_.Taille(Panneau::pong_Rch);
    grilles.PanneauL = t.largeur;
    grilles.PanneauH = t.hauteur;
    vues_.ViderPlanche(Panneau::pong_Rch);
    grilles.GL_DefinirTaille(GL_Rangs);
    const QString& refs = cat_.ls_Refs[T];
    GL_NbRefs = static_cast<std::int32_t>(refs.size() / 6);
    const std::int32_t nombre = std::min(GL_NbRefs - GL_Debut, P_GL());
    for (std::int32_t j = GL_Debut; j < GL_Debut + nombre; ++j) {
        const std::int32_t k = j - GL_Debut;
        const std::int32_t ecu = cat_.RefEcu(T, j);
        vues_.AjouterImage(Panneau::pong_Rch,
                           {QStringLiteral("imR%1").arg(k + 1), ecu * 10000 + j,
                            NomOuVide(cat_, ecu), grilles.GL_DefinirPosition(k), ecu});
        // The hint is read after the render: a shield the name list lacks fails there.
        if (ecu < 0 || ecu >= cat_.N()) nom(ecu);
        if (j == 0) GL_SelectionImage(ecu * 10000 + j);
    }
    vues_.Repeindre();
}

// ---- Selections ----

void EtatNavigation::PL_SelectionImage(std::int32_t tag) {
    grilles.PL_DefinirTaille(PL_Rangs);
    const std::int32_t position = tag % 10000 - PL_Debut;
    vues_.RetirerCadre(Panneau::pong_Pla);
    vues_.PlacerCadre(Panneau::pong_Pla, grilles.PL_DefinirPosition(position),
                      NomOuVide(cat_, tag));
    Mem_blason = blason(tag);
    S = tag;
    lbnom = nom(tag);
}

void EtatNavigation::GL_SelectionImage(std::int32_t tag) {
    grilles.GL_DefinirTaille(GL_Rangs);
    const std::int32_t ecu = tag / 10000;
    const std::int32_t position = tag % 10000 - GL_Debut;
    vues_.RetirerCadre(Panneau::pong_Rch);
    vues_.PlacerCadre(Panneau::pong_Rch, grilles.GL_DefinirPosition(position),
                      NomOuVide(cat_, ecu));
    lbnom = nom(ecu);
    Mem_blason = blason(ecu);
}

// ---- User actions ----

void EtatNavigation::PLUN_listeClick() {
    PL_Debut = S;
    UN_Courant = S;
    lbnom = nom(S);
    if (Onglet == ONG_PLANCHE)
        PL_ChargerImage();
    else
        UN_ChargerImage();
}

void EtatNavigation::GL_listeClick() {
    GL_Debut = 0;
    lbnom = cat_.ls_Termes[T];
    GL_ChargerImage();
}

void EtatNavigation::PL_Nombre_Images() {
    PL_Rangs = Entree_cb_Nim_PL + 2;
    PL_ChargerImage();
}

void EtatNavigation::GL_Nombre_Images() {
    GL_Rangs = Entree_cb_Nim_MD + 2;
    GL_ChargerImage();
}

// After a step on the GLOSSAIRE tab the header names the first shield of the
// plate now shown, whether the plate moved or not. A term without references
// has no such shield, and its header stays as it was.
void EtatNavigation::EnTeteGlossaire() {
    if (GL_Debut < 0 || GL_Debut >= GL_NbRefs) return;
    const std::int32_t ecu = cat_.RefEcu(T, GL_Debut);
    lbnom = nom(ecu);
    Mem_blason = blason(ecu);
}

void EtatNavigation::Dess_Precedent() {
    switch (Onglet) {
    case ONG_IMAGE:
        UN_Courant = std::max(0, UN_Courant - 1);
        S = UN_Courant;
        UN_ChargerImage();
        lbnom = nom(UN_Courant);
        Mem_blason = blason(UN_Courant);
        break;
    case ONG_PLANCHE:
        PL_Debut = std::max(0, PL_Debut - P_PL());
        S = PL_Debut;
        UN_Courant = PL_Debut;
        PL_ChargerImage();
        lbnom = nom(PL_Debut);
        Mem_blason = blason(PL_Debut);
        break;
    case ONG_GLOSSAIRE:
        GL_Debut = std::max(0, GL_Debut - P_GL());
        GL_ChargerImage();
        EnTeteGlossaire();
        break;
    default:
        break;
    }
}

void EtatNavigation::Dess_Suivant() {
    switch (Onglet) {
    case ONG_IMAGE:
        UN_Courant = std::min(UN_Courant + 1, cat_.N() - 1);
        S = UN_Courant;
        UN_ChargerImage();
        lbnom = nom(UN_Courant);
        Mem_blason = blason(UN_Courant);
        break;
    case ONG_PLANCHE:
        PL_Debut = std::min(PL_Debut + P_PL(), cat_.N() - 1);
        S = PL_Debut;
        UN_Courant = PL_Debut;
        PL_ChargerImage();
        lbnom = nom(PL_Debut);
        Mem_blason = blason(PL_Debut);
        break;
    case ONG_GLOSSAIRE:
        if (GL_Debut + P_GL() < GL_NbRefs) {
            GL_Debut += P_GL();
            GL_ChargerImage();
        }
        EnTeteGlossaire();
        break;
    default:
        break;
    }
}

// The plate on pong_Pla is current when its last build completed from the
// present start and rows at the panel's present size, and when the shared grid
// size is still that size, so that a click frames the cell it lands on.
bool EtatNavigation::PlancheAJour() {
    const Construction& c = plancheConstruite_;
    if (!c.complete || c.debut != PL_Debut || c.rangs != PL_Rangs) return false;
    const TaillePanneau t = vues_.Taille(Panneau::pong_Pla);
    return c.taille == t && grilles.PanneauL == t.largeur && grilles.PanneauH == t.hauteur;
}

void EtatNavigation::Img_dbclic() {
    Onglet = ONG_PLANCHE;
    bool deplace = false;
    if (UN_Courant < PL_Debut || UN_Courant >= PL_Debut + P_PL()) {
        PL_Debut = UN_Courant;
        deplace = true;
    }
    visibles.cb_Nim_PL = true;
    visibles.clic_sur_img = true;
    if (deplace || !PlancheAJour()) PL_ChargerImage();
}

void EtatNavigation::MemoImageSel(std::int32_t tag) {
    UN_Courant = tag;
    S = tag;
    UN_ChargerImage();
    Onglet = ONG_IMAGE;
    visibles.cb_Nim_PL = false;
    visibles.clic_sur_img = false;
}

void EtatNavigation::MemoImageSel2(std::int32_t tag) {
    UN_Courant = tag / 10000;
    visibles.GL_liste = false;
    S = UN_Courant;
    UN_ChargerImage();
    Onglet = ONG_IMAGE;
    visibles.cb_Nim_MD = false;
    visibles.clic_sur_img = false;
}

// ---- Tabs and size ----

void EtatNavigation::OngChange(std::int32_t p) {
    Onglet = p;
    if (p == ONG_DICTIONNAIRE) {
        visibles.pn_GaucBas = false;
        visibles.Mem_blason = false;
        visibles.lbnom = false;
        return;
    }
    visibles.pn_GaucBas = true;
    visibles.Mem_blason = true;
    visibles.lbnom = true;
    Conseil_bt_prec = PLANCHE_PRECEDENTE;
    Conseil_bt_suiv = PLANCHE_SUIVANTE;
    switch (p) {
    case ONG_IMAGE:
        Conseil_bt_prec = ECU_PRECEDENT;
        Conseil_bt_suiv = ECU_SUIVANT;
        visibles.GL_liste = false;
        UN_ChargerImage();
        visibles.cb_Nim_PL = false;
        visibles.clic_sur_img = false;
        visibles.cb_Nim_MD = false;
        break;
    case ONG_PLANCHE:
        visibles.GL_liste = false;
        PL_ChargerImage();
        visibles.cb_Nim_PL = true;
        visibles.cb_Nim_MD = false;
        visibles.clic_sur_img = true;
        break;
    case ONG_GLOSSAIRE:
        visibles.cb_Nim_PL = false;
        visibles.clic_sur_img = true;
        GL_ChargerImage();
        visibles.cb_Nim_MD = true;
        visibles.GL_liste = true;
        break;
    default:
        break;
    }
}

void EtatNavigation::FormResize() {
    switch (Onglet) {
    case ONG_IMAGE:
        UN_ChargerImage();
        break;
    case ONG_PLANCHE:
        PL_ChargerImage();
        break;
    case ONG_GLOSSAIRE:
        GL_ChargerImage();
        break;
    default:
        break;
    }
}

} // namespace armo
