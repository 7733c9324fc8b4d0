// The sort orders of the container's lists. Several names say Rosnaco where the order is
// descending or the other way round; the orders here are the ones the queries rely on.
#include <string>

#include "collections/KolekcjeDanych.h"
#include "collections/Porownania.h"
#include "common/PolskiTekst.h"
#include "records/HarmonogramLokatyBankowej.h"
#include "records/HistoriaPrzelewu.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Lokata.h"
#include "records/Osoba.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/Przychod.h"
#include "records/StanOszczednosci.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"

namespace {

// ---- Dates ----

template <typename T>
TKluczDatyIId KluczDaty(const T& rekord)
{
    return {rekord.Data(), rekord.Id()};
}

// Earliest first, Id ascending.
template <typename T>
void PoDacieOdNajwczesniejszej(TListaRekordow<T>& lista)
{
    PosortujRekordy(lista, KluczDaty<T>, PorownajDatyIId);
}

// Latest first, Id descending: the exact reverse of the order above.
template <typename T>
void PoDacieOdNajpozniejszej(TListaRekordow<T>& lista)
{
    PosortujRekordy(lista, KluczDaty<T>,
                    [](const TKluczDatyIId& a, const TKluczDatyIId& b) { return PorownajDatyIId(b, a); });
}

// Latest first, Id ascending.
template <typename T>
void PoDacieOdNajpozniejszejIdRosnaco(TListaRekordow<T>& lista)
{
    PosortujRekordy(lista, KluczDaty<T>, PorownajDatyOdNajpozniejszejIId);
}

// ---- Numbers with an Id tie-break ----

template <typename TWartosc>
struct TKluczWartosciIId {
    TWartosc Wartosc;
    int32_t Id;
};

// Largest value first, Id ascending.
template <typename TWartosc>
int OdNajwiekszejIdRosnaco(const TKluczWartosciIId<TWartosc>& a,
                           const TKluczWartosciIId<TWartosc>& b)
{
    const int wynik = PorownajWartosci(b.Wartosc, a.Wartosc);
    return wynik != 0 ? wynik : PorownajWartosci(a.Id, b.Id);
}

// Smallest value first, Id ascending.
template <typename TWartosc>
int OdNajmniejszejIdRosnaco(const TKluczWartosciIId<TWartosc>& a,
                            const TKluczWartosciIId<TWartosc>& b)
{
    const int wynik = PorownajWartosci(a.Wartosc, b.Wartosc);
    return wynik != 0 ? wynik : PorownajWartosci(a.Id, b.Id);
}

template <typename T>
void PoKwocieOdNajwiekszej(TListaRekordow<T>& lista)
{
    PosortujRekordy(
        lista, [](const T& r) { return TKluczWartosciIId<double>{r.Ile(), r.Id()}; },
        OdNajwiekszejIdRosnaco<double>);
}

// ---- Weight, then a text ignoring letter case ----

struct TKluczWagiIOpisu {
    uint32_t Waga;
    std::string Opis;
};

int PorownajWageIOpis(const TKluczWagiIOpisu& a, const TKluczWagiIOpisu& b)
{
    const int wynik = PorownajWagi(a.Waga, b.Waga);
    return wynik != 0 ? wynik : PorownajTekstyBezWielkosciLiter(a.Opis, b.Opis);
}

template <typename T>
void KategoriePoWadze(TListaRekordow<T>& lista)
{
    PosortujRekordy(
        lista, [](const T& r) { return TKluczWagiIOpisu{r.Waga(), r.Opis()}; }, PorownajWageIOpis);
}

// ---- Deposits ----

template <typename TWartosc, typename FWartosc>
void LokatyRosnaco(TListaRekordow<TLokata>& lista, FWartosc wartosc)
{
    PosortujRekordy(
        lista,
        [&wartosc](const TLokata& l) { return TKluczWartosciIId<TWartosc>{wartosc(l), l.Id()}; },
        OdNajmniejszejIdRosnaco<TWartosc>);
}

template <typename FData>
void LokatyPoDacie(TListaRekordow<TLokata>& lista, FData data)
{
    PosortujRekordy(
        lista, [&data](const TLokata& l) { return TKluczDatyIId{data(l), l.Id()}; },
        PorownajDatyIId);
}

struct TKluczHarmonogramu {
    std::string Bank;
    std::string Nazwa;
    uint32_t IloscDni;
    double Oprocentowanie;
    int32_t Id;
};

int PorownajHarmonogramy(const TKluczHarmonogramu& a, const TKluczHarmonogramu& b)
{
    if (const int w = PorownajTeksty(a.Bank, b.Bank); w != 0)
        return w;
    if (const int w = PorownajTeksty(a.Nazwa, b.Nazwa); w != 0)
        return w;
    if (const int w = PorownajWartosci(a.IloscDni, b.IloscDni); w != 0)
        return w;
    if (const int w = PorownajOprocentowania(a.Oprocentowanie, b.Oprocentowanie); w != 0)
        return w;
    return PorownajWartosci(a.Id, b.Id);
}

}  // namespace

