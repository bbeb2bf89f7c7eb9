#pragma once
// The window's control kinds, each a small widget of its own so that the
// placement, painting and event rules of the window hold exactly: a panel with
// an optional bevel and border, a picture, the red selection frame, a list box
// and a combo box that tell user actions from the program's own settings, a
// button that paints its glyph, and a page control with flat wrapping tabs.
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

class QAction;
class QToolButton;

namespace armo {

inline constexpr QRgb COULEUR_PAGES = qRgb(248, 248, 248);

// Gives a control the name assistive tools announce, and the parts a user can
// reach inside it (scroll bars, the edit field of a combo) names derived from it.
void NommerAccessible(QWidget* w, const QString& nom);

// TPanel: a container. Under the platform's visual themes a panel paints its
// parent's background rather than its own colour, which is what this one does;
// its own colour is kept for whoever asks.
class PanneauArmo : public QWidget {
    Q_OBJECT
public:
    PanneauArmo(QWidget* parent, bool biseau, int bordure = 0, QColor couleur = QColor());
    QRect ZoneInterieure() const;
    bool Biseau() const { return biseau_; }
    int Bordure() const { return bordure_; }
    QColor Couleur() const { return couleur_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool biseau_;
    int bordure_;
    QColor couleur_;
};

// TImage: a drawn control that shows a bitmap, stretched to its bounds by the
// nearest-neighbour rule or at its natural size at the top-left corner.
class ImageArmo : public QWidget {
    Q_OBJECT
public:
    explicit ImageArmo(QWidget* parent, bool etiree = true);
    void DefinirImage(QImage image);
    const QImage& Image() const { return image_; }
    bool Etiree() const { return etiree_; }
    int Tag() const { return tag_; }
    void DefinirTag(int tag) { tag_ = tag; }

signals:
    void clic();
    void doubleClic();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    bool event(QEvent*) override;

private:
    QImage image_;
    bool etiree_;
    int tag_ = 0;
    bool appuye_ = false;
    bool apresDouble_ = false; // the release that ends a double click is no click
};

// The selection frame: a red one-pixel outline with a clear inside. It takes no
// mouse input, so clicks reach the picture beneath; the picture shows the
// frame's hint when the pointer rests inside the frame.
class CadreSelection : public QWidget {
    Q_OBJECT
public:
    explicit CadreSelection(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

// TListBox: `clic` fires when the user selects an item with the mouse or the
// keyboard, never when the program sets the current row. Its rows are drawn
// through DelegueLignes, which keeps their pixels.
class ListeBoite : public QListWidget {
    Q_OBJECT
public:
    explicit ListeBoite(QWidget* parent);
    // Selects a row from the program: no `clic`, and the list scrolls to it.
    void Selectionner(int ligne);
    int Selection() const { return currentRow(); }

signals:
    void clic();

protected:
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
};

// TMemo holding a text that is not shown: the text is kept as it is given and
// reaches the edit field only when the memo is shown, since laying out a page
// of text that nobody sees costs as much as showing it.
class MemoTexte : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MemoTexte(QWidget* parent);
    void DefinirTexte(const QString& texte);
    QString Texte() const;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QString texte_;
    bool enAttente_ = false; // texte_ has not reached the edit field yet
};

// TComboBox with an edit field: `changement` fires when the user picks an item
// or edits the text, never when the program chooses an entry.
class ComboArmo : public QComboBox {
    Q_OBJECT
public:
    explicit ComboArmo(QWidget* parent);
    void ChoisirEntree(int i);
    // The chosen entry: the picked item, or after typing the item whose text is
    // the typed one (letter case aside), else −1.
    int Entree() const { return entree_; }

signals:
    void changement();

private:
    int entree_ = -1;
    bool finSaisie_ = false; // the edit field is ending its editing
};

// TBitBtn linked to an action: executes the action when clicked and draws its
// glyph at the bottom of the button.
class BoutonGlyphe : public QPushButton {
    Q_OBJECT
public:
    BoutonGlyphe(QWidget* parent, QAction* action, QImage glyphe);
    QAction* Action() const { return action_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QAction* action_;
    QImage glyphe_;
};

// TPageControl with flat-button tabs of 130 × 20 that wrap onto further rows.
// `changement` fires after the user selected another tab; choosing a page from
// the program fires nothing.
class ControlePages : public QWidget {
    Q_OBJECT
public:
    static constexpr int LARGEUR_ONGLET = 130;
    static constexpr int HAUTEUR_ONGLET = 20;
    static constexpr int ECART = 3;

    explicit ControlePages(QWidget* parent);
    void AjouterPage(QWidget* page, const QString& titre);
    int PageActive() const { return active_; }
    void ChoisirPage(int i);
    int NombrePages() const { return static_cast<int>(pages_.size()); }
    QWidget* Page(int i) const { return pages_.value(i); }
    QToolButton* Onglet(int i) const { return onglets_.value(i); }
    QRect RectAffichage() const;

signals:
    void changement();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void ParUtilisateur(int i);
    void PlacerOnglets();
    int OngletsParRang() const;

    QList<QWidget*> pages_;
    QList<QToolButton*> onglets_;
    int active_ = -1;
};

} // namespace armo
