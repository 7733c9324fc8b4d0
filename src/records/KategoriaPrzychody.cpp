#include "records/KategoriaPrzychody.h"

#include <utility>

TKategoriaPrzychody::TKategoriaPrzychody()
{
    Clear();
}

TKategoriaPrzychody::TKategoriaPrzychody(int32_t aId, std::string aOpis, bool aUsuniety,
                                         TTypModyfikacji aModyfikacja, int32_t aWaga)
    : TKategoriaPrzychody()
{
    fId = aId;
    fOpis = std::move(aOpis);
    fUsuniety = aUsuniety;
    fZmiany = aModyfikacja;
    fWaga = static_cast<uint32_t>(aWaga);
}

void TKategoriaPrzychody::Clear()
{
    fId = -1;
    fOpis.clear();
    fUsuniety = true;
    fWaga = 2147483647;
    fZmiany = TTypModyfikacji::BezZmian;
}
