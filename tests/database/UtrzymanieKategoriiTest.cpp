// Category maintenance changes one attribute in memory and leaves the rules to the save.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DaneZapisu.h"
#include "OtwartaBaza.h"

namespace {

using UtrzymanieKategorii = OtwartaBaza;

TEST_F(UtrzymanieKategorii, ZmianaOznaczaRekordJakoZmieniony)
{
    TKolekcjeDanych& k = Kolekcje();
    TKategoriaWydatki& kategoria = KategoriaWydatkow(k, 5, "Czynsz");
    TZlecenieStale& zlecenie = Zlecenie(k.ZleceniaStaleWydatki(), 5, 1, 1, BezZmian);
    TOsoba& osoba = Osoba(k, 5, "Jan", "Kowalski", Usunieto);
    TKategoriaOszczednosci& oszczednosci = KategoriaOszczednosci(k, 5, "Konto", Dodano, false);

    fBaza->ZmienWidocznoscKategorii(5, TTabele::Kategorie_Wydatki, true);
    EXPECT_TRUE(kategoria.Usuniety());
    EXPECT_EQ(kategoria.Zmiany(), Zmieniono);
    fBaza->ZmienWidocznoscKategorii(5, TTabele::ZleceniaStaleWydatki, true);
    EXPECT_TRUE(zlecenie.Aktywne());
    EXPECT_EQ(zlecenie.Zmiany(), Zmieniono);
    // Changing a record marked for deletion keeps it after all.
    fBaza->ZmienWidocznoscKategorii(5, TTabele::Osoby, true);
    EXPECT_EQ(osoba.Zmiany(), Zmieniono);
    // A new record stays new, so that it is still inserted.
    fBaza->ZmienMozliwoscZaplatyKategorii(5, TTabele::Kategorie_Oszczednosci, true);
    fBaza->ZmienCharakterDluguKategoriiOszczednosci(5, true);
    fBaza->ZmienOpisKategorii(5, TTabele::Kategorie_Oszczednosci, "Konto; 'główne'");
    EXPECT_TRUE(oszczednosci.MoznaZaplacic());
    EXPECT_TRUE(oszczednosci.CharakterDlugu());
    EXPECT_EQ(oszczednosci.Opis(), "Konto; 'główne'");
    EXPECT_EQ(oszczednosci.Zmiany(), Dodano);
    // The caller raises the collections' flags.
    EXPECT_FALSE(k.ZmienionoINiezapisanoKategorieWydatki());
    EXPECT_FALSE(k.ZmienionoINiezapisanoOsoby());
}

TEST_F(UtrzymanieKategorii, NieprzyjetaTabelaLubIdNicNieZmieniaja)
{
    TKolekcjeDanych& k = Kolekcje();
    TKategoriaWydatki& kategoria = KategoriaWydatkow(k, 5, "Czynsz");
    TOsoba& osoba = Osoba(k, 5, "Jan", "Kowalski");
    fBaza->ZmienOpisKategorii(5, TTabele::Osoby, "Nowy");
    fBaza->ZmienMozliwoscZaplatyKategorii(5, TTabele::Kategorie_Wydatki, true);
    fBaza->ZmienWidocznoscKategorii(5, TTabele::Plany, true);
    fBaza->ZmienWidocznoscKategorii(6, TTabele::Kategorie_Wydatki, true);
    fBaza->ZmienCharakterDluguKategoriiOszczednosci(5, true);
    EXPECT_EQ(kategoria.Zmiany(), BezZmian);
    EXPECT_FALSE(kategoria.Usuniety());
    EXPECT_EQ(osoba.Zmiany(), BezZmian);
    EXPECT_EQ(osoba.Imie(), "Jan");
}

// Hiding the last visible category is allowed here; its save is then refused.
TEST_F(UtrzymanieKategorii, UkrycieOstatniejKategoriiOdrzucaZapis)
{
    KategoriaWydatkow(Kolekcje(), 1, "Jedzenie");
    fBaza->ZmienWidocznoscKategorii(1, TTabele::Kategorie_Wydatki, true);
    const TProjektDB::TWynikZapisu wynik = fBaza->ZapiszZawartoscKolekcjiDoBazy(TTabele::Kategorie_Wydatki);
    ASSERT_EQ(wynik.Komunikaty.size(), 2u);
    EXPECT_THAT(wynik.Komunikaty[1], ::testing::HasSubstr("musi mieć włączoną Widoczność !"));
    EXPECT_TRUE(Wiersze(fPlik, R"(SELECT * FROM "KategorieWydatkow")").empty());
}

}  // namespace
