#include "database/CzytnikWierszy.h"

#include "common/Wyjatki.h"
#include "database/KonwersjeWartosci.h"

TCzytnikWierszy::TCzytnikWierszy(TSQLiteTable& wynik, std::string_view nazwaTabeli)
    : fWynik(wynik), fNazwaTabeli(nazwaTabeli)
{
    if (fWynik.RowCount() > 0)
        fKolumnaId = fWynik.ColumnIndex("Id");
}

void TCzytnikWierszy::IdzDoWiersza(uint32_t wiersz)
{
    fWynik.MoveTo(wiersz);
}

TCzytnikWierszy::TKolumna TCzytnikWierszy::Kolumna(std::string_view nazwa) const
{
    return TKolumna{fWynik.ColumnIndex(nazwa), nazwa};
}

// The conversions raise only on a bad value, so the handlers cost nothing on the way of a
// good one.
int64_t TCzytnikWierszy::CalkowitaWZakresie(const TKolumna& kolumna, int64_t min, int64_t max) const
{
    try {
        return CalkowitaZTekstu(fWynik.FieldTextView(kolumna.Indeks), min, max);
    } catch (const EGrosiwoException& e) {
        ZglosBlad(kolumna, e.what());
    }
}

double TCzytnikWierszy::Liczba(const TKolumna& kolumna) const
{
    try {
        return LiczbaZTekstu(fWynik.FieldTextView(kolumna.Indeks));
    } catch (const EGrosiwoException& e) {
        ZglosBlad(kolumna, e.what());
    }
}

TDateTime TCzytnikWierszy::Data(const TKolumna& kolumna) const
{
    try {
        return TekstNaDataCzas(fWynik.FieldTextView(kolumna.Indeks));
    } catch (const EGrosiwoException& e) {
        ZglosBlad(kolumna, e.what());
    }
}

bool TCzytnikWierszy::TakNie(const TKolumna& kolumna) const
{
    try {
        return LogicznaZTekstu(fWynik.FieldTextView(kolumna.Indeks));
    } catch (const EGrosiwoException& e) {
        ZglosBlad(kolumna, e.what());
    }
}

std::string TCzytnikWierszy::Tekst(const TKolumna& kolumna) const
{
    return fWynik.FieldTextView(kolumna.Indeks).Tekst();
}

void TCzytnikWierszy::ZglosBlad(const TKolumna& kolumna, const std::string& komunikat) const
{
    std::string wiersz;
    int64_t id = 0;
    if (fKolumnaId >= 0 && kolumna.Indeks != fKolumnaId &&
        SprobujCalkowitaZTekstu(fWynik.FieldTextView(fKolumnaId), id))
        wiersz = "wiersz o Id " + std::to_string(id);
    else
        wiersz = "wiersz nr " + std::to_string(fWynik.Row() + 1);
    throw EGrosiwoException(komunikat + " (tabela \"" + std::string(fNazwaTabeli) + "\", kolumna \"" +
                            std::string(kolumna.Nazwa) + "\", " + wiersz + ").");
}
