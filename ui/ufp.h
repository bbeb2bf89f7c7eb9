#pragma once
// The main window FP of class TFP: every control of the stored window
// description, the shield views the browsing state asks for, tab switching and
// resizing, and the dictionary viewer. The handlers are thin: they hand the
// user's action to EtatNavigation and copy its mirrored values back to the
// controls without firing any event.
#include "catalogue.h"
#include "controles.h"
#include "disposition.h"
#include "navigation.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QPlainTextEdit;

namespace armo {

class VueHtml;

// The window caption, which the window description stores.
inline constexpr const char* CAPTION_FP =
    "ARMORIANE - Bibliothèque d'écus - Glossaire imagé - Dictionnaire";

// Registers the embedded Tahoma faces once; true when they are available.
bool EnregistrerPolices();
// Tahoma, regular, at a character height in pixels.
QFont Tahoma(int pixels);

class TFP : public QWidget, public ObservateurVues {
    Q_OBJECT
public:
    // Creates every control of the window description, in creation order; the
    // lists and views stay empty until FormCreate.
    explicit TFP(QWidget* parent = nullptr);
    ~TFP() override;

    // The creation handler: loads the lists, sets the first state, builds the
    // IMAGE and PLANCHE views and the first dictionary page.
    void FormCreate();
    // From now on a change of size rebuilds the active view.
    void DemarrageTermine() { demarre_ = true; }
    bool Demarre() const { return demarre_; }

    // Runs a handler's work: copies the user's selections to the browsing
    // state, runs it, copies the state back to the controls (also after a
    // failure), then reports the failure if there was one.
    void Executer(const std::function<void()>& operation);

    // ---- Handlers ----
    void FormResize();
    void OngChange();
    bool ShowHtml(const QString& page_G);
    void wbAideBeforeNavigate2(const QString& URL, bool& Cancel);
    void PL_SelectionImage(ImageArmo* image);
    void GL_SelectionImage(ImageArmo* image);

    Catalogue& catalogue() { return cat_; }
    EtatNavigation& etat() { return etat_; }
    // The browsing state's mirrored values, written to the controls.
    void Refleter();

    // ---- ObservateurVues ----
    // Counts the view loads, so that a check can tell which view was built last.
    void ChargementCommence(Chargement c) override {
        ++chargements_;
        dernierChargement_ = c;
    }
    std::int64_t Chargements() const { return chargements_; }
    Chargement DernierChargement() const { return dernierChargement_; }
    TaillePanneau Taille(Panneau panneau) override;
    void ViderPlanche(Panneau plaque) override;
    void AjouterImage(Panneau plaque, const ImagePlanche& image) override;
    void RetirerCadre(Panneau plaque) override;
    void PlacerCadre(Panneau plaque, const Dime& dime, const QString& conseil) override;
    void DefinirImage(std::int32_t ecu, const TailleUN& bornes) override;
    void Repeindre() override;

    // ---- The controls, by their names ----
    MemoTexte* MemoW = nullptr;
    PanneauArmo* pn_DroitTotal = nullptr;
    PanneauArmo* pnSepar = nullptr;
    ImageArmo* Image2 = nullptr;
    PanneauArmo* pn_DroitExt = nullptr;
    ControlePages* Ong = nullptr;
    QWidget* ong_Img = nullptr;
    PanneauArmo* pong_Img = nullptr;
    ImageArmo* Img = nullptr;
    QWidget* ong_Pla = nullptr;
    PanneauArmo* pong_Pla = nullptr;
    QWidget* ong_Rch = nullptr;
    PanneauArmo* pong_Rch = nullptr;
    QWidget* VELORINE = nullptr;
    VueHtml* wbAide = nullptr;
    PanneauArmo* pn_DroitHaut = nullptr;
    ImageArmo* Image6 = nullptr;
    PanneauArmo* pnNom = nullptr;
    ImageArmo* Image3 = nullptr;
    QLabel* lbnom = nullptr;
    QPlainTextEdit* Mem_blason = nullptr;
    PanneauArmo* pn_GAU = nullptr;
    ImageArmo* Image5 = nullptr;
    PanneauArmo* pn_GaucBas = nullptr;
    PanneauArmo* pn_Bouts = nullptr;
    ImageArmo* Image1 = nullptr;
    QLabel* clic_sur_img = nullptr;
    BoutonGlyphe* bt_prec = nullptr;
    BoutonGlyphe* bt_suiv = nullptr;
    ComboArmo* cb_Nim_PL = nullptr;
    ComboArmo* cb_Nim_MD = nullptr;
    ListeBoite* PLUN_liste = nullptr;
    ListeBoite* GL_liste = nullptr;
    PanneauArmo* pn_GaucHaut = nullptr;
    ImageArmo* Image4 = nullptr;
    QList<QImage> NIcon; // the two arrows, left then right
    QObject* ActionList1 = nullptr;
    QAction* acPrec = nullptr;
    QAction* acSuiv = nullptr;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void CreerControles();
    void Empiler(QWidget* parent);
    void OrdreFocus();
    PanneauArmo* PanneauDe(Panneau p) const;
    void LireControles();
    void ActionUtilisateur(const std::function<void()>& operation);

    Catalogue cat_;
    EtatNavigation etat_;
    Disposition disposition_;
    QHash<QWidget*, bool> dessine_; // drawn controls (pictures, labels) lie below windowed ones
    bool demarre_ = false;
    std::int64_t chargements_ = 0;
    // The bitmaps of the plate just emptied, drawn into again by the pictures of
    // the plate that replaces it: a plate of 45 shields is 20 MB, and taking it
    // from the system afresh on every load costs a tenth of the rebuild.
    std::vector<QImage> bitmapsLibres_;
    Chargement dernierChargement_ = Chargement::UN_ChargerImage;
};

} // namespace armo
