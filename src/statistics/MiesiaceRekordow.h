#pragma once
// Calendar months of record dates as plain numbers (year * 12 + month - 1). A month key
// ("maj 2013") depends on the calendar month alone, so the statistics group and filter
// records by these numbers and format a key once per month instead of once per record.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

#include "common/DataCzas.h"

namespace analiza {

struct TMiesiacDaty {
    int Rok = 0;
    int Miesiac = 0;  // 1..12
    int32_t Numer() const { return Rok * 12 + Miesiac - 1; }
};

// nullopt for a date outside the calendar: such a record has no month key and no year.
std::optional<TMiesiacDaty> MiesiacKalendarza(TDateTime data);
// The month key (MiesiacIRok) of every date in that month.
std::string KluczMiesiaca(int32_t numer);

// Whether a record's month key equals a text exactly, letter case included.
class TFiltrMiesiaca {
public:
    explicit TFiltrMiesiaca(std::string miesiac) : fMiesiac(std::move(miesiac)) {}
    bool operator()(TDateTime data);

private:
    std::string fMiesiac;
    std::unordered_map<int32_t, bool> fWynikiMiesiecy;
};

// Whether a record's year equals rok.
class TFiltrRoku {
public:
    explicit TFiltrRoku(uint16_t rok) : fRok(rok) {}
    bool operator()(TDateTime data) const
    {
        const auto miesiac = MiesiacKalendarza(data);
        return miesiac && miesiac->Rok == fRok;
    }

private:
    uint16_t fRok;
};

struct TBezFiltra {
    bool operator()(TDateTime) const { return true; }
};

}  // namespace analiza
