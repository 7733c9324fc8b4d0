// Rewriting references to the temporary ids of new categories and persons once a save and a
// reload gave them their database ids.
#include <unordered_map>

#include "collections/KolekcjeDanych.h"
#include "database/ProjektDB.h"
#include "records/Oszczednosc.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"

namespace {

using TNoweId = std::unordered_map<int32_t, int32_t>;

// Temporary id -> database id, each description looked up once however many records use it.
TNoweId NoweId(const std::map<int32_t, std::string>& slownik, const TKolekcjeDanych& kolekcje, TTabele tabela)
{
    TNoweId noweId;
    for (const auto& [tymczasowe, opis] : slownik) {
        const int32_t id = kolekcje.PobierzIDKategoriiPoOpisie(opis, tabela);
        if (id != -1)
            noweId.emplace(tymczasowe, id);
    }
    return noweId;
}

template <typename T>
void Przepisz(T& rekord, const TNoweId& noweId, int32_t (T::*pobierz)() const, void (T::*ustaw)(int32_t))
{
    const auto it = noweId.find((rekord.*pobierz)());
    if (it != noweId.end())
        (rekord.*ustaw)(it->second);
}

}  // namespace

void TProjektDB::PoZapisaniuKategoriiUaktualnijNumeryIDKategoriiWKolekcjach(TTabele tabela)
{
    if (!fKolekcje)
        return;
    if (tabela != TTabele::Osoby && tabela != TTabele::Kategorie_Wydatki && tabela != TTabele::Kategorie_Przychody &&
        tabela != TTabele::Kategorie_Oszczednosci)
        return;
    const TKolekcjeDanych& k = *fKolekcje;
    const TNoweId wydatkow = NoweId(fZapisKategoriWydatkow, k, TTabele::Kategorie_Wydatki);
    const TNoweId przychodow = NoweId(fZapisKategoriPrzychodow, k, TTabele::Kategorie_Przychody);
    const TNoweId oszczednosci = NoweId(fZapisKategoriOszczednosci, k, TTabele::Kategorie_Oszczednosci);
    const TNoweId osob = NoweId(fZapisOsob, k, TTabele::Osoby);
    const auto zmieniony = [](const auto& r) { return r && r->Zmiany() != TTypModyfikacji::BezZmian; };

    for (const auto& w : fKolekcje->Wydatki()) {
        if (!zmieniony(w))
            continue;
        Przepisz(*w, wydatkow, &TWydatek::IdKategoriaWydatki, &TWydatek::SetIdKategoriaWydatki);
        Przepisz(*w, oszczednosci, &TWydatek::IdKategoriaOszczednosci, &TWydatek::SetIdKategoriaOszczednosci);
        Przepisz(*w, osob, &TWydatek::IdOsoba, &TWydatek::SetIdOsoba);
    }
    for (const auto& p : fKolekcje->Przychody()) {
        if (!zmieniony(p))
            continue;
        Przepisz(*p, przychodow, &TPrzychod::IdKategoriaPrzychody, &TPrzychod::SetIdKategoriaPrzychody);
        Przepisz(*p, oszczednosci, &TPrzychod::IdKategoriaOszczednosci, &TPrzychod::SetIdKategoriaOszczednosci);
        Przepisz(*p, osob, &TPrzychod::IdOsoba, &TPrzychod::SetIdOsoba);
    }
    for (const auto& o : fKolekcje->Oszczednosci())
        if (zmieniony(o))
            Przepisz(*o, oszczednosci, &TOszczednosc::IdKategoriaOszczednosci, &TOszczednosc::SetIdKategoriaOszczednosci);
    for (const auto& z : fKolekcje->ZleceniaStaleWydatki())
        if (zmieniony(z))
            Przepisz(*z, wydatkow, &TZlecenieStale::IdKategorii, &TZlecenieStale::SetIdKategorii);
    for (const auto& z : fKolekcje->ZleceniaStalePrzychody())
        if (zmieniony(z))
            Przepisz(*z, przychodow, &TZlecenieStale::IdKategorii, &TZlecenieStale::SetIdKategorii);
}
