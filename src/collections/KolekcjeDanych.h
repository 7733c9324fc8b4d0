#pragma once
// The in-memory image of the project database: one owning list of records per table, a
// changed-and-not-saved flag per list, the column titles of every table, and the queries
// over them. Queries are implemented per topic in KolekcjeDanych*.cpp files.
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "collections/Tabela.h"
#include "common/DataCzas.h"
#include "common/FunkcjeWspolne.h"
#include "common/IntegerList.h"
#include "records/WlasneTypyDanych.h"

class THarmonogramLokatyBankowej;
class THistoriaPrzelewu;
class TKategoriaOszczednosci;
class TKategoriaPrzychody;
class TKategoriaWydatki;
class TLokata;
class TOgraniczenie;
class TOsoba;
class TOszczednosc;
class TPlan;
class TPrzychod;
class TStanOszczednosci;
class TWydatek;
class TZlecenieStale;

template <typename T>
using TListaRekordow = std::vector<std::unique_ptr<T>>;

class TKolekcjeDanych {
public:
    TKolekcjeDanych();
    ~TKolekcjeDanych();
    TKolekcjeDanych(const TKolekcjeDanych&) = delete;
    TKolekcjeDanych& operator=(const TKolekcjeDanych&) = delete;

    // Empties every list and the profit map, lowers the flags, empties all column titles.
    void Clear();
    // Empties every list and the profit map and lowers the flags (the two standing-order
    // flags keep their values).
    void WyczyscKolekcjeDanych();

    // ---- Lists (the container owns the records) ----
    TListaRekordow<TWydatek>& Wydatki() { return fWydatki; }
    const TListaRekordow<TWydatek>& Wydatki() const { return fWydatki; }
    TListaRekordow<TPrzychod>& Przychody() { return fPrzychody; }
    const TListaRekordow<TPrzychod>& Przychody() const { return fPrzychody; }
    TListaRekordow<TOszczednosc>& Oszczednosci() { return fOszczednosci; }
    const TListaRekordow<TOszczednosc>& Oszczednosci() const { return fOszczednosci; }
    TListaRekordow<TKategoriaWydatki>& KategorieWydatki() { return fKategorieWydatki; }
    const TListaRekordow<TKategoriaWydatki>& KategorieWydatki() const { return fKategorieWydatki; }
    TListaRekordow<TKategoriaPrzychody>& KategoriePrzychody() { return fKategoriePrzychody; }
    const TListaRekordow<TKategoriaPrzychody>& KategoriePrzychody() const { return fKategoriePrzychody; }
    TListaRekordow<TKategoriaOszczednosci>& KategorieOszczednosci() { return fKategorieOszczednosci; }
    const TListaRekordow<TKategoriaOszczednosci>& KategorieOszczednosci() const { return fKategorieOszczednosci; }
    TListaRekordow<TOsoba>& Osoby() { return fOsoby; }
    const TListaRekordow<TOsoba>& Osoby() const { return fOsoby; }
    TListaRekordow<THistoriaPrzelewu>& HistoriaPrzelewow() { return fHistoriaPrzelewowOszczednosci; }
    const TListaRekordow<THistoriaPrzelewu>& HistoriaPrzelewow() const { return fHistoriaPrzelewowOszczednosci; }
    TListaRekordow<TStanOszczednosci>& StanyOszczednosci() { return fStanyOszczednosci; }
    const TListaRekordow<TStanOszczednosci>& StanyOszczednosci() const { return fStanyOszczednosci; }
    TListaRekordow<TZlecenieStale>& ZleceniaStaleWydatki() { return fZleceniaStaleWydatki; }
    const TListaRekordow<TZlecenieStale>& ZleceniaStaleWydatki() const { return fZleceniaStaleWydatki; }
    TListaRekordow<TZlecenieStale>& ZleceniaStalePrzychody() { return fZleceniaStalePrzychody; }
    const TListaRekordow<TZlecenieStale>& ZleceniaStalePrzychody() const { return fZleceniaStalePrzychody; }
    TListaRekordow<TZlecenieStale>& HistoriaZlecenStalych() { return fHistoriaZlecenStalych; }
    const TListaRekordow<TZlecenieStale>& HistoriaZlecenStalych() const { return fHistoriaZlecenStalych; }
    TListaRekordow<TPlan>& Plany() { return fPlany; }
    const TListaRekordow<TPlan>& Plany() const { return fPlany; }
    TListaRekordow<TOgraniczenie>& Ograniczenia() { return fOgraniczenia; }
    const TListaRekordow<TOgraniczenie>& Ograniczenia() const { return fOgraniczenia; }
    TListaRekordow<TLokata>& Lokaty() { return fLokaty; }
    const TListaRekordow<TLokata>& Lokaty() const { return fLokaty; }
    TListaRekordow<THarmonogramLokatyBankowej>& HarmonogramyLokatBankowych() { return fHarmonogramyLokatBankowych; }
    const TListaRekordow<THarmonogramLokatyBankowej>& HarmonogramyLokatBankowych() const { return fHarmonogramyLokatBankowych; }

