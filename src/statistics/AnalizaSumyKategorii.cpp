// One category's sums over the months or years, and the tables of them for every used
// expense category. The records are grouped once per (category, month) or (category, year),
// so a table costs records + categories x months, never categories x months x records.
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "collections/KolekcjeDanych.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "statistics/Analiza.h"
#include "statistics/MiesiaceRekordow.h"

namespace {

uint64_t KluczGrupy(int32_t idKategorii, int32_t okres)
{
    return (static_cast<uint64_t>(static_cast<uint32_t>(idKategorii)) << 32) | static_cast<uint32_t>(okres);
}

// Sums per (category, calendar month), each in list order, and the month number behind
// every month key met.
struct TSumyMiesiecy {
    std::unordered_map<uint64_t, double> Sumy;
    std::unordered_map<std::string, int32_t> NumeryKluczy;

    double Suma(int32_t idKategorii, const std::string& miesiac) const
    {
        // Keys of different months differ in more than letter case, so the key the
        // collections listed is found exactly.
        const auto numer = NumeryKluczy.find(miesiac);
        if (numer == NumeryKluczy.end())
            return 0;
        const auto suma = Sumy.find(KluczGrupy(idKategorii, numer->second));
        return suma == Sumy.end() ? 0 : suma->second;
    }
};

// rok 0: every year.
template <typename T, typename FId>
TSumyMiesiecy SumujMiesiace(const TListaRekordow<T>& lista, FId idKategorii, uint16_t rok)
{
    TSumyMiesiecy wynik;
    std::unordered_map<int32_t, bool> numery;
    analiza::TMiesiaceDat miesiace;
    for (const auto& rekord : lista) {
        const auto miesiac = miesiace(rekord->Data());
        if (!miesiac || (rok != 0 && miesiac->Rok != rok))
            continue;
        const int32_t numer = miesiac->Numer();
        wynik.Sumy[KluczGrupy(idKategorii(*rekord), numer)] += rekord->Ile();
        if (numery.try_emplace(numer, true).second)
            wynik.NumeryKluczy.try_emplace(analiza::KluczMiesiaca(numer), numer);
    }
    return wynik;
}

template <typename T, typename FId>
std::unordered_map<uint64_t, double> SumujLata(const TListaRekordow<T>& lista, FId idKategorii)
{
    std::unordered_map<uint64_t, double> sumy;
    analiza::TMiesiaceDat miesiace;
    for (const auto& rekord : lista)
        if (const auto miesiac = miesiace(rekord->Data()))
            sumy[KluczGrupy(idKategorii(*rekord), miesiac->Rok)] += rekord->Ile();
    return sumy;
}

double SumaLub0(const std::unordered_map<uint64_t, double>& sumy, uint64_t klucz)
{
    const auto suma = sumy.find(klucz);
    return suma == sumy.end() ? 0 : suma->second;
}

template <typename T, typename FId>
TMapaMiesiecy MiesiaceKategorii(const TListaRekordow<T>& lista, const TStringList& miesiace, FId idKategorii,
                                int32_t id)
{
    const TSumyMiesiecy sumy = SumujMiesiace(lista, idKategorii, 0);
    TMapaMiesiecy wynik;
    for (const std::string& miesiac : miesiace)
        wynik.emplace(miesiac, sumy.Suma(id, miesiac));
    return wynik;
}

const auto IdKategoriiWydatku = [](const TWydatek& w) { return w.IdKategoriaWydatki(); };
const auto IdKategoriiPrzychodu = [](const TPrzychod& p) { return p.IdKategoriaPrzychody(); };

}  // namespace

TMapaMiesiecy TAnaliza::PobierzWydatkiWMiesiacuDlaOkreslonejKategorii(int32_t idKategorii)
{
    if (!fKolekcje)
        return {};
    const TStringList miesiace = fKolekcje->PobierzNazwyMiesiecyZKolekcji(TTabele::Wydatki, 0);
    return MiesiaceKategorii(fKolekcje->Wydatki(), miesiace, IdKategoriiWydatku, idKategorii);
}

TMapaMiesiecy TAnaliza::PobierzPrzychodyWMiesiacuDlaOkreslonejKategorii(int32_t idKategorii)
{
    if (!fKolekcje)
        return {};
    const TStringList miesiace = fKolekcje->PobierzNazwyMiesiecyZKolekcji(TTabele::Przychody, 0);
    return MiesiaceKategorii(fKolekcje->Przychody(), miesiace, IdKategoriiPrzychodu, idKategorii);
}

TMapaLat TAnaliza::PobierzWydatkiWRokuDlaOkreslonejKategorii(int32_t idKategorii)
{
    if (!fKolekcje)
        return {};
    const std::vector<uint16_t> lata = fKolekcje->PobierzLataZKolekcji(TTabele::Wydatki);
    const auto sumy = SumujLata(fKolekcje->Wydatki(), IdKategoriiWydatku);
    TMapaLat wynik;
    for (const uint16_t rok : lata)
        wynik.emplace(rok, SumaLub0(sumy, KluczGrupy(idKategorii, rok)));
    return wynik;
}

TTabelaMiesiecyKategorii TAnaliza::TabelaMiesiecy(uint16_t rok)
{
    TTabelaMiesiecyKategorii wynik;
    if (!fKolekcje)
        return wynik;
    // The ids in the list's order before the month list sorts it.
    const TIntegerList idy = UzyteIDWydatkow();
    const TStringList miesiace = fKolekcje->PobierzNazwyMiesiecyZKolekcji(TTabele::Wydatki, rok);
    const TSumyMiesiecy sumy = SumujMiesiace(fKolekcje->Wydatki(), IdKategoriiWydatku, rok);
    wynik.reserve(static_cast<size_t>(idy.Count()) * miesiace.size());
    for (const int32_t id : idy)
        for (const std::string& miesiac : miesiace)
            wynik.push_back(std::make_unique<TWydatekNaMiesiacDlaIDKategorii>(id, miesiac, sumy.Suma(id, miesiac)));
    return wynik;
}

TTabelaMiesiecyKategorii TAnaliza::WydatkiDlaKategoriiWMiesiacu()
{
    return TabelaMiesiecy(0);
}

TTabelaMiesiecyKategorii TAnaliza::PobierzWydatkiDlaKategoriiWMiesiacuNaRok(uint16_t rok)
{
    return TabelaMiesiecy(rok);
}

TTabelaLatKategorii TAnaliza::WydatkiDlaKategoriiWRoku()
{
    TTabelaLatKategorii wynik;
    if (!fKolekcje)
        return wynik;
    const TIntegerList idy = UzyteIDWydatkow();
    const std::vector<uint16_t> lata = fKolekcje->PobierzLataZKolekcji(TTabele::Wydatki);
    const auto sumy = SumujLata(fKolekcje->Wydatki(), IdKategoriiWydatku);
    wynik.reserve(static_cast<size_t>(idy.Count()) * lata.size());
    for (const int32_t id : idy)
        for (const uint16_t rok : lata)
            wynik.push_back(std::make_unique<TWydatekNaRokDlaIDKategorii>(id, rok, SumaLub0(sumy, KluczGrupy(id, rok))));
    return wynik;
}
