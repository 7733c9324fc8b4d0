// Counts, totals, month sums, first and last dates, spans and the rating-prompt test.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Osoba.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/ZlecenieStale.h"
#include "statistics/DaneAnalizy.h"

using testing::ElementsAre;

namespace {

using AnalizaTest = DaneAnalizy;

TEST_F(AnalizaTest, CountsAndTotalsAddEveryListWhateverTheState)
{
    Wydatek(KodujDate(2013, 5, 1), 100);
    Wydatek(KodujDate(2013, 5, 2), 50, 1, 1, BrakId, TTypModyfikacji::Usunieto);
    Przychod(KodujDate(2013, 5, 3), 200);
    k.Oszczednosci().push_back(std::make_unique<TOszczednosc>(1, 1, 50, KodujDate(2013, 5, 3), "", 1,
                                                              TTypModyfikacji::BezZmian));
    for (const TTypPlanu typ : {TTypPlanu::Wydatek, TTypPlanu::Przychod, TTypPlanu::Nieokreslony})
        k.Plany().push_back(std::make_unique<TPlan>(1, "Plan", 1, 10, KodujDate(2013, 6, 1), "",
                                                    TTypModyfikacji::BezZmian, typ));
    k.KategorieWydatki().push_back(std::make_unique<TKategoriaWydatki>());
    k.KategorieWydatki().push_back(std::make_unique<TKategoriaWydatki>());
    k.KategoriePrzychody().push_back(std::make_unique<TKategoriaPrzychody>());
    k.KategorieOszczednosci().push_back(std::make_unique<TKategoriaOszczednosci>());
    k.Osoby().push_back(std::make_unique<TOsoba>());
    k.ZleceniaStaleWydatki().push_back(std::make_unique<TZlecenieStale>());
    k.ZleceniaStalePrzychody().push_back(std::make_unique<TZlecenieStale>());
    k.ZleceniaStalePrzychody().push_back(std::make_unique<TZlecenieStale>());

    for (const TAnaliza* a : {&analiza, &bezKolekcji}) {
        const bool pelna = a == &analiza;
        SCOPED_TRACE(pelna ? "collections" : "no collections");
        EXPECT_EQ(a->WydatkiIlosc(), pelna ? 2 : 0);
        EXPECT_EQ(a->PrzychodyIlosc(), pelna ? 1 : 0);
        EXPECT_EQ(a->OszczednosciIlosc(), pelna ? 1 : 0);
        EXPECT_EQ(a->LacznaIlosc(), pelna ? 4 : 0);
        EXPECT_EQ(a->KategorieWydatkiIlosc(), pelna ? 2 : 0);
        EXPECT_EQ(a->KategoriePrzychodyIlosc(), pelna ? 1 : 0);
        EXPECT_EQ(a->KategorieOszczednosciIlosc(), pelna ? 1 : 0);
        EXPECT_EQ(a->LacznaIloscKategorii(), pelna ? 4 : 0);
        EXPECT_EQ(a->OsobyIlosc(), pelna ? 1 : 0);
        EXPECT_EQ(a->PlanyIlosc(), pelna ? 3 : 0);
        EXPECT_EQ(a->PlanyWydatkiIlosc(), pelna ? 1 : 0);
        EXPECT_EQ(a->PlanyPrzychodyIlosc(), pelna ? 1 : 0);
        EXPECT_EQ(a->ZleceniaStaleWydatkiIlosc(), pelna ? 1 : 0);
        EXPECT_EQ(a->ZleceniaStalePrzychodyIlosc(), pelna ? 2 : 0);
        EXPECT_EQ(a->ZleceniaStaleIlosc(), pelna ? 3 : 0);
        EXPECT_DOUBLE_EQ(a->WydatkiKwotaLaczna(), pelna ? 150 : 0);
        EXPECT_DOUBLE_EQ(a->PrzychodyKwotaLaczna(), pelna ? 200 : 0);
        EXPECT_DOUBLE_EQ(a->OszczednosciKwotaLaczna(), pelna ? 50 : 0);
        // Expenses are added, not subtracted.
        EXPECT_DOUBLE_EQ(a->LacznaKwota(), pelna ? 400 : 0);
    }
}

TEST_F(AnalizaTest, MonthSumsTakeTheCalendarMonthOfNowAndTheOneBefore)
{
    struct Przypadek {
        TDateTime Teraz;
        double WydatkiTeraz, PrzychodyTeraz, PrzychodyWczesniej;
    };
    Wydatek(KodujDate(2013, 5, 1), 10);
    Wydatek(KodujDateCzas(2013, 5, 31, 23, 59), 20, 1, 1, BrakId, TTypModyfikacji::Usunieto);
    Wydatek(KodujDate(2012, 5, 10), 1000);  // the same month name a year earlier
    Wydatek(KodujDate(2013, 1, 10), 5);
    Przychod(KodujDate(2013, 5, 2), 100);
    Przychod(KodujDate(2013, 4, 30), 200);
    Przychod(KodujDate(2012, 12, 24), 400);
    Przychod(KodujDate(2013, 2, 1), 800);
    const Przypadek przypadki[] = {
        {KodujDateCzas(2013, 5, 17, 12, 0), 30, 100, 200},
        {KodujDate(2013, 1, 1), 5, 0, 400},           // January looks back to December
        {KodujDate(2013, 3, 31), 0, 0, 800},          // 31 March looks back to February
        {KodujDate(2014, 6, 1), 0, 0, 0},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(DataCzasNaTekst(p.Teraz));
        zegar.Ustaw(p.Teraz);
        EXPECT_DOUBLE_EQ(analiza.WydatkiWTymMiesiacu(), p.WydatkiTeraz);
        EXPECT_DOUBLE_EQ(analiza.PrzychodyWTymMiesiacu(), p.PrzychodyTeraz);
        EXPECT_DOUBLE_EQ(analiza.PrzychodyWMinionymMiesiacu(), p.PrzychodyWczesniej);
    }
    EXPECT_EQ(bezKolekcji.WydatkiWTymMiesiacu(), 0);
    EXPECT_EQ(bezKolekcji.PrzychodyWMinionymMiesiacu(), 0);
}

TEST_F(AnalizaTest, FirstAndLastDatesSortEarliestFirstAndCapTheFutureAtNow)
{
    Wydatek(KodujDate(2013, 3, 1), 1);                      // id 1
    Wydatek(KodujDate(2099, 1, 1), 1);                      // id 2
    Wydatek(KodujDateCzas(2013, 1, 10, 14, 30), 1);         // id 3
    Przychod(KodujDateCzas(2013, 4, 1, 8, 0), 1);           // id 4
    Przychod(KodujDateCzas(2013, 2, 1, 9, 15), 1);          // id 5

    EXPECT_EQ(analiza.PierwszyWydatekData(), KodujDateCzas(2013, 1, 10, 14, 30));
    EXPECT_EQ(analiza.OstatniWydatekData(), Teraz());
    EXPECT_THAT(Idy(k.Wydatki()), ElementsAre(3, 1, 2));
    EXPECT_EQ(analiza.PierwszyPrzychodData(), KodujDateCzas(2013, 2, 1, 9, 15));
    EXPECT_EQ(analiza.OstatniPrzychodData(), KodujDateCzas(2013, 4, 1, 8, 0));
    EXPECT_THAT(Idy(k.Przychody()), ElementsAre(5, 4));

    const double dniWydatkow = Teraz() - KodujDateCzas(2013, 1, 10, 14, 30);
    EXPECT_DOUBLE_EQ(analiza.IloscDniZapisanychWydatkow(), dniWydatkow);
    EXPECT_DOUBLE_EQ(analiza.IloscTygodniZapisanychWydatkow(), dniWydatkow / 7);
    EXPECT_DOUBLE_EQ(analiza.IloscMiesiecyZapisanychWydatkow(), dniWydatkow / 30.4375);
    EXPECT_DOUBLE_EQ(analiza.IloscLatZapisanychWydatkow(), dniWydatkow / 365.25);
    const double dniPrzychodow = KodujDateCzas(2013, 4, 1, 8, 0) - KodujDateCzas(2013, 2, 1, 9, 15);
    EXPECT_DOUBLE_EQ(analiza.IloscDniZapisanychPrzychodow(), dniPrzychodow);
    EXPECT_DOUBLE_EQ(analiza.IloscLatZapisanychPrzychodow(), dniPrzychodow / 365.25);
    EXPECT_EQ(analiza.WydatkiPrzedzialDatStr(), "2013-01-10 14:30 do 2013-05-17 12:00");
}

TEST_F(AnalizaTest, WithoutRecordsBothDatesAreNow)
{
    for (TAnaliza* a : {&analiza, &bezKolekcji}) {
        EXPECT_EQ(a->PierwszyWydatekData(), Teraz());
        EXPECT_EQ(a->OstatniPrzychodData(), Teraz());
        EXPECT_EQ(a->IloscDniZapisanychWydatkow(), 0);
        EXPECT_EQ(a->IloscMiesiecyZapisanychPrzychodow(), 0);
        EXPECT_EQ(a->WydatkiPrzedzialDatStr(), "2013-05-17 12:00 do 2013-05-17 12:00");
    }
}

TEST_F(AnalizaTest, RatingPromptNeedsMoreThanHalfAYearAndMoreThan500Records)
{
    struct Przypadek {
        TDateTime Teraz;
        double DniOdPierwszegoUruchomienia;
        int Wydatki, Przychody;
        bool Wynik;
    };
    const TDateTime maj2013 = KodujDateCzas(2013, 5, 17, 12, 0);
    const TDateTime maj2012 = KodujDateCzas(2012, 5, 17, 12, 0);  // a leap year: half is 183
    const Przypadek przypadki[] = {
        {maj2013, 183, 501, 0, true},   {maj2013, 182, 501, 0, false},
        {maj2013, 182.5, 501, 0, false}, {maj2013, 183, 0, 501, true},
        {maj2013, 183, 500, 500, false}, {maj2013, -183, 501, 0, true},  // a first run "in the future"
        {maj2012, 183, 501, 0, false},  {maj2012, 184, 501, 0, true},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(testing::Message() << DataCzasNaTekst(p.Teraz) << ", " << p.DniOdPierwszegoUruchomienia
                                        << " days, " << p.Wydatki << " expenses, " << p.Przychody << " incomes");
        k.Clear();
        for (int i = 0; i < p.Wydatki; ++i)
            Wydatek(KodujDate(2013, 1, 1), 1);
        for (int i = 0; i < p.Przychody; ++i)
            Przychod(KodujDate(2013, 1, 1), 1);
        zegar.Ustaw(p.Teraz);
        EXPECT_EQ(analiza.SprawdzCzyMoznaPokazacKomunikatZachecajacyDoOceny(p.Teraz - p.DniOdPierwszegoUruchomienia),
                  p.Wynik);
    }
}

}  // namespace
