#include "common/PolskiTekst.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace {

int Znak(int v)
{
    return (v > 0) - (v < 0);
}

TEST(PolskiTekstTest, RownoscBezWzgleduNaWielkoscLiter)
{
    const std::tuple<std::string, std::string, bool> przypadki[] = {
        {"Łódź", "ŁÓDŹ", true},
        {"zażółć gęślą jaźń", "ZAŻÓŁĆ GĘŚLĄ JAŹŃ", true},
        {"maj 2013", "MAJ 2013", true},
        {"", "", true},
        {"a", "ą", false},
        {"Łódź", "Lodz", false},
        {"a", "", false},
        {"maj 2013", "maj 2013 ", false},
        {"\xff", "\xff", true},
        {"\xff", "\xfe", false},
        {"A\xff", "a\xff", true},
    };
    for (const auto& [a, b, rowne] : przypadki) {
        EXPECT_EQ(TekstyRowneBezWielkosciLiter(a, b), rowne) << a << " / " << b;
        EXPECT_EQ(TekstyRowneBezWielkosciLiter(b, a), rowne) << b << " / " << a;
    }
}

TEST(PolskiTekstTest, PorownaniePolskiegoAlfabetu)
{
    const std::tuple<const char*, const char*, int> przypadki[] = {
        {"A", "Ą", -1}, {"Ą", "B", -1}, {"a", "A", 0},   {"Łódź", "ŁÓDŹ", 0},
        {"Lz", "Ła", -1}, {"Zebra", "Źdźbło", -1}, {"Źdźbło", "Żaba", -1},
        {"ś", "t", -1},  {"a", "B", -1}, {"Ola", "ola", 0}, {"", "a", -1}};
    for (const auto& [a, b, wynik] : przypadki) {
        EXPECT_EQ(Znak(PorownajTekstyBezWielkosciLiter(a, b)), wynik) << a << " / " << b;
        EXPECT_EQ(Znak(PorownajTekstyBezWielkosciLiter(b, a)), -wynik) << b << " / " << a;
    }
    std::vector<std::string> lista{"żaba", "Ćma", "cebula", "Ala", "ąkla", "Źródło", "zebra", "Łoś", "lis"};
    std::sort(lista.begin(), lista.end(), [](const std::string& a, const std::string& b) {
        return PorownajTekstyBezWielkosciLiter(a, b) < 0;
    });
    EXPECT_EQ(lista, (std::vector<std::string>{"Ala", "ąkla", "cebula", "Ćma", "lis", "Łoś",
                                               "zebra", "Źródło", "żaba"}));
}

TEST(PolskiTekstTest, PorownanieZWielkosciaLiter)
{
    EXPECT_NE(PorownajTeksty("a", "A"), 0);
    EXPECT_NE(PorownajTeksty("łódź", "Łódź"), 0);
    EXPECT_EQ(PorownajTeksty("Łódź", "Łódź"), 0);
    // Collation, not byte order: 'a' (0x61) sorts before 'B' (0x42).
    EXPECT_LT(PorownajTeksty("a", "B"), 0);
    EXPECT_LT(PorownajTeksty("ą", "b"), 0);
}

TEST(PolskiTekstTest, WielkieIMaleLitery)
{
    EXPECT_EQ(WielkieLitery("zażółć gęślą jaźń"), "ZAŻÓŁĆ GĘŚLĄ JAŹŃ");
    EXPECT_EQ(MaleLitery("ZAŻÓŁĆ GĘŚLĄ JAŹŃ"), "zażółć gęślą jaźń");
    EXPECT_EQ(WielkieLitery(""), "");
    EXPECT_EQ(WielkieLitery("ß"), "SS");  // a mapping that grows the text
    EXPECT_EQ(WielkieLitery(std::string(1000, 'a')), std::string(1000, 'A'));
    EXPECT_EQ(WielkieLitery("a\xff" "b"), "A\xff" "B");
}

TEST(PolskiTekstTest, NaprawUtf8ZastepujeBledneSekwencje)
{
    const std::pair<std::string, std::string> przypadki[] = {
        {"Łódź 😀", "Łódź 😀"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
        {"\xff", "\uFFFD"},
        {"abc\xc5", "abc\uFFFD"},
        {"\xe2\x82" "a", "\uFFFD" "a"},
        {"\xc0\xaf", "\uFFFD\uFFFD"},               // overlong "/"
        {"\xed\xa0\x80", "\uFFFD\uFFFD\uFFFD"},     // a surrogate
        {"\xf4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
        {"\x80" "a\xbf", "\uFFFD" "a\uFFFD"},
    };
    for (const auto& [wejscie, wynik] : przypadki)
        EXPECT_EQ(NaprawUtf8(wejscie), wynik) << wejscie;
}

TEST(PolskiTekstTest, KazdyWatekMaWlasneNarzedzia)
{
    auto praca = [] {
        int zle = 0;
        for (int i = 0; i < 2000; ++i)
            zle += PorownajTekstyBezWielkosciLiter("Łódź", "ŁÓDŹ") != 0 ||
                   !TekstyRowneBezWielkosciLiter("żółw", "ŻÓŁW") ||
                   WielkieLitery("ść") != "ŚĆ";
        return zle;
    };
    int zle1 = -1, zle2 = -1;
    std::thread w1([&] { zle1 = praca(); });
    std::thread w2([&] { zle2 = praca(); });
    w1.join();
    w2.join();
    EXPECT_EQ(zle1, 0);
    EXPECT_EQ(zle2, 0);
}

}  // namespace
