#include <gtest/gtest.h>

#include <cmath>

#include "records/Lokata.h"
#include "support/TestPlatforma.h"

namespace {

const TDateTime Chwila = KodujDateCzas(2013, 5, 17, 12, 0);

TLokata Lokata(double kwota, uint16_t okres, TJednostkaOkresu jednostka,
               TDateTime start = KodujDate(2013, 1, 1))
{
    return TLokata(3, "Lokata", kwota, start, okres, jednostka, 9, true, TTypModyfikacji::BezZmian);
}

THarmonogramLokatyBankowej Oferta(double oprocentowanie, TKapitalizacja kapitalizacja)
{
    THarmonogramLokatyBankowej h;
    h.SetOprocentowanieWSkaliRoku(oprocentowanie);
    h.SetKapitalizacja(kapitalizacja);
    return h;
}

TEST(Lokata, NowaIZWartosciami)
{
    TUstawionyZegar zegar(Chwila);
    const TLokata nowa;
    EXPECT_EQ(nowa.Id(), -1);
    EXPECT_EQ(nowa.Nazwa(), "");
    EXPECT_EQ(nowa.Kwota(), 0);
    EXPECT_EQ(nowa.DataRozpoczecia(), Chwila);
    EXPECT_EQ(nowa.OkresLokaty(), 0);
    EXPECT_EQ(nowa.JednostkaLokaty(), TJednostkaOkresu::Nieustawiona);
    EXPECT_EQ(nowa.IdHarmonogramLokaty(), -1);
    EXPECT_FALSE(nowa.Aktywna());
    EXPECT_EQ(nowa.Zmiany(), TTypModyfikacji::BezZmian);

    const TLokata l(5, "Wakacje", 2500, KodujDate(2013, 2, 1), 6, TJednostkaOkresu::Miesiace, 4, true,
                    TTypModyfikacji::Dodano);
    EXPECT_EQ(l.Id(), 5);
    EXPECT_EQ(l.Nazwa(), "Wakacje");
    EXPECT_EQ(l.Kwota(), 2500);
    EXPECT_EQ(l.DataRozpoczecia(), KodujDate(2013, 2, 1));
    EXPECT_EQ(l.OkresLokaty(), 6);
    EXPECT_EQ(l.JednostkaLokaty(), TJednostkaOkresu::Miesiace);
    EXPECT_EQ(l.IdHarmonogramLokaty(), 4);
    EXPECT_TRUE(l.Aktywna());
    EXPECT_EQ(l.Zmiany(), TTypModyfikacji::Dodano);
    EXPECT_EQ(l.OkresLokatyString(), "6 miesięcy");
}

struct TKoniecLokaty {
    TDateTime Start;
    uint16_t Okres;
    TJednostkaOkresu Jednostka;
    TDateTime Koniec;
    uint32_t Dni;
};

class KoniecLokaty : public testing::TestWithParam<TKoniecLokaty> {};

TEST_P(KoniecLokaty, DataZakonczeniaIDniKalendarzowe)
{
    TUstawionyZegar zegar(Chwila);
    const TKoniecLokaty& k = GetParam();
    const TLokata l = Lokata(1000, k.Okres, k.Jednostka, k.Start);
    EXPECT_EQ(PorownajDaty(l.SzacowanaDataZakonczenia(), k.Koniec), 0);
    EXPECT_EQ(l.OkresLokatyWDniach(), k.Dni);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, KoniecLokaty,
    testing::Values(
        TKoniecLokaty{KodujDate(2012, 3, 1), 1, TJednostkaOkresu::Lata, KodujDate(2013, 3, 1), 365},
        TKoniecLokaty{KodujDate(2012, 2, 29), 1, TJednostkaOkresu::Lata, KodujDate(2013, 2, 28), 365},
        TKoniecLokaty{KodujDate(2013, 1, 31), 1, TJednostkaOkresu::Miesiace, KodujDate(2013, 2, 28), 28},
        TKoniecLokaty{KodujDateCzas(2013, 5, 1, 10, 0), 3, TJednostkaOkresu::Tygodnie,
                      KodujDateCzas(2013, 5, 22, 10, 0), 21},
        TKoniecLokaty{KodujDate(2013, 5, 1), 100, TJednostkaOkresu::Dni, KodujDate(2013, 8, 9), 100},
        // No unit: no end date, and no span to the zero date either.
        TKoniecLokaty{KodujDate(2013, 5, 1), 12, TJednostkaOkresu::Nieustawiona, 0, 0},
        TKoniecLokaty{KodujDate(2013, 5, 1), 12, static_cast<TJednostkaOkresu>(9), 0, 0}));

TEST(Lokata, IloscDniDoZakonczenia)
{
    TUstawionyZegar zegar(Chwila);
    struct {
        double KoniecWzgledemTeraz;
        int32_t Dni;
        bool Zakonczona;
    } const przypadki[] = {
        {10.0 / 24, 1, false},       // less than a day left still counts the end day
        {2 + 1.0 / 24, 3, false},
        {0, 0, true},                // ends exactly now
        {-2.0 / 24, 0, true},        // the end day
        {-(3 + 5.0 / 24), -3, true}, // 3 days 5 hours ago
    };
    for (const auto& p : przypadki) {
        const TLokata l = Lokata(1000, 10, TJednostkaOkresu::Dni, Chwila + p.KoniecWzgledemTeraz - 10);
        EXPECT_EQ(l.IloscDniDoZakonczenia(), p.Dni) << p.KoniecWzgledemTeraz;
        EXPECT_EQ(l.Zakonczona(), p.Zakonczona) << p.KoniecWzgledemTeraz;
    }

    TLokata nieaktywna = Lokata(1000, 10, TJednostkaOkresu::Dni, Chwila);
    nieaktywna.SetAktywna(false);
    EXPECT_EQ(nieaktywna.IloscDniDoZakonczenia(), 2147483647);
    EXPECT_TRUE(nieaktywna.Zakonczona());
}

TEST(ZyskZLokaty, PoOkresieUmowyJednaKapitalizacjaIPodatekOdCalosci)
{
    THarmonogramLokatyBankowej h = Oferta(4, TKapitalizacja::PoOkresieUmowy);
    // G = 360 * 10000 * 0.04 / 360 = 400, tax = round(400 * 0.19) = 76.
    EXPECT_DOUBLE_EQ(Lokata(10000, 12, TJednostkaOkresu::Miesiace).ObliczSzacowanyZyskZLokaty(&h), 324);
    EXPECT_EQ(h.IloscOkresowKapitalizacji(), 1);
    // A year counts 360 days here, although the calendar year has 365.
    EXPECT_DOUBLE_EQ(Lokata(10000, 1, TJednostkaOkresu::Lata, KodujDate(2012, 3, 1)).ObliczSzacowanyZyskZLokaty(&h),
                     324);
}

TEST(ZyskZLokaty, MiesiecznaDwanascieOkresowKapitalizujeOdsetkiBrutto)
{
    THarmonogramLokatyBankowej h = Oferta(4, TKapitalizacja::Miesieczna);
    const double zysk = Lokata(10000, 12, TJednostkaOkresu::Miesiace).ObliczSzacowanyZyskZLokaty(&h);
    EXPECT_EQ(h.IloscOkresowKapitalizacji(), 12);
    // Gross interest compounds to 10000 * ((1 + 0.04 / 12)^12 - 1) = 407.42; the monthly tax is
    // 6 on the rounded interest of 33 or 34, and 7 in the last month (35): 73 in all.
    EXPECT_NEAR(zysk, 334.42, 1e-9);
    EXPECT_NEAR(10000 * (std::pow(1 + 0.04 / 12, 12) - 1) - 73, zysk, 12 * 0.005);
}

TEST(ZyskZLokaty, StoDniMiesiecznieToTrzyPelneOkresyIDziesiecDni)
{
    THarmonogramLokatyBankowej h = Oferta(4, TKapitalizacja::Miesieczna);
    const double zysk = Lokata(10000, 100, TJednostkaOkresu::Dni).ObliczSzacowanyZyskZLokaty(&h);
    EXPECT_DOUBLE_EQ(h.IloscOkresowKapitalizacji(), 100.0 / 30);
    // Nets 27.33, 27.44, 27.56, then 10 days of 11.22 gross less a tax of 2.
    EXPECT_NEAR(zysk, 27.33 + 27.44 + 27.56 + 9.22, 1e-9);
}

TEST(ZyskZLokaty, PodatekZaokraglanyDoParzystej)
{
    THarmonogramLokatyBankowej h = Oferta(1, TKapitalizacja::PoOkresieUmowy);
    // Interest 150: tax 28.5 goes to 28, not 29.
    EXPECT_DOUBLE_EQ(Lokata(15000, 12, TJednostkaOkresu::Miesiace).ObliczSzacowanyZyskZLokaty(&h), 122);
    // Interest 2.5: the tax base goes to 2 (tax 0), not 3 (tax 1).
    EXPECT_DOUBLE_EQ(Lokata(250, 12, TJednostkaOkresu::Miesiace).ObliczSzacowanyZyskZLokaty(&h), 2.5);
}

TEST(ZyskZLokaty, DziennaKapitalizacjaPrawieBezPodatku)
{
    THarmonogramLokatyBankowej h = Oferta(4, TKapitalizacja::Dzienna);
    const double zysk = Lokata(10000, 30, TJednostkaOkresu::Dni).ObliczSzacowanyZyskZLokaty(&h);
    EXPECT_EQ(h.IloscOkresowKapitalizacji(), 30);
    // Daily interest of about 1.11 rounds to a tax base of 1 and a tax of 0.
    EXPECT_NEAR(zysk, 10000 * (std::pow(1 + 0.04 / 360, 30) - 1), 30 * 0.005);
}

TEST(ZyskZLokaty, BezOfertyJednostkiLubKapitalizacji)
{
    EXPECT_EQ(Lokata(10000, 12, TJednostkaOkresu::Miesiace).ObliczSzacowanyZyskZLokaty(nullptr), 0);

    THarmonogramLokatyBankowej miesieczna = Oferta(4, TKapitalizacja::Miesieczna);
    miesieczna.SetIloscOkresowKapitalizacji(7);
    EXPECT_EQ(Lokata(10000, 12, TJednostkaOkresu::Nieustawiona).ObliczSzacowanyZyskZLokaty(&miesieczna), 0);
    EXPECT_EQ(miesieczna.IloscOkresowKapitalizacji(), 0);

    // An unknown capitalisation pays once for the whole deposit but counts no periods.
    for (const int kapitalizacja : {-1, 6, 100}) {
        THarmonogramLokatyBankowej h = Oferta(4, static_cast<TKapitalizacja>(kapitalizacja));
        EXPECT_DOUBLE_EQ(Lokata(10000, 12, TJednostkaOkresu::Miesiace).ObliczSzacowanyZyskZLokaty(&h), 324);
        EXPECT_EQ(h.IloscOkresowKapitalizacji(), 0);
    }
}

}  // namespace
