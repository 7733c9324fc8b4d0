// Every saved input of the fuzz targets, checked in the normal test build: the seeds of
// fuzz/korpus/<target>/ and the inputs that once broke a target, fuzz/regresje/<target>/.
#include <gtest/gtest.h>

#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "cele/CeleFuzz.h"
#include "support/TestPlatforma.h"

namespace {

namespace fs = std::filesystem;

struct TCel {
    const char* Nazwa;
    void (*Sprawdz)(const uint8_t*, size_t);
};

// Test names and failure reports show the case's name, not its bytes.
void PrintTo(const TCel& przypadek, std::ostream* os)
{
    *os << przypadek.Nazwa;
}

std::vector<uint8_t> Wczytaj(const fs::path& plik)
{
    std::ifstream wejscie(plik, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(wejscie), std::istreambuf_iterator<char>());
}

class WejsciaFuzz : public ::testing::TestWithParam<TCel> {
protected:
    // A batch refused while replaying must not wait for anyone.
    TUstawionyRejestrator fKomunikaty;
    TUstawionyZegar fZegar{KodujDateCzas(2014, 6, 1, 12, 0)};
};

TEST_P(WejsciaFuzz, EverySavedInputKeepsThePromisesOfItsTarget)
{
    size_t sprawdzone = 0;
    for (const char* zbior : {"korpus", "regresje"}) {
        const fs::path folder = fs::path(GROSIWO_FUZZ_DIR) / zbior / GetParam().Nazwa;
        if (!fs::is_directory(folder))
            continue;
        for (const fs::directory_entry& wpis : fs::directory_iterator(folder)) {
            const std::vector<uint8_t> dane = Wczytaj(wpis.path());
            SCOPED_TRACE(wpis.path().string());
            try {
                GetParam().Sprawdz(dane.data(), dane.size());
            } catch (const ENaruszenieObietnicy& e) {
                ADD_FAILURE() << "broken promise: " << e.what();
            } catch (const std::exception& e) {
                ADD_FAILURE() << "unexpected exception: " << e.what();
            }
            ++sprawdzone;
        }
    }
    EXPECT_GE(sprawdzone, 4u) << "the target's seed inputs are missing";
}

INSTANTIATE_TEST_SUITE_P(Cel, WejsciaFuzz,
                         ::testing::Values(TCel{"oferta", SprawdzOferte}, TCel{"kwota", SprawdzKwote},
                                           TCel{"nazwa", SprawdzNazwe}, TCel{"data_czas", SprawdzDateCzas},
                                           TCel{"komorki_bazy", SprawdzKomorkiBazy}),
                         [](const auto& info) { return std::string(info.param.Nazwa); });

}  // namespace
