#include "PrzerwanieZapisu.h"

#include <signal.h>
#include <sqlite3.h>

#include <cstring>
#include <stdexcept>
#include <string>

namespace {

bool gUzbrojony = false;
TPunktPrzerwania gPunkt;
uint64_t gPolecenia = 0;
uint64_t gOperacje = 0;
uint64_t gZapisyBazy = 0;
bool gZatwierdzanie = false;

void Policz(TRodzajPunktu rodzaj, uint64_t& licznik)
{
    if (!gUzbrojony)
        return;
    ++licznik;
    if (gPunkt.Rodzaj == rodzaj && licznik == gPunkt.Numer)
        raise(SIGKILL);
}

// ---- Statements ----

int NaPolecenie(unsigned, void*, void*, void* tekst)
{
    // Statements of triggers come with a "--" comment as their text; only the caller's count.
    const char* sql = static_cast<const char*>(tekst);
    if (sql && std::strncmp(sql, "--", 2) == 0)
        return 0;
    if (gUzbrojony && sql && std::strncmp(sql, "COMMIT", 6) == 0)
        gZatwierdzanie = true;
    Policz(TRodzajPunktu::Polecenie, gPolecenia);
    return 0;
}

int PodlaczLicznikPolecen(sqlite3* db, char**, const sqlite3_api_routines*)
{
    return sqlite3_trace_v2(db, SQLITE_TRACE_STMT, NaPolecenie, nullptr);
}

// ---- Files: a thin layer over the default one ----

sqlite3_vfs* gPrawdziwy = nullptr;
sqlite3_vfs gLiczacy;

struct TPlikLiczacy {
    sqlite3_file Naglowek;  // the library's view; must come first
    sqlite3_file* Prawdziwy;  // the default layer's file, right behind this struct
    bool GlownaBaza;
};

sqlite3_file* P(sqlite3_file* plik)
{
    return reinterpret_cast<TPlikLiczacy*>(plik)->Prawdziwy;
}

int Zamknij(sqlite3_file* f) { return P(f)->pMethods->xClose(P(f)); }
int Czytaj(sqlite3_file* f, void* b, int n, sqlite3_int64 o) { return P(f)->pMethods->xRead(P(f), b, n, o); }
int Pisz(sqlite3_file* f, const void* b, int n, sqlite3_int64 o)
{
    const int wynik = P(f)->pMethods->xWrite(P(f), b, n, o);
    if (gUzbrojony && !gZatwierdzanie && reinterpret_cast<TPlikLiczacy*>(f)->GlownaBaza)
        ++gZapisyBazy;
    Policz(TRodzajPunktu::OperacjaPliku, gOperacje);
    return wynik;
}
int Przytnij(sqlite3_file* f, sqlite3_int64 rozmiar)
{
    const int wynik = P(f)->pMethods->xTruncate(P(f), rozmiar);
    Policz(TRodzajPunktu::OperacjaPliku, gOperacje);
    return wynik;
}
int Synchronizuj(sqlite3_file* f, int flagi)
{
    const int wynik = P(f)->pMethods->xSync(P(f), flagi);
    Policz(TRodzajPunktu::OperacjaPliku, gOperacje);
    return wynik;
}
int Rozmiar(sqlite3_file* f, sqlite3_int64* r) { return P(f)->pMethods->xFileSize(P(f), r); }
int Zablokuj(sqlite3_file* f, int l) { return P(f)->pMethods->xLock(P(f), l); }
int Odblokuj(sqlite3_file* f, int l) { return P(f)->pMethods->xUnlock(P(f), l); }
int CzyZarezerwowany(sqlite3_file* f, int* w) { return P(f)->pMethods->xCheckReservedLock(P(f), w); }
int Sterowanie(sqlite3_file* f, int op, void* a) { return P(f)->pMethods->xFileControl(P(f), op, a); }
int Sektor(sqlite3_file* f) { return P(f)->pMethods->xSectorSize(P(f)); }
int Cechy(sqlite3_file* f) { return P(f)->pMethods->xDeviceCharacteristics(P(f)); }

// Version 1: no shared memory and no memory mapping, which the rollback journal of the
// project database does not use.
const sqlite3_io_methods gMetody = {
    1,
    Zamknij,
    Czytaj,
    Pisz,
    Przytnij,
    Synchronizuj,
    Rozmiar,
    Zablokuj,
    Odblokuj,
    CzyZarezerwowany,
    Sterowanie,
    Sektor,
    Cechy,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

int Otworz(sqlite3_vfs*, sqlite3_filename nazwa, sqlite3_file* plik, int flagi, int* flagiWyjsciowe)
{
    auto* liczacy = reinterpret_cast<TPlikLiczacy*>(plik);
    liczacy->Prawdziwy = reinterpret_cast<sqlite3_file*>(liczacy + 1);
    liczacy->GlownaBaza = (flagi & SQLITE_OPEN_MAIN_DB) != 0;
    const int wynik = gPrawdziwy->xOpen(gPrawdziwy, nazwa, liczacy->Prawdziwy, flagi, flagiWyjsciowe);
    liczacy->Naglowek.pMethods = liczacy->Prawdziwy->pMethods ? &gMetody : nullptr;
    return wynik;
}

int Usun(sqlite3_vfs*, const char* nazwa, int synchronizujFolder)
{
    const int wynik = gPrawdziwy->xDelete(gPrawdziwy, nazwa, synchronizujFolder);
    Policz(TRodzajPunktu::OperacjaPliku, gOperacje);
    return wynik;
}

}  // namespace

TPunktPrzerwania CzytajPunktPrzerwania(const char* tekst)
{
    TPunktPrzerwania punkt;
    if (!tekst || !*tekst)
        return punkt;
    const std::string opis(tekst);
    const size_t dwukropek = opis.find(':');
    const std::string rodzaj = opis.substr(0, dwukropek);
    if (dwukropek == std::string::npos || (rodzaj != "polecenie" && rodzaj != "plik"))
        throw std::invalid_argument("unknown stop point: " + opis);
    size_t koniec = 0;
    punkt.Numer = std::stoull(opis.substr(dwukropek + 1), &koniec);
    if (koniec != opis.size() - dwukropek - 1 || punkt.Numer == 0)
        throw std::invalid_argument("unknown stop point: " + opis);
    punkt.Rodzaj = rodzaj == "polecenie" ? TRodzajPunktu::Polecenie : TRodzajPunktu::OperacjaPliku;
    return punkt;
}

void ZainstalujLiczniki()
{
    if (gPrawdziwy)
        return;
    if (sqlite3_initialize() != SQLITE_OK || !(gPrawdziwy = sqlite3_vfs_find(nullptr)))
        throw std::runtime_error("the library has no default file layer");
    gLiczacy = *gPrawdziwy;
    gLiczacy.zName = "grosiwo-liczacy";
    gLiczacy.pNext = nullptr;
    gLiczacy.szOsFile = static_cast<int>(sizeof(TPlikLiczacy)) + gPrawdziwy->szOsFile;
    gLiczacy.xOpen = Otworz;
    gLiczacy.xDelete = Usun;
    if (sqlite3_vfs_register(&gLiczacy, 1) != SQLITE_OK ||
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(PodlaczLicznikPolecen)) != SQLITE_OK)
        throw std::runtime_error("the counting hooks could not be installed");
}

void Uzbroj(const TPunktPrzerwania& punkt)
{
    gPunkt = punkt;
    gPolecenia = 0;
    gOperacje = 0;
    gZapisyBazy = 0;
    gZatwierdzanie = false;
    gUzbrojony = true;
}

void Rozbroj()
{
    gUzbrojony = false;
}

uint64_t PoliczonePolecenia()
{
    return gPolecenia;
}

uint64_t PoliczoneOperacjePliku()
{
    return gOperacje;
}

uint64_t ZapisyBazyPrzedZatwierdzeniem()
{
    return gZapisyBazy;
}
