#include "common/FormatyTekstowe.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "common/FunkcjeWspolne.h"
#include "common/Wyjatki.h"

namespace {

TEST(FormySQLTest, DataCzasBezSekundWApostrofach)
{
    UstawFormatyDanych();
    EXPECT_EQ(SQLDataCzas(KodujDateCzas(2013, 5, 1, 14, 30, 45)), "'2013-05-01 14:30'");
    EXPECT_EQ(SQLDataCzas(KodujDateCzas(2013, 5, 17, 9, 5, 59, 999)), "'2013-05-17 09:05'");
}

TEST(FormySQLTest, KwotaDoSetnychZKropka)
{
    const std::pair<double, const char*> przypadki[] = {
        {1234.5, "1234.5"}, {10, "10"},          {0, "0"},          {-0.001, "0"},
        {0.125, "0.12"},    {2.675, "2.67"},     {1.005, "1"},      {0.375, "0.38"},
        {-3.5, "-3.5"},     {0.1 + 0.2, "0.3"},  {799.9999, "800"}, {12345678.905, "12345678.9"},
        {1e20, "1E20"},     {0.001, "0"},        {0.005, "0.01"},   {-1234567.891, "-1234567.89"}};
    for (const auto& [kwota, tekst] : przypadki)
        EXPECT_EQ(SQLKwota(kwota), tekst) << kwota;
}

TEST(FormySQLTest, KwotaNieBedacaLiczbaNieTrafiaDoZapytania)
{
    EXPECT_THROW(SQLKwota(std::nan("")), EGrosiwoException);
    EXPECT_THROW(SQLKwota(INFINITY), EGrosiwoException);
    EXPECT_THROW(SQLKwota(-INFINITY), EGrosiwoException);
}

TEST(FormySQLTest, LogicznaWyliczenieITekst)
{
    EXPECT_EQ(SQLLogiczna(true), "1");
    EXPECT_EQ(SQLLogiczna(false), "0");
    EXPECT_EQ(SQLWyliczenie(-1), "-1");
    EXPECT_EQ(SQLWyliczenie(15), "15");
    EXPECT_EQ(SQLTekst("Czynsz"), "'Czynsz'");
    EXPECT_EQ(SQLTekst(""), "''");
    EXPECT_EQ(SQLTekst("O'Brien; \"x\" | Łódź"), "'OBrien x  Łódź'");
    EXPECT_EQ(SQLTekst("a\xff"), "'a\uFFFD'");
}

TEST(LiczbaNaTekstTest, PietnascieCyfrZnaczacychBezZerNaKoncu)
{
    const std::pair<double, const char*> przypadki[] = {
        {1234.5, "1234,5"},
        {10, "10"},
        {-0.125, "-0,125"},
        {0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3, "0,333333333333333"},
        {123456789.123456789, "123456789,123457"},
        {999999999999999, "999999999999999"},
        {1e15, "1E15"},
        {-1.5e20, "-1,5E20"},
        {0.00001, "0,00001"},
        {0.000012345, "0,000012345"},
        {1.5e-7, "1,5E-7"},
        {9.9999999999999999, "10"},
        {NAN, "NAN"},
        {INFINITY, "INF"},
        {-INFINITY, "-INF"},
    };
    for (const auto& [wartosc, tekst] : przypadki)
        EXPECT_EQ(LiczbaNaTekst(wartosc), tekst) << wartosc;
}

TEST(KwotaNaTekstTest, GrupyTysiecyPrzecinekISymbolPoKwocie)
{
    const std::pair<double, const char*> przypadki[] = {
        {1234.5, "1 234,50"},    {0, "0,00"},           {-5, "-5,00"},
        {-0.001, "0,00"},        {-0.0, "0,00"},        {100, "100,00"},
        {1000, "1 000,00"},      {999.995, "1 000,00"}, {0.125, "0,12"},
        {2.675, "2,67"},         {-1234567.891, "-1 234 567,89"},
        {123456789012.34, "123 456 789 012,34"},        {NAN, "NAN"}};
    for (const auto& [kwota, tekst] : przypadki)
        EXPECT_EQ(KwotaNaTekst(kwota), tekst) << kwota;
    // The largest double: 309 digits in 103 groups, and no overflow of any buffer.
    const std::string najwieksza = KwotaNaTekst(-DBL_MAX);
    EXPECT_EQ(najwieksza.size(), 1 + 309 + 102 + 3);
    EXPECT_EQ(najwieksza.substr(0, 5), "-179 ");
    EXPECT_EQ(KwotaNaTekstWaluty(1234.5), "1 234,50 zł");
    EXPECT_EQ(KwotaNaTekstWaluty(-5), "-5,00 zł");
}

TEST(KwotaNaTekstTest, TekstWalutyWracaJakoKwota)
{
    for (const double kwota : {0.0, 0.01, -3.5, 1234.5, 2.675, -987654.32, 1e9 + 0.07})
        EXPECT_DOUBLE_EQ(KwotaZTekstu(KwotaNaTekstWaluty(kwota)), ZaokraglijDo(-2, kwota)) << kwota;
}

}  // namespace
