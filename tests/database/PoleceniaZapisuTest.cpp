// The exact statements a save builds for representative records of every table.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "DaneZapisu.h"
#include "common/DataCzas.h"
#include "common/Wyjatki.h"
#include "support/TestPlatforma.h"

namespace {

using TPolecenia = std::vector<std::string>;

class PoleceniaZapisu : public ::testing::Test {
protected:
    // {now} of the limit and offer statements.
    TUstawionyZegar fZegar{KodujDateCzas(2013, 5, 17, 12, 0)};
    TDaneZapisu fDane;
    TKolekcjeDanych& k = fDane.Kolekcje;
    const TDateTime fData = KodujDateCzas(2013, 5, 17, 9, 5, 59);
};

TEST_F(PoleceniaZapisu, PlanyOdPierwszegoDoOstatniego)
{
    Dodaj(k.Plany(), 7, std::string("Czynsz"), 3, 1234.567, fData, std::string(), Zmieniono, TTypPlanu::Wydatek)
        .SetWykonany(true);
    Dodaj(k.Plany(), 8, std::string("Bez zmian"), 3, 1.0, fData, std::string(), BezZmian, TTypPlanu::Wydatek);
    Dodaj(k.Plany(), 1008, std::string("O'Brien;"), 4, 1000.0, fData, std::string("b|y\"ł"), Dodano,
          TTypPlanu::Przychod)
        .SetDodanyDoKolekcji(true);
    Dodaj(k.Plany(), 9, std::string(), 3, -12.5, fData, std::string(), Usunieto, TTypPlanu::Nieokreslony);

    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Plany);
    EXPECT_EQ(p.Polecenia,
              (TPolecenia{
                  R"(UPDATE "Plany" SET "Nazwa"='Czynsz',"Kwota"=1234.57,"IdKategorii"=3,"Wykonany"=1,)"
                  R"("DodanyDoKolekcji"=0,"TypPlanu"=0,"Data"='2013-05-17 09:05',"Komentarz"=NULL WHERE "Id"=7;)",
                  R"(INSERT INTO "Plany" ("Nazwa", "Kwota", "IdKategorii", "Wykonany", "DodanyDoKolekcji", )"
                  R"("TypPlanu", "Data", "Komentarz" ) VALUES('OBrien',1000,4,0, 1, 1,'2013-05-17 09:05','był');)",
                  R"(DELETE FROM "Plany" WHERE "Id"=9;)",
              }));
    EXPECT_TRUE(p.Komunikaty.empty());
    EXPECT_FALSE(p.OdswiezStanOszczednosci);
    EXPECT_FALSE(p.Slownik);
}

// The value forms inside a statement, seen through the VALUES of a new plan.
TEST_F(PoleceniaZapisu, KodowanieWartosci)
{
    struct TPrzypadek {
        std::string Nazwa;
        double Kwota;
        std::string Komentarz;
        TTypPlanu Typ;
        std::string Wartosci;
    };
    const TPrzypadek przypadki[] = {
        {"", 1234.567, "", TTypPlanu::Wydatek, "'',1234.57,1,0, 0, 0,'2013-05-17 09:05',NULL"},
        {"Ząb;'|\"", -12.5, " ", TTypPlanu::Nieokreslony, "'Ząb',-12.5,1,0, 0, -1,'2013-05-17 09:05',' '"},
        {"x'); DROP TABLE \"Plany\"; --", 2.5, "😀", TTypPlanu::Przychod,
         "'x) DROP TABLE Plany --',2.5,1,0, 0, 1,'2013-05-17 09:05','😀'"},
    };
    for (const TPrzypadek& c : przypadki) {
        TDaneZapisu dane;
        Dodaj(dane.Kolekcje.Plany(), 1001, c.Nazwa, 1, c.Kwota, fData, c.Komentarz, Dodano, c.Typ);
        const TPaczkaZapisu p = dane.Zbuduj(TTabele::Plany);
        ASSERT_EQ(p.Polecenia.size(), 1u);
        const std::string& s = p.Polecenia[0];
        EXPECT_EQ(s.substr(s.find("VALUES(") + 7), c.Wartosci + ");") << c.Nazwa;
    }
}

