#pragma once
// The start-up reminder of the plans that are overdue or due in the current month.
#include <string>

class TKolekcjeDanych;

class TPrzypomnienieOPlanach {
public:
    inline static const std::string Tytul = "Przypomnienie";
    // The reminder's text; empty when there is nothing to remind of. At most
    // MaksymalnieWierszy plans are listed, the rest are counted.
    static std::string Tekst(TKolekcjeDanych& kolekcje);
    static constexpr size_t MaksymalnieWierszy = 15;
};
