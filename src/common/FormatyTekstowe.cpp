#include "common/FormatyTekstowe.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
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

// The general number form with the given decimal separator.
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

    char tekst[24];
    return std::string(tekst, ZapiszLiczbeOgolna(tekst, wartosc < 0, cyfry, wykladnik, separator));
}

}  // namespace

// Fixed notation for decimal exponents from -5 to 14, otherwise "1,5E20" / "1E-7".
char* ZapiszLiczbeOgolna(char* cel, bool ujemna, std::string_view cyfry, int wykladnik,
                         char separator)
{
    char* p = cel;
    if (ujemna)
        *p++ = '-';
    if (wykladnik < -5 || wykladnik >= CyfryZnaczace) {
        *p++ = cyfry[0];
        if (cyfry.size() > 1) {
            *p++ = separator;
            p = std::copy(cyfry.begin() + 1, cyfry.end(), p);
        }
        *p++ = 'E';
        p = std::to_chars(p, p + 4, wykladnik).ptr;  // "-324" at the most
    } else if (wykladnik < 0) {
        *p++ = '0';
        *p++ = separator;
        p = std::fill_n(p, -wykladnik - 1, '0');
        p = std::copy(cyfry.begin(), cyfry.end(), p);
    } else {
        const auto calkowite = static_cast<size_t>(wykladnik) + 1;
        if (cyfry.size() <= calkowite) {
            p = std::copy(cyfry.begin(), cyfry.end(), p);
            p = std::fill_n(p, calkowite - cyfry.size(), '0');
        } else {
            p = std::copy(cyfry.begin(), cyfry.begin() + static_cast<ptrdiff_t>(calkowite), p);
            *p++ = separator;
            p = std::copy(cyfry.begin() + static_cast<ptrdiff_t>(calkowite), cyfry.end(), p);
        }
    }
    return p;
}

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
