// The conversions loading applies to the stored text of a cell.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "common/Wyjatki.h"
#include "database/KonwersjeWartosci.h"

namespace {

constexpr int64_t Min32 = std::numeric_limits<int32_t>::min();
constexpr int64_t Max32 = std::numeric_limits<int32_t>::max();

struct TPrzypadekCalkowitej {
    std::string Tekst;
    std::optional<int64_t> Wynik;  // none: no integer
};

TEST(KonwersjeWartosci, LiczbyCalkowite)
{
    const TPrzypadekCalkowitej przypadki[] = {
        {"0", 0},          {"-17", -17},        {"007", 7},           {"+5", 5},
        {" 42 ", 42},      {"2147483647", Max32}, {"-2147483648", Min32},
        {"", {}},          {" ", {}},           {"-", {}},            {"+-5", {}},
        {"12abc", {}},     {"abc", {}},         {"1,5", {}},          {"1E3", {}},
        {"0x10", {}},      {"1 2", {}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE("'" + p.Tekst + "'");
        int64_t wynik = -99;
        EXPECT_EQ(SprobujCalkowitaZTekstu(p.Tekst, wynik), p.Wynik.has_value());
        if (p.Wynik) {
            EXPECT_EQ(wynik, *p.Wynik);
            EXPECT_EQ(CalkowitaZTekstu(p.Tekst, Min32, Max32), *p.Wynik);
        } else {
            try {
                CalkowitaZTekstu(p.Tekst, Min32, Max32);
                ADD_FAILURE() << "no exception";
            } catch (const EGrosiwoException& e) {
                EXPECT_EQ(e.what(), "'" + p.Tekst + "' nie jest poprawną liczbą całkowitą");
            }
        }
    }
}

TEST(KonwersjeWartosci, CalkowitaPozaZakresemPolaJestBledem)
{
    EXPECT_EQ(CalkowitaZTekstu("65535", 0, 65535), 65535);
    for (const char* tekst : {"65536", "-1", "99999999999999999999"}) {
        SCOPED_TRACE(tekst);
        try {
            CalkowitaZTekstu(tekst, 0, 65535);
            ADD_FAILURE() << "no exception";
        } catch (const EGrosiwoException& e) {
            EXPECT_EQ(e.what(), "Liczba '" + std::string(tekst) +
                                    "' jest poza dopuszczalnym zakresem od 0 do 65535");
        }
    }
}

struct TPrzypadekLiczby {
    std::string Tekst;
    std::optional<double> Wynik;
};

TEST(KonwersjeWartosci, LiczbyZPrzecinkiem)
{
    // What the access layer renders ("1234,5", "1,5E20", "1E-7") reads back.
    const TPrzypadekLiczby przypadki[] = {
        {"1234,5", 1234.5}, {"-0,125", -0.125}, {"10", 10.0},      {"1,5E20", 1.5e20},
        {"1E-7", 1e-7},     {",5", 0.5},        {" 3,25 ", 3.25},  {"+2", 2.0},
        {"", {}},           {"12.5", {}},       {"1,2,3", {}},     {"12,5 zł", {}},
        {"INF", {}},        {"-INF", {}},       {"NAN", {}},       {"1E999", {}},
        {"-", {}},          {"abc", {}},        {"+-2", {}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE("'" + p.Tekst + "'");
        double wynik = -99;
        EXPECT_EQ(SprobujLiczbaZTekstu(p.Tekst, wynik), p.Wynik.has_value());
        if (p.Wynik) {
            EXPECT_DOUBLE_EQ(wynik, *p.Wynik);
        } else {
            try {
                LiczbaZTekstu(p.Tekst);
                ADD_FAILURE() << "no exception";
            } catch (const EGrosiwoException& e) {
                EXPECT_EQ(e.what(), "'" + p.Tekst + "' nie jest poprawną liczbą");
            }
        }
    }
}

TEST(KonwersjeWartosci, WartosciTakNie)
{
    const std::pair<std::string, bool> poprawne[] = {
        {"1", true},     {"0", false},    {"-1", true},     {"2", true},       {"0,0", false},
        {"0,5", true},   {"True", true},  {"TRUE", true},   {"false", false},  {"FaLsE", false},
    };
    for (const auto& [tekst, wynik] : poprawne) {
        SCOPED_TRACE(tekst);
        EXPECT_EQ(LogicznaZTekstu(tekst), wynik);
    }
    for (const char* tekst : {"", "tak", "yes", "T", "prawda"}) {
        SCOPED_TRACE(tekst);
        try {
            LogicznaZTekstu(tekst);
            ADD_FAILURE() << "no exception";
        } catch (const EGrosiwoException& e) {
            EXPECT_EQ(e.what(), "'" + std::string(tekst) +
                                    "' nie jest poprawną wartością tak/nie (oczekiwano liczby, True lub False)");
        }
    }
}

TEST(KonwersjeWartosci, CytatDlugiegoLubZepsutegoTekstu)
{
    EXPECT_EQ(CytatWartosci(std::string(70, 'a')), std::string(64, 'a') + "…");
    // A long text is not cut inside a letter, and invalid bytes are repaired.
    EXPECT_EQ(CytatWartosci(std::string(63, 'a') + "ąb" + std::string(10, 'c')), std::string(63, 'a') + "…");
    EXPECT_EQ(CytatWartosci("a\xff"), "a\xEF\xBF\xBD");
}

}  // namespace
