#include "collections/KolekcjeDanych.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "records/HarmonogramLokatyBankowej.h"
#include "records/HistoriaPrzelewu.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Lokata.h"
#include "records/Ograniczenie.h"
#include "records/Osoba.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/Przychod.h"
#include "records/StanOszczednosci.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"
#include "support/TestPlatforma.h"

namespace {

constexpr TTypModyfikacji Usunieto = TTypModyfikacji::Usunieto;
constexpr TTypModyfikacji BezZmian = TTypModyfikacji::BezZmian;

// Adds a record of the list's type in the given state.
template <typename T>
void Dodaj(TListaRekordow<T>& lista, TTypModyfikacji zmiany)
{
    auto rekord = std::make_unique<T>();
    rekord->SetZmiany(zmiany);
    lista.push_back(std::move(rekord));
}

void DodajOszczednosc(TKolekcjeDanych& k, TTypModyfikacji zmiany, bool zLokat = false)
{
    auto o = std::make_unique<TOszczednosc>(1, 1, 100, KodujDate(2013, 5, 1), "", 1, zmiany);
    o->SetOszczednoscZTabeliLokaty(zLokat);
    k.Oszczednosci().push_back(std::move(o));
}

void DodajHistoriePrzelewu(TKolekcjeDanych& k)
{
    k.HistoriaPrzelewow().push_back(std::make_unique<THistoriaPrzelewu>(
        1, 10, 1, 2, KodujDate(2013, 5, 1), "", BezZmian));
}

void DodajStanOszczednosci(TKolekcjeDanych& k)
{
    k.StanyOszczednosci().push_back(
        std::make_unique<TStanOszczednosci>(1, 10, KodujDate(2013, 5, 1), BezZmian));
}

// Every list of the container, as a way to put a record into it.
std::vector<std::function<void(TKolekcjeDanych&)>> WszystkieListy()
{
    return {
        [](TKolekcjeDanych& k) { Dodaj(k.Wydatki(), BezZmian); },
        [](TKolekcjeDanych& k) { Dodaj(k.Przychody(), BezZmian); },
        [](TKolekcjeDanych& k) { DodajOszczednosc(k, BezZmian); },
        [](TKolekcjeDanych& k) { Dodaj(k.KategorieWydatki(), BezZmian); },
        [](TKolekcjeDanych& k) { Dodaj(k.KategoriePrzychody(), BezZmian); },
        [](TKolekcjeDanych& k) { Dodaj(k.KategorieOszczednosci(), BezZmian); },
        [](TKolekcjeDanych& k) { Dodaj(k.Osoby(), BezZmian); },
        [](TKolekcjeDanych& k) { DodajHistoriePrzelewu(k); },
        [](TKolekcjeDanych& k) { DodajStanOszczednosci(k); },
        [](TKolekcjeDanych& k) { Dodaj(k.ZleceniaStaleWydatki(), BezZmian); },
        [](TKolekcjeDanych& k) { Dodaj(k.ZleceniaStalePrzychody(), BezZmian); },
        [](TKolekcjeDanych& k) { Dodaj(k.HistoriaZlecenStalych(), BezZmian); },
        [](TKolekcjeDanych& k) { Dodaj(k.Plany(), BezZmian); },
        [](TKolekcjeDanych& k) { Dodaj(k.Ograniczenia(), BezZmian); },
        [](TKolekcjeDanych& k) { Dodaj(k.Lokaty(), BezZmian); },
        [](TKolekcjeDanych& k) { Dodaj(k.HarmonogramyLokatBankowych(), BezZmian); },
    };
}

std::vector<size_t> RozmiaryList(const TKolekcjeDanych& k)
{
    return {k.Wydatki().size(), k.Przychody().size(), k.Oszczednosci().size(),
            k.KategorieWydatki().size(), k.KategoriePrzychody().size(),
            k.KategorieOszczednosci().size(), k.Osoby().size(), k.HistoriaPrzelewow().size(),
            k.StanyOszczednosci().size(), k.ZleceniaStaleWydatki().size(),
            k.ZleceniaStalePrzychody().size(), k.HistoriaZlecenStalych().size(),
            k.Plany().size(), k.Ograniczenia().size(), k.Lokaty().size(),
            k.HarmonogramyLokatBankowych().size()};
}

// The fifteen flags in declaration order, as getter and setter.
struct TFlaga {
    bool (TKolekcjeDanych::*Czytaj)() const;
    void (TKolekcjeDanych::*Ustaw)(bool);
};

const std::vector<TFlaga>& Flagi()
{
    static const std::vector<TFlaga> flagi = {
        {&TKolekcjeDanych::ZmienionoINiezapisanoWydatki, &TKolekcjeDanych::SetZmienionoINiezapisanoWydatki},
        {&TKolekcjeDanych::ZmienionoINiezapisanoPrzychody, &TKolekcjeDanych::SetZmienionoINiezapisanoPrzychody},
        {&TKolekcjeDanych::ZmienionoINiezapisanoOszczednosci, &TKolekcjeDanych::SetZmienionoINiezapisanoOszczednosci},
        {&TKolekcjeDanych::ZmienionoINiezapisanoKategorieWydatki, &TKolekcjeDanych::SetZmienionoINiezapisanoKategorieWydatki},
        {&TKolekcjeDanych::ZmienionoINiezapisanoKategoriePrzychody, &TKolekcjeDanych::SetZmienionoINiezapisanoKategoriePrzychody},
        {&TKolekcjeDanych::ZmienionoINiezapisanoKategorieOszczednosci, &TKolekcjeDanych::SetZmienionoINiezapisanoKategorieOszczednosci},
        {&TKolekcjeDanych::ZmienionoINiezapisanoOsoby, &TKolekcjeDanych::SetZmienionoINiezapisanoOsoby},
        {&TKolekcjeDanych::ZmienionoINiezapisanoHistoriePrzelewow, &TKolekcjeDanych::SetZmienionoINiezapisanoHistoriePrzelewow},
        {&TKolekcjeDanych::ZmienionoINiezapisanoStanyOszczednosci, &TKolekcjeDanych::SetZmienionoINiezapisanoStanyOszczednosci},
        {&TKolekcjeDanych::ZmienionoINiezapisanoHistorieZlecenStalych, &TKolekcjeDanych::SetZmienionoINiezapisanoHistorieZlecenStalych},
        {&TKolekcjeDanych::ZmienionoINiezapisanoZleceniaStaleWydatki, &TKolekcjeDanych::SetZmienionoINiezapisanoZleceniaStaleWydatki},
        {&TKolekcjeDanych::ZmienionoINiezapisanoZleceniaStalePrzychody, &TKolekcjeDanych::SetZmienionoINiezapisanoZleceniaStalePrzychody},
        {&TKolekcjeDanych::ZmienionoINiezapisanoPlany, &TKolekcjeDanych::SetZmienionoINiezapisanoPlany},
        {&TKolekcjeDanych::ZmienionoINiezapisanoOgraniczenia, &TKolekcjeDanych::SetZmienionoINiezapisanoOgraniczenia},
        {&TKolekcjeDanych::ZmienionoINiezapisanoLokaty, &TKolekcjeDanych::SetZmienionoINiezapisanoLokaty},
    };
    return flagi;
}

constexpr size_t FlagaZleceniaStaleWydatki = 10;
constexpr size_t FlagaZleceniaStalePrzychody = 11;

std::vector<TTabela*> Tabele(TKolekcjeDanych& k)
{
    return {&k.TabelaWydatki(), &k.TabelaPrzychody(), &k.TabelaOszczednosci(),
            &k.TabelaKategorieWydatki(), &k.TabelaKategoriePrzychody(),
            &k.TabelaKategorieOszczednosci(), &k.TabelaOsoby(),
            &k.TabelaHistoriaPrzelewowOszczednosci(), &k.TabelaStanyOszczednosci(),
            &k.TabelaZleceniaStaleWydatki(), &k.TabelaZleceniaStalePrzychody(),
            &k.TabelaHistoriaZlecenStalychWydatki(), &k.TabelaHistoriaZlecenStalychPrzychody(),
            &k.TabelaPlany(), &k.TabelaOgraniczenia(), &k.TabelaLokaty(),
            &k.TabelaHarmonogramyLokatBankowych()};
}

class KolekcjeDanychTest : public testing::Test {
protected:
    TUstawionyZegar zegar{KodujDateCzas(2013, 5, 17, 12, 0)};
    TKolekcjeDanych k;