TEST_F(PoleceniaZapisu, NiezapisywalnaKwotaPrzerywaBudowanie)
{
    Dodaj(k.Plany(), 1001, std::string("x"), 1, std::numeric_limits<double>::quiet_NaN(), fData, std::string(),
          Dodano, TTypPlanu::Wydatek);
    EXPECT_THROW(fDane.Zbuduj(TTabele::Plany), EGrosiwoException);
}

TEST_F(PoleceniaZapisu, OgraniczeniaZDataZapisu)
{
    Dodaj(k.Ograniczenia(), 3, 100.0, 1200.556, uint16_t{2013}, Zmieniono).SetId(5);
    Dodaj(k.Ograniczenia(), 3, 0.0, 50.0, uint16_t{2014}, Dodano);
    Dodaj(k.Ograniczenia(), 4, 1.0, 1.0, uint16_t{2014}, Usunieto).SetId(6);
    EXPECT_EQ(fDane.Zbuduj(TTabele::Ograniczenia).Polecenia,
              (TPolecenia{
                  R"(UPDATE "Ograniczenia" SET "IdKategoriiWydatku"=3,"MaxMiesiac"=100,"MaxRok"=1200.56,)"
                  R"("RokOgraniczenia"=2013,"Data"='2013-05-17 12:00' WHERE "Id"=5;)",
                  R"(INSERT INTO "Ograniczenia" ("IdKategoriiWydatku", "MaxMiesiac", "MaxRok", "RokOgraniczenia", )"
                  R"("Data") VALUES(3,0,50,2014,'2013-05-17 12:00');)",
                  R"(DELETE FROM "Ograniczenia" WHERE "Id"=6;)",
              }));
}

// Both maxima 0 mean no limit: a stored one is deleted, whatever its state, a new one is
// not stored and stays as it is.
TEST_F(PoleceniaZapisu, OgraniczenieBezMaksimowZostajeUsuniete)
{
    TOgraniczenie& nowe = Dodaj(k.Ograniczenia(), 3, 0.0, 0.0, uint16_t{2013}, Dodano);
    TOgraniczenie& zapisane = Dodaj(k.Ograniczenia(), 3, 0.0, 0.0, uint16_t{2012}, BezZmian);
    zapisane.SetId(11);
    TOgraniczenie& zmienione = Dodaj(k.Ograniczenia(), 4, 0.0, 0.0, uint16_t{2012}, Zmieniono);
    zmienione.SetId(12);
    EXPECT_EQ(fDane.Zbuduj(TTabele::Ograniczenia).Polecenia,
              (TPolecenia{R"(DELETE FROM "Ograniczenia" WHERE "Id"=11;)", R"(DELETE FROM "Ograniczenia" WHERE "Id"=12;)"}));
    EXPECT_EQ(nowe.Zmiany(), Dodano);
    EXPECT_EQ(zapisane.Zmiany(), Usunieto);
    EXPECT_EQ(zmienione.Zmiany(), Usunieto);
}

TEST_F(PoleceniaZapisu, LokatyZaczynajaSieOPolnocy)
{
    const TDateTime poPoludniu = KodujDateCzas(2013, 5, 17, 14, 30);
    Dodaj(k.Lokaty(), 2, std::string("Lokata"), 5000.0, poPoludniu, uint16_t{6}, TJednostkaOkresu::Miesiace, 4, true,
          Zmieniono);
    Dodaj(k.Lokaty(), 1002, std::string("Nowa"), 10.0, poPoludniu, uint16_t{1}, TJednostkaOkresu::Nieustawiona, -1,
          false, Dodano);
    EXPECT_EQ(fDane.Zbuduj(TTabele::Lokaty).Polecenia,
              (TPolecenia{
                  R"(UPDATE "Lokaty" SET "Nazwa"='Lokata',"Kwota"=5000,"DataRozpoczecia"='2013-05-17 00:00',)"
                  R"("OkresLokaty"=6,"JednostkaLokaty"=2,"IdHarmonogramLokaty"=4,"Aktywna"=1 WHERE "Id"=2;)",
                  R"(INSERT INTO "Lokaty" ("Nazwa", "Kwota", "DataRozpoczecia", "OkresLokaty", "JednostkaLokaty", )"
                  R"("IdHarmonogramLokaty", "Aktywna") VALUES('Nowa',10,'2013-05-17 00:00',1,-1,-1,0);)",
              }));
}

