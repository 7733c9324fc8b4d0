// Saving many records: the save's complete inlined statements, built and run as one batch,
// against a loop of one prepared statement with bound parameters over the same rows, in one
// transaction too. Also the in-use checks of deleting many categories against many expenses.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "collections/KolekcjeDanych.h"
#include "common/DataCzas.h"
#include "common/FormatyTekstowe.h"
#include "common/Platforma.h"
#include "database/PlikiDB.h"
#include "database/SchematBazy.h"
#include "database/WykonywaniePolecen.h"
#include "database/ZapisTabeli.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaWydatki.h"
#include "records/Osoba.h"
#include "records/Plan.h"
#include "records/Wydatek.h"
#include "sqlite/SQLiteTable3.h"

namespace {

constexpr int IloscWierszy = 10000;
const TDateTime Dzien = KodujDateCzas(2013, 5, 17, 9, 5);

class TPlikBazy {
public:
    TPlikBazy()
        : fSciezka(std::filesystem::temp_directory_path() / ("grosiwo-zapis-" + std::to_string(getpid()) + ".dat"))
    {
        std::filesystem::remove(fSciezka);
        fBaza = std::make_unique<TSQLiteDatabase>(fSciezka.string());
        const TPoleceniaSchematu schemat(fPliki);
        for (const std::string* s : {&schemat.KategorieWydatkow, &schemat.KategorieOszczednosci, &schemat.Osoby,
                                     &schemat.Wydatki, &schemat.Plany})
            fBaza->ExecSQL(*s);
    }
    ~TPlikBazy()
    {
        fBaza.reset();
        std::filesystem::remove(fSciezka);
    }
    TSQLiteDatabase& Baza() { return *fBaza; }
    sqlite3* Uchwyt() const { return fUchwyt.get(); }
    const TPlikiDB& Pliki() const { return fPliki; }

