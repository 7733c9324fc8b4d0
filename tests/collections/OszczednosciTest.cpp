// Savings arithmetic of the container: payment sources, the sign rule of debts, movements,
// the savings table and the amounts read from it.
#include <cmath>
#include <limits>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "collections/KolekcjeDanych.h"
#include "collections/RekordyTestowe.h"
#include "common/Wyjatki.h"
#include "records/KategoriaOszczednosci.h"
#include "records/Oszczednosc.h"
#include "support/TestPlatforma.h"

using testing::ElementsAre;
using testing::IsEmpty;
using testing::Pair;
using testing::UnorderedElementsAre;

namespace {

constexpr auto BezZmian = TTypModyfikacji::BezZmian;
constexpr auto Zmieniono = TTypModyfikacji::Zmieniono;
constexpr auto Dodano = TTypModyfikacji::Dodano;
constexpr auto Usunieto = TTypModyfikacji::Usunieto;
const TDateTime Wczoraj = KodujDateCzas(2013, 5, 16, 9, 0);
const TDateTime Teraz2013 = KodujDateCzas(2013, 5, 17, 12, 0);

class OszczednosciTest : public testing::Test {
protected:
    TUstawionyZegar zegar{Teraz2013};
    TKolekcjeDanych k;

    TKategoriaOszczednosci& Kategoria(int32_t id, const std::string& opis, bool moznaZaplacic = true,
                                      bool dlug = false, bool ukryta = false, int32_t waga = 1)
    {
        return Dodaj(k.KategorieOszczednosci(), id, opis, ukryta, moznaZaplacic, dlug, BezZmian, waga);
    }
    TOszczednosc& Wpis(int32_t id, int32_t idKategorii, double ile, uint8_t typ = 1,
                       TTypModyfikacji zmiany = BezZmian, uint32_t waga = 1)
    {
        TOszczednosc& o = Dodaj(k.Oszczednosci(), id, idKategorii, ile, Wczoraj, "", typ, zmiany);
        o.SetWagaIdKatOszczednosci(waga);
        return o;
    }
    // The computed entry that shows the running deposits' total.
    TOszczednosc& WpisLokat(double ile)
    {
        TOszczednosc& o = Dodaj(k.Oszczednosci());
        o.SetOszczednoscZTabeliLokaty(true);
        o.SetIdKategoriaOszczednosci(-1000);
        o.SetWagaIdKatOszczednosci(2147483647);
        o.SetIle(ile);
        return o;
    }
};

struct TRuch {
    bool Dlug;
    uint8_t Typ;
    bool Przelew;
    double PoDodaniu;
    double PoOdjeciu;
};

class RuchOszczednosciTest : public OszczednosciTest, public testing::WithParamInterface<TRuch> {};

TEST_P(RuchOszczednosciTest, KwotaPoDodaniuIOdjeciu100Od250)
{
    const TRuch ruch = GetParam();
    Kategoria(10, "Konto", true, ruch.Dlug);
    TOszczednosc& wpis = Wpis(1, 10, 250, ruch.Typ);

    EXPECT_TRUE(k.DodajDoOszczednosciWartosc(100, 1, ruch.Przelew));
    EXPECT_DOUBLE_EQ(wpis.Ile(), ruch.PoDodaniu);
    wpis.SetIle(250);
    EXPECT_TRUE(k.OdejmijZOszczednosciWartosc(100, 1, ruch.Przelew));
    EXPECT_DOUBLE_EQ(wpis.Ile(), ruch.PoOdjeciu);
}

INSTANTIATE_TEST_SUITE_P(ZnakRuchu, RuchOszczednosciTest,
                         testing::Values(TRuch{false, 1, false, 350, 150},   // an ordinary entry
                                         TRuch{false, 2, false, 350, 150},   // type matters only for debts
                                         TRuch{true, 1, false, 350, 150},    // a debt of type 1
                                         TRuch{true, 2, false, 150, 350},    // a debt of type 2 moves back
                                         TRuch{true, 2, true, 350, 150},     // a transfer moves the plain amount
                                         TRuch{true, 3, true, 350, 150}));   // even of an unknown type

TEST_F(OszczednosciTest, DlugNieobslugiwanegoTypuJestBledemINiczegoNieZmienia)
{
    Kategoria(10, "Pożyczka", false, true);
    TOszczednosc& wpis = Wpis(1, 10, 250, 3);
    for (const bool dodaj : {true, false}) {
        try {
            dodaj ? k.DodajDoOszczednosciWartosc(100, 1, false) : k.OdejmijZOszczednosciWartosc(100, 1, false);
            ADD_FAILURE() << "brak wyjątku";
        } catch (const EGrosiwoException& e) {
            EXPECT_STREQ(e.what(), "Nieobsługiwany typ oszczędności !!!");
        }
    }
    EXPECT_EQ(wpis.Ile(), 250);
    EXPECT_EQ(wpis.Zmiany(), BezZmian);
    EXPECT_FALSE(k.ZmienionoINiezapisanoOszczednosci());
}

TEST_F(OszczednosciTest, CharakterDluguLiczySieTylkoGdySaKategorieNieusuniete)
{
    TKategoriaOszczednosci& dlug = Kategoria(10, "Pożyczka", false, true);
    Wpis(1, 10, 250, 2);
    EXPECT_EQ(k.ObliczMnoznikDoDodawaniaOdejmowania(1, false), -1);
    dlug.SetZmiany(Usunieto);
    EXPECT_EQ(k.ObliczMnoznikDoDodawaniaOdejmowania(1, false), 1);
    EXPECT_EQ(k.ObliczMnoznikDoDodawaniaOdejmowania(99, false), 1);
}

TEST_F(OszczednosciTest, RuchOznaczaWpisIKolekcje)
{
    Kategoria(10, "Konto");
    TOszczednosc& zapisany = Wpis(1, 10, 0);
    TOszczednosc& nowy = Wpis(2, 10, 0, 1, Dodano);

    EXPECT_TRUE(k.DodajDoOszczednosciWartosc(10, 1, false));
    EXPECT_TRUE(k.OdejmijZOszczednosciWartosc(10, 2, false));
    EXPECT_EQ(zapisany.Zmiany(), Zmieniono);
    EXPECT_EQ(nowy.Zmiany(), Dodano);
    EXPECT_EQ(zapisany.Data(), Teraz2013);
    EXPECT_TRUE(k.ZmienionoINiezapisanoOszczednosci());
}

TEST_F(OszczednosciTest, RuchNaNieznanymWpisieLubWpisieLokatNiczegoNieZmienia)
{
    EXPECT_FALSE(k.DodajDoOszczednosciWartosc(10, 1, false));
    // The deposits entry is rebuilt from the deposits at every load: a change would vanish.
    TOszczednosc& lokaty = WpisLokat(5000);
    EXPECT_FALSE(k.DodajDoOszczednosciWartosc(10, -1, false));
    EXPECT_FALSE(k.OdejmijZOszczednosciWartosc(10, -1, false));
    EXPECT_EQ(lokaty.Ile(), 5000);
    EXPECT_FALSE(k.ZmienionoINiezapisanoOszczednosci());
}

TEST_F(OszczednosciTest, KwotaNieliczbowaJestOdrzucana)
{
    Kategoria(10, "Konto");
    TOszczednosc& wpis = Wpis(1, 10, 250);
    EXPECT_THROW(k.DodajDoOszczednosciWartosc(std::numeric_limits<double>::quiet_NaN(), 1, false),
                 EGrosiwoException);
    EXPECT_THROW(k.OdejmijZOszczednosciWartosc(std::numeric_limits<double>::infinity(), 1, false),
                 EGrosiwoException);
    EXPECT_EQ(wpis.Ile(), 250);
    EXPECT_FALSE(k.ZmienionoINiezapisanoOszczednosci());
}

TEST_F(OszczednosciTest, WyszukiwanieWpisowIKategorii)
{
    Kategoria(10, "Konto");
    Wpis(-1, -1, 0);  // an entry whose category was never set
    Wpis(1, 10, 0, 2);
    Wpis(2, 10, 0);

    EXPECT_EQ(k.PobierzTypOszczednosciPoID(1), 2);
    EXPECT_EQ(k.PobierzTypOszczednosciPoID(99), 1);
    EXPECT_EQ(k.PobierzIDKatOszczednosciDlaOszczednosci(2), 10);
    EXPECT_EQ(k.PobierzIDKatOszczednosciDlaOszczednosci(99), -1);
    EXPECT_EQ(k.PobierzIDOszczednosciPoIdKategoriiOszczednosci(10), 1);
    EXPECT_EQ(k.PobierzIDOszczednosciPoIdKategoriiOszczednosci(11), -1);
    EXPECT_EQ(k.PobierzIDOszczednosciPoOpisie("Konto"), 1);
    EXPECT_EQ(k.PobierzIDOszczednosciPoOpisie("konto"), -1);
    EXPECT_EQ(k.PobierzIDOszczednosciPoOpisie("Nieznana"), -1);
}

TEST_F(OszczednosciTest, UkrytaKategoriaPlatniczaLiczySieDlaWpisowGdyIstniejeWidoczna)
{
    Kategoria(10, "Stare konto", true, false, true);
    Wpis(1, 10, 0);
    EXPECT_EQ(k.IloscKategoriOszczednosciZMozliwosciaZaplaty(), 0);
    EXPECT_EQ(k.IloscOszczednosciZMozliwosciaZaplaty(), 0);
    EXPECT_THAT(k.UtworzTabliceOszczednosciZKwotami(true, -1), IsEmpty());

    Kategoria(11, "Gotówka");
    Kategoria(12, "Dług", false, true);
    Wpis(2, 12, 0, 1, Usunieto);
    EXPECT_EQ(k.IloscKategoriOszczednosciZMozliwosciaZaplaty(), 1);
    EXPECT_EQ(k.IloscOszczednosciZMozliwosciaZaplaty(), 1);
    EXPECT_THAT(k.UtworzTabliceOszczednosciZKwotami(true, -1), ElementsAre(ElementsAre("1", "Stare konto", "0,00")));
}

TEST_F(OszczednosciTest, MozliwoscZaplatyWpisuPrzezJegoKategorie)
{
    Kategoria(10, "Konto", true);
    Kategoria(11, "Dług", false);
    Wpis(1, 10, 0, 1, Usunieto);
    Wpis(2, 11, 0);
    WpisLokat(100);
    EXPECT_TRUE(k.OszczednoscMaMozliwoscZaplaty(1));
    EXPECT_FALSE(k.OszczednoscMaMozliwoscZaplaty(2));
    EXPECT_FALSE(k.OszczednoscMaMozliwoscZaplaty(-1));
    // The only payable entry is marked for deletion.
    EXPECT_FALSE(k.KolekcjaZawieraOszczednosciZMozliwosciaZaplaty());
    Wpis(3, 10, 0);
    EXPECT_TRUE(k.KolekcjaZawieraOszczednosciZMozliwosciaZaplaty());
}

TEST_F(OszczednosciTest, TablicaPosortowanaZKwotamiWFormacieF)
{
    Kategoria(10, "Konto", true, false, false, 2);
    Kategoria(11, "Dług", false, true, false, 1);
    WpisLokat(5000);
    Wpis(1, 10, 1234.5, 1, BezZmian, 2);
    Wpis(2, 11, -300, 1, Usunieto, 1);
    Wpis(3, 10, 0.005, 1, Dodano, 2);
    Wpis(4, 99, 1e6, 1, BezZmian, 3);
    Wpis(5, 99, -0.004, 1, BezZmian, 3);

    EXPECT_THAT(k.UtworzTabliceOszczednosciZKwotami(false, 1),
                ElementsAre(ElementsAre("2", "Dług", "-300,00"), ElementsAre("3", "Konto", "0,01"),
                            ElementsAre("5", "", "0,00"), ElementsAre("4", "", "1000000,00"),
                            ElementsAre("-1", "Lokaty", "5000,00")));
    // The list keeps the table's order; -1 leaves the deposits entry out.
    EXPECT_EQ(k.Oszczednosci()[0]->Id(), 2);
    EXPECT_EQ(k.UtworzTabliceOszczednosciZKwotami(false, -1).size(), 5u);
    EXPECT_THAT(k.UtworzTabliceOszczednosciZKwotami(true, -1),
                ElementsAre(ElementsAre("3", "Konto", "0,01"), ElementsAre("1", "Konto", "1234,50")));
    k.Oszczednosci().clear();
    EXPECT_THAT(k.UtworzTabliceOszczednosciZKwotami(false, -1), IsEmpty());
}

TEST_F(OszczednosciTest, SlownikZTablicyPozniejszyWierszWygrywa)
{
    const TTabDwuwymiarowa tablica{{"1", "Konto", "1234,50"}, {"2", "Gotówka", "-5,25"},
                                   {"3", "Konto", "10,00"}, {"4", "Za krótki"}};
    EXPECT_THAT(TKolekcjeDanych::KonwertujTabliceOszczednosciZKwotamiNaSlownik(tablica),
                UnorderedElementsAre(Pair("Konto", 10.0), Pair("Gotówka", -5.25)));
}

TEST_F(OszczednosciTest, StanWpisuJakWTablicy)
{
    EXPECT_EQ(k.PobierzStanOszczednosciDlaID(1), 0);
    Kategoria(10, "Konto");
    Wpis(1, 10, 1234.5, 1, BezZmian, 5);
    Wpis(2, 10, 99.999, 1, BezZmian, 1);
    WpisLokat(5000);

    EXPECT_EQ(k.PobierzStanOszczednosciDlaID(1), 1234.5);
    EXPECT_EQ(k.PobierzStanOszczednosciDlaID(2), 100.0);
    EXPECT_EQ(k.PobierzStanOszczednosciDlaID(-1), 0);
    EXPECT_EQ(k.PobierzStanOszczednosciDlaID(99), 0);
    EXPECT_EQ(k.Oszczednosci()[0]->Id(), 2);
}

TEST_F(OszczednosciTest, ListaOpisowOszczednosciZPowtorzeniamiIZLokatami)
{
    Kategoria(10, "Konto", true, false, false, 1);
    Kategoria(11, "Dług", false, true, false, 2);
    Wpis(1, 10, 0, 1, BezZmian, 1);
    Wpis(2, 10, 0, 1, BezZmian, 1);
    Wpis(3, 11, 0, 1, BezZmian, 2);
    Wpis(4, 99, 0, 1, BezZmian, 3);
    WpisLokat(100);

    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::Oszczednosci, true, false, 2),
                ElementsAre("Konto", "Konto", "Dług", "Lokaty"));
    EXPECT_THAT(k.PobierzOpisyKategorii(TTabele::Oszczednosci, false, true, -1), ElementsAre("Konto", "Konto"));
}

