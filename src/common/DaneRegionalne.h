#pragma once
// The module's locale data. The application speaks Polish only, so the names and the
// currency symbol are fixed here instead of being read from the operating system.
#include <array>
#include <string_view>

// Nominative, lower case: the form the month keys ("maj 2013") are made of.
inline constexpr std::array<std::string_view, 12> PolskieNazwyMiesiecy{
    "styczeń", "luty",     "marzec",   "kwiecień", "maj",      "czerwiec",
    "lipiec",  "sierpień", "wrzesień", "październik", "listopad", "grudzień"};

// From Sunday, as DzienTygodnia counts.
inline constexpr std::array<std::string_view, 7> PolskieNazwyDni{
    "niedziela", "poniedziałek", "wtorek", "środa", "czwartek", "piątek", "sobota"};

inline constexpr std::string_view PolskiSymbolWaluty = "zł";
inline constexpr char PolskiSeparatorDziesietny = ',';
inline constexpr char PolskiSeparatorTysiecy = ' ';
