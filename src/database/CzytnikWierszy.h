#pragma once
// Reads the rows of one loading query: looks each column up by name once, walks the rows in
// either direction and converts a cell from its text to the type of a record field. A cell
// that does not convert raises EGrosiwoException with the conversion's message followed by
// the table, the column and the row, so the user learns where the bad value is.
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/DataCzas.h"
#include "sqlite/SQLiteTable.h"

class TCzytnikWierszy {
public:
    // A column of the result, found once per query.
    struct TKolumna {
        int Indeks = 0;
        std::string_view Nazwa;
    };

    // The table name is only quoted in error messages; it must outlive the reader.
    TCzytnikWierszy(TSQLiteTable& wynik, std::string_view nazwaTabeli);

    enum class TKierunek { OdPierwszego, OdOstatniego };

    uint32_t IloscWierszy() const { return fWynik.RowCount(); }
    // Runs naWiersz once on every row, in the query's order or from its last row back.
    template <typename F>
    void PrzejdzWiersze(TKierunek kierunek, F&& naWiersz)
    {
        const uint32_t ile = IloscWierszy();
        for (uint32_t i = 0; i < ile; ++i) {
            IdzDoWiersza(kierunek == TKierunek::OdPierwszego ? i : ile - 1 - i);
            naWiersz();
        }
    }
    // Raises the access layer's "Field not found in dataset" for a missing column. Only
    // called when there are rows: a result without rows has no column list.
    TKolumna Kolumna(std::string_view nazwa) const;

    // Any integral or enumeration type; a value outside the type's range does not convert.
    template <typename T>
    T Calkowita(const TKolumna& kolumna) const
    {
        using TBazowy = typename BazowyTyp<T>::type;
        return static_cast<T>(CalkowitaWZakresie(kolumna, std::numeric_limits<TBazowy>::min(),
                                                 std::numeric_limits<TBazowy>::max()));
    }
    double Liczba(const TKolumna& kolumna) const;
    TDateTime Data(const TKolumna& kolumna) const;
    bool TakNie(const TKolumna& kolumna) const;
    // NULL gives the empty text.
    std::string Tekst(const TKolumna& kolumna) const;

private:
    template <typename T, bool = std::is_enum_v<T>>
    struct BazowyTyp {
        using type = T;
    };
    template <typename T>
    struct BazowyTyp<T, true> {
        using type = std::underlying_type_t<T>;
    };

    void IdzDoWiersza(uint32_t wiersz);
    int64_t CalkowitaWZakresie(const TKolumna& kolumna, int64_t min, int64_t max) const;
    [[noreturn]] void ZglosBlad(const TKolumna& kolumna, const std::string& komunikat) const;

    TSQLiteTable& fWynik;
    std::string_view fNazwaTabeli;
    int fKolumnaId = -1;
};
