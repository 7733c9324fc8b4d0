// Category, person, spending-limit and deposit-offer lookups of the container.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "collections/KolekcjeDanych.h"
#include "collections/RekordyTestowe.h"
#include "common/PolskiTekst.h"
#include "common/Wyjatki.h"
#include "records/HarmonogramLokatyBankowej.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Lokata.h"
#include "records/Ograniczenie.h"
#include "records/Osoba.h"
#include "records/Plan.h"
#include "records/ZlecenieStale.h"
#include "support/TestPlatforma.h"

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

constexpr auto BezZmian = TTypModyfikacji::BezZmian;
constexpr auto Zmieniono = TTypModyfikacji::Zmieniono;
constexpr auto Dodano = TTypModyfikacji::Dodano;
constexpr auto Usunieto = TTypModyfikacji::Usunieto;
constexpr bool Widoczna = false;
constexpr bool Ukryta = true;

class KategorieZapytaniaTest : public testing::Test {
protected:
    TUstawionyZegar zegar{KodujDateCzas(2013, 5, 17, 12, 0)};
    TKolekcjeDanych k;

    TKategoriaWydatki& KatW(int32_t id, const std::string& opis, bool usuniety = Widoczna, int32_t waga = 1,
                            TTypModyfikacji zmiany = BezZmian)
    {
        return Dodaj(k.KategorieWydatki(), id, opis, usuniety, zmiany, waga);
    }
    TKategoriaOszczednosci& KatO(int32_t id, const std::string& opis, bool usuniety, bool moznaZaplacic,
                                 int32_t waga = 1)
    {
        return Dodaj(k.KategorieOszczednosci(), id, opis, usuniety, moznaZaplacic, false, BezZmian, waga);
    }
    TOsoba& Osoba(int32_t id, const std::string& imie, const std::string& nazwisko, bool usuniety = Widoczna,
                  int32_t waga = 1)
    {
        return Dodaj(k.Osoby(), id, imie, nazwisko, "", "", "", usuniety, BezZmian, waga);
    }
    THarmonogramLokatyBankowej& Oferta(int32_t id, const std::string& bank, double oprocentowanie)
    {
        THarmonogramLokatyBankowej& h = Dodaj(k.HarmonogramyLokatBankowych());
        h.SetId(id);
        h.SetBank(bank);
        h.SetNazwaHarmonogramu("Lokata");
        h.SetOkresDepozytu(6);
        h.SetJednostkaDepozytu(TJednostkaOkresu::Miesiace);
        h.SetOprocentowanieWSkaliRoku(oprocentowanie);
        return h;
    }
    TOgraniczenie& Limit(int32_t idKategorii, uint16_t rok, TTypModyfikacji zmiany = BezZmian)
    {
        return Dodaj(k.Ograniczenia(), idKategorii, 300.0, 3000.0, rok, zmiany);
    }
    TZlecenieStale& Zlecenie(TListaRekordow<TZlecenieStale>& lista, int32_t id, const std::string& nazwa,
                             TTypModyfikacji zmiany = BezZmian)
    {
        TZlecenieStale& z = Dodaj(lista);
        z.SetId(id);
        z.SetNazwa(nazwa);
        z.SetZmiany(zmiany);
        return z;
    }

    std::vector<int32_t> IdKategoriiWydatkow() const
    {
        std::vector<int32_t> id;
        for (const auto& kat : k.KategorieWydatki())
            id.push_back(kat->Id());
        return id;
    }
};

