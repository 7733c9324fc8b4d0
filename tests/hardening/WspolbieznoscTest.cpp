// Concurrent use of one data file. Another process holding a lock makes the planner's save
// fail at once with a clear message, loses nothing and lets the retry succeed once the lock
// is gone. Two project database objects on one file both work: each save writes only the
// plans its own side changed, so neither side's saved plans are lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <ostream>
#include <string>

#include "ProcesPomocniczy.h"
#include "ZawartoscBazy.h"
#include "collections/KolekcjeDanych.h"
#include "common/Wyjatki.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "records/Plan.h"
#include "support/TestPlatforma.h"
#include "wspolne/PartiaPlanow.h"

namespace {

using namespace std::chrono_literals;

constexpr size_t PlanyStartowe = 10;
const TRozmiarPartii Partia{50, 3, 2, 500};
const char* const Zablokowana = "Error [5]: The database file is locked";

std::unique_ptr<TProjektDB> Otworz(const std::string& plik)
{
    return std::make_unique<TProjektDB>(std::make_unique<TPlikiDB>(plik));
}

// What the planner does after a committed save, and the host before the next run.
void ZamknijPlanerIWczytaj(TProjektDB& baza)
{
    baza.Kolekcje().Plany().clear();
    baza.Kolekcje().SetZmienionoINiezapisanoPlany(false);
    baza.WczytajDaneZTabeliDoKolekcji(TTabele::Plany);
}

const TPlan* PlanONazwie(const TKolekcjeDanych& kolekcje, const std::string& nazwa)
{
    const auto& plany = kolekcje.Plany();
    const auto it = std::find_if(plany.begin(), plany.end(), [&](const auto& p) { return p->Nazwa() == nazwa; });
    return it == plany.end() ? nullptr : it->get();
}

std::unique_ptr<TPlan> Nowy(const std::string& nazwa, double kwota)
{
    return std::make_unique<TPlan>(100000, nazwa, 1, kwota, KodujDateCzas(2014, 7, 1, 9, 0), "", TTypModyfikacji::Dodano,
                                   TTypPlanu::Wydatek);
}

class Wspolbieznosc : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto baza = Otworz(fPlik);
        DodajPlanyStartowe(baza->Kolekcje(), PlanyStartowe);
        ASSERT_TRUE(baza->ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany).Zatwierdzono);
    }

    TUstawionyZegar fZegar{KodujDateCzas(2014, 6, 1, 12, 0)};
    TUstawionyRejestrator fKomunikaty;
    TTymczasowyFolder fFolder;
    const std::string fPlik = fFolder.Plik("baza.dat");
};

struct TBlokada {
    const char* Nazwa;
    const char* Rodzaj;      // how the other process holds the file
    const char* Zakonczenie; // how it lets go: "zatwierdz" or "wycofaj"
    bool DodajeWlasnyPlan;   // its own committed plan must be there after the retry
};

// Test names and failure reports show the case's name, not its bytes.
void PrintTo(const TBlokada& przypadek, std::ostream* os)
{
    *os << przypadek.Nazwa;
}

class BlokadaInnegoProcesu : public Wspolbieznosc, public ::testing::WithParamInterface<TBlokada> {};

