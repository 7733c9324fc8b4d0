#pragma once
// A savings category: a place where money is held (an account, cash, a deposit, a debt).
// A hidden (Usuniety) category stays because older entries refer to it.
#include <cstdint>
#include <string>

#include "records/WlasneTypyDanych.h"

class TKategoriaOszczednosci {
public:
    TKategoriaOszczednosci();
    // The weight arrives signed, as the database reads it, and is kept unsigned.
    TKategoriaOszczednosci(int32_t id, std::string opis, bool usuniety, bool moznaZaplacic,
                           bool charakterDlugu, TTypModyfikacji modyfikacja, int32_t waga);

    // Back to the defaults: no id, hidden, not payable, no debt, sorted after every weighted entry.
    void Clear();

    int32_t Id() const { return fId; }
    void SetId(int32_t v) { if (fId != v) fId = v; }
    const std::string& Opis() const { return fOpis; }
    void SetOpis(const std::string& v) { if (fOpis != v) fOpis = v; }
    bool Usuniety() const { return fUsuniety; }
    void SetUsuniety(bool v) { if (fUsuniety != v) fUsuniety = v; }
    // Money held here may pay for expenses.
    bool MoznaZaplacic() const { return fMoznaZaplacic; }
    void SetMoznaZaplacic(bool v) { if (fMoznaZaplacic != v) fMoznaZaplacic = v; }
    // The category is a debt (stored in the column "Dlug").
    bool CharakterDlugu() const { return fCharakterDlugu; }
    void SetCharakterDlugu(bool v) { if (fCharakterDlugu != v) fCharakterDlugu = v; }
    uint32_t Waga() const { return fWaga; }
    void SetWaga(uint32_t v) { if (fWaga != v) fWaga = v; }
    TTypModyfikacji Zmiany() const { return fZmiany; }
    void SetZmiany(TTypModyfikacji v) { if (fZmiany != v) fZmiany = v; }

private:
    int32_t fId = -1;
    std::string fOpis;
    bool fUsuniety = true;
    bool fMoznaZaplacic = false;
    bool fCharakterDlugu = false;
    uint32_t fWaga = 2147483647;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
