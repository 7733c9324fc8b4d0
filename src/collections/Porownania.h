#pragma once
// Three-way comparisons of sort keys (negative puts the first one earlier) and the sort that
// reorders a list of records by them.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "common/DataCzas.h"

// Exact comparison: ids, day counts, amounts.
template <typename T>
constexpr int PorownajWartosci(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The difference of the two unsigned weights taken as a signed 32-bit number: right for
// the weights the records use (up to 2147483647, the weight of an unweighted entry).
constexpr int PorownajWagi(uint32_t a, uint32_t b)
{
    return static_cast<int32_t>(a - b);
}

// Annual rates in percent, equal when closer than half a hundredth of a percentage point.
inline int PorownajOprocentowania(double a, double b)
{
    const double roznica = std::nearbyint((a - b) * 100);  // ties to even
    return roznica < 0 ? -1 : (roznica > 0 ? 1 : 0);
}

// Date first (within a millisecond counts as equal), then Id; both ascending.
struct TKluczDatyIId {
    TDateTime Data;
    int32_t Id;
};

inline int PorownajDatyIId(const TKluczDatyIId& a, const TKluczDatyIId& b)
{
    const int wynik = PorownajDaty(a.Data, b.Data);
    return wynik != 0 ? wynik : PorownajWartosci(a.Id, b.Id);
}

// Date latest first (within a millisecond counts as equal), then Id ascending.
inline int PorownajDatyOdNajpozniejszejIId(const TKluczDatyIId& a, const TKluczDatyIId& b)
{
    const int wynik = PorownajDaty(b.Data, a.Data);
    return wynik != 0 ? wynik : PorownajWartosci(a.Id, b.Id);
}

// Reorders a list of records (owning or plain pointers) by a key taken once from each
// record. The keys are sorted on the side, so an exception while taking or comparing them
// leaves the list as it was; and a merge sort never leaves its range even when a tolerant
// comparison (dates within a millisecond, rounded rates, wrapped weights) is not strictly
// transitive, where std::sort could. Records with equal keys keep their order.
template <typename Wskaznik, typename FKlucz, typename FPorownaj>
void PosortujRekordy(std::vector<Wskaznik>& lista, FKlucz klucz, FPorownaj porownaj)
{
    if (lista.size() < 2)
        return;
    using TKlucz = std::decay_t<decltype(klucz(*lista.front()))>;
    std::vector<std::pair<TKlucz, size_t>> klucze;
    klucze.reserve(lista.size());
    for (size_t i = 0; i < lista.size(); ++i)
        klucze.emplace_back(klucz(*lista[i]), i);
    std::stable_sort(klucze.begin(), klucze.end(), [&porownaj](const auto& a, const auto& b) {
        return porownaj(a.first, b.first) < 0;
    });
    std::vector<Wskaznik> posortowane;
    posortowane.reserve(lista.size());
    for (const auto& pozycja : klucze)
        posortowane.push_back(std::move(lista[pozycja.second]));
    lista.swap(posortowane);
}
