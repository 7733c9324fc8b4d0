#include "records/Osoba.h"

#include <utility>

TOsoba::TOsoba()
{
    Clear();
}

TOsoba::TOsoba(int32_t aId, std::string aImie, std::string aNazwisko, std::string aPseudonim,
               std::string aAdres, std::string aTelefon, bool aUsuniety,
               TTypModyfikacji aModyfikacja, int32_t aWaga)
    : TOsoba()
{
    fId = aId;
    fImie = std::move(aImie);
    fNazwisko = std::move(aNazwisko);
    fPseudonim = std::move(aPseudonim);
    fAdres = std::move(aAdres);
    fTelefon = std::move(aTelefon);
    fUsuniety = aUsuniety;
    fZmiany = aModyfikacja;
    fWaga = static_cast<uint32_t>(aWaga);
}

void TOsoba::Clear()
{
    fId = -1;
    fImie.clear();
    fNazwisko.clear();
    fPseudonim.clear();
    fAdres.clear();
    fTelefon.clear();
    fWaga = 2147483647;
    fZmiany = TTypModyfikacji::BezZmian;
    fUsuniety = true;
}
