#pragma once
// Standing-order queries over the data collections: the history of one order, its last
// execution, whether it is due now, the order with an id, and whether a transaction was
// created by an order. Free functions, because they only read the container's lists.
#include <cstdint>
#include <vector>

#include "common/DataCzas.h"
#include "records/WlasneTypyDanych.h"

class TKolekcjeDanych;
class TZlecenieStale;

// The history entries of the order with that id (unsaved ones included), in list order;
// the collection keeps owning them.
std::vector<const TZlecenieStale*> PobierzHistorieZlecenia(const TKolekcjeDanych& kolekcje,
                                                          int32_t idZleceniaStalego);

// True when now is later, by more than one millisecond, than data advanced by one calendar
// step of the order's frequency. False without an order, for Nigdy, UruchamianeRecznie,
// unknown frequencies and a step that leaves the calendar.
bool MinalTerminKolejnegoWykonania(const TZlecenieStale* zlecenie, TDateTime data);

// Whether the order is due now. Never for an absent, inactive or not yet started order, nor
// for one with unsaved changes of its own. An order never executed is due at once; after
// that, one step of its frequency after its last execution (manual and Nigdy orders never).
bool SprawdzCzyTrzebaWykonacZlecenie(const TKolekcjeDanych& kolekcje, const TZlecenieStale* zlecenie);

// The order's last execution: its history entry with the latest date (dates within a
// millisecond count as equal, then the smaller Id wins); nullptr without one.
const TZlecenieStale* PobierzOstatnieZlecenieDanegoTypuZHistorii(const TKolekcjeDanych& kolekcje,
                                                                 int32_t idZleceniaStalego);
TZlecenieStale* PobierzOstatnieZlecenieDanegoTypuZHistorii(TKolekcjeDanych& kolekcje,
                                                           int32_t idZleceniaStalego);

// The first expense order with the id, else the first income order; nullptr without one.
const TZlecenieStale* ZwrocZlecenieStalePoID(const TKolekcjeDanych& kolekcje, int32_t id);
TZlecenieStale* ZwrocZlecenieStalePoID(TKolekcjeDanych& kolekcje, int32_t id);

// The standing-order mark of the first expense (Wydatki) or income (Przychody) with the id;
// false for other tables and when nothing has the id.
bool WydatekPrzychodPochodziOdZlecen(const TKolekcjeDanych& kolekcje, int32_t id, TTabele kolekcja);
