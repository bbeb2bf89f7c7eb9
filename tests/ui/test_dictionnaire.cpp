// The dictionary viewer: pages shown from the store, links clicked in the
// view, targets in capitals, unknown or foreign targets, "ABOUT:BLANK",
// lenient markup, the holder MemoW and the hourglass.
#include "banc_ui.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

using namespace banc_ui;

namespace {

QString Ligne0(const char* page) {
    return armo::ChargerListe(QLatin1String(page))[0];
}

class Dictionnaire : public Fenetre {
protected:
    void SetUp() override {
        Fenetre::SetUp();
        Creer(QStringLiteral("fx_base"));
        Onglet(armo::ONG_DICTIONNAIRE);
    }
    // Where the n-th link with this href is drawn in the view's viewport.
    QPoint Lien(const QString& href, int n = 0) {
        QTextDocument* doc = fp->wbAide->document();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                if (f.charFormat().isAnchor() && f.charFormat().anchorHref() == href && n-- == 0) {
                    // The middle of the link's first character.
                    QTextCursor c(doc);
                    c.setPosition(f.position());
                    const QRect debut = fp->wbAide->cursorRect(c);
                    c.setPosition(f.position() + 1);
                    const QRect fin = fp->wbAide->cursorRect(c);
                    return QPoint((debut.center().x() + fin.center().x()) / 2, debut.center().y());
                }
            }
        ADD_FAILURE() << "no link " << href.toStdString();
        return {};
    }
    void ClicLien(const QString& href, int n = 0) {
        const QPoint p = Lien(href, n);
        Clic(fp->wbAide->viewport(), p);
    }
    QString Texte() { return fp->wbAide->toPlainText(); }
    // Shows HTML in the view without going through the store.
    void Charger(const QString& html) { fp->wbAide->Load(html.toUtf8()); }
};

TEST_F(Dictionnaire, AuDemarrageLaVueTientGlossA) {
    EXPECT_EQ(fp->MemoW->Texte(), Ligne0("gloss_a"));
    EXPECT_TRUE(Texte().contains(QStringLiteral("A quel livre correspond chaque date ?")));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Dictionnaire, UnLienMeneALaPageEtUnLienEnCapitalesAussi) {
    ClicLien(QStringLiteral("gloss_b"));
    EXPECT_EQ(fp->MemoW->Texte(), Ligne0("gloss_b"));
    EXPECT_EQ(fp->wbAide->documentTitle(), QStringLiteral("B"));
    ClicLien(QStringLiteral("gloss_a"));
    EXPECT_EQ(fp->wbAide->documentTitle(), QStringLiteral("A"));
    ClicLien(QStringLiteral("GLOSS_B")); // names compare without regard to case
    EXPECT_EQ(fp->wbAide->documentTitle(), QStringLiteral("B"));
    ClicLien(QStringLiteral("refer"));
    EXPECT_EQ(fp->MemoW->Texte(), Ligne0("refer"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Dictionnaire, UneCibleInconnueMontreDeNouveauLaPageCourante) {
    const QString page = fp->MemoW->Texte();
    for (const char* href : {"nulle", "ABOUT:BLANK", "http://ailleurs.example/"}) {
        SCOPED_TRACE(href);
        Charger(QStringLiteral("<p><a href=\"%1\">lien</a></p>").arg(QLatin1String(href)));
        ClicLien(QLatin1String(href));
        EXPECT_EQ(fp->MemoW->Texte(), page);
        EXPECT_EQ(fp->wbAide->documentTitle(), QStringLiteral("A"));
        EXPECT_EQ(fp->wbAide->verticalScrollBar()->value(), 0);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Dictionnaire, AvantNavigationLaissePasserAboutBlankSeulement) {
    const struct {
        const char* url;
        bool annule;
        const char* titre; // the page shown afterwards
    } cas[] = {
        {"about:blank", false, ""}, {"about:gloss_b", true, "B"}, {"about:GLOSS_A", true, "A"},
        {"ABOUT:BLANK", true, "A"}, {"xxxxxxrefer", true, "R"},   {"about:", true, "R"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.url);
        bool annule = false;
        fp->wbAideBeforeNavigate2(QLatin1String(c.url), annule);
        EXPECT_EQ(annule, c.annule);
        if (c.annule) {
            EXPECT_EQ(fp->wbAide->documentTitle(), QLatin1String(c.titre));
        }
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Dictionnaire, BalisageTolerant) {
    // gloss_a of the fixture leaves the navigation paragraph unclosed and ends
    // with a malformed closing tag; everything after them is still shown.
    const QString t = Texte();
    EXPECT_TRUE(t.contains(QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z")));
    EXPECT_TRUE(t.contains(QStringLiteral("Se dit des griffes.")));
    EXPECT_TRUE(t.contains(QStringLiteral("Voir B")));
    EXPECT_TRUE(t.contains(QString::fromUtf8("Armé")));
    EXPECT_FALSE(t.contains(QStringLiteral("</b2>")));
    EXPECT_FALSE(t.contains(QStringLiteral("return false")));
}

TEST_F(Dictionnaire, ChaquePageSeMontreDepuisSonHaut) {
    // A long page scrolled down: a link to a page, even to itself, shows it from its top.
    QString html = QStringLiteral("<html><head><title>L</title></head><body>");
    for (int i = 0; i < 300; ++i) html += QStringLiteral("<p>ligne %1</p>").arg(i);
    html += QStringLiteral("<p><a href=\"gloss_b\">B</a></p></body></html>");
    fp->MemoW->DefinirTexte(html); // as if it had been read from the store
    bool annule = false;
    fp->wbAideBeforeNavigate2(QStringLiteral("about:page_absente"), annule);
    EXPECT_EQ(fp->wbAide->documentTitle(), QStringLiteral("L"));
    QScrollBar* barre = fp->wbAide->verticalScrollBar();
    barre->setValue(barre->maximum());
    ASSERT_GT(barre->value(), 0);
    ClicLien(QStringLiteral("gloss_b"));
    EXPECT_EQ(fp->wbAide->documentTitle(), QStringLiteral("B"));
    EXPECT_EQ(barre->value(), 0);
}

TEST_F(Dictionnaire, UnMemoWVideDonneUneVueVide) {
    // A page whose text starts with a line break leaves an empty line 0, hence
    // an empty MemoW; the view then shows an empty document, and that is a success.
    EXPECT_TRUE(armo::DecouperTexte("\r\n<html><body>cache</body></html>\r\n")[0].isEmpty());
    fp->MemoW->DefinirTexte(QString());
    EXPECT_TRUE(fp->ShowHtml(QStringLiteral("page_absente")));
    EXPECT_TRUE(fp->MemoW->Texte().isEmpty());
    EXPECT_TRUE(Texte().isEmpty());
}

TEST_F(Dictionnaire, ChangerDOngletNeRechargePasLaVue) {
    ClicLien(QStringLiteral("gloss_b"));
    fp->wbAide->verticalScrollBar()->setValue(0);
    Onglet(armo::ONG_PLANCHE);
    Onglet(armo::ONG_DICTIONNAIRE);
    EXPECT_EQ(fp->wbAide->documentTitle(), QStringLiteral("B"));
}

TEST_F(Fenetre, SansGlossALaVueMontreLeTexteInitialDeMemoW) {
    Creer(QStringLiteral("fx_sans_gloss_a"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(fp->MemoW->Texte(), QStringLiteral("MemoW"));
    EXPECT_EQ(fp->wbAide->toPlainText(), QStringLiteral("MemoW"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
