// The filter panels of the real planner window: every combination of kind and state, months,
// markers, the order of the rows, and what a rebuild does to the month list.
#include <gtest/gtest.h>

#include <QScrollArea>

#include <tuple>
#include <vector>

#include "PlanerTestowy.h"

namespace {

// Now is 17 May 2013, 12:00. The plans go in out of order; the window lists them by due date.
class FiltrOknaTest : public TPlanerTestowy {
protected:
    void SetUp() override
    {
        Plan(18, "Abonament", TTypPlanu::Wydatek, KodujDateCzas(2013, 5, 16, 10, 0));
        Plan(17, "Ubezpieczenie", TTypPlanu::Wydatek, KodujDateCzas(2013, 6, 3, 9, 0));
        Plan(16, "Premia", TTypPlanu::Przychod, KodujDateCzas(2013, 3, 20, 9, 0), 10, true);
        Plan(15, "Usunięty", TTypPlanu::Wydatek, KodujDateCzas(2013, 4, 18, 9, 0), 10, false,
             TTypModyfikacji::Usunieto);
        Plan(14, "Nieokreślony", TTypPlanu::Nieokreslony, KodujDateCzas(2013, 3, 5, 9, 0));
        Plan(13, "Zwrot podatku", TTypPlanu::Przychod, KodujDateCzas(2013, 5, 17, 8, 0));
        Plan(12, "Pensja", TTypPlanu::Przychod, KodujDateCzas(2013, 5, 17, 15, 0));
        Plan(11, "Prąd", TTypPlanu::Wydatek, KodujDateCzas(2013, 5, 10, 9, 0), 10, true);
        Plan(10, "Czynsz", TTypPlanu::Wydatek, KodujDateCzas(2013, 5, 16, 10, 0), 1234.5);
        Pokaz();
    }
};

TEST_F(FiltrOknaTest, DomyslnieNiewykonaneWszystkichRodzajowIMiesiecyOdNajwczesniejszego)
{
    // Yesterday's unexecuted plan is listed, executed and deleted ones are not; two plans due
    // at the same moment go by id.
    EXPECT_EQ(Idy(), QStringList({"14", "10", "18", "13", "12", "17"}));
    EXPECT_EQ(Okno().Filtr().TypPlanu(), TTypPlanu::Nieokreslony);
    EXPECT_EQ(Okno().Filtr().StanRealizacji(), TStanRealizacji::Niewykonane);
    EXPECT_EQ(Okno().Filtr().Miesiac(), "");
    EXPECT_EQ(fDB->WyswietlanaTabela(), TTabele::Plany);
    // The list itself is left sorted.
    std::vector<int32_t> kolejnosc;
    for (const auto& plan : Kolekcje().Plany())
        kolejnosc.push_back(plan->Id());
    EXPECT_EQ(kolejnosc, (std::vector<int32_t>{14, 16, 15, 11, 10, 18, 13, 12, 17}));
}

TEST_F(FiltrOknaTest, KazdePolaczenieRodzajuIStanu)
{
    // kind position, state position, the ids listed
    const std::vector<std::tuple<int, int, QStringList>> przypadki = {
        {0, 0, {"14", "16", "11", "10", "18", "13", "12", "17"}},
        {0, 1, {"16", "11"}},
        {0, 2, {"14", "10", "18", "13", "12", "17"}},
        {0, 3, {"12", "17"}},
        {0, 4, {"14", "10", "18", "13"}},
        {1, 0, {"11", "10", "18", "17"}},
        {1, 1, {"11"}},
        {1, 2, {"10", "18", "17"}},
        {1, 3, {"17"}},
        {1, 4, {"10", "18"}},
        {2, 0, {"16", "13", "12"}},
        {2, 1, {"16"}},
        {2, 2, {"13", "12"}},
        {2, 3, {"12"}},
        {2, 4, {"13"}},
    };
    for (const auto& [rodzaj, stan, idy] : przypadki) {
        Kliknij(PanelRodzaju(), rodzaj);
        Kliknij(PanelStanu(), stan);
        EXPECT_EQ(Idy(), idy) << "rodzaj " << rodzaj << ", stan " << stan;
    }
}

TEST_F(FiltrOknaTest, MiesiaceZKazdymStanemIRodzajem)
{
    // A month of deleted plans only is a month too.
    ASSERT_EQ(PanelMiesiecy().Pozycje(),
              QStringList({"  Marzec 2013", "  Kwiecień 2013", "  Maj 2013", "  Czerwiec 2013"}));
    EXPECT_EQ(PanelMiesiecy().height(), 4 * 20);
    // kind, state, month position, the ids listed
    const std::vector<std::tuple<int, int, int, QStringList>> przypadki = {
        {0, 0, 0, {"14", "16"}},
        {0, 2, 0, {"14"}},
        {0, 0, 1, {}},
        {1, 2, 2, {"10", "18"}},
        {2, 0, 2, {"13", "12"}},
        {2, 0, 3, {}},
        {0, 2, 3, {"17"}},
        {0, 1, 2, {"11"}},
    };
    for (const auto& [rodzaj, stan, miesiac, idy] : przypadki) {
        Kliknij(PanelRodzaju(), rodzaj);
        Kliknij(PanelStanu(), stan);
        Kliknij(PanelMiesiecy(), miesiac);
        EXPECT_EQ(Idy(), idy) << "rodzaj " << rodzaj << ", stan " << stan << ", miesiąc " << miesiac;
    }
    Kliknij(PanelRodzaju(), 0);
    Kliknij(PanelStanu(), 0);
    Kliknij(PanelMiesiecy(), 0);
    EXPECT_EQ(Okno().Filtr().Miesiac(), "Marzec 2013");
    Kliknij(PanelWszystkichMiesiecy(), 0);
    EXPECT_EQ(Okno().Filtr().Miesiac(), "");
    EXPECT_EQ(Idy(), QStringList({"14", "16", "11", "10", "18", "13", "12", "17"}));
}

TEST_F(FiltrOknaTest, ZnacznikiPoczatkoweIPoKliknieciach)
{
    EXPECT_EQ(PanelRodzaju().Pozycje(), QStringList({"  >>  Wszystkie", "  Wydatki", "  Przychody"}));
    EXPECT_EQ(PanelStanu().Pozycje(), QStringList({"  Wszystkie", "  Wykonane", "  >>  Niewykonane",
                                                   "  Oczekujące", "  Po terminie"}));
    EXPECT_EQ(PanelWszystkichMiesiecy().Pozycje(), QStringList({"  >>  Wszystkie"}));

    // Twice on the same item: one marker.
    Kliknij(PanelRodzaju(), 1);
    Kliknij(PanelRodzaju(), 1);
    EXPECT_EQ(PanelRodzaju().Pozycje(), QStringList({"  Wszystkie", "  >>  Wydatki", "  Przychody"}));
    Kliknij(PanelStanu(), 4);
    EXPECT_EQ(PanelStanu().Pozycje(), QStringList({"  Wszystkie", "  Wykonane", "  Niewykonane",
                                                   "  Oczekujące", "  >>  Po terminie"}));

    // The fixed item and the month list share one marker.
    Kliknij(PanelMiesiecy(), 2);
    Kliknij(PanelMiesiecy(), 2);
    EXPECT_EQ(PanelWszystkichMiesiecy().Pozycje(), QStringList({"  Wszystkie"}));
    EXPECT_EQ(PanelMiesiecy().Pozycje(),
              QStringList({"  Marzec 2013", "  Kwiecień 2013", "  >>  Maj 2013", "  Czerwiec 2013"}));
    EXPECT_EQ(Okno().Filtr().Miesiac(), "Maj 2013");
    Kliknij(PanelMiesiecy(), 3);
    EXPECT_EQ(PanelMiesiecy().Pozycje(),
              QStringList({"  Marzec 2013", "  Kwiecień 2013", "  Maj 2013", "  >>  Czerwiec 2013"}));
    Kliknij(PanelWszystkichMiesiecy(), 0);
    EXPECT_EQ(PanelWszystkichMiesiecy().Pozycje(), QStringList({"  >>  Wszystkie"}));
    EXPECT_EQ(PanelMiesiecy().Pozycje(),
              QStringList({"  Marzec 2013", "  Kwiecień 2013", "  Maj 2013", "  Czerwiec 2013"}));

    // The panels never take the focus from the grid.
    for (TListaPozycji* panel : {&PanelRodzaju(), &PanelStanu(), &PanelWszystkichMiesiecy(), &PanelMiesiecy()})
        EXPECT_EQ(panel->focusPolicy(), Qt::NoFocus);
}

TEST_F(FiltrOknaTest, UsunZnacznikZdejmujeTylkoZnacznik)
{
    PanelMiesiecy().SetTekst(0, "  >>  >>  Marzec 2013");
    PanelMiesiecy().SetTekst(3, " >>  Czerwiec 2013");
    Okno().UsunZnacznik(PanelMiesiecy());
    // One marker per item goes; a text that only resembles it stays.
    EXPECT_EQ(PanelMiesiecy().Pozycje(),
              QStringList({"  >>  Marzec 2013", "  Kwiecień 2013", "  Maj 2013", " >>  Czerwiec 2013"}));
}

TEST_F(FiltrOknaTest, KomorkiWiersza)
{
    Kliknij(PanelStanu(), 0);
    const QStringList czynsz = {"10", "0", "Czynsz", "Rachunki", "1 234,50 zł", "2013-05-16 10:00",
                                "komentarz Czynsz", "Wydatki", "0"};
    const QStringList premia = {"16", "1", "Premia", "Pensja", "10,00 zł", "2013-03-20 09:00",
                                "komentarz Premia", "Przychody", "0"};
    // A plan of no kind has no category and no kind text.
    const QStringList nieokreslony = {"14", "0", "Nieokreślony", "", "10,00 zł", "2013-03-05 09:00",
                                      "komentarz Nieokreślony", "", "0"};
    for (const auto& [wiersz, oczekiwane] :
         std::vector<std::pair<int, QStringList>>{{3, czynsz}, {1, premia}, {0, nieokreslony}}) {
        QStringList komorki;
        for (int kolumna = 0; kolumna < Siatka().IloscKolumn(); ++kolumna)
            komorki.append(Siatka().Komorka(kolumna, wiersz));
        EXPECT_EQ(komorki, oczekiwane);
    }
}

TEST_F(FiltrOknaTest, KolumnySiatki)
{
    ASSERT_EQ(Siatka().IloscKolumn(), 9);
    const QStringList tytuly = {"ID", "Wykonany", "Nazwa", "Kategoria", "Kwota", "Data", "Komentarz",
                                "TypPlanu", "DodanyDoKolekcji"};
    for (int kolumna = 0; kolumna < 9; ++kolumna) {
        EXPECT_EQ(Siatka().Tytul(kolumna), tytuly[kolumna]);
        EXPECT_EQ(Siatka().Widoczna(kolumna), kolumna != 0 && kolumna < 7) << kolumna;
        EXPECT_EQ(Siatka().Wyrownanie(kolumna), kolumna == 4 || kolumna == 5 ? Qt::AlignRight : Qt::AlignLeft);
    }
    EXPECT_TRUE(Siatka().AutomatycznaSzerokosc());
    EXPECT_TRUE(Siatka().TylkoDoOdczytu());
    EXPECT_EQ(Siatka().WysokoscWiersza(), 26);
    EXPECT_EQ(Siatka().IloscLiniiStopki(), 2);
    for (int kolumna = 1; kolumna < 7; ++kolumna)
        EXPECT_GE(Siatka().Szerokosc(kolumna), 50);
}

TEST_F(FiltrOknaTest, PlanDodanyWTrakcieWNowymMiesiacuBezNowejPozycjiMiesiaca)
{
    Plan(30, "Wakacje", TTypPlanu::Wydatek, KodujDateCzas(2013, 8, 1, 9, 0));
    Kliknij(PanelRodzaju(), 0);
    EXPECT_EQ(Idy(), QStringList({"14", "10", "18", "13", "12", "17", "30"}));
    EXPECT_EQ(PanelMiesiecy().IloscPozycji(), 4);
}

TEST_F(FiltrOknaTest, PlanyNieposortowaneDodanePozniejTrafiajaNaSwojeMiejsce)
{
    Plan(5, "Wcześniej", TTypPlanu::Wydatek, KodujDateCzas(2013, 5, 16, 10, 0));
    Plan(2, "Najwcześniej", TTypPlanu::Przychod, KodujDateCzas(2013, 1, 2, 9, 0));
    Kliknij(PanelRodzaju(), 0);
    EXPECT_EQ(Idy(), QStringList({"2", "14", "5", "10", "18", "13", "12", "17"}));
}

class PustyPlanerTest : public TPlanerTestowy {};

TEST_F(PustyPlanerTest, BezPlanowBezWierszyIMiesiecy)
{
    Pokaz();
    EXPECT_EQ(Siatka().IloscWierszy(), 0);
    EXPECT_EQ(PanelMiesiecy().IloscPozycji(), 0);
    EXPECT_EQ(PanelMiesiecy().height(), 0);
    EXPECT_EQ(Okno().Row(), -1);
    EXPECT_EQ(Okno().Col(), -1);
}

TEST_F(PustyPlanerTest, BezBazyOknoBezKolumnIWierszy)
{
    fOkno = std::make_unique<TPlanerFormGlowny>();
    fOkno->show();
    Uspokoj();
    EXPECT_EQ(Siatka().IloscKolumn(), 0);
    EXPECT_EQ(Siatka().IloscWierszy(), 0);
    EXPECT_EQ(PanelMiesiecy().IloscPozycji(), 0);
    EXPECT_EQ(PanelRodzaju().Pozycje(), QStringList({"  >>  Wszystkie", "  Wydatki", "  Przychody"}));
    Kliknij(PanelStanu(), 0);
    EXPECT_EQ(Siatka().IloscWierszy(), 0);
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
}

TEST_F(PustyPlanerTest, BezTytulowKolumnBezKolumnIBezAwarii)
{
    Plan(1, "Czynsz", TTypPlanu::Wydatek, KodujDateCzas(2013, 5, 16, 10, 0));
    Kolekcje().TabelaPlany().Clear();
    Pokaz();
    EXPECT_EQ(Siatka().IloscKolumn(), 0);
    Siatka().grab();
    // No id cell to read: the actions say so instead of touching a plan.
    fKomunikaty->Odpowiedzi.push_back(TOdpowiedzKomunikatu::Tak);
    Nacisnij(Siatka(), Qt::Key_Delete);
    ASSERT_FALSE(fKomunikaty->Komunikaty.empty());
    EXPECT_EQ(fKomunikaty->Komunikaty.back().Tekst, "Nie można usunąć tego planu !!!");
    EXPECT_EQ(Kolekcje().Plany().front()->Zmiany(), TTypModyfikacji::BezZmian);
}

}  // namespace
