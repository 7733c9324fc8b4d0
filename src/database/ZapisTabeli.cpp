#include "database/ZapisTabeli.h"

#include <utility>

#include "common/Wyjatki.h"
#include "database/KodowanieZapisu.h"
#include "database/PlikiDB.h"
#include "records/HistoriaPrzelewu.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Osoba.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"

namespace {

template <typename T, typename Pole>
std::unordered_set<int32_t> ZbierzId(const TListaRekordow<T>& lista, Pole pole)
{
    std::unordered_set<int32_t> id;
    id.reserve(lista.size());
    for (const auto& r : lista)
        if (r)
            id.insert(pole(*r));
    return id;
}

std::unordered_set<int32_t> KategorieZPlanow(const TListaRekordow<TPlan>& plany, TTypPlanu typ)
{
    std::unordered_set<int32_t> id;
    for (const auto& p : plany)
        if (p && p->TypPlanu() == typ)
            id.insert(p->IdKategorii());
    return id;
}

template <typename T>
const T* Znajdz(std::optional<TIndeksId<const T>>& indeks, const TListaRekordow<T>& lista, int32_t id)
{
    if (!indeks)
        indeks.emplace(lista);
    return indeks->Znajdz(id);
}

}  // namespace

TZapisTabeli::TZapisTabeli(TKolekcjeDanych& kolekcje, const TPlikiDB& pliki, TTabele tabela)
    : fKolekcje(kolekcje), fPliki(pliki), fTabela(tabela)
{
}

TPaczkaZapisu TZapisTabeli::Zbuduj()
{
    switch (fTabela) {
    case TTabele::Wydatki:
        ZapiszWydatki();
        break;
    case TTabele::Przychody:
        ZapiszPrzychody();
        break;
    case TTabele::Oszczednosci:
        ZapiszOszczednosci();
        break;
    case TTabele::Osoby:
        ZapiszOsoby();
        break;
    case TTabele::Kategorie_Wydatki:
        ZapiszKategorie(fKolekcje.KategorieWydatki(), true);
        break;
    case TTabele::Kategorie_Przychody:
        ZapiszKategorie(fKolekcje.KategoriePrzychody(), false);
        break;
    case TTabele::Kategorie_Oszczednosci:
        ZapiszKategorieOszczednosci();
        break;
    case TTabele::HistoriaPrzelewow:
        ZapiszHistoriePrzelewow(true);
        break;
    case TTabele::ZleceniaStaleWydatki:
        ZapiszZleceniaStale(true);
        break;
    case TTabele::ZleceniaStalePrzychody:
        ZapiszZleceniaStale(false);
        break;
    case TTabele::HistoriaZlecenStalychWydatki:
    case TTabele::HistoriaZlecenStalychPrzychody:
        ZapiszHistorieZlecenStalych();
        break;
    case TTabele::StanyOszczednosci:
        ZapiszStanyOszczednosci();
        break;
    case TTabele::Plany:
        ZapiszPlany();
        break;
    case TTabele::Ograniczenia:
        ZapiszOgraniczenia();
        break;
    case TTabele::Lokaty:
        ZapiszLokaty();
        break;
    case TTabele::HarmonogramyLokatBankowych:
        ZapiszHarmonogramyLokat();
        break;
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody:
        break;
    }
    return std::move(fPaczka);
}

void TZapisTabeli::DodajKomunikat(std::string linia)
{
    if (fPaczka.Komunikaty.empty())
        fPaczka.Komunikaty.push_back("Przebieg zapisu dokonanych zmian w tabeli " + Caption(fTabela));
    fPaczka.Komunikaty.push_back(std::move(linia));
}

void TZapisTabeli::DodajPolecenie(std::string polecenie, bool zmieniaStan)
{
    fPaczka.Polecenia.push_back(std::move(polecenie));
    if (zmieniaStan)
        fPaczka.OdswiezStanOszczednosci = true;
}

std::string TZapisTabeli::Caption(TTabele tabela) const
{
    return fPliki.PobierzCaptionTabeli(tabela);
}

void TZapisTabeli::DodajDoSlownika(int32_t id, std::string opis)
{
    // The rewriting after the save could not tell two new records with one id apart.
    if (!fPaczka.Slownik->emplace(id, std::move(opis)).second)
        throw EGrosiwoException("Dwie nowe pozycje mają ten sam tymczasowy identyfikator " +
                                zapis::Liczba(id) + ".");
}

bool TZapisTabeli::Uzyte(TUzycie uzycie, int32_t id)
{
    std::optional<std::unordered_set<int32_t>>& zbior = fUzyte[static_cast<size_t>(uzycie)];
    if (!zbior)
        zbior = ZbierzUzyte(uzycie);
    return zbior->contains(id);
}

