#include "planner/SiatkaRysowanie.h"

TRysowanieKomorki::TRysowanieKomorki(QPainter& plotno, int kolumna, int wiersz,
                                     const QRect& prostokat, const QString& tekst,
                                     const QColor& tlo, bool zaznaczona, bool biezaca)
    : fPlotno(plotno), fKolumna(kolumna), fWiersz(wiersz), fProstokat(prostokat), fTekst(tekst),
      fTlo(tlo), fZaznaczona(zaznaczona), fBiezaca(biezaca)
{
}

void TRysowanieKomorki::SetTlo(const QColor& kolor)
{
    if (kolor == fTlo)
        return;
    fTlo = kolor;
    fPlotno.fillRect(fProstokat, fTlo);
}
