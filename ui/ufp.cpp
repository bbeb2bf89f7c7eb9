#include "ufp.h"

#include "affichage.h"
#include "decor.h"
#include "erreurs.h"
#include "rapport.h"
#include "ressources.h"
#include "vuehtml.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStringEncoder>
#include <QTextDocument>
#include <QTimer>
#include <new>
#include <optional>

namespace armo {

namespace {

// The window face colour, which every themed panel shows through.
QColor CouleurFace() {
    return QApplication::palette().color(QPalette::Button);
}

// The window frame the outer sizes were designed with: the creation size of
// 1034 x 561 inside it makes 1050 x 600, and the minimum outer size of
// 1000 x 600 is kept as a minimum client size within that same frame, so that
// the window opens at its own size whatever frame the desktop draws.
constexpr int CADRE_L = 16;
constexpr int CADRE_H = 39;

// The application-wide hourglass, reset on every way out of the scope.
class Sablier {
public:
    Sablier() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sablier() { QApplication::restoreOverrideCursor(); }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;
};

// The page text as bytes of the system's code page; where that code page is
// UTF-8 the UTF-8 byte-order mark comes first.
QByteArray EncoderPage(const QString& texte) {
    QStringEncoder encodeur(QStringConverter::System);
    QByteArray octets = encodeur.encode(texte);
    if (QByteArrayView(encodeur.name()).compare("UTF-8", Qt::CaseInsensitive) == 0)
        octets.prepend("\xEF\xBB\xBF");
    return octets;
}

} // namespace

bool EnregistrerPolices() {
    static const bool faites = [] {
        const int a =
            QFontDatabase::addApplicationFont(QStringLiteral(":/armoriane_ui/tahoma.ttf"));
        const int b =
            QFontDatabase::addApplicationFont(QStringLiteral(":/armoriane_ui/tahomabd.ttf"));
        return a >= 0 && b >= 0;
    }();
    return faites;
}

QFont Tahoma(int pixels) {
    EnregistrerPolices();
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(pixels);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

TFP::TFP(QWidget* parent) : QWidget(parent), etat_(cat_, *this) {
    setObjectName(QStringLiteral("FP"));
    setWindowTitle(QString::fromUtf8(CAPTION_FP));
    setFont(Tahoma(11));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, CouleurFace());
    setPalette(pal);
    resize(1034, 561);
    setMinimumSize(1000 - CADRE_L, 600 - CADRE_H);
    CreerControles();
    disposition_.Appliquer(this);
    if (QScreen* ecran = QGuiApplication::primaryScreen()) {
        const QRect zone = ecran->availableGeometry();
        move(zone.x() + (zone.width() - width()) / 2, zone.y() + (zone.height() - height()) / 2);
    }
}

TFP::~TFP() = default;

void TFP::CreerControles() {
    const auto nommer = [](QWidget* w, const char* nom) {
        w->setObjectName(QLatin1String(nom));
        NommerAccessible(w, QLatin1String(nom));
    };
    const auto panneau = [&](QWidget* parent, const char* nom, Ancrage dock, QRect r, bool biseau,
                             int bordure, QColor couleur, int largeurParent = 0) {
        auto* p = new PanneauArmo(parent, biseau, bordure, couleur);
        nommer(p, nom);
        disposition_.Ajouter(p, dock, r, largeurParent);
        dessine_[p] = false;
        return p;
    };
    const auto image = [&](QWidget* parent, const char* nom, Ancrage dock, QRect r, bool etiree,
                           const QImage& decor) {
        auto* im = new ImageArmo(parent, etiree);
        nommer(im, nom);
        disposition_.Ajouter(im, dock, r);
        im->DefinirImage(decor);
        dessine_[im] = true;
        return im;
    };
    const auto memo = [&](QPlainTextEdit* m, const char* nom) {
        nommer(m, nom);
        m->setTabChangesFocus(true);
        m->setContextMenuPolicy(Qt::DefaultContextMenu);
        dessine_[m] = false;
    };

    const QImage degrade = ImageDecor(QStringLiteral("degrade"));
    const QColor blanc(255, 255, 255);

    // MemoW: the hidden holder of the page shown by the dictionary.
    MemoW = new MemoTexte(this);
    memo(MemoW, "MemoW");
    disposition_.Ajouter(MemoW, Ancrage::Aucun, QRect(61, 2, 100, 40));
    MemoW->DefinirTexte(QStringLiteral("MemoW"));
    MemoW->hide();

    pn_DroitTotal = panneau(this, "pn_DroitTotal", Ancrage::Client, QRect(242, 0, 792, 561), true,
                            0, QApplication::palette().color(QPalette::Highlight));
    pnSepar = panneau(pn_DroitTotal, "pnSepar", Ancrage::Gauche, QRect(1, 1, 8, 559), false, 0,
                      CouleurFace());
    Image2 = image(pnSepar, "Image2", Ancrage::Client, QRect(0, 0, 8, 559), true,
                   ImageDecor(QStringLiteral("image2")));
    pn_DroitExt = panneau(pn_DroitTotal, "pn_DroitExt", Ancrage::Client, QRect(9, 1, 782, 559),
                          false, 2, QColor(248, 248, 248));

    Ong = new ControlePages(pn_DroitExt);
    nommer(Ong, "Ong");
    disposition_.Ajouter(Ong, Ancrage::Client, QRect(2, 73, 778, 484));
    dessine_[Ong] = false;
    const auto feuille = [&](const char* nom, const char* titre) {
        auto* f = new QWidget(Ong);
        nommer(f, nom);
        Ong->AjouterPage(f, QString::fromUtf8(titre));
        disposition_.Ajouter(f, Ancrage::Page, Ong->RectAffichage());
        dessine_[f] = false;
        return f;
    };
    ong_Img = feuille("ong_Img", "IMAGE");
    pong_Img = panneau(ong_Img, "pong_Img", Ancrage::Client, QRect(0, 0, 770, 454), true, 0, blanc);
    Img = image(pong_Img, "Img", Ancrage::Aucun, QRect(1, 1, 937, 531), true, QImage());
    ong_Pla = feuille("ong_Pla", "PLANCHE");
    pong_Pla = panneau(ong_Pla, "pong_Pla", Ancrage::Client, QRect(0, 0, 770, 454), true, 0, blanc);
    ong_Rch = feuille("ong_Rch", "GLOSSAIRE");
    pong_Rch = panneau(ong_Rch, "pong_Rch", Ancrage::Client, QRect(0, 0, 770, 454), true, 0, blanc);
    VELORINE = feuille("VELORINE", "DICTIONNAIRE");
    wbAide = new VueHtml(VELORINE);
    nommer(wbAide, "wbAide");
    disposition_.Ajouter(wbAide, Ancrage::Client, QRect(0, 0, 770, 454));
    dessine_[wbAide] = false;
    Ong->ChoisirPage(ONG_GLOSSAIRE);

    pn_DroitHaut = panneau(pn_DroitExt, "pn_DroitHaut", Ancrage::Haut, QRect(2, 2, 778, 71), false,
                           0, QColor(0, 0, 255));
    Image6 = image(pn_DroitHaut, "Image6", Ancrage::Client, QRect(260, 0, 518, 71), true, degrade);
    pnNom = panneau(pn_DroitHaut, "pnNom", Ancrage::Gauche, QRect(0, 0, 260, 71), false, 0,
                    CouleurFace());
    Image3 = image(pnNom, "Image3", Ancrage::Client, QRect(0, 0, 260, 71), true, degrade);
    lbnom = new QLabel(pnNom);
    nommer(lbnom, "lbnom");
    disposition_.Ajouter(lbnom, Ancrage::Aucun, QRect(4, 4, 253, 33));
    lbnom->setTextFormat(Qt::PlainText);
    lbnom->setWordWrap(true);
    lbnom->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbnom->setFont(Tahoma(16));
    {
        QPalette p = lbnom->palette();
        p.setColor(QPalette::WindowText, Qt::black);
        lbnom->setPalette(p);
    }
    dessine_[lbnom] = true;
    Mem_blason = new QPlainTextEdit(pn_DroitHaut);
    memo(Mem_blason, "Mem_blason");
    disposition_.Ajouter(Mem_blason, Ancrage::Client, QRect(260, 0, 518, 71));
    Mem_blason->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Mem_blason->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Mem_blason->setFont(Tahoma(13));

    pn_GAU =
        panneau(this, "pn_GAU", Ancrage::Gauche, QRect(0, 0, 242, 561), true, 0, CouleurFace());
    Image5 = image(pn_GAU, "Image5", Ancrage::Client, QRect(1, 72, 240, 488), true, degrade);
    pn_GaucBas = panneau(pn_GAU, "pn_GaucBas", Ancrage::Client, QRect(1, 72, 240, 488), true, 0,
                         CouleurFace());
    pn_Bouts = panneau(pn_GaucBas, "pn_Bouts", Ancrage::Haut, QRect(1, 1, 238, 56), false, 0,
                       QColor(160, 180, 190));
    Image1 = image(pn_Bouts, "Image1", Ancrage::Client, QRect(0, 0, 238, 56), true,
                   ImageDecor(QStringLiteral("image1")));
    clic_sur_img = new QLabel(QStringLiteral("Clic sur l'image affiche le blason"), pn_Bouts);
    nommer(clic_sur_img, "clic_sur_img");
    disposition_.Ajouter(clic_sur_img, Ancrage::Aucun, QRect(7, 33, 184, 16), 238, true, true);
    clic_sur_img->setTextFormat(Qt::PlainText);
    clic_sur_img->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    clic_sur_img->setFont(Tahoma(13));
    {
        QPalette p = clic_sur_img->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        clic_sur_img->setPalette(p);
    }
    dessine_[clic_sur_img] = true;

    ActionList1 = new QObject(this);
    ActionList1->setObjectName(QStringLiteral("ActionList1"));
    NIcon = {GlypheTransparent(ImageDecor(QStringLiteral("fleche_g"))),
             GlypheTransparent(ImageDecor(QStringLiteral("fleche_d")))};
    acPrec = new QAction(ActionList1);
    acPrec->setObjectName(QStringLiteral("acPrec"));
    acPrec->setToolTip(QStringLiteral("Planche précédente"));
    acSuiv = new QAction(ActionList1);
    acSuiv->setObjectName(QStringLiteral("acSuiv"));
    acSuiv->setToolTip(QStringLiteral("Planche suivante"));

    bt_prec = new BoutonGlyphe(pn_Bouts, acPrec, NIcon[0]);
    nommer(bt_prec, "bt_prec");
    disposition_.Ajouter(bt_prec, Ancrage::Aucun, QRect(2, 2, 27, 27));
    dessine_[bt_prec] = false;
    bt_suiv = new BoutonGlyphe(pn_Bouts, acSuiv, NIcon[1]);
    nommer(bt_suiv, "bt_suiv");
    disposition_.Ajouter(bt_suiv, Ancrage::Aucun, QRect(32, 2, 27, 27));
    dessine_[bt_suiv] = false;

    const auto combo = [&](const char* nom) {
        auto* c = new ComboArmo(pn_Bouts);
        nommer(c, nom);
        disposition_.Ajouter(c, Ancrage::Aucun, QRect(142, 3, 96, 24), 238, true, false);
        c->setFont(Tahoma(13));
        c->setToolTip(QStringLiteral("Images par planche"));
        c->addItems({QStringLiteral("  6 images"), QStringLiteral("15 images"),
                     QStringLiteral("28 images"), QStringLiteral("45 images")});
        c->ChoisirEntree(-1);
        c->setEditText(QStringLiteral("15 images"));
        dessine_[c] = false;
        return c;
    };
    cb_Nim_PL = combo("cb_Nim_PL");
    cb_Nim_PL->hide();
    cb_Nim_MD = combo("cb_Nim_MD");

    const auto liste = [&](const char* nom) {
        auto* l = new ListeBoite(pn_GaucBas);
        nommer(l, nom);
        disposition_.Ajouter(l, Ancrage::Client, QRect(1, 57, 238, 430));
        l->setFont(Tahoma(13));
        dessine_[l] = false;
        return l;
    };
    PLUN_liste = liste("PLUN_liste");
    GL_liste = liste("GL_liste");

    pn_GaucHaut =
        panneau(pn_GAU, "pn_GaucHaut", Ancrage::Haut, QRect(1, 1, 240, 71), false, 0, blanc);
    Image4 = image(pn_GaucHaut, "Image4", Ancrage::Client, QRect(0, 0, 240, 71), false,
                   ImageDecor(QStringLiteral("image4")));
    setWindowIcon(QIcon(QPixmap::fromImage(ImageDecor(QStringLiteral("icone")))));

    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(pn_DroitTotal),
                       static_cast<QWidget*>(pnSepar), static_cast<QWidget*>(pn_DroitExt),
                       static_cast<QWidget*>(pn_DroitHaut), static_cast<QWidget*>(pnNom),
                       static_cast<QWidget*>(pn_GAU), static_cast<QWidget*>(pn_GaucBas),
                       static_cast<QWidget*>(pn_Bouts), static_cast<QWidget*>(pn_GaucHaut)})
        Empiler(w);
    OrdreFocus();

    // Events, bound once every control exists.
    connect(Ong, &ControlePages::changement, this, [this] { OngChange(); });
    connect(PLUN_liste, &ListeBoite::clic, this,
            [this] { ActionUtilisateur([this] { etat_.PLUN_listeClick(); }); });
    connect(GL_liste, &ListeBoite::clic, this,
            [this] { ActionUtilisateur([this] { etat_.GL_listeClick(); }); });
    connect(cb_Nim_PL, &ComboArmo::changement, this,
            [this] { ActionUtilisateur([this] { etat_.PL_Nombre_Images(); }); });
    connect(cb_Nim_MD, &ComboArmo::changement, this,
            [this] { ActionUtilisateur([this] { etat_.GL_Nombre_Images(); }); });
    connect(acPrec, &QAction::triggered, this,
            [this] { ActionUtilisateur([this] { etat_.Dess_Precedent(); }); });
    connect(acSuiv, &QAction::triggered, this,
            [this] { ActionUtilisateur([this] { etat_.Dess_Suivant(); }); });
    connect(Img, &ImageArmo::doubleClic, this,
            [this] { ActionUtilisateur([this] { etat_.Img_dbclic(); }); });
    wbAide->DefinirAvantNavigation(
        [this](const QString& url, bool& annuler) { wbAideBeforeNavigate2(url, annuler); });
}

