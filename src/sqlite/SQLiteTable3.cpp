#include "sqlite/SQLiteTable3.h"

#include <sqlite3.h>
#include <utility>

namespace {

struct TFinalizacja {
    void operator()(sqlite3_stmt* polecenie) const noexcept { sqlite3_finalize(polecenie); }
};
using TPolecenie = std::unique_ptr<sqlite3_stmt, TFinalizacja>;

// Prepares the first statement of the text (up to its terminating zero).
TPolecenie Przygotuj(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* surowe = nullptr;
    const int wynik = sqlite3_prepare_v2(db, sql.c_str(), -1, &surowe, nullptr);
    TPolecenie polecenie(surowe);
    if (wynik != SQLITE_OK)
        FailWithLastError(db, "Error executing SQL", sql);
    if (!polecenie)
        FailWithLastError(db, "Could not prepare SQL statement", sql);
    return polecenie;
}

// The texts are bound without a copy: the caller keeps parametry alive until the statement
// is finalized.
void BindNamedParams(sqlite3* db, sqlite3_stmt* polecenie, const std::string& sql,
                     const std::vector<TSQliteParam>& parametry)
{
    for (const TSQliteParam& parametr : parametry) {
        const int indeks = sqlite3_bind_parameter_index(polecenie, parametr.name.c_str());
        if (indeks <= 0)
            continue;
        int wynik = SQLITE_OK;
        switch (parametr.valuetype) {
        case TSQLiteTyp::Calkowita:
            wynik = sqlite3_bind_int64(polecenie, indeks, parametr.valueinteger);
            break;
        case TSQLiteTyp::Zmiennoprzecinkowa:
            wynik = sqlite3_bind_double(polecenie, indeks, parametr.valuefloat);
            break;
        case TSQLiteTyp::Tekst:
            wynik = sqlite3_bind_text64(polecenie, indeks, parametr.valuedata.data(),
                                        parametr.valuedata.size(), SQLITE_STATIC, SQLITE_UTF8);
            break;
        case TSQLiteTyp::Null:
        case TSQLiteTyp::Blob:
            wynik = sqlite3_bind_null(polecenie, indeks);
            break;
        }
        // A value that could not be bound would silently run as NULL.
        if (wynik != SQLITE_OK)
            FailWithLastError(db, "Error executing SQL", sql);
    }
}

}  // namespace

void TSQLiteDatabase::TZamkniecie::operator()(sqlite3* db) const noexcept
{
    sqlite3_close(db);
}

TSQLiteDatabase::TSQLiteDatabase(const std::string& nazwaPliku)
{
    sqlite3* uchwyt = nullptr;
    const int wynik = sqlite3_open(nazwaPliku.c_str(), &uchwyt);
    // A failed open may still give a handle; it is closed with this object.
    fDB.reset(uchwyt);
    if (wynik != SQLITE_OK) {
        if (!uchwyt)
            throw ESQLiteException("Failed to open database \"" + nazwaPliku + "\" : unknown error");
        throw ESQLiteException("Failed to open database \"" + nazwaPliku + "\" : " +
                               sqlite3_errmsg(uchwyt));
    }
    // The schema's views use double-quoted string literals, which a library may be built
    // to refuse. A library older than these options always accepts them, so a refusal of
    // the option itself changes nothing.
    sqlite3_db_config(fDB.get(), SQLITE_DBCONFIG_DQS_DML, 1, nullptr);
    sqlite3_db_config(fDB.get(), SQLITE_DBCONFIG_DQS_DDL, 1, nullptr);
}

TSQLiteDatabase::~TSQLiteDatabase()
{
    if (fInTrans) {
        try {
            Rollback();
        } catch (...) {
            // Closing the connection ends the transaction anyway.
        }
    }
}

void TSQLiteDatabase::Wykonaj(const std::string& sql, const std::vector<TSQliteParam>& parametry)
{
    const TPolecenie polecenie = Przygotuj(fDB.get(), sql);
    BindNamedParams(fDB.get(), polecenie.get(), sql, parametry);
    if (sqlite3_step(polecenie.get()) != SQLITE_DONE) {
        sqlite3_reset(polecenie.get());
        FailWithLastError(fDB.get(), "Error executing SQL statement", sql);
    }
}

void TSQLiteDatabase::ExecSQL(const std::string& sql)
{
    // Taken before anything can fail, so that parameters never outlive their statement.
    const std::vector<TSQliteParam> parametry = std::exchange(fParams, {});
    Wykonaj(sql, parametry);
}

TSQLiteTable TSQLiteDatabase::GetTable(const std::string& sql)
{
    const std::vector<TSQliteParam> parametry = std::exchange(fParams, {});
    const TPolecenie polecenie = Przygotuj(fDB.get(), sql);
    BindNamedParams(fDB.get(), polecenie.get(), sql, parametry);
    return TSQLiteTable::Pobierz(fDB.get(), polecenie.get(), sql);
}

// The transaction statements bind nothing, so they leave the pending parameters to the
// statement they were meant for.
void TSQLiteDatabase::BeginTransaction()
{
    if (fInTrans)
        throw ESQLiteException("Transaction already open");
    Wykonaj("BEGIN TRANSACTION", {});
    fInTrans = true;
}

void TSQLiteDatabase::Commit()
{
    Wykonaj("COMMIT", {});
    fInTrans = false;
}

void TSQLiteDatabase::Rollback()
{
    try {
        Wykonaj("ROLLBACK", {});
    } catch (const ESQLiteException&) {
        // The library may already have rolled the transaction back after an I/O, disk-full
        // or lock error; then the flag must not keep every later batch from running.
        if (fInTrans && sqlite3_get_autocommit(fDB.get()) != 0) {
            fInTrans = false;
            return;
        }
        throw;
    }
    fInTrans = false;
}

void TSQLiteDatabase::AddParamInt(const std::string& name, int64_t value)
{
    TSQliteParam parametr;
    parametr.name = name;
    parametr.valuetype = TSQLiteTyp::Calkowita;
    parametr.valueinteger = value;
    fParams.push_back(std::move(parametr));
}

void TSQLiteDatabase::AddParamFloat(const std::string& name, double value)
{
    TSQliteParam parametr;
    parametr.name = name;
    parametr.valuetype = TSQLiteTyp::Zmiennoprzecinkowa;
    parametr.valuefloat = value;
    fParams.push_back(std::move(parametr));
}

void TSQLiteDatabase::AddParamText(const std::string& name, const std::string& value)
{
    TSQliteParam parametr;
    parametr.name = name;
    parametr.valuetype = TSQLiteTyp::Tekst;
    parametr.valuedata = value;
    fParams.push_back(std::move(parametr));
}

void TSQLiteDatabase::AddParamNull(const std::string& name)
{
    TSQliteParam parametr;
    parametr.name = name;
    parametr.valuetype = TSQLiteTyp::Null;
    fParams.push_back(std::move(parametr));
}

void TSQLiteDatabase::ParamsClear()
{
    fParams.clear();
}
