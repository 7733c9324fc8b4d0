// The consistency rules of a save: what is refused, with which message, and what is still
// written.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DaneZapisu.h"
#include "common/DataCzas.h"
#include "common/Wyjatki.h"
#include "support/TestPlatforma.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using TPolecenia = std::vector<std::string>;

const std::string OdmowaWydatkow =
    " • Nie udało się w pełni zapisać tabeli Wydatki. Tabela ta korzysta z kategorii, które nie są zapisane w "
    "bazie lecz dodane do danych tymczasowych. Zapisz najpierw wszystkie zmodyfikowane kategorie. Upewnij się też, "
    "że lista osób jest zapisana.";

class ZasadyZapisu : public ::testing::Test {
protected:
    void SetUp() override { UtworzPodstawy(k); }

    TUstawionyZegar fZegar{KodujDateCzas(2013, 5, 17, 12, 0)};
    TDaneZapisu fDane;
    TKolekcjeDanych& k = fDane.Kolekcje;
};

// Only the referenced record's state counts: new or deleted refuses, hidden does not.
TEST_F(ZasadyZapisu, WydatekZNiezapisanaKategoriaJestOdrzucany)
{
    KategoriaOszczednosci(k, 1002, "Nowa", Dodano);
    KategoriaWydatkow(k, 2, "Ukryta", BezZmian, true);
    Wydatek(k, 1001, 1, 1002, 1, Dodano);
    Wydatek(k, 1003, 2, 1, 1, Dodano);
    Wydatek(k, 1004, 1, 1, 99, Dodano);   // a person nobody has
    Wydatek(k, 5, 1002, 1002, 99, Usunieto);  // deleting is never refused
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Wydatki);
    EXPECT_THAT(p.Komunikaty, ElementsAre("Przebieg zapisu dokonanych zmian w tabeli Wydatki", OdmowaWydatkow,
                                          OdmowaWydatkow));
    ASSERT_EQ(p.Polecenia.size(), 2u);
    EXPECT_EQ(p.Polecenia[0], R"(DELETE FROM "Wydatki" WHERE "Id"=5;)");
    EXPECT_THAT(p.Polecenia[1], HasSubstr("VALUES(2,10,1,"));
}

TEST_F(ZasadyZapisu, PrzychodZUsuwanaOsobaJestOdrzucany)
{
    Osoba(k, 2, "Anna", "Nowak", Usunieto);
    Przychod(k, 3, 1, 1, 2, Zmieniono);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Przychody);
    EXPECT_TRUE(p.Polecenia.empty());
    // The income message names the table by its SQL name.
    EXPECT_THAT(p.Komunikaty,
                ElementsAre("Przebieg zapisu dokonanych zmian w tabeli Przychody",
                            " • Nie udało się w pełni zapisać tabeli Przychody. Tabela ta korzysta z kategorii, które "
                            "nie są zapisane w bazie lecz dodane do danych tymczasowych. Zapisz najpierw wszystkie "
                            "zmodyfikowane kategorie. Upewnij się też, że lista osób jest zapisana."));
}

TEST_F(ZasadyZapisu, BezOszczednosciDoZaplatyNicNieJestZapisywane)
{
    k.KategorieOszczednosci()[0]->SetMoznaZaplacic(false);
    Oszczednosc(k, 1002, 1, 5.0, Dodano);
    Przelew(k, 1003, 1, 1, Dodano);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Oszczednosci);
    EXPECT_TRUE(p.Polecenia.empty());
    EXPECT_THAT(p.Komunikaty,
                ElementsAre("Przebieg zapisu dokonanych zmian w tabeli Oszczędności",
                            " • Nie udało się w pełni zapisać tabeli \"Oszczędności\". Tabela musi posiadać co "
                            "najmniej jedną oszczędność z możliwością zapłaty. Inaczej nie będzie można dodawać "
                            "wydatków do programu ponieważ nie będzie z czego odejmować wpisanej kwoty !"));
}