TEST_F(PoleceniaZapisu, HarmonogramyLokat)
{
    THarmonogramLokatyBankowej& h = Dodaj(k.HarmonogramyLokatBankowych());
    h.SetId(3);
    h.SetBank("Bank");
    h.SetNazwaHarmonogramu("Lokata 3M");
    h.SetOkresDepozytu(3);
    h.SetJednostkaDepozytu(TJednostkaOkresu::Miesiace);
    h.SetOprocentowanieStaleWCalymOkresieLokaty(true);
    h.SetOprocentowanieWSkaliRoku(3.456);
    h.SetKapitalizacja(TKapitalizacja::PoOkresieUmowy);
    h.SetKwotaMinimalna(1000);
    h.SetKwotaMaksymalna(0);
    h.SetWymaganeKontoOsobisteWTymBanku(false);
    h.SetMozliwoscWczesniejszegoZerwaniaLokaty(true);
    h.SetWarunkiWczesniejszegoZerwaniaLokaty("   ");
    h.SetPozostaleInformacje(" tylko online ");
    h.SetHarmonogramDodanyPrzezUzytkownika(true);
    h.SetZmiany(Zmieniono);
    const std::string zmiana = fDane.Zbuduj(TTabele::HarmonogramyLokatBankowych).Polecenia.at(0);
    EXPECT_EQ(zmiana,
              R"(UPDATE "HarmonogramyLokat" SET "Bank"='Bank',"Nazwa"='Lokata 3M',"OkresDepozytu"=3,)"
              R"("JednostkaDepozytu"=2,"OprocentowanieStaleWCalymOkresieLokaty"=1,"OprocentowanieWSkaliRoku"=3.46,)"
              R"("Kapitalizacja"=4,"KwotaMinimalna"=1000,"KwotaMaksymalna"=0,"WymaganeKontoOsobisteWTymBanku"=0,)"
              R"("MozliwoscWczesniejszegoZerwaniaLokaty"=1,"WarunkiWczesniejszegoZerwaniaLokaty"=NULL,)"
              R"("PozostaleInformacje"=' tylko online ',"HarmonogramDodanyPrzezUzytkownika"=1,)"
              R"("DataDodania"='2013-05-17 12:00' WHERE "Id"=3;)");

    h.SetZmiany(Dodano);
    EXPECT_EQ(fDane.Zbuduj(TTabele::HarmonogramyLokatBankowych).Polecenia.at(0),
              R"(INSERT INTO "HarmonogramyLokat" ("Bank", "Nazwa", "OkresDepozytu", "JednostkaDepozytu", )"
              R"("OprocentowanieStaleWCalymOkresieLokaty", "OprocentowanieWSkaliRoku", "Kapitalizacja", )"
              R"("KwotaMinimalna", "KwotaMaksymalna", "WymaganeKontoOsobisteWTymBanku", )"
              R"("MozliwoscWczesniejszegoZerwaniaLokaty", "WarunkiWczesniejszegoZerwaniaLokaty", )"
              R"("PozostaleInformacje", "HarmonogramDodanyPrzezUzytkownika", "DataDodania" ) VALUES('Bank',)"
              R"('Lokata 3M',3,2,1,3.46,4,1000,0,0,1,NULL,' tylko online ',1,'2013-05-17 12:00');)");
}

TEST_F(PoleceniaZapisu, WydatkiOdOstatniegoDoPierwszego)
{
    UtworzPodstawy(k);
    TWydatek& w = Wydatek(k, 5, 1, 1, 1, Zmieniono);
    w.SetIle(99.999);
    w.SetKomentarz("Obiad");
    w.SetZalacznik("paragon.pdf");
    w.SetZlecenieStale(true);
    Wydatek(k, 1006, 1, 1, 1, Dodano);
    Wydatek(k, 7, 1, 1, 1, Usunieto);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Wydatki);
    EXPECT_EQ(p.Polecenia,
              (TPolecenia{
                  R"(DELETE FROM "Wydatki" WHERE "Id"=7;)",
                  R"(INSERT INTO "Wydatki" ("IdKategoriaWydatki", "Ile", "IdKategoriaOszczednosci", "Data", )"
                  R"("IdOsoba", "Komentarz", "ZlecenieStale", "Zalacznik") VALUES(1,10,1,'2013-05-17 09:05',1,NULL,0,NULL);)",
                  R"(UPDATE "Wydatki" SET "IdKategoriaWydatki"=1,"Ile"=100,"IdKategoriaOszczednosci"=1,)"
                  R"("Data"='2013-05-17 09:05',"IdOsoba"=1,"Komentarz"='Obiad',"Zalacznik"='paragon.pdf',)"
                  R"("ZlecenieStale"=1 WHERE "Id"=5;)",
              }));
    EXPECT_TRUE(p.OdswiezStanOszczednosci);
}

