// The start-up cost of the application: loading a database of many expenses and as many plans
// into the collections, against a raw typed sqlite3_step loop over the same rows in the same
// run. Run with --benchmark_min_time=1 for stable figures; compare the Surowa/Wczytaj pairs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "collections/KolekcjeDanych.h"
#include "common/DataCzas.h"
#include "common/FunkcjeWspolne.h"
#include "database/Czytniki.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "database/SchematBazy.h"
#include "records/Plan.h"
#include "records/Wydatek.h"
#include "sqlite/SQLiteTable3.h"

namespace {

void Wykonaj(sqlite3* db, const std::string& sql)
{
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
}

// A data file with the full schema, the given number of expenses and as many plans, made
// once per size and removed at exit.
class TBazaDanych {
public:
    explicit TBazaDanych(int wierszy)
    {
        std::string wzor = (std::filesystem::temp_directory_path() / "grosiwo-wczyt-XXXXXX").string();
        fFolder = mkdtemp(wzor.data());
        fPlik = (fFolder / "dane.db").string();
        const TPlikiDB pliki(fPlik);
        const TPoleceniaSchematu schemat(pliki);
        sqlite3* db = nullptr;
        sqlite3_open(fPlik.c_str(), &db);
        for (const std::string* polecenie :
             {&schemat.KategorieWydatkow, &schemat.KategoriePrzychodow, &schemat.KategorieOszczednosci,
              &schemat.Osoby, &schemat.Wydatki, &schemat.Przychody, &schemat.Oszczednosci,
              &schemat.HistoriaPrzelewow, &schemat.ZleceniaStale, &schemat.HistoriaZlecenStalych,
              &schemat.Czestotliwosci, &schemat.StanOszczednosci, &schemat.Plany, &schemat.Ograniczenia,
              &schemat.Lokaty, &schemat.HarmonogramyLokat})
            Wykonaj(db, *polecenie);
        Wykonaj(db, "BEGIN");
        Wypelnij(db, wierszy);
        Wykonaj(db, "COMMIT");
        sqlite3_close(db);
    }
    ~TBazaDanych()
    {
        std::error_code blad;
        std::filesystem::remove_all(fFolder, blad);
    }
    const std::string& Plik() const { return fPlik; }

private:
    static void Wypelnij(sqlite3* db, int wierszy)
    {
        std::mt19937 los(17);
        const char* const komentarze[] = {"Biedronka", "Czynsz za mieszkanie", "Paliwo",
                                          "Prezent dla babci Zofii", "Apteka - leki na przeziębienie"};
        sqlite3_stmt* wydatek = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO \"Wydatki\" VALUES (NULL, ?, ?, ?, ?, ?, ?, ?, ?)", -1, &wydatek,
                           nullptr);
        sqlite3_stmt* plan = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO \"Plany\" VALUES (NULL, ?, ?, ?, ?, ?, ?, ?, ?)", -1, &plan, nullptr);
        for (int i = 0; i < wierszy; ++i) {
            const std::string data = DataCzasNaTekst(KodujDate(2005, 1, 1) + static_cast<int>(los() % 4000) +
                                                     static_cast<double>(los() % 1440) / 1440.0);
            const double kwota = static_cast<double>(los() % 10'000'000) / 100.0;
            const unsigned k = los() % 8;
            sqlite3_bind_int(wydatek, 1, static_cast<int>(1 + los() % 50));
            sqlite3_bind_double(wydatek, 2, kwota);
            sqlite3_bind_int(wydatek, 3, static_cast<int>(1 + los() % 5));
            sqlite3_bind_text(wydatek, 4, data.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(wydatek, 5, static_cast<int>(1 + los() % 4));
            if (k < 5)
                sqlite3_bind_text(wydatek, 6, komentarze[k], -1, SQLITE_STATIC);
            else
                sqlite3_bind_null(wydatek, 6);
            sqlite3_bind_int(wydatek, 7, static_cast<int>(los() % 2));
            if (k == 0)
                sqlite3_bind_text(wydatek, 8, "faktura.pdf", -1, SQLITE_STATIC);
            else
                sqlite3_bind_null(wydatek, 8);
            sqlite3_step(wydatek);
            sqlite3_reset(wydatek);

            sqlite3_bind_text(plan, 1, k < 5 ? komentarze[k] : "Rata kredytu", -1, SQLITE_STATIC);
            sqlite3_bind_double(plan, 2, kwota);
            sqlite3_bind_int(plan, 3, static_cast<int>(1 + los() % 50));
            sqlite3_bind_int(plan, 4, static_cast<int>(los() % 2));
            sqlite3_bind_int(plan, 5, static_cast<int>(los() % 2));
            sqlite3_bind_int(plan, 6, static_cast<int>(los() % 2));
            sqlite3_bind_text(plan, 7, data.c_str(), -1, SQLITE_TRANSIENT);
            if (k < 2)
                sqlite3_bind_text(plan, 8, "co miesiąc", -1, SQLITE_STATIC);
            else
                sqlite3_bind_null(plan, 8);
            sqlite3_step(plan);
            sqlite3_reset(plan);
        }
        sqlite3_finalize(wydatek);
        sqlite3_finalize(plan);
    }

    std::filesystem::path fFolder;
    std::string fPlik;
};

const TBazaDanych& Baza(int wierszy)
{
    static std::map<int, std::unique_ptr<TBazaDanych>> bazy;
    auto& baza = bazy[wierszy];
    if (!baza)
        baza = std::make_unique<TBazaDanych>(wierszy);
    return *baza;
}

