// Readers of the planned payments and of the spending limits.
#include <memory>
#include <utility>

#include "database/Czytniki.h"
#include "database/CzytnikWierszy.h"
#include "records/Ograniczenie.h"
#include "records/Plan.h"

using TKierunek = TCzytnikWierszy::TKierunek;

TListaRekordow<TPlan> CzytajPlany(TSQLiteTable& wynik, std::string_view nazwaTabeli)
{
    TListaRekordow<TPlan> lista;
    TCzytnikWierszy c(wynik, nazwaTabeli);
    if (c.IloscWierszy() == 0)
        return lista;
    const auto kId = c.Kolumna("Id");
    const auto kNazwa = c.Kolumna("Nazwa");
    const auto kKwota = c.Kolumna("Kwota");
    const auto kIdKategorii = c.Kolumna("IdKategorii");
    const auto kWykonany = c.Kolumna("Wykonany");
    const auto kDodanyDoKolekcji = c.Kolumna("DodanyDoKolekcji");
    const auto kTypPlanu = c.Kolumna("TypPlanu");
    const auto kData = c.Kolumna("Data");
    const auto kKomentarz = c.Kolumna("Komentarz");
    lista.reserve(c.IloscWierszy());
    c.PrzejdzWiersze(TKierunek::OdPierwszego, [&] {
        const auto id = c.Calkowita<int32_t>(kId);
        std::string nazwa = c.Tekst(kNazwa);
        const double kwota = c.Liczba(kKwota);
        const auto idKategorii = c.Calkowita<int32_t>(kIdKategorii);
        const bool wykonany = c.TakNie(kWykonany);
        const bool dodanyDoKolekcji = c.TakNie(kDodanyDoKolekcji);
        const auto typPlanu = c.Calkowita<TTypPlanu>(kTypPlanu);
        const TDateTime data = c.Data(kData);
        std::string komentarz = c.Tekst(kKomentarz);
        auto plan = std::make_unique<TPlan>(id, std::move(nazwa), idKategorii, kwota, data, std::move(komentarz),
                                            TTypModyfikacji::BezZmian, typPlanu);
        plan->SetWykonany(wykonany);
        plan->SetDodanyDoKolekcji(dodanyDoKolekcji);
        lista.push_back(std::move(plan));
    });
    return lista;
}

TListaRekordow<TOgraniczenie> CzytajOgraniczenia(TSQLiteTable& wynik, std::string_view nazwaTabeli)
{
    TListaRekordow<TOgraniczenie> lista;
    TCzytnikWierszy c(wynik, nazwaTabeli);
    if (c.IloscWierszy() == 0)
        return lista;
    const auto kId = c.Kolumna("Id");
    const auto kIdKategoriiWydatku = c.Kolumna("IdKategoriiWydatku");
    const auto kMaxMiesiac = c.Kolumna("MaxMiesiac");
    const auto kMaxRok = c.Kolumna("MaxRok");
    const auto kData = c.Kolumna("Data");
    const auto kRokOgraniczenia = c.Kolumna("RokOgraniczenia");
    lista.reserve(c.IloscWierszy());
    c.PrzejdzWiersze(TKierunek::OdPierwszego, [&] {
        auto ograniczenie = std::make_unique<TOgraniczenie>();
        ograniczenie->SetId(c.Calkowita<int32_t>(kId));
        ograniczenie->SetIdKategoriiWydatku(c.Calkowita<int32_t>(kIdKategoriiWydatku));
        ograniczenie->SetMaxMiesiac(c.Liczba(kMaxMiesiac));
        ograniczenie->SetMaxRok(c.Liczba(kMaxRok));
        ograniczenie->SetData(c.Data(kData));
        ograniczenie->SetRokOgraniczenia(c.Calkowita<uint16_t>(kRokOgraniczenia));
        ograniczenie->SetZmiany(TTypModyfikacji::BezZmian);
        lista.push_back(std::move(ograniczenie));
    });
    return lista;
}
