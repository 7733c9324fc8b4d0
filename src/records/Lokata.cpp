#include "records/Lokata.h"

#include <algorithm>
#include <cmath>

#include "common/FunkcjeWspolne.h"
#include "common/Platforma.h"

namespace {

constexpr double StawkaPodatku = 0.19;
constexpr double DniRokuOdsetkowego = 360;

// Whole currency units, an exact half to the even neighbour, whatever the FPU rounding mode.
double ZaokraglijDoCalychParzyscie(double x)
{
    if (std::fabs(x - std::trunc(x)) == 0.5)
        return 2.0 * std::round(x / 2.0);
    return std::round(x);
}

// Whole days of a non-negative span, saturated at the int32 range.
int32_t CaleDni(double dni)
{
    const double calkowite = std::trunc(dni);
    if (!(calkowite < static_cast<double>(IloscDniLokatyNieaktywnej)))
        return IloscDniLokatyNieaktywnej;
    return static_cast<int32_t>(std::max(0.0, calkowite));
}

// Days of a unit in the 30/360 convention of the profit; 0 when not set.
uint32_t DniJednostkiOdsetkowej(TJednostkaOkresu jednostka)
{
    switch (jednostka) {
    case TJednostkaOkresu::Dni:
        return 1;
    case TJednostkaOkresu::Tygodnie:
        return 7;
    case TJednostkaOkresu::Miesiace:
        return 30;
    case TJednostkaOkresu::Lata:
        return 360;
    default:
        return 0;
    }
}

struct TOkresyKapitalizacji {
    double DniOkresu;  // 0: interest once, for the whole deposit
    double IloscOkresow;
};

TOkresyKapitalizacji OkresyKapitalizacji(TKapitalizacja kapitalizacja, double dniLokaty)
{
    switch (kapitalizacja) {
    case TKapitalizacja::Dzienna:
        return {1, dniLokaty};
    case TKapitalizacja::Miesieczna:
        return {30, dniLokaty / 30};
    case TKapitalizacja::Kwartalna:
        return {90, dniLokaty / 90};
    case TKapitalizacja::Polroczna:
        return {180, dniLokaty / 180};
    case TKapitalizacja::Roczna:
        return {360, dniLokaty / 360};
    case TKapitalizacja::PoOkresieUmowy:
        return {0, 1};
    default:
        return {0, 0};
    }
}

}  // namespace

TLokata::TLokata()
{
    Clear();
}

TLokata::TLokata(int32_t id, std::string nazwa, double kwota, TDateTime dataRozpoczecia,
                 uint16_t okresLokaty, TJednostkaOkresu jednostkaLokaty, int32_t idHarmonogramLokaty,
                 bool aktywna, TTypModyfikacji zmiany)
    : TLokata()
{
    fId = id;
    fNazwa = std::move(nazwa);
    fKwota = kwota;
    fDataRozpoczecia = dataRozpoczecia;
    fOkresLokaty = okresLokaty;
    fJednostkaLokaty = jednostkaLokaty;
    fIdHarmonogramLokaty = idHarmonogramLokaty;
    fAktywna = aktywna;
    fZmiany = zmiany;
}

void TLokata::Clear()
{
    fId = -1;
    fNazwa.clear();
    fKwota = 0;
    fDataRozpoczecia = Teraz();
    fOkresLokaty = 0;
    fJednostkaLokaty = TJednostkaOkresu::Nieustawiona;
    fIdHarmonogramLokaty = -1;
    fAktywna = false;
    fZmiany = TTypModyfikacji::BezZmian;
}

TDateTime TLokata::SzacowanaDataZakonczenia() const
{
    switch (fJednostkaLokaty) {
    case TJednostkaOkresu::Dni:
        return DodajDni(fOkresLokaty, fDataRozpoczecia);
    case TJednostkaOkresu::Tygodnie:
        return DodajTygodnie(fOkresLokaty, fDataRozpoczecia);
    case TJednostkaOkresu::Miesiace:
        return DodajMiesiace(fOkresLokaty, fDataRozpoczecia);
    case TJednostkaOkresu::Lata:
        return DodajLata(fOkresLokaty, fDataRozpoczecia);
    default:
        return 0;
    }
}

uint32_t TLokata::OkresLokatyWDniach() const
{
    // Without a unit there is no end date, and the span to the zero date means nothing.
    if (DniJednostkiOdsetkowej(fJednostkaLokaty) == 0)
        return 0;
    // The calendar steps keep the time of day, so the span is whole days up to binary noise.
    return static_cast<uint32_t>(std::lround(std::fabs(SzacowanaDataZakonczenia() - fDataRozpoczecia)));
}

int32_t TLokata::IloscDniDoZakonczenia() const
{
    if (!fAktywna)
        return IloscDniLokatyNieaktywnej;
    const TDateTime koniec = SzacowanaDataZakonczenia();
    const TDateTime teraz = Teraz();
    if (PorownajDaty(teraz, koniec) < 0)
        return std::min(CaleDni(koniec - teraz), IloscDniLokatyNieaktywnej - 1) + 1;
    return -CaleDni(teraz - koniec);
}

bool TLokata::Zakonczona() const
{
    return !fAktywna || IloscDniDoZakonczenia() <= 0;
}

std::string TLokata::OkresLokatyString() const
{
    return OkresSlownie(fOkresLokaty, fJednostkaLokaty);
}

double TLokata::ObliczSzacowanyZyskZLokaty(THarmonogramLokatyBankowej* harmonogram) const
{
    if (harmonogram == nullptr)
        return 0;
    const double dniLokaty = static_cast<double>(fOkresLokaty) * DniJednostkiOdsetkowej(fJednostkaLokaty);
    const TOkresyKapitalizacji okresy = OkresyKapitalizacji(harmonogram->Kapitalizacja(), dniLokaty);
    harmonogram->SetIloscOkresowKapitalizacji(okresy.IloscOkresow);

    const double stopa = harmonogram->OprocentowanieWSkaliRoku() * 0.01;
    double kapital = fKwota;
    double zysk = 0;
    double dniMinione = 0;
    if (dniLokaty == 0)
        return 0;

    const double p = okresy.DniOkresu;
    while (dniMinione < dniLokaty) {
        double odsetkiBrutto = 0;
        if (p == 0) {
            odsetkiBrutto = dniLokaty * kapital * stopa / DniRokuOdsetkowego;
        } else {
            const double dniOkresu = dniMinione + p > dniLokaty ? dniLokaty - dniMinione : p;
            odsetkiBrutto = kapital * (dniOkresu / p) * p * stopa / DniRokuOdsetkowego;
        }
        // Both the tax base and the tax are whole currency units.
        const double podatek = ZaokraglijDoCalychParzyscie(ZaokraglijDoCalychParzyscie(odsetkiBrutto) * StawkaPodatku);
        const double odsetkiNetto = ZaokraglijDo(-2, odsetkiBrutto - podatek);
        // The bank capitalises the gross interest; the tax is taken from what is paid out.
        kapital += odsetkiBrutto;
        zysk += odsetkiNetto;
        if (p == 0)
            break;
        dniMinione += p;
    }
    return zysk;
}
