#pragma once
// Enumerations shared by the records, the collections, the database and the planner.
// Their ordinal values are part of the data format and never change.
#include <cstdint>
#include <string>

enum class TTabele : uint8_t {
    Wydatki = 0,
    Przychody = 1,
    Oszczednosci = 2,
    Osoby = 3,
    Kategorie_Wydatki = 4,
    Kategorie_Przychody = 5,
    Kategorie_Oszczednosci = 6,
    Pusta = 7,
    HistoriaPrzelewow = 8,
    ZleceniaStaleWydatki = 9,
    ZleceniaStalePrzychody = 10,
    HistoriaZlecenStalychWydatki = 11,
    HistoriaZlecenStalychPrzychody = 12,
    StanyOszczednosci = 13,
    PrzychodyIRozchody = 14,
    Plany = 15,
    Ograniczenia = 16,
    Lokaty = 17,
    HarmonogramyLokatBankowych = 18,
};
inline constexpr int IloscTabel = 19;

enum class TTypModyfikacji : uint8_t {
    BezZmian = 0,
    Zmieniono = 1,
    Dodano = 2,
    Usunieto = 3,
};

enum class TTypPlanu : int8_t {
    Nieokreslony = -1,
    Wydatek = 0,
    Przychod = 1,
};

enum class TStanRealizacji : uint8_t {
    Wykonane = 0,
    Niewykonane = 1,
    Oczekujace = 2,
    PoTerminie = 3,
    Wszystkie = 4,
};

// "Wydatki", "Przychody", or empty for any other value.
std::string TypPlanuNaTekst(TTypPlanu typ);
