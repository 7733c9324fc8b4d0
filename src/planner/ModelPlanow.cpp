#include "planner/ModelPlanow.h"

#include "collections/KolekcjeDanych.h"
#include "common/FormatyTekstowe.h"
#include "common/Wyjatki.h"
#include "planner/FiltrDopasowanie.h"
#include "planner/SortowaniePlanow.h"
#include "records/Plan.h"

namespace {

QString Logiczna(bool wartosc)
{
    return wartosc ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

TModelPlanow::TModelPlanow() = default;
TModelPlanow::~TModelPlanow() = default;

bool TModelPlanow::Wypelnij(const TKolekcjeDanych& kolekcje, const TFiltr& filtr, TDateTime teraz)
{
    Wyczysc();
    fKolekcje = &kolekcje;
    TDopasowanieFiltra dopasowanie(filtr, teraz);
    TSprawdzanieKolejnosciPlanow kolejnosc;
    fWiersze.reserve(kolekcje.Plany().size());
    // One walk over the plans: a rebuild's cost is reading each record once.
    for (const auto& plan : kolekcje.Plany()) {
        kolejnosc.Dodaj(*plan);
        if (dopasowanie.Pasuje(*plan))
            fWiersze.push_back(plan.get());
    }
    return kolejnosc.Zachowana();
}

void TModelPlanow::Wyczysc()
{
    fWiersze.clear();
    fKolekcje = nullptr;
}

const TPlan* TModelPlanow::PlanWiersza(int wiersz) const
{
    if (wiersz < 0 || wiersz >= IloscWierszy())
        return nullptr;
    return fWiersze[static_cast<size_t>(wiersz)];
}

QString TModelPlanow::Tekst(int kolumna, int wiersz) const
{
    const TPlan* plan = PlanWiersza(wiersz);
    if (plan == nullptr)
        return {};
    switch (kolumna) {
    case kpId:
        return QString::number(plan->Id());
    case kpWykonany:
        return Logiczna(plan->Wykonany());
    case kpNazwa:
        return QString::fromStdString(plan->Nazwa());
    case kpKategoria:
        switch (plan->TypPlanu()) {
        case TTypPlanu::Wydatek:
            return QString::fromStdString(
                fKolekcje->PobierzOpisKategoriiPoID(plan->IdKategorii(), TTabele::Kategorie_Wydatki));
        case TTypPlanu::Przychod:
            return QString::fromStdString(
                fKolekcje->PobierzOpisKategoriiPoID(plan->IdKategorii(), TTabele::Kategorie_Przychody));
        default:
            return {};
        }
    case kpKwota:
        return QString::fromStdString(KwotaNaTekstWaluty(plan->Kwota()));
    case kpData:
        // A cell is asked for while painting, where an exception cannot go: a date outside
        // the calendar shows as nothing.
        try {
            return QString::fromStdString(DataCzasNaTekst(plan->Data()));
        } catch (const EGrosiwoException&) {
            return {};
        }
    case kpKomentarz:
        return QString::fromStdString(plan->Komentarz());
    case kpTypPlanu:
        return QString::fromStdString(plan->TypPlanuStr());
    case kpDodanyDoKolekcji:
        return Logiczna(plan->DodanyDoKolekcji());
    default:
        return {};
    }
}

TSumyPlanow TModelPlanow::Sumy() const
{
    TSumyPlanow sumy;
    for (const TPlan* plan : fWiersze) {
        if (plan->TypPlanu() == TTypPlanu::Wydatek)
            sumy.Wydatki += plan->Kwota();
        else if (plan->TypPlanu() == TTypPlanu::Przychod)
            sumy.Przychody += plan->Kwota();
    }
    return sumy;
}
