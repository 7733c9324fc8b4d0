// The module's two entry points and the state they share between the calls.
#include "module/GW.Planer.h"

#include <QApplication>
#include <QWidget>

#include <exception>

#include "common/Platforma.h"
#include "module/WywolaniePlanera.h"

namespace {

const char* const BrakBazy =
    "Nie można uruchomić modułu - nie udało się nawiązać połączenia z bazą danych !!!\r"
    "Upewnij się że program znajduje się w lokalizacji, w której zapis jest możliwy lub że "
    "masz wystarczająco dużo miejsca na dysku do utworzenia bazy.";
const char* const BrakAplikacji =
    "Nie można uruchomić modułu - program nie utworzył interfejsu graficznego !!!";
const char* const NieznanyBlad = "Nieoczekiwany błąd modułu planera !!!";

// Set by SetApplicationVariables; the database is forgotten at the end of every run.
struct TStanModulu {
    QWidget* OknoHosta = nullptr;
    TProjektDB* ProjektDB = nullptr;
};

TStanModulu gStan;

// Clears the stored database however the run ends.
class TZapomnienieBazy {
public:
    TZapomnienieBazy() = default;
    ~TZapomnienieBazy() { gStan.ProjektDB = nullptr; }
    TZapomnienieBazy(const TZapomnienieBazy&) = delete;
    TZapomnienieBazy& operator=(const TZapomnienieBazy&) = delete;
};

// A box that fails must not let an exception out through the C boundary.
void PokazBladBezWyjatkow(const char* tekst) noexcept
{
    try {
        PokazBlad(tekst);
    } catch (...) {
    }
}

}  // namespace

extern "C" void SetApplicationVariables(void* oknoHosta, TProjektDB* projektDB)
{
    gStan.OknoHosta = static_cast<QWidget*>(oknoHosta);
    gStan.ProjektDB = projektDB;
}

extern "C" void ShowFormGW()
{
    if (gStan.ProjektDB == nullptr) {
        PokazBladBezWyjatkow(BrakBazy);
        return;
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        PokazBladBezWyjatkow(BrakAplikacji);
        return;
    }
    const TZapomnienieBazy zapomnienie;
    try {
        TWywolaniePlanera(gStan.OknoHosta, *gStan.ProjektDB).Uruchom();
    } catch (const std::exception& blad) {
        PokazBladBezWyjatkow(blad.what());
    } catch (...) {
        PokazBladBezWyjatkow(NieznanyBlad);
    }
}
