#include "planner/SiatkaStopka.h"

#include <QHeaderView>
#include <QPainter>

#include <algorithm>
#include <vector>

#include "planner/SiatkaDanych.h"
#include "planner/SiatkaRysowanie.h"

namespace {

// Room above the first and below the last line.
constexpr int OdstepPionowy = 2;

}  // namespace

QStringList LinieStopki(const QString& tekst)
{
    if (tekst.isEmpty())
        return {};
    return tekst.split(QLatin1Char(';'));
}

TSiatkaStopka::TSiatkaStopka(TSiatkaDanych& siatka) : QWidget(&siatka), fSiatka(siatka)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSiatkaStopka::SetIloscLinii(int ilosc)
{
    ilosc = std::max(ilosc, 1);
    if (ilosc == fIloscLinii)
        return;
    fIloscLinii = ilosc;
    update();
}

int TSiatkaStopka::Wysokosc() const
{
    return fIloscLinii * fontMetrics().lineSpacing() + 2 * OdstepPionowy + 1;
}

void TSiatkaStopka::paintEvent(QPaintEvent*)
{
    QPainter plotno(this);
    plotno.fillRect(rect(), palette().color(QPalette::Button));
    {
        TRysowanieStopki rysowanie(plotno, rect());
        if (const auto& hak = fSiatka.PrzyRysowaniuStopki()) {
            plotno.save();
            hak(rysowanie);
            plotno.restore();
        }
        if (rysowanie.Obsluzona())
            return;
    }

    const QHeaderView& naglowek = *fSiatka.horizontalHeader();
    // The footer starts under the gutter; the columns start where the body does.
    const int poczatekKolumn = fSiatka.viewport()->geometry().left() - geometry().left();
    plotno.setPen(fSiatka.KolorLinii());
    plotno.drawLine(0, 0, width() - 1, 0);
    if (poczatekKolumn > 0)
        plotno.drawLine(poczatekKolumn - 1, 0, poczatekKolumn - 1, height() - 1);

    struct TCzesc {
        QRect Prostokat;
        QStringList Linie;
    };
    std::vector<TCzesc> czesci;
    for (int kolumna = 0; kolumna < fSiatka.IloscKolumn(); ++kolumna) {
        if (naglowek.isSectionHidden(kolumna))
            continue;
        const QRect prostokat(poczatekKolumn + naglowek.sectionViewportPosition(kolumna), 0,
                              naglowek.sectionSize(kolumna), height());
        if (prostokat.right() < poczatekKolumn || prostokat.left() > width())
            continue;
        plotno.drawLine(prostokat.right(), 1, prostokat.right(), height() - 1);
        czesci.push_back({prostokat, LinieStopki(fSiatka.Stopka(kolumna))});
    }

    // A line wider than its column may run over its neighbours (empty footers, usually),
    // which reads better than a clipped sum; it never runs over the gutter.
    plotno.setClipRect(QRect(poczatekKolumn, 0, width() - poczatekKolumn, height()));
    plotno.setPen(palette().color(QPalette::ButtonText));
    const int wysokoscLinii = fontMetrics().lineSpacing();
    for (const auto& czesc : czesci) {
        int gora = OdstepPionowy + 1;
        for (const QString& linia : czesc.Linie) {
            const int szerokosc = fontMetrics().horizontalAdvance(linia);
            const int lewa = czesc.Prostokat.left() + (czesc.Prostokat.width() - szerokosc) / 2;
            plotno.drawText(QRect(lewa, gora, szerokosc, wysokoscLinii),
                            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, linia);
            gora += wysokoscLinii;
        }
    }
}