    // Every list holds a record, every flag is raised, the map has a profit, every table
    // has titles.
    void WypelnijWszystko()
    {
        for (const auto& dodaj : WszystkieListy())
            dodaj(k);
        for (const TFlaga& f : Flagi())
            (k.*f.Ustaw)(true);
        k.ZyskiZLokatDoDodaniaJakoPrzychod()[3] = 12.5;
        for (TTabela* t : Tabele(k))
            t->TytulyKolumn() = {"Id", "Opis"};
    }
};

TEST_F(KolekcjeDanychTest, NowyKontenerJestPusty)
{
    EXPECT_EQ(RozmiaryList(k), std::vector<size_t>(16, 0));
    EXPECT_TRUE(k.ZyskiZLokatDoDodaniaJakoPrzychod().empty());
    for (const TFlaga& f : Flagi())
        EXPECT_FALSE((k.*f.Czytaj)());
    for (TTabela* t : Tabele(k))
        EXPECT_EQ(t->IleKolumn(), -1);
    EXPECT_FALSE(k.KolekcjeZawierajaDane());
}

TEST_F(KolekcjeDanychTest, WyczyscKolekcjeDanychZostawiaFlagiZlecenStalychITytuly)
{
    WypelnijWszystko();
    k.WyczyscKolekcjeDanych();

    EXPECT_EQ(RozmiaryList(k), std::vector<size_t>(16, 0));
    EXPECT_TRUE(k.ZyskiZLokatDoDodaniaJakoPrzychod().empty());
    for (size_t i = 0; i < Flagi().size(); ++i) {
        const bool zostaje = i == FlagaZleceniaStaleWydatki || i == FlagaZleceniaStalePrzychody;
        EXPECT_EQ((k.*Flagi()[i].Czytaj)(), zostaje) << "flaga " << i;
    }
    for (TTabela* t : Tabele(k))
        EXPECT_EQ(t->IleKolumn(), 1);
}

TEST_F(KolekcjeDanychTest, ClearOprozniaTakzeTytulyKolumn)
{
    WypelnijWszystko();
    k.Clear();

    EXPECT_EQ(RozmiaryList(k), std::vector<size_t>(16, 0));
    EXPECT_TRUE(k.ZyskiZLokatDoDodaniaJakoPrzychod().empty());
    EXPECT_TRUE(k.ZmienionoINiezapisanoZleceniaStaleWydatki());
    EXPECT_FALSE(k.ZmienionoINiezapisanoPlany());
    for (TTabela* t : Tabele(k))
        EXPECT_EQ(t->IleKolumn(), -1);
}

TEST_F(KolekcjeDanychTest, FlagiSaNiezalezne)
{
    for (size_t i = 0; i < Flagi().size(); ++i) {
        (k.*Flagi()[i].Ustaw)(true);
        for (size_t j = 0; j < Flagi().size(); ++j)
            EXPECT_EQ((k.*Flagi()[j].Czytaj)(), i == j) << "ustawiona " << i << ", czytana " << j;
        (k.*Flagi()[i].Ustaw)(false);
    }
}

// ---- The list-content family ----

struct TPrzypadekZawartosci {
    const char* Nazwa;
    std::function<void(TKolekcjeDanych&, TTypModyfikacji)> Dodaj;
    bool (TKolekcjeDanych::*Zawiera)() const;
};

class KolekcjaZawieraTest : public testing::TestWithParam<TPrzypadekZawartosci> {
protected:
    TUstawionyZegar zegar{KodujDateCzas(2013, 5, 17, 12, 0)};
    TKolekcjeDanych k;
};

TEST_P(KolekcjaZawieraTest, LiczySieTylkoRekordNieusuniety)
{
    const TPrzypadekZawartosci& p = GetParam();
    EXPECT_FALSE((k.*p.Zawiera)());
    p.Dodaj(k, Usunieto);
    p.Dodaj(k, Usunieto);
    EXPECT_FALSE((k.*p.Zawiera)());
    // Only deleted records, yet the container holds data.
    EXPECT_TRUE(k.KolekcjeZawierajaDane());
    p.Dodaj(k, TTypModyfikacji::Zmieniono);
    EXPECT_TRUE((k.*p.Zawiera)());
}

template <typename T>
std::function<void(TKolekcjeDanych&, TTypModyfikacji)> DodajDo(TListaRekordow<T>& (TKolekcjeDanych::*lista)())
{
    return [lista](TKolekcjeDanych& k, TTypModyfikacji z) { Dodaj((k.*lista)(), z); };
}

INSTANTIATE_TEST_SUITE_P(
    Listy, KolekcjaZawieraTest,
    testing::Values(
        TPrzypadekZawartosci{"Wydatki", DodajDo<TWydatek>(&TKolekcjeDanych::Wydatki), &TKolekcjeDanych::KolekcjaZawieraWydatki},
        TPrzypadekZawartosci{"KategorieWydatki", DodajDo<TKategoriaWydatki>(&TKolekcjeDanych::KategorieWydatki), &TKolekcjeDanych::KolekcjaZawieraKategorieWydatki},
        TPrzypadekZawartosci{"Przychody", DodajDo<TPrzychod>(&TKolekcjeDanych::Przychody), &TKolekcjeDanych::KolekcjaZawieraPrzychody},
        TPrzypadekZawartosci{"KategoriePrzychody", DodajDo<TKategoriaPrzychody>(&TKolekcjeDanych::KategoriePrzychody), &TKolekcjeDanych::KolekcjaZawieraKategoriePrzychody},
        TPrzypadekZawartosci{"Oszczednosci", [](TKolekcjeDanych& k, TTypModyfikacji z) { DodajOszczednosc(k, z); }, &TKolekcjeDanych::KolekcjaZawieraOszczednosci},
        TPrzypadekZawartosci{"KategorieOszczednosci", DodajDo<TKategoriaOszczednosci>(&TKolekcjeDanych::KategorieOszczednosci), &TKolekcjeDanych::KolekcjaZawieraKategorieOszczednosci},
        TPrzypadekZawartosci{"Osoby", DodajDo<TOsoba>(&TKolekcjeDanych::Osoby), &TKolekcjeDanych::KolekcjaZawieraOsoby},
        TPrzypadekZawartosci{"HistoriaPrzelewow", [](TKolekcjeDanych& k, TTypModyfikacji z) { DodajHistoriePrzelewu(k); k.HistoriaPrzelewow().back()->SetZmiany(z); }, &TKolekcjeDanych::KolekcjaZawieraHistoriePrzelewow},
        TPrzypadekZawartosci{"StanyOszczednosci", [](TKolekcjeDanych& k, TTypModyfikacji z) { DodajStanOszczednosci(k); k.StanyOszczednosci().back()->SetZmiany(z); }, &TKolekcjeDanych::KolekcjaZawieraStanyOszczednosci},
        TPrzypadekZawartosci{"HistoriaZlecenStalych", DodajDo<TZlecenieStale>(&TKolekcjeDanych::HistoriaZlecenStalych), &TKolekcjeDanych::KolekcjaZawieraHistorieZlecenStalych},
        TPrzypadekZawartosci{"ZleceniaStaleWydatki", DodajDo<TZlecenieStale>(&TKolekcjeDanych::ZleceniaStaleWydatki), &TKolekcjeDanych::KolekcjaZawieraZleceniaStaleWydatki},
        TPrzypadekZawartosci{"ZleceniaStalePrzychody", DodajDo<TZlecenieStale>(&TKolekcjeDanych::ZleceniaStalePrzychody), &TKolekcjeDanych::KolekcjaZawieraZleceniaStalePrzychody},
        TPrzypadekZawartosci{"Lokaty", DodajDo<TLokata>(&TKolekcjeDanych::Lokaty), &TKolekcjeDanych::KolekcjaZawieraLokaty},
        // Offers count on their own, with no deposit at all.
        TPrzypadekZawartosci{"HarmonogramyLokat", DodajDo<THarmonogramLokatyBankowej>(&TKolekcjeDanych::HarmonogramyLokatBankowych), &TKolekcjeDanych::KolekcjaZawieraHarmonogramyLokat}),
    [](const auto& info) { return std::string(info.param.Nazwa); });

TEST_F(KolekcjeDanychTest, WyliczonyWpisLokatLiczySieJakoOszczednosc)
{
    // Stored as Usunieto, but the computed entry always reports BezZmian.
    DodajOszczednosc(k, Usunieto, true);
    EXPECT_TRUE(k.KolekcjaZawieraOszczednosci());
}

TEST_F(KolekcjeDanychTest, AktywneLokatyPomijajaNieaktywneIUsuniete)
{
    auto dodajLokate = [this](bool aktywna, TTypModyfikacji zmiany) {
        k.Lokaty().push_back(std::make_unique<TLokata>(
            1, "L", 1000, KodujDate(2013, 1, 1), 3, TJednostkaOkresu::Miesiace, -1, aktywna, zmiany));
    };
    dodajLokate(false, BezZmian);
    dodajLokate(true, Usunieto);
    EXPECT_TRUE(k.KolekcjaZawieraLokaty());
    EXPECT_FALSE(k.KolekcjaZawieraAktywneLokaty());
    dodajLokate(true, TTypModyfikacji::Dodano);
    EXPECT_TRUE(k.KolekcjaZawieraAktywneLokaty());
}

TEST_F(KolekcjeDanychTest, OgraniczeniaLiczaSieZJednymZMaksimow)
{
    auto dodaj = [this](double miesiac, double rok, TTypModyfikacji zmiany) {
        k.Ograniczenia().push_back(std::make_unique<TOgraniczenie>(5, miesiac, rok, 2013, zmiany));
    };
    dodaj(0, 0, BezZmian);
    dodaj(300, 3000, Usunieto);
    EXPECT_FALSE(k.SaZdefiniowaneOgraniczenia());
    dodaj(0, 3000, BezZmian);
    EXPECT_TRUE(k.SaZdefiniowaneOgraniczenia());

    k.Ograniczenia().clear();
    dodaj(300, 0, BezZmian);
    EXPECT_TRUE(k.SaZdefiniowaneOgraniczenia());
}

TEST_F(KolekcjeDanychTest, ZyskZLokatToNiezerowaWartoscMapy)
{
    EXPECT_FALSE(k.JestZyskZLokat());
    k.ZyskiZLokatDoDodaniaJakoPrzychod()[1] = 0;
    k.ZyskiZLokatDoDodaniaJakoPrzychod()[2] = 0;
    EXPECT_FALSE(k.JestZyskZLokat());
    k.ZyskiZLokatDoDodaniaJakoPrzychod()[2] = -0.01;
    EXPECT_TRUE(k.JestZyskZLokat());
}

// ---- Whole-container predicates ----

TEST_F(KolekcjeDanychTest, KazdaListaSprawiaZeKontenerZawieraDane)
{
    const auto listy = WszystkieListy();
    for (size_t i = 0; i < listy.size(); ++i) {
        TKolekcjeDanych kolekcje;
        listy[i](kolekcje);
        EXPECT_TRUE(kolekcje.KolekcjeZawierajaDane()) << "lista " << i;
        // Lists 3 to 6 are the categories and persons.
        const bool kategorie = i >= 3 && i <= 6;
        EXPECT_EQ(kolekcje.KolekcjeKategoriiZawierajaDane(), kategorie) << "lista " << i;
        EXPECT_EQ(kolekcje.KolekcjeDanychZawierajaDane(), !kategorie) << "lista " << i;
    }
}

TEST_F(KolekcjeDanychTest, SamWpisLokatPomijaHistorieOszczednosci)
{
    DodajOszczednosc(k, BezZmian, true);
    DodajHistoriePrzelewu(k);
    DodajStanOszczednosci(k);
    Dodaj(k.HistoriaZlecenStalych(), BezZmian);
    EXPECT_FALSE(k.KolekcjeDanychZawierajaDane());

    Dodaj(k.HarmonogramyLokatBankowych(), BezZmian);
    EXPECT_TRUE(k.KolekcjeDanychZawierajaDane());
}

TEST_F(KolekcjeDanychTest, DwaWpisyOszczednosciToDane)
{
    DodajOszczednosc(k, BezZmian, true);
    DodajOszczednosc(k, Usunieto);
    EXPECT_TRUE(k.KolekcjeDanychZawierajaDane());
}

TEST_F(KolekcjeDanychTest, JedenZwyklyWpisOszczednosciToDane)
{
    DodajOszczednosc(k, Usunieto);
    EXPECT_TRUE(k.KolekcjeDanychZawierajaDane());
}

}  // namespace
