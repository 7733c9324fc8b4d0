// The Qt message boxes behind PokazKomunikat: title, icon, text with its line breaks, Polish
// buttons, and the answer of the button pressed. Each box is answered from a timer.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <tuple>
#include <vector>

#include "planner/KomunikatyQt.h"

namespace {

struct TWidzianeOkno {
    QString Tytul;
    QString Tekst;
    QMessageBox::Icon Ikona = QMessageBox::NoIcon;
    QStringList Przyciski;
    QString Domyslny;
};

QString BezAkceleratora(QString tekst)
{
    return tekst.remove(QLatin1Char('&'));
}

// Shows one message; odpowiedz gets the open box and closes it.
TOdpowiedzKomunikatu Pokaz(const std::string& tekst, const std::string& tytul, TIkonaKomunikatu ikona,
                           TPrzyciskiKomunikatu przyciski, TWidzianeOkno& widziane,
                           const std::function<void(QMessageBox&)>& odpowiedz)
{
    // Should the box not be found, the watchdog closes it: a test never waits for a person.
    QTimer straznik;
    straznik.setSingleShot(true);
    QObject::connect(&straznik, &QTimer::timeout, [] {
        if (QWidget* okno = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "message box left open";
            okno->close();
        }
    });
    straznik.start(5000);
    QTimer::singleShot(0, [&] {
        auto* okno = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (okno == nullptr)
            return;
        widziane.Tytul = okno->windowTitle();
        widziane.Tekst = okno->text();
        widziane.Ikona = okno->icon();
        for (QAbstractButton* przycisk : okno->buttons())
            widziane.Przyciski.append(BezAkceleratora(przycisk->text()));
        widziane.Przyciski.sort();
        if (okno->defaultButton() != nullptr)
            widziane.Domyslny = BezAkceleratora(okno->defaultButton()->text());
        odpowiedz(*okno);
    });
    TKomunikatyQt komunikaty;
    return komunikaty.Pokaz(tekst, tytul, ikona, przyciski);
}

std::function<void(QMessageBox&)> KliknijPrzycisk(const QString& tekst)
{
    return [tekst](QMessageBox& okno) {
        for (QAbstractButton* przycisk : okno.buttons())
            if (BezAkceleratora(przycisk->text()) == tekst)
                przycisk->click();
    };
}

TEST(KomunikatyQt, TekstZLiniami)
{
    EXPECT_EQ(TekstKomunikatuQt("Pierwsza\rDruga\r\rCzwarta"), "Pierwsza\nDruga\n\nCzwarta");
    EXPECT_EQ(TekstKomunikatuQt("a\r\nb"), "a\nb");
    EXPECT_EQ(TekstKomunikatuQt("Zażółć gęślą jaźń"), "Zażółć gęślą jaźń");
}

TEST(KomunikatyQt, BladZPrzyciskiemOK)
{
    TWidzianeOkno widziane;
    EXPECT_EQ(Pokaz("Nie można usunąć tego planu !!!\rSpróbuj ponownie.", "BŁĄD !!!", TIkonaKomunikatu::Blad,
                    TPrzyciskiKomunikatu::OK, widziane, KliknijPrzycisk("OK")),
              TOdpowiedzKomunikatu::OK);
    EXPECT_EQ(widziane.Tytul, "BŁĄD !!!");
    EXPECT_EQ(widziane.Tekst, "Nie można usunąć tego planu !!!\nSpróbuj ponownie.");
    EXPECT_EQ(widziane.Ikona, QMessageBox::Critical);
    EXPECT_EQ(widziane.Przyciski, QStringList({"OK"}));
}

TEST(KomunikatyQt, PytanieTakNie)
{
    // the answer given, what the box answers
    const std::vector<std::tuple<std::function<void(QMessageBox&)>, TOdpowiedzKomunikatu>> przypadki = {
        {KliknijPrzycisk("Tak"), TOdpowiedzKomunikatu::Tak},
        {KliknijPrzycisk("Nie"), TOdpowiedzKomunikatu::Nie},
        {[](QMessageBox& okno) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&okno, &escape);
         },
         TOdpowiedzKomunikatu::Nie},
    };
    for (const auto& [odpowiedz, oczekiwana] : przypadki) {
        TWidzianeOkno widziane;
        EXPECT_EQ(Pokaz("Czy na pewno chcesz usunąć wybrany plan ???", "UWAGA !!!", TIkonaKomunikatu::Ostrzezenie,
                        TPrzyciskiKomunikatu::TakNie, widziane, odpowiedz),
                  oczekiwana);
        EXPECT_EQ(widziane.Tytul, "UWAGA !!!");
        EXPECT_EQ(widziane.Ikona, QMessageBox::Warning);
        EXPECT_EQ(widziane.Przyciski, QStringList({"Nie", "Tak"}));
        // Enter alone does not agree to a loss.
        EXPECT_EQ(widziane.Domyslny, "Nie");
    }
}

}  // namespace
