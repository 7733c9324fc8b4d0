#pragma once
// Fixture of the loading tests: a project database opened on a new file in a temporary
// folder, under a fixed clock and a message recorder, and rows put into it by SQL through a
// connection of its own.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "PomocnikiBazy.h"
#include "collections/KolekcjeDanych.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "support/TestPlatforma.h"

class OtwartaBaza : public ::testing::Test {
protected:
    void Wstaw(const std::vector<std::string>& polecenia) { WykonajSQL(fPlik, polecenia); }
    TKolekcjeDanych& Kolekcje() { return fBaza->Kolekcje(); }

    TUstawionyZegar fZegar{KodujDateCzas(2013, 5, 17, 12, 0)};
    TUstawionyRejestrator fKomunikaty;
    TTymczasowyFolder fFolder;
    const std::string fPlik = fFolder.Plik("baza.dat");
    std::unique_ptr<TProjektDB> fBaza = std::make_unique<TProjektDB>(std::make_unique<TPlikiDB>(fPlik));
};

// The ids of a list in its order.
template <typename TLista>
std::vector<int32_t> Identyfikatory(const TLista& lista)
{
    std::vector<int32_t> id;
    for (const auto& rekord : lista)
        id.push_back(rekord->Id());
    return id;
}
