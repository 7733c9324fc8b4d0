#include "records/Plan.h"

#include <cmath>

#include "common/FunkcjeWspolne.h"
#include "common/Platforma.h"

TPlan::TPlan()
{
    Clear();
}

TPlan::TPlan(int32_t id, std::string nazwa, int32_t idKategorii, double kwota, TDateTime data,
             std::string komentarz, TTypModyfikacji zmiany, TTypPlanu typPlanu)
    : TPlan()
{
    fId = id;
    fNazwa = std::move(nazwa);
    fIdKategorii = idKategorii;
    fKwota = kwota;
    fData = data;
    fKomentarz = std::move(komentarz);
    fZmiany = zmiany;
    fTypPlanu = typPlanu;
}

void TPlan::Clear()
{
    fId = -1;
    fNazwa.clear();
    fKwota = 0;
    fIdKategorii = -1;
    fWykonany = false;
    fDodanyDoKolekcji = false;
    fTypPlanu = TTypPlanu::Nieokreslony;
    fData = Teraz();
    fKomentarz.clear();
    fZmiany = TTypModyfikacji::BezZmian;
}

std::string TPlan::TypPlanuStr() const
{
    return TypPlanuNaTekst(fTypPlanu);
}

std::string TPlan::Miesiac() const
{
    return MiesiacIRok(fData);
}

uint16_t TPlan::Rok() const
{
    return static_cast<uint16_t>(RokDaty(fData));
}

TStanRealizacji TPlan::StanRealizacji() const
{
    if (fWykonany)
        return TStanRealizacji::Wykonane;
    // Due exactly now (within a millisecond) still counts as pending.
    return PorownajDaty(Teraz(), fData) > 0 ? TStanRealizacji::PoTerminie
                                            : TStanRealizacji::Oczekujace;
}

double TPlan::IloscDniDoWykonania() const
{
    // One reading of the clock, so that the sign and the span describe the same moment.
    const TDateTime teraz = Teraz();
    const double znak = teraz > fData ? -1.0 : 1.0;
    return ZaokraglijDo(-2, std::fabs(teraz - fData)) * znak;
}

int32_t TPlan::IdGrupy() const
{
    if (fWykonany)
        return -1;
    // Same month key ignoring case means the same calendar month; comparing the numbers
    // also holds before the month names are set.
    const TSkladnikiDaty dzis = DekodujDateCzas(Teraz());
    const TSkladnikiDaty termin = DekodujDateCzas(fData);
    if (dzis.Rok != termin.Rok || dzis.Miesiac != termin.Miesiac)
        return 2;
    return dzis.Dzien == termin.Dzien ? 0 : 1;
}
