#pragma once
// A fixture for the statistics: collections filled in memory under a fixed clock
// (Friday 17 May 2013, 12:00) and the month names set.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "collections/KolekcjeDanych.h"
#include "common/FunkcjeWspolne.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "statistics/Analiza.h"
#include "support/TestPlatforma.h"

class DaneAnalizy : public testing::Test {
protected:
    static constexpr int32_t BrakId = -1;

    void SetUp() override { UstawFormatyDanych(); }

    TWydatek& Wydatek(TDateTime data, double ile, int32_t idKategorii = 1, int32_t idOszczednosci = 1,
                      int32_t idOsoby = BrakId, TTypModyfikacji zmiany = TTypModyfikacji::BezZmian)
    {
        k.Wydatki().push_back(std::make_unique<TWydatek>(++fOstatnieId, idKategorii, ile, idOszczednosci,
                                                         data, idOsoby, "", zmiany, "", false));
        return *k.Wydatki().back();
    }
    TPrzychod& Przychod(TDateTime data, double ile, int32_t idKategorii = 1, int32_t idOszczednosci = 1)
    {
        k.Przychody().push_back(std::make_unique<TPrzychod>(++fOstatnieId, idKategorii, ile, idOszczednosci,
                                                            data, BrakId, "", TTypModyfikacji::BezZmian, false));
        return *k.Przychody().back();
    }
    template <typename T>
    static std::vector<int32_t> Idy(const TListaRekordow<T>& lista)
    {
        std::vector<int32_t> idy;
        for (const auto& rekord : lista)
            idy.push_back(rekord->Id());
        return idy;
    }

    TUstawionyZegar zegar{KodujDateCzas(2013, 5, 17, 12, 0)};
    TKolekcjeDanych k;
    TAnaliza analiza{&k};
    TAnaliza bezKolekcji{nullptr};

private:
    int32_t fOstatnieId = 0;
};
