#include "records/Ograniczenie.h"

#include "common/Platforma.h"

TOgraniczenie::TOgraniczenie()
{
    Clear();
}

TOgraniczenie::TOgraniczenie(int32_t aIdKategoriiWydatku, double aMaxMiesiac, double aMaxRok,
                             uint16_t aRok, TTypModyfikacji aModyfikacja)
    : TOgraniczenie()
{
    fIdKategoriiWydatku = aIdKategoriiWydatku;
    fMaxMiesiac = aMaxMiesiac;
    fMaxRok = aMaxRok;
    fRok = aRok;
    fZmiany = aModyfikacja;
}

void TOgraniczenie::Clear()
{
    fId = -1;
    fIdKategoriiWydatku = -1;
    fMaxMiesiac = 0;
    fMaxRok = 0;
    fData = Teraz();
    fZmiany = TTypModyfikacji::BezZmian;
    fRok = static_cast<uint16_t>(RokDaty(fData));
}
