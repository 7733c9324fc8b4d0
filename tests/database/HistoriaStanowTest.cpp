#include "database/HistoriaStanow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DaneZapisu.h"
#include "database/SchematBazy.h"
#include "sqlite/SQLiteTable3.h"
#include "support/TestPlatforma.h"

namespace {

// Oldest first, as the snapshots are loaded.
TListaRekordow<TStanOszczednosci> Stany(const std::vector<double>& kwoty)
{
    TListaRekordow<TStanOszczednosci> stany;
    for (const double kwota : kwoty) {
        const int32_t id = static_cast<int32_t>(stany.size()) + 1;
        Dodaj(stany, id, kwota, 41411.0 + id, BezZmian);
    }
    return stany;
}

TEST(HistoriaStanow, ZKazdegoCiaguRownychStanowZostajeNajnowszy)
{
    // Newest first: 100.00, 100.00, 250.00, 250.004, 100.00.
    EXPECT_EQ(IdPowtorzonychStanow(Stany({100.00, 250.004, 250.00, 100.00, 100.00})), (std::vector<int32_t>{4, 2}));
    EXPECT_TRUE(IdPowtorzonychStanow(Stany({100.00})).empty());
    EXPECT_TRUE(IdPowtorzonychStanow(Stany({})).empty());
    // At most one grosz apart counts as the same balance, although 100.01 - 100.00 > 0.01 in binary.
    EXPECT_EQ(IdPowtorzonychStanow(Stany({100.00, 100.01})), std::vector<int32_t>{1});
    EXPECT_TRUE(IdPowtorzonychStanow(Stany({100.00, 100.02})).empty());
}

class PolecenieStanu : public ::testing::Test {
protected:
    void SetUp() override
    {
        const TPoleceniaSchematu schemat(fPliki);
        for (const std::string* s : {&schemat.KategorieOszczednosci, &schemat.Oszczednosci, &schemat.HarmonogramyLokat,
                                     &schemat.Lokaty, &schemat.StanOszczednosci})
            fBaza.ExecSQL(*s);
    }
    double Stan(bool oszczednosci, bool lokaty)
    {
        fBaza.ExecSQL(PolecenieStanuOszczednosci(oszczednosci, lokaty));
        return fBaza.GetTable("SELECT Stan FROM StanOszczednosci ORDER BY Id DESC LIMIT 1").FieldAsDouble(0);
    }

    TTymczasowyFolder fFolder;
    TPlikiDB fPliki{fFolder.Plik("baza.dat")};
    TSQLiteDatabase fBaza{fFolder.Plik("baza.dat")};
};

// A sum over no saved row counts as 0 rather than failing the not-null column.
TEST_F(PolecenieStanu, SumyZapisanychWierszy)
{
    EXPECT_EQ(Stan(true, true), 0.0);
    EXPECT_EQ(Stan(true, false), 0.0);
    EXPECT_EQ(Stan(false, true), 0.0);
    fBaza.ExecSQL(R"(INSERT INTO "Oszczednosci" ("IdKategoriaOszczednosci", "Ile", "Data") VALUES (1, 100.5, '2013-05-17');)");
    fBaza.ExecSQL(R"(INSERT INTO "Oszczednosci" ("IdKategoriaOszczednosci", "Ile", "Data") VALUES (2, 20, '2013-05-17');)");
    fBaza.ExecSQL(R"(INSERT INTO "Lokaty" ("Nazwa", "Kwota", "DataRozpoczecia", "Aktywna") VALUES ('a', 1000, '2013-05-17', 1);)");
    fBaza.ExecSQL(R"(INSERT INTO "Lokaty" ("Nazwa", "Kwota", "DataRozpoczecia", "Aktywna") VALUES ('b', 7, '2013-05-17', 0);)");
    EXPECT_EQ(Stan(true, true), 1120.5);
    EXPECT_EQ(Stan(true, false), 120.5);
    EXPECT_EQ(Stan(false, true), 1000.0);
    EXPECT_EQ(Stan(false, false), 0.0);
}

}  // namespace
