#include "common/FunkcjeWspolne.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "common/PolskiTekst.h"
#include "common/Wyjatki.h"

namespace {

TEST(UstawFormatyDanychTest, PrzedUstawieniemKluczMiesiacaJestPusty)
{
    // A fresh process: another test of this program may already have set the formats.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const bool pusty = MiesiacIRok(KodujDate(2013, 5, 1)).empty() &&
                               !UstawieniaFormatow().Wypelnione();
            UstawFormatyDanych();
            std::exit(pusty && MiesiacIRok(KodujDate(2013, 5, 1)) == "maj 2013" ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(UstawFormatyDanychTest, WypelniaPolskieUstawienia)
{
    UstawFormatyDanych();
    UstawFormatyDanych();  // again at every planner run, with the same values
    const TUstawieniaFormatow& u = UstawieniaFormatow();
    EXPECT_TRUE(u.Wypelnione());
    EXPECT_EQ(u.SeparatorDziesietny, ',');
    EXPECT_EQ(u.SeparatorTysiecy, ' ');
    EXPECT_EQ(u.MiejscaDziesietneWaluty, 2);
    EXPECT_EQ(u.SeparatorDaty, '-');
    EXPECT_EQ(u.SeparatorCzasu, ':');
    EXPECT_EQ(u.SeparatorListy, ';');
    EXPECT_EQ(u.KrotkiFormatDaty, "yyyy-MM-dd");
    EXPECT_EQ(u.DlugiFormatDaty, "d MMMM yyyy");
    EXPECT_EQ(u.KrotkiFormatCzasu, "hh:mm");
    EXPECT_EQ(u.DlugiFormatCzasu, "hh:mm:ss");
    EXPECT_EQ(u.SymbolWaluty, "zł");
    EXPECT_EQ(u.NazwyDni[0], "niedziela");
    EXPECT_EQ(u.NazwyDni[6], "sobota");
}

TEST(MiesiacIRokTest, PolskieNazwyWMianowniku)
{
    UstawFormatyDanych();
    const char* nazwy[] = {"styczeń",  "luty",     "marzec",      "kwiecień",
                           "maj",      "czerwiec", "lipiec",      "sierpień",
                           "wrzesień", "październik", "listopad", "grudzień"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(MiesiacIRok(KodujDateCzas(2013, m, 28, 23, 59)), std::string(nazwy[m - 1]) + " 2013");
    EXPECT_EQ(MiesiacIRok(KodujDate(987, 1, 1)), "styczeń 0987");
    // A value that is no date gives no key instead of an error.
    EXPECT_EQ(MiesiacIRok(std::nan("")), "");
    EXPECT_EQ(MiesiacIRok(1e12), "");
}

struct TPara {
    const char* Wejscie;
    const char* Wynik;
};

TEST(WielkaPierwszaLiteraTest, PolskieLitery)
{
    UstawFormatyDanych();
    EXPECT_EQ(WielkaPierwszaLitera(MiesiacIRok(KodujDate(2013, 10, 3))), "Październik 2013");
    for (const TPara& p : {TPara{"", ""}, TPara{"   ", "   "}, TPara{"a", "A"}, TPara{"ł", "Ł"},
                           TPara{"maj 2013", "Maj 2013"}, TPara{"łódź", "Łódź"},
                           TPara{"żółw Żółw", "Żółw Żółw"}, TPara{"ąBc", "ĄBc"},
                           TPara{"Środa", "Środa"}, TPara{" maj", " maj"}, TPara{"1 maj", "1 maj"},
                           TPara{"\xff" "abc", "\xff" "abc"}})
        EXPECT_EQ(WielkaPierwszaLitera(p.Wejscie), p.Wynik) << p.Wejscie;
}

TEST(KwotaZTekstuTest, CzytaKwotyINigdyNieZglaszaBledu)
{
    const std::pair<std::string, double> przypadki[] = {
        {"12.50", 12.5},        {"12,50", 12.5},       {"1 234,50 zł", 1234.5},
        {"1\u00a0234,50\u00a0zł", 1234.5}, {"-3,5", -3.5},     {"-5,00 zł", -5},
        {"10", 10},             {",5", 0.5},           {"5,", 5},
        {"  7  ", 7},           {"PLN 8", 8},          {"1,2,3", 0},
        {"1.234,5", 0},         {"", 0},               {"   ", 0},
        {"\t\r\n", 0},          {"-", 0},              {",", 0},
        {"abc", 0},             {"5-", 0},             {"1-2", 0},
        {"--5", 0},             {"1e400", 1400},       {std::string(400, '9'), 0},
        {"\xff\xfe", 0}};
    for (const auto& [tekst, wartosc] : przypadki)
        EXPECT_DOUBLE_EQ(KwotaZTekstu(tekst), wartosc) << tekst;
}

TEST(CzyLiczbaCalkowitaTest, TylkoCyfryIMinusWZakresie32Bitow)
{
    const std::pair<const char*, bool> przypadki[] = {
        {"-12", true},         {"-17", true},         {"0007", true},       {"0", true},
        {"2147483647", true},  {"-2147483648", true}, {"2147483648", false}, {"-2147483649", false},
        {"99999999999", false}, {"", false},          {"-", false},         {"1-2", false},
        {"--1", false},        {"+5", false},         {" 5", false},        {"5 ", false},
        {"1,5", false},        {"1.0", false},        {"٣", false}};
    for (const auto& [tekst, wynik] : przypadki)
        EXPECT_EQ(CzyLiczbaCalkowita(tekst), wynik) << tekst;
}

TEST(CzyPustyTekstTest, SpacjeIZnakiSterujace)
{
    EXPECT_TRUE(CzyPustyTekst(""));
    EXPECT_TRUE(CzyPustyTekst(" \t\r\n "));
    EXPECT_TRUE(CzyPustyTekst(std::string("\0\x1f", 2)));
    EXPECT_FALSE(CzyPustyTekst("  a  "));
    EXPECT_FALSE(CzyPustyTekst("\xc2\xa0"));  // a no-break space is a character
}

TEST(ZaokraglijDoTest, PolowaDoParzystejWartosciTakiejJakZapisanaBinarnie)
{
    struct TPrzypadek {
        int D;
        double X, Wynik;
    };
    for (const TPrzypadek& p : {
             TPrzypadek{-2, 0.125, 0.12},   // an exact half: to the even hundredth
             TPrzypadek{-2, 0.375, 0.38},
             TPrzypadek{-2, -0.125, -0.12},
             TPrzypadek{-2, 2.675, 2.67},   // held as 2.67499999...
             TPrzypadek{-2, 1.005, 1.0},    // held as 1.00499999...
             TPrzypadek{-2, 0.135, 0.14},   // held as 0.13500000000000000888
             TPrzypadek{-2, 1234.5, 1234.5},
             TPrzypadek{-2, 0.1 + 0.2, 0.3},
             TPrzypadek{-2, 1.0 / 3, 0.33},
             TPrzypadek{-2, -2.0 / 3, -0.67},
             TPrzypadek{-2, 1e15 + 0.25, 1e15 + 0.25},
             TPrzypadek{0, 2.5, 2},
             TPrzypadek{0, 3.5, 4},
             TPrzypadek{-1, 0.25, 0.2},
             TPrzypadek{2, 1250, 1200},
             TPrzypadek{2, 1350, 1400}})
        EXPECT_EQ(ZaokraglijDo(p.D, p.X), p.Wynik) << p.D << " " << p.X;
    EXPECT_TRUE(std::isnan(ZaokraglijDo(-2, std::nan(""))));
    EXPECT_EQ(ZaokraglijDo(-2, INFINITY), INFINITY);
}

TEST(UsunZnakiZakazaneTest, UsuwaCzteryZnakiINaprawiaUtf8)
{
    EXPECT_EQ(UsunZnakiZakazane("a|b'c\"d;e"), "abcde");
    EXPECT_EQ(UsunZnakiZakazane("Łódź: 5/6"), "Łódź: 5/6");
    EXPECT_EQ(UsunZnakiZakazane("a\xff;b"), "a\uFFFDb");
    EXPECT_EQ(UsunZnakiZakazane(""), "");
}

TEST(OczyscNazweTest, CzysciNazwyWpisywanePrzezUzytkownika)
{
    const TPara przypadki[] = {
        {"  Czynsz: opłaty/media  ", "Czynsz opłatymedia "},
        {"", ""},
        {"   ", ""},
        {"\t\x01\x7f Nazwa", "Nazwa"},
        {"\u02D9\u0081\u0083\u0088\u0090\u0098 Nazwa", "Nazwa"},
        {"A\u0081B\u02D9C\x7f" "D\tE", "ABCDE"},
        {"a;b\\c/d<e>f|g*h?i\"j:k", "abcdefghijk"},
        {"a    b  c", "a b c"},
        {"a : b", "a b"},
        {"Łódź ŻÓŁĆ", "Łódź ŻÓŁĆ"},
        {"O'Brien", "O'Brien"},
        {"a\u0082b", "a\u0082b"},  // only the listed C1 codes go
        {"\xff" "abc", "\uFFFD" "abc"},
        {"abc\xc5", "abc\uFFFD"},
        {"a\xe2\x82 b", "a\uFFFD b"},
    };
    for (const TPara& p : przypadki)
        EXPECT_EQ(OczyscNazwe(p.Wejscie), p.Wynik) << p.Wejscie;
}

TEST(OczyscNazweTest, DowolneBajtyDajaPoprawneUtf8)
{
    std::mt19937 los(20130517);
    std::uniform_int_distribution<int> bajt(0, 255), dlugosc(0, 40);
    for (int i = 0; i < 2000; ++i) {
        std::string tekst(static_cast<size_t>(dlugosc(los)), '\0');
        for (char& c : tekst)
            c = static_cast<char>(bajt(los));
        const std::string nazwa = OczyscNazwe(tekst);
        const std::string bezZakazanych = UsunZnakiZakazane(tekst);
        EXPECT_EQ(NaprawUtf8(nazwa), nazwa);
        EXPECT_EQ(NaprawUtf8(bezZakazanych), bezZakazanych);
        EXPECT_EQ(nazwa.find("  "), std::string::npos);
        EXPECT_EQ(bezZakazanych.find_first_of("|'\";"), std::string::npos);
    }
}

TEST(LogicznaNaTekstTest, JedenLubZero)
{
    EXPECT_EQ(LogicznaNaTekst(true), "1");
    EXPECT_EQ(LogicznaNaTekst(false), "0");
}

TEST(DodawanieDatTest, MiesiaceZatrzymujaDzienLubCofajaNaKoniecMiesiaca)
{
    struct TPrzypadek {
        TDateTime Od;
        uint16_t Ile;
        TDateTime Wynik;
    };
    for (const TPrzypadek& p : {
             TPrzypadek{KodujDate(2013, 1, 31), 1, KodujDate(2013, 2, 28)},
             TPrzypadek{KodujDate(2012, 1, 31), 1, KodujDate(2012, 2, 29)},
             TPrzypadek{KodujDate(2013, 1, 31), 2, KodujDate(2013, 3, 31)},
             TPrzypadek{KodujDate(2013, 3, 31), 1, KodujDate(2013, 4, 30)},
             TPrzypadek{KodujDate(2013, 12, 15), 1, KodujDate(2014, 1, 15)},
             TPrzypadek{KodujDate(2013, 1, 31), 13, KodujDate(2014, 2, 28)},
             TPrzypadek{KodujDate(2013, 5, 17), 0, KodujDate(2013, 5, 17)},
             TPrzypadek{KodujDateCzas(2013, 1, 31, 14, 30, 15, 250), 1,
                        KodujDateCzas(2013, 2, 28, 14, 30, 15, 250)},
             TPrzypadek{KodujDateCzas(1899, 12, 29, 6), 1, KodujDateCzas(1900, 1, 29, 6)},
             TPrzypadek{KodujDate(2013, 5, 17), 65535, KodujDate(7474, 8, 17)}})
        EXPECT_EQ(DodajMiesiace(p.Ile, p.Od), p.Wynik) << DataCzasNaTekst(p.Od) << " + " << p.Ile;
}

TEST(DodawanieDatTest, DniTygodnieILata)
{
    const TDateTime d = KodujDateCzas(2012, 2, 29, 8, 15);
    EXPECT_EQ(DodajDni(1, d), KodujDateCzas(2012, 3, 1, 8, 15));
    EXPECT_EQ(DodajDni(0, d), d);
    EXPECT_EQ(DodajTygodnie(2, d), KodujDateCzas(2012, 3, 14, 8, 15));
    EXPECT_EQ(DodajLata(1, d), KodujDateCzas(2013, 2, 28, 8, 15));
    EXPECT_EQ(DodajLata(4, d), KodujDateCzas(2016, 2, 29, 8, 15));
    EXPECT_THROW(DodajLata(8000, d), EGrosiwoException);
    EXPECT_THROW(DodajMiesiace(1, KodujDate(9999, 12, 1)), EGrosiwoException);
}

TEST(UkosnikiTest, JedenKoncowySeparatorSciezki)
{
    const std::tuple<const char*, const char*, const char*> przypadki[] = {
        // path, without the trailing separator, with exactly one
        {"/home/dane", "/home/dane", "/home/dane/"},
        {"/home/dane/", "/home/dane", "/home/dane/"},
        {"/home/dane//", "/home/dane/", "/home/dane/"},
        {"", "", ""},
        {"dane", "dane", "dane/"},
        {"/", "/", "/"},
    };
    for (const auto& [sciezka, bez, z] : przypadki) {
        EXPECT_EQ(UsunKoncowyUkosnik(sciezka), bez) << sciezka;
        EXPECT_EQ(DodajKoncowyUkosnik(sciezka), z) << sciezka;
    }
}

TEST(DodajDoListyJesliNowyTest, PomijaPusteIRowneBezWzgleduNaWielkoscLiter)
{
    EXPECT_EQ(DodajDoListyJesliNowy("maj 2013", nullptr), nullptr);
    TStringList lista{"maj 2013", "Łódź"};
    EXPECT_EQ(DodajDoListyJesliNowy("MAJ 2013", &lista), &lista);
    DodajDoListyJesliNowy("ŁÓDŹ", &lista);
    DodajDoListyJesliNowy("", &lista);
    EXPECT_EQ(lista, (TStringList{"maj 2013", "Łódź"}));
    DodajDoListyJesliNowy("czerwiec 2013", &lista);
    DodajDoListyJesliNowy("Lodz", &lista);
    EXPECT_EQ(lista, (TStringList{"maj 2013", "Łódź", "czerwiec 2013", "Lodz"}));
}

TEST(KolumnaTablicyTest, NiepusteKomorkiKolumnyWKolejnosciWierszy)
{
    const TTabDwuwymiarowa tablica{
        {"1", "Jedzenie"}, {}, {"2", ""}, {"3"}, {"4", "Czynsz", "x"}};
    EXPECT_EQ(KolumnaTablicy(tablica, 1), (TStringList{"Jedzenie", "Czynsz"}));
    EXPECT_EQ(KolumnaTablicy(tablica, 0), (TStringList{"1", "2", "3", "4"}));
    EXPECT_TRUE(KolumnaTablicy(tablica, 5).empty());
    EXPECT_TRUE(KolumnaTablicy(tablica, -1).empty());
    EXPECT_TRUE(KolumnaTablicy({}, 0).empty());
}

}  // namespace
