#include "statistics/FunkcjeAnalizy.h"

#include <array>
#include <charconv>
#include <numeric>
#include <string>

#include "common/PolskiTekst.h"
#include "common/Wyjatki.h"

namespace {

// Kept apart from the locale data on purpose: stored month keys must keep reading back
// the same whatever names the screen uses.
constexpr std::array<std::string_view, 12> NazwyMiesiecyKluczy{
    "styczeń", "luty",     "marzec",   "kwiecień", "maj",         "czerwiec",
    "lipiec",  "sierpień", "wrzesień", "październik", "listopad", "grudzień"};

int RokKlucza(std::string_view tekst)
{
    int rok = 0;
    const char* koniec = tekst.data() + tekst.size();
    const auto [miejsce, blad] = std::from_chars(tekst.data(), koniec, rok);
    if (tekst.empty() || blad != std::errc() || miejsce != koniec)
        throw EGrosiwoException("'" + std::string(tekst) + "' nie jest poprawną liczbą całkowitą");
    return rok;
}

// 1..12, or 0 for a name not in the list.
int MiesiacKlucza(std::string_view nazwa)
{
    for (size_t i = 0; i < NazwyMiesiecyKluczy.size(); ++i)
        if (TekstyRowneBezWielkosciLiter(nazwa, NazwyMiesiecyKluczy[i]))
            return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace

double SumaListy(std::span<const double> lista)
{
    return std::accumulate(lista.begin(), lista.end(), 0.0);
}

TDateTime DataZMiesiacaIRoku(std::string_view miesiacIRok)
{
    const size_t spacja = miesiacIRok.find(' ');
    const std::string_view nazwa =
        spacja == std::string_view::npos ? std::string_view() : miesiacIRok.substr(0, spacja);
    const std::string_view rokTekst =
        spacja == std::string_view::npos ? miesiacIRok : miesiacIRok.substr(spacja + 1);
    const int rok = RokKlucza(rokTekst);
    const int miesiac = MiesiacKlucza(nazwa);

    // The date text reader wants four year digits; a year is never wrapped to 16 bits, so
    // 70000 stays an error instead of becoming some other year.
    std::string tekst = std::to_string(rok);
    if (rok >= 0 && tekst.size() < 4)
        tekst.insert(0, 4 - tekst.size(), '0');
    tekst += '-' + std::to_string(miesiac) + "-1";
    return TekstNaDataCzas(tekst);
}

std::vector<double> KonwertujListeNazwMiesiecyNaListeDoubli(const TStringList& listaNazw)
{
    std::vector<double> wynik;
    wynik.reserve(listaNazw.size());
    for (const std::string& nazwa : listaNazw)
        wynik.push_back(DataZMiesiacaIRoku(nazwa));
    return wynik;
}
