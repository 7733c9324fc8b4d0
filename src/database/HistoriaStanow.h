#pragma once
// The balance history's two decisions: which statement appends a snapshot, and which
// snapshots only repeat the balance of the one after them.
#include <cstdint>
#include <string>
#include <vector>

#include "collections/KolekcjeDanych.h"

// The snapshot of the saved savings entries and/or the saved active deposits, or 0 when the
// collections hold neither. A sum over no saved row counts as 0, so a balance whose rows are
// not saved yet still gives a snapshot instead of a failed insert.
std::string PolecenieStanuOszczednosci(bool saOszczednosci, bool saAktywneLokaty);

// Visiting the snapshots from the newest to the oldest, the ids of those whose balance,
// rounded to grosze, differs by at most one grosz from the last one kept: of each run of
// equal balances only the newest stays.
std::vector<int32_t> IdPowtorzonychStanow(const TListaRekordow<TStanOszczednosci>& stany);
