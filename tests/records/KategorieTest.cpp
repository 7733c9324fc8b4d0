#include <gtest/gtest.h>

#include <cstdint>

#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Osoba.h"

namespace {

constexpr uint32_t WagaNaKoncu = 2147483647;

// What the four dictionaries share: id, hidden flag, weight and state.
template <typename T>
class Slownik : public ::testing::Test {};
using TypySlownikow =
    ::testing::Types<TKategoriaWydatki, TKategoriaPrzychody, TKategoriaOszczednosci, TOsoba>;
TYPED_TEST_SUITE(Slownik, TypySlownikow);

TYPED_TEST(Slownik, NowyWpisJestUkrytyBezIdIZWagaNaKoncu)
{
    const TypeParam r;
    EXPECT_EQ(r.Id(), -1);
    EXPECT_TRUE(r.Usuniety());
    EXPECT_EQ(r.Waga(), WagaNaKoncu);
    EXPECT_EQ(r.Zmiany(), TTypModyfikacji::BezZmian);
}

TYPED_TEST(Slownik, ClearPrzywracaWartosciDomyslne)
{
    TypeParam r;
    r.SetId(4);
    r.SetUsuniety(false);
    r.SetWaga(3);
    r.SetZmiany(TTypModyfikacji::Zmieniono);
    r.Clear();
    EXPECT_EQ(r.Id(), -1);
    EXPECT_TRUE(r.Usuniety());
    EXPECT_EQ(r.Waga(), WagaNaKoncu);
    EXPECT_EQ(r.Zmiany(), TTypModyfikacji::BezZmian);
}

TEST(Kategorie, KonstruktoryZWartosciamiZapisujaKazdyArgument)
{
    const TKategoriaWydatki w(3, "Żywność", false, TTypModyfikacji::Dodano, 7);
    EXPECT_EQ(w.Id(), 3);
    EXPECT_EQ(w.Opis(), "Żywność");
    EXPECT_FALSE(w.Usuniety());
    EXPECT_EQ(w.Zmiany(), TTypModyfikacji::Dodano);
    EXPECT_EQ(w.Waga(), 7u);

    const TKategoriaPrzychody p(4, "Pensja", true, TTypModyfikacji::Zmieniono, 0);
    EXPECT_EQ(p.Id(), 4);
    EXPECT_EQ(p.Opis(), "Pensja");
    EXPECT_TRUE(p.Usuniety());
    EXPECT_EQ(p.Zmiany(), TTypModyfikacji::Zmieniono);
    EXPECT_EQ(p.Waga(), 0u);

    const TOsoba o(5, "Łucja", "Wąs", "Lusia", "ul. Długa 1", "600 100 200", false,
                   TTypModyfikacji::Usunieto, 2);
    EXPECT_EQ(o.Id(), 5);
    EXPECT_EQ(o.Imie(), "Łucja");
    EXPECT_EQ(o.Nazwisko(), "Wąs");
    EXPECT_EQ(o.Pseudonim(), "Lusia");
    EXPECT_EQ(o.Adres(), "ul. Długa 1");
    EXPECT_EQ(o.Telefon(), "600 100 200");
    EXPECT_FALSE(o.Usuniety());
    EXPECT_EQ(o.Zmiany(), TTypModyfikacji::Usunieto);
    EXPECT_EQ(o.Waga(), 2u);
}

TEST(Kategorie, NowaOsobaINowaKategoriaMajaPusteTeksty)
{
    const TOsoba o;
    EXPECT_EQ(o.Imie(), "");
    EXPECT_EQ(o.Nazwisko(), "");
    EXPECT_EQ(o.Pseudonim(), "");
    EXPECT_EQ(o.Adres(), "");
    EXPECT_EQ(o.Telefon(), "");
    EXPECT_EQ(TKategoriaWydatki().Opis(), "");
    const TKategoriaOszczednosci k;
    EXPECT_EQ(k.Opis(), "");
    EXPECT_FALSE(k.MoznaZaplacic());
    EXPECT_FALSE(k.CharakterDlugu());
}

// A category may be payable and a debt at once; the two flags never mix.
TEST(Kategorie, KategoriaOszczednosciZachowujeObieFlagiNiezaleznie)
{
    for (const bool moznaZaplacic : {false, true}) {
        for (const bool dlug : {false, true}) {
            const TKategoriaOszczednosci k(9, "Konto", false, moznaZaplacic, dlug,
                                           TTypModyfikacji::Dodano, 1);
            EXPECT_EQ(k.MoznaZaplacic(), moznaZaplacic);
            EXPECT_EQ(k.CharakterDlugu(), dlug);
            EXPECT_EQ(k.Id(), 9);
            EXPECT_EQ(k.Opis(), "Konto");
            EXPECT_FALSE(k.Usuniety());
            EXPECT_EQ(k.Zmiany(), TTypModyfikacji::Dodano);
            EXPECT_EQ(k.Waga(), 1u);
        }
    }
}

TEST(Kategorie, WagaUjemnaZapisanaJakoBezZnaku)
{
    EXPECT_EQ(TKategoriaWydatki(1, "", false, TTypModyfikacji::BezZmian, -1).Waga(), 4294967295u);
    EXPECT_EQ(TKategoriaOszczednosci(1, "", false, false, false, TTypModyfikacji::BezZmian,
                                     WagaNaKoncu)
                  .Waga(),
              WagaNaKoncu);
}

TEST(Kategorie, ZapisOpisuNieZmieniaStanu)
{
    TKategoriaPrzychody k(1, "Premia", false, TTypModyfikacji::Zmieniono, 1);
    k.SetOpis("Premia");
    EXPECT_EQ(k.Zmiany(), TTypModyfikacji::Zmieniono);
    k.SetOpis("Nagroda");
    EXPECT_EQ(k.Opis(), "Nagroda");
    EXPECT_EQ(k.Zmiany(), TTypModyfikacji::Zmieniono);

    TOsoba o;
    o.SetImie("Jan");
    o.SetTelefon("123");
    EXPECT_EQ(o.Imie(), "Jan");
    EXPECT_EQ(o.Nazwisko(), "");
    EXPECT_EQ(o.Telefon(), "123");
    EXPECT_EQ(o.Zmiany(), TTypModyfikacji::BezZmian);
}

}  // namespace
