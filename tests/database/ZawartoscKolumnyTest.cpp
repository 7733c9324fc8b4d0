#include "database/ZawartoscKolumny.h"

#include <gtest/gtest.h>

#include <string>

#include "common/Wyjatki.h"
#include "database/KodowanieZapisu.h"
#include "sqlite/SQLiteTable3.h"
#include "support/TestPlatforma.h"

namespace {

TEST(ZawartoscKolumny, NazwySaIdentyfikatorami)
{
    EXPECT_EQ(ZapytanieZawartosciKolumny("Plany", "Komentarz"),
              R"(SELECT DISTINCT "Plany"."Komentarz" FROM "Plany" WHERE "Plany"."Komentarz" NOT NULL order by )"
              R"("Plany"."Komentarz";)");
    EXPECT_EQ(zapis::Identyfikator(R"(a"b"")"), R"("a""b""""")");
}

class ZawartoscKolumnyBazy : public ::testing::Test {
protected:
    void SetUp() override
    {
        fBaza.ExecSQL(R"(CREATE TABLE "Plany" ("Id" INTEGER PRIMARY KEY, "Komentarz" TEXT, "Kwota" REAL);)");
    }
    void Komentarze(std::initializer_list<const char*> komentarze)
    {
        for (const char* k : komentarze)
            fBaza.ExecSQL(k ? std::string(R"(INSERT INTO "Plany" ("Komentarz") VALUES (')") + k + "');"
                            : std::string(R"(INSERT INTO "Plany" ("Komentarz") VALUES (NULL);)"));
    }

    TTymczasowyFolder fFolder;
    TSQLiteDatabase fBaza{fFolder.Plik("baza.dat")};
};

TEST_F(ZawartoscKolumnyBazy, WartosciBezPowtorzenPoPolsku)
{
    Komentarze({"b", "A", nullptr, "b", "ź", "Z", "ą", ""});
    EXPECT_EQ(PobierzZawartoscKolumny(fBaza, "Plany", "Komentarz"), (TStringList{"", "A", "ą", "b", "Z", "ź"}));
}

TEST_F(ZawartoscKolumnyBazy, NazwaNieZmieniaPolecenia)
{
    Komentarze({"a"});
    EXPECT_THROW(PobierzZawartoscKolumny(fBaza, "Plany", "Brak"), ESQLiteException);
    EXPECT_THROW(PobierzZawartoscKolumny(fBaza, "Plany", R"(Komentarz" FROM "Plany"; DROP TABLE "Plany"; --)"),
                 ESQLiteException);
    EXPECT_THROW(PobierzZawartoscKolumny(fBaza, "Plany", std::string("Komentarz\0x", 11)), EGrosiwoException);
    EXPECT_EQ(PobierzZawartoscKolumny(fBaza, "Plany", "Komentarz"), TStringList{"a"});
    EXPECT_THROW(PobierzZawartoscKolumny(fBaza, "Brak", "Komentarz"), ESQLiteException);

    // A column whose name holds a double quote is found through the quoting.
    fBaza.ExecSQL(R"(ALTER TABLE "Plany" ADD COLUMN "x""y" TEXT;)");
    fBaza.ExecSQL(R"(UPDATE "Plany" SET "x""y" = 'z';)");
    EXPECT_EQ(PobierzZawartoscKolumny(fBaza, "Plany", R"(x"y)"), TStringList{"z"});
}

}  // namespace
