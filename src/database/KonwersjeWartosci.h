#pragma once
// The conversions loading applies to the text of every cell: integers, numbers written with
// the application's decimal separator "," and yes/no values. The Sprobuj forms never raise;
// the others raise EGrosiwoException quoting the text that does not convert.
#include <cstdint>
#include <string>
#include <string_view>

// Decimal digits with an optional sign, blanks around allowed; the empty text is no integer.
bool SprobujCalkowitaZTekstu(std::string_view tekst, int64_t& wynik);
// As above and within [min, max].
int64_t CalkowitaZTekstu(std::string_view tekst, int64_t min, int64_t max);

// Digits with an optional sign, "," before the fraction and an optional exponent ("1,5E20"),
// blanks around allowed. A "." is not the application's separator, and infinities and NaN
// are not amounts: neither converts.
bool SprobujLiczbaZTekstu(std::string_view tekst, double& wynik);
double LiczbaZTekstu(std::string_view tekst);

// A number gives true when it is not zero; otherwise "True" or "False" in any letter case.
bool SprobujLogicznaZTekstu(std::string_view tekst, bool& wynik);
bool LogicznaZTekstu(std::string_view tekst);

// The rejected text as an error message quotes it (CytatDoKomunikatu): at most 64 bytes,
// valid UTF-8, control characters shown as U+FFFD.
std::string CytatWartosci(std::string_view tekst);
