// The statistics over a household's whole history: up to 100 000 expenses in 50 categories
// across ten years. The expense list is shuffled before every pass, as after edits and other
// sorts, so the sorting statistics pay their full sort; the sizes show how each one grows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>

#include "collections/KolekcjeDanych.h"
#include "common/FunkcjeWspolne.h"
#include "records/KategoriaWydatki.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "statistics/Analiza.h"

namespace {

constexpr int IleKategorii = 50;

class TDaneAnalizy {
public:
    explicit TDaneAnalizy(int ileWydatkow) : fLos(20130517), fAnaliza(&fKolekcje)
    {
        UstawFormatyDanych();
        for (int32_t id = 1; id <= IleKategorii; ++id)
            fKolekcje.KategorieWydatki().push_back(std::make_unique<TKategoriaWydatki>(
                id, "Kategoria " + std::to_string(id % 10), false, TTypModyfikacji::BezZmian, 1));
        std::uniform_real_distribution<double> data(KodujDate(2004, 1, 1), KodujDate(2014, 1, 1));
        std::uniform_int_distribution<int32_t> kategoria(1, IleKategorii);
        std::uniform_int_distribution<int> grosze(1, 50'000);
        for (int32_t id = 1; id <= ileWydatkow; ++id)
            fKolekcje.Wydatki().push_back(std::make_unique<TWydatek>(id, kategoria(fLos), grosze(fLos) / 100.0, 1,
                                                                     data(fLos), 1, "", TTypModyfikacji::BezZmian,
                                                                     "", false));
        for (int32_t id = 1; id <= ileWydatkow / 20; ++id)
            fKolekcje.Przychody().push_back(std::make_unique<TPrzychod>(
                id, 1, 3000, 1, data(fLos), 1, "", TTypModyfikacji::BezZmian, false));
    }

    void Przetasuj()
    {
        std::shuffle(fKolekcje.Wydatki().begin(), fKolekcje.Wydatki().end(), fLos);
        std::shuffle(fKolekcje.Przychody().begin(), fKolekcje.Przychody().end(), fLos);
    }
    TAnaliza& Analiza() { return fAnaliza; }

private:
    std::mt19937 fLos;
    TKolekcjeDanych fKolekcje;
    TAnaliza fAnaliza;
};

template <typename FZapytanie>
void Zmierz(benchmark::State& state, FZapytanie zapytanie)
{
    TDaneAnalizy dane(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        dane.Przetasuj();
        state.ResumeTiming();
        benchmark::DoNotOptimize(zapytanie(dane.Analiza()));
    }
    state.SetComplexityN(state.range(0));
}

void WydatkiWMiesiacu(benchmark::State& state)
{
    Zmierz(state, [](TAnaliza& a) { return a.WydatkiWMiesiacu(); });
}

void NajczesciejUzywaneKategorieWydatkow(benchmark::State& state)
{
    Zmierz(state, [](TAnaliza& a) { return a.NajczesciejUzywaneKategorieWydatkow(); });
}

void WydatkiDlaKategoriiWMiesiacu(benchmark::State& state)
{
    Zmierz(state, [](TAnaliza& a) { return a.WydatkiDlaKategoriiWMiesiacu(); });
}

void SrednieWydatkiNaDzien(benchmark::State& state)
{
    Zmierz(state, [](TAnaliza& a) { return a.SrednieWydatkiNaDzien(); });
}

// The sort WydatkiWMiesiacu must do first, for comparison with the statistics' own share.
void PosortujWydatkiPoDacieRosnaco(benchmark::State& state)
{
    Zmierz(state, [](TAnaliza& a) {
        a.Kolekcje()->PosortujWydatkiPoDacieRosnaco();
        return a.Kolekcje()->Wydatki().front().get();
    });
}

#define GROSIWO_BENCHMARK_ANALIZY(nazwa) \
    BENCHMARK(nazwa)->RangeMultiplier(2)->Range(12'500, 100'000)->Unit(benchmark::kMillisecond)->Complexity()

GROSIWO_BENCHMARK_ANALIZY(PosortujWydatkiPoDacieRosnaco);
GROSIWO_BENCHMARK_ANALIZY(WydatkiWMiesiacu);
GROSIWO_BENCHMARK_ANALIZY(NajczesciejUzywaneKategorieWydatkow);
GROSIWO_BENCHMARK_ANALIZY(WydatkiDlaKategoriiWMiesiacu);
GROSIWO_BENCHMARK_ANALIZY(SrednieWydatkiNaDzien);

}  // namespace