    // Savings category id -> deposit profit waiting to be added as income.
    std::unordered_map<int32_t, double>& ZyskiZLokatDoDodaniaJakoPrzychod() { return fZyskiZLokatDoDodaniaJakoPrzychod; }
    const std::unordered_map<int32_t, double>& ZyskiZLokatDoDodaniaJakoPrzychod() const { return fZyskiZLokatDoDodaniaJakoPrzychod; }

    // ---- Change flags ----
    bool ZmienionoINiezapisanoWydatki() const { return fZmienionoINiezapisanoWydatki; }
    void SetZmienionoINiezapisanoWydatki(bool v) { fZmienionoINiezapisanoWydatki = v; }
    bool ZmienionoINiezapisanoPrzychody() const { return fZmienionoINiezapisanoPrzychody; }
    void SetZmienionoINiezapisanoPrzychody(bool v) { fZmienionoINiezapisanoPrzychody = v; }
    bool ZmienionoINiezapisanoOszczednosci() const { return fZmienionoINiezapisanoOszczednosci; }
    void SetZmienionoINiezapisanoOszczednosci(bool v) { fZmienionoINiezapisanoOszczednosci = v; }
    bool ZmienionoINiezapisanoKategorieWydatki() const { return fZmienionoINiezapisanoKategorieWydatki; }
    void SetZmienionoINiezapisanoKategorieWydatki(bool v) { fZmienionoINiezapisanoKategorieWydatki = v; }
    bool ZmienionoINiezapisanoKategoriePrzychody() const { return fZmienionoINiezapisanoKategoriePrzychody; }
    void SetZmienionoINiezapisanoKategoriePrzychody(bool v) { fZmienionoINiezapisanoKategoriePrzychody = v; }
    bool ZmienionoINiezapisanoKategorieOszczednosci() const { return fZmienionoINiezapisanoKategorieOszczednosci; }
    void SetZmienionoINiezapisanoKategorieOszczednosci(bool v) { fZmienionoINiezapisanoKategorieOszczednosci = v; }
    bool ZmienionoINiezapisanoOsoby() const { return fZmienionoINiezapisanoOsoby; }
    void SetZmienionoINiezapisanoOsoby(bool v) { fZmienionoINiezapisanoOsoby = v; }
    bool ZmienionoINiezapisanoHistoriePrzelewow() const { return fZmienionoINiezapisanoHistoriePrzelewow; }
    void SetZmienionoINiezapisanoHistoriePrzelewow(bool v) { fZmienionoINiezapisanoHistoriePrzelewow = v; }
    bool ZmienionoINiezapisanoStanyOszczednosci() const { return fZmienionoINiezapisanoStanyOszczednosci; }
    void SetZmienionoINiezapisanoStanyOszczednosci(bool v) { fZmienionoINiezapisanoStanyOszczednosci = v; }
    bool ZmienionoINiezapisanoHistorieZlecenStalych() const { return fZmienionoINiezapisanoHistorieZlecenStalych; }
    void SetZmienionoINiezapisanoHistorieZlecenStalych(bool v) { fZmienionoINiezapisanoHistorieZlecenStalych = v; }
    bool ZmienionoINiezapisanoZleceniaStaleWydatki() const { return fZmienionoINiezapisanoZleceniaStaleWydatki; }
    void SetZmienionoINiezapisanoZleceniaStaleWydatki(bool v) { fZmienionoINiezapisanoZleceniaStaleWydatki = v; }
    bool ZmienionoINiezapisanoZleceniaStalePrzychody() const { return fZmienionoINiezapisanoZleceniaStalePrzychody; }
    void SetZmienionoINiezapisanoZleceniaStalePrzychody(bool v) { fZmienionoINiezapisanoZleceniaStalePrzychody = v; }
    bool ZmienionoINiezapisanoPlany() const { return fZmienionoINiezapisanoPlany; }
    void SetZmienionoINiezapisanoPlany(bool v) { fZmienionoINiezapisanoPlany = v; }
    bool ZmienionoINiezapisanoOgraniczenia() const { return fZmienionoINiezapisanoOgraniczenia; }
    void SetZmienionoINiezapisanoOgraniczenia(bool v) { fZmienionoINiezapisanoOgraniczenia = v; }
    bool ZmienionoINiezapisanoLokaty() const { return fZmienionoINiezapisanoLokaty; }
    void SetZmienionoINiezapisanoLokaty(bool v) { fZmienionoINiezapisanoLokaty = v; }

