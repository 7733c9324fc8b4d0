#pragma once
// Paints the body cells of a TSiatkaDanych: background (normal, selected or current), the
// cell hook, the text and the grid lines. It draws everything itself instead of asking the
// style, so that the look is the same everywhere and a cell costs a fill, a text and two lines.
#include <QStyledItemDelegate>

class TSiatkaDanych;

class TSiatkaDelegat : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit TSiatkaDelegat(TSiatkaDanych& siatka);

    void paint(QPainter* plotno, const QStyleOptionViewItem& opcje,
               const QModelIndex& indeks) const override;
    QSize sizeHint(const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const override;

private:
    TSiatkaDanych& fSiatka;
};
