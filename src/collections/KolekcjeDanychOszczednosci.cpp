// Savings amounts: payment sources, debt-like categories, the sign and the effect of a
// money movement, and the savings table with its amounts.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

#include "collections/IndeksId.h"
#include "collections/KolekcjeDanych.h"
#include "collections/ZapytaniaWspolne.h"
#include "common/DaneRegionalne.h"
#include "common/Platforma.h"
#include "common/Wyjatki.h"
#include "records/KategoriaOszczednosci.h"
#include "records/Oszczednosc.h"

using namespace zapytania;

namespace {

using TIndeksKategorii = TIndeksId<const TKategoriaOszczednosci>;

bool MoznaZaplacicZKategorii(const TIndeksKategorii& kategorie, int32_t idKategorii)
{
    const TKategoriaOszczednosci* k = kategorie.Znajdz(idKategorii);
    return k && k->MoznaZaplacic();
}

std::string OpisKategorii(const TIndeksKategorii& kategorie, int32_t idKategorii)
{
    if (idKategorii == IdKategoriiLokat)
        return "Lokaty";
    const TKategoriaOszczednosci* k = kategorie.Znajdz(idKategorii);
    return k ? k->Opis() : std::string();
}

// Fixed notation, two decimals, the common decimal separator, no digit grouping: 1234,50.
// std::to_chars does not depend on the C locale, which the Qt layer sets.
std::string KwotaWTablicy(double kwota)
{
    char bufor[400];  // the longest finite double in this form needs 313 characters
    const auto [koniec, blad] =
        std::to_chars(bufor, bufor + sizeof bufor, kwota, std::chars_format::fixed, 2);
    if (blad != std::errc())
        throw EGrosiwoException("Nie można zapisać kwoty oszczędności jako tekstu");
    std::string tekst(bufor, koniec);
    // No "-0,00" for a debt that rounds to nothing.
    if (tekst.front() == '-' && tekst.find_first_not_of("-0.") == std::string::npos)
        tekst.erase(0, 1);
    std::replace(tekst.begin(), tekst.end(), '.', PolskiSeparatorDziesietny);
    return tekst;
}

// The inverse of KwotaWTablicy; anything else is a conversion error.
double KwotaZTablicy(const std::string& tekst)
{
    std::string liczba = tekst;
    std::replace(liczba.begin(), liczba.end(), PolskiSeparatorDziesietny, '.');
    double wynik = 0;
    const char* koniecTekstu = liczba.data() + liczba.size();
    const auto [koniec, blad] = std::from_chars(liczba.data(), koniecTekstu, wynik);
    if (liczba.empty() || blad != std::errc() || koniec != koniecTekstu)
        throw EGrosiwoException("'" + tekst + "' nie jest poprawną liczbą");
    return wynik;
}

// pominOszczednoscOID empty: no entry is left out (the pick list wants the deposits entry,
// whose id -1 is the usual "skip nothing" value of callers).
TTabDwuwymiarowa TablicaOszczednosci(TKolekcjeDanych& kolekcje, bool filtrujMozliwoscZaplaty,
                                     std::optional<int32_t> pominOszczednoscOID)
{
    TTabDwuwymiarowa tablica;
    if (kolekcje.Oszczednosci().empty())
        return tablica;
    if (filtrujMozliwoscZaplaty && (kolekcje.IloscKategoriOszczednosciZMozliwosciaZaplaty() == 0 ||
                                    kolekcje.IloscOszczednosciZMozliwosciaZaplaty() == 0))
        return tablica;
    kolekcje.PosortujOszczednosci();
    const TIndeksKategorii kategorie(kolekcje.KategorieOszczednosci());
    for (const auto& o : kolekcje.Oszczednosci()) {
        if (pominOszczednoscOID && o->Id() == *pominOszczednoscOID)
            continue;
        if (filtrujMozliwoscZaplaty && !MoznaZaplacicZKategorii(kategorie, o->IdKategoriaOszczednosci()))
            continue;
        tablica.push_back(
            {std::to_string(o->Id()), OpisKategorii(kategorie, o->IdKategoriaOszczednosci()), KwotaWTablicy(o->Ile())});
    }
    return tablica;
}

// Adds zmiana to the first changeable entry with the id. The computed deposits entry is
// rebuilt from the deposits at every load, so a change to it would be lost while reported
// as done.
bool ZmienOszczednosc(TKolekcjeDanych& kolekcje, double zmiana, int32_t idOszczednosci)
{
    TOszczednosc* o = Pierwszy(kolekcje.Oszczednosci(), [idOszczednosci](const TOszczednosc& r) {
        return r.Id() == idOszczednosci && !r.IsReadOnly();
    });
    if (!o)
        return false;
    o->SetIle(o->Ile() + zmiana);
    o->SetData(Teraz());
    if (o->Zmiany() != TTypModyfikacji::Dodano)
        o->SetZmiany(TTypModyfikacji::Zmieniono);
    kolekcje.SetZmienionoINiezapisanoOszczednosci(true);
    return true;
}

void SprawdzKwote(double wartosc)
{
    // A NaN or infinite amount would wipe out the balance for good once saved.
    if (!std::isfinite(wartosc))
        throw EGrosiwoException("Nieprawidłowa kwota !!!");
}

}  // namespace

