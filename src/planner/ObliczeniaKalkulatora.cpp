#include "planner/ObliczeniaKalkulatora.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/FormatyTekstowe.h"
#include "common/FunkcjeWspolne.h"

void TObliczeniaKalkulatora::Ustaw(double wartosc)
{
    fAkumulator = 0;
    fDzialanie = 0;
    fWpisywana.clear();
    fWynik = std::isfinite(wartosc) ? wartosc : 0;
    fBlad.clear();
}

void TObliczeniaKalkulatora::Cyfra(int cyfra)
{
    if (Blad() || cyfra < 0 || cyfra > 9)
        return;
    if (fWpisywana == "0")
        fWpisywana.clear();
    const auto cyfry = std::count_if(fWpisywana.begin(), fWpisywana.end(),
                                     [](char c) { return c >= '0' && c <= '9'; });
    if (cyfry >= MaksymalnaIloscCyfr)
        return;
    fWpisywana += static_cast<char>('0' + cyfra);
}

void TObliczeniaKalkulatora::Przecinek()
{
    if (Blad() || fWpisywana.find(',') != std::string::npos)
        return;
    if (fWpisywana.empty())
        fWpisywana = "0";
    fWpisywana += ',';
}

void TObliczeniaKalkulatora::Dzialanie(char dzialanie)
{
    if (Blad() || (dzialanie != '+' && dzialanie != '-' && dzialanie != '*' && dzialanie != '/'))
        return;
    // A second operator in a row only replaces the first.
    if (fDzialanie != 0 && !fWpisywana.empty())
        Zastosuj();
    else if (fDzialanie == 0)
        fAkumulator = Wartosc();
    if (Blad())
        return;
    fWynik = fAkumulator;
    fWpisywana.clear();
    fDzialanie = dzialanie;
}

void TObliczeniaKalkulatora::Rownaj()
{
    if (Blad() || fDzialanie == 0)
        return;
    Zastosuj();
    if (Blad())
        return;
    fWynik = fAkumulator;
    fWpisywana.clear();
    fDzialanie = 0;
}

void TObliczeniaKalkulatora::Cofnij()
{
    if (Blad()) {
        Wyczysc();
        return;
    }
    if (!fWpisywana.empty())
        fWpisywana.pop_back();
}

std::string TObliczeniaKalkulatora::Wyswietlacz() const
{
    if (Blad())
        return fBlad;
    if (!fWpisywana.empty())
        return fWpisywana;
    return LiczbaNaTekst(fWynik);
}

double TObliczeniaKalkulatora::Wartosc() const
{
    if (Blad())
        return 0;
    return fWpisywana.empty() ? fWynik : KwotaZTekstu(fWpisywana);
}

void TObliczeniaKalkulatora::Zastosuj()
{
    const double b = Wartosc();
    double wynik = fAkumulator;
    switch (fDzialanie) {
    case '+': wynik += b; break;
    case '-': wynik -= b; break;
    case '*': wynik *= b; break;
    case '/':
        if (b == 0) {
            UstawBlad("Nie można dzielić przez zero");
            return;
        }
        wynik /= b;
        break;
    default: return;
    }
    if (!std::isfinite(wynik)) {
        UstawBlad("Wynik poza zakresem");
        return;
    }
    fAkumulator = wynik;
}

void TObliczeniaKalkulatora::UstawBlad(std::string komunikat)
{
    fBlad = std::move(komunikat);
    fAkumulator = 0;
    fDzialanie = 0;
    fWpisywana.clear();
    fWynik = 0;
}
