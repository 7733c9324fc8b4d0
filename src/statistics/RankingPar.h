#pragma once
// The ranking order of pair lists: the larger value first, where two values count as equal
// when their difference rounds (an exact half to even) to 0, and equal values fall to a
// tie-break.
#include <algorithm>
#include <cmath>

#include "statistics/WynikiAnalizy.h"

namespace analiza {

// Negative when a goes before b, positive when after, 0 when they count as equal.
inline int PorownajWRankingu(double a, double b)
{
    const double roznica = std::nearbyint(a - b);
    return roznica > 0 ? -1 : (roznica < 0 ? 1 : 0);
}

// remis(a, b) orders pairs of equal rank: negative puts a first. That equality is not
// transitive (10 ~ 10.4 ~ 10.8, yet 10.8 ranks above 10), which std::sort must never be
// given; a merge sort stays within the list whatever the comparison says.
template <typename FRemis>
void PosortujRanking(TListaPar& lista, FRemis remis)
{
    std::stable_sort(lista.begin(), lista.end(), [&remis](const TPara& a, const TPara& b) {
        const int wynik = PorownajWRankingu(a.Wartosc, b.Wartosc);
        return (wynik != 0 ? wynik : remis(a, b)) < 0;
    });
}

}  // namespace analiza
