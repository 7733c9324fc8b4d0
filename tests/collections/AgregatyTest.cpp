// Totals, extreme amounts and the changed-record check of the container.
#include <gtest/gtest.h>

#include "collections/KolekcjeDanych.h"
#include "collections/RekordyTestowe.h"
#include "common/FunkcjeWspolne.h"
#include "records/HistoriaPrzelewu.h"
#include "records/KategoriaWydatki.h"
#include "records/Osoba.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"
#include "support/TestPlatforma.h"

namespace {

constexpr auto BezZmian = TTypModyfikacji::BezZmian;
constexpr auto Zmieniono = TTypModyfikacji::Zmieniono;
constexpr auto Dodano = TTypModyfikacji::Dodano;
constexpr auto Usunieto = TTypModyfikacji::Usunieto;

class AgregatyTest : public testing::Test {
protected:
    void SetUp() override { UstawFormatyDanych(); }
    TUstawionyZegar zegar{KodujDateCzas(2013, 5, 17, 12, 0)};
    TKolekcjeDanych k;

    TWydatek& Wydatek(int32_t id, double ile, TDateTime data, TTypModyfikacji zmiany = BezZmian)
    {
        return Dodaj(k.Wydatki(), id, 1, ile, 1, data, -1, "", zmiany, "", false);
    }
    TOszczednosc& Wpis(int32_t id, double ile, TDateTime data)
    {
        return Dodaj(k.Oszczednosci(), id, 1, ile, data, "", uint8_t{1}, BezZmian);
    }
};

TEST_F(AgregatyTest, SumaNajwiekszaINajmniejszaKwotaKazdejListy)
{
    const TDateTime maj = KodujDate(2013, 5, 1);
    Wydatek(1, 10, maj);
    Wydatek(2, 20.5, maj);
    Wydatek(3, 5, maj, Usunieto);
    Wpis(1, -300, maj);
    Wpis(2, -50, maj);
    Dodaj(k.Plany(), 1, "Plan", -1, 700.0, maj, "", BezZmian, TTypPlanu::Wydatek);

    struct TOczekiwane {
        TTabele Tabela;
        double Suma, Najwieksza, Najmniejsza;
    };
    for (const TOczekiwane& o : {TOczekiwane{TTabele::Wydatki, 35.5, 20.5, 5},
                                 TOczekiwane{TTabele::Oszczednosci, -350, 0, -300},
                                 TOczekiwane{TTabele::Przychody, 0, 0, 0},
                                 TOczekiwane{TTabele::Plany, 0, 0, 0}}) {
        SCOPED_TRACE(static_cast<int>(o.Tabela));
        EXPECT_DOUBLE_EQ(k.ObliczLacznaSumeWKolekcjiDanych(o.Tabela), o.Suma);
        EXPECT_DOUBLE_EQ(k.PobierzNajwiekszaWartoscZKolekcji(o.Tabela), o.Najwieksza);
        EXPECT_DOUBLE_EQ(k.PobierzNajmniejszaWartoscZKolekcji(o.Tabela), o.Najmniejsza);
    }
}

TEST_F(AgregatyTest, NajwiekszaKwotaRokuIMiesiaca)
{
    Dodaj(k.Przychody(), 1, 1, 900.0, 1, KodujDate(2012, 5, 10), -1, "", BezZmian, false);
    Dodaj(k.Przychody(), 2, 1, 400.0, 1, KodujDate(2013, 5, 31), -1, "", BezZmian, false);
    Dodaj(k.Przychody(), 3, 1, 600.0, 1, KodujDate(2013, 6, 1), -1, "", BezZmian, false);
    Dodaj(k.Przychody(), 4, 1, -20.0, 1, KodujDate(2013, 7, 1), -1, "", BezZmian, false);
    const std::string maj2013 = MiesiacIRok(KodujDate(2013, 5, 2));

    EXPECT_EQ(k.PobierzNajwiekszaWartoscZKolekcjiWRoku(TTabele::Przychody, 2013), 600);
    EXPECT_EQ(k.PobierzNajwiekszaWartoscZKolekcjiWRoku(TTabele::Przychody, 2014), 0);
    EXPECT_EQ(k.PobierzNajwiekszaWartoscZKolekcjiWRoku(TTabele::Plany, 2013), 0);
    EXPECT_EQ(k.PobierzNajwiekszaWartoscZKolekcjiWMiesiacu(TTabele::Przychody, maj2013), 400);
    EXPECT_EQ(k.PobierzNajwiekszaWartoscZKolekcjiWMiesiacu(TTabele::Przychody, WielkaPierwszaLitera(maj2013)), 0);
    EXPECT_EQ(k.PobierzNajwiekszaWartoscZKolekcjiWMiesiacu(TTabele::Przychody, MiesiacIRok(KodujDate(2013, 7, 1))), 0);
    // Nothing is reordered.
    EXPECT_EQ(k.Przychody()[0]->Id(), 1);
}

TEST_F(AgregatyTest, PozycjaZmienionaGdyPierwszyRekordZIdJestZmienionyLubDodany)
{
    Dodaj(k.Osoby(), 1, "Jan", "Kos", "", "", "", false, Dodano, 1);
    Dodaj(k.Osoby(), 2, "Ewa", "Kos", "", "", "", false, BezZmian, 1);
    Dodaj(k.Osoby(), 3, "Adam", "Kos", "", "", "", false, Usunieto, 1);
    Dodaj(k.Osoby(), 3, "Adam", "Nowak", "", "", "", false, Zmieniono, 1);
    Dodaj(k.KategorieWydatki(), 4, "Czynsz", false, Zmieniono, 1);
    Dodaj(k.HistoriaPrzelewow(), 5, 10.0, 1, 2, 0.0, "", Dodano);
    Dodaj(k.HistoriaZlecenStalych()).SetId(6);
    k.HistoriaZlecenStalych()[0]->SetZmiany(Dodano);
    Dodaj(k.Plany(), 7, "Plan", -1, 700.0, 0.0, "", Dodano, TTypPlanu::Wydatek);
    TOszczednosc& lokaty = Dodaj(k.Oszczednosci(), 8, -1000, 0.0, 0.0, "", uint8_t{1}, Dodano);
    lokaty.SetOszczednoscZTabeliLokaty(true);

    EXPECT_TRUE(k.SprawdzCzyPozycjaZKolekcjiZostalaZmieniona(1, TTabele::Osoby));
    EXPECT_FALSE(k.SprawdzCzyPozycjaZKolekcjiZostalaZmieniona(2, TTabele::Osoby));
    EXPECT_FALSE(k.SprawdzCzyPozycjaZKolekcjiZostalaZmieniona(3, TTabele::Osoby));
    EXPECT_FALSE(k.SprawdzCzyPozycjaZKolekcjiZostalaZmieniona(9, TTabele::Osoby));
    EXPECT_TRUE(k.SprawdzCzyPozycjaZKolekcjiZostalaZmieniona(4, TTabele::Kategorie_Wydatki));
    EXPECT_FALSE(k.SprawdzCzyPozycjaZKolekcjiZostalaZmieniona(4, TTabele::Kategorie_Przychody));
    EXPECT_TRUE(k.SprawdzCzyPozycjaZKolekcjiZostalaZmieniona(5, TTabele::HistoriaPrzelewow));
    EXPECT_TRUE(k.SprawdzCzyPozycjaZKolekcjiZostalaZmieniona(6, TTabele::HistoriaZlecenStalychWydatki));
    EXPECT_TRUE(k.SprawdzCzyPozycjaZKolekcjiZostalaZmieniona(6, TTabele::HistoriaZlecenStalychPrzychody));
    EXPECT_FALSE(k.SprawdzCzyPozycjaZKolekcjiZostalaZmieniona(7, TTabele::Plany));
    EXPECT_FALSE(k.SprawdzCzyPozycjaZKolekcjiZostalaZmieniona(8, TTabele::Oszczednosci));

    k.Osoby()[0]->SetZmiany(BezZmian);  // as saving leaves it
    EXPECT_FALSE(k.SprawdzCzyPozycjaZKolekcjiZostalaZmieniona(1, TTabele::Osoby));
}

}  // namespace