// Windowed controls lie above drawn ones; within each kind, creation order.
void TFP::Empiler(QWidget* parent) {
    const auto enfants = parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (bool dessine : {true, false})
        for (QWidget* w : enfants)
            if (dessine_.value(w, false) == dessine) w->raise();
}

void TFP::OrdreFocus() {
    const QList<QWidget*> ordre = {Ong,       wbAide,    Mem_blason, bt_prec, bt_suiv,
                                   cb_Nim_PL, cb_Nim_MD, PLUN_liste, GL_liste};
    MemoW->setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i + 1 < ordre.size(); ++i) setTabOrder(ordre[i], ordre[i + 1]);
}

PanneauArmo* TFP::PanneauDe(Panneau p) const {
    switch (p) {
    case Panneau::pong_Img:
        return pong_Img;
    case Panneau::pong_Pla:
        return pong_Pla;
    case Panneau::pong_Rch:
        break;
    }
    return pong_Rch;
}

// ---- Running the handlers ----

void TFP::LireControles() {
    etat_.S = PLUN_liste->currentRow();
    etat_.T = GL_liste->currentRow();
    etat_.Entree_cb_Nim_PL = cb_Nim_PL->Entree();
    etat_.Entree_cb_Nim_MD = cb_Nim_MD->Entree();
    etat_.Onglet = Ong->PageActive();
}

