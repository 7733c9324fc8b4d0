// Creating and upgrading the schema of the project database.
#include <exception>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "collections/KolekcjeDanych.h"
#include "collections/Tabela.h"
#include "database/KodowanieZapisu.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "database/SchematBazy.h"
#include "records/ZlecenieStale.h"
#include "sqlite/SQLiteTable3.h"

namespace {

void UstawTytuly(TTabela& tabela, std::initializer_list<const char*> tytuly)
{
    tabela.WyczyscNazwyKolumn();
    for (const char* tytul : tytuly)
        tabela.TytulyKolumn().emplace_back(tytul);
}

// Any failure of the probe counts as a missing column, whatever its cause.
bool ZapytanieDziala(TSQLiteDatabase& baza, const std::string& sonda)
{
    try {
        baza.GetTable(sonda);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void DodajKolumneGdyBrak(TSQLiteDatabase& baza, const std::string& tabela,
                         const std::string& kolumna, const std::string& dodanie)
{
    if (!ZapytanieDziala(baza, "SELECT " + kolumna + " FROM " + tabela))
        baza.ExecSQL(dodanie);
}

// "<tabela>_stare_<n>" with the first n that no table or view of the file uses yet.
std::string WolnaNazwaKopii(TSQLiteDatabase& baza, const std::string& tabela)
{
    for (int n = 1;; ++n) {
        const std::string nazwa = tabela + "_stare_" + std::to_string(n);
        if (baza.GetTable("SELECT 1 FROM sqlite_master WHERE name = " + zapis::TekstWApostrofach(nazwa) +
                          " COLLATE NOCASE")
                .RowCount() == 0)
            return nazwa;
    }
}

// A table of an older layout is recreated empty by the upgrade. Its rows are the user's
// data, so they are first copied into a table of their own; a table that cannot be copied
// is left as it is. True when the old table is gone.
bool UsunStaryUklad(TSQLiteDatabase& baza, const std::string& tabela)
{
    try {
        if (baza.GetTable("SELECT 1 FROM \"" + tabela + "\" LIMIT 1").RowCount() > 0)
            baza.ExecSQL("CREATE TABLE \"" + WolnaNazwaKopii(baza, tabela) + "\" AS SELECT * FROM \"" +
                         tabela + "\";");
        baza.ExecSQL("DROP TABLE \"" + tabela + "\";");
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

void TProjektDB::UtworzTabele()
{
    const TPoleceniaSchematu sql(*fPlikiDB);
    TKolekcjeDanych& k = *fKolekcje;

    WykonajPolecenieSQL(sql.KategorieWydatkow, false);
    UstawTytuly(k.TabelaKategorieWydatki(), {"ID", "Opis", "Widoczność", "Waga"});
    WykonajPolecenieSQL(sql.IndeksKategorieWydatkow, false);

    WykonajPolecenieSQL(sql.KategoriePrzychodow, false);
    UstawTytuly(k.TabelaKategoriePrzychody(), {"ID", "Opis", "Widoczność", "Waga"});
    WykonajPolecenieSQL(sql.IndeksKategoriePrzychodow, false);

    WykonajPolecenieSQL(sql.KategorieOszczednosci, false);
    UstawTytuly(k.TabelaKategorieOszczednosci(),
                {"ID", "Opis", "Widoczność", "Możliwość zapłaty", "Charakter długu", "Waga"});
    WykonajPolecenieSQL(sql.IndeksKategorieOszczednosci, false);

    WykonajPolecenieSQL(sql.Osoby, false);
    UstawTytuly(k.TabelaOsoby(),
                {"ID", "Imię", "Nazwisko", "Pseudonim", "Adres", "Telefon", "Waga", "Widoczność"});
    WykonajPolecenieSQL(sql.IndeksOsoby, false);

    WykonajPolecenieSQL(sql.Wydatki, false);
    UstawTytuly(k.TabelaWydatki(),
                {"ID", "Kwota", "Na co", "Czym zapłacono", "Kiedy", "Kto", "Komentarz"});

    WykonajPolecenieSQL(sql.Przychody, false);
    UstawTytuly(k.TabelaPrzychody(),
                {"ID", "Kwota", "Tytuł przychodu", "Wpłacono na", "Kiedy", "Kto", "Komentarz"});

    WykonajPolecenieSQL(sql.Oszczednosci, false);
    UstawTytuly(k.TabelaOszczednosci(), {"ID", "Rodzaj", "Kwota", "Stan na dzień", "Komentarz"});

    WykonajPolecenieSQL(sql.HistoriaPrzelewow, false);
    UstawTytuly(k.TabelaHistoriaPrzelewowOszczednosci(),
                {"ID", "Ile", "Z", "Na", "Data przelewu", "Komentarz"});

    WykonajPolecenieSQL(sql.ZleceniaStale, false);
    UstawTytuly(k.TabelaZleceniaStaleWydatki(),
                {"ID", "Nazwa", "Na co", "Czym zapłacono", "Kwota", "Częstotliwość", "Data dodania",
                 "Aktywne"});
    UstawTytuly(k.TabelaZleceniaStalePrzychody(),
                {"ID", "Nazwa", "Tytuł przychodu", "Wpłacono na", "Kwota", "Częstotliwość",
                 "Data dodania", "Aktywne"});

    WykonajPolecenieSQL(sql.HistoriaZlecenStalych, false);
    UstawTytuly(k.TabelaHistoriaZlecenStalychWydatki(),
                {"ID", "Nazwa zlecenia", "Na co", "Czym zapłacono", "Kwota", "Częstotliwość", "Data",
                 "Kto", "Komentarz"});
    UstawTytuly(k.TabelaHistoriaZlecenStalychPrzychody(),
                {"ID", "Nazwa zlecenia", "Tytuł przychodu", "Wpłacono na", "Kwota", "Częstotliwość",
                 "Data", "Kto", "Komentarz"});

    // The frequency lookup is rewritten at every opening from the labels of the records,
    // in one batch: a failure then leaves the previous rows rather than a partial lookup.
    WykonajPolecenieSQL(sql.Czestotliwosci, false);
    std::vector<std::string> czestotliwosci{"DELETE FROM \"Czestotliwosci\";"};
    for (const auto& [wartosc, opis] : EtykietyCzestotliwosci())
        czestotliwosci.push_back("INSERT INTO \"Czestotliwosci\" (\"Id\", \"Opis\") VALUES(" +
                                 std::to_string(wartosc) + ", " + zapis::TekstWApostrofach(opis) + ");");
    WykonajListePolecenSQL(std::move(czestotliwosci), false);

    UstawTytuly(k.TabelaStanyOszczednosci(), {"ID", "Stan", "Stan na dzień"});
    WykonajPolecenieSQL(sql.StanOszczednosci, false);

    WykonajPolecenieSQL(sql.Plany, false);
    UstawTytuly(k.TabelaPlany(), {"ID", "Wykonany", "Nazwa", "Kategoria", "Kwota", "Data",
                                  "Komentarz", "TypPlanu", "DodanyDoKolekcji"});

    WykonajPolecenieSQL(sql.Ograniczenia, false);
    UstawTytuly(k.TabelaOgraniczenia(), {"ID", "IdKategoriiWydatku", "Max na miesiąc", "Max na rok",
                                         "Rok ograniczenia", "Data modyfikacji"});

    WykonajPolecenieSQL(sql.Lokaty, false);
    UstawTytuly(k.TabelaLokaty(),
                {"ID", "Nazwa", "Kwota", "Data rozpoczęcia", "Czas trwania", "Lokata bankowa",
                 "Szacowana data zakończenia", "Szacowany zysk", "Ilość dni do zakończenia"});

    WykonajPolecenieSQL(sql.HarmonogramyLokat, false);
    UstawTytuly(k.TabelaHarmonogramyLokatBankowych(),
                {"ID", "Bank", "Nazwa", "Okres lokaty", "% w skali roku", "Kapitalizacja",
                 "Kwota minimalna", "Kwota maksymalna", "Oprocentowanie",
                 "Posiadanie konta osobistego", "Warunki wcześniejszego zerwania umowy",
                 "Pozostałe informacje"});

    AktualizujStrukture();
}

// The probes and changes run outside any transaction. A failing ALTER TABLE ends the
// opening with its exception.
void TProjektDB::AktualizujStrukture()
{
    TSQLiteDatabase& baza = *fDataBase;
    const TPlikiDB& p = *fPlikiDB;
    const std::string& kategorieWydatkow = p.TabNameKategorieWydatkow();
    const std::string& kategoriePrzychodow = p.TabNameKategoriePrzychodow();
    const std::string& kategorieOszczednosci = p.TabNameKategorieOszczednosci();
    const std::string& osoby = p.TabNameOsoby();
    const std::string& wydatki = p.TabNameWydatki();
    const std::string& przychody = p.TabNamePrzychody();
    const std::string& lokaty = p.TabNameLokaty();

    DodajKolumneGdyBrak(baza, kategorieWydatkow, "Waga",
                        "ALTER TABLE " + kategorieWydatkow + " ADD Waga INTEGER NOT NULL DEFAULT 10");
    DodajKolumneGdyBrak(baza, kategoriePrzychodow, "Waga",
                        "ALTER TABLE " + kategoriePrzychodow + " ADD Waga INTEGER NOT NULL DEFAULT 10");
    DodajKolumneGdyBrak(baza, kategorieOszczednosci, "Waga",
                        "ALTER TABLE " + kategorieOszczednosci + " ADD Waga INTEGER NOT NULL DEFAULT 10");
    DodajKolumneGdyBrak(baza, osoby, "Waga",
                        "ALTER TABLE " + osoby + " ADD Waga INTEGER NOT NULL DEFAULT 10");
    // Without a declared type, as older versions added it.
    DodajKolumneGdyBrak(baza, kategorieOszczednosci, "Dlug",
                        "ALTER TABLE " + kategorieOszczednosci + " ADD Dlug NOT NULL DEFAULT 0");
    DodajKolumneGdyBrak(baza, wydatki, "ZlecenieStale",
                        "ALTER TABLE " + wydatki + " ADD ZlecenieStale BOOL NOT NULL DEFAULT 0");
    DodajKolumneGdyBrak(baza, przychody, "ZlecenieStale",
                        "ALTER TABLE " + przychody + " ADD ZlecenieStale BOOL NOT NULL DEFAULT 0");
    DodajKolumneGdyBrak(baza, osoby, "Usuniety",
                        "ALTER TABLE " + osoby + " ADD Usuniety BOOL NOT NULL DEFAULT 0");

    // Older layouts are recognised by a column the current one no longer has; the table is
    // then created anew by a nested run, whose own upgrade finds the current structure.
    // When the old table cannot be removed it stays, and recreating it would only find it
    // again without end.
    for (const std::string* tabela : {&p.TabNameZleceniaStale(), &p.TabNameHistoriaZlecenStalych()})
        if (ZapytanieDziala(baza, "SELECT IdKategoriiOszczednosci FROM " + *tabela) &&
            UsunStaryUklad(baza, *tabela))
            UtworzTabele();

    DodajKolumneGdyBrak(baza, p.TabNameHistoriaPrzelewowOszczednosci(), "Komentarz",
                        "ALTER TABLE \"" + p.TabNameHistoriaPrzelewowOszczednosci() +
                            "\" ADD Komentarz TEXT;");

    if (ZapytanieDziala(baza, "SELECT IloscMiesiecy FROM " + lokaty) && UsunStaryUklad(baza, lokaty))
        UtworzTabele();

    DodajKolumneGdyBrak(baza, lokaty, "Aktywna",
                        "ALTER TABLE " + lokaty + " ADD Aktywna BOOL NOT NULL DEFAULT 0");
    DodajKolumneGdyBrak(baza, wydatki, "Zalacznik",
                        "ALTER TABLE " + wydatki + " ADD Zalacznik TEXT DEFAULT NULL");
    DodajKolumneGdyBrak(baza, p.TabNamePlany(), "DodanyDoKolekcji",
                        "ALTER TABLE " + p.TabNamePlany() + " ADD DodanyDoKolekcji BOOL NOT NULL DEFAULT 0");
    DodajKolumneGdyBrak(baza, p.TabNameOszczednosci(), "TypOszczednosci",
                        "ALTER TABLE " + p.TabNameOszczednosci() +
                            " ADD TypOszczednosci INTEGER NOT NULL DEFAULT 1");
}

void TProjektDB::UtworzWidoki()
{
    for (std::string& widok : TPoleceniaSchematu(*fPlikiDB).Widoki)
        WykonajPolecenieSQL(std::move(widok), false);
}
