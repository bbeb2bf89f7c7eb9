#include "vuehtml.h"

#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringDecoder>

namespace armo {

VueHtml::VueHtml(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    // With the bar always there the page is laid out once, at its final width.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setUndoRedoEnabled(false);
    connect(this, &QTextBrowser::anchorClicked, this, &VueHtml::LienActive);
}

QString VueHtml::CibleLien(const QString& href) {
    static const QRegularExpression schema(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    if (schema.match(href).hasMatch()) return href;
    return QStringLiteral("about:") + href;
}

void VueHtml::mouseReleaseEvent(QMouseEvent* e) {
    hrefBrut_ = anchorAt(e->position().toPoint());
    QTextBrowser::mouseReleaseEvent(e);
    hrefBrut_.clear();
}

void VueHtml::keyPressEvent(QKeyEvent* e) {
    hrefBrut_.clear();
    QTextBrowser::keyPressEvent(e);
}

void VueHtml::LienActive(const QUrl& url) {
    const QString href = hrefBrut_.isEmpty() ? url.toString() : hrefBrut_;
    hrefBrut_.clear();
    const QString cible = CibleLien(href);
    bool annuler = false;
    if (avant_) avant_(cible, annuler);
    if (!annuler && cible == QLatin1String("about:blank")) clear();
}

void VueHtml::Navigate(const QString& url) {
    bool annuler = false;
    if (avant_) avant_(url, annuler);
    if (annuler || url != QLatin1String("about:blank")) return;
    clear();
    document_ = true;
}

QTextDocument* VueHtml::Document() const {
    return document_ ? document() : nullptr;
}

bool VueHtml::Load(QByteArrayView octets) {
    QStringDecoder decodeur = QStringDecoder::decoderForHtml(octets);
    if (!decodeur.isValid()) decodeur = QStringDecoder(QStringDecoder::Latin1);
    const QString html = decodeur.decode(octets);
    setHtml(html);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    return true;
}

} // namespace armo
