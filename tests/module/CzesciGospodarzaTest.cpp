// The host's parts on their own, with a fixed clock: the command line, the demo plans and
// the demo file, the start-up reminder, the summary of the statistics, and finding the
// planner module.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "collections/KolekcjeDanych.h"
#include "common/FunkcjeWspolne.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "host/DaneDemonstracyjne.h"
#include "host/ModulPlanera.h"
#include "host/OpcjeProgramu.h"
#include "host/PlanyDemonstracyjne.h"
#include "host/PodsumowanieDanych.h"
#include "host/PrzypomnienieOPlanach.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "statistics/Analiza.h"
#include "support/TestPlatforma.h"

namespace {

// ---- Command line ----

struct TPrzypadekOpcji {
    std::vector<std::string> Argumenty;
    bool Poprawne;
    std::string PlikDanych;
    bool Demo;
    bool Planer;
    std::string PlikZrzutu;
    bool Pomoc;
    std::string FragmentBledu;
};

void PrintTo(const TPrzypadekOpcji& p, std::ostream* os)
{
    for (const std::string& argument : p.Argumenty)
        *os << argument << ' ';
}

class OpcjeProgramuTest : public ::testing::TestWithParam<TPrzypadekOpcji> {};

TEST_P(OpcjeProgramuTest, Przetworz)
{
    const TPrzypadekOpcji& p = GetParam();
    std::string blad;
    const std::optional<TOpcjeProgramu> opcje = TOpcjeProgramu::Przetworz(p.Argumenty, blad);
    ASSERT_EQ(opcje.has_value(), p.Poprawne) << blad;
    if (!p.Poprawne) {
        EXPECT_NE(blad.find(p.FragmentBledu), std::string::npos) << blad;
        EXPECT_NE(blad.find("grosiwo --help"), std::string::npos) << blad;
        return;
    }
    EXPECT_TRUE(blad.empty());
    EXPECT_EQ(opcje->PlikDanych, p.PlikDanych);
    EXPECT_EQ(opcje->Demo, p.Demo);
    EXPECT_EQ(opcje->Planer, p.Planer);
    EXPECT_EQ(opcje->PlikZrzutu, p.PlikZrzutu);
    EXPECT_EQ(opcje->Pomoc, p.Pomoc);
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, OpcjeProgramuTest,
    ::testing::Values(
        TPrzypadekOpcji{{}, true, "", false, false, "", false, ""},
        TPrzypadekOpcji{{"--demo", "--planer"}, true, "", true, true, "", false, ""},
        TPrzypadekOpcji{{"--dane", "a b.dat", "--zrzut", "x.png"}, true, "a b.dat", false, false, "x.png", false, ""},
        TPrzypadekOpcji{{"--dane=d.dat", "--zrzut=z.png", "--planer"}, true, "d.dat", false, true, "z.png", false, ""},
        TPrzypadekOpcji{{"-h"}, true, "", false, false, "", true, ""},
        TPrzypadekOpcji{{"--planer", "--help"}, true, "", false, true, "", true, ""},
        TPrzypadekOpcji{{"--dane"}, false, "", false, false, "", false, "Opcja --dane wymaga podania nazwy pliku."},
        TPrzypadekOpcji{{"--zrzut="}, false, "", false, false, "", false, "Opcja --zrzut wymaga podania nazwy pliku."},
        TPrzypadekOpcji{{"--demo", "-x"}, false, "", false, false, "", false, "Nieznana opcja: \"-x\"."},
        TPrzypadekOpcji{{"plik.dat"}, false, "", false, false, "", false, "Nieznana opcja: \"plik.dat\"."}));

TEST(OpcjeProgramu, PomocWymieniaKazdaOpcjeIKodyWyjscia)
{
    const std::string pomoc = TOpcjeProgramu::TekstPomocy("/dom/ja/.local/share/Grosiwo/DataFile.dat");
    for (const char* fragment : {"Użycie: grosiwo", "--dane PLIK", "--demo", "--planer", "--zrzut PLIK.png",
                                 "--help", "/dom/ja/.local/share/Grosiwo/DataFile.dat", "GROSIWO_MODUL",
                                 "Kody wyjścia"})
        EXPECT_NE(pomoc.find(fragment), std::string::npos) << fragment;
    EXPECT_EQ(pomoc.back(), '\n');
}

// ---- Demo plans ----

class PlanyDemonstracyjneTest : public ::testing::TestWithParam<TDateTime> {
protected:
    PlanyDemonstracyjneTest()
    {
        UstawFormatyDanych();
        auto& wydatki = fKolekcje.KategorieWydatki();
        wydatki.push_back(std::make_unique<TKategoriaWydatki>(12, "Czynsz", false, TTypModyfikacji::BezZmian, 10));
        wydatki.push_back(std::make_unique<TKategoriaWydatki>(7, "Artykuły spożywcze", false, TTypModyfikacji::BezZmian, 10));
        wydatki.push_back(std::make_unique<TKategoriaWydatki>(3, "AGD", false, TTypModyfikacji::BezZmian, 1));
        auto& przychody = fKolekcje.KategoriePrzychody();
        przychody.push_back(std::make_unique<TKategoriaPrzychody>(40, "Wynagrodzenie", false, TTypModyfikacji::BezZmian, 10));
        przychody.push_back(std::make_unique<TKategoriaPrzychody>(41, "Pobory", false, TTypModyfikacji::BezZmian, 1));
    }

