#include "host/PlanerHosta.h"

#include <utility>

#include "database/ProjektDB.h"

TPlanerHosta::TPlanerHosta(TProjektDB& projekt, std::string folderProgramu, std::string wybranyModul)
    : fProjekt(projekt), fFolderProgramu(std::move(folderProgramu)), fWybranyModul(std::move(wybranyModul))
{
}

bool TPlanerHosta::ZaladujModul()
{
    return fModul.Zaladuj(TModulPlanera::MozliweSciezki(fFolderProgramu, fWybranyModul));
}

bool TPlanerHosta::Uruchom(QWidget* oknoHosta)
{
    if (!ZaladujModul())
        return false;
    fProjekt.OdswiezZawartoscKolekcji(TTabele::Plany);
    fModul.SetApplicationVariables()(oknoHosta, &fProjekt);
    fModul.ShowFormGW()();
    // For the summary and the reminder: the run leaves the list empty.
    fProjekt.OdswiezZawartoscKolekcji(TTabele::Plany);
    return true;
}