void TFP::Executer(const std::function<void()>& operation) {
    std::optional<QString> echec;
    try {
        operation();
    } catch (const Erreur& e) {
        echec = e.message();
    } catch (const std::bad_alloc&) {
        echec = QString::fromUtf8(MESSAGE_MEMOIRE);
    } catch (const std::exception& e) {
        echec = QString::fromUtf8(e.what());
    }
    Refleter();
    if (echec) SignalerErreur(*echec);
}

void TFP::ActionUtilisateur(const std::function<void()>& operation) {
    LireControles();
    Executer(operation);
}

void TFP::Refleter() {
    if (PLUN_liste->currentRow() != etat_.S) PLUN_liste->Selectionner(etat_.S);
    if (GL_liste->currentRow() != etat_.T) GL_liste->Selectionner(etat_.T);
    if (Ong->PageActive() != etat_.Onglet) Ong->ChoisirPage(etat_.Onglet);
    if (cb_Nim_PL->Entree() != etat_.Entree_cb_Nim_PL)
        cb_Nim_PL->ChoisirEntree(etat_.Entree_cb_Nim_PL);
    if (cb_Nim_MD->Entree() != etat_.Entree_cb_Nim_MD)
        cb_Nim_MD->ChoisirEntree(etat_.Entree_cb_Nim_MD);
    if (lbnom->text() != etat_.lbnom) lbnom->setText(etat_.lbnom);
    if (Mem_blason->toPlainText() != etat_.Mem_blason) Mem_blason->setPlainText(etat_.Mem_blason);
    const auto& v = etat_.visibles;
    const auto montrer = [](QWidget* w, bool visible) {
        if (w->isHidden() == visible) w->setVisible(visible);
    };
    montrer(pn_GaucBas, v.pn_GaucBas);
    montrer(lbnom, v.lbnom);
    montrer(Mem_blason, v.Mem_blason);
    montrer(GL_liste, v.GL_liste);
    montrer(cb_Nim_PL, v.cb_Nim_PL);
    montrer(cb_Nim_MD, v.cb_Nim_MD);
    montrer(clic_sur_img, v.clic_sur_img);
    if (bt_prec->toolTip() != etat_.Conseil_bt_prec) bt_prec->setToolTip(etat_.Conseil_bt_prec);
    if (bt_suiv->toolTip() != etat_.Conseil_bt_suiv) bt_suiv->setToolTip(etat_.Conseil_bt_suiv);
}

