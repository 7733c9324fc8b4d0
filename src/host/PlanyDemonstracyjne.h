#pragma once
// The dozen plans of the demo data, dated relative to a given moment so that the planner
// shows every state: overdue, due today, later this month, in the next months and executed,
// expenses and incomes.
#include <memory>
#include <vector>

#include "common/DataCzas.h"

class TKolekcjeDanych;
class TPlan;

class TPlanyDemonstracyjne {
public:
    // New plans (state Dodano, temporary ids from 1001) on the categories of kolekcje, found
    // by their default names, else the first category of the kind.
    static std::vector<std::unique_ptr<TPlan>> Utworz(TKolekcjeDanych& kolekcje, TDateTime teraz);
};
