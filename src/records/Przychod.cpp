#include "records/Przychod.h"

#include <utility>

#include "common/FunkcjeWspolne.h"
#include "common/Platforma.h"

TPrzychod::TPrzychod()
{
    Clear();
}

TPrzychod::TPrzychod(int32_t aId, int32_t aIdKategoriaPrzychody, double aIle,
                     int32_t aIdKategoriaOszczednosci, TDateTime aData, int32_t aIdOsoba,
                     std::string aOpis, TTypModyfikacji aModyfikacja, bool aZlecenieStale)
    : TPrzychod()
{
    fId = aId;
    fIdKategoriaPrzychody = aIdKategoriaPrzychody;
    fIle_ = aIle;
    fIdKategoriaOszczednosci = aIdKategoriaOszczednosci;
    fData = aData;
    fIdOsoba = aIdOsoba;
    fKomentarz = std::move(aOpis);
    fZmiany = aModyfikacja;
    fZlecenieStale = aZlecenieStale;
}

void TPrzychod::Clear()
{
    fId = -1;
    fIdKategoriaPrzychody = -1;
    fIle_ = 0;
    fIdKategoriaOszczednosci = -1;
    fData = Teraz();
    fIdOsoba = -1;
    fKomentarz.clear();
    fZlecenieStale = false;
    fZmiany = TTypModyfikacji::BezZmian;
}

std::string TPrzychod::Miesiac() const
{
    return MiesiacIRok(fData);
}

uint16_t TPrzychod::Rok() const
{
    return static_cast<uint16_t>(RokDaty(fData));
}
