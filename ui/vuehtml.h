#pragma once
// The HTML view of the dictionary: a QTextBrowser behind the few operations the
// viewer needs. Navigate to "about:blank" gives an empty document; Load replaces
// the document by HTML bytes and shows it from its top; every link click is
// announced first, as "about:" followed by the href, to a handler that may
// cancel it. The view follows no link by itself and opens nothing outside.
#include <QByteArrayView>
#include <QTextBrowser>
#include <functional>

class QTextDocument;

namespace armo {

class VueHtml : public QTextBrowser {
    Q_OBJECT
public:
    // The before-navigation handler: the target address, and a flag to set to cancel.
    using AvantNavigation = std::function<void(const QString& url, bool& annuler)>;

    explicit VueHtml(QWidget* parent);
    void DefinirAvantNavigation(AvantNavigation f) { avant_ = std::move(f); }

    // Announces the navigation; unless cancelled, "about:blank" empties the view.
    // Another address leads nowhere: the view only ever shows what it is given.
    void Navigate(const QString& url);
    // The current document, or none before the first navigation.
    QTextDocument* Document() const;
    // Replaces the document's content by the HTML of these bytes, shown from its
    // top. The bytes carry their encoding: a UTF-8 byte-order mark, else the
    // charset of the page's meta tag, else Latin-1.
    bool Load(QByteArrayView octets);

    // The target a link click announces: "about:" + href for a bare name, the
    // href itself when it carries a scheme of its own.
    static QString CibleLien(const QString& href);

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void LienActive(const QUrl& url);

    AvantNavigation avant_;
    bool document_ = false;
    QString hrefBrut_; // the href as written, caught as the click ends
};

} // namespace armo
