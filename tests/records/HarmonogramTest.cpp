#include <gtest/gtest.h>

#include "records/HarmonogramLokatyBankowej.h"
#include "support/TestPlatforma.h"

namespace {

const TDateTime Chwila = KodujDateCzas(2013, 5, 17, 12, 0);

THarmonogramLokatyBankowej Oferta(uint32_t okres, TJednostkaOkresu jednostka)
{
    THarmonogramLokatyBankowej h;
    h.SetBank("PKO");
    h.SetNazwaHarmonogramu("Lokata");
    h.SetOkresDepozytu(okres);
    h.SetJednostkaDepozytu(jednostka);
    h.SetOprocentowanieWSkaliRoku(4.5);
    return h;
}

TEST(Harmonogram, NowyMaDomyslneINieustawioneWyliczenia)
{
    TUstawionyZegar zegar(Chwila);
    THarmonogramLokatyBankowej h;
    EXPECT_EQ(h.Id(), -1);
    EXPECT_EQ(h.OkresDepozytu(), 0u);
    EXPECT_EQ(h.JednostkaDepozytu(), TJednostkaOkresu::Nieustawiona);
    EXPECT_EQ(h.Kapitalizacja(), TKapitalizacja::Nieustawiona);
    EXPECT_EQ(h.KapitalizacjaNazwa(), "(brak danych)");
    EXPECT_EQ(h.IloscOkresowKapitalizacji(), 0);
    EXPECT_EQ(h.DataDodaniaModyfikacji(), Chwila);
    EXPECT_EQ(h.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(h.NazwaDepozytu(), "");
    EXPECT_EQ(h.OprocentowanieStaleWCalymOkresieLokatyNazwa(), "Zmienne");
    EXPECT_EQ(h.WymaganeKontoOsobisteWTymBankuNazwa(), "Niewymagane");

    h.SetIloscOkresowKapitalizacji(4);
    h.SetBank("X");
    h.Clear();
    EXPECT_EQ(h.Bank(), "");
    EXPECT_EQ(h.IloscOkresowKapitalizacji(), 4);
}

TEST(Harmonogram, NazwyOkresuIDniWedlugJednostki)
{
    struct {
        uint32_t Okres;
        TJednostkaOkresu Jednostka;
        const char* Nazwa;
        uint32_t Dni;
    } const przypadki[] = {
        {10, TJednostkaOkresu::Dni, "10D", 10},
        {3, TJednostkaOkresu::Tygodnie, "21D", 21},
        {6, TJednostkaOkresu::Miesiace, "6M", 180},
        {2, TJednostkaOkresu::Lata, "2R", 730},
        {12, TJednostkaOkresu::Nieustawiona, "", 12},
        {12, static_cast<TJednostkaOkresu>(42), "", 12},
        // A length from elsewhere never wraps around.
        {4000000000u, TJednostkaOkresu::Tygodnie, "28000000000D", 4294967295u},
    };
    for (const auto& p : przypadki) {
        const THarmonogramLokatyBankowej h = Oferta(p.Okres, p.Jednostka);
        EXPECT_EQ(h.NazwaDepozytu(), p.Nazwa) << p.Okres;
        EXPECT_EQ(h.OkresLokatyIloscDni(), p.Dni) << p.Okres;
    }
}

TEST(Harmonogram, TekstIdentyfikujacyOferte)
{
    THarmonogramLokatyBankowej h = Oferta(6, TJednostkaOkresu::Miesiace);
    EXPECT_EQ(h.NazwaWyswietlana(), "Lokata 6M");
    EXPECT_EQ(h.BankNazwaOprocentowanie(), "PKO - Lokata 6M (4,50%)");
    h.SetOprocentowanieWSkaliRoku(3.125);
    EXPECT_EQ(h.BankNazwaOprocentowanie(), "PKO - Lokata 6M (3,12%)");
    h.SetJednostkaDepozytu(TJednostkaOkresu::Nieustawiona);
    EXPECT_EQ(h.BankNazwaOprocentowanie(), "PKO - Lokata  (3,12%)");
}

TEST(Harmonogram, KapitalizacjaNazwaIOkres)
{
    struct {
        int Wartosc;
        const char* Nazwa;
        uint32_t Dni;
    } const przypadki[] = {
        {0, "Dzienna", 1},       {1, "Miesięczna", 30},
        {2, "Roczna", 360},      {3, "Kwartalna", 90},
        {4, "Po okresie umowy", 63}, {5, "Półroczna", 180},
        {-1, "(brak danych)", 0}, {6, "(brak danych)", 0},
        {-128, "(brak danych)", 0},
    };
    THarmonogramLokatyBankowej h = Oferta(9, TJednostkaOkresu::Tygodnie);
    for (const auto& p : przypadki) {
        h.SetKapitalizacja(static_cast<TKapitalizacja>(p.Wartosc));
        EXPECT_EQ(h.KapitalizacjaNazwa(), p.Nazwa) << p.Wartosc;
        EXPECT_EQ(h.KapitalizacjaCoIleDni(), p.Dni) << p.Wartosc;
    }
}

TEST(Harmonogram, TekstyKwotIWarunkow)
{
    THarmonogramLokatyBankowej h;
    EXPECT_EQ(h.KwotaMinimalnaString(), "(brak)");
    EXPECT_EQ(h.KwotaMaksymalnaString(), "(brak górnego ograniczenia)");
    h.SetKwotaMinimalna(-5);
    EXPECT_EQ(h.KwotaMinimalnaString(), "(brak)");
    h.SetKwotaMinimalna(1000);
    h.SetKwotaMaksymalna(50000.5);
    EXPECT_EQ(h.KwotaMinimalnaString(), "1 000,00 zł");
    EXPECT_EQ(h.KwotaMaksymalnaString(), "50 000,50 zł");

    h.SetOprocentowanieStaleWCalymOkresieLokaty(true);
    h.SetWymaganeKontoOsobisteWTymBanku(true);
    EXPECT_EQ(h.OprocentowanieStaleWCalymOkresieLokatyNazwa(), "Stałe");
    EXPECT_EQ(h.WymaganeKontoOsobisteWTymBankuNazwa(), "Wymagane");
}

TEST(OkresSlownie, PolskieFormyJednostek)
{
    struct {
        uint32_t Ile;
        TJednostkaOkresu Jednostka;
        const char* Tekst;
    } const przypadki[] = {
        {0, TJednostkaOkresu::Dni, "0"},
        {1, TJednostkaOkresu::Dni, "1 dzień"},
        {2, TJednostkaOkresu::Dni, "2 dni"},
        {31, TJednostkaOkresu::Dni, "31 dni"},
        {0, TJednostkaOkresu::Tygodnie, "0 tygodni"},
        {1, TJednostkaOkresu::Tygodnie, "1 tydzień"},
        {2, TJednostkaOkresu::Tygodnie, "2 tygodnie"},
        {3, TJednostkaOkresu::Tygodnie, "3 tygodnie"},
        {5, TJednostkaOkresu::Tygodnie, "5 tygodni"},
        {12, TJednostkaOkresu::Tygodnie, "12 tygodni"},
        {21, TJednostkaOkresu::Tygodnie, "21 tygodni"},
        {22, TJednostkaOkresu::Tygodnie, "22 tygodni"},
        {1, TJednostkaOkresu::Miesiace, "1 miesiąc"},
        {4, TJednostkaOkresu::Miesiace, "4 miesiące"},
        {14, TJednostkaOkresu::Miesiace, "14 miesięcy"},
        {24, TJednostkaOkresu::Miesiace, "24 miesięcy"},
        {1, TJednostkaOkresu::Lata, "1 rok"},
        {2, TJednostkaOkresu::Lata, "2 lata"},
        {5, TJednostkaOkresu::Lata, "5 lat"},
        {112, TJednostkaOkresu::Lata, "112 lat"},
        {123, TJednostkaOkresu::Lata, "123 lat"},
        {1, TJednostkaOkresu::Nieustawiona, "1"},
        {7, static_cast<TJednostkaOkresu>(4), "7"},
    };
    for (const auto& p : przypadki) {
        EXPECT_EQ(OkresSlownie(p.Ile, p.Jednostka), p.Tekst);
        EXPECT_EQ(Oferta(p.Ile, p.Jednostka).OkresLokaty(), p.Tekst);
    }
}

}  // namespace
