#include "common/DataCzas.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/FunkcjeWspolne.h"
#include "common/Wyjatki.h"

namespace {

struct TZnanaData {
    int Rok, Miesiac, Dzien;
    double Wartosc;
};

// Day numbers fixed by the data format: day 0 is 1899-12-30.
class DataCzasZnaneDni : public testing::TestWithParam<TZnanaData> {};

TEST_P(DataCzasZnaneDni, KodujeIDekodujeBezStraty)
{
    const TZnanaData& z = GetParam();
    EXPECT_EQ(KodujDate(z.Rok, z.Miesiac, z.Dzien), z.Wartosc);
    const TSkladnikiDaty s = DekodujDateCzas(z.Wartosc);
    EXPECT_EQ(s.Rok, z.Rok);
    EXPECT_EQ(s.Miesiac, z.Miesiac);
    EXPECT_EQ(s.Dzien, z.Dzien);
}

INSTANTIATE_TEST_SUITE_P(Kalendarz, DataCzasZnaneDni,
                         testing::Values(TZnanaData{1899, 12, 30, 0}, TZnanaData{1899, 12, 31, 1},
                                         TZnanaData{1900, 1, 1, 2}, TZnanaData{1900, 3, 1, 61},
                                         TZnanaData{1970, 1, 1, 25569},
                                         TZnanaData{2000, 2, 29, 36585},
                                         TZnanaData{2013, 5, 1, 41395},
                                         TZnanaData{1899, 12, 29, -1},
                                         TZnanaData{1, 1, 1, -693593},
                                         TZnanaData{9999, 12, 31, 2958465}));

TEST(DataCzas, CzasDniaJestUlamkiemDoby)
{
    EXPECT_EQ(KodujCzas(6, 0), 0.25);
    EXPECT_EQ(KodujCzas(12, 0), 0.5);
    const TSkladnikiDaty s = DekodujDateCzas(KodujDateCzas(2013, 5, 1, 14, 30, 45, 123));
    EXPECT_EQ(s.Godzina, 14);
    EXPECT_EQ(s.Minuta, 30);
    EXPECT_EQ(s.Sekunda, 45);
    EXPECT_EQ(s.Milisekunda, 123);
}

TEST(DataCzas, PrzedRokiem1900UlamekLiczySieOdPolnocy)
{
    // -0.75 is 06:00 of the day before day 0: date-times stay ordered like numbers.
    const TSkladnikiDaty s = DekodujDateCzas(-0.75);
    EXPECT_EQ(s.Dzien, 29);
    EXPECT_EQ(s.Godzina, 6);
    EXPECT_EQ(KodujDateCzas(1899, 12, 29, 6), -0.75);
}

TEST(DataCzas, MilisekundyZaokraglaDoNajblizszej)
{
    // Just below midnight by less than half a millisecond is the next day at 00:00.
    const TSkladnikiDaty s = DekodujDateCzas(41395.0 - JednaMilisekunda / 4);
    EXPECT_EQ(s.Dzien, 1);
    EXPECT_EQ(s.Godzina, 0);
    EXPECT_EQ(s.Milisekunda, 0);
}

TEST(DataCzas, NiemozliweSkladnikiZglaszajaBlad)
{
    EXPECT_THROW(KodujDate(2013, 2, 29), EGrosiwoException);
    EXPECT_NO_THROW(KodujDate(2012, 2, 29));
    EXPECT_THROW(KodujDate(1900, 2, 29), EGrosiwoException);
    EXPECT_THROW(KodujDate(2013, 13, 1), EGrosiwoException);
    EXPECT_THROW(KodujDate(2013, 0, 1), EGrosiwoException);
    EXPECT_THROW(KodujDate(0, 1, 1), EGrosiwoException);
    EXPECT_THROW(KodujDate(10000, 1, 1), EGrosiwoException);
    EXPECT_THROW(KodujCzas(24, 0), EGrosiwoException);
    EXPECT_THROW(KodujCzas(0, 60), EGrosiwoException);
    EXPECT_THROW(KodujCzas(0, 0, 0, 1000), EGrosiwoException);
    EXPECT_THROW(DekodujDateCzas(std::nan("")), EGrosiwoException);
    EXPECT_THROW(DekodujDateCzas(1e300), EGrosiwoException);
    EXPECT_THROW(DniWMiesiacu(2013, 13), EGrosiwoException);
}

TEST(DataCzas, DniTygodnia)
{
    const TDateTime sroda = KodujDate(2013, 5, 1);
    EXPECT_EQ(DzienTygodniaISO(sroda), 3);
    EXPECT_EQ(DzienTygodnia(sroda), 4);
    EXPECT_EQ(DzienTygodniaISO(0), 6);  // 1899-12-30, a Saturday
    EXPECT_EQ(DzienTygodnia(KodujDate(2013, 5, 5)), 1);
    EXPECT_EQ(DzienTygodniaISO(KodujDate(2013, 5, 5)), 7);
    EXPECT_EQ(DzienTygodniaISO(-1), 5);
    EXPECT_EQ(DzienTygodniaISO(-6.5), 6);  // noon of 1899-12-23, a Saturday
}

TEST(DataCzas, SamaDataOdcinaGodzine)
{
    EXPECT_EQ(SamaData(KodujDateCzas(2013, 5, 1, 23, 59, 59, 999)), KodujDate(2013, 5, 1));
    EXPECT_EQ(SamaData(-0.75), -1);
}

TEST(DataCzas, PorownanieZTolerancjaMilisekundy)
{
    const TDateTime d = KodujDateCzas(2013, 5, 1, 14, 30);
    EXPECT_EQ(PorownajDaty(d, d + JednaMilisekunda / 2), 0);
    EXPECT_EQ(PorownajDaty(d, d + 2 * JednaMilisekunda), -1);
    EXPECT_EQ(PorownajDaty(d + 2 * JednaMilisekunda, d), 1);
}

TEST(DataCzas, TekstyZapisuINaEkranie)
{
    UstawFormatyDanych();
    const TDateTime d = KodujDateCzas(2013, 5, 1, 14, 30, 45, 500);
    EXPECT_EQ(DataCzasNaTekst(d), "2013-05-01 14:30");
    EXPECT_EQ(DataNaTekst(d), "2013-05-01");
    EXPECT_EQ(FormatujDateCzas("yyyy-MM-dd_hh-mm-ss", d), "2013-05-01_14-30-45");
    EXPECT_EQ(FormatujDateCzas("yyyy.MM.dd.hh.nn", d), "2013.05.01.14.30");
    EXPECT_EQ(FormatujDateCzas("d MMMM yyyy, dddd", d), "1 maj 2013, środa");
    EXPECT_EQ(FormatujDateCzas("yy M/d h:mm:ss.zzz", KodujDateCzas(2009, 3, 4, 5, 6, 7, 8)),
              "09 3/4 5:06:07.008");
    EXPECT_EQ(DataNaTekst(KodujDate(1, 1, 1)), "0001-01-01");
}

struct TZapisDaty {
    const char* Tekst;
    TDateTime Oczekiwana;
};

class CzytanieDaty : public testing::TestWithParam<TZapisDaty> {};

TEST_P(CzytanieDaty, CzytaZapisaneFormy)
{
    EXPECT_DOUBLE_EQ(TekstNaDataCzas(GetParam().Tekst), GetParam().Oczekiwana)
        << GetParam().Tekst;
}

INSTANTIATE_TEST_SUITE_P(
    Formy, CzytanieDaty,
    testing::Values(TZapisDaty{"2013-05-01", KodujDate(2013, 5, 1)},
                    TZapisDaty{"2013-05-01 14:30", KodujDateCzas(2013, 5, 1, 14, 30)},
                    TZapisDaty{"2013-05-01 14:30:45", KodujDateCzas(2013, 5, 1, 14, 30, 45)},
                    TZapisDaty{"2013-05-01 14:30:45.25", KodujDateCzas(2013, 5, 1, 14, 30, 45, 250)},
                    TZapisDaty{"2013-05-01T14:30:45", KodujDateCzas(2013, 5, 1, 14, 30, 45)},
                    TZapisDaty{"2013-5-1 9:05", KodujDateCzas(2013, 5, 1, 9, 5)},
                    TZapisDaty{" 2013-05-01 14:30 ", KodujDateCzas(2013, 5, 1, 14, 30)},
                    // A fraction that rounds to a whole second carries over into the next day.
                    TZapisDaty{"2013-05-01 23:59:59.9999", KodujDate(2013, 5, 2)},
                    TZapisDaty{"1899-12-30 06:00", 0.25}));

TEST(DataCzas, ZapisDatyWracaBezZmian)
{
    UstawFormatyDanych();
    for (const TDateTime d : {KodujDateCzas(2013, 5, 1, 14, 30), KodujDateCzas(1, 1, 1, 0, 1),
                              KodujDateCzas(9999, 12, 31, 23, 59), KodujDateCzas(1899, 12, 29, 6)})
        EXPECT_EQ(TekstNaDataCzas(DataCzasNaTekst(d)), d) << DataCzasNaTekst(d);
}

TEST(DataCzas, ObcyTekstDatyZglaszaBlad)
{
    for (const char* tekst :
         {"", "   ", "2013", "2013-05", "13-05-01", "2013/05/01", "2013-13-01", "2013-02-29",
          "0000-01-01", "2013-05-01 24:00", "2013-05-01 14:60", "2013-05-01 14", "2013-05-01 14:3",
          "2013-05-01 14:30:", "2013-05-01 14:30:45.", "2013-05-01 14:30 x", "2013-05-01x",
          "01.05.2013", "2013-05-01  14:30", "-2013-05-01", "2013-005-01", "maj 2013"}) {
        TDateTime wynik = -12345;
        EXPECT_FALSE(SprobujTekstNaDataCzas(tekst, wynik)) << tekst;
        EXPECT_EQ(wynik, -12345) << tekst;
        EXPECT_THROW(TekstNaDataCzas(tekst), EGrosiwoException) << tekst;
    }
}

TEST(DataCzas, KomunikatBleduCytujeTekst)
{
    try {
        TekstNaDataCzas("2013-02-30");
        FAIL();
    } catch (const EGrosiwoException& e) {
        EXPECT_STREQ(e.what(), "'2013-02-30' nie jest poprawną datą i godziną");
    }
    // A long or broken text is quoted shortened and as valid UTF-8.
    try {
        TekstNaDataCzas(std::string(100, 'x') + "\xff");
        FAIL();
    } catch (const EGrosiwoException& e) {
        const std::string komunikat = e.what();
        EXPECT_EQ(komunikat, "'" + std::string(64, 'x') + "…' nie jest poprawną datą i godziną");
    }
}

}  // namespace
