#include "database/HistoriaStanow.h"

#include <cmath>
#include <optional>

#include "common/FunkcjeWspolne.h"
#include "records/StanOszczednosci.h"

std::string PolecenieStanuOszczednosci(bool saOszczednosci, bool saAktywneLokaty)
{
    // TOTAL, unlike SUM, is 0 over no rows: the "Stan" column takes no NULL.
    if (saOszczednosci && saAktywneLokaty)
        return "INSERT INTO StanOszczednosci (Stan) VALUES (((SELECT TOTAL(Oszczednosci.Ile) FROM Oszczednosci) + "
               "(SELECT TOTAL(Lokaty.Kwota) FROM Lokaty WHERE Aktywna = 1)));";
    if (saOszczednosci)
        return "INSERT INTO StanOszczednosci (Stan) VALUES ((SELECT TOTAL(Oszczednosci.Ile) FROM Oszczednosci));";
    if (saAktywneLokaty)
        return "INSERT INTO StanOszczednosci (Stan) VALUES ((SELECT TOTAL(Lokaty.Kwota) FROM Lokaty WHERE Aktywna = 1));";
    return "INSERT INTO StanOszczednosci (Stan) VALUES (0);";
}

std::vector<int32_t> IdPowtorzonychStanow(const TListaRekordow<TStanOszczednosci>& stany)
{
    std::vector<int32_t> id;
    // In whole grosze: 100.01 - 100.00 is a little more than 0.01 in binary.
    std::optional<double> zapamietaneGrosze;
    for (auto it = stany.rbegin(); it != stany.rend(); ++it) {
        if (!*it)
            continue;
        const double grosze = std::round(ZaokraglijDo(-2, (*it)->Stan()) * 100);
        if (zapamietaneGrosze && std::fabs(grosze - *zapamietaneGrosze) <= 1)
            id.push_back((*it)->Id());
        else
            zapamietaneGrosze = grosze;
    }
    return id;
}
