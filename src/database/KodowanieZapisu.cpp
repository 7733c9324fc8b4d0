#include "database/KodowanieZapisu.h"

#include "common/FormatyTekstowe.h"
#include "common/FunkcjeWspolne.h"

namespace {

// The text between two quote characters, each one inside doubled.
std::string WZnakach(std::string_view tekst, char cudzyslow)
{
    std::string wynik;
    wynik.reserve(tekst.size() + 2);
    wynik += cudzyslow;
    for (const char c : tekst) {
        if (c == cudzyslow)
            wynik += cudzyslow;
        wynik += c;
    }
    wynik += cudzyslow;
    return wynik;
}

}  // namespace

namespace zapis {

std::string Sklej(std::initializer_list<std::string_view> czesci)
{
    size_t dlugosc = 0;
    for (const std::string_view c : czesci)
        dlugosc += c.size();
    std::string wynik;
    wynik.reserve(dlugosc);
    for (const std::string_view c : czesci)
        wynik.append(c);
    return wynik;
}

std::string Liczba(int64_t wartosc)
{
    return std::to_string(wartosc);
}

std::string TekstOpcjonalny(std::string_view tekst)
{
    return tekst.empty() ? std::string("NULL") : SQLTekst(tekst);
}

std::string TekstOpcjonalnyNiepusty(std::string_view tekst)
{
    return CzyPustyTekst(tekst) ? std::string("NULL") : SQLTekst(tekst);
}

std::string TekstWApostrofach(std::string_view tekst)
{
    return WZnakach(tekst, '\'');
}

std::string Identyfikator(std::string_view nazwa)
{
    return WZnakach(nazwa, '"');
}

std::string PolecenieUsuniecia(std::string_view tabela, int32_t id)
{
    return Sklej({"DELETE FROM \"", tabela, "\" WHERE \"Id\"=", Liczba(id), ";"});
}

}  // namespace zapis
