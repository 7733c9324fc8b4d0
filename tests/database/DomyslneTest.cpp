// Default categories, test persons and random test data inserted into an empty database.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "OtwartaBaza.h"
#include "UstawionaAplikacja.h"
#include "common/Wyjatki.h"
#include "database/KodowanieZapisu.h"
#include "database/PoleceniaKonserwacji.h"

namespace {

using Domyslne = OtwartaBaza;

std::vector<std::string> Jeden(const std::string& tekst)
{
    return {tekst};
}

struct TPrzypadekKategorii {
    const char* Opis;
    TTabele Kolekcja;
    int Wydatkow;
    int Przychodow;
    int Oszczednosci;
};

class DomyslneKategorie : public OtwartaBaza, public testing::WithParamInterface<TPrzypadekKategorii> {};

TEST_P(DomyslneKategorie, WstawiaListyWybranegoRodzaju)
{
    const TPrzypadekKategorii& p = GetParam();
    fBaza->UtworzDomyslneKategorie(p.Kolekcja);

    EXPECT_EQ(Wiersze(fPlik, "SELECT COUNT(*) FROM KategorieWydatkow"), Jeden(std::to_string(p.Wydatkow)));
    EXPECT_EQ(Wiersze(fPlik, "SELECT COUNT(*) FROM KategoriePrzychodow"), Jeden(std::to_string(p.Przychodow)));
    EXPECT_EQ(Wiersze(fPlik, "SELECT COUNT(*) FROM KategorieOszczednosci"), Jeden(std::to_string(p.Oszczednosci)));
    for (const char* tabela : {"KategorieWydatkow", "KategoriePrzychodow", "KategorieOszczednosci"})
        EXPECT_EQ(Wiersze(fPlik, std::string("SELECT COUNT(*) FROM ") + tabela + " WHERE Usuniety <> 0 OR Waga <> 10"),
                  Jeden("0"))
            << tabela;
    if (p.Wydatkow > 0) {
        EXPECT_EQ(Wiersze(fPlik, "SELECT Opis FROM KategorieWydatkow ORDER BY Id"), fBaza->DomyslneKategorieWydatkow());
    }
    if (p.Przychodow > 0) {
        EXPECT_EQ(Wiersze(fPlik, "SELECT Opis FROM KategoriePrzychodow ORDER BY Id"), fBaza->DomyslneKategoriePrzychodow());
    }
    EXPECT_TRUE(Kolekcje().KategorieWydatki().empty());  // nothing is reloaded
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rodzaje, DomyslneKategorie,
    testing::Values(TPrzypadekKategorii{"Wydatkow", TTabele::Kategorie_Wydatki, 119, 0, 0},
                    TPrzypadekKategorii{"Przychodow", TTabele::Kategorie_Przychody, 0, 35, 0},
                    TPrzypadekKategorii{"Oszczednosci", TTabele::Kategorie_Oszczednosci, 0, 0, 25},
                    TPrzypadekKategorii{"Wszystkie", TTabele::Pusta, 119, 35, 25},
                    TPrzypadekKategorii{"InnaTabela", TTabele::Wydatki, 0, 0, 0}),
    [](const testing::TestParamInfo<TPrzypadekKategorii>& info) { return std::string(info.param.Opis); });

TEST_F(Domyslne, KategorieOszczednosciZFlagamiIPonownieWstawione)
{
    fBaza->UtworzDomyslneKategorie(TTabele::Kategorie_Oszczednosci);
    EXPECT_EQ(Wiersze(fPlik, "SELECT MoznaZaplacic, Dlug FROM KategorieOszczednosci WHERE Opis = 'Karta kredytowa'"),
              Jeden("1|1"));
    EXPECT_EQ(Wiersze(fPlik, "SELECT MoznaZaplacic, Dlug FROM KategorieOszczednosci WHERE Opis = 'Lokata'"),
              Jeden("0|0"));
    for (const auto& [nazwa, flagi] : fBaza->DomyslneKategorieOszczednosci())
        EXPECT_EQ(Wiersze(fPlik, "SELECT MoznaZaplacic, Dlug FROM KategorieOszczednosci WHERE Opis = " +
                                     zapis::TekstWApostrofach(nazwa)),
                  Jeden(LogicznaNaTekst(flagi.MoznaZaplacic) + "|" + LogicznaNaTekst(flagi.Dlug)))
            << nazwa;

    // Rows already there are not looked at.
    fBaza->UtworzDomyslneKategorie(TTabele::Kategorie_Oszczednosci);
    EXPECT_EQ(Wiersze(fPlik, "SELECT COUNT(*) FROM KategorieOszczednosci"), Jeden("50"));
}

TEST_F(Domyslne, ApostrofWNazwieJestPodwojony)
{
    const TStringList polecenia = PoleceniaDomyslnychKategorii("KategorieWydatkow", {"Herbata u O'Neila", "''"});
    EXPECT_EQ(polecenia[0],
              "INSERT INTO \"KategorieWydatkow\" (\"Opis\", \"Usuniety\", \"Waga\") VALUES('Herbata u O''Neila',0,10);");
    std::map<std::string, TFlagiKategoriiOszczednosci> oszczednosci{{"Skarbonka Ol'i", {true, false}}};
    EXPECT_EQ(PoleceniaDomyslnychKategoriiOszczednosci("KategorieOszczednosci", oszczednosci),
              Jeden("INSERT INTO \"KategorieOszczednosci\" (\"Opis\", \"Usuniety\", \"MoznaZaplacic\", \"Dlug\", "
                    "\"Waga\") VALUES('Skarbonka Ol''i',0,1,0,10);"));

    ASSERT_TRUE(fBaza->WykonajWpisanePoleceniaSQL(polecenia));
    EXPECT_EQ(Wiersze(fPlik, "SELECT Opis FROM KategorieWydatkow ORDER BY Id"),
              (std::vector<std::string>{"Herbata u O'Neila", "''"}));
}

TEST_F(Domyslne, DwieOsobyTestowe)
{
    fBaza->DodajDoBazyOsobyTestowe();
    EXPECT_EQ(Wiersze(fPlik, "SELECT Imie, Nazwisko, Pseudonim, Adres, Telefon, Usuniety, Waga FROM Osoby ORDER BY Id"),
              (std::vector<std::string>{"Jan|Iksiński|Janek|ul. Zaciszna 15/23|555-555-555|0|10",
                                        "Zosia|Iksińska|Zosieńka|ul. Zaciszna 15/23|444-444-444|0|10"}));
}

class DaneTestowe : public OtwartaBaza {
protected:
    TUstawionaAplikacja fAplikacja;
};

TEST_F(DaneTestowe, WpisujeLosoweTransakcjeIWczytujeTabele)
{
    fZegar.Ustaw(KodujDateCzas(2013, 5, 17, 12, 34, 56));
    fBaza->WpiszDaneTestowe();

    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
    EXPECT_EQ(fAplikacja->PrzetworzonoZdarzen, 1);
    EXPECT_EQ(Wiersze(fPlik, "SELECT COUNT(*) FROM Wydatki"), Jeden("21"));
    EXPECT_EQ(Wiersze(fPlik, "SELECT COUNT(*) FROM Przychody"), Jeden("21"));
    EXPECT_EQ(Wiersze(fPlik, "SELECT IdKategoriaOszczednosci FROM Oszczednosci ORDER BY 1"),
              Wiersze(fPlik, "SELECT Id FROM KategorieOszczednosci WHERE MoznaZaplacic = 1 ORDER BY 1"));
    EXPECT_EQ(Wiersze(fPlik, "SELECT COUNT(*) FROM Oszczednosci"), Jeden("19"));

    // Amounts in range with at most two decimals, the moment of the call to the minute,
    // no comment, and only existing (for the savings: payable) categories and persons.
    const std::string zleKwoty = " WHERE Ile < 0 OR abs(Ile * 100 - round(Ile * 100)) > 1e-6 OR Ile > ";
    EXPECT_EQ(Wiersze(fPlik, "SELECT COUNT(*) FROM Wydatki" + zleKwoty + "800"), Jeden("0"));
    EXPECT_EQ(Wiersze(fPlik, "SELECT COUNT(*) FROM Przychody" + zleKwoty + "1000"), Jeden("0"));
    EXPECT_EQ(Wiersze(fPlik, "SELECT COUNT(*) FROM Oszczednosci" + zleKwoty + "1000"), Jeden("0"));
    for (const char* tabela : {"Wydatki", "Przychody", "Oszczednosci"})
        EXPECT_EQ(Wiersze(fPlik, std::string("SELECT DISTINCT Data, Komentarz FROM ") + tabela),
                  Jeden("2013-05-17 12:34|NULL"))
            << tabela;
    const std::string platne = " NOT IN (SELECT Id FROM KategorieOszczednosci WHERE MoznaZaplacic = 1)";
    EXPECT_EQ(Wiersze(fPlik, "SELECT COUNT(*) FROM Wydatki WHERE IdKategoriaOszczednosci" + platne +
                                 " OR IdKategoriaWydatki NOT IN (SELECT Id FROM KategorieWydatkow)"
                                 " OR IdOsoba NOT IN (SELECT Id FROM Osoby)"),
              Jeden("0"));
    EXPECT_EQ(Wiersze(fPlik, "SELECT COUNT(*) FROM Przychody WHERE IdKategoriaOszczednosci" + platne +
                                 " OR IdKategoriaPrzychody NOT IN (SELECT Id FROM KategoriePrzychodow)"
                                 " OR IdOsoba NOT IN (SELECT Id FROM Osoby)"),
              Jeden("0"));
    // Drawn, not constant.
    EXPECT_GT(std::stoi(Wiersze(fPlik, "SELECT COUNT(DISTINCT Ile) FROM Wydatki")[0]), 10);

    EXPECT_EQ(Kolekcje().KategorieWydatki().size(), 119u);
    EXPECT_EQ(Kolekcje().KategoriePrzychody().size(), 35u);
    EXPECT_EQ(Kolekcje().KategorieOszczednosci().size(), 25u);
    EXPECT_EQ(Kolekcje().Osoby().size(), 2u);
    EXPECT_EQ(Kolekcje().Wydatki().size(), 21u);
    EXPECT_EQ(Kolekcje().Przychody().size(), 21u);
    EXPECT_EQ(Kolekcje().Oszczednosci().size(), 19u);
}

TEST_F(DaneTestowe, TaSamaChwilaDajeTeSameDane)
{
    const std::string zapytanie =
        "SELECT 'W', IdKategoriaWydatki, Ile, IdKategoriaOszczednosci, IdOsoba FROM Wydatki UNION ALL "
        "SELECT 'P', IdKategoriaPrzychody, Ile, IdKategoriaOszczednosci, IdOsoba FROM Przychody UNION ALL "
        "SELECT 'O', IdKategoriaOszczednosci, Ile, 0, 0 FROM Oszczednosci";
    fBaza->WpiszDaneTestowe();
    const std::vector<std::string> pierwsze = Wiersze(fPlik, zapytanie);

    const auto daneWNowejBazie = [&zapytanie] {
        TTymczasowyFolder folder;
        const std::string plik = folder.Plik("baza.dat");
        TProjektDB(std::make_unique<TPlikiDB>(plik)).WpiszDaneTestowe();
        return Wiersze(plik, zapytanie);
    };
    EXPECT_EQ(daneWNowejBazie(), pierwsze);
    fZegar.Ustaw(KodujDateCzas(2013, 5, 17, 12, 1));
    EXPECT_NE(daneWNowejBazie(), pierwsze);
}

TEST_F(DaneTestowe, BezOsobZglaszaBrakKategoriiINiczegoNieWpisuje)
{
    Wstaw({"CREATE TRIGGER BezOsob BEFORE INSERT ON Osoby BEGIN SELECT RAISE(ABORT, 'osoby zablokowane'); END;"});
    try {
        fBaza->WpiszDaneTestowe();
        FAIL() << "no exception";
    } catch (const EGrosiwoException& e) {
        EXPECT_STREQ(e.what(),
                     "Nie można wstawić danych testowych, w bazie nie ma zapisanych żadnych danych odnośnie "
                     "kategorii");
    }
    ASSERT_EQ(fKomunikaty->Komunikaty.size(), 1u);
    EXPECT_EQ(fKomunikaty->Komunikaty[0].Tytul, "BŁĄD !!!");
    EXPECT_NE(fKomunikaty->Komunikaty[0].Tekst.find("osoby zablokowane"), std::string::npos);
    EXPECT_EQ(Wiersze(fPlik, "SELECT COUNT(*) FROM Wydatki"), Jeden("0"));
    EXPECT_EQ(Kolekcje().KategorieWydatki().size(), 119u);
}

}  // namespace
