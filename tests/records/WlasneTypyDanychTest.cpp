#include "records/WlasneTypyDanych.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "common/FormatyTekstowe.h"

namespace {

template <typename T>
int Liczba(T wartosc)
{
    return static_cast<int>(wartosc);
}

TEST(WlasneTypyDanychTest, StaleWartosciPorzadkowe)
{
    static_assert(sizeof(TTabele) == 1 && std::is_unsigned_v<std::underlying_type_t<TTabele>>);
    static_assert(sizeof(TTypModyfikacji) == 1);
    static_assert(sizeof(TTypPlanu) == 1 && std::is_signed_v<std::underlying_type_t<TTypPlanu>>);
    static_assert(sizeof(TStanRealizacji) == 1);
    EXPECT_EQ(IloscTabel, 19);
    EXPECT_EQ(Liczba(TTabele::Wydatki), 0);
    EXPECT_EQ(Liczba(TTabele::Pusta), 7);
    EXPECT_EQ(Liczba(TTabele::PrzychodyIRozchody), 14);
    EXPECT_EQ(Liczba(TTabele::Plany), 15);
    EXPECT_EQ(Liczba(TTabele::HarmonogramyLokatBankowych), IloscTabel - 1);
    EXPECT_EQ(Liczba(TTypModyfikacji::BezZmian), 0);
    EXPECT_EQ(Liczba(TTypModyfikacji::Usunieto), 3);
    EXPECT_EQ(Liczba(TTypPlanu::Nieokreslony), -1);
    EXPECT_EQ(Liczba(TTypPlanu::Przychod), 1);
    EXPECT_EQ(Liczba(TStanRealizacji::Oczekujace), 2);
    EXPECT_EQ(Liczba(TStanRealizacji::Wszystkie), 4);
}

TEST(WlasneTypyDanychTest, NieokreslonyTypPlanuZapisywanyJakoMinusJeden)
{
    EXPECT_EQ(SQLWyliczenie(Liczba(TTypPlanu::Nieokreslony)), "-1");
    EXPECT_EQ(SQLWyliczenie(Liczba(TTypPlanu::Wydatek)), "0");
    // The stored signed integer comes back as the same value.
    EXPECT_EQ(static_cast<TTypPlanu>(static_cast<int8_t>(-1)), TTypPlanu::Nieokreslony);
}

TEST(WlasneTypyDanychTest, TekstTypuPlanu)
{
    EXPECT_EQ(TypPlanuNaTekst(TTypPlanu::Wydatek), "Wydatki");
    EXPECT_EQ(TypPlanuNaTekst(TTypPlanu::Przychod), "Przychody");
    EXPECT_EQ(TypPlanuNaTekst(TTypPlanu::Nieokreslony), "");
    EXPECT_EQ(TypPlanuNaTekst(static_cast<TTypPlanu>(7)), "");
}

}  // namespace
