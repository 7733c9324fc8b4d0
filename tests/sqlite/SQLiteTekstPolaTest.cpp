#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "common/FormatyTekstowe.h"
#include "sqlite/SQLiteTekstPola.h"

namespace {

// The result tables render numbers without allocating; they must write them exactly as the
// rest of the application does.
TEST(SQLiteTekstPola, NumbersAreWrittenExactlyAsLiczbaNaTekstWritesThem)
{
    std::vector<double> wartosci = {0.0, -0.0, 1.0, -1.0, 10.0, 1234.5, -0.125, 0.1, 0.1 + 0.2,
                                    1.0 / 3.0, 2.0 / 3.0, 12.34, 99.995, 1e14, 1e15, 123456789012345.0,
                                    999999999999999.9, 0.00001, 0.000001, 1.5e-7, 1e300, -1.5e20,
                                    std::numeric_limits<double>::max(),
                                    std::numeric_limits<double>::min(),
                                    std::numeric_limits<double>::denorm_min(),
                                    std::numeric_limits<double>::infinity(),
                                    -std::numeric_limits<double>::infinity(),
                                    std::numeric_limits<double>::quiet_NaN()};
    std::mt19937_64 los(2013);
    std::uniform_int_distribution<int> grosze(-10'000'000, 10'000'000);
    std::uniform_real_distribution<double> mantysa(-10, 10);
    std::uniform_int_distribution<int> wykladnik(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        wartosci.push_back(grosze(los) / 100.0);
        wartosci.push_back(mantysa(los) * std::pow(10.0, wykladnik(los)));
    }
    for (const double w : wartosci)
        ASSERT_EQ(TTekstPola::Liczba(w).Widok(), LiczbaNaTekst(w)) << w;
}

TEST(SQLiteTekstPola, IntegersAreDecimalDigitsAndCopiesStayValid)
{
    EXPECT_EQ(TTekstPola::Liczba(int64_t{0}).Widok(), "0");
    EXPECT_EQ(TTekstPola::Liczba(std::numeric_limits<int64_t>::min()).Widok(),
              "-9223372036854775808");
    const TTekstPola kopia = [] { return TTekstPola::Liczba(int64_t{-42}); }();
    EXPECT_EQ(kopia.Widok(), "-42");
    EXPECT_EQ(kopia.Tekst(), "-42");
}

}  // namespace
