#include "records/ZlecenieStale.h"

#include <cmath>
#include <limits>

#include "common/FunkcjeWspolne.h"
#include "common/Platforma.h"
#include "common/Wyjatki.h"

namespace {

struct TOpisCzestotliwosci {
    TCzestotliwosc Wartosc;
    const char* Etykieta;
};

// In ordinal order; the frequency table is filled in this order.
constexpr TOpisCzestotliwosci OpisyCzestotliwosci[] = {
    {TCzestotliwosc::Nigdy, "Nigdy"},
    {TCzestotliwosc::Codziennie, "Codziennie"},
    {TCzestotliwosc::CoTydzien, "Co tydzień"},
    {TCzestotliwosc::CoMiesiac, "Co miesiąc"},
    {TCzestotliwosc::CoDwaMiesiace, "Co dwa miesiące"},
    {TCzestotliwosc::CoKwartal, "Co kwartał"},
    {TCzestotliwosc::CoPolRoku, "Co pół roku"},
    {TCzestotliwosc::CoRok, "Co rok"},
    {TCzestotliwosc::UruchamianeRecznie, "Uruchamiane ręcznie"},
};

}  // namespace

std::vector<std::pair<int, std::string>> EtykietyCzestotliwosci()
{
    std::vector<std::pair<int, std::string>> wynik;
    wynik.reserve(std::size(OpisyCzestotliwosci));
    for (const TOpisCzestotliwosci& opis : OpisyCzestotliwosci)
        wynik.emplace_back(static_cast<int>(opis.Wartosc), opis.Etykieta);
    return wynik;
}

std::string CzestotliwoscNaTekst(TCzestotliwosc czestotliwosc)
{
    for (const TOpisCzestotliwosci& opis : OpisyCzestotliwosci)
        if (opis.Wartosc == czestotliwosc)
            return opis.Etykieta;
    throw EGrosiwoException("Item not found");
}

std::optional<TDateTime> NastepnyTerminCzestotliwosci(TCzestotliwosc czestotliwosc,
                                                      TDateTime data)
{
    switch (czestotliwosc) {
    case TCzestotliwosc::Codziennie:
        return DodajDni(1, data);
    case TCzestotliwosc::CoTydzien:
        return DodajDni(7, data);
    case TCzestotliwosc::CoMiesiac:
        return DodajMiesiace(1, data);
    case TCzestotliwosc::CoDwaMiesiace:
        return DodajMiesiace(2, data);
    case TCzestotliwosc::CoKwartal:
        return DodajMiesiace(3, data);
    case TCzestotliwosc::CoPolRoku:
        return DodajMiesiace(6, data);
    case TCzestotliwosc::CoRok:
        return DodajLata(1, data);
    default:
        return std::nullopt;
    }
}

int32_t IloscDniCzestotliwosci(TCzestotliwosc czestotliwosc, TDateTime data)
{
    if (czestotliwosc == TCzestotliwosc::UruchamianeRecznie)
        return IloscDniZleceniaUruchamianegoRecznie;
    const std::optional<TDateTime> nastepny = NastepnyTerminCzestotliwosci(czestotliwosc, data);
    if (!nastepny)
        return 0;
    // The step keeps the time of day, so the span is whole days up to binary noise.
    return static_cast<int32_t>(std::lround(*nastepny - data));
}

TZlecenieStale::TZlecenieStale()
{
    Clear();
}

void TZlecenieStale::Clear()
{
    fId = -1;
    fNazwa.clear();
    fKwota = 0;
    fCzestotliwosc = TCzestotliwosc::Nigdy;
    fTypZleceniaStalego = -1;
    fData = Teraz();
    fAktywne = false;
    fKomentarz.clear();
    fZmiany = TTypModyfikacji::BezZmian;
}

std::string TZlecenieStale::CzestotliwoscString() const
{
    return CzestotliwoscNaTekst(fCzestotliwosc);
}

int32_t TZlecenieStale::CzestotliwoscIloscDni() const
{
    return IloscDniCzestotliwosci(fCzestotliwosc, fData);
}

std::string TZlecenieStale::TypZleceniaStalegoStr() const
{
    // The order type uses the numbers and texts of the plan kind.
    return TypPlanuNaTekst(static_cast<TTypPlanu>(fTypZleceniaStalego));
}

bool TZlecenieStale::KwotaMozeUlecZmianie() const
{
    return fKwota == -1;
}

TDateTime TZlecenieStale::PobierzDateDodaniaTegoZleceniaDoBazy() const
{
    const TSkladnikiDaty teraz = DekodujDateCzas(Teraz());
    const TDateTime dzien = SamaData(fData) + KodujCzas(teraz.Godzina, teraz.Minuta, teraz.Sekunda);
    return dzien + CzestotliwoscIloscDni();
}

double TZlecenieStale::PobierzIloscDniDoWykonania(
    const TZlecenieStale* ostatnioWykonaneZlecenieTegoTypu) const
{
    if (ostatnioWykonaneZlecenieTegoTypu == nullptr)
        return std::numeric_limits<double>::quiet_NaN();
    if (fCzestotliwosc == TCzestotliwosc::Nigdy ||
        fCzestotliwosc == TCzestotliwosc::UruchamianeRecznie)
        return std::numeric_limits<double>::infinity();
    const TDateTime termin = ostatnioWykonaneZlecenieTegoTypu->PobierzDateDodaniaTegoZleceniaDoBazy();
    const TDateTime teraz = Teraz();
    const double dni = ZaokraglijDo(-2, std::fabs(teraz - termin));
    return teraz > termin ? -dni : dni;
}
