#include "common/PolskiTekst.h"

#include <unicode/ucasemap.h>
#include <unicode/ucol.h>
#include <unicode/utf8.h>

#include <climits>
#include <memory>

#include "common/Wyjatki.h"

namespace {

constexpr const char* PolskiRegion = "pl_PL";

struct TZamknijCollator {
    void operator()(UCollator* c) const { ucol_close(c); }
};
struct TZamknijCaseMap {
    void operator()(UCaseMap* m) const { ucasemap_close(m); }
};
using TCollator = std::unique_ptr<UCollator, TZamknijCollator>;
using TCaseMap = std::unique_ptr<UCaseMap, TZamknijCaseMap>;

TCollator OtworzCollator(UCollationStrength sila)
{
    UErrorCode blad = U_ZERO_ERROR;
    TCollator c(ucol_open(PolskiRegion, &blad));
    if (U_FAILURE(blad))
        throw EGrosiwoException(std::string("Nie można przygotować porównywania tekstów: ") +
                                u_errorName(blad));
    ucol_setStrength(c.get(), sila);
    return c;
}

// Opening a collator costs far more than a comparison, and sorts of many records compare
// all the time, so each thread keeps its own (ICU collators are not thread-safe).
UCollator* CollatorBezWielkosciLiter()
{
    thread_local const TCollator c = OtworzCollator(UCOL_SECONDARY);
    return c.get();
}

UCollator* CollatorZWielkosciaLiter()
{
    thread_local const TCollator c = OtworzCollator(UCOL_TERTIARY);
    return c.get();
}

const UCaseMap* PolskieLitery()
{
    thread_local const TCaseMap m = [] {
        UErrorCode blad = U_ZERO_ERROR;
        TCaseMap mapa(ucasemap_open(PolskiRegion, 0, &blad));
        if (U_FAILURE(blad))
            throw EGrosiwoException(std::string("Nie można przygotować zmiany wielkości liter: ") +
                                    u_errorName(blad));
        return mapa;
    }();
    return m.get();
}

int32_t Dlugosc(std::string_view t)
{
    if (t.size() > static_cast<size_t>(INT32_MAX))
        throw EGrosiwoException("Tekst jest zbyt długi");
    return static_cast<int32_t>(t.size());
}

using TFunkcjaMapy = int32_t (*)(const UCaseMap*, char*, int32_t, const char*, int32_t,
                                 UErrorCode*);

// ICU's UTF-8 case mapping copies ill-formed sequences unchanged.
void Mapuj(TFunkcjaMapy funkcja, std::string_view tekst, std::string& wynik)
{
    const int32_t n = Dlugosc(tekst);
    // Case mappings rarely grow a text; the second pass handles those that do.
    wynik.resize(tekst.size() + 16);
    UErrorCode blad = U_ZERO_ERROR;
    int32_t potrzeba = funkcja(PolskieLitery(), wynik.data(), static_cast<int32_t>(wynik.size()),
                               tekst.data(), n, &blad);
    if (blad == U_BUFFER_OVERFLOW_ERROR) {
        wynik.resize(static_cast<size_t>(potrzeba));
        blad = U_ZERO_ERROR;
        potrzeba = funkcja(PolskieLitery(), wynik.data(), static_cast<int32_t>(wynik.size()),
                           tekst.data(), n, &blad);
    }
    if (U_FAILURE(blad) && blad != U_STRING_NOT_TERMINATED_WARNING)
        throw EGrosiwoException(std::string("Nie można zmienić wielkości liter: ") +
                                u_errorName(blad));
    wynik.resize(static_cast<size_t>(potrzeba));
}

int Porownaj(UCollator* collator, std::string_view a, std::string_view b)
{
    UErrorCode blad = U_ZERO_ERROR;
    const UCollationResult r =
        ucol_strcollUTF8(collator, a.data(), Dlugosc(a), b.data(), Dlugosc(b), &blad);
    if (U_FAILURE(blad))
        throw EGrosiwoException(std::string("Nie można porównać tekstów: ") + u_errorName(blad));
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

}  // namespace

int PorownajTekstyBezWielkosciLiter(std::string_view a, std::string_view b)
{
    return Porownaj(CollatorBezWielkosciLiter(), a, b);
}

int PorownajTeksty(std::string_view a, std::string_view b)
{
    return Porownaj(CollatorZWielkosciaLiter(), a, b);
}

bool TekstyRowneBezWielkosciLiter(std::string_view a, std::string_view b)
{
    if (a == b)
        return true;
    thread_local std::string zlozonyA, zlozonyB;
    Mapuj(ucasemap_utf8FoldCase, a, zlozonyA);
    Mapuj(ucasemap_utf8FoldCase, b, zlozonyB);
    return zlozonyA == zlozonyB;
}

std::string WielkieLitery(std::string_view tekst)
{
    std::string wynik;
    Mapuj(ucasemap_utf8ToUpper, tekst, wynik);
    return wynik;
}

std::string MaleLitery(std::string_view tekst)
{
    std::string wynik;
    Mapuj(ucasemap_utf8ToLower, tekst, wynik);
    return wynik;
}

std::string NaprawUtf8(std::string_view tekst)
{
    const auto* bajty = reinterpret_cast<const uint8_t*>(tekst.data());
    const int32_t n = Dlugosc(tekst);
    std::string wynik;
    wynik.reserve(tekst.size());
    int32_t i = 0;
    while (i < n) {
        const int32_t poczatek = i;
        UChar32 znak;
        U8_NEXT(bajty, i, n, znak);
        if (znak < 0)
            wynik += "\xEF\xBF\xBD";  // U+FFFD for each maximal ill-formed subpart
        else
            wynik.append(tekst.data() + poczatek, static_cast<size_t>(i - poczatek));
    }
    return wynik;
}

std::string CytatDoKomunikatu(std::string_view tekst)
{
    constexpr size_t Maks = 64;
    std::string_view poczatek = tekst;
    if (tekst.size() > Maks) {
        size_t koniec = Maks;
        while (koniec > 0 && (static_cast<unsigned char>(tekst[koniec]) & 0xC0) == 0x80)
            --koniec;
        poczatek = tekst.substr(0, koniec);
    }
    std::string wynik;
    // Control characters are ASCII, so they are single bytes of the repaired text.
    for (const char c : NaprawUtf8(poczatek)) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            wynik += "\xEF\xBF\xBD";
        else
            wynik += c;
    }
    if (poczatek.size() < tekst.size())
        wynik += "…";
    return wynik;
}
