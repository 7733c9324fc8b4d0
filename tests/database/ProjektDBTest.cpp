#include "database/ProjektDB.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "PomocnikiBazy.h"
#include "common/Wyjatki.h"
#include "database/PlikiDB.h"
#include "support/TestPlatforma.h"

namespace {

class ProjektDB : public ::testing::Test {
protected:
    TUstawionyZegar fZegar{KodujDateCzas(2013, 5, 17, 12, 0)};
    TUstawionyRejestrator fKomunikaty;
    TTymczasowyFolder fFolder;
    const std::string fPlik = fFolder.Plik("baza.dat");
};

TEST_F(ProjektDB, DomyslneKategorie)
{
    const TProjektDB db(std::make_unique<TPlikiDB>(fPlik));
    const TStringList& wydatki = db.DomyslneKategorieWydatkow();
    ASSERT_EQ(wydatki.size(), 119u);
    EXPECT_EQ(wydatki.front(), "Hosting+domena");
    EXPECT_TRUE(wydatki[7].starts_with("Aukcje ")) << wydatki[7];
    EXPECT_EQ(wydatki.back(), "Spłata długu");
    const TStringList& przychody = db.DomyslneKategoriePrzychodow();
    ASSERT_EQ(przychody.size(), 35u);
    EXPECT_EQ(przychody.front(), "Pobory");
    EXPECT_EQ(przychody.back(), "Przychód z programu partnerskiego");

    const auto& oszczednosci = db.DomyslneKategorieOszczednosci();
    ASSERT_EQ(oszczednosci.size(), 25u);
    EXPECT_TRUE(oszczednosci.at("Karta kredytowa").MoznaZaplacic);
    EXPECT_TRUE(oszczednosci.at("Karta kredytowa").Dlug);
    EXPECT_FALSE(oszczednosci.at("Lokata").MoznaZaplacic);
    EXPECT_TRUE(oszczednosci.at("Gotówka").MoznaZaplacic);
    EXPECT_FALSE(oszczednosci.at("Gotówka").Dlug);
}

// A column the upgrade cannot add ends the opening with the library's message.
TEST_F(ProjektDB, NieudanaAktualizacjaStrukturyKonczyOtwarcie)
{
    WykonajSQL(fPlik, {"CREATE TABLE \"Stare\" (\"Id\" INTEGER, \"Opis\" VARCHAR, \"Usuniety\" BOOL);",
                       "CREATE VIEW \"KategorieWydatkow\" AS SELECT * FROM \"Stare\";"});
    try {
        TProjektDB db(std::make_unique<TPlikiDB>(fPlik));
        FAIL() << "opened";
    } catch (const EGrosiwoException& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("Error executing SQL")) << e.what();
        EXPECT_NE(std::string(e.what()).find("ALTER TABLE KategorieWydatkow ADD Waga"), std::string::npos)
            << e.what();
    }
}

}  // namespace
