// Rows inserted by SQL come back as records with the stored values, in the loading order of
// their table, in state BezZmian, and the collection's changed flag is lowered.
#include <gtest/gtest.h>

#include "OtwartaBaza.h"
#include "records/HarmonogramLokatyBankowej.h"
#include "records/HistoriaPrzelewu.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Lokata.h"
#include "records/Ograniczenie.h"
#include "records/Osoba.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/Przychod.h"
#include "records/StanOszczednosci.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"
#include "sqlite/SQLiteTable3.h"

namespace {

using Wczytywanie = OtwartaBaza;

TEST_F(Wczytywanie, WydatkiOdNajnowszego)
{
    Wstaw({"INSERT INTO Wydatki VALUES (1, 3, 12.5, 2, '2013-03-01 10:15', 4, 'Chleb', 0, NULL);",
           "INSERT INTO Wydatki VALUES (2, 5, 100, 1, '2013-03-03', 1, NULL, 1, 'faktura.pdf');",
           "INSERT INTO Wydatki VALUES (3, 6, 7.25, 1, '2013-03-02 08:00:30', 2, 'Kawa', 'True', NULL);"});
    Kolekcje().SetZmienionoINiezapisanoWydatki(true);
    fBaza->OdswiezZawartoscKolekcji(TTabele::Wydatki);

    const auto& w = Kolekcje().Wydatki();
    ASSERT_EQ(Identyfikatory(w), (std::vector<int32_t>{2, 3, 1}));
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoWydatki());
    EXPECT_EQ(w[0]->IdKategoriaWydatki(), 5);
    EXPECT_EQ(w[0]->Ile(), 100);
    EXPECT_EQ(w[0]->IdKategoriaOszczednosci(), 1);
    EXPECT_EQ(w[0]->Data(), KodujDate(2013, 3, 3));
    EXPECT_EQ(w[0]->IdOsoba(), 1);
    EXPECT_EQ(w[0]->Komentarz(), "");
    EXPECT_TRUE(w[0]->ZlecenieStale());
    EXPECT_EQ(w[0]->Zalacznik(), "faktura.pdf");
    EXPECT_EQ(w[0]->Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_DOUBLE_EQ(w[1]->Data(), KodujDateCzas(2013, 3, 2, 8, 0, 30));
    EXPECT_TRUE(w[1]->ZlecenieStale());
    EXPECT_EQ(w[2]->Ile(), 12.5);
    EXPECT_DOUBLE_EQ(w[2]->Data(), KodujDateCzas(2013, 3, 1, 10, 15));
    EXPECT_EQ(w[2]->Komentarz(), "Chleb");
    EXPECT_FALSE(w[2]->ZlecenieStale());
    EXPECT_EQ(w[2]->Zalacznik(), "");
}

TEST_F(Wczytywanie, PrzychodyOdNajnowszego)
{
    Wstaw({"INSERT INTO Przychody VALUES (1, 3, 2500.5, 2, '2013-03-01', 4, 'Pensja', 1);",
           "INSERT INTO Przychody VALUES (2, 5, 10, 1, '2013-03-02 18:30', 1, NULL, 0);"});
    fBaza->OdswiezZawartoscKolekcji(TTabele::Przychody);

    const auto& p = Kolekcje().Przychody();
    ASSERT_EQ(Identyfikatory(p), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(p[1]->IdKategoriaPrzychody(), 3);
    EXPECT_EQ(p[1]->Ile(), 2500.5);
    EXPECT_EQ(p[1]->IdKategoriaOszczednosci(), 2);
    EXPECT_EQ(p[1]->Data(), KodujDate(2013, 3, 1));
    EXPECT_EQ(p[1]->IdOsoba(), 4);
    EXPECT_EQ(p[1]->Komentarz(), "Pensja");
    EXPECT_TRUE(p[1]->ZlecenieStale());
    EXPECT_EQ(p[0]->Komentarz(), "");
    EXPECT_FALSE(p[0]->ZlecenieStale());
}

// Rows of equal dates: expenses and incomes in the reverse of the query's order, plans in it.
TEST_F(Wczytywanie, RowneDatyWzgledemKolejnosciZapytania)
{
    for (int id = 1; id <= 4; ++id) {
        const std::string i = std::to_string(id);
        Wstaw({"INSERT INTO Wydatki VALUES (" + i + ", 1, 1, 1, '2013-03-01', 1, NULL, 0, NULL);",
               "INSERT INTO Przychody VALUES (" + i + ", 1, 1, 1, '2013-03-01', 1, NULL, 0);",
               "INSERT INTO Plany VALUES (" + i + ", 'P', 1, 1, 0, 0, 0, '2013-03-01', NULL);"});
    }
    fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);

    const auto zapytanie = [&](TTabele tabela) {
        TSQLiteTable wynik = fBaza->PobierzDaneZTabeli(tabela);
        std::vector<int32_t> id;
        for (; !wynik.Eof(); wynik.Next())
            id.push_back(static_cast<int32_t>(wynik.FieldAsInteger(0)));
        return id;
    };
    std::vector<int32_t> odKonca = zapytanie(TTabele::Wydatki);
    std::reverse(odKonca.begin(), odKonca.end());
    EXPECT_EQ(Identyfikatory(Kolekcje().Wydatki()), odKonca);
    odKonca = zapytanie(TTabele::Przychody);
    std::reverse(odKonca.begin(), odKonca.end());
    EXPECT_EQ(Identyfikatory(Kolekcje().Przychody()), odKonca);
    EXPECT_EQ(Identyfikatory(Kolekcje().Plany()), zapytanie(TTabele::Plany));
}

TEST_F(Wczytywanie, OszczednosciZWagaKategoriiIZyskamiLokat)
{
    Wstaw({"INSERT INTO KategorieOszczednosci VALUES (1, 'Konto', 0, 1, 0, 20);",
           "INSERT INTO KategorieOszczednosci VALUES (2, 'Portfel', 1, 0, 1, 5);",
           "INSERT INTO KategorieOszczednosci VALUES (3, 'Karta', 'False', 'TRUE', 0, 20);",
           "INSERT INTO Oszczednosci VALUES (10, 1, 1500.75, '2013-05-01', 'pensja', 1);",
           "INSERT INTO Oszczednosci VALUES (11, 2, -200, '2013-05-02 07:45', NULL, 2);",
           "INSERT INTO Oszczednosci VALUES (12, 3, 50, '2013-05-03', '', 1);",
           // No such category: the query's join leaves the entry out.
           "INSERT INTO Oszczednosci VALUES (13, 99, 1, '2013-05-03', '', 1);"});
    Kolekcje().ZyskiZLokatDoDodaniaJakoPrzychod()[1] = 5.5;
    fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);