TEST_P(BlokadaInnegoProcesu, TheSaveFailsAtOnceLosesNothingAndTheRetrySucceeds)
{
    const TBlokada& b = GetParam();
    auto baza = Otworz(fPlik);
    PrzygotujPartie(baza->Kolekcje(), Partia);
    const std::string przed = ZawartoscWszystkichTabel(fPlik);

    TProcesPomocniczy inny({GROSIWO_POMOCNIK_ZAPISU, "blokada", fPlik, b.Rodzaj});
    ASSERT_TRUE(inny.CzekajNaLinie("etap=gotowe", 60s)) << inny.Wyjscie();

    const auto poczatek = std::chrono::steady_clock::now();
    const TProjektDB::TWynikZapisu wynik = baza->ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany);
    // No busy timeout: the refusal is immediate, not a wait.
    EXPECT_LT(std::chrono::steady_clock::now() - poczatek, 10s);
    EXPECT_FALSE(wynik.Zatwierdzono);
    ASSERT_EQ(fKomunikaty->Komunikaty.size(), 1u);
    EXPECT_EQ(fKomunikaty->Komunikaty[0].Tytul, "BŁĄD !!!");
    EXPECT_NE(fKomunikaty->Komunikaty[0].Tekst.find(Zablokowana), std::string::npos) << fKomunikaty->Komunikaty[0].Tekst;
    EXPECT_TRUE(baza->Kolekcje().ZmienionoINiezapisanoPlany());
    EXPECT_EQ(IloscNowychPlanow(baza->Kolekcje()), Partia.Nowe);

    inny.PiszLinie(b.Zakonczenie);
    const TProcesPomocniczy::TZakonczenie koniec = inny.Czekaj(60s);
    EXPECT_TRUE(koniec.Zakonczony && koniec.Kod == 0) << inny.Wyjscie();
    if (!b.DodajeWlasnyPlan) {
        EXPECT_EQ(ZawartoscWszystkichTabel(fPlik), przed);
    }
    EXPECT_EQ(SprawdzIntegralnosc(fPlik), "ok");

    EXPECT_TRUE(baza->ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany).Zatwierdzono);
    EXPECT_EQ(fKomunikaty->Komunikaty.size(), 1u);
    ZamknijPlanerIWczytaj(*baza);
    const size_t oczekiwane = PlanyStartowe - Partia.Usuniete + Partia.Nowe + (b.DodajeWlasnyPlan ? 1 : 0);
    EXPECT_EQ(baza->Kolekcje().Plany().size(), oczekiwane);
    EXPECT_EQ(PlanONazwie(baza->Kolekcje(), "Plan drugiego programu") != nullptr, b.DodajeWlasnyPlan);
}

INSTANTIATE_TEST_SUITE_P(
    Rodzaj, BlokadaInnegoProcesu,
    ::testing::Values(TBlokada{"WriterThatCommits", "immediate", "zatwierdz", true},
                      TBlokada{"WriterThatRollsBack", "immediate", "wycofaj", false},
                      TBlokada{"ExclusiveLock", "exclusive", "wycofaj", false},
                      // A reader lets the statements run; the commit is what it blocks.
                      TBlokada{"OpenReadTransaction", "odczyt", "wycofaj", false}),
    [](const auto& info) { return std::string(info.param.Nazwa); });

TEST_F(Wspolbieznosc, OpeningWhileAnotherProcessWritesIsRefusedWithTheReasonAndWorksAfterwards)
{
    TProcesPomocniczy inny({GROSIWO_POMOCNIK_ZAPISU, "blokada", fPlik, "immediate"});
    ASSERT_TRUE(inny.CzekajNaLinie("etap=gotowe", 60s)) << inny.Wyjscie();
    try {
        Otworz(fPlik);
        ADD_FAILURE() << "the file opened while another process held its write lock";
    } catch (const EGrosiwoException& e) {
        EXPECT_NE(std::string(e.what()).find("żaden inny program nie blokuje do niej dostępu"), std::string::npos)
            << e.what();
    }
    inny.PiszLinie("wycofaj");
    EXPECT_EQ(inny.Czekaj(60s).Kod, 0);
    auto baza = Otworz(fPlik);
    EXPECT_EQ(baza->Kolekcje().Plany().size(), PlanyStartowe);
}

