#include "common/FunkcjeWspolne.h"

#include <unicode/utf8.h>

#include <charconv>
#include <algorithm>
#include <cmath>

#include "common/DaneRegionalne.h"
#include "common/PolskiTekst.h"
#include "common/Wyjatki.h"

namespace {

TUstawieniaFormatow& Ustawienia()
{
    static TUstawieniaFormatow ustawienia;
    return ustawienia;
}

// Code points dropped from names: C0 controls, DEL, the C1 codes that were undefined bytes
// of the old single-byte code page, and the dot above (U+02D9).
bool CzyZnakNiepozadany(UChar32 c)
{
    return c < 32 || c == 127 || c == 129 || c == 131 || c == 136 || c == 144 || c == 152 ||
           c == 729;
}

bool CzyZnakZakazanyWNazwie(UChar32 c)
{
    switch (c) {
    case ';': case '\\': case '/': case '<': case '>': case '|': case '*': case '?': case '"':
    case ':':
        return true;
    default:
        return false;
    }
}

template <typename Funkcja>
void DlaKazdegoZnaku(std::string_view poprawnyUtf8, Funkcja funkcja)
{
    const auto* bajty = reinterpret_cast<const uint8_t*>(poprawnyUtf8.data());
    const auto n = static_cast<int32_t>(poprawnyUtf8.size());
    int32_t i = 0;
    while (i < n) {
        const int32_t poczatek = i;
        UChar32 znak;
        U8_NEXT_OR_FFFD(bajty, i, n, znak);
        funkcja(znak, poprawnyUtf8.substr(static_cast<size_t>(poczatek),
                                          static_cast<size_t>(i - poczatek)));
    }
}

constexpr char SeparatorSciezki = '/';

// The day of the month is kept, or moved back to the last day of a shorter month; the time
// of day is kept exactly.
TDateTime DodajMiesiaceKalendarzowe(int ile, TDateTime data)
{
    const TDateTime dzien = std::floor(data);
    const TSkladnikiDaty s = DekodujDateCzas(dzien);
    const int miesiace = s.Rok * 12 + (s.Miesiac - 1) + ile;
    const int rok = miesiace / 12;
    const int miesiac = miesiace % 12 + 1;
    if (rok > 9999)
        throw EGrosiwoException("Data wykracza poza rok 9999");
    const int dzienMiesiaca = std::min(s.Dzien, DniWMiesiacu(rok, miesiac));
    return KodujDate(rok, miesiac, dzienMiesiaca) + (data - dzien);
}

}  // namespace

void UstawFormatyDanych()
{
    TUstawieniaFormatow& u = Ustawienia();
    u.SeparatorDziesietny = PolskiSeparatorDziesietny;
    u.SeparatorTysiecy = PolskiSeparatorTysiecy;
    u.MiejscaDziesietneWaluty = 2;
    u.SeparatorDaty = '-';
    u.SeparatorCzasu = ':';
    u.SeparatorListy = ';';
    u.KrotkiFormatDaty = "yyyy-MM-dd";
    u.DlugiFormatDaty = "d MMMM yyyy";
    u.KrotkiFormatCzasu = "hh:mm";
    u.DlugiFormatCzasu = "hh:mm:ss";
    u.SymbolWaluty = PolskiSymbolWaluty;
    for (size_t i = 0; i < u.NazwyMiesiecy.size(); ++i)
        u.NazwyMiesiecy[i] = PolskieNazwyMiesiecy[i];
    for (size_t i = 0; i < u.NazwyDni.size(); ++i)
        u.NazwyDni[i] = PolskieNazwyDni[i];
}

const TUstawieniaFormatow& UstawieniaFormatow()
{
    return Ustawienia();
}

std::string MiesiacIRok(TDateTime data)
{
    if (!UstawieniaFormatow().Wypelnione())
        return {};
    try {
        return FormatujDateCzas("MMMM yyyy", data);
    } catch (const EGrosiwoException&) {
        return {};
    }
}

std::string WielkaPierwszaLitera(std::string_view tekst)
{
    if (CzyPustyTekst(tekst))
        return std::string(tekst);
    const auto* bajty = reinterpret_cast<const uint8_t*>(tekst.data());
    int32_t koniec = 0;
    U8_FWD_1(bajty, koniec, static_cast<int32_t>(tekst.size()));
    const auto dlugosc = static_cast<size_t>(koniec);
    return WielkieLitery(tekst.substr(0, dlugosc)) + std::string(tekst.substr(dlugosc));
}

