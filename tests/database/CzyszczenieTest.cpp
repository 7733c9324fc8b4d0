// Wiping every data table, and running a batch of statements handed over by the caller.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OtwartaBaza.h"
#include "UstawionaAplikacja.h"

namespace {

const std::vector<std::string> TabeleDanych{
    "Wydatki",       "Przychody",           "Oszczednosci",          "HistoriaPrzelewow", "StanOszczednosci",
    "KategorieWydatkow", "KategoriePrzychodow", "KategorieOszczednosci", "Osoby",         "ZleceniaStale",
    "HistoriaZlecenStalych", "Plany",        "Ograniczenia",          "Lokaty",            "HarmonogramyLokat"};

class Czyszczenie : public OtwartaBaza {
protected:
    // Every data table holds rows, and the collections hold them too.
    void SetUp() override
    {
        fBaza->WpiszDaneTestowe();
        Wstaw({"INSERT INTO HistoriaPrzelewow VALUES (500, 300, 1, 2, '2013-04-02', NULL);",
               "INSERT INTO StanOszczednosci VALUES (500, 1000.25, '2013-04-02 10:00:00');",
               "INSERT INTO ZleceniaStale VALUES (500, 4, 2, 'Czynsz', 800, 2, 0, '2013-01-10', 1);",
               "INSERT INTO HistoriaZlecenStalych VALUES (500, 4, 500, 2, 800, 2, 0, '2013-02-10', NULL, 1);",
               "INSERT INTO Plany VALUES (500, 'Ubezpieczenie', 450.99, 3, 0, 1, 0, '2013-03-03', NULL);",
               "INSERT INTO Ograniczenia VALUES (500, 4, 300, 3000, 2013, '2013-01-02');",
               "INSERT INTO Lokaty VALUES (500, 'Na wakacje', 5000, '2013-05-01', 3, 2, -1, 1);",
               "INSERT INTO HarmonogramyLokat VALUES (500, 'Bank A', 'Lokata 3M', 3, 2, 1, 4.5, 1, 1000, 50000,"
               " 0, 1, 'utrata odsetek', NULL, 'True', '2013-04-30 12:00:00');"});
        for (const std::string& tabela : TabeleDanych)
            ASSERT_GT(Wierszy(tabela), 0) << tabela;
        fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);
        ASSERT_FALSE(Kolekcje().Plany().empty());
    }
    int Wierszy(const std::string& tabela) const
    {
        return std::stoi(Wiersze(fPlik, "SELECT COUNT(*) FROM \"" + tabela + "\"")[0]);
    }

    TUstawionaAplikacja fAplikacja;
};

TEST_F(Czyszczenie, UsuwaWierszeIZerujeLicznikiZostawiajacCzestotliwosci)
{
    ASSERT_TRUE(fBaza->WyczyscWszystkieDane());

    for (const std::string& tabela : TabeleDanych)
        EXPECT_EQ(Wierszy(tabela), 0) << tabela;
    EXPECT_EQ(Wierszy("Czestotliwosci"), 9);
    EXPECT_TRUE(Kolekcje().Wydatki().empty());
    EXPECT_TRUE(Kolekcje().KategorieWydatki().empty());
    EXPECT_TRUE(Kolekcje().Plany().empty());
    EXPECT_FALSE(Kolekcje().KolekcjeZawierajaDane());
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());

    Wstaw({"INSERT INTO Wydatki (IdKategoriaWydatki, Ile, IdKategoriaOszczednosci, Data, IdOsoba) "
           "VALUES (1, 10, 1, '2013-05-17', 1);"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT Id FROM Wydatki"), std::vector<std::string>{"1"});
}

TEST_F(Czyszczenie, NieudanaPaczkaZostawiaTabeleIKolekcje)
{
    Wstaw({"CREATE TRIGGER ChronPlany BEFORE DELETE ON Plany BEGIN SELECT RAISE(ABORT, 'plany chronione'); END;"});
    const int wydatkow = Wierszy("Wydatki");

    EXPECT_FALSE(fBaza->WyczyscWszystkieDane());

    ASSERT_EQ(fKomunikaty->Komunikaty.size(), 1u);
    EXPECT_EQ(fKomunikaty->Komunikaty[0].Tytul, "BŁĄD !!!");
    EXPECT_EQ(Wierszy("Wydatki"), wydatkow);
    EXPECT_EQ(Kolekcje().Wydatki().size(), static_cast<size_t>(wydatkow));
    EXPECT_FALSE(Kolekcje().Plany().empty());
}

using WpisanePolecenia = OtwartaBaza;

TEST_F(WpisanePolecenia, BladWSrodkuNieZostawiaNiczegoZPaczki)
{
    EXPECT_FALSE(fBaza->WykonajWpisanePoleceniaSQL(
        {"INSERT INTO KategorieWydatkow (Opis, Usuniety, Waga) VALUES ('Pierwsza', 0, 10);",
         "INSERT INTO NieMaTakiejTabeli VALUES (1);",
         "INSERT INTO KategorieWydatkow (Opis, Usuniety, Waga) VALUES ('Trzecia', 0, 10);"}));
    ASSERT_EQ(fKomunikaty->Komunikaty.size(), 1u);
    EXPECT_EQ(fKomunikaty->Komunikaty[0].Tytul, "BŁĄD !!!");
    EXPECT_NE(fKomunikaty->Komunikaty[0].Tekst.find("NieMaTakiejTabeli"), std::string::npos);
    EXPECT_EQ(Wiersze(fPlik, "SELECT COUNT(*) FROM KategorieWydatkow"), std::vector<std::string>{"0"});

    // The object goes on working.
    EXPECT_TRUE(fBaza->WykonajWpisanePoleceniaSQL(
        {"INSERT INTO KategorieWydatkow (Opis, Usuniety, Waga) VALUES ('Kolejna', 0, 10);"}));
    EXPECT_EQ(Wiersze(fPlik, "SELECT Opis FROM KategorieWydatkow"), std::vector<std::string>{"Kolejna"});
}

}  // namespace
