#pragma once
// One reader per table: turns the fetched rows of the table's loading query into a new list
// of records in state BezZmian, every column converted from its text. A value that does not
// convert raises EGrosiwoException (see TCzytnikWierszy) and the list built so far is
// dropped, so the caller's collection stays as it was. nazwaTabeli names the table in error
// messages.
#include <string_view>

#include "collections/KolekcjeDanych.h"

class TSQLiteTable;

// Newest first: the rows are walked from the last to the first.
TListaRekordow<TWydatek> CzytajWydatki(TSQLiteTable& wynik, std::string_view nazwaTabeli);
TListaRekordow<TPrzychod> CzytajPrzychody(TSQLiteTable& wynik, std::string_view nazwaTabeli);
// Each entry takes the weight of its category from kategorie (the first with the id; 0 when
// none has it).
TListaRekordow<TOszczednosc> CzytajOszczednosci(TSQLiteTable& wynik, std::string_view nazwaTabeli,
                                               const TListaRekordow<TKategoriaOszczednosci>& kategorie);
TListaRekordow<THistoriaPrzelewu> CzytajHistoriePrzelewow(TSQLiteTable& wynik, std::string_view nazwaTabeli);
TListaRekordow<TStanOszczednosci> CzytajStanyOszczednosci(TSQLiteTable& wynik, std::string_view nazwaTabeli);

TListaRekordow<TKategoriaWydatki> CzytajKategorieWydatkow(TSQLiteTable& wynik, std::string_view nazwaTabeli);
TListaRekordow<TKategoriaPrzychody> CzytajKategoriePrzychodow(TSQLiteTable& wynik, std::string_view nazwaTabeli);
TListaRekordow<TKategoriaOszczednosci> CzytajKategorieOszczednosci(TSQLiteTable& wynik,
                                                                   std::string_view nazwaTabeli);
TListaRekordow<TOsoba> CzytajOsoby(TSQLiteTable& wynik, std::string_view nazwaTabeli);

// Standing orders of the one kind the query selected, and the executions of both kinds.
TListaRekordow<TZlecenieStale> CzytajZleceniaStale(TSQLiteTable& wynik, std::string_view nazwaTabeli);
TListaRekordow<TZlecenieStale> CzytajHistorieZlecenStalych(TSQLiteTable& wynik, std::string_view nazwaTabeli);

TListaRekordow<TPlan> CzytajPlany(TSQLiteTable& wynik, std::string_view nazwaTabeli);
TListaRekordow<TOgraniczenie> CzytajOgraniczenia(TSQLiteTable& wynik, std::string_view nazwaTabeli);

// A deposit's start date loses its time of day.
TListaRekordow<TLokata> CzytajLokaty(TSQLiteTable& wynik, std::string_view nazwaTabeli);
TListaRekordow<THarmonogramLokatyBankowej> CzytajHarmonogramyLokat(TSQLiteTable& wynik,
                                                                   std::string_view nazwaTabeli);
