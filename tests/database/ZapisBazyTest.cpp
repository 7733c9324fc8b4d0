// Saves into a real database file: what the rows hold afterwards, what a reload gives back,
// and what the caller learns when a batch does not commit.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DaneZapisu.h"
#include "OtwartaBaza.h"
#include "common/Wyjatki.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using TWiersze = std::vector<std::string>;

const std::string Wstrzykniecie = R"(x'); DROP TABLE "Plany"; --)";

class ZapisBazy : public OtwartaBaza {
protected:
    TProjektDB::TWynikZapisu Zapisz(TTabele tabela) { return fBaza->ZapiszZawartoscKolekcjiDoBazy(tabela); }
    TWiersze Wiersze(const std::string& zapytanie) const { return ::Wiersze(fPlik, zapytanie); }
    // The committed rows in place of the collection, as a caller does after a save.
    void Odswiez(TTabele tabela) { fBaza->OdswiezZawartoscKolekcji(tabela); }
    size_t IloscTabel() const { return Wiersze("SELECT name FROM sqlite_master WHERE type = 'table'").size(); }
    // Categories, a person and a savings entry stored in the file and loaded back.
    void ZapiszPodstawy()
    {
        Wstaw({R"(INSERT INTO "KategorieWydatkow" VALUES (1, 'Jedzenie', 0, 1);)",
               R"(INSERT INTO "KategoriePrzychodow" VALUES (1, 'Pobory', 0, 1);)",
               R"(INSERT INTO "KategorieOszczednosci" VALUES (1, 'Konto', 0, 1, 0, 1);)",
               R"(INSERT INTO "Osoby" VALUES (1, 'Jan', 'Kowalski', NULL, NULL, NULL, 0, 1);)",
               R"(INSERT INTO "Oszczednosci" VALUES (1, 1, 100, '2013-05-01', NULL, 1);)"});
        for (const TTabele t : {TTabele::Kategorie_Wydatki, TTabele::Kategorie_Przychody, TTabele::Kategorie_Oszczednosci,
                                TTabele::Osoby, TTabele::Oszczednosci, TTabele::StanyOszczednosci})
            Odswiez(t);
    }
};

TEST_F(ZapisBazy, PlanyZapisaneIZmienione)
{
    TKolekcjeDanych& k = Kolekcje();
    Dodaj(k.Plany(), 1001, std::string("O'Brien;"), 3, 1234.567, KodujDateCzas(2013, 5, 17, 9, 5, 59), std::string(),
          Dodano, TTypPlanu::Wydatek);
    Dodaj(k.Plany(), 1002, std::string(""), 4, -12.5, KodujDateCzas(2013, 6, 1), std::string("co miesiąc"), Dodano,
          TTypPlanu::Przychod)
        .SetWykonany(true);
    const TProjektDB::TWynikZapisu wynik = Zapisz(TTabele::Plany);
    EXPECT_TRUE(wynik.WszystkoZapisano());
    // Numbers read back in the application's text form, with the decimal comma.
    EXPECT_EQ(Wiersze(R"(SELECT "Id", "Nazwa", "Kwota", "IdKategorii", "Wykonany", "DodanyDoKolekcji", "TypPlanu", )"
                      R"("Data", "Komentarz" FROM "Plany" ORDER BY "Id")"),
              (TWiersze{"1|OBrien|1234,57|3|0|0|0|2013-05-17 09:05|NULL", "2||-12,5|4|1|0|1|2013-06-01 00:00|co miesiąc"}));
    // The save leaves the records as they were; the caller reloads.
    EXPECT_EQ(k.Plany()[0]->Zmiany(), Dodano);

    Odswiez(TTabele::Plany);
    ASSERT_EQ(Identyfikatory(k.Plany()), (std::vector<int32_t>{1, 2}));
    k.Plany()[0]->SetKwota(5);
    k.Plany()[0]->SetZmiany(Zmieniono);
    k.Plany()[1]->SetZmiany(Usunieto);
    EXPECT_TRUE(Zapisz(TTabele::Plany).WszystkoZapisano());
    EXPECT_EQ(Wiersze(R"(SELECT "Id", "Kwota", "Komentarz" FROM "Plany")"), TWiersze{"1|5|NULL"});
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
}

