#pragma once
// The lists' rows: drawn by Qt's own item delegate, whose pixels are kept for
// the rows drawn lately. A list is repainted whole after every resize of the
// window, and laying its text out again each time costs more than painting the
// rest of the window; a kept row is the same pixels, copied.
#include <QCache>
#include <QFont>
#include <QImage>
#include <QStyledItemDelegate>
#include <array>
#include <cstdint>

class QStyle;

namespace armo {

// Everything the drawing of a row depends on.
struct CleLigne {
    std::array<qint64, 10> nombres; // state, size, palette, features, alignment...
    qreal dpr;
    const QStyle* style;
    QString texte;
    QFont police;
};
bool operator==(const CleLigne& a, const CleLigne& b);
size_t qHash(const CleLigne& c, size_t graine = 0);

class DelegueLignes : public QStyledItemDelegate {
public:
    explicit DelegueLignes(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // The bytes of rows kept at that pixel ratio, at most.
    static qsizetype OctetsPermis(qreal dpr);

    // How many rows are kept, in how many bytes; how many were drawn and kept,
    // and how many were drawn by copying a kept one.
    int LignesGardees() const { return gardees_.count(); }
    qsizetype OctetsGardes() const { return gardees_.totalCost(); }
    std::int64_t Dessinees() const { return dessinees_; }
    std::int64_t Copies() const { return copies_; }

private:
    mutable QCache<CleLigne, QImage> gardees_;
    mutable std::int64_t dessinees_ = 0;
    mutable std::int64_t copies_ = 0;
};

} // namespace armo
