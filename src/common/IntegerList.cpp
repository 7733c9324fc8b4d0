#include "common/IntegerList.h"

#include <algorithm>

int TIntegerList::IndexOf(int32_t wartosc) const
{
    const auto it = std::find(fElementy.begin(), fElementy.end(), wartosc);
    return it == fElementy.end() ? -1 : static_cast<int>(it - fElementy.begin());
}
