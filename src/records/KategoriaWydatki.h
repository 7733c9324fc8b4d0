#pragma once
// An expense category: what money is spent on.
// A hidden (Usuniety) category stays because older entries refer to it.
#include <cstdint>
#include <string>

#include "records/WlasneTypyDanych.h"

class TKategoriaWydatki {
public:
    TKategoriaWydatki();
    // The weight arrives signed, as the database reads it, and is kept unsigned.
    TKategoriaWydatki(int32_t aId, std::string aOpis, bool aUsuniety,
                      TTypModyfikacji aModyfikacja, int32_t aWaga);

    // Back to the defaults: no id, hidden, sorted after every weighted entry.
    void Clear();

    int32_t Id() const { return fId; }
    void SetId(int32_t v) { if (fId != v) fId = v; }
    const std::string& Opis() const { return fOpis; }
    void SetOpis(const std::string& v) { if (fOpis != v) fOpis = v; }
    bool Usuniety() const { return fUsuniety; }
    void SetUsuniety(bool v) { if (fUsuniety != v) fUsuniety = v; }
    uint32_t Waga() const { return fWaga; }
    void SetWaga(uint32_t v) { if (fWaga != v) fWaga = v; }
    TTypModyfikacji Zmiany() const { return fZmiany; }
    void SetZmiany(TTypModyfikacji v) { if (fZmiany != v) fZmiany = v; }

private:
    int32_t fId = -1;
    std::string fOpis;
    bool fUsuniety = true;
    uint32_t fWaga = 2147483647;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