bool TKolekcjeDanych::KategoriaOszczednosciMaMozliwoscZaplaty(int32_t idKategoriiOszczednosci) const
{
    if (!KolekcjaZawieraKategorieOszczednosci())
        return false;
    const TKategoriaOszczednosci* k = PierwszyZId(fKategorieOszczednosci, idKategoriiOszczednosci);
    return k && k->MoznaZaplacic();
}

bool TKolekcjeDanych::KategoriaOszczednosciMaCharakterDlugu(int32_t idKategoriiOszczednosci) const
{
    if (!KolekcjaZawieraKategorieOszczednosci())
        return false;
    const TKategoriaOszczednosci* k = PierwszyZId(fKategorieOszczednosci, idKategoriiOszczednosci);
    return k && k->CharakterDlugu();
}

bool TKolekcjeDanych::OszczednoscMaMozliwoscZaplaty(int32_t idOszczednosci) const
{
    if (!KolekcjaZawieraOszczednosci())
        return false;
    const TOszczednosc* o = PierwszyZId(fOszczednosci, idOszczednosci);
    if (!o || o->IdKategoriaOszczednosci() == -1)
        return false;
    return KategoriaOszczednosciMaMozliwoscZaplaty(o->IdKategoriaOszczednosci());
}

bool TKolekcjeDanych::KolekcjaZawieraOszczednosciZMozliwosciaZaplaty() const
{
    // OszczednoscMaMozliwoscZaplaty for every entry, with both lookups indexed once.
    if (!KolekcjaZawieraOszczednosci() || !KolekcjaZawieraKategorieOszczednosci())
        return false;
    const TIndeksId<const TOszczednosc> oszczednosci(fOszczednosci);
    const TIndeksKategorii kategorie(fKategorieOszczednosci);
    return Pierwszy(fOszczednosci, [&](const TOszczednosc& o) {
               if (o.Zmiany() == TTypModyfikacji::Usunieto)
                   return false;
               const int32_t idKategorii = oszczednosci.Znajdz(o.Id())->IdKategoriaOszczednosci();
               return idKategorii != -1 && MoznaZaplacicZKategorii(kategorie, idKategorii);
           }) != nullptr;
}

int TKolekcjeDanych::IloscKategoriOszczednosciZMozliwosciaZaplaty() const
{
    return static_cast<int>(std::count_if(
        fKategorieOszczednosci.begin(), fKategorieOszczednosci.end(),
        [](const auto& k) { return !k->Usuniety() && k->MoznaZaplacic(); }));
}

int TKolekcjeDanych::IloscOszczednosciZMozliwosciaZaplaty() const
{
    if (IloscKategoriOszczednosciZMozliwosciaZaplaty() == 0 || fOszczednosci.empty())
        return 0;
    const TIndeksKategorii kategorie(fKategorieOszczednosci);
    return static_cast<int>(std::count_if(fOszczednosci.begin(), fOszczednosci.end(), [&](const auto& o) {
        return MoznaZaplacicZKategorii(kategorie, o->IdKategoriaOszczednosci());
    }));
}

uint8_t TKolekcjeDanych::PobierzTypOszczednosciPoID(int32_t idOszczednosci) const
{
    const TOszczednosc* o = PierwszyZId(fOszczednosci, idOszczednosci);
    return o ? o->TypOszczednosci() : 1;
}

int32_t TKolekcjeDanych::PobierzIDOszczednosciPoIdKategoriiOszczednosci(int32_t idKategoriiOszczednosci) const
{
    const TOszczednosc* o = Pierwszy(fOszczednosci, [idKategoriiOszczednosci](const TOszczednosc& r) {
        return r.IdKategoriaOszczednosci() == idKategoriiOszczednosci;
    });
    return o ? o->Id() : -1;
}

