// The running deposits shown in the savings as one computed, read-only entry.
#include <gtest/gtest.h>

#include <algorithm>

#include "OtwartaBaza.h"
#include "records/Lokata.h"
#include "records/Oszczednosc.h"

namespace {

class LokatyWOszczednosciach : public OtwartaBaza {
protected:
    void DodajLokate(double kwota, TDateTime poczatek, uint16_t miesiecy, bool aktywna,
                     TTypModyfikacji zmiany = TTypModyfikacji::BezZmian)
    {
        Kolekcje().Lokaty().push_back(std::make_unique<TLokata>(
            static_cast<int32_t>(Kolekcje().Lokaty().size() + 1), "Lokata", kwota, poczatek, miesiecy,
            TJednostkaOkresu::Miesiace, -1, aktywna, zmiany));
    }
    std::vector<const TOszczednosc*> WpisyLokat() const
    {
        std::vector<const TOszczednosc*> wpisy;
        for (const auto& o : fBaza->Kolekcje().Oszczednosci())
            if (o->OszczednoscZTabeliLokaty())
                wpisy.push_back(o.get());
        return wpisy;
    }
};

TEST_F(LokatyWOszczednosciach, JedenWpisZSumaTrwajacychLokat)
{
    const TDateTime maj = KodujDate(2013, 5, 1);
    DodajLokate(1000, maj, 3, true);
    DodajLokate(200, KodujDate(2012, 1, 1), 1, true);  // finished
    DodajLokate(300, maj, 3, true, TTypModyfikacji::Usunieto);
    DodajLokate(400, maj, 3, false);
    DodajLokate(50.5, maj, 12, true);
    Kolekcje().Oszczednosci().push_back(std::make_unique<TOszczednosc>());

    fBaza->SetPokazujLokatyWOszczednosciach(true);
    EXPECT_TRUE(fBaza->PokazujLokatyWOszczednosciach());
    ASSERT_EQ(WpisyLokat().size(), 1u);
    const TOszczednosc& wpis = *WpisyLokat()[0];
    EXPECT_EQ(wpis.Ile(), 1050.5);
    EXPECT_EQ(wpis.Id(), -1);
    EXPECT_EQ(wpis.IdKategoriaOszczednosci(), -1000);
    EXPECT_EQ(wpis.Data(), KodujDateCzas(2013, 5, 17, 12, 0));
    EXPECT_EQ(wpis.WagaIdKatOszczednosci(), 2147483647u);
    EXPECT_EQ(wpis.TypOszczednosci(), 1);
    EXPECT_TRUE(wpis.IsReadOnly());
    EXPECT_EQ(wpis.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(wpis.Komentarz().rfind("<a href=\"https://", 0), 0u);
    EXPECT_NE(wpis.Komentarz().find("\">Ranking lokat bankowych</a>"), std::string::npos);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoOszczednosci());

    // Written again, the entry is rebuilt with a fresh total.
    DodajLokate(9.5, maj, 3, true);
    fBaza->SetPokazujLokatyWOszczednosciach(true);
    ASSERT_EQ(WpisyLokat().size(), 1u);
    EXPECT_EQ(WpisyLokat()[0]->Ile(), 1060);

    fBaza->SetPokazujLokatyWOszczednosciach(false);
    EXPECT_FALSE(fBaza->PokazujLokatyWOszczednosciach());
    EXPECT_TRUE(WpisyLokat().empty());
    EXPECT_EQ(Kolekcje().Oszczednosci().size(), 1u);
}

TEST_F(LokatyWOszczednosciach, WczytanieOszczednosciOdtwarzaWpis)
{
    Wstaw({"INSERT INTO KategorieOszczednosci VALUES (1, 'Konto', 0, 1, 0, 20);",
           "INSERT INTO Oszczednosci VALUES (10, 1, 1500.75, '2013-05-01', NULL, 1);",
           "INSERT INTO Lokaty VALUES (1, 'Na wakacje', 5000, '2013-05-01', 3, 2, -1, 1);"});
    fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);
    fBaza->SetPokazujLokatyWOszczednosciach(true);

    fBaza->OdswiezZawartoscKolekcji(TTabele::Oszczednosci);
    ASSERT_EQ(Kolekcje().Oszczednosci().size(), 2u);
    EXPECT_EQ(Kolekcje().Oszczednosci()[0]->Id(), 10);
    ASSERT_EQ(WpisyLokat().size(), 1u);
    EXPECT_EQ(WpisyLokat()[0]->Ile(), 5000);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoOszczednosci());
}

}  // namespace
