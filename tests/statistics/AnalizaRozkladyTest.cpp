// Used ids, weekday distributions and the most-used categories.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaWydatki.h"
#include "records/Ograniczenie.h"
#include "statistics/DaneAnalizy.h"

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

// The week of the fixed clock: Sunday 12 May 2013 .. Saturday 18 May 2013.
const TDateTime Niedziela = KodujDateCzas(2013, 5, 12, 10, 0);
const TDateTime Poniedzialek = Niedziela + 1;
const TDateTime Wtorek = Niedziela + 2;
const TDateTime Sroda = Niedziela + 3;
const TDateTime Piatek = Niedziela + 5;

std::vector<int32_t> Elementy(const TIntegerList& lista)
{
    return {lista.begin(), lista.end()};
}

class AnalizaRozkladyTest : public DaneAnalizy {
protected:
    void KategoriaWydatkow(int32_t id, const std::string& opis)
    {
        k.KategorieWydatki().push_back(
            std::make_unique<TKategoriaWydatki>(id, opis, false, TTypModyfikacji::BezZmian, 1));
    }
};

TEST_F(AnalizaRozkladyTest, UsedIdsComeOnceInFirstOccurrenceOrder)
{
    Wydatek(KodujDate(2013, 5, 1), 1, 5, 7);
    Wydatek(KodujDate(2012, 5, 1), 1, 3, 4);
    Wydatek(KodujDate(2013, 5, 2), 1, 5, 7);
    Wydatek(KodujDate(2013, 4, 1), 1, BrakId, 2);
    Przychod(KodujDate(2013, 5, 3), 1, 8, 9);
    Przychod(KodujDate(2012, 5, 3), 1, 6, 7);

    EXPECT_THAT(Elementy(analiza.UzyteIDWydatkow()), ElementsAre(5, 3, -1));
    EXPECT_THAT(Elementy(analiza.UzyteIDPrzychodow()), ElementsAre(8, 6));
    EXPECT_THAT(Elementy(analiza.UzyteIDOszczednosci()), ElementsAre(7, 4, 2, 9));
    EXPECT_THAT(Elementy(analiza.PobierzUzyteIDWydatkowWRoku(2013)), ElementsAre(5, -1));
    EXPECT_THAT(Elementy(analiza.PobierzUzyteIDPrzychodowWRoku(2012)), ElementsAre(6));
    EXPECT_THAT(Elementy(analiza.PobierzUzyteIDOszczednosciWRoku(2012)), ElementsAre(4, 7));
    EXPECT_THAT(Elementy(analiza.PobierzUzyteIDWydatkowWMiesiacu("maj 2013")), ElementsAre(5));
    EXPECT_THAT(Elementy(analiza.PobierzUzyteIDPrzychodowWMiesiacu("maj 2012")), ElementsAre(6));
    EXPECT_THAT(Elementy(analiza.PobierzUzyteIDOszczednosciWMiesiacu("maj 2013")), ElementsAre(7, 9));
    // Months are compared with letter case.
    EXPECT_THAT(Elementy(analiza.PobierzUzyteIDWydatkowWMiesiacu("Maj 2013")), IsEmpty());
    EXPECT_THAT(Elementy(bezKolekcji.UzyteIDOszczednosci()), IsEmpty());
}

TEST_F(AnalizaRozkladyTest, LimitIdsFollowTheirYearAndTheMaximumOfTheSpan)
{
    k.Ograniczenia().push_back(std::make_unique<TOgraniczenie>(11, 300, 0, 2013, TTypModyfikacji::BezZmian));
    k.Ograniczenia().push_back(std::make_unique<TOgraniczenie>(12, 0, 3000, 2013, TTypModyfikacji::BezZmian));
    k.Ograniczenia().push_back(std::make_unique<TOgraniczenie>(13, 50, 500, 2012, TTypModyfikacji::BezZmian));
    k.Ograniczenia().push_back(std::make_unique<TOgraniczenie>(11, 20, 200, 2013, TTypModyfikacji::BezZmian));

    EXPECT_THAT(Elementy(analiza.PobierzUzyteIDKategoriWydatkowZOgraniczeniamiWRoku(2013)), ElementsAre(12, 11));
    EXPECT_THAT(Elementy(analiza.PobierzUzyteIDKategoriWydatkowZOgraniczeniamiWMiesiacu("maj 2013")),
                ElementsAre(11));
    EXPECT_THAT(Elementy(analiza.PobierzUzyteIDKategoriWydatkowZOgraniczeniamiWMiesiacu("styczeń 2013")),
                ElementsAre(11));
    EXPECT_THAT(Elementy(analiza.PobierzUzyteIDKategoriWydatkowZOgraniczeniamiWMiesiacu("luty 2012")),
                ElementsAre(13));
    EXPECT_THAT(Elementy(bezKolekcji.PobierzUzyteIDKategoriWydatkowZOgraniczeniamiWRoku(2013)), IsEmpty());
}

TEST_F(AnalizaRozkladyTest, WeekdayAmountsRankValuesWithinHalfAsEqual)
{
    struct Przypadek {
        const char* Opis;
        std::vector<std::pair<TDateTime, double>> Wydatki;
        TListaPar Wynik;
    };
    const Przypadek przypadki[] = {
        {"less than a half apart", {{Niedziela, 10}, {Poniedzialek, 10.4}, {Piatek, 25}},
         {{6, 25}, {1, 10}, {2, 10.4}}},
        {"exactly a half apart", {{Sroda, 10.5}, {Wtorek, 10}}, {{3, 10}, {4, 10.5}}},
        {"1.5 apart rounds to 2", {{Wtorek, 10}, {Sroda, 11.5}}, {{4, 11.5}, {3, 10}}},
        {"sums per weekday", {{Wtorek, 4}, {Wtorek + 7, 4}, {Sroda, 6}}, {{3, 8}, {4, 6}}},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        k.Clear();
        for (const auto& [data, ile] : p.Wydatki)
            Wydatek(data, ile);
        EXPECT_EQ(analiza.KwotaWydatkowNaDzienTygodnia(), p.Wynik);
    }
}

