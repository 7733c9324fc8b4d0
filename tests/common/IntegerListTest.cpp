#include "common/IntegerList.h"

#include <gtest/gtest.h>

#include "common/Wyjatki.h"

namespace {

TEST(TIntegerListTest, KolejnoscDuplikatyIWyszukiwanie)
{
    TIntegerList lista{7, -1, 7};
    lista.Add(INT32_MIN);
    EXPECT_EQ(lista.Count(), 4);
    EXPECT_EQ(lista[0], 7);
    EXPECT_EQ(lista[3], INT32_MIN);
    EXPECT_EQ(lista.IndexOf(7), 0);
    EXPECT_EQ(lista.IndexOf(-1), 1);
    EXPECT_EQ(lista.IndexOf(8), -1);
    EXPECT_EQ(lista, (TIntegerList{7, -1, 7, INT32_MIN}));
    EXPECT_THROW(lista[4], EGrosiwoException);
    EXPECT_THROW(lista[-1], EGrosiwoException);
    lista.Clear();
    EXPECT_EQ(lista.Count(), 0);
    EXPECT_EQ(lista.IndexOf(7), -1);
}

}  // namespace
