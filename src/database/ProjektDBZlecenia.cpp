// Executing a standing order: its history entry, the savings movement and the transaction.
#include <cmath>
#include <memory>
#include <string>

#include "collections/KolekcjeDanych.h"
#include "common/FunkcjeWspolne.h"
#include "common/Wyjatki.h"
#include "database/ProjektDB.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"

namespace {

const char* const NieOdjetoKwoty =
    "Nie udało się wykonać zlecenia stałego. Nie udało się odjąć podanej sumy od wybranego "
    "rodzaju oszczędności.";
const char* const NieDodanoKwoty =
    "Nie udało się wykonać zlecenia stałego. Nie udało się dodać podanej sumy od wybranego "
    "rodzaju oszczędności.";
const char* const NieprawidlowaKwota =
    "Nie udało się wykonać zlecenia stałego. Kwota zlecenia musi być liczbą nie mniejszą od "
    "zera !!!";
const char* const NieprawidlowaData =
    "Nie udało się wykonać zlecenia stałego. Nieprawidłowa data wykonania zlecenia !!!";

// Checked before anything changes: a NaN or negative amount would move money the wrong way
// (or poison the balance) without a transaction to show for it, and a history entry with
// an impossible date could never be saved.
void SprawdzDaneWykonania(double kwota, TDateTime dataWykonania)
{
    if (!std::isfinite(kwota) || kwota < 0)
        throw EGrosiwoException(NieprawidlowaKwota);
    try {
        DekodujDateCzas(dataWykonania);
    } catch (const EGrosiwoException&) {
        throw EGrosiwoException(NieprawidlowaData);
    }
}

std::string KomentarzWykonania(const std::string& komentarz, const TZlecenieStale& zlecenie)
{
    std::string wynik = UsunZnakiZakazane(komentarz);
    if (CzyPustyTekst(wynik))
        wynik = UsunZnakiZakazane(zlecenie.Nazwa());
    return wynik;
}

}  // namespace

void TProjektDB::WykonajZlecenieStale(const TZlecenieStale* zlecenie, int32_t idOsoba,
                                      int32_t idOszczednosci, const std::string& komentarz,
                                      double kwotaZlecenia, TDateTime dataWykonania, bool ignoruj)
{
    if (!zlecenie || !fKolekcje)
        return;
    TKolekcjeDanych& kolekcje = *fKolekcje;
    const double kwota = ignoruj ? 0 : kwotaZlecenia;
    SprawdzDaneWykonania(kwota, dataWykonania);

    auto wpis = std::make_unique<TZlecenieStale>();
    wpis->SetIdKategorii(zlecenie->IdKategorii());
    wpis->SetIdOszczednosci(idOszczednosci);
    wpis->SetIdZleceniaStalego(zlecenie->Id());
    wpis->SetIdOsoba(idOsoba);
    wpis->SetNazwa(zlecenie->Nazwa());
    wpis->SetKwota(kwota);
    wpis->SetCzestotliwosc(zlecenie->Czestotliwosc());
    wpis->SetTypZleceniaStalego(zlecenie->TypZleceniaStalego());
    wpis->SetData(dataWykonania);
    wpis->SetKomentarz(KomentarzWykonania(komentarz, *zlecenie));
    wpis->SetZmiany(TTypModyfikacji::Dodano);
    const TZlecenieStale& wykonanie = *wpis;
    // The entry stays recorded even when the movement below fails.
    kolekcje.HistoriaZlecenStalych().push_back(std::move(wpis));
    kolekcje.SetZmienionoINiezapisanoHistorieZlecenStalych(true);

    switch (wykonanie.TypZleceniaStalego()) {
    case 0: {
        if (!kolekcje.OdejmijZOszczednosciWartosc(kwota, idOszczednosci, false))
            throw EGrosiwoException(NieOdjetoKwoty);
        if (kwota > 0) {
            auto wydatek = std::make_unique<TWydatek>(
                -1, wykonanie.IdKategorii(), kwota,
                kolekcje.PobierzIDKatOszczednosciDlaOszczednosci(idOszczednosci), dataWykonania,
                idOsoba, wykonanie.Komentarz(), TTypModyfikacji::Dodano, std::string(), true);
            kolekcje.Wydatki().insert(kolekcje.Wydatki().begin(), std::move(wydatek));
            kolekcje.SetZmienionoINiezapisanoWydatki(true);
        }
        break;
    }
    case 1: {
        if (!kolekcje.DodajDoOszczednosciWartosc(kwota, idOszczednosci, false))
            throw EGrosiwoException(NieDodanoKwoty);
        if (kwota > 0) {
            auto przychod = std::make_unique<TPrzychod>(
                -1, wykonanie.IdKategorii(), kwota,
                kolekcje.PobierzIDKatOszczednosciDlaOszczednosci(idOszczednosci), dataWykonania,
                idOsoba, wykonanie.Komentarz(), TTypModyfikacji::Dodano, true);
            kolekcje.Przychody().insert(kolekcje.Przychody().begin(), std::move(przychod));
            kolekcje.SetZmienionoINiezapisanoPrzychody(true);
        }
        break;
    }
    default:
        break;
    }
}
