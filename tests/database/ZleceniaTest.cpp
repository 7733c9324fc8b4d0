// Executing a standing order: the history entry, the savings movement, the new transaction
// first in its list, the comment rule, skipped occurrences, refused movements, and the save
// of everything an execution touched.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

#include "OtwartaBaza.h"
#include "collections/KolekcjeDanychZlecenia.h"
#include "common/Wyjatki.h"
#include "records/KategoriaOszczednosci.h"
#include "records/Oszczednosc.h"
#include "records/Przychod.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"

namespace {

constexpr auto BezZmian = TTypModyfikacji::BezZmian;
constexpr auto Dodano = TTypModyfikacji::Dodano;
constexpr auto Zmieniono = TTypModyfikacji::Zmieniono;
const TDateTime Teraz2013 = KodujDateCzas(2013, 5, 17, 12, 0);
const TDateTime DataWykonania = KodujDateCzas(2013, 5, 17, 10, 0);
const char* const NieOdjeto =
    "Nie udało się wykonać zlecenia stałego. Nie udało się odjąć podanej sumy od wybranego "
    "rodzaju oszczędności.";
const char* const NieDodano =
    "Nie udało się wykonać zlecenia stałego. Nie udało się dodać podanej sumy od wybranego "
    "rodzaju oszczędności.";

class WykonanieZlecenia : public OtwartaBaza {
protected:
    void SetUp() override
    {
        Kolekcje().KategorieOszczednosci().push_back(
            std::make_unique<TKategoriaOszczednosci>(1, "Konto", false, true, false, BezZmian, 10));
        Kolekcje().KategorieOszczednosci().push_back(
            std::make_unique<TKategoriaOszczednosci>(2, "Kredyt", false, true, true, BezZmian, 10));
        Kolekcje().Oszczednosci().push_back(
            std::make_unique<TOszczednosc>(10, 1, 1000.0, KodujDate(2013, 5, 1), "", 1, BezZmian));
        // A debt whose savings type the arithmetic does not know.
        Kolekcje().Oszczednosci().push_back(
            std::make_unique<TOszczednosc>(20, 2, 500.0, KodujDate(2013, 5, 1), "", 3, BezZmian));
        Kolekcje().Wydatki().push_back(std::make_unique<TWydatek>(
            1, 3, 5.0, 1, KodujDate(2013, 5, 2), 1, "", BezZmian, "", false));
        Kolekcje().Przychody().push_back(
            std::make_unique<TPrzychod>(1, 3, 5.0, 1, KodujDate(2013, 5, 2), 1, "", BezZmian, false));
    }

    TZlecenieStale& Zlecenie(int8_t typ, const std::string& nazwa = "Czynsz")
    {
        auto z = std::make_unique<TZlecenieStale>();
        z->SetId(5);
        z->SetIdKategorii(3);
        z->SetNazwa(nazwa);
        z->SetKwota(120.5);
        z->SetCzestotliwosc(TCzestotliwosc::CoMiesiac);
        z->SetTypZleceniaStalego(typ);
        z->SetData(KodujDate(2013, 1, 10));
        z->SetAktywne(true);
        auto& lista = typ == 1 ? Kolekcje().ZleceniaStalePrzychody() : Kolekcje().ZleceniaStaleWydatki();
        lista.push_back(std::move(z));
        return *lista.back();
    }
    const TOszczednosc& Konto() const { return *fBaza->Kolekcje().Oszczednosci()[0]; }
    const TZlecenieStale& OstatniWpisHistorii() const { return *fBaza->Kolekcje().HistoriaZlecenStalych().back(); }
};

TEST_F(WykonanieZlecenia, WydatekZKontaPomniejszaJeIStajeNaPoczatkuListy)
{
    const TZlecenieStale& z = Zlecenie(0);
    ASSERT_TRUE(SprawdzCzyTrzebaWykonacZlecenie(Kolekcje(), &z));

    fBaza->WykonajZlecenieStale(&z, 2, 10, "za maj", 120.50, DataWykonania, false);

    EXPECT_DOUBLE_EQ(Konto().Ile(), 879.50);
    EXPECT_EQ(Konto().Data(), Teraz2013);
    EXPECT_EQ(Konto().Zmiany(), Zmieniono);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoOszczednosci());

