#pragma once
// The planner window's two editor flows, adding and changing one plan through the dialog
// TFormDodajPlan, and the temporary id of a new plan. Input is validated after the dialog has
// closed; every refusal is a "BŁĄD !!!" box (PokazBlad) and leaves the collection unchanged.
//
// Cheap to create: the window can make one per action, or keep one for its lifetime.
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "common/IntegerList.h"
#include "records/WlasneTypyDanych.h"

class QWidget;
class TPlan;
class TProjektDB;
class TFormDodajPlan;
class TSiatkaDanych;

class TEdytorPlanow {
public:
    // Largest amount the amount box accepts, and the longest amount text (the digits of the
    // largest amount less one).
    static constexpr double DomyslnaMaksymalnaWartosc = 1e15;
    static constexpr int DomyslnaMaksymalnaDlugoscKwoty = 15;

    // rodzic owns the dialog while it is shown (may be null). myDB is the host's project
    // database, not owned; null makes both flows refuse with the connection message. siatka is
    // the plan grid whose column 0 holds the listed plans' ids (null: no rows).
    TEdytorPlanow(QWidget* rodzic, TProjektDB* myDB, const TSiatkaDanych* siatka);

    void SetMaksymalnaWartoscWProgramie(double v) { fMaksymalnaWartosc = v; }
    void SetMaksymalnaDlugoscKwoty(int v) { fMaksymalnaDlugoscKwoty = v; }
    // The window's OdswiezListePlanow; DodajPlan runs it after appending a plan.
    void SetOdswiezListePlanow(std::function<void()> odswiez) { fOdswiezListePlanow = std::move(odswiez); }

    // A new plan of the kind (Wydatek or Przychod): dialog, validation, the plan appended with
    // state Dodano and id NastepneIdPlanu, the plans marked changed, the list rebuilt. True
    // when a plan was appended.
    bool DodajPlan(TTypPlanu typ);
    // Changes the plan in place (kind and Wykonany stay); Zmiany becomes Zmieniono unless it
    // is Dodano and the plans are marked changed, whenever the dialog was confirmed with valid
    // input. True then. An executed plan is refused before the dialog opens. The caller
    // rebuilds the list in every case.
    bool EdytujPlan(TPlan& plan);

    // 0 when neither the grid nor the plans hold an id, else the largest id plus 1001.
    int32_t NastepneIdPlanu() const;
    // The integer texts of the grid's column, in row order; other texts are skipped.
    TIntegerList IdentyfikatoryZKolumny(int kolumna) const;

private:
    // Empties the name, amount and comment and sets the amount box's limits.
    void PrzygotujPola(TFormDodajPlan& dialog) const;
    // The visible categories of the table (none without one) and the stored comments.
    void WypelnijListy(TFormDodajPlan& dialog, std::optional<TTabele> tabelaKategorii) const;

    QWidget* fRodzic;
    TProjektDB* fMyDB;
    const TSiatkaDanych* fSiatka;
    double fMaksymalnaWartosc = DomyslnaMaksymalnaWartosc;
    int fMaksymalnaDlugoscKwoty = DomyslnaMaksymalnaDlugoscKwoty;
    std::function<void()> fOdswiezListePlanow;
};