    TKolekcjeDanych fKolekcje;
};

TEST_P(PlanyDemonstracyjneTest, PokazujaKazdyStanWzgledemChwili)
{
    const TDateTime teraz = GetParam();
    const TUstawionyZegar zegar(teraz);
    auto plany = TPlanyDemonstracyjne::Utworz(fKolekcje, teraz);
    ASSERT_EQ(plany.size(), 12u);

    const TDateTime dzisiaj = SamaData(teraz);
    const int miesiacTeraz = RokDaty(teraz) * 12 + MiesiacDaty(teraz);
    const bool ostatniDzien = DzienDaty(teraz) == DniWMiesiacu(RokDaty(teraz), MiesiacDaty(teraz));
    std::set<int32_t> ids;
    std::set<int> kolejneMiesiace;
    int poTerminie = 0, dzisiejsze = 0, pozniejWMiesiacu = 0, wykonaneWydatki = 0, wykonanePrzychody = 0;
    int wydatki = 0, przychody = 0;
    for (const auto& plan : plany) {
        EXPECT_EQ(plan->Zmiany(), TTypModyfikacji::Dodano);
        EXPECT_GE(plan->Id(), 1001);
        ids.insert(plan->Id());
        EXPECT_NE(plan->IdKategorii(), -1) << plan->Nazwa();
        (plan->TypPlanu() == TTypPlanu::Wydatek ? wydatki : przychody) += 1;
        const int miesiac = RokDaty(plan->Data()) * 12 + MiesiacDaty(plan->Data());
        if (plan->Wykonany()) {
            (plan->TypPlanu() == TTypPlanu::Wydatek ? wykonaneWydatki : wykonanePrzychody) += 1;
            EXPECT_LT(plan->Data(), teraz);
        } else if (plan->StanRealizacji() == TStanRealizacji::PoTerminie) {
            ++poTerminie;
        } else if (SamaData(plan->Data()) == dzisiaj) {
            ++dzisiejsze;
        } else if (miesiac == miesiacTeraz) {
            ++pozniejWMiesiacu;
        } else {
            EXPECT_GT(miesiac, miesiacTeraz) << plan->Nazwa();
            kolejneMiesiace.insert(miesiac);
        }
    }
    EXPECT_EQ(ids.size(), plany.size());
    EXPECT_EQ(wydatki, 8);
    EXPECT_EQ(przychody, 4);
    EXPECT_EQ(wykonaneWydatki, 1);
    EXPECT_EQ(wykonanePrzychody, 1);
    EXPECT_GE(poTerminie, 3);
    EXPECT_GE(dzisiejsze, 1);
    if (!ostatniDzien) {
        EXPECT_GE(pozniejWMiesiacu, 1);
    }
    EXPECT_EQ(kolejneMiesiace.size(), 3u);

    // What the start-up reminder finds: the overdue ones and the rest of this month.
    for (auto& plan : plany)
        fKolekcje.Plany().push_back(std::move(plan));
    EXPECT_EQ(fKolekcje.PobierzPlanowanePlatnosciPoTerminie().size(),
              static_cast<size_t>(poTerminie + dzisiejsze + pozniejWMiesiacu));
}

INSTANTIATE_TEST_SUITE_P(Chwile, PlanyDemonstracyjneTest,
                         ::testing::Values(KodujDateCzas(2024, 5, 15, 12, 0), KodujDateCzas(2024, 5, 31, 12, 0),
                                           KodujDateCzas(2024, 6, 1, 8, 0), KodujDateCzas(2024, 12, 31, 23, 30),
                                           KodujDateCzas(2024, 2, 29, 0, 5)));

TEST_F(PlanyDemonstracyjneTest, KategorieWedlugNazwyAWBrakuNajlzejsza)
{
    const TUstawionyZegar zegar(KodujDateCzas(2024, 5, 15, 12, 0));
    const auto plany = TPlanyDemonstracyjne::Utworz(fKolekcje, Teraz());
    const auto kategoria = [&](const std::string& nazwa) {
        const auto plan = std::find_if(plany.begin(), plany.end(), [&](const auto& p) { return p->Nazwa() == nazwa; });
        return plan != plany.end() ? (*plan)->IdKategorii() : -2;
    };
    EXPECT_EQ(kategoria("Czynsz za mieszkanie"), 12);
    EXPECT_EQ(kategoria("Zakupy na weekend"), 7);
    EXPECT_EQ(kategoria("Wynagrodzenie"), 40);
    // Not among these categories: the default one of the kind.
    EXPECT_EQ(kategoria("Rachunek za prąd"), 3);
    EXPECT_EQ(kategoria("Zwrot podatku"), 41);
}

// ---- Demo file ----

class DaneDemonstracyjneTest : public ::testing::Test {
protected:
    TTymczasowyFolder fFolder;
    TUstawionyZegar fZegar{KodujDateCzas(2024, 5, 15, 12, 0)};
    TUstawionyRejestrator fKomunikaty;
};

TEST_F(DaneDemonstracyjneTest, IstniejacyPlikNigdyNieJestWybierany)
{
    const std::string nowy = fFolder.Plik("nowy.dat");
    EXPECT_EQ(TDaneDemonstracyjne::WybierzPlik(nowy), nowy);

    const std::string istniejacy = fFolder.Plik("moje.dat");
    std::ofstream(istniejacy) << "dane";
    for (const std::string& wskazany : {istniejacy, std::string()}) {
        const std::filesystem::path wybrany = TDaneDemonstracyjne::WybierzPlik(wskazany);
        EXPECT_NE(wybrany, istniejacy);
        EXPECT_EQ(wybrany.filename(), "DataFile.dat");
        EXPECT_TRUE(std::filesystem::is_directory(wybrany.parent_path()));
        EXPECT_FALSE(std::filesystem::exists(wybrany));
        std::filesystem::remove(wybrany.parent_path());
    }
}

TEST_F(DaneDemonstracyjneTest, WypelniaNowaBazeINieRuszaBazyZDanymi)
{
    const std::string plik = fFolder.Plik("demo.dat");
    {
        TProjektDB baza(std::make_unique<TPlikiDB>(plik));
        ASSERT_TRUE(TDaneDemonstracyjne::Wypelnij(baza));
        EXPECT_EQ(baza.Kolekcje().Plany().size(), 12u);
        EXPECT_FALSE(baza.Kolekcje().ZmienionoINiezapisanoPlany());
        for (const auto& plan : baza.Kolekcje().Plany())
            EXPECT_EQ(plan->Zmiany(), TTypModyfikacji::BezZmian);
        EXPECT_EQ(baza.Kolekcje().Wydatki().size(), 21u);
        EXPECT_EQ(baza.Kolekcje().Osoby().size(), 2u);
    }
    TProjektDB baza(std::make_unique<TPlikiDB>(plik));
    EXPECT_EQ(baza.Kolekcje().Plany().size(), 12u);
    EXPECT_FALSE(TDaneDemonstracyjne::Wypelnij(baza));
    EXPECT_EQ(baza.Kolekcje().Plany().size(), 12u);
    EXPECT_EQ(baza.Kolekcje().Wydatki().size(), 21u);
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
}

// ---- Start-up reminder ----

class PrzypomnienieTest : public ::testing::Test {
protected:
    PrzypomnienieTest() { UstawFormatyDanych(); }

