#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "collections/IndeksId.h"
#include "collections/KolekcjeDanych.h"
#include "common/FunkcjeWspolne.h"
#include "common/Wyjatki.h"
#include "records/Lokata.h"
#include "records/Ograniczenie.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "support/TestPlatforma.h"

namespace {

constexpr TTypModyfikacji BezZmian = TTypModyfikacji::BezZmian;
constexpr TTypModyfikacji Usunieto = TTypModyfikacji::Usunieto;
const TDateTime Teraz_ = KodujDateCzas(2013, 5, 17, 12, 0);

template <typename T>
std::vector<int32_t> Idy(const T& lista)
{
    std::vector<int32_t> idy;
    for (const auto& r : lista)
        idy.push_back(r->Id());
    return idy;
}

class PlanyZapytaniaTest : public testing::Test {
protected:
    void SetUp() override { UstawFormatyDanych(); }

    TPlan& DodajPlan(int32_t id, TDateTime data, TTypPlanu typ = TTypPlanu::Wydatek,
                     TTypModyfikacji zmiany = BezZmian, double kwota = 10)
    {
        k.Plany().push_back(std::make_unique<TPlan>(id, "Plan", 1, kwota, data, "", zmiany, typ));
        return *k.Plany().back();
    }
    TWydatek& DodajWydatek(int32_t id, TDateTime data, TTypModyfikacji zmiany = BezZmian,
                           const std::string& zalacznik = "")
    {
        k.Wydatki().push_back(
            std::make_unique<TWydatek>(id, 1, 10, 1, data, 1, "", zmiany, zalacznik, false));
        return *k.Wydatki().back();
    }
    void DodajPrzychod(int32_t id, TDateTime data, TTypModyfikacji zmiany = BezZmian)
    {
        k.Przychody().push_back(std::make_unique<TPrzychod>(id, 1, 10, 1, data, 1, "", zmiany, false));
    }

