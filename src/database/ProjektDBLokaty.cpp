// The running bank deposits shown in the savings as one computed entry.
#include <algorithm>
#include <memory>

#include "collections/KolekcjeDanych.h"
#include "collections/ZapytaniaWspolne.h"
#include "common/Platforma.h"
#include "database/ProjektDB.h"
#include "records/Lokata.h"
#include "records/Oszczednosc.h"

namespace {

// After every weighted category.
constexpr uint32_t WagaLokat = 2147483647;
const char* const OdnosnikRankinguLokat =
    "<a href=\"https://www.money.pl/banki/rankingi/lokaty/\">Ranking lokat bankowych</a>";

double SumaTrwajacychLokat(const TListaRekordow<TLokata>& lokaty)
{
    double suma = 0;
    for (const auto& lokata : lokaty)
        if (lokata->Aktywna() && !lokata->Zakonczona() && lokata->Zmiany() != TTypModyfikacji::Usunieto)
            suma += lokata->Kwota();
    return suma;
}

}  // namespace

void TProjektDB::SetPokazujLokatyWOszczednosciach(bool v)
{
    fPokazujLokatyWOszczednosciach = v;
    if (!fKolekcje) {
        fPokazujLokatyWOszczednosciach = false;
        return;
    }
    TListaRekordow<TOszczednosc>& oszczednosci = fKolekcje->Oszczednosci();
    const auto staryWpis = std::find_if(oszczednosci.begin(), oszczednosci.end(),
                                        [](const auto& o) { return o->OszczednoscZTabeliLokaty(); });
    if (staryWpis != oszczednosci.end())
        oszczednosci.erase(staryWpis);
    if (!v)
        return;

    auto wpis = std::make_unique<TOszczednosc>();
    wpis->SetOszczednoscZTabeliLokaty(true);
    // No savings category has this id, so the entry is never a means of payment.
    wpis->SetIdKategoriaOszczednosci(zapytania::IdKategoriiLokat);
    wpis->SetIle(SumaTrwajacychLokat(fKolekcje->Lokaty()));
    wpis->SetData(Teraz());
    wpis->SetWagaIdKatOszczednosci(WagaLokat);
    wpis->SetKomentarz(OdnosnikRankinguLokat);
    oszczednosci.push_back(std::move(wpis));
}
