#pragma once
// One income: money earned in an income category, paid into a savings category.
#include <cstdint>
#include <string>

#include "common/DataCzas.h"
#include "records/WlasneTypyDanych.h"

class TPrzychod {
public:
    TPrzychod();
    TPrzychod(int32_t aId, int32_t aIdKategoriaPrzychody, double aIle,
              int32_t aIdKategoriaOszczednosci, TDateTime aData, int32_t aIdOsoba,
              std::string aOpis, TTypModyfikacji aModyfikacja, bool aZlecenieStale);

    // Back to the defaults; Data becomes the current moment.
    void Clear();

    int32_t Id() const { return fId; }
    void SetId(int32_t v) { if (fId != v) fId = v; }
    int32_t IdKategoriaPrzychody() const { return fIdKategoriaPrzychody; }
    void SetIdKategoriaPrzychody(int32_t v)
    {
        if (fIdKategoriaPrzychody != v) fIdKategoriaPrzychody = v;
    }
    double Ile() const { return fIle_; }
    void SetIle(double v) { if (fIle_ != v) fIle_ = v; }
    int32_t IdKategoriaOszczednosci() const { return fIdKategoriaOszczednosci; }
    void SetIdKategoriaOszczednosci(int32_t v)
    {
        if (fIdKategoriaOszczednosci != v) fIdKategoriaOszczednosci = v;
    }
    TDateTime Data() const { return fData; }
    void SetData(TDateTime v) { if (fData != v) fData = v; }
    int32_t IdOsoba() const { return fIdOsoba; }
    void SetIdOsoba(int32_t v) { if (fIdOsoba != v) fIdOsoba = v; }
    const std::string& Komentarz() const { return fKomentarz; }
    void SetKomentarz(const std::string& v) { if (fKomentarz != v) fKomentarz = v; }
    // Created by executing a standing order.
    bool ZlecenieStale() const { return fZlecenieStale; }
    void SetZlecenieStale(bool v) { if (fZlecenieStale != v) fZlecenieStale = v; }
    TTypModyfikacji Zmiany() const { return fZmiany; }
    void SetZmiany(TTypModyfikacji v) { if (fZmiany != v) fZmiany = v; }

    std::string Miesiac() const;
    uint16_t Rok() const;

private:
    int32_t fId = -1;
    int32_t fIdKategoriaPrzychody = -1;
    double fIle_ = 0;
    int32_t fIdKategoriaOszczednosci = -1;
    TDateTime fData = 0;
    int32_t fIdOsoba = -1;
    std::string fKomentarz;
    bool fZlecenieStale = false;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
