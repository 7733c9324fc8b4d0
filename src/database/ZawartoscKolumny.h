#pragma once
// The distinct values stored in one column of a table, offered as suggestions while typing.
#include <string>
#include <string_view>

#include "common/FunkcjeWspolne.h"

class TSQLiteDatabase;

// SELECT DISTINCT of the column's non-null values. Both names are quoted as identifiers
// (a double quote inside doubled), so whatever they hold stays a name, and the column is
// qualified by the table, so a name that is no column fails the query.
std::string ZapytanieZawartosciKolumny(std::string_view tabela, std::string_view kolumna);

// The values as UTF-8 texts, sorted with the Polish collation ignoring letter case (equal
// ones in the database's order). Raises ESQLiteException for a table or column that does
// not exist and EGrosiwoException for a name holding a NUL character.
TStringList PobierzZawartoscKolumny(TSQLiteDatabase& baza, std::string_view tabela, std::string_view kolumna);