TEST_F(ZasadyZapisu, OszczednoscWUzyciuNieJestUsuwana)
{
    KategoriaOszczednosci(k, 2, "Portfel");
    KategoriaOszczednosci(k, 1003, "Nowa", Dodano);
    Oszczednosc(k, 2, 2, 1.0, Usunieto);
    Oszczednosc(k, 3, 1, 1.0, Usunieto);
    Oszczednosc(k, 4, 1, 1.0, Usunieto);
    Oszczednosc(k, 1005, 1003, 1.0, Dodano);
    Zlecenie(k.ZleceniaStaleWydatki(), 1, 1, 2, BezZmian);
    Zlecenie(k.ZleceniaStalePrzychody(), 2, 1, 2, BezZmian);
    Zlecenie(k.HistoriaZlecenStalych(), 3, 1, 3, BezZmian);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Oszczednosci);
    EXPECT_EQ(p.Polecenia, TPolecenia{R"(DELETE FROM "Oszczednosci" WHERE "Id"=4;)"});
    EXPECT_THAT(
        p.Komunikaty,
        ElementsAre("Przebieg zapisu dokonanych zmian w tabeli Oszczędności",
                    " • Nie udało się w pełni zapisać tabeli Oszczednosci. Tabela ta korzysta z kategorii, które nie "
                    "są zapisane w bazie lecz dodane do danych tymczasowych. Zapisz najpierw wszystkie zmodyfikowane "
                    "kategorie.",
                    " • Nie udało się usunąć oszczędności \"Konto\" - pozycja jest w użyciu, usuń najpierw wszystkie "
                    "pozycje o takiej kategori oszczędnośąci z listy \"Historia zleceń stałych - wydatki\"/\"Historia "
                    "zleceń stałych - przychody\".",
                    " • Nie udało się usunąć oszczędności \"Portfel\" - pozycja jest w użyciu, usuń najpierw "
                    "wszystkie pozycje o takiej kategori oszczędnośąci z listy \"Zlecenia stałe - wydatki\"."));
}

TEST_F(ZasadyZapisu, FlagaOdswiezeniaStanu)
{
    struct TPrzypadek {
        TTabele Tabela;
        TTypModyfikacji Zmiany;
        bool Odswiez;
    };
    const TPrzypadek przypadki[] = {
        {TTabele::Wydatki, Dodano, true},
        {TTabele::Wydatki, Usunieto, false},
        {TTabele::Przychody, Zmieniono, true},
        {TTabele::Oszczednosci, Usunieto, true},
        {TTabele::HistoriaPrzelewow, Dodano, true},
        {TTabele::HistoriaPrzelewow, Zmieniono, false},
        // A transfer saved with the savings entries does not count.
        {TTabele::Oszczednosci, BezZmian, false},
        {TTabele::ZleceniaStaleWydatki, Dodano, true},
        {TTabele::HistoriaZlecenStalychWydatki, Dodano, false},
        {TTabele::Plany, Dodano, false},
    };
    for (const TPrzypadek& c : przypadki) {
        TDaneZapisu dane;
        TKolekcjeDanych& kk = dane.Kolekcje;
        UtworzPodstawy(kk);
        Wydatek(kk, 1001, 1, 1, 1, c.Zmiany);
        Przychod(kk, 1001, 1, 1, 1, c.Zmiany);
        if (c.Zmiany != BezZmian)
            Oszczednosc(kk, 1001, 1, 1.0, c.Zmiany);
        Przelew(kk, 1001, 1, 1, c.Zmiany == BezZmian ? Dodano : c.Zmiany);
        Zlecenie(kk.ZleceniaStaleWydatki(), 1001, 1, 1, c.Zmiany);
        Zlecenie(kk.HistoriaZlecenStalych(), 1001, 1, 1, c.Zmiany);
        Plan(kk, 1001, TTypPlanu::Wydatek, 1, c.Zmiany);
        const TPaczkaZapisu p = dane.Zbuduj(c.Tabela);
        EXPECT_FALSE(p.Polecenia.empty());
        EXPECT_EQ(p.OdswiezStanOszczednosci, c.Odswiez)
            << static_cast<int>(c.Tabela) << " " << static_cast<int>(c.Zmiany);
    }
}

TEST_F(ZasadyZapisu, ZlecenieStaleZNiezapisanymiOdwolaniami)
{
    Oszczednosc(k, 1002, 1, 1.0, Dodano);
    KategoriaWydatkow(k, 1003, "Nowa", Dodano);
    Zlecenie(k.ZleceniaStaleWydatki(), 1004, 1003, 1, Dodano);  // own category new
    Zlecenie(k.ZleceniaStaleWydatki(), 1005, 1, 1002, Dodano);  // savings entry new
    const std::string poczatek =
        " • Nie udało się w pełni zapisać tabeli \"Zlecenia stałe - wydatki\". Tabela ta korzysta z kategorii, które "
        "nie są zapisane w bazie lecz dodane do danych tymczasowych. Zapisz najpierw wszystkie zmodyfikowane kategorie";
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::ZleceniaStaleWydatki);
    EXPECT_TRUE(p.Polecenia.empty());
    EXPECT_THAT(p.Komunikaty,
                ElementsAre("Przebieg zapisu dokonanych zmian w tabeli Zlecenia stałe - wydatki",
                            poczatek + " i/lub tabelę oszczędności.", poczatek + "."));
}

