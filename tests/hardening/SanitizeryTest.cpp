// The sanitizers of the test build are really on, with the options the test run exports:
// a helper built like the tests leaks, overflows a heap block and overflows an integer, and
// each fault must be reported and fail the helper; a Qt helper shows that leaks are found in
// a Qt process too and that Qt alone leaves no report. Only meaningful in the sanitizer
// build; elsewhere the tests say why they do not apply.
#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>

#include "ProcesPomocniczy.h"

namespace {

using namespace std::chrono_literals;

struct TBlad {
    const char* Nazwa;
    const char* Program;
    const char* Tryb;
    const char* Raport;  // nullptr: the program must end cleanly without any report
};

// Test names and failure reports show the case's name, not its bytes.
void PrintTo(const TBlad& b, std::ostream* os)
{
    *os << b.Nazwa;
}

class Sanitizery : public ::testing::TestWithParam<TBlad> {};

TEST_P(Sanitizery, AFaultOfTheTestBuildIsReportedAndFailsTheProgram)
{
#ifndef GROSIWO_SANITIZED
    GTEST_SKIP() << "not a sanitizer build (configure with -DGROSIWO_SANITIZE=ON)";
#else
    const TBlad& b = GetParam();
    if (!*b.Program)
        GTEST_SKIP() << "the Qt part of the build is switched off";
    TProcesPomocniczy proba({b.Program, b.Tryb}, {}, true);
    const TProcesPomocniczy::TZakonczenie koniec = proba.Czekaj(60s);
    ASSERT_TRUE(koniec.Zakonczony);
    if (b.Raport) {
        EXPECT_TRUE(koniec.Sygnal || koniec.Kod != 0) << proba.Wyjscie();
        EXPECT_NE(proba.Wyjscie().find(b.Raport), std::string::npos) << proba.Wyjscie();
    } else {
        EXPECT_TRUE(!koniec.Sygnal && koniec.Kod == 0) << proba.Wyjscie();
        EXPECT_EQ(proba.Wyjscie().find("Sanitizer"), std::string::npos) << proba.Wyjscie();
    }
#endif
}

#ifdef GROSIWO_PROBA_SANITIZERA_QT
const char* const ProbaQt = GROSIWO_PROBA_SANITIZERA_QT;
#else
const char* const ProbaQt = "";
#endif

const char* const Wyciek = "ERROR: LeakSanitizer: detected memory leaks";

INSTANTIATE_TEST_SUITE_P(
    Rodzaj, Sanitizery,
    ::testing::Values(TBlad{"Leak", GROSIWO_PROBA_SANITIZERA, "wyciek", Wyciek},
                      TBlad{"HeapOverflow", GROSIWO_PROBA_SANITIZERA, "przepelnienie",
                            "ERROR: AddressSanitizer: heap-buffer-overflow"},
                      TBlad{"SignedOverflow", GROSIWO_PROBA_SANITIZERA, "ub", "runtime error: signed integer overflow"},
                      // Qt keeps its own allocations to the end: a leak must still be found, and
                      // a Qt program without one must end without any report.
                      TBlad{"LeakInAQtProgram", ProbaQt, "wyciek", Wyciek},
                      TBlad{"QtProgramWithoutLeaks", ProbaQt, "czysty", nullptr}),
    [](const auto& info) { return std::string(info.param.Nazwa); });

}  // namespace
