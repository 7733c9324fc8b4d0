#pragma once
// A general-purpose grid of texts on QTableView: a header of column titles, a gutter of
// 1-based row numbers, a footer row of per-column texts, fixed row height, columns fitted to
// the width, painting hooks, and current-cell notifications that also follow row-count changes.
// The rows live in a TModelSiatki, either written cell by cell or supplied by a text provider
// for the visible cells only; bulk changes between BeginUpdate and EndUpdate reach the view
// as one model reset.
#include <QColor>
#include <QFont>
#include <QString>
#include <QTableView>

#include <vector>

#include "planner/ModelSiatki.h"
#include "planner/SiatkaRysowanie.h"

class TSiatkaDelegat;
class TSiatkaStopka;

class TSiatkaDanych : public QTableView {
    Q_OBJECT

public:
    explicit TSiatkaDanych(QWidget* rodzic = nullptr);
    ~TSiatkaDanych() override;

    // Columns. New columns get the default width, no title, left alignment, no footer.
    int IloscKolumn() const { return fModel.IloscKolumn(); }
    void SetIloscKolumn(int ilosc);
    QString Tytul(int kolumna) const { return fModel.Tytul(kolumna); }
    void SetTytul(int kolumna, const QString& tytul) { fModel.SetTytul(kolumna, tytul); }
    Qt::Alignment Wyrownanie(int kolumna) const { return fModel.Wyrownanie(kolumna); }
    void SetWyrownanie(int kolumna, Qt::Alignment wyrownanie);
    // The width shown; with automatic widths SetSzerokosc sets the column's share.
    int Szerokosc(int kolumna) const;
    void SetSzerokosc(int kolumna, int szerokosc);
    bool Widoczna(int kolumna) const;
    void SetWidoczna(int kolumna, bool widoczna);
    QString Stopka(int kolumna) const;
    // Repaints the footer only when the text changes.
    void SetStopka(int kolumna, const QString& tekst);

    // Columns share the body's width in proportion to their widths, none narrower than the
    // default column width.
    bool AutomatycznaSzerokosc() const { return fAutomatycznaSzerokosc; }
    void SetAutomatycznaSzerokosc(bool v);
    int DomyslnaSzerokoscKolumny() const { return fDomyslnaSzerokosc; }
    void SetDomyslnaSzerokoscKolumny(int szerokosc);
    int WysokoscWiersza() const { return fWysokoscWiersza; }
    void SetWysokoscWiersza(int wysokosc);

    // Rows and cells; a row-count change may move the current cell (ZmianaBiezacejKomorki).
    int IloscWierszy() const { return fModel.IloscWierszy(); }
    void SetIloscWierszy(int ilosc);
    int DodajWiersz();
    QString Komorka(int kolumna, int wiersz) const { return fModel.Komorka(kolumna, wiersz); }
    void SetKomorka(int kolumna, int wiersz, const QString& tekst);
    void WyczyscKomorki();
    // iloscWierszy rows whose texts dostawca gives when they are shown (TModelSiatki).
    void UstawDostawce(int iloscWierszy, TDostawcaTekstu dostawca);

    // Suspends repainting and model notifications; counted, the last EndUpdate shows all.
    void BeginUpdate();
    void EndUpdate();

    bool TylkoDoOdczytu() const { return fModel.TylkoDoOdczytu(); }
    void SetTylkoDoOdczytu(bool v);

    bool MarginesWidoczny() const;
    void SetMarginesWidoczny(bool v);
    bool StopkaWidoczna() const { return fStopkaWidoczna; }
    void SetStopkaWidoczna(bool v);
    int IloscLiniiStopki() const;
    void SetIloscLiniiStopki(int ilosc);

