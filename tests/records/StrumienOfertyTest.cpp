#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <numbers>
#include <random>
#include <sstream>

#include "common/PolskiTekst.h"
#include "records/HarmonogramLokatyBankowej.h"
#include "records/StrumienOferty.h"
#include "support/TestPlatforma.h"

namespace {

using TBajty = std::vector<uint8_t>;

const TDateTime Chwila = KodujDateCzas(2013, 5, 17, 12, 0);

TBajty Zapisz(const THarmonogramLokatyBankowej& h)
{
    TZapisStrumienia zapis;
    h.WriteToStream(zapis);
    return zapis.Bajty();
}

THarmonogramLokatyBankowej Odczytaj(const TBajty& bajty)
{
    THarmonogramLokatyBankowej h;
    TOdczytStrumienia odczyt(bajty);
    h.ReadFromStream(odczyt);
    return h;
}

THarmonogramLokatyBankowej PolskaOferta()
{
    THarmonogramLokatyBankowej h;
    h.SetNazwaHarmonogramu("Lokata Świąteczna");
    h.SetBank("Bank Spółdzielczy w Łodzi");
    h.SetOkresDepozytu(300);
    h.SetJednostkaDepozytu(TJednostkaOkresu::Dni);
    h.SetOprocentowanieStaleWCalymOkresieLokaty(true);
    h.SetOprocentowanieWSkaliRoku(4.35);
    h.SetKapitalizacja(TKapitalizacja::Polroczna);
    h.SetKwotaMinimalna(0.1);
    h.SetKwotaMaksymalna(1234567.89);
    h.SetWymaganeKontoOsobisteWTymBanku(true);
    h.SetMozliwoscWczesniejszegoZerwaniaLokaty(false);
    h.SetHarmonogramDodanyPrzezUzytkownika(true);
    h.SetWarunkiWczesniejszegoZerwaniaLokaty("Utrata odsetek – zażółć gęślą jaźń");
    h.SetPozostaleInformacje("ąę");
    return h;
}

THarmonogramLokatyBankowej AsciiOferta()
{
    THarmonogramLokatyBankowej h;
    h.SetNazwaHarmonogramu("Lokata Plus");
    h.SetBank("ING");
    h.SetOkresDepozytu(4000000000u);
    h.SetJednostkaDepozytu(TJednostkaOkresu::Lata);
    h.SetOprocentowanieWSkaliRoku(-0.25);
    h.SetKapitalizacja(TKapitalizacja::PoOkresieUmowy);
    h.SetKwotaMinimalna(DBL_MAX);
    h.SetKwotaMaksymalna(5e-324);
    h.SetMozliwoscWczesniejszegoZerwaniaLokaty(true);
    h.SetWarunkiWczesniejszegoZerwaniaLokaty(std::string(300, 'x'));
    return h;
}

void OczekujTychSamychPol(const THarmonogramLokatyBankowej& a, const THarmonogramLokatyBankowej& b)
{
    EXPECT_EQ(a.NazwaHarmonogramu(), b.NazwaHarmonogramu());
    EXPECT_EQ(a.Bank(), b.Bank());
    EXPECT_EQ(a.OkresDepozytu(), b.OkresDepozytu());
    EXPECT_EQ(a.JednostkaDepozytu(), b.JednostkaDepozytu());
    EXPECT_EQ(a.OprocentowanieStaleWCalymOkresieLokaty(), b.OprocentowanieStaleWCalymOkresieLokaty());
    EXPECT_EQ(a.OprocentowanieWSkaliRoku(), b.OprocentowanieWSkaliRoku());
    EXPECT_EQ(a.Kapitalizacja(), b.Kapitalizacja());
    EXPECT_EQ(a.KwotaMinimalna(), b.KwotaMinimalna());
    EXPECT_EQ(a.KwotaMaksymalna(), b.KwotaMaksymalna());
    EXPECT_EQ(a.WymaganeKontoOsobisteWTymBanku(), b.WymaganeKontoOsobisteWTymBanku());
    EXPECT_EQ(a.MozliwoscWczesniejszegoZerwaniaLokaty(), b.MozliwoscWczesniejszegoZerwaniaLokaty());
    EXPECT_EQ(a.HarmonogramDodanyPrzezUzytkownika(), b.HarmonogramDodanyPrzezUzytkownika());
    EXPECT_EQ(a.WarunkiWczesniejszegoZerwaniaLokaty(), b.WarunkiWczesniejszegoZerwaniaLokaty());
    EXPECT_EQ(a.PozostaleInformacje(), b.PozostaleInformacje());
}

TBajty Polacz(std::initializer_list<TBajty> czesci)
{
    TBajty wynik;
    for (const TBajty& c : czesci)
        wynik.insert(wynik.end(), c.begin(), c.end());
    return wynik;
}

TEST(Extended, ZnaneWartosciBajtPoBajcie)
{
    struct {
        double Wartosc;
        TExtended Bajty;
    } const przypadki[] = {
        {0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00}},
        {-0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x80}},
        {1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
        {-2.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}},
        {4.5, {0, 0, 0, 0, 0, 0, 0, 0x90, 0x01, 0x40}},
        {10000.0, {0, 0, 0, 0, 0, 0, 0x40, 0x9C, 0x0C, 0x40}},
        {0.1, {0x00, 0xD0, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}},
        {INFINITY, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
        {-INFINITY, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}},
        // The smallest subnormal double is an ordinary extended number.
        {5e-324, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xCD, 0x3B}},
    };
    for (const auto& p : przypadki) {
        EXPECT_EQ(DoubleNaExtended(p.Wartosc), p.Bajty) << p.Wartosc;
        const double z = ExtendedNaDouble(p.Bajty);
        EXPECT_EQ(z, p.Wartosc);
        EXPECT_EQ(std::signbit(z), std::signbit(p.Wartosc));
    }
    EXPECT_TRUE(std::isnan(ExtendedNaDouble(DoubleNaExtended(NAN))));
}

