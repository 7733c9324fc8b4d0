#include "common/DataCzas.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "common/FunkcjeWspolne.h"
#include "common/PolskiTekst.h"
#include "common/Wyjatki.h"

namespace {

constexpr int64_t MsNaDobe = 86'400'000;
// Day number of 1970-01-01 counted from 1899-12-30 (day 0).
constexpr int64_t DzienEpokiUniksa = 25'569;
// The supported calendar: years 1 to 9999 (four-digit years in every text form).
constexpr int RokMin = 1;
constexpr int RokMax = 9999;

constexpr int64_t PodzielWDol(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
constexpr int64_t DniOdEpoki(int rok, int miesiac, int dzien)
{
    const int64_t y = rok - (miesiac <= 2 ? 1 : 0);
    const int64_t era = PodzielWDol(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t mp = (miesiac + 9) % 12;
    const int64_t doy = (153 * mp + 2) / 5 + dzien - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146'097 + doe - 719'468;
}

void DataZDniOdEpoki(int64_t z, int& rok, int& miesiac, int& dzien)
{
    z += 719'468;
    const int64_t era = PodzielWDol(z, 146'097);
    const int64_t doe = z - era * 146'097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36'524 - doe / 146'096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    dzien = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    miesiac = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    rok = static_cast<int>(yoe + era * 400 + (miesiac <= 2 ? 1 : 0));
}

constexpr int64_t PierwszyDzien = DniOdEpoki(RokMin, 1, 1) + DzienEpokiUniksa;
constexpr int64_t OstatniDzien = DniOdEpoki(RokMax, 12, 31) + DzienEpokiUniksa;

// The date-time as whole milliseconds since 1899-12-30 00:00, rounded to the nearest one.
// A double holds them to within 0.03 ms even in the year 9999.
int64_t Milisekundy(TDateTime data)
{
    constexpr double Najmniej = static_cast<double>(PierwszyDzien * MsNaDobe);
    constexpr double Ponad = static_cast<double>((OstatniDzien + 1) * MsNaDobe);
    const double ms = std::round(data * static_cast<double>(MsNaDobe));
    if (!(ms >= Najmniej && ms < Ponad)) {
        char liczba[64];
        std::snprintf(liczba, sizeof liczba, "%.17g", data);
        throw EGrosiwoException(std::string("Wartość ") + liczba +
                                " nie jest datą z zakresu od roku 1 do 9999");
    }
    return static_cast<int64_t>(ms);
}

int64_t NumerDnia(TDateTime data)
{
    return PodzielWDol(Milisekundy(data), MsNaDobe);
}

// Zero-padded to at least cyfr digits; wartosc is never negative here.
void DopiszLiczbe(std::string& cel, int wartosc, int cyfr)
{
    char bufor[12];
    char* koniec = bufor + sizeof bufor;
    char* p = koniec;
    do {
        *--p = static_cast<char>('0' + wartosc % 10);
        wartosc /= 10;
        --cyfr;
    } while (wartosc > 0 || cyfr > 0);
    cel.append(p, static_cast<size_t>(koniec - p));
}

// Reads 1..maks digits at pozycja; false when there is none.
bool CzytajLiczbe(std::string_view t, size_t& pozycja, size_t min, size_t maks, int& wynik)
{
    size_t n = 0;
    int w = 0;
    while (pozycja + n < t.size() && n < maks && t[pozycja + n] >= '0' && t[pozycja + n] <= '9') {
        w = w * 10 + (t[pozycja + n] - '0');
        ++n;
    }
    if (n < min)
        return false;
    pozycja += n;
    wynik = w;
    return true;
}

bool CzyBialyZnak(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

bool CzyRokPrzestepny(int rok)
{
    return (rok % 4 == 0 && rok % 100 != 0) || rok % 400 == 0;
}

int DniWMiesiacu(int rok, int miesiac)
{
    static constexpr int Dni[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (miesiac < 1 || miesiac > 12)
        throw EGrosiwoException("Nieprawidłowy numer miesiąca: " + std::to_string(miesiac));
    return miesiac == 2 && CzyRokPrzestepny(rok) ? 29 : Dni[miesiac - 1];
}

TDateTime KodujDate(int rok, int miesiac, int dzien)
{
    if (rok < RokMin || rok > RokMax || miesiac < 1 || miesiac > 12 || dzien < 1 ||
        dzien > DniWMiesiacu(rok, miesiac))
        throw EGrosiwoException("Nieprawidłowa data: rok " + std::to_string(rok) + ", miesiąc " +
                                std::to_string(miesiac) + ", dzień " + std::to_string(dzien));
    return static_cast<TDateTime>(DniOdEpoki(rok, miesiac, dzien) + DzienEpokiUniksa);
}

TDateTime KodujCzas(int godzina, int minuta, int sekunda, int milisekunda)
{
    if (godzina < 0 || godzina > 23 || minuta < 0 || minuta > 59 || sekunda < 0 || sekunda > 59 ||
        milisekunda < 0 || milisekunda > 999)
        throw EGrosiwoException("Nieprawidłowy czas: " + std::to_string(godzina) + ":" +
                                std::to_string(minuta) + ":" + std::to_string(sekunda) + "." +
                                std::to_string(milisekunda));
    const int64_t ms = ((int64_t{godzina} * 60 + minuta) * 60 + sekunda) * 1000 + milisekunda;
    return static_cast<TDateTime>(ms) / MsNaDobe;
}

TDateTime KodujDateCzas(int rok, int miesiac, int dzien, int godzina, int minuta, int sekunda,
                        int milisekunda)
{
    return KodujDate(rok, miesiac, dzien) + KodujCzas(godzina, minuta, sekunda, milisekunda);
}

TSkladnikiDaty DekodujDateCzas(TDateTime data)
{
    const int64_t ms = Milisekundy(data);
    const int64_t dzien = PodzielWDol(ms, MsNaDobe);
    int64_t reszta = ms - dzien * MsNaDobe;
    TSkladnikiDaty s;
    DataZDniOdEpoki(dzien - DzienEpokiUniksa, s.Rok, s.Miesiac, s.Dzien);
    s.Milisekunda = static_cast<int>(reszta % 1000);
    reszta /= 1000;
    s.Sekunda = static_cast<int>(reszta % 60);
    reszta /= 60;
    s.Minuta = static_cast<int>(reszta % 60);
    s.Godzina = static_cast<int>(reszta / 60);
    return s;
}

int RokDaty(TDateTime data)
{
    return DekodujDateCzas(data).Rok;
}

int MiesiacDaty(TDateTime data)
{
    return DekodujDateCzas(data).Miesiac;
}

int DzienDaty(TDateTime data)
{
    return DekodujDateCzas(data).Dzien;
}

TDateTime SamaData(TDateTime data)
{
    return static_cast<TDateTime>(NumerDnia(data));
}

int DzienTygodniaISO(TDateTime data)
{
    // Day 0, 1899-12-30, was a Saturday.
    const int64_t dzien = NumerDnia(data) + 5;
    return static_cast<int>(dzien - PodzielWDol(dzien, 7) * 7) + 1;
}

int DzienTygodnia(TDateTime data)
{
    return DzienTygodniaISO(data) % 7 + 1;
}

int PorownajDaty(TDateTime a, TDateTime b)
{
    if (std::fabs(a - b) < JednaMilisekunda)
        return 0;
    return a < b ? -1 : 1;
}

// The fixed forms skip the pattern interpreter: saving writes one per row.
std::string DataCzasNaTekst(TDateTime data)
{
    const TSkladnikiDaty s = DekodujDateCzas(data);
    std::string wynik;
    wynik.reserve(16);
    DopiszLiczbe(wynik, s.Rok, 4);
    wynik += '-';
    DopiszLiczbe(wynik, s.Miesiac, 2);
    wynik += '-';
    DopiszLiczbe(wynik, s.Dzien, 2);
    wynik += ' ';
    DopiszLiczbe(wynik, s.Godzina, 2);
    wynik += ':';
    DopiszLiczbe(wynik, s.Minuta, 2);
    return wynik;
}

std::string DataNaTekst(TDateTime data)
{
    return DataCzasNaTekst(data).substr(0, 10);
}

std::string FormatujDateCzas(std::string_view wzorzec, TDateTime data)
{
    const TSkladnikiDaty s = DekodujDateCzas(data);
    std::string wynik;
    wynik.reserve(wzorzec.size() + 8);
    size_t i = 0;
    auto dalej = [&](std::string_view znacznik) {
        if (wzorzec.substr(i, znacznik.size()) != znacznik)
            return false;
        i += znacznik.size();
        return true;
    };
    while (i < wzorzec.size()) {
        if (dalej("yyyy"))
            DopiszLiczbe(wynik, s.Rok, 4);
        else if (dalej("yy"))
            DopiszLiczbe(wynik, s.Rok % 100, 2);
        else if (dalej("MMMM"))
            wynik += UstawieniaFormatow().NazwyMiesiecy[static_cast<size_t>(s.Miesiac - 1)];
        else if (dalej("MM"))
            DopiszLiczbe(wynik, s.Miesiac, 2);
        else if (dalej("M"))
            DopiszLiczbe(wynik, s.Miesiac, 1);
        else if (dalej("dddd"))
            wynik += UstawieniaFormatow().NazwyDni[static_cast<size_t>(DzienTygodnia(data) - 1)];
        else if (dalej("dd"))
            DopiszLiczbe(wynik, s.Dzien, 2);
        else if (dalej("d"))
            DopiszLiczbe(wynik, s.Dzien, 1);
        else if (dalej("hh"))
            DopiszLiczbe(wynik, s.Godzina, 2);
        else if (dalej("h"))
            DopiszLiczbe(wynik, s.Godzina, 1);
        else if (dalej("mm") || dalej("nn"))
            DopiszLiczbe(wynik, s.Minuta, 2);
        else if (dalej("ss"))
            DopiszLiczbe(wynik, s.Sekunda, 2);
        else if (dalej("zzz"))
            DopiszLiczbe(wynik, s.Milisekunda, 3);
        else
            wynik += wzorzec[i++];
    }
    return wynik;
}

bool SprobujTekstNaDataCzas(std::string_view tekst, TDateTime& wynik)
{
    while (!tekst.empty() && CzyBialyZnak(tekst.front()))
        tekst.remove_prefix(1);
    while (!tekst.empty() && CzyBialyZnak(tekst.back()))
        tekst.remove_suffix(1);

    size_t p = 0;
    int rok = 0, miesiac = 0, dzien = 0, godzina = 0, minuta = 0, sekunda = 0, ms = 0;
    auto znak = [&](char c) {
        if (p < tekst.size() && tekst[p] == c) {
            ++p;
            return true;
        }
        return false;
    };
    if (!CzytajLiczbe(tekst, p, 4, 4, rok) || !znak('-') || !CzytajLiczbe(tekst, p, 1, 2, miesiac) ||
        !znak('-') || !CzytajLiczbe(tekst, p, 1, 2, dzien))
        return false;
    if (p < tekst.size()) {
        if (!znak(' ') && !znak('T'))
            return false;
        if (!CzytajLiczbe(tekst, p, 1, 2, godzina) || !znak(':') ||
            !CzytajLiczbe(tekst, p, 2, 2, minuta))
            return false;
        if (znak(':')) {
            if (!CzytajLiczbe(tekst, p, 2, 2, sekunda))
                return false;
            if (znak('.') || znak(',')) {
                // A fraction of any length, rounded to whole milliseconds.
                double ulamek = 0, waga = 0.1;
                const size_t poczatek = p;
                for (; p < tekst.size() && tekst[p] >= '0' && tekst[p] <= '9'; ++p, waga /= 10)
                    ulamek += (tekst[p] - '0') * waga;
                if (p == poczatek)
                    return false;
                ms = static_cast<int>(std::lround(ulamek * 1000));
            }
        }
        if (p != tekst.size())
            return false;
    }
    if (rok < RokMin || miesiac < 1 || miesiac > 12 || dzien < 1 ||
        dzien > DniWMiesiacu(rok, miesiac) || godzina > 23 || minuta > 59 || sekunda > 59)
        return false;
    // A fraction that rounds up to a full second carries into the next second, except at
    // the calendar's very last second, where it would carry the date out of the calendar.
    if (ms == 1000 && rok == RokMax && miesiac == 12 && dzien == 31 && godzina == 23 && minuta == 59 &&
        sekunda == 59)
        ms = 999;
    wynik = KodujDate(rok, miesiac, dzien) + KodujCzas(godzina, minuta, sekunda) +
            static_cast<double>(ms) / MsNaDobe;
    return true;
}

TDateTime TekstNaDataCzas(std::string_view tekst)
{
    TDateTime wynik = 0;
    if (!SprobujTekstNaDataCzas(tekst, wynik))
        throw EGrosiwoException("'" + CytatDoKomunikatu(tekst) + "' nie jest poprawną datą i godziną");
    return wynik;
}
