// Readers of the money tables: expenses, incomes, savings entries, transfers and balances.
#include <memory>
#include <unordered_map>
#include <utility>

#include "database/Czytniki.h"
#include "database/CzytnikWierszy.h"
#include "records/HistoriaPrzelewu.h"
#include "records/KategoriaOszczednosci.h"
#include "records/Oszczednosc.h"
#include "records/Przychod.h"
#include "records/StanOszczednosci.h"
#include "records/Wydatek.h"

using TKierunek = TCzytnikWierszy::TKierunek;

TListaRekordow<TWydatek> CzytajWydatki(TSQLiteTable& wynik, std::string_view nazwaTabeli)
{
    TListaRekordow<TWydatek> lista;
    TCzytnikWierszy c(wynik, nazwaTabeli);
    if (c.IloscWierszy() == 0)
        return lista;
    const auto kId = c.Kolumna("Id");
    const auto kIdKategoriaWydatki = c.Kolumna("IdKategoriaWydatki");
    const auto kIle = c.Kolumna("Ile");
    const auto kIdKategoriaOszczednosci = c.Kolumna("IdKategoriaOszczednosci");
    const auto kData = c.Kolumna("Data");
    const auto kIdOsoba = c.Kolumna("IdOsoba");
    const auto kKomentarz = c.Kolumna("Komentarz");
    const auto kZlecenieStale = c.Kolumna("ZlecenieStale");
    const auto kZalacznik = c.Kolumna("Zalacznik");
    lista.reserve(c.IloscWierszy());
    c.PrzejdzWiersze(TKierunek::OdOstatniego, [&] {
        const auto id = c.Calkowita<int32_t>(kId);
        const auto idKategoriaWydatki = c.Calkowita<int32_t>(kIdKategoriaWydatki);
        const double ile = c.Liczba(kIle);
        const auto idKategoriaOszczednosci = c.Calkowita<int32_t>(kIdKategoriaOszczednosci);
        const TDateTime data = c.Data(kData);
        const auto idOsoba = c.Calkowita<int32_t>(kIdOsoba);
        std::string komentarz = c.Tekst(kKomentarz);
        const bool zlecenieStale = c.TakNie(kZlecenieStale);
        std::string zalacznik = c.Tekst(kZalacznik);
        lista.push_back(std::make_unique<TWydatek>(id, idKategoriaWydatki, ile, idKategoriaOszczednosci, data,
                                                   idOsoba, std::move(komentarz), TTypModyfikacji::BezZmian,
                                                   std::move(zalacznik), zlecenieStale));
    });
    return lista;
}

TListaRekordow<TPrzychod> CzytajPrzychody(TSQLiteTable& wynik, std::string_view nazwaTabeli)
{
    TListaRekordow<TPrzychod> lista;
    TCzytnikWierszy c(wynik, nazwaTabeli);
    if (c.IloscWierszy() == 0)
        return lista;
    const auto kId = c.Kolumna("Id");
    const auto kIdKategoriaPrzychody = c.Kolumna("IdKategoriaPrzychody");
    const auto kIle = c.Kolumna("Ile");
    const auto kIdKategoriaOszczednosci = c.Kolumna("IdKategoriaOszczednosci");
    const auto kData = c.Kolumna("Data");
    const auto kIdOsoba = c.Kolumna("IdOsoba");
    const auto kKomentarz = c.Kolumna("Komentarz");
    const auto kZlecenieStale = c.Kolumna("ZlecenieStale");
    lista.reserve(c.IloscWierszy());
    c.PrzejdzWiersze(TKierunek::OdOstatniego, [&] {
        const auto id = c.Calkowita<int32_t>(kId);
        const auto idKategoriaPrzychody = c.Calkowita<int32_t>(kIdKategoriaPrzychody);
        const double ile = c.Liczba(kIle);
        const auto idKategoriaOszczednosci = c.Calkowita<int32_t>(kIdKategoriaOszczednosci);
        const TDateTime data = c.Data(kData);
        const auto idOsoba = c.Calkowita<int32_t>(kIdOsoba);
        std::string komentarz = c.Tekst(kKomentarz);
        const bool zlecenieStale = c.TakNie(kZlecenieStale);
        lista.push_back(std::make_unique<TPrzychod>(id, idKategoriaPrzychody, ile, idKategoriaOszczednosci, data,
                                                    idOsoba, std::move(komentarz), TTypModyfikacji::BezZmian,
                                                    zlecenieStale));
    });
    return lista;
}

