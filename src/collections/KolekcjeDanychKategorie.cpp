// Category, person, standing-order, spending-limit and deposit-offer lookups.
#include <exception>

#include "collections/KolekcjeDanych.h"
#include "collections/ZapytaniaWspolne.h"
#include "common/Wyjatki.h"
#include "records/HarmonogramLokatyBankowej.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Lokata.h"
#include "records/Ograniczenie.h"
#include "records/Osoba.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/ZlecenieStale.h"

using namespace zapytania;

namespace {

std::string PelneImie(const TOsoba& osoba)
{
    return osoba.Imie() + " " + osoba.Nazwisko();
}

template <typename T>
int32_t IdPoOpisie(const TListaRekordow<T>& lista, const std::string& opis)
{
    const T* r = Pierwszy(lista, [&](const T& k) { return TekstyRowne(k.Opis(), opis); });
    return r ? r->Id() : -1;
}

template <typename T>
uint32_t WagaPoId(const TListaRekordow<T>& lista, int32_t id)
{
    const T* r = PierwszyZId(lista, id);
    return r ? r->Waga() : 0;
}

template <typename T>
TIntegerList WszystkieId(const TListaRekordow<T>& lista)
{
    TIntegerList wynik;
    for (const auto& r : lista)
        wynik.Add(r->Id());
    return wynik;
}

template <typename T>
int32_t IdPierwszego(const TListaRekordow<T>& lista)
{
    return lista.empty() ? -1 : lista.front()->Id();
}

// Walks a list for the pick list: records marked Usunieto and the skipped id stay out;
// pominiete decides about the rest.
template <typename T, typename Pomin, typename Tekst>
void DodajOpisy(const TListaRekordow<T>& lista, int32_t pomijaneID, Pomin pominiete, Tekst tekst,
                TListaBezPowtorzen& wynik)
{
    for (const auto& r : lista) {
        if (r->Zmiany() == TTypModyfikacji::Usunieto || (pomijaneID != -1 && r->Id() == pomijaneID) ||
            pominiete(*r))
            continue;
        wynik.Dodaj(tekst(*r));
    }
}

template <typename T>
void OznaczWszystkieUsuniete(TListaRekordow<T>& lista)
{
    for (auto& r : lista)
        r->SetZmiany(TTypModyfikacji::Usunieto);
}

// The first category stays, as a change; a category not yet stored stays Dodano, or its
// row would never be inserted.
template <typename T>
void PozostawPierwsza(TListaRekordow<T>& lista)
{
    if (lista.empty())
        return;
    const bool dodana = lista.front()->Zmiany() == TTypModyfikacji::Dodano;
    OznaczWszystkieUsuniete(lista);
    lista.front()->SetZmiany(dodana ? TTypModyfikacji::Dodano : TTypModyfikacji::Zmieniono);
}

// Both const and non-const lookups hand out the container's own record.
TOgraniczenie* OgraniczenieDla(const TKolekcjeDanych& kolekcje, int32_t idKategoriiWydatku, uint16_t rok)
{
    return Pierwszy(kolekcje.Ograniczenia(), [&](const TOgraniczenie& o) {
        return o.IdKategoriiWydatku() == idKategoriiWydatku && o.RokOgraniczenia() == rok;
    });
}

TOgraniczenie* OgraniczenieDlaOpisu(const TKolekcjeDanych& kolekcje, const std::string& kategoriaWydatku,
                                    uint16_t rok)
{
    if (kolekcje.Ograniczenia().empty() || kolekcje.KategorieWydatki().empty())
        return nullptr;
    const int32_t id = kolekcje.PobierzIDKategoriiPoOpisie(kategoriaWydatku, TTabele::Kategorie_Wydatki);
    // An unknown description must not find the limits whose category was never set (-1).
    if (id == -1)
        return nullptr;
    return OgraniczenieDla(kolekcje, id, rok);
}

THarmonogramLokatyBankowej* HarmonogramPoNazwie(const TListaRekordow<THarmonogramLokatyBankowej>& lista,
                                                const std::string& bankNazwaOprocentowanie)
{
    return Pierwszy(lista, [&](const THarmonogramLokatyBankowej& h) {
        return TekstyRowneBezWielkosciLiter(h.BankNazwaOprocentowanie(), bankNazwaOprocentowanie);
    });
}

THarmonogramLokatyBankowej* HarmonogramPoId(const TListaRekordow<THarmonogramLokatyBankowej>& lista,
                                            int32_t id)
{
    return id == -1 ? nullptr : PierwszyZId(lista, id);
}

}  // namespace

