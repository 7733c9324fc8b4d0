#pragma once
// Finds records of one list by id in constant time, for callers that look up many ids in a
// row (a single lookup of the container scans its list). Like those lookups it answers the
// first record in list order that has the id, whatever its state.
//
// The index is a snapshot: the container's lists are open to every caller, so it cannot
// tell when one changes. Build the index, do the lookups, drop it; build it again after
// records are added, removed, reordered or given another id.
#include <cstdint>
#include <memory>
#include <type_traits>
#include <unordered_map>
#include <vector>

template <typename T>
class TIndeksId {
    using TRekord = std::remove_const_t<T>;
    using TLista = std::conditional_t<std::is_const_v<T>, const std::vector<std::unique_ptr<TRekord>>,
                                      std::vector<std::unique_ptr<TRekord>>>;

public:
    explicit TIndeksId(TLista& lista)
    {
        fRekordy.reserve(lista.size());
        for (const auto& rekord : lista)
            fRekordy.try_emplace(rekord->Id(), rekord.get());  // a later duplicate never wins
    }

    // nullptr when no record has the id.
    T* Znajdz(int32_t id) const
    {
        const auto it = fRekordy.find(id);
        return it == fRekordy.end() ? nullptr : it->second;
    }

private:
    std::unordered_map<int32_t, T*> fRekordy;
};
