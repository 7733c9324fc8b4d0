// The other process of the fault scenarios. It saves plans the way the planner does and
// reports what happened as "key=value" lines on its standard output:
//   przygotuj <file> <plans>                  a new database holding the starting plans
//   zapisz <file> <new> <changed> <deleted> <comment bytes>
//                                             one save; GROSIWO_PRZERWIJ ("polecenie:K" or
//                                             "plik:K") kills the process inside it
//   limit <file> <bytes> <new> <comment bytes>
//                                             a save while no file may grow more than
//                                             <bytes> beyond the data file's size; after a
//                                             line on standard input, the retry without it
//   blokada <file> immediate|exclusive|odczyt a lock held by a raw connection until a line
//                                             "zatwierdz" or "wycofaj" (or the end of input)
#include <signal.h>
#include <sqlite3.h>
#include <sys/resource.h>

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "wspolne/PartiaPlanow.h"
#include "PrzerwanieZapisu.h"
#include "collections/KolekcjeDanych.h"
#include "common/Platforma.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"

namespace {

// One line per report; a message's line breaks are escaped so that it stays one line.
std::string Jednowierszowy(const std::string& tekst)
{
    std::string wynik;
    for (const char c : tekst) {
        if (c == '\r')
            wynik += "\\r";
        else if (c == '\n')
            wynik += "\\n";
        else if (c == '\\')
            wynik += "\\\\";
        else
            wynik += c;
    }
    return wynik;
}

void Zglos(const std::string& klucz, const std::string& wartosc)
{
    std::cout << klucz << '=' << Jednowierszowy(wartosc) << std::endl;
}

class TStalyCzas : public IZegar {
public:
    TDateTime Teraz() const override { return KodujDateCzas(2014, 6, 1, 12, 0); }
};

// Every box the data layer would show becomes a report line; questions are answered "Nie".
class TKomunikatyNaWyjscie : public IKomunikaty {
public:
    TOdpowiedzKomunikatu Pokaz(const std::string& tekst, const std::string& tytul, TIkonaKomunikatu,
                               TPrzyciskiKomunikatu przyciski) override
    {
        Zglos("komunikat", tytul + "|" + tekst);
        return przyciski == TPrzyciskiKomunikatu::OK ? TOdpowiedzKomunikatu::OK : TOdpowiedzKomunikatu::Nie;
    }
};

size_t Liczba(const char* tekst)
{
    return static_cast<size_t>(std::stoull(tekst));
}

void ZglosStanKolekcji(const TKolekcjeDanych& kolekcje)
{
    Zglos("nowe_w_kolekcji", std::to_string(IloscNowychPlanow(kolekcje)));
    Zglos("flaga", kolekcje.ZmienionoINiezapisanoPlany() ? "1" : "0");
}

bool Zapisz(TProjektDB& baza)
{
    const TProjektDB::TWynikZapisu wynik = baza.ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany);
    Zglos("zatwierdzono", wynik.Zatwierdzono ? "1" : "0");
    return wynik.Zatwierdzono;
}

int Przygotuj(const std::string& plik, size_t ile)
{
    TProjektDB baza(std::make_unique<TPlikiDB>(plik));
    DodajPlanyStartowe(baza.Kolekcje(), ile);
    return Zapisz(baza) ? 0 : 3;
}

int ZapiszPartie(const std::string& plik, const TRozmiarPartii& rozmiar)
{
    const TPunktPrzerwania punkt = CzytajPunktPrzerwania(std::getenv("GROSIWO_PRZERWIJ"));
    ZainstalujLiczniki();
    TProjektDB baza(std::make_unique<TPlikiDB>(plik));
    PrzygotujPartie(baza.Kolekcje(), rozmiar);
    Uzbroj(punkt);
    const bool zatwierdzono = Zapisz(baza);
    Rozbroj();
    Zglos("polecenia", std::to_string(PoliczonePolecenia()));
    Zglos("operacje", std::to_string(PoliczoneOperacjePliku()));
    Zglos("zapisy_bazy_przed_commit", std::to_string(ZapisyBazyPrzedZatwierdzeniem()));
    return zatwierdzono ? 0 : 3;
}

