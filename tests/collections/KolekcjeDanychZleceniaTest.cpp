// Standing-order queries: when an order falls due, its last execution, lookups by id and the
// origin of a transaction.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "collections/KolekcjeDanych.h"
#include "collections/KolekcjeDanychZlecenia.h"
#include "collections/RekordyTestowe.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"
#include "support/TestPlatforma.h"

namespace {

constexpr auto BezZmian = TTypModyfikacji::BezZmian;
constexpr TDateTime Sekunda = 1.0 / 86400;
const TDateTime Teraz2013 = KodujDateCzas(2013, 5, 17, 12, 0);

class ZleceniaStaleTest : public testing::Test {
protected:
    TZlecenieStale& Zlecenie(int32_t id, TCzestotliwosc czestotliwosc, TDateTime data = KodujDate(2013, 1, 1))
    {
        TZlecenieStale& z = Dodaj(k.ZleceniaStaleWydatki());
        z.SetId(id);
        z.SetTypZleceniaStalego(0);
        z.SetCzestotliwosc(czestotliwosc);
        z.SetData(data);
        z.SetAktywne(true);
        return z;
    }
    TZlecenieStale& Wykonanie(int32_t id, int32_t idZlecenia, TDateTime data)
    {
        TZlecenieStale& h = Dodaj(k.HistoriaZlecenStalych());
        h.SetId(id);
        h.SetIdZleceniaStalego(idZlecenia);
        h.SetData(data);
        return h;
    }