// The fields of the two tables' rows, read the raw way.
struct TSurowyWydatek {
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

struct TSurowyPlan {
    int32_t Id = 0;
    std::string Nazwa;
    double Kwota = 0;
    int32_t IdKategorii = 0;
    bool Wykonany = false;
    bool DodanyDoKolekcji = false;
    int8_t TypPlanu = 0;
    TDateTime Data = 0;
    std::string Komentarz;
};

std::string_view Tekst(sqlite3_stmt* p, int kolumna)
{
    const auto* tekst = reinterpret_cast<const char*>(sqlite3_column_text(p, kolumna));
    return tekst ? std::string_view(tekst, static_cast<size_t>(sqlite3_column_bytes(p, kolumna)))
                 : std::string_view();
}

template <typename TWiersz, typename F>
std::vector<TWiersz> CzytajSurowo(sqlite3* db, const char* zapytanie, F&& czytajWiersz)
{
    std::vector<TWiersz> wiersze;
    sqlite3_stmt* p = nullptr;
    sqlite3_prepare_v2(db, zapytanie, -1, &p, nullptr);
    while (sqlite3_step(p) == SQLITE_ROW)
        czytajWiersz(p, wiersze.emplace_back());
    sqlite3_finalize(p);
    return wiersze;
}

// The baseline: both tables stepped once, every cell read with its native type (dates
// converted from their text, which is how they are stored).
void SurowaPetla(benchmark::State& stan)
{
    const std::string& plik = Baza(static_cast<int>(stan.range(0))).Plik();
    sqlite3* db = nullptr;
    sqlite3_open(plik.c_str(), &db);
    for (auto _ : stan) {
        auto wydatki = CzytajSurowo<TSurowyWydatek>(
            db, "SELECT * FROM \"Wydatki\" ORDER BY \"Data\";", [](sqlite3_stmt* p, TSurowyWydatek& w) {
                w.Id = sqlite3_column_int(p, 0);
                w.IdKategoriaWydatki = sqlite3_column_int(p, 1);
                w.Ile = sqlite3_column_double(p, 2);
                w.IdKategoriaOszczednosci = sqlite3_column_int(p, 3);
                w.Data = TekstNaDataCzas(Tekst(p, 4));
                w.IdOsoba = sqlite3_column_int(p, 5);
                w.Komentarz = Tekst(p, 6);
                w.ZlecenieStale = sqlite3_column_int(p, 7) != 0;
                w.Zalacznik = Tekst(p, 8);
            });
        auto plany = CzytajSurowo<TSurowyPlan>(
            db, "SELECT * FROM \"Plany\" ORDER BY \"Data\";", [](sqlite3_stmt* p, TSurowyPlan& w) {
                w.Id = sqlite3_column_int(p, 0);
                w.Nazwa = Tekst(p, 1);
                w.Kwota = sqlite3_column_double(p, 2);
                w.IdKategorii = sqlite3_column_int(p, 3);
                w.Wykonany = sqlite3_column_int(p, 4) != 0;
                w.DodanyDoKolekcji = sqlite3_column_int(p, 5) != 0;
                w.TypPlanu = static_cast<int8_t>(sqlite3_column_int(p, 6));
                w.Data = TekstNaDataCzas(Tekst(p, 7));
                w.Komentarz = Tekst(p, 8);
            });
        benchmark::DoNotOptimize(wydatki.data());
        benchmark::DoNotOptimize(plany.data());
    }
    sqlite3_close(db);
    stan.SetItemsProcessed(stan.iterations() * stan.range(0) * 2);
}

// The loading's own part: both tables fetched and read into records, without the object.
void CzytnikiWydatkowIPlanow(benchmark::State& stan)
{
    TSQLiteDatabase db(Baza(static_cast<int>(stan.range(0))).Plik());
    for (auto _ : stan) {
        TSQLiteTable wydatki = db.GetTable("SELECT * FROM \"Wydatki\" ORDER BY \"Data\";");
        auto listaWydatkow = CzytajWydatki(wydatki, "Wydatki");
        TSQLiteTable plany = db.GetTable("SELECT * FROM \"Plany\" ORDER BY \"Data\";");
        auto listaPlanow = CzytajPlany(plany, "Plany");
        benchmark::DoNotOptimize(listaWydatkow.data());
        benchmark::DoNotOptimize(listaPlanow.data());
    }
    stan.SetItemsProcessed(stan.iterations() * stan.range(0) * 2);
}

// What opening does last and a host does to reload: every table into the collections. The
// object is opened once; each pass discards the lists and loads them all again.
void WczytajDaneZTabelDoKolekcji(benchmark::State& stan)
{
    TProjektDB baza(std::make_unique<TPlikiDB>(Baza(static_cast<int>(stan.range(0))).Plik()));
    for (auto _ : stan) {
        stan.PauseTiming();
        baza.Kolekcje().WyczyscKolekcjeDanych();
        stan.ResumeTiming();
        baza.WczytajDaneZTabelDoKolekcji(TTabele::Pusta);
        benchmark::DoNotOptimize(baza.Kolekcje().Wydatki().data());
    }
    stan.SetItemsProcessed(stan.iterations() * stan.range(0) * 2);
}

}  // namespace

BENCHMARK(WczytajDaneZTabelDoKolekcji)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(SurowaPetla)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(CzytnikiWydatkowIPlanow)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
