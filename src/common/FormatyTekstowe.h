#pragma once
// The text forms of values: inside SQL statements and on screen.
#include <string>
#include <string_view>

#include "common/DataCzas.h"

// '2013-05-01 14:30' (quotes included, seconds dropped).
std::string SQLDataCzas(TDateTime data);
// ZaokraglijDo(-2, x) in the general number form with "." as decimal separator: 1234.5, 10.
// NaN and infinities raise EGrosiwoException: they have no SQL literal.
std::string SQLKwota(double kwota);
// 1 or 0.
std::string SQLLogiczna(bool wartosc);
// The signed ordinal: -1.
std::string SQLWyliczenie(int wartosc);
// UsunZnakiZakazane, then single quotes (any single quote inside doubled).
std::string SQLTekst(std::string_view tekst);

// General number text: at most 15 significant digits, no trailing zeros, "," as decimal
// separator, no thousands separator ("1234,5", "10", "-0,125"); scientific form outside
// 1E-5 .. 1E15 ("1E20", "1,5E-7"); "NAN", "INF", "-INF".
std::string LiczbaNaTekst(double wartosc);
// That form laid out from its parts, for callers that must not allocate: the sign, the
// significant digits of the magnitude (1 to 15, no trailing zeros), the decimal exponent of
// the first one and the decimal separator. Writes at most 22 characters at cel and returns
// the end.
char* ZapiszLiczbeOgolna(char* cel, bool ujemna, std::string_view cyfry, int wykladnik,
                         char separator);
// Money text on screen: "1 234,50 zł", "-5,00 zł"; rounded to hundredths as held in binary,
// an exact half to even; an amount that rounds to zero has no minus sign.
std::string KwotaNaTekstWaluty(double kwota);
// The money text without the currency symbol: "1 234,50".
std::string KwotaNaTekst(double kwota);
