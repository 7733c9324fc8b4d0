#pragma once
// Running the planner module from the host: the module is loaded at the first run, the plans
// are read anew from the database before every run and again after it, because each run
// ends with the plans list emptied.
#include <string>

#include "host/ModulPlanera.h"

class QWidget;
class TProjektDB;

class TPlanerHosta {
public:
    // folderProgramu: where the program's executable lies; wybranyModul overrides the search.
    TPlanerHosta(TProjektDB& projekt, std::string folderProgramu, std::string wybranyModul);

    // Loads the module when not loaded yet; false with BladModulu() when that fails.
    bool ZaladujModul();
    const std::string& BladModulu() const { return fModul.Blad(); }
    // One modal run owned by oknoHosta. False, with nothing run, when the module is missing.
    bool Uruchom(QWidget* oknoHosta);

private:
    TProjektDB& fProjekt;
    const std::string fFolderProgramu;
    const std::string fWybranyModul;
    TModulPlanera fModul;
};
