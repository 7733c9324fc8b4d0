#include "PomocnikiBazy.h"

#include <grp.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "sqlite/SQLiteTable3.h"

namespace {

std::string CzytajDoKonca(int deskryptor)
{
    std::string dane;
    char bufor[4096];
    ssize_t ile;
    while ((ile = read(deskryptor, bufor, sizeof bufor)) > 0)
        dane.append(bufor, static_cast<size_t>(ile));
    return dane;
}

void ZapiszWszystko(int deskryptor, const std::string& dane)
{
    size_t zapisano = 0;
    while (zapisano < dane.size()) {
        const ssize_t ile = write(deskryptor, dane.data() + zapisano, dane.size() - zapisano);
        if (ile <= 0)
            return;
        zapisano += static_cast<size_t>(ile);
    }
}

}  // namespace

TBlokadaWInnymProcesie::TBlokadaWInnymProcesie(const std::string& plik)
{
    int gotowosc[2];
    int sterowanie[2];
    if (pipe(gotowosc) != 0 || pipe(sterowanie) != 0)
        throw std::runtime_error("pipe failed");
    fDziecko = fork();
    if (fDziecko < 0)
        throw std::runtime_error("fork failed");
    if (fDziecko == 0) {
        close(gotowosc[0]);
        close(sterowanie[1]);
        sqlite3* db = nullptr;
        const bool zablokowano = sqlite3_open(plik.c_str(), &db) == SQLITE_OK &&
                                 sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
        ZapiszWszystko(gotowosc[1], zablokowano ? "T" : "N");
        char znak;
        while (read(sterowanie[0], &znak, 1) > 0) {
        }
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        _exit(0);
    }
    close(gotowosc[1]);
    close(sterowanie[0]);
    fSterowanie = sterowanie[1];
    // One byte: the child keeps its end open while it holds the lock.
    char odpowiedz = 'N';
    if (read(gotowosc[0], &odpowiedz, 1) != 1)
        odpowiedz = 'N';
    close(gotowosc[0]);
    if (odpowiedz != 'T') {
        close(fSterowanie);
        waitpid(fDziecko, nullptr, 0);
        throw std::runtime_error("the other process could not lock " + plik);
    }
}

TBlokadaWInnymProcesie::~TBlokadaWInnymProcesie()
{
    close(fSterowanie);
    waitpid(fDziecko, nullptr, 0);
}

TWynikDziecka UruchomBezUprawnien(const std::function<std::string()>& praca)
{
    int rura[2];
    if (pipe(rura) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t dziecko = fork();
    if (dziecko < 0)
        throw std::runtime_error("fork failed");
    if (dziecko == 0) {
        close(rura[0]);
        std::string wynik;
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
            wynik = "Scannot drop root's privileges (setuid 65534 refused)";
        } else {
            try {
                wynik = "D" + praca();
            } catch (const std::exception& e) {
                wynik = std::string("Dunexpected exception: ") + e.what();
            }
        }
        ZapiszWszystko(rura[1], wynik);
        _exit(0);
    }
    close(rura[1]);
    const std::string dane = CzytajDoKonca(rura[0]);
    close(rura[0]);
    waitpid(dziecko, nullptr, 0);
    TWynikDziecka wynik;
    if (dane.empty()) {
        wynik.Dane = "the child ended without an answer";
        return wynik;
    }
    wynik.Pominieto = dane[0] == 'S';
    wynik.Dane = dane.substr(1);
    return wynik;
}

std::map<std::string, std::string> ObiektySchematu(const std::string& plik)
{
    TSQLiteDatabase baza(plik);
    TSQLiteTable t = baza.GetTable("SELECT type, name, sql FROM sqlite_master WHERE sql NOT NULL");
    std::map<std::string, std::string> obiekty;
    for (; !t.Eof(); t.Next())
        obiekty[t.FieldAsString(0) + " " + t.FieldAsString(1)] = t.FieldAsString(2);
    return obiekty;
}

void WykonajSQL(const std::string& plik, const std::vector<std::string>& polecenia)
{
    TSQLiteDatabase baza(plik);
    for (const std::string& polecenie : polecenia)
        baza.ExecSQL(polecenie);
}

std::vector<std::string> Wiersze(const std::string& plik, const std::string& zapytanie)
{
    TSQLiteDatabase baza(plik);
    TSQLiteTable t = baza.GetTable(zapytanie);
    std::vector<std::string> wiersze;
    for (; !t.Eof(); t.Next()) {
        std::string wiersz;
        for (uint32_t k = 0; k < t.ColCount(); ++k) {
            if (k > 0)
                wiersz += "|";
            wiersz += t.FieldIsNull(static_cast<int>(k)) ? "NULL" : t.FieldAsString(static_cast<int>(k));
        }
        wiersze.push_back(wiersz);
    }
    return wiersze;
}
