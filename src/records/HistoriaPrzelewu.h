#pragma once
// One transfer of money from one savings category to another.
#include <cstdint>
#include <string>

#include "common/DataCzas.h"
#include "records/WlasneTypyDanych.h"

class THistoriaPrzelewu {
public:
    THistoriaPrzelewu(int32_t id, double ile, int32_t idKategoriaOszczednosciFROM,
                      int32_t idKategoriaOszczednosciTO, TDateTime data, std::string komentarz,
                      TTypModyfikacji modyfikacja);

    // Back to the defaults; Data becomes the current moment.
    void Clear();

    int32_t Id() const { return fId; }
    void SetId(int32_t v) { if (fId != v) fId = v; }
    double Ile() const { return fKwota; }
    void SetIle(double v) { if (fKwota != v) fKwota = v; }
    int32_t IdKategoriaOszczednosciFROM() const { return fIdKategoriaOszczednosciFROM; }
    void SetIdKategoriaOszczednosciFROM(int32_t v)
    {
        if (fIdKategoriaOszczednosciFROM != v) fIdKategoriaOszczednosciFROM = v;
    }
    int32_t IdKategoriaOszczednosciTO() const { return fIdKategoriaOszczednosciTO; }
    void SetIdKategoriaOszczednosciTO(int32_t v)
    {
        if (fIdKategoriaOszczednosciTO != v) fIdKategoriaOszczednosciTO = v;
    }
    TDateTime Data() const { return fData; }
    void SetData(TDateTime v) { if (fData != v) fData = v; }
    const std::string& Komentarz() const { return fKomentarz; }
    void SetKomentarz(const std::string& v) { if (fKomentarz != v) fKomentarz = v; }
    TTypModyfikacji Zmiany() const { return fZmiany; }
    void SetZmiany(TTypModyfikacji v) { if (fZmiany != v) fZmiany = v; }

    std::string Miesiac() const;

private:
    int32_t fId = -1;
    double fKwota = 0;
    int32_t fIdKategoriaOszczednosciFROM = -1;
    int32_t fIdKategoriaOszczednosciTO = -1;
    TDateTime fData = 0;
    std::string fKomentarz;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
