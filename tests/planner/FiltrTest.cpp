// The filter state, its panel positions, the judgement of single plans and the order check
// that lets a rebuild skip sorting.
#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <vector>

#include "common/FunkcjeWspolne.h"
#include "planner/Filtr.h"
#include "planner/FiltrDopasowanie.h"
#include "planner/SortowaniePlanow.h"
#include "records/Plan.h"
#include "support/TestPlatforma.h"

namespace {

const TDateTime Teraz17Maja = KodujDateCzas(2013, 5, 17, 12, 0);

TPlan PlanNa(TDateTime data, TTypPlanu typ = TTypPlanu::Wydatek, bool wykonany = false,
             TTypModyfikacji zmiany = TTypModyfikacji::BezZmian, int32_t id = 1)
{
    TPlan plan(id, "Plan", 1, 10, data, "", zmiany, typ);
    plan.SetWykonany(wykonany);
    return plan;
}

TEST(Filtr, DomyslnieWszystkieRodzajeIMiesiaceNiewykonane)
{
    const TFiltr filtr;
    EXPECT_EQ(filtr.TypPlanu(), TTypPlanu::Nieokreslony);
    EXPECT_EQ(filtr.StanRealizacji(), TStanRealizacji::Niewykonane);
    EXPECT_EQ(filtr.Miesiac(), "");
}

TEST(Filtr, PozycjePaneli)
{
    const std::vector<std::pair<int, TTypPlanu>> rodzaje = {
        {0, TTypPlanu::Nieokreslony}, {1, TTypPlanu::Wydatek}, {2, TTypPlanu::Przychod},
        {3, TTypPlanu::Nieokreslony}, {-1, TTypPlanu::Nieokreslony}};
    for (const auto& [pozycja, typ] : rodzaje)
        EXPECT_EQ(TypPlanuZPozycji(pozycja), typ) << pozycja;
    const std::vector<std::pair<int, TStanRealizacji>> stany = {
        {0, TStanRealizacji::Wszystkie},  {1, TStanRealizacji::Wykonane},   {2, TStanRealizacji::Niewykonane},
        {3, TStanRealizacji::Oczekujace}, {4, TStanRealizacji::PoTerminie}, {5, TStanRealizacji::Wszystkie}};
    for (const auto& [pozycja, stan] : stany)
        EXPECT_EQ(StanRealizacjiZPozycji(pozycja), stan) << pozycja;
}

TEST(FiltrDopasowanie, StanWChwiliJakStanPlanuPodZegarem)
{
    TUstawionyZegar zegar(Teraz17Maja);
    const std::vector<TPlan> plany = {
        PlanNa(Teraz17Maja - 1),
        PlanNa(Teraz17Maja - JednaMilisekunda),
        PlanNa(Teraz17Maja),
        PlanNa(Teraz17Maja + JednaMilisekunda / 2),
        PlanNa(Teraz17Maja + 0.1),
        PlanNa(Teraz17Maja - 1, TTypPlanu::Wydatek, true),
    };
    for (const TPlan& plan : plany)
        EXPECT_EQ(StanRealizacjiWChwili(plan, Teraz17Maja), plan.StanRealizacji()) << plan.Data();
}

TEST(FiltrDopasowanie, StanyWzgledemChwili)
{
    const TPlan wczoraj = PlanNa(KodujDateCzas(2013, 5, 16, 10, 0));
    const TPlan dzisiajRano = PlanNa(KodujDateCzas(2013, 5, 17, 8, 0));
    const TPlan dzisiajPozniej = PlanNa(KodujDateCzas(2013, 5, 17, 15, 0));
    const TPlan wykonany = PlanNa(KodujDateCzas(2013, 5, 16, 10, 0), TTypPlanu::Wydatek, true);
    // state, and whether yesterday's, this morning's, this afternoon's and the executed plan pass
    const std::vector<std::tuple<TStanRealizacji, std::vector<bool>>> przypadki = {
        {TStanRealizacji::Wszystkie, {true, true, true, true}},
        {TStanRealizacji::Wykonane, {false, false, false, true}},
        {TStanRealizacji::Niewykonane, {true, true, true, false}},
        {TStanRealizacji::Oczekujace, {false, false, true, false}},
        {TStanRealizacji::PoTerminie, {true, true, false, false}},
    };
    for (const auto& [stan, oczekiwane] : przypadki) {
        TFiltr filtr;
        filtr.SetStanRealizacji(stan);
        TDopasowanieFiltra dopasowanie(filtr, Teraz17Maja);
        const std::vector<bool> wyniki = {dopasowanie.Pasuje(wczoraj), dopasowanie.Pasuje(dzisiajRano),
                                          dopasowanie.Pasuje(dzisiajPozniej), dopasowanie.Pasuje(wykonany)};
        EXPECT_EQ(wyniki, oczekiwane) << static_cast<int>(stan);
    }
}

TEST(FiltrDopasowanie, UsunietyNigdy)
{
    const TPlan usuniety = PlanNa(Teraz17Maja - 1, TTypPlanu::Wydatek, false, TTypModyfikacji::Usunieto);
    for (const TStanRealizacji stan : {TStanRealizacji::Wszystkie, TStanRealizacji::Niewykonane,
                                       TStanRealizacji::PoTerminie})
        for (const TTypPlanu typ : {TTypPlanu::Nieokreslony, TTypPlanu::Wydatek}) {
            TFiltr filtr;
            filtr.SetStanRealizacji(stan);
            filtr.SetTypPlanu(typ);
            EXPECT_FALSE(TDopasowanieFiltra(filtr, Teraz17Maja).Pasuje(usuniety));
        }
}

TEST(FiltrDopasowanie, Rodzaje)
{
    const TPlan wydatek = PlanNa(Teraz17Maja, TTypPlanu::Wydatek);
    const TPlan przychod = PlanNa(Teraz17Maja, TTypPlanu::Przychod);
    const TPlan nieokreslony = PlanNa(Teraz17Maja, TTypPlanu::Nieokreslony);
    const std::vector<std::tuple<TTypPlanu, std::vector<bool>>> przypadki = {
        {TTypPlanu::Nieokreslony, {true, true, true}},
        {TTypPlanu::Wydatek, {true, false, false}},
        {TTypPlanu::Przychod, {false, true, false}},
    };
    for (const auto& [typ, oczekiwane] : przypadki) {
        TFiltr filtr;
        filtr.SetTypPlanu(typ);
        TDopasowanieFiltra dopasowanie(filtr, Teraz17Maja);
        EXPECT_EQ((std::vector<bool>{dopasowanie.Pasuje(wydatek), dopasowanie.Pasuje(przychod),
                                     dopasowanie.Pasuje(nieokreslony)}),
                  oczekiwane);
    }
}

class FiltrMiesiecy : public testing::Test {
protected:
    void SetUp() override { UstawFormatyDanych(); }

