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
    // True when the list holds a record that is not marked Usunieto.
    bool KolekcjaZawieraWydatki() const;
    bool KolekcjaZawieraKategorieWydatki() const;
    bool KolekcjaZawieraPrzychody() const;
    bool KolekcjaZawieraKategoriePrzychody() const;
    bool KolekcjaZawieraOszczednosci() const;
    bool KolekcjaZawieraKategorieOszczednosci() const;
    bool KolekcjaZawieraOsoby() const;
    bool KolekcjaZawieraHistoriePrzelewow() const;
    bool KolekcjaZawieraStanyOszczednosci() const;
    bool KolekcjaZawieraHistorieZlecenStalych() const;
    bool KolekcjaZawieraZleceniaStaleWydatki() const;
    bool KolekcjaZawieraZleceniaStalePrzychody() const;
    bool KolekcjaZawieraLokaty() const;
    bool KolekcjaZawieraHarmonogramyLokat() const;
    bool KolekcjaZawieraAktywneLokaty() const;
    // A limit with both maxima 0 limits nothing.
    bool SaZdefiniowaneOgraniczenia() const;
    bool JestZyskZLokat() const;
    // The next three count records whatever their state.
    bool KolekcjeKategoriiZawierajaDane() const;
    // A lone computed deposits entry does not make the savings count as data.
    bool KolekcjeDanychZawierajaDane() const;
    bool KolekcjeZawierajaDane() const;

    // ---- Sorting orders ----
    // Each reorders its list in place. The order is the one stated here; in several date
    // sorts the word Rosnaco or Malejaco says the opposite, and callers rely on the order.
    // Dates closer than a millisecond count as equal and fall to the tie-break.
    void PosortujWydatki();                      // Data latest first, Id descending
    void PosortujPrzychody();                    // Data latest first, Id descending
    void PosortujOszczednosci();                 // WagaIdKatOszczednosci, Id descending
    void PosortujKategorieWydatkow();            // Waga, Opis ignoring case
    void PosortujKategoriePrzychodow();          // Waga, Opis ignoring case
    void PosortujKategorieOszczednosci();        // Waga, Opis ignoring case
    void PosortujOsoby();                        // Waga, "Imie Nazwisko" ignoring case
    void PosortujHistoriePrzelewowPoDacieRosnaco();   // Data earliest first, Id ascending
    void PosortujHistoriePrzelewowPoDacieMalejaco();  // Data latest first, Id descending
    void PosortujWydatkiPoDacieMalejaco();       // Data EARLIEST first, Id ascending
    void PosortujWydatkiPoDacieRosnaco();        // Data LATEST first, Id descending
    void PosortujPrzychodyPoDacieMalejaco();     // Data EARLIEST first, Id ascending
    void PosortujPrzychodyPoDacieRosnaco();      // Data LATEST first, Id descending
    void PosortujOszczednosciPoDacieMalejaco();  // Data EARLIEST first, Id ascending
    void PosortujWydatkiPoKwocieMalejaco();      // Ile largest first, Id ascending
    void PosortujPrzychodyPoKwocieMalejaco();    // Ile largest first, Id ascending
    void PosortujOszczednosciPoKwocieMalejaco(); // Ile largest first, Id ascending
    void PosortujWydatkiPoKategoriiWydatkowMalejaco();      // category id largest first, Id
    void PosortujPrzychodyPoKategoriiPrzychodowMalejaco();  // category id largest first, Id
    // Both standing-order lists, each by itself: Data latest first, Id ascending.
    void PosortujZleceniaStalePoDacieDodaniaMalejaco();
    void PosortujStanyOszczednosciPoDacieRosnaco();  // Data earliest first, Id ascending
    void PosortujPlanyPoDacieMalejaco();         // Data EARLIEST first, Id ascending
    void PosortujPlanyPoDacieRosnaco();          // Data LATEST first, Id descending
    void PosortujLokatyPoNazwie();               // Nazwa case-sensitive, Id ascending
    void PosortujLokatyPoKwocie();               // Kwota smallest first, Id ascending
    void PosortujLokatyPoDacieRozpoczecia();     // DataRozpoczecia earliest first, Id
    void PosortujLokatyPoCzasieTrwania();        // OkresLokatyWDniach shortest first, Id
    void PosortujLokatyPoDacieZakonczenia();     // SzacowanaDataZakonczenia earliest first, Id
    // Bank, NazwaHarmonogramu (case-sensitive), OkresLokatyIloscDni, the rate to a
    // hundredth of a percentage point, Id ascending.
    void PosortujHarmonogramy();

    // ---- Plan and date queries ----
    // Lookups by id answer the first match in list order, Usunieto included. Each is a
    // linear scan; for many lookups in a row build a TIndeksId (collections/IndeksId.h).
    TPlan* PobierzPlanDlaID(int32_t id);
    const TPlan* PobierzPlanDlaID(int32_t id) const;
    // 0 when no plan has the id.
    double PobierzKwotePlnuDlaID(int32_t id) const;
    TWydatek* PobierzWydatekDlaId(int32_t id);
    const TWydatek* PobierzWydatekDlaId(int32_t id) const;

    // Unexecuted plans dated before now or later in the current month, latest first
    // (equal dates by Id ascending).
    std::vector<TPlan*> PobierzPlanowanePlatnosciPoTerminie();

    // Month labels, each once ignoring letter case, from the earliest month to the latest;
    // records of every state count. Sorts the chosen list earliest first, which it keeps.
    // Only Wydatki, Przychody, Oszczednosci and Plany have months; rok 0 means every year.
    TStringList PobierzNazwyMiesiecyZKolekcji(TTabele tabela, uint16_t rok);
    // Expenses and incomes together; leaves both lists sorted latest first.
    TStringList PobierzWspolnaListeMiesiecyPrzychodowIWydatkow();
    // Expenses (incomes) and plans of that kind, Usunieto left out; no list is reordered.
    TStringList PobierzWspolnaListeDatDlaWydatkowIPlanow() const;
    TStringList PobierzWspolnaListeDatDlaPrzychodowIPlanow() const;
    // Ascending, each once. Sorts the dated lists earliest first; Ograniczenia give the
    // years of the limits that have both maxima.
    std::vector<uint16_t> PobierzLataZKolekcji(TTabele tabela);
    // The latest expense date of the year, else 1 January of it at 00:00:01. Leaves
    // Wydatki sorted latest first.
    TDateTime PobierzMaxDateWydatkowWRoku(uint16_t rok);

    // Deposits at most that many days from their end or past it, whatever their state.
    std::vector<TLokata*> PobierzLokatyKonczaceSieLubPoTerminie(uint16_t ileDniDoKonca);

    // Only expenses carry attachments; empty for anything else.
    std::string NazwaPlikuZalacznikaDlaTransakcjii(int32_t id, TTabele kolekcja) const;
    bool TransakcjaMaZalacznik(int32_t id, TTabele kolekcja) const;

    // ---- Category, person, limit and offer lookups ----
    // Every lookup answers the first match in the list's present order and considers
    // hidden and deleted records too; only the pick list filters. A lookup that sorts
    // first leaves the list in its new order.
    std::string PobierzOpisKategoriiPoID(int32_t id, TTabele tabela) const;
    // -1 when nothing matches; persons ignore letter case, descriptions do not.
    int32_t PobierzIDKategoriiPoOpisie(const std::string& opis, TTabele tabela) const;
    // The texts an editor offers, each once ignoring letter case. Throws EGrosiwoException
    // for Wydatki and Przychody.
    TStringList PobierzOpisyKategorii(TTabele tabela, bool filtrWidocznosci, bool filtrMoznaZaplacic,
                                      int32_t pomijaneID);
    TIntegerList PobierzListeIDKategorii(TTabele kategoria, bool filtrujMozliwoscZaplaty) const;
    uint32_t PobierzWageKategoriiPoID(int32_t id, TTabele tabela) const;
    // The lightest entry after sorting, whatever its visibility; -1 for an empty list.
    int32_t PobierzDomyslneIDKategorii(TTabele kategoria);
    int32_t PobierzIDKatOszczednosciDlaOszczednosci(int32_t idOszczednosci) const;
    // Marks every category of the table Usunieto; the list's change flag stays.
    void ZmienStatusWszystkimKategoriomNaUsuniety(TTabele kategorie);
    // As above, then the first category becomes Zmieniono.
    void PozostawTylkoJednaDostepnaKategorieWKolekcji(TTabele kolekcja);

    // Spending limits of one expense category and year, whatever their state.
    TOgraniczenie* PobierzOgraniczenieDlaIDKategoriiWydatku(int32_t idKategoriiWydatku, uint16_t rok);
    const TOgraniczenie* PobierzOgraniczenieDlaIDKategoriiWydatku(int32_t idKategoriiWydatku,
                                                                  uint16_t rok) const;
    // nullptr also when no expense category has that exact description.
    TOgraniczenie* PobierzOgraniczenieDlaKategoriiWydatku(const std::string& kategoriaWydatku,
                                                          uint16_t rok);
    const TOgraniczenie* PobierzOgraniczenieDlaKategoriiWydatku(const std::string& kategoriaWydatku,
                                                                uint16_t rok) const;

    // Deposit offers.
    THarmonogramLokatyBankowej* PobierzHarmonogramLokatyBankowejDlaID(int32_t id);
    const THarmonogramLokatyBankowej* PobierzHarmonogramLokatyBankowejDlaID(int32_t id) const;
    // Matches BankNazwaOprocentowanie ignoring letter case.
    THarmonogramLokatyBankowej* PobierzHarmonogramLokatyBankowejDlaBanikINazwa(
        const std::string& bankNazwaOprocentowanie);
    const THarmonogramLokatyBankowej* PobierzHarmonogramLokatyBankowejDlaBanikINazwa(
        const std::string& bankNazwaOprocentowanie) const;
    bool HarmonogramLokatyBankowejJestWUzyciu(int32_t idHarmonogramLokatyBankowej) const;
    // False while some offer has no database row yet.
    bool HarmonogramyLokatBankowychSaZapisane() const;

    // ---- Savings amounts and balance arithmetic ----
    // Both answer false while no savings category is outside state Usunieto.
    bool KategoriaOszczednosciMaMozliwoscZaplaty(int32_t idKategoriiOszczednosci) const;
    bool KategoriaOszczednosciMaCharakterDlugu(int32_t idKategoriiOszczednosci) const;
    bool OszczednoscMaMozliwoscZaplaty(int32_t idOszczednosci) const;
    bool KolekcjaZawieraOszczednosciZMozliwosciaZaplaty() const;
    // Visible payable categories, whatever their state.
    int IloscKategoriOszczednosciZMozliwosciaZaplaty() const;
    // Entries of any state whose category is payable (visible or not); 0 while no visible
    // payable category exists.
    int IloscOszczednosciZMozliwosciaZaplaty() const;
    // 1 when no entry has the id.
    uint8_t PobierzTypOszczednosciPoID(int32_t idOszczednosci) const;
    int32_t PobierzIDOszczednosciPoIdKategoriiOszczednosci(int32_t idKategoriiOszczednosci) const;
    // -1 also when no savings category has that exact description.
    int32_t PobierzIDOszczednosciPoOpisie(const std::string& opis) const;
    // Visible savings-category descriptions that no savings entry uses, in sort order.
    TStringList PobierzNieuzyteNazwyKategoriiOszczednosci();

    // +1 or -1: a debt-like entry of type 2 moves the other way, except in transfers.
    // Throws EGrosiwoException "Nieobsługiwany typ oszczędności !!!" for a debt-like entry
    // of another type than 1 or 2.
    double ObliczMnoznikDoDodawaniaOdejmowania(int32_t idOszczednosci,
                                               bool dokonujeszPrzelewuMiedzyOszczednosciami) const;
    // False, with nothing changed, when no changeable entry has the id; the computed
    // deposits entry is never changed. Raises ZmienionoINiezapisanoOszczednosci.
    bool DodajDoOszczednosciWartosc(double wartosc, int32_t idOszczednosci,
                                    bool dokonujeszPrzelewuMiedzyOszczednosciami);
    bool OdejmijZOszczednosciWartosc(double wartosc, int32_t idOszczednosci,
                                     bool dokonujeszPrzelewuMiedzyOszczednosciami);

    // Sorts the savings, then one row per entry: id, category description, amount as
    // "1234,50". The entry with id pominOszczednoscOID is left out.
    TTabDwuwymiarowa UtworzTabliceOszczednosciZKwotami(bool filtrujMozliwoscZaplaty,
                                                       int32_t pominOszczednoscOID);
    // Description -> amount; a later row of the same description wins.
    static std::unordered_map<std::string, double> KonwertujTabliceOszczednosciZKwotamiNaSlownik(
        const TTabDwuwymiarowa& tab);
    // The amount as the savings table shows it (to hundredths); 0 when absent. Sorts the
    // savings like the table does.
    double PobierzStanOszczednosciDlaID(int32_t id);
    // Every deposit-profit value back to 0; the keys stay.
    void WyczyscZyskiZLokatBankowych();

private:
    // The savings pick list: the category description of every entry, in table order.
    TStringList PobierzOpisyOszczednosci(bool filtrMoznaZaplacic);

public:

    // ---- Aggregates and extreme values ----
    // Wydatki, Przychody and Oszczednosci only (0 otherwise); every record counts,
    // whatever its state.
    double ObliczLacznaSumeWKolekcjiDanych(TTabele tabela) const;
    // The largest amount, never less than 0.
    double PobierzNajwiekszaWartoscZKolekcji(TTabele tabela) const;
    double PobierzNajwiekszaWartoscZKolekcjiWRoku(TTabele tabela, uint16_t rok) const;
    // The month label is compared case-sensitively.
    double PobierzNajwiekszaWartoscZKolekcjiWMiesiacu(TTabele tabela, const std::string& miesiac) const;
    // The true minimum, negative amounts included; 0 for an empty list.
    double PobierzNajmniejszaWartoscZKolekcji(TTabele tabela) const;
    // True when the first record with the id is Zmieniono or Dodano.
    bool SprawdzCzyPozycjaZKolekcjiZostalaZmieniona(int32_t idPozycji, TTabele kolekcja) const;

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
