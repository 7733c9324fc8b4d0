#pragma once
// An ordered list of 32-bit integers; duplicates allowed.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

class TIntegerList {
public:
    TIntegerList() = default;
    TIntegerList(std::initializer_list<int32_t> wartosci) : fElementy(wartosci) {}

    void Add(int32_t wartosc) { fElementy.push_back(wartosc); }
    int Count() const { return static_cast<int>(fElementy.size()); }
    // Throws EGrosiwoException for an index outside 0..Count()-1.
    int32_t operator[](int indeks) const;
    // -1 when absent.
    int IndexOf(int32_t wartosc) const;
    void Clear() { fElementy.clear(); }

    auto begin() const { return fElementy.begin(); }
    auto end() const { return fElementy.end(); }
    bool operator==(const TIntegerList&) const = default;

private:
    std::vector<int32_t> fElementy;
};
