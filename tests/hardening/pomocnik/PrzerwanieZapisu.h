#pragma once
// Stops this process with SIGKILL at a chosen point inside a save: when the library starts
// its k-th statement, or right after its k-th write, sync, truncation or deletion of a
// file. Only the armed stretch is counted, so opening the database does not move the point.
#include <cstdint>

enum class TRodzajPunktu { Brak, Polecenie, OperacjaPliku };

struct TPunktPrzerwania {
    TRodzajPunktu Rodzaj = TRodzajPunktu::Brak;
    // Counted from 1.
    uint64_t Numer = 0;
};

// "polecenie:K" or "plik:K"; null or empty gives no point. Anything else raises
// std::invalid_argument, so a mistyped point cannot pass for a run without one.
TPunktPrzerwania CzytajPunktPrzerwania(const char* tekst);

// Makes the counting file layer the default one and hooks every connection opened later.
// Call once, before the database is opened.
void ZainstalujLiczniki();

void Uzbroj(const TPunktPrzerwania& punkt);
void Rozbroj();

// Counted while armed.
uint64_t PoliczonePolecenia();
uint64_t PoliczoneOperacjePliku();
// Writes into the data file itself (not its journal) before a COMMIT began: pages of the
// batch that left the page cache early.
uint64_t ZapisyBazyPrzedZatwierdzeniem();
