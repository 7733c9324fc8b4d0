// Readers of the category tables and of the persons.
#include <memory>
#include <utility>

#include "database/Czytniki.h"
#include "database/CzytnikWierszy.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Osoba.h"

using TKierunek = TCzytnikWierszy::TKierunek;

namespace {

// Expense and income categories share their columns.
template <typename TKategoria>
TListaRekordow<TKategoria> CzytajKategorie(TSQLiteTable& wynik, std::string_view nazwaTabeli)
{
    TListaRekordow<TKategoria> lista;
    TCzytnikWierszy c(wynik, nazwaTabeli);
    if (c.IloscWierszy() == 0)
        return lista;
    const auto kId = c.Kolumna("Id");
    const auto kOpis = c.Kolumna("Opis");
    const auto kUsuniety = c.Kolumna("Usuniety");
    const auto kWaga = c.Kolumna("Waga");
    lista.reserve(c.IloscWierszy());
    c.PrzejdzWiersze(TKierunek::OdPierwszego, [&] {
        auto kategoria = std::make_unique<TKategoria>();
        kategoria->SetId(c.Calkowita<int32_t>(kId));
        kategoria->SetOpis(c.Tekst(kOpis));
        kategoria->SetUsuniety(c.TakNie(kUsuniety));
        kategoria->SetWaga(c.Calkowita<uint32_t>(kWaga));
        lista.push_back(std::move(kategoria));
    });
    return lista;
}

}  // namespace

TListaRekordow<TKategoriaWydatki> CzytajKategorieWydatkow(TSQLiteTable& wynik, std::string_view nazwaTabeli)
{
    return CzytajKategorie<TKategoriaWydatki>(wynik, nazwaTabeli);
}

TListaRekordow<TKategoriaPrzychody> CzytajKategoriePrzychodow(TSQLiteTable& wynik, std::string_view nazwaTabeli)
{
    return CzytajKategorie<TKategoriaPrzychody>(wynik, nazwaTabeli);
}

TListaRekordow<TKategoriaOszczednosci> CzytajKategorieOszczednosci(TSQLiteTable& wynik,
                                                                   std::string_view nazwaTabeli)
{
    TListaRekordow<TKategoriaOszczednosci> lista;
    TCzytnikWierszy c(wynik, nazwaTabeli);
    if (c.IloscWierszy() == 0)
        return lista;
    const auto kId = c.Kolumna("Id");
    const auto kOpis = c.Kolumna("Opis");
    const auto kUsuniety = c.Kolumna("Usuniety");
    const auto kMoznaZaplacic = c.Kolumna("MoznaZaplacic");
    const auto kDlug = c.Kolumna("Dlug");
    const auto kWaga = c.Kolumna("Waga");
    lista.reserve(c.IloscWierszy());
    c.PrzejdzWiersze(TKierunek::OdPierwszego, [&] {
        auto kategoria = std::make_unique<TKategoriaOszczednosci>();
        kategoria->SetId(c.Calkowita<int32_t>(kId));
        kategoria->SetOpis(c.Tekst(kOpis));
        kategoria->SetUsuniety(c.TakNie(kUsuniety));
        kategoria->SetMoznaZaplacic(c.TakNie(kMoznaZaplacic));
        kategoria->SetCharakterDlugu(c.TakNie(kDlug));
        kategoria->SetWaga(c.Calkowita<uint32_t>(kWaga));
        lista.push_back(std::move(kategoria));
    });
    return lista;
}

TListaRekordow<TOsoba> CzytajOsoby(TSQLiteTable& wynik, std::string_view nazwaTabeli)
{
    TListaRekordow<TOsoba> lista;
    TCzytnikWierszy c(wynik, nazwaTabeli);
    if (c.IloscWierszy() == 0)
        return lista;
    const auto kId = c.Kolumna("Id");
    const auto kImie = c.Kolumna("Imie");
    const auto kNazwisko = c.Kolumna("Nazwisko");
    const auto kPseudonim = c.Kolumna("Pseudonim");
    const auto kAdres = c.Kolumna("Adres");
    const auto kTelefon = c.Kolumna("Telefon");
    const auto kWaga = c.Kolumna("Waga");
    const auto kUsuniety = c.Kolumna("Usuniety");
    lista.reserve(c.IloscWierszy());
    c.PrzejdzWiersze(TKierunek::OdPierwszego, [&] {
        auto osoba = std::make_unique<TOsoba>();
        osoba->SetId(c.Calkowita<int32_t>(kId));
        osoba->SetImie(c.Tekst(kImie));
        osoba->SetNazwisko(c.Tekst(kNazwisko));
        osoba->SetPseudonim(c.Tekst(kPseudonim));
        osoba->SetAdres(c.Tekst(kAdres));
        osoba->SetTelefon(c.Tekst(kTelefon));
        osoba->SetWaga(c.Calkowita<uint32_t>(kWaga));
        osoba->SetUsuniety(c.TakNie(kUsuniety));
        lista.push_back(std::move(osoba));
    });
    return lista;
}
