#include "records/Wydatek.h"

#include <utility>

#include "common/FunkcjeWspolne.h"
#include "common/Platforma.h"

TWydatek::TWydatek()
{
    Clear();
}

TWydatek::TWydatek(int32_t aId, int32_t aIdKategoriaWydatki, double aIle,
                   int32_t aIdKategoriaOszczednosci, TDateTime aData, int32_t aIdOsoba,
                   std::string aOpis, TTypModyfikacji aModyfikacja, std::string aZalacznik,
                   bool aZlecenieStale)
    : TWydatek()
{
    fId = aId;
    fIdKategoriaWydatki = aIdKategoriaWydatki;
    fIle_ = aIle;
    fIdKategoriaOszczednosci = aIdKategoriaOszczednosci;
    fData = aData;
    fIdOsoba = aIdOsoba;
    fKomentarz = std::move(aOpis);
    fZmiany = aModyfikacja;
    fZalacznik = std::move(aZalacznik);
    fZlecenieStale = aZlecenieStale;
}

void TWydatek::Clear()
{
    fId = -1;
    fIdKategoriaWydatki = -1;
    fIle_ = 0;
    fIdKategoriaOszczednosci = -1;
    fData = Teraz();
    fIdOsoba = -1;
    fKomentarz.clear();
    fZlecenieStale = false;
    fZalacznik.clear();
    fZmiany = TTypModyfikacji::BezZmian;
}

std::string TWydatek::Miesiac() const
{
    return MiesiacIRok(fData);
}

uint16_t TWydatek::Rok() const
{
    return static_cast<uint16_t>(RokDaty(fData));
}

TDateTime TWydatek::Dzien() const
{
    return SamaData(fData);
}
