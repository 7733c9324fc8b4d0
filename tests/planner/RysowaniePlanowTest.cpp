// How the plan grid is drawn: kind colours of the amount cell, the executed column's images,
// and the footer's count and aligned sums, both as decisions and in the painted window.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <optional>
#include <tuple>
#include <vector>

#include "PlanerTestowy.h"
#include "planner/IkonyPlanera.h"
#include "planner/RysowaniePlanow.h"
#include "planner/StopkaPlanow.h"

namespace {

const QColor Zielony(209, 255, 160);
const QColor Czerwony(255, 194, 186);
const QColor Zolty(255, 255, 187);

TEST(RysowaniePlanow, KolorKwotyWedlugRodzaju)
{
    const std::vector<std::pair<QString, std::optional<QColor>>> przypadki = {
        {"Przychody", Zielony}, {"Wydatki", Czerwony}, {"", std::nullopt},
        {"wydatki", std::nullopt}, {"Przychody ", std::nullopt}};
    for (const auto& [typ, kolor] : przypadki)
        EXPECT_EQ(KolorKwotyPlanu(typ), kolor) << typ.toStdString();
}

TEST(RysowaniePlanow, NumerObrazka)
{
    EXPECT_EQ(NumerObrazkaWykonania("1"), 1);
    for (const QString tekst : {"0", "", "11", " 1", "true"})
        EXPECT_EQ(NumerObrazkaWykonania(tekst), 0) << tekst.toStdString();
}

TEST(RysowaniePlanow, ObrazekNaSrodkuKolumnyPolowkaDoParzystej)
{
    // column width, the cell's left edge, and the image's left edge; 2 px under the top
    const std::vector<std::tuple<int, int, int>> przypadki = {
        {50, 0, 14},    // 28 / 2
        {51, 0, 14},    // 14.5 to the even 14
        {53, 10, 26},   // 15.5 to the even 16
        {22, 5, 5},     // no room left
        {20, 0, -1},    // narrower than the image
        {121, 100, 150} // 49.5 to the even 50
    };
    for (const auto& [szerokosc, lewa, oczekiwana] : przypadki) {
        const QPoint polozenie = PolozenieObrazkaWykonania(QRect(lewa, 30, szerokosc - 1, 25), szerokosc, QSize(22, 22));
        EXPECT_EQ(polozenie, QPoint(oczekiwana, 32)) << szerokosc;
    }
}

TEST(RysowaniePlanow, DwaRozneObrazki22Na22ZPrzezroczystymTlem)
{
    const QImage niewykonany = ObrazekWykonania(0).toImage();
    const QImage wykonany = ObrazekWykonania(1).toImage();
    for (const QImage* obraz : {&niewykonany, &wykonany}) {
        EXPECT_EQ(obraz->size(), QSize(22, 22));
        EXPECT_EQ(qAlpha(obraz->pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(obraz->pixel(11, 11)), 255);
    }
    EXPECT_NE(niewykonany, wykonany);
}

TEST(StopkaPlanow, Teksty)
{
    EXPECT_EQ(TekstIlosciPlanow(0), "Ilość: 0");
    EXPECT_EQ(TekstIlosciPlanow(1234), "Ilość: 1234");
    // expenses, incomes, the footer text
    const std::vector<std::tuple<double, double, QString>> przypadki = {
        {5, 1234.5, "Wydatki:       5,00 zł;Przychody: 1 234,50 zł"},
        {1234.5, 5, "Wydatki:   1 234,50 zł;Przychody:     5,00 zł"},
        {0, 0, "Wydatki:   0,00 zł;Przychody: 0,00 zł"},
        {0, 250, "Wydatki:     0,00 zł;Przychody: 250,00 zł"},
        {1e6, -3.5, "Wydatki:   1 000 000,00 zł;Przychody:        -3,50 zł"},
    };
    for (const auto& [wydatki, przychody, tekst] : przypadki) {
        EXPECT_EQ(TekstSumPlanow(wydatki, przychody), tekst);
        // The two lines line up character by character.
        const QStringList linie = TekstSumPlanow(wydatki, przychody).split(';');
        ASSERT_EQ(linie.size(), 2);
        EXPECT_EQ(linie[0].size(), linie[1].size());
    }
}

// The painted window: an expense (current row, so selected), an income, a plan of no kind,
// and an executed expense.
class RysowanieOknaTest : public TPlanerTestowy {
protected:
    void SetUp() override
    {
        Plan(1, "Czynsz", TTypPlanu::Wydatek, KodujDateCzas(2013, 5, 16, 10, 0), 5);
        Plan(2, "Pensja", TTypPlanu::Przychod, KodujDateCzas(2013, 5, 17, 15, 0), 1234.5);
        Plan(3, "Coś", TTypPlanu::Nieokreslony, KodujDateCzas(2013, 5, 20, 9, 0), 99);
        Plan(4, "Prąd", TTypPlanu::Wydatek, KodujDateCzas(2013, 5, 21, 9, 0), 20, true);
        Pokaz();
        Kliknij(PanelStanu(), 0);
        Uspokoj();
        fObraz = Siatka().grab().toImage();
    }

    QRect Komorka(int kolumna, int wiersz) const
    {
        const TSiatkaDanych& siatka = fOkno->Siatka();
        return siatka.visualRect(siatka.model()->index(wiersz, kolumna))
            .translated(siatka.viewport()->geometry().topLeft());
    }

    // A point in the cell away from its right-aligned text.
    QColor TloKomorki(int kolumna, int wiersz) const
    {
        const QRect komorka = Komorka(kolumna, wiersz);
        return fObraz.pixelColor(komorka.left() + 3, komorka.top() + 3);
    }

    QImage fObraz;
};

TEST_F(RysowanieOknaTest, KolorKwotyTakzeWZaznaczonymWierszu)
{
    ASSERT_EQ(Idy(), QStringList({"1", "2", "3", "4"}));
    ASSERT_EQ(Okno().Row(), 0);
    EXPECT_EQ(TloKomorki(4, 0), Czerwony);  // selected, yet the kind colour
    EXPECT_EQ(TloKomorki(2, 0), Zolty);     // the selection colour elsewhere in the row
    EXPECT_EQ(TloKomorki(4, 1), Zielony);
    EXPECT_EQ(TloKomorki(4, 2), Siatka().palette().color(QPalette::Base));
    EXPECT_EQ(TloKomorki(4, 3), Czerwony);
}

TEST_F(RysowanieOknaTest, ObrazkiWykonaniaZamiastTekstu)
{
    const int szerokosc = Siatka().Szerokosc(1);
    for (const auto& [wiersz, numer] : std::vector<std::pair<int, int>>{{1, 0}, {3, 1}}) {
        const QRect komorka = Komorka(1, wiersz).adjusted(0, 0, -1, -1);
        const QColor tlo = fObraz.pixelColor(komorka.right() - 1, komorka.bottom() - 1);
        const QPoint polozenie = PolozenieObrazkaWykonania(komorka, szerokosc, QSize(22, 22));
        // What the cell must show: its background with the image over it, nothing else.
        QImage oczekiwany(komorka.size(), QImage::Format_ARGB32);
        oczekiwany.fill(tlo);
        {
            QPainter plotno(&oczekiwany);
            plotno.drawPixmap(polozenie - komorka.topLeft(), ObrazekWykonania(numer));
        }
        const QImage pokazany = fObraz.copy(komorka).convertToFormat(QImage::Format_ARGB32);
        int rozne = 0;
        for (int y = 0; y < komorka.height(); ++y)
            for (int x = 0; x < komorka.width(); ++x) {
                const QColor a = pokazany.pixelColor(x, y);
                const QColor b = oczekiwany.pixelColor(x, y);
                if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 6)
                    ++rozne;
            }
        EXPECT_EQ(rozne, 0) << "wiersz " << wiersz;
    }
}

TEST_F(RysowanieOknaTest, StopkaLiczySumujeIWyrownuje)
{
    // Painted above: the footer holds the texts of the rows now listed.
    EXPECT_EQ(Siatka().Stopka(2), "Ilość: 4");
    EXPECT_EQ(Siatka().Stopka(4), "Wydatki:      25,00 zł;Przychody: 1 234,50 zł");

    Kliknij(PanelStanu(), 2);
    Siatka().grab();
    EXPECT_EQ(Siatka().Stopka(2), "Ilość: 3");  // the plan of no kind counts, in no sum
    EXPECT_EQ(Siatka().Stopka(4), "Wydatki:       5,00 zł;Przychody: 1 234,50 zł");

    Kliknij(PanelRodzaju(), 2);
    Siatka().grab();
    EXPECT_EQ(Siatka().Stopka(2), "Ilość: 1");
    EXPECT_EQ(Siatka().Stopka(4), "Wydatki:       0,00 zł;Przychody: 1 234,50 zł");

    Kliknij(PanelStanu(), 4);
    Siatka().grab();
    EXPECT_EQ(Siatka().Stopka(2), "Ilość: 0");
    EXPECT_EQ(Siatka().Stopka(4), "Wydatki:   0,00 zł;Przychody: 0,00 zł");
}

TEST_F(RysowanieOknaTest, StopkaStalejSzerokosciZnakow)
{
    EXPECT_TRUE(QFontInfo(Siatka().CzcionkaStopki()).fixedPitch());
    const QStringList linie = Siatka().Stopka(4).split(';');
    const QFontMetrics miara(Siatka().CzcionkaStopki());
    EXPECT_EQ(miara.horizontalAdvance(linie[0]), miara.horizontalAdvance(linie[1]));
}

}  // namespace