// Limits with both maxima 0 are deleted from the file, and their records say so.
TEST_F(ZapisBazy, OgraniczeniaBezMaksimow)
{
    Wstaw({R"(INSERT INTO "Ograniczenia" VALUES (1, 3, 100, 0, 2013, '2013-01-01');)"});
    Odswiez(TTabele::Ograniczenia);
    TOgraniczenie& zapisane = *Kolekcje().Ograniczenia().at(0);
    zapisane.SetMaxMiesiac(0);
    Dodaj(Kolekcje().Ograniczenia(), 4, 0.0, 0.0, uint16_t{2013}, Dodano);
    Dodaj(Kolekcje().Ograniczenia(), 5, 0.0, 300.0, uint16_t{2013}, Dodano);
    EXPECT_TRUE(Zapisz(TTabele::Ograniczenia).WszystkoZapisano());
    EXPECT_EQ(zapisane.Zmiany(), Usunieto);
    EXPECT_EQ(Wiersze(R"(SELECT "IdKategoriiWydatku", "MaxMiesiac", "MaxRok", "Data" FROM "Ograniczenia")"),
              TWiersze{"5|0|300|2013-05-17 12:00"});
}

// A failing statement rolls the whole batch back, is shown once, and the result says the
// batch did not commit; the next save runs normally.
TEST_F(ZapisBazy, NieudanaPaczkaJestWidocznaDlaWywolujacego)
{
    Wstaw({R"(CREATE TRIGGER "odmowa" BEFORE INSERT ON "Plany" WHEN NEW."Nazwa" = 'zły' )"
           R"(BEGIN SELECT RAISE(ABORT, 'plan odrzucony'); END;)"});
    TKolekcjeDanych& k = Kolekcje();
    for (const char* nazwa : {"pierwszy", "drugi", "zły"})
        Dodaj(k.Plany(), 1001, std::string(nazwa), 1, 10.0, KodujDate(2013, 5, 20), std::string(), Dodano,
              TTypPlanu::Wydatek);
    const TProjektDB::TWynikZapisu wynik = Zapisz(TTabele::Plany);
    EXPECT_FALSE(wynik.Zatwierdzono);
    EXPECT_FALSE(wynik.WszystkoZapisano());
    EXPECT_TRUE(wynik.Komunikaty.empty());
    EXPECT_TRUE(Wiersze(R"(SELECT * FROM "Plany")").empty());
    ASSERT_EQ(fKomunikaty->Komunikaty.size(), 1u);
    EXPECT_EQ(fKomunikaty->Komunikaty[0].Tytul, "BŁĄD !!!");
    EXPECT_THAT(fKomunikaty->Komunikaty[0].Tekst, HasSubstr("plan odrzucony"));
    EXPECT_THAT(fKomunikaty->Komunikaty[0].Tekst, HasSubstr("zły"));

    k.Plany().pop_back();
    EXPECT_TRUE(Zapisz(TTabele::Plany).Zatwierdzono);
    EXPECT_EQ(Wiersze(R"(SELECT "Nazwa" FROM "Plany" ORDER BY "Id")"), (TWiersze{"pierwszy", "drugi"}));
}

// After a rolled-back batch the new categories have no rows, so nothing is rewritten to
// rows that merely carry their descriptions.
TEST_F(ZapisBazy, NieudanaPaczkaKategoriiNiePrzepisujeOdwolan)
{
    ZapiszPodstawy();
    Wstaw({R"(INSERT INTO "KategorieWydatkow" VALUES (2, 'Czynsz', 1, 1);)",
           R"(CREATE TRIGGER "odmowa" BEFORE INSERT ON "KategorieWydatkow" BEGIN SELECT RAISE(ABORT, 'nie'); END;)"});
    Odswiez(TTabele::Kategorie_Wydatki);
    KategoriaWydatkow(Kolekcje(), 1003, "Czynsz", Dodano);
    TWydatek& w = Wydatek(Kolekcje(), 1001, 1003, 1, 1, Dodano);
    EXPECT_FALSE(Zapisz(TTabele::Kategorie_Wydatki).Zatwierdzono);
    Odswiez(TTabele::Kategorie_Wydatki);
    fBaza->PoZapisaniuKategoriiUaktualnijNumeryIDKategoriiWKolekcjach(TTabele::Kategorie_Wydatki);
    EXPECT_EQ(w.IdKategoriaWydatki(), 1003);
}