double KwotaZTekstu(std::string_view tekst)
{
    if (CzyPustyTekst(tekst))
        return 0;
    // Both separators become the decimal one; everything but digits, it and minus goes.
    std::string liczba;
    liczba.reserve(tekst.size());
    for (const char c : tekst) {
        if ((c >= '0' && c <= '9') || c == '-')
            liczba += c;
        else if (c == '.' || c == ',')
            liczba += '.';
    }
    // Accepted: an optional leading minus, digits, at most one separator, at least one digit.
    const size_t start = !liczba.empty() && liczba[0] == '-' ? 1 : 0;
    bool cyfra = false;
    int separatory = 0;
    for (size_t i = start; i < liczba.size(); ++i) {
        if (liczba[i] == '-')
            return 0;
        if (liczba[i] == '.')
            ++separatory;
        else
            cyfra = true;
    }
    if (!cyfra || separatory > 1)
        return 0;
    double wynik = 0;
    const char* poczatek = liczba.data() + start;
    const char* koniec = liczba.data() + liczba.size();
    const auto [ptr, ec] = std::from_chars(poczatek, koniec, wynik, std::chars_format::fixed);
    if (ec != std::errc() || ptr != koniec || !std::isfinite(wynik))
        return 0;
    return start == 1 ? -wynik : wynik;
}

bool CzyLiczbaCalkowita(std::string_view tekst)
{
    if (tekst.empty())
        return false;
    for (const char c : tekst)
        if ((c < '0' || c > '9') && c != '-')
            return false;
    int32_t wartosc = 0;
    const auto [ptr, ec] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), wartosc);
    return ec == std::errc() && ptr == tekst.data() + tekst.size();
}

bool CzyPustyTekst(std::string_view tekst)
{
    for (const char c : tekst)
        if (static_cast<unsigned char>(c) > ' ')
            return false;
    return true;
}

double ZaokraglijDo(int d, double x)
{
    if (!std::isfinite(x))
        return x;
    // Scaling in long double keeps x * 100 exact, so a value held just below a half
    // (2.675 is 2.67499999...) is not pushed onto the half by the multiplication.
    if (d < 0) {
        const long double skala = std::pow(10.0L, -d);
        const long double przeskalowane = static_cast<long double>(x) * skala;
        // Beyond 2^53 a double holds no digits at position d any more.
        if (std::fabs(przeskalowane) >= 0x1p53L)
            return x;
        // Dividing in double gives the double nearest to the decimal result (267 / 100 is
        // the double closest to 2.67), which a long double division would round twice.
        return static_cast<double>(std::nearbyint(przeskalowane)) / static_cast<double>(skala);
    }
    const long double skala = std::pow(10.0L, d);
    return static_cast<double>(std::nearbyint(static_cast<long double>(x) / skala) * skala);
}

std::string UsunZnakiZakazane(std::string_view tekst)
{
    std::string wynik = NaprawUtf8(tekst);
    // These are ASCII, so removing bytes keeps the UTF-8 valid.
    std::erase_if(wynik, [](char c) { return c == '|' || c == '\'' || c == '"' || c == ';'; });
    return wynik;
}

std::string OczyscNazwe(std::string_view tekst)
{
    if (tekst.empty())
        return {};
    const std::string poprawny = NaprawUtf8(tekst);
    std::string wynik;
    wynik.reserve(poprawny.size());
    bool poczatek = true;
    DlaKazdegoZnaku(poprawny, [&](UChar32 c, std::string_view bajty) {
        if (poczatek && (c == ' ' || CzyZnakNiepozadany(c)))
            return;
        poczatek = false;
        if (CzyZnakNiepozadany(c) || CzyZnakZakazanyWNazwie(c))
            return;
        if (c == ' ' && !wynik.empty() && wynik.back() == ' ')
            return;
        wynik += bajty;
    });
    return wynik;
}

std::string LogicznaNaTekst(bool wartosc)
{
    return wartosc ? "1" : "0";
}

TDateTime DodajDni(uint16_t ile, TDateTime data)
{
    return data + ile;
}

TDateTime DodajTygodnie(uint16_t ile, TDateTime data)
{
    return data + 7.0 * ile;
}

TDateTime DodajMiesiace(uint16_t ile, TDateTime data)
{
    return DodajMiesiaceKalendarzowe(ile, data);
}

TDateTime DodajLata(uint16_t ile, TDateTime data)
{
    return DodajMiesiaceKalendarzowe(12 * ile, data);
}

std::string UsunKoncowyUkosnik(std::string_view sciezka)
{
    // The root folder keeps its only separator.
    if (sciezka.size() > 1 && sciezka.back() == SeparatorSciezki)
        sciezka.remove_suffix(1);
    return std::string(sciezka);
}

std::string DodajKoncowyUkosnik(std::string_view sciezka)
{
    std::string wynik = UsunKoncowyUkosnik(sciezka);
    if (!wynik.empty() && wynik.back() != SeparatorSciezki)
        wynik += SeparatorSciezki;
    return wynik;
}

TStringList* DodajDoListyJesliNowy(const std::string& tekst, TStringList* lista)
{
    if (!lista || tekst.empty())
        return lista;
    for (const std::string& element : *lista)
        if (TekstyRowneBezWielkosciLiter(element, tekst))
            return lista;
    lista->push_back(tekst);
    return lista;
}

TStringList KolumnaTablicy(const TTabDwuwymiarowa& tablica, int kolumna)
{
    TStringList wynik;
    if (kolumna < 0)
        return wynik;
    const auto k = static_cast<size_t>(kolumna);
    for (const auto& wiersz : tablica)
        if (k < wiersz.size() && !wiersz[k].empty())
            wynik.push_back(wiersz[k]);
    return wynik;
}