void TKolekcjeDanych::PosortujWydatki()
{
    PoDacieOdNajpozniejszej(fWydatki);
}

void TKolekcjeDanych::PosortujPrzychody()
{
    PoDacieOdNajpozniejszej(fPrzychody);
}

void TKolekcjeDanych::PosortujOszczednosci()
{
    // The computed deposits entry carries weight 2147483647 and so comes last.
    PosortujRekordy(
        fOszczednosci,
        [](const TOszczednosc& o) {
            return TKluczWartosciIId<uint32_t>{o.WagaIdKatOszczednosci(), o.Id()};
        },
        [](const TKluczWartosciIId<uint32_t>& a, const TKluczWartosciIId<uint32_t>& b) {
            const int wynik = PorownajWagi(a.Wartosc, b.Wartosc);
            return wynik != 0 ? wynik : PorownajWartosci(b.Id, a.Id);
        });
}

void TKolekcjeDanych::PosortujKategorieWydatkow()
{
    KategoriePoWadze(fKategorieWydatki);
}

void TKolekcjeDanych::PosortujKategoriePrzychodow()
{
    KategoriePoWadze(fKategoriePrzychody);
}

void TKolekcjeDanych::PosortujKategorieOszczednosci()
{
    KategoriePoWadze(fKategorieOszczednosci);
}

void TKolekcjeDanych::PosortujOsoby()
{
    PosortujRekordy(
        fOsoby,
        [](const TOsoba& o) { return TKluczWagiIOpisu{o.Waga(), o.Imie() + " " + o.Nazwisko()}; },
        PorownajWageIOpis);
}

void TKolekcjeDanych::PosortujHistoriePrzelewowPoDacieRosnaco()
{
    PoDacieOdNajwczesniejszej(fHistoriaPrzelewowOszczednosci);
}

void TKolekcjeDanych::PosortujHistoriePrzelewowPoDacieMalejaco()
{
    PoDacieOdNajpozniejszej(fHistoriaPrzelewowOszczednosci);
}

void TKolekcjeDanych::PosortujWydatkiPoDacieMalejaco()
{
    PoDacieOdNajwczesniejszej(fWydatki);
}

void TKolekcjeDanych::PosortujWydatkiPoDacieRosnaco()
{
    PoDacieOdNajpozniejszej(fWydatki);
}

void TKolekcjeDanych::PosortujPrzychodyPoDacieMalejaco()
{
    PoDacieOdNajwczesniejszej(fPrzychody);
}

void TKolekcjeDanych::PosortujPrzychodyPoDacieRosnaco()
{
    PoDacieOdNajpozniejszej(fPrzychody);
}

void TKolekcjeDanych::PosortujOszczednosciPoDacieMalejaco()
{
    PoDacieOdNajwczesniejszej(fOszczednosci);
}