void TFP::FormResize() {
    ActionUtilisateur([this] { etat_.FormResize(); });
}

void TFP::OngChange() {
    ActionUtilisateur([this] { etat_.OngChange(Ong->PageActive()); });
}

void TFP::PL_SelectionImage(ImageArmo* image) {
    const int tag = image->Tag();
    ActionUtilisateur([this, tag] { etat_.PL_SelectionImage(tag); });
}

void TFP::GL_SelectionImage(ImageArmo* image) {
    const int tag = image->Tag();
    ActionUtilisateur([this, tag] { etat_.GL_SelectionImage(tag); });
}

void TFP::resizeEvent(QResizeEvent*) {
    disposition_.Appliquer(this);
    // Before start-up has finished the lists the views read do not exist yet.
    if (demarre_) FormResize();
}

// ---- The shield views ----

TaillePanneau TFP::Taille(Panneau panneau) {
    const PanneauArmo* p = PanneauDe(panneau);
    return {p->width(), p->height()};
}

void TFP::ViderPlanche(Panneau plaque) {
    PanneauArmo* hote = PanneauDe(plaque);
    for (auto* c : hote->findChildren<CadreSelection*>(QString(), Qt::FindDirectChildrenOnly))
        delete c;
    bitmapsLibres_.clear();
    for (auto* im : hote->findChildren<ImageArmo*>(QString(), Qt::FindDirectChildrenOnly)) {
        bitmapsLibres_.push_back(im->Image());
        delete im;
    }
    // What the new plate does not reuse is freed once the load is over.
    if (!bitmapsLibres_.empty()) QTimer::singleShot(0, this, [this] { bitmapsLibres_.clear(); });
}

