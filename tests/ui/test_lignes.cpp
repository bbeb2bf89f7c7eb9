// The lists' rows kept as pixels: a row copied from the kept ones is the row Qt's
// own delegate draws, in every state a row of these lists takes, and the copies
// are what the window shows.
#include "banc_ui.h"
#include "delegue.h"

#include <QScreen>
#include <QStyledItemDelegate>

using namespace banc_ui;

namespace {

class Lignes : public ::testing::Test {
protected:
    void SetUp() override {
        Appli();
        liste = std::make_unique<armo::ListeBoite>(nullptr);
        liste->setFont(armo::Tahoma(11));
        for (const char* nom : {"Abeille", "Abîmé", "Accompagné", "Écartelé en sautoir",
                                "Quenet de Valbrune, seigneur de la Haute-Rivière et d'Aubépine",
                                "Ours", "Œil", "Tierce en pal", "Vair", "Zibeline"})
            liste->addItem(QString::fromUtf8(nom));
        for (int i = 0; i < 60; ++i) liste->addItem(QStringLiteral("Terme %1").arg(i));
        liste->resize(170, 180);
        liste->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(liste.get()));
        delegue = dynamic_cast<armo::DelegueLignes*>(liste->itemDelegate());
        ASSERT_NE(delegue, nullptr);
    }

    // The list as the window shows it, painted again through its backing store.
    QImage Ecran() {
        liste->viewport()->repaint();
        return liste->screen()->grabWindow(liste->winId()).toImage();
    }

    // The same list painted by Qt's own delegate.
    QImage EcranParQt() {
        QStyledItemDelegate qt;
        liste->setItemDelegate(&qt);
        const QImage image = Ecran();
        liste->setItemDelegate(delegue);
        return image;
    }

    std::unique_ptr<armo::ListeBoite> liste;
    armo::DelegueLignes* delegue = nullptr;
};

TEST_F(Lignes, UneLigneGardeeEstLaLigneQueQtDessine) {
    const struct {
        const char* cas;
        std::function<void(armo::ListeBoite*)> preparer;
    } cas[] = {
        {"nothing selected", [](armo::ListeBoite*) {}},
        {"selected, with the focus",
         [](armo::ListeBoite* l) {
             l->setFocus();
             l->Selectionner(3);
         }},
        {"selected, focus elsewhere", [](armo::ListeBoite* l) { l->clearFocus(); }},
        {"an elided row selected", [](armo::ListeBoite* l) { l->Selectionner(4); }},
        {"under the pointer",
         [](armo::ListeBoite* l) {
             QTest::mouseMove(l->viewport(), l->visualItemRect(l->item(6)).center());
         }},
        {"scrolled", [](armo::ListeBoite* l) { l->Selectionner(40); }},
        {"disabled", [](armo::ListeBoite* l) { l->setEnabled(false); }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.cas);
        c.preparer(liste.get());
        QApplication::processEvents();
        const QImage qt = EcranParQt();
        const std::int64_t copiesAvant = delegue->Copies();
        const QImage premiere = Ecran(); // rows drawn and kept
        const QImage seconde = Ecran();  // the same rows, copied
        ASSERT_FALSE(qt.isNull());
        EXPECT_GT(delegue->Copies(), copiesAvant);
        EXPECT_TRUE(premiere == qt);
        EXPECT_TRUE(seconde == qt);
    }
}

TEST_F(Lignes, LaMemoireGardeeResteBornee) {
    // Rows of 1000 pixels, every one selected in turn: more than the budget of
    // the kept rows, which drops the oldest.
    liste->resize(1000, 180);
    QApplication::processEvents();
    const qsizetype permis = armo::DelegueLignes::OctetsPermis(liste->devicePixelRatio());
    qsizetype plus = 0;
    for (int i = 0; i < liste->count(); ++i) {
        liste->Selectionner(i);
        Ecran();
        plus = std::max(plus, delegue->OctetsGardes());
    }
    ASSERT_GT(delegue->LignesGardees(), 0);
    const qsizetype ligne = delegue->OctetsGardes() / delegue->LignesGardees();
    EXPECT_GT(delegue->Dessinees() * ligne, 2 * permis);
    EXPECT_LE(plus, permis);
    EXPECT_GT(delegue->Copies(), 0);
}

} // namespace
