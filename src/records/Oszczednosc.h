#pragma once
// One savings entry: the amount currently held in one savings category. The entry that
// mirrors the bank deposits' total is computed, never stored, and therefore read-only.
#include <cstdint>
#include <string>

#include "common/DataCzas.h"
#include "records/WlasneTypyDanych.h"

class TOszczednosc {
public:
    TOszczednosc();
    // Leaves WagaIdKatOszczednosci at 0 and OszczednoscZTabeliLokaty false.
    TOszczednosc(int32_t id, int32_t idKategoriaOszczednosci, double ile, TDateTime data,
                 std::string komentarz, uint8_t typOszczednosci, TTypModyfikacji modyfikacja);

    // Back to the defaults (WagaIdKatOszczednosci excepted); Data becomes the current moment.
    void Clear();

    int32_t Id() const { return fId; }
    void SetId(int32_t v) { if (fId != v) fId = v; }
    int32_t IdKategoriaOszczednosci() const { return fIdKategoriaOszczednosci; }
    void SetIdKategoriaOszczednosci(int32_t v)
    {
        if (fIdKategoriaOszczednosci != v) fIdKategoriaOszczednosci = v;
    }
    double Ile() const { return fIle_; }
    void SetIle(double v) { if (fIle_ != v) fIle_ = v; }
    TDateTime Data() const { return fData; }
    void SetData(TDateTime v) { if (fData != v) fData = v; }
    const std::string& Komentarz() const { return fKomentarz; }
    void SetKomentarz(const std::string& v) { if (fKomentarz != v) fKomentarz = v; }
    // The savings category's weight, copied when the entry is loaded; the sort key.
    uint32_t WagaIdKatOszczednosci() const { return fWagaIdKatOszczednosci; }
    void SetWagaIdKatOszczednosci(uint32_t v) { fWagaIdKatOszczednosci = v; }
    // True for the computed total of the bank deposits.
    bool OszczednoscZTabeliLokaty() const { return fOszczednoscZTabeliLokaty; }
    void SetOszczednoscZTabeliLokaty(bool v) { fOszczednoscZTabeliLokaty = v; }
    // 1 or 2 as stored; set only by the constructor with values (and thus by loading).
    uint8_t TypOszczednosci() const { return fTypOszczednosci; }
    // A read-only entry always reports BezZmian, so no save ever writes or deletes it;
    // the stored state is kept and shows again once the entry stops being read-only.
    TTypModyfikacji Zmiany() const { return IsReadOnly() ? TTypModyfikacji::BezZmian : fZmiany; }
    void SetZmiany(TTypModyfikacji v) { fZmiany = v; }

    std::string Miesiac() const;
    uint16_t Rok() const;
    bool IsReadOnly() const { return fOszczednoscZTabeliLokaty; }

private:
    int32_t fId = -1;
    int32_t fIdKategoriaOszczednosci = -1;
    double fIle_ = 0;
    TDateTime fData = 0;
    std::string fKomentarz;
    uint32_t fWagaIdKatOszczednosci = 0;
    bool fOszczednoscZTabeliLokaty = false;
    uint8_t fTypOszczednosci = 1;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
