#pragma once
// Drives the real window: a QApplication for the whole binary, a recording
// error reporter, the window created as the program creates it, and user
// input sent through the window system's path, so that hit-testing, the
// frame's transparency and double-click detection are the real ones.
#include "demarrage.h"
#include "erreurs.h"
#include "rapport.h"
#include "ressources.h"
#include "ufp.h"
#include "vuehtml.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << '[' << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ']';
}
QT_END_NAMESPACE

namespace banc_ui {

class Enregistreur : public armo::Rapporteur {
public:
    explicit Enregistreur(QStringList* messages) : messages_(messages) {}
    void Signaler(const QString& texte) override { messages_->append(texte); }

private:
    QStringList* messages_;
};

inline QApplication& Appli() {
    static int argc = 1;
    static char nom[] = "test_ui";
    static char* argv[] = {nom, nullptr};
    static QApplication* app = [] {
        auto* a = new QApplication(argc, argv);
        QApplication::setApplicationName(QString::fromUtf8(armo::TITRE_APPLICATION));
        QApplication::setFont(armo::Tahoma(11));
        return a;
    }();
    return *app;
}

class Fenetre : public ::testing::Test {
protected:
    void SetUp() override {
        Appli();
        armo::InstallerRapporteur(std::make_unique<Enregistreur>(&messages));
    }
    void TearDown() override {
        fp.reset();
        armo::InstallerRapporteur(nullptr);
        armo::ChoisirJeuDeDonnees(QStringLiteral("armoriane"));
    }

    // Creates the window on a data set, as the program does; shown unless told.
    void Creer(const QString& jeu, bool montrer = true) {
        armo::ChoisirJeuDeDonnees(jeu);
        fp = armo::CreerFP();
        if (montrer) Montrer();
    }
    void Montrer() {
        fp->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fp.get()));
    }

    template <class T = QWidget> T* W(const char* nom) {
        if (QLatin1String(nom) == QLatin1String("FP")) return qobject_cast<T*>(fp.get());
        return fp->findChild<T*>(QLatin1String(nom));
    }

    // The widget the window system would hand a click at this point of w.
    QWidget* Sous(QWidget* w, QPoint p) { return fp->childAt(w->mapTo(fp.get(), p)); }

    // A left click, or a double click, through the window at a point of w.
    void Clic(QWidget* w, QPoint p) {
        QTest::mouseClick(fp->windowHandle(), Qt::LeftButton, {}, w->mapTo(fp.get(), p));
        QApplication::processEvents();
    }
    void Clic(QWidget* w) { Clic(w, w->rect().center()); }
    void DoubleClic(QWidget* w, QPoint p) {
        QTest::mouseDClick(fp->windowHandle(), Qt::LeftButton, {}, w->mapTo(fp.get(), p));
        QApplication::processEvents();
    }
    void DoubleClic(QWidget* w) { DoubleClic(w, w->rect().center()); }

    void Onglet(int i) { Clic(fp->Ong->Onglet(i)); }
    void ClicListe(armo::ListeBoite* l, int ligne) {
        l->scrollToItem(l->item(ligne));
        Clic(l->viewport(), l->visualItemRect(l->item(ligne)).center());
    }
    // Picks an entry of a combo with the keyboard, as the user does.
    void ChoisirCombo(QComboBox* c, int i) {
        c->setFocus();
        c->showPopup();
        QAbstractItemView* vue = c->view();
        QTest::qWait(10);
        vue->setCurrentIndex(vue->model()->index(i, 0));
        QTest::keyClick(vue, Qt::Key_Return);
        QApplication::processEvents();
    }

    QList<armo::ImageArmo*> Images(QWidget* panneau) {
        return panneau->findChildren<armo::ImageArmo*>(QString(), Qt::FindDirectChildrenOnly);
    }
    QList<armo::CadreSelection*> Cadres(QWidget* panneau) {
        return panneau->findChildren<armo::CadreSelection*>(QString(), Qt::FindDirectChildrenOnly);
    }
    armo::ImageArmo* Image(QWidget* panneau, const QString& nom) {
        return panneau->findChild<armo::ImageArmo*>(nom, Qt::FindDirectChildrenOnly);
    }
    QRect CadreUnique(QWidget* panneau) {
        const auto c = Cadres(panneau);
        return c.size() == 1 ? c[0]->geometry() : QRect();
    }
    // Visible by its own flag, whatever its parents.
    bool Visible(const char* nom) { return !W(nom)->isHidden(); }

    QStringList messages;
    std::unique_ptr<armo::TFP> fp;
};

} // namespace banc_ui
