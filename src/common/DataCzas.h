#pragma once
// The date-time type: days since 30 December 1899 as a double, the fraction being the time
// of day. All conversions are plain civil-calendar arithmetic (proleptic Gregorian), without
// time zones or locale work, so they are cheap enough for one call per loaded row.
#include <cstdint>
#include <string>
#include <string_view>

using TDateTime = double;

// One millisecond as a fraction of a day: the tolerance of date comparisons.
inline constexpr double JednaMilisekunda = 1.0 / 86400000.0;

struct TSkladnikiDaty {
    int Rok = 1899;
    int Miesiac = 12;  // 1..12
    int Dzien = 30;    // 1..31
    int Godzina = 0;
    int Minuta = 0;
    int Sekunda = 0;
    int Milisekunda = 0;
};

// The supported calendar runs from 0001-01-01 to 9999-12-31. A date before 1899-12-30 is
// negative and its fraction still counts forward from midnight (-0.75 is 1899-12-29 06:00),
// so date-times order and subtract like plain numbers.
bool CzyRokPrzestepny(int rok);
// Throws EGrosiwoException for a month outside 1..12.
int DniWMiesiacu(int rok, int miesiac);
// Throws EGrosiwoException for an impossible date or time.
TDateTime KodujDate(int rok, int miesiac, int dzien);
TDateTime KodujCzas(int godzina, int minuta, int sekunda = 0, int milisekunda = 0);
TDateTime KodujDateCzas(int rok, int miesiac, int dzien, int godzina = 0, int minuta = 0,
                        int sekunda = 0, int milisekunda = 0);
// Milliseconds are rounded to the nearest one, as the date-time is stored. A value outside
// the supported calendar (or NaN) raises EGrosiwoException, here and in every function
// below that takes a date apart.
TSkladnikiDaty DekodujDateCzas(TDateTime data);
int RokDaty(TDateTime data);
int MiesiacDaty(TDateTime data);
int DzienDaty(TDateTime data);
// The date part only (time of day 00:00).
TDateTime SamaData(TDateTime data);
// 1 = Monday ... 7 = Sunday.
int DzienTygodniaISO(TDateTime data);
// 1 = Sunday ... 7 = Saturday.
int DzienTygodnia(TDateTime data);

// -1, 0 or 1; equal when the two differ by less than one millisecond.
int PorownajDaty(TDateTime a, TDateTime b);

// "yyyy-MM-dd hh:mm" (the screen and SQL form, seconds dropped).
std::string DataCzasNaTekst(TDateTime data);
// "yyyy-MM-dd".
std::string DataNaTekst(TDateTime data);
// A small pattern formatter: yyyy, yy, MMMM (month name of the common settings), MM, M,
// dddd (day name of the common settings), dd, d, hh, h, mm or nn (minutes), ss, zzz
// (milliseconds); any other character is copied. Names are empty before UstawFormatyDanych.
std::string FormatujDateCzas(std::string_view wzorzec, TDateTime data);

// Reads the stored forms "yyyy-MM-dd", "yyyy-MM-dd hh:mm" and "yyyy-MM-dd hh:mm:ss"
// (also with a fraction of seconds, rounded to milliseconds, but never past 9999-12-31
// 23:59:59.999). Also accepted: surrounding blanks, one-digit month, day or hour, and "T"
// between date and time. Anything else, and impossible dates such as 2013-02-30, raise
// EGrosiwoException "'{tekst}' nie jest poprawną datą i godziną".
TDateTime TekstNaDataCzas(std::string_view tekst);
// The same without an exception: false when the text is not a stored date-time.
bool SprobujTekstNaDataCzas(std::string_view tekst, TDateTime& wynik);