TEST_F(KategorieZapytaniaTest, OpisPoIdZnajdujePierwszyRekordKazdejTabeliBezWzgleduNaStan)
{
    Osoba(1, "Jan", "Kowalski", Ukryta);
    KatW(2, "Czynsz", Ukryta, 1, Usunieto);
    KatW(2, "Drugi z tym samym id");
    Dodaj(k.KategoriePrzychody(), 3, "Pensja", Widoczna, BezZmian, 1);
    KatO(4, "Konto", Widoczna, true);
    Zlecenie(k.ZleceniaStaleWydatki(), 5, "Abonament");
    Zlecenie(k.ZleceniaStalePrzychody(), 5, "Wynajem");
    const std::string oferta = Oferta(6, "Bank A", 4.5).BankNazwaOprocentowanie();
    Dodaj(k.Plany(), 7, "Plan", -1, 10.0, 0.0, "", BezZmian, TTypPlanu::Wydatek);

    EXPECT_EQ(k.PobierzOpisKategoriiPoID(1, TTabele::Osoby), "Jan Kowalski");
    EXPECT_EQ(k.PobierzOpisKategoriiPoID(2, TTabele::Kategorie_Wydatki), "Czynsz");
    EXPECT_EQ(k.PobierzOpisKategoriiPoID(3, TTabele::Kategorie_Przychody), "Pensja");
    EXPECT_EQ(k.PobierzOpisKategoriiPoID(4, TTabele::Kategorie_Oszczednosci), "Konto");
    EXPECT_EQ(k.PobierzOpisKategoriiPoID(5, TTabele::ZleceniaStaleWydatki), "Abonament");
    EXPECT_EQ(k.PobierzOpisKategoriiPoID(5, TTabele::ZleceniaStalePrzychody), "Wynajem");
    EXPECT_EQ(k.PobierzOpisKategoriiPoID(6, TTabele::HarmonogramyLokatBankowych), oferta);
    EXPECT_EQ(k.PobierzOpisKategoriiPoID(7, TTabele::Plany), "");
    EXPECT_EQ(k.PobierzOpisKategoriiPoID(99, TTabele::Kategorie_Wydatki), "");
}

TEST_F(KategorieZapytaniaTest, LokatyToPseudokategoriaBezWyszukiwaniaIBezDrogiPowrotnej)
{
    EXPECT_EQ(k.PobierzOpisKategoriiPoID(-1000, TTabele::Kategorie_Oszczednosci), "Lokaty");
    EXPECT_EQ(k.PobierzOpisKategoriiPoID(-1000, TTabele::Kategorie_Wydatki), "");
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("Lokaty", TTabele::Kategorie_Oszczednosci), -1);
    KatO(8, "Lokaty", Widoczna, false);
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("Lokaty", TTabele::Kategorie_Oszczednosci), 8);
}

TEST_F(KategorieZapytaniaTest, IdPoOpisieOsobyBezWielkosciLiterKategorieDokladnie)
{
    Osoba(1, "Łucja", "Żółw");
    KatW(2, "Żywność");
    KatW(3, "Żywność");
    Oferta(4, "Bank A", 4.5);

    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("łucja żółw", TTabele::Osoby), 1);
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("Żywność", TTabele::Kategorie_Wydatki), 2);
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("żywność", TTabele::Kategorie_Wydatki), -1);
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("Żywność", TTabele::Kategorie_Przychody), -1);
    const std::string oferta = k.HarmonogramyLokatBankowych()[0]->BankNazwaOprocentowanie();
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie(oferta, TTabele::HarmonogramyLokatBankowych), 4);
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie(MaleLitery(oferta), TTabele::HarmonogramyLokatBankowych), -1);
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("Żywność", TTabele::Plany), -1);
}

TEST_F(KategorieZapytaniaTest, ListaOpisowWydatkowIPrzychodowJestBledem)
{
    for (const TTabele tabela : {TTabele::Wydatki, TTabele::Przychody}) {
        try {
            k.PobierzOpisyKategorii(tabela, true, false, -1);
            ADD_FAILURE() << "brak wyjątku";
        } catch (const EGrosiwoException& e) {
            EXPECT_STREQ(e.what(),
                         "Nie można pobrać opisów wydatków, przychodów i oszczędności. Pobiera się opisy "
                         "kategorii powiązanych z każdą z tych tabel. Jeżeli chodzi o oszczędności to "
                         "pobiera się tablicę oszczędności z kwotami.");
        }
    }
}

TEST_F(KategorieZapytaniaTest, ListaKategoriiPosortowanaBezPowtorzenIBezUsunietych)
{
    KatW(1, "Łódź", Widoczna, 2);
    KatW(2, "Usunięta", Widoczna, 1, Usunieto);
    KatW(3, "Ukryta", Ukryta, 3);
    KatW(4, "ŁÓDŹ", Widoczna, 1);
    KatW(5, "Auto", Widoczna, 1);
    KatW(6, "", Widoczna, 1);

    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::Kategorie_Wydatki, true, false, -1), ElementsAre("Auto", "ŁÓDŹ"));
    // The list keeps the order of the sort the query ran.
    EXPECT_THAT(IdKategoriiWydatkow(), ElementsAre(6, 5, 4, 2, 1, 3));
    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::Kategorie_Wydatki, false, false, -1),
                ElementsAre("Auto", "ŁÓDŹ", "Ukryta"));
    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::Kategorie_Wydatki, true, false, 4), ElementsAre("Auto", "Łódź"));
}

