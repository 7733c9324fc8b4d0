// Readers of the user's bank deposits and of the banks' deposit offers.
#include <memory>
#include <utility>

#include "database/Czytniki.h"
#include "database/CzytnikWierszy.h"
#include "records/HarmonogramLokatyBankowej.h"
#include "records/Lokata.h"

using TKierunek = TCzytnikWierszy::TKierunek;

TListaRekordow<TLokata> CzytajLokaty(TSQLiteTable& wynik, std::string_view nazwaTabeli)
{
    TListaRekordow<TLokata> lista;
    TCzytnikWierszy c(wynik, nazwaTabeli);
    if (c.IloscWierszy() == 0)
        return lista;
    const auto kId = c.Kolumna("Id");
    const auto kNazwa = c.Kolumna("Nazwa");
    const auto kKwota = c.Kolumna("Kwota");
    const auto kDataRozpoczecia = c.Kolumna("DataRozpoczecia");
    const auto kOkresLokaty = c.Kolumna("OkresLokaty");
    const auto kJednostkaLokaty = c.Kolumna("JednostkaLokaty");
    const auto kIdHarmonogramLokaty = c.Kolumna("IdHarmonogramLokaty");
    const auto kAktywna = c.Kolumna("Aktywna");
    lista.reserve(c.IloscWierszy());
    c.PrzejdzWiersze(TKierunek::OdPierwszego, [&] {
        const auto id = c.Calkowita<int32_t>(kId);
        std::string nazwa = c.Tekst(kNazwa);
        const double kwota = c.Liczba(kKwota);
        const TDateTime dataRozpoczecia = SamaData(c.Data(kDataRozpoczecia));
        const auto okresLokaty = c.Calkowita<uint16_t>(kOkresLokaty);
        const auto jednostkaLokaty = c.Calkowita<TJednostkaOkresu>(kJednostkaLokaty);
        const auto idHarmonogramLokaty = c.Calkowita<int32_t>(kIdHarmonogramLokaty);
        const bool aktywna = c.TakNie(kAktywna);
        lista.push_back(std::make_unique<TLokata>(id, std::move(nazwa), kwota, dataRozpoczecia, okresLokaty,
                                                  jednostkaLokaty, idHarmonogramLokaty, aktywna,
                                                  TTypModyfikacji::BezZmian));
    });
    return lista;
}

TListaRekordow<THarmonogramLokatyBankowej> CzytajHarmonogramyLokat(TSQLiteTable& wynik,
                                                                   std::string_view nazwaTabeli)
{
    TListaRekordow<THarmonogramLokatyBankowej> lista;
    TCzytnikWierszy c(wynik, nazwaTabeli);
    if (c.IloscWierszy() == 0)
        return lista;
    const auto kId = c.Kolumna("Id");
    const auto kNazwa = c.Kolumna("Nazwa");
    const auto kBank = c.Kolumna("Bank");
    const auto kOkresDepozytu = c.Kolumna("OkresDepozytu");
    const auto kOprocentowanieStale = c.Kolumna("OprocentowanieStaleWCalymOkresieLokaty");
    const auto kWymaganeKonto = c.Kolumna("WymaganeKontoOsobisteWTymBanku");
    const auto kMozliwoscZerwania = c.Kolumna("MozliwoscWczesniejszegoZerwaniaLokaty");
    const auto kWarunkiZerwania = c.Kolumna("WarunkiWczesniejszegoZerwaniaLokaty");
    const auto kPozostaleInformacje = c.Kolumna("PozostaleInformacje");
    const auto kDataDodania = c.Kolumna("DataDodania");
    const auto kJednostkaDepozytu = c.Kolumna("JednostkaDepozytu");
    const auto kKapitalizacja = c.Kolumna("Kapitalizacja");
    const auto kOprocentowanie = c.Kolumna("OprocentowanieWSkaliRoku");
    const auto kKwotaMinimalna = c.Kolumna("KwotaMinimalna");
    const auto kKwotaMaksymalna = c.Kolumna("KwotaMaksymalna");
    const auto kDodanyPrzezUzytkownika = c.Kolumna("HarmonogramDodanyPrzezUzytkownika");
    lista.reserve(c.IloscWierszy());
    c.PrzejdzWiersze(TKierunek::OdPierwszego, [&] {
        auto h = std::make_unique<THarmonogramLokatyBankowej>();
        h->SetId(c.Calkowita<int32_t>(kId));
        h->SetNazwaHarmonogramu(c.Tekst(kNazwa));
        h->SetBank(c.Tekst(kBank));
        h->SetOkresDepozytu(c.Calkowita<uint32_t>(kOkresDepozytu));
        h->SetOprocentowanieStaleWCalymOkresieLokaty(c.TakNie(kOprocentowanieStale));
        h->SetWymaganeKontoOsobisteWTymBanku(c.TakNie(kWymaganeKonto));
        h->SetMozliwoscWczesniejszegoZerwaniaLokaty(c.TakNie(kMozliwoscZerwania));
        h->SetWarunkiWczesniejszegoZerwaniaLokaty(c.Tekst(kWarunkiZerwania));
        h->SetPozostaleInformacje(c.Tekst(kPozostaleInformacje));
        h->SetDataDodaniaModyfikacji(c.Data(kDataDodania));
        h->SetJednostkaDepozytu(c.Calkowita<TJednostkaOkresu>(kJednostkaDepozytu));
        h->SetKapitalizacja(c.Calkowita<TKapitalizacja>(kKapitalizacja));
        h->SetOprocentowanieWSkaliRoku(c.Liczba(kOprocentowanie));
        h->SetKwotaMinimalna(c.Liczba(kKwotaMinimalna));
        h->SetKwotaMaksymalna(c.Liczba(kKwotaMaksymalna));
        h->SetHarmonogramDodanyPrzezUzytkownika(c.TakNie(kDodanyPrzezUzytkownika));
        h->SetZmiany(TTypModyfikacji::BezZmian);
        lista.push_back(std::move(h));
    });
    return lista;
}
