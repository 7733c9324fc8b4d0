#include "records/StanOszczednosci.h"

#include "common/FunkcjeWspolne.h"
#include "common/Platforma.h"

TStanOszczednosci::TStanOszczednosci(int32_t aId, double aStan, TDateTime aData,
                                     TTypModyfikacji aModyfikacja)
{
    Clear();
    fId = aId;
    fStan = aStan;
    fData = aData;
    fZmiany = aModyfikacja;
}

void TStanOszczednosci::Clear()
{
    fId = -1;
    fStan = 0;
    fData = Teraz();
    fZmiany = TTypModyfikacji::BezZmian;
}

std::string TStanOszczednosci::Miesiac() const
{
    return MiesiacIRok(fData);
}