    // A second, raw connection for the bound-parameter loop.
    void OtworzUchwyt()
    {
        sqlite3* db = nullptr;
        sqlite3_open(fSciezka.c_str(), &db);
        fUchwyt.reset(db);
    }

private:
    struct TZamknij {
        void operator()(sqlite3* db) const { sqlite3_close(db); }
    };
    std::filesystem::path fSciezka;
    TPlikiDB fPliki{"baza.dat"};
    std::unique_ptr<TSQLiteDatabase> fBaza;
    std::unique_ptr<sqlite3, TZamknij> fUchwyt;
};

// No message box may wait for anybody.
struct TCichyKomunikat : IKomunikaty {
    TOdpowiedzKomunikatu Pokaz(const std::string&, const std::string&, TIkonaKomunikatu, TPrzyciskiKomunikatu) override
    {
        return TOdpowiedzKomunikatu::OK;
    }
};

void Wycisz()
{
    TPlatforma::UstawKomunikaty(std::make_shared<TCichyKomunikat>());
}

void PlanyDoZapisu(TKolekcjeDanych& k)
{
    for (int i = 0; i < IloscWierszy; ++i)
        k.Plany().push_back(std::make_unique<TPlan>(1001 + i, "Rachunek za prąd " + std::to_string(i), 3,
                                                    100.0 + i * 0.25, Dzien + i, i % 3 ? "" : "co miesiąc",
                                                    TTypModyfikacji::Dodano, TTypPlanu::Wydatek));
}

void Podstawy(TKolekcjeDanych& k)
{
    k.KategorieWydatki().push_back(std::make_unique<TKategoriaWydatki>(1, "Jedzenie", false, TTypModyfikacji::BezZmian, 1));
    k.KategorieOszczednosci().push_back(
        std::make_unique<TKategoriaOszczednosci>(1, "Konto", false, true, false, TTypModyfikacji::BezZmian, 1));
    k.Osoby().push_back(std::make_unique<TOsoba>(1, "Jan", "Kowalski", "", "", "", false, TTypModyfikacji::BezZmian, 1));
}

void WydatkiDoZapisu(TKolekcjeDanych& k)
{
    for (int i = 0; i < IloscWierszy; ++i)
        k.Wydatki().push_back(std::make_unique<TWydatek>(i + 1, 1, 12.5 + i, 1, Dzien + i, 1, "Zakupy " + std::to_string(i),
                                                         TTypModyfikacji::Zmieniono, "", false));
}

void BM_ZapisNowychPlanow(benchmark::State& state)
{
    Wycisz();
    TPlikBazy plik;
    TKolekcjeDanych k;
    PlanyDoZapisu(k);
    for (auto _ : state) {
        state.PauseTiming();
        plik.Baza().ExecSQL(R"(DELETE FROM "Plany";)");
        state.ResumeTiming();
        TPaczkaZapisu paczka = TZapisTabeli(k, plik.Pliki(), TTabele::Plany).Zbuduj();
        if (!WykonajPaczkePolecen(plik.Baza(), std::move(paczka.Polecenia), true))
            state.SkipWithError("batch not committed");
    }
    state.SetItemsProcessed(state.iterations() * IloscWierszy);
}
BENCHMARK(BM_ZapisNowychPlanow)->Unit(benchmark::kMillisecond);

// The statements only, without running them.
void BM_BudowaniePolecenNowychPlanow(benchmark::State& state)
{
    TPlikiDB pliki("baza.dat");
    TKolekcjeDanych k;
    PlanyDoZapisu(k);
    for (auto _ : state)
        benchmark::DoNotOptimize(TZapisTabeli(k, pliki, TTabele::Plany).Zbuduj());
    state.SetItemsProcessed(state.iterations() * IloscWierszy);
}
BENCHMARK(BM_BudowaniePolecenNowychPlanow)->Unit(benchmark::kMillisecond);

void BM_WstawianiePlanowZParametrami(benchmark::State& state)
{
    TPlikBazy plik;
    plik.OtworzUchwyt();
    TKolekcjeDanych k;
    PlanyDoZapisu(k);
    sqlite3* db = plik.Uchwyt();
    for (auto _ : state) {
        state.PauseTiming();
        sqlite3_exec(db, R"(DELETE FROM "Plany";)", nullptr, nullptr, nullptr);
        state.ResumeTiming();
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db,
                           R"(INSERT INTO "Plany" ("Nazwa", "Kwota", "IdKategorii", "Wykonany", "DodanyDoKolekcji", )"
                           R"("TypPlanu", "Data", "Komentarz") VALUES (?,?,?,?,?,?,?,?);)",
                           -1, &s, nullptr);
        for (const auto& p : k.Plany()) {
            sqlite3_bind_text(s, 1, p->Nazwa().c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(s, 2, p->Kwota());
            sqlite3_bind_int(s, 3, p->IdKategorii());
            sqlite3_bind_int(s, 4, p->Wykonany());
            sqlite3_bind_int(s, 5, p->DodanyDoKolekcji());
            sqlite3_bind_int(s, 6, static_cast<int>(p->TypPlanu()));
            sqlite3_bind_text(s, 7, DataCzasNaTekst(p->Data()).c_str(), -1, SQLITE_TRANSIENT);
            if (p->Komentarz().empty())
                sqlite3_bind_null(s, 8);
            else
                sqlite3_bind_text(s, 8, p->Komentarz().c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * IloscWierszy);
}
BENCHMARK(BM_WstawianiePlanowZParametrami)->Unit(benchmark::kMillisecond);

// The rows the changed expenses update.
void WstawWydatki(TSQLiteDatabase& baza)
{
    std::vector<std::string> polecenia;
    for (int i = 0; i < IloscWierszy; ++i)
        polecenia.push_back(R"(INSERT INTO "Wydatki" ("IdKategoriaWydatki", "Ile", "IdKategoriaOszczednosci", "Data", )"
                            R"("IdOsoba") VALUES (1, 1, 1, '2013-01-01 00:00', 1);)");
    WykonajPaczkePolecen(baza, std::move(polecenia), false);
}

void BM_ZapisZmienionychWydatkow(benchmark::State& state)
{
    Wycisz();
    TPlikBazy plik;
    WstawWydatki(plik.Baza());
    TKolekcjeDanych k;
    Podstawy(k);
    WydatkiDoZapisu(k);
    for (auto _ : state) {
        TPaczkaZapisu paczka = TZapisTabeli(k, plik.Pliki(), TTabele::Wydatki).Zbuduj();
        if (!WykonajPaczkePolecen(plik.Baza(), std::move(paczka.Polecenia), true))
            state.SkipWithError("batch not committed");
    }
    state.SetItemsProcessed(state.iterations() * IloscWierszy);
}
BENCHMARK(BM_ZapisZmienionychWydatkow)->Unit(benchmark::kMillisecond);

void BM_ZmianaWydatkowZParametrami(benchmark::State& state)
{
    TPlikBazy plik;
    WstawWydatki(plik.Baza());
    plik.OtworzUchwyt();
    TKolekcjeDanych k;
    Podstawy(k);
    WydatkiDoZapisu(k);
    sqlite3* db = plik.Uchwyt();
    for (auto _ : state) {
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db,
                           R"(UPDATE "Wydatki" SET "IdKategoriaWydatki"=?,"Ile"=?,"IdKategoriaOszczednosci"=?,)"
                           R"("Data"=?,"IdOsoba"=?,"Komentarz"=?,"Zalacznik"=?,"ZlecenieStale"=? WHERE "Id"=?;)",
                           -1, &s, nullptr);
        // Visited last to first, as the save does.
        for (auto it = k.Wydatki().rbegin(); it != k.Wydatki().rend(); ++it) {
            const TWydatek& w = **it;
            sqlite3_bind_int(s, 1, w.IdKategoriaWydatki());
            sqlite3_bind_double(s, 2, w.Ile());
            sqlite3_bind_int(s, 3, w.IdKategoriaOszczednosci());
            sqlite3_bind_text(s, 4, DataCzasNaTekst(w.Data()).c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(s, 5, w.IdOsoba());
            sqlite3_bind_text(s, 6, w.Komentarz().c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_null(s, 7);
            sqlite3_bind_int(s, 8, w.ZlecenieStale());
            sqlite3_bind_int(s, 9, w.Id());
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * IloscWierszy);
}
BENCHMARK(BM_ZmianaWydatkowZParametrami)->Unit(benchmark::kMillisecond);

// The save's own statement texts, built beforehand, each prepared, stepped and finalized on
// a raw connection: the part of the save's cost that inlined values bring by themselves.
void GotoweTeksty(benchmark::State& state, TTabele tabela)
{
    TPlikBazy plik;
    if (tabela == TTabele::Wydatki)
        WstawWydatki(plik.Baza());
    plik.OtworzUchwyt();
    TKolekcjeDanych k;
    Podstawy(k);
    if (tabela == TTabele::Wydatki)
        WydatkiDoZapisu(k);
    else
        PlanyDoZapisu(k);
    const std::vector<std::string> polecenia = TZapisTabeli(k, plik.Pliki(), tabela).Zbuduj().Polecenia;
    sqlite3* db = plik.Uchwyt();
    for (auto _ : state) {
        if (tabela == TTabele::Plany) {
            state.PauseTiming();
            sqlite3_exec(db, R"(DELETE FROM "Plany";)", nullptr, nullptr, nullptr);
            state.ResumeTiming();
        }
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (const std::string& p : polecenia) {
            sqlite3_stmt* s = nullptr;
            sqlite3_prepare_v2(db, p.c_str(), -1, &s, nullptr);
            sqlite3_step(s);
            sqlite3_finalize(s);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * IloscWierszy);
}
void BM_NowePlanyGotowymiTekstami(benchmark::State& state)
{
    GotoweTeksty(state, TTabele::Plany);
}
BENCHMARK(BM_NowePlanyGotowymiTekstami)->Unit(benchmark::kMillisecond);
void BM_ZmienioneWydatkiGotowymiTekstami(benchmark::State& state)
{
    GotoweTeksty(state, TTabele::Wydatki);
}
BENCHMARK(BM_ZmienioneWydatkiGotowymiTekstami)->Unit(benchmark::kMillisecond);

// 1 000 expense categories marked for deletion, every other one used by some of 100 000
// expenses: the in-use checks collect the used ids once instead of scanning per category.
void BM_UsuwanieKategoriiPrzyWieluWydatkach(benchmark::State& state)
{
    constexpr int IloscKategorii = 1000;
    constexpr int IloscWydatkow = 100000;
    TPlikiDB pliki("baza.dat");
    TKolekcjeDanych k;
    k.KategorieWydatki().push_back(
        std::make_unique<TKategoriaWydatki>(1, "Zostaje", false, TTypModyfikacji::BezZmian, 1));
    for (int i = 2; i <= IloscKategorii + 1; ++i)
        k.KategorieWydatki().push_back(std::make_unique<TKategoriaWydatki>(
            i, "Kategoria " + std::to_string(i), false, TTypModyfikacji::Usunieto, 1));
    for (int i = 0; i < IloscWydatkow; ++i)
        k.Wydatki().push_back(std::make_unique<TWydatek>(i + 1, 2 + 2 * (i % (IloscKategorii / 2)), 1.0, 1, Dzien, 1,
                                                         "", TTypModyfikacji::BezZmian, "", false));
    for (auto _ : state) {
        const TPaczkaZapisu paczka = TZapisTabeli(k, pliki, TTabele::Kategorie_Wydatki).Zbuduj();
        if (paczka.Polecenia.size() != IloscKategorii / 2)
            state.SkipWithError("unexpected number of deletions");
        benchmark::DoNotOptimize(paczka);
    }
}
BENCHMARK(BM_UsuwanieKategoriiPrzyWieluWydatkach)->Unit(benchmark::kMillisecond);

}  // namespace