void TFP::AjouterImage(Panneau plaque, const ImagePlanche& image) {
    PanneauArmo* hote = PanneauDe(plaque);
    auto* im = new ImageArmo(hote, true);
    im->setObjectName(image.nom);
    NommerAccessible(im, image.nom);
    im->setGeometry(image.dime.zl, image.dime.zt, image.dime.zw, image.dime.zh);
    im->show();
    QImage reprise;
    if (!bitmapsLibres_.empty()) {
        reprise = std::move(bitmapsLibres_.back());
        bitmapsLibres_.pop_back();
    }
    im->DefinirImage(RendreEcu(CORRNOM(image.ecu + 1), QImage::Format_RGB32, std::move(reprise)));
    im->setToolTip(image.conseil);
    im->DefinirTag(image.tag);
    if (plaque == Panneau::pong_Rch) {
        connect(im, &ImageArmo::clic, this, [this, im] { GL_SelectionImage(im); });
        connect(im, &ImageArmo::doubleClic, this, [this, im] {
            const int tag = im->Tag();
            ActionUtilisateur([this, tag] { etat_.MemoImageSel2(tag); });
        });
    } else {
        connect(im, &ImageArmo::clic, this, [this, im] { PL_SelectionImage(im); });
        connect(im, &ImageArmo::doubleClic, this, [this, im] {
            const int tag = im->Tag();
            ActionUtilisateur([this, tag] { etat_.MemoImageSel(tag); });
        });
    }
}