TEST_F(KategorieZapytaniaTest, PominieteIdJedynejWidocznejDajePustaListe)
{
    KatW(1, "Jedyna");
    KatW(2, "Ukryta", Ukryta);
    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::Kategorie_Wydatki, true, false, 1), IsEmpty());
    // -1 skips nothing, not even a category not yet stored.
    KatW(-1, "Nowa");
    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::Kategorie_Wydatki, true, false, -1), ElementsAre("Jedyna", "Nowa"));
}

TEST_F(KategorieZapytaniaTest, ListaKategoriiOszczednosciFiltrujeWidocznoscIMozliwoscZaplaty)
{
    KatO(1, "Gotówka", Widoczna, true, 2);
    KatO(2, "Dług", Widoczna, false, 1);
    KatO(3, "Stare konto", Ukryta, true, 1);

    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::Kategorie_Oszczednosci, true, true, -1), ElementsAre("Gotówka"));
    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::Kategorie_Oszczednosci, true, false, -1),
                ElementsAre("Dług", "Gotówka"));
    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::Kategorie_Oszczednosci, false, true, -1),
                ElementsAre("Stare konto", "Gotówka"));
}

TEST_F(KategorieZapytaniaTest, ListaOsobPosortowanaPoWadzeIImieniu)
{
    Osoba(1, "Zofia", "Nowak", Widoczna, 1);
    Osoba(2, "Adam", "Nowak", Ukryta, 1);
    Osoba(3, "Ewa", "Kos", Widoczna, 0);
    Osoba(4, "ZOFIA", "NOWAK", Widoczna, 5);

    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::Osoby, true, false, -1), ElementsAre("Ewa Kos", "Zofia Nowak"));
    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::Osoby, false, false, -1),
                ElementsAre("Ewa Kos", "Adam Nowak", "Zofia Nowak"));
}

TEST_F(KategorieZapytaniaTest, ListyNazwZlecenPlanowILokatWKolejnosciListy)
{
    Zlecenie(k.ZleceniaStaleWydatki(), 1, "Prąd");
    Zlecenie(k.ZleceniaStaleWydatki(), 2, "Abonament", Usunieto);
    Zlecenie(k.ZleceniaStaleWydatki(), 3, "PRĄD");
    Zlecenie(k.ZleceniaStaleWydatki(), 4, "Gaz");
    Dodaj(k.Plany(), 1, "Wakacje", -1, 10.0, 0.0, "", BezZmian, TTypPlanu::Wydatek);
    Dodaj(k.Plany(), 2, "Auto", -1, 10.0, 0.0, "", BezZmian, TTypPlanu::Wydatek);
    Dodaj(k.Lokaty(), 1, "Roczna", 1000.0, 0.0, 12, TJednostkaOkresu::Miesiace, -1, true, BezZmian);
    Dodaj(k.Lokaty(), 2, "Krótka", 1000.0, 0.0, 1, TJednostkaOkresu::Miesiace, -1, true, BezZmian);

    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::ZleceniaStaleWydatki, true, false, -1), ElementsAre("Prąd", "Gaz"));
    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::ZleceniaStalePrzychody, true, false, -1), IsEmpty());
    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::Plany, true, false, 1), ElementsAre("Auto"));
    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::Lokaty, true, false, -1), ElementsAre("Roczna", "Krótka"));
    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::StanyOszczednosci, true, false, -1), IsEmpty());
}

TEST_F(KategorieZapytaniaTest, ListaOfertPosortowanaPoBanku)
{
    const std::string b = Oferta(1, "Bank B", 4.0).BankNazwaOprocentowanie();
    const std::string a = Oferta(2, "Bank A", 5.0).BankNazwaOprocentowanie();
    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::HarmonogramyLokatBankowych, true, false, -1), ElementsAre(a, b));
    EXPECT_EQ(k.HarmonogramyLokatBankowych()[0]->Id(), 2);
}

