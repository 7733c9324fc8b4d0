// The sums in the plan grid's footer (TModelPlanow::Sumy: the listed expense and income plans
// walked once, summed by kind) against the limit of the same amounts summed into a hash map
// keyed by plan kind over the same listed plans. The sums are made again at every paint of
// the footer, so they must cost no more than the plainest keyed sum.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "collections/KolekcjeDanych.h"
#include "common/DataCzas.h"
#include "common/FunkcjeWspolne.h"
#include "planner/Filtr.h"
#include "planner/ModelPlanow.h"
#include "records/Plan.h"

namespace {

// ilosc plans over two years in due order, every fifth an income, every seventh executed:
// the listed ones are those the planner shows at its start (not executed, every kind).
class TListaPlanow {
public:
    explicit TListaPlanow(int ilosc)
    {
        UstawFormatyDanych();
        const TDateTime poczatek = KodujDate(2013, 1, 1);
        for (int i = 0; i < ilosc; ++i) {
            auto plan = std::make_unique<TPlan>(i, "Plan " + std::to_string(i), i % 20, 10.0 + (i % 997) * 1.25,
                                                poczatek + i * (730.0 / ilosc), "", TTypModyfikacji::BezZmian,
                                                i % 5 == 0 ? TTypPlanu::Przychod : TTypPlanu::Wydatek);
            plan->SetWykonany(i % 7 == 0);
            fKolekcje.Plany().push_back(std::move(plan));
        }
        fModel.Wypelnij(fKolekcje, TFiltr(), poczatek);
        for (int w = 0; w < fModel.IloscWierszy(); ++w)
            fWiersze.push_back(fModel.PlanWiersza(w));
    }
    const TModelPlanow& Model() const { return fModel; }
    const std::vector<const TPlan*>& Wiersze() const { return fWiersze; }

private:
    TKolekcjeDanych fKolekcje;
    TModelPlanow fModel;
    std::vector<const TPlan*> fWiersze;
};

void SumyStopkiPlanera(benchmark::State& stan)
{
    const TListaPlanow lista(static_cast<int>(stan.range(0)));
    for (auto _ : stan)
        benchmark::DoNotOptimize(lista.Model().Sumy());
    stan.SetItemsProcessed(stan.iterations() * static_cast<int64_t>(lista.Wiersze().size()));
}

void SumaWMapieHaszujacej(benchmark::State& stan)
{
    const TListaPlanow lista(static_cast<int>(stan.range(0)));
    for (auto _ : stan) {
        std::unordered_map<int, double> sumy;
        for (const TPlan* plan : lista.Wiersze())
            sumy[static_cast<int>(plan->TypPlanu())] += plan->Kwota();
        benchmark::DoNotOptimize(sumy);
    }
    stan.SetItemsProcessed(stan.iterations() * static_cast<int64_t>(lista.Wiersze().size()));
}

}  // namespace

BENCHMARK(SumaWMapieHaszujacej)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(SumyStopkiPlanera)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