TEST_F(PoleceniaZapisu, Przychody)
{
    UtworzPodstawy(k);
    Przychod(k, 5, 1, 1, 1, Zmieniono).SetKomentarz("Maj");
    Przychod(k, 1006, 1, 1, 1, Dodano).SetZlecenieStale(true);
    EXPECT_EQ(fDane.Zbuduj(TTabele::Przychody).Polecenia,
              (TPolecenia{
                  R"(INSERT INTO "Przychody" ("IdKategoriaPrzychody", "Ile", "IdKategoriaOszczednosci", "Data", )"
                  R"("IdOsoba", "Komentarz", "ZlecenieStale" ) VALUES(1,10,1,'2013-05-17 09:05',1,NULL,1);)",
                  R"(UPDATE "Przychody" SET "IdKategoriaPrzychody"=1,"Ile"=10,"IdKategoriaOszczednosci"=1,)"
                  R"("Data"='2013-05-17 09:05',"IdOsoba"=1,"Komentarz"='Maj',"ZlecenieStale"=0 WHERE "Id"=5;)",
              }));
}

// Savings entries last to first, then their transfers first to last.
TEST_F(PoleceniaZapisu, OszczednosciIPrzelewy)
{
    UtworzPodstawy(k);
    Przelew(k, 3, 1, 2, Zmieniono).SetKomentarz("Na wakacje");
    Przelew(k, 1004, 2, 1, Dodano);
    Dodaj(k.Oszczednosci(), 1002, 1, 250.5, fData, std::string(), uint8_t{2}, Dodano);
    Oszczednosc(k, 3, 1, 7.0, Zmieniono);
    Oszczednosc(k, 4, 1, 7.0, Usunieto);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Oszczednosci);
    EXPECT_EQ(p.Polecenia,
              (TPolecenia{
                  R"(DELETE FROM "Oszczednosci" WHERE "Id"=4;)",
                  R"(UPDATE "Oszczednosci" SET "IdKategoriaOszczednosci"=1,"Ile"=7,"Data"='2013-05-17 09:05',)"
                  R"("TypOszczednosci"=1,"Komentarz"=NULL WHERE "Id"=3;)",
                  R"(INSERT INTO "Oszczednosci" ("IdKategoriaOszczednosci", "Ile", "Data", "Komentarz", )"
                  R"("TypOszczednosci" ) VALUES(1,250.5,'2013-05-17 09:05',NULL,2);)",
                  R"(UPDATE "HistoriaPrzelewow" SET "Ile"=5,"IdKategoriaOszczednosciFrom"=1,)"
                  R"("IdKategoriaOszczednosciTo"=2,"Data"='2013-05-17 09:05',"Komentarz"='Na wakacje' WHERE "Id"=3;)",
                  R"(INSERT INTO "HistoriaPrzelewow" ("Ile", "IdKategoriaOszczednosciFrom", )"
                  R"("IdKategoriaOszczednosciTo", "Data", "Komentarz" ) VALUES(5,2,1,'2013-05-17 09:05',NULL);)",
              }));
    EXPECT_TRUE(p.Komunikaty.empty());
}

