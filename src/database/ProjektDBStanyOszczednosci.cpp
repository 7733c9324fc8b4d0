#include <exception>
#include <string>
#include <vector>

#include "collections/KolekcjeDanych.h"
#include "database/HistoriaStanow.h"
#include "database/KodowanieZapisu.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"

void TProjektDB::AktualizujStanOszczednosci()
{
    if (!fKolekcje)
        return;
    WykonajPolecenieSQL(PolecenieStanuOszczednosci(fKolekcje->KolekcjaZawieraOszczednosci(),
                                                   fKolekcje->KolekcjaZawieraAktywneLokaty()),
                        false);
    UsunPowtorzoneStanyOszczednosci();
}

void TProjektDB::UsunPowtorzoneStanyOszczednosci()
{
    // The snapshots loaded before this call's one was appended: the new one is compared at
    // the next call.
    try {
        const std::vector<int32_t> id = IdPowtorzonychStanow(fKolekcje->StanyOszczednosci());
        if (!id.empty()) {
            std::vector<std::string> polecenia;
            polecenia.reserve(id.size());
            for (const int32_t i : id)
                polecenia.push_back(zapis::PolecenieUsuniecia(fPlikiDB->TabNameStanOszczednosci(), i));
            WykonajListePolecenSQL(std::move(polecenia), true);
        }
    } catch (const std::exception&) {
        // A failing statement was shown by the executor; a pruning left undone only keeps
        // a repeated snapshot until the next one.
    }
    WczytajDaneZTabeliDoKolekcji(TTabele::StanyOszczednosci);
}
