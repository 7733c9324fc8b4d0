#include "statistics/Kalkulatory.h"

#include <string>

#include "common/FunkcjeWspolne.h"
#include "common/Platforma.h"
#include "common/Wyjatki.h"

namespace {

constexpr double PodatekOdOdsetek = 0.19;
constexpr int OstatniRokKalendarza = 9999;

}  // namespace

double PoliczKwoteRegularnegoOszczedzania(double kwota, double procent, int32_t liczbaMiesiecy)
{
    if (kwota <= 0 || liczbaMiesiecy <= 0)
        return 0;
    // A running total adds the interests in the same order as summing their list anew each
    // month would, so the result is the same to the last bit, in linear time.
    double sumaOdsetek = 0;
    double stan = 0;
    for (int32_t miesiac = 1; miesiac <= liczbaMiesiecy; ++miesiac) {
        const double wplaty = kwota * miesiac;
        const double podstawa = sumaOdsetek + wplaty;
        const double odsetkiBrutto = podstawa * procent / 100 / 12;
        sumaOdsetek += odsetkiBrutto - odsetkiBrutto * PodatekOdOdsetek;
        stan = sumaOdsetek + wplaty;
    }
    return stan;
}

TListaParDoubli PoliczInflacje(double kwota, double procent, int32_t liczbaLat)
{
    const int rok = RokDaty(Teraz());
    TListaParDoubli wynik;
    if (kwota == 0)
        wynik.push_back({static_cast<double>(rok), 0});
    if (liczbaLat == 0)
        wynik.push_back({0, 0});
    if (procent == 0)
        wynik.push_back({static_cast<double>(rok), kwota});
    if (kwota == 0 || liczbaLat <= 0 || procent <= 0)
        return wynik;
    if (liczbaLat > OstatniRokKalendarza - rok)
        throw EGrosiwoException("Liczba lat nie może przekraczać " +
                                std::to_string(OstatniRokKalendarza - rok) + " !!!");

    wynik.reserve(static_cast<size_t>(liczbaLat) + 1);
    wynik.push_back({static_cast<double>(rok), kwota});
    double cena = kwota;
    for (int32_t lata = 1; lata <= liczbaLat; ++lata) {
        cena = cena + cena * procent / 100;
        wynik.push_back({static_cast<double>(rok + lata), ZaokraglijDo(-2, kwota / cena * kwota)});
    }
    return wynik;
}
