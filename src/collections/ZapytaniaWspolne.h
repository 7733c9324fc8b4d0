#pragma once
// Small pieces shared by the container's query files: first-match search, the text
// comparisons the lookups use, and a pick list that keeps each text once.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "common/FunkcjeWspolne.h"
#include "common/PolskiTekst.h"

namespace zapytania {

// The pseudo savings-category id of the entry that shows the bank deposits.
inline constexpr int32_t IdKategoriiLokat = -1000;

// The first record in list order that satisfies warunek, or nullptr.
template <typename T, typename Warunek>
T* Pierwszy(const std::vector<std::unique_ptr<T>>& lista, Warunek warunek)
{
    const auto it = std::find_if(lista.begin(), lista.end(),
                                 [&](const std::unique_ptr<T>& r) { return warunek(*r); });
    return it == lista.end() ? nullptr : it->get();
}

template <typename T>
T* PierwszyZId(const std::vector<std::unique_ptr<T>>& lista, int32_t id)
{
    return Pierwszy(lista, [id](const T& r) { return r.Id() == id; });
}

// Exact, case-sensitive equality under the Polish collation; equal bytes need no ICU call.
inline bool TekstyRowne(std::string_view a, std::string_view b)
{
    return a == b || PorownajTeksty(a, b) == 0;
}

// A key under which texts equal ignoring letter case fall together: upper-casing first
// brings "ß" and "SS" to one form before lower-casing, as case folding does.
inline std::string KluczBezWielkosciLiter(std::string_view tekst)
{
    return MaleLitery(WielkieLitery(tekst));
}

// Texts in first-seen order, each once ignoring letter case, empty texts left out. A hash
// of keys keeps building linear in the number of texts.
class TListaBezPowtorzen {
public:
    void Dodaj(const std::string& tekst)
    {
        if (!tekst.empty() && fKlucze.insert(KluczBezWielkosciLiter(tekst)).second)
            fTeksty.push_back(tekst);
    }
    TStringList Wynik() && { return std::move(fTeksty); }

private:
    std::unordered_set<std::string> fKlucze;
    TStringList fTeksty;
};

}  // namespace zapytania
