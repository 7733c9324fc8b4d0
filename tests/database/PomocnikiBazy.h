#pragma once
// Helpers of the database tests: a write lock held by another process, work run in a child
// process without root's privileges, and direct looks into a database file.
#include <sys/types.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

// Holds a write lock (BEGIN IMMEDIATE) on the file from a forked process until destroyed.
// Create it before this process opens the file: a forked child must not inherit open
// connections of the library.
class TBlokadaWInnymProcesie {
public:
    explicit TBlokadaWInnymProcesie(const std::string& plik);
    ~TBlokadaWInnymProcesie();
    TBlokadaWInnymProcesie(const TBlokadaWInnymProcesie&) = delete;
    TBlokadaWInnymProcesie& operator=(const TBlokadaWInnymProcesie&) = delete;

private:
    pid_t fDziecko = -1;
    int fSterowanie = -1;
};

struct TWynikDziecka {
    // Set when the child could not give up root's privileges; then Dane is the reason.
    bool Pominieto = false;
    std::string Dane;
};

// Runs praca in a forked child that, when this process runs as root, first becomes the
// unprivileged user 65534, so that file permissions hold. Returns what praca returned.
TWynikDziecka UruchomBezUprawnien(const std::function<std::string()>& praca);

// type + " " + name -> sql of every table, index and view that has a creating statement.
std::map<std::string, std::string> ObiektySchematu(const std::string& plik);
// Runs each statement on its own connection-wide, outside a transaction.
void WykonajSQL(const std::string& plik, const std::vector<std::string>& polecenia);
// The rows of a query, each row's cells joined with "|"; NULL as "NULL".
std::vector<std::string> Wiersze(const std::string& plik, const std::string& zapytanie);
