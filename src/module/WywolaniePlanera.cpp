#include "module/WywolaniePlanera.h"

#include <QDialog>

#include <exception>
#include <memory>

#include "collections/KolekcjeDanych.h"
#include "common/FunkcjeWspolne.h"
#include "common/Platforma.h"
#include "database/ProjektDB.h"
#include "planner/PlanerOknoGlowne.h"
#include "records/Plan.h"

namespace {

const char* const ZmianyZachowane =
    "Nie udało się zapisać planowanych wydatków i przychodów w bazie danych !!!\r"
    "Wprowadzone zmiany nie zostały utracone: okno planera zostanie otwarte ponownie, "
    "abyś mógł ponowić zapis lub zamknąć je bez zapisywania.";

// The planner window of one showing. It is detached from the database before it goes, so
// that its list lets go of the plans before anyone frees them.
class TOknoPlanera {
public:
    TOknoPlanera(QWidget* wlasciciel, TProjektDB& projektDB)
        : fOkno(std::make_unique<TPlanerFormGlowny>(wlasciciel))
    {
        fOkno->SetMyDB(&projektDB);
    }
    ~TOknoPlanera() { fOkno->SetMyDB(nullptr); }
    TOknoPlanera(const TOknoPlanera&) = delete;
    TOknoPlanera& operator=(const TOknoPlanera&) = delete;

    // True when it closed through its save button.
    bool PokazModalnie() { return fOkno->exec() == QDialog::Accepted; }

private:
    std::unique_ptr<TPlanerFormGlowny> fOkno;
};

}  // namespace

TWywolaniePlanera::TWywolaniePlanera(QWidget* oknoHosta, TProjektDB& projektDB)
    : fOknoHosta(oknoHosta), fProjektDB(projektDB)
{
}

void TWywolaniePlanera::Uruchom()
{
    UstawFormatyDanych();
    TKolekcjeDanych& kolekcje = fProjektDB.Kolekcje();
    for (bool zakonczono = false; !zakonczono;) {
        TOknoPlanera okno(fOknoHosta, fProjektDB);
        const bool zapisz = okno.PokazModalnie() && kolekcje.ZmienionoINiezapisanoPlany();
        zakonczono = !zapisz || ZapiszPlany();
    }
    kolekcje.Plany().clear();
    kolekcje.SetZmienionoINiezapisanoPlany(false);
}

bool TWywolaniePlanera::ZapiszPlany()
{
    // The plans table has no rules that refuse a record, so the messages of a committed
    // save say nothing the user needs.
    try {
        if (fProjektDB.ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany).Zatwierdzono)
            return true;
    } catch (const std::exception& blad) {
        PokazBlad(blad.what());
    }
    PokazBlad(ZmianyZachowane);
    return false;
}
