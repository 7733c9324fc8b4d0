#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include <stdexcept>
#include <utility>
#include <vector>

#include "planner/SiatkaDanych.h"
#include "planner/SiatkaStopka.h"

namespace {

using TKomorka = std::pair<int, int>;

// A shown grid of a fixed size, read-only, with three columns titled A, B, C.
class SiatkaTest : public testing::Test {
protected:
    void SetUp() override
    {
        fSiatka.resize(400, 300);
        fSiatka.SetTylkoDoOdczytu(true);
        fSiatka.SetIloscKolumn(3);
        for (int k = 0; k < 3; ++k)
            fSiatka.SetTytul(k, QString(QChar('A' + k)));
        QObject::connect(&fSiatka, &TSiatkaDanych::ZmianaBiezacejKomorki,
                         [this](int k, int w) { fZgloszenia.emplace_back(k, w); });
        fSiatka.show();
        QApplication::processEvents();
    }

    // Lets pending paints (also those a paint itself asked for) happen.
    static void Uspokoj()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    QImage Obraz()
    {
        Uspokoj();
        return fSiatka.grab().toImage();
    }

    // A cell's rectangle in the grid's own coordinates.
    QRect Prostokat(int kolumna, int wiersz) const
    {
        return fSiatka.visualRect(fSiatka.model()->index(wiersz, kolumna))
            .translated(fSiatka.viewport()->geometry().topLeft());
    }

    int LewaKolumny(int kolumna) const
    {
        return fSiatka.viewport()->geometry().left() + fSiatka.columnViewportPosition(kolumna);
    }

    static bool MaCiemnePiksele(const QImage& obraz, const QRect& obszar)
    {
        for (int y = obszar.top(); y <= obszar.bottom(); ++y)
            for (int x = obszar.left(); x <= obszar.right(); ++x)
                if (QColor(obraz.pixel(x, y)).lightness() < 100)
                    return true;
        return false;
    }

    TSiatkaDanych fSiatka;
    std::vector<TKomorka> fZgloszenia;
};

}  // namespace

TEST(LinieStopki, DzieliNaSrednikach)
{
    const std::vector<std::pair<QString, QStringList>> przypadki = {
        {"", {}},
        {"Ilość: 0", {"Ilość: 0"}},
        {"Wydatki:   5,00 zł;Przychody: 1 234,50 zł",
         {"Wydatki:   5,00 zł", "Przychody: 1 234,50 zł"}},
        {"a;", {"a", ""}},
        {";b", {"", "b"}},
        {"a;b;c", {"a", "b", "c"}},
    };
    for (const auto& [tekst, linie] : przypadki)
        EXPECT_EQ(LinieStopki(tekst), linie) << tekst.toStdString();
}

TEST_F(SiatkaTest, KomorkiZapisaneIDostarczone)
{
    fSiatka.DodajWiersz();
    fSiatka.DodajWiersz();
    fSiatka.SetKomorka(1, 1, "Łódź 🙂");
    EXPECT_EQ(fSiatka.Komorka(1, 1), "Łódź 🙂");
    EXPECT_EQ(fSiatka.Komorka(0, 1), "");
    EXPECT_EQ(fSiatka.Komorka(5, 0), "");
    EXPECT_EQ(fSiatka.Komorka(0, 2), "");
    EXPECT_THROW(fSiatka.SetKomorka(0, 2, "x"), std::out_of_range);
    EXPECT_THROW(fSiatka.SetKomorka(3, 0, "x"), std::out_of_range);

    // Shrinking drops the texts of removed rows: they do not come back with the rows.
    fSiatka.SetIloscWierszy(1);
    fSiatka.SetIloscWierszy(2);
    EXPECT_EQ(fSiatka.Komorka(1, 1), "");

    fSiatka.UstawDostawce(3, [](int k, int w) { return QString("%1/%2").arg(k).arg(w); });
    EXPECT_EQ(fSiatka.IloscWierszy(), 3);
    EXPECT_EQ(fSiatka.Komorka(2, 1), "2/1");
    // A written text, even an empty one, wins over the provider's.
    fSiatka.SetKomorka(2, 1, "");
    fSiatka.SetKomorka(0, 0, "własny");
    EXPECT_EQ(fSiatka.Komorka(2, 1), "");
    EXPECT_EQ(fSiatka.Komorka(0, 0), "własny");
    EXPECT_EQ(fSiatka.model()->index(0, 0).data().toString(), "własny");

    fSiatka.WyczyscKomorki();
    EXPECT_EQ(fSiatka.IloscWierszy(), 3);
    EXPECT_EQ(fSiatka.Komorka(2, 2), "");
    EXPECT_EQ(fSiatka.Komorka(0, 0), "");
}

