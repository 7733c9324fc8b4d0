#include "database/WykonywaniePolecen.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "PomocnikiBazy.h"
#include "sqlite/SQLiteTable3.h"
#include "support/TestPlatforma.h"

namespace {

class WykonywaniePolecen : public ::testing::Test {
protected:
    void SetUp() override
    {
        WykonajSQL(fPlik, {"CREATE TABLE \"T\" (\"x\" INTEGER UNIQUE);"});
    }

    TTymczasowyFolder fFolder;
    const std::string fPlik = fFolder.Plik("baza.dat");
    TUstawionyRejestrator fKomunikaty;
};

TEST_F(WykonywaniePolecen, BladWycofujeCalaPaczkeIPokazujeKomunikatRaz)
{
    TSQLiteDatabase baza(fPlik);
    EXPECT_FALSE(WykonajPaczkePolecen(baza,
                                      {"INSERT INTO \"T\" VALUES (1);", "INSERT INTO \"T\" VALUES (1);",
                                       "INSERT INTO \"T\" VALUES (3);"},
                                      false));
    ASSERT_EQ(fKomunikaty->Komunikaty.size(), 1u);
    const TZapisanyKomunikat& k = fKomunikaty->Komunikaty[0];
    EXPECT_EQ(k.Tytul, "BŁĄD !!!");
    EXPECT_EQ(k.Ikona, TIkonaKomunikatu::Blad);
    EXPECT_EQ(k.Przyciski, TPrzyciskiKomunikatu::OK);
    EXPECT_NE(k.Tekst.find("UNIQUE constraint failed"), std::string::npos) << k.Tekst;
    EXPECT_FALSE(baza.InTrans());
    EXPECT_EQ(Wiersze(fPlik, "SELECT x FROM T").size(), 0u);

    EXPECT_TRUE(WykonajPaczkePolecen(baza, {"INSERT INTO \"T\" VALUES (2);"}, false));
    EXPECT_EQ(Wiersze(fPlik, "SELECT x FROM T"), std::vector<std::string>{"2"});
    EXPECT_EQ(fKomunikaty->Komunikaty.size(), 1u);
}

TEST_F(WykonywaniePolecen, PrzyOtwartejTransakcjiNicNieWykonuje)
{
    TSQLiteDatabase baza(fPlik);
    baza.BeginTransaction();
    EXPECT_FALSE(WykonajPaczkePolecen(baza, {"INSERT INTO \"T\" VALUES (1);"}, true));
    EXPECT_EQ(baza.GetTable("SELECT x FROM T").RowCount(), 0u);
    EXPECT_TRUE(baza.InTrans());
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
}

TEST_F(WykonywaniePolecen, CzyszczenieParametrowNaZadanie)
{
    TSQLiteDatabase baza(fPlik);
    baza.AddParamInt(":x", 1);
    EXPECT_TRUE(WykonajPaczkePolecen(baza, {}, false));
    EXPECT_EQ(baza.Params().size(), 1u);
    EXPECT_TRUE(WykonajPaczkePolecen(baza, {}, true));
    EXPECT_TRUE(baza.Params().empty());
}

// No busy timeout: a file another process writes to fails at once, and the connection
// works again as soon as the lock is gone.
TEST_F(WykonywaniePolecen, PlikZablokowanyPrzezInnyProces)
{
    std::unique_ptr<TSQLiteDatabase> baza;
    {
        TBlokadaWInnymProcesie blokada(fPlik);
        baza = std::make_unique<TSQLiteDatabase>(fPlik);
        EXPECT_FALSE(WykonajPaczkePolecen(*baza, {"INSERT INTO \"T\" VALUES (1);"}, false));
        ASSERT_EQ(fKomunikaty->Komunikaty.size(), 1u);
        EXPECT_NE(fKomunikaty->Komunikaty[0].Tekst.find("database is locked"), std::string::npos)
            << fKomunikaty->Komunikaty[0].Tekst;
        EXPECT_FALSE(baza->InTrans());
    }
    EXPECT_TRUE(WykonajPaczkePolecen(*baza, {"INSERT INTO \"T\" VALUES (1);"}, false));
    EXPECT_EQ(Wiersze(fPlik, "SELECT x FROM T"), std::vector<std::string>{"1"});
}

}  // namespace
