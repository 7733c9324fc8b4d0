#include "sqlite/SQLiteException.h"

#include <array>
#include <sqlite3.h>

std::string ErrorCodeText(int kod)
{
    // Indexed by the primary result codes 0..26; the texts belong to the data format.
    static constexpr std::array<const char*, 27> Opisy = {
        "Successful result",
        "SQL error or missing database",
        "An internal logic error in SQLite",
        "Access permission denied",
        "Callback routine requested an abort",
        "The database file is locked",
        "A table in the database is locked",
        "A malloc() failed",
        "Attempt to write a readonly database",
        "Operation terminated by sqlite3_interrupt()",
        "Some kind of disk I/O error occurred",
        "The database disk image is malformed",
        "(Internal Only) Table or record not found",
        "Insertion failed because database is full",
        "Unable to open the database file",
        "Database lock protocol error",
        "Database is empty",
        "The database schema changed",
        "Too much data for one row of a table",
        "Abort due to contraint violation",
        "Data type mismatch",
        "Library used incorrectly",
        "Uses OS features not supported on host",
        "Authorization denied",
        "Auxiliary database format error",
        "2nd parameter to sqlite3_bind out of range",
        "File opened that is not a database file",
    };
    if (kod >= 0 && kod < static_cast<int>(Opisy.size()))
        return Opisy[static_cast<size_t>(kod)];
    if (kod == SQLITE_ROW)
        return "sqlite3_step() has another row ready";
    if (kod == SQLITE_DONE)
        return "sqlite3_step() has finished executing";
    return "Unknown SQLite Error Code \"" + std::to_string(kod) + "\"";
}

void FailWithLastError(sqlite3* db, const std::string& komunikat, std::string_view sql)
{
    const int kod = db ? sqlite3_errcode(db) : SQLITE_OK;
    if (kod == SQLITE_OK)
        throw ESQLiteException(komunikat);
    std::string tekst = komunikat;
    tekst += ".\rError [";
    tekst += std::to_string(kod);
    tekst += "]: ";
    tekst += ErrorCodeText(kod);
    tekst += ".\r\"";
    tekst += sql;
    tekst += "\": ";
    tekst += sqlite3_errmsg(db);
    throw ESQLiteException(tekst);
}
