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

// MiesiacKalendarza keeping the bounds of the last month met: over a list sorted by date
// most records fall in the month of the record before and need no calendar arithmetic.
class TMiesiaceDat {
public:
    std::optional<TMiesiacDaty> operator()(TDateTime data);

private:
    // A millisecond inside the month, so that rounding a date to the millisecond, as
    // decoding does, cannot carry it into a neighbouring month.
    TDateTime fOd = 0;
    TDateTime fDo = 0;  // empty until a month is met
    TMiesiacDaty fMiesiac;
};

// Whether a record's month key equals a text exactly, letter case included.
class TFiltrMiesiaca {
public:
    explicit TFiltrMiesiaca(std::string miesiac) : fMiesiac(std::move(miesiac)) {}
    bool operator()(TDateTime data);

private:
    std::string fMiesiac;
    TMiesiaceDat fMiesiace;
    std::unordered_map<int32_t, bool> fWynikiMiesiecy;
};

// Whether a record's year equals rok.
class TFiltrRoku {
public:
    explicit TFiltrRoku(uint16_t rok) : fRok(rok) {}
    bool operator()(TDateTime data)
    {
        const auto miesiac = fMiesiace(data);
        return miesiac && miesiac->Rok == fRok;
    }

private:
    uint16_t fRok;
    TMiesiaceDat fMiesiace;
};

struct TBezFiltra {
    bool operator()(TDateTime) const { return true; }
};

}  // namespace analiza
