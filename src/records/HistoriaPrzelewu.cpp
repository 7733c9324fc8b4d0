#include "records/HistoriaPrzelewu.h"

#include <utility>

#include "common/FunkcjeWspolne.h"
#include "common/Platforma.h"

THistoriaPrzelewu::THistoriaPrzelewu(int32_t id, double ile, int32_t idKategoriaOszczednosciFROM,
                                     int32_t idKategoriaOszczednosciTO, TDateTime data,
                                     std::string komentarz, TTypModyfikacji modyfikacja)
{
    Clear();
    fId = id;
    fKwota = ile;
    fIdKategoriaOszczednosciFROM = idKategoriaOszczednosciFROM;
    fIdKategoriaOszczednosciTO = idKategoriaOszczednosciTO;
    fData = data;
    fKomentarz = std::move(komentarz);
    fZmiany = modyfikacja;
}

void THistoriaPrzelewu::Clear()
{
    fId = -1;
    fKwota = 0;
    fIdKategoriaOszczednosciFROM = -1;
    fIdKategoriaOszczednosciTO = -1;
    fData = Teraz();
    fKomentarz.clear();
    fZmiany = TTypModyfikacji::BezZmian;
}

std::string THistoriaPrzelewu::Miesiac() const
{
    return MiesiacIRok(fData);
}
