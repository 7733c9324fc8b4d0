#include "records/HarmonogramLokatyBankowej.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "common/DaneRegionalne.h"
#include "common/FormatyTekstowe.h"
#include "common/Platforma.h"
#include "records/StrumienOferty.h"

namespace {

struct TFormySlowa {
    const char* Jeden;
    const char* Kilka;  // 2, 3, 4, 22, 23, 24, 32, ...
    const char* Wiele;  // 0, 5..21, 25..31, ...
};

// Only the counts 2 to 4 take the "kilka" form; offers received from elsewhere are shown
// with these words, so 22 weeks read "22 tygodni" as everywhere else in the application.
const char* FormaSlowa(uint32_t ile, const TFormySlowa& formy)
{
    if (ile == 1)
        return formy.Jeden;
    if (ile >= 2 && ile <= 4)
        return formy.Kilka;
    return formy.Wiele;
}

std::string FormatujProcent(double wartosc)
{
    const int potrzeba = std::snprintf(nullptr, 0, "%.2f", wartosc);
    std::string wynik(static_cast<size_t>(potrzeba) + 1, '\0');
    std::snprintf(wynik.data(), wynik.size(), "%.2f", wartosc);
    wynik.resize(static_cast<size_t>(potrzeba));
    std::replace(wynik.begin(), wynik.end(), '.', PolskiSeparatorDziesietny);
    return wynik;
}

// Days of a unit, saturated so that a length read from elsewhere cannot wrap around.
uint32_t Pomnoz(uint32_t ile, uint32_t mnoznik)
{
    const uint64_t wynik = static_cast<uint64_t>(ile) * mnoznik;
    return static_cast<uint32_t>(std::min<uint64_t>(wynik, std::numeric_limits<uint32_t>::max()));
}

}  // namespace

std::string OkresSlownie(uint32_t ile, TJednostkaOkresu jednostka)
{
    std::string wynik = std::to_string(ile);
    switch (jednostka) {
    case TJednostkaOkresu::Dni:
        if (ile != 0)
            wynik += ile == 1 ? " dzień" : " dni";
        break;
    case TJednostkaOkresu::Tygodnie:
        wynik += FormaSlowa(ile, {" tydzień", " tygodnie", " tygodni"});
        break;
    case TJednostkaOkresu::Miesiace:
        wynik += FormaSlowa(ile, {" miesiąc", " miesiące", " miesięcy"});
        break;
    case TJednostkaOkresu::Lata:
        wynik += FormaSlowa(ile, {" rok", " lata", " lat"});
        break;
    default:
        break;
    }
    return wynik;
}

THarmonogramLokatyBankowej::THarmonogramLokatyBankowej()
{
    Clear();
}

void THarmonogramLokatyBankowej::Clear()
{
    fId = -1;
    fNazwaHarmonogramu.clear();
    fBank.clear();
    fOkresDepozytu = 0;
    fJednostkaDepozytu = TJednostkaOkresu::Nieustawiona;
    fOprocentowanieStaleWCalymOkresieLokaty = false;
    fOprocentowanieWSkaliRoku = 0;
    fKapitalizacja = TKapitalizacja::Nieustawiona;
    fKwotaMinimalna = 0;
    fKwotaMaksymalna = 0;
    fWymaganeKontoOsobisteWTymBanku = false;
    fMozliwoscWczesniejszegoZerwaniaLokaty = false;
    fWarunkiWczesniejszegoZerwaniaLokaty.clear();
    fHarmonogramDodanyPrzezUzytkownika = false;
    fPozostaleInformacje.clear();
    fDataDodaniaModyfikacji = Teraz();
    fZmiany = TTypModyfikacji::BezZmian;
}

std::string THarmonogramLokatyBankowej::NazwaDepozytu() const
{
    switch (fJednostkaDepozytu) {
    case TJednostkaOkresu::Dni:
        return std::to_string(fOkresDepozytu) + "D";
    case TJednostkaOkresu::Tygodnie:
        return std::to_string(static_cast<uint64_t>(fOkresDepozytu) * 7) + "D";
    case TJednostkaOkresu::Miesiace:
        return std::to_string(fOkresDepozytu) + "M";
    case TJednostkaOkresu::Lata:
        return std::to_string(fOkresDepozytu) + "R";
    default:
        return {};
    }
}

std::string THarmonogramLokatyBankowej::NazwaWyswietlana() const
{
    return fNazwaHarmonogramu + " " + NazwaDepozytu();
}

std::string THarmonogramLokatyBankowej::BankNazwaOprocentowanie() const
{
    return fBank + " - " + NazwaWyswietlana() + " (" + FormatujProcent(fOprocentowanieWSkaliRoku) + "%)";
}

std::string THarmonogramLokatyBankowej::OkresLokaty() const
{
    return OkresSlownie(fOkresDepozytu, fJednostkaDepozytu);
}

uint32_t THarmonogramLokatyBankowej::OkresLokatyIloscDni() const
{
    switch (fJednostkaDepozytu) {
    case TJednostkaOkresu::Dni:
        return fOkresDepozytu;
    case TJednostkaOkresu::Tygodnie:
        return Pomnoz(fOkresDepozytu, 7);
    case TJednostkaOkresu::Miesiace:
        return Pomnoz(fOkresDepozytu, 30);
    case TJednostkaOkresu::Lata:
        return Pomnoz(fOkresDepozytu, 365);
    default:
        return fOkresDepozytu;
    }
}

