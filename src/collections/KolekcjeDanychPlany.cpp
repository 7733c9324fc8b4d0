// Plan and date queries: lookups by id, due plans, month and year lists, deposits ending
// soon and expense attachments.
#include <map>
#include <set>
#include <unordered_set>

#include "collections/KolekcjeDanych.h"
#include "collections/Porownania.h"
#include "collections/ZapytaniaWspolne.h"
#include "common/Platforma.h"
#include "common/Wyjatki.h"
#include "records/Lokata.h"
#include "records/Ograniczenie.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"

using zapytania::PierwszyZId;

namespace {

struct TRokIMiesiac {
    int Rok = 0;
    int Miesiac = 0;
};

int KluczMiesiaca(const TRokIMiesiac& rm)
{
    return rm.Rok * 12 + rm.Miesiac - 1;
}

// False for a date outside the calendar (years 1 to 9999), which has no month label.
bool RokIMiesiacDaty(TDateTime data, TRokIMiesiac& wynik)
{
    try {
        const TSkladnikiDaty skladniki = DekodujDateCzas(data);
        wynik = {skladniki.Rok, skladniki.Miesiac};
        return true;
    } catch (const EGrosiwoException&) {
        return false;
    }
}

// Collects month labels the way DodajDoListyJesliNowy would for every date given, in the
// order given, optionally for one year only. The label depends on the calendar month alone,
// so each month is formatted and compared once however many records fall in it.
class TListaMiesiecy {
public:
    explicit TListaMiesiecy(uint16_t rok = 0) : fRok(rok) {}

    void Dodaj(TDateTime data)
    {
        // Sorted input: most dates fall in the month of the date before, which needs no
        // calendar arithmetic. The bounds stay a millisecond inside the month, so rounding
        // to the millisecond cannot carry such a date into a neighbouring month.
        if (data >= fDolna && data < fGorna)
            return;
        TRokIMiesiac rm;
        if (!RokIMiesiacDaty(data, rm))
            return;  // no label: DodajDoListyJesliNowy would skip the empty text
        const TDateTime poczatek = KodujDate(rm.Rok, rm.Miesiac, 1);
        fDolna = poczatek + JednaMilisekunda;
        fGorna = poczatek + DniWMiesiacu(rm.Rok, rm.Miesiac) - JednaMilisekunda;
        if (fRok != 0 && rm.Rok != fRok)
            return;
        if (fWidziane.insert(KluczMiesiaca(rm)).second)
            DodajDoListyJesliNowy(MiesiacIRok(data), &fLista);
    }
    TStringList Wynik() { return std::move(fLista); }

private:
    uint16_t fRok;
    TDateTime fDolna = 0;
    TDateTime fGorna = 0;  // empty range: nothing seen yet
    std::unordered_set<int> fWidziane;
    TStringList fLista;
};

// The labels of a list already sorted earliest first.
template <typename T>
TStringList MiesiaceListy(const TListaRekordow<T>& lista, uint16_t rok)
{
    TListaMiesiecy miesiace(rok);
    for (const auto& rekord : lista)
        miesiace.Dodaj(rekord->Data());
    return miesiace.Wynik();
}

// The labels of dates in chronological order. Sorting the distinct months instead of every
// date gives the same list, since the month key grows with the date.
TStringList MiesiaceDat(const std::vector<TDateTime>& daty)
{
    std::map<int, TDateTime> miesiace;  // month key -> a date in that month
    for (const TDateTime data : daty) {
        TRokIMiesiac rm;
        if (RokIMiesiacDaty(data, rm))
            miesiace.try_emplace(KluczMiesiaca(rm), data);
    }
    TListaMiesiecy lista;
    for (const auto& [klucz, data] : miesiace)
        lista.Dodaj(data);
    return lista.Wynik();
}

template <typename T>
void DodajDatyNieusunietych(const TListaRekordow<T>& lista, std::vector<TDateTime>& daty)
{
    for (const auto& rekord : lista)
        if (rekord->Zmiany() != TTypModyfikacji::Usunieto)
            daty.push_back(rekord->Data());
}

void DodajDatyPlanow(const TListaRekordow<TPlan>& plany, TTypPlanu typ,
                     std::vector<TDateTime>& daty)
{
    for (const auto& plan : plany)
        if (plan->Zmiany() != TTypModyfikacji::Usunieto && plan->TypPlanu() == typ)
            daty.push_back(plan->Data());
}

template <typename T>
void DodajLata(const TListaRekordow<T>& lista, std::set<uint16_t>& lata)
{
    for (const auto& rekord : lista) {
        TRokIMiesiac rm;
        if (RokIMiesiacDaty(rekord->Data(), rm))
            lata.insert(static_cast<uint16_t>(rm.Rok));
    }
}

}  // namespace

