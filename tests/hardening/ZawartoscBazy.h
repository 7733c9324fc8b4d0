#pragma once
// Looks into a database file through a connection of its own, as the next start of the
// program would: opening it rolls back a transaction a killed process left behind.
#include <string>

// The answer of PRAGMA integrity_check, its lines joined with "\n"; "ok" for a sound file.
std::string SprawdzIntegralnosc(const std::string& plik);

// Every row of every table (sqlite_sequence included), tables by name and rows by rowid,
// each value with its storage class: two files with equal texts hold equal data.
std::string ZawartoscWszystkichTabel(const std::string& plik);

// The value of the first column of the first row; empty when there is none.
std::string JednaWartosc(const std::string& plik, const std::string& zapytanie);

// Runs one statement on its own connection, outside any transaction of the program.
void WykonajNaPliku(const std::string& plik, const std::string& sql);
