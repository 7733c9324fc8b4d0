#pragma once
// The statistics over the data collections, read by the host through the project database.
// The object keeps no data: every answer reads the collections anew, unsaved changes and
// records of every modification state (Usunieto included) counted.
//
// Operations that are not const reorder a container list in place before reading it (the
// order named with each) and leave it so; the const ones reorder nothing.
//
// Over no collections (nullptr) every count and total is 0, lists and tables are empty,
// dates are the current moment, and the sums per key and averages are std::nullopt.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/DataCzas.h"
#include "common/IntegerList.h"
#include "statistics/WydatekNaMiesiacDlaIDKategorii.h"
#include "statistics/WydatekNaRokDlaIDKategorii.h"
#include "statistics/WynikiAnalizy.h"

class TKolekcjeDanych;

using TTabelaMiesiecyKategorii = std::vector<std::unique_ptr<TWydatekNaMiesiacDlaIDKategorii>>;
using TTabelaLatKategorii = std::vector<std::unique_ptr<TWydatekNaRokDlaIDKategorii>>;

class TAnaliza {
public:
    // k is not owned and must outlive the object; nullptr is allowed.
    explicit TAnaliza(TKolekcjeDanych* k);

    TKolekcjeDanych* Kolekcje() const { return fKolekcje; }

    // ---- Counts: plain list sizes ----
    int32_t WydatkiIlosc() const;
    int32_t PrzychodyIlosc() const;
    int32_t OszczednosciIlosc() const;
    int32_t LacznaIlosc() const;
    int32_t KategorieWydatkiIlosc() const;
    int32_t KategoriePrzychodyIlosc() const;
    int32_t KategorieOszczednosciIlosc() const;
    int32_t LacznaIloscKategorii() const;
    int32_t OsobyIlosc() const;
    int32_t PlanyIlosc() const;  // a plan of no kind counts here only
    int32_t PlanyWydatkiIlosc() const;
    int32_t PlanyPrzychodyIlosc() const;
    int32_t ZleceniaStaleWydatkiIlosc() const;
    int32_t ZleceniaStalePrzychodyIlosc() const;
    int32_t ZleceniaStaleIlosc() const;

    // ---- Totals of Ile in list order ----
    double WydatkiKwotaLaczna() const;
    double PrzychodyKwotaLaczna() const;
    // The computed deposits entry included when the list holds it.
    double OszczednosciKwotaLaczna() const;
    // Savings + expenses + incomes: a plain sum, expenses not subtracted.
    double LacznaKwota() const;

    // ---- Sums of the current and the previous calendar month ----
    double WydatkiWTymMiesiacu() const;
    double PrzychodyWTymMiesiacu() const;
    double PrzychodyWMinionymMiesiacu() const;

    // ---- First and last dates, recorded spans ----
    // Each sorts its list earliest first (PosortujWydatkiPoDacieMalejaco,
    // PosortujPrzychodyPoDacieMalejaco). With no records the current moment; a last date in
    // the future is the current moment.
    TDateTime PierwszyWydatekData();
    TDateTime OstatniWydatekData();
    TDateTime PierwszyPrzychodData();
    TDateTime OstatniPrzychodData();
    // Days between the first and the last date (a month is 30.4375 days, a year 365.25).
    double IloscDniZapisanychWydatkow();
    double IloscTygodniZapisanychWydatkow();
    double IloscMiesiecyZapisanychWydatkow();
    double IloscLatZapisanychWydatkow();
    double IloscDniZapisanychPrzychodow();
    double IloscTygodniZapisanychPrzychodow();
    double IloscMiesiecyZapisanychPrzychodow();
    double IloscLatZapisanychPrzychodow();
    // "2013-01-05 14:30 do 2013-06-01 09:15".
    std::string WydatkiPrzedzialDatStr();

    // True when more than half of the current calendar year has passed since the first
    // run and there are more than 500 expenses or more than 500 incomes.
    bool SprawdzCzyMoznaPokazacKomunikatZachecajacyDoOceny(TDateTime dataPierwszegoUruchomienia) const;

    // ---- Used category ids: first-occurrence order, each once, -1 collected too ----
    // Month texts are compared exactly, letter case included.
    TIntegerList UzyteIDWydatkow() const;
    TIntegerList UzyteIDPrzychodow() const;
    // The savings categories named by the expenses, then by the incomes.
    TIntegerList UzyteIDOszczednosci() const;
    TIntegerList PobierzUzyteIDWydatkowWRoku(uint16_t rok) const;
    TIntegerList PobierzUzyteIDPrzychodowWRoku(uint16_t rok) const;
    TIntegerList PobierzUzyteIDOszczednosciWRoku(uint16_t rok) const;
    TIntegerList PobierzUzyteIDWydatkowWMiesiacu(const std::string& miesiac) const;
    TIntegerList PobierzUzyteIDPrzychodowWMiesiacu(const std::string& miesiac) const;
    TIntegerList PobierzUzyteIDOszczednosciWMiesiacu(const std::string& miesiac) const;
    // Limits of that year with a yearly maximum.
    TIntegerList PobierzUzyteIDKategoriWydatkowZOgraniczeniamiWRoku(uint16_t rok) const;
    // Limits with a monthly maximum whose year, as digits, occurs anywhere in miesiac.
    TIntegerList PobierzUzyteIDKategoriWydatkowZOgraniczeniamiWMiesiacu(const std::string& miesiac) const;