TPlan* TKolekcjeDanych::PobierzPlanDlaID(int32_t id)
{
    return PierwszyZId(fPlany, id);
}

const TPlan* TKolekcjeDanych::PobierzPlanDlaID(int32_t id) const
{
    return PierwszyZId(fPlany, id);
}

double TKolekcjeDanych::PobierzKwotePlnuDlaID(int32_t id) const
{
    const TPlan* plan = PobierzPlanDlaID(id);
    return plan ? plan->Kwota() : 0;
}

TWydatek* TKolekcjeDanych::PobierzWydatekDlaId(int32_t id)
{
    return PierwszyZId(fWydatki, id);
}

const TWydatek* TKolekcjeDanych::PobierzWydatekDlaId(int32_t id) const
{
    return PierwszyZId(fWydatki, id);
}

std::vector<TPlan*> TKolekcjeDanych::PobierzPlanowanePlatnosciPoTerminie()
{
    std::vector<TPlan*> wynik;
    if (fPlany.empty())
        return wynik;
    // Month labels are equal exactly when year and month are; comparing the numbers also
    // holds before the month names are set, when every label would be empty.
    TRokIMiesiac biezacy;
    RokIMiesiacDaty(Teraz(), biezacy);
    for (const auto& plan : fPlany) {
        // Each plan reads the clock itself.
        const TStanRealizacji stan = plan->StanRealizacji();
        if (stan == TStanRealizacji::Wykonane)
            continue;
        TRokIMiesiac rm;
        if (stan == TStanRealizacji::PoTerminie ||
            (RokIMiesiacDaty(plan->Data(), rm) && KluczMiesiaca(rm) == KluczMiesiaca(biezacy)))
            wynik.push_back(plan.get());
    }
    PosortujRekordy(
        wynik, [](const TPlan& p) { return TKluczDatyIId{p.Data(), p.Id()}; },
        PorownajDatyOdNajpozniejszejIId);
    return wynik;
}

TStringList TKolekcjeDanych::PobierzNazwyMiesiecyZKolekcji(TTabele tabela, uint16_t rok)
{
    switch (tabela) {
    case TTabele::Wydatki:
        PosortujWydatkiPoDacieMalejaco();
        return MiesiaceListy(fWydatki, rok);
    case TTabele::Przychody:
        PosortujPrzychodyPoDacieMalejaco();
        return MiesiaceListy(fPrzychody, rok);
    case TTabele::Oszczednosci:
        PosortujOszczednosciPoDacieMalejaco();
        return MiesiaceListy(fOszczednosci, rok);
    case TTabele::Plany:
        PosortujPlanyPoDacieMalejaco();
        return MiesiaceListy(fPlany, rok);
    default:
        return {};
    }
}

TStringList TKolekcjeDanych::PobierzWspolnaListeMiesiecyPrzychodowIWydatkow()
{
    PosortujWydatkiPoDacieRosnaco();
    PosortujPrzychodyPoDacieRosnaco();
    std::vector<TDateTime> daty;
    daty.reserve(fWydatki.size() + fPrzychody.size());
    for (const auto& wydatek : fWydatki)
        daty.push_back(wydatek->Data());
    for (const auto& przychod : fPrzychody)
        daty.push_back(przychod->Data());
    return MiesiaceDat(daty);
}

