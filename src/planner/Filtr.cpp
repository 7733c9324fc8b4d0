#include "planner/Filtr.h"

#include <array>

TTypPlanu TypPlanuZPozycji(int pozycja)
{
    static constexpr std::array Typy{TTypPlanu::Nieokreslony, TTypPlanu::Wydatek, TTypPlanu::Przychod};
    return pozycja >= 0 && pozycja < static_cast<int>(Typy.size()) ? Typy[static_cast<size_t>(pozycja)]
                                                                   : Typy.front();
}

TStanRealizacji StanRealizacjiZPozycji(int pozycja)
{
    static constexpr std::array Stany{TStanRealizacji::Wszystkie, TStanRealizacji::Wykonane,
                                      TStanRealizacji::Niewykonane, TStanRealizacji::Oczekujace,
                                      TStanRealizacji::PoTerminie};
    return pozycja >= 0 && pozycja < static_cast<int>(Stany.size()) ? Stany[static_cast<size_t>(pozycja)]
                                                                    : Stany.front();
}