TEST_F(PoleceniaZapisu, ZleceniaStaleIIchHistoria)
{
    UtworzPodstawy(k);
    TZlecenieStale& z = Zlecenie(k.ZleceniaStaleWydatki(), 2, 1, 1, Zmieniono, "Abonament");
    z.SetKwota(49.99);
    z.SetCzestotliwosc(TCzestotliwosc::CoMiesiac);
    z.SetTypZleceniaStalego(0);
    z.SetAktywne(true);
    Zlecenie(k.ZleceniaStalePrzychody(), 1003, 1, 1, Dodano, "Pensja").SetCzestotliwosc(TCzestotliwosc::Nigdy);
    EXPECT_EQ(fDane.Zbuduj(TTabele::ZleceniaStaleWydatki).Polecenia,
              TPolecenia{R"(UPDATE "ZleceniaStale" SET "IdKategorii"=1,"IdOszczednosci"=1,"Nazwa"='Abonament',)"
                         R"("Kwota"=49.99,"Czestotliwosc"=2,"TypZleceniaStalego"=0,"Data"='2013-05-17 09:05',)"
                         R"("Aktywne"=1 WHERE "Id"=2;)"});
    EXPECT_EQ(fDane.Zbuduj(TTabele::ZleceniaStalePrzychody).Polecenia,
              TPolecenia{R"(INSERT INTO "ZleceniaStale" ("IdKategorii", "IdOszczednosci", "Nazwa", "Kwota", )"
                         R"("Czestotliwosc", "TypZleceniaStalego", "Data", "Aktywne" ) VALUES(1,1,'Pensja',0,-1,-1,)"
                         R"('2013-05-17 09:05',0);)"});

    TZlecenieStale& wydatku = Zlecenie(k.HistoriaZlecenStalych(), 4, 1, 1, Zmieniono);
    wydatku.SetIdZleceniaStalego(2);
    wydatku.SetIdOsoba(1);
    wydatku.SetTypZleceniaStalego(0);
    wydatku.SetCzestotliwosc(TCzestotliwosc::CoMiesiac);
    TZlecenieStale& przychodu = Zlecenie(k.HistoriaZlecenStalych(), 1005, 1, 1, Dodano);
    przychodu.SetIdZleceniaStalego(3);
    przychodu.SetIdOsoba(1);
    przychodu.SetKomentarz("maj");
    przychodu.SetTypZleceniaStalego(1);
    przychodu.SetCzestotliwosc(TCzestotliwosc::CoRok);
    Zlecenie(k.HistoriaZlecenStalych(), 6, 1, 1, Usunieto);
    const TPolecenia historia = {
        R"(DELETE FROM "HistoriaZlecenStalych" WHERE "Id"=6;)",
        R"(INSERT INTO "HistoriaZlecenStalych" ("IdKategorii", "IdZleceniaStalego", "IdOszczednosci", "Kwota", )"
        R"("Czestotliwosc", "TypZleceniaStalego", "Data", "Komentarz", "IdOsoba") VALUES(1,3,1,0,6,1,)"
        R"('2013-05-17 09:05','maj',1);)",
        R"(UPDATE "HistoriaZlecenStalych" SET "IdKategorii"=1,"IdZleceniaStalego"=2,"IdOszczednosci"=1,"Kwota"=0,)"
        R"("Czestotliwosc"=2,"TypZleceniaStalego"=0,"Data"='2013-05-17 09:05',"Komentarz"=NULL,"IdOsoba"=1 WHERE "Id"=4;)",
    };
    // Either history value saves the one list of both kinds.
    EXPECT_EQ(fDane.Zbuduj(TTabele::HistoriaZlecenStalychWydatki).Polecenia, historia);
    EXPECT_EQ(fDane.Zbuduj(TTabele::HistoriaZlecenStalychPrzychody).Polecenia, historia);
}

TEST_F(PoleceniaZapisu, StanyOszczednosciTylkoUsuwane)
{
    Dodaj(k.StanyOszczednosci(), 1, 10.0, fData, Usunieto);
    Dodaj(k.StanyOszczednosci(), 2, 10.0, fData, Zmieniono);
    Dodaj(k.StanyOszczednosci(), 1003, 10.0, fData, Dodano);
    Dodaj(k.StanyOszczednosci(), 4, 10.0, fData, Usunieto);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::StanyOszczednosci);
    EXPECT_EQ(p.Polecenia, (TPolecenia{R"(DELETE FROM "StanOszczednosci" WHERE "Id"=1;)",
                                        R"(DELETE FROM "StanOszczednosci" WHERE "Id"=4;)"}));
    EXPECT_FALSE(p.OdswiezStanOszczednosci);
}

