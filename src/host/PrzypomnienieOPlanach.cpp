#include "host/PrzypomnienieOPlanach.h"

#include "collections/KolekcjeDanych.h"
#include "common/FormatyTekstowe.h"
#include "records/Plan.h"

std::string TPrzypomnienieOPlanach::Tekst(TKolekcjeDanych& kolekcje)
{
    const std::vector<TPlan*> plany = kolekcje.PobierzPlanowanePlatnosciPoTerminie();
    if (plany.empty())
        return {};
    std::string tekst = "Planowane płatności po terminie i w bieżącym miesiącu (" +
                        std::to_string(plany.size()) + "):\r";
    for (size_t i = 0; i < plany.size() && i < MaksymalnieWierszy; ++i) {
        const TPlan& plan = *plany[i];
        tekst += " • " + DataCzasNaTekst(plan.Data()) + "  " + plan.Nazwa() + " - " +
                 (plan.TypPlanu() == TTypPlanu::Przychod ? "przychód " : "wydatek ") +
                 KwotaNaTekstWaluty(plan.Kwota()) +
                 (plan.StanRealizacji() == TStanRealizacji::PoTerminie ? " (po terminie)" : "") + "\r";
    }
    if (plany.size() > MaksymalnieWierszy)
        tekst += " • ... i jeszcze " + std::to_string(plany.size() - MaksymalnieWierszy) + "\r";
    tekst += "\rOtwórz planer wydatków i przychodów, aby je przejrzeć lub oznaczyć jako wykonane.";
    return tekst;
}