    void Plan(const std::string& nazwa, double kwota, TDateTime data, TTypPlanu typ, bool wykonany = false)
    {
        auto plan = std::make_unique<TPlan>(static_cast<int32_t>(fKolekcje.Plany().size() + 1), nazwa, 1, kwota,
                                            data, "", TTypModyfikacji::BezZmian, typ);
        plan->SetWykonany(wykonany);
        fKolekcje.Plany().push_back(std::move(plan));
    }

    TUstawionyZegar fZegar{KodujDateCzas(2024, 5, 15, 12, 0)};
    TKolekcjeDanych fKolekcje;
};

TEST_F(PrzypomnienieTest, BezZaleglychIBiezacychNicNiePokazuje)
{
    EXPECT_EQ(TPrzypomnienieOPlanach::Tekst(fKolekcje), "");
    Plan("Wykonany", 10, KodujDateCzas(2024, 5, 1, 10, 0), TTypPlanu::Wydatek, true);
    Plan("Czerwiec", 10, KodujDateCzas(2024, 6, 1, 10, 0), TTypPlanu::Wydatek);
    EXPECT_EQ(TPrzypomnienieOPlanach::Tekst(fKolekcje), "");
}

TEST_F(PrzypomnienieTest, ZalegleIBiezaceOdNajpozniejszego)
{
    Plan("Czynsz", 1450, KodujDateCzas(2024, 5, 10, 10, 0), TTypPlanu::Wydatek);
    Plan("Pensja", 6400, KodujDateCzas(2024, 5, 31, 10, 0), TTypPlanu::Przychod);
    Plan("Prąd", 99.9, KodujDateCzas(2024, 4, 2, 8, 30), TTypPlanu::Wydatek);
    Plan("Opłacony", 5, KodujDateCzas(2024, 5, 2, 8, 30), TTypPlanu::Wydatek, true);
    Plan("Czerwiec", 10, KodujDateCzas(2024, 6, 1, 10, 0), TTypPlanu::Wydatek);
    EXPECT_EQ(TPrzypomnienieOPlanach::Tekst(fKolekcje),
              "Planowane płatności po terminie i w bieżącym miesiącu (3):\r"
              " • 2024-05-31 10:00  Pensja - przychód 6 400,00 zł\r"
              " • 2024-05-10 10:00  Czynsz - wydatek 1 450,00 zł (po terminie)\r"
              " • 2024-04-02 08:30  Prąd - wydatek 99,90 zł (po terminie)\r"
              "\rOtwórz planer wydatków i przychodów, aby je przejrzeć lub oznaczyć jako wykonane.");
}

TEST_F(PrzypomnienieTest, DlugaListaJestSkracana)
{
    for (int dzien = 1; dzien <= 14; ++dzien) {
        Plan("A", 1, KodujDateCzas(2024, 5, dzien, 9, 0), TTypPlanu::Wydatek);
        Plan("B", 1, KodujDateCzas(2024, 4, dzien, 9, 0), TTypPlanu::Wydatek);
    }
    const std::string tekst = TPrzypomnienieOPlanach::Tekst(fKolekcje);
    EXPECT_EQ(tekst.rfind("Planowane płatności po terminie i w bieżącym miesiącu (28):\r", 0), 0u);
    size_t wiersze = 0;
    for (size_t p = tekst.find(" • "); p != std::string::npos; p = tekst.find(" • ", p + 1))
        ++wiersze;
    EXPECT_EQ(wiersze, TPrzypomnienieOPlanach::MaksymalnieWierszy + 1);
    EXPECT_NE(tekst.find(" • ... i jeszcze 13\r"), std::string::npos);
}

// ---- Summary of the main window ----

TEST(PodsumowanieDanych, WierszeZeStatystyk)
{
    UstawFormatyDanych();
    const TUstawionyZegar zegar(KodujDateCzas(2024, 5, 15, 12, 0));
    TKolekcjeDanych kolekcje;
    TAnaliza analiza(&kolekcje);
    const auto wiersze = [&] {
        std::vector<std::string> teksty;
        for (const TWierszPodsumowania& w : TPodsumowanieDanych::Wiersze(analiza))
            teksty.push_back(w.Etykieta + " " + w.Wartosc);
        return teksty;
    };
    const std::vector<std::string> puste = wiersze();
    ASSERT_EQ(puste.size(), 11u);
    EXPECT_EQ(puste[0], "Wydatki: 0");
    EXPECT_EQ(puste[6], "Wydatki w tym miesiącu: 0,00 zł");
    EXPECT_EQ(puste[9], "Wydatki zapisane w okresie: brak wydatków");

    const auto wydatek = [&](int32_t id, double ile, TDateTime data) {
        kolekcje.Wydatki().push_back(std::make_unique<TWydatek>(id, 1, ile, -1, data, -1, "", TTypModyfikacji::BezZmian, "", false));
    };
    wydatek(1, 100, KodujDateCzas(2024, 5, 2, 9, 0));
    wydatek(2, 1234.5, KodujDateCzas(2024, 5, 14, 18, 45));
    wydatek(3, 70, KodujDateCzas(2024, 4, 20, 7, 5));
    kolekcje.Przychody().push_back(std::make_unique<TPrzychod>(1, 1, 3000, -1, KodujDateCzas(2024, 5, 1), -1, "",
                                                               TTypModyfikacji::BezZmian, false));
    kolekcje.Przychody().push_back(std::make_unique<TPrzychod>(2, 1, 2500.25, -1, KodujDateCzas(2024, 4, 10), -1, "",
                                                               TTypModyfikacji::BezZmian, false));
    kolekcje.Oszczednosci().push_back(std::make_unique<TOszczednosc>(1, 1, 1200, KodujDateCzas(2024, 1, 1), "", 1,
                                                                     TTypModyfikacji::BezZmian));
    kolekcje.KategorieWydatki().push_back(std::make_unique<TKategoriaWydatki>(1, "AGD", false, TTypModyfikacji::BezZmian, 1));
    kolekcje.KategoriePrzychody().push_back(std::make_unique<TKategoriaPrzychody>(1, "Pobory", false, TTypModyfikacji::BezZmian, 1));
    kolekcje.Plany().push_back(std::make_unique<TPlan>(1, "Czynsz", 1, 10, KodujDateCzas(2024, 6, 1), "",
                                                       TTypModyfikacji::BezZmian, TTypPlanu::Wydatek));
    EXPECT_EQ(wiersze(), (std::vector<std::string>{
                             "Wydatki: 3",
                             "Przychody: 2",
                             "Oszczędności: 1",
                             "Kategorie: 2",
                             "Osoby: 0",
                             "Planowane płatności: 1",
                             "Wydatki w tym miesiącu: 1 334,50 zł",
                             "Przychody w tym miesiącu: 3 000,00 zł",
                             "Przychody w minionym miesiącu: 2 500,25 zł",
                             "Wydatki zapisane w okresie: 2024-04-20 07:05 do 2024-05-14 18:45",
                             "Oszczędności łącznie: 1 200,00 zł",
                         }));
}

// ---- Finding and loading the module ----

TEST(ModulPlanera, MiejscaSzukania)
{
    const std::vector<std::string> sciezki = TModulPlanera::MozliweSciezki("/opt/grosiwo/bin", "");
    ASSERT_EQ(sciezki.size(), 2u);
    EXPECT_EQ(sciezki[0], "/opt/grosiwo/bin/libGW.Planer.so");
    // The installed tree: the library folder of the same prefix.
    EXPECT_EQ(sciezki[1].rfind("/opt/grosiwo/", 0), 0u) << sciezki[1];
    EXPECT_TRUE(sciezki[1].ends_with("/grosiwo/libGW.Planer.so")) << sciezki[1];
    EXPECT_EQ(sciezki[1].find(".."), std::string::npos) << sciezki[1];
    EXPECT_EQ(TModulPlanera::MozliweSciezki("/opt/grosiwo/bin", "/inny/modul.so"),
              std::vector<std::string>{"/inny/modul.so"});
}

struct TPrzypadekModulu {
    std::string Nazwa;
    std::string Plik;  // relative to the folder of the built module, or a test file
    std::string Fragment;
};

void PrintTo(const TPrzypadekModulu& p, std::ostream* os)
{
    *os << p.Plik;
}

class LadowanieModuluTest : public ::testing::TestWithParam<TPrzypadekModulu> {};

TEST_P(LadowanieModuluTest, BladOpisujeCoJestNieTak)
{
    const TTymczasowyFolder folder;
    std::ofstream(folder.Plik("tekst.so")) << "to nie jest biblioteka";
    const std::filesystem::path katalogModulu = std::filesystem::path(GROSIWO_MODULE_PATH).parent_path();
    const std::string plik = GetParam().Plik == "tekst.so" ? folder.Plik("tekst.so") : (katalogModulu / GetParam().Plik).string();

    TModulPlanera modul;
    EXPECT_FALSE(modul.Zaladuj({folder.Plik("brak.so"), plik}));
    EXPECT_FALSE(modul.Zaladowany());
    EXPECT_NE(modul.Blad().find(GetParam().Fragment), std::string::npos) << modul.Blad();
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, LadowanieModuluTest,
    ::testing::Values(TPrzypadekModulu{"Brak", "nie-ma-takiego.so", "Nie znaleziono modułu planera libGW.Planer.so !!!\rSzukano w:\r"},
                      TPrzypadekModulu{"NieBiblioteka", "tekst.so", "Nie można załadować modułu planera \""},
                      TPrzypadekModulu{"BezFunkcji", "libgrosiwodata.so", "jest uszkodzony: brak funkcji SetApplicationVariables !!!"}),
    [](const ::testing::TestParamInfo<TPrzypadekModulu>& info) { return info.param.Nazwa; });

TEST(ModulPlanera, WbudowanyModulLadujeSieRazIMaObieFunkcje)
{
    TModulPlanera modul;
    ASSERT_TRUE(modul.Zaladuj({"/nie/ma/libGW.Planer.so", GROSIWO_MODULE_PATH})) << modul.Blad();
    EXPECT_EQ(modul.Sciezka(), GROSIWO_MODULE_PATH);
    EXPECT_NE(modul.SetApplicationVariables(), nullptr);
    EXPECT_NE(modul.ShowFormGW(), nullptr);
    EXPECT_TRUE(modul.Zaladuj({}));
    EXPECT_TRUE(modul.Blad().empty());
}

}  // namespace
