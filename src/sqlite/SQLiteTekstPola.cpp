#include "sqlite/SQLiteTekstPola.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "common/DaneRegionalne.h"
#include "common/FormatyTekstowe.h"

namespace {

constexpr int CyfryZnaczace = 15;

// The significant digits (without trailing zeros) and the decimal exponent of |wartosc|,
// rounded to 15 significant digits. When the shortest text that reads back as the same
// double has at most 15 digits, it is that rounding: the 15-digit grid is coarser than the
// double's own spacing (not so for subnormal values, whose spacing is coarser). Only the
// others need the slower rounding to 15 digits.
size_t CyfryIWykladnik(double wartosc, char (&cyfry)[32], int& wykladnik)
{
    char bufor[40];
    const double modul = std::fabs(wartosc);
    char* koniec = std::to_chars(bufor, bufor + sizeof bufor, modul, std::chars_format::scientific).ptr;
    const char* e = static_cast<const char*>(std::memchr(bufor, 'e', static_cast<size_t>(koniec - bufor)));
    size_t ile = static_cast<size_t>(e - bufor) - (e - bufor > 1 ? 1 : 0);
    if (ile > CyfryZnaczace || !std::isnormal(modul)) {
        koniec = std::to_chars(bufor, bufor + sizeof bufor, modul, std::chars_format::scientific,
                               CyfryZnaczace - 1).ptr;
        e = static_cast<const char*>(std::memchr(bufor, 'e', static_cast<size_t>(koniec - bufor)));
    }
    ile = 0;
    for (const char* p = bufor; p < e; ++p)
        if (*p != '.')
            cyfry[ile++] = *p;
    while (ile > 1 && cyfry[ile - 1] == '0')
        --ile;
    const char* poczatekWykladnika = e + 1;
    if (*poczatekWykladnika == '+')
        ++poczatekWykladnika;
    std::from_chars(poczatekWykladnika, koniec, wykladnik);
    return ile;
}

}  // namespace

TTekstPola TTekstPola::Liczba(int64_t wartosc)
{
    TTekstPola wynik;
    const char* koniec = std::to_chars(wynik.fBufor, wynik.fBufor + sizeof wynik.fBufor, wartosc).ptr;
    wynik.fDlugosc = static_cast<uint32_t>(koniec - wynik.fBufor);
    return wynik;
}

// The application's general number text, as LiczbaNaTekst writes it, without allocating.
TTekstPola TTekstPola::Liczba(double wartosc)
{
    if (std::isnan(wartosc))
        return TTekstPola("NAN");
    if (std::isinf(wartosc))
        return TTekstPola(wartosc < 0 ? "-INF" : "INF");
    if (wartosc == 0)
        return TTekstPola("0");

    char cyfry[32];
    int wykladnik = 0;
    const size_t ile = CyfryIWykladnik(wartosc, cyfry, wykladnik);

    TTekstPola wynik;
    const char* koniec = ZapiszLiczbeOgolna(wynik.fBufor, wartosc < 0, std::string_view(cyfry, ile),
                                            wykladnik, PolskiSeparatorDziesietny);
    wynik.fDlugosc = static_cast<uint32_t>(koniec - wynik.fBufor);
    return wynik;
}