    // ---- Column titles ----
    TTabela& TabelaWydatki() { return fTabelaWydatki; }
    const TTabela& TabelaWydatki() const { return fTabelaWydatki; }
    TTabela& TabelaPrzychody() { return fTabelaPrzychody; }
    const TTabela& TabelaPrzychody() const { return fTabelaPrzychody; }
    TTabela& TabelaOszczednosci() { return fTabelaOszczednosci; }
    const TTabela& TabelaOszczednosci() const { return fTabelaOszczednosci; }
    TTabela& TabelaKategorieWydatki() { return fTabelaKategorieWydatki; }
    const TTabela& TabelaKategorieWydatki() const { return fTabelaKategorieWydatki; }
    TTabela& TabelaKategoriePrzychody() { return fTabelaKategoriePrzychody; }
    const TTabela& TabelaKategoriePrzychody() const { return fTabelaKategoriePrzychody; }
    TTabela& TabelaKategorieOszczednosci() { return fTabelaKategorieOszczednosci; }
    const TTabela& TabelaKategorieOszczednosci() const { return fTabelaKategorieOszczednosci; }
    TTabela& TabelaOsoby() { return fTabelaOsoby; }
    const TTabela& TabelaOsoby() const { return fTabelaOsoby; }
    TTabela& TabelaHistoriaPrzelewowOszczednosci() { return fTabelaHistoriaPrzelewowOszczednosci; }
    const TTabela& TabelaHistoriaPrzelewowOszczednosci() const { return fTabelaHistoriaPrzelewowOszczednosci; }
    TTabela& TabelaStanyOszczednosci() { return fTabelaStanyOszczednosci; }
    const TTabela& TabelaStanyOszczednosci() const { return fTabelaStanyOszczednosci; }
    TTabela& TabelaZleceniaStaleWydatki() { return fTabelaZleceniaStaleWydatki; }
    const TTabela& TabelaZleceniaStaleWydatki() const { return fTabelaZleceniaStaleWydatki; }
    TTabela& TabelaZleceniaStalePrzychody() { return fTabelaZleceniaStalePrzychody; }
    const TTabela& TabelaZleceniaStalePrzychody() const { return fTabelaZleceniaStalePrzychody; }
    TTabela& TabelaHistoriaZlecenStalychWydatki() { return fTabelaHistoriaZlecenStalychWydatki; }
    const TTabela& TabelaHistoriaZlecenStalychWydatki() const { return fTabelaHistoriaZlecenStalychWydatki; }
    TTabela& TabelaHistoriaZlecenStalychPrzychody() { return fTabelaHistoriaZlecenStalychPrzychody; }
    const TTabela& TabelaHistoriaZlecenStalychPrzychody() const { return fTabelaHistoriaZlecenStalychPrzychody; }
    TTabela& TabelaPlany() { return fTabelaPlany; }
    const TTabela& TabelaPlany() const { return fTabelaPlany; }
    TTabela& TabelaOgraniczenia() { return fTabelaOgraniczenia; }
    const TTabela& TabelaOgraniczenia() const { return fTabelaOgraniczenia; }
    TTabela& TabelaLokaty() { return fTabelaLokaty; }
    const TTabela& TabelaLokaty() const { return fTabelaLokaty; }
    TTabela& TabelaHarmonogramyLokatBankowych() { return fTabelaHarmonogramyLokatBankowych; }
    const TTabela& TabelaHarmonogramyLokatBankowych() const { return fTabelaHarmonogramyLokatBankowych; }