    ASSERT_EQ(Kolekcje().Wydatki().size(), 2u);
    const TWydatek& w = *Kolekcje().Wydatki().front();
    EXPECT_EQ(w.Id(), -1);
    EXPECT_EQ(w.IdKategoriaWydatki(), 3);
    EXPECT_EQ(w.Ile(), 120.5);
    EXPECT_EQ(w.IdKategoriaOszczednosci(), 1);
    EXPECT_EQ(w.Data(), DataWykonania);
    EXPECT_EQ(w.IdOsoba(), 2);
    EXPECT_EQ(w.Komentarz(), "za maj");
    EXPECT_EQ(w.Zalacznik(), "");
    EXPECT_TRUE(w.ZlecenieStale());
    EXPECT_EQ(w.Zmiany(), Dodano);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoWydatki());
    EXPECT_EQ(Kolekcje().Przychody().size(), 1u);

    ASSERT_EQ(Kolekcje().HistoriaZlecenStalych().size(), 1u);
    const TZlecenieStale& h = OstatniWpisHistorii();
    EXPECT_EQ(h.Id(), -1);
    EXPECT_EQ(h.IdZleceniaStalego(), 5);
    EXPECT_EQ(h.IdKategorii(), 3);
    EXPECT_EQ(h.IdOszczednosci(), 10);
    EXPECT_EQ(h.IdOsoba(), 2);
    EXPECT_EQ(h.Nazwa(), "Czynsz");
    EXPECT_EQ(h.Kwota(), 120.5);
    EXPECT_EQ(h.Czestotliwosc(), TCzestotliwosc::CoMiesiac);
    EXPECT_EQ(h.TypZleceniaStalego(), 0);
    EXPECT_EQ(h.Data(), DataWykonania);
    EXPECT_EQ(h.Komentarz(), "za maj");
    EXPECT_EQ(h.Zmiany(), Dodano);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoHistorieZlecenStalych());

    // The unsaved entry counts at once: the next month is not due yet.
    EXPECT_FALSE(SprawdzCzyTrzebaWykonacZlecenie(Kolekcje(), &z));
    EXPECT_EQ(PobierzOstatnieZlecenieDanegoTypuZHistorii(Kolekcje(), 5), &h);
}

TEST_F(WykonanieZlecenia, PrzychodZwiekszaKontoIStajeNaPoczatkuListy)
{
    const TZlecenieStale& z = Zlecenie(1, "Pensja");
    fBaza->WykonajZlecenieStale(&z, 1, 10, "", 3000, DataWykonania, false);

    EXPECT_DOUBLE_EQ(Konto().Ile(), 4000);
    ASSERT_EQ(Kolekcje().Przychody().size(), 2u);
    const TPrzychod& p = *Kolekcje().Przychody().front();
    EXPECT_EQ(p.Ile(), 3000);
    EXPECT_EQ(p.IdKategoriaPrzychody(), 3);
    EXPECT_EQ(p.IdKategoriaOszczednosci(), 1);
    EXPECT_EQ(p.Komentarz(), "Pensja");
    EXPECT_TRUE(p.ZlecenieStale());
    EXPECT_EQ(p.Zmiany(), Dodano);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoPrzychody());
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoWydatki());
    EXPECT_EQ(Kolekcje().Wydatki().size(), 1u);
}

TEST_F(WykonanieZlecenia, PominieteWykonanieZapisujeZeroIDotykaTylkoDatyKonta)
{
    const TZlecenieStale& z = Zlecenie(0);
    // The amount given does not matter for a skipped occurrence, not even a NaN.
    fBaza->WykonajZlecenieStale(&z, 2, 10, "urlop", std::numeric_limits<double>::quiet_NaN(),
                                DataWykonania, true);

    EXPECT_EQ(OstatniWpisHistorii().Kwota(), 0);
    EXPECT_EQ(OstatniWpisHistorii().Komentarz(), "urlop");
    EXPECT_EQ(Konto().Ile(), 1000);
    EXPECT_EQ(Konto().Data(), Teraz2013);
    EXPECT_EQ(Konto().Zmiany(), Zmieniono);
    EXPECT_EQ(Kolekcje().Wydatki().size(), 1u);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoWydatki());
}

struct TPrzypadekKomentarza {
    const char* Komentarz;
    const char* Nazwa;
    const char* Oczekiwany;
};

class KomentarzWykonania : public WykonanieZlecenia,
                           public testing::WithParamInterface<TPrzypadekKomentarza> {};

TEST_P(KomentarzWykonania, PustyZastepujeNazwaBezZnakowZakazanych)
{
    const TPrzypadekKomentarza& p = GetParam();
    fBaza->WykonajZlecenieStale(&Zlecenie(0, p.Nazwa), 2, 10, p.Komentarz, 10, DataWykonania, false);
    EXPECT_EQ(OstatniWpisHistorii().Komentarz(), p.Oczekiwany);
    EXPECT_EQ(Kolekcje().Wydatki().front()->Komentarz(), p.Oczekiwany);
}

INSTANTIATE_TEST_SUITE_P(Przypadki, KomentarzWykonania,
                         testing::Values(TPrzypadekKomentarza{"", "Czynsz", "Czynsz"},
                                         TPrzypadekKomentarza{" \t ", "Czynsz", "Czynsz"},
                                         TPrzypadekKomentarza{"a|b'c\"d;e", "Czynsz", "abcde"},
                                         TPrzypadekKomentarza{"'|;\"", "Czy'nsz; \"X\"", "Czynsz X"}));

struct TPrzypadekOdmowy {
    const char* Opis;
    int8_t Typ;
    int32_t IdOszczednosci;
    const char* Komunikat;
};

class OdmowaRuchu : public WykonanieZlecenia, public testing::WithParamInterface<TPrzypadekOdmowy> {};

