#include "planner/FiltrDopasowanie.h"

#include <limits>

#include "common/FunkcjeWspolne.h"
#include "common/PolskiTekst.h"
#include "common/Wyjatki.h"
#include "records/Plan.h"

TStanRealizacji StanRealizacjiWChwili(const TPlan& plan, TDateTime teraz)
{
    if (plan.Wykonany())
        return TStanRealizacji::Wykonane;
    // Due exactly now (within a millisecond) still counts as pending.
    return PorownajDaty(teraz, plan.Data()) > 0 ? TStanRealizacji::PoTerminie
                                                : TStanRealizacji::Oczekujace;
}

TDopasowanieFiltra::TDopasowanieFiltra(const TFiltr& filtr, TDateTime teraz)
    : fFiltr(filtr), fTeraz(teraz), fWszystkieMiesiace(CzyPustyTekst(filtr.Miesiac()))
{
}

bool TDopasowanieFiltra::MiesiacPasuje(TDateTime data)
{
    if (fWszystkieMiesiace)
        return true;
    if (data >= fPoczatekMiesiaca && data < fKoniecMiesiaca)
        return fMiesiacPasuje;
    TSkladnikiDaty skladniki;
    try {
        skladniki = DekodujDateCzas(data);
    } catch (const EGrosiwoException&) {
        // Outside the calendar the month key is empty; judge such a plan by itself.
        return TekstyRowneBezWielkosciLiter(fFiltr.Miesiac(), MiesiacIRok(data));
    }
    const auto [pozycja, nowy] = fMiesiace.try_emplace(skladniki.Rok * 12 + skladniki.Miesiac - 1, false);
    if (nowy)
        pozycja->second = TekstyRowneBezWielkosciLiter(fFiltr.Miesiac(), MiesiacIRok(data));
    fPoczatekMiesiaca = KodujDate(skladniki.Rok, skladniki.Miesiac, 1);
    if (skladniki.Miesiac < 12)
        fKoniecMiesiaca = KodujDate(skladniki.Rok, skladniki.Miesiac + 1, 1);
    else if (skladniki.Rok < 9999)
        fKoniecMiesiaca = KodujDate(skladniki.Rok + 1, 1, 1);
    else
        fKoniecMiesiaca = std::numeric_limits<TDateTime>::infinity();
    // Decoding rounds to the millisecond: dates that close to a month's edge are decoded.
    fPoczatekMiesiaca += JednaMilisekunda;
    fKoniecMiesiaca -= JednaMilisekunda;
    fMiesiacPasuje = pozycja->second;
    return fMiesiacPasuje;
}

bool TDopasowanieFiltra::Pasuje(const TPlan& plan)
{
    if (plan.Zmiany() == TTypModyfikacji::Usunieto)
        return false;

    switch (fFiltr.TypPlanu()) {
    case TTypPlanu::Wydatek:
    case TTypPlanu::Przychod:
        if (plan.TypPlanu() != fFiltr.TypPlanu())
            return false;
        break;
    default:
        break;
    }

    const TStanRealizacji stan = StanRealizacjiWChwili(plan, fTeraz);
    switch (fFiltr.StanRealizacji()) {
    case TStanRealizacji::Wykonane:
        if (stan != TStanRealizacji::Wykonane)
            return false;
        break;
    case TStanRealizacji::Niewykonane:
        if (stan == TStanRealizacji::Wykonane)
            return false;
        break;
    case TStanRealizacji::Oczekujace:
    case TStanRealizacji::PoTerminie:
        if (stan != fFiltr.StanRealizacji())
            return false;
        break;
    default:
        break;
    }

    return MiesiacPasuje(plan.Data());
}