std::unordered_set<int32_t> TZapisTabeli::ZbierzUzyte(TUzycie uzycie) const
{
    const TKolekcjeDanych& k = fKolekcje;
    switch (uzycie) {
    case TUzycie::WydatkiKategoria:
        return ZbierzId(k.Wydatki(), [](const TWydatek& w) { return w.IdKategoriaWydatki(); });
    case TUzycie::WydatkiKategoriaOszczednosci:
        return ZbierzId(k.Wydatki(), [](const TWydatek& w) { return w.IdKategoriaOszczednosci(); });
    case TUzycie::WydatkiOsoba:
        return ZbierzId(k.Wydatki(), [](const TWydatek& w) { return w.IdOsoba(); });
    case TUzycie::PrzychodyKategoria:
        return ZbierzId(k.Przychody(), [](const TPrzychod& p) { return p.IdKategoriaPrzychody(); });
    case TUzycie::PrzychodyKategoriaOszczednosci:
        return ZbierzId(k.Przychody(), [](const TPrzychod& p) { return p.IdKategoriaOszczednosci(); });
    case TUzycie::PrzychodyOsoba:
        return ZbierzId(k.Przychody(), [](const TPrzychod& p) { return p.IdOsoba(); });
    case TUzycie::OszczednosciKategoria:
        return ZbierzId(k.Oszczednosci(), [](const TOszczednosc& o) { return o.IdKategoriaOszczednosci(); });
    case TUzycie::PrzelewyKategoria: {
        std::unordered_set<int32_t> id =
            ZbierzId(k.HistoriaPrzelewow(), [](const THistoriaPrzelewu& h) { return h.IdKategoriaOszczednosciFROM(); });
        for (const auto& h : k.HistoriaPrzelewow())
            if (h)
                id.insert(h->IdKategoriaOszczednosciTO());
        return id;
    }
    case TUzycie::ZleceniaWydatkiKategoria:
        return ZbierzId(k.ZleceniaStaleWydatki(), [](const TZlecenieStale& z) { return z.IdKategorii(); });
    case TUzycie::ZleceniaPrzychodyKategoria:
        return ZbierzId(k.ZleceniaStalePrzychody(), [](const TZlecenieStale& z) { return z.IdKategorii(); });
    case TUzycie::ZleceniaWydatkiOszczednosc:
        return ZbierzId(k.ZleceniaStaleWydatki(), [](const TZlecenieStale& z) { return z.IdOszczednosci(); });
    case TUzycie::ZleceniaPrzychodyOszczednosc:
        return ZbierzId(k.ZleceniaStalePrzychody(), [](const TZlecenieStale& z) { return z.IdOszczednosci(); });
    case TUzycie::HistoriaZlecenOszczednosc:
        return ZbierzId(k.HistoriaZlecenStalych(), [](const TZlecenieStale& z) { return z.IdOszczednosci(); });
    case TUzycie::HistoriaZlecenZlecenie:
        return ZbierzId(k.HistoriaZlecenStalych(), [](const TZlecenieStale& z) { return z.IdZleceniaStalego(); });
    case TUzycie::HistoriaZlecenOsoba:
        return ZbierzId(k.HistoriaZlecenStalych(), [](const TZlecenieStale& z) { return z.IdOsoba(); });
    case TUzycie::PlanyWydatkowKategoria:
        return KategorieZPlanow(k.Plany(), TTypPlanu::Wydatek);
    case TUzycie::PlanyPrzychodowKategoria:
        return KategorieZPlanow(k.Plany(), TTypPlanu::Przychod);
    case TUzycie::Ilosc:
        break;
    }
    return {};
}

const TKategoriaWydatki* TZapisTabeli::ZwrocKategorieWydatkuPoID(int32_t id)
{
    return Znajdz(fIndeksKategoriiWydatkow, fKolekcje.KategorieWydatki(), id);
}

const TKategoriaPrzychody* TZapisTabeli::ZwrocKategoriePrzychoduPoID(int32_t id)
{
    return Znajdz(fIndeksKategoriiPrzychodow, fKolekcje.KategoriePrzychody(), id);
}

const TKategoriaOszczednosci* TZapisTabeli::ZwrocKategorieOszczednosciPoID(int32_t id)
{
    return Znajdz(fIndeksKategoriiOszczednosci, fKolekcje.KategorieOszczednosci(), id);
}

const TOszczednosc* TZapisTabeli::ZwrocOszczednoscPoID(int32_t id)
{
    return Znajdz(fIndeksOszczednosci, fKolekcje.Oszczednosci(), id);
}

const TOsoba* TZapisTabeli::ZwrocOsobePoID(int32_t id)
{
    return Znajdz(fIndeksOsob, fKolekcje.Osoby(), id);
}