TEST_F(AnalizaRozkladyTest, WeekdayDistributionsFilterByYearAndExactMonth)
{
    for (int i = 0; i < 3; ++i)
        Wydatek(Poniedzialek + 7 * i, 5);  // 13, 20 and 27 May
    Wydatek(KodujDateCzas(2012, 5, 18, 9, 0), 40);  // a Friday of the year before
    Przychod(Niedziela, 100);
    Przychod(Sroda, 30);
    Przychod(Sroda + 7, 30);

    EXPECT_EQ(analiza.IloscWydatkowNaDzienTygodnia(), (TListaPar{{2, 3}, {6, 1}}));
    EXPECT_EQ(analiza.KwotaWydatkowNaDzienTygodnia(), (TListaPar{{6, 40}, {2, 15}}));
    EXPECT_EQ(analiza.KwotaPrzychodowNaDzienTygodnia(), (TListaPar{{1, 100}, {4, 60}}));
    EXPECT_EQ(analiza.IloscPrzychodowNaDzienTygodnia(), (TListaPar{{4, 2}, {1, 1}}));
    EXPECT_EQ(analiza.PobierzKwoteWydatkowNaDzienTygodniaWRoku(2013), (TListaPar{{2, 15}}));
    EXPECT_EQ(analiza.PobierzIloscWydatkowNaDzienTygodniaWRoku(2012), (TListaPar{{6, 1}}));
    EXPECT_EQ(analiza.PobierzKwoteWydatkowNaDzienTygodniaWMiesiacu("maj 2012"), (TListaPar{{6, 40}}));
    EXPECT_EQ(analiza.PobierzIloscWydatkowNaDzienTygodniaWMiesiacu("maj 2013"), (TListaPar{{2, 3}}));
    EXPECT_THAT(analiza.PobierzKwoteWydatkowNaDzienTygodniaWMiesiacu("MAJ 2013"), IsEmpty());
    EXPECT_THAT(bezKolekcji.IloscWydatkowNaDzienTygodnia(), IsEmpty());
    k.Clear();
    EXPECT_THAT(analiza.IloscWydatkowNaDzienTygodnia(), IsEmpty());
}

TEST_F(AnalizaRozkladyTest, EqualUseCountsGoFromZToAThenByIdWithUnknownIdsLast)
{
    KategoriaWydatkow(1, "Auto");
    KategoriaWydatkow(2, "zakupy");
    KategoriaWydatkow(3, "Czynsz");
    KategoriaWydatkow(4, "Ąnanas");
    const std::pair<int32_t, int> uzycia[] = {{1, 3}, {99, 3}, {2, 3}, {BrakId, 3}, {3, 5}, {4, 3}};
    for (const auto& [id, ile] : uzycia)
        for (int i = 0; i < ile; ++i)
            Wydatek(Wtorek, 1, id);

    EXPECT_EQ(analiza.NajczesciejUzywaneKategorieWydatkow(),
              (TListaPar{{3, 5}, {2, 3}, {4, 3}, {1, 3}, {-1, 3}, {99, 3}}));
    EXPECT_THAT(bezKolekcji.NajczesciejUzywaneKategorieWydatkow(), IsEmpty());
}

TEST_F(AnalizaRozkladyTest, MostUsedIncomeCategories)
{
    Przychod(Wtorek, 1, 2);
    Przychod(Wtorek, 1, 5);
    Przychod(Wtorek, 1, 5);
    EXPECT_EQ(analiza.NajczesciejUzywaneKategoriePrzychodow(), (TListaPar{{5, 2}, {2, 1}}));
}

TEST_F(AnalizaRozkladyTest, MostUsedSavingsCategoriesNeedIncomes)
{
    Wydatek(Wtorek, 1, 1, 7);
    Wydatek(Wtorek, 1, 1, 4);
    Wydatek(Wtorek, 1, 1, 7);
    EXPECT_THAT(analiza.NajczesciejUzywaneKategorieOszczednosci(), IsEmpty());

    Przychod(Sroda, 1, 1, 7);
    EXPECT_EQ(analiza.NajczesciejUzywaneKategorieOszczednosci(), (TListaPar{{7, 3}, {4, 1}}));
}

TEST_F(AnalizaRozkladyTest, TheDepositsPseudoCategoryRanksByItsOwnDescription)
{
    k.KategorieOszczednosci().push_back(std::make_unique<TKategoriaOszczednosci>(
        3, "Konto", false, true, false, TTypModyfikacji::BezZmian, 1));
    k.KategorieOszczednosci().push_back(std::make_unique<TKategoriaOszczednosci>(
        4, "Portfel", false, true, false, TTypModyfikacji::BezZmian, 1));
    Przychod(Sroda, 1, 1, 3);
    Przychod(Sroda, 1, 1, -1000);
    Przychod(Sroda, 1, 1, 4);
    // Portfel, Lokaty, Konto: from Z to A.
    EXPECT_EQ(analiza.NajczesciejUzywaneKategorieOszczednosci(), (TListaPar{{4, 1}, {-1000, 1}, {3, 1}}));
}

}  // namespace
