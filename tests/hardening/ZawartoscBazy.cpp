#include "ZawartoscBazy.h"

#include <sqlite3.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using TPolaczenie = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using TPolecenie = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

TPolaczenie Otworz(const std::string& plik)
{
    sqlite3* db = nullptr;
    const int wynik = sqlite3_open_v2(plik.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    TPolaczenie polaczenie(db, sqlite3_close);
    if (wynik != SQLITE_OK)
        throw std::runtime_error("cannot open " + plik + ": " + (db ? sqlite3_errmsg(db) : "no handle"));
    return polaczenie;
}

void Przejdz(sqlite3* db, const std::string& sql, const std::function<void(sqlite3_stmt*)>& naWiersz)
{
    sqlite3_stmt* surowe = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &surowe, nullptr) != SQLITE_OK)
        throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
    const TPolecenie polecenie(surowe, sqlite3_finalize);
    int krok;
    while ((krok = sqlite3_step(polecenie.get())) == SQLITE_ROW)
        naWiersz(polecenie.get());
    if (krok != SQLITE_DONE)
        throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
}

std::string Tekst(sqlite3_stmt* p, int kolumna)
{
    const unsigned char* t = sqlite3_column_text(p, kolumna);
    return t ? std::string(reinterpret_cast<const char*>(t), static_cast<size_t>(sqlite3_column_bytes(p, kolumna)))
             : std::string();
}

std::string Cytowana(const std::string& nazwa)
{
    std::string wynik = "\"";
    for (const char c : nazwa) {
        wynik += c;
        if (c == '"')
            wynik += c;
    }
    return wynik + "\"";
}

}  // namespace

std::string SprawdzIntegralnosc(const std::string& plik)
{
    const TPolaczenie db = Otworz(plik);
    std::string wynik;
    Przejdz(db.get(), "PRAGMA integrity_check", [&](sqlite3_stmt* p) {
        if (!wynik.empty())
            wynik += "\n";
        wynik += Tekst(p, 0);
    });
    return wynik;
}

std::string ZawartoscWszystkichTabel(const std::string& plik)
{
    const TPolaczenie db = Otworz(plik);
    std::vector<std::string> tabele;
    Przejdz(db.get(), "SELECT name FROM sqlite_master WHERE type='table' ORDER BY name",
            [&](sqlite3_stmt* p) { tabele.push_back(Tekst(p, 0)); });
    std::string wynik;
    for (const std::string& tabela : tabele) {
        wynik += "[" + tabela + "]\n";
        Przejdz(db.get(), "SELECT * FROM " + Cytowana(tabela) + " ORDER BY rowid", [&](sqlite3_stmt* p) {
            for (int k = 0; k < sqlite3_column_count(p); ++k)
                wynik += std::to_string(sqlite3_column_type(p, k)) + ":" + Tekst(p, k) + "|";
            wynik += "\n";
        });
    }
    return wynik;
}

std::string JednaWartosc(const std::string& plik, const std::string& zapytanie)
{
    const TPolaczenie db = Otworz(plik);
    std::string wynik;
    bool pierwszy = true;
    Przejdz(db.get(), zapytanie, [&](sqlite3_stmt* p) {
        if (pierwszy)
            wynik = Tekst(p, 0);
        pierwszy = false;
    });
    return wynik;
}

void WykonajNaPliku(const std::string& plik, const std::string& sql)
{
    const TPolaczenie db = Otworz(plik);
    Przejdz(db.get(), sql, [](sqlite3_stmt*) {});
}
