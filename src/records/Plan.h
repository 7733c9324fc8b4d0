#pragma once
// One planned payment: a future expense or income, one row of the plans table.
#include <cstdint>
#include <string>

#include "common/DataCzas.h"
#include "records/WlasneTypyDanych.h"

class TPlan {
public:
    TPlan();
    TPlan(int32_t id, std::string nazwa, int32_t idKategorii, double kwota, TDateTime data,
          std::string komentarz, TTypModyfikacji zmiany, TTypPlanu typPlanu);

    // Back to the defaults; Data becomes the current moment.
    void Clear();

    int32_t Id() const { return fId; }
    void SetId(int32_t v) { if (fId != v) fId = v; }
    const std::string& Nazwa() const { return fNazwa; }
    void SetNazwa(const std::string& v) { if (fNazwa != v) fNazwa = v; }
    double Kwota() const { return fKwota; }
    void SetKwota(double v) { if (fKwota != v) fKwota = v; }
    int32_t IdKategorii() const { return fIdKategorii; }
    void SetIdKategorii(int32_t v) { if (fIdKategorii != v) fIdKategorii = v; }
    bool Wykonany() const { return fWykonany; }
    void SetWykonany(bool v) { if (fWykonany != v) fWykonany = v; }
    bool DodanyDoKolekcji() const { return fDodanyDoKolekcji; }
    void SetDodanyDoKolekcji(bool v) { if (fDodanyDoKolekcji != v) fDodanyDoKolekcji = v; }
    TTypPlanu TypPlanu() const { return fTypPlanu; }
    void SetTypPlanu(TTypPlanu v) { if (fTypPlanu != v) fTypPlanu = v; }
    TDateTime Data() const { return fData; }
    void SetData(TDateTime v) { if (fData != v) fData = v; }
    const std::string& Komentarz() const { return fKomentarz; }
    void SetKomentarz(const std::string& v) { if (fKomentarz != v) fKomentarz = v; }
    TTypModyfikacji Zmiany() const { return fZmiany; }
    void SetZmiany(TTypModyfikacji v) { if (fZmiany != v) fZmiany = v; }

    // Derived values; those that depend on "now" read the installed clock.
    std::string TypPlanuStr() const;
    std::string Miesiac() const;
    uint16_t Rok() const;
    TStanRealizacji StanRealizacji() const;
    double IloscDniDoWykonania() const;
    int32_t IdGrupy() const;

private:
    // What a filter walk and the footer sums read of every plan comes first, so that a walk
    // over many plans touches one cache line of each, not two.
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
    TTypPlanu fTypPlanu = TTypPlanu::Nieokreslony;
    bool fWykonany = false;
    bool fDodanyDoKolekcji = false;
    int32_t fId = -1;
    int32_t fIdKategorii = -1;
    double fKwota = 0;
    TDateTime fData = 0;
    std::string fNazwa;
    std::string fKomentarz;
};
