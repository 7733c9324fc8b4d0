#pragma once
// The arithmetic of the amount box's calculator: a four-operation calculator that works as a
// pocket one (each operator completes the pending one; no precedence). No Qt, so that it can be
// tested on its own. Texts use the Polish decimal comma.
#include <string>

class TObliczeniaKalkulatora {
public:
    // Starts from the value, shown as the result: the next digit begins a new number.
    void Ustaw(double wartosc);
    void Wyczysc() { Ustaw(0); }

    void Cyfra(int cyfra);
    void Przecinek();
    // '+', '-', '*' or '/'; completes the pending operation first.
    void Dzialanie(char dzialanie);
    void Rownaj();
    // Removes the last typed character of the number being entered.
    void Cofnij();

    // What the display shows: the number being typed, the result, or the error text.
    std::string Wyswietlacz() const;
    // The number the display stands for (0 after an error).
    double Wartosc() const;
    bool Blad() const { return !fBlad.empty(); }

    // The longest number one can type, in digits.
    static constexpr int MaksymalnaIloscCyfr = 15;

private:
    void Zastosuj();
    void UstawBlad(std::string komunikat);

    double fAkumulator = 0;
    char fDzialanie = 0;
    // The number being typed; empty while the display shows fWynik.
    std::string fWpisywana;
    double fWynik = 0;
    std::string fBlad;
};
