// The average spending (earning) per day of every month that has records.
#include "collections/KolekcjeDanych.h"
#include "statistics/Analiza.h"
#include "statistics/FunkcjeAnalizy.h"

std::optional<TMapaDni> TAnaliza::SrednieWydatkiNaDzien()
{
    if (!fKolekcje || fKolekcje->Wydatki().empty())
        return std::nullopt;
    return SrednieNaDzien(WydatkiWMiesiacu());
}

std::optional<TMapaDni> TAnaliza::SredniePrzychodyNaDzien()
{
    if (!fKolekcje || fKolekcje->Przychody().empty())
        return std::nullopt;
    return SrednieNaDzien(PrzychodyWMiesiacu());
}

std::optional<TMapaDni> TAnaliza::SrednieNaDzien(const std::optional<TMapaMiesiecy>& sumy)
{
    TMapaDni wynik;
    const TStringList miesiace = fKolekcje->PobierzWspolnaListeMiesiecyPrzychodowIWydatkow();
    if (!sumy || miesiace.empty())
        return wynik;
    uint32_t dni = 0;
    for (const std::string& miesiac : miesiace) {
        const auto suma = sumy->find(miesiac);
        if (suma == sumy->end())
            continue;
        const TDateTime poczatek = DataZMiesiacaIRoku(miesiac);
        const int dniMiesiaca = DniWMiesiacu(RokDaty(poczatek), MiesiacDaty(poczatek));
        if (dni == 0)
            wynik.emplace(0, 0);
        dni += static_cast<uint32_t>(dniMiesiaca);
        wynik[dni] = suma->second / dniMiesiaca;
    }
    return wynik;
}
