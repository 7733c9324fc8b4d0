#include "sqlite/SQLiteTable.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <sqlite3.h>

#include "common/PolskiTekst.h"
#include "sqlite/SQLiteException.h"

namespace {

bool CzyAscii(std::string_view tekst)
{
    return std::all_of(tekst.begin(), tekst.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

unsigned char WielkaAscii(char c)
{
    const auto znak = static_cast<unsigned char>(c);
    return znak >= 'a' && znak <= 'z' ? static_cast<unsigned char>(znak - ('a' - 'A')) : znak;
}

std::string WielkieLiteryNazwy(std::string_view nazwa)
{
    if (!CzyAscii(nazwa))
        return WielkieLitery(nazwa);
    std::string wynik(nazwa);
    for (char& c : wynik)
        c = static_cast<char>(WielkaAscii(c));
    return wynik;
}

// Orders a stored upper-case name against a name whose ASCII letters are upper-cased on the
// fly, so a lookup needs no copy of the name it is given.
int PorownajNazwy(std::string_view zapisana, std::string_view szukana)
{
    const size_t wspolna = std::min(zapisana.size(), szukana.size());
    for (size_t i = 0; i < wspolna; ++i) {
        const auto a = static_cast<unsigned char>(zapisana[i]);
        const unsigned char b = WielkaAscii(szukana[i]);
        if (a != b)
            return a < b ? -1 : 1;
    }
    if (zapisana.size() == szukana.size())
        return 0;
    return zapisana.size() < szukana.size() ? -1 : 1;
}

TSQLiteTyp TypZDeklaracji(std::string_view deklaracja)
{
    if (deklaracja == "INTEGER" || deklaracja == "BOOLEAN")
        return TSQLiteTyp::Calkowita;
    if (deklaracja == "NUMERIC" || deklaracja == "FLOAT" || deklaracja == "DOUBLE" ||
        deklaracja == "REAL")
        return TSQLiteTyp::Zmiennoprzecinkowa;
    if (deklaracja == "BLOB")
        return TSQLiteTyp::Blob;
    return TSQLiteTyp::Tekst;
}

TSQLiteTyp TypZKlasy(int klasa)
{
    switch (klasa) {
    case SQLITE_INTEGER: return TSQLiteTyp::Calkowita;
    case SQLITE_FLOAT: return TSQLiteTyp::Zmiennoprzecinkowa;
    case SQLITE_TEXT: return TSQLiteTyp::Tekst;
    case SQLITE_BLOB: return TSQLiteTyp::Blob;
    default: return TSQLiteTyp::Null;
    }
}

// Truncation toward zero, saturated, so that no value is undefined behaviour.
int64_t CalkowitaZ(double wartosc)
{
    if (std::isnan(wartosc))
        return 0;
    if (wartosc >= 9223372036854775808.0)
        return std::numeric_limits<int64_t>::max();
    if (wartosc <= -9223372036854775808.0)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(wartosc);
}

bool CzyLiczbowa(TSQLiteTyp typ)
{
    return typ == TSQLiteTyp::Calkowita || typ == TSQLiteTyp::Zmiennoprzecinkowa;
}

[[noreturn]] void NieLiczbowe()
{
    throw ESQLiteException("Not an integer or numeric field");
}

// A column of unknown type (no declaration, NULL in the first row) may hold numbers too.
void SprawdzLiczbowa(TSQLiteTyp typKolumny)
{
    if (!CzyLiczbowa(typKolumny) && typKolumny != TSQLiteTyp::Null)
        NieLiczbowe();
}

}  // namespace

TSQLiteTable TSQLiteTable::Pobierz(sqlite3* db, sqlite3_stmt* polecenie, std::string_view sql)
{
    TSQLiteTable tabela;
    for (;;) {
        const int wynik = sqlite3_step(polecenie);
        if (wynik == SQLITE_DONE)
            break;
        if (wynik != SQLITE_ROW) {
            sqlite3_reset(polecenie);
            // A lock held by another connection keeps the fixed text but also names the
            // lock, which the bare text would hide from the user.
            FailWithLastError(db,
                              wynik == SQLITE_BUSY ? "Could not prepare SQL statement"
                                                   : "Could not retrieve data",
                              sql);
        }
        if (tabela.fRowCount == 0)
            tabela.UstalKolumny(polecenie);
        tabela.DodajWiersz(polecenie);
        ++tabela.fRowCount;
    }
    tabela.fRow = 0;
    return tabela;
}

void TSQLiteTable::UstalKolumny(sqlite3_stmt* polecenie)
{
    fColCount = static_cast<uint32_t>(sqlite3_column_count(polecenie));
    fNazwyZapytania.reserve(fColCount);
    fCols.reserve(fColCount);
    fColTypes.reserve(fColCount);
    for (uint32_t c = 0; c < fColCount; ++c) {
        const int i = static_cast<int>(c);
        const char* nazwa = sqlite3_column_name(polecenie, i);
        fNazwyZapytania.emplace_back(nazwa ? nazwa : "");
        fCols.push_back(WielkieLiteryNazwy(fNazwyZapytania.back()));
        const char* deklaracja = sqlite3_column_decltype(polecenie, i);
        fColTypes.push_back(deklaracja ? TypZDeklaracji(deklaracja)
                                       : TypZKlasy(sqlite3_column_type(polecenie, i)));
    }

    fKolejnoscNazw.resize(fColCount);
    std::iota(fKolejnoscNazw.begin(), fKolejnoscNazw.end(), 0u);
    std::stable_sort(fKolejnoscNazw.begin(), fKolejnoscNazw.end(),
                     [this](uint32_t a, uint32_t b) { return fCols[a] < fCols[b]; });
    fPierwszaTejNazwy.assign(fColCount, false);
    for (size_t i = 0; i < fKolejnoscNazw.size(); ++i)
        if (i == 0 || fCols[fKolejnoscNazw[i]] != fCols[fKolejnoscNazw[i - 1]])
            fPierwszaTejNazwy[fKolejnoscNazw[i]] = true;
    // So that the first lookup tries column 0.
    fOstatnioZnaleziona = fColCount - 1;
}

void TSQLiteTable::DodajTekst(TKomorka& komorka, TSQLiteTyp typ, const void* dane, int dlugosc)
{
    komorka.Typ = typ;
    komorka.Poczatek = fDane.size();
    komorka.Dlugosc = dane && dlugosc > 0 ? static_cast<uint32_t>(dlugosc) : 0;
    fDane.append(static_cast<const char*>(dane), komorka.Dlugosc);
}

void TSQLiteTable::DodajWiersz(sqlite3_stmt* p)
{
    for (uint32_t c = 0; c < fColCount; ++c) {
        const int i = static_cast<int>(c);
        TKomorka komorka;
        komorka.Calkowita = 0;
        komorka.Dlugosc = 0;
        komorka.Typ = TSQLiteTyp::Null;
        const TSQLiteTyp typKolumny = fColTypes[c];
        if (typKolumny == TSQLiteTyp::Tekst) {
            // The text itself tells NULL (no text) apart, which saves a library call per cell.
            const unsigned char* tekst = sqlite3_column_text(p, i);
            if (tekst)
                DodajTekst(komorka, TSQLiteTyp::Tekst, tekst, sqlite3_column_bytes(p, i));
            else if (sqlite3_column_type(p, i) != SQLITE_NULL)
                // The library ran out of memory converting the value; an empty text would
                // pass for the stored one.
                FailWithLastError(sqlite3_db_handle(p), "Could not retrieve data", sqlite3_sql(p));
            fResults.push_back(komorka);
            continue;
        }
        const int klasa = sqlite3_column_type(p, i);
        if (klasa == SQLITE_NULL) {
            // absent
        } else if (typKolumny == TSQLiteTyp::Blob) {
            const void* bajty = sqlite3_column_blob(p, i);
            DodajTekst(komorka, TSQLiteTyp::Blob, bajty, sqlite3_column_bytes(p, i));
        } else if (klasa == SQLITE_INTEGER && typKolumny != TSQLiteTyp::Zmiennoprzecinkowa) {
            komorka.Typ = TSQLiteTyp::Calkowita;
            komorka.Calkowita = sqlite3_column_int64(p, i);
        } else if (klasa == SQLITE_INTEGER || klasa == SQLITE_FLOAT) {
            komorka.Typ = TSQLiteTyp::Zmiennoprzecinkowa;
            komorka.Zmiennoprzecinkowa = sqlite3_column_double(p, i);
        } else if (klasa == SQLITE_BLOB) {
            const void* bajty = sqlite3_column_blob(p, i);
            DodajTekst(komorka, TSQLiteTyp::Blob, bajty, sqlite3_column_bytes(p, i));
        } else {
            // Text in a numeric column stays text: coerced to 0 it would pass as a value.
            const unsigned char* tekst = sqlite3_column_text(p, i);
            DodajTekst(komorka, TSQLiteTyp::Tekst, tekst, sqlite3_column_bytes(p, i));
        }
        fResults.push_back(komorka);
    }
}

bool TSQLiteTable::MoveFirst()
{
    if (fRowCount == 0)
        return false;
    fRow = 0;
    return true;
}

bool TSQLiteTable::MoveLast()
{
    if (fRowCount == 0)
        return false;
    fRow = fRowCount - 1;
    return true;
}

bool TSQLiteTable::MoveTo(uint32_t pozycja)
{
    if (fRowCount == 0 || pozycja >= fRowCount)
        return false;
    fRow = pozycja;
    return true;
}

bool TSQLiteTable::Next()
{
    if (Eof())
        return false;
    ++fRow;
    return true;
}

bool TSQLiteTable::Previous()
{
    if (fRow == 0)
        return false;
    --fRow;
    return true;
}

TSQLiteTyp TSQLiteTable::ColType(int kolumna) const
{
    if (kolumna < 0 || static_cast<uint32_t>(kolumna) >= fColCount)
        throw ESQLiteException("Nie ma kolumny o numerze " + std::to_string(kolumna) +
                               " w wyniku zapytania");
    return fColTypes[static_cast<size_t>(kolumna)];
}

const TSQLiteTable::TKomorka& TSQLiteTable::Komorka(int kolumna) const
{
    if (Eof())
        throw ESQLiteException("Table is at End of File");
    ColType(kolumna);
    return fResults[static_cast<size_t>(fRow) * fColCount + static_cast<size_t>(kolumna)];
}

std::string_view TSQLiteTable::Bajty(const TKomorka& komorka) const
{
    return std::string_view(fDane).substr(komorka.Poczatek, komorka.Dlugosc);
}

TTekstPola TSQLiteTable::TekstKomorki(const TKomorka& komorka) const
{
    switch (komorka.Typ) {
    case TSQLiteTyp::Calkowita: return TTekstPola::Liczba(komorka.Calkowita);
    case TSQLiteTyp::Zmiennoprzecinkowa: return TTekstPola::Liczba(komorka.Zmiennoprzecinkowa);
    case TSQLiteTyp::Tekst:
    case TSQLiteTyp::Blob: return TTekstPola(Bajty(komorka));
    case TSQLiteTyp::Null: break;
    }
    return TTekstPola();
}

int64_t TSQLiteTable::FieldAsInteger(int kolumna) const
{
    const TKomorka& komorka = Komorka(kolumna);
    SprawdzLiczbowa(fColTypes[static_cast<size_t>(kolumna)]);
    switch (komorka.Typ) {
    case TSQLiteTyp::Null: return 0;
    case TSQLiteTyp::Calkowita: return komorka.Calkowita;
    case TSQLiteTyp::Zmiennoprzecinkowa: return CalkowitaZ(komorka.Zmiennoprzecinkowa);
    case TSQLiteTyp::Tekst:
    case TSQLiteTyp::Blob: break;
    }
    NieLiczbowe();
}

double TSQLiteTable::FieldAsDouble(int kolumna) const
{
    const TKomorka& komorka = Komorka(kolumna);
    SprawdzLiczbowa(fColTypes[static_cast<size_t>(kolumna)]);
    switch (komorka.Typ) {
    case TSQLiteTyp::Null: return 0;
    case TSQLiteTyp::Calkowita: return static_cast<double>(komorka.Calkowita);
    case TSQLiteTyp::Zmiennoprzecinkowa: return komorka.Zmiennoprzecinkowa;
    case TSQLiteTyp::Tekst:
    case TSQLiteTyp::Blob: break;
    }
    NieLiczbowe();
}

std::string TSQLiteTable::FieldAsString(int kolumna) const
{
    return TekstKomorki(Komorka(kolumna)).Tekst();
}

bool TSQLiteTable::FieldIsNull(int kolumna) const
{
    return Komorka(kolumna).Typ == TSQLiteTyp::Null;
}

std::span<const std::byte> TSQLiteTable::FieldAsBlob(int kolumna) const
{
    const TKomorka& komorka = Komorka(kolumna);
    if (fColTypes[static_cast<size_t>(kolumna)] != TSQLiteTyp::Blob)
        throw ESQLiteException("Not a Blob field");
    if (komorka.Typ != TSQLiteTyp::Blob || komorka.Dlugosc == 0)
        return {};
    const std::string_view bajty = Bajty(komorka);
    return {reinterpret_cast<const std::byte*>(bajty.data()), bajty.size()};
}

std::string TSQLiteTable::FieldAsBlobText(int kolumna) const
{
    const std::span<const std::byte> bajty = FieldAsBlob(kolumna);
    return std::string(reinterpret_cast<const char*>(bajty.data()), bajty.size());
}

TTekstPola TSQLiteTable::FieldTextView(int kolumna) const
{
    const TKomorka& komorka = Komorka(kolumna);
    if (komorka.Typ == TSQLiteTyp::Null)
        return CzyLiczbowa(fColTypes[static_cast<size_t>(kolumna)]) ? TTekstPola("0") : TTekstPola();
    return TekstKomorki(komorka);
}

TTekstPola TSQLiteTable::FieldTextViewByName(std::string_view nazwa) const
{
    return FieldTextView(ColumnIndex(nazwa));
}

std::string TSQLiteTable::FieldTextByName(std::string_view nazwa) const
{
    return FieldTextViewByName(nazwa).Tekst();
}

int TSQLiteTable::ColumnIndex(std::string_view nazwa) const
{
    if (fCols.empty())
        throw ESQLiteException("Field " + std::string(nazwa) + " Not found. Empty dataset");
    const int kolumna = ZnajdzKolumne(nazwa);
    if (kolumna < 0)
        throw ESQLiteException("Field not found in dataset: " + std::string(nazwa));
    return kolumna;
}

int TSQLiteTable::ZnajdzKolumne(std::string_view nazwa) const
{
    uint32_t kolumna = fOstatnioZnaleziona + 1;
    if (kolumna >= fColCount)
        kolumna = 0;
    // The loaders spell the names as the table declares them, so the exact comparison
    // mostly decides.
    if (fPierwszaTejNazwy[kolumna] && fNazwyZapytania[kolumna] == nazwa)
        return static_cast<int>(fOstatnioZnaleziona = kolumna);

    std::string wielkie;
    std::string_view klucz = nazwa;
    if (!CzyAscii(nazwa)) {
        wielkie = WielkieLitery(nazwa);
        klucz = wielkie;
    }
    if (fPierwszaTejNazwy[kolumna] && PorownajNazwy(fCols[kolumna], klucz) == 0)
        return static_cast<int>(fOstatnioZnaleziona = kolumna);

    const auto miejsce = std::lower_bound(
        fKolejnoscNazw.begin(), fKolejnoscNazw.end(), klucz,
        [this](uint32_t c, std::string_view k) { return PorownajNazwy(fCols[c], k) < 0; });
    if (miejsce == fKolejnoscNazw.end() || PorownajNazwy(fCols[*miejsce], klucz) != 0)
        return -1;
    return static_cast<int>(fOstatnioZnaleziona = *miejsce);
}