TEST_P(OdmowaRuchu, WpisHistoriiZostajeBezTransakcji)
{
    const TPrzypadekOdmowy& p = GetParam();
    const TZlecenieStale& z = Zlecenie(p.Typ);
    try {
        fBaza->WykonajZlecenieStale(&z, 2, p.IdOszczednosci, "", 50, DataWykonania, false);
        FAIL() << "no exception";
    } catch (const EGrosiwoException& e) {
        EXPECT_STREQ(e.what(), p.Komunikat);
    }
    ASSERT_EQ(Kolekcje().HistoriaZlecenStalych().size(), 1u);
    EXPECT_EQ(OstatniWpisHistorii().Zmiany(), Dodano);
    EXPECT_EQ(Kolekcje().Wydatki().size(), 1u);
    EXPECT_EQ(Kolekcje().Przychody().size(), 1u);
    EXPECT_EQ(Konto().Ile(), 1000);
    EXPECT_EQ(Konto().Zmiany(), BezZmian);
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, OdmowaRuchu,
    testing::Values(TPrzypadekOdmowy{"WydatekZNieznanegoKonta", 0, 99, NieOdjeto},
                    TPrzypadekOdmowy{"PrzychodNaNieznaneKonto", 1, 99, NieDodano},
                    TPrzypadekOdmowy{"DlugNieznanegoTypu", 0, 20, "Nieobsługiwany typ oszczędności !!!"}),
    [](const testing::TestParamInfo<TPrzypadekOdmowy>& info) { return std::string(info.param.Opis); });

TEST_F(WykonanieZlecenia, BledneDaneNieZmieniajaNiczego)
{
    const TZlecenieStale& z = Zlecenie(0);
    const char* const kwota =
        "Nie udało się wykonać zlecenia stałego. Kwota zlecenia musi być liczbą nie mniejszą od zera !!!";
    for (const double zla : {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(), -0.01}) {
        try {
            fBaza->WykonajZlecenieStale(&z, 2, 10, "", zla, DataWykonania, false);
            ADD_FAILURE() << zla;
        } catch (const EGrosiwoException& e) {
            EXPECT_STREQ(e.what(), kwota);
        }
    }
    EXPECT_THROW(fBaza->WykonajZlecenieStale(&z, 2, 10, "", 10, std::numeric_limits<double>::quiet_NaN(), false),
                 EGrosiwoException);
    fBaza->WykonajZlecenieStale(nullptr, 2, 10, "", 10, DataWykonania, false);

    EXPECT_TRUE(Kolekcje().HistoriaZlecenStalych().empty());
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoHistorieZlecenStalych());
    EXPECT_EQ(Konto().Ile(), 1000);
    EXPECT_EQ(Kolekcje().Wydatki().size(), 1u);
}

// The records an execution adds pass the save rules and reach the file.
using ZapisWykonania = OtwartaBaza;

TEST_F(ZapisWykonania, RekordyPrzechodzaRegulyZapisu)
{
    Wstaw({"INSERT INTO KategorieWydatkow VALUES (3, 'Mieszkanie', 0, 10);",
           "INSERT INTO KategorieOszczednosci VALUES (1, 'Konto', 0, 1, 0, 10);",
           "INSERT INTO Osoby VALUES (2, 'Jan', 'Nowak', '', '', '', 0, 10);",
           "INSERT INTO Oszczednosci VALUES (10, 1, 1000, '2013-05-01', NULL, 1);",
           "INSERT INTO ZleceniaStale VALUES (5, 3, 10, 'Czynsz', 120.5, 2, 0, '2013-01-10', 1);"});
    fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);
    const TZlecenieStale* z = ZwrocZlecenieStalePoID(Kolekcje(), 5);
    ASSERT_NE(z, nullptr);
    ASSERT_TRUE(SprawdzCzyTrzebaWykonacZlecenie(Kolekcje(), z));

    fBaza->WykonajZlecenieStale(z, 2, 10, "", z->Kwota(), KodujDateCzas(2013, 5, 17, 10, 0), false);
    for (const TTabele t : {TTabele::HistoriaZlecenStalychWydatki, TTabele::Wydatki, TTabele::Oszczednosci})
        EXPECT_TRUE(fBaza->ZapiszZawartoscKolekcjiDoBazy(t).WszystkoZapisano()) << static_cast<int>(t);
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());

    EXPECT_EQ(Wiersze(fPlik, "SELECT IdKategoriaWydatki, Ile, IdKategoriaOszczednosci, Data, IdOsoba, "
                             "Komentarz, ZlecenieStale FROM Wydatki"),
              std::vector<std::string>{"3|120,5|1|2013-05-17 10:00|2|Czynsz|1"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT Ile FROM Oszczednosci WHERE Id = 10"), std::vector<std::string>{"879,5"});
    EXPECT_EQ(Wiersze(fPlik, "SELECT IdKategorii, IdZleceniaStalego, IdOszczednosci, Kwota, Data, Komentarz "
                             "FROM HistoriaZlecenStalych"),
              std::vector<std::string>{"3|5|10|120,5|2013-05-17 10:00|Czynsz"});
}

}  // namespace