int ZapiszZLimitem(const std::string& plik, size_t zapas, const TRozmiarPartii& rozmiar)
{
    TProjektDB baza(std::make_unique<TPlikiDB>(plik));
    PrzygotujPartie(baza.Kolekcje(), rozmiar);
    // Growing past the limit then fails with EFBIG instead of ending the process.
    signal(SIGXFSZ, SIG_IGN);
    rlimit poprzedni{};
    getrlimit(RLIMIT_FSIZE, &poprzedni);
    rlimit limit = poprzedni;
    limit.rlim_cur = static_cast<rlim_t>(std::filesystem::file_size(plik) + zapas);
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
        Zglos("blad", "setrlimit refused");
        return 4;
    }
    Zglos("etap", "z_limitem");
    Zapisz(baza);
    ZglosStanKolekcji(baza.Kolekcje());
    Zglos("etap", "czekam");
    std::string linia;
    std::getline(std::cin, linia);
    setrlimit(RLIMIT_FSIZE, &poprzedni);
    Zglos("etap", "bez_limitu");
    const bool zatwierdzono = Zapisz(baza);
    ZglosStanKolekcji(baza.Kolekcje());
    return zatwierdzono ? 0 : 3;
}

int TrzymajBlokade(const std::string& plik, const std::string& rodzaj)
{
    sqlite3* surowe = nullptr;
    const int otwarto = sqlite3_open(plik.c_str(), &surowe);
    std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(surowe, sqlite3_close);
    if (otwarto != SQLITE_OK)
        return 4;
    auto wykonaj = [&](const std::string& sql) { return sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, nullptr); };
    int wynik = SQLITE_OK;
    if (rodzaj == "immediate") {
        // A writer of its own: its plan must survive next to the planner's ones.
        wynik = wykonaj("BEGIN IMMEDIATE");
        if (wynik == SQLITE_OK)
            wynik = wykonaj("INSERT INTO \"Plany\" (\"Nazwa\", \"Kwota\", \"IdKategorii\", \"TypPlanu\", \"Data\") "
                            "VALUES ('Plan drugiego programu', 77.5, 1, 0, '2014-07-01 10:00')");
    } else if (rodzaj == "exclusive") {
        wynik = wykonaj("BEGIN EXCLUSIVE");
    } else if (rodzaj == "odczyt") {
        // A read transaction keeps its shared lock from its first read on.
        wynik = wykonaj("BEGIN");
        if (wynik == SQLITE_OK)
            wynik = wykonaj("SELECT count(*) FROM \"Plany\"");
    } else {
        return 2;
    }
    if (wynik != SQLITE_OK) {
        Zglos("blad", sqlite3_errmsg(db.get()));
        return 4;
    }
    Zglos("etap", "gotowe");
    std::string polecenie;
    std::getline(std::cin, polecenie);
    wynik = wykonaj(polecenie == "zatwierdz" ? "COMMIT" : "ROLLBACK");
    Zglos("koniec", wynik == SQLITE_OK ? "1" : sqlite3_errmsg(db.get()));
    return wynik == SQLITE_OK ? 0 : 4;
}

int Uruchom(const std::vector<std::string>& a)
{
    TPlatforma::UstawZegar(std::make_shared<TStalyCzas>());
    TPlatforma::UstawKomunikaty(std::make_shared<TKomunikatyNaWyjscie>());
    if (a.size() == 3 && a[0] == "przygotuj")
        return Przygotuj(a[1], Liczba(a[2].c_str()));
    if (a.size() == 6 && a[0] == "zapisz")
        return ZapiszPartie(a[1], {Liczba(a[2].c_str()), Liczba(a[3].c_str()), Liczba(a[4].c_str()),
                                   Liczba(a[5].c_str())});
    if (a.size() == 5 && a[0] == "limit")
        return ZapiszZLimitem(a[1], Liczba(a[2].c_str()), {Liczba(a[3].c_str()), 0, 0, Liczba(a[4].c_str())});
    if (a.size() == 3 && a[0] == "blokada")
        return TrzymajBlokade(a[1], a[2]);
    std::cerr << "unknown arguments\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Uruchom(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        Zglos("wyjatek", e.what());
        return 5;
    }
}
