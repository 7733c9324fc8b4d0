// Which readers the three load operations run: the changed flags, the table named, the
// deposit tables sharing one flag, and the values without a table.
#include <gtest/gtest.h>

#include "OtwartaBaza.h"
#include "common/Wyjatki.h"
#include "records/HarmonogramLokatyBankowej.h"
#include "records/Lokata.h"
#include "records/Osoba.h"
#include "records/Plan.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"
#include "sqlite/SQLiteTable3.h"

namespace {

class WczytywanieFlagi : public OtwartaBaza {
protected:
    void SetUp() override
    {
        Wstaw({"INSERT INTO Plany VALUES (1, 'Rata', 500, 1, 0, 0, 0, '2013-06-01', NULL);",
               "INSERT INTO Wydatki VALUES (1, 1, 10, 1, '2013-05-01', 1, NULL, 0, NULL);",
               "INSERT INTO Osoby VALUES (1, 'Jan', 'Nowak', NULL, NULL, NULL, 0, 1);",
               "INSERT INTO Lokaty VALUES (1, 'Lokata', 1000, '2013-05-01', 3, 2, 1, 1);",
               "INSERT INTO HarmonogramyLokat VALUES (1, 'Bank', 'Oferta', 3, 2, 1, 4.5, 1, 0, 0,"
               " 0, 0, NULL, NULL, 0, '2013-04-30');",
               "INSERT INTO HistoriaZlecenStalych VALUES (1, 4, 1, 2, 800, 2, 1, '2013-02-10', NULL, 3);"});
    }
    // An unsaved plan that a reload discards.
    void NiezapisanyPlan()
    {
        Kolekcje().Plany().push_back(std::make_unique<TPlan>());
        Kolekcje().SetZmienionoINiezapisanoPlany(true);
    }
};

TEST_F(WczytywanieFlagi, WszystkieTabelePomijajaNiezapisaneZmianyPozaNazwana)
{
    NiezapisanyPlan();
    Kolekcje().Wydatki().push_back(std::make_unique<TWydatek>());
    const TWydatek* niezapisany = Kolekcje().Wydatki().back().get();
    Kolekcje().SetZmienionoINiezapisanoWydatki(true);

    fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Plany);

    EXPECT_EQ(Identyfikatory(Kolekcje().Plany()), std::vector<int32_t>{1});
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoPlany());
    EXPECT_EQ(Identyfikatory(Kolekcje().Osoby()), std::vector<int32_t>{1});
    ASSERT_EQ(Kolekcje().Wydatki().size(), 1u);
    EXPECT_EQ(Kolekcje().Wydatki()[0].get(), niezapisany);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoWydatki());
}

TEST_F(WczytywanieFlagi, JednaTabelaTylkoBezNiezapisanychZmian)
{
    NiezapisanyPlan();
    fBaza->WczytajDaneZTabeliDoKolekcji(TTabele::Plany);
    EXPECT_EQ(Identyfikatory(Kolekcje().Plany()), std::vector<int32_t>{-1});
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoPlany());

    Kolekcje().SetZmienionoINiezapisanoPlany(false);
    fBaza->WczytajDaneZTabeliDoKolekcji(TTabele::Plany);
    EXPECT_EQ(Identyfikatory(Kolekcje().Plany()), std::vector<int32_t>{1});
    // Only the named table.
    EXPECT_TRUE(Kolekcje().Osoby().empty());
}

TEST_F(WczytywanieFlagi, OdswiezenieOdrzucaNiezapisaneZmiany)
{
    NiezapisanyPlan();
    fBaza->OdswiezZawartoscKolekcji(TTabele::Plany);
    EXPECT_EQ(Identyfikatory(Kolekcje().Plany()), std::vector<int32_t>{1});
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoPlany());
}

// Deposits and offers share one flag: loading all tables decides both at once, loading one
// table reads only that one.
TEST_F(WczytywanieFlagi, LokatyIOfertyZJednaFlaga)
{
    Kolekcje().SetZmienionoINiezapisanoLokaty(true);
    fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);
    EXPECT_TRUE(Kolekcje().Lokaty().empty());
    EXPECT_TRUE(Kolekcje().HarmonogramyLokatBankowych().empty());

    fBaza->WczytajDaneZTabelDoKolekcji(TTabele::HarmonogramyLokatBankowych);
    EXPECT_EQ(Kolekcje().Lokaty().size(), 1u);
    EXPECT_EQ(Kolekcje().HarmonogramyLokatBankowych().size(), 1u);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoLokaty());

    Kolekcje().Lokaty().clear();
    Kolekcje().HarmonogramyLokatBankowych().clear();
    fBaza->WczytajDaneZTabeliDoKolekcji(TTabele::Lokaty);
    EXPECT_EQ(Kolekcje().Lokaty().size(), 1u);
    EXPECT_TRUE(Kolekcje().HarmonogramyLokatBankowych().empty());
    fBaza->OdswiezZawartoscKolekcji(TTabele::HarmonogramyLokatBankowych);
    EXPECT_EQ(Kolekcje().HarmonogramyLokatBankowych().size(), 1u);
}

TEST_F(WczytywanieFlagi, ObieWartosciHistoriiZlecenCzytajaJednaHistorie)
{
    Kolekcje().SetZmienionoINiezapisanoHistorieZlecenStalych(true);
    fBaza->WczytajDaneZTabelDoKolekcji(TTabele::HistoriaZlecenStalychPrzychody);
    EXPECT_EQ(Identyfikatory(Kolekcje().HistoriaZlecenStalych()), std::vector<int32_t>{1});
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoHistorieZlecenStalych());

    Kolekcje().HistoriaZlecenStalych().clear();
    fBaza->WczytajDaneZTabeliDoKolekcji(TTabele::HistoriaZlecenStalychWydatki);
    EXPECT_EQ(Identyfikatory(Kolekcje().HistoriaZlecenStalych()), std::vector<int32_t>{1});
}

TEST_F(WczytywanieFlagi, WartosciBezTabeliNicNieCzytaja)
{
    for (const TTabele tabela : {TTabele::Pusta, TTabele::PrzychodyIRozchody}) {
        fBaza->WczytajDaneZTabeliDoKolekcji(tabela);
        fBaza->OdswiezZawartoscKolekcji(tabela);
        try {
            fBaza->PobierzDaneZTabeli(tabela);
            ADD_FAILURE() << "no exception";
        } catch (const EGrosiwoException& e) {
            EXPECT_STREQ(e.what(), "Could not prepare SQL statement");
        }
    }
    EXPECT_TRUE(Kolekcje().Plany().empty());
    EXPECT_TRUE(Kolekcje().Osoby().empty());
}

// The raw table by name: every row and column, the name always one quoted identifier.
TEST_F(WczytywanieFlagi, SurowaTabelaPoNazwie)
{
    TSQLiteTable plany = fBaza->PobierzDaneZTabeli(std::string("Plany"));
    EXPECT_EQ(plany.RowCount(), 1u);
    EXPECT_EQ(plany.ColCount(), 9u);
    EXPECT_EQ(plany.FieldTextByName("Nazwa"), "Rata");
    EXPECT_THROW(fBaza->PobierzDaneZTabeli(std::string("Plany\" WHERE 1=0 --")), EGrosiwoException);
}

}  // namespace
