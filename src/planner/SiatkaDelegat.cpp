#include "planner/SiatkaDelegat.h"

#include <QPainter>

#include "planner/SiatkaDanych.h"
#include "planner/SiatkaRysowanie.h"

namespace {

// Whatever a hook does to the painter stays inside the hook.
class TStanPlotna {
public:
    explicit TStanPlotna(QPainter& plotno) : fPlotno(plotno) { fPlotno.save(); }
    ~TStanPlotna() { fPlotno.restore(); }
    TStanPlotna(const TStanPlotna&) = delete;
    TStanPlotna& operator=(const TStanPlotna&) = delete;

private:
    QPainter& fPlotno;
};

// Horizontal room between a cell's text and its edges.
constexpr int OdstepTekstu = 3;

}  // namespace

TSiatkaDelegat::TSiatkaDelegat(TSiatkaDanych& siatka) : QStyledItemDelegate(&siatka), fSiatka(siatka)
{
}

void TSiatkaDelegat::paint(QPainter* plotno, const QStyleOptionViewItem& opcje,
                           const QModelIndex& indeks) const
{
    // The right and bottom pixel lines of each cell are its grid lines.
    const QRect komorka = opcje.rect.adjusted(0, 0, -1, -1);
    const bool zaznaczona = opcje.state.testFlag(QStyle::State_Selected);
    const bool biezaca = opcje.state.testFlag(QStyle::State_HasFocus);
    const QPalette& paleta = opcje.palette;
    QColor tlo = paleta.color(QPalette::Base);
    if (biezaca)
        tlo = paleta.color(QPalette::Highlight);
    else if (zaznaczona)
        tlo = fSiatka.KolorZaznaczenia();
    plotno->fillRect(komorka, tlo);

    const QString tekst = indeks.data(Qt::DisplayRole).toString();
    bool bezTekstu = false;
    if (const auto& hak = fSiatka.PrzyRysowaniuKomorki()) {
        TStanPlotna stan(*plotno);
        TRysowanieKomorki rysowanie(*plotno, indeks.column(), indeks.row(), komorka, tekst, tlo,
                                    zaznaczona, biezaca);
        hak(rysowanie);
        tlo = rysowanie.Tlo();
        bezTekstu = rysowanie.Obsluzona();
    }

    if (!bezTekstu && !tekst.isEmpty()) {
        const QRect obszar = komorka.adjusted(OdstepTekstu, 0, -OdstepTekstu, 0);
        const auto wyrownanie =
            Qt::Alignment(indeks.data(Qt::TextAlignmentRole).value<Qt::Alignment>());
        plotno->setFont(opcje.font);
        plotno->setPen(paleta.color(tlo.lightness() < 128 ? QPalette::HighlightedText
                                                          : QPalette::Text));
        plotno->drawText(obszar, static_cast<int>(wyrownanie | Qt::AlignVCenter),
                         opcje.fontMetrics.elidedText(tekst, Qt::ElideRight, obszar.width()));
    }

    plotno->setPen(fSiatka.KolorLinii());
    plotno->drawLine(opcje.rect.topRight(), opcje.rect.bottomRight());
    plotno->drawLine(opcje.rect.bottomLeft(), opcje.rect.bottomRight());
}

QSize TSiatkaDelegat::sizeHint(const QStyleOptionViewItem&, const QModelIndex& indeks) const
{
    return {fSiatka.Szerokosc(indeks.column()), fSiatka.WysokoscWiersza()};
}