TEST(Extended, ZaokraglenieDoNajblizszegoDoubleRemisDoParzystej)
{
    // 1 + 2^-53 is halfway between 1 and its successor: ties to 1 (even).
    EXPECT_EQ(ExtendedNaDouble({0, 0x04, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}), 1.0);
    // Just above the half rounds up.
    EXPECT_EQ(ExtendedNaDouble({1, 0x04, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}), std::nextafter(1.0, 2.0));
    // 1 + 3 * 2^-53 is halfway between two odd-even neighbours: up to the even one.
    EXPECT_EQ(ExtendedNaDouble({0, 0x0C, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}), 1.0 + 0x1p-51);
    // Pi to 64 bits rounds to the double pi.
    EXPECT_EQ(ExtendedNaDouble({0x35, 0xC2, 0x68, 0x21, 0xA2, 0xDA, 0x0F, 0xC9, 0x00, 0x40}), std::numbers::pi);
    // Beyond the double range: infinity, and below half the smallest subnormal: zero.
    EXPECT_EQ(ExtendedNaDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x44}), INFINITY);
    EXPECT_EQ(ExtendedNaDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC4}), -INFINITY);
    EXPECT_EQ(ExtendedNaDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00}), 0.0);
    // A subnormal result keeps fewer bits: 1.5 * 2^-1074 ties to 2 * 2^-1074.
    EXPECT_EQ(ExtendedNaDouble({0, 0, 0, 0, 0, 0, 0, 0xC0, 0xCD, 0x3B}), 2 * 5e-324);
    // An extended denormal is far below the double range.
    EXPECT_EQ(ExtendedNaDouble({0, 0, 0, 0, 0, 0, 0, 0x40, 0x00, 0x00}), 0.0);
    EXPECT_TRUE(std::isnan(ExtendedNaDouble({0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F})));
    EXPECT_TRUE(std::isnan(ExtendedNaDouble({1, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF})));
}

TEST(Extended, PowrotDoTejSamejWartosci)
{
    std::mt19937_64 los(20130517);
    for (int i = 0; i < 10000; ++i) {
        const double x = std::bit_cast<double>(los());
        if (std::isnan(x))
            continue;
        EXPECT_EQ(ExtendedNaDouble(DoubleNaExtended(x)), x);
    }
    for (const double x : {DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 4.35, 1234567.89})
        EXPECT_EQ(ExtendedNaDouble(DoubleNaExtended(x)), x);
}