TEST_F(ZapisBazy, BladPozaPaczkaJestOpakowanyINicNieWykonuje)
{
    ZapiszPodstawy();
    KategoriaPrzychodow(Kolekcje(), 1001, "Premia", Dodano);
    KategoriaPrzychodow(Kolekcje(), 1001, "Nagroda", Dodano);
    try {
        Zapisz(TTabele::Kategorie_Przychody);
        FAIL() << "no exception";
    } catch (const EGrosiwoException& e) {
        EXPECT_STREQ(e.what(), "Nie udało się zapisać zawartości tabeli \"Kategorie przychodów\" !!!\rPRZYCZYNA "
                               "BŁĘDU:\rDwie nowe pozycje mają ten sam tymczasowy identyfikator 1001.");
    }
    EXPECT_EQ(Wiersze(R"(SELECT "Opis" FROM "KategoriePrzychodow")"), TWiersze{"Pobory"});
}

// Texts reach the statements only through the text form: the quotes and semicolons of an
// attack are dropped and nothing else runs.
TEST_F(ZapisBazy, TekstyNieZmieniajaPolecen)
{
    ZapiszPodstawy();
    const size_t tabel = IloscTabel();
    TKolekcjeDanych& k = Kolekcje();
    Dodaj(k.Plany(), 1001, Wstrzykniecie, 1, 1.0, KodujDate(2013, 5, 20), Wstrzykniecie, Dodano, TTypPlanu::Wydatek);
    KategoriaWydatkow(k, 1002, Wstrzykniecie, Dodano);
    KategoriaOszczednosci(k, 1002, Wstrzykniecie, Dodano);
    Osoba(k, 1002, Wstrzykniecie, Wstrzykniecie, Dodano).SetAdres(Wstrzykniecie);
    for (const TTabele t : {TTabele::Plany, TTabele::Kategorie_Wydatki, TTabele::Kategorie_Oszczednosci, TTabele::Osoby})
        EXPECT_TRUE(Zapisz(t).WszystkoZapisano());
    EXPECT_EQ(IloscTabel(), tabel);
    const std::string czysty = "x) DROP TABLE Plany --";
    EXPECT_EQ(Wiersze(R"(SELECT "Nazwa", "Komentarz" FROM "Plany")"), TWiersze{czysty + "|" + czysty});
    EXPECT_EQ(Wiersze(R"(SELECT "Opis" FROM "KategorieWydatkow" WHERE "Id" > 1)"), TWiersze{czysty});
    EXPECT_EQ(Wiersze(R"(SELECT "Opis" FROM "KategorieOszczednosci" WHERE "Id" > 1)"), TWiersze{czysty});
    EXPECT_EQ(Wiersze(R"(SELECT "Imie", "Nazwisko", "Adres" FROM "Osoby" WHERE "Id" > 1)"),
              TWiersze{czysty + "|" + czysty + "|" + czysty});

    // A column name cannot change the query either.
    EXPECT_EQ(fBaza->PobierzZawartoscKolumny(TTabele::Plany, R"(Komentarz" FROM "Plany"; DROP TABLE "Plany"; --)"),
              nullptr);
    EXPECT_EQ(IloscTabel(), tabel);
}

