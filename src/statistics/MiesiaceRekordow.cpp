#include "statistics/MiesiaceRekordow.h"

#include "common/FunkcjeWspolne.h"
#include "common/Wyjatki.h"

namespace analiza {

std::optional<TMiesiacDaty> MiesiacKalendarza(TDateTime data)
{
    try {
        const TSkladnikiDaty skladniki = DekodujDateCzas(data);
        return TMiesiacDaty{skladniki.Rok, skladniki.Miesiac};
    } catch (const EGrosiwoException&) {
        return std::nullopt;
    }
}

std::string KluczMiesiaca(int32_t numer)
{
    return MiesiacIRok(KodujDate(numer / 12, numer % 12 + 1, 1));
}

std::optional<TMiesiacDaty> TMiesiaceDat::operator()(TDateTime data)
{
    if (data >= fOd && data < fDo)
        return fMiesiac;
    const auto miesiac = MiesiacKalendarza(data);
    if (miesiac) {
        const TDateTime poczatek = KodujDate(miesiac->Rok, miesiac->Miesiac, 1);
        fOd = poczatek + JednaMilisekunda;
        fDo = poczatek + DniWMiesiacu(miesiac->Rok, miesiac->Miesiac) - JednaMilisekunda;
        fMiesiac = *miesiac;
    }
    return miesiac;
}

bool TFiltrMiesiaca::operator()(TDateTime data)
{
    const auto miesiac = fMiesiace(data);
    if (!miesiac)
        return false;
    const auto [pozycja, nowy] = fWynikiMiesiecy.try_emplace(miesiac->Numer(), false);
    if (nowy)
        pozycja->second = KluczMiesiaca(miesiac->Numer()) == fMiesiac;
    return pozycja->second;
}

}  // namespace analiza