TEST(StrumienOferty, LiczbyWNajkrotszejPostaci)
{
    struct {
        int64_t Wartosc;
        TBajty Bajty;
    } const przypadki[] = {
        {0, {0x02, 0x00}},
        {127, {0x02, 0x7F}},
        {-1, {0x02, 0xFF}},
        {-128, {0x02, 0x80}},
        {128, {0x03, 0x80, 0x00}},
        {-32768, {0x03, 0x00, 0x80}},
        {32768, {0x04, 0x00, 0x80, 0x00, 0x00}},
        {-32769, {0x04, 0xFF, 0x7F, 0xFF, 0xFF}},
        {2147483647, {0x04, 0xFF, 0xFF, 0xFF, 0x7F}},
        {2147483648, {0x13, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00}},
        {-2147483649LL, {0x13, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const auto& p : przypadki) {
        TZapisStrumienia zapis;
        zapis.ZapiszLiczbe(p.Wartosc);
        EXPECT_EQ(zapis.Bajty(), p.Bajty) << p.Wartosc;
        TOdczytStrumienia odczyt(p.Bajty);
        EXPECT_EQ(odczyt.CzytajLiczbe(), p.Wartosc);
        EXPECT_TRUE(odczyt.Koniec());
    }
}

TEST(StrumienOferty, TekstWPostaciDobranejDoZawartosci)
{
    struct {
        std::string Tekst;
        TBajty Bajty;
    } const przypadki[] = {
        {"", {0x12, 0, 0, 0, 0}},
        {"PKO", {0x06, 3, 'P', 'K', 'O'}},
        // UTF-8 shorter than twice the UTF-16 units, with a byte >= 128.
        {"Zł", {0x14, 3, 0, 0, 0, 'Z', 0xC5, 0x82}},
        // Only Polish letters: UTF-8 is not shorter, so UTF-16.
        {"ó", {0x12, 1, 0, 0, 0, 0xF3, 0x00}},
        {"€", {0x12, 1, 0, 0, 0, 0xAC, 0x20}},
        {"😀", {0x12, 2, 0, 0, 0, 0x3D, 0xD8, 0x00, 0xDE}},
        {std::string(256, 'a'), Polacz({{0x0C, 0x00, 0x01, 0, 0}, TBajty(256, 'a')})},
        {std::string(255, 'a'), Polacz({{0x06, 0xFF}, TBajty(255, 'a')})},
    };
    for (const auto& p : przypadki) {
        TZapisStrumienia zapis;
        zapis.ZapiszTekst(p.Tekst);
        EXPECT_EQ(zapis.Bajty(), p.Bajty) << p.Tekst;
        TOdczytStrumienia odczyt(p.Bajty);
        EXPECT_EQ(odczyt.CzytajTekst(), p.Tekst);
        EXPECT_TRUE(odczyt.Koniec());
    }
}

TEST(StrumienOferty, OdczytObcychPostaciTekstuDajePoprawneUtf8)
{
    struct {
        TBajty Bajty;
        std::string Tekst;
    } const przypadki[] = {
        // Single-byte texts of older records are in the Polish code page.
        {{0x06, 4, 0xA3, 0xF3, 0x64, 0x9F}, "Łódź"},
        {{0x0C, 2, 0, 0, 0, 0xB9, 0xEA}, "ąę"},
        {{0x14, 3, 0, 0, 0, 'a', 0xFF, 'b'}, "a\xEF\xBF\xBD" "b"},
        // A lone surrogate.
        {{0x12, 2, 0, 0, 0, 0x00, 0xD8, 'x', 0}, "\xEF\xBF\xBDx"},
    };
    for (const auto& p : przypadki) {
        TOdczytStrumienia odczyt(p.Bajty);
        const std::string tekst = odczyt.CzytajTekst();
        EXPECT_EQ(tekst, p.Tekst);
        EXPECT_EQ(NaprawUtf8(tekst), tekst);
    }
}

TEST(StrumienOferty, MalaOfertaBajtPoBajcie)
{
    THarmonogramLokatyBankowej h;
    h.SetNazwaHarmonogramu("Lokata");
    h.SetOkresDepozytu(6);
    h.SetJednostkaDepozytu(TJednostkaOkresu::Miesiace);
    h.SetOprocentowanieStaleWCalymOkresieLokaty(true);
    h.SetOprocentowanieWSkaliRoku(4.5);
    h.SetKapitalizacja(TKapitalizacja::Miesieczna);
    h.SetKwotaMinimalna(1000);
    h.SetMozliwoscWczesniejszegoZerwaniaLokaty(true);
    h.SetWarunkiWczesniejszegoZerwaniaLokaty("Zł");
    h.SetPozostaleInformacje("ó");
    h.SetId(77);

    const TBajty oczekiwane{
        0x01,                                                        // list start
        0x06, 6, 'L', 'o', 'k', 'a', 't', 'a',                      // NazwaHarmonogramu
        0x12, 0, 0, 0, 0,                                            // Bank: empty
        0x02, 6,                                                     // OkresDepozytu
        0x02, 2,                                                     // Miesiace
        0x09,                                                        // fixed rate
        0x05, 0, 0, 0, 0, 0, 0, 0, 0x90, 0x01, 0x40,                 // 4.5
        0x02, 1,                                                     // Miesieczna
        0x05, 0, 0, 0, 0, 0, 0, 0, 0xFA, 0x08, 0x40,                 // 1000
        0x05, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                          // 0
        0x08, 0x09, 0x08,                                            // account, early break, user's
        0x14, 3, 0, 0, 0, 'Z', 0xC5, 0x82,                           // Warunki
        0x12, 1, 0, 0, 0, 0xF3, 0x00,                                // PozostaleInformacje
        0x00,                                                        // list end
    };
    EXPECT_EQ(Zapisz(h), oczekiwane);

    TUstawionyZegar zegar(Chwila);
    const THarmonogramLokatyBankowej odczytana = Odczytaj(oczekiwane);
    OczekujTychSamychPol(odczytana, h);
}

TEST(StrumienOferty, PowrotOfertyZPolskimiLiteramiIZTekstamiAscii)
{
    TUstawionyZegar zegar(Chwila);
    for (const THarmonogramLokatyBankowej& h : {PolskaOferta(), AsciiOferta()}) {
        const TBajty bajty = Zapisz(h);
        THarmonogramLokatyBankowej odczytana;
        odczytana.SetId(12);
        odczytana.SetDataDodaniaModyfikacji(1);
        TOdczytStrumienia odczyt(bajty);
        odczytana.ReadFromStream(odczyt);
        EXPECT_TRUE(odczyt.Koniec());
        OczekujTychSamychPol(odczytana, h);
        // Not part of the record: a read offer counts as new and not saved.
        EXPECT_EQ(odczytana.Id(), 12);
        EXPECT_EQ(odczytana.Zmiany(), TTypModyfikacji::Dodano);
        EXPECT_EQ(odczytana.DataDodaniaModyfikacji(), Chwila);
    }
    // The two offers take the two families of string forms.
    EXPECT_EQ(Zapisz(PolskaOferta())[1], 0x14);
    EXPECT_EQ(Zapisz(AsciiOferta())[1], 0x06);
}

TEST(StrumienOferty, PrzezStrumienStandardowyKolejneRekordy)
{
    TUstawionyZegar zegar(Chwila);
    std::stringstream plik(std::ios::in | std::ios::out | std::ios::binary);
    TZapisStrumienia zapis;
    PolskaOferta().WriteToStream(zapis);
    AsciiOferta().WriteToStream(zapis);
    zapis.ZapiszDo(plik);

    const TBajty bajty = WczytajStrumien(plik);
    TOdczytStrumienia odczyt(bajty);
    THarmonogramLokatyBankowej pierwsza;
    THarmonogramLokatyBankowej druga;
    pierwsza.ReadFromStream(odczyt);
    EXPECT_EQ(odczyt.Pozycja(), Zapisz(PolskaOferta()).size());
    druga.ReadFromStream(odczyt);
    EXPECT_TRUE(odczyt.Koniec());
    OczekujTychSamychPol(pierwsza, PolskaOferta());
    OczekujTychSamychPol(druga, AsciiOferta());
}

// Reads and returns the error message, or "" when the record was read.
std::string BladOdczytu(const TBajty& bajty, THarmonogramLokatyBankowej& h)
{
    try {
        TOdczytStrumienia odczyt(bajty);
        h.ReadFromStream(odczyt);
        return "";
    } catch (const EBladOdczytuStrumienia& e) {
        return e.what();
    }
}

TEST(StrumienOferty, KazdyUcietyRekordToBladOdczytu)
{
    TUstawionyZegar zegar(Chwila);
    for (const THarmonogramLokatyBankowej& wzor : {PolskaOferta(), AsciiOferta()}) {
        const TBajty pelny = Zapisz(wzor);
        for (size_t dlugosc = 0; dlugosc < pelny.size(); ++dlugosc) {
            THarmonogramLokatyBankowej h;
            const std::string blad = BladOdczytu(TBajty(pelny.begin(), pelny.begin() + dlugosc), h);
            EXPECT_EQ(blad, "Nie można odczytać oferty lokaty: dane są niekompletne.") << dlugosc;
            EXPECT_EQ(h.Zmiany(), TTypModyfikacji::BezZmian);
        }
    }
}

TEST(StrumienOferty, ZepsutyRekordToBladOdczytuNigdyAwaria)
{
    TUstawionyZegar zegar(Chwila);
    const TBajty pelny = Zapisz(PolskaOferta());
    std::mt19937 los(1234);
    std::uniform_int_distribution<size_t> pozycja(0, pelny.size() - 1);
    std::uniform_int_distribution<int> bajt(0, 255);
    std::uniform_int_distribution<int> ile(1, 4);
    int odczytane = 0;
    for (int proba = 0; proba < 5000; ++proba) {
        TBajty zepsuty = pelny;
        for (int i = ile(los); i > 0; --i)
            zepsuty[pozycja(los)] = static_cast<uint8_t>(bajt(los));
        THarmonogramLokatyBankowej h;
        try {
            TOdczytStrumienia odczyt(zepsuty);
            h.ReadFromStream(odczyt);
            ++odczytane;
            // Whatever was read is usable: valid texts, a finite rate.
            EXPECT_EQ(NaprawUtf8(h.NazwaHarmonogramu()), h.NazwaHarmonogramu());
            EXPECT_EQ(NaprawUtf8(h.PozostaleInformacje()), h.PozostaleInformacje());
            EXPECT_TRUE(std::isfinite(h.OprocentowanieWSkaliRoku()));
            (void)h.BankNazwaOprocentowanie();
            (void)h.KapitalizacjaNazwa();
        } catch (const EBladOdczytuStrumienia&) {
        }
    }
    // Flips inside texts and numbers still give a record now and then.
    EXPECT_GT(odczytane, 0);

    // Plain noise behind a valid list start.
    std::uniform_int_distribution<size_t> dlugosc(0, 200);
    for (int proba = 0; proba < 2000; ++proba) {
        TBajty szum{0x01};
        for (size_t i = dlugosc(los); i > 0; --i)
            szum.push_back(static_cast<uint8_t>(bajt(los)));
        THarmonogramLokatyBankowej h;
        try {
            TOdczytStrumienia odczyt(szum);
            h.ReadFromStream(odczyt);
        } catch (const EBladOdczytuStrumienia&) {
        }
    }
}

TEST(StrumienOferty, DlugoscSpozaDanychNieAlokujeJej)
{
    for (const TBajty& bajty : {TBajty{0x01, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 'a'},
                                TBajty{0x01, 0x12, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 0},
                                TBajty{0x01, 0x12, 0xFF, 0xFF, 0xFF, 0xFF},
                                TBajty{0x01, 0x0C, 0xFF, 0xFF, 0xFF, 0xFF},
                                TBajty{0x01, 0x06, 0xFF, 'a'}}) {
        THarmonogramLokatyBankowej h;
        EXPECT_EQ(BladOdczytu(bajty, h), "Nie można odczytać oferty lokaty: dane są niekompletne.");
    }
}

TEST(StrumienOferty, RekordNiezgodnyZKolejnosciaPol)
{
    TUstawionyZegar zegar(Chwila);
    const TBajty pelny = Zapisz(PolskaOferta());
    const size_t poczatekBanku = 1 + 5 + std::string("Lokata Świąteczna").size();
    struct {
        TBajty Bajty;
        std::string Komunikat;
    } const przypadki[] = {
        {Polacz({{0x02}, TBajty(pelny.begin() + 1, pelny.end())}), "brak początku listy wartości."},
        {Polacz({TBajty(pelny.begin(), pelny.end() - 1), {0x01}}), "brak końca listy wartości."},
        {Polacz({{0x01, 0x09}}), "oczekiwano tekstu."},
        {Polacz({TBajty(pelny.begin(), pelny.begin() + poczatekBanku), {0x05}}), "oczekiwano tekstu."},
        {Polacz({{0x01, 0x06, 1, 'a', 0x06, 1, 'b', 0x06, 1, 'c'}}), "oczekiwano liczby całkowitej."},
        {Polacz({{0x01, 0x06, 1, 'a', 0x06, 1, 'b', 0x02, 0xFF}}), "nieprawidłowy okres depozytu (-1)."},
        {Polacz({{0x01, 0x06, 1, 'a', 0x06, 1, 'b', 0x02, 1, 0x02, 0, 0x07}}), "oczekiwano wartości logicznej."},
        {Polacz({{0x01, 0x06, 1, 'a', 0x06, 1, 'b', 0x02, 1, 0x02, 0, 0x08, 0x02, 4}}), "oczekiwano liczby."},
        {Polacz({{0x01, 0x06, 1, 'a', 0x06, 1, 'b', 0x02, 1, 0x02, 0, 0x08, 0x05, 0, 0, 0, 0, 0, 0, 0, 0xC0,
                  0xFF, 0x7F}}),
         "liczba spoza dopuszczalnego zakresu."},
        {Polacz({{0x01, 0x06, 1, 'a', 0x06, 1, 'b', 0x02, 1, 0x02, 0, 0x08, 0x05, 0, 0, 0, 0, 0, 0, 0, 0x80,
                  0xFF, 0x7F}}),
         "liczba spoza dopuszczalnego zakresu."},
    };
    for (const auto& p : przypadki) {
        THarmonogramLokatyBankowej h;
        EXPECT_EQ(BladOdczytu(p.Bajty, h), "Nie można odczytać oferty lokaty: " + p.Komunikat);
    }

    // The fields read before the failure stay; the offer is not marked as read.
    THarmonogramLokatyBankowej h;
    BladOdczytu(przypadki[3].Bajty, h);
    EXPECT_EQ(h.NazwaHarmonogramu(), "Lokata Świąteczna");
    EXPECT_EQ(h.Zmiany(), TTypModyfikacji::BezZmian);
}

TEST(StrumienOferty, WyliczeniaSpozaTabeliDajaWartosciNeutralne)
{
    TUstawionyZegar zegar(Chwila);
    THarmonogramLokatyBankowej wzor = PolskaOferta();
    wzor.SetJednostkaDepozytu(static_cast<TJednostkaOkresu>(7));
    wzor.SetKapitalizacja(static_cast<TKapitalizacja>(-100));
    THarmonogramLokatyBankowej h = Odczytaj(Zapisz(wzor));
    EXPECT_EQ(h.NazwaDepozytu(), "");
    EXPECT_EQ(h.OkresLokaty(), "300");
    EXPECT_EQ(h.KapitalizacjaNazwa(), "(brak danych)");

    // A unit or capitalisation that does not even fit a byte is "not set".
    TZapisStrumienia zapis;
    zapis.ZapiszPoczatekListy();
    zapis.ZapiszTekst("a");
    zapis.ZapiszTekst("b");
    zapis.ZapiszLiczbe(6);
    zapis.ZapiszLiczbe(258);
    zapis.ZapiszLogiczna(false);
    zapis.ZapiszZmiennoprzecinkowa(3);
    zapis.ZapiszLiczbe(-70000);
    for (int i = 0; i < 2; ++i)
        zapis.ZapiszZmiennoprzecinkowa(0);
    for (int i = 0; i < 3; ++i)
        zapis.ZapiszLogiczna(false);
    zapis.ZapiszTekst("");
    zapis.ZapiszTekst("");
    zapis.ZapiszKoniecListy();
    h = Odczytaj(zapis.Bajty());
    EXPECT_EQ(h.JednostkaDepozytu(), TJednostkaOkresu::Nieustawiona);
    EXPECT_EQ(h.Kapitalizacja(), TKapitalizacja::Nieustawiona);
}

}  // namespace
