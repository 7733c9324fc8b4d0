// Readers of the standing orders and of their executions (both held as TZlecenieStale).
#include <memory>
#include <utility>

#include "database/Czytniki.h"
#include "database/CzytnikWierszy.h"
#include "records/ZlecenieStale.h"

using TKierunek = TCzytnikWierszy::TKierunek;

TListaRekordow<TZlecenieStale> CzytajZleceniaStale(TSQLiteTable& wynik, std::string_view nazwaTabeli)
{
    TListaRekordow<TZlecenieStale> lista;
    TCzytnikWierszy c(wynik, nazwaTabeli);
    if (c.IloscWierszy() == 0)
        return lista;
    const auto kId = c.Kolumna("Id");
    const auto kIdKategorii = c.Kolumna("IdKategorii");
    const auto kIdOszczednosci = c.Kolumna("IdOszczednosci");
    const auto kNazwa = c.Kolumna("Nazwa");
    const auto kKwota = c.Kolumna("Kwota");
    const auto kCzestotliwosc = c.Kolumna("Czestotliwosc");
    const auto kTyp = c.Kolumna("TypZleceniaStalego");
    const auto kData = c.Kolumna("Data");
    const auto kAktywne = c.Kolumna("Aktywne");
    lista.reserve(c.IloscWierszy());
    c.PrzejdzWiersze(TKierunek::OdPierwszego, [&] {
        auto zlecenie = std::make_unique<TZlecenieStale>();
        zlecenie->SetId(c.Calkowita<int32_t>(kId));
        zlecenie->SetIdKategorii(c.Calkowita<int32_t>(kIdKategorii));
        zlecenie->SetIdOszczednosci(c.Calkowita<int32_t>(kIdOszczednosci));
        zlecenie->SetNazwa(c.Tekst(kNazwa));
        zlecenie->SetKwota(c.Liczba(kKwota));
        zlecenie->SetCzestotliwosc(c.Calkowita<TCzestotliwosc>(kCzestotliwosc));
        zlecenie->SetTypZleceniaStalego(c.Calkowita<int8_t>(kTyp));
        zlecenie->SetData(c.Data(kData));
        zlecenie->SetAktywne(c.TakNie(kAktywne));
        zlecenie->SetZmiany(TTypModyfikacji::BezZmian);
        lista.push_back(std::move(zlecenie));
    });
    return lista;
}

TListaRekordow<TZlecenieStale> CzytajHistorieZlecenStalych(TSQLiteTable& wynik, std::string_view nazwaTabeli)
{
    TListaRekordow<TZlecenieStale> lista;
    TCzytnikWierszy c(wynik, nazwaTabeli);
    if (c.IloscWierszy() == 0)
        return lista;
    const auto kId = c.Kolumna("Id");
    const auto kIdKategorii = c.Kolumna("IdKategorii");
    const auto kIdZleceniaStalego = c.Kolumna("IdZleceniaStalego");
    const auto kIdOszczednosci = c.Kolumna("IdOszczednosci");
    const auto kKwota = c.Kolumna("Kwota");
    const auto kCzestotliwosc = c.Kolumna("Czestotliwosc");
    const auto kTyp = c.Kolumna("TypZleceniaStalego");
    const auto kData = c.Kolumna("Data");
    const auto kKomentarz = c.Kolumna("Komentarz");
    const auto kIdOsoba = c.Kolumna("IdOsoba");
    lista.reserve(c.IloscWierszy());
    c.PrzejdzWiersze(TKierunek::OdPierwszego, [&] {
        auto wykonanie = std::make_unique<TZlecenieStale>();
        wykonanie->SetId(c.Calkowita<int32_t>(kId));
        wykonanie->SetIdKategorii(c.Calkowita<int32_t>(kIdKategorii));
        wykonanie->SetIdZleceniaStalego(c.Calkowita<int32_t>(kIdZleceniaStalego));
        wykonanie->SetIdOszczednosci(c.Calkowita<int32_t>(kIdOszczednosci));
        wykonanie->SetKwota(c.Liczba(kKwota));
        wykonanie->SetCzestotliwosc(c.Calkowita<TCzestotliwosc>(kCzestotliwosc));
        wykonanie->SetTypZleceniaStalego(c.Calkowita<int8_t>(kTyp));
        wykonanie->SetData(c.Data(kData));
        wykonanie->SetKomentarz(c.Tekst(kKomentarz));
        wykonanie->SetIdOsoba(c.Calkowita<int32_t>(kIdOsoba));
        wykonanie->SetZmiany(TTypModyfikacji::BezZmian);
        lista.push_back(std::move(wykonanie));
    });
    return lista;
}
