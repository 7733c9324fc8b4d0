#pragma once
// Helpers of the save tests: records put into a collection in the state a test needs, and
// the statements a save of one table builds from them.
#include <memory>
#include <string>
#include <utility>

#include "collections/KolekcjeDanych.h"
#include "database/PlikiDB.h"
#include "database/ZapisTabeli.h"
#include "records/HarmonogramLokatyBankowej.h"
#include "records/HistoriaPrzelewu.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Lokata.h"
#include "records/Ograniczenie.h"
#include "records/Osoba.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/Przychod.h"
#include "records/StanOszczednosci.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"

using enum TTypModyfikacji;

template <typename T, typename... A>
T& Dodaj(TListaRekordow<T>& lista, A&&... argumenty)
{
    lista.push_back(std::make_unique<T>(std::forward<A>(argumenty)...));
    return *lista.back();
}

TKategoriaWydatki& KategoriaWydatkow(TKolekcjeDanych& k, int32_t id, const std::string& opis,
                                     TTypModyfikacji zmiany = BezZmian, bool ukryta = false);
TKategoriaPrzychody& KategoriaPrzychodow(TKolekcjeDanych& k, int32_t id, const std::string& opis,
                                         TTypModyfikacji zmiany = BezZmian, bool ukryta = false);
TKategoriaOszczednosci& KategoriaOszczednosci(TKolekcjeDanych& k, int32_t id, const std::string& opis,
                                              TTypModyfikacji zmiany = BezZmian, bool moznaZaplacic = true,
                                              bool ukryta = false);
TOsoba& Osoba(TKolekcjeDanych& k, int32_t id, const std::string& imie, const std::string& nazwisko,
              TTypModyfikacji zmiany = BezZmian, bool ukryta = false);
TWydatek& Wydatek(TKolekcjeDanych& k, int32_t id, int32_t idKategorii, int32_t idKategoriiOszczednosci,
                  int32_t idOsoby, TTypModyfikacji zmiany);
TPrzychod& Przychod(TKolekcjeDanych& k, int32_t id, int32_t idKategorii, int32_t idKategoriiOszczednosci,
                    int32_t idOsoby, TTypModyfikacji zmiany);
TOszczednosc& Oszczednosc(TKolekcjeDanych& k, int32_t id, int32_t idKategoriiOszczednosci, double ile,
                          TTypModyfikacji zmiany);
THistoriaPrzelewu& Przelew(TKolekcjeDanych& k, int32_t id, int32_t zKategorii, int32_t doKategorii,
                           TTypModyfikacji zmiany);
// An order (or, in HistoriaZlecenStalych, a history entry) named nazwa.
TZlecenieStale& Zlecenie(TListaRekordow<TZlecenieStale>& lista, int32_t id, int32_t idKategorii,
                         int32_t idOszczednosci, TTypModyfikacji zmiany, const std::string& nazwa = "Czynsz");
TPlan& Plan(TKolekcjeDanych& k, int32_t id, TTypPlanu typ, int32_t idKategorii, TTypModyfikacji zmiany);

// Id 1 everywhere: the expense category "Jedzenie", the income category "Pobory", the
// payable savings category "Konto" with its entry, and the person "Jan Kowalski".
void UtworzPodstawy(TKolekcjeDanych& k);

struct TDaneZapisu {
    TKolekcjeDanych Kolekcje;
    TPlikiDB Pliki{"baza.dat"};
    TPaczkaZapisu Zbuduj(TTabele tabela) { return TZapisTabeli(Kolekcje, Pliki, tabela).Zbuduj(); }
};
