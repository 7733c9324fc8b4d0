// Sums per month, category, person and year, the per-category tables and the averages.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "statistics/DaneAnalizy.h"

using testing::ElementsAre;
using testing::IsEmpty;
using testing::Pair;
using testing::UnorderedElementsAre;

namespace {

using AnalizaSumyTest = DaneAnalizy;

TEST_F(AnalizaSumyTest, AveragesPerDayCountOnlyMonthsWithRecords)
{
    Wydatek(KodujDate(2013, 1, 5), 310);
    Wydatek(KodujDate(2013, 2, 3), 200);
    Wydatek(KodujDate(2013, 2, 20), 80);
    Wydatek(KodujDate(2013, 4, 9), 300);
    Przychod(KodujDate(2013, 3, 1), 3100);

    const auto srednie = analiza.SrednieWydatkiNaDzien();
    ASSERT_TRUE(srednie);
    EXPECT_THAT(*srednie, ElementsAre(Pair(0, 0), Pair(31, 10), Pair(59, 10), Pair(89, 10)));
    // The common month list leaves both lists latest first.
    EXPECT_THAT(Idy(k.Wydatki()), ElementsAre(4, 3, 2, 1));

    const auto przychody = analiza.SredniePrzychodyNaDzien();
    ASSERT_TRUE(przychody);
    EXPECT_THAT(*przychody, ElementsAre(Pair(0, 0), Pair(31, 100)));
}

TEST_F(AnalizaSumyTest, NoRecordsGiveNoAveragesButEmptySums)
{
    EXPECT_FALSE(analiza.SrednieWydatkiNaDzien());
    EXPECT_FALSE(analiza.SredniePrzychodyNaDzien());
    ASSERT_TRUE(analiza.WydatkiWMiesiacu());
    EXPECT_THAT(*analiza.WydatkiWMiesiacu(), IsEmpty());
    ASSERT_TRUE(analiza.WydatkiNaOsobe());
    EXPECT_THAT(*analiza.WydatkiNaOsobe(), IsEmpty());

    EXPECT_FALSE(bezKolekcji.WydatkiWMiesiacu());
    EXPECT_FALSE(bezKolekcji.PrzychodyPoKategoriiPrzychodow());
    EXPECT_FALSE(bezKolekcji.SrednieWydatkiNaDzien());
    EXPECT_THAT(bezKolekcji.PobierzWydatkiWMiesiacuDlaOkreslonejKategorii(1), IsEmpty());
    EXPECT_THAT(bezKolekcji.WydatkiDlaKategoriiWMiesiacu(), IsEmpty());
    EXPECT_THAT(bezKolekcji.WydatkiDlaKategoriiWRoku(), IsEmpty());
}

TEST_F(AnalizaSumyTest, SumsPerMonthFilterByYear)
{
    Wydatek(KodujDate(2013, 5, 1), 10);
    Wydatek(KodujDate(2013, 5, 30), 5);
    Wydatek(KodujDate(2013, 4, 2), 7);
    Wydatek(KodujDate(2012, 5, 2), 1);
    Przychod(KodujDate(2013, 5, 3), 100);
    Przychod(KodujDate(2013, 2, 3), 50);

    EXPECT_THAT(*analiza.WydatkiWMiesiacu(),
                UnorderedElementsAre(Pair("maj 2013", 15), Pair("kwiecień 2013", 7), Pair("maj 2012", 1)));
    EXPECT_THAT(Idy(k.Wydatki()), ElementsAre(2, 1, 3, 4));  // latest first
    EXPECT_THAT(*analiza.PobierzWydatkiNaMiesiacWRoku(2013),
                UnorderedElementsAre(Pair("maj 2013", 15), Pair("kwiecień 2013", 7)));
    EXPECT_THAT(*analiza.PobierzWydatkiNaMiesiacWRoku(2011), IsEmpty());
    EXPECT_THAT(*analiza.PrzychodyWMiesiacu(), UnorderedElementsAre(Pair("maj 2013", 100), Pair("luty 2013", 50)));
    EXPECT_THAT(Idy(k.Przychody()), ElementsAre(6, 5));  // earliest first
}

// Records are grouped by calendar month numbers; the sums must be those of the records'
// own month keys, also for times that round into the next month.
TEST_F(AnalizaSumyTest, SumsPerMonthAgreeWithTheRecordsOwnMonthKeys)
{
    constexpr double Ms = 1.0 / 86400000;
    std::mt19937 los(17);
    std::uniform_int_distribution<int> dzien(0, 2 * 365), grosze(1, 10000);
    for (int i = 0; i < 500; ++i)
        Wydatek(KodujDate(2012, 1, 1) + dzien(los) + dzien(los) / 1000.0, grosze(los) / 100.0);
    for (int miesiac = 1; miesiac <= 12; ++miesiac) {
        const TDateTime poczatek = KodujDate(2013, miesiac, 1);
        for (const double przesuniecie : {0.0, Ms, -Ms, -0.4 * Ms, -0.6 * Ms, 0.4 * Ms})
            Wydatek(poczatek + przesuniecie, miesiac);
    }

    const auto sumy = analiza.WydatkiWMiesiacu();
    const auto wRoku = analiza.PobierzWydatkiNaMiesiacWRoku(2013);
    TMapaMiesiecy oczekiwane, oczekiwaneWRoku;
    for (const auto& w : k.Wydatki()) {
        oczekiwane[w->Miesiac()] += w->Ile();
        if (w->Rok() == 2013)
            oczekiwaneWRoku[w->Miesiac()] += w->Ile();
    }
    EXPECT_EQ(*sumy, oczekiwane);
    EXPECT_EQ(*wRoku, oczekiwaneWRoku);
}

TEST_F(AnalizaSumyTest, SumsPerIdSortTheListAndMatchMonthsWithLetterCase)
{
    Wydatek(KodujDate(2013, 5, 4), 10, 2, 7, 1);
    Wydatek(KodujDate(2013, 5, 2), 20, 5, 7);
    Wydatek(KodujDate(2012, 3, 1), 40, 2, 8, 1);
    Wydatek(KodujDate(2013, 4, 1), 80, 3, 8);
    Przychod(KodujDate(2013, 5, 1), 100, 4);
    Przychod(KodujDate(2013, 5, 2), 50, 9);
    Przychod(KodujDate(2013, 5, 3), 25, 4);

    EXPECT_THAT(*analiza.WydatkiPoKategoriiWydatkow(), ElementsAre(Pair(2, 50), Pair(3, 80), Pair(5, 20)));
    EXPECT_THAT(Idy(k.Wydatki()), ElementsAre(2, 4, 1, 3));  // largest category id first
    EXPECT_THAT(*analiza.PobierzWydatkiPoKategoriiWydatkowWRoku(2013),
                ElementsAre(Pair(2, 10), Pair(3, 80), Pair(5, 20)));
    EXPECT_THAT(*analiza.PobierzWydatkiPoKategoriiWydatkowWMiesiacu("maj 2013"),
                ElementsAre(Pair(2, 10), Pair(5, 20)));
    EXPECT_THAT(*analiza.PobierzWydatkiPoKategoriiWydatkowWMiesiacu("MAJ 2013"), IsEmpty());

    EXPECT_THAT(*analiza.WydatkiNaOsobe(), ElementsAre(Pair(-1, 100), Pair(1, 50)));
    EXPECT_THAT(Idy(k.Wydatki()), ElementsAre(3, 4, 2, 1));  // earliest first
    EXPECT_THAT(*analiza.PobierzWydatkiNaOsobeWRoku(2012), ElementsAre(Pair(1, 40)));
    EXPECT_THAT(*analiza.PobierzWydatkiNaOsobeWMiesiacu("kwiecień 2013"), ElementsAre(Pair(-1, 80)));

    EXPECT_THAT(*analiza.WydatkiPoKategoriiOszczednosci(), ElementsAre(Pair(7, 30), Pair(8, 120)));
    EXPECT_THAT(*analiza.PobierzWydatkiPoKategoriiOszczednosciWRoku(2013), ElementsAre(Pair(7, 30), Pair(8, 80)));
    EXPECT_THAT(*analiza.PobierzWydatkiPoKategoriiOszczednosciWMiesiacu("marzec 2012"), ElementsAre(Pair(8, 40)));

    EXPECT_THAT(*analiza.PrzychodyPoKategoriiPrzychodow(), ElementsAre(Pair(4, 125), Pair(9, 50)));
    EXPECT_THAT(Idy(k.Przychody()), ElementsAre(6, 5, 7));
}

TEST_F(AnalizaSumyTest, OneCategoryGetsEveryMonthAndYearOfTheList)
{
    Wydatek(KodujDate(2013, 3, 10), 30, 5);
    Wydatek(KodujDate(2013, 1, 10), 1, 2);
    Wydatek(KodujDate(2013, 3, 20), 12, 5);
    Wydatek(KodujDate(2013, 2, 10), 1, 2);
    Wydatek(KodujDate(2012, 12, 10), 4, 5);
    Przychod(KodujDate(2013, 2, 1), 100, 4);
    Przychod(KodujDate(2013, 4, 1), 50, 3);

    EXPECT_THAT(analiza.PobierzWydatkiWMiesiacuDlaOkreslonejKategorii(5),
                UnorderedElementsAre(Pair("grudzień 2012", 4), Pair("styczeń 2013", 0), Pair("luty 2013", 0),
                                     Pair("marzec 2013", 42)));
    EXPECT_THAT(Idy(k.Wydatki()), ElementsAre(5, 2, 4, 1, 3));  // earliest first
    EXPECT_THAT(analiza.PobierzWydatkiWMiesiacuDlaOkreslonejKategorii(77),
                UnorderedElementsAre(Pair("grudzień 2012", 0), Pair("styczeń 2013", 0), Pair("luty 2013", 0),
                                     Pair("marzec 2013", 0)));
    EXPECT_THAT(analiza.PobierzPrzychodyWMiesiacuDlaOkreslonejKategorii(4),
                UnorderedElementsAre(Pair("luty 2013", 100), Pair("kwiecień 2013", 0)));
    EXPECT_THAT(analiza.PobierzWydatkiWRokuDlaOkreslonejKategorii(5), ElementsAre(Pair(2012, 4), Pair(2013, 42)));
    EXPECT_THAT(analiza.PobierzWydatkiWRokuDlaOkreslonejKategorii(2), ElementsAre(Pair(2012, 0), Pair(2013, 2)));
}

struct WierszTabeli {
    int32_t Id;
    std::string Okres;
    double Kwota;
    bool operator==(const WierszTabeli&) const = default;
};

std::ostream& operator<<(std::ostream& os, const WierszTabeli& w)
{
    return os << "(" << w.Id << ", " << w.Okres << ", " << w.Kwota << ")";
}

std::vector<WierszTabeli> Wiersze(const TTabelaMiesiecyKategorii& tabela)
{
    std::vector<WierszTabeli> wiersze;
    for (const auto& w : tabela)
        wiersze.push_back({w->IDKategoriiWydatkow(), w->Miesiac(), w->Kwota()});
    return wiersze;
}

std::vector<WierszTabeli> Wiersze(const TTabelaLatKategorii& tabela)
{
    std::vector<WierszTabeli> wiersze;
    for (const auto& w : tabela)
        wiersze.push_back({w->IDKategoriiWydatkow(), std::to_string(w->Rok()), w->Kwota()});
    return wiersze;
}

TEST_F(AnalizaSumyTest, TablesHoldEveryUsedCategoryTimesEveryMonthOrYear)
{
    Wydatek(KodujDate(2013, 2, 10), 30, 5);
    Wydatek(KodujDate(2012, 12, 10), 4, BrakId);
    Wydatek(KodujDate(2013, 2, 20), 12, 5);
    Wydatek(KodujDate(2013, 1, 10), 1, BrakId);

    // Ids in the order the list had before the query sorted it.
    EXPECT_THAT(Wiersze(analiza.WydatkiDlaKategoriiWMiesiacu()),
                ElementsAre(WierszTabeli{5, "grudzień 2012", 0}, WierszTabeli{5, "styczeń 2013", 0},
                            WierszTabeli{5, "luty 2013", 42}, WierszTabeli{-1, "grudzień 2012", 4},
                            WierszTabeli{-1, "styczeń 2013", 1}, WierszTabeli{-1, "luty 2013", 0}));
    // Restricted to the months of the year; every used category keeps its rows.
    EXPECT_THAT(Wiersze(analiza.PobierzWydatkiDlaKategoriiWMiesiacuNaRok(2012)),
                ElementsAre(WierszTabeli{-1, "grudzień 2012", 4}, WierszTabeli{5, "grudzień 2012", 0}));
    EXPECT_THAT(Wiersze(analiza.PobierzWydatkiDlaKategoriiWMiesiacuNaRok(2014)), IsEmpty());
    EXPECT_EQ(Wiersze(analiza.PobierzWydatkiDlaKategoriiWMiesiacuNaRok(0)),
              Wiersze(analiza.WydatkiDlaKategoriiWMiesiacu()));
    EXPECT_THAT(Wiersze(analiza.WydatkiDlaKategoriiWRoku()),
                ElementsAre(WierszTabeli{-1, "2012", 4}, WierszTabeli{-1, "2013", 1}, WierszTabeli{5, "2012", 0},
                            WierszTabeli{5, "2013", 42}));
}

// The grouped tables must agree with the one-category queries on any data, negative ids
// and deleted records included.
TEST_F(AnalizaSumyTest, TablesAgreeWithTheOneCategoryQueries)
{
    std::mt19937 los(20130517);
    std::uniform_int_distribution<int> kategoria(-3, 6), dzien(0, 3 * 365), grosze(1, 100000);
    for (int i = 0; i < 2000; ++i)
        Wydatek(KodujDate(2011, 1, 1) + dzien(los) + 0.5, grosze(los) / 100.0, kategoria(los), 1, BrakId,
                i % 7 == 0 ? TTypModyfikacji::Usunieto : TTypModyfikacji::BezZmian);

    const auto tabela = analiza.WydatkiDlaKategoriiWMiesiacu();
    const TIntegerList idy = analiza.UzyteIDWydatkow();
    const size_t miesiace = k.PobierzNazwyMiesiecyZKolekcji(TTabele::Wydatki, 0).size();
    ASSERT_EQ(tabela.size(), static_cast<size_t>(idy.Count()) * miesiace);
    double suma = 0;
    for (const int32_t id : idy) {
        const TMapaMiesiecy mapa = analiza.PobierzWydatkiWMiesiacuDlaOkreslonejKategorii(id);
        for (const auto& wiersz : tabela) {
            if (wiersz->IDKategoriiWydatkow() == id) {
                EXPECT_EQ(wiersz->Kwota(), mapa.at(wiersz->Miesiac())) << id << " " << wiersz->Miesiac();
            }
        }
    }
    for (const auto& wiersz : tabela)
        suma += wiersz->Kwota();
    EXPECT_NEAR(suma, analiza.WydatkiKwotaLaczna(), 1e-6);

    for (const auto& wiersz : analiza.WydatkiDlaKategoriiWRoku())
        EXPECT_EQ(wiersz->Kwota(), analiza.PobierzWydatkiWRokuDlaOkreslonejKategorii(wiersz->IDKategoriiWydatkow())
                                       .at(wiersz->Rok()));
}

}  // namespace