TEST_F(ZapisBazy, PolskieLiteryEmojiIDlugieKomentarzeWracajaPoWczytaniu)
{
    ZapiszPodstawy();
    std::string dlugi;
    while (dlugi.size() < 10000)
        dlugi += "Zażółć gęślą jaźń 😀 ";
    const std::string nazwa = "Łódź — 💶 ŻÓŁW";
    TKolekcjeDanych& k = Kolekcje();
    Dodaj(k.Plany(), 1001, nazwa, 1, 1.0, KodujDate(2013, 5, 20), dlugi, Dodano, TTypPlanu::Wydatek);
    Wydatek(k, 1001, 1, 1, 1, Dodano).SetKomentarz(dlugi);
    KategoriaWydatkow(k, 1002, nazwa, Dodano);
    Osoba(k, 1002, "Łucja", "Ćwik 🙂", Dodano);
    for (const TTabele t : {TTabele::Plany, TTabele::Wydatki, TTabele::Kategorie_Wydatki, TTabele::Osoby}) {
        EXPECT_TRUE(Zapisz(t).WszystkoZapisano());
        Odswiez(t);
    }
    ASSERT_EQ(k.Plany().size(), 1u);
    EXPECT_EQ(k.Plany()[0]->Nazwa(), nazwa);
    EXPECT_EQ(k.Plany()[0]->Komentarz(), dlugi);
    ASSERT_EQ(k.Wydatki().size(), 1u);
    EXPECT_EQ(k.Wydatki()[0]->Komentarz(), dlugi);
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie(nazwa, TTabele::Kategorie_Wydatki), 2);
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("ŁUCJA ĆWIK 🙂", TTabele::Osoby), 2);
}

TEST_F(ZapisBazy, TransakcjeZOdmowamiOdwolan)
{
    ZapiszPodstawy();
    TKolekcjeDanych& k = Kolekcje();
    KategoriaOszczednosci(k, 1002, "Nowa", Dodano);
    Wydatek(k, 1001, 1, 1002, 1, Dodano);
    Wydatek(k, 1002, 1, 1, 1, Dodano);
    const TProjektDB::TWynikZapisu wynik = Zapisz(TTabele::Wydatki);
    // The refused record is reported, the rest committed.
    EXPECT_TRUE(wynik.Zatwierdzono);
    EXPECT_FALSE(wynik.WszystkoZapisano());
    EXPECT_EQ(wynik.Komunikaty.size(), 2u);
    EXPECT_EQ(Wiersze(R"(SELECT "IdKategoriaOszczednosci", "Ile" FROM "Wydatki")"), TWiersze{"1|10"});
    // A save that moved money appends a balance snapshot of the saved savings.
    EXPECT_EQ(Wiersze(R"(SELECT "Stan" FROM "StanOszczednosci")"), TWiersze{"100"});
}

TEST_F(ZapisBazy, OszczednosciZPrzelewamiIZasadaZaplaty)
{
    ZapiszPodstawy();
    TKolekcjeDanych& k = Kolekcje();
    Wstaw({R"(INSERT INTO "KategorieOszczednosci" VALUES (2, 'Skarbonka', 0, 0, 0, 2);)"});
    Odswiez(TTabele::Kategorie_Oszczednosci);
    Oszczednosc(k, 1002, 2, 50.0, Dodano);
    Przelew(k, 1001, 1, 2, Dodano);
    EXPECT_TRUE(Zapisz(TTabele::Oszczednosci).WszystkoZapisano());
    EXPECT_EQ(Wiersze(R"(SELECT "IdKategoriaOszczednosci", "Ile" FROM "Oszczednosci" ORDER BY "Id")"),
              (TWiersze{"1|100", "2|50"}));
    EXPECT_EQ(Wiersze(R"(SELECT "Ile", "IdKategoriaOszczednosciFrom", "IdKategoriaOszczednosciTo" FROM "HistoriaPrzelewow")"),
              TWiersze{"5|1|2"});
    EXPECT_EQ(Wiersze(R"(SELECT "Stan" FROM "StanOszczednosci")"), TWiersze{"150"});

    // Without a category that can pay nothing of the branch is written.
    Odswiez(TTabele::Oszczednosci);
    Odswiez(TTabele::HistoriaPrzelewow);
    k.KategorieOszczednosci()[0]->SetMoznaZaplacic(false);
    k.Oszczednosci()[0]->SetZmiany(Usunieto);
    Przelew(k, 1002, 2, 1, Dodano);
    const TProjektDB::TWynikZapisu wynik = Zapisz(TTabele::Oszczednosci);
    EXPECT_EQ(wynik.Komunikaty.size(), 2u);
    EXPECT_EQ(Wiersze(R"(SELECT COUNT(*) FROM "Oszczednosci")"), TWiersze{"2"});
    EXPECT_EQ(Wiersze(R"(SELECT COUNT(*) FROM "HistoriaPrzelewow")"), TWiersze{"1"});
}

