// A failed query or a value that does not convert stops loading with a clear message and
// leaves the table's collection and its flag as they were.
#include <gtest/gtest.h>

#include <functional>
#include <typeinfo>

#include "OtwartaBaza.h"
#include "common/Wyjatki.h"
#include "database/Czytniki.h"
#include "records/KategoriaWydatki.h"
#include "records/Lokata.h"
#include "records/Ograniczenie.h"
#include "records/Osoba.h"
#include "records/Plan.h"
#include "records/Wydatek.h"
#include "sqlite/SQLiteTable3.h"

namespace {

using WczytywanieBledow = OtwartaBaza;

// The record objects a list holds: a reload makes new ones.
template <typename TLista>
std::vector<const void*> Wskazniki(const TLista& lista)
{
    std::vector<const void*> wynik;
    for (const auto& rekord : lista)
        wynik.push_back(rekord.get());
    return wynik;
}

struct TZlaWartosc {
    TTabele Tabela;
    std::string Dobry;  // a row loaded first
    std::string Zly;
    std::string Komunikat;
    std::function<std::vector<const void*>(const TKolekcjeDanych&)> Rekordy;
    std::function<bool(const TKolekcjeDanych&)> Flaga;
    std::function<void(TKolekcjeDanych&, bool)> UstawFlage;
};

TEST_F(WczytywanieBledow, ZlaWartoscZatrzymujeCzytnikZKomunikatem)
{
    const TZlaWartosc przypadki[] = {
        {TTabele::Wydatki, "INSERT INTO Wydatki VALUES (1, 1, 10, 1, '2013-05-01', 1, NULL, 0, NULL);",
         "INSERT INTO Wydatki VALUES (2, 1, 10, 1, '2013-05-02', 'Jan', NULL, 0, NULL);",
         "'Jan' nie jest poprawną liczbą całkowitą (tabela \"Wydatki\", kolumna \"IdOsoba\", wiersz o Id 2).",
         [](const TKolekcjeDanych& k) { return Wskazniki(k.Wydatki()); },
         [](const TKolekcjeDanych& k) { return k.ZmienionoINiezapisanoWydatki(); },
         [](TKolekcjeDanych& k, bool v) { k.SetZmienionoINiezapisanoWydatki(v); }},
        {TTabele::Plany, "INSERT INTO Plany VALUES (1, 'A', 1, 1, 0, 0, 0, '2013-05-01', NULL);",
         "INSERT INTO Plany VALUES (2, 'B', 1, 1, 0, 0, 0, '17.05.2013', NULL);",
         "'17.05.2013' nie jest poprawną datą i godziną (tabela \"Plany\", kolumna \"Data\", wiersz o Id 2).",
         [](const TKolekcjeDanych& k) { return Wskazniki(k.Plany()); },
         [](const TKolekcjeDanych& k) { return k.ZmienionoINiezapisanoPlany(); },
         [](TKolekcjeDanych& k, bool v) { k.SetZmienionoINiezapisanoPlany(v); }},
        {TTabele::Plany, "INSERT INTO Plany VALUES (1, 'A', 1, 1, 0, 0, 0, '2013-05-01', NULL);",
         "INSERT INTO Plany VALUES (3, 'B', 1, '', 0, 0, 0, '2013-05-02', NULL);",
         "'' nie jest poprawną liczbą całkowitą (tabela \"Plany\", kolumna \"IdKategorii\", wiersz o Id 3).",
         [](const TKolekcjeDanych& k) { return Wskazniki(k.Plany()); },
         [](const TKolekcjeDanych& k) { return k.ZmienionoINiezapisanoPlany(); },
         [](TKolekcjeDanych& k, bool v) { k.SetZmienionoINiezapisanoPlany(v); }},
        {TTabele::Kategorie_Wydatki, "INSERT INTO KategorieWydatkow VALUES (1, 'Jedzenie', 0, 1);",
         "INSERT INTO KategorieWydatkow VALUES (2, 'Auto', 'tak', 2);",
         "'tak' nie jest poprawną wartością tak/nie (oczekiwano liczby, True lub False) (tabela "
         "\"KategorieWydatkow\", kolumna \"Usuniety\", wiersz o Id 2).",
         [](const TKolekcjeDanych& k) { return Wskazniki(k.KategorieWydatki()); },
         [](const TKolekcjeDanych& k) { return k.ZmienionoINiezapisanoKategorieWydatki(); },
         [](TKolekcjeDanych& k, bool v) { k.SetZmienionoINiezapisanoKategorieWydatki(v); }},
        {TTabele::Ograniczenia, "INSERT INTO Ograniczenia VALUES (1, 4, 300, 3000, 2013, '2013-01-02');",
         "INSERT INTO Ograniczenia VALUES (2, 4, 300, '3 000,00 zł', 2013, '2013-01-02');",
         "'3 000,00 zł' nie jest poprawną liczbą (tabela \"Ograniczenia\", kolumna \"MaxRok\", wiersz o Id 2).",
         [](const TKolekcjeDanych& k) { return Wskazniki(k.Ograniczenia()); },
         [](const TKolekcjeDanych& k) { return k.ZmienionoINiezapisanoOgraniczenia(); },
         [](TKolekcjeDanych& k, bool v) { k.SetZmienionoINiezapisanoOgraniczenia(v); }},
        // A term that does not fit the record's field is not cut down to another one.
        {TTabele::Lokaty, "INSERT INTO Lokaty VALUES (1, 'A', 1000, '2013-05-01', 3, 2, -1, 1);",
         "INSERT INTO Lokaty VALUES (2, 'B', 1000, '2013-05-01', 70000, 0, -1, 1);",
         "Liczba '70000' jest poza dopuszczalnym zakresem od 0 do 65535 (tabela \"Lokaty\", kolumna "
         "\"OkresLokaty\", wiersz o Id 2).",
         [](const TKolekcjeDanych& k) { return Wskazniki(k.Lokaty()); },
         [](const TKolekcjeDanych& k) { return k.ZmienionoINiezapisanoLokaty(); },
         [](TKolekcjeDanych& k, bool v) { k.SetZmienionoINiezapisanoLokaty(v); }},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Zly);
        Wstaw({p.Dobry});
        fBaza->OdswiezZawartoscKolekcji(p.Tabela);
        const std::vector<const void*> wczytane = p.Rekordy(Kolekcje());
        ASSERT_EQ(wczytane.size(), 1u);
        Wstaw({p.Zly});
        for (const bool flaga : {false, true}) {
            p.UstawFlage(Kolekcje(), flaga);
            try {
                fBaza->OdswiezZawartoscKolekcji(p.Tabela);
                ADD_FAILURE() << "no exception";
            } catch (const EGrosiwoException& e) {
                EXPECT_EQ(e.what(), p.Komunikat);
            }
            EXPECT_EQ(p.Rekordy(Kolekcje()), wczytane);
            EXPECT_EQ(p.Flaga(Kolekcje()), flaga);
        }
        EXPECT_THROW(fBaza->WczytajDaneZTabelDoKolekcji(p.Tabela), EGrosiwoException);
        Wstaw({"DELETE FROM " + fBaza->PlikiDB().PobierzNazweTabeli(p.Tabela) + ";"});
    }
}

