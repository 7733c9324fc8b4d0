// Expenses and incomes summed per month, per category, per person and per savings category.
#include <string>
#include <unordered_map>

#include "collections/KolekcjeDanych.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "statistics/Analiza.h"
#include "statistics/MiesiaceRekordow.h"

namespace {

using analiza::TBezFiltra;
using analiza::TFiltrMiesiaca;
using analiza::TFiltrRoku;

// Summed per calendar month first, each month's records in list order, and keyed by the
// month key once per month.
template <typename T, typename FFiltr>
TMapaMiesiecy SumyMiesiecy(const TListaRekordow<T>& lista, FFiltr filtr)
{
    std::unordered_map<int32_t, double> sumy;
    analiza::TMiesiaceDat miesiace;
    for (const auto& rekord : lista) {
        const auto miesiac = miesiace(rekord->Data());
        if (miesiac && filtr(rekord->Data()))
            sumy[miesiac->Numer()] += rekord->Ile();
    }
    TMapaMiesiecy wynik;
    for (const auto& [numer, suma] : sumy)
        wynik[analiza::KluczMiesiaca(numer)] += suma;
    return wynik;
}

template <typename T, typename FKlucz, typename FFiltr>
TMapaId SumyPoId(const TListaRekordow<T>& lista, FKlucz klucz, FFiltr filtr)
{
    TMapaId wynik;
    for (const auto& rekord : lista)
        if (filtr(rekord->Data()))
            wynik[klucz(*rekord)] += rekord->Ile();
    return wynik;
}

const auto IdKategoriiWydatku = [](const TWydatek& w) { return w.IdKategoriaWydatki(); };
const auto IdOsoby = [](const TWydatek& w) { return w.IdOsoba(); };
const auto IdKategoriiOszczednosci = [](const TWydatek& w) { return w.IdKategoriaOszczednosci(); };

}  // namespace

// ---- Per month ----

std::optional<TMapaMiesiecy> TAnaliza::WydatkiWMiesiacu()
{
    if (!fKolekcje)
        return std::nullopt;
    fKolekcje->PosortujWydatkiPoDacieRosnaco();
    return SumyMiesiecy(fKolekcje->Wydatki(), TBezFiltra());
}

std::optional<TMapaMiesiecy> TAnaliza::PobierzWydatkiNaMiesiacWRoku(uint16_t rok)
{
    if (!fKolekcje)
        return std::nullopt;
    fKolekcje->PosortujWydatkiPoDacieRosnaco();
    return SumyMiesiecy(fKolekcje->Wydatki(), TFiltrRoku(rok));
}

std::optional<TMapaMiesiecy> TAnaliza::PrzychodyWMiesiacu()
{
    if (!fKolekcje)
        return std::nullopt;
    fKolekcje->PosortujPrzychodyPoDacieMalejaco();
    return SumyMiesiecy(fKolekcje->Przychody(), TBezFiltra());
}

// ---- Per expense category ----

std::optional<TMapaId> TAnaliza::WydatkiPoKategoriiWydatkow()
{
    if (!fKolekcje)
        return std::nullopt;
    fKolekcje->PosortujWydatkiPoKategoriiWydatkowMalejaco();
    return SumyPoId(fKolekcje->Wydatki(), IdKategoriiWydatku, TBezFiltra());
}

std::optional<TMapaId> TAnaliza::PobierzWydatkiPoKategoriiWydatkowWRoku(uint16_t rok)
{
    if (!fKolekcje)
        return std::nullopt;
    fKolekcje->PosortujWydatkiPoKategoriiWydatkowMalejaco();
    return SumyPoId(fKolekcje->Wydatki(), IdKategoriiWydatku, TFiltrRoku(rok));
}

std::optional<TMapaId> TAnaliza::PobierzWydatkiPoKategoriiWydatkowWMiesiacu(const std::string& miesiac)
{
    if (!fKolekcje)
        return std::nullopt;
    fKolekcje->PosortujWydatkiPoKategoriiWydatkowMalejaco();
    return SumyPoId(fKolekcje->Wydatki(), IdKategoriiWydatku, TFiltrMiesiaca(miesiac));
}

// ---- Per person ----

std::optional<TMapaId> TAnaliza::WydatkiNaOsobe()
{
    if (!fKolekcje)
        return std::nullopt;
    fKolekcje->PosortujWydatkiPoDacieMalejaco();
    return SumyPoId(fKolekcje->Wydatki(), IdOsoby, TBezFiltra());
}

std::optional<TMapaId> TAnaliza::PobierzWydatkiNaOsobeWRoku(uint16_t rok)
{
    if (!fKolekcje)
        return std::nullopt;
    fKolekcje->PosortujWydatkiPoDacieMalejaco();
    return SumyPoId(fKolekcje->Wydatki(), IdOsoby, TFiltrRoku(rok));
}

std::optional<TMapaId> TAnaliza::PobierzWydatkiNaOsobeWMiesiacu(const std::string& miesiac)
{
    if (!fKolekcje)
        return std::nullopt;
    fKolekcje->PosortujWydatkiPoDacieMalejaco();
    return SumyPoId(fKolekcje->Wydatki(), IdOsoby, TFiltrMiesiaca(miesiac));
}

// ---- Per savings category the expenses are paid from ----

std::optional<TMapaId> TAnaliza::WydatkiPoKategoriiOszczednosci()
{
    if (!fKolekcje)
        return std::nullopt;
    fKolekcje->PosortujWydatkiPoDacieMalejaco();
    return SumyPoId(fKolekcje->Wydatki(), IdKategoriiOszczednosci, TBezFiltra());
}

std::optional<TMapaId> TAnaliza::PobierzWydatkiPoKategoriiOszczednosciWRoku(uint16_t rok)
{
    if (!fKolekcje)
        return std::nullopt;
    fKolekcje->PosortujWydatkiPoDacieMalejaco();
    return SumyPoId(fKolekcje->Wydatki(), IdKategoriiOszczednosci, TFiltrRoku(rok));
}

std::optional<TMapaId> TAnaliza::PobierzWydatkiPoKategoriiOszczednosciWMiesiacu(const std::string& miesiac)
{
    if (!fKolekcje)
        return std::nullopt;
    fKolekcje->PosortujWydatkiPoDacieMalejaco();
    return SumyPoId(fKolekcje->Wydatki(), IdKategoriiOszczednosci, TFiltrMiesiaca(miesiac));
}

// ---- Incomes per income category ----

std::optional<TMapaId> TAnaliza::PrzychodyPoKategoriiPrzychodow()
{
    if (!fKolekcje)
        return std::nullopt;
    fKolekcje->PosortujPrzychodyPoKategoriiPrzychodowMalejaco();
    return SumyPoId(fKolekcje->Przychody(), [](const TPrzychod& p) { return p.IdKategoriaPrzychody(); },
                    TBezFiltra());
}