std::string TKolekcjeDanych::PobierzOpisKategoriiPoID(int32_t id, TTabele tabela) const
{
    switch (tabela) {
    case TTabele::Osoby:
        if (const TOsoba* o = PierwszyZId(fOsoby, id))
            return PelneImie(*o);
        break;
    case TTabele::Kategorie_Wydatki:
        if (const auto* k = PierwszyZId(fKategorieWydatki, id))
            return k->Opis();
        break;
    case TTabele::Kategorie_Przychody:
        if (const auto* k = PierwszyZId(fKategoriePrzychody, id))
            return k->Opis();
        break;
    case TTabele::Kategorie_Oszczednosci:
        if (id == IdKategoriiLokat)
            return "Lokaty";
        if (const auto* k = PierwszyZId(fKategorieOszczednosci, id))
            return k->Opis();
        break;
    case TTabele::ZleceniaStaleWydatki:
        if (const auto* z = PierwszyZId(fZleceniaStaleWydatki, id))
            return z->Nazwa();
        break;
    case TTabele::ZleceniaStalePrzychody:
        if (const auto* z = PierwszyZId(fZleceniaStalePrzychody, id))
            return z->Nazwa();
        break;
    case TTabele::HarmonogramyLokatBankowych:
        if (const auto* h = PierwszyZId(fHarmonogramyLokatBankowych, id))
            return h->BankNazwaOprocentowanie();
        break;
    default:
        break;
    }
    return {};
}

int32_t TKolekcjeDanych::PobierzIDKategoriiPoOpisie(const std::string& opis, TTabele tabela) const
{
    switch (tabela) {
    case TTabele::Osoby: {
        const TOsoba* o = Pierwszy(fOsoby, [&](const TOsoba& os) {
            return TekstyRowneBezWielkosciLiter(PelneImie(os), opis);
        });
        return o ? o->Id() : -1;
    }
    case TTabele::Kategorie_Wydatki:
        return IdPoOpisie(fKategorieWydatki, opis);
    case TTabele::Kategorie_Przychody:
        return IdPoOpisie(fKategoriePrzychody, opis);
    case TTabele::Kategorie_Oszczednosci:
        return IdPoOpisie(fKategorieOszczednosci, opis);
    case TTabele::HarmonogramyLokatBankowych: {
        const auto* h = Pierwszy(fHarmonogramyLokatBankowych, [&](const THarmonogramLokatyBankowej& o) {
            return TekstyRowne(o.BankNazwaOprocentowanie(), opis);
        });
        return h ? h->Id() : -1;
    }
    default:
        return -1;
    }
}

