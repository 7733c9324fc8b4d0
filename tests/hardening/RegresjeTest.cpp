// Faults the fuzz targets found, each kept as a plain test next to its saved input in
// fuzz/regresje/.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "ZawartoscBazy.h"
#include "collections/KolekcjeDanych.h"
#include "common/DataCzas.h"
#include "common/FormatyTekstowe.h"
#include "common/PolskiTekst.h"
#include "common/Wyjatki.h"
#include "database/KonwersjeWartosci.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "records/Plan.h"
#include "support/TestPlatforma.h"

namespace {

// A fraction of the calendar's very last second used to round up into the year 10000: the
// date read but could then be neither shown nor saved.
TEST(RegresjaDataCzas, AFractionAtTheCalendarsLastSecondStaysInTheCalendar)
{
    for (const char* tekst : {"9999-12-31 23:59:59.9999", "9999-12-31 23:59:59,9995", "9999-12-31T23:59:59.99999999"}) {
        SCOPED_TRACE(tekst);
        const TDateTime data = TekstNaDataCzas(tekst);
        const TSkladnikiDaty s = DekodujDateCzas(data);
        EXPECT_EQ(s.Rok, 9999);
        EXPECT_EQ(s.Sekunda, 59);
        EXPECT_EQ(s.Milisekunda, 999);
        EXPECT_EQ(SQLDataCzas(data), "'9999-12-31 23:59'");
    }
}

TEST(RegresjaDataCzas, ElsewhereAFractionRoundingUpStillCarriesIntoTheNextDay)
{
    const TSkladnikiDaty s = DekodujDateCzas(TekstNaDataCzas("2013-12-31 23:59:59.9996"));
    EXPECT_EQ(s.Rok, 2014);
    EXPECT_EQ(s.Miesiac, 1);
    EXPECT_EQ(s.Dzien, 1);
    EXPECT_EQ(s.Godzina, 0);
    EXPECT_EQ(s.Milisekunda, 0);
}

// The same value in a file: the plan loads, shows and is saved back.
TEST(RegresjaDataCzas, APlanDatedAtTheCalendarsLastSecondLoadsAndSavesBack)
{
    TUstawionyZegar zegar{KodujDateCzas(2014, 6, 1, 12, 0)};
    TUstawionyRejestrator komunikaty;
    TTymczasowyFolder folder;
    const std::string plik = folder.Plik("baza.dat");
    TProjektDB baza(std::make_unique<TPlikiDB>(plik));
    WykonajNaPliku(plik, "INSERT INTO Plany (Id, Nazwa, Kwota, IdKategorii, TypPlanu, Data) "
                         "VALUES (1, 'Na koniec świata', 5, 1, 0, '9999-12-31 23:59:59.9999')");
    baza.OdswiezZawartoscKolekcji(TTabele::Plany);
    ASSERT_EQ(baza.Kolekcje().Plany().size(), 1u);
    TPlan& plan = *baza.Kolekcje().Plany()[0];
    EXPECT_EQ(DataCzasNaTekst(plan.Data()), "9999-12-31 23:59");
    plan.SetZmiany(TTypModyfikacji::Zmieniono);
    baza.Kolekcje().SetZmienionoINiezapisanoPlany(true);
    EXPECT_TRUE(baza.ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany).Zatwierdzono);
    EXPECT_EQ(JednaWartosc(plik, "SELECT Data FROM Plany WHERE Id=1"), "9999-12-31 23:59");
    EXPECT_TRUE(komunikaty->Komunikaty.empty());
}

}  // namespace

namespace {

// A NUL inside a refused text ended the C string of the error message right there, so the
// user read a bare quote without the reason, or the loader's message lost its explanation.
TEST(RegresjaCytat, ARefusedDateWithANulStillSaysWhatIsWrong)
{
    const std::string tekst("2013-\0\0\x01 1:05:59.5", 19);
    try {
        TekstNaDataCzas(tekst);
        ADD_FAILURE() << "the text was read as a date";
    } catch (const EGrosiwoException& e) {
        const std::string komunikat(e.what());
        EXPECT_EQ(komunikat.size(), std::string(e.what(), std::strlen(e.what())).size());
        EXPECT_NE(komunikat.find("' nie jest poprawną datą i godziną"), std::string::npos) << komunikat;
        EXPECT_NE(komunikat.find("2013-\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD 1:05"), std::string::npos) << komunikat;
    }
}

TEST(RegresjaCytat, QuotesShowControlCharactersAndStillCutLongTexts)
{
    struct TPrzypadek {
        std::string Tekst;
        std::string Cytat;
    };
    const TPrzypadek przypadki[] = {
        {std::string("a\0b", 3), "a\xEF\xBF\xBD" "b"},
        {"wiersz\rdrugi\nkoniec\t", "wiersz\xEF\xBF\xBD" "drugi\xEF\xBF\xBD" "koniec\xEF\xBF\xBD"},
        {"a\x7F", "a\xEF\xBF\xBD"},
        {"zażółć", "zażółć"},
        {std::string(70, 'a'), std::string(64, 'a') + "…"},
        {std::string(63, 'a') + "ąb", std::string(63, 'a') + "…"},
        {"a\xff", "a\xEF\xBF\xBD"},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Tekst);
        EXPECT_EQ(CytatDoKomunikatu(p.Tekst), p.Cytat);
        EXPECT_EQ(CytatWartosci(p.Tekst), p.Cytat);
    }
}

// The same cell in a file: the loading error keeps its reason and names where the value is.
TEST(RegresjaCytat, ALoadRefusingACellWithANulKeepsItsWholeMessage)
{
    TUstawionyZegar zegar{KodujDateCzas(2014, 6, 1, 12, 0)};
    TUstawionyRejestrator komunikaty;
    TTymczasowyFolder folder;
    const std::string plik = folder.Plik("baza.dat");
    TProjektDB baza(std::make_unique<TPlikiDB>(plik));
    WykonajNaPliku(plik, "INSERT INTO Plany (Id, Nazwa, Kwota, IdKategorii, TypPlanu, Data) "
                         "VALUES (1, 'Plan', 5, 1, 0, '2013-05-17' || char(0) || ' 10:00')");
    try {
        baza.OdswiezZawartoscKolekcji(TTabele::Plany);
        ADD_FAILURE() << "a date with a NUL in it was loaded";
    } catch (const EGrosiwoException& e) {
        const std::string komunikat(e.what());
        EXPECT_NE(komunikat.find("nie jest poprawną datą i godziną"), std::string::npos) << komunikat;
        EXPECT_NE(komunikat.find("Plany"), std::string::npos) << komunikat;
        EXPECT_NE(komunikat.find("Data"), std::string::npos) << komunikat;
    }
}

}  // namespace
