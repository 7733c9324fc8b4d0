#include "database/WykonywaniePolecen.h"

#include <exception>
#include <utility>

#include "common/Platforma.h"
#include "sqlite/SQLiteTable3.h"

bool WykonajPaczkePolecen(TSQLiteDatabase& baza, std::vector<std::string> polecenia,
                          bool wyczyscParametry)
{
    // Another batch of this connection is in progress: this one must not join it.
    if (baza.InTrans())
        return false;

    baza.BeginTransaction();
    bool zatwierdzono = false;
    std::string blad;
    try {
        for (const std::string& polecenie : polecenia)
            baza.ExecSQL(polecenie);
        baza.Commit();
        zatwierdzono = true;
    } catch (const std::exception& e) {
        blad = e.what();
        try {
            baza.Rollback();
        } catch (const std::exception&) {
            // The statement's failure is the one worth showing; closing the connection
            // ends the transaction in any case.
        }
    }
    // Shown after the rollback, so the file is not held locked while the box is open.
    if (!zatwierdzono)
        PokazBlad(blad);
    if (wyczyscParametry)
        baza.ParamsClear();
    return zatwierdzono;
}
