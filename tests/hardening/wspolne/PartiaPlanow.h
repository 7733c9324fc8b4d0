#pragma once
// The plans that the fault scenarios save: a starting list, and a batch of new, changed and
// deleted plans built the same way in every process, so that a file can be compared with
// the state before the batch and the state after it.
#include <cstddef>

class TKolekcjeDanych;

struct TRozmiarPartii {
    size_t Nowe = 0;
    // Taken from the front of the loaded list: first the changed ones, then the deleted ones.
    size_t Zmienione = 0;
    size_t Usuniete = 0;
    // Bytes of each new plan's comment; long comments make the batch outgrow the page cache,
    // so that the library writes into the file before the commit.
    size_t DlugoscKomentarza = 0;
};

// Appends ile new plans (Dodano) and raises the plans' changed flag.
void DodajPlanyStartowe(TKolekcjeDanych& kolekcje, size_t ile);

// Marks the changes of the batch on the plans loaded from the file and appends its new plans.
void PrzygotujPartie(TKolekcjeDanych& kolekcje, const TRozmiarPartii& rozmiar);

// Plans of the collection in state Dodano.
size_t IloscNowychPlanow(const TKolekcjeDanych& kolekcje);
