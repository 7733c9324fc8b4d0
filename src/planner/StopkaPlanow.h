#pragma once
// The texts of the plan grid's footer: the number of listed plans under the names, and the
// sums of the listed expenses and incomes under the amounts, as two lines that line up
// character by character in a fixed-pitch font.
#include <QString>

// "Ilość: 12".
QString TekstIlosciPlanow(int ilosc);
// "Wydatki:   {wydatki};Przychody: {przychody}" with both amounts as money text, the shorter
// one padded with leading spaces to the length of the longer.
QString TekstSumPlanow(double wydatki, double przychody);
