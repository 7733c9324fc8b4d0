// The schema a project database is opened with: the statements as SQLite keeps them, the
// lookup rows, the views, the column titles and the upgrades of older layouts.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "OczekiwanySchemat.h"
#include "PomocnikiBazy.h"
#include "collections/KolekcjeDanych.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "records/KategoriaWydatki.h"
#include "support/TestPlatforma.h"

namespace {

class SchematBazy : public ::testing::Test {
protected:
    std::unique_ptr<TProjektDB> Otworz()
    {
        return std::make_unique<TProjektDB>(std::make_unique<TPlikiDB>(fPlik));
    }
    std::map<std::string, std::string> Schemat() const
    {
        std::map<std::string, std::string> obiekty = ObiektySchematu(fPlik);
        obiekty.erase("table sqlite_sequence");
        return obiekty;
    }

    TUstawionyZegar fZegar{KodujDateCzas(2013, 5, 17, 12, 0)};
    TUstawionyRejestrator fKomunikaty;
    TTymczasowyFolder fFolder;
    const std::string fPlik = fFolder.Plik("baza.dat");
};

const std::vector<std::string> CzestotliwosciWBazie{
    "-1|Nigdy",          "0|Codziennie",  "1|Co tydzień", "2|Co miesiąc",
    "3|Co dwa miesiące", "4|Co kwartał",  "5|Co pół roku", "6|Co rok",
    "7|Uruchamiane ręcznie"};

TEST_F(SchematBazy, NowyPlikMaDokladnieZapisanySchemat)
{
    Otworz();
    EXPECT_EQ(Schemat(), OczekiwanySchemat);
    EXPECT_EQ(Wiersze(fPlik, "SELECT Id, Opis FROM Czestotliwosci ORDER BY Id"), CzestotliwosciWBazie);

    // Opening again changes no statement and rewrites the same nine rows.
    WykonajSQL(fPlik, {"INSERT INTO Czestotliwosci VALUES (8, 'obcy');"});
    Otworz();
    EXPECT_EQ(Schemat(), OczekiwanySchemat);
    EXPECT_EQ(Wiersze(fPlik, "SELECT Id, Opis FROM Czestotliwosci ORDER BY Id"), CzestotliwosciWBazie);
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
}

// The views rely on double-quoted string literals: " " between the names is a blank.
TEST_F(SchematBazy, WidokiDzialaja)
{
    Otworz();
    WykonajSQL(fPlik, {
        "INSERT INTO KategorieWydatkow VALUES (1, 'Czynsz', 0, 10);",
        "INSERT INTO KategoriePrzychodow VALUES (1, 'Pobory', 0, 10);",
        "INSERT INTO KategorieOszczednosci VALUES (1, 'Konto', 0, 1, 0, 10);",
        "INSERT INTO Osoby (Id, Imie, Nazwisko, Waga) VALUES (1, 'Jan', 'Kowalski', 10);",
        "INSERT INTO Wydatki (IdKategoriaWydatki, Ile, IdKategoriaOszczednosci, Data, IdOsoba) "
        "VALUES (1, 12.5, 1, '2013-05-01 10:00', 1);",
        "INSERT INTO Przychody (IdKategoriaPrzychody, Ile, IdKategoriaOszczednosci, Data, IdOsoba) "
        "VALUES (1, 100, 1, '2013-05-02 10:00', 1);",
        "INSERT INTO Oszczednosci (IdKategoriaOszczednosci, Ile, Data) VALUES (1, 50, '2013-05-01');",
        "INSERT INTO ZleceniaStale VALUES (1, 1, 1, 'Najem', 700, 2, 0, '2013-05-01', 1);",
    });
    EXPECT_EQ(Wiersze(fPlik, "SELECT Kto, \"Na co\", \"Czym zapłacono\" FROM \"vWydatki\""),
              std::vector<std::string>{"Jan Kowalski|Czynsz|Konto"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT \"Typ zlecenia\", Aktywne, \"Częstotliwość\" FROM vZleceniaStale"),
              std::vector<std::string>{"Wydatki|TAK|Co miesiąc"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT Kwota, Kto FROM vHistoriaPrzychodowRozchodow"),
              (std::vector<std::string>{"-12,5|Jan Kowalski", "100|Jan Kowalski"}));
    for (const char* widok : {"vPrzychody", "vOszczednosci", "vHistoriaPrzelewowOszczednosci",
                              "vHistoriaZlecenStalych"})
        EXPECT_NO_THROW(Wiersze(fPlik, std::string("SELECT * FROM \"") + widok + "\"")) << widok;
}

TEST_F(SchematBazy, TytulyKolumnUstawianePrzyOtwarciu)
{
    const auto db = Otworz();
    const TKolekcjeDanych& k = db->Kolekcje();
    EXPECT_EQ(k.TabelaPlany().TytulyKolumn(),
              (std::vector<std::string>{"ID", "Wykonany", "Nazwa", "Kategoria", "Kwota", "Data",
                                        "Komentarz", "TypPlanu", "DodanyDoKolekcji"}));
    EXPECT_EQ(k.TabelaPlany().IleKolumn(), 8);
    EXPECT_EQ(k.TabelaOsoby().TytulyKolumn(),
              (std::vector<std::string>{"ID", "Imię", "Nazwisko", "Pseudonim", "Adres", "Telefon",
                                        "Waga", "Widoczność"}));
    EXPECT_EQ(k.TabelaHarmonogramyLokatBankowych().IleKolumn(), 11);
    EXPECT_EQ(k.TabelaHistoriaZlecenStalychPrzychody().TytulyKolumn()[2], "Tytuł przychodu");
}

// A file of an old version: columns added over the years are missing.
TEST_F(SchematBazy, BrakujaceKolumnyDodawaneZWartosciamiDomyslnymi)
{
    WykonajSQL(fPlik, {
        "CREATE TABLE \"KategorieWydatkow\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE, \"Opis\" VARCHAR NOT NULL, \"Usuniety\" BOOL NOT NULL);",
        "CREATE TABLE \"KategoriePrzychodow\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE, \"Opis\" VARCHAR NOT NULL, \"Usuniety\" BOOL NOT NULL);",
        "CREATE TABLE \"KategorieOszczednosci\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE, \"Opis\" VARCHAR NOT NULL, \"Usuniety\" BOOL NOT NULL, \"MoznaZaplacic\" BOOL NOT NULL);",
        "CREATE TABLE \"Osoby\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE, \"Imie\" VARCHAR NOT NULL, \"Nazwisko\" VARCHAR NOT NULL, \"Pseudonim\" VARCHAR, \"Adres\" VARCHAR, \"Telefon\" VARCHAR);",
        "CREATE TABLE \"Wydatki\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE, \"IdKategoriaWydatki\" INTEGER NOT NULL, \"Ile\" REAL NOT NULL, \"IdKategoriaOszczednosci\" INTEGER NOT NULL, \"Data\" DATETIME NOT NULL, \"IdOsoba\" INTEGER NOT NULL, \"Komentarz\" TEXT);",
        "CREATE TABLE \"Przychody\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE, \"IdKategoriaPrzychody\" INTEGER NOT NULL, \"Ile\" REAL NOT NULL, \"IdKategoriaOszczednosci\" INTEGER NOT NULL, \"Data\" DATETIME NOT NULL, \"IdOsoba\" INTEGER NOT NULL, \"Komentarz\" TEXT);",
        "CREATE TABLE \"Oszczednosci\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE, \"IdKategoriaOszczednosci\" INTEGER NOT NULL, \"Ile\" REAL NOT NULL, \"Data\" DATETIME NOT NULL, \"Komentarz\" TEXT);",
        "CREATE TABLE \"HistoriaPrzelewow\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE, \"Ile\" REAL NOT NULL, \"IdKategoriaOszczednosciFrom\" INTEGER NOT NULL, \"IdKategoriaOszczednosciTo\" INTEGER NOT NULL, \"Data\" DATETIME NOT NULL);",
        "CREATE TABLE \"Plany\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE, \"Nazwa\" TEXT NOT NULL, \"Kwota\" REAL NOT NULL DEFAULT 0, \"IdKategorii\" INTEGER NOT NULL, \"Wykonany\" BOOL NOT NULL DEFAULT 0, \"TypPlanu\" INTEGER NOT NULL, \"Data\" DATETIME NOT NULL, \"Komentarz\" TEXT);",
        "CREATE TABLE \"Lokaty\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE, \"Nazwa\" TEXT NOT NULL, \"Kwota\" REAL NOT NULL DEFAULT 0, \"DataRozpoczecia\" DATETIME NOT NULL, \"OkresLokaty\" INTEGER NOT NULL DEFAULT 0, \"JednostkaLokaty\" INTEGER NOT NULL DEFAULT -1, \"IdHarmonogramLokaty\" INTEGER NOT NULL DEFAULT -1);",
        "INSERT INTO KategorieWydatkow VALUES (1, 'Czynsz', 0), (2, 'Prąd', 1);",
        "INSERT INTO KategorieOszczednosci VALUES (1, 'Konto', 0, 1);",
        "INSERT INTO Osoby VALUES (1, 'Jan', 'Kowalski', NULL, NULL, NULL);",
        "INSERT INTO Wydatki VALUES (1, 1, 10.5, 1, '2013-05-01 10:00', 1, 'stary');",
        "INSERT INTO Przychody VALUES (1, 1, 20, 1, '2013-05-02 10:00', 1, NULL);",
        "INSERT INTO Oszczednosci VALUES (1, 1, 30, '2013-05-03', NULL);",
        "INSERT INTO HistoriaPrzelewow VALUES (1, 5, 1, 1, '2013-05-04');",
        "INSERT INTO Plany VALUES (1, 'Wakacje', 900, 1, 0, 0, '2013-07-01', NULL);",
        "INSERT INTO Lokaty VALUES (1, 'Roczna', 1000, '2013-01-01', 12, 2, -1);",
    });
    const auto db = Otworz();
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());

    EXPECT_EQ(Wiersze(fPlik, "SELECT Id, Waga FROM KategorieWydatkow ORDER BY Id"),
              (std::vector<std::string>{"1|10", "2|10"}));
    EXPECT_EQ(Wiersze(fPlik, "SELECT Waga, Dlug FROM KategorieOszczednosci"), std::vector<std::string>{"10|0"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT Waga, Usuniety FROM Osoby"), std::vector<std::string>{"10|0"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT Komentarz, ZlecenieStale, Zalacznik FROM Wydatki"),
              std::vector<std::string>{"stary|0|NULL"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT ZlecenieStale FROM Przychody"), std::vector<std::string>{"0"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT TypOszczednosci FROM Oszczednosci"), std::vector<std::string>{"1"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT Komentarz FROM HistoriaPrzelewow"), std::vector<std::string>{"NULL"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT DodanyDoKolekcji FROM Plany"), std::vector<std::string>{"0"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT Aktywna FROM Lokaty"), std::vector<std::string>{"0"});

    // The upgraded file loads: both categories with their new weight.
    ASSERT_EQ(db->Kolekcje().KategorieWydatki().size(), 2u);
    EXPECT_EQ(db->Kolekcje().KategorieWydatki()[0]->Waga(), 10u);
    EXPECT_EQ(db->Kolekcje().Wydatki().size(), 1u);
    EXPECT_EQ(db->Kolekcje().Lokaty().size(), 1u);
}

// The old standing-order and deposit layouts are recreated empty; their rows are kept in a
// table of their own instead of being dropped with the old table.
TEST_F(SchematBazy, StaryUkladTabelZastepowanyZZachowaniemWierszy)
{
    Otworz();
    WykonajSQL(fPlik, {
        "DROP TABLE ZleceniaStale;",
        "DROP TABLE HistoriaZlecenStalych;",
        "DROP TABLE Lokaty;",
        "CREATE TABLE \"ZleceniaStale\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE, \"IdKategorii\" INTEGER NOT NULL, \"IdKategoriiOszczednosci\" INTEGER NOT NULL, \"Nazwa\" TEXT NOT NULL, \"Kwota\" REAL NOT NULL, \"Czestotliwosc\" INTEGER NOT NULL, \"TypZleceniaStalego\" INTEGER NOT NULL, \"Data\" DATETIME NOT NULL, \"Aktywne\" BOOL NOT NULL);",
        "CREATE TABLE \"HistoriaZlecenStalych\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE, \"IdKategorii\" INTEGER NOT NULL, \"IdZleceniaStalego\" INTEGER NOT NULL, \"IdKategoriiOszczednosci\" INTEGER NOT NULL, \"Kwota\" REAL NOT NULL, \"Czestotliwosc\" INTEGER NOT NULL, \"TypZleceniaStalego\" INTEGER NOT NULL, \"Data\" DATETIME NOT NULL);",
        "CREATE TABLE \"Lokaty\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL UNIQUE, \"Nazwa\" TEXT NOT NULL, \"Kwota\" REAL NOT NULL, \"DataRozpoczecia\" DATETIME NOT NULL, \"IloscMiesiecy\" INTEGER NOT NULL);",
        "INSERT INTO ZleceniaStale VALUES (1, 1, 1, 'Czynsz', 700, 2, 0, '2013-01-01', 1), (2, 1, 1, 'Pensja', 3000, 2, 1, '2013-01-01', 1);",
        "INSERT INTO HistoriaZlecenStalych VALUES (1, 1, 1, 1, 700, 2, 0, '2013-02-01');",
        "INSERT INTO Lokaty VALUES (1, 'Roczna', 1000, '2013-01-01', 12);",
        "INSERT INTO KategorieWydatkow VALUES (1, 'Czynsz', 0, 10);",
        "INSERT INTO Plany (Nazwa, Kwota, IdKategorii, TypPlanu, Data) VALUES ('Wakacje', 900, 1, 0, '2013-07-01');",
    });

    const auto db = Otworz();
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());

    std::map<std::string, std::string> schemat = Schemat();
    EXPECT_NE(schemat.erase("table ZleceniaStale_stare_1"), 0u);
    EXPECT_NE(schemat.erase("table HistoriaZlecenStalych_stare_1"), 0u);
    EXPECT_NE(schemat.erase("table Lokaty_stare_1"), 0u);
    EXPECT_EQ(schemat, OczekiwanySchemat);

    EXPECT_TRUE(Wiersze(fPlik, "SELECT * FROM ZleceniaStale").empty());
    EXPECT_TRUE(Wiersze(fPlik, "SELECT * FROM HistoriaZlecenStalych").empty());
    EXPECT_TRUE(Wiersze(fPlik, "SELECT * FROM Lokaty").empty());
    EXPECT_EQ(Wiersze(fPlik, "SELECT Id, Nazwa FROM ZleceniaStale_stare_1 ORDER BY Id"),
              (std::vector<std::string>{"1|Czynsz", "2|Pensja"}));
    EXPECT_EQ(Wiersze(fPlik, "SELECT Kwota FROM HistoriaZlecenStalych_stare_1"), std::vector<std::string>{"700"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT Nazwa, IloscMiesiecy FROM Lokaty_stare_1"), std::vector<std::string>{"Roczna|12"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT Opis FROM KategorieWydatkow"), std::vector<std::string>{"Czynsz"});
    EXPECT_EQ(db->Kolekcje().Plany().size(), 1u);
    EXPECT_TRUE(db->Kolekcje().ZleceniaStaleWydatki().empty());

    // Nothing more happens at the next opening.
    Otworz();
    EXPECT_EQ(ObiektySchematu(fPlik).size(), OczekiwanySchemat.size() + 4);
}

// A replaced table with a copy from an earlier upgrade gets the next free name; an empty
// old table leaves no copy.
TEST_F(SchematBazy, KopiaStaregoUkladuNieNadpisujePoprzedniej)
{
    Otworz();
    WykonajSQL(fPlik, {
        "DROP TABLE Lokaty;",
        "CREATE TABLE \"Lokaty\" (\"Id\" INTEGER PRIMARY KEY, \"Nazwa\" TEXT, \"IloscMiesiecy\" INTEGER);",
        "INSERT INTO Lokaty VALUES (1, 'Druga', 6);",
        "CREATE TABLE \"lokaty_STARE_1\" (\"Nazwa\" TEXT);",
        "INSERT INTO lokaty_STARE_1 VALUES ('Pierwsza');",
        "DROP TABLE ZleceniaStale;",
        "CREATE TABLE \"ZleceniaStale\" (\"Id\" INTEGER PRIMARY KEY, \"IdKategoriiOszczednosci\" INTEGER);",
    });
    Otworz();
    EXPECT_EQ(Wiersze(fPlik, "SELECT Nazwa FROM lokaty_STARE_1"), std::vector<std::string>{"Pierwsza"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT Nazwa FROM Lokaty_stare_2"), std::vector<std::string>{"Druga"});
    EXPECT_EQ(ObiektySchematu(fPlik).count("table ZleceniaStale_stare_1"), 0u);
    EXPECT_EQ(ObiektySchematu(fPlik).at("table ZleceniaStale"), OczekiwanySchemat.at("table ZleceniaStale"));
}

}  // namespace
