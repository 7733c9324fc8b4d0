#pragma once
// The statements that create the project database's tables, index definitions and views,
// with the table names of the registry filled in. They are all idempotent.
#include <string>
#include <vector>

class TPlikiDB;

struct TPoleceniaSchematu {
    explicit TPoleceniaSchematu(const TPlikiDB& pliki);

    std::string KategorieWydatkow;
    std::string IndeksKategorieWydatkow;
    std::string KategoriePrzychodow;
    std::string IndeksKategoriePrzychodow;
    std::string KategorieOszczednosci;
    std::string IndeksKategorieOszczednosci;
    std::string Osoby;
    std::string IndeksOsoby;
    std::string Wydatki;
    std::string Przychody;
    std::string Oszczednosci;
    std::string HistoriaPrzelewow;
    std::string ZleceniaStale;
    std::string HistoriaZlecenStalych;
    std::string Czestotliwosci;
    std::string StanOszczednosci;
    std::string Plany;
    std::string Ograniczenia;
    std::string Lokaty;
    std::string HarmonogramyLokat;
    // In creation order: vWydatki, vPrzychody, vOszczednosci, vHistoriaPrzelewowOszczednosci,
    // vZleceniaStale, vHistoriaZlecenStalych, vHistoriaPrzychodowRozchodow.
    std::vector<std::string> Widoki;
};
