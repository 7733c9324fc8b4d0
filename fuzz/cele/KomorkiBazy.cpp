// Input layout: the first byte picks the table (even: plans, odd: expenses); the rest is
// split at 0x1F bytes into the values of the row's columns, in the order of Kolumny below.
// A value's first byte picks how it is stored (text, blob, integer, real or NULL), the
// remaining bytes are the value. Columns without a value keep a valid default, so one
// odd cell can be looked at alone.
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "CeleFuzz.h"
#include "collections/KolekcjeDanych.h"
#include "common/FormatyTekstowe.h"
#include "common/FunkcjeWspolne.h"
#include "common/Wyjatki.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "records/Plan.h"
#include "records/Wydatek.h"

namespace {

namespace fs = std::filesystem;

struct TKolumna {
    const char* Nazwa;
    const char* Domyslna;  // an SQL literal
};

const std::vector<TKolumna> KolumnyPlanow{
    {"Nazwa", "'Plan'"},   {"Kwota", "10.5"}, {"IdKategorii", "1"}, {"Wykonany", "0"},
    {"DodanyDoKolekcji", "0"}, {"TypPlanu", "0"}, {"Data", "'2014-05-17 10:00'"}, {"Komentarz", "NULL"}};
const std::vector<TKolumna> KolumnyWydatkow{
    {"IdKategoriaWydatki", "1"}, {"Ile", "10.5"},      {"IdKategoriaOszczednosci", "1"}, {"Data", "'2014-05-17 10:00'"},
    {"IdOsoba", "1"},            {"Komentarz", "NULL"}, {"ZlecenieStale", "0"},          {"Zalacznik", "NULL"}};

struct TPolaczenie {
    void operator()(sqlite3* db) const noexcept { sqlite3_close(db); }
};

// One database for the whole run: opening one per input would drown the checks.
class TBaza {
public:
    TBaza()
    {
        const fs::path katalog = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string wzor = (katalog / "grosiwo-fuzz-XXXXXX").string();
        if (!mkdtemp(wzor.data()))
            throw std::runtime_error("mkdtemp failed");
        fFolder = wzor;
        const std::string plik = (fFolder / "baza.dat").string();
        fBaza = std::make_unique<TProjektDB>(std::make_unique<TPlikiDB>(plik));
        sqlite3* db = nullptr;
        if (sqlite3_open(plik.c_str(), &db) != SQLITE_OK)
            throw std::runtime_error("cannot open the fuzzed file");
        fSurowe.reset(db);
        Wykonaj("PRAGMA synchronous=OFF");
        // References an expense may point to, so that its save can pass the rules.
        Wykonaj("INSERT INTO KategorieWydatkow (Id, Opis, Usuniety, Waga) VALUES (1, 'Czynsz', 0, 1)");
        Wykonaj("INSERT INTO KategorieOszczednosci (Id, Opis, Usuniety, MoznaZaplacic, Dlug, Waga) "
                "VALUES (1, 'Konto', 0, 1, 0, 1)");
        Wykonaj("INSERT INTO Oszczednosci (Id, IdKategoriaOszczednosci, Ile, Data) VALUES (1, 1, 100, '2014-01-01 00:00')");
        Wykonaj("INSERT INTO Osoby (Id, Imie, Nazwisko, Waga) VALUES (1, 'Jan', 'Kowalski', 1)");
        fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);
    }
    ~TBaza()
    {
        fBaza.reset();
        fSurowe.reset();
        std::error_code blad;
        fs::remove_all(fFolder, blad);
    }
    TBaza(const TBaza&) = delete;
    TBaza& operator=(const TBaza&) = delete;