TEST_F(KategorieZapytaniaTest, ListaIdZawieraUkryteIUsuniete)
{
    KatO(1, "Gotówka", Ukryta, true);
    KatO(2, "Dług", Widoczna, false);
    KatW(3, "Czynsz", Ukryta, 1, Usunieto);
    Osoba(4, "Jan", "Kos");

    EXPECT_EQ(k.PobierzListeIDKategorii(TTabele::Kategorie_Oszczednosci, false), TIntegerList({1, 2}));
    EXPECT_EQ(k.PobierzListeIDKategorii(TTabele::Kategorie_Oszczednosci, true), TIntegerList({1}));
    EXPECT_EQ(k.PobierzListeIDKategorii(TTabele::Kategorie_Wydatki, true), TIntegerList({3}));
    EXPECT_EQ(k.PobierzListeIDKategorii(TTabele::Osoby, false), TIntegerList({4}));
    EXPECT_EQ(k.PobierzListeIDKategorii(TTabele::Kategorie_Przychody, false), TIntegerList());
    EXPECT_EQ(k.PobierzListeIDKategorii(TTabele::Plany, false), TIntegerList());
}

TEST_F(KategorieZapytaniaTest, WagaPierwszegoRekorduZId)
{
    KatW(1, "A", Widoczna, 7);
    KatW(1, "B", Widoczna, 9);
    Osoba(2, "Jan", "Kos", Widoczna, 3);
    EXPECT_EQ(k.PobierzWageKategoriiPoID(1, TTabele::Kategorie_Wydatki), 7u);
    EXPECT_EQ(k.PobierzWageKategoriiPoID(2, TTabele::Osoby), 3u);
    EXPECT_EQ(k.PobierzWageKategoriiPoID(3, TTabele::Osoby), 0u);
    EXPECT_EQ(k.PobierzWageKategoriiPoID(1, TTabele::Plany), 0u);
}

TEST_F(KategorieZapytaniaTest, DomyslneIdToNajlzejszyRekordNawetUkryty)
{
    EXPECT_EQ(k.PobierzDomyslneIDKategorii(TTabele::Osoby), -1);
    Osoba(1, "Adam", "Kos", Widoczna, 5);
    Osoba(2, "Ewa", "Kos", Ukryta, 2);
    EXPECT_EQ(k.PobierzDomyslneIDKategorii(TTabele::Osoby), 2);
    EXPECT_EQ(k.Osoby()[0]->Id(), 2);
    KatW(3, "B", Widoczna, 1);
    KatW(4, "a", Widoczna, 1);
    EXPECT_EQ(k.PobierzDomyslneIDKategorii(TTabele::Kategorie_Wydatki), 4);
    EXPECT_EQ(k.PobierzDomyslneIDKategorii(TTabele::Wydatki), -1);
}

TEST_F(KategorieZapytaniaTest, PozostawienieJednejKategoriiOznaczaResztePoUsunieciu)
{
    KatW(1, "A");
    KatW(2, "B", Widoczna, 1, Zmieniono);
    KatW(3, "C", Widoczna, 1, Dodano);
    k.PozostawTylkoJednaDostepnaKategorieWKolekcji(TTabele::Kategorie_Wydatki);
    EXPECT_EQ(k.KategorieWydatki()[0]->Zmiany(), Zmieniono);
    EXPECT_EQ(k.KategorieWydatki()[1]->Zmiany(), Usunieto);
    EXPECT_EQ(k.KategorieWydatki()[2]->Zmiany(), Usunieto);
    EXPECT_FALSE(k.ZmienionoINiezapisanoKategorieWydatki());

    Osoba(4, "Jan", "Kos");
    k.PozostawTylkoJednaDostepnaKategorieWKolekcji(TTabele::Osoby);
    k.ZmienStatusWszystkimKategoriomNaUsuniety(TTabele::Osoby);
    EXPECT_EQ(k.Osoby()[0]->Zmiany(), BezZmian);
}

TEST_F(KategorieZapytaniaTest, PozostawionaKategoriaJeszczeNiezapisanaPozostajeDodana)
{
    // Zmieniono would turn the row that was never inserted into an UPDATE of nothing.
    Dodaj(k.KategorieOszczednosci(), -1, "Nowa", false, true, false, Dodano, 1);
    KatO(2, "Stara", Widoczna, true);
    k.PozostawTylkoJednaDostepnaKategorieWKolekcji(TTabele::Kategorie_Oszczednosci);
    EXPECT_EQ(k.KategorieOszczednosci()[0]->Zmiany(), Dodano);
    EXPECT_EQ(k.KategorieOszczednosci()[1]->Zmiany(), Usunieto);
}

