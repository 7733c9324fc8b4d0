#include "common/FormatyTekstowe.h"

#include <charconv>
#include <cmath>
#include <string>

#include "common/DaneRegionalne.h"
#include "common/FunkcjeWspolne.h"
#include "common/Wyjatki.h"

namespace {

constexpr int CyfryZnaczace = 15;

std::string NiezwyklaLiczba(double wartosc)
{
    if (std::isnan(wartosc))
        return "NAN";
    return wartosc < 0 ? "-INF" : "INF";
}

// The general number form with the given decimal separator: fixed notation for decimal
// exponents from -5 to 14, otherwise "1,5E20" / "1E-7".
std::string LiczbaOgolna(double wartosc, char separator)
{
    if (!std::isfinite(wartosc))
        return NiezwyklaLiczba(wartosc);
    if (wartosc == 0)
        return "0";  // also for -0
    // "d.dddddddddddddde±XX": the 15 significant digits, correctly rounded.
    char bufor[40];
    const auto [koniec, ec] = std::to_chars(bufor, bufor + sizeof bufor, std::fabs(wartosc),
                                            std::chars_format::scientific, CyfryZnaczace - 1);
    std::string cyfry;
    const char* p = bufor;
    for (; p != koniec && *p != 'e'; ++p)
        if (*p != '.')
            cyfry += *p;
    int wykladnik = 0;
    if (p != koniec)
        std::from_chars(p + (p[1] == '+' ? 2 : 1), koniec, wykladnik);
    while (cyfry.size() > 1 && cyfry.back() == '0')
        cyfry.pop_back();

    std::string wynik = wartosc < 0 ? "-" : "";
    if (wykladnik < -5 || wykladnik >= CyfryZnaczace) {
        wynik += cyfry[0];
        if (cyfry.size() > 1) {
            wynik += separator;
            wynik.append(cyfry, 1);
        }
        wynik += 'E';
        wynik += std::to_string(wykladnik);
    } else if (wykladnik < 0) {
        wynik += '0';
        wynik += separator;
        wynik.append(static_cast<size_t>(-wykladnik - 1), '0');
        wynik += cyfry;
    } else {
        const auto calkowite = static_cast<size_t>(wykladnik) + 1;
        if (cyfry.size() <= calkowite) {
            wynik += cyfry;
            wynik.append(calkowite - cyfry.size(), '0');
        } else {
            wynik.append(cyfry, 0, calkowite);
            wynik += separator;
            wynik.append(cyfry, calkowite);
        }
    }
    return wynik;
}

}  // namespace

std::string SQLDataCzas(TDateTime data)
{
    return "'" + DataCzasNaTekst(data) + "'";
}

std::string SQLKwota(double kwota)
{
    // NAN or INF inside a statement would be read as a column name or fail the whole batch.
    if (!std::isfinite(kwota))
        throw EGrosiwoException("Kwota " + NiezwyklaLiczba(kwota) +
                                " nie jest liczbą i nie może zostać zapisana");
    return LiczbaOgolna(ZaokraglijDo(-2, kwota), '.');
}

std::string SQLLogiczna(bool wartosc)
{
    return LogicznaNaTekst(wartosc);
}

std::string SQLWyliczenie(int wartosc)
{
    return std::to_string(wartosc);
}

std::string SQLTekst(std::string_view tekst)
{
    const std::string czysty = UsunZnakiZakazane(tekst);
    std::string wynik;
    wynik.reserve(czysty.size() + 2);
    wynik += '\'';
    for (const char c : czysty) {
        if (c == '\'')
            wynik += '\'';
        wynik += c;
    }
    wynik += '\'';
    return wynik;
}

std::string LiczbaNaTekst(double wartosc)
{
    return LiczbaOgolna(wartosc, PolskiSeparatorDziesietny);
}

std::string KwotaNaTekst(double kwota)
{
    if (!std::isfinite(kwota))
        return NiezwyklaLiczba(kwota);
    // Rounded as held in binary, an exact half to even, like ZaokraglijDo. DBL_MAX has 309
    // digits before the point.
    char bufor[400];
    const auto [koniec, ec] = std::to_chars(bufor, bufor + sizeof bufor, std::fabs(kwota),
                                            std::chars_format::fixed, 2);
    const std::string cyfry(bufor, koniec);

    const size_t kropka = cyfry.find('.');
    const std::string_view calkowite(cyfry.data(), kropka);
    std::string wynik;
    // No "-0,00" for an amount that rounds to zero.
    if (kwota < 0 && cyfry.find_first_not_of("0.") != std::string::npos)
        wynik += '-';
    for (size_t i = 0; i < calkowite.size(); ++i) {
        if (i > 0 && (calkowite.size() - i) % 3 == 0)
            wynik += PolskiSeparatorTysiecy;
        wynik += calkowite[i];
    }
    wynik += PolskiSeparatorDziesietny;
    wynik.append(cyfry, kropka + 1);
    return wynik;
}

std::string KwotaNaTekstWaluty(double kwota)
{
    return KwotaNaTekst(kwota) + " " + std::string(PolskiSymbolWaluty);
}
