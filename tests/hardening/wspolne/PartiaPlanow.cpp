#include "PartiaPlanow.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

#include "collections/KolekcjeDanych.h"
#include "common/DataCzas.h"
#include "records/Plan.h"

namespace {

// Polish letters and an emoji, so that multi-byte texts go through every scenario.
std::string Komentarz(size_t numer, size_t dlugosc)
{
    if (dlugosc == 0)
        return {};
    std::string tekst = "Rata nr " + std::to_string(numer) + ": zażółć gęślą jaźń 💸 ";
    while (tekst.size() < dlugosc)
        tekst += "opłata za mieszkanie i media, ";
    tekst.resize(dlugosc);
    // Cutting may split a multi-byte letter; the stored text stays valid UTF-8.
    while (!tekst.empty() && (static_cast<unsigned char>(tekst.back()) & 0x80))
        tekst.pop_back();
    return tekst;
}

std::unique_ptr<TPlan> NowyPlan(int32_t tymczasoweId, size_t numer, size_t dlugoscKomentarza)
{
    const TTypPlanu typ = numer % 3 == 0 ? TTypPlanu::Przychod : TTypPlanu::Wydatek;
    const TDateTime data = KodujDateCzas(2014, 1 + static_cast<int>(numer % 12),
                                         1 + static_cast<int>(numer % 28), 8, static_cast<int>(numer % 60));
    auto plan = std::make_unique<TPlan>(tymczasoweId, "Plan " + std::to_string(numer) + " – czynsz",
                                        1 + static_cast<int32_t>(numer % 7), 10.0 + static_cast<double>(numer) * 1.25,
                                        data, Komentarz(numer, dlugoscKomentarza), TTypModyfikacji::Dodano, typ);
    plan->SetWykonany(numer % 5 == 0);
    return plan;
}

int32_t NajwiekszeId(const TKolekcjeDanych& kolekcje)
{
    int32_t najwieksze = 0;
    for (const auto& plan : kolekcje.Plany())
        najwieksze = std::max(najwieksze, plan->Id());
    return najwieksze;
}

}  // namespace

void DodajPlanyStartowe(TKolekcjeDanych& kolekcje, size_t ile)
{
    const int32_t pierwsze = NajwiekszeId(kolekcje) + 1001;
    for (size_t i = 0; i < ile; ++i)
        kolekcje.Plany().push_back(NowyPlan(pierwsze + static_cast<int32_t>(i), i, 40));
    kolekcje.SetZmienionoINiezapisanoPlany(true);
}

void PrzygotujPartie(TKolekcjeDanych& kolekcje, const TRozmiarPartii& rozmiar)
{
    auto& plany = kolekcje.Plany();
    if (rozmiar.Zmienione + rozmiar.Usuniete > plany.size())
        throw std::invalid_argument("the batch changes more plans than the file holds");
    for (size_t i = 0; i < rozmiar.Zmienione; ++i) {
        TPlan& plan = *plany[i];
        plan.SetKwota(plan.Kwota() + 1000);
        plan.SetNazwa(plan.Nazwa() + " (zmieniony)");
        plan.SetWykonany(!plan.Wykonany());
        plan.SetZmiany(TTypModyfikacji::Zmieniono);
    }
    for (size_t i = rozmiar.Zmienione; i < rozmiar.Zmienione + rozmiar.Usuniete; ++i)
        plany[i]->SetZmiany(TTypModyfikacji::Usunieto);
    const int32_t pierwsze = NajwiekszeId(kolekcje) + 1001;
    for (size_t i = 0; i < rozmiar.Nowe; ++i)
        plany.push_back(NowyPlan(pierwsze + static_cast<int32_t>(i), 100000 + i, rozmiar.DlugoscKomentarza));
    kolekcje.SetZmienionoINiezapisanoPlany(true);
}

size_t IloscNowychPlanow(const TKolekcjeDanych& kolekcje)
{
    return static_cast<size_t>(std::count_if(kolekcje.Plany().begin(), kolekcje.Plany().end(), [](const auto& plan) {
        return plan->Zmiany() == TTypModyfikacji::Dodano;
    }));
}
