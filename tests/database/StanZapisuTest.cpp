// Which tables hold unsaved changes, from the collections' flags, and the stored values of
// one column.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "OtwartaBaza.h"

namespace {

using StanZapisu = OtwartaBaza;

TEST_F(StanZapisu, BezZmianWszystkoZapisane)
{
    EXPECT_EQ(fBaza->EtykietyNiezapisanychTabel(), "(wszystkie tabele zapisane)");
    EXPECT_TRUE(fBaza->TabeleZapisane());
    EXPECT_TRUE(fBaza->TabeleZKategoriamiZapisane());
    EXPECT_TRUE(fBaza->TabelaZapisana(TTabele::Plany));
    EXPECT_TRUE(fBaza->TabelaZapisana(TTabele::HistoriaZlecenStalychPrzychody));
    // These have no flag of their own.
    EXPECT_FALSE(fBaza->TabelaZapisana(TTabele::HarmonogramyLokatBankowych));
    EXPECT_FALSE(fBaza->TabelaZapisana(TTabele::Pusta));
    EXPECT_FALSE(fBaza->TabelaZapisana(TTabele::PrzychodyIRozchody));
}

TEST_F(StanZapisu, PlanyNieLiczaSieDoTabelZapisanych)
{
    Kolekcje().SetZmienionoINiezapisanoPlany(true);
    EXPECT_EQ(fBaza->EtykietyNiezapisanychTabel(), "Plany");
    EXPECT_TRUE(fBaza->TabeleZapisane());
    EXPECT_FALSE(fBaza->TabelaZapisana(TTabele::Plany));
}

TEST_F(StanZapisu, WydatkiIOsoby)
{
    Kolekcje().SetZmienionoINiezapisanoWydatki(true);
    EXPECT_TRUE(fBaza->TabeleZKategoriamiZapisane());
    EXPECT_FALSE(fBaza->TabeleZapisane());
    Kolekcje().SetZmienionoINiezapisanoOsoby(true);
    EXPECT_EQ(fBaza->EtykietyNiezapisanychTabel(), "Wydatki, Osoby");
    EXPECT_FALSE(fBaza->TabeleZKategoriamiZapisane());
    EXPECT_FALSE(fBaza->TabelaZapisana(TTabele::Osoby));
}

TEST_F(StanZapisu, KazdaFlagaWSwojejKolejnosci)
{
    TKolekcjeDanych& k = Kolekcje();
    k.SetZmienionoINiezapisanoHistorieZlecenStalych(true);
    EXPECT_EQ(fBaza->EtykietyNiezapisanychTabel(),
              "Historia zleceń stałych - wydatki, Historia zleceń stałych - przychody");
    EXPECT_FALSE(fBaza->TabelaZapisana(TTabele::HistoriaZlecenStalychWydatki));
    EXPECT_FALSE(fBaza->TabeleZapisane());

    k.SetZmienionoINiezapisanoWydatki(true);
    k.SetZmienionoINiezapisanoPrzychody(true);
    k.SetZmienionoINiezapisanoOszczednosci(true);
    k.SetZmienionoINiezapisanoKategorieWydatki(true);
    k.SetZmienionoINiezapisanoKategoriePrzychody(true);
    k.SetZmienionoINiezapisanoKategorieOszczednosci(true);
    k.SetZmienionoINiezapisanoOsoby(true);
    k.SetZmienionoINiezapisanoHistoriePrzelewow(true);
    k.SetZmienionoINiezapisanoStanyOszczednosci(true);
    k.SetZmienionoINiezapisanoZleceniaStaleWydatki(true);
    k.SetZmienionoINiezapisanoZleceniaStalePrzychody(true);
    k.SetZmienionoINiezapisanoPlany(true);
    k.SetZmienionoINiezapisanoOgraniczenia(true);
    k.SetZmienionoINiezapisanoLokaty(true);
    EXPECT_EQ(fBaza->EtykietyNiezapisanychTabel(),
              "Wydatki, Przychody, Oszczędności, Kategorie wydatków, Kategorie przychodów, Kategorie oszczędności, "
              "Osoby, Historia przelewów oszczędności, Stany oszczędności, Historia zleceń stałych - wydatki, "
              "Historia zleceń stałych - przychody, Zlecenia stałe - wydatki, Zlecenia stałe - przychody, Plany, "
              "Ograniczenia, Lokaty");
}

TEST_F(StanZapisu, ZawartoscKolumny)
{
    Wstaw({R"(INSERT INTO "Plany" ("Nazwa", "IdKategorii", "TypPlanu", "Komentarz") VALUES ('a', 1, 0, 'b');)",
           R"(INSERT INTO "Plany" ("Nazwa", "IdKategorii", "TypPlanu", "Komentarz") VALUES ('a', 1, 0, 'A');)",
           R"(INSERT INTO "Plany" ("Nazwa", "IdKategorii", "TypPlanu", "Komentarz") VALUES ('a', 1, 0, NULL);)",
           R"(INSERT INTO "Plany" ("Nazwa", "IdKategorii", "TypPlanu", "Komentarz") VALUES ('a', 1, 0, 'b');)"});
    const std::unique_ptr<TStringList> komentarze = fBaza->PobierzZawartoscKolumny(TTabele::Plany, "Komentarz");
    ASSERT_NE(komentarze, nullptr);
    EXPECT_EQ(*komentarze, (TStringList{"A", "b"}));

    Wstaw({R"(INSERT INTO "Plany" ("Nazwa", "IdKategorii", "TypPlanu", "Komentarz") VALUES ('a', 1, 0, '');)"});
    EXPECT_EQ(*fBaza->PobierzZawartoscKolumny(TTabele::Plany, "Komentarz"), (TStringList{"", "A", "b"}));
    EXPECT_EQ(fBaza->PobierzZawartoscKolumny(TTabele::Plany, "Brak"), nullptr);
    EXPECT_EQ(fBaza->PobierzZawartoscKolumny(TTabele::Pusta, "Komentarz"), nullptr);
}

}  // namespace
