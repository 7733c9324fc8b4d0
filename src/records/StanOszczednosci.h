#pragma once
// A dated snapshot of the household's total savings.
#include <cstdint>
#include <string>

#include "common/DataCzas.h"
#include "records/WlasneTypyDanych.h"

class TStanOszczednosci {
public:
    TStanOszczednosci(int32_t aId, double aStan, TDateTime aData, TTypModyfikacji aModyfikacja);

    // Back to the defaults; Data becomes the current moment.
    void Clear();

    int32_t Id() const { return fId; }
    void SetId(int32_t v) { if (fId != v) fId = v; }
    double Stan() const { return fStan; }
    void SetStan(double v) { if (fStan != v) fStan = v; }
    TDateTime Data() const { return fData; }
    void SetData(TDateTime v) { if (fData != v) fData = v; }
    TTypModyfikacji Zmiany() const { return fZmiany; }
    void SetZmiany(TTypModyfikacji v) { if (fZmiany != v) fZmiany = v; }

    std::string Miesiac() const;

private:
    int32_t fId = -1;
    double fStan = 0;
    TDateTime fData = 0;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