// Tables later in the loading order are not read once one fails.
TEST_F(WczytywanieBledow, WczytywanieWszystkichZatrzymujeSieNaZlejTabeli)
{
    Wstaw({"INSERT INTO KategorieWydatkow VALUES (1, 'Jedzenie', 0, 1);",
           "INSERT INTO Wydatki VALUES (1, 1, 'dużo', 1, '2013-05-01', 1, NULL, 0, NULL);",
           "INSERT INTO Plany VALUES (1, 'A', 1, 1, 0, 0, 0, '2013-05-01', NULL);"});
    try {
        fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);
        ADD_FAILURE() << "no exception";
    } catch (const EGrosiwoException& e) {
        EXPECT_STREQ(e.what(), "'dużo' nie jest poprawną liczbą (tabela \"Wydatki\", kolumna \"Ile\", wiersz o Id 1).");
    }
    EXPECT_EQ(Kolekcje().KategorieWydatki().size(), 1u);
    EXPECT_TRUE(Kolekcje().Wydatki().empty());
    EXPECT_TRUE(Kolekcje().Plany().empty());
}

TEST_F(WczytywanieBledow, NieudaneZapytanieZostawiaKolekcje)
{
    Wstaw({"INSERT INTO Plany VALUES (1, 'A', 1, 1, 0, 0, 0, '2013-05-01', NULL);"});
    fBaza->OdswiezZawartoscKolekcji(TTabele::Plany);
    const TPlan* plan = Kolekcje().Plany().at(0).get();
    Kolekcje().SetZmienionoINiezapisanoPlany(true);
    Wstaw({"DROP TABLE Plany;"});

    for (const auto& wczytaj : std::vector<std::function<void()>>{
             [&] { fBaza->OdswiezZawartoscKolekcji(TTabele::Plany); },
             [&] { fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Plany); }}) {
        try {
            wczytaj();
            ADD_FAILURE() << "no exception";
        } catch (const EGrosiwoException& e) {
            // A plain exception carrying the access layer's message.
            EXPECT_EQ(typeid(e), typeid(EGrosiwoException));
            EXPECT_NE(std::string(e.what()).find("no such table: Plany"), std::string::npos) << e.what();
        }
        ASSERT_EQ(Kolekcje().Plany().size(), 1u);
        EXPECT_EQ(Kolekcje().Plany()[0].get(), plan);
        EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoPlany());
    }
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
}