    // One pass over plans of these dates, as a rebuild makes it.
    static std::vector<bool> Wyniki(const std::string& miesiac, const std::vector<TDateTime>& daty)
    {
        TFiltr filtr;
        filtr.SetMiesiac(miesiac);
        filtr.SetStanRealizacji(TStanRealizacji::Wszystkie);
        TDopasowanieFiltra dopasowanie(filtr, Teraz17Maja);
        std::vector<bool> wyniki;
        for (const TDateTime data : daty)
            wyniki.push_back(dopasowanie.Pasuje(PlanNa(data)));
        return wyniki;
    }
};

TEST_F(FiltrMiesiecy, KluczBezWzgleduNaWielkoscLiterIGraniceMiesiaca)
{
    const TDateTime poczatekPazdziernika = KodujDate(2013, 10, 1);
    const TDateTime poczatekListopada = KodujDate(2013, 11, 1);
    // In date order, as the list comes: the edges of the month, either side of each.
    const std::vector<TDateTime> daty = {
        poczatekPazdziernika - 2 * JednaMilisekunda, poczatekPazdziernika, KodujDateCzas(2013, 10, 15, 12, 0),
        poczatekListopada - 2 * JednaMilisekunda,    poczatekListopada,    KodujDateCzas(2014, 10, 15, 12, 0),
    };
    const std::vector<bool> oczekiwane = {false, true, true, true, false, false};
    for (const std::string miesiac : {"październik 2013", "Październik 2013", "PAŹDZIERNIK 2013"})
        EXPECT_EQ(Wyniki(miesiac, daty), oczekiwane) << miesiac;
    // Blank is every month; a text of no month matches none.
    EXPECT_EQ(Wyniki("  ", daty), std::vector<bool>(daty.size(), true));
    EXPECT_EQ(Wyniki("Październik", daty), std::vector<bool>(daty.size(), false));
}

TEST_F(FiltrMiesiecy, WracaDoMiesiacaPoPrzerwieIDataSpozaKalendarza)
{
    EXPECT_EQ(Wyniki("maj 2013", {KodujDate(2013, 5, 2), KodujDate(2013, 6, 2), KodujDate(2013, 5, 30),
                                  std::numeric_limits<double>::quiet_NaN(), 1e9,
                                  KodujDateCzas(9999, 12, 31, 23, 59)}),
              (std::vector<bool>{true, false, true, false, false, false}));
    EXPECT_EQ(Wyniki("grudzień 9999", {KodujDateCzas(9999, 12, 1, 0, 0), KodujDateCzas(9999, 12, 31, 23, 59)}),
              (std::vector<bool>{true, true}));
}

TEST(SprawdzanieKolejnosciPlanow, SasiedziMowiaOCalejLiscie)
{
    const TDateTime d = KodujDateCzas(2013, 5, 17, 12, 0);
    const double ms = JednaMilisekunda;
    // (date, id) pairs in list order, and whether sorting would leave them as they are
    const std::vector<std::pair<std::vector<std::pair<TDateTime, int32_t>>, bool>> przypadki = {
        {{}, true},
        {{{d, 5}}, true},
        {{{d, 1}, {d + 1, 2}, {d + 2, 3}}, true},
        {{{d, 2}, {d, 2}}, true},
        {{{d, 1}, {d, 2}, {d + ms * 2, 0}}, true},
        {{{d, 2}, {d, 1}}, false},
        {{{d + 1, 1}, {d, 2}}, false},
        // Closer than a millisecond but not equal: the tolerant comparison could go either way.
        {{{d, 1}, {d + ms / 2, 2}}, false},
        {{{d, 1}, {d + 1, 2}, {d + 0.5, 3}}, false},
    };
    for (const auto& [plany, zachowana] : przypadki) {
        TSprawdzanieKolejnosciPlanow sprawdzanie;
        for (const auto& [data, id] : plany)
            sprawdzanie.Dodaj(TPlan(id, "", 1, 1, data, "", TTypModyfikacji::BezZmian, TTypPlanu::Wydatek));
        EXPECT_EQ(sprawdzanie.Zachowana(), zachowana) << plany.size();
    }
}

}  // namespace
