#include "host/PodsumowanieDanych.h"

#include "common/FormatyTekstowe.h"
#include "statistics/Analiza.h"

std::vector<TWierszPodsumowania> TPodsumowanieDanych::Wiersze(TAnaliza& analiza)
{
    const auto ilosc = [](int32_t n) { return std::to_string(n); };
    // With no expenses the range would be two readings of the clock, not dates of records.
    const std::string zakres = analiza.WydatkiIlosc() > 0 ? analiza.WydatkiPrzedzialDatStr() : "brak wydatków";
    return {
        {"Wydatki:", ilosc(analiza.WydatkiIlosc())},
        {"Przychody:", ilosc(analiza.PrzychodyIlosc())},
        {"Oszczędności:", ilosc(analiza.OszczednosciIlosc())},
        {"Kategorie:", ilosc(analiza.LacznaIloscKategorii())},
        {"Osoby:", ilosc(analiza.OsobyIlosc())},
        {"Planowane płatności:", ilosc(analiza.PlanyIlosc())},
        {"Wydatki w tym miesiącu:", KwotaNaTekstWaluty(analiza.WydatkiWTymMiesiacu())},
        {"Przychody w tym miesiącu:", KwotaNaTekstWaluty(analiza.PrzychodyWTymMiesiacu())},
        {"Przychody w minionym miesiącu:", KwotaNaTekstWaluty(analiza.PrzychodyWMinionymMiesiacu())},
        {"Wydatki zapisane w okresie:", zakres},
        {"Oszczędności łącznie:", KwotaNaTekstWaluty(analiza.OszczednosciKwotaLaczna())},
    };
}
