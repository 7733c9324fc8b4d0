#pragma once
// The short summary of the data on the host's main window, read from the statistics object.
#include <string>
#include <vector>

class TAnaliza;

struct TWierszPodsumowania {
    std::string Etykieta;
    std::string Wartosc;
};

class TPodsumowanieDanych {
public:
    // Counts, this month's expenses and incomes, last month's incomes, the expenses' date
    // range and the savings total. Reorders the expenses as the date statistics do.
    static std::vector<TWierszPodsumowania> Wiersze(TAnaliza& analiza);
};
