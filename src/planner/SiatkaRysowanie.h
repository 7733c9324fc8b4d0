#pragma once
// What the painting hooks of TSiatkaDanych are given. A hook runs inside a paint event: it
// may draw on the canvas and change what the grid does next, and must not change the rows.
#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

#include <functional>

// One body cell, its background already filled, its text not yet drawn.
class TRysowanieKomorki {
public:
    TRysowanieKomorki(QPainter& plotno, int kolumna, int wiersz, const QRect& prostokat,
                      const QString& tekst, const QColor& tlo, bool zaznaczona, bool biezaca);
    TRysowanieKomorki(const TRysowanieKomorki&) = delete;
    TRysowanieKomorki& operator=(const TRysowanieKomorki&) = delete;

    QPainter& Plotno() const { return fPlotno; }
    int Kolumna() const { return fKolumna; }
    int Wiersz() const { return fWiersz; }
    // The cell without its grid lines.
    const QRect& Prostokat() const { return fProstokat; }
    const QString& Tekst() const { return fTekst; }
    bool Zaznaczona() const { return fZaznaczona; }
    bool Biezaca() const { return fBiezaca; }

    const QColor& Tlo() const { return fTlo; }
    // Refills the cell at once, so that whatever the hook draws afterwards lies on top.
    void SetTlo(const QColor& kolor);
    // True: the grid draws no text in this cell.
    bool Obsluzona() const { return fObsluzona; }
    void SetObsluzona(bool v) { fObsluzona = v; }

private:
    QPainter& fPlotno;
    int fKolumna;
    int fWiersz;
    QRect fProstokat;
    QString fTekst;
    QColor fTlo;
    bool fZaznaczona;
    bool fBiezaca;
    bool fObsluzona = false;
};

// The whole footer, before any of its parts is painted; the hook may still change the footer
// texts, and what it leaves in them is painted.
class TRysowanieStopki {
public:
    TRysowanieStopki(QPainter& plotno, const QRect& prostokat)
        : fPlotno(plotno), fProstokat(prostokat) {}
    TRysowanieStopki(const TRysowanieStopki&) = delete;
    TRysowanieStopki& operator=(const TRysowanieStopki&) = delete;

    QPainter& Plotno() const { return fPlotno; }
    const QRect& Prostokat() const { return fProstokat; }
    // True: the hook painted the footer itself and the grid paints nothing more.
    bool Obsluzona() const { return fObsluzona; }
    void SetObsluzona(bool v) { fObsluzona = v; }

private:
    QPainter& fPlotno;
    QRect fProstokat;
    bool fObsluzona = false;
};

using THakRysowaniaKomorki = std::function<void(TRysowanieKomorki&)>;
using THakRysowaniaStopki = std::function<void(TRysowanieStopki&)>;