    TProjektDB& Baza() { return *fBaza; }
    sqlite3* Surowe() { return fSurowe.get(); }
    void Wykonaj(const std::string& sql)
    {
        if (sqlite3_exec(fSurowe.get(), sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(sql + ": " + sqlite3_errmsg(fSurowe.get()));
    }

private:
    fs::path fFolder;
    std::unique_ptr<TProjektDB> fBaza;
    std::unique_ptr<sqlite3, TPolaczenie> fSurowe;
};

TBaza& Baza()
{
    static TBaza baza;
    return baza;
}

std::vector<std::string_view> Podziel(std::string_view reszta)
{
    std::vector<std::string_view> wartosci;
    for (;;) {
        const size_t separator = reszta.find('\x1F');
        wartosci.push_back(reszta.substr(0, separator));
        if (separator == std::string_view::npos)
            return wartosci;
        reszta.remove_prefix(separator + 1);
    }
}

// Binds one fuzzed value in the form its first byte picks.
void Zwiaz(sqlite3_stmt* p, int indeks, std::string_view wartosc)
{
    const uint8_t rodzaj = wartosc.empty() ? 0 : static_cast<uint8_t>(wartosc[0]) % 5;
    const std::string_view bajty = wartosc.empty() ? wartosc : wartosc.substr(1);
    switch (rodzaj) {
    case 0:
        sqlite3_bind_text(p, indeks, bajty.data(), static_cast<int>(bajty.size()), SQLITE_TRANSIENT);
        break;
    case 1:
        sqlite3_bind_blob(p, indeks, bajty.data(), static_cast<int>(bajty.size()), SQLITE_TRANSIENT);
        break;
    case 2: {
        int64_t liczba = 0;
        std::memcpy(&liczba, bajty.data(), std::min(bajty.size(), sizeof liczba));
        sqlite3_bind_int64(p, indeks, liczba);
        break;
    }
    case 3: {
        double liczba = 0;
        std::memcpy(&liczba, bajty.data(), std::min(bajty.size(), sizeof liczba));
        sqlite3_bind_double(p, indeks, liczba);
        break;
    }
    default:
        sqlite3_bind_null(p, indeks);
        break;
    }
}

// Row 1 holds the fuzzed values, row 2 is a plain valid one. False when the library
// itself refused the row (a NOT NULL column given NULL, say): nothing to load then.
bool WstawWiersze(TBaza& baza, const char* tabela, const std::vector<TKolumna>& kolumny,
                  const std::vector<std::string_view>& wartosci)
{
    baza.Wykonaj(std::string("DELETE FROM ") + tabela);
    std::string nazwy = "Id";
    std::string miejsca = "1";
    std::string domyslne = "2";
    for (size_t k = 0; k < kolumny.size(); ++k) {
        nazwy += std::string(", ") + kolumny[k].Nazwa;
        miejsca += k < wartosci.size() ? ", ?" + std::to_string(k + 1) : std::string(", ") + kolumny[k].Domyslna;
        domyslne += std::string(", ") + kolumny[k].Domyslna;
    }
    const std::string sql = std::string("INSERT INTO ") + tabela + " (" + nazwy + ") VALUES (" + miejsca + ")";
    sqlite3_stmt* surowe = nullptr;
    if (sqlite3_prepare_v2(baza.Surowe(), sql.c_str(), -1, &surowe, nullptr) != SQLITE_OK)
        throw std::runtime_error(sql + ": " + sqlite3_errmsg(baza.Surowe()));
    const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> polecenie(surowe, sqlite3_finalize);
    for (size_t k = 0; k < wartosci.size() && k < kolumny.size(); ++k)
        Zwiaz(polecenie.get(), static_cast<int>(k + 1), wartosci[k]);
    if (sqlite3_step(polecenie.get()) != SQLITE_DONE)
        return false;
    baza.Wykonaj(std::string("INSERT INTO ") + tabela + " (" + nazwy + ") VALUES (" + domyslne + ")");
    return true;
}

template <typename TRekord>
const TRekord* ZId(const TListaRekordow<TRekord>& lista, int32_t id)
{
    for (const auto& r : lista)
        if (r->Id() == id)
            return r.get();
    return nullptr;
}

// Loads the table; true when it loaded. A refusal must be a clear exception that leaves the
// collection as it was.
template <typename TRekord>
bool Wczytaj(TProjektDB& baza, TTabele tabela, const TListaRekordow<TRekord>& lista)
{
    const size_t ile = lista.size();
    const TRekord* pierwszy = lista.empty() ? nullptr : lista.front().get();
    try {
        baza.OdswiezZawartoscKolekcji(tabela);
    } catch (const EGrosiwoException& e) {
        if (std::string(e.what()).empty())
            throw ENaruszenieObietnicy("a load refused a row without saying why");
        if (lista.size() != ile || (ile && lista.front().get() != pierwszy))
            throw ENaruszenieObietnicy("a refused load changed the collection");
        return false;
    }
    if (lista.size() != 2 || !ZId(lista, 1) || !ZId(lista, 2))
        throw ENaruszenieObietnicy("a load did not give the two rows of the table");
    return true;
}

// What loaded is shown and may be saved: its date and amount must have their text forms.
void MaPostacieTekstowe(TDateTime data, double kwota)
{
    try {
        (void)SQLDataCzas(data);
        (void)DataCzasNaTekst(data);
        (void)SQLKwota(kwota);
    } catch (const EGrosiwoException& e) {
        throw ENaruszenieObietnicy(std::string("a loaded value cannot be shown or saved: ") + e.what());
    }
}

// Saves the loaded fuzzed row back as changed; what the program committed must load again.
template <typename TRekord>
void ZapiszIWczytajPonownie(TProjektDB& baza, TTabele tabela, TListaRekordow<TRekord>& lista,
                            void (*ustawZmiane)(TKolekcjeDanych&))
{
    for (auto& rekord : lista)
        if (rekord->Id() == 1)
            rekord->SetZmiany(TTypModyfikacji::Zmieniono);
    ustawZmiane(baza.Kolekcje());
    TProjektDB::TWynikZapisu wynik;
    try {
        wynik = baza.ZapiszZawartoscKolekcjiDoBazy(tabela);
    } catch (const EGrosiwoException&) {
        // A loaded value with no SQL form is refused before anything runs.
        return;
    }
    if (!wynik.Zatwierdzono)
        return;
    try {
        baza.OdswiezZawartoscKolekcji(tabela);
    } catch (const EGrosiwoException& e) {
        throw ENaruszenieObietnicy(std::string("a row the program saved does not load again: ") + e.what());
    }
}

void SprawdzPlany(TBaza& baza, const std::vector<std::string_view>& wartosci)
{
    if (!WstawWiersze(baza, "Plany", KolumnyPlanow, wartosci))
        return;
    TProjektDB& db = baza.Baza();
    auto& plany = db.Kolekcje().Plany();
    if (!Wczytaj(db, TTabele::Plany, plany))
        return;
    for (const auto& plan : plany)
        MaPostacieTekstowe(plan->Data(), plan->Kwota());
    const TPlan& drugi = *ZId(plany, 2);
    if (drugi.Nazwa() != "Plan" || drugi.Kwota() != 10.5 || drugi.IdKategorii() != 1)
        throw ENaruszenieObietnicy("the valid row next to the fuzzed one loaded wrong");
    const TPlan przed = *ZId(plany, 1);
    ZapiszIWczytajPonownie(db, TTabele::Plany, plany,
                           [](TKolekcjeDanych& k) { k.SetZmienionoINiezapisanoPlany(true); });
    const TPlan* po = ZId(plany, 1);
    if (!po || db.Kolekcje().ZmienionoINiezapisanoPlany())
        return;
    // Reloaded after a committed save: the values the file got are the record's in SQL form.
    if (po->IdKategorii() != przed.IdKategorii() || po->TypPlanu() != przed.TypPlanu() ||
        po->Wykonany() != przed.Wykonany() || po->DodanyDoKolekcji() != przed.DodanyDoKolekcji())
        throw ENaruszenieObietnicy("a saved plan came back with other values");
    if (std::fabs(przed.Kwota()) < 1e15 && po->Kwota() != ZaokraglijDo(-2, przed.Kwota()))
        throw ENaruszenieObietnicy("a saved plan's amount came back changed");
}

void SprawdzWydatki(TBaza& baza, const std::vector<std::string_view>& wartosci)
{
    if (!WstawWiersze(baza, "Wydatki", KolumnyWydatkow, wartosci))
        return;
    TProjektDB& db = baza.Baza();
    auto& wydatki = db.Kolekcje().Wydatki();
    if (!Wczytaj(db, TTabele::Wydatki, wydatki))
        return;
    for (const auto& wydatek : wydatki)
        MaPostacieTekstowe(wydatek->Data(), wydatek->Ile());
    ZapiszIWczytajPonownie(db, TTabele::Wydatki, wydatki,
                           [](TKolekcjeDanych& k) { k.SetZmienionoINiezapisanoWydatki(true); });
}

}  // namespace

void SprawdzKomorkiBazy(const uint8_t* dane, size_t rozmiar)
{
    if (rozmiar == 0)
        return;
    TBaza& baza = Baza();
    const std::vector<std::string_view> wartosci =
        Podziel(std::string_view(reinterpret_cast<const char*>(dane) + 1, rozmiar - 1));
    if (dane[0] % 2 == 0)
        SprawdzPlany(baza, wartosci);
    else
        SprawdzWydatki(baza, wartosci);
}