TEST_F(PoleceniaZapisu, KategorieWydatkowIPrzychodow)
{
    KategoriaWydatkow(k, 1, "Jedzenie");
    KategoriaWydatkow(k, 2, "Czynsz", Zmieniono, true).SetWaga(3);
    KategoriaWydatkow(k, 1003, "Opłaty; prąd", Dodano);
    KategoriaWydatkow(k, 4, "Stare", Usunieto);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Kategorie_Wydatki);
    EXPECT_EQ(p.Polecenia,
              (TPolecenia{
                  R"(UPDATE "KategorieWydatkow" SET "Opis"='Czynsz', "Usuniety"=1, "Waga"=3 WHERE "Id"=2;)",
                  R"(INSERT INTO "KategorieWydatkow" ("Opis", "Usuniety", "Waga") VALUES('Opłaty prąd', 0, 1);)",
                  R"(DELETE FROM "KategorieWydatkow" WHERE "Id"=4;)",
              }));
    ASSERT_TRUE(p.Slownik);
    EXPECT_EQ(*p.Slownik, (TSlownikZapisu{{1003, "Opłaty prąd"}}));

    KategoriaPrzychodow(k, 1, "Pobory", Zmieniono);
    KategoriaPrzychodow(k, 1002, "Premia", Dodano);
    EXPECT_EQ(fDane.Zbuduj(TTabele::Kategorie_Przychody).Polecenia,
              (TPolecenia{
                  R"(UPDATE "KategoriePrzychodow" SET "Opis"='Pobory', "Usuniety"=0, "Waga"=1 WHERE "Id"=1;)",
                  R"(INSERT INTO "KategoriePrzychodow" ("Opis", "Usuniety", "Waga") VALUES('Premia', 0, 1);)",
              }));
}

// The savings-category delete and the person statements write the id between quotation marks.
TEST_F(PoleceniaZapisu, KategorieOszczednosci)
{
    KategoriaOszczednosci(k, 1, "Konto", Zmieniono).SetCharakterDlugu(true);
    KategoriaOszczednosci(k, 1002, "Skarbonka", Dodano, false);
    KategoriaOszczednosci(k, 12, "Stara", Usunieto);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Kategorie_Oszczednosci);
    EXPECT_EQ(p.Polecenia,
              (TPolecenia{
                  R"(UPDATE "KategorieOszczednosci" SET "Opis"='Konto', "Usuniety"=0, "MoznaZaplacic"=1, )"
                  R"("Dlug"=1, "Waga"=1 WHERE "Id"=1;)",
                  R"(INSERT INTO "KategorieOszczednosci" ("Opis", "Usuniety", "MoznaZaplacic", "Dlug", "Waga") )"
                  R"(VALUES('Skarbonka', 0, 0, 0, 1);)",
                  R"(DELETE FROM "KategorieOszczednosci" WHERE "Id"="12";)",
              }));
    EXPECT_EQ(*p.Slownik, (TSlownikZapisu{{1002, "Skarbonka"}}));
}

TEST_F(PoleceniaZapisu, OsobyOdOstatniejDoPierwszej)
{
    Osoba(k, 12, "Anna", "Nowak", Usunieto);
    TOsoba& zmieniona = Osoba(k, 2, "Jan", "Kowalski", Zmieniono);
    zmieniona.SetPseudonim("Jaś");
    zmieniona.SetTelefon("600 'A'");
    zmieniona.SetWaga(4);
    Osoba(k, 1003, "'''", "O'Neil", Dodano);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Osoby);
    EXPECT_EQ(p.Polecenia,
              (TPolecenia{
                  R"(INSERT INTO "Osoby" ("Imie", "Nazwisko", "Pseudonim", "Adres", "Telefon", "Waga", "Usuniety") )"
                  R"(VALUES('', 'ONeil', NULL, NULL, NULL, 1, 0);)",
                  R"(UPDATE "Osoby" SET "Imie"='Jan', "Nazwisko"='Kowalski', "Pseudonim"='Jaś', "Adres"=NULL, )"
                  R"("Telefon"='600 A', "Usuniety"=0, "Waga"=4 WHERE "Id"="2";)",
                  R"(DELETE FROM "Osoby" WHERE "Id"="12";)",
              }));
    EXPECT_EQ(*p.Slownik, (TSlownikZapisu{{1003, " ONeil"}}));
}

TEST_F(PoleceniaZapisu, BezZmianITabeleBezGaleziNicNieBuduja)
{
    UtworzPodstawy(k);
    Plan(k, 1, TTypPlanu::Wydatek, 1, BezZmian);
    for (const TTabele t : {TTabele::Pusta, TTabele::PrzychodyIRozchody, TTabele::Plany, TTabele::Wydatki,
                            TTabele::Kategorie_Wydatki}) {
        const TPaczkaZapisu p = fDane.Zbuduj(t);
        EXPECT_TRUE(p.Polecenia.empty());
        EXPECT_TRUE(p.Komunikaty.empty());
    }
}

}  // namespace