std::string THarmonogramLokatyBankowej::KapitalizacjaNazwa() const
{
    switch (fKapitalizacja) {
    case TKapitalizacja::Dzienna:
        return "Dzienna";
    case TKapitalizacja::Miesieczna:
        return "Miesięczna";
    case TKapitalizacja::Roczna:
        return "Roczna";
    case TKapitalizacja::Kwartalna:
        return "Kwartalna";
    case TKapitalizacja::PoOkresieUmowy:
        return "Po okresie umowy";
    case TKapitalizacja::Polroczna:
        return "Półroczna";
    default:
        return "(brak danych)";
    }
}

uint32_t THarmonogramLokatyBankowej::KapitalizacjaCoIleDni() const
{
    switch (fKapitalizacja) {
    case TKapitalizacja::Dzienna:
        return 1;
    case TKapitalizacja::Miesieczna:
        return 30;
    case TKapitalizacja::Roczna:
        return 360;
    case TKapitalizacja::Kwartalna:
        return 90;
    case TKapitalizacja::PoOkresieUmowy:
        return OkresLokatyIloscDni();
    case TKapitalizacja::Polroczna:
        return 180;
    default:
        return 0;
    }
}

std::string THarmonogramLokatyBankowej::OprocentowanieStaleWCalymOkresieLokatyNazwa() const
{
    return fOprocentowanieStaleWCalymOkresieLokaty ? "Stałe" : "Zmienne";
}

std::string THarmonogramLokatyBankowej::WymaganeKontoOsobisteWTymBankuNazwa() const
{
    return fWymaganeKontoOsobisteWTymBanku ? "Wymagane" : "Niewymagane";
}

std::string THarmonogramLokatyBankowej::KwotaMinimalnaString() const
{
    return fKwotaMinimalna > 0 ? KwotaNaTekstWaluty(fKwotaMinimalna) : "(brak)";
}

std::string THarmonogramLokatyBankowej::KwotaMaksymalnaString() const
{
    return fKwotaMaksymalna > 0 ? KwotaNaTekstWaluty(fKwotaMaksymalna)
                                : "(brak górnego ograniczenia)";
}

namespace {

// A stored byte outside the enumeration's table is kept (the derived values answer
// neutrally for it); a number that does not even fit the byte means "not set".
template <typename TWyliczenie>
TWyliczenie WyliczenieZLiczby(int64_t wartosc, TWyliczenie nieustawiona)
{
    if (wartosc < std::numeric_limits<int8_t>::min() || wartosc > std::numeric_limits<int8_t>::max())
        return nieustawiona;
    return static_cast<TWyliczenie>(static_cast<int8_t>(wartosc));
}

}  // namespace

void THarmonogramLokatyBankowej::WriteToStream(TZapisStrumienia& writer) const
{
    writer.ZapiszPoczatekListy();
    writer.ZapiszTekst(fNazwaHarmonogramu);
    writer.ZapiszTekst(fBank);
    writer.ZapiszLiczbe(fOkresDepozytu);
    writer.ZapiszLiczbe(static_cast<int8_t>(fJednostkaDepozytu));
    writer.ZapiszLogiczna(fOprocentowanieStaleWCalymOkresieLokaty);
    writer.ZapiszZmiennoprzecinkowa(fOprocentowanieWSkaliRoku);
    writer.ZapiszLiczbe(static_cast<int8_t>(fKapitalizacja));
    writer.ZapiszZmiennoprzecinkowa(fKwotaMinimalna);
    writer.ZapiszZmiennoprzecinkowa(fKwotaMaksymalna);
    writer.ZapiszLogiczna(fWymaganeKontoOsobisteWTymBanku);
    writer.ZapiszLogiczna(fMozliwoscWczesniejszegoZerwaniaLokaty);
    writer.ZapiszLogiczna(fHarmonogramDodanyPrzezUzytkownika);
    writer.ZapiszTekst(fWarunkiWczesniejszegoZerwaniaLokaty);
    writer.ZapiszTekst(fPozostaleInformacje);
    writer.ZapiszKoniecListy();
}

void THarmonogramLokatyBankowej::ReadFromStream(TOdczytStrumienia& reader)
{
    reader.CzytajPoczatekListy();
    fNazwaHarmonogramu = reader.CzytajTekst();
    fBank = reader.CzytajTekst();
    const int64_t okres = reader.CzytajLiczbe();
    if (okres < 0 || okres > std::numeric_limits<uint32_t>::max())
        ZglosBladOdczytu("nieprawidłowy okres depozytu (" + std::to_string(okres) + ").");
    fOkresDepozytu = static_cast<uint32_t>(okres);
    fJednostkaDepozytu = WyliczenieZLiczby(reader.CzytajLiczbe(), TJednostkaOkresu::Nieustawiona);
    fOprocentowanieStaleWCalymOkresieLokaty = reader.CzytajLogiczna();
    fOprocentowanieWSkaliRoku = reader.CzytajZmiennoprzecinkowa();
    fKapitalizacja = WyliczenieZLiczby(reader.CzytajLiczbe(), TKapitalizacja::Nieustawiona);
    fKwotaMinimalna = reader.CzytajZmiennoprzecinkowa();
    fKwotaMaksymalna = reader.CzytajZmiennoprzecinkowa();
    fWymaganeKontoOsobisteWTymBanku = reader.CzytajLogiczna();
    fMozliwoscWczesniejszegoZerwaniaLokaty = reader.CzytajLogiczna();
    fHarmonogramDodanyPrzezUzytkownika = reader.CzytajLogiczna();
    fWarunkiWczesniejszegoZerwaniaLokaty = reader.CzytajTekst();
    fPozostaleInformacje = reader.CzytajTekst();
    reader.CzytajKoniecListy();
    fDataDodaniaModyfikacji = Teraz();
    fZmiany = TTypModyfikacji::Dodano;
}
