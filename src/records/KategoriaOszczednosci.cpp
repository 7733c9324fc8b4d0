#include "records/KategoriaOszczednosci.h"

#include <utility>

TKategoriaOszczednosci::TKategoriaOszczednosci()
{
    Clear();
}

TKategoriaOszczednosci::TKategoriaOszczednosci(int32_t id, std::string opis, bool usuniety,
                                               bool moznaZaplacic, bool charakterDlugu,
                                               TTypModyfikacji modyfikacja, int32_t waga)
    : TKategoriaOszczednosci()
{
    fId = id;
    fOpis = std::move(opis);
    fUsuniety = usuniety;
    fMoznaZaplacic = moznaZaplacic;
    fCharakterDlugu = charakterDlugu;
    fZmiany = modyfikacja;
    fWaga = static_cast<uint32_t>(waga);
}

void TKategoriaOszczednosci::Clear()
{
    fId = -1;
    fOpis.clear();
    fUsuniety = true;
    fMoznaZaplacic = false;
    fCharakterDlugu = false;
    fWaga = 2147483647;
    fZmiany = TTypModyfikacji::BezZmian;
}
