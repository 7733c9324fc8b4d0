// The sanitizers of the test build are really on, with the options the test run exports:
// a helper built like the tests leaks, overflows a heap block and overflows an integer,
// and each fault must be reported and fail the helper. Only meaningful in the sanitizer
// build; elsewhere the tests say why they do not apply.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "ProcesPomocniczy.h"

namespace {

using namespace std::chrono_literals;

struct TBlad {
    const char* Nazwa;
    const char* Tryb;
    const char* Raport;
};

class Sanitizery : public ::testing::TestWithParam<TBlad> {};

TEST_P(Sanitizery, AFaultOfTheTestBuildIsReportedAndFailsTheProgram)
{
#ifndef GROSIWO_SANITIZED
    GTEST_SKIP() << "not a sanitizer build (configure with -DGROSIWO_SANITIZE=ON)";
#else
    TProcesPomocniczy proba({GROSIWO_PROBA_SANITIZERA, GetParam().Tryb}, {}, true);
    const TProcesPomocniczy::TZakonczenie koniec = proba.Czekaj(60s);
    ASSERT_TRUE(koniec.Zakonczony);
    EXPECT_TRUE(koniec.Sygnal || koniec.Kod != 0) << proba.Wyjscie();
    EXPECT_NE(proba.Wyjscie().find(GetParam().Raport), std::string::npos) << proba.Wyjscie();
#endif
}

INSTANTIATE_TEST_SUITE_P(
    Rodzaj, Sanitizery,
    ::testing::Values(TBlad{"Leak", "wyciek", "ERROR: LeakSanitizer: detected memory leaks"},
                      TBlad{"HeapOverflow", "przepelnienie", "ERROR: AddressSanitizer: heap-buffer-overflow"},
                      TBlad{"SignedOverflow", "ub", "runtime error: signed integer overflow"}),
    [](const auto& info) { return std::string(info.param.Nazwa); });

}  // namespace