TEST_F(ZapisBazy, ZleceniaStaleIIchHistoria)
{
    ZapiszPodstawy();
    TKolekcjeDanych& k = Kolekcje();
    // The kind of an order is its TypZleceniaStalego: 0 expense, 1 income.
    for (const int8_t typ : {0, 1}) {
        TZlecenieStale& z = Zlecenie(typ == 0 ? k.ZleceniaStaleWydatki() : k.ZleceniaStalePrzychody(), 1001, 1, 1,
                                     Dodano, typ == 0 ? "Abonament" : "Pensja");
        z.SetCzestotliwosc(TCzestotliwosc::CoMiesiac);
        z.SetTypZleceniaStalego(typ);
    }
    EXPECT_TRUE(Zapisz(TTabele::ZleceniaStaleWydatki).WszystkoZapisano());
    EXPECT_TRUE(Zapisz(TTabele::ZleceniaStalePrzychody).WszystkoZapisano());
    EXPECT_EQ(Wiersze(R"(SELECT "Id", "Nazwa", "Czestotliwosc" FROM "ZleceniaStale" ORDER BY "Id")"),
              (TWiersze{"1|Abonament|2", "2|Pensja|2"}));

    // Saving the income history writes the expense order's entry as well.
    for (const int32_t zlecenie : {1, 2}) {
        TZlecenieStale& h = Zlecenie(k.HistoriaZlecenStalych(), 1000 + zlecenie, 1, 1, Dodano);
        h.SetIdZleceniaStalego(zlecenie);
        h.SetIdOsoba(1);
        h.SetCzestotliwosc(TCzestotliwosc::CoMiesiac);
        h.SetTypZleceniaStalego(static_cast<int8_t>(zlecenie - 1));
    }
    EXPECT_TRUE(Zapisz(TTabele::HistoriaZlecenStalychPrzychody).WszystkoZapisano());
    EXPECT_EQ(Wiersze(R"(SELECT "IdZleceniaStalego" FROM "HistoriaZlecenStalych" ORDER BY "IdZleceniaStalego")"),
              (TWiersze{"1", "2"}));

    // An order with a history stays.
    Odswiez(TTabele::ZleceniaStaleWydatki);
    Odswiez(TTabele::HistoriaZlecenStalychWydatki);
    ASSERT_EQ(k.ZleceniaStaleWydatki().size(), 1u);
    k.ZleceniaStaleWydatki()[0]->SetZmiany(Usunieto);
    EXPECT_EQ(Zapisz(TTabele::ZleceniaStaleWydatki).Komunikaty.size(), 2u);
    EXPECT_EQ(Wiersze(R"(SELECT COUNT(*) FROM "ZleceniaStale")"), TWiersze{"2"});
}

// Persons and a savings category are written with the id in quotation marks; SQLite reads
// the token as the text of the id, which the integer column matches.
TEST_F(ZapisBazy, IdWCudzyslowachTrafiaWWiersz)
{
    ZapiszPodstawy();
    Wstaw({R"(INSERT INTO "Osoby" VALUES (12, 'Anna', 'Nowak', NULL, NULL, NULL, 0, 2);)",
           R"(INSERT INTO "KategorieOszczednosci" VALUES (12, 'Stara', 0, 1, 0, 2);)"});
    Odswiez(TTabele::Osoby);
    Odswiez(TTabele::Kategorie_Oszczednosci);
    TKolekcjeDanych& k = Kolekcje();
    for (const auto& o : k.Osoby()) {
        o->SetTelefon("600");
        o->SetZmiany(o->Id() == 12 ? Usunieto : Zmieniono);
    }
    for (const auto& c : k.KategorieOszczednosci())
        if (c->Id() == 12)
            c->SetZmiany(Usunieto);
    EXPECT_TRUE(Zapisz(TTabele::Osoby).WszystkoZapisano());
    EXPECT_TRUE(Zapisz(TTabele::Kategorie_Oszczednosci).WszystkoZapisano());
    EXPECT_EQ(Wiersze(R"(SELECT "Id", "Telefon" FROM "Osoby")"), TWiersze{"1|600"});
    EXPECT_EQ(Wiersze(R"(SELECT "Id" FROM "KategorieOszczednosci")"), TWiersze{"1"});
}

