// How the expenses and incomes spread over the days of the week.
#include <array>
#include <optional>
#include <string>

#include "collections/KolekcjeDanych.h"
#include "common/Wyjatki.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "statistics/Analiza.h"
#include "statistics/MiesiaceRekordow.h"
#include "statistics/RankingPar.h"

namespace {

using analiza::TBezFiltra;
using analiza::TFiltrMiesiaca;
using analiza::TFiltrRoku;

enum class TWartoscDnia { Kwota, Ilosc };

// 1 = Sunday .. 7 = Saturday; nullopt for a date outside the calendar.
std::optional<int> DzienTygodniaRekordu(TDateTime data)
{
    try {
        return DzienTygodnia(data);
    } catch (const EGrosiwoException&) {
        return std::nullopt;
    }
}

// lista nullptr: no collections.
template <typename T, typename FFiltr>
TListaPar RozkladNaDniTygodnia(const TListaRekordow<T>* lista, TWartoscDnia wartosc, FFiltr filtr)
{
    TListaPar wynik;
    if (!lista)
        return wynik;
    std::array<std::optional<double>, 7> sumy;  // a weekday seen first starts at its value
    for (const auto& rekord : *lista) {
        if (!filtr(rekord->Data()))
            continue;
        const auto dzien = DzienTygodniaRekordu(rekord->Data());
        if (!dzien)
            continue;
        const double dodawana = wartosc == TWartoscDnia::Kwota ? rekord->Ile() : 1.0;
        auto& suma = sumy[static_cast<size_t>(*dzien - 1)];
        suma = suma ? *suma + dodawana : dodawana;
    }
    for (size_t i = 0; i < sumy.size(); ++i)
        if (sumy[i])
            wynik.push_back({static_cast<int32_t>(i + 1), *sumy[i]});
    analiza::PosortujRanking(wynik, [](const TPara& a, const TPara& b) { return a.Klucz - b.Klucz; });
    return wynik;
}

const TListaRekordow<TWydatek>* Wydatki(const TKolekcjeDanych* k)
{
    return k ? &k->Wydatki() : nullptr;
}

const TListaRekordow<TPrzychod>* Przychody(const TKolekcjeDanych* k)
{
    return k ? &k->Przychody() : nullptr;
}

}  // namespace

TListaPar TAnaliza::KwotaWydatkowNaDzienTygodnia() const
{
    return RozkladNaDniTygodnia(Wydatki(fKolekcje), TWartoscDnia::Kwota, TBezFiltra());
}

TListaPar TAnaliza::IloscWydatkowNaDzienTygodnia() const
{
    return RozkladNaDniTygodnia(Wydatki(fKolekcje), TWartoscDnia::Ilosc, TBezFiltra());
}

TListaPar TAnaliza::KwotaPrzychodowNaDzienTygodnia() const
{
    return RozkladNaDniTygodnia(Przychody(fKolekcje), TWartoscDnia::Kwota, TBezFiltra());
}

TListaPar TAnaliza::IloscPrzychodowNaDzienTygodnia() const
{
    return RozkladNaDniTygodnia(Przychody(fKolekcje), TWartoscDnia::Ilosc, TBezFiltra());
}

TListaPar TAnaliza::PobierzKwoteWydatkowNaDzienTygodniaWRoku(uint16_t rok) const
{
    return RozkladNaDniTygodnia(Wydatki(fKolekcje), TWartoscDnia::Kwota, TFiltrRoku(rok));
}

TListaPar TAnaliza::PobierzIloscWydatkowNaDzienTygodniaWRoku(uint16_t rok) const
{
    return RozkladNaDniTygodnia(Wydatki(fKolekcje), TWartoscDnia::Ilosc, TFiltrRoku(rok));
}

TListaPar TAnaliza::PobierzKwoteWydatkowNaDzienTygodniaWMiesiacu(const std::string& miesiac) const
{
    return RozkladNaDniTygodnia(Wydatki(fKolekcje), TWartoscDnia::Kwota, TFiltrMiesiaca(miesiac));
}

TListaPar TAnaliza::PobierzIloscWydatkowNaDzienTygodniaWMiesiacu(const std::string& miesiac) const
{
    return RozkladNaDniTygodnia(Wydatki(fKolekcje), TWartoscDnia::Ilosc, TFiltrMiesiaca(miesiac));
}
