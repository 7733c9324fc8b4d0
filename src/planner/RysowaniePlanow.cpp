#include "planner/RysowaniePlanow.h"

#include <QPainter>

#include <cmath>

#include "planner/IkonyPlanera.h"
#include "planner/ModelPlanow.h"
#include "planner/SiatkaDanych.h"
#include "planner/SiatkaRysowanie.h"

std::optional<QColor> KolorKwotyPlanu(const QString& typPlanu)
{
    if (typPlanu == QLatin1String("Przychody"))
        return QColor(209, 255, 160);
    if (typPlanu == QLatin1String("Wydatki"))
        return QColor(255, 194, 186);
    return std::nullopt;
}

int NumerObrazkaWykonania(const QString& tekst)
{
    return tekst == QLatin1String("1") ? 1 : 0;
}

QPoint PolozenieObrazkaWykonania(const QRect& komorka, int szerokoscKolumny, const QSize& obrazek)
{
    // nearbyint rounds halves to even in the default rounding mode.
    const double polowa = (szerokoscKolumny - obrazek.width()) / 2.0;
    return {komorka.left() + static_cast<int>(std::nearbyint(polowa)), komorka.top() + 2};
}

TRysowaniePlanow::TRysowaniePlanow(const TSiatkaDanych& siatka)
    : fSiatka(siatka), fObrazki{ObrazekWykonania(0), ObrazekWykonania(1)}
{
}

void TRysowaniePlanow::RysujKomorke(TRysowanieKomorki& komorka) const
{
    switch (komorka.Kolumna()) {
    case kpKwota:
        if (const auto kolor = KolorKwotyPlanu(fSiatka.Komorka(kpTypPlanu, komorka.Wiersz())))
            komorka.SetTlo(*kolor);
        break;
    case kpWykonany: {
        const QPixmap& obrazek = Obrazek(NumerObrazkaWykonania(komorka.Tekst()));
        komorka.Plotno().drawPixmap(
            PolozenieObrazkaWykonania(komorka.Prostokat(), fSiatka.Szerokosc(kpWykonany),
                                      obrazek.size()),
            obrazek);
        komorka.SetObsluzona(true);
        break;
    }
    default:
        break;
    }
}
