#include "database/KonwersjeWartosci.h"

#include <charconv>
#include <cmath>
#include <string>

#include "common/PolskiTekst.h"
#include "common/Wyjatki.h"

namespace {

std::string_view BezBialychZnakow(std::string_view tekst)
{
    const auto bialy = [](char c) { return c == ' ' || c == '\t'; };
    while (!tekst.empty() && bialy(tekst.front()))
        tekst.remove_prefix(1);
    while (!tekst.empty() && bialy(tekst.back()))
        tekst.remove_suffix(1);
    return tekst;
}

bool CzyCyfra(char c)
{
    return c >= '0' && c <= '9';
}

enum class TWynikCalkowitej { Poprawna, PozaZakresem, Niepoprawna };

TWynikCalkowitej CzytajCalkowita(std::string_view tekst, int64_t& wynik)
{
    tekst = BezBialychZnakow(tekst);
    // from_chars takes a minus sign but no plus sign; after a plus a digit must follow.
    const bool plus = !tekst.empty() && tekst.front() == '+';
    if (plus)
        tekst.remove_prefix(1);
    if (tekst.empty() || !(CzyCyfra(tekst.front()) || (!plus && tekst.front() == '-')))
        return TWynikCalkowitej::Niepoprawna;
    const char* koniec = tekst.data() + tekst.size();
    const auto [ptr, ec] = std::from_chars(tekst.data(), koniec, wynik);
    if (ptr != koniec)
        return TWynikCalkowitej::Niepoprawna;
    if (ec == std::errc::result_out_of_range)
        return TWynikCalkowitej::PozaZakresem;
    return ec == std::errc() ? TWynikCalkowitej::Poprawna : TWynikCalkowitej::Niepoprawna;
}

bool CzytajLiczbe(std::string_view tekst, double& wynik)
{
    tekst = BezBialychZnakow(tekst);
    const bool plus = !tekst.empty() && tekst.front() == '+';
    if (plus)
        tekst.remove_prefix(1);
    if (tekst.empty() || !(CzyCyfra(tekst.front()) || tekst.front() == ',' || (!plus && tekst.front() == '-')))
        return false;
    // from_chars reads "." only: the text is copied with its separator swapped. Numbers the
    // database renders fit the stack buffer; a longer text takes the slow way.
    char bufor[64];
    std::string dlugi;
    char* poczatek = bufor;
    if (tekst.size() > sizeof bufor) {
        dlugi.resize(tekst.size());
        poczatek = dlugi.data();
    }
    for (size_t i = 0; i < tekst.size(); ++i) {
        const char c = tekst[i];
        if (c == '.')
            return false;
        poczatek[i] = c == ',' ? '.' : c;
    }
    const char* koniec = poczatek + tekst.size();
    const auto [ptr, ec] = std::from_chars(poczatek, koniec, wynik, std::chars_format::general);
    return ec == std::errc() && ptr == koniec && std::isfinite(wynik);
}

bool RowneBezWielkosciLiterAscii(std::string_view tekst, std::string_view male)
{
    if (tekst.size() != male.size())
        return false;
    for (size_t i = 0; i < tekst.size(); ++i) {
        char c = tekst[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != male[i])
            return false;
    }
    return true;
}

}  // namespace

bool SprobujCalkowitaZTekstu(std::string_view tekst, int64_t& wynik)
{
    return CzytajCalkowita(tekst, wynik) == TWynikCalkowitej::Poprawna;
}

int64_t CalkowitaZTekstu(std::string_view tekst, int64_t min, int64_t max)
{
    int64_t wynik = 0;
    const TWynikCalkowitej stan = CzytajCalkowita(tekst, wynik);
    if (stan == TWynikCalkowitej::Niepoprawna)
        throw EGrosiwoException("'" + CytatWartosci(tekst) + "' nie jest poprawną liczbą całkowitą");
    if (stan == TWynikCalkowitej::PozaZakresem || wynik < min || wynik > max)
        throw EGrosiwoException("Liczba '" + CytatWartosci(tekst) + "' jest poza dopuszczalnym zakresem od " +
                                std::to_string(min) + " do " + std::to_string(max));
    return wynik;
}

bool SprobujLiczbaZTekstu(std::string_view tekst, double& wynik)
{
    return CzytajLiczbe(tekst, wynik);
}

double LiczbaZTekstu(std::string_view tekst)
{
    double wynik = 0;
    if (!CzytajLiczbe(tekst, wynik))
        throw EGrosiwoException("'" + CytatWartosci(tekst) + "' nie jest poprawną liczbą");
    return wynik;
}

bool SprobujLogicznaZTekstu(std::string_view tekst, bool& wynik)
{
    double liczba = 0;
    if (CzytajLiczbe(tekst, liczba)) {
        wynik = liczba != 0;
        return true;
    }
    const std::string_view slowo = BezBialychZnakow(tekst);
    if (RowneBezWielkosciLiterAscii(slowo, "true")) {
        wynik = true;
        return true;
    }
    if (RowneBezWielkosciLiterAscii(slowo, "false")) {
        wynik = false;
        return true;
    }
    return false;
}

bool LogicznaZTekstu(std::string_view tekst)
{
    bool wynik = false;
    if (!SprobujLogicznaZTekstu(tekst, wynik))
        throw EGrosiwoException("'" + CytatWartosci(tekst) +
                                "' nie jest poprawną wartością tak/nie (oczekiwano liczby, True lub False)");
    return wynik;
}

std::string CytatWartosci(std::string_view tekst)
{
    return CytatDoKomunikatu(tekst);
}
