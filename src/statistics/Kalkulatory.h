#pragma once
// Savings and inflation calculators; they read no collections.
#include <cstdint>

#include "statistics/WynikiAnalizy.h"

// The balance after liczbaMiesiecy months of paying in kwota at the start of each month,
// with the yearly rate procent credited monthly and 19 % tax taken from every interest.
// Not rounded; 0 when kwota or liczbaMiesiecy is not positive.
double PoliczKwoteRegularnegoOszczedzania(double kwota, double procent, int32_t liczbaMiesiecy);

// What kwota of today is worth after each of liczbaLat years of procent yearly inflation,
// rounded to hundredths: (this year, kwota), (next year, ...) and so on, liczbaLat + 1
// pairs. Degenerate arguments give the marker pairs (this year, 0) for kwota 0, (0, 0) for
// liczbaLat 0 and (this year, kwota) for procent 0, in that order, and nothing more; a
// negative procent or liczbaLat gives no pairs. Raises EGrosiwoException when the last year
// would lie past 9999.
TListaParDoubli PoliczInflacje(double kwota, double procent, int32_t liczbaLat);