// The history points back to its order, saved or not.
TEST_F(ZasadyZapisu, ZlecenieZHistoriaNieJestUsuwane)
{
    Zlecenie(k.ZleceniaStalePrzychody(), 2, 1, 1, Usunieto, "Pensja");
    Zlecenie(k.ZleceniaStalePrzychody(), 3, 1, 1, Usunieto, "Premia");
    Zlecenie(k.HistoriaZlecenStalych(), 1004, 1, 1, Dodano).SetIdZleceniaStalego(2);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::ZleceniaStalePrzychody);
    EXPECT_EQ(p.Polecenia, TPolecenia{R"(DELETE FROM "ZleceniaStale" WHERE "Id"=3;)"});
    EXPECT_THAT(p.Komunikaty,
                ElementsAre("Przebieg zapisu dokonanych zmian w tabeli Zlecenia stałe - przychody",
                            " • Nie udało się usunąć \"Pensja\" - zlecenie stałe jest w użyciu, usuń najpierw "
                            "wszystkie pozycje o takiej nazwie z tabeli \"Historia zleceń stałych - przychody\". "
                            "Możesz też wyłączyć aktywność tego zlecenia stałego w tabeli \"Historia zleceń stałych - "
                            "przychody\", wówczas zlecenie stałe \"Pensja\" będzie wyłączone, stanie się nieaktywne."));
}

// A table left without a usable entry is refused whole, other changes included.
TEST_F(ZasadyZapisu, KategorieBezWidocznejPozycji)
{
    const std::string odmowa =
        " • Nie udało się w pełni zapisać tabeli \"Kategorie wydatków\". Tabela musi posiadać co najmniej jeden rekord "
        "lub co najmniej jedna z pozycji znajdujących się w tej tabeli musi mieć włączoną Widoczność !";
    k.KategorieWydatki()[0]->SetUsuniety(true);
    k.KategorieWydatki()[0]->SetZmiany(Zmieniono);
    KategoriaWydatkow(k, 2, "Widoczna", Usunieto);
    KategoriaWydatkow(k, 1003, "Nowa", Dodano, true);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Kategorie_Wydatki);
    EXPECT_TRUE(p.Polecenia.empty());
    EXPECT_FALSE(p.Slownik);
    EXPECT_THAT(p.Komunikaty, ElementsAre("Przebieg zapisu dokonanych zmian w tabeli Kategorie wydatków", odmowa));
}

TEST_F(ZasadyZapisu, KategoriaWUzyciuNieJestUsuwana)
{
    const auto odmowa = [](const std::string& opis, const std::string& coUzywa, const std::string& caption) {
        return " • Nie udało się usunąć \"" + opis + "\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje " +
               coUzywa + ". Możesz też wyłączyć widoczność tej pozycji w " + caption +
               ", wówczas dodając nową pozycję do tabeli nie będzie można wybrać \"" + opis + "\" z listy.";
    };
    KategoriaWydatkow(k, 2, "Kino", Usunieto);
    KategoriaWydatkow(k, 3, "Gaz", Usunieto);
    Wydatek(k, 1, 2, 1, 1, Usunieto);  // even an expense being deleted still uses it
    Zlecenie(k.ZleceniaStaleWydatki(), 1, 3, 1, BezZmian);
    EXPECT_THAT(fDane.Zbuduj(TTabele::Kategorie_Wydatki).Komunikaty,
                ElementsAre("Przebieg zapisu dokonanych zmian w tabeli Kategorie wydatków",
                            odmowa("Kino", "o takiej nazwie z tabeli \"Wydatki\"", "Kategorie wydatków"),
                            odmowa("Gaz", "o takiej nazwie kategori z listy zleceń stałych wydatków",
                                   "Kategorie wydatków")));

    // An income plan keeps its income category; an expense plan with the same id does not.
    KategoriaPrzychodow(k, 4, "Premia", Usunieto);
    KategoriaPrzychodow(k, 5, "Zwrot", Usunieto);
    Plan(k, 1, TTypPlanu::Przychod, 4, BezZmian);
    Plan(k, 2, TTypPlanu::Wydatek, 5, BezZmian);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Kategorie_Przychody);
    EXPECT_EQ(p.Polecenia, TPolecenia{R"(DELETE FROM "KategoriePrzychodow" WHERE "Id"=5;)"});
    EXPECT_THAT(p.Komunikaty, ElementsAre("Przebieg zapisu dokonanych zmian w tabeli Kategorie przychodów",
                                          odmowa("Premia", "o takiej nazwie kategori z listy planowanych przychodów",
                                                 "Kategorie przychodów")));
}