    // ---- Weekday distributions: key 1 = Sunday .. 7 = Saturday ----
    // Only weekdays with records appear, in ranking order (see below), equal values by
    // weekday number.
    TListaPar KwotaWydatkowNaDzienTygodnia() const;
    TListaPar IloscWydatkowNaDzienTygodnia() const;
    TListaPar KwotaPrzychodowNaDzienTygodnia() const;
    TListaPar IloscPrzychodowNaDzienTygodnia() const;
    TListaPar PobierzKwoteWydatkowNaDzienTygodniaWRoku(uint16_t rok) const;
    TListaPar PobierzIloscWydatkowNaDzienTygodniaWRoku(uint16_t rok) const;
    TListaPar PobierzKwoteWydatkowNaDzienTygodniaWMiesiacu(const std::string& miesiac) const;
    TListaPar PobierzIloscWydatkowNaDzienTygodniaWMiesiacu(const std::string& miesiac) const;

    // ---- Most-used categories: key = category id, value = number of uses ----
    // Ranking order: the larger value first, where values whose difference rounds (half to
    // even) to 0 count as equal; equal counts by category description ignoring letter case
    // from Z to A (an unknown id has the empty one and comes last), then by id ascending.
    TListaPar NajczesciejUzywaneKategorieWydatkow() const;
    TListaPar NajczesciejUzywaneKategoriePrzychodow() const;
    // Incomes and expenses by their savings category; empty while there are no incomes.
    TListaPar NajczesciejUzywaneKategorieOszczednosci() const;

    // ---- Sums per key; only keys that occur appear ----
    // Sorted first with PosortujWydatkiPoDacieRosnaco (latest first).
    std::optional<TMapaMiesiecy> WydatkiWMiesiacu();
    std::optional<TMapaMiesiecy> PobierzWydatkiNaMiesiacWRoku(uint16_t rok);
    // Sorted first with PosortujPrzychodyPoDacieMalejaco (earliest first).
    std::optional<TMapaMiesiecy> PrzychodyWMiesiacu();
    // Sorted first with PosortujWydatkiPoKategoriiWydatkowMalejaco.
    std::optional<TMapaId> WydatkiPoKategoriiWydatkow();
    std::optional<TMapaId> PobierzWydatkiPoKategoriiWydatkowWRoku(uint16_t rok);
    std::optional<TMapaId> PobierzWydatkiPoKategoriiWydatkowWMiesiacu(const std::string& miesiac);
    // By IdOsoba (-1: no person). Sorted first with PosortujWydatkiPoDacieMalejaco.
    std::optional<TMapaId> WydatkiNaOsobe();
    std::optional<TMapaId> PobierzWydatkiNaOsobeWRoku(uint16_t rok);
    std::optional<TMapaId> PobierzWydatkiNaOsobeWMiesiacu(const std::string& miesiac);
    // Sorted first with PosortujWydatkiPoDacieMalejaco.
    std::optional<TMapaId> WydatkiPoKategoriiOszczednosci();
    std::optional<TMapaId> PobierzWydatkiPoKategoriiOszczednosciWRoku(uint16_t rok);
    std::optional<TMapaId> PobierzWydatkiPoKategoriiOszczednosciWMiesiacu(const std::string& miesiac);
    // Sorted first with PosortujPrzychodyPoKategoriiPrzychodowMalejaco.
    std::optional<TMapaId> PrzychodyPoKategoriiPrzychodow();

    // ---- One category over time: every month (year) of the list, 0 where it has none ----
    // Months as PobierzNazwyMiesiecyZKolekcji lists them (sorting the list earliest first),
    // matched ignoring letter case; years as PobierzLataZKolekcji.
    TMapaMiesiecy PobierzWydatkiWMiesiacuDlaOkreslonejKategorii(int32_t idKategorii);
    TMapaMiesiecy PobierzPrzychodyWMiesiacuDlaOkreslonejKategorii(int32_t idKategorii);
    TMapaLat PobierzWydatkiWRokuDlaOkreslonejKategorii(int32_t idKategorii);

    // ---- Tables for every used expense category ----
    // For each id of UzyteIDWydatkow (taken before the sort), one row per month of the
    // expenses, zero sums included; a category's rows run from the earliest month.
    TTabelaMiesiecyKategorii WydatkiDlaKategoriiWMiesiacu();
    // The rows of WydatkiDlaKategoriiWMiesiacu whose month lies in the year rok; every used
    // category keeps its rows, zero ones included. rok 0 means every year.
    TTabelaMiesiecyKategorii PobierzWydatkiDlaKategoriiWMiesiacuNaRok(uint16_t rok);
    // For each id of UzyteIDWydatkow, one row per year of the expenses.
    TTabelaLatKategorii WydatkiDlaKategoriiWRoku();

    // ---- Average per day of every month with records ----
    // Keys: the end of each counted month in days from the start of the first one, with
    // 0 -> 0 first; months without records are left out, so the keys have no gaps. Over
    // the months of PobierzWspolnaListeMiesiecyPrzychodowIWydatkow, which leaves both lists
    // latest first. nullopt while the list has no records.
    std::optional<TMapaDni> SrednieWydatkiNaDzien();
    std::optional<TMapaDni> SredniePrzychodyNaDzien();

private:
    std::optional<TMapaDni> SrednieNaDzien(const std::optional<TMapaMiesiecy>& sumy);
    TTabelaMiesiecyKategorii TabelaMiesiecy(uint16_t rok);

    TKolekcjeDanych* fKolekcje;
};