// Save the new category and person, reload them, rewrite the references of the unsaved
// expense, then the expense passes its reference check and points at the real rows.
TEST_F(ZapisBazy, NoweIdPoZapisieIWczytaniu)
{
    ZapiszPodstawy();
    TKolekcjeDanych& k = Kolekcje();
    KategoriaWydatkow(k, 1002, "Opłaty; prąd", Dodano);
    Osoba(k, 1002, "Anna", "Nowak", Dodano);
    TWydatek& w = Wydatek(k, 1001, 1002, 1, 1002, Dodano);
    TZlecenieStale& z = Zlecenie(k.ZleceniaStaleWydatki(), 1001, 1002, 1, Dodano);
    EXPECT_EQ(Zapisz(TTabele::Wydatki).Komunikaty.size(), 2u);

    for (const TTabele t : {TTabele::Kategorie_Wydatki, TTabele::Osoby}) {
        EXPECT_TRUE(Zapisz(t).WszystkoZapisano());
        Odswiez(t);
        fBaza->PoZapisaniuKategoriiUaktualnijNumeryIDKategoriiWKolekcjach(t);
    }
    EXPECT_EQ(w.IdKategoriaWydatki(), 2);
    EXPECT_EQ(w.IdOsoba(), 2);
    EXPECT_EQ(z.IdKategorii(), 2);
    EXPECT_TRUE(Zapisz(TTabele::Wydatki).WszystkoZapisano());
    EXPECT_EQ(Wiersze(R"(SELECT "IdKategoriaWydatki", "IdOsoba" FROM "Wydatki")"), TWiersze{"2|2"});
    EXPECT_EQ(Wiersze(R"(SELECT "Opis" FROM "KategorieWydatkow" WHERE "Id" = 2)"), TWiersze{"Opłaty prąd"});

    // Any other table rewrites nothing.
    w.SetIdKategoriaWydatki(1002);
    fBaza->PoZapisaniuKategoriiUaktualnijNumeryIDKategoriiWKolekcjach(TTabele::Wydatki);
    EXPECT_EQ(w.IdKategoriaWydatki(), 1002);
}

TEST_F(ZapisBazy, PowtorzoneStanyOszczednosciSaUsuwane)
{
    Wstaw({R"(INSERT INTO "StanOszczednosci" VALUES (1, 100, '2013-05-01');)",
           R"(INSERT INTO "StanOszczednosci" VALUES (2, 250.004, '2013-05-02');)",
           R"(INSERT INTO "StanOszczednosci" VALUES (3, 250, '2013-05-03');)",
           R"(INSERT INTO "StanOszczednosci" VALUES (4, 100, '2013-05-04');)",
           R"(INSERT INTO "StanOszczednosci" VALUES (5, 100, '2013-05-05');)"});
    Odswiez(TTabele::StanyOszczednosci);
    fBaza->AktualizujStanOszczednosci();
    EXPECT_EQ(Wiersze(R"(SELECT "Id", "Stan" FROM "StanOszczednosci" ORDER BY "Id")"),
              (TWiersze{"1|100", "3|250", "5|100", "6|0"}));
    EXPECT_EQ(Identyfikatory(Kolekcje().StanyOszczednosci()), (std::vector<int32_t>{1, 3, 5, 6}));
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
}

// A running deposit not saved yet sums over no row: the snapshot holds the saved savings.
TEST_F(ZapisBazy, StanZNiezapisanaLokata)
{
    ZapiszPodstawy();
    Dodaj(Kolekcje().Lokaty(), 1001, std::string("Lokata"), 1000.0, KodujDate(2013, 5, 1), uint16_t{3},
          TJednostkaOkresu::Miesiace, -1, true, Dodano);
    fBaza->AktualizujStanOszczednosci();
    EXPECT_EQ(Wiersze(R"(SELECT "Stan" FROM "StanOszczednosci")"), TWiersze{"100"});
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
}

}  // namespace
