#include "delegue.h"

#include <QPaintEngine>
#include <QPainter>
#include <QWidget>
#include <cmath>

namespace armo {

bool operator==(const CleLigne& a, const CleLigne& b) {
    return a.nombres == b.nombres && a.dpr == b.dpr && a.style == b.style && a.texte == b.texte &&
           a.police == b.police;
}

size_t qHash(const CleLigne& c, size_t graine) {
    return qHashMulti(qHashRange(c.nombres.begin(), c.nombres.end(), graine), c.dpr, c.style,
                      c.texte, c.police);
}

namespace {

// About 170 rows of the lists' width: more than two screens of each list, in
// every state a row takes. A row's bytes grow with the square of the ratio.
constexpr qsizetype OCTETS_GARDES = 2 * 1024 * 1024;

CleLigne Cle(const QStyleOptionViewItem& o, QImage::Format format, qreal dpr) {
    return CleLigne{{qint64(o.state), o.rect.width(), o.rect.height(), o.palette.cacheKey(),
                     qint64(o.features), qint64(o.displayAlignment), qint64(o.textElideMode),
                     qint64(o.viewItemPosition), qint64(format), qint64(o.direction)},
                    dpr,
                    o.widget ? o.widget->style() : nullptr,
                    o.text,
                    o.font};
}

} // namespace

qsizetype DelegueLignes::OctetsPermis(qreal dpr) {
    return qsizetype(OCTETS_GARDES * dpr * dpr);
}

DelegueLignes::DelegueLignes(QObject* parent) : QStyledItemDelegate(parent) {
    gardees_.setMaxCost(OctetsPermis(1));
}

void DelegueLignes::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    QStyleOptionViewItem o = option;
    initStyleOption(&o, index);
    // A widget paints through its window's backing store: the engine's device is
    // the image the row lands in, whose format the kept row takes.
    QPaintEngine* moteur = painter->paintEngine();
    auto* cible = moteur ? dynamic_cast<QImage*>(moteur->paintDevice()) : nullptr;
    const qreal dpr = painter->device()->devicePixelRatio();
    const QPalette::ColorGroup groupe = !(o.state & QStyle::State_Enabled)  ? QPalette::Disabled
                                        : !(o.state & QStyle::State_Active) ? QPalette::Inactive
                                                                            : QPalette::Active;
    const QBrush fond = o.palette.brush(groupe, QPalette::Base);
    // Only a row drawn onto a plain background, at a whole pixel ratio, without
    // rotation or scaling, with no picture and no brush of its own, is the same
    // pixels wherever it lies. The focused row is not: its focus frame is a
    // gradient, whose rounding follows the row's place in the window.
    if (!cible || o.rect.isEmpty() || dpr != std::floor(dpr) ||
        o.state.testFlag(QStyle::State_HasFocus) ||
        painter->transform().type() > QTransform::TxTranslate || fond.style() != Qt::SolidPattern ||
        !o.icon.isNull() || o.backgroundBrush.style() != Qt::NoBrush ||
        o.features.testFlag(QStyleOptionViewItem::HasCheckIndicator) ||
        o.features.testFlag(QStyleOptionViewItem::Alternate)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    if (gardees_.maxCost() != OctetsPermis(dpr)) gardees_.setMaxCost(OctetsPermis(dpr));
    const CleLigne cle = Cle(o, cible->format(), dpr);
    if (const QImage* gardee = gardees_.object(cle)) {
        ++copies_;
        painter->drawImage(o.rect.topLeft(), *gardee);
        return;
    }
    auto ligne = std::make_unique<QImage>(o.rect.size() * dpr, cible->format());
    ligne->setDevicePixelRatio(dpr);
    ligne->fill(fond.color());
    {
        QPainter p(ligne.get());
        p.setFont(painter->font());
        p.setRenderHints(painter->renderHints());
        QStyleOptionViewItem ici = option;
        ici.rect.moveTopLeft(QPoint(0, 0));
        QStyledItemDelegate::paint(&p, ici, index);
    }
    painter->drawImage(o.rect.topLeft(), *ligne);
    const qsizetype octets = ligne->sizeInBytes();
    ++dessinees_;
    gardees_.insert(cle, ligne.release(), octets);
}

} // namespace armo
