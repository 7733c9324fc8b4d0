// Loading the tables of the database into the collections. (The record headers are here
// because a list assigned anew destroys the records it held.)
#include <array>
#include <exception>
#include <string>

#include "collections/KolekcjeDanych.h"
#include "common/Wyjatki.h"
#include "database/Czytniki.h"
#include "database/FlagiZmian.h"
#include "database/KodowanieZapisu.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "records/HarmonogramLokatyBankowej.h"
#include "records/HistoriaPrzelewu.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Lokata.h"
#include "records/Ograniczenie.h"
#include "records/Osoba.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/Przychod.h"
#include "records/StanOszczednosci.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"
#include "sqlite/SQLiteTable3.h"

namespace {

const char* const BrakKolekcji =
    "Nie udało się wczytać danych z bazy, Kolekcje Danych nie są poprawnie zainicjalizowane.";

// The loading query of a collection; empty for the values without a table.
std::string ZapytanieTabeli(const TPlikiDB& pliki, TTabele tabela)
{
    const std::string nazwa = zapis::Identyfikator(pliki.PobierzNazweTabeli(tabela));
    switch (tabela) {
    case TTabele::Wydatki:
    case TTabele::Przychody:
    case TTabele::HistoriaPrzelewow:
    case TTabele::HistoriaZlecenStalychWydatki:
    case TTabele::HistoriaZlecenStalychPrzychody:
    case TTabele::StanyOszczednosci:
    case TTabele::Plany:
        return "SELECT * FROM " + nazwa + " ORDER BY \"Data\";";
    case TTabele::Oszczednosci: {
        // Ordered by the weight and the name of the joined savings category.
        const std::string o = pliki.PobierzNazweTabeli(TTabele::Oszczednosci);
        const std::string k = pliki.PobierzNazweTabeli(TTabele::Kategorie_Oszczednosci);
        return "SELECT " + o + ".*, " + k + ".Waga FROM " + o + " INNER JOIN " + k + " ON " + o +
               ".IdKategoriaOszczednosci=" + k + ".Id ORDER BY \"Waga\", \"Opis\";";
    }
    case TTabele::Osoby:
        return "SELECT * FROM " + nazwa + " ORDER BY \"Waga\", \"Imie\" || \"Nazwisko\";";
    case TTabele::Kategorie_Wydatki:
    case TTabele::Kategorie_Przychody:
    case TTabele::Kategorie_Oszczednosci:
        return "SELECT * FROM " + nazwa + " ORDER BY \"Waga\", \"Opis\";";
    // The quoted kinds compare equal to the integer column.
    case TTabele::ZleceniaStaleWydatki:
        return "SELECT * FROM " + nazwa + " WHERE \"TypZleceniaStalego\"=\"0\" ORDER BY \"Id\";";
    case TTabele::ZleceniaStalePrzychody:
        return "SELECT * FROM " + nazwa + " WHERE \"TypZleceniaStalego\"=\"1\" ORDER BY \"Id\";";
    case TTabele::Ograniczenia:
    case TTabele::Lokaty:
    case TTabele::HarmonogramyLokatBankowych:
        return "SELECT * FROM " + nazwa + " ORDER BY \"Id\";";
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody:
        break;
    }
    return {};
}

bool MaTabele(TTabele tabela)
{
    return tabela != TTabele::Pusta && tabela != TTabele::PrzychodyIRozchody;
}

bool CzyHistoriaZlecen(TTabele tabela)
{
    return tabela == TTabele::HistoriaZlecenStalychWydatki || tabela == TTabele::HistoriaZlecenStalychPrzychody;
}

bool CzyLokaty(TTabele tabela)
{
    return tabela == TTabele::Lokaty || tabela == TTabele::HarmonogramyLokatBankowych;
}

// Callers get a plain exception with the message, whatever layer raised it.
template <typename F>
void ZProstymWyjatkiem(F&& praca)
{
    try {
        praca();
    } catch (const std::exception& e) {
        throw EGrosiwoException(e.what());
    }
}

}  // namespace

TSQLiteTable TProjektDB::PobierzDaneZTabeli(TTabele typTabeli)
{
    if (!fDataBase || !fPlikiDB)
        throw EGrosiwoException("Brak połączenia z bazą danych.");
    TSQLiteTable wynik;
    ZProstymWyjatkiem([&] { wynik = fDataBase->GetTable(ZapytanieTabeli(*fPlikiDB, typTabeli)); });
    return wynik;
}

TSQLiteTable TProjektDB::PobierzDaneZTabeli(const std::string& nazwaTabeli)
{
    if (!fDataBase)
        throw EGrosiwoException("Brak połączenia z bazą danych.");
    // Quoted as an identifier, so whatever the name holds stays one table name.
    TSQLiteTable wynik;
    ZProstymWyjatkiem(
        [&] { wynik = fDataBase->GetTable("SELECT * FROM " + zapis::Identyfikator(nazwaTabeli)); });
    return wynik;
}

