// The statistics object: counts, totals, month sums, first and last dates and spans.
#include "statistics/Analiza.h"

#include <algorithm>
#include <cmath>

#include "collections/KolekcjeDanych.h"
#include "common/Platforma.h"
#include "database/AnalizaProjektu.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "statistics/MiesiaceRekordow.h"

namespace {

constexpr double DniTygodnia = 7;
constexpr double SrednieDniMiesiaca = 30.4375;
constexpr double SrednieDniRoku = 365.25;
constexpr int32_t ProgIlosciDoOceny = 500;

template <typename T>
int32_t Ilosc(const TListaRekordow<T>& lista)
{
    return static_cast<int32_t>(lista.size());
}

template <typename T>
double Suma(const TListaRekordow<T>& lista)
{
    double suma = 0;
    for (const auto& rekord : lista)
        suma += rekord->Ile();
    return suma;
}

template <typename T>
double SumaMiesiaca(const TListaRekordow<T>& lista, int32_t numerMiesiaca)
{
    double suma = 0;
    analiza::TMiesiaceDat miesiace;
    for (const auto& rekord : lista) {
        const auto miesiac = miesiace(rekord->Data());
        if (miesiac && miesiac->Numer() == numerMiesiaca)
            suma += rekord->Ile();
    }
    return suma;
}

int32_t NumerBiezacegoMiesiaca()
{
    const TSkladnikiDaty teraz = DekodujDateCzas(Teraz());
    return analiza::TMiesiacDaty{teraz.Rok, teraz.Miesiac}.Numer();
}

// The list is sorted earliest first.
template <typename T>
TDateTime PierwszaData(const TListaRekordow<T>& lista)
{
    return lista.empty() ? Teraz() : lista.front()->Data();
}

template <typename T>
TDateTime OstatniaData(const TListaRekordow<T>& lista)
{
    if (lista.empty())
        return Teraz();
    const TDateTime teraz = Teraz();
    return std::min(lista.back()->Data(), teraz);
}

}  // namespace

TAnaliza::TAnaliza(TKolekcjeDanych* k) : fKolekcje(k) {}

void TUsuwanieAnalizy::operator()(TAnaliza* analiza) const
{
    std::default_delete<TAnaliza>()(analiza);
}

TWskaznikAnalizy UtworzAnalize(TKolekcjeDanych* kolekcje)
{
    return TWskaznikAnalizy(std::make_unique<TAnaliza>(kolekcje).release());
}

// ---- Counts ----

int32_t TAnaliza::WydatkiIlosc() const
{
    return fKolekcje ? Ilosc(fKolekcje->Wydatki()) : 0;
}

int32_t TAnaliza::PrzychodyIlosc() const
{
    return fKolekcje ? Ilosc(fKolekcje->Przychody()) : 0;
}

int32_t TAnaliza::OszczednosciIlosc() const
{
    return fKolekcje ? Ilosc(fKolekcje->Oszczednosci()) : 0;
}

int32_t TAnaliza::LacznaIlosc() const
{
    return WydatkiIlosc() + OszczednosciIlosc() + PrzychodyIlosc();
}

int32_t TAnaliza::KategorieWydatkiIlosc() const
{
    return fKolekcje ? Ilosc(fKolekcje->KategorieWydatki()) : 0;
}

int32_t TAnaliza::KategoriePrzychodyIlosc() const
{
    return fKolekcje ? Ilosc(fKolekcje->KategoriePrzychody()) : 0;
}

int32_t TAnaliza::KategorieOszczednosciIlosc() const
{
    return fKolekcje ? Ilosc(fKolekcje->KategorieOszczednosci()) : 0;
}

int32_t TAnaliza::LacznaIloscKategorii() const
{
    return KategorieWydatkiIlosc() + KategorieOszczednosciIlosc() + KategoriePrzychodyIlosc();
}

int32_t TAnaliza::OsobyIlosc() const
{
    return fKolekcje ? Ilosc(fKolekcje->Osoby()) : 0;
}

int32_t TAnaliza::PlanyIlosc() const
{
    return fKolekcje ? Ilosc(fKolekcje->Plany()) : 0;
}

int32_t TAnaliza::PlanyWydatkiIlosc() const
{
    if (!fKolekcje)
        return 0;
    return static_cast<int32_t>(std::ranges::count_if(
        fKolekcje->Plany(), [](const auto& plan) { return plan->TypPlanu() == TTypPlanu::Wydatek; }));
}

int32_t TAnaliza::PlanyPrzychodyIlosc() const
{
    if (!fKolekcje)
        return 0;
    return static_cast<int32_t>(std::ranges::count_if(
        fKolekcje->Plany(), [](const auto& plan) { return plan->TypPlanu() == TTypPlanu::Przychod; }));
}

int32_t TAnaliza::ZleceniaStaleWydatkiIlosc() const
{
    return fKolekcje ? Ilosc(fKolekcje->ZleceniaStaleWydatki()) : 0;
}

int32_t TAnaliza::ZleceniaStalePrzychodyIlosc() const
{
    return fKolekcje ? Ilosc(fKolekcje->ZleceniaStalePrzychody()) : 0;
}

