#include <gtest/gtest.h>

#include "records/Ograniczenie.h"
#include "support/TestPlatforma.h"

namespace {

const TDateTime Chwila = KodujDateCzas(2021, 3, 10, 8, 15);

TEST(Ograniczenie, NoweMaRokBiezacyIBrakLimitow)
{
    TUstawionyZegar zegar(Chwila);
    const TOgraniczenie o;
    EXPECT_EQ(o.Id(), -1);
    EXPECT_EQ(o.IdKategoriiWydatku(), -1);
    EXPECT_EQ(o.MaxMiesiac(), 0);
    EXPECT_EQ(o.MaxRok(), 0);
    EXPECT_EQ(o.Data(), Chwila);
    EXPECT_EQ(o.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(o.RokOgraniczenia(), 2021);
}

TEST(Ograniczenie, KonstruktorZWartosciamiNieNadajeIdIDatujeNaTeraz)
{
    TUstawionyZegar zegar(Chwila);
    const TOgraniczenie o(5, 300, 3000, 2013, TTypModyfikacji::Dodano);
    EXPECT_EQ(o.Id(), -1);
    EXPECT_EQ(o.IdKategoriiWydatku(), 5);
    EXPECT_EQ(o.MaxMiesiac(), 300);
    EXPECT_EQ(o.MaxRok(), 3000);
    EXPECT_EQ(o.RokOgraniczenia(), 2013);
    EXPECT_EQ(o.Zmiany(), TTypModyfikacji::Dodano);
    EXPECT_EQ(o.Data(), Chwila);
}

TEST(Ograniczenie, ClearBierzeRokZChwiliWywolania)
{
    TUstawionyZegar zegar(Chwila);
    TOgraniczenie o(5, 300, 3000, 2013, TTypModyfikacji::Dodano);
    o.SetId(12);
    const TDateTime sylwester = KodujDateCzas(2024, 12, 31, 23, 59);
    zegar.Ustaw(sylwester);
    o.Clear();
    EXPECT_EQ(o.Id(), -1);
    EXPECT_EQ(o.IdKategoriiWydatku(), -1);
    EXPECT_EQ(o.MaxMiesiac(), 0);
    EXPECT_EQ(o.MaxRok(), 0);
    EXPECT_EQ(o.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(o.Data(), sylwester);
    EXPECT_EQ(o.RokOgraniczenia(), 2024);
}

TEST(Ograniczenie, ZapisWlasciwosciNieZmieniaStanu)
{
    TUstawionyZegar zegar(Chwila);
    TOgraniczenie o;
    o.SetIdKategoriiWydatku(3);
    o.SetMaxMiesiac(250.5);
    o.SetMaxRok(2500);
    o.SetRokOgraniczenia(2022);
    o.SetData(Chwila + 1);
    EXPECT_EQ(o.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(o.IdKategoriiWydatku(), 3);
    EXPECT_EQ(o.MaxMiesiac(), 250.5);
    EXPECT_EQ(o.MaxRok(), 2500);
    EXPECT_EQ(o.RokOgraniczenia(), 2022);
    EXPECT_EQ(o.Data(), Chwila + 1);
}

}  // namespace
