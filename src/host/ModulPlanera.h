#pragma once
// The planner module loaded at run time: found next to the program (the build tree) or in
// the installed library folder, or named by GROSIWO_MODUL; its two entry points resolved.
#include <string>
#include <vector>

#include "module/GW.Planer.h"

class TModulPlanera {
public:
    // The places the module is looked for, in order; wybrany (GROSIWO_MODUL) alone when set.
    static std::vector<std::string> MozliweSciezki(const std::string& folderProgramu,
                                                   const std::string& wybrany);

    TModulPlanera() = default;
    ~TModulPlanera();
    TModulPlanera(const TModulPlanera&) = delete;
    TModulPlanera& operator=(const TModulPlanera&) = delete;

    // Loads the first existing candidate and resolves both functions. False with a Polish
    // message in Blad() when none exists, the library does not load or lacks a function.
    // Once loaded, later calls do nothing.
    bool Zaladuj(const std::vector<std::string>& sciezki);
    bool Zaladowany() const { return fUchwyt != nullptr; }
    const std::string& Blad() const { return fBlad; }
    const std::string& Sciezka() const { return fSciezka; }

    // Valid once Zaladuj succeeded.
    TSetApplicationVariables SetApplicationVariables() const { return fSetApplicationVariables; }
    TShowFormGW ShowFormGW() const { return fShowFormGW; }

private:
    void* fUchwyt = nullptr;
    std::string fSciezka;
    std::string fBlad;
    TSetApplicationVariables fSetApplicationVariables = nullptr;
    TShowFormGW fShowFormGW = nullptr;
};