TEST_F(ZasadyZapisu, RegulyTabeliKategoriiOszczednosci)
{
    const std::string zaplata =
        " • Nie udało się w pełni zapisać tabeli \"Kategorie oszczędności\". W programie musi być co najmniej jedną "
        "oszczędność z możliwością zapłaty. Inaczej nie będzie można dodawać wydatków do programu ponieważ nie będzie "
        "z czego odejmować wpisanej kwoty !";
    const std::string poczatek =
        " • Nie udało się w pełni zapisać tabeli \"Kategorie oszczędności\". Tabela musi posiadać co najmniej jeden "
        "rekord lub co najmniej jedna z pozycji znajdujących się w tej tabeli musi mieć włączoną ";
    const std::string naglowek = "Przebieg zapisu dokonanych zmian w tabeli Kategorie oszczędności";
    TKategoriaOszczednosci& konto = *k.KategorieOszczednosci()[0];
    TKategoriaOszczednosci& gotowka = KategoriaOszczednosci(k, 2, "Gotówka", BezZmian, false);

    // The only payable category hidden: the payment rule alone.
    konto.SetUsuniety(true);
    EXPECT_THAT(fDane.Zbuduj(TTabele::Kategorie_Oszczednosci).Komunikaty, ElementsAre(naglowek, zaplata));

    // Visible and payable but marked for deletion, beside a visible one that cannot pay.
    konto.SetUsuniety(false);
    konto.SetZmiany(Usunieto);
    EXPECT_THAT(fDane.Zbuduj(TTabele::Kategorie_Oszczednosci).Komunikaty,
                ElementsAre(naglowek, poczatek + "zarówno Widoczność jak i Możliwość zapłaty !"));

    // Nothing usable at all: both table messages.
    gotowka.SetZmiany(Usunieto);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Kategorie_Oszczednosci);
    EXPECT_THAT(p.Komunikaty, ElementsAre(naglowek, poczatek + "Widoczność !",
                                          poczatek + "zarówno Widoczność jak i Możliwość zapłaty !"));
    EXPECT_TRUE(p.Polecenia.empty());
}

// The transfers are checked whatever the entries found, so one category gets two messages.
TEST_F(ZasadyZapisu, KategoriaOszczednosciWUzyciuWOszczednosciachIPrzelewach)
{
    KategoriaOszczednosci(k, 2, "Portfel", Usunieto);
    KategoriaOszczednosci(k, 3, "Skarbonka", Usunieto);
    Oszczednosc(k, 2, 2, 1.0, BezZmian);
    Przelew(k, 1, 1, 2, BezZmian);
    Wydatek(k, 1, 1, 3, 1, BezZmian);
    const std::string koniec = ". Możesz też wyłączyć widoczność tej pozycji w Kategorie oszczędności, wówczas "
                               "dodając nową pozycję do tabeli nie będzie można wybrać ";
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Kategorie_Oszczednosci);
    EXPECT_TRUE(p.Polecenia.empty());
    EXPECT_THAT(p.Komunikaty,
                ElementsAre("Przebieg zapisu dokonanych zmian w tabeli Kategorie oszczędności",
                            " • Nie udało się usunąć \"Portfel\" - pozycja jest w użyciu, usuń najpierw wszystkie "
                            "pozycje o takiej nazwie z tabeli \"Oszczędności\"" + koniec + "\"Portfel\" z listy.",
                            " • Nie udało się usunąć \"Portfel\" - pozycja jest w użyciu, usuń najpierw wszystkie "
                            "pozycje o takiej nazwie z tabeli \"Historia przelewów oszczędności\"" + koniec +
                                "\"Portfel\" z listy.",
                            " • Nie udało się usunąć \"Skarbonka\" - pozycja jest w użyciu, usuń najpierw wszystkie "
                            "pozycje o takiej nazwie z tabeli \"Wydatki\"" + koniec + "\"Skarbonka\" z listy."));
}