    const auto& k = Kolekcje().KategorieOszczednosci();
    ASSERT_EQ(Identyfikatory(k), (std::vector<int32_t>{2, 3, 1}));
    EXPECT_EQ(k[0]->Opis(), "Portfel");
    EXPECT_TRUE(k[0]->Usuniety());
    EXPECT_FALSE(k[0]->MoznaZaplacic());
    EXPECT_TRUE(k[0]->CharakterDlugu());
    EXPECT_EQ(k[0]->Waga(), 5u);
    EXPECT_FALSE(k[1]->Usuniety());
    EXPECT_TRUE(k[1]->MoznaZaplacic());
    EXPECT_FALSE(k[1]->CharakterDlugu());
    EXPECT_EQ(k[1]->Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(Kolekcje().ZyskiZLokatDoDodaniaJakoPrzychod(),
              (std::unordered_map<int32_t, double>{{1, 5.5}, {2, 0.0}, {3, 0.0}}));

    const auto& o = Kolekcje().Oszczednosci();
    ASSERT_EQ(Identyfikatory(o), (std::vector<int32_t>{11, 12, 10}));
    EXPECT_EQ(o[0]->IdKategoriaOszczednosci(), 2);
    EXPECT_EQ(o[0]->Ile(), -200);
    EXPECT_DOUBLE_EQ(o[0]->Data(), KodujDateCzas(2013, 5, 2, 7, 45));
    EXPECT_EQ(o[0]->Komentarz(), "");
    EXPECT_EQ(o[0]->WagaIdKatOszczednosci(), 5u);
    EXPECT_EQ(o[0]->TypOszczednosci(), 2);
    EXPECT_EQ(o[2]->Ile(), 1500.75);
    EXPECT_EQ(o[2]->Komentarz(), "pensja");
    EXPECT_EQ(o[2]->WagaIdKatOszczednosci(), 20u);
    EXPECT_EQ(o[2]->TypOszczednosci(), 1);
    EXPECT_FALSE(o[2]->OszczednoscZTabeliLokaty());
    EXPECT_EQ(o[2]->Zmiany(), TTypModyfikacji::BezZmian);
}

TEST_F(Wczytywanie, KategorieWydatkowIPrzychodowPoWadzeIOpisie)
{
    Wstaw({"INSERT INTO KategorieWydatkow VALUES (1, 'Jedzenie', 0, 10);",
           "INSERT INTO KategorieWydatkow VALUES (2, 'Auto', 'true', 10);",
           "INSERT INTO KategorieWydatkow VALUES (3, 'Zdrowie', 0, 1);",
           "INSERT INTO KategoriePrzychodow VALUES (7, 'Premia', 1, 2147483647);",
           "INSERT INTO KategoriePrzychodow VALUES (8, 'Pensja', 0, 3);"});
    fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);

