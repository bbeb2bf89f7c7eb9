#include "controles.h"

#include "affichage.h"
#include "delegue.h"

#include <QAction>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QToolTip>
#include <utility>

namespace armo {

void NommerAccessible(QWidget* w, const QString& nom) {
    w->setAccessibleName(nom);
    if (auto* zone = qobject_cast<QAbstractScrollArea*>(w)) {
        zone->verticalScrollBar()->setAccessibleName(nom + QStringLiteral(" défilement vertical"));
        zone->horizontalScrollBar()->setAccessibleName(nom +
                                                       QStringLiteral(" défilement horizontal"));
    }
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
        combo->lineEdit()->setAccessibleName(nom + QStringLiteral(" saisie"));
}

// ---- PanneauArmo ----

PanneauArmo::PanneauArmo(QWidget* parent, bool biseau, int bordure, QColor couleur)
    : QWidget(parent), biseau_(biseau), bordure_(bordure), couleur_(couleur) {}

QRect PanneauArmo::ZoneInterieure() const {
    const int m = bordure_ + (biseau_ ? 1 : 0);
    return rect().adjusted(m, m, -m, -m);
}

void PanneauArmo::paintEvent(QPaintEvent*) {
    if (!biseau_) return;
    QPainter p(this);
    const QRect r = rect();
    const QColor clair = palette().color(QPalette::Light);
    const QColor ombre = palette().color(QPalette::Dark);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), clair);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), clair);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), ombre);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), ombre);
}

// ---- ImageArmo ----

ImageArmo::ImageArmo(QWidget* parent, bool etiree) : QWidget(parent), etiree_(etiree) {}

void ImageArmo::DefinirImage(QImage image) {
    // The raster engine stretches 32-bit bitmaps directly; any other format would
    // be converted whole at every paint.
    if (!image.isNull() && image.format() != QImage::Format_RGB32 &&
        image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                : QImage::Format_RGB32);
    image_ = std::move(image);
    // A stretched opaque bitmap covers the whole control: nothing beneath needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent, etiree_ && !image_.isNull() && !image_.hasAlphaChannel());
    update();
}

void ImageArmo::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter p(this);
    if (etiree_)
        PeindreEtire(p, rect(), image_);
    else
        p.drawImage(0, 0, image_);
}

void ImageArmo::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) appuye_ = true;
    QWidget::mousePressEvent(e);
}

void ImageArmo::mouseReleaseEvent(QMouseEvent* e) {
    const bool clique = appuye_ && e->button() == Qt::LeftButton && !apresDouble_ &&
                        rect().contains(e->position().toPoint());
    appuye_ = false;
    apresDouble_ = false;
    if (clique) emit clic();
}

void ImageArmo::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    appuye_ = false;
    apresDouble_ = true;
    emit doubleClic();
}

bool ImageArmo::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip && parentWidget()) {
        // A selection frame over this point lends its own hint.
        auto* aide = static_cast<QHelpEvent*>(e);
        const QPoint dansParent = mapToParent(aide->pos());
        const auto cadres =
            parentWidget()->findChildren<CadreSelection*>(QString(), Qt::FindDirectChildrenOnly);
        for (CadreSelection* c : cadres) {
            if (c->isVisible() && c->geometry().contains(dansParent) && !c->toolTip().isEmpty()) {
                QToolTip::showText(aide->globalPos(), c->toolTip(), this);
                return true;
            }
        }
    }
    return QWidget::event(e);
}

// ---- CadreSelection ----

CadreSelection::CadreSelection(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("cadre"));
    NommerAccessible(this, QStringLiteral("cadre"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setEnabled(false);
}

void CadreSelection::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const QColor rouge(255, 0, 0);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), rouge);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), rouge);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), rouge);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), rouge);
}

// ---- ListeBoite ----

ListeBoite::ListeBoite(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new DelegueLignes(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setSortingEnabled(false);
    // Painted opaque, a list hides from the painting whatever lies beneath it: the
    // two lists of the left panel share their place, and only the upper one shows.
    setAutoFillBackground(true);
}

void ListeBoite::Selectionner(int ligne) {
    const QSignalBlocker bloque(this);
    setCurrentRow(ligne);
    if (ligne >= 0 && ligne < count()) scrollToItem(item(ligne));
}

void ListeBoite::mousePressEvent(QMouseEvent* e) {
    // Only the left button selects: another one would move the selection
    // without the click the browsing state follows.
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    QListWidget::mousePressEvent(e);
    if (e->button() == Qt::LeftButton && itemAt(e->position().toPoint())) emit clic();
}

void ListeBoite::mouseMoveEvent(QMouseEvent* e) {
    const int avant = currentRow();
    QListWidget::mouseMoveEvent(e);
    if ((e->buttons() & Qt::LeftButton) && currentRow() != avant) emit clic();
}

void ListeBoite::keyPressEvent(QKeyEvent* e) {
    const int avant = currentRow();
    QListWidget::keyPressEvent(e);
    if (currentRow() != avant) emit clic();
}

// ---- MemoTexte ----

MemoTexte::MemoTexte(QWidget* parent) : QPlainTextEdit(parent) {
    // Text put in by any other way replaces the one kept.
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        enAttente_ = false;
        texte_.clear();
    });
}

