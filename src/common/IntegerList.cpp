#include "common/IntegerList.h"

#include <algorithm>
#include <string>

#include "common/Wyjatki.h"

int TIntegerList::IndexOf(int32_t wartosc) const
{
    const auto it = std::find(fElementy.begin(), fElementy.end(), wartosc);
    return it == fElementy.end() ? -1 : static_cast<int>(it - fElementy.begin());
}

int32_t TIntegerList::operator[](int indeks) const
{
    if (indeks < 0 || indeks >= Count())
        throw EGrosiwoException("Indeks listy poza zakresem (" + std::to_string(indeks) + ")");
    return fElementy[static_cast<std::size_t>(indeks)];
}
