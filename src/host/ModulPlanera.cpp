#include "host/ModulPlanera.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace {

std::string BladDl()
{
    const char* const opis = dlerror();
    return opis != nullptr ? opis : "nieznany błąd";
}

}  // namespace

std::vector<std::string> TModulPlanera::MozliweSciezki(const std::string& folderProgramu,
                                                       const std::string& wybrany)
{
    if (!wybrany.empty())
        return {wybrany};
    const std::filesystem::path folder(folderProgramu);
    const std::string plik(NazwaPlikuModuluPlanera);
    return {(folder / plik).lexically_normal().string(),
            (folder / GROSIWO_FOLDER_MODULU_WZGLEDNY / plik).lexically_normal().string()};
}

TModulPlanera::~TModulPlanera()
{
    if (fUchwyt != nullptr)
        dlclose(fUchwyt);
}

bool TModulPlanera::Zaladuj(const std::vector<std::string>& sciezki)
{
    if (fUchwyt != nullptr)
        return true;
    fBlad.clear();
    fSciezka.clear();
    for (const std::string& sciezka : sciezki) {
        std::error_code ec;
        if (std::filesystem::exists(sciezka, ec)) {
            fSciezka = sciezka;
            break;
        }
    }
    if (fSciezka.empty()) {
        fBlad = "Nie znaleziono modułu planera " + std::string(NazwaPlikuModuluPlanera) +
                " !!!\rSzukano w:";
        for (const std::string& sciezka : sciezki)
            fBlad += "\r" + sciezka;
        return false;
    }

    // Kept mapped after dlclose: Qt may still hold meta-object and resource data of the
    // module's classes until the application ends.
    void* const uchwyt = dlopen(fSciezka.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (uchwyt == nullptr) {
        fBlad = "Nie można załadować modułu planera \"" + fSciezka + "\" !!!\r" + BladDl();
        return false;
    }
    dlerror();
    auto* const ustaw = reinterpret_cast<TSetApplicationVariables>(dlsym(uchwyt, SymbolSetApplicationVariables));
    auto* const pokaz = reinterpret_cast<TShowFormGW>(dlsym(uchwyt, SymbolShowFormGW));
    if (ustaw == nullptr || pokaz == nullptr) {
        fBlad = "Moduł planera \"" + fSciezka + "\" jest uszkodzony: brak funkcji " +
                (ustaw == nullptr ? SymbolSetApplicationVariables : SymbolShowFormGW) + " !!!";
        dlclose(uchwyt);
        return false;
    }
    fUchwyt = uchwyt;
    fSetApplicationVariables = ustaw;
    fShowFormGW = pokaz;
    return true;
}