TEST_F(ZasadyZapisu, PowtorzonyTymczasowyIdentyfikatorPrzerywaZapis)
{
    KategoriaPrzychodow(k, 1001, "A", Dodano);
    KategoriaPrzychodow(k, 1001, "B", Dodano);
    EXPECT_THROW(fDane.Zbuduj(TTabele::Kategorie_Przychody), EGrosiwoException);
}

TEST_F(ZasadyZapisu, OsobyBezWidocznejPozycji)
{
    k.Osoby()[0]->SetUsuniety(true);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Osoby);
    EXPECT_THAT(p.Komunikaty,
                ElementsAre("Przebieg zapisu dokonanych zmian w tabeli Osoby",
                            " • Nie udało się w pełni zapisać tabeli \"Osoby\". Tabela musi posiadać co najmniej "
                            "jeden rekord i musi mieć on włączoną widoczność !\rOznacza to, że w programie musi być "
                            "zdefiniowana co najmniej jedna osoba, która będzie miała włączoną widoczność czyli będzie "
                            "mogła dodawać wydatki/przychody i wykonywać zlecenia stałe. Można też zmienić osobie imię "
                            "i/lub nazwisko."));
}

// Persons are visited last to first; the first one without a name ends the visit, and what
// was built before it stays.
TEST_F(ZasadyZapisu, OsobaBezImieniaKonczyZapisOsob)
{
    Osoba(k, 2, "Ewa", "", Zmieniono);
    Osoba(k, 1003, "NULL", "Nowak", Dodano);
    Osoba(k, 4, "Adam", "", Zmieniono);
    Osoba(k, 5, "Piotr", "Zieliński", Zmieniono);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Osoby);
    ASSERT_EQ(p.Polecenia.size(), 1u);
    EXPECT_THAT(p.Polecenia[0], HasSubstr("WHERE \"Id\"=\"5\";"));
    EXPECT_THAT(p.Komunikaty, ElementsAre("Przebieg zapisu dokonanych zmian w tabeli Osoby",
                                          " • Nie udało się zapisać osoby \"Adam \" - Imię i Nazwisko nie może być "
                                          "puste."));

    k.Osoby().pop_back();
    k.Osoby().pop_back();
    EXPECT_THAT(fDane.Zbuduj(TTabele::Osoby).Komunikaty,
                ElementsAre("Przebieg zapisu dokonanych zmian w tabeli Osoby",
                            " • Nie udało się dodać osoby \"NULL Nowak\" do bazy - Imię i Nazwisko nie może być "
                            "puste."));
}

TEST_F(ZasadyZapisu, OsobaWUzyciuNieJestUsuwana)
{
    Osoba(k, 2, "Anna", "Nowak", Usunieto);
    Osoba(k, 3, "Ewa", "Lis", Usunieto);
    Przychod(k, 1, 1, 1, 3, BezZmian);
    Wydatek(k, 1, 1, 1, 3, BezZmian);
    Zlecenie(k.HistoriaZlecenStalych(), 1, 1, 1, BezZmian).SetIdOsoba(2);
    const TPaczkaZapisu p = fDane.Zbuduj(TTabele::Osoby);
    EXPECT_TRUE(p.Polecenia.empty());
    EXPECT_THAT(p.Komunikaty,
                ElementsAre("Przebieg zapisu dokonanych zmian w tabeli Osoby",
                            " • Nie udało się usunąć \"Ewa Lis\" - pozycja jest w użyciu, usuń najpierw wszystkie "
                            "pozycje używające tej osoby z tabeli \"Przychody\". Możesz też zmienić osobie \"Ewa Lis\" "
                            "imię lub nazwisko na zakładce \"Osoby\".",
                            " • Nie udało się usunąć \"Anna Nowak\" - pozycja jest w użyciu, usuń najpierw wszystkie "
                            "pozycje używające tej osoby z tabeli \"Historia zleceń stałych - wydatki\"/\"Historia "
                            "zleceń stałych - przychody\". Możesz też zmienić osobie \"Anna Nowak\" imię lub nazwisko "
                            "na zakładce \"Osoby\"."));
}

}  // namespace