int32_t TAnaliza::ZleceniaStaleIlosc() const
{
    return ZleceniaStaleWydatkiIlosc() + ZleceniaStalePrzychodyIlosc();
}

// ---- Totals ----

double TAnaliza::WydatkiKwotaLaczna() const
{
    return fKolekcje ? Suma(fKolekcje->Wydatki()) : 0;
}

double TAnaliza::PrzychodyKwotaLaczna() const
{
    return fKolekcje ? Suma(fKolekcje->Przychody()) : 0;
}

double TAnaliza::OszczednosciKwotaLaczna() const
{
    return fKolekcje ? Suma(fKolekcje->Oszczednosci()) : 0;
}

double TAnaliza::LacznaKwota() const
{
    return OszczednosciKwotaLaczna() + WydatkiKwotaLaczna() + PrzychodyKwotaLaczna();
}

// ---- Month sums ----
// Equal month keys ignoring letter case mean the same calendar month, so the months are
// compared as numbers. That also keeps the sums right before the month names are set,
// when every key would be empty and so equal to every other.

double TAnaliza::WydatkiWTymMiesiacu() const
{
    return fKolekcje ? SumaMiesiaca(fKolekcje->Wydatki(), NumerBiezacegoMiesiaca()) : 0;
}

double TAnaliza::PrzychodyWTymMiesiacu() const
{
    return fKolekcje ? SumaMiesiaca(fKolekcje->Przychody(), NumerBiezacegoMiesiaca()) : 0;
}

double TAnaliza::PrzychodyWMinionymMiesiacu() const
{
    return fKolekcje ? SumaMiesiaca(fKolekcje->Przychody(), NumerBiezacegoMiesiaca() - 1) : 0;
}

// ---- First and last dates ----

TDateTime TAnaliza::PierwszyWydatekData()
{
    if (!fKolekcje || fKolekcje->Wydatki().empty())
        return Teraz();
    fKolekcje->PosortujWydatkiPoDacieMalejaco();
    return PierwszaData(fKolekcje->Wydatki());
}

TDateTime TAnaliza::OstatniWydatekData()
{
    if (!fKolekcje || fKolekcje->Wydatki().empty())
        return Teraz();
    fKolekcje->PosortujWydatkiPoDacieMalejaco();
    return OstatniaData(fKolekcje->Wydatki());
}

TDateTime TAnaliza::PierwszyPrzychodData()
{
    if (!fKolekcje || fKolekcje->Przychody().empty())
        return Teraz();
    fKolekcje->PosortujPrzychodyPoDacieMalejaco();
    return PierwszaData(fKolekcje->Przychody());
}

TDateTime TAnaliza::OstatniPrzychodData()
{
    if (!fKolekcje || fKolekcje->Przychody().empty())
        return Teraz();
    fKolekcje->PosortujPrzychodyPoDacieMalejaco();
    return OstatniaData(fKolekcje->Przychody());
}

// ---- Recorded spans ----

double TAnaliza::IloscDniZapisanychWydatkow()
{
    const TDateTime ostatni = OstatniWydatekData();
    const TDateTime pierwszy = PierwszyWydatekData();
    return std::fabs(ostatni - pierwszy);
}

double TAnaliza::IloscTygodniZapisanychWydatkow()
{
    return IloscDniZapisanychWydatkow() / DniTygodnia;
}

double TAnaliza::IloscMiesiecyZapisanychWydatkow()
{
    return IloscDniZapisanychWydatkow() / SrednieDniMiesiaca;
}

double TAnaliza::IloscLatZapisanychWydatkow()
{
    return IloscDniZapisanychWydatkow() / SrednieDniRoku;
}

double TAnaliza::IloscDniZapisanychPrzychodow()
{
    const TDateTime ostatni = OstatniPrzychodData();
    const TDateTime pierwszy = PierwszyPrzychodData();
    return std::fabs(ostatni - pierwszy);
}

double TAnaliza::IloscTygodniZapisanychPrzychodow()
{
    return IloscDniZapisanychPrzychodow() / DniTygodnia;
}

double TAnaliza::IloscMiesiecyZapisanychPrzychodow()
{
    return IloscDniZapisanychPrzychodow() / SrednieDniMiesiaca;
}

double TAnaliza::IloscLatZapisanychPrzychodow()
{
    return IloscDniZapisanychPrzychodow() / SrednieDniRoku;
}

std::string TAnaliza::WydatkiPrzedzialDatStr()
{
    // Each date is read once, so both ends come from the same clock reading each.
    const TDateTime pierwszy = PierwszyWydatekData();
    const TDateTime ostatni = OstatniWydatekData();
    return DataCzasNaTekst(pierwszy) + " do " + DataCzasNaTekst(ostatni);
}

bool TAnaliza::SprawdzCzyMoznaPokazacKomunikatZachecajacyDoOceny(
    TDateTime dataPierwszegoUruchomienia) const
{
    const TDateTime teraz = Teraz();
    const double okres = std::fabs(teraz - dataPierwszegoUruchomienia);
    const double polowaRoku = (CzyRokPrzestepny(RokDaty(teraz)) ? 366 : 365) / 2.0;
    return polowaRoku < okres &&
           (WydatkiIlosc() > ProgIlosciDoOceny || PrzychodyIlosc() > ProgIlosciDoOceny);
}