    // ---- Content predicates ----
    // @@CONTENT@@

    // ---- Sorting orders ----
    // @@SORTING@@

    // ---- Plan and date queries ----
    // @@PLANS@@

    // ---- Category, person, limit and offer lookups ----
    // @@LOOKUPS@@

    // ---- Savings amounts and balance arithmetic ----
    // @@SAVINGS@@

    // ---- Aggregates and extreme values ----
    // @@AGGREGATES@@

private:
    // Stores the value into every flag except the two standing-order flags.
    void UstawFlagiZmienionoINiezapisano(bool wartosc);

    TListaRekordow<TWydatek> fWydatki;
    TListaRekordow<TPrzychod> fPrzychody;
    TListaRekordow<TOszczednosc> fOszczednosci;
    TListaRekordow<TKategoriaWydatki> fKategorieWydatki;
    TListaRekordow<TKategoriaPrzychody> fKategoriePrzychody;
    TListaRekordow<TKategoriaOszczednosci> fKategorieOszczednosci;
    TListaRekordow<TOsoba> fOsoby;
    TListaRekordow<THistoriaPrzelewu> fHistoriaPrzelewowOszczednosci;
    TListaRekordow<TStanOszczednosci> fStanyOszczednosci;
    TListaRekordow<TZlecenieStale> fZleceniaStaleWydatki;
    TListaRekordow<TZlecenieStale> fZleceniaStalePrzychody;
    TListaRekordow<TZlecenieStale> fHistoriaZlecenStalych;
    TListaRekordow<TPlan> fPlany;
    TListaRekordow<TOgraniczenie> fOgraniczenia;
    TListaRekordow<TLokata> fLokaty;
    TListaRekordow<THarmonogramLokatyBankowej> fHarmonogramyLokatBankowych;
    std::unordered_map<int32_t, double> fZyskiZLokatDoDodaniaJakoPrzychod;
    bool fZmienionoINiezapisanoWydatki = false;
    bool fZmienionoINiezapisanoPrzychody = false;
    bool fZmienionoINiezapisanoOszczednosci = false;
    bool fZmienionoINiezapisanoKategorieWydatki = false;
    bool fZmienionoINiezapisanoKategoriePrzychody = false;
    bool fZmienionoINiezapisanoKategorieOszczednosci = false;
    bool fZmienionoINiezapisanoOsoby = false;
    bool fZmienionoINiezapisanoHistoriePrzelewow = false;
    bool fZmienionoINiezapisanoStanyOszczednosci = false;
    bool fZmienionoINiezapisanoHistorieZlecenStalych = false;
    bool fZmienionoINiezapisanoZleceniaStaleWydatki = false;
    bool fZmienionoINiezapisanoZleceniaStalePrzychody = false;
    bool fZmienionoINiezapisanoPlany = false;
    bool fZmienionoINiezapisanoOgraniczenia = false;
    bool fZmienionoINiezapisanoLokaty = false;
    TTabela fTabelaWydatki;
    TTabela fTabelaPrzychody;
    TTabela fTabelaOszczednosci;
    TTabela fTabelaKategorieWydatki;
    TTabela fTabelaKategoriePrzychody;
    TTabela fTabelaKategorieOszczednosci;
    TTabela fTabelaOsoby;
    TTabela fTabelaHistoriaPrzelewowOszczednosci;
    TTabela fTabelaStanyOszczednosci;
    TTabela fTabelaZleceniaStaleWydatki;
    TTabela fTabelaZleceniaStalePrzychody;
    TTabela fTabelaHistoriaZlecenStalychWydatki;
    TTabela fTabelaHistoriaZlecenStalychPrzychody;
    TTabela fTabelaPlany;
    TTabela fTabelaOgraniczenia;
    TTabela fTabelaLokaty;
    TTabela fTabelaHarmonogramyLokatBankowych;
};
