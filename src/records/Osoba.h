#pragma once
// A household member who spends or earns. A hidden (Usuniety) person stays because older
// entries refer to them.
#include <cstdint>
#include <string>

#include "records/WlasneTypyDanych.h"

class TOsoba {
public:
    TOsoba();
    // The weight arrives signed, as the database reads it, and is kept unsigned.
    TOsoba(int32_t aId, std::string aImie, std::string aNazwisko, std::string aPseudonim,
           std::string aAdres, std::string aTelefon, bool aUsuniety, TTypModyfikacji aModyfikacja,
           int32_t aWaga);

    // Back to the defaults: no id, empty texts, hidden, sorted after every weighted entry.
    void Clear();

    int32_t Id() const { return fId; }
    void SetId(int32_t v) { if (fId != v) fId = v; }
    const std::string& Imie() const { return fImie; }
    void SetImie(const std::string& v) { if (fImie != v) fImie = v; }
    const std::string& Nazwisko() const { return fNazwisko; }
    void SetNazwisko(const std::string& v) { if (fNazwisko != v) fNazwisko = v; }
    const std::string& Pseudonim() const { return fPseudonim; }
    void SetPseudonim(const std::string& v) { if (fPseudonim != v) fPseudonim = v; }
    const std::string& Adres() const { return fAdres; }
    void SetAdres(const std::string& v) { if (fAdres != v) fAdres = v; }
    const std::string& Telefon() const { return fTelefon; }
    void SetTelefon(const std::string& v) { if (fTelefon != v) fTelefon = v; }
    uint32_t Waga() const { return fWaga; }
    void SetWaga(uint32_t v) { if (fWaga != v) fWaga = v; }
    TTypModyfikacji Zmiany() const { return fZmiany; }
    void SetZmiany(TTypModyfikacji v) { if (fZmiany != v) fZmiany = v; }
    bool Usuniety() const { return fUsuniety; }
    void SetUsuniety(bool v) { if (fUsuniety != v) fUsuniety = v; }

private:
    int32_t fId = -1;
    std::string fImie;
    std::string fNazwisko;
    std::string fPseudonim;
    std::string fAdres;
    std::string fTelefon;
    uint32_t fWaga = 2147483647;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
    bool fUsuniety = true;
};