    TUstawionyZegar zegar{Teraz_};
    TKolekcjeDanych k;
};

// ---- Lookups by id ----

TEST_F(PlanyZapytaniaTest, WyszukiwaniePoIdZwracaPierwszyTakzeUsuniety)
{
    TPlan& usuniety = DodajPlan(3, Teraz_, TTypPlanu::Wydatek, Usunieto, 25.5);
    DodajPlan(3, Teraz_, TTypPlanu::Wydatek, BezZmian, 99);
    TWydatek& wydatek = DodajWydatek(3, Teraz_, Usunieto);
    DodajWydatek(3, Teraz_);

    EXPECT_EQ(k.PobierzPlanDlaID(3), &usuniety);
    EXPECT_EQ(k.PobierzKwotePlnuDlaID(3), 25.5);
    EXPECT_EQ(k.PobierzWydatekDlaId(3), &wydatek);
    EXPECT_EQ(std::as_const(k).PobierzWydatekDlaId(3), &wydatek);

    EXPECT_EQ(k.PobierzPlanDlaID(4), nullptr);
    EXPECT_EQ(k.PobierzKwotePlnuDlaID(4), 0);
    EXPECT_EQ(k.PobierzWydatekDlaId(4), nullptr);
}

TEST_F(PlanyZapytaniaTest, IndeksIdZwracaToSamoCoWyszukiwanieLiniowe)
{
    std::mt19937 los(17);
    for (int i = 0; i < 500; ++i)
        DodajWydatek(static_cast<int32_t>(los() % 200) - 1, Teraz_);  // duplicates and -1
    const TIndeksId<TWydatek> indeks(k.Wydatki());
    const TIndeksId<const TWydatek> indeksStaly(std::as_const(k).Wydatki());
    for (int32_t id = -3; id < 202; ++id) {
        EXPECT_EQ(indeks.Znajdz(id), k.PobierzWydatekDlaId(id)) << id;
        EXPECT_EQ(indeksStaly.Znajdz(id), k.PobierzWydatekDlaId(id)) << id;
    }
}

// ---- Due plans ----

TEST_F(PlanyZapytaniaTest, PlatnosciPoTerminieIWBiezacymMiesiacu)
{
    DodajPlan(1, Teraz_ - 1.0 / 24);                               // an hour ago
    DodajPlan(2, Teraz_ - 1.0 / 24).SetWykonany(true);            // executed
    DodajPlan(3, KodujDateCzas(2013, 5, 31, 23, 59));              // last day of the month
    DodajPlan(4, KodujDate(2013, 6, 1));                           // next month
    DodajPlan(5, KodujDate(2013, 4, 2), TTypPlanu::Przychod, Usunieto);  // state not examined
    DodajPlan(8, KodujDate(2013, 3, 1));
    DodajPlan(6, KodujDate(2013, 3, 1) + 0.5 * JednaMilisekunda);  // same date as 8
    DodajPlan(7, Teraz_);                                          // due right now: pending
    const std::vector<int32_t> kolejnoscPlanow = Idy(k.Plany());

    const std::vector<TPlan*> wynik = k.PobierzPlanowanePlatnosciPoTerminie();

    EXPECT_EQ(Idy(wynik), (std::vector<int32_t>{3, 7, 1, 5, 6, 8}));
    EXPECT_EQ(Idy(k.Plany()), kolejnoscPlanow);
    EXPECT_EQ(wynik.front(), k.Plany()[2].get());
}

TEST_F(PlanyZapytaniaTest, PlatnosciPoTerminieBezPlanow)
{
    EXPECT_TRUE(k.PobierzPlanowanePlatnosciPoTerminie().empty());
}

// ---- Month lists ----

TEST_F(PlanyZapytaniaTest, MiesiacePlanowSortujaListeOdNajwczesniejszej)
{
    DodajPlan(1, KodujDate(2013, 3, 15));
    DodajPlan(2, KodujDate(2013, 1, 2), TTypPlanu::Przychod, Usunieto);
    DodajPlan(3, KodujDate(2013, 3, 20));

    EXPECT_EQ(k.PobierzNazwyMiesiecyZKolekcji(TTabele::Plany, 0),
              (TStringList{"styczeń 2013", "marzec 2013"}));
    EXPECT_EQ(Idy(k.Plany()), (std::vector<int32_t>{2, 1, 3}));
}

TEST_F(PlanyZapytaniaTest, MiesiaceJednegoRokuAleCalaListaPosortowana)
{
    DodajWydatek(1, KodujDate(2013, 2, 1));
    DodajWydatek(2, KodujDate(2012, 12, 24));
    DodajWydatek(3, KodujDate(2011, 5, 1));
    DodajWydatek(4, KodujDate(2012, 1, 9));

    EXPECT_EQ(k.PobierzNazwyMiesiecyZKolekcji(TTabele::Wydatki, 2012),
              (TStringList{"styczeń 2012", "grudzień 2012"}));
    EXPECT_EQ(Idy(k.Wydatki()), (std::vector<int32_t>{3, 4, 2, 1}));
    EXPECT_TRUE(k.PobierzNazwyMiesiecyZKolekcji(TTabele::Wydatki, 2020).empty());
}

// Date-times are rounded to the millisecond, as the labels are: a date 0.4 ms before
// midnight of the 1st belongs to the new month, 0.6 ms before it to the old one.
TEST_F(PlanyZapytaniaTest, MiesiacNaGranicyMilisekundy)
{
    const TDateTime pol = 0.4 * JednaMilisekunda;
    DodajWydatek(1, KodujDate(2011, 12, 15));
    DodajWydatek(2, KodujDate(2012, 1, 1) - pol);
    DodajWydatek(3, KodujDate(2012, 3, 1) - 1.5 * pol);
    DodajWydatek(4, KodujDate(2012, 3, 1) - pol);
    EXPECT_EQ(k.PobierzNazwyMiesiecyZKolekcji(TTabele::Wydatki, 0),
              (TStringList{"grudzień 2011", "styczeń 2012", "luty 2012", "marzec 2012"}));
    EXPECT_EQ(k.PobierzNazwyMiesiecyZKolekcji(TTabele::Wydatki, 2012),
              (TStringList{"styczeń 2012", "luty 2012", "marzec 2012"}));
    EXPECT_EQ(k.PobierzLataZKolekcji(TTabele::Wydatki), (std::vector<uint16_t>{2011, 2012}));
}

TEST_F(PlanyZapytaniaTest, MiesiaceInnejTabeliToPustaListaBezZmian)
{
    DodajPlan(1, KodujDate(2013, 3, 15));
    DodajPlan(2, KodujDate(2013, 1, 2));
    DodajWydatek(1, KodujDate(2013, 3, 15));
    DodajWydatek(2, KodujDate(2013, 1, 2));
    for (TTabele t : {TTabele::Osoby, TTabele::Lokaty, TTabele::HistoriaPrzelewow}) {
        EXPECT_TRUE(k.PobierzNazwyMiesiecyZKolekcji(t, 0).empty());
        EXPECT_TRUE(k.PobierzLataZKolekcji(t).empty());
    }
    EXPECT_EQ(Idy(k.Plany()), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(Idy(k.Wydatki()), (std::vector<int32_t>{1, 2}));
}

TEST_F(PlanyZapytaniaTest, MiesiaceOszczednosciIPrzychodow)
{
    k.Oszczednosci().push_back(
        std::make_unique<TOszczednosc>(1, 1, 5, KodujDate(2013, 4, 30), "", 1, BezZmian));
    k.Oszczednosci().push_back(
        std::make_unique<TOszczednosc>(2, 1, 5, KodujDate(2013, 4, 1), "", 1, BezZmian));
    DodajPrzychod(1, KodujDate(2010, 10, 10));
    EXPECT_EQ(k.PobierzNazwyMiesiecyZKolekcji(TTabele::Oszczednosci, 0), (TStringList{"kwiecień 2013"}));
    EXPECT_EQ(Idy(k.Oszczednosci()), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(k.PobierzNazwyMiesiecyZKolekcji(TTabele::Przychody, 2010),
              (TStringList{"październik 2010"}));
}

TEST_F(PlanyZapytaniaTest, WspolnaListaWydatkowIPrzychodowSortujeObieOdNajpozniejszej)
{
    DodajWydatek(1, KodujDate(2013, 3, 1));
    DodajWydatek(2, KodujDate(2013, 5, 1), Usunieto);
    DodajPrzychod(3, KodujDate(2012, 11, 30));
    DodajPrzychod(4, KodujDate(2013, 3, 31));

    EXPECT_EQ(k.PobierzWspolnaListeMiesiecyPrzychodowIWydatkow(),
              (TStringList{"listopad 2012", "marzec 2013", "maj 2013"}));
    EXPECT_EQ(Idy(k.Wydatki()), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(Idy(k.Przychody()), (std::vector<int32_t>{4, 3}));
}

TEST_F(PlanyZapytaniaTest, WspolneListyZPlanamiPomijajaUsunieteIInnyTyp)
{
    DodajWydatek(1, KodujDate(2013, 3, 1));
    DodajWydatek(2, KodujDate(2013, 2, 1), Usunieto);
    DodajPrzychod(3, KodujDate(2013, 7, 1));
    DodajPlan(4, KodujDate(2013, 1, 5), TTypPlanu::Wydatek);
    DodajPlan(5, KodujDate(2012, 1, 5), TTypPlanu::Wydatek, Usunieto);
    DodajPlan(6, KodujDate(2013, 9, 5), TTypPlanu::Przychod);
    DodajPlan(7, KodujDate(2013, 6, 5), TTypPlanu::Nieokreslony);

    EXPECT_EQ(k.PobierzWspolnaListeDatDlaWydatkowIPlanow(),
              (TStringList{"styczeń 2013", "marzec 2013"}));
    EXPECT_EQ(k.PobierzWspolnaListeDatDlaPrzychodowIPlanow(),
              (TStringList{"lipiec 2013", "wrzesień 2013"}));
    EXPECT_EQ(Idy(k.Wydatki()), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(Idy(k.Plany()), (std::vector<int32_t>{4, 5, 6, 7}));

    TKolekcjeDanych pusta;
    EXPECT_TRUE(pusta.PobierzWspolnaListeDatDlaWydatkowIPlanow().empty());
    EXPECT_TRUE(pusta.PobierzWspolnaListeMiesiecyPrzychodowIWydatkow().empty());
}

// The month lists must equal, label for label, the plain walk over every record with
// DodajDoListyJesliNowy, however the records fall.
TEST_F(PlanyZapytaniaTest, ListyMiesiecyJakPrzejscieRekordPoRekordzie)
{
    std::mt19937 los(4242);
    std::uniform_real_distribution<double> dzien(KodujDate(2009, 1, 1), KodujDate(2014, 1, 1));
    for (int32_t id = 0; id < 1000; ++id) {
        const TTypModyfikacji z = id % 7 == 0 ? Usunieto : BezZmian;
        DodajWydatek(id, dzien(los), z);
        DodajPrzychod(id, dzien(los), z);
        DodajPlan(id, dzien(los), id % 2 ? TTypPlanu::Wydatek : TTypPlanu::Przychod, z);
    }
    // A month boundary that only rounding to the millisecond reaches.
    DodajWydatek(-5, KodujDate(2014, 2, 1) - 0.4 * JednaMilisekunda);

    auto wzor = [](auto&& dodajDaty) {
        std::vector<TDateTime> daty;
        dodajDaty(daty);
        std::ranges::sort(daty);
        TStringList lista;
        for (const TDateTime d : daty)
            DodajDoListyJesliNowy(MiesiacIRok(d), &lista);
        return lista;
    };
    const TStringList wydatkiIPlany = wzor([this](std::vector<TDateTime>& d) {
        for (const auto& w : k.Wydatki())
            if (w->Zmiany() != Usunieto)
                d.push_back(w->Data());
        for (const auto& p : k.Plany())
            if (p->Zmiany() != Usunieto && p->TypPlanu() == TTypPlanu::Wydatek)
                d.push_back(p->Data());
    });
    const TStringList wydatkiIPrzychody = wzor([this](std::vector<TDateTime>& d) {
        for (const auto& w : k.Wydatki())
            d.push_back(w->Data());
        for (const auto& p : k.Przychody())
            d.push_back(p->Data());
    });
    const TStringList wydatki2012 = wzor([this](std::vector<TDateTime>& d) {
        for (const auto& w : k.Wydatki())
            if (w->Rok() == 2012)
                d.push_back(w->Data());
    });
    const TStringList wydatkiWszystkie = wzor([this](std::vector<TDateTime>& d) {
        for (const auto& w : k.Wydatki())
            d.push_back(w->Data());
    });
    EXPECT_EQ(wydatkiIPlany.size(), 61u);

    EXPECT_EQ(k.PobierzWspolnaListeDatDlaWydatkowIPlanow(), wydatkiIPlany);
    EXPECT_EQ(k.PobierzWspolnaListeMiesiecyPrzychodowIWydatkow(), wydatkiIPrzychody);
    EXPECT_EQ(k.PobierzNazwyMiesiecyZKolekcji(TTabele::Wydatki, 2012), wydatki2012);
    EXPECT_EQ(k.PobierzNazwyMiesiecyZKolekcji(TTabele::Wydatki, 0), wydatkiWszystkie);
}

// ---- Years ----

TEST_F(PlanyZapytaniaTest, LataRosnacoKazdyRazSortujacListe)
{
    DodajPlan(1, KodujDate(2014, 3, 15));
    DodajPlan(2, KodujDate(2012, 1, 2), TTypPlanu::Wydatek, Usunieto);
    DodajPlan(3, KodujDate(2014, 1, 20));
    EXPECT_EQ(k.PobierzLataZKolekcji(TTabele::Plany), (std::vector<uint16_t>{2012, 2014}));
    EXPECT_EQ(Idy(k.Plany()), (std::vector<int32_t>{2, 3, 1}));

    DodajWydatek(1, KodujDate(2013, 3, 1));
    DodajWydatek(2, KodujDate(2011, 3, 1));
    EXPECT_EQ(k.PobierzLataZKolekcji(TTabele::Wydatki), (std::vector<uint16_t>{2011, 2013}));
    EXPECT_EQ(Idy(k.Wydatki()), (std::vector<int32_t>{2, 1}));
}

TEST_F(PlanyZapytaniaTest, LataOgraniczenWymagajaObuMaksimow)
{
    auto dodaj = [this](double miesiac, double rok, uint16_t roku, TTypModyfikacji z = BezZmian) {
        k.Ograniczenia().push_back(std::make_unique<TOgraniczenie>(5, miesiac, rok, roku, z));
    };
    dodaj(0, 3000, 2010);
    dodaj(300, 0, 2011);
    dodaj(300, 3000, 2015, Usunieto);
    dodaj(300, 3000, 2013);
    dodaj(100, 1000, 2013);
    EXPECT_EQ(k.PobierzLataZKolekcji(TTabele::Ograniczenia), (std::vector<uint16_t>{2013, 2015}));
}

// ---- Latest expense of a year ----

TEST_F(PlanyZapytaniaTest, NajpozniejszyWydatekRoku)
{
    DodajWydatek(1, KodujDateCzas(2012, 6, 1, 8, 0));
    DodajWydatek(2, KodujDateCzas(2012, 12, 31, 23, 59), Usunieto);
    DodajWydatek(3, KodujDateCzas(2013, 1, 5, 9, 0));
    EXPECT_EQ(k.PobierzMaxDateWydatkowWRoku(2012), KodujDateCzas(2012, 12, 31, 23, 59));
    EXPECT_EQ(Idy(k.Wydatki()), (std::vector<int32_t>{3, 2, 1}));
    EXPECT_EQ(k.PobierzMaxDateWydatkowWRoku(2011), KodujDateCzas(2011, 1, 1, 0, 0, 1));
}

TEST_F(PlanyZapytaniaTest, NajpozniejszyWydatekRokuSpozaKalendarza)
{
    try {
        k.PobierzMaxDateWydatkowWRoku(0);
        FAIL() << "rok 0 nie jest datą";
    } catch (const EGrosiwoException& e) {
        EXPECT_EQ(std::string(e.what()), "Nieprawidłowa data: rok 0, miesiąc 1, dzień 1");
    }
}

// ---- Deposits ending soon ----

TEST_F(PlanyZapytaniaTest, LokatyKonczaceSieLubPoTerminie)
{
    auto dodaj = [this](int32_t id, TDateTime start, uint16_t dni, bool aktywna,
                        TTypModyfikacji z = BezZmian) {
        k.Lokaty().push_back(std::make_unique<TLokata>(id, "L", 1000, start, dni,
                                                       TJednostkaOkresu::Dni, -1, aktywna, z));
    };
    dodaj(1, Teraz_ - 35, 30, true, Usunieto);  // ended 5 days ago
    dodaj(2, Teraz_ - 0.5, 10, true);           // ends in 9.5 days: its 10th day
    dodaj(3, Teraz_ - 100, 30, false);          // inactive: never counted as ending
    dodaj(4, Teraz_ - 1, 1, true);              // ends today

    EXPECT_EQ(Idy(k.PobierzLokatyKonczaceSieLubPoTerminie(0)), (std::vector<int32_t>{1, 4}));
    EXPECT_EQ(Idy(k.PobierzLokatyKonczaceSieLubPoTerminie(9)), (std::vector<int32_t>{1, 4}));
    EXPECT_EQ(Idy(k.PobierzLokatyKonczaceSieLubPoTerminie(10)), (std::vector<int32_t>{1, 2, 4}));
    EXPECT_EQ(Idy(k.PobierzLokatyKonczaceSieLubPoTerminie(65535)), (std::vector<int32_t>{1, 2, 4}));
}

// ---- Attachments ----

TEST_F(PlanyZapytaniaTest, ZalacznikiMajaTylkoWydatki)
{
    DodajWydatek(1, Teraz_, BezZmian, "faktura.pdf");
    DodajWydatek(2, Teraz_, BezZmian, "  \t ");
    DodajPrzychod(1, Teraz_);

    EXPECT_EQ(k.NazwaPlikuZalacznikaDlaTransakcjii(1, TTabele::Wydatki), "faktura.pdf");
    EXPECT_TRUE(k.TransakcjaMaZalacznik(1, TTabele::Wydatki));
    EXPECT_EQ(k.NazwaPlikuZalacznikaDlaTransakcjii(1, TTabele::Przychody), "");
    EXPECT_FALSE(k.TransakcjaMaZalacznik(1, TTabele::Przychody));
    EXPECT_FALSE(k.TransakcjaMaZalacznik(2, TTabele::Wydatki));
    EXPECT_FALSE(k.TransakcjaMaZalacznik(3, TTabele::Wydatki));
}

}  // namespace
