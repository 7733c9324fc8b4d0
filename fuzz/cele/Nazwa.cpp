#include <string>
#include <string_view>

#include "CeleFuzz.h"
#include "Utf8.h"
#include "common/FunkcjeWspolne.h"

namespace {

bool Niedozwolony(unsigned char c)
{
    return c < 32 || c == 127 || c == ';' || c == '\\' || c == '/' || c == '<' || c == '>' || c == '|' ||
           c == '*' || c == '?' || c == '"' || c == ':';
}

}  // namespace

void SprawdzNazwe(const uint8_t* dane, size_t rozmiar)
{
    const std::string_view tekst(reinterpret_cast<const char*>(dane), rozmiar);

    const std::string bezZakazanych = UsunZnakiZakazane(tekst);
    if (!CzyPoprawnyUtf8(bezZakazanych))
        throw ENaruszenieObietnicy("UsunZnakiZakazane gave invalid UTF-8");
    if (bezZakazanych.find_first_of("|'\";") != std::string::npos)
        throw ENaruszenieObietnicy("UsunZnakiZakazane left a forbidden character");

    const std::string nazwa = OczyscNazwe(tekst);
    if (!CzyPoprawnyUtf8(nazwa))
        throw ENaruszenieObietnicy("OczyscNazwe gave invalid UTF-8");
    for (const char c : nazwa)
        if (Niedozwolony(static_cast<unsigned char>(c)))
            throw ENaruszenieObietnicy("OczyscNazwe left a control or path character");
    if (nazwa.find("  ") != std::string::npos)
        throw ENaruszenieObietnicy("OczyscNazwe left two spaces in a row");
    if (nazwa.size() > 3 * rozmiar)
        throw ENaruszenieObietnicy("OczyscNazwe grew the text beyond its repair");
    // Nothing droppable is left, so a second pass only skips leading spaces.
    const size_t pierwszy = nazwa.find_first_not_of(' ');
    const std::string bezSpacji = pierwszy == std::string::npos ? std::string() : nazwa.substr(pierwszy);
    if (OczyscNazwe(nazwa) != bezSpacji)
        throw ENaruszenieObietnicy("a cleaned name changes when cleaned again");
}
