#pragma once
// The value types the statistics answer with; every one belongs to the caller.
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

// A key with its value: a weekday or a category id with a sum or a count.
struct TPara {
    int32_t Klucz = 0;
    double Wartosc = 0;
    bool operator==(const TPara&) const = default;
};
using TListaPar = std::vector<TPara>;

// A year with an amount, both as doubles (the inflation calculator).
struct TParaDoubli {
    double Klucz = 0;
    double Wartosc = 0;
    bool operator==(const TParaDoubli&) const = default;
};
using TListaParDoubli = std::vector<TParaDoubli>;

// Month key -> sum, keys compared exactly. In no particular order: walk a month list of
// the collections for the chronological one.
using TMapaMiesiecy = std::unordered_map<std::string, double>;
// Category or person id -> sum.
using TMapaId = std::map<int32_t, double>;
// Year -> sum.
using TMapaLat = std::map<uint16_t, double>;
// Days from the start of the first counted month -> average per day.
using TMapaDni = std::map<uint32_t, double>;
