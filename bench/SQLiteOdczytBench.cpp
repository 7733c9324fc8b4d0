// The start-up cost of the application: reading a whole expenses table. A raw typed
// sqlite3_step loop is the baseline for fetching the same rows into TSQLiteTable and
// converting every cell from its text, as the loaders do.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "common/DataCzas.h"
#include "sqlite/SQLiteTable3.h"

namespace {

const char* const Zapytanie = "SELECT * FROM \"Wydatki\" ORDER BY \"Data\";";

// The fields of one expense row, as a loader fills a record.
struct TWiersz {
    int32_t Id = 0;
    int32_t IdKategoriaWydatki = 0;
    double Ile = 0;
    int32_t IdKategoriaOszczednosci = 0;
    TDateTime Data = 0;
    int32_t IdOsoba = 0;
    std::string Komentarz;
    bool ZlecenieStale = false;
    std::string Zalacznik;
};

// A database file of the given number of expenses, made once per size and removed at exit.
class TBazaWydatkow {
public:
    explicit TBazaWydatkow(int wierszy)
    {
        std::string wzor = (std::filesystem::temp_directory_path() / "grosiwo-bench-XXXXXX").string();
        fFolder = mkdtemp(wzor.data());
        fPlik = (fFolder / "wydatki.db").string();
        TSQLiteDatabase db(fPlik);
        db.ExecSQL("CREATE TABLE IF NOT EXISTS \"Wydatki\" (\"Id\" INTEGER  PRIMARY KEY  AUTOINCREMENT  "
                   "NOT NULL  UNIQUE , \"IdKategoriaWydatki\" INTEGER NOT NULL , \"Ile\" REAL NOT NULL , "
                   "\"IdKategoriaOszczednosci\" INTEGER NOT NULL , \"Data\" DATETIME NOT NULL , "
                   "\"IdOsoba\" INTEGER NOT NULL , \"Komentarz\" TEXT , \"ZlecenieStale\" BOOL NOT NULL "
                   "DEFAULT 0 , \"Zalacznik\" TEXT DEFAULT NULL );");
        std::mt19937 los(17);
        const char* const komentarze[] = {"Biedronka", "Czynsz za mieszkanie", "Paliwo",
                                          "Prezent dla babci Zofii", "Apteka - leki na przeziębienie"};
        db.BeginTransaction();
        for (int i = 0; i < wierszy; ++i) {
            const int dzien = static_cast<int>(los() % 4000);
            const std::string data = DataCzasNaTekst(KodujDate(2005, 1, 1) + dzien +
                                                     static_cast<double>(los() % 1440) / 1440.0);
            const unsigned k = los() % 8;
            db.ExecSQL("INSERT INTO \"Wydatki\" VALUES (NULL, " + std::to_string(1 + los() % 50) +
                       ", " + std::to_string(los() % 100000) + "." + std::to_string(10 + los() % 90) +
                       ", " + std::to_string(1 + los() % 5) + ", '" + data + "', " +
                       std::to_string(1 + los() % 4) + ", " +
                       (k < 5 ? "'" + std::string(komentarze[k]) + "'" : std::string("NULL")) + ", " +
                       std::to_string(los() % 2) + ", " + (k == 0 ? "'faktura.pdf'" : "NULL") + ")");
        }
        db.Commit();
    }
    ~TBazaWydatkow()
    {
        std::error_code blad;
        std::filesystem::remove_all(fFolder, blad);
    }
    const std::string& Plik() const { return fPlik; }

private:
    std::filesystem::path fFolder;
    std::string fPlik;
};

const TBazaWydatkow& Baza(int wierszy)
{
    static std::map<int, std::unique_ptr<TBazaWydatkow>> bazy;
    auto& baza = bazy[wierszy];
    if (!baza)
        baza = std::make_unique<TBazaWydatkow>(wierszy);
    return *baza;
}

int32_t Calkowita(std::string_view tekst)
{
    int32_t wynik = 0;
    std::from_chars(tekst.data(), tekst.data() + tekst.size(), wynik);
    return wynik;
}

// A number written with the application's "," separator.
double Liczba(std::string_view tekst)
{
    char bufor[64];
    const size_t dlugosc = std::min(tekst.size(), sizeof bufor);
    for (size_t i = 0; i < dlugosc; ++i)
        bufor[i] = tekst[i] == ',' ? '.' : tekst[i];
    double wynik = 0;
    std::from_chars(bufor, bufor + dlugosc, wynik);
    return wynik;
}

std::string_view Tekst(sqlite3_stmt* p, int kolumna)
{
    const auto* tekst = reinterpret_cast<const char*>(sqlite3_column_text(p, kolumna));
    return tekst ? std::string_view(tekst, static_cast<size_t>(sqlite3_column_bytes(p, kolumna)))
                 : std::string_view();
}

void SurowaPetla(benchmark::State& stan)
{
    const std::string& plik = Baza(static_cast<int>(stan.range(0))).Plik();
    sqlite3* db = nullptr;
    sqlite3_open(plik.c_str(), &db);
    for (auto _ : stan) {
        std::vector<TWiersz> wiersze;
        sqlite3_stmt* p = nullptr;
        sqlite3_prepare_v2(db, Zapytanie, -1, &p, nullptr);
        while (sqlite3_step(p) == SQLITE_ROW) {
            TWiersz& w = wiersze.emplace_back();
            w.Id = static_cast<int32_t>(sqlite3_column_int64(p, 0));
            w.IdKategoriaWydatki = static_cast<int32_t>(sqlite3_column_int64(p, 1));
            w.Ile = sqlite3_column_double(p, 2);
            w.IdKategoriaOszczednosci = static_cast<int32_t>(sqlite3_column_int64(p, 3));
            w.Data = TekstNaDataCzas(Tekst(p, 4));
            w.IdOsoba = static_cast<int32_t>(sqlite3_column_int64(p, 5));
            w.Komentarz = Tekst(p, 6);
            w.ZlecenieStale = sqlite3_column_int64(p, 7) != 0;
            w.Zalacznik = Tekst(p, 8);
        }
        sqlite3_finalize(p);
        benchmark::DoNotOptimize(wiersze.data());
    }
    sqlite3_close(db);
    stan.SetItemsProcessed(stan.iterations() * stan.range(0));
}

// What the loaders do: every column read by name as text, then converted.
void TabelaIKonwersjaZTekstu(benchmark::State& stan)
{
    TSQLiteDatabase db(Baza(static_cast<int>(stan.range(0))).Plik());
    for (auto _ : stan) {
        std::vector<TWiersz> wiersze;
        TSQLiteTable tabela = db.GetTable(Zapytanie);
        wiersze.reserve(tabela.RowCount());
        for (; !tabela.Eof(); tabela.Next()) {
            TWiersz& w = wiersze.emplace_back();
            w.Id = Calkowita(tabela.FieldTextViewByName("Id"));
            w.IdKategoriaWydatki = Calkowita(tabela.FieldTextViewByName("IdKategoriaWydatki"));
            w.Ile = Liczba(tabela.FieldTextViewByName("Ile"));
            w.IdKategoriaOszczednosci = Calkowita(tabela.FieldTextViewByName("IdKategoriaOszczednosci"));
            w.Data = TekstNaDataCzas(tabela.FieldTextViewByName("Data"));
            w.IdOsoba = Calkowita(tabela.FieldTextViewByName("IdOsoba"));
            w.Komentarz = tabela.FieldTextViewByName("Komentarz");
            w.ZlecenieStale = Calkowita(tabela.FieldTextViewByName("ZlecenieStale")) != 0;
            w.Zalacznik = tabela.FieldTextViewByName("Zalacznik");
        }
        benchmark::DoNotOptimize(wiersze.data());
    }
    stan.SetItemsProcessed(stan.iterations() * stan.range(0));
}

// The same through the string-returning accessor of the data format.
void TabelaIFieldTextByName(benchmark::State& stan)
{
    TSQLiteDatabase db(Baza(static_cast<int>(stan.range(0))).Plik());
    for (auto _ : stan) {
        std::vector<TWiersz> wiersze;
        TSQLiteTable tabela = db.GetTable(Zapytanie);
        wiersze.reserve(tabela.RowCount());
        for (; !tabela.Eof(); tabela.Next()) {
            TWiersz& w = wiersze.emplace_back();
            w.Id = Calkowita(tabela.FieldTextByName("Id"));
            w.IdKategoriaWydatki = Calkowita(tabela.FieldTextByName("IdKategoriaWydatki"));
            w.Ile = Liczba(tabela.FieldTextByName("Ile"));
            w.IdKategoriaOszczednosci = Calkowita(tabela.FieldTextByName("IdKategoriaOszczednosci"));
            w.Data = TekstNaDataCzas(tabela.FieldTextByName("Data"));
            w.IdOsoba = Calkowita(tabela.FieldTextByName("IdOsoba"));
            w.Komentarz = tabela.FieldTextByName("Komentarz");
            w.ZlecenieStale = Calkowita(tabela.FieldTextByName("ZlecenieStale")) != 0;
            w.Zalacznik = tabela.FieldTextByName("Zalacznik");
        }
        benchmark::DoNotOptimize(wiersze.data());
    }
    stan.SetItemsProcessed(stan.iterations() * stan.range(0));
}

// The fetch alone.
void TylkoGetTable(benchmark::State& stan)
{
    TSQLiteDatabase db(Baza(static_cast<int>(stan.range(0))).Plik());
    for (auto _ : stan) {
        const TSQLiteTable tabela = db.GetTable(Zapytanie);
        benchmark::DoNotOptimize(tabela.RowCount());
    }
    stan.SetItemsProcessed(stan.iterations() * stan.range(0));
}

}  // namespace

BENCHMARK(SurowaPetla)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(TabelaIKonwersjaZTekstu)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(TabelaIFieldTextByName)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(TylkoGetTable)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