void TFP::RetirerCadre(Panneau plaque) {
    PanneauArmo* hote = PanneauDe(plaque);
    for (auto* c : hote->findChildren<CadreSelection*>(QString(), Qt::FindDirectChildrenOnly))
        delete c;
}

void TFP::PlacerCadre(Panneau plaque, const Dime& dime, const QString& conseil) {
    auto* cadre = new CadreSelection(PanneauDe(plaque));
    cadre->setGeometry(dime.zl, dime.zt, dime.zw, dime.zh);
    cadre->setToolTip(conseil);
    cadre->show();
    cadre->raise();
}

void TFP::DefinirImage(std::int32_t ecu, const TailleUN& bornes) {
    Img->setGeometry(bornes.gauche, Img->y(), bornes.largeur, bornes.hauteur);
    Img->DefinirImage(RendreEcu(CORRNOM(ecu + 1), QImage::Format_RGB32));
}

void TFP::Repeindre() {
    repaint();
    // Showing a control defers its first update to the event loop. The whole
    // window has just been painted, or is still marked to be, so those deferred
    // updates would only paint the new plate a second time.
    for (QWidget* w : findChildren<QWidget*>())
        QCoreApplication::removePostedEvents(w, QEvent::UpdateLater);
}

// ---- The dictionary viewer ----

bool TFP::ShowHtml(const QString& page_G) {
    const Sablier sablier;
    bool resultat = false;
    try {
        const ListeTexte lignes = ChargerListe(page_G);
        MemoW->DefinirTexte(lignes[0]);
    } catch (const Erreur&) {
        // A page the store lacks leaves the page shown before.
    } catch (const std::bad_alloc&) {
    }
    wbAide->Navigate(QStringLiteral("about:blank"));
    if (!wbAide->Document()) return false;
    QByteArray tampon = EncoderPage(MemoW->Texte());
    QCoreApplication::processEvents();
    try {
        if (wbAide->Document()) resultat = wbAide->Load(tampon);
    } catch (const Erreur&) {
        resultat = false;
    } catch (const std::bad_alloc&) {
        resultat = false;
    }
    return resultat;
}

void TFP::wbAideBeforeNavigate2(const QString& URL, bool& Cancel) {
    if (URL == QLatin1String("about:blank")) return;
    Cancel = true;
    const QString page = URL.mid(6);
    Garder([&] { ShowHtml(page); });
}

} // namespace armo
