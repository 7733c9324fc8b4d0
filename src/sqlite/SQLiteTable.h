#pragma once
// The complete result of one query, detached from the library once built: every cell of every
// row, walked row by row and read by column index or name.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sqlite/SQLiteTekstPola.h"
#include "sqlite/SQLiteTyp.h"

struct sqlite3;
struct sqlite3_stmt;

class TSQLiteTable {
public:
    // An empty result: no rows, no columns.
    TSQLiteTable() = default;

    uint32_t Count() const { return fRowCount; }
    uint32_t RowCount() const { return fRowCount; }
    uint32_t ColCount() const { return fColCount; }
    uint32_t Row() const { return fRow; }
    // Named Eof because EOF is a macro of the C library.
    bool Eof() const { return fRow >= fRowCount; }
    bool BOF() const { return fRow == 0; }

    bool MoveFirst();
    bool MoveLast();
    bool MoveTo(uint32_t pozycja);
    // May step onto the end position after the last row.
    bool Next();
    bool Previous();

    // Column names as reported by the library, in upper case; empty when there was no row.
    const std::vector<std::string>& Cols() const { return fCols; }
    TSQLiteTyp ColType(int kolumna) const;

    // Cells of the current row. Every accessor raises "Table is at End of File" at the end
    // position. An absent cell (SQL NULL) reads as 0, an empty text or no buffer.
    int64_t FieldAsInteger(int kolumna) const;
    double FieldAsDouble(int kolumna) const;
    std::string FieldAsString(int kolumna) const;
    bool FieldIsNull(int kolumna) const;
    // The bytes stay owned by the table; an empty span (null data) when there is no buffer.
    std::span<const std::byte> FieldAsBlob(int kolumna) const;
    std::string FieldAsBlobText(int kolumna) const;

    // The text form the loaders convert from; an absent cell gives "0" in an integer or
    // floating column and an empty text elsewhere.
    std::string FieldTextByName(std::string_view nazwa) const;
    // The same text without allocating.
    TTekstPola FieldTextViewByName(std::string_view nazwa) const;
    TTekstPola FieldTextView(int kolumna) const;

    // Position of the column, matched ignoring letter case; the first one of equal names.
    // Raises when the result has no columns or no such column.
    int ColumnIndex(std::string_view nazwa) const;

private:
    friend class TSQLiteDatabase;

    // 16 bytes per cell: the native value or the place of its bytes in fDane.
    struct TKomorka {
        union {
            int64_t Calkowita;
            double Zmiennoprzecinkowa;
            uint64_t Poczatek;
        };
        uint32_t Dlugosc;
        TSQLiteTyp Typ;  // Null: the cell is absent
    };

    // Steps the prepared statement to its end and keeps every row; sql is quoted in errors.
    static TSQLiteTable Pobierz(sqlite3* db, sqlite3_stmt* polecenie, std::string_view sql);
    void UstalKolumny(sqlite3_stmt* polecenie);
    void DodajWiersz(sqlite3_stmt* polecenie);
    void DodajTekst(TKomorka& komorka, TSQLiteTyp typ, const void* dane, int dlugosc);

    const TKomorka& Komorka(int kolumna) const;
    std::string_view Bajty(const TKomorka& komorka) const;
    TTekstPola TekstKomorki(const TKomorka& komorka) const;
    int ZnajdzKolumne(std::string_view nazwa) const;

    std::vector<TKomorka> fResults;
    std::string fDane;  // the bytes of every text and blob cell, one after another
    uint32_t fRowCount = 0;
    uint32_t fColCount = 0;
    std::vector<std::string> fCols;
    std::vector<TSQLiteTyp> fColTypes;
    uint32_t fRow = 0;

    // Column positions ordered by name (equal names in column order), and whether a column
    // is the first of its name: the name lookup is a binary search.
    std::vector<uint32_t> fKolejnoscNazw;
    std::vector<std::string> fNazwyZapytania;  // as the library reports them
    std::vector<bool> fPierwszaTejNazwy;
    // Loaders read the columns of every row in one order, so the column after the last one
    // found is tried first. The table is used from one thread only.
    mutable uint32_t fOstatnioZnaleziona = 0;
};