void TKolekcjeDanych::PosortujWydatkiPoKwocieMalejaco()
{
    PoKwocieOdNajwiekszej(fWydatki);
}

void TKolekcjeDanych::PosortujPrzychodyPoKwocieMalejaco()
{
    PoKwocieOdNajwiekszej(fPrzychody);
}

void TKolekcjeDanych::PosortujOszczednosciPoKwocieMalejaco()
{
    PoKwocieOdNajwiekszej(fOszczednosci);
}

void TKolekcjeDanych::PosortujWydatkiPoKategoriiWydatkowMalejaco()
{
    // By the category's id, not by its description or weight.
    PosortujRekordy(
        fWydatki,
        [](const TWydatek& w) { return TKluczWartosciIId<int32_t>{w.IdKategoriaWydatki(), w.Id()}; },
        OdNajwiekszejIdRosnaco<int32_t>);
}

void TKolekcjeDanych::PosortujPrzychodyPoKategoriiPrzychodowMalejaco()
{
    PosortujRekordy(
        fPrzychody,
        [](const TPrzychod& p) {
            return TKluczWartosciIId<int32_t>{p.IdKategoriaPrzychody(), p.Id()};
        },
        OdNajwiekszejIdRosnaco<int32_t>);
}

void TKolekcjeDanych::PosortujZleceniaStalePoDacieDodaniaMalejaco()
{
    PoDacieOdNajpozniejszejIdRosnaco(fZleceniaStaleWydatki);
    PoDacieOdNajpozniejszejIdRosnaco(fZleceniaStalePrzychody);
}

void TKolekcjeDanych::PosortujStanyOszczednosciPoDacieRosnaco()
{
    PoDacieOdNajwczesniejszej(fStanyOszczednosci);
}

void TKolekcjeDanych::PosortujPlanyPoDacieMalejaco()
{
    PoDacieOdNajwczesniejszej(fPlany);
}

void TKolekcjeDanych::PosortujPlanyPoDacieRosnaco()
{
    PoDacieOdNajpozniejszej(fPlany);
}

void TKolekcjeDanych::PosortujLokatyPoNazwie()
{
    PosortujRekordy(
        fLokaty, [](const TLokata& l) { return TKluczWartosciIId<std::string>{l.Nazwa(), l.Id()}; },
        [](const TKluczWartosciIId<std::string>& a, const TKluczWartosciIId<std::string>& b) {
            const int wynik = PorownajTeksty(a.Wartosc, b.Wartosc);
            return wynik != 0 ? wynik : PorownajWartosci(a.Id, b.Id);
        });
}

void TKolekcjeDanych::PosortujLokatyPoKwocie()
{
    LokatyRosnaco<double>(fLokaty, [](const TLokata& l) { return l.Kwota(); });
}

void TKolekcjeDanych::PosortujLokatyPoDacieRozpoczecia()
{
    LokatyPoDacie(fLokaty, [](const TLokata& l) { return l.DataRozpoczecia(); });
}

void TKolekcjeDanych::PosortujLokatyPoCzasieTrwania()
{
    LokatyRosnaco<uint32_t>(fLokaty, [](const TLokata& l) { return l.OkresLokatyWDniach(); });
}

void TKolekcjeDanych::PosortujLokatyPoDacieZakonczenia()
{
    LokatyPoDacie(fLokaty, [](const TLokata& l) { return l.SzacowanaDataZakonczenia(); });
}

void TKolekcjeDanych::PosortujHarmonogramy()
{
    PosortujRekordy(
        fHarmonogramyLokatBankowych,
        [](const THarmonogramLokatyBankowej& h) {
            return TKluczHarmonogramu{h.Bank(), h.NazwaHarmonogramu(), h.OkresLokatyIloscDni(),
                                      h.OprocentowanieWSkaliRoku(), h.Id()};
        },
        PorownajHarmonogramy);
}
