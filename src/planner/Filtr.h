#pragma once
// What the planner lists: a kind of plan, a realisation state and a month. The window sets it
// from its three filter panels; TDopasowanieFiltra (FiltrDopasowanie.h) applies it to plans.
#include <string>

#include "records/WlasneTypyDanych.h"

class TFiltr {
public:
    // Every kind, every month, not executed.
    TFiltr() = default;

    TTypPlanu TypPlanu() const { return fTypPlanu; }
    void SetTypPlanu(TTypPlanu v) { fTypPlanu = v; }
    TStanRealizacji StanRealizacji() const { return fStanRealizacji; }
    void SetStanRealizacji(TStanRealizacji v) { fStanRealizacji = v; }
    // A month key ("maj 2013", any letter case); empty for every month.
    const std::string& Miesiac() const { return fMiesiac; }
    void SetMiesiac(const std::string& v) { fMiesiac = v; }

private:
    TTypPlanu fTypPlanu = TTypPlanu::Nieokreslony;
    TStanRealizacji fStanRealizacji = TStanRealizacji::Niewykonane;
    std::string fMiesiac;
};

// The values behind the items of the kind panel ("Wszystkie", "Wydatki", "Przychody") and of
// the state panel ("Wszystkie", "Wykonane", "Niewykonane", "Oczekujące", "Po terminie").
// A position outside the panel gives the value of its first item.
TTypPlanu TypPlanuZPozycji(int pozycja);
TStanRealizacji StanRealizacjiZPozycji(int pozycja);
