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
    // What a save reports: the messages about the records its rules refused (a heading and
    // " • " lines, empty when nothing was refused) and whether its statements were committed.
    // A batch that fails is rolled back and shown in the "BŁĄD !!!" box; the caller then keeps
    // its unsaved changes.
    struct TWynikZapisu {
        TStringList Komunikaty;
        // False when the batch was rolled back or could not run; true also when the save
        // had nothing to execute.
        bool Zatwierdzono = true;
        // Committed with nothing refused: the collection holds no change the file lacks.
        bool WszystkoZapisano() const { return Zatwierdzono && Komunikaty.empty(); }
    };
    // Writes the pending changes of the collection of tabela into the database as one
    // transaction. Records are not changed (a spending limit with both maxima 0 excepted,
    // which becomes Usunieto): the caller reloads the table, or discards the collection,
    // after a committed save. A failure outside the batch raises EGrosiwoException
    // "Nie udało się zapisać zawartości tabeli \"{caption}\" !!!\rPRZYCZYNA BŁĘDU:\r..." and
    // then nothing was executed.
    TWynikZapisu ZapiszZawartoscKolekcjiDoBazy(TTabele tabela);
    // After a category or person table was saved and reloaded: references of unsaved
    // expenses, incomes, savings and standing orders to the temporary ids of its new rows
    // take the rows' database ids. Any other table does nothing.
    void PoZapisaniuKategoriiUaktualnijNumeryIDKategoriiWKolekcjach(TTabele tabela);
    // Appends a snapshot of the total of the saved savings and active deposits, removes the
    // snapshots that repeat the balance before them and reloads the snapshot collection.
    void AktualizujStanOszczednosci();

    // ---- Category maintenance ----
    // Each changes one attribute of the first record with the id in memory and marks it
    // Zmieniono (a Dodano record stays Dodano); a table the operation does not accept, or an
    // id no record has, changes nothing. The next save of the table applies its rules.
    // Osoby and the three category tables: the hidden flag (true hides); the two
    // standing-order tables: the active flag (true activates).
    void ZmienWidocznoscKategorii(int32_t id, TTabele tabela, bool nowaWidocznosc);
    // The three category tables; the text is stored as typed.
    void ZmienOpisKategorii(int32_t id, TTabele tabela, const std::string& nowyOpis);
    // Kategorie_Oszczednosci only.
    void ZmienMozliwoscZaplatyKategorii(int32_t id, TTabele tabela, bool nowaMozliwoscZaplaty);
    void ZmienCharakterDluguKategoriiOszczednosci(int32_t idKategorii, bool charakterDlugu);

    // ---- Category maintenance, balance history, standing orders, defaults, backup ----
    // Standing orders. Records one execution in memory: a history entry (Dodano), the
    // amount moved on the savings entry idOszczednosci and, unless the occurrence is skipped
    // (ignoruj: amount 0), a new expense or income first in its list, marked as coming from
    // a standing order. An empty comment becomes the order's name; | ' " ; are removed. A
    // negative or non-finite amount, or a date outside the calendar, raises
    // EGrosiwoException before anything changes. A savings entry that cannot take the
    // movement raises EGrosiwoException; the history entry then stays.
    void WykonajZlecenieStale(const class TZlecenieStale* zlecenie, int32_t idOsoba,
                              int32_t idOszczednosci, const std::string& komentarz,
                              double kwotaZlecenia, TDateTime dataWykonania, bool ignoruj);

    // Default categories and test data. Inserts the default categories of one category
    // table, or of all three for Pusta, one batch per table; rows already there are not
    // looked at and the collections are not reloaded.
    void UtworzDomyslneKategorie(TTabele kolekcja);
    void DodajDoBazyOsobyTestowe();
    // Default categories, two persons and 21 random expenses and incomes plus one savings
    // entry per payable savings category, dated now and drawn from a generator seeded
    // from the clock; then the tables are reloaded. EGrosiwoException when the database
    // still lacks categories or persons.
    void WpiszDaneTestowe();
    // Deletes the rows of every data table and resets their key counters (the frequency
    // rows stay), then empties the collections. A batch that failed changed nothing, and
    // the collections are kept: the answer is false.
    bool WyczyscWszystkieDane();
    // Runs the statements as one transaction; true when it was committed.
    bool WykonajWpisanePoleceniaSQL(std::vector<std::string> listaPolecen);

    // Backup. Copies the data file byte for byte into the folder (the data file's own
    // folder when blank), created when missing, as "<name> yyyy.MM.dd hh.nn<.ext>".
    // Returns the message for the user: where the copy is, or why none was made; never
    // raises.
    std::string UtworzKopieBazyDanych(const std::string& folderKopiiBazyDanych) const;

    // ---- Table save-state and column queries ----
    // From the collections' changed flags only; nothing reads the database. False for
    // Pusta, PrzychodyIRozchody and HarmonogramyLokatBankowych.
    bool TabelaZapisana(TTabele tabela) const;
    // The three category tables and the persons.
    bool TabeleZKategoriamiZapisane() const;
    // The categories, persons, transactions, transfers, standing orders and their history;
    // plans, limits, deposits and balance snapshots do not count.
    bool TabeleZapisane() const;
    // Captions of the tables with unsaved changes joined with ", ", or
    // "(wszystkie tabele zapisane)".
    std::string EtykietyNiezapisanychTabel() const;
    // The distinct non-null values of one column, sorted with the Polish collation ignoring
    // letter case; nullptr when the query fails (no such table or column). The column name
    // is quoted as an identifier, so no name can change the statement.
    std::unique_ptr<TStringList> PobierzZawartoscKolumny(TTabele tabela,
                                                         const std::string& nazwaKolumny) const;

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
    // Deletes the snapshots whose balance repeats the next newer one; errors are ignored.
    void UsunPowtorzoneStanyOszczednosci();
    // The working map a category or person table fills; nullptr for the other tables.
    std::map<int32_t, std::string>* SlownikZapisu(TTabele tabela);

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
