// Used category ids: which ids the transactions and the spending limits actually name.
#include <string>
#include <unordered_set>
#include <utility>

#include "collections/KolekcjeDanych.h"
#include "records/Ograniczenie.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "statistics/Analiza.h"
#include "statistics/MiesiaceRekordow.h"

namespace {

using analiza::TBezFiltra;
using analiza::TFiltrMiesiaca;
using analiza::TFiltrRoku;

// Ids in first-occurrence order, each once; the set keeps collecting linear.
class TZebraneID {
public:
    void Dodaj(int32_t id)
    {
        if (fWidziane.insert(id).second)
            fLista.Add(id);
    }
    TIntegerList Wynik() && { return std::move(fLista); }

private:
    std::unordered_set<int32_t> fWidziane;
    TIntegerList fLista;
};

template <typename T, typename FId, typename FFiltr>
void Zbierz(const TListaRekordow<T>& lista, FId id, FFiltr& filtr, TZebraneID& zebrane)
{
    for (const auto& rekord : lista)
        if (filtr(rekord->Data()))
            zebrane.Dodaj(id(*rekord));
}

const auto IdKategoriiWydatku = [](const TWydatek& w) { return w.IdKategoriaWydatki(); };
const auto IdKategoriiPrzychodu = [](const TPrzychod& p) { return p.IdKategoriaPrzychody(); };
const auto IdKategoriiOszczednosci = [](const auto& r) { return r.IdKategoriaOszczednosci(); };

template <typename FFiltr>
TIntegerList IdWydatkow(const TKolekcjeDanych* k, FFiltr filtr)
{
    TZebraneID zebrane;
    if (k)
        Zbierz(k->Wydatki(), IdKategoriiWydatku, filtr, zebrane);
    return std::move(zebrane).Wynik();
}

template <typename FFiltr>
TIntegerList IdPrzychodow(const TKolekcjeDanych* k, FFiltr filtr)
{
    TZebraneID zebrane;
    if (k)
        Zbierz(k->Przychody(), IdKategoriiPrzychodu, filtr, zebrane);
    return std::move(zebrane).Wynik();
}

// The savings categories are read off the transactions, not off the savings entries.
template <typename FFiltr>
TIntegerList IdOszczednosci(const TKolekcjeDanych* k, FFiltr filtr)
{
    TZebraneID zebrane;
    if (k) {
        Zbierz(k->Wydatki(), IdKategoriiOszczednosci, filtr, zebrane);
        Zbierz(k->Przychody(), IdKategoriiOszczednosci, filtr, zebrane);
    }
    return std::move(zebrane).Wynik();
}

template <typename FWarunek>
TIntegerList IdOgraniczen(const TKolekcjeDanych* k, FWarunek warunek)
{
    TZebraneID zebrane;
    if (k)
        for (const auto& ograniczenie : k->Ograniczenia())
            if (warunek(*ograniczenie))
                zebrane.Dodaj(ograniczenie->IdKategoriiWydatku());
    return std::move(zebrane).Wynik();
}

}  // namespace

TIntegerList TAnaliza::UzyteIDWydatkow() const
{
    return IdWydatkow(fKolekcje, TBezFiltra());
}

TIntegerList TAnaliza::UzyteIDPrzychodow() const
{
    return IdPrzychodow(fKolekcje, TBezFiltra());
}

TIntegerList TAnaliza::UzyteIDOszczednosci() const
{
    return IdOszczednosci(fKolekcje, TBezFiltra());
}

TIntegerList TAnaliza::PobierzUzyteIDWydatkowWRoku(uint16_t rok) const
{
    return IdWydatkow(fKolekcje, TFiltrRoku(rok));
}

TIntegerList TAnaliza::PobierzUzyteIDPrzychodowWRoku(uint16_t rok) const
{
    return IdPrzychodow(fKolekcje, TFiltrRoku(rok));
}

TIntegerList TAnaliza::PobierzUzyteIDOszczednosciWRoku(uint16_t rok) const
{
    return IdOszczednosci(fKolekcje, TFiltrRoku(rok));
}

TIntegerList TAnaliza::PobierzUzyteIDWydatkowWMiesiacu(const std::string& miesiac) const
{
    return IdWydatkow(fKolekcje, TFiltrMiesiaca(miesiac));
}

TIntegerList TAnaliza::PobierzUzyteIDPrzychodowWMiesiacu(const std::string& miesiac) const
{
    return IdPrzychodow(fKolekcje, TFiltrMiesiaca(miesiac));
}

TIntegerList TAnaliza::PobierzUzyteIDOszczednosciWMiesiacu(const std::string& miesiac) const
{
    return IdOszczednosci(fKolekcje, TFiltrMiesiaca(miesiac));
}

TIntegerList TAnaliza::PobierzUzyteIDKategoriWydatkowZOgraniczeniamiWRoku(uint16_t rok) const
{
    return IdOgraniczen(fKolekcje, [rok](const TOgraniczenie& o) {
        return o.RokOgraniczenia() == rok && o.MaxRok() != 0;
    });
}

TIntegerList TAnaliza::PobierzUzyteIDKategoriWydatkowZOgraniczeniamiWMiesiacu(
    const std::string& miesiac) const
{
    return IdOgraniczen(fKolekcje, [&miesiac](const TOgraniczenie& o) {
        return miesiac.find(std::to_string(o.RokOgraniczenia())) != std::string::npos &&
               o.MaxMiesiac() != 0;
    });
}