    const auto& w = Kolekcje().KategorieWydatki();
    ASSERT_EQ(Identyfikatory(w), (std::vector<int32_t>{3, 2, 1}));
    EXPECT_EQ(w[1]->Opis(), "Auto");
    EXPECT_TRUE(w[1]->Usuniety());
    EXPECT_FALSE(w[2]->Usuniety());
    EXPECT_EQ(w[0]->Waga(), 1u);
    const auto& p = Kolekcje().KategoriePrzychody();
    ASSERT_EQ(Identyfikatory(p), (std::vector<int32_t>{8, 7}));
    EXPECT_EQ(p[1]->Opis(), "Premia");
    EXPECT_TRUE(p[1]->Usuniety());
    EXPECT_EQ(p[1]->Waga(), 2147483647u);
    EXPECT_EQ(p[1]->Zmiany(), TTypModyfikacji::BezZmian);
}

TEST_F(Wczytywanie, OsobyPoWadzeIImieniuZNazwiskiem)
{
    Wstaw({"INSERT INTO Osoby VALUES (1, 'Jan', 'Nowak', 'Janek', 'Kraków', '123', 0, 10);",
           "INSERT INTO Osoby VALUES (2, 'Anna', 'Kowalska', NULL, NULL, NULL, 1, 10);",
           "INSERT INTO Osoby VALUES (3, 'Zofia', 'Ąbel', '', '', '', 0, 2);"});
    fBaza->OdswiezZawartoscKolekcji(TTabele::Osoby);

    const auto& o = Kolekcje().Osoby();
    ASSERT_EQ(Identyfikatory(o), (std::vector<int32_t>{3, 2, 1}));
    EXPECT_EQ(o[2]->Imie(), "Jan");
    EXPECT_EQ(o[2]->Nazwisko(), "Nowak");
    EXPECT_EQ(o[2]->Pseudonim(), "Janek");
    EXPECT_EQ(o[2]->Adres(), "Kraków");
    EXPECT_EQ(o[2]->Telefon(), "123");
    EXPECT_EQ(o[2]->Waga(), 10u);
    EXPECT_FALSE(o[2]->Usuniety());
    EXPECT_EQ(o[1]->Pseudonim(), "");
    EXPECT_TRUE(o[1]->Usuniety());
    EXPECT_EQ(o[0]->Nazwisko(), "Ąbel");
}

