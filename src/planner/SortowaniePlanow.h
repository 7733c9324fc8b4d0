#pragma once
// The order the planner lists plans in: from the earliest due date, equal dates (within a
// millisecond) by Id ascending, as PosortujPlanyPoDacieMalejaco leaves the list. The list is
// sorted before every rebuild of the grid and is nearly always in order already, so a rebuild
// checks the order while it walks the plans and sorts only when it has to.
#include <cstdint>
#include <limits>

#include "common/DataCzas.h"
#include "records/Plan.h"

// Fed the plans in list order, tells whether the list is in that order. Dates of neighbours
// must be exactly equal or clearly (a millisecond or more) apart: only then is the order of
// neighbours the order of the whole list, whatever the tolerance of the comparison, so that
// sorting would leave the list as it is.
class TSprawdzanieKolejnosciPlanow {
public:
    void Dodaj(const TPlan& plan)
    {
        const TDateTime data = plan.Data();
        const int32_t id = plan.Id();
        if (fPierwszy)
            fPierwszy = false;
        else if (data == fData ? id < fId : data - fData < JednaMilisekunda)
            fZachowana = false;
        fData = data;
        fId = id;
    }
    bool Zachowana() const { return fZachowana; }

private:
    bool fPierwszy = true;
    bool fZachowana = true;
    TDateTime fData = 0;
    int32_t fId = std::numeric_limits<int32_t>::min();
};