int32_t TKolekcjeDanych::PobierzIDOszczednosciPoOpisie(const std::string& opis) const
{
    const int32_t idKategorii = PobierzIDKategoriiPoOpisie(opis, TTabele::Kategorie_Oszczednosci);
    // An unknown description must not find an entry whose category was never set (-1).
    if (idKategorii == -1)
        return -1;
    return PobierzIDOszczednosciPoIdKategoriiOszczednosci(idKategorii);
}

TStringList TKolekcjeDanych::PobierzNieuzyteNazwyKategoriiOszczednosci()
{
    const TStringList kategorie = PobierzOpisyKategorii(TTabele::Kategorie_Oszczednosci, true, false, -1);
    const TStringList uzywane = PobierzOpisyKategorii(TTabele::Oszczednosci, true, false, -1);
    std::unordered_set<std::string> kluczeUzywanych;
    for (const std::string& opis : uzywane)
        kluczeUzywanych.insert(KluczBezWielkosciLiter(opis));
    TStringList wynik;
    for (const std::string& opis : kategorie)
        if (!opis.empty() && !kluczeUzywanych.contains(KluczBezWielkosciLiter(opis)))
            wynik.push_back(opis);
    return wynik;
}

TStringList TKolekcjeDanych::PobierzOpisyOszczednosci(bool filtrMoznaZaplacic)
{
    return KolumnaTablicy(TablicaOszczednosci(*this, filtrMoznaZaplacic, std::nullopt), 1);
}

double TKolekcjeDanych::ObliczMnoznikDoDodawaniaOdejmowania(int32_t idOszczednosci,
                                                           bool dokonujeszPrzelewuMiedzyOszczednosciami) const
{
    const bool dlug = KategoriaOszczednosciMaCharakterDlugu(PobierzIDKatOszczednosciDlaOszczednosci(idOszczednosci));
    const uint8_t typ = PobierzTypOszczednosciPoID(idOszczednosci);
    if (dokonujeszPrzelewuMiedzyOszczednosciami || !dlug)
        return 1;
    // Type 2 of a debt is money owed to the household: paying from it makes it grow.
    switch (typ) {
    case 1:
        return 1;
    case 2:
        return -1;
    default:
        throw EGrosiwoException("Nieobsługiwany typ oszczędności !!!");
    }
}

bool TKolekcjeDanych::DodajDoOszczednosciWartosc(double wartosc, int32_t idOszczednosci,
                                                 bool dokonujeszPrzelewuMiedzyOszczednosciami)
{
    const double mnoznik = ObliczMnoznikDoDodawaniaOdejmowania(idOszczednosci, dokonujeszPrzelewuMiedzyOszczednosciami);
    SprawdzKwote(wartosc);
    return ZmienOszczednosc(*this, wartosc * mnoznik, idOszczednosci);
}

bool TKolekcjeDanych::OdejmijZOszczednosciWartosc(double wartosc, int32_t idOszczednosci,
                                                  bool dokonujeszPrzelewuMiedzyOszczednosciami)
{
    const double mnoznik = ObliczMnoznikDoDodawaniaOdejmowania(idOszczednosci, dokonujeszPrzelewuMiedzyOszczednosciami);
    SprawdzKwote(wartosc);
    return ZmienOszczednosc(*this, -(wartosc * mnoznik), idOszczednosci);
}

TTabDwuwymiarowa TKolekcjeDanych::UtworzTabliceOszczednosciZKwotami(bool filtrujMozliwoscZaplaty,
                                                                    int32_t pominOszczednoscOID)
{
    return TablicaOszczednosci(*this, filtrujMozliwoscZaplaty, pominOszczednoscOID);
}

std::unordered_map<std::string, double> TKolekcjeDanych::KonwertujTabliceOszczednosciZKwotamiNaSlownik(
    const TTabDwuwymiarowa& tab)
{
    std::unordered_map<std::string, double> slownik;
    for (const auto& wiersz : tab)
        if (wiersz.size() >= 3)
            slownik[wiersz[1]] = KwotaZTekstu(wiersz[2]);
    return slownik;
}

double TKolekcjeDanych::PobierzStanOszczednosciDlaID(int32_t id)
{
    // The row of the savings table for this id, without building the other rows: the
    // same sort, the same skipped id -1 and the same amount text read back.
    if (fOszczednosci.empty())
        return 0;
    PosortujOszczednosci();
    if (id == -1)
        return 0;
    const TOszczednosc* o = PierwszyZId(fOszczednosci, id);
    return o ? KwotaZTablicy(KwotaWTablicy(o->Ile())) : 0;
}

void TKolekcjeDanych::WyczyscZyskiZLokatBankowych()
{
    for (auto& [idKategorii, zysk] : fZyskiZLokatDoDodaniaJakoPrzychod)
        zysk = 0;
}
