#include "collections/KolekcjeDanychZlecenia.h"

#include <optional>

#include "collections/KolekcjeDanych.h"
#include "collections/ZapytaniaWspolne.h"
#include "common/Platforma.h"
#include "common/Wyjatki.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"

using namespace zapytania;

namespace {

// Latest date first; dates within a millisecond are equal and then the smaller Id wins.
bool WykonanePozniej(const TZlecenieStale& a, const TZlecenieStale& b)
{
    const int daty = PorownajDaty(a.Data(), b.Data());
    if (daty != 0)
        return daty > 0;
    return a.Id() < b.Id();
}

// The records are the container's own; the public overloads hand them out as const or not
// as the caller holds the container.
TZlecenieStale* OstatnieWykonanie(const TKolekcjeDanych& kolekcje, int32_t idZleceniaStalego)
{
    TZlecenieStale* ostatnie = nullptr;
    for (const auto& wpis : kolekcje.HistoriaZlecenStalych())
        if (wpis->IdZleceniaStalego() == idZleceniaStalego &&
            (!ostatnie || WykonanePozniej(*wpis, *ostatnie)))
            ostatnie = wpis.get();
    return ostatnie;
}

TZlecenieStale* ZleceniePoId(const TKolekcjeDanych& kolekcje, int32_t id)
{
    if (TZlecenieStale* z = PierwszyZId(kolekcje.ZleceniaStaleWydatki(), id))
        return z;
    return PierwszyZId(kolekcje.ZleceniaStalePrzychody(), id);
}

}  // namespace

std::vector<const TZlecenieStale*> PobierzHistorieZlecenia(const TKolekcjeDanych& kolekcje,
                                                          int32_t idZleceniaStalego)
{
    std::vector<const TZlecenieStale*> historia;
    for (const auto& wpis : kolekcje.HistoriaZlecenStalych())
        if (wpis->IdZleceniaStalego() == idZleceniaStalego)
            historia.push_back(wpis.get());
    return historia;
}

bool MinalTerminKolejnegoWykonania(const TZlecenieStale* zlecenie, TDateTime data)
{
    if (!zlecenie)
        return false;
    std::optional<TDateTime> termin;
    try {
        termin = NastepnyTerminCzestotliwosci(zlecenie->Czestotliwosc(), data);
    } catch (const EGrosiwoException&) {
        // A step past the year 9999 (or from a date outside the calendar) never comes.
        return false;
    }
    return termin && Teraz() - *termin > JednaMilisekunda;
}

bool SprawdzCzyTrzebaWykonacZlecenie(const TKolekcjeDanych& kolekcje, const TZlecenieStale* zlecenie)
{
    if (!zlecenie || zlecenie->Zmiany() != TTypModyfikacji::BezZmian || !zlecenie->Aktywne() ||
        Teraz() < zlecenie->Data())
        return false;
    const TZlecenieStale* ostatnie = OstatnieWykonanie(kolekcje, zlecenie->Id());
    if (!ostatnie)
        return true;
    return MinalTerminKolejnegoWykonania(zlecenie, ostatnie->Data());
}

const TZlecenieStale* PobierzOstatnieZlecenieDanegoTypuZHistorii(const TKolekcjeDanych& kolekcje,
                                                                 int32_t idZleceniaStalego)
{
    return OstatnieWykonanie(kolekcje, idZleceniaStalego);
}

TZlecenieStale* PobierzOstatnieZlecenieDanegoTypuZHistorii(TKolekcjeDanych& kolekcje,
                                                           int32_t idZleceniaStalego)
{
    return OstatnieWykonanie(kolekcje, idZleceniaStalego);
}

const TZlecenieStale* ZwrocZlecenieStalePoID(const TKolekcjeDanych& kolekcje, int32_t id)
{
    return ZleceniePoId(kolekcje, id);
}

TZlecenieStale* ZwrocZlecenieStalePoID(TKolekcjeDanych& kolekcje, int32_t id)
{
    return ZleceniePoId(kolekcje, id);
}

bool WydatekPrzychodPochodziOdZlecen(const TKolekcjeDanych& kolekcje, int32_t id, TTabele kolekcja)
{
    switch (kolekcja) {
    case TTabele::Wydatki: {
        const TWydatek* w = PierwszyZId(kolekcje.Wydatki(), id);
        return w && w->ZlecenieStale();
    }
    case TTabele::Przychody: {
        const TPrzychod* p = PierwszyZId(kolekcje.Przychody(), id);
        return p && p->ZlecenieStale();
    }
    default:
        return false;
    }
}