void MemoTexte::DefinirTexte(const QString& texte) {
    if (isVisible()) {
        setPlainText(texte);
        return;
    }
    texte_ = texte;
    enAttente_ = true;
}

QString MemoTexte::Texte() const {
    return enAttente_ ? texte_ : toPlainText();
}

void MemoTexte::showEvent(QShowEvent* e) {
    if (enAttente_) {
        const QString texte = std::exchange(texte_, QString());
        enAttente_ = false;
        setPlainText(texte);
    }
    QPlainTextEdit::showEvent(e);
}

// ---- ComboArmo ----

ComboArmo::ComboArmo(QWidget* parent) : QComboBox(parent) {
    // When the edit field loses the focus or takes Enter, the combo chooses the
    // entry its text names and reports it activated; the typing has already
    // made that change, so it is recorded without a second change event, which
    // would rebuild a plate in the middle of the click that moved the focus.
    auto* champ = new QLineEdit(this);
    connect(champ, &QLineEdit::editingFinished, this, [this] { finSaisie_ = true; });
    setEditable(true);
    setLineEdit(champ);
    connect(champ, &QLineEdit::editingFinished, this, [this] { finSaisie_ = false; });
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(this, &QComboBox::activated, this, [this](int i) {
        entree_ = i;
        if (!finSaisie_) emit changement();
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& texte) {
        entree_ = findText(texte, Qt::MatchFixedString);
        emit changement();
    });
}

void ComboArmo::ChoisirEntree(int i) {
    const QSignalBlocker bloque(this);
    setCurrentIndex(i);
    entree_ = currentIndex();
}

// ---- BoutonGlyphe ----

BoutonGlyphe::BoutonGlyphe(QWidget* parent, QAction* action, QImage glyphe)
    : QPushButton(parent), action_(action), glyphe_(std::move(glyphe)) {
    setToolTip(action->toolTip());
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, action, &QAction::trigger);
}

void BoutonGlyphe::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    opt.icon = QIcon();
    style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &p, this);
    if (!glyphe_.isNull()) {
        const int x = (width() - glyphe_.width()) / 2;
        const int y = height() - glyphe_.height();
        p.drawImage(x, y, glyphe_);
    }
}

// ---- ControlePages ----

ControlePages::ControlePages(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void ControlePages::AjouterPage(QWidget* page, const QString& titre) {
    const int i = static_cast<int>(pages_.size());
    pages_.append(page);
    auto* onglet = new QToolButton(this);
    onglet->setObjectName(page->objectName() + QStringLiteral("_onglet"));
    onglet->setText(titre);
    NommerAccessible(onglet, titre);
    onglet->setCheckable(true);
    onglet->setAutoRaise(true); // flat, highlighted under the pointer
    onglet->setFocusPolicy(Qt::NoFocus);
    onglet->setFixedSize(LARGEUR_ONGLET, HAUTEUR_ONGLET);
    connect(onglet, &QToolButton::clicked, this, [this, i] { ParUtilisateur(i); });
    onglets_.append(onglet);
    page->setVisible(active_ < 0);
    onglet->setChecked(active_ < 0);
    if (active_ < 0) active_ = i;
    PlacerOnglets();
}

void ControlePages::ChoisirPage(int i) {
    if (i < 0 || i >= pages_.size()) return;
    active_ = i;
    for (int k = 0; k < pages_.size(); ++k) {
        onglets_[k]->setChecked(k == i);
        pages_[k]->setVisible(k == i);
    }
}

void ControlePages::ParUtilisateur(int i) {
    setFocus(Qt::MouseFocusReason);
    if (i == active_) {
        onglets_[i]->setChecked(true);
        return;
    }
    ChoisirPage(i);
    emit changement();
}

int ControlePages::OngletsParRang() const {
    return qMax(1, (width() - 4 + ECART) / (LARGEUR_ONGLET + ECART));
}

QRect ControlePages::RectAffichage() const {
    const int parRang = OngletsParRang();
    const int rangs = qMax(1, (static_cast<int>(onglets_.size()) + parRang - 1) / parRang);
    const int haut = 3 + rangs * (HAUTEUR_ONGLET + ECART);
    return QRect(4, haut, width() - 8, height() - haut - 4);
}

void ControlePages::PlacerOnglets() {
    const int parRang = OngletsParRang();
    for (int k = 0; k < onglets_.size(); ++k)
        onglets_[k]->move(2 + (k % parRang) * (LARGEUR_ONGLET + ECART),
                          2 + (k / parRang) * (HAUTEUR_ONGLET + ECART));
}

void ControlePages::resizeEvent(QResizeEvent*) {
    PlacerOnglets();
}

void ControlePages::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(COULEUR_PAGES));
    if (hasFocus() && active_ >= 0) {
        QRect r = onglets_[active_]->geometry().adjusted(2, 2, -2, -2);
        p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        p.drawRect(r);
    }
}

void ControlePages::keyPressEvent(QKeyEvent* e) {
    // The arrow keys move between tabs, as the focused page control's own behaviour.
    const int n = static_cast<int>(pages_.size());
    if (e->key() == Qt::Key_Left && active_ > 0) return ParUtilisateur(active_ - 1);
    if (e->key() == Qt::Key_Right && active_ < n - 1) return ParUtilisateur(active_ + 1);
    QWidget::keyPressEvent(e);
}

} // namespace armo