TStringList TKolekcjeDanych::PobierzOpisyKategorii(TTabele tabela, bool filtrWidocznosci,
                                                   bool filtrMoznaZaplacic, int32_t pomijaneID)
{
    switch (tabela) {
    case TTabele::Wydatki:
    case TTabele::Przychody:
        throw EGrosiwoException(
            "Nie można pobrać opisów wydatków, przychodów i oszczędności. Pobiera się opisy kategorii "
            "powiązanych z każdą z tych tabel. Jeżeli chodzi o oszczędności to pobiera się tablicę "
            "oszczędności z kwotami.");
    case TTabele::Oszczednosci:
        return PobierzOpisyOszczednosci(filtrMoznaZaplacic);
    default:
        break;
    }

    const auto ukryta = [filtrWidocznosci](const auto& r) { return filtrWidocznosci && r.Usuniety(); };
    const auto nigdy = [](const auto&) { return false; };
    const auto opis = [](const auto& r) { return r.Opis(); };
    const auto nazwa = [](const auto& r) { return r.Nazwa(); };
    TListaBezPowtorzen wynik;
    // A failure on the way leaves the editor with an empty list rather than no editor.
    try {
        switch (tabela) {
        case TTabele::Osoby:
            PosortujOsoby();
            DodajOpisy(fOsoby, pomijaneID, ukryta, PelneImie, wynik);
            break;
        case TTabele::Kategorie_Wydatki:
            PosortujKategorieWydatkow();
            DodajOpisy(fKategorieWydatki, pomijaneID, ukryta, opis, wynik);
            break;
        case TTabele::Kategorie_Przychody:
            PosortujKategoriePrzychodow();
            DodajOpisy(fKategoriePrzychody, pomijaneID, ukryta, opis, wynik);
            break;
        case TTabele::Kategorie_Oszczednosci:
            PosortujKategorieOszczednosci();
            DodajOpisy(
                fKategorieOszczednosci, pomijaneID,
                [&](const TKategoriaOszczednosci& k) {
                    return (filtrWidocznosci && k.Usuniety()) || (filtrMoznaZaplacic && !k.MoznaZaplacic());
                },
                opis, wynik);
            break;
        case TTabele::ZleceniaStaleWydatki:
            DodajOpisy(fZleceniaStaleWydatki, pomijaneID, nigdy, nazwa, wynik);
            break;
        case TTabele::ZleceniaStalePrzychody:
            DodajOpisy(fZleceniaStalePrzychody, pomijaneID, nigdy, nazwa, wynik);
            break;
        case TTabele::Plany:
            DodajOpisy(fPlany, pomijaneID, nigdy, nazwa, wynik);
            break;
        case TTabele::Lokaty:
            DodajOpisy(fLokaty, pomijaneID, nigdy, nazwa, wynik);
            break;
        case TTabele::HarmonogramyLokatBankowych:
            PosortujHarmonogramy();
            DodajOpisy(
                fHarmonogramyLokatBankowych, pomijaneID, nigdy,
                [](const THarmonogramLokatyBankowej& h) { return h.BankNazwaOprocentowanie(); }, wynik);
            break;
        default:
            break;
        }
    } catch (const std::exception&) {
        return {};
    }
    return std::move(wynik).Wynik();
}

TIntegerList TKolekcjeDanych::PobierzListeIDKategorii(TTabele kategoria, bool filtrujMozliwoscZaplaty) const
{
    switch (kategoria) {
    case TTabele::Oszczednosci:
        return WszystkieId(fOszczednosci);
    case TTabele::Osoby:
        return WszystkieId(fOsoby);
    case TTabele::Kategorie_Wydatki:
        return WszystkieId(fKategorieWydatki);
    case TTabele::Kategorie_Przychody:
        return WszystkieId(fKategoriePrzychody);
    case TTabele::Kategorie_Oszczednosci: {
        TIntegerList wynik;
        for (const auto& k : fKategorieOszczednosci)
            if (!filtrujMozliwoscZaplaty || k->MoznaZaplacic())
                wynik.Add(k->Id());
        return wynik;
    }
    default:
        return {};
    }
}

uint32_t TKolekcjeDanych::PobierzWageKategoriiPoID(int32_t id, TTabele tabela) const
{
    switch (tabela) {
    case TTabele::Osoby:
        return WagaPoId(fOsoby, id);
    case TTabele::Kategorie_Wydatki:
        return WagaPoId(fKategorieWydatki, id);
    case TTabele::Kategorie_Przychody:
        return WagaPoId(fKategoriePrzychody, id);
    case TTabele::Kategorie_Oszczednosci:
        return WagaPoId(fKategorieOszczednosci, id);
    default:
        return 0;
    }
}

int32_t TKolekcjeDanych::PobierzDomyslneIDKategorii(TTabele kategoria)
{
    switch (kategoria) {
    case TTabele::Osoby:
        PosortujOsoby();
        return IdPierwszego(fOsoby);
    case TTabele::Kategorie_Wydatki:
        PosortujKategorieWydatkow();
        return IdPierwszego(fKategorieWydatki);
    case TTabele::Kategorie_Przychody:
        PosortujKategoriePrzychodow();
        return IdPierwszego(fKategoriePrzychody);
    case TTabele::Kategorie_Oszczednosci:
        PosortujKategorieOszczednosci();
        return IdPierwszego(fKategorieOszczednosci);
    default:
        return -1;
    }
}

int32_t TKolekcjeDanych::PobierzIDKatOszczednosciDlaOszczednosci(int32_t idOszczednosci) const
{
    const TOszczednosc* o = PierwszyZId(fOszczednosci, idOszczednosci);
    return o ? o->IdKategoriaOszczednosci() : -1;
}

