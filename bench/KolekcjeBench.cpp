// The collections' queries on a household's whole history: 100 000 expenses over ten years.
// Lists start in a shuffled order, as after edits and other sorts, and are shuffled again
// before every pass of the queries that sort them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "collections/IndeksId.h"
#include "collections/KolekcjeDanych.h"
#include "common/FunkcjeWspolne.h"
#include "records/Wydatek.h"

namespace {

constexpr int IleWydatkow = 100'000;

class TDaneWydatkow {
public:
    TDaneWydatkow() : fLos(20130517)
    {
        UstawFormatyDanych();
        std::uniform_real_distribution<double> data(KodujDate(2004, 1, 1), KodujDate(2014, 1, 1));
        for (int32_t id = 1; id <= IleWydatkow; ++id)
            fKolekcje.Wydatki().push_back(std::make_unique<TWydatek>(
                id, id % 40, 12.5, 1, data(fLos), 1, "", TTypModyfikacji::BezZmian, "", false));
        Przetasuj();
    }

    void Przetasuj() { std::shuffle(fKolekcje.Wydatki().begin(), fKolekcje.Wydatki().end(), fLos); }
    TKolekcjeDanych& Kolekcje() { return fKolekcje; }
    std::mt19937& Los() { return fLos; }

private:
    std::mt19937 fLos;
    TKolekcjeDanych fKolekcje;
};

TDaneWydatkow& Dane()
{
    static TDaneWydatkow dane;
    return dane;
}

void MiesiaceWydatkow(benchmark::State& state)
{
    TDaneWydatkow& dane = Dane();
    for (auto _ : state) {
        state.PauseTiming();
        dane.Przetasuj();
        state.ResumeTiming();
        benchmark::DoNotOptimize(dane.Kolekcje().PobierzNazwyMiesiecyZKolekcji(TTabele::Wydatki, 0));
    }
}
BENCHMARK(MiesiaceWydatkow)->Unit(benchmark::kMillisecond);

// The same list built the plain way, one formatted label and one list search per record,
// on the list already sorted: what the month cache saves.
void MiesiaceWydatkowBezPamieciMiesiecy(benchmark::State& state)
{
    TDaneWydatkow& dane = Dane();
    dane.Kolekcje().PosortujWydatkiPoDacieMalejaco();
    for (auto _ : state) {
        TStringList lista;
        for (const auto& wydatek : dane.Kolekcje().Wydatki())
            DodajDoListyJesliNowy(wydatek->Miesiac(), &lista);
        benchmark::DoNotOptimize(lista);
    }
}
BENCHMARK(MiesiaceWydatkowBezPamieciMiesiecy)->Unit(benchmark::kMillisecond);

void WspolnaListaMiesiecyWydatkowIPlanow(benchmark::State& state)
{
    TDaneWydatkow& dane = Dane();
    for (auto _ : state)
        benchmark::DoNotOptimize(dane.Kolekcje().PobierzWspolnaListeDatDlaWydatkowIPlanow());
}
BENCHMARK(WspolnaListaMiesiecyWydatkowIPlanow)->Unit(benchmark::kMillisecond);

void SortowaniePoDacie(benchmark::State& state)
{
    TDaneWydatkow& dane = Dane();
    for (auto _ : state) {
        state.PauseTiming();
        dane.Przetasuj();
        state.ResumeTiming();
        dane.Kolekcje().PosortujWydatkiPoDacieMalejaco();
    }
}
BENCHMARK(SortowaniePoDacie)->Unit(benchmark::kMillisecond);

void SortowaniePoDacieJuzPosortowanych(benchmark::State& state)
{
    TDaneWydatkow& dane = Dane();
    for (auto _ : state)
        dane.Kolekcje().PosortujWydatkiPoDacieMalejaco();
}
BENCHMARK(SortowaniePoDacieJuzPosortowanych)->Unit(benchmark::kMillisecond);

// One lookup scans the list for the first match: reported per lookup, since 100 000 of
// them would take minutes.
void WyszukiwaniePoIdPojedyncze(benchmark::State& state)
{
    TDaneWydatkow& dane = Dane();
    dane.Przetasuj();
    std::uniform_int_distribution<int32_t> id(1, IleWydatkow);
    for (auto _ : state)
        benchmark::DoNotOptimize(dane.Kolekcje().PobierzWydatekDlaId(id(dane.Los())));
}
BENCHMARK(WyszukiwaniePoIdPojedyncze)->Unit(benchmark::kMicrosecond);

// 100 000 lookups through an index built once for them (its building included).
void WyszukiwaniePoIdZIndeksem(benchmark::State& state)
{
    TDaneWydatkow& dane = Dane();
    dane.Przetasuj();
    std::vector<int32_t> idy(IleWydatkow);
    std::uniform_int_distribution<int32_t> id(1, IleWydatkow);
    for (int32_t& i : idy)
        i = id(dane.Los());
    for (auto _ : state) {
        const TIndeksId<TWydatek> indeks(dane.Kolekcje().Wydatki());
        for (const int32_t i : idy)
            benchmark::DoNotOptimize(indeks.Znajdz(i));
    }
}
BENCHMARK(WyszukiwaniePoIdZIndeksem)->Unit(benchmark::kMillisecond);

}  // namespace