TEST_F(SiatkaTest, BiezacaKomorkaPrzyZmianachIlosciWierszy)
{
    fSiatka.DodajWiersz();
    fSiatka.DodajWiersz();
    fSiatka.DodajWiersz();
    EXPECT_EQ(fZgloszenia, (std::vector<TKomorka>{{0, 0}}));
    EXPECT_EQ(fSiatka.currentIndex(), fSiatka.model()->index(0, 0));

    fSiatka.UstawBiezacaKomorke(2, 2);
    fSiatka.SetIloscWierszy(2);  // the current row went away: the last row becomes current
    fSiatka.SetIloscWierszy(0);
    EXPECT_EQ(fZgloszenia, (std::vector<TKomorka>{{0, 0}, {2, 2}, {2, 1}, {-1, -1}}));
    EXPECT_EQ(fSiatka.BiezacyWiersz(), -1);
    EXPECT_FALSE(fSiatka.currentIndex().isValid());

    fZgloszenia.clear();
    fSiatka.UstawDostawce(1000, [](int, int) { return QString("x"); });
    fSiatka.UstawDostawce(0, nullptr);
    EXPECT_EQ(fZgloszenia, (std::vector<TKomorka>{{0, 0}, {-1, -1}}));
}

TEST_F(SiatkaTest, BiezacaKomorkaGdyOdswiezanieWstrzymane)
{
    fSiatka.DodajWiersz();
    fSiatka.UstawBiezacaKomorke(1, 0);
    fZgloszenia.clear();

    // A rebuild as the planner does it: empty, then add rows with repainting suspended.
    fSiatka.SetIloscWierszy(0);
    {
        TWstrzymanaSiatka wstrzymana(fSiatka);
        for (int w = 0; w < 50; ++w) {
            fSiatka.DodajWiersz();
            fSiatka.SetKomorka(1, w, QString::number(w));
        }
        // Reported at once, although the view learns of the rows only at the end.
        EXPECT_EQ(fZgloszenia, (std::vector<TKomorka>{{-1, -1}, {0, 0}}));
        EXPECT_EQ(fSiatka.model()->rowCount(), 0);
    }
    EXPECT_EQ(fSiatka.model()->rowCount(), 50);
    EXPECT_EQ(fSiatka.currentIndex(), fSiatka.model()->index(0, 0));
    EXPECT_EQ(fSiatka.model()->index(49, 1).data().toString(), "49");
    EXPECT_EQ(fZgloszenia.size(), 2u);
}