void TKolekcjeDanych::ZmienStatusWszystkimKategoriomNaUsuniety(TTabele kategorie)
{
    switch (kategorie) {
    case TTabele::Kategorie_Wydatki:
        OznaczWszystkieUsuniete(fKategorieWydatki);
        break;
    case TTabele::Kategorie_Przychody:
        OznaczWszystkieUsuniete(fKategoriePrzychody);
        break;
    case TTabele::Kategorie_Oszczednosci:
        OznaczWszystkieUsuniete(fKategorieOszczednosci);
        break;
    default:
        break;
    }
}

void TKolekcjeDanych::PozostawTylkoJednaDostepnaKategorieWKolekcji(TTabele kolekcja)
{
    switch (kolekcja) {
    case TTabele::Kategorie_Wydatki:
        PozostawPierwsza(fKategorieWydatki);
        break;
    case TTabele::Kategorie_Przychody:
        PozostawPierwsza(fKategoriePrzychody);
        break;
    case TTabele::Kategorie_Oszczednosci:
        PozostawPierwsza(fKategorieOszczednosci);
        break;
    default:
        break;
    }
}

TOgraniczenie* TKolekcjeDanych::PobierzOgraniczenieDlaIDKategoriiWydatku(int32_t idKategoriiWydatku,
                                                                         uint16_t rok)
{
    return OgraniczenieDla(*this, idKategoriiWydatku, rok);
}

const TOgraniczenie* TKolekcjeDanych::PobierzOgraniczenieDlaIDKategoriiWydatku(int32_t idKategoriiWydatku,
                                                                               uint16_t rok) const
{
    return OgraniczenieDla(*this, idKategoriiWydatku, rok);
}

TOgraniczenie* TKolekcjeDanych::PobierzOgraniczenieDlaKategoriiWydatku(const std::string& kategoriaWydatku,
                                                                       uint16_t rok)
{
    return OgraniczenieDlaOpisu(*this, kategoriaWydatku, rok);
}

const TOgraniczenie* TKolekcjeDanych::PobierzOgraniczenieDlaKategoriiWydatku(
    const std::string& kategoriaWydatku, uint16_t rok) const
{
    return OgraniczenieDlaOpisu(*this, kategoriaWydatku, rok);
}

THarmonogramLokatyBankowej* TKolekcjeDanych::PobierzHarmonogramLokatyBankowejDlaID(int32_t id)
{
    return HarmonogramPoId(fHarmonogramyLokatBankowych, id);
}

const THarmonogramLokatyBankowej* TKolekcjeDanych::PobierzHarmonogramLokatyBankowejDlaID(int32_t id) const
{
    return HarmonogramPoId(fHarmonogramyLokatBankowych, id);
}

THarmonogramLokatyBankowej* TKolekcjeDanych::PobierzHarmonogramLokatyBankowejDlaBanikINazwa(
    const std::string& bankNazwaOprocentowanie)
{
    return HarmonogramPoNazwie(fHarmonogramyLokatBankowych, bankNazwaOprocentowanie);
}

const THarmonogramLokatyBankowej* TKolekcjeDanych::PobierzHarmonogramLokatyBankowejDlaBanikINazwa(
    const std::string& bankNazwaOprocentowanie) const
{
    return HarmonogramPoNazwie(fHarmonogramyLokatBankowych, bankNazwaOprocentowanie);
}

bool TKolekcjeDanych::HarmonogramLokatyBankowejJestWUzyciu(int32_t idHarmonogramLokatyBankowej) const
{
    if (idHarmonogramLokatyBankowej == -1)
        return false;
    return Pierwszy(fLokaty, [&](const TLokata& l) {
               return l.IdHarmonogramLokaty() == idHarmonogramLokatyBankowej;
           }) != nullptr;
}

bool TKolekcjeDanych::HarmonogramyLokatBankowychSaZapisane() const
{
    return Pierwszy(fHarmonogramyLokatBankowych, [](const THarmonogramLokatyBankowej& h) {
               return h.Id() == -1 || h.Zmiany() == TTypModyfikacji::Dodano;
           }) == nullptr;
}
