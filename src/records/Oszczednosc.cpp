#include "records/Oszczednosc.h"

#include <utility>

#include "common/FunkcjeWspolne.h"
#include "common/Platforma.h"

TOszczednosc::TOszczednosc()
{
    Clear();
}

TOszczednosc::TOszczednosc(int32_t id, int32_t idKategoriaOszczednosci, double ile, TDateTime data,
                           std::string komentarz, uint8_t typOszczednosci,
                           TTypModyfikacji modyfikacja)
    : TOszczednosc()
{
    fId = id;
    fIdKategoriaOszczednosci = idKategoriaOszczednosci;
    fIle_ = ile;
    fData = data;
    fKomentarz = std::move(komentarz);
    fTypOszczednosci = typOszczednosci;
    fZmiany = modyfikacja;
}

void TOszczednosc::Clear()
{
    // fWagaIdKatOszczednosci is deliberately kept: it belongs to the category, not the entry.
    fId = -1;
    fIdKategoriaOszczednosci = -1;
    fIle_ = 0;
    fData = Teraz();
    fKomentarz.clear();
    fOszczednoscZTabeliLokaty = false;
    fTypOszczednosci = 1;
    fZmiany = TTypModyfikacji::BezZmian;
}

std::string TOszczednosc::Miesiac() const
{
    return MiesiacIRok(fData);
}

uint16_t TOszczednosc::Rok() const
{
    return static_cast<uint16_t>(RokDaty(fData));
}
