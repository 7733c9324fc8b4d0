// Month keys back to dates, list sums and the savings and inflation calculators.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "common/FunkcjeWspolne.h"
#include "common/Wyjatki.h"
#include "statistics/FunkcjeAnalizy.h"
#include "statistics/Kalkulatory.h"
#include "support/TestPlatforma.h"

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

class KalkulatoryTest : public testing::Test {
protected:
    void SetUp() override { UstawFormatyDanych(); }
    TUstawionyZegar zegar{KodujDateCzas(2013, 5, 17, 12, 0)};
};

TEST_F(KalkulatoryTest, MonthKeysReadBackAsTheFirstDayOfTheMonth)
{
    EXPECT_EQ(DataZMiesiacaIRoku("maj 2013"), KodujDate(2013, 5, 1));
    EXPECT_EQ(DataZMiesiacaIRoku("Maj 2013"), KodujDate(2013, 5, 1));
    EXPECT_EQ(DataZMiesiacaIRoku("PAŹDZIERNIK 2013"), KodujDate(2013, 10, 1));
    EXPECT_EQ(DataZMiesiacaIRoku("styczeń 0999"), KodujDate(999, 1, 1));
    for (int miesiac = 1; miesiac <= 12; ++miesiac)
        EXPECT_EQ(DataZMiesiacaIRoku(MiesiacIRok(KodujDateCzas(2012, miesiac, 29, 23, 59))),
                  KodujDate(2012, miesiac, 1));
}

TEST_F(KalkulatoryTest, TextsThatAreNoMonthKeysRaiseConversionErrors)
{
    struct Przypadek {
        std::string Klucz, Komunikat;
    };
    const Przypadek przypadki[] = {
        {"May 2013", "'2013-0-1' nie jest poprawną datą i godziną"},
        {"maj", "'maj' nie jest poprawną liczbą całkowitą"},
        {"maj 2013r", "'2013r' nie jest poprawną liczbą całkowitą"},
        {"maj ", "'' nie jest poprawną liczbą całkowitą"},
        {"2013", "'2013-0-1' nie jest poprawną datą i godziną"},
        // Never wrapped into a 16-bit year.
        {"maj 67549", "'67549-5-1' nie jest poprawną datą i godziną"},
        {"maj 0", "'0000-5-1' nie jest poprawną datą i godziną"},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.Klucz);
        try {
            DataZMiesiacaIRoku(p.Klucz);
            ADD_FAILURE() << "no exception";
        } catch (const EGrosiwoException& e) {
            EXPECT_EQ(e.what(), p.Komunikat);
        }
    }
}

TEST_F(KalkulatoryTest, ListOfMonthKeysBecomesDateValues)
{
    EXPECT_THAT(KonwertujListeNazwMiesiecyNaListeDoubli({"maj 2013", "czerwiec 2013"}), ElementsAre(41395, 41426));
    EXPECT_THAT(KonwertujListeNazwMiesiecyNaListeDoubli({}), IsEmpty());
    EXPECT_THROW(KonwertujListeNazwMiesiecyNaListeDoubli({"maj 2013", "June 2013"}), EGrosiwoException);
}

TEST_F(KalkulatoryTest, SumaListyAddsFromZero)
{
    EXPECT_EQ(SumaListy({}), 0);
    const std::vector<double> lista{0.1, 0.2, -0.3, 5};
    EXPECT_EQ(SumaListy(lista), ((0.0 + 0.1) + 0.2 - 0.3) + 5);
}

TEST_F(KalkulatoryTest, RegularSavingCreditsTaxedMonthlyInterest)
{
    struct Przypadek {
        double Kwota, Procent;
        int32_t Miesiace;
        double Wynik;
    };
    const Przypadek przypadki[] = {
        {100, 12, 2, 202.436561}, {100, 12, 1, 100.81}, {100, 0, 12, 1200},
        {-5, 12, 12, 0},          {0, 12, 12, 0},       {100, 12, 0, 0},   {100, 12, -3, 0},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(testing::Message() << p.Kwota << ", " << p.Procent << ", " << p.Miesiace);
        EXPECT_NEAR(PoliczKwoteRegularnegoOszczedzania(p.Kwota, p.Procent, p.Miesiace), p.Wynik, 1e-9);
    }
}

TEST_F(KalkulatoryTest, InflationListsTodaysAmountEachYearAndMarksDegenerateArguments)
{
    struct Przypadek {
        double Kwota, Procent;
        int32_t Lata;
        TListaParDoubli Wynik;
    };
    const Przypadek przypadki[] = {
        {1000, 10, 2, {{2013, 1000}, {2014, 909.09}, {2015, 826.45}}},
        {1000, 0, 5, {{2013, 1000}}},
        {1000, 10, 0, {{0, 0}}},
        {0, 0, 0, {{2013, 0}, {0, 0}, {2013, 0}}},
        {0, 10, 3, {{2013, 0}}},
        {1000, 10, -1, {}},
        {1000, -3, 2, {}},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(testing::Message() << p.Kwota << ", " << p.Procent << ", " << p.Lata);
        const TListaParDoubli wynik = PoliczInflacje(p.Kwota, p.Procent, p.Lata);
        ASSERT_EQ(wynik.size(), p.Wynik.size());
        for (size_t i = 0; i < wynik.size(); ++i) {
            EXPECT_EQ(wynik[i].Klucz, p.Wynik[i].Klucz);
            EXPECT_NEAR(wynik[i].Wartosc, p.Wynik[i].Wartosc, 1e-9);
        }
    }
}

TEST_F(KalkulatoryTest, InflationStopsAtTheLastCalendarYear)
{
    EXPECT_EQ(PoliczInflacje(1000, 1, 9999 - 2013).back().Klucz, 9999);
    try {
        PoliczInflacje(1000, 1, 9999 - 2013 + 1);
        ADD_FAILURE() << "no exception";
    } catch (const EGrosiwoException& e) {
        EXPECT_STREQ(e.what(), "Liczba lat nie może przekraczać 7986 !!!");
    }
    EXPECT_THROW(PoliczInflacje(1000, 1, 2147483647), EGrosiwoException);
}

}  // namespace
