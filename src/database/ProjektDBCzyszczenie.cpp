// Wiping every data table, and running statements handed over by the caller.
#include <string>
#include <utility>
#include <vector>

#include "collections/KolekcjeDanych.h"
#include "database/PlikiDB.h"
#include "database/PoleceniaKonserwacji.h"
#include "database/ProjektDB.h"

bool TProjektDB::WyczyscWszystkieDane()
{
    const TPlikiDB& p = *fPlikiDB;
    // The frequency table and the views stay.
    const TStringList tabele{p.TabNameWydatki(),
                             p.TabNamePrzychody(),
                             p.TabNameOszczednosci(),
                             p.TabNameHistoriaPrzelewowOszczednosci(),
                             p.TabNameStanOszczednosci(),
                             p.TabNameKategorieWydatkow(),
                             p.TabNameKategoriePrzychodow(),
                             p.TabNameKategorieOszczednosci(),
                             p.TabNameOsoby(),
                             p.TabNameZleceniaStale(),
                             p.TabNameHistoriaZlecenStalych(),
                             p.TabNamePlany(),
                             p.TabNameOgraniczenia(),
                             p.TabNameLokaty(),
                             p.TabNameHarmonogramyLokat()};
    const bool wyczyszczono = WykonajListePolecenSQL(PoleceniaCzyszczeniaTabel(tabele), false);
    // After a rolled-back batch the file still holds every row; empty lists would show the
    // data as gone.
    if (wyczyszczono && fKolekcje)
        fKolekcje->WyczyscKolekcjeDanych();
    return wyczyszczono;
}

bool TProjektDB::WykonajWpisanePoleceniaSQL(std::vector<std::string> listaPolecen)
{
    return WykonajListePolecenSQL(std::move(listaPolecen), true);
}
