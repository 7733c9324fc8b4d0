#pragma once
// The connection to one SQLite database file, through which every statement of the system
// runs. Statements are complete texts; a query gives a fully fetched TSQLiteTable.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sqlite/SQLiteException.h"
#include "sqlite/SQLiteTable.h"
#include "sqlite/SQLiteTyp.h"

struct sqlite3;

// A pending named parameter for the next statement.
struct TSQliteParam {
    std::string name;  // as written in the statement, e.g. ":Id"
    TSQLiteTyp valuetype = TSQLiteTyp::Null;  // Calkowita, Zmiennoprzecinkowa, Tekst or Null
    int64_t valueinteger = 0;
    double valuefloat = 0;
    std::string valuedata;
};

class TSQLiteDatabase {
public:
    // Opens the file, creating it when missing. Raises ESQLiteException on failure.
    explicit TSQLiteDatabase(const std::string& nazwaPliku);
    // Rolls back a transaction begun here and still open, then closes the connection.
    ~TSQLiteDatabase();
    TSQLiteDatabase(const TSQLiteDatabase&) = delete;
    TSQLiteDatabase& operator=(const TSQLiteDatabase&) = delete;

    // Only the first statement of sql runs; the rest of the text is ignored. A statement
    // that yields a row is an error here. The pending parameters are used up.
    void ExecSQL(const std::string& sql);
    // Runs a query and keeps all its rows. The pending parameters are used up.
    TSQLiteTable GetTable(const std::string& sql);

    void BeginTransaction();
    void Commit();
    void Rollback();
    // True while a transaction begun through BeginTransaction is neither committed nor
    // rolled back.
    bool InTrans() const { return fInTrans; }

    // Parameters for the next statement; names the statement does not use are skipped.
    void AddParamInt(const std::string& name, int64_t value);
    void AddParamFloat(const std::string& name, double value);
    void AddParamText(const std::string& name, const std::string& value);
    void AddParamNull(const std::string& name);
    const std::vector<TSQliteParam>& Params() const { return fParams; }
    void ParamsClear();

private:
    struct TZamkniecie {
        void operator()(sqlite3* db) const noexcept;
    };

    void Wykonaj(const std::string& sql, const std::vector<TSQliteParam>& parametry);

    std::unique_ptr<sqlite3, TZamkniecie> fDB;
    bool fInTrans = false;
    std::vector<TSQliteParam> fParams;
};