    QFont CzcionkaKomorek() const { return font(); }
    void SetCzcionkaKomorek(const QFont& czcionka);
    QFont CzcionkaNaglowka() const;
    void SetCzcionkaNaglowka(const QFont& czcionka);
    QFont CzcionkaMarginesu() const;
    void SetCzcionkaMarginesu(const QFont& czcionka);
    QFont CzcionkaStopki() const;
    void SetCzcionkaStopki(const QFont& czcionka);
    QColor KolorLinii() const { return fKolorLinii; }
    void SetKolorLinii(const QColor& kolor);
    // Selected cells other than the current one; the current cell of a focused grid is drawn
    // in the palette's highlight colour.
    QColor KolorZaznaczenia() const { return fKolorZaznaczenia; }
    void SetKolorZaznaczenia(const QColor& kolor);

    const THakRysowaniaKomorki& PrzyRysowaniuKomorki() const { return fHakKomorki; }
    void SetPrzyRysowaniuKomorki(THakRysowaniaKomorki hak);
    // Called once before every paint of the footer.
    const THakRysowaniaStopki& PrzyRysowaniuStopki() const { return fHakStopki; }
    void SetPrzyRysowaniuStopki(THakRysowaniaStopki hak);

    // The current cell as last reported; (-1, -1) when the grid is empty.
    int BiezacaKolumna() const { return fKolumna; }
    int BiezacyWiersz() const { return fWiersz; }
    void UstawBiezacaKomorke(int kolumna, int wiersz);
    bool MaFokus() const { return hasFocus(); }

    const TSiatkaStopka& StopkaWidzet() const { return *fStopka; }

signals:
    // The current cell moved: by the user, or because the row count changed ((-1, -1) when
    // the grid became empty, (0, 0) when an empty grid got its first row).
    void ZmianaBiezacejKomorki(int kolumna, int wiersz);
    // The user edited a cell's text (only when not read-only).
    void ZmianaKomorki(int kolumna, int wiersz);
    void PodwojneKlikniecie(int kolumna, int wiersz);
    // Before the grid's own handling; a handler that accepts the event stops it.
    void WcisnietoKlawisz(QKeyEvent* zdarzenie);

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    QModelIndex moveCursor(CursorAction akcja, Qt::KeyboardModifiers modyfikatory) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;

private:
    void PoZmianieWierszy();
    void ZglosBiezaca(int kolumna, int wiersz);
    void SynchronizujWidok();
    void PrzyZmianieBiezacegoIndeksu(const QModelIndex& biezacy);
    void OdtworzKolumny();
    void DopasujKolumny();
    int PierwszaWidocznaKolumna() const;
    bool Wstrzymana() const { return fWstrzymania > 0; }

    TModelSiatki fModel;
    TSiatkaDelegat* fDelegat;  // owned by Qt (child of this)
    TSiatkaStopka* fStopka;    // owned by Qt (child of this)
    struct TKolumna {
        int Szerokosc;
        bool Widoczna = true;
        QString Stopka;
    };
    std::vector<TKolumna> fKolumny;
    bool fAutomatycznaSzerokosc = false;
    int fDomyslnaSzerokosc = 50;
    int fWysokoscWiersza = 26;
    bool fStopkaWidoczna = true;
    QColor fKolorLinii{192, 192, 192};
    QColor fKolorZaznaczenia{255, 255, 187};
    THakRysowaniaKomorki fHakKomorki;
    THakRysowaniaStopki fHakStopki;
    int fKolumna = -1;
    int fWiersz = -1;
    int fWstrzymania = 0;
    // Set while the grid itself moves the view's current index or changes the rows, so that
    // the view's own signals are not taken for user navigation.
    bool fSynchronizacja = false;
    bool fDopasowywanie = false;
};

// Suspends a grid's repainting for the lifetime of the object.
class TWstrzymanaSiatka {
public:
    explicit TWstrzymanaSiatka(TSiatkaDanych& siatka) : fSiatka(siatka) { fSiatka.BeginUpdate(); }
    ~TWstrzymanaSiatka() { fSiatka.EndUpdate(); }
    TWstrzymanaSiatka(const TWstrzymanaSiatka&) = delete;
    TWstrzymanaSiatka& operator=(const TWstrzymanaSiatka&) = delete;

private:
    TSiatkaDanych& fSiatka;
};
