#include "statistics/Analiza.h"

#include <memory>

#include "database/AnalizaProjektu.h"

TAnaliza::TAnaliza(TKolekcjeDanych* k) : fKolekcje(k) {}

void TUsuwanieAnalizy::operator()(TAnaliza* analiza) const
{
    std::default_delete<TAnaliza>()(analiza);
}

TWskaznikAnalizy UtworzAnalize(TKolekcjeDanych* kolekcje)
{
    return TWskaznikAnalizy(std::make_unique<TAnaliza>(kolekcje).release());
}