TEST_F(SiatkaTest, NawigacjaUzytkownikaIKlawisze)
{
    fSiatka.UstawDostawce(5, [](int, int) { return QString("x"); });
    fSiatka.setFocus();
    std::vector<int> klawisze;
    QObject::connect(&fSiatka, &TSiatkaDanych::WcisnietoKlawisz, [&](QKeyEvent* zdarzenie) {
        klawisze.push_back(zdarzenie->key());
        if (zdarzenie->key() == Qt::Key_Delete || zdarzenie->key() == Qt::Key_PageDown)
            zdarzenie->accept();
    });

    QKeyEvent wDol(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&fSiatka, &wDol);
    EXPECT_EQ(fZgloszenia.back(), (TKomorka{0, 1}));

    // A handler that takes the key keeps the grid from moving.
    QKeyEvent strona(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QApplication::sendEvent(&fSiatka, &strona);
    QKeyEvent usun(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(&fSiatka, &usun);
    EXPECT_EQ(fZgloszenia.back(), (TKomorka{0, 1}));
    EXPECT_EQ(klawisze, (std::vector<int>{Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Delete}));

    std::vector<TKomorka> dwuklik;
    QObject::connect(&fSiatka, &TSiatkaDanych::PodwojneKlikniecie,
                     [&](int k, int w) { dwuklik.emplace_back(k, w); });
    const QPoint punkt = fSiatka.visualRect(fSiatka.model()->index(3, 2)).center();
    for (const auto typ : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                           QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent mysz(typ, punkt, fSiatka.viewport()->mapToGlobal(punkt), Qt::LeftButton,
                         typ == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(fSiatka.viewport(), &mysz);
    }
    EXPECT_EQ(fZgloszenia.back(), (TKomorka{2, 3}));
    EXPECT_EQ(dwuklik, (std::vector<TKomorka>{{2, 3}}));
}

TEST_F(SiatkaTest, NawigacjaZUkrytaKolumnaBiezaca)
{
    // As in the planner: column 0 hidden, yet (0, 0) is current after the first row comes.
    fSiatka.SetWidoczna(0, false);
    fSiatka.UstawDostawce(5, [](int, int) { return QString("x"); });
    fSiatka.setFocus();
    EXPECT_EQ(fZgloszenia.back(), (TKomorka{0, 0}));
    const auto nacisnij = [&](Qt::Key klawisz, Qt::KeyboardModifiers modyfikatory = {}) {
        QKeyEvent zdarzenie(QEvent::KeyPress, klawisz, modyfikatory);
        QApplication::sendEvent(&fSiatka, &zdarzenie);
        return fZgloszenia.back();
    };
    EXPECT_EQ(nacisnij(Qt::Key_Down), (TKomorka{0, 1}));
    EXPECT_EQ(nacisnij(Qt::Key_End, Qt::ControlModifier), (TKomorka{0, 4}));
    EXPECT_EQ(nacisnij(Qt::Key_Up), (TKomorka{0, 3}));
    EXPECT_EQ(nacisnij(Qt::Key_Right), (TKomorka{1, 3}));
    EXPECT_EQ(nacisnij(Qt::Key_Right), (TKomorka{2, 3}));
}

TEST_F(SiatkaTest, HakRysowaniaKomorki)
{
    const QColor zielony(209, 255, 160);
    const QColor obrazek(0, 0, 255);
    fSiatka.SetKolorZaznaczenia(QColor(255, 255, 187));
    fSiatka.UstawDostawce(3, [](int, int) { return QString("XXXXXXXXXXXX"); });
    std::vector<TKomorka> wywolania;
    fSiatka.SetPrzyRysowaniuKomorki([&](TRysowanieKomorki& r) {
        wywolania.emplace_back(r.Kolumna(), r.Wiersz());
        if (r.Kolumna() == 1)
            r.SetTlo(zielony);
        if (r.Kolumna() == 2) {
            r.Plotno().fillRect(QRect(r.Prostokat().topLeft() + QPoint(4, 2), QSize(10, 10)),
                                obrazek);
            r.SetObsluzona(true);
        }
        r.Plotno().setPen(Qt::red);  // the grid's own drawing must not inherit this
    });
    fSiatka.setFocus();
    fSiatka.UstawBiezacaKomorke(0, 1);  // row 1 selected, column 0 current

    Uspokoj();
    wywolania.clear();
    const QImage obraz = fSiatka.grab().toImage();
    EXPECT_EQ(wywolania.size(), 9u);
    for (int w = 0; w < 3; ++w) {
        const QRect kwota = Prostokat(1, w);
        // The hook's colour also replaces the selection colour of row 1.
        EXPECT_EQ(QColor(obraz.pixel(kwota.topLeft() + QPoint(1, 1))), zielony) << w;
        EXPECT_TRUE(MaCiemnePiksele(obraz, kwota.adjusted(0, 0, -1, -1))) << "text drawn " << w;

        const QRect ikona = Prostokat(2, w);
        EXPECT_EQ(QColor(obraz.pixel(ikona.topLeft() + QPoint(8, 6))), obrazek) << w;
        EXPECT_FALSE(MaCiemnePiksele(obraz, ikona.adjusted(16, 0, -1, -1))) << "no text " << w;
    }
    EXPECT_EQ(QColor(obraz.pixel(Prostokat(0, 0).topLeft() + QPoint(1, 1))),
              fSiatka.palette().color(QPalette::Base));
    EXPECT_EQ(QColor(obraz.pixel(Prostokat(0, 2).topLeft() + QPoint(1, 1))),
              fSiatka.palette().color(QPalette::Base));
    // No red grid lines: the painter's state is the grid's again after the hook.
    EXPECT_EQ(QColor(obraz.pixel(Prostokat(0, 0).bottomRight())), fSiatka.KolorLinii());
}

TEST_F(SiatkaTest, ZaznaczenieBezHaka)
{
    fSiatka.SetKolorZaznaczenia(QColor(255, 255, 187));
    fSiatka.UstawDostawce(3, [](int, int) { return QString(); });
    fSiatka.UstawBiezacaKomorke(0, 1);
    fSiatka.setFocus();
    const QImage obraz = Obraz();
    ASSERT_TRUE(fSiatka.hasFocus());
    EXPECT_EQ(QColor(obraz.pixel(Prostokat(0, 1).center())),
              fSiatka.palette().color(QPalette::Highlight));
    EXPECT_EQ(QColor(obraz.pixel(Prostokat(2, 1).center())), QColor(255, 255, 187));
    EXPECT_EQ(QColor(obraz.pixel(Prostokat(2, 2).center())),
              fSiatka.palette().color(QPalette::Base));
}

TEST_F(SiatkaTest, DostawcaPytanyTylkoOWidoczneKomorki)
{
    int pytania = 0;
    fSiatka.UstawDostawce(100000, [&](int k, int w) {
        ++pytania;
        return QString("%1 %2").arg(k).arg(w);
    });
    Obraz();
    EXPECT_GT(pytania, 0);
    EXPECT_LT(pytania, 200);
}

TEST_F(SiatkaTest, WstrzymanieDajeJedenResetModelu)
{
    int resety = 0;
    int wstawienia = 0;
    QObject::connect(fSiatka.model(), &QAbstractItemModel::modelReset, [&] { ++resety; });
    QObject::connect(fSiatka.model(), &QAbstractItemModel::rowsInserted, [&] { ++wstawienia; });
    fSiatka.BeginUpdate();
    fSiatka.BeginUpdate();
    for (int w = 0; w < 1000; ++w)
        fSiatka.SetKomorka(0, fSiatka.DodajWiersz(), QString::number(w));
    fSiatka.EndUpdate();
    EXPECT_EQ(resety, 0);  // nested: only the outermost EndUpdate publishes
    fSiatka.EndUpdate();
    fSiatka.EndUpdate();  // unbalanced: ignored
    EXPECT_EQ(resety, 1);
    EXPECT_EQ(wstawienia, 0);
    EXPECT_TRUE(fSiatka.updatesEnabled());

    // Nothing changed while suspended: nothing to publish.
    { TWstrzymanaSiatka wstrzymana(fSiatka); }
    EXPECT_EQ(resety, 1);
}

TEST_F(SiatkaTest, KolumnyDopasowaneDoSzerokosci)
{
    fSiatka.SetIloscKolumn(5);
    fSiatka.SetAutomatycznaSzerokosc(true);
    fSiatka.SetWidoczna(0, false);
    fSiatka.UstawDostawce(100, [](int, int) { return QString("x"); });  // a model reset
    QApplication::processEvents();
    const int dostepne = fSiatka.viewport()->width();
    int suma = 0;
    EXPECT_TRUE(fSiatka.isColumnHidden(0));
    for (int k = 1; k < 5; ++k) {
        EXPECT_NEAR(fSiatka.Szerokosc(k), dostepne / 4, 4) << k;
        suma += fSiatka.Szerokosc(k);
    }
    EXPECT_EQ(suma, dostepne);

    // Widths are shares: twice the width, twice the room.
    fSiatka.SetSzerokosc(1, 100);
    EXPECT_NEAR(fSiatka.Szerokosc(1), 2 * fSiatka.Szerokosc(2), 2);

    // Too narrow for all: none below the default width.
    fSiatka.resize(150, 300);
    QApplication::processEvents();
    for (int k = 1; k < 5; ++k)
        EXPECT_GE(fSiatka.Szerokosc(k), fSiatka.DomyslnaSzerokoscKolumny()) << k;

    fSiatka.SetAutomatycznaSzerokosc(false);
    fSiatka.SetSzerokosc(2, 70);
    EXPECT_EQ(fSiatka.Szerokosc(2), 70);
}

TEST_F(SiatkaTest, WysokoscWierszaIMargines)
{
    fSiatka.SetWysokoscWiersza(26);
    fSiatka.UstawDostawce(20, [](int, int) { return QString("x"); });
    EXPECT_EQ(fSiatka.rowHeight(0), 26);
    EXPECT_EQ(fSiatka.rowHeight(19), 26);
    EXPECT_EQ(fSiatka.model()->headerData(0, Qt::Vertical).toString(), "1");
    EXPECT_EQ(fSiatka.model()->headerData(19, Qt::Vertical).toString(), "20");
    EXPECT_EQ(fSiatka.model()->headerData(1, Qt::Horizontal).toString(), "B");
}

TEST_F(SiatkaTest, StopkaPodTresciaIJejLinie)
{
    fSiatka.SetIloscLiniiStopki(2);
    QApplication::processEvents();
    const QRect tresc = fSiatka.viewport()->geometry();
    const QRect stopka = fSiatka.StopkaWidzet().geometry();
    EXPECT_EQ(stopka.top(), tresc.bottom() + 1);
    EXPECT_EQ(stopka.right(), tresc.right());
    EXPECT_GE(stopka.height(), 2 * fSiatka.StopkaWidzet().fontMetrics().lineSpacing());

    fSiatka.SetStopka(1, "MM;MM");
    const QImage obraz = Obraz();
    const QRect czesc(LewaKolumny(1), stopka.top() + 1, fSiatka.Szerokosc(1) - 1,
                      stopka.height() - 1);
    const int linia = fSiatka.StopkaWidzet().fontMetrics().lineSpacing();
    const QRect pierwsza(czesc.left(), czesc.top() + 2, czesc.width(), linia - 2);
    const QRect druga = pierwsza.translated(0, linia);
    EXPECT_TRUE(MaCiemnePiksele(obraz, pierwsza));
    EXPECT_TRUE(MaCiemnePiksele(obraz, druga));
    const QRect pusta(LewaKolumny(0), czesc.top(), fSiatka.Szerokosc(0) - 1, czesc.height());
    EXPECT_FALSE(MaCiemnePiksele(obraz, pusta.adjusted(2, 1, -2, -1)));

    fSiatka.SetStopkaWidoczna(false);
    QApplication::processEvents();
    EXPECT_FALSE(fSiatka.StopkaWidzet().isVisible());
    EXPECT_EQ(fSiatka.viewport()->geometry().bottom() + 1, fSiatka.height() - fSiatka.frameWidth());
}

TEST_F(SiatkaTest, HakStopkiPrzedKazdymMalowaniem)
{
    int wywolania = 0;
    fSiatka.SetPrzyRysowaniuStopki([&](TRysowanieStopki&) {
        ++wywolania;
        fSiatka.SetStopka(0, QString("Ilość: %1").arg(fSiatka.IloscWierszy()));
    });
    fSiatka.UstawDostawce(7, [](int, int) { return QString("x"); });
    Obraz();
    EXPECT_GE(wywolania, 1);
    EXPECT_EQ(fSiatka.Stopka(0), "Ilość: 7");

    // Assigning the same footer text asks for no repaint; a different one does.
    Uspokoj();
    const int poMalowaniu = wywolania;
    fSiatka.SetStopka(0, "Ilość: 7");
    Uspokoj();
    EXPECT_EQ(wywolania, poMalowaniu);
    fSiatka.SetStopka(2, "nowa");
    Uspokoj();
    EXPECT_GT(wywolania, poMalowaniu);
}

TEST_F(SiatkaTest, EdycjaTylkoGdyNieTylkoDoOdczytu)
{
    fSiatka.DodajWiersz();
    std::vector<TKomorka> zmiany;
    QObject::connect(&fSiatka, &TSiatkaDanych::ZmianaKomorki,
                     [&](int k, int w) { zmiany.emplace_back(k, w); });
    QAbstractItemModel& model = *fSiatka.model();
    EXPECT_FALSE(model.setData(model.index(0, 1), "a"));
    EXPECT_FALSE(model.flags(model.index(0, 1)).testFlag(Qt::ItemIsEditable));

    fSiatka.SetTylkoDoOdczytu(false);
    EXPECT_TRUE(model.setData(model.index(0, 1), "a"));
    fSiatka.SetKomorka(0, 0, "z programu");  // the program's writes are not user edits
    EXPECT_EQ(fSiatka.Komorka(1, 0), "a");
    EXPECT_EQ(zmiany, (std::vector<TKomorka>{{1, 0}}));
}
