// Screenshots of the planner and of its editor for the documentation, rendered offscreen
// from a household's plans on a fixed day. With GROSIWO_ZRZUTY set to a folder, the pictures
// are written there as planer.png and edytor.png; without it they are only rendered and
// checked.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTimeEdit>
#include <QToolButton>

#include "PlanerTestowy.h"
#include "planner/PoleKwoty.h"
#include "planner/UnitDodajPlan.h"

namespace {

class ZrzutyPlaneraTest : public TPlanerTestowy {
protected:
    void SetUp() override
    {
        TKolekcjeDanych& k = Kolekcje();
        k.KategorieWydatki().clear();
        k.KategoriePrzychody().clear();
        int32_t id = 0;
        for (const char* opis : {"Mieszkanie", "Rachunki", "Samochód", "Ubezpieczenia", "Zdrowie", "Edukacja"}) {
            ++id;
            k.KategorieWydatki().push_back(
                std::make_unique<TKategoriaWydatki>(id, opis, false, TTypModyfikacji::BezZmian, id));
        }
        id = 0;
        for (const char* opis : {"Wynagrodzenie", "Premia", "Zwrot podatku", "Najem"}) {
            ++id;
            k.KategoriePrzychody().push_back(
                std::make_unique<TKategoriaPrzychody>(id, opis, false, TTypModyfikacji::BezZmian, id));
        }

        Dodaj(1, "Czynsz za maj", TTypPlanu::Wydatek, 1, KodujDateCzas(2013, 5, 10, 10, 0), 1250, "Przelew do spółdzielni", true);
        Dodaj(2, "Wynagrodzenie", TTypPlanu::Przychod, 1, KodujDateCzas(2013, 5, 10, 8, 0), 5420.75, "Pensja za kwiecień", true);
        Dodaj(3, "Rachunek za prąd", TTypPlanu::Wydatek, 2, KodujDateCzas(2013, 5, 15, 12, 0), 184.32, "Faktura za dwa miesiące");
        Dodaj(4, "Internet i telewizja", TTypPlanu::Wydatek, 2, KodujDateCzas(2013, 5, 16, 18, 0), 119.99, "");
        Dodaj(5, "Zwrot podatku PIT", TTypPlanu::Przychod, 3, KodujDateCzas(2013, 5, 17, 9, 0), 1312, "Urząd skarbowy");
        Dodaj(6, "Przegląd samochodu", TTypPlanu::Wydatek, 3, KodujDateCzas(2013, 5, 20, 8, 30), 450, "Warsztat przy Lipowej");
        Dodaj(7, "Czynsz od najemcy", TTypPlanu::Przychod, 4, KodujDateCzas(2013, 5, 25, 12, 0), 1800, "Mieszkanie na Mokotowie");
        Dodaj(8, "Ubezpieczenie OC", TTypPlanu::Wydatek, 4, KodujDateCzas(2013, 5, 28, 12, 0), 980.4, "Raty: druga z czterech");
        Dodaj(9, "Wizyta u dentysty", TTypPlanu::Wydatek, 5, KodujDateCzas(2013, 6, 3, 16, 15), 250, "");
        Dodaj(10, "Premia kwartalna", TTypPlanu::Przychod, 2, KodujDateCzas(2013, 6, 10, 8, 0), 2000, "Jeśli cel zostanie osiągnięty");
        Dodaj(11, "Kurs angielskiego", TTypPlanu::Wydatek, 6, KodujDateCzas(2013, 6, 14, 17, 0), 640, "Semestr letni");
        Dodaj(12, "Opłata za przedszkole", TTypPlanu::Wydatek, 6, KodujDateCzas(2013, 4, 5, 9, 0), 420, "", true);
        Dodaj(13, "Wynagrodzenie", TTypPlanu::Przychod, 1, KodujDateCzas(2013, 6, 10, 8, 0), 5420.75, "Pensja za maj");
        Pokaz();
        Kliknij(PanelStanu(), 0);
        Siatka().UstawBiezacaKomorke(2, 3);
        Uspokoj();
    }

    void Dodaj(int32_t id, const char* nazwa, TTypPlanu typ, int32_t kategoria, TDateTime data, double kwota,
               const char* komentarz, bool wykonany = false)
    {
        TPlan& plan = Plan(id, nazwa, typ, data, kwota, wykonany);
        plan.SetIdKategorii(kategoria);
        plan.SetKomentarz(komentarz);
    }

    static void Zapisz(const QImage& obraz, const char* nazwa)
    {
        const QString folder = qEnvironmentVariable("GROSIWO_ZRZUTY");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        EXPECT_TRUE(obraz.save(folder + QLatin1Char('/') + QLatin1String(nazwa)));
    }
};

TEST_F(ZrzutyPlaneraTest, Planer)
{
    const QImage obraz = Okno().grab().toImage();
    EXPECT_EQ(obraz.size(), QSize(894, 566));
    // The header band's colour at its left edge, and the grid listing every plan.
    EXPECT_EQ(obraz.pixelColor(2, 2), QColor(64, 62, 55));
    EXPECT_EQ(Siatka().IloscWierszy(), 13);
    Zapisz(obraz, "planer.png");
}

TEST_F(ZrzutyPlaneraTest, Edytor)
{
    QImage obraz;
    const auto ogladaj = [&](QDialog& dialog) {
        auto& edytor = dynamic_cast<TFormDodajPlan&>(dialog);
        edytor.e_Add_Nazwa->setText("Wymiana opon");
        edytor.cb_Add_Kategoria->setCurrentIndex(2);
        edytor.e_Add_Kwota->UstawWartosc(360);
        edytor.dtp_Add_Data->setDate(QDate(2013, 10, 28));
        edytor.dtp_Add_Godzina->setTime(QTime(16, 30));
        edytor.e_Add_Komentarz->setEditText("Opony zimowe, warsztat przy Lipowej");
        edytor.e_Add_Nazwa->setFocus();
        Uspokoj();
        obraz = dialog.grab().toImage();
    };
    ASSERT_EQ(ZModalnym([&] { Kontrolka<QToolButton>("sbtn_DodajW").click(); }, ogladaj), "TFormDodajPlan");
    ASSERT_FALSE(obraz.isNull());
    EXPECT_EQ(obraz.pixelColor(2, 2), QColor(64, 62, 55));
    Zapisz(obraz, "edytor.png");
}

}  // namespace