void TProjektDB::WczytajTabele(TTabele tabela)
{
    TSQLiteTable wynik = PobierzDaneZTabeli(tabela);
    const std::string nazwa = fPlikiDB->PobierzNazweTabeli(tabela);
    TKolekcjeDanych& k = *fKolekcje;
    // Each list is replaced only once its reader has read every row.
    switch (tabela) {
    case TTabele::Wydatki: k.Wydatki() = CzytajWydatki(wynik, nazwa); break;
    case TTabele::Przychody: k.Przychody() = CzytajPrzychody(wynik, nazwa); break;
    case TTabele::Oszczednosci:
        k.Oszczednosci() = CzytajOszczednosci(wynik, nazwa, k.KategorieOszczednosci());
        // Puts back the entry that shows the deposits.
        SetPokazujLokatyWOszczednosciach(fPokazujLokatyWOszczednosciach);
        break;
    case TTabele::Osoby: k.Osoby() = CzytajOsoby(wynik, nazwa); break;
    case TTabele::Kategorie_Wydatki: k.KategorieWydatki() = CzytajKategorieWydatkow(wynik, nazwa); break;
    case TTabele::Kategorie_Przychody: k.KategoriePrzychody() = CzytajKategoriePrzychodow(wynik, nazwa); break;
    case TTabele::Kategorie_Oszczednosci:
        k.KategorieOszczednosci() = CzytajKategorieOszczednosci(wynik, nazwa);
        // Every savings category gets a profit entry; the profits already counted stay.
        for (const auto& kategoria : k.KategorieOszczednosci())
            k.ZyskiZLokatDoDodaniaJakoPrzychod().try_emplace(kategoria->Id(), 0.0);
        break;
    case TTabele::HistoriaPrzelewow: k.HistoriaPrzelewow() = CzytajHistoriePrzelewow(wynik, nazwa); break;
    case TTabele::ZleceniaStaleWydatki: k.ZleceniaStaleWydatki() = CzytajZleceniaStale(wynik, nazwa); break;
    case TTabele::ZleceniaStalePrzychody: k.ZleceniaStalePrzychody() = CzytajZleceniaStale(wynik, nazwa); break;
    case TTabele::HistoriaZlecenStalychWydatki:
    case TTabele::HistoriaZlecenStalychPrzychody:
        k.HistoriaZlecenStalych() = CzytajHistorieZlecenStalych(wynik, nazwa);
        break;
    case TTabele::StanyOszczednosci: k.StanyOszczednosci() = CzytajStanyOszczednosci(wynik, nazwa); break;
    case TTabele::Plany: k.Plany() = CzytajPlany(wynik, nazwa); break;
    case TTabele::Ograniczenia: k.Ograniczenia() = CzytajOgraniczenia(wynik, nazwa); break;
    case TTabele::Lokaty: k.Lokaty() = CzytajLokaty(wynik, nazwa); break;
    case TTabele::HarmonogramyLokatBankowych:
        k.HarmonogramyLokatBankowych() = CzytajHarmonogramyLokat(wynik, nazwa);
        break;
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody: return;
    }
    OpuscFlageZmian(k, tabela);
}

void TProjektDB::WczytajDaneZTabelDoKolekcji(TTabele kolekcja)
{
    if (!fKolekcje)
        return;
    // The savings categories first: the savings take their weights from them.
    static constexpr std::array Kolejnosc{
        TTabele::Kategorie_Oszczednosci, TTabele::Kategorie_Przychody,  TTabele::Kategorie_Wydatki,
        TTabele::Wydatki,                TTabele::Przychody,            TTabele::Oszczednosci,
        TTabele::Osoby,                  TTabele::HistoriaPrzelewow,    TTabele::StanyOszczednosci,
        TTabele::ZleceniaStaleWydatki,   TTabele::ZleceniaStalePrzychody,
        TTabele::HistoriaZlecenStalychWydatki, TTabele::Plany,          TTabele::Ograniczenia,
        TTabele::Lokaty,
    };
    ZProstymWyjatkiem([&] {
        for (const TTabele tabela : Kolejnosc) {
            const bool nazwana = tabela == kolekcja || (CzyHistoriaZlecen(tabela) && CzyHistoriaZlecen(kolekcja)) ||
                                 (CzyLokaty(tabela) && CzyLokaty(kolekcja));
            if (!nazwana && MaNiezapisaneZmiany(*fKolekcje, tabela))
                continue;
            WczytajTabele(tabela);
            // The offers share the deposits' flag and are decided with them.
            if (tabela == TTabele::Lokaty)
                WczytajTabele(TTabele::HarmonogramyLokatBankowych);
        }
    });
}

void TProjektDB::WczytajDaneZTabeliDoKolekcji(TTabele kolekcja)
{
    if (!fKolekcje)
        throw EGrosiwoException(BrakKolekcji);
    if (!MaTabele(kolekcja) || MaNiezapisaneZmiany(*fKolekcje, kolekcja))
        return;
    ZProstymWyjatkiem([&] { WczytajTabele(kolekcja); });
}

void TProjektDB::OdswiezZawartoscKolekcji(TTabele kolekcja)
{
    if (!fKolekcje)
        throw EGrosiwoException(BrakKolekcji);
    if (!MaTabele(kolekcja))
        return;
    ZProstymWyjatkiem([&] { WczytajTabele(kolekcja); });
}
