// The amount box typed into key by key and pasted into, its display without the focus, its
// limits, and its calculator, both the arithmetic and the pop-up handing over a result.
#include <QApplication>
#include <QClipboard>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "EdytorKlawiatura.h"
#include "common/FunkcjeWspolne.h"
#include "planner/Kalkulator.h"
#include "planner/ObliczeniaKalkulatora.h"
#include "planner/PoleKwoty.h"

namespace {

class PoleKwotyTest : public ::testing::Test {
protected:
    void SetUp() override { UstawFormatyDanych(); }
    TPoleKwoty fPole;
};

struct TWpisywanie {
    const char* Klawisze;
    const char* Tekst;
};

class PoleKwotyWpisywanie : public PoleKwotyTest, public ::testing::WithParamInterface<TWpisywanie> {};

TEST_P(PoleKwotyWpisywanie, PrzyjmujeTylkoCyfryIJedenPrzecinek)
{
    Wpisz(&fPole, QString::fromUtf8(GetParam().Klawisze));
    EXPECT_EQ(fPole.text().toStdString(), GetParam().Tekst);
}

INSTANTIATE_TEST_SUITE_P(
    Klawisze, PoleKwotyWpisywanie,
    ::testing::Values(TWpisywanie{"1234,5", "1234,5"}, TWpisywanie{"12,3,4", "12,34"},
                      TWpisywanie{",5", ",5"}, TWpisywanie{"1a2b.3", "123"},
                      TWpisywanie{"-5 zł", "5"}, TWpisywanie{"12\b3", "13"},
                      TWpisywanie{"1,\b,5", "1,5"}, TWpisywanie{"7;'\"|:", "7"},
                      TWpisywanie{"٣4", "4"}));

TEST_F(PoleKwotyTest, PietnascieZnakowNieDajaSiePrzekroczycIKwotaZostajeDokladna)
{
    Wpisz(&fPole, QString(20, u'9'));
    EXPECT_EQ(fPole.text(), QString(15, u'9'));
    EXPECT_EQ(fPole.Wartosc(), 999999999999999.0);
    EXPECT_EQ(fPole.TekstWyswietlany(), QString::fromUtf8("999 999 999 999 999,00 zł"));
    EXPECT_EQ(ZaokraglijDo(-2, fPole.Wartosc()), 999999999999999.0);

    fPole.clear();
    Wpisz(&fPole, "12345678901234,56");
    EXPECT_EQ(fPole.text(), "12345678901234,");
    Wpisz(&fPole, "\b\b9");
    EXPECT_EQ(fPole.text(), "12345678901239");
}

TEST_F(PoleKwotyTest, LimitDlugosciMozeBycZmieniony)
{
    fPole.SetMaksymalnaDlugosc(4);
    Wpisz(&fPole, "123456");
    EXPECT_EQ(fPole.text(), "1234");
}

TEST_F(PoleKwotyTest, WartoscPonadMaksimumJestOdrzucana)
{
    fPole.SetMaksymalnaWartosc(1000);
    Wpisz(&fPole, "10001");
    EXPECT_EQ(fPole.text(), "1000");
}

struct TWklejanie {
    const char* Przed;
    const char* Wklejany;
    const char* Po;
};

class PoleKwotyWklejanie : public PoleKwotyTest, public ::testing::WithParamInterface<TWklejanie> {};

// insert() goes the way of a paste: through the box's filter, undone whole when refused.
TEST_P(PoleKwotyWklejanie, KwotaPrzyjetaBezSpacjiISymbolu_InnyTekstOdrzuconyCaly)
{
    fPole.setText(QString::fromUtf8(GetParam().Przed));
    fPole.end(false);
    fPole.insert(QString::fromUtf8(GetParam().Wklejany));
    EXPECT_EQ(fPole.text().toStdString(), GetParam().Po);
}

INSTANTIATE_TEST_SUITE_P(
    Teksty, PoleKwotyWklejanie,
    ::testing::Values(TWklejanie{"", "1 234,50 zł", "1234,50"}, TWklejanie{"", "1\u00a0234,50\u00a0zł", "1234,50"},
                      TWklejanie{"", "12,5", "12,5"}, TWklejanie{"", "12.50", ""},
                      TWklejanie{"", "1,2,3", ""}, TWklejanie{"", "abc", ""},
                      TWklejanie{"", "-5", ""}, TWklejanie{"", "zł 5", ""},
                      TWklejanie{"5,1", ",2", "5,1"}, TWklejanie{"7", "12", "712"},
                      TWklejanie{"", "1234567890123456", ""}, TWklejanie{"1234567890123", "45", "123456789012345"},
                      TWklejanie{"1234567890123", "456", "1234567890123"}));

TEST_F(PoleKwotyTest, WklejenieZeSchowka)
{
    QApplication::clipboard()->setText(QString::fromUtf8("2 500,00 zł"));
    fPole.paste();
    EXPECT_EQ(fPole.text(), "2500,00");
    QApplication::clipboard()->setText("12;DROP");
    fPole.paste();
    EXPECT_EQ(fPole.text(), "2500,00");
}

TEST_F(PoleKwotyTest, BezFokusuPokazujeDwaMiejscaPoPrzecinkuISymbolWaluty)
{
    const std::pair<const char*, const char*> przypadki[] = {
        {"", "0,00 zł"},        {"1234,5", "1 234,50 zł"}, {"7", "7,00 zł"},
        {"0,004", "0,00 zł"},   {"12,", "12,00 zł"},        {"0,125", "0,12 zł"},
        {"2,675", "2,67 zł"},   {",5", "0,50 zł"},
    };
    for (const auto& [tekst, wyswietlany] : przypadki) {
        fPole.setText(QString::fromUtf8(tekst));
        EXPECT_EQ(fPole.TekstWyswietlany().toStdString(), wyswietlany) << tekst;
    }
    fPole.SetSymbolWaluty("PLN");
    fPole.setText("5");
    EXPECT_EQ(fPole.TekstWyswietlany(), "5,00 PLN");
}

TEST_F(PoleKwotyTest, TekstDoEdycji)
{
    const std::pair<double, const char*> przypadki[] = {
        {1234.5, "1234,5"},    {10, "10"},       {0.004, "0"},  {0.125, "0,12"},
        {250.75, "250,75"},    {-5, ""},         {1e20, "100000000000000000000"},
        {std::nan(""), ""},    {std::numeric_limits<double>::infinity(), ""},
    };
    for (const auto& [kwota, tekst] : przypadki)
        EXPECT_EQ(TPoleKwoty::TekstDoEdycji(kwota).toStdString(), tekst) << kwota;
}

// A stored amount longer than the limit is shown whole, never cut to the limit.
TEST_F(PoleKwotyTest, UstawionaDluzszaKwotaZostajeCala)
{
    fPole.UstawWartosc(12345678901234.56);
    EXPECT_EQ(fPole.text(), "12345678901234,56");
    EXPECT_DOUBLE_EQ(fPole.Wartosc(), 12345678901234.56);
    fPole.end(false);
    Wpisz(&fPole, "7");
    EXPECT_EQ(fPole.text(), "12345678901234,56");
    fPole.SetMaksymalnaDlugosc(15);
    fPole.clear();
    Wpisz(&fPole, QString(17, u'1'));
    EXPECT_EQ(fPole.text(), QString(15, u'1'));
}

// ---- The calculator's arithmetic ----

struct TRachunek {
    const char* Klawisze;  // digits, ",", "+-*/", "=", "<" backspace, "C" clear
    const char* Wyswietlacz;
};

class ObliczeniaKalkulatoraTest : public ::testing::TestWithParam<TRachunek> {};

TEST_P(ObliczeniaKalkulatoraTest, Wyswietlacz)
{
    TObliczeniaKalkulatora obliczenia;
    for (const char c : std::string(GetParam().Klawisze)) {
        if (c >= '0' && c <= '9')
            obliczenia.Cyfra(c - '0');
        else if (c == ',')
            obliczenia.Przecinek();
        else if (c == '=')
            obliczenia.Rownaj();
        else if (c == '<')
            obliczenia.Cofnij();
        else if (c == 'C')
            obliczenia.Wyczysc();
        else
            obliczenia.Dzialanie(c);
    }
    EXPECT_EQ(obliczenia.Wyswietlacz(), GetParam().Wyswietlacz) << GetParam().Klawisze;
}

INSTANTIATE_TEST_SUITE_P(
    Rachunki, ObliczeniaKalkulatoraTest,
    ::testing::Values(TRachunek{"", "0"}, TRachunek{"2+3=", "5"}, TRachunek{"2+3*4=", "20"},
                      TRachunek{"1,5*2=", "3"}, TRachunek{"10/4=", "2,5"}, TRachunek{"5++3=", "8"},
                      TRachunek{"5+-3=", "2"}, TRachunek{"0-5=", "-5"}, TRachunek{"1,,2", "1,2"},
                      TRachunek{",5", "0,5"}, TRachunek{"007", "7"}, TRachunek{"123<", "12"},
                      TRachunek{"2+3", "3"}, TRachunek{"2+", "2"}, TRachunek{"12C", "0"},
                      TRachunek{"7/0=", "Nie można dzielić przez zero"},
                      TRachunek{"7/0=5", "Nie można dzielić przez zero"},
                      TRachunek{"7/0=<4", "4"}, TRachunek{"9999999999999999999", "999999999999999"},
                      TRachunek{"0,1+0,2=", "0,3"}));

TEST(ObliczeniaKalkulatora, WynikPozaZakresemLiczbyJestBledem_NiePrzyjmujeNaN)
{
    TObliczeniaKalkulatora obliczenia;
    obliczenia.Ustaw(std::numeric_limits<double>::max());
    obliczenia.Dzialanie('*');
    obliczenia.Cyfra(2);
    obliczenia.Rownaj();
    EXPECT_TRUE(obliczenia.Blad());
    EXPECT_EQ(obliczenia.Wyswietlacz(), "Wynik poza zakresem");
    EXPECT_EQ(obliczenia.Wartosc(), 0);

    obliczenia.Ustaw(std::nan(""));
    EXPECT_FALSE(obliczenia.Blad());
    EXPECT_EQ(obliczenia.Wartosc(), 0);
    EXPECT_EQ(obliczenia.Wyswietlacz(), "0");
}

// ---- The pop-up on the box ----

TEST_F(PoleKwotyTest, KalkulatorWstawiaWynikDoPola)
{
    fPole.setText("12");
    fPole.PrzyciskKalkulatora()->click();
    TKalkulator& kalkulator = fPole.Kalkulator();
    ASSERT_TRUE(kalkulator.isVisible());
    EXPECT_EQ(kalkulator.Wyswietlacz(), "12");
    Wpisz(&kalkulator, "*3,5");
    Nacisnij(&kalkulator, Qt::Key_Return, "\r");
    EXPECT_FALSE(kalkulator.isVisible());
    EXPECT_EQ(fPole.text(), "42");
}

TEST_F(PoleKwotyTest, KalkulatorOdmawiaWynikuKtoregoPoleNiePomiesci)
{
    struct TPrzypadek {
        const char* Klawisze;
        const char* Komunikat;
    };
    const TPrzypadek przypadki[] = {
        {"-20", "Kwota nie może być ujemna"},
        {"*999999999999999", "Kwota poza zakresem"},
    };
    for (const auto& [klawisze, komunikat] : przypadki) {
        fPole.setText("12");
        fPole.PokazKalkulator();
        TKalkulator& kalkulator = fPole.Kalkulator();
        Wpisz(&kalkulator, QString::fromUtf8(klawisze));
        Nacisnij(&kalkulator, Qt::Key_Enter, "\r");
        EXPECT_TRUE(kalkulator.isVisible()) << klawisze;
        EXPECT_EQ(kalkulator.Wyswietlacz().toStdString(), komunikat);
        EXPECT_EQ(fPole.text(), "12");
        Nacisnij(&kalkulator, Qt::Key_Escape);
        EXPECT_FALSE(kalkulator.isVisible());
        EXPECT_EQ(fPole.text(), "12");
    }
}

TEST_F(PoleKwotyTest, KalkulatorBledyDzieleniaNieTrafiajaDoPola)
{
    fPole.setText("5");
    fPole.PokazKalkulator();
    TKalkulator& kalkulator = fPole.Kalkulator();
    Wpisz(&kalkulator, "/0");
    Nacisnij(&kalkulator, Qt::Key_Return, "\r");
    EXPECT_EQ(kalkulator.Wyswietlacz(), QString::fromUtf8("Nie można dzielić przez zero"));
    EXPECT_TRUE(kalkulator.isVisible());
    EXPECT_EQ(fPole.text(), "5");
    kalkulator.close();
}

}  // namespace
