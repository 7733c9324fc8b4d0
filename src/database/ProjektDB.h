#pragma once
// The project database object: owns the connection to the data file, the table registry,
// the in-memory collections, the statistics over them, the default category lists and the
// working maps of the saving. Its operations are implemented per topic in ProjektDB*.cpp.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/FunkcjeWspolne.h"
#include "database/AnalizaProjektu.h"
#include "records/WlasneTypyDanych.h"

class TKolekcjeDanych;
class TPlikiDB;
class TSQLiteDatabase;

// The two flags a default savings category is created with.
struct TFlagiKategoriiOszczednosci {
    bool MoznaZaplacic = false;
    bool Dlug = false;
};

class TProjektDB {
public:
    // Builds the object and opens the database: checks and creates the data folder, probes
    // writing, opens the file, creates and upgrades the schema and loads every table. Takes
    // ownership of inDBFile. Any failure raises EGrosiwoException with the message to show.
    explicit TProjektDB(std::unique_ptr<TPlikiDB> inDBFile);
    ~TProjektDB();
    TProjektDB(const TProjektDB&) = delete;
    TProjektDB& operator=(const TProjektDB&) = delete;

    // True only on the way to a failed opening; an opened object reports false.
    bool ReadOnlyMode() const { return fReadOnlyMode; }
    const TPlikiDB& PlikiDB() const { return *fPlikiDB; }
    TKolekcjeDanych& Kolekcje() { return *fKolekcje; }
    const TKolekcjeDanych& Kolekcje() const { return *fKolekcje; }
    TAnaliza& Analiza() { return *fAnaliza; }
    const TAnaliza& Analiza() const { return *fAnaliza; }

    // The table a window of the application shows at the moment; Pusta after opening.
    TTabele WyswietlanaTabela() const { return fWyswietlanaTabela; }
    void SetWyswietlanaTabela(TTabele v) { if (fWyswietlanaTabela != v) fWyswietlanaTabela = v; }

    bool PokazujLokatyWOszczednosciach() const { return fPokazujLokatyWOszczednosciach; }

    const TStringList& DomyslneKategorieWydatkow() const { return fDomyslneKategorieWydatkow; }
    const TStringList& DomyslneKategoriePrzychodow() const { return fDomyslneKategoriePrzychodow; }
    const std::map<std::string, TFlagiKategoriiOszczednosci>& DomyslneKategorieOszczednosci() const
    {
        return fDomyslneKategorieOszczednosci;
    }

    // ---- Loading tables into collections ----
    // Declared here because opening loads every table; implemented in ProjektDBWczytywanie.cpp.
    // Every table whose collection has no unsaved changes, and the table kolekcja in any case.
    void WczytajDaneZTabelDoKolekcji(TTabele kolekcja);
    // The table kolekcja only, and only when its collection has no unsaved changes.
    void WczytajDaneZTabeliDoKolekcji(TTabele kolekcja);
    // The table kolekcja, discarding unsaved changes of its collection.
    void OdswiezZawartoscKolekcji(TTabele kolekcja);
    // The rows of the table's loading query (the query of a collection, in its order). Pusta
    // and PrzychodyIRozchody have none: "Could not prepare SQL statement". (The elaborated
    // name declares the result type without needing its header here.)
    class TSQLiteTable PobierzDaneZTabeli(TTabele typTabeli);
    // Every row of the named table, in the database's order.
    class TSQLiteTable PobierzDaneZTabeli(const std::string& nazwaTabeli);

    // ---- Saving ----
    // @@SAVING@@

    // ---- Category maintenance, balance history, standing orders, defaults, backup ----
    // @@MAINTENANCE@@

    // ---- Table save-state and column queries ----
    // @@SAVESTATE@@

    // ---- Deposits shown as savings ----
    // True adds to the savings one read-only entry holding the total of the running deposits,
    // rebuilt at every write and every load of the savings; false removes it. Without
    // collections the option stays false.
    void SetPokazujLokatyWOszczednosciach(bool v);

private:
    // ---- Opening (ProjektDBOtwarcie.cpp) ----
    void PolaczZBaza(const TPlikiDB* db);
    // True when a probe file "<sciezka>test<yyyy.MM.dd.hh.mm>.txt" cannot be written and
    // deleted. Never raises.
    bool TestZapisuWLokalizacji(const std::string& sciezka) const;
    // True when the probe statements on the database failed (shown by the executor).
    bool TestZapisuDoBazy();

    // ---- The object (ProjektDB.cpp) ----
    void ZresetujStan();
    void UtworzPolaczenie(const TPlikiDB& db);
    void UtworzListyDomyslnychKategorii();
    // Runs the statements as one transaction. A failing statement is shown in the
    // "BŁĄD !!!" box and the batch is rolled back; a batch started while a transaction is
    // open runs nothing. True only when the batch was committed. A failure to begin the
    // transaction is raised.
    bool WykonajListePolecenSQL(std::vector<std::string> polecenia, bool wyczyscParametry);
    bool WykonajPolecenieSQL(std::string polecenie, bool wyczyscParametry);

    // ---- Schema (ProjektDBSchemat.cpp) ----
    // Tables, index definitions, frequency rows and column titles; ends with the upgrade.
    void UtworzTabele();
    // Brings a database written by an older version to the current structure.
    void AktualizujStrukture();
    void UtworzWidoki();

    // ---- Private helpers of the other topics ----
    // The reader of one table: its query, then a new list of records for its collection and
    // the collection's changed flag lowered. A failed query or a value that does not convert
    // leaves the collection and its flag as they were.
    void WczytajTabele(TTabele tabela);
    // @@SAVING-PRIVATE@@
    // @@MAINTENANCE-PRIVATE@@
    // @@SAVESTATE-PRIVATE@@
    // @@DEPOSITS-PRIVATE@@

    bool fReadOnlyMode = false;
    std::unique_ptr<TPlikiDB> fPlikiDB;
    TTabele fWyswietlanaTabela = TTabele::Pusta;
    bool fPokazujLokatyWOszczednosciach = false;
    // Declared in the order that lets the statistics go before the collections they read,
    // and the collections before the connection.
    std::unique_ptr<TSQLiteDatabase> fDataBase;
    std::unique_ptr<TKolekcjeDanych> fKolekcje;
    TWskaznikAnalizy fAnaliza;
    // Temporary id -> description of the new categories and persons of one save.
    std::map<int32_t, std::string> fZapisKategoriWydatkow;
    std::map<int32_t, std::string> fZapisKategoriPrzychodow;
    std::map<int32_t, std::string> fZapisKategoriOszczednosci;
    std::map<int32_t, std::string> fZapisOsob;
    TStringList fDomyslneKategorieWydatkow;
    TStringList fDomyslneKategoriePrzychodow;
    std::map<std::string, TFlagiKategoriiOszczednosci> fDomyslneKategorieOszczednosci;
};
