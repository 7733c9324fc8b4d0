#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "collections/KolekcjeDanych.h"
#include "records/HarmonogramLokatyBankowej.h"
#include "records/HistoriaPrzelewu.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Lokata.h"
#include "records/Osoba.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/Przychod.h"
#include "records/StanOszczednosci.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"
#include "support/TestPlatforma.h"

namespace {

constexpr TTypModyfikacji BezZmian = TTypModyfikacji::BezZmian;
const TDateTime PolMilisekundy = 0.5 * JednaMilisekunda;

template <typename T>
std::vector<int32_t> Idy(const TListaRekordow<T>& lista)
{
    std::vector<int32_t> idy;
    for (const auto& r : lista)
        idy.push_back(r->Id());
    return idy;
}

// A dated record of each kind, with the id and date given.
template <typename T>
std::unique_ptr<T> RekordZData(int32_t id, TDateTime data);

template <>
std::unique_ptr<TWydatek> RekordZData(int32_t id, TDateTime data)
{
    return std::make_unique<TWydatek>(id, 1, 10, 1, data, 1, "", BezZmian, "", false);
}
template <>
std::unique_ptr<TPrzychod> RekordZData(int32_t id, TDateTime data)
{
    return std::make_unique<TPrzychod>(id, 1, 10, 1, data, 1, "", BezZmian, false);
}
template <>
std::unique_ptr<TOszczednosc> RekordZData(int32_t id, TDateTime data)
{
    return std::make_unique<TOszczednosc>(id, 1, 10, data, "", 1, BezZmian);
}
template <>
std::unique_ptr<THistoriaPrzelewu> RekordZData(int32_t id, TDateTime data)
{
    return std::make_unique<THistoriaPrzelewu>(id, 10, 1, 2, data, "", BezZmian);
}
template <>
std::unique_ptr<TStanOszczednosci> RekordZData(int32_t id, TDateTime data)
{
    return std::make_unique<TStanOszczednosci>(id, 10, data, BezZmian);
}
template <>
std::unique_ptr<TPlan> RekordZData(int32_t id, TDateTime data)
{
    return std::make_unique<TPlan>(id, "Plan", 1, 10, data, "", BezZmian, TTypPlanu::Wydatek);
}
template <>
std::unique_ptr<TZlecenieStale> RekordZData(int32_t id, TDateTime data)
{
    auto z = std::make_unique<TZlecenieStale>();
    z->SetId(id);
    z->SetData(data);
    return z;
}

// ---- Date sorts: one table for every list and direction ----

const TDateTime D = KodujDateCzas(2013, 3, 15, 10, 30);

// Inserted in this order: 7 is half a millisecond before 4, so the two are equal by date
// and only the tie-break orders them; 2 is a day later, 9 a day earlier.
template <typename T>
void WypelnijDatami(TListaRekordow<T>& lista)
{
    lista.push_back(RekordZData<T>(7, D - PolMilisekundy));
    lista.push_back(RekordZData<T>(2, D + 1));
    lista.push_back(RekordZData<T>(4, D));
    lista.push_back(RekordZData<T>(9, D - 1));
}

const std::vector<int32_t> NajwczesniejIdRosnaco = {9, 4, 7, 2};
const std::vector<int32_t> NajpozniejIdMalejaco = {2, 7, 4, 9};
const std::vector<int32_t> NajpozniejIdRosnaco = {2, 4, 7, 9};

struct TSortowanieDat {
    const char* Nazwa;
    std::function<std::vector<int32_t>(TKolekcjeDanych&)> Wykonaj;
    std::vector<int32_t> Oczekiwane;
};

template <typename T>
TSortowanieDat SortowanieDat(const char* nazwa, TListaRekordow<T>& (TKolekcjeDanych::*lista)(),
                             void (TKolekcjeDanych::*sortuj)(), std::vector<int32_t> oczekiwane)
{
    return {nazwa,
            [lista, sortuj](TKolekcjeDanych& k) {
                WypelnijDatami((k.*lista)());
                (k.*sortuj)();
                return Idy((k.*lista)());
            },
            std::move(oczekiwane)};
}

class SortowanieDatTest : public testing::TestWithParam<TSortowanieDat> {
protected:
    TUstawionyZegar zegar{KodujDateCzas(2013, 5, 17, 12, 0)};
    TKolekcjeDanych k;
};

TEST_P(SortowanieDatTest, PorzadekZTabeli)
{
    EXPECT_EQ(GetParam().Wykonaj(k), GetParam().Oczekiwane);
}

using K = TKolekcjeDanych;
INSTANTIATE_TEST_SUITE_P(
    Listy, SortowanieDatTest,
    testing::Values(
        SortowanieDat<TWydatek>("PosortujWydatki", &K::Wydatki, &K::PosortujWydatki, NajpozniejIdMalejaco),
        SortowanieDat<TPrzychod>("PosortujPrzychody", &K::Przychody, &K::PosortujPrzychody, NajpozniejIdMalejaco),
        SortowanieDat<THistoriaPrzelewu>("PosortujHistoriePrzelewowPoDacieRosnaco", &K::HistoriaPrzelewow, &K::PosortujHistoriePrzelewowPoDacieRosnaco, NajwczesniejIdRosnaco),
        SortowanieDat<THistoriaPrzelewu>("PosortujHistoriePrzelewowPoDacieMalejaco", &K::HistoriaPrzelewow, &K::PosortujHistoriePrzelewowPoDacieMalejaco, NajpozniejIdMalejaco),
        // The names of the next seven say the opposite of the order.
        SortowanieDat<TWydatek>("PosortujWydatkiPoDacieMalejaco", &K::Wydatki, &K::PosortujWydatkiPoDacieMalejaco, NajwczesniejIdRosnaco),
        SortowanieDat<TWydatek>("PosortujWydatkiPoDacieRosnaco", &K::Wydatki, &K::PosortujWydatkiPoDacieRosnaco, NajpozniejIdMalejaco),
        SortowanieDat<TPrzychod>("PosortujPrzychodyPoDacieMalejaco", &K::Przychody, &K::PosortujPrzychodyPoDacieMalejaco, NajwczesniejIdRosnaco),
        SortowanieDat<TPrzychod>("PosortujPrzychodyPoDacieRosnaco", &K::Przychody, &K::PosortujPrzychodyPoDacieRosnaco, NajpozniejIdMalejaco),
        SortowanieDat<TOszczednosc>("PosortujOszczednosciPoDacieMalejaco", &K::Oszczednosci, &K::PosortujOszczednosciPoDacieMalejaco, NajwczesniejIdRosnaco),
        SortowanieDat<TPlan>("PosortujPlanyPoDacieMalejaco", &K::Plany, &K::PosortujPlanyPoDacieMalejaco, NajwczesniejIdRosnaco),
        SortowanieDat<TPlan>("PosortujPlanyPoDacieRosnaco", &K::Plany, &K::PosortujPlanyPoDacieRosnaco, NajpozniejIdMalejaco),
        SortowanieDat<TStanOszczednosci>("PosortujStanyOszczednosciPoDacieRosnaco", &K::StanyOszczednosci, &K::PosortujStanyOszczednosciPoDacieRosnaco, NajwczesniejIdRosnaco),
        SortowanieDat<TZlecenieStale>("ZleceniaStaleWydatki", &K::ZleceniaStaleWydatki, &K::PosortujZleceniaStalePoDacieDodaniaMalejaco, NajpozniejIdRosnaco),
        SortowanieDat<TZlecenieStale>("ZleceniaStalePrzychody", &K::ZleceniaStalePrzychody, &K::PosortujZleceniaStalePoDacieDodaniaMalejaco, NajpozniejIdRosnaco)),
    [](const auto& info) { return std::string(info.param.Nazwa); });

TEST(Sortowanie, PlanyWKolejnosciZPrzykladu)
{
    TUstawionyZegar zegar(KodujDateCzas(2013, 5, 17, 12, 0));
    TKolekcjeDanych k;
    k.Plany().push_back(RekordZData<TPlan>(1, KodujDate(2013, 3, 15)));
    k.Plany().push_back(RekordZData<TPlan>(2, KodujDate(2013, 1, 2)));
    k.Plany().push_back(RekordZData<TPlan>(3, KodujDate(2013, 3, 20)));
    k.PosortujPlanyPoDacieMalejaco();
    EXPECT_EQ(Idy(k.Plany()), (std::vector<int32_t>{2, 1, 3}));
    k.PosortujPlanyPoDacieRosnaco();
    EXPECT_EQ(Idy(k.Plany()), (std::vector<int32_t>{3, 1, 2}));
}

TEST(Sortowanie, ObaZleceniaStaleSortujaSieOsobno)
{
    TUstawionyZegar zegar(KodujDateCzas(2013, 5, 17, 12, 0));
    TKolekcjeDanych k;
    k.ZleceniaStaleWydatki().push_back(RekordZData<TZlecenieStale>(1, D));
    k.ZleceniaStaleWydatki().push_back(RekordZData<TZlecenieStale>(2, D + 2));
    k.ZleceniaStalePrzychody().push_back(RekordZData<TZlecenieStale>(3, D + 1));
    k.PosortujZleceniaStalePoDacieDodaniaMalejaco();
    EXPECT_EQ(Idy(k.ZleceniaStaleWydatki()), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(Idy(k.ZleceniaStalePrzychody()), (std::vector<int32_t>{3}));
}

// ---- Amounts and category ids ----

TEST(Sortowanie, KwotyOdNajwiekszejRownePoId)
{
    TUstawionyZegar zegar(KodujDateCzas(2013, 5, 17, 12, 0));
    TKolekcjeDanych k;
    auto wydatek = [](int32_t id, double ile, int32_t kategoria) {
        return std::make_unique<TWydatek>(id, kategoria, ile, 1, D, 1, "", BezZmian, "", false);
    };
    auto przychod = [](int32_t id, double ile, int32_t kategoria) {
        return std::make_unique<TPrzychod>(id, kategoria, ile, 1, D, 1, "", BezZmian, false);
    };
    for (auto [id, ile, kategoria] : {std::tuple{5, 10.0, 3}, {2, -40.0, 8}, {9, 10.0, 8}, {1, 99.5, 3}}) {
        k.Wydatki().push_back(wydatek(id, ile, kategoria));
        k.Przychody().push_back(przychod(id, ile, kategoria));
        k.Oszczednosci().push_back(std::make_unique<TOszczednosc>(id, 1, ile, D, "", 1, BezZmian));
    }
    k.PosortujWydatkiPoKwocieMalejaco();
    k.PosortujPrzychodyPoKwocieMalejaco();
    k.PosortujOszczednosciPoKwocieMalejaco();
    const std::vector<int32_t> poKwocie = {1, 5, 9, 2};
    EXPECT_EQ(Idy(k.Wydatki()), poKwocie);
    EXPECT_EQ(Idy(k.Przychody()), poKwocie);
    EXPECT_EQ(Idy(k.Oszczednosci()), poKwocie);

    // By the category's id, largest first; the same category by Id ascending.
    k.PosortujWydatkiPoKategoriiWydatkowMalejaco();
    k.PosortujPrzychodyPoKategoriiPrzychodowMalejaco();
    const std::vector<int32_t> poKategorii = {2, 9, 1, 5};
    EXPECT_EQ(Idy(k.Wydatki()), poKategorii);
    EXPECT_EQ(Idy(k.Przychody()), poKategorii);
}

// ---- Weights ----

TEST(Sortowanie, OszczednosciPoWadzeKategoriiWpisLokatNaKoncu)
{
    TUstawionyZegar zegar(KodujDateCzas(2013, 5, 17, 12, 0));
    TKolekcjeDanych k;
    auto dodaj = [&k](int32_t id, uint32_t waga) {
        auto o = std::make_unique<TOszczednosc>(id, 1, 10, D, "", 1, BezZmian);
        o->SetWagaIdKatOszczednosci(waga);
        k.Oszczednosci().push_back(std::move(o));
    };
    dodaj(-1000, 2147483647);  // the computed deposits entry
    dodaj(3, 5);
    dodaj(4, 0);
    dodaj(8, 5);
    k.PosortujOszczednosci();
    EXPECT_EQ(Idy(k.Oszczednosci()), (std::vector<int32_t>{4, 8, 3, -1000}));
}

template <typename T>
std::vector<std::string> Opisy(const TListaRekordow<T>& lista)
{
    std::vector<std::string> opisy;
    for (const auto& r : lista)
        opisy.push_back(r->Opis());
    return opisy;
}

TEST(Sortowanie, KategoriePoWadzePotemPoOpisieBezWielkosciLiter)
{
    TUstawionyZegar zegar(KodujDateCzas(2013, 5, 17, 12, 0));
    TKolekcjeDanych k;
    const std::vector<std::pair<std::string, int32_t>> kategorie = {
        {"bez wagi", 2147483647}, {"b", 2}, {"B", 1}, {"a", 1}, {"ą", 1}, {"Z", 0}};
    int32_t id = 1;
    for (const auto& [opis, waga] : kategorie) {
        k.KategorieWydatki().push_back(std::make_unique<TKategoriaWydatki>(id, opis, false, BezZmian, waga));
        k.KategoriePrzychody().push_back(std::make_unique<TKategoriaPrzychody>(id, opis, false, BezZmian, waga));
        k.KategorieOszczednosci().push_back(
            std::make_unique<TKategoriaOszczednosci>(id, opis, false, true, false, BezZmian, waga));
        ++id;
    }
    k.PosortujKategorieWydatkow();
    k.PosortujKategoriePrzychodow();
    k.PosortujKategorieOszczednosci();
    // Weights decide first; among equal weights Polish order ignoring case: a, ą, B.
    const std::vector<std::string> oczekiwane = {"Z", "a", "ą", "B", "b", "bez wagi"};
    EXPECT_EQ(Opisy(k.KategorieWydatki()), oczekiwane);
    EXPECT_EQ(Opisy(k.KategoriePrzychody()), oczekiwane);
    EXPECT_EQ(Opisy(k.KategorieOszczednosci()), oczekiwane);
}

TEST(Sortowanie, OsobyPoWadzePotemImieINazwisko)
{
    TUstawionyZegar zegar(KodujDateCzas(2013, 5, 17, 12, 0));
    TKolekcjeDanych k;
    auto dodaj = [&k](int32_t id, const char* imie, const char* nazwisko, int32_t waga) {
        k.Osoby().push_back(std::make_unique<TOsoba>(id, imie, nazwisko, "", "", "", false, BezZmian, waga));
    };
    dodaj(1, "Anna", "Zięba", 1);
    dodaj(2, "Łukasz", "Nowak", 1);
    dodaj(3, "anna", "Ąbel", 1);
    dodaj(4, "Lech", "Kowal", 1);
    dodaj(5, "Adam", "Nowy", 2147483647);
    k.PosortujOsoby();
    // "anna Ąbel" < "Anna Zięba" < "Lech Kowal" < "Łukasz Nowak"; the unweighted one last.
    EXPECT_EQ(Idy(k.Osoby()), (std::vector<int32_t>{3, 1, 4, 2, 5}));
}

// ---- Deposits and offers ----

std::unique_ptr<TLokata> Lokata(int32_t id, const std::string& nazwa, double kwota, TDateTime start,
                                uint16_t okres, TJednostkaOkresu jednostka)
{
    return std::make_unique<TLokata>(id, nazwa, kwota, start, okres, jednostka, -1, true, BezZmian);
}

TEST(Sortowanie, Lokaty)
{
    TUstawionyZegar zegar(KodujDateCzas(2013, 5, 17, 12, 0));
    TKolekcjeDanych k;
    using J = TJednostkaOkresu;
    // Lengths in calendar days: 28 (February), 30, 31 (March), 30.
    k.Lokaty().push_back(Lokata(4, "Zysk", 500, KodujDate(2013, 2, 1), 1, J::Miesiace));
    k.Lokaty().push_back(Lokata(2, "zysk", 1000, KodujDate(2013, 1, 10), 30, J::Dni));
    k.Lokaty().push_back(Lokata(3, "Ćma", 500, KodujDate(2013, 3, 1), 1, J::Miesiace));
    k.Lokaty().push_back(Lokata(1, "Alfa", 700, KodujDate(2013, 1, 20), 30, J::Dni));

    k.PosortujLokatyPoNazwie();  // case-sensitive: lower case before upper case
    EXPECT_EQ(Idy(k.Lokaty()), (std::vector<int32_t>{1, 3, 2, 4}));
    k.PosortujLokatyPoKwocie();  // 500 twice: by Id
    EXPECT_EQ(Idy(k.Lokaty()), (std::vector<int32_t>{3, 4, 1, 2}));
    k.PosortujLokatyPoDacieRozpoczecia();
    EXPECT_EQ(Idy(k.Lokaty()), (std::vector<int32_t>{2, 1, 4, 3}));
    k.PosortujLokatyPoCzasieTrwania();  // 28, 30, 30, 31 days
    EXPECT_EQ(Idy(k.Lokaty()), (std::vector<int32_t>{4, 1, 2, 3}));
    k.PosortujLokatyPoDacieZakonczenia();  // 02-09, 02-19, 03-01, 04-01
    EXPECT_EQ(Idy(k.Lokaty()), (std::vector<int32_t>{2, 1, 4, 3}));
}

std::unique_ptr<THarmonogramLokatyBankowej> Harmonogram(int32_t id, const std::string& bank,
                                                        const std::string& nazwa, uint32_t miesiecy,
                                                        double oprocentowanie)
{
    auto h = std::make_unique<THarmonogramLokatyBankowej>();
    h->SetId(id);
    h->SetBank(bank);
    h->SetNazwaHarmonogramu(nazwa);
    h->SetOkresDepozytu(miesiecy);
    h->SetJednostkaDepozytu(TJednostkaOkresu::Miesiace);
    h->SetOprocentowanieWSkaliRoku(oprocentowanie);
    return h;
}

TEST(Sortowanie, HarmonogramyBankNazwaOkresOprocentowanie)
{
    TUstawionyZegar zegar(KodujDateCzas(2013, 5, 17, 12, 0));
    TKolekcjeDanych k;
    auto& h = k.HarmonogramyLokatBankowych();
    h.push_back(Harmonogram(1, "mBank", "Lokata", 3, 4.52));
    h.push_back(Harmonogram(2, "mBank", "Lokata", 3, 4.504));
    h.push_back(Harmonogram(3, "mBank", "Lokata", 3, 4.50));  // equal to 4.504 on the rate
    h.push_back(Harmonogram(4, "mBank", "Lokata", 1, 9.0));
    h.push_back(Harmonogram(5, "mBank", "Lokata", 3, 4.49));
    h.push_back(Harmonogram(6, "mBank", "Antylokata", 12, 1.0));
    h.push_back(Harmonogram(7, "MBank", "Lokata", 3, 1.0));
    h.push_back(Harmonogram(8, "Alior", "Lokata", 3, 5.0));
    k.PosortujHarmonogramy();
    EXPECT_EQ(Idy(h), (std::vector<int32_t>{8, 6, 4, 5, 2, 3, 1, 7}));
}

// ---- Degenerate lists ----

TEST(Sortowanie, PustaIJednoelementowaListaBezZmian)
{
    TUstawionyZegar zegar(KodujDateCzas(2013, 5, 17, 12, 0));
    TKolekcjeDanych k;
    const std::vector<void (TKolekcjeDanych::*)()> wszystkie = {
        &K::PosortujWydatki, &K::PosortujPrzychody, &K::PosortujOszczednosci,
        &K::PosortujKategorieWydatkow, &K::PosortujKategoriePrzychodow,
        &K::PosortujKategorieOszczednosci, &K::PosortujOsoby,
        &K::PosortujHistoriePrzelewowPoDacieRosnaco, &K::PosortujHistoriePrzelewowPoDacieMalejaco,
        &K::PosortujWydatkiPoDacieMalejaco, &K::PosortujWydatkiPoDacieRosnaco,
        &K::PosortujPrzychodyPoDacieMalejaco, &K::PosortujPrzychodyPoDacieRosnaco,
        &K::PosortujOszczednosciPoDacieMalejaco, &K::PosortujWydatkiPoKwocieMalejaco,
        &K::PosortujPrzychodyPoKwocieMalejaco, &K::PosortujOszczednosciPoKwocieMalejaco,
        &K::PosortujWydatkiPoKategoriiWydatkowMalejaco,
        &K::PosortujPrzychodyPoKategoriiPrzychodowMalejaco,
        &K::PosortujZleceniaStalePoDacieDodaniaMalejaco, &K::PosortujStanyOszczednosciPoDacieRosnaco,
        &K::PosortujPlanyPoDacieMalejaco, &K::PosortujPlanyPoDacieRosnaco, &K::PosortujLokatyPoNazwie,
        &K::PosortujLokatyPoKwocie, &K::PosortujLokatyPoDacieRozpoczecia,
        &K::PosortujLokatyPoCzasieTrwania, &K::PosortujLokatyPoDacieZakonczenia,
        &K::PosortujHarmonogramy};
    for (auto sortuj : wszystkie)
        (k.*sortuj)();
    EXPECT_FALSE(k.KolekcjeZawierajaDane());

    k.Plany().push_back(RekordZData<TPlan>(5, D));
    const TPlan* plan = k.Plany().front().get();
    for (auto sortuj : wszystkie)
        (k.*sortuj)();
    ASSERT_EQ(k.Plany().size(), 1u);
    EXPECT_EQ(k.Plany().front().get(), plan);
}

// Dates 0.6 ms apart are each equal to their neighbours but not to the ones beyond, and
// weights above 2147483647 wrap in the signed difference: neither comparison is transitive.
// The sort must still keep every record exactly once.
TEST(Sortowanie, NieprzechodniePorownaniaNieGubiaRekordow)
{
    TUstawionyZegar zegar(KodujDateCzas(2013, 5, 17, 12, 0));
    TKolekcjeDanych k;
    std::mt19937 los(20130517);
    std::vector<int32_t> idy(3000);
    for (int32_t i = 0; i < static_cast<int32_t>(idy.size()); ++i)
        idy[static_cast<size_t>(i)] = i;
    std::shuffle(idy.begin(), idy.end(), los);
    for (const int32_t id : idy) {
        k.Wydatki().push_back(RekordZData<TWydatek>(id, D + (id % 50) * 0.6 * JednaMilisekunda));
        auto o = RekordZData<TOszczednosc>(id, D);
        o->SetWagaIdKatOszczednosci(static_cast<uint32_t>(los()));
        k.Oszczednosci().push_back(std::move(o));
    }
    k.PosortujWydatkiPoDacieMalejaco();
    k.PosortujWydatki();
    k.PosortujOszczednosci();
    auto wydatki = Idy(k.Wydatki());
    auto oszczednosci = Idy(k.Oszczednosci());
    std::ranges::sort(wydatki);
    std::ranges::sort(oszczednosci);
    std::ranges::sort(idy);
    EXPECT_EQ(wydatki, idy);
    EXPECT_EQ(oszczednosci, idy);
}

}  // namespace