TListaRekordow<TOszczednosc> CzytajOszczednosci(TSQLiteTable& wynik, std::string_view nazwaTabeli,
                                               const TListaRekordow<TKategoriaOszczednosci>& kategorie)
{
    TListaRekordow<TOszczednosc> lista;
    TCzytnikWierszy c(wynik, nazwaTabeli);
    if (c.IloscWierszy() == 0)
        return lista;
    // The weights once, the first category of an id winning as in the lookup by id.
    std::unordered_map<int32_t, uint32_t> wagi;
    for (const auto& kategoria : kategorie)
        wagi.try_emplace(kategoria->Id(), kategoria->Waga());

    const auto kId = c.Kolumna("Id");
    const auto kIdKategoriaOszczednosci = c.Kolumna("IdKategoriaOszczednosci");
    const auto kIle = c.Kolumna("Ile");
    const auto kData = c.Kolumna("Data");
    const auto kKomentarz = c.Kolumna("Komentarz");
    const auto kTypOszczednosci = c.Kolumna("TypOszczednosci");
    lista.reserve(c.IloscWierszy());
    c.PrzejdzWiersze(TKierunek::OdPierwszego, [&] {
        const auto id = c.Calkowita<int32_t>(kId);
        const auto idKategoriaOszczednosci = c.Calkowita<int32_t>(kIdKategoriaOszczednosci);
        const double ile = c.Liczba(kIle);
        const TDateTime data = c.Data(kData);
        std::string komentarz = c.Tekst(kKomentarz);
        const auto waga = wagi.find(idKategoriaOszczednosci);
        const auto typ = c.Calkowita<uint8_t>(kTypOszczednosci);
        auto oszczednosc = std::make_unique<TOszczednosc>(id, idKategoriaOszczednosci, ile, data, std::move(komentarz),
                                                          typ, TTypModyfikacji::BezZmian);
        oszczednosc->SetWagaIdKatOszczednosci(waga == wagi.end() ? 0 : waga->second);
        lista.push_back(std::move(oszczednosc));
    });
    return lista;
}

TListaRekordow<THistoriaPrzelewu> CzytajHistoriePrzelewow(TSQLiteTable& wynik, std::string_view nazwaTabeli)
{
    TListaRekordow<THistoriaPrzelewu> lista;
    TCzytnikWierszy c(wynik, nazwaTabeli);
    if (c.IloscWierszy() == 0)
        return lista;
    const auto kIle = c.Kolumna("Ile");
    const auto kFrom = c.Kolumna("IdKategoriaOszczednosciFrom");
    const auto kTo = c.Kolumna("IdKategoriaOszczednosciTo");
    const auto kData = c.Kolumna("Data");
    const auto kKomentarz = c.Kolumna("Komentarz");
    const auto kId = c.Kolumna("Id");
    lista.reserve(c.IloscWierszy());
    c.PrzejdzWiersze(TKierunek::OdPierwszego, [&] {
        const double ile = c.Liczba(kIle);
        const auto from = c.Calkowita<int32_t>(kFrom);
        const auto to = c.Calkowita<int32_t>(kTo);
        const TDateTime data = c.Data(kData);
        std::string komentarz = c.Tekst(kKomentarz);
        const auto id = c.Calkowita<int32_t>(kId);
        lista.push_back(std::make_unique<THistoriaPrzelewu>(id, ile, from, to, data, std::move(komentarz),
                                                            TTypModyfikacji::BezZmian));
    });
    return lista;
}

TListaRekordow<TStanOszczednosci> CzytajStanyOszczednosci(TSQLiteTable& wynik, std::string_view nazwaTabeli)
{
    TListaRekordow<TStanOszczednosci> lista;
    TCzytnikWierszy c(wynik, nazwaTabeli);
    if (c.IloscWierszy() == 0)
        return lista;
    const auto kStan = c.Kolumna("Stan");
    const auto kData = c.Kolumna("Data");
    const auto kId = c.Kolumna("Id");
    lista.reserve(c.IloscWierszy());
    c.PrzejdzWiersze(TKierunek::OdPierwszego, [&] {
        const double stan = c.Liczba(kStan);
        const TDateTime data = c.Data(kData);
        const auto id = c.Calkowita<int32_t>(kId);
        lista.push_back(std::make_unique<TStanOszczednosci>(id, stan, data, TTypModyfikacji::BezZmian));
    });
    return lista;
}
