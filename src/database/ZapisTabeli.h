#pragma once
// One save of one table turned into statements: an UPDATE, INSERT or DELETE per changed
// record, in the table's visiting order, after the table's consistency rules, together with
// the messages about what those rules refused. Nothing is executed here, so the statements
// of a save can be looked at before (or instead of) running them.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "collections/IndeksId.h"
#include "collections/KolekcjeDanych.h"
#include "common/FunkcjeWspolne.h"
#include "records/WlasneTypyDanych.h"

class TPlikiDB;

// Temporary id of an inserted category or person -> its description as written.
using TSlownikZapisu = std::map<int32_t, std::string>;

struct TPaczkaZapisu {
    // In the order the records were visited; one per record that needs one.
    std::vector<std::string> Polecenia;
    // A heading and " • " lines; empty when nothing was refused.
    TStringList Komunikaty;
    // A statement that moves money was queued: the balance history needs a snapshot.
    bool OdswiezStanOszczednosci = false;
    // Present when a category or person branch passed its table rule: the new records it
    // inserts, for rewriting references to their temporary ids once they have real ones.
    std::optional<TSlownikZapisu> Slownik;
};

class TZapisTabeli {
public:
    TZapisTabeli(TKolekcjeDanych& kolekcje, const TPlikiDB& pliki, TTabele tabela);

    // Builds the statements of the table; call once. Records are left as they are, except
    // that a spending limit with both maxima 0 is marked Usunieto. Raises EGrosiwoException
    // for a value with no SQL form (an amount that is not a number, a date outside the
    // calendar) and for two new categories or persons with one temporary id.
    TPaczkaZapisu Zbuduj();

private:
    // Ids other records refer to; each set is built once, on the first deletion that asks.
    enum class TUzycie : uint8_t {
        WydatkiKategoria,
        WydatkiKategoriaOszczednosci,
        WydatkiOsoba,
        PrzychodyKategoria,
        PrzychodyKategoriaOszczednosci,
        PrzychodyOsoba,
        OszczednosciKategoria,
        PrzelewyKategoria,
        ZleceniaWydatkiKategoria,
        ZleceniaPrzychodyKategoria,
        ZleceniaWydatkiOszczednosc,
        ZleceniaPrzychodyOszczednosc,
        HistoriaZlecenOszczednosc,
        HistoriaZlecenZlecenie,
        HistoriaZlecenOsoba,
        PlanyWydatkowKategoria,
        PlanyPrzychodowKategoria,
        Ilosc
    };

    // ---- Common (ZapisTabeli.cpp) ----
    // The heading goes in once, before the first message line.
    void DodajKomunikat(std::string linia);
    void DodajPolecenie(std::string polecenie, bool zmieniaStan = false);
    std::string Caption(TTabele tabela) const;
    bool Uzyte(TUzycie uzycie, int32_t id);
    std::unordered_set<int32_t> ZbierzUzyte(TUzycie uzycie) const;
    void DodajDoSlownika(int32_t id, std::string opis);

    // The first record with the id, whatever its state; nullptr when none.
    const TKategoriaWydatki* ZwrocKategorieWydatkuPoID(int32_t id);
    const TKategoriaPrzychody* ZwrocKategoriePrzychoduPoID(int32_t id);
    const TKategoriaOszczednosci* ZwrocKategorieOszczednosciPoID(int32_t id);
    const TOszczednosc* ZwrocOszczednoscPoID(int32_t id);
    const TOsoba* ZwrocOsobePoID(int32_t id);
    // A reference may be written only to a record the database already holds unchanged in
    // kind: found, and neither new (no real id yet) nor about to be deleted.
    template <typename T>
    static bool Uzywalny(const T* rekord)
    {
        return rekord && rekord->Zmiany() != TTypModyfikacji::Dodano &&
               rekord->Zmiany() != TTypModyfikacji::Usunieto;
    }

    // ---- Plans, limits, deposits and offers (ZapisPlanow.cpp) ----
    void ZapiszPlany();
    void ZapiszOgraniczenia();
    void ZapiszLokaty();
    void ZapiszHarmonogramyLokat();

    // ---- Money tables (ZapisTransakcji.cpp) ----
    void ZapiszWydatki();
    void ZapiszPrzychody();
    void ZapiszOszczednosci();
    void ZapiszHistoriePrzelewow(bool odswiezaStan);
    void ZapiszZleceniaStale(bool wydatki);
    void ZapiszHistorieZlecenStalych();
    void ZapiszStanyOszczednosci();

    // ---- Categories and persons (ZapisKategorii.cpp) ----
    template <typename TKategoria>
    void ZapiszKategorie(const TListaRekordow<TKategoria>& kategorie, bool wydatki);
    void ZapiszKategorieOszczednosci();
    void ZapiszOsoby();

    TKolekcjeDanych& fKolekcje;
    const TPlikiDB& fPliki;
    const TTabele fTabela;
    TPaczkaZapisu fPaczka;
    std::optional<TIndeksId<const TKategoriaWydatki>> fIndeksKategoriiWydatkow;
    std::optional<TIndeksId<const TKategoriaPrzychody>> fIndeksKategoriiPrzychodow;
    std::optional<TIndeksId<const TKategoriaOszczednosci>> fIndeksKategoriiOszczednosci;
    std::optional<TIndeksId<const TOszczednosc>> fIndeksOszczednosci;
    std::optional<TIndeksId<const TOsoba>> fIndeksOsob;
    std::array<std::optional<std::unordered_set<int32_t>>, static_cast<size_t>(TUzycie::Ilosc)> fUzyte;
};
