#pragma once
// Functions the statistics share: a sum of a list and month keys turned back into dates.
#include <span>
#include <string_view>
#include <vector>

#include "common/DataCzas.h"
#include "common/FunkcjeWspolne.h"

// The items added in list order starting from 0; 0 for an empty list.
double SumaListy(std::span<const double> lista);

// The first day at 00:00 of the month named by a month key such as "maj 2013". The month
// name is looked up, ignoring letter case, in the fixed Polish nominative list, never in the
// locale. Raises EGrosiwoException "'{rok}' nie jest poprawną liczbą całkowitą" when the
// text after the first space is not an integer (also for a key without a space), and the
// date conversion error of TekstNaDataCzas for an unknown month name or a year outside
// 1..9999.
TDateTime DataZMiesiacaIRoku(std::string_view miesiacIRok);

// DataZMiesiacaIRoku of every key, in order; raises its errors.
std::vector<double> KonwertujListeNazwMiesiecyNaListeDoubli(const TStringList& listaNazw);
