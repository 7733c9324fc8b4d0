#include <gtest/gtest.h>

#include <cmath>

#include "common/Wyjatki.h"
#include "records/ZlecenieStale.h"
#include "support/TestPlatforma.h"

namespace {

const TDateTime Chwila = KodujDateCzas(2013, 5, 12, 12, 0);

TZlecenieStale Zlecenie(TCzestotliwosc czestotliwosc, TDateTime data)
{
    TZlecenieStale z;
    z.SetCzestotliwosc(czestotliwosc);
    z.SetData(data);
    return z;
}

TEST(ZlecenieStale, NoweNigdyNieustawioneINieaktywne)
{
    TUstawionyZegar zegar(Chwila);
    const TZlecenieStale z;
    EXPECT_EQ(z.Id(), -1);
    EXPECT_EQ(z.Czestotliwosc(), TCzestotliwosc::Nigdy);
    EXPECT_EQ(z.CzestotliwoscString(), "Nigdy");
    EXPECT_EQ(z.TypZleceniaStalego(), -1);
    EXPECT_EQ(z.TypZleceniaStalegoStr(), "");
    EXPECT_FALSE(z.Aktywne());
    EXPECT_EQ(z.Kwota(), 0);
    EXPECT_EQ(z.Data(), Chwila);
    EXPECT_EQ(z.IdKategorii(), 0);
    EXPECT_EQ(z.IdOsoba(), 0);
    EXPECT_EQ(z.Zmiany(), TTypModyfikacji::BezZmian);
}

TEST(ZlecenieStale, ClearZostawiaIdentyfikatoryPowiazan)
{
    TUstawionyZegar zegar(Chwila);
    TZlecenieStale z;
    z.SetId(4);
    z.SetIdKategorii(7);
    z.SetIdZleceniaStalego(8);
    z.SetIdOszczednosci(9);
    z.SetIdOsoba(10);
    z.SetNazwa("Czynsz");
    z.SetCzestotliwosc(TCzestotliwosc::CoMiesiac);
    z.SetAktywne(true);
    z.SetZmiany(TTypModyfikacji::Zmieniono);
    zegar.Ustaw(Chwila + 1);
    z.Clear();
    EXPECT_EQ(z.Id(), -1);
    EXPECT_EQ(z.Nazwa(), "");
    EXPECT_EQ(z.Czestotliwosc(), TCzestotliwosc::Nigdy);
    EXPECT_FALSE(z.Aktywne());
    EXPECT_EQ(z.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(z.Data(), Chwila + 1);
    EXPECT_EQ(z.IdKategorii(), 7);
    EXPECT_EQ(z.IdZleceniaStalego(), 8);
    EXPECT_EQ(z.IdOszczednosci(), 9);
    EXPECT_EQ(z.IdOsoba(), 10);
}

TEST(Czestotliwosc, EtykietyWKolejnosciWartosci)
{
    const std::vector<std::pair<int, std::string>> oczekiwane{
        {-1, "Nigdy"},          {0, "Codziennie"}, {1, "Co tydzień"},
        {2, "Co miesiąc"},      {3, "Co dwa miesiące"},
        {4, "Co kwartał"},      {5, "Co pół roku"}, {6, "Co rok"},
        {7, "Uruchamiane ręcznie"}};
    EXPECT_EQ(EtykietyCzestotliwosci(), oczekiwane);
    for (const auto& [wartosc, etykieta] : oczekiwane)
        EXPECT_EQ(CzestotliwoscNaTekst(static_cast<TCzestotliwosc>(wartosc)), etykieta);
}

TEST(Czestotliwosc, WartoscSpozaTabeliNieMaEtykiety)
{
    TUstawionyZegar zegar(Chwila);
    for (const int wartosc : {8, -2, 127, -128}) {
        const TZlecenieStale z = Zlecenie(static_cast<TCzestotliwosc>(wartosc), Chwila);
        try {
            (void)z.CzestotliwoscString();
            ADD_FAILURE() << "brak błędu dla " << wartosc;
        } catch (const EGrosiwoException& e) {
            EXPECT_STREQ(e.what(), "Item not found");
        }
        EXPECT_EQ(z.CzestotliwoscIloscDni(), 0) << wartosc;
        EXPECT_FALSE(NastepnyTerminCzestotliwosci(z.Czestotliwosc(), Chwila)) << wartosc;
    }
}

struct TKrok {
    TCzestotliwosc Czestotliwosc;
    TDateTime Data;
    int32_t Dni;
};

class KrokCzestotliwosci : public testing::TestWithParam<TKrok> {};

TEST_P(KrokCzestotliwosci, IloscDniOdDaty)
{
    TUstawionyZegar zegar(Chwila);
    const TKrok& k = GetParam();
    EXPECT_EQ(Zlecenie(k.Czestotliwosc, k.Data).CzestotliwoscIloscDni(), k.Dni);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, KrokCzestotliwosci,
    testing::Values(TKrok{TCzestotliwosc::Nigdy, KodujDate(2013, 1, 31), 0},
                    TKrok{TCzestotliwosc::Codziennie, KodujDate(2013, 1, 31), 1},
                    TKrok{TCzestotliwosc::CoTydzien, KodujDate(2013, 1, 31), 7},
                    // Month steps keep the day, clamped to the target month's length.
                    TKrok{TCzestotliwosc::CoMiesiac, KodujDateCzas(2013, 1, 31, 8, 0), 28},
                    TKrok{TCzestotliwosc::CoMiesiac, KodujDate(2012, 1, 31), 29},
                    TKrok{TCzestotliwosc::CoMiesiac, KodujDate(2013, 3, 15), 31},
                    TKrok{TCzestotliwosc::CoDwaMiesiace, KodujDate(2012, 12, 31), 59},
                    TKrok{TCzestotliwosc::CoKwartal, KodujDate(2012, 11, 30), 90},
                    TKrok{TCzestotliwosc::CoPolRoku, KodujDate(2012, 8, 31), 181},
                    TKrok{TCzestotliwosc::CoRok, KodujDate(2012, 3, 1), 365},
                    TKrok{TCzestotliwosc::CoRok, KodujDate(2012, 1, 1), 366},
                    TKrok{TCzestotliwosc::CoRok, KodujDate(2012, 2, 29), 365},
                    TKrok{TCzestotliwosc::UruchamianeRecznie, KodujDate(2013, 1, 31), 2147483647}));

TEST(Czestotliwosc, NastepnyTerminZachowujeGodzineIPrzycinaDzien)
{
    EXPECT_EQ(NastepnyTerminCzestotliwosci(TCzestotliwosc::CoMiesiac, KodujDateCzas(2013, 1, 31, 8, 0)),
              KodujDateCzas(2013, 2, 28, 8, 0));
    EXPECT_EQ(NastepnyTerminCzestotliwosci(TCzestotliwosc::CoRok, KodujDate(2012, 2, 29)),
              KodujDate(2013, 2, 28));
    EXPECT_FALSE(NastepnyTerminCzestotliwosci(TCzestotliwosc::Nigdy, Chwila));
    EXPECT_FALSE(NastepnyTerminCzestotliwosci(TCzestotliwosc::UruchamianeRecznie, Chwila));
}

TEST(ZlecenieStale, TypIZmiennaKwota)
{
    TUstawionyZegar zegar(Chwila);
    TZlecenieStale z;
    z.SetTypZleceniaStalego(0);
    EXPECT_EQ(z.TypZleceniaStalegoStr(), "Wydatki");
    z.SetTypZleceniaStalego(1);
    EXPECT_EQ(z.TypZleceniaStalegoStr(), "Przychody");
    z.SetTypZleceniaStalego(2);
    EXPECT_EQ(z.TypZleceniaStalegoStr(), "");

    z.SetKwota(-1);
    EXPECT_TRUE(z.KwotaMozeUlecZmianie());
    z.SetKwota(0);
    EXPECT_FALSE(z.KwotaMozeUlecZmianie());
    z.SetKwota(-1.5);
    EXPECT_FALSE(z.KwotaMozeUlecZmianie());
}

TEST(ZlecenieStale, DataDodaniaBierzeDzienZDatyIGodzineZTerazDoSekundy)
{
    TUstawionyZegar zegar(KodujDateCzas(2013, 5, 12, 14, 30, 15, 678));
    const TZlecenieStale z = Zlecenie(TCzestotliwosc::CoTydzien, KodujDateCzas(2013, 5, 10, 8, 0));
    EXPECT_EQ(PorownajDaty(z.PobierzDateDodaniaTegoZleceniaDoBazy(),
                           KodujDateCzas(2013, 5, 17, 14, 30, 15)),
              0);

    const TZlecenieStale miesieczne =
        Zlecenie(TCzestotliwosc::CoMiesiac, KodujDateCzas(2013, 1, 31, 23, 59));
    EXPECT_EQ(PorownajDaty(miesieczne.PobierzDateDodaniaTegoZleceniaDoBazy(),
                           KodujDateCzas(2013, 2, 28, 14, 30, 15)),
              0);
}

TEST(ZlecenieStale, IloscDniDoWykonaniaOdOstatniegoWykonania)
{
    TUstawionyZegar zegar(Chwila);  // 2013-05-12 12:00
    const TZlecenieStale miesieczne = Zlecenie(TCzestotliwosc::CoMiesiac, KodujDate(2013, 1, 1));

    EXPECT_TRUE(std::isnan(miesieczne.PobierzIloscDniDoWykonania(nullptr)));

    // The due date uses the step of the last execution's own frequency.
    const TZlecenieStale kwietniowe = Zlecenie(TCzestotliwosc::CoMiesiac, KodujDateCzas(2013, 4, 10, 9, 0));
    EXPECT_EQ(miesieczne.PobierzIloscDniDoWykonania(&kwietniowe), -2);
    const TZlecenieStale majowe = Zlecenie(TCzestotliwosc::CoMiesiac, KodujDate(2013, 5, 1));
    EXPECT_EQ(miesieczne.PobierzIloscDniDoWykonania(&majowe), 20);  // due 2013-06-01 12:00
    const TZlecenieStale tygodniowe = Zlecenie(TCzestotliwosc::CoTydzien, KodujDate(2013, 5, 1));
    EXPECT_EQ(miesieczne.PobierzIloscDniDoWykonania(&tygodniowe), -4);

    for (const TCzestotliwosc nigdySamo : {TCzestotliwosc::UruchamianeRecznie, TCzestotliwosc::Nigdy}) {
        const TZlecenieStale z = Zlecenie(nigdySamo, KodujDate(2013, 1, 1));
        EXPECT_EQ(z.PobierzIloscDniDoWykonania(&majowe), INFINITY);
        EXPECT_TRUE(std::isnan(z.PobierzIloscDniDoWykonania(nullptr)));
    }
}

}  // namespace