TEST_F(KategorieZapytaniaTest, OgraniczeniePoKategoriiIRoku)
{
    KatW(5, "Jedzenie");
    Limit(5, 2012);
    TOgraniczenie& limit2013 = Limit(5, 2013, Usunieto);

    EXPECT_EQ(k.PobierzOgraniczenieDlaIDKategoriiWydatku(5, 2013), &limit2013);
    EXPECT_EQ(k.PobierzOgraniczenieDlaIDKategoriiWydatku(5, 2014), nullptr);
    EXPECT_EQ(k.PobierzOgraniczenieDlaKategoriiWydatku("Jedzenie", 2013), &limit2013);
    EXPECT_EQ(k.PobierzOgraniczenieDlaKategoriiWydatku("jedzenie", 2013), nullptr);
    const TKolekcjeDanych& stale = k;
    EXPECT_EQ(stale.PobierzOgraniczenieDlaKategoriiWydatku("Jedzenie", 2013), &limit2013);
}

TEST_F(KategorieZapytaniaTest, OgraniczenieNieznanejKategoriiNieTrafiaWLimitBezKategorii)
{
    Limit(-1, 2013);
    EXPECT_EQ(k.PobierzOgraniczenieDlaKategoriiWydatku("Jedzenie", 2013), nullptr);  // no categories
    KatW(5, "Jedzenie");
    EXPECT_EQ(k.PobierzOgraniczenieDlaKategoriiWydatku("Nieznana", 2013), nullptr);
    EXPECT_NE(k.PobierzOgraniczenieDlaIDKategoriiWydatku(-1, 2013), nullptr);
}

TEST_F(KategorieZapytaniaTest, OfertyPoIdINazwieBezWielkosciLiter)
{
    THarmonogramLokatyBankowej& a = Oferta(1, "Bank Śląski", 4.5);
    THarmonogramLokatyBankowej& nowa = Oferta(-1, "Bank Nowy", 3.0);

    EXPECT_EQ(k.PobierzHarmonogramLokatyBankowejDlaID(1), &a);
    EXPECT_EQ(k.PobierzHarmonogramLokatyBankowejDlaID(-1), nullptr);
    EXPECT_EQ(k.PobierzHarmonogramLokatyBankowejDlaID(7), nullptr);
    EXPECT_EQ(k.PobierzHarmonogramLokatyBankowejDlaBanikINazwa(WielkieLitery(a.BankNazwaOprocentowanie())), &a);
    EXPECT_EQ(k.PobierzHarmonogramLokatyBankowejDlaBanikINazwa(nowa.BankNazwaOprocentowanie()), &nowa);
    EXPECT_EQ(k.PobierzHarmonogramLokatyBankowejDlaBanikINazwa("Inny bank"), nullptr);
}

TEST_F(KategorieZapytaniaTest, OfertaWUzyciuGdyJakakolwiekLokataNaNiaWskazuje)
{
    EXPECT_FALSE(k.HarmonogramLokatyBankowejJestWUzyciu(3));
    Dodaj(k.Lokaty(), 1, "Bez oferty", 1000.0, 0.0, 1, TJednostkaOkresu::Miesiace, -1, true, BezZmian);
    EXPECT_FALSE(k.HarmonogramLokatyBankowejJestWUzyciu(-1));
    Dodaj(k.Lokaty(), 2, "Zamknięta", 1000.0, 0.0, 1, TJednostkaOkresu::Miesiace, 3, false, Usunieto);
    EXPECT_TRUE(k.HarmonogramLokatyBankowejJestWUzyciu(3));
    EXPECT_FALSE(k.HarmonogramLokatyBankowejJestWUzyciu(4));
}

TEST_F(KategorieZapytaniaTest, OfertySaZapisaneGdyKazdaMaWierszIWczytanaNieJest)
{
    EXPECT_TRUE(k.HarmonogramyLokatBankowychSaZapisane());
    Oferta(1, "Bank A", 4.5).SetZmiany(Zmieniono);
    EXPECT_TRUE(k.HarmonogramyLokatBankowychSaZapisane());
    THarmonogramLokatyBankowej& wczytana = Oferta(2, "Bank B", 4.5);
    wczytana.SetZmiany(Dodano);  // as reading an exchange record leaves it
    EXPECT_FALSE(k.HarmonogramyLokatBankowychSaZapisane());
    wczytana.SetZmiany(BezZmian);
    Oferta(-1, "Bank C", 4.5);
    EXPECT_FALSE(k.HarmonogramyLokatBankowychSaZapisane());
}

}  // namespace
