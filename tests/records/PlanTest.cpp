#include "records/Plan.h"

#include <gtest/gtest.h>

#include "common/FunkcjeWspolne.h"
#include "support/TestPlatforma.h"

namespace {

const TDateTime Teraz2013 = KodujDateCzas(2013, 5, 17, 12, 0);
constexpr double Sekunda = 1.0 / 86400;
constexpr double Godzina = 1.0 / 24;

class PlanTest : public testing::Test {
protected:
    void SetUp() override { UstawFormatyDanych(); }
    TUstawionyZegar zegar{Teraz2013};

    static TPlan Niewykonany(TDateTime data)
    {
        return TPlan(5, "Czynsz", 3, 800, data, "", TTypModyfikacji::BezZmian, TTypPlanu::Wydatek);
    }
};

TEST_F(PlanTest, DomyslnePolaIDataZChwiliUtworzenia)
{
    const TPlan plan;
    EXPECT_EQ(plan.Id(), -1);
    EXPECT_EQ(plan.Nazwa(), "");
    EXPECT_EQ(plan.IdKategorii(), -1);
    EXPECT_EQ(plan.Kwota(), 0);
    EXPECT_FALSE(plan.Wykonany());
    EXPECT_FALSE(plan.DodanyDoKolekcji());
    EXPECT_EQ(plan.TypPlanu(), TTypPlanu::Nieokreslony);
    EXPECT_EQ(plan.Data(), Teraz2013);
    EXPECT_EQ(plan.Komentarz(), "");
    EXPECT_EQ(plan.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(plan.TypPlanuStr(), "");
}

TEST_F(PlanTest, KonstruktorZWartosciami)
{
    const TDateTime termin = KodujDateCzas(2013, 6, 1, 9, 30);
    const TPlan plan(1234, "Prąd", 7, 150.25, termin, "za maj", TTypModyfikacji::Dodano,
                     TTypPlanu::Przychod);
    EXPECT_EQ(plan.Id(), 1234);
    EXPECT_EQ(plan.Nazwa(), "Prąd");
    EXPECT_EQ(plan.IdKategorii(), 7);
    EXPECT_EQ(plan.Kwota(), 150.25);
    EXPECT_EQ(plan.Data(), termin);
    EXPECT_EQ(plan.Komentarz(), "za maj");
    EXPECT_EQ(plan.Zmiany(), TTypModyfikacji::Dodano);
    EXPECT_EQ(plan.TypPlanu(), TTypPlanu::Przychod);
    EXPECT_EQ(plan.TypPlanuStr(), "Przychody");
    EXPECT_FALSE(plan.Wykonany());
    EXPECT_FALSE(plan.DodanyDoKolekcji());
}

TEST_F(PlanTest, ZapisWlasciwosciNieRuszaZmian)
{
    TPlan plan = Niewykonany(Teraz2013);
    plan.SetNazwa("Czynsz");
    plan.SetNazwa("Woda");
    plan.SetKwota(1.5);
    plan.SetWykonany(true);
    plan.SetData(Teraz2013 + 1);
    plan.SetTypPlanu(TTypPlanu::Przychod);
    plan.SetDodanyDoKolekcji(true);
    EXPECT_EQ(plan.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(plan.Nazwa(), "Woda");
    EXPECT_EQ(plan.Kwota(), 1.5);
    EXPECT_TRUE(plan.Wykonany());
    EXPECT_TRUE(plan.DodanyDoKolekcji());
    EXPECT_EQ(plan.Data(), Teraz2013 + 1);
    EXPECT_EQ(plan.Id(), 5);
    plan.SetZmiany(TTypModyfikacji::Zmieniono);
    EXPECT_EQ(plan.Zmiany(), TTypModyfikacji::Zmieniono);
}

TEST_F(PlanTest, ClearWracaDoDomyslnychZDataZChwiliWywolania)
{
    TPlan plan(9, "Prąd", 7, 150, Teraz2013 - 10, "x", TTypModyfikacji::Usunieto, TTypPlanu::Wydatek);
    plan.SetWykonany(true);
    zegar.Ustaw(Teraz2013 + 3);
    plan.Clear();
    EXPECT_EQ(plan.Id(), -1);
    EXPECT_EQ(plan.Nazwa(), "");
    EXPECT_EQ(plan.Komentarz(), "");
    EXPECT_FALSE(plan.Wykonany());
    EXPECT_EQ(plan.TypPlanu(), TTypPlanu::Nieokreslony);
    EXPECT_EQ(plan.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(plan.Data(), Teraz2013 + 3);
}

TEST_F(PlanTest, MiesiacIRok)
{
    const TPlan plan = Niewykonany(KodujDateCzas(2013, 5, 3, 8, 0));
    EXPECT_EQ(plan.Miesiac(), "maj 2013");
    EXPECT_EQ(plan.Rok(), 2013);
    EXPECT_EQ(Niewykonany(KodujDate(1999, 12, 31)).Rok(), 1999);
}

TEST_F(PlanTest, StanRealizacjiZTolerancjaMilisekundy)
{
    const std::pair<double, TStanRealizacji> przypadki[] = {
        {-Sekunda, TStanRealizacji::PoTerminie},
        {Sekunda, TStanRealizacji::Oczekujace},
        {0, TStanRealizacji::Oczekujace},
        {-JednaMilisekunda / 2, TStanRealizacji::Oczekujace},  // due now, within a millisecond
        {-2 * JednaMilisekunda, TStanRealizacji::PoTerminie},
        {-400, TStanRealizacji::PoTerminie},
    };
    for (const auto& [przesuniecie, stan] : przypadki) {
        TPlan plan = Niewykonany(Teraz2013 + przesuniecie);
        EXPECT_EQ(plan.StanRealizacji(), stan) << przesuniecie;
        plan.SetWykonany(true);
        EXPECT_EQ(plan.StanRealizacji(), TStanRealizacji::Wykonane) << przesuniecie;
    }
}

TEST_F(PlanTest, IloscDniDoWykonaniaWSetnychDnia)
{
    const std::pair<double, double> przypadki[] = {
        {2, 2},     {-2, -2},   {36 * Godzina, 1.5}, {-12 * Godzina, -0.5}, {0, 0},
        {3 * Godzina, 0.12},  // 0.125 exactly: half to even
        {-Sekunda, -0.0},     {1.0 / 3, 0.33},
    };
    for (const auto& [przesuniecie, dni] : przypadki)
        EXPECT_EQ(Niewykonany(Teraz2013 + przesuniecie).IloscDniDoWykonania(), dni) << przesuniecie;
}

TEST_F(PlanTest, IdGrupyWedlugDniaIMiesiaca)
{
    const std::pair<TDateTime, int32_t> przypadki[] = {
        {KodujDateCzas(2013, 5, 17, 18, 0), 0},   // later today
        {KodujDateCzas(2013, 5, 17, 0, 1), 0},    // earlier today, overdue
        {KodujDateCzas(2013, 5, 16, 23, 59), 1},  // yesterday
        {KodujDate(2013, 5, 31), 1},
        {KodujDate(2013, 4, 17), 2},              // same day number, previous month
        {KodujDate(2013, 6, 1), 2},
        {KodujDate(2012, 5, 17), 2},              // same month name, another year
    };
    for (const auto& [data, grupa] : przypadki) {
        TPlan plan = Niewykonany(data);
        EXPECT_EQ(plan.IdGrupy(), grupa) << DataCzasNaTekst(data);
        plan.SetWykonany(true);
        EXPECT_EQ(plan.IdGrupy(), -1);
    }
}

}  // namespace
