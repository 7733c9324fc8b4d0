#include <gtest/gtest.h>

#include "common/FunkcjeWspolne.h"
#include "records/HistoriaPrzelewu.h"
#include "records/Oszczednosc.h"
#include "records/Przychod.h"
#include "records/StanOszczednosci.h"
#include "records/Wydatek.h"
#include "support/TestPlatforma.h"

namespace {

const TDateTime Chwila = KodujDateCzas(2013, 5, 17, 12, 0);
const TDateTime InnaData = KodujDateCzas(2012, 2, 29, 14, 30);

class Transakcje : public ::testing::Test {
protected:
    static void SetUpTestSuite() { UstawFormatyDanych(); }
    TUstawionyZegar zegar{Chwila};
};

TEST_F(Transakcje, NowyWydatekIPrzychodMajaWartosciDomyslne)
{
    const TWydatek w;
    EXPECT_EQ(w.Id(), -1);
    EXPECT_EQ(w.IdKategoriaWydatki(), -1);
    EXPECT_EQ(w.Ile(), 0);
    EXPECT_EQ(w.IdKategoriaOszczednosci(), -1);
    EXPECT_EQ(w.Data(), Chwila);
    EXPECT_EQ(w.IdOsoba(), -1);
    EXPECT_EQ(w.Komentarz(), "");
    EXPECT_FALSE(w.ZlecenieStale());
    EXPECT_EQ(w.Zalacznik(), "");
    EXPECT_EQ(w.Zmiany(), TTypModyfikacji::BezZmian);

    const TPrzychod p;
    EXPECT_EQ(p.Id(), -1);
    EXPECT_EQ(p.IdKategoriaPrzychody(), -1);
    EXPECT_EQ(p.Ile(), 0);
    EXPECT_EQ(p.IdKategoriaOszczednosci(), -1);
    EXPECT_EQ(p.Data(), Chwila);
    EXPECT_EQ(p.IdOsoba(), -1);
    EXPECT_EQ(p.Komentarz(), "");
    EXPECT_FALSE(p.ZlecenieStale());
    EXPECT_EQ(p.Zmiany(), TTypModyfikacji::BezZmian);
}

// Distinct values everywhere, so that an argument stored into the wrong field shows.
TEST_F(Transakcje, KonstruktoryZWartosciamiZapisujaKazdyArgumentWeSwoimPolu)
{
    const TWydatek w(7, 3, 12.5, 4, InnaData, 9, "chleb", TTypModyfikacji::Dodano, "paragon.pdf",
                     true);
    EXPECT_EQ(w.Id(), 7);
    EXPECT_EQ(w.IdKategoriaWydatki(), 3);
    EXPECT_EQ(w.Ile(), 12.5);
    EXPECT_EQ(w.IdKategoriaOszczednosci(), 4);
    EXPECT_EQ(w.Data(), InnaData);
    EXPECT_EQ(w.IdOsoba(), 9);
    EXPECT_EQ(w.Komentarz(), "chleb");
    EXPECT_EQ(w.Zmiany(), TTypModyfikacji::Dodano);
    EXPECT_EQ(w.Zalacznik(), "paragon.pdf");
    EXPECT_TRUE(w.ZlecenieStale());

    const TPrzychod p(8, 2, 4500, 5, InnaData, 6, "pensja", TTypModyfikacji::Zmieniono, true);
    EXPECT_EQ(p.Id(), 8);
    EXPECT_EQ(p.IdKategoriaPrzychody(), 2);
    EXPECT_EQ(p.Ile(), 4500);
    EXPECT_EQ(p.IdKategoriaOszczednosci(), 5);
    EXPECT_EQ(p.Data(), InnaData);
    EXPECT_EQ(p.IdOsoba(), 6);
    EXPECT_EQ(p.Komentarz(), "pensja");
    EXPECT_EQ(p.Zmiany(), TTypModyfikacji::Zmieniono);
    EXPECT_TRUE(p.ZlecenieStale());

    const TOszczednosc o(11, 12, 300.25, InnaData, "konto", 2, TTypModyfikacji::Usunieto);
    EXPECT_EQ(o.Id(), 11);
    EXPECT_EQ(o.IdKategoriaOszczednosci(), 12);
    EXPECT_EQ(o.Ile(), 300.25);
    EXPECT_EQ(o.Data(), InnaData);
    EXPECT_EQ(o.Komentarz(), "konto");
    EXPECT_EQ(o.TypOszczednosci(), 2);
    EXPECT_EQ(o.Zmiany(), TTypModyfikacji::Usunieto);
    EXPECT_EQ(o.WagaIdKatOszczednosci(), 0u);
    EXPECT_FALSE(o.OszczednoscZTabeliLokaty());

    const THistoriaPrzelewu h(13, 99.99, 14, 15, InnaData, "na lokatę", TTypModyfikacji::Dodano);
    EXPECT_EQ(h.Id(), 13);
    EXPECT_EQ(h.Ile(), 99.99);
    EXPECT_EQ(h.IdKategoriaOszczednosciFROM(), 14);
    EXPECT_EQ(h.IdKategoriaOszczednosciTO(), 15);
    EXPECT_EQ(h.Data(), InnaData);
    EXPECT_EQ(h.Komentarz(), "na lokatę");
    EXPECT_EQ(h.Zmiany(), TTypModyfikacji::Dodano);

    const TStanOszczednosci s(16, 12345.67, InnaData, TTypModyfikacji::Zmieniono);
    EXPECT_EQ(s.Id(), 16);
    EXPECT_EQ(s.Stan(), 12345.67);
    EXPECT_EQ(s.Data(), InnaData);
    EXPECT_EQ(s.Zmiany(), TTypModyfikacji::Zmieniono);
}

TEST_F(Transakcje, ClearPrzywracaDomyslneZDataBiezacejChwili)
{
    THistoriaPrzelewu h(13, 99.99, 14, 15, InnaData, "x", TTypModyfikacji::Dodano);
    TStanOszczednosci s(16, 12345.67, InnaData, TTypModyfikacji::Zmieniono);
    TWydatek w(7, 3, 12.5, 4, InnaData, 9, "chleb", TTypModyfikacji::Dodano, "a.pdf", true);
    const TDateTime pozniej = Chwila + 1.25;
    zegar.Ustaw(pozniej);
    h.Clear();
    s.Clear();
    w.Clear();

    EXPECT_EQ(h.Id(), -1);
    EXPECT_EQ(h.Ile(), 0);
    EXPECT_EQ(h.IdKategoriaOszczednosciFROM(), -1);
    EXPECT_EQ(h.IdKategoriaOszczednosciTO(), -1);
    EXPECT_EQ(h.Data(), pozniej);
    EXPECT_EQ(h.Komentarz(), "");
    EXPECT_EQ(h.Zmiany(), TTypModyfikacji::BezZmian);

    EXPECT_EQ(s.Id(), -1);
    EXPECT_EQ(s.Stan(), 0);
    EXPECT_EQ(s.Data(), pozniej);
    EXPECT_EQ(s.Zmiany(), TTypModyfikacji::BezZmian);

    EXPECT_EQ(w.Zalacznik(), "");
    EXPECT_FALSE(w.ZlecenieStale());
    EXPECT_EQ(w.Data(), pozniej);
}

TEST_F(Transakcje, ZapisWlasciwosciNieDotykaZmianAniInnychPol)
{
    TWydatek w;
    w.SetId(1);
    w.SetIdKategoriaWydatki(2);
    w.SetIle(3);
    w.SetIdKategoriaOszczednosci(4);
    w.SetData(InnaData);
    w.SetIdOsoba(5);
    w.SetKomentarz("k");
    w.SetZlecenieStale(true);
    w.SetZalacznik("z");
    w.SetKomentarz("k");  // the same value again
    EXPECT_EQ(w.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(w.Id(), 1);
    EXPECT_EQ(w.IdKategoriaWydatki(), 2);
    EXPECT_EQ(w.Ile(), 3);
    EXPECT_EQ(w.IdKategoriaOszczednosci(), 4);
    EXPECT_EQ(w.Data(), InnaData);
    EXPECT_EQ(w.IdOsoba(), 5);
    EXPECT_EQ(w.Komentarz(), "k");
    EXPECT_TRUE(w.ZlecenieStale());
    EXPECT_EQ(w.Zalacznik(), "z");

    TOszczednosc o;
    o.SetZmiany(TTypModyfikacji::Zmieniono);
    o.SetIle(10);
    o.SetKomentarz("inny");
    EXPECT_EQ(o.Zmiany(), TTypModyfikacji::Zmieniono);
}

TEST_F(Transakcje, DzienToDataWydatkuOPolnocy)
{
    const TWydatek w(1, 1, 1, 1, KodujDateCzas(2013, 5, 17, 14, 30), 1, "",
                     TTypModyfikacji::BezZmian, "", false);
    EXPECT_EQ(w.Dzien(), KodujDate(2013, 5, 17));
    EXPECT_EQ(w.Rok(), 2013);
}

TEST_F(Transakcje, MiesiacToKluczMiesiacaWspolnyDlaDniTegoSamegoMiesiaca)
{
    const TWydatek w(1, 1, 1, 1, KodujDateCzas(2013, 5, 1, 0, 0), 1, "", TTypModyfikacji::BezZmian,
                     "", false);
    const TPrzychod p(1, 1, 1, 1, KodujDateCzas(2013, 5, 31, 23, 59), 1, "",
                      TTypModyfikacji::BezZmian, false);
    const THistoriaPrzelewu h(1, 1, 1, 2, KodujDate(2013, 5, 17), "", TTypModyfikacji::BezZmian);
    const TStanOszczednosci s(1, 1, KodujDate(2013, 5, 2), TTypModyfikacji::BezZmian);
    const TOszczednosc o(1, 1, 1, KodujDate(2014, 5, 17), "", 1, TTypModyfikacji::BezZmian);
    EXPECT_EQ(w.Miesiac(), "maj 2013");
    EXPECT_EQ(p.Miesiac(), "maj 2013");
    EXPECT_EQ(h.Miesiac(), "maj 2013");
    EXPECT_EQ(s.Miesiac(), "maj 2013");
    EXPECT_EQ(o.Miesiac(), "maj 2014");
    EXPECT_EQ(p.Rok(), 2013);
    EXPECT_EQ(o.Rok(), 2014);
}

TEST_F(Transakcje, NowaOszczednoscMaTyp1IWageZero)
{
    const TOszczednosc o;
    EXPECT_EQ(o.Id(), -1);
    EXPECT_EQ(o.IdKategoriaOszczednosci(), -1);
    EXPECT_EQ(o.Ile(), 0);
    EXPECT_EQ(o.Data(), Chwila);
    EXPECT_EQ(o.Komentarz(), "");
    EXPECT_EQ(o.TypOszczednosci(), 1);
    EXPECT_EQ(o.WagaIdKatOszczednosci(), 0u);
    EXPECT_FALSE(o.OszczednoscZTabeliLokaty());
    EXPECT_FALSE(o.IsReadOnly());
    EXPECT_EQ(o.Zmiany(), TTypModyfikacji::BezZmian);
}

// The weight is the category's, copied in at loading: clearing the entry keeps it.
TEST_F(Transakcje, ClearOszczednosciPrzywracaTypILokatyLeczZachowujeWage)
{
    TOszczednosc o(11, 12, 300, InnaData, "konto", 2, TTypModyfikacji::Dodano);
    o.SetWagaIdKatOszczednosci(5);
    o.SetOszczednoscZTabeliLokaty(true);
    o.Clear();
    EXPECT_EQ(o.TypOszczednosci(), 1);
    EXPECT_FALSE(o.OszczednoscZTabeliLokaty());
    EXPECT_EQ(o.WagaIdKatOszczednosci(), 5u);
    EXPECT_EQ(o.Id(), -1);
    EXPECT_EQ(o.Data(), Chwila);
}

TEST_F(Transakcje, OszczednoscZLokatJestTylkoDoOdczytuIZawszeBezZmian)
{
    TOszczednosc o(-1, -1000, 5000, Chwila, "", 1, TTypModyfikacji::Dodano);
    o.SetOszczednoscZTabeliLokaty(true);
    EXPECT_TRUE(o.IsReadOnly());
    EXPECT_EQ(o.Zmiany(), TTypModyfikacji::BezZmian);

    // A write while read-only is still stored, and shows once the entry is writable again.
    o.SetZmiany(TTypModyfikacji::Usunieto);
    EXPECT_EQ(o.Zmiany(), TTypModyfikacji::BezZmian);
    o.SetOszczednoscZTabeliLokaty(false);
    EXPECT_FALSE(o.IsReadOnly());
    EXPECT_EQ(o.Zmiany(), TTypModyfikacji::Usunieto);

    o.SetZmiany(TTypModyfikacji::Dodano);
    o.SetOszczednoscZTabeliLokaty(true);
    o.SetZmiany(TTypModyfikacji::BezZmian);
    o.SetOszczednoscZTabeliLokaty(false);
    EXPECT_EQ(o.Zmiany(), TTypModyfikacji::BezZmian);
}

}  // namespace
