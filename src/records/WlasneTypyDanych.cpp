#include "records/WlasneTypyDanych.h"

std::string TypPlanuNaTekst(TTypPlanu typ)
{
    switch (typ) {
    case TTypPlanu::Wydatek:
        return "Wydatki";
    case TTypPlanu::Przychod:
        return "Przychody";
    default:
        return {};
    }
}
