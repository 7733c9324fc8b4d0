#pragma once
// Applies a TFiltr to the plans of one rebuild of the list. Made for a single pass over the
// plans: the clock is read once, so every plan is judged against the same moment, and the
// month comparison (a locale-aware, case-blind text comparison of month keys) is made once
// per calendar month met, not once per plan; plans come in date order, so most of them fall
// into the month of the plan before and cost two comparisons.
#include <cstdint>
#include <unordered_map>

#include "common/DataCzas.h"
#include "planner/Filtr.h"

class TPlan;

// The realisation state of a plan at the moment teraz (TPlan::StanRealizacji at that moment).
TStanRealizacji StanRealizacjiWChwili(const TPlan& plan, TDateTime teraz);

class TDopasowanieFiltra {
public:
    TDopasowanieFiltra(const TFiltr& filtr, TDateTime teraz);

    // The plan is listed: not deleted, and of the filter's month, kind and state.
    bool Pasuje(const TPlan& plan);

private:
    bool MiesiacPasuje(TDateTime data);

    TFiltr fFiltr;
    TDateTime fTeraz;
    bool fWszystkieMiesiace;
    // Year * 12 + month - 1 -> whether that month's key equals the filter's.
    std::unordered_map<int32_t, bool> fMiesiace;
    // The calendar month of the last plan judged: [poczatek, koniec) and its verdict.
    TDateTime fPoczatekMiesiaca = 1;
    TDateTime fKoniecMiesiaca = 0;
    bool fMiesiacPasuje = false;
};