TEST_F(OszczednosciTest, NieuzyteNazwyKategoriiBezWzgleduNaWielkoscLiter)
{
    Kategoria(10, "Konto", true, false, false, 1);
    Kategoria(11, "Skarbonka", true, false, false, 2);
    Kategoria(12, "Ukryta", true, false, true, 3);
    Kategoria(13, "Łódź", true, false, false, 4);
    Kategoria(14, "ŁÓDŹ", true, false, false, 0);
    // The pick list of categories keeps "ŁÓDŹ"; the entry uses the other spelling.
    Wpis(1, 13, 0);
    Wpis(2, 10, 0);

    EXPECT_THAT(k.PobierzNieuzyteNazwyKategoriiOszczednosci(), ElementsAre("Skarbonka"));
}

TEST_F(OszczednosciTest, CzyszczenieZyskowZostawiaKlucze)
{
    k.ZyskiZLokatDoDodaniaJakoPrzychod()[10] = 12.5;
    k.ZyskiZLokatDoDodaniaJakoPrzychod()[11] = 0;
    k.WyczyscZyskiZLokatBankowych();
    EXPECT_THAT(k.ZyskiZLokatDoDodaniaJakoPrzychod(), UnorderedElementsAre(Pair(10, 0.0), Pair(11, 0.0)));
}

}  // namespace
