#pragma once
// The rows of the plan grid: the plans of the collection that pass the filter, in list order,
// and the texts of their cells, made only when the grid asks for them (it asks for the cells
// it shows). The grid holds no copy of a plan: a cell always shows the plan as it is now.
//
// The rows point into the plans list of the collections, whose records stay where they are
// until the list is emptied: empty the rows (Wyczysc) before the plans are freed.
#include <QString>

#include <cstdint>
#include <vector>

#include "common/DataCzas.h"

class TFiltr;
class TKolekcjeDanych;
class TPlan;

// The grid's columns, as the plans table titles them.
enum KolumnaPlanow : int {
    kpId = 0,
    kpWykonany = 1,
    kpNazwa = 2,
    kpKategoria = 3,
    kpKwota = 4,
    kpData = 5,
    kpKomentarz = 6,
    kpTypPlanu = 7,
    kpDodanyDoKolekcji = 8,
};

struct TSumyPlanow {
    double Wydatki = 0;
    double Przychody = 0;
};

class TModelPlanow {
public:
    TModelPlanow();
    ~TModelPlanow();
    TModelPlanow(const TModelPlanow&) = delete;
    TModelPlanow& operator=(const TModelPlanow&) = delete;

    // The plans of kolekcje that pass the filter at the moment teraz, in the list's order.
    // False when the list is not in due order (TSprawdzanieKolejnosciPlanow): sort it and
    // fill again.
    bool Wypelnij(const TKolekcjeDanych& kolekcje, const TFiltr& filtr, TDateTime teraz);
    void Wyczysc();

    int IloscWierszy() const { return static_cast<int>(fWiersze.size()); }
    // nullptr outside the rows.
    const TPlan* PlanWiersza(int wiersz) const;
    // The text of a cell; empty outside the rows and the columns.
    QString Tekst(int kolumna, int wiersz) const;

    // The amounts of the listed expense and income plans, summed anew at every call from
    // the rows' plans: linear in the rows, with no lookup at all.
    TSumyPlanow Sumy() const;

private:
    const TKolekcjeDanych* fKolekcje = nullptr;
    std::vector<const TPlan*> fWiersze;
};