TStringList TKolekcjeDanych::PobierzWspolnaListeDatDlaWydatkowIPlanow() const
{
    std::vector<TDateTime> daty;
    DodajDatyNieusunietych(fWydatki, daty);
    DodajDatyPlanow(fPlany, TTypPlanu::Wydatek, daty);
    return MiesiaceDat(daty);
}

TStringList TKolekcjeDanych::PobierzWspolnaListeDatDlaPrzychodowIPlanow() const
{
    std::vector<TDateTime> daty;
    DodajDatyNieusunietych(fPrzychody, daty);
    DodajDatyPlanow(fPlany, TTypPlanu::Przychod, daty);
    return MiesiaceDat(daty);
}

std::vector<uint16_t> TKolekcjeDanych::PobierzLataZKolekcji(TTabele tabela)
{
    std::set<uint16_t> lata;
    switch (tabela) {
    case TTabele::Wydatki:
        PosortujWydatkiPoDacieMalejaco();
        DodajLata(fWydatki, lata);
        break;
    case TTabele::Przychody:
        PosortujPrzychodyPoDacieMalejaco();
        DodajLata(fPrzychody, lata);
        break;
    case TTabele::Oszczednosci:
        PosortujOszczednosciPoDacieMalejaco();
        DodajLata(fOszczednosci, lata);
        break;
    case TTabele::Plany:
        PosortujPlanyPoDacieMalejaco();
        DodajLata(fPlany, lata);
        break;
    case TTabele::Ograniczenia:
        for (const auto& ograniczenie : fOgraniczenia)
            if (ograniczenie->MaxRok() != 0 && ograniczenie->MaxMiesiac() != 0)
                lata.insert(ograniczenie->RokOgraniczenia());
        break;
    default:
        break;
    }
    return {lata.begin(), lata.end()};
}

TDateTime TKolekcjeDanych::PobierzMaxDateWydatkowWRoku(uint16_t rok)
{
    PosortujWydatkiPoDacieRosnaco();
    bool znaleziono = false;
    TDateTime najpozniejsza = 0;
    for (const auto& wydatek : fWydatki) {
        TRokIMiesiac rm;
        if (!RokIMiesiacDaty(wydatek->Data(), rm) || rm.Rok != rok)
            continue;
        if (!znaleziono || wydatek->Data() > najpozniejsza)
            najpozniejsza = wydatek->Data();
        znaleziono = true;
    }
    if (znaleziono)
        return najpozniejsza;
    // A year outside 1..9999 raises the calendar's own error here.
    return KodujDateCzas(rok, 1, 1, 0, 0, 1);
}

std::vector<TLokata*> TKolekcjeDanych::PobierzLokatyKonczaceSieLubPoTerminie(uint16_t ileDniDoKonca)
{
    std::vector<TLokata*> wynik;
    for (const auto& lokata : fLokaty)
        if (lokata->IloscDniDoZakonczenia() <= static_cast<int32_t>(ileDniDoKonca))
            wynik.push_back(lokata.get());
    return wynik;
}

std::string TKolekcjeDanych::NazwaPlikuZalacznikaDlaTransakcjii(int32_t id, TTabele kolekcja) const
{
    if (kolekcja != TTabele::Wydatki)
        return {};
    const TWydatek* wydatek = PobierzWydatekDlaId(id);
    return wydatek ? wydatek->Zalacznik() : std::string();
}

bool TKolekcjeDanych::TransakcjaMaZalacznik(int32_t id, TTabele kolekcja) const
{
    return !CzyPustyTekst(NazwaPlikuZalacznikaDlaTransakcjii(id, kolekcja));
}
