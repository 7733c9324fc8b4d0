// Category maintenance: one attribute changed in memory, for the next save to write.
#include <algorithm>

#include "collections/KolekcjeDanych.h"
#include "database/ProjektDB.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Osoba.h"
#include "records/ZlecenieStale.h"

namespace {

// Changes the first record with the id; a new record stays new so that it is still inserted,
// and a record marked for deletion is kept after all.
template <typename T, typename Zmiana>
void ZmienRekord(TListaRekordow<T>& lista, int32_t id, Zmiana zmiana)
{
    const auto it = std::find_if(lista.begin(), lista.end(), [id](const auto& r) { return r && r->Id() == id; });
    if (it == lista.end())
        return;
    T& rekord = **it;
    zmiana(rekord);
    if (rekord.Zmiany() != TTypModyfikacji::Dodano)
        rekord.SetZmiany(TTypModyfikacji::Zmieniono);
}

}  // namespace

void TProjektDB::ZmienWidocznoscKategorii(int32_t id, TTabele tabela, bool nowaWidocznosc)
{
    if (!fKolekcje)
        return;
    const auto ukryj = [nowaWidocznosc](auto& r) { r.SetUsuniety(nowaWidocznosc); };
    const auto aktywuj = [nowaWidocznosc](TZlecenieStale& z) { z.SetAktywne(nowaWidocznosc); };
    switch (tabela) {
    case TTabele::Osoby:
        ZmienRekord(fKolekcje->Osoby(), id, ukryj);
        break;
    case TTabele::Kategorie_Wydatki:
        ZmienRekord(fKolekcje->KategorieWydatki(), id, ukryj);
        break;
    case TTabele::Kategorie_Przychody:
        ZmienRekord(fKolekcje->KategoriePrzychody(), id, ukryj);
        break;
    case TTabele::Kategorie_Oszczednosci:
        ZmienRekord(fKolekcje->KategorieOszczednosci(), id, ukryj);
        break;
    case TTabele::ZleceniaStaleWydatki:
        ZmienRekord(fKolekcje->ZleceniaStaleWydatki(), id, aktywuj);
        break;
    case TTabele::ZleceniaStalePrzychody:
        ZmienRekord(fKolekcje->ZleceniaStalePrzychody(), id, aktywuj);
        break;
    default:
        break;
    }
}

void TProjektDB::ZmienOpisKategorii(int32_t id, TTabele tabela, const std::string& nowyOpis)
{
    if (!fKolekcje)
        return;
    const auto opisz = [&nowyOpis](auto& k) { k.SetOpis(nowyOpis); };
    switch (tabela) {
    case TTabele::Kategorie_Wydatki:
        ZmienRekord(fKolekcje->KategorieWydatki(), id, opisz);
        break;
    case TTabele::Kategorie_Przychody:
        ZmienRekord(fKolekcje->KategoriePrzychody(), id, opisz);
        break;
    case TTabele::Kategorie_Oszczednosci:
        ZmienRekord(fKolekcje->KategorieOszczednosci(), id, opisz);
        break;
    default:
        break;
    }
}

void TProjektDB::ZmienMozliwoscZaplatyKategorii(int32_t id, TTabele tabela, bool nowaMozliwoscZaplaty)
{
    if (!fKolekcje || tabela != TTabele::Kategorie_Oszczednosci)
        return;
    ZmienRekord(fKolekcje->KategorieOszczednosci(), id,
                [nowaMozliwoscZaplaty](TKategoriaOszczednosci& k) { k.SetMoznaZaplacic(nowaMozliwoscZaplaty); });
}

void TProjektDB::ZmienCharakterDluguKategoriiOszczednosci(int32_t idKategorii, bool charakterDlugu)
{
    if (!fKolekcje)
        return;
    ZmienRekord(fKolekcje->KategorieOszczednosci(), idKategorii,
                [charakterDlugu](TKategoriaOszczednosci& k) { k.SetCharakterDlugu(charakterDlugu); });
}