// A table of an older layout, without its NOT NULL constraints and without a column.
TEST(CzytnikWydatkow, NullWKolumnieLiczbowejIBrakujacaKolumna)
{
    TSQLiteDatabase baza(":memory:");
    baza.ExecSQL("CREATE TABLE Wydatki (Id INTEGER, IdKategoriaWydatki INTEGER, Ile REAL, "
                 "IdKategoriaOszczednosci INTEGER, Data DATETIME, IdOsoba INTEGER, Komentarz TEXT, "
                 "ZlecenieStale BOOL, Zalacznik TEXT)");
    baza.ExecSQL("INSERT INTO Wydatki VALUES (1, NULL, NULL, 2, '2013-05-01', NULL, NULL, 0, NULL)");
    TSQLiteTable wynik = baza.GetTable("SELECT * FROM Wydatki");
    const auto lista = CzytajWydatki(wynik, "Wydatki");
    ASSERT_EQ(lista.size(), 1u);
    EXPECT_EQ(lista[0]->IdKategoriaWydatki(), 0);
    EXPECT_EQ(lista[0]->Ile(), 0);
    EXPECT_EQ(lista[0]->IdOsoba(), 0);

    TSQLiteTable bezZalacznika = baza.GetTable("SELECT Id, IdKategoriaWydatki, Ile, IdKategoriaOszczednosci, "
                                               "Data, IdOsoba, Komentarz, ZlecenieStale FROM Wydatki");
    try {
        CzytajWydatki(bezZalacznika, "Wydatki");
        ADD_FAILURE() << "no exception";
    } catch (const EGrosiwoException& e) {
        EXPECT_STREQ(e.what(), "Field not found in dataset: Zalacznik");
    }
    // A NULL yes/no value is no value.
    baza.ExecSQL("UPDATE Wydatki SET ZlecenieStale = NULL");
    TSQLiteTable bezFlagi = baza.GetTable("SELECT * FROM Wydatki");
    EXPECT_THROW(CzytajWydatki(bezFlagi, "Wydatki"), EGrosiwoException);
}

}  // namespace
