#include "database/ZawartoscKolumny.h"

#include <algorithm>

#include "common/PolskiTekst.h"
#include "common/Wyjatki.h"
#include "database/KodowanieZapisu.h"
#include "sqlite/SQLiteTable3.h"

std::string ZapytanieZawartosciKolumny(std::string_view tabela, std::string_view kolumna)
{
    // Qualified by the table: SQLite reads a lone double-quoted name that matches no column
    // as a text literal, which would answer a missing column with its own name.
    const std::string t = zapis::Identyfikator(tabela);
    const std::string k = zapis::Sklej({t, ".", zapis::Identyfikator(kolumna)});
    return zapis::Sklej({"SELECT DISTINCT ", k, " FROM ", t, " WHERE ", k, " NOT NULL order by ", k, ";"});
}

TStringList PobierzZawartoscKolumny(TSQLiteDatabase& baza, std::string_view tabela, std::string_view kolumna)
{
    // The statement text ends at a NUL: the quoted name would be cut short.
    if (tabela.find('\0') != std::string_view::npos || kolumna.find('\0') != std::string_view::npos)
        throw EGrosiwoException("Nazwa tabeli lub kolumny zawiera niedozwolony znak.");
    TSQLiteTable wynik = baza.GetTable(ZapytanieZawartosciKolumny(tabela, kolumna));
    TStringList wartosci;
    wartosci.reserve(wynik.RowCount());
    for (; !wynik.Eof(); wynik.Next())
        wartosci.push_back(NaprawUtf8(wynik.FieldTextView(0).Widok()));
    std::stable_sort(wartosci.begin(), wartosci.end(), [](const std::string& a, const std::string& b) {
        return PorownajTekstyBezWielkosciLiter(a, b) < 0;
    });
    return wartosci;
}
