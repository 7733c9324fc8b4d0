#pragma once
// How the plan grid decorates its cells: the amount cell takes the colour of the plan's kind
// (also when selected), and the executed column shows one of two images instead of its text.
#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

class TRysowanieKomorki;
class TSiatkaDanych;

// Light green for "Przychody", light red for "Wydatki", none (the grid's own background) for
// any other kind text.
std::optional<QColor> KolorKwotyPlanu(const QString& typPlanu);
// Image 1 for "1", image 0 for anything else.
int NumerObrazkaWykonania(const QString& tekst);
// Where an image goes in a cell: centred in the column (half the spare width, an exact half
// rounded to the even pixel) and 2 pixels below the cell's top edge.
QPoint PolozenieObrazkaWykonania(const QRect& komorka, int szerokoscKolumny, const QSize& obrazek);

// The grid's cell hook, with the executed column's image list.
class TRysowaniePlanow {
public:
    explicit TRysowaniePlanow(const TSiatkaDanych& siatka);

    void RysujKomorke(TRysowanieKomorki& komorka) const;
    const QPixmap& Obrazek(int numer) const { return fObrazki[numer == 1 ? 1 : 0]; }

private:
    const TSiatkaDanych& fSiatka;
    std::array<QPixmap, 2> fObrazki;
};
