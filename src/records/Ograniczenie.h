#pragma once
// A spending limit: the most to spend on one expense category per month and per year,
// for one calendar year. A maximum of 0 means no limit of that span.
#include <cstdint>

#include "common/DataCzas.h"
#include "records/WlasneTypyDanych.h"

class TOgraniczenie {
public:
    TOgraniczenie();
    // Id stays -1 and Data is the moment of creation.
    TOgraniczenie(int32_t aIdKategoriiWydatku, double aMaxMiesiac, double aMaxRok, uint16_t aRok,
                  TTypModyfikacji aModyfikacja);

    // Back to the defaults; Data becomes the current moment, the year the current one.
    void Clear();

    int32_t Id() const { return fId; }
    void SetId(int32_t v) { if (fId != v) fId = v; }
    int32_t IdKategoriiWydatku() const { return fIdKategoriiWydatku; }
    void SetIdKategoriiWydatku(int32_t v) { if (fIdKategoriiWydatku != v) fIdKategoriiWydatku = v; }
    double MaxMiesiac() const { return fMaxMiesiac; }
    void SetMaxMiesiac(double v) { if (fMaxMiesiac != v) fMaxMiesiac = v; }
    double MaxRok() const { return fMaxRok; }
    void SetMaxRok(double v) { if (fMaxRok != v) fMaxRok = v; }
    TDateTime Data() const { return fData; }
    void SetData(TDateTime v) { if (fData != v) fData = v; }
    TTypModyfikacji Zmiany() const { return fZmiany; }
    void SetZmiany(TTypModyfikacji v) { if (fZmiany != v) fZmiany = v; }
    // The calendar year the limit applies to.
    uint16_t RokOgraniczenia() const { return fRok; }
    void SetRokOgraniczenia(uint16_t v) { if (fRok != v) fRok = v; }

private:
    int32_t fId = -1;
    int32_t fIdKategoriiWydatku = -1;
    double fMaxMiesiac = 0;
    double fMaxRok = 0;
    TDateTime fData = 0;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
    uint16_t fRok = 0;
};