    TUstawionyZegar zegar{Teraz2013};
    TKolekcjeDanych k;
};

struct TPrzypadekTerminu {
    const char* Opis;
    TCzestotliwosc Czestotliwosc;
    std::optional<TDateTime> OstatnieWykonanie;
    TDateTime Teraz;
    bool Wymagane;
};

class TerminWykonania : public ZleceniaStaleTest,
                        public testing::WithParamInterface<TPrzypadekTerminu> {};

TEST_P(TerminWykonania, SprawdzCzyTrzebaWykonacZlecenie)
{
    const TPrzypadekTerminu& p = GetParam();
    zegar.Ustaw(p.Teraz);
    const TZlecenieStale& z = Zlecenie(7, p.Czestotliwosc);
    if (p.OstatnieWykonanie)
        Wykonanie(1, 7, *p.OstatnieWykonanie);
    Wykonanie(2, 8, KodujDate(2000, 1, 1));  // another order's execution counts for nothing
    EXPECT_EQ(SprawdzCzyTrzebaWykonacZlecenie(k, &z), p.Wymagane);
    if (p.OstatnieWykonanie) {
        EXPECT_EQ(MinalTerminKolejnegoWykonania(&z, *p.OstatnieWykonanie), p.Wymagane);
    }
}

const TDateTime Koniec31Stycznia = KodujDate(2013, 1, 31);
const TDateTime Luty28 = KodujDate(2013, 2, 28);

INSTANTIATE_TEST_SUITE_P(
    Przypadki, TerminWykonania,
    testing::Values(
        TPrzypadekTerminu{"TydzienISekunda", TCzestotliwosc::CoTydzien, Teraz2013 - 7 - Sekunda, Teraz2013, true},
        TPrzypadekTerminu{"SzescDni", TCzestotliwosc::CoTydzien, Teraz2013 - 6, Teraz2013, false},
        TPrzypadekTerminu{"DokladnieTydzien", TCzestotliwosc::CoTydzien, Teraz2013 - 7, Teraz2013, false},
        TPrzypadekTerminu{"MiesiecznieBezHistorii", TCzestotliwosc::CoMiesiac, std::nullopt, Teraz2013, true},
        TPrzypadekTerminu{"MiesiecznieOd31StyczniaO28Lutego", TCzestotliwosc::CoMiesiac, Koniec31Stycznia, Luty28, false},
        TPrzypadekTerminu{"MiesiecznieOd31StyczniaPo28Lutym", TCzestotliwosc::CoMiesiac, Koniec31Stycznia, Luty28 + 2.0 / 86400000, true},
        TPrzypadekTerminu{"CoRokPoRoku", TCzestotliwosc::CoRok, KodujDate(2012, 5, 17), Teraz2013, true},
        TPrzypadekTerminu{"RecznieBezHistorii", TCzestotliwosc::UruchamianeRecznie, std::nullopt, Teraz2013, true},
        TPrzypadekTerminu{"RecznieZHistoria", TCzestotliwosc::UruchamianeRecznie, KodujDate(2000, 1, 1), Teraz2013, false},
        TPrzypadekTerminu{"NigdyBezHistorii", TCzestotliwosc::Nigdy, std::nullopt, Teraz2013, true},
        TPrzypadekTerminu{"NigdyZHistoria", TCzestotliwosc::Nigdy, KodujDate(2000, 1, 1), Teraz2013, false},
        TPrzypadekTerminu{"NieznanaCzestotliwosc", static_cast<TCzestotliwosc>(42), KodujDate(2000, 1, 1), Teraz2013, false},
        // The step would leave the calendar: never due, and no exception.
        TPrzypadekTerminu{"KrokPoza9999", TCzestotliwosc::CoRok, KodujDate(9999, 6, 1), KodujDate(9999, 12, 31), false}),
    [](const testing::TestParamInfo<TPrzypadekTerminu>& info) { return std::string(info.param.Opis); });

TEST_F(ZleceniaStaleTest, ZleceniePominieteNigdyNieJestWymagane)
{
    EXPECT_FALSE(SprawdzCzyTrzebaWykonacZlecenie(k, nullptr));
    EXPECT_FALSE(MinalTerminKolejnegoWykonania(nullptr, KodujDate(2000, 1, 1)));

    TZlecenieStale& z = Zlecenie(1, TCzestotliwosc::Codziennie);
    ASSERT_TRUE(SprawdzCzyTrzebaWykonacZlecenie(k, &z));
    for (const TTypModyfikacji zmiany :
         {TTypModyfikacji::Dodano, TTypModyfikacji::Zmieniono, TTypModyfikacji::Usunieto}) {
        z.SetZmiany(zmiany);
        EXPECT_FALSE(SprawdzCzyTrzebaWykonacZlecenie(k, &z)) << static_cast<int>(zmiany);
    }
    z.SetZmiany(BezZmian);
    z.SetAktywne(false);
    EXPECT_FALSE(SprawdzCzyTrzebaWykonacZlecenie(k, &z));
    z.SetAktywne(true);
    z.SetData(Teraz2013 + Sekunda);  // added for a moment still to come
    EXPECT_FALSE(SprawdzCzyTrzebaWykonacZlecenie(k, &z));
}

TEST_F(ZleceniaStaleTest, OstatnieWykonanieToNajnowszeZMniejszymIdPrzyRownychDatach)
{
    EXPECT_EQ(PobierzOstatnieZlecenieDanegoTypuZHistorii(k, 7), nullptr);

    const TDateTime d = KodujDateCzas(2013, 4, 1, 8, 0);
    Wykonanie(10, 7, d - 30);
    Wykonanie(12, 7, d + 0.5 / 86400000);  // within a millisecond of the next one
    Wykonanie(11, 7, d);
    Wykonanie(5, 8, d + 1);
    Wykonanie(13, 7, d - 1);
    EXPECT_EQ(PobierzOstatnieZlecenieDanegoTypuZHistorii(k, 7)->Id(), 11);
    EXPECT_EQ(PobierzOstatnieZlecenieDanegoTypuZHistorii(std::as_const(k), 8)->Id(), 5);

    // The due test measures from that entry, not from the list's last one (d - 1).
    const TZlecenieStale& z = Zlecenie(7, TCzestotliwosc::CoMiesiac);
    zegar.Ustaw(KodujDateCzas(2013, 4, 30, 12, 0));
    EXPECT_FALSE(SprawdzCzyTrzebaWykonacZlecenie(k, &z));
    zegar.Ustaw(KodujDateCzas(2013, 5, 1, 8, 1));
    EXPECT_TRUE(SprawdzCzyTrzebaWykonacZlecenie(k, &z));
}

TEST_F(ZleceniaStaleTest, ZwrocZlecenieStalePoIDSzukaNajpierwWsrodWydatkow)
{
    TZlecenieStale& wydatkowe = Zlecenie(3, TCzestotliwosc::CoMiesiac);
    TZlecenieStale& przychodowe3 = Dodaj(k.ZleceniaStalePrzychody());
    przychodowe3.SetId(3);
    TZlecenieStale& przychodowe4 = Dodaj(k.ZleceniaStalePrzychody());
    przychodowe4.SetId(4);

    EXPECT_EQ(ZwrocZlecenieStalePoID(k, 3), &wydatkowe);
    EXPECT_EQ(ZwrocZlecenieStalePoID(k, 4), &przychodowe4);
    EXPECT_EQ(ZwrocZlecenieStalePoID(std::as_const(k), 4), &przychodowe4);
    EXPECT_EQ(ZwrocZlecenieStalePoID(k, 5), nullptr);
}

TEST_F(ZleceniaStaleTest, WydatekPrzychodPochodziOdZlecen)
{
    const TDateTime d = KodujDate(2013, 5, 1);
    Dodaj(k.Wydatki(), 1, 1, 10.0, 1, d, 1, "", BezZmian, "", true);
    Dodaj(k.Wydatki(), 2, 1, 10.0, 1, d, 1, "", BezZmian, "", false);
    Dodaj(k.Wydatki(), 2, 1, 10.0, 1, d, 1, "", BezZmian, "", true);  // the first id 2 answers
    Dodaj(k.Przychody(), 1, 1, 10.0, 1, d, 1, "", BezZmian, false);
    Dodaj(k.Przychody(), 3, 1, 10.0, 1, d, 1, "", BezZmian, true);

    EXPECT_TRUE(WydatekPrzychodPochodziOdZlecen(k, 1, TTabele::Wydatki));
    EXPECT_FALSE(WydatekPrzychodPochodziOdZlecen(k, 2, TTabele::Wydatki));
    EXPECT_FALSE(WydatekPrzychodPochodziOdZlecen(k, 3, TTabele::Wydatki));
    EXPECT_FALSE(WydatekPrzychodPochodziOdZlecen(k, 1, TTabele::Przychody));
    EXPECT_TRUE(WydatekPrzychodPochodziOdZlecen(k, 3, TTabele::Przychody));
    EXPECT_FALSE(WydatekPrzychodPochodziOdZlecen(k, 1, TTabele::Oszczednosci));
}

}  // namespace
