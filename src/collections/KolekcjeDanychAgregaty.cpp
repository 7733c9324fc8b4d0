// Totals and extreme amounts of the money lists, and the changed-record check. Nothing here
// reorders a list.
#include <unordered_map>

#include "collections/KolekcjeDanych.h"
#include "collections/ZapytaniaWspolne.h"
#include "records/HistoriaPrzelewu.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Osoba.h"
#include "records/Oszczednosc.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"

using namespace zapytania;

namespace {

// Calls dzialanie with the money list of the table; 0 for any other table.
template <typename TKolekcje, typename Dzialanie>
double NaLiscieKwot(const TKolekcje& kolekcje, TTabele tabela, Dzialanie dzialanie)
{
    switch (tabela) {
    case TTabele::Wydatki:
        return dzialanie(kolekcje.Wydatki());
    case TTabele::Przychody:
        return dzialanie(kolekcje.Przychody());
    case TTabele::Oszczednosci:
        return dzialanie(kolekcje.Oszczednosci());
    default:
        return 0;
    }
}

// Never less than 0: a list of only negative amounts gives 0.
template <typename T, typename Warunek>
double Najwieksza(const TListaRekordow<T>& lista, Warunek warunek)
{
    double wynik = 0;
    for (auto it = lista.rbegin(); it != lista.rend(); ++it)
        if (warunek(**it) && (*it)->Ile() > wynik)
            wynik = (*it)->Ile();
    return wynik;
}

const auto KazdyRekord = [](const auto&) { return true; };

// A month label depends only on the year and month of a date, so the case-sensitive
// collation runs once per month present, not once per record.
class TFiltrMiesiaca {
public:
    explicit TFiltrMiesiaca(const std::string& miesiac) : fMiesiac(miesiac) {}
    bool operator()(TDateTime data)
    {
        const TSkladnikiDaty d = DekodujDateCzas(data);
        const auto [it, nowy] = fWyniki.try_emplace(d.Rok * 12 + d.Miesiac, false);
        if (nowy)
            it->second = TekstyRowne(MiesiacIRok(data), fMiesiac);
        return it->second;
    }

private:
    const std::string& fMiesiac;
    std::unordered_map<int, bool> fWyniki;
};

template <typename T>
bool ZmienionyRekord(const TListaRekordow<T>& lista, int32_t id)
{
    const T* r = PierwszyZId(lista, id);
    return r && (r->Zmiany() == TTypModyfikacji::Zmieniono || r->Zmiany() == TTypModyfikacji::Dodano);
}

}  // namespace

double TKolekcjeDanych::ObliczLacznaSumeWKolekcjiDanych(TTabele tabela) const
{
    return NaLiscieKwot(*this, tabela, [](const auto& lista) {
        double suma = 0;
        for (const auto& r : lista)
            suma += r->Ile();
        return suma;
    });
}

double TKolekcjeDanych::PobierzNajwiekszaWartoscZKolekcji(TTabele tabela) const
{
    return NaLiscieKwot(*this, tabela, [](const auto& lista) { return Najwieksza(lista, KazdyRekord); });
}

double TKolekcjeDanych::PobierzNajwiekszaWartoscZKolekcjiWRoku(TTabele tabela, uint16_t rok) const
{
    return NaLiscieKwot(*this, tabela, [rok](const auto& lista) {
        return Najwieksza(lista, [rok](const auto& r) { return r.Rok() == rok; });
    });
}

double TKolekcjeDanych::PobierzNajwiekszaWartoscZKolekcjiWMiesiacu(TTabele tabela,
                                                                  const std::string& miesiac) const
{
    return NaLiscieKwot(*this, tabela, [&miesiac](const auto& lista) {
        TFiltrMiesiaca wMiesiacu(miesiac);
        return Najwieksza(lista, [&](const auto& r) { return wMiesiacu(r.Data()); });
    });
}

double TKolekcjeDanych::PobierzNajmniejszaWartoscZKolekcji(TTabele tabela) const
{
    return NaLiscieKwot(*this, tabela, [](const auto& lista) {
        // Starting from the largest value (at least 0) gives the true minimum, and 0 for an
        // empty list.
        double wynik = Najwieksza(lista, KazdyRekord);
        for (auto it = lista.rbegin(); it != lista.rend(); ++it)
            if ((*it)->Ile() < wynik)
                wynik = (*it)->Ile();
        return wynik;
    });
}

bool TKolekcjeDanych::SprawdzCzyPozycjaZKolekcjiZostalaZmieniona(int32_t idPozycji, TTabele kolekcja) const
{
    switch (kolekcja) {
    case TTabele::Wydatki:
        return ZmienionyRekord(fWydatki, idPozycji);
    case TTabele::Przychody:
        return ZmienionyRekord(fPrzychody, idPozycji);
    case TTabele::Oszczednosci:
        return ZmienionyRekord(fOszczednosci, idPozycji);
    case TTabele::Osoby:
        return ZmienionyRekord(fOsoby, idPozycji);
    case TTabele::Kategorie_Wydatki:
        return ZmienionyRekord(fKategorieWydatki, idPozycji);
    case TTabele::Kategorie_Przychody:
        return ZmienionyRekord(fKategoriePrzychody, idPozycji);
    case TTabele::Kategorie_Oszczednosci:
        return ZmienionyRekord(fKategorieOszczednosci, idPozycji);
    case TTabele::HistoriaPrzelewow:
        return ZmienionyRekord(fHistoriaPrzelewowOszczednosci, idPozycji);
    case TTabele::ZleceniaStaleWydatki:
        return ZmienionyRekord(fZleceniaStaleWydatki, idPozycji);
    case TTabele::ZleceniaStalePrzychody:
        return ZmienionyRekord(fZleceniaStalePrzychody, idPozycji);
    case TTabele::HistoriaZlecenStalychWydatki:
    case TTabele::HistoriaZlecenStalychPrzychody:
        return ZmienionyRekord(fHistoriaZlecenStalych, idPozycji);
    default:
        return false;
    }
}