TEST_F(Wczytywanie, PrzelewyIStanyOszczednosciPoDacie)
{
    Wstaw({"INSERT INTO HistoriaPrzelewow VALUES (1, 300, 1, 2, '2013-04-02', 'na wakacje');",
           "INSERT INTO HistoriaPrzelewow VALUES (2, 50.5, 2, 1, '2013-04-01 09:00', NULL);",
           "INSERT INTO StanOszczednosci VALUES (1, 1000.25, '2013-04-02 10:00:00');",
           "INSERT INTO StanOszczednosci VALUES (2, -5, '2013-04-01');"});
    fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);

    const auto& h = Kolekcje().HistoriaPrzelewow();
    ASSERT_EQ(Identyfikatory(h), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(h[1]->Ile(), 300);
    EXPECT_EQ(h[1]->IdKategoriaOszczednosciFROM(), 1);
    EXPECT_EQ(h[1]->IdKategoriaOszczednosciTO(), 2);
    EXPECT_EQ(h[1]->Data(), KodujDate(2013, 4, 2));
    EXPECT_EQ(h[1]->Komentarz(), "na wakacje");
    EXPECT_EQ(h[1]->Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(h[0]->Ile(), 50.5);
    EXPECT_EQ(h[0]->Komentarz(), "");
    const auto& s = Kolekcje().StanyOszczednosci();
    ASSERT_EQ(Identyfikatory(s), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(s[0]->Stan(), -5);
    EXPECT_EQ(s[1]->Stan(), 1000.25);
    EXPECT_DOUBLE_EQ(s[1]->Data(), KodujDateCzas(2013, 4, 2, 10, 0));
    EXPECT_EQ(s[1]->Zmiany(), TTypModyfikacji::BezZmian);
}

TEST_F(Wczytywanie, ZleceniaStaleWgRodzajuIHistoriaObuRodzajow)
{
    Wstaw({"INSERT INTO ZleceniaStale VALUES (1, 4, 2, 'Czynsz', 800, 2, 0, '2013-01-10', 1);",
           "INSERT INTO ZleceniaStale VALUES (2, 6, 2, 'Pensja', 3000.5, 7, 1, '2013-01-05 08:00', 0);",
           "INSERT INTO ZleceniaStale VALUES (3, 5, 1, 'Prąd', -1, -1, 0, '2013-02-01', 'False');",
           "INSERT INTO HistoriaZlecenStalych VALUES (1, 4, 1, 2, 800, 2, 0, '2013-02-10', 'luty', 3);",
           "INSERT INTO HistoriaZlecenStalych VALUES (2, 6, 2, 2, 3000.5, 7, 1, '2013-02-05', NULL, 1);"});
    fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);

    const auto& w = Kolekcje().ZleceniaStaleWydatki();
    ASSERT_EQ(Identyfikatory(w), (std::vector<int32_t>{1, 3}));
    EXPECT_EQ(w[0]->IdKategorii(), 4);
    EXPECT_EQ(w[0]->IdOszczednosci(), 2);
    EXPECT_EQ(w[0]->Nazwa(), "Czynsz");
    EXPECT_EQ(w[0]->Kwota(), 800);
    EXPECT_EQ(w[0]->Czestotliwosc(), TCzestotliwosc::CoMiesiac);
    EXPECT_EQ(w[0]->TypZleceniaStalego(), 0);
    EXPECT_EQ(w[0]->Data(), KodujDate(2013, 1, 10));
    EXPECT_TRUE(w[0]->Aktywne());
    EXPECT_EQ(w[0]->Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(w[1]->Czestotliwosc(), TCzestotliwosc::Nigdy);
    EXPECT_EQ(w[1]->Kwota(), -1);
    EXPECT_FALSE(w[1]->Aktywne());
    const auto& p = Kolekcje().ZleceniaStalePrzychody();
    ASSERT_EQ(Identyfikatory(p), (std::vector<int32_t>{2}));
    EXPECT_EQ(p[0]->Czestotliwosc(), TCzestotliwosc::UruchamianeRecznie);
    EXPECT_EQ(p[0]->TypZleceniaStalego(), 1);
    EXPECT_DOUBLE_EQ(p[0]->Data(), KodujDateCzas(2013, 1, 5, 8, 0));

    const auto& h = Kolekcje().HistoriaZlecenStalych();
    ASSERT_EQ(Identyfikatory(h), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(h[1]->IdKategorii(), 4);
    EXPECT_EQ(h[1]->IdZleceniaStalego(), 1);
    EXPECT_EQ(h[1]->IdOszczednosci(), 2);
    EXPECT_EQ(h[1]->Kwota(), 800);
    EXPECT_EQ(h[1]->Czestotliwosc(), TCzestotliwosc::CoMiesiac);
    EXPECT_EQ(h[1]->TypZleceniaStalego(), 0);
    EXPECT_EQ(h[1]->Data(), KodujDate(2013, 2, 10));
    EXPECT_EQ(h[1]->Komentarz(), "luty");
    EXPECT_EQ(h[1]->IdOsoba(), 3);
    EXPECT_EQ(h[1]->Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(h[0]->TypZleceniaStalego(), 1);
    EXPECT_EQ(h[0]->Komentarz(), "");
}

TEST_F(Wczytywanie, PlanyOdNajwczesniejszegoIOgraniczenia)
{
    Wstaw({"INSERT INTO Plany VALUES (1, 'Ubezpieczenie', 450.99, 3, 0, 1, 0, '2013-03-03', 'OC');",
           "INSERT INTO Plany VALUES (2, 'Premia', 1000, 2, 1, 0, 1, '2013-03-01 09:30', NULL);",
           "INSERT INTO Plany VALUES (3, 'Coś', 5, 1, 'True', 'False', -1, '2013-03-02', '');",
           "INSERT INTO Ograniczenia VALUES (2, 4, 300, 3000.5, 2013, '2013-01-02 10:00');",
           "INSERT INTO Ograniczenia VALUES (1, 5, 0, 1200, 2012, '2012-01-01');"});
    Kolekcje().SetZmienionoINiezapisanoPlany(true);
    fBaza->OdswiezZawartoscKolekcji(TTabele::Plany);
    fBaza->OdswiezZawartoscKolekcji(TTabele::Ograniczenia);

    const auto& p = Kolekcje().Plany();
    ASSERT_EQ(Identyfikatory(p), (std::vector<int32_t>{2, 3, 1}));
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoPlany());
    EXPECT_EQ(p[2]->Nazwa(), "Ubezpieczenie");
    EXPECT_EQ(p[2]->Kwota(), 450.99);
    EXPECT_EQ(p[2]->IdKategorii(), 3);
    EXPECT_FALSE(p[2]->Wykonany());
    EXPECT_TRUE(p[2]->DodanyDoKolekcji());
    EXPECT_EQ(p[2]->TypPlanu(), TTypPlanu::Wydatek);
    EXPECT_EQ(p[2]->Data(), KodujDate(2013, 3, 3));
    EXPECT_EQ(p[2]->Komentarz(), "OC");
    EXPECT_EQ(p[2]->Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_TRUE(p[0]->Wykonany());
    EXPECT_EQ(p[0]->TypPlanu(), TTypPlanu::Przychod);
    EXPECT_DOUBLE_EQ(p[0]->Data(), KodujDateCzas(2013, 3, 1, 9, 30));
    EXPECT_EQ(p[0]->Komentarz(), "");
    EXPECT_TRUE(p[1]->Wykonany());
    EXPECT_FALSE(p[1]->DodanyDoKolekcji());
    EXPECT_EQ(p[1]->TypPlanu(), TTypPlanu::Nieokreslony);

    const auto& o = Kolekcje().Ograniczenia();
    ASSERT_EQ(Identyfikatory(o), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(o[1]->IdKategoriiWydatku(), 4);
    EXPECT_EQ(o[1]->MaxMiesiac(), 300);
    EXPECT_EQ(o[1]->MaxRok(), 3000.5);
    EXPECT_DOUBLE_EQ(o[1]->Data(), KodujDateCzas(2013, 1, 2, 10, 0));
    EXPECT_EQ(o[1]->RokOgraniczenia(), 2013);
    EXPECT_EQ(o[1]->Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(o[0]->MaxMiesiac(), 0);
    EXPECT_EQ(o[0]->RokOgraniczenia(), 2012);
}

TEST_F(Wczytywanie, LokatyBezGodzinyRozpoczeciaIOfertyBankow)
{
    Wstaw({"INSERT INTO Lokaty VALUES (2, 'Na wakacje', 5000, '2013-05-01 14:35:20', 3, 2, 1, 1);",
           "INSERT INTO Lokaty VALUES (1, 'Stara', 100.5, '2012-01-01', 0, -1, -1, 0);",
           "INSERT INTO HarmonogramyLokat VALUES (1, 'Bank A', 'Lokata 3M', 3, 2, 1, 4.5, 1, 1000, 50000,"
           " 0, 1, 'utrata odsetek', NULL, 'True', '2013-04-30 12:00:00');"});
    fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);

    const auto& l = Kolekcje().Lokaty();
    ASSERT_EQ(Identyfikatory(l), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(l[1]->Nazwa(), "Na wakacje");
    EXPECT_EQ(l[1]->Kwota(), 5000);
    EXPECT_EQ(l[1]->DataRozpoczecia(), KodujDate(2013, 5, 1));
    EXPECT_EQ(l[1]->OkresLokaty(), 3);
    EXPECT_EQ(l[1]->JednostkaLokaty(), TJednostkaOkresu::Miesiace);
    EXPECT_EQ(l[1]->IdHarmonogramLokaty(), 1);
    EXPECT_TRUE(l[1]->Aktywna());
    EXPECT_EQ(l[1]->Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(l[0]->JednostkaLokaty(), TJednostkaOkresu::Nieustawiona);
    EXPECT_EQ(l[0]->IdHarmonogramLokaty(), -1);
    EXPECT_FALSE(l[0]->Aktywna());

    const auto& h = Kolekcje().HarmonogramyLokatBankowych();
    ASSERT_EQ(h.size(), 1u);
    EXPECT_EQ(h[0]->Id(), 1);
    EXPECT_EQ(h[0]->Bank(), "Bank A");
    EXPECT_EQ(h[0]->NazwaHarmonogramu(), "Lokata 3M");
    EXPECT_EQ(h[0]->OkresDepozytu(), 3u);
    EXPECT_EQ(h[0]->JednostkaDepozytu(), TJednostkaOkresu::Miesiace);
    EXPECT_TRUE(h[0]->OprocentowanieStaleWCalymOkresieLokaty());
    EXPECT_EQ(h[0]->OprocentowanieWSkaliRoku(), 4.5);
    EXPECT_EQ(h[0]->Kapitalizacja(), TKapitalizacja::Miesieczna);
    EXPECT_EQ(h[0]->KwotaMinimalna(), 1000);
    EXPECT_EQ(h[0]->KwotaMaksymalna(), 50000);
    EXPECT_FALSE(h[0]->WymaganeKontoOsobisteWTymBanku());
    EXPECT_TRUE(h[0]->MozliwoscWczesniejszegoZerwaniaLokaty());
    EXPECT_EQ(h[0]->WarunkiWczesniejszegoZerwaniaLokaty(), "utrata odsetek");
    EXPECT_EQ(h[0]->PozostaleInformacje(), "");
    EXPECT_TRUE(h[0]->HarmonogramDodanyPrzezUzytkownika());
    EXPECT_DOUBLE_EQ(h[0]->DataDodaniaModyfikacji(), KodujDateCzas(2013, 4, 30, 12, 0));
    EXPECT_EQ(h[0]->Zmiany(), TTypModyfikacji::BezZmian);
}

}  // namespace