// Two hosts on one file, as two objects of one process: each side's saves reach the file
// and the other side sees them after its next load.
TEST_F(Wspolbieznosc, TwoObjectsOnOneFileKeepTheNewPlansOfBothSides)
{
    auto a = Otworz(fPlik);
    auto b = Otworz(fPlik);
    a->Kolekcje().Plany().push_back(Nowy("Plan A", 10));
    a->Kolekcje().SetZmienionoINiezapisanoPlany(true);
    b->Kolekcje().Plany().push_back(Nowy("Plan B", 20));
    b->Kolekcje().SetZmienionoINiezapisanoPlany(true);

    EXPECT_TRUE(a->ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany).Zatwierdzono);
    ZamknijPlanerIWczytaj(*a);
    EXPECT_TRUE(b->ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany).Zatwierdzono);
    ZamknijPlanerIWczytaj(*b);
    ZamknijPlanerIWczytaj(*a);

    for (TProjektDB* strona : {a.get(), b.get()}) {
        EXPECT_EQ(strona->Kolekcje().Plany().size(), PlanyStartowe + 2);
        EXPECT_NE(PlanONazwie(strona->Kolekcje(), "Plan A"), nullptr);
        EXPECT_NE(PlanONazwie(strona->Kolekcje(), "Plan B"), nullptr);
    }
    // Two rows, two ids: the second INSERT did not take the first one's row.
    EXPECT_NE(PlanONazwie(a->Kolekcje(), "Plan A")->Id(), PlanONazwie(a->Kolekcje(), "Plan B")->Id());
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
}

TEST_F(Wspolbieznosc, TwoObjectsOnOneFileKeepEditsOfDifferentPlansFromBothSides)
{
    auto a = Otworz(fPlik);
    auto b = Otworz(fPlik);
    TPlan& planA = *a->Kolekcje().Plany()[0];
    planA.SetKwota(111);
    planA.SetZmiany(TTypModyfikacji::Zmieniono);
    a->Kolekcje().SetZmienionoINiezapisanoPlany(true);
    TPlan& planB = *b->Kolekcje().Plany()[1];
    planB.SetKwota(222);
    planB.SetZmiany(TTypModyfikacji::Zmieniono);
    b->Kolekcje().Plany()[2]->SetZmiany(TTypModyfikacji::Usunieto);
    b->Kolekcje().SetZmienionoINiezapisanoPlany(true);
    const int32_t idA = planA.Id();
    const int32_t idB = planB.Id();

    EXPECT_TRUE(a->ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany).Zatwierdzono);
    EXPECT_TRUE(b->ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany).Zatwierdzono);

    EXPECT_EQ(JednaWartosc(fPlik, "SELECT Kwota FROM Plany WHERE Id=" + std::to_string(idA)), "111.0");
    EXPECT_EQ(JednaWartosc(fPlik, "SELECT Kwota FROM Plany WHERE Id=" + std::to_string(idB)), "222.0");
    EXPECT_EQ(JednaWartosc(fPlik, "SELECT count(*) FROM Plany"), std::to_string(PlanyStartowe - 1));
}

// The documented limit of working side by side: one plan changed on both sides keeps the
// values of the later save, whole; there is no merging of two edits of the same plan.
TEST_F(Wspolbieznosc, OnePlanChangedOnBothSidesKeepsTheLaterSave)
{
    auto a = Otworz(fPlik);
    auto b = Otworz(fPlik);
    TPlan& wA = *a->Kolekcje().Plany()[0];
    TPlan& wB = *b->Kolekcje().Plany()[0];
    ASSERT_EQ(wA.Id(), wB.Id());
    wA.SetKwota(500);
    wA.SetZmiany(TTypModyfikacji::Zmieniono);
    a->Kolekcje().SetZmienionoINiezapisanoPlany(true);
    wB.SetNazwa("Zmieniony po stronie B");
    wB.SetZmiany(TTypModyfikacji::Zmieniono);
    b->Kolekcje().SetZmienionoINiezapisanoPlany(true);
    const std::string kwotaB = JednaWartosc(fPlik, "SELECT Kwota FROM Plany WHERE Id=" + std::to_string(wB.Id()));

    EXPECT_TRUE(a->ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany).Zatwierdzono);
    EXPECT_TRUE(b->ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany).Zatwierdzono);

    const std::string id = std::to_string(wA.Id());
    EXPECT_EQ(JednaWartosc(fPlik, "SELECT Nazwa FROM Plany WHERE Id=" + id), "Zmieniony po stronie B");
    EXPECT_EQ(JednaWartosc(fPlik, "SELECT Kwota FROM Plany WHERE Id=" + id), kwotaB);
}

}  // namespace
