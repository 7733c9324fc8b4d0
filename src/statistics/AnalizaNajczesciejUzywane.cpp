// The categories used most often, by number of transactions.
#include <string>
#include <unordered_map>
#include <utility>

#include "collections/KolekcjeDanych.h"
#include "collections/Porownania.h"
#include "common/PolskiTekst.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "statistics/Analiza.h"
#include "statistics/RankingPar.h"

namespace {

// Uses per id in first-use order, so that the result does not depend on hashing.
class TLicznikUzyc {
public:
    void Dodaj(int32_t id)
    {
        const auto [pozycja, nowa] = fPozycje.try_emplace(id, fPary.size());
        if (nowa)
            fPary.push_back({id, 0});
        fPary[pozycja->second].Wartosc += 1;
    }
    template <typename T, typename FId>
    void DodajListe(const TListaRekordow<T>& lista, FId id)
    {
        for (const auto& rekord : lista)
            Dodaj(id(*rekord));
    }

    // Ranked; equal counts by description from Z to A ignoring letter case, then by id.
    TListaPar Ranking(const TKolekcjeDanych& k, TTabele tabela) &&
    {
        std::unordered_map<int32_t, std::string> opisy;
        for (const TPara& para : fPary)
            opisy.emplace(para.Klucz, k.PobierzOpisKategoriiPoID(para.Klucz, tabela));
        analiza::PosortujRanking(fPary, [&opisy](const TPara& a, const TPara& b) {
            const int wynik = PorownajTekstyBezWielkosciLiter(opisy.at(b.Klucz), opisy.at(a.Klucz));
            return wynik != 0 ? wynik : PorownajWartosci(a.Klucz, b.Klucz);
        });
        return std::move(fPary);
    }

private:
    std::unordered_map<int32_t, size_t> fPozycje;
    TListaPar fPary;
};

const auto IdKategoriiOszczednosci = [](const auto& r) { return r.IdKategoriaOszczednosci(); };

}  // namespace

TListaPar TAnaliza::NajczesciejUzywaneKategorieWydatkow() const
{
    if (!fKolekcje)
        return {};
    TLicznikUzyc licznik;
    licznik.DodajListe(fKolekcje->Wydatki(), [](const TWydatek& w) { return w.IdKategoriaWydatki(); });
    return std::move(licznik).Ranking(*fKolekcje, TTabele::Kategorie_Wydatki);
}

TListaPar TAnaliza::NajczesciejUzywaneKategoriePrzychodow() const
{
    if (!fKolekcje)
        return {};
    TLicznikUzyc licznik;
    licznik.DodajListe(fKolekcje->Przychody(), [](const TPrzychod& p) { return p.IdKategoriaPrzychody(); });
    return std::move(licznik).Ranking(*fKolekcje, TTabele::Kategorie_Przychody);
}

TListaPar TAnaliza::NajczesciejUzywaneKategorieOszczednosci() const
{
    // Without incomes there is nothing to rank, even when expenses name savings categories.
    if (!fKolekcje || fKolekcje->Przychody().empty())
        return {};
    TLicznikUzyc licznik;
    licznik.DodajListe(fKolekcje->Przychody(), IdKategoriiOszczednosci);
    licznik.DodajListe(fKolekcje->Wydatki(), IdKategoriiOszczednosci);
    return std::move(licznik).Ranking(*fKolekcje, TTabele::Kategorie_Oszczednosci);
}
