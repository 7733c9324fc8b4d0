// The plan editor: the dialog's layout, keys and OK state, and the add and edit flows driven
// key by key through the real modal dialog, with their validation messages and temporary ids.
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "EdytorKlawiatura.h"
#include "collections/KolekcjeDanych.h"
#include "common/FunkcjeWspolne.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "planner/EdytorPlanow.h"
#include "planner/PoleKwoty.h"
#include "planner/SiatkaDanych.h"
#include "planner/UnitDodajPlan.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Plan.h"
#include "support/TestPlatforma.h"

namespace {

using TAkcje = std::function<void(TFormDodajPlan&)>;

const std::string KomunikatKwoty =
    "Nie można dodać nowego planu !!!\rUpewnij się, że kwota została wpisana poprawnie.";
const std::string KomunikatNazwy =
    "Próba dodania planu nie powiodła się, wprowadzono niepoprawną nazwę !!!";
const std::string PomocKategorii =
    "\rWypełnij najpierw tabele z kategoriami: kategorie wydatków i/lub kategorie przychodów. "
    "\rWszystkie narzędzia niezbędne do tego umieszczone zostały, na widocznych u góry okna programu, "
    "zakładkach. Dodatkowa pomoc znajduje się na stronie WWW programu, w tym celu kliknij na zakładkę "
    "\"Grosiwo\" i dalej \"Strona WWW programu\".";

QStringList Pozycje(const QComboBox& lista)
{
    QStringList pozycje;
    for (int i = 0; i < lista.count(); ++i)
        pozycje.append(lista.itemText(i));
    return pozycje;
}

// Types a name, chooses a category by its text and types an amount, as a user would.
TAkcje Wypelnij(const QString& nazwa, const QString& kwota, const QString& komentarz = {})
{
    return [=](TFormDodajPlan& d) {
        Wpisz(d.e_Add_Nazwa, nazwa);
        Wpisz(d.e_Add_Kwota, kwota);
        Wpisz(d.e_Add_Komentarz->lineEdit(), komentarz);
    };
}

TAkcje IOK(const TAkcje& akcje)
{
    return [=](TFormDodajPlan& d) {
        akcje(d);
        d.btn_OK->click();
    };
}

class EdytorPlanowTest : public ::testing::Test {
protected:
    EdytorPlanowTest()
    {
        UstawFormatyDanych();
        auto& wydatki = Kolekcje().KategorieWydatki();
        wydatki.push_back(std::make_unique<TKategoriaWydatki>(1, "Jedzenie", false, TTypModyfikacji::BezZmian, 1));
        wydatki.push_back(std::make_unique<TKategoriaWydatki>(2, "Rachunki", false, TTypModyfikacji::BezZmian, 2));
        wydatki.push_back(std::make_unique<TKategoriaWydatki>(3, "Ukryta", true, TTypModyfikacji::BezZmian, 3));
        auto& przychody = Kolekcje().KategoriePrzychody();
        przychody.push_back(std::make_unique<TKategoriaPrzychody>(10, "Pensja", false, TTypModyfikacji::BezZmian, 1));
        przychody.push_back(std::make_unique<TKategoriaPrzychody>(11, "Premia", false, TTypModyfikacji::BezZmian, 2));
    }

    TKolekcjeDanych& Kolekcje() { return fBaza->Kolekcje(); }

    TPlan& DodajDoKolekcji(int32_t id, TTypModyfikacji zmiany = TTypModyfikacji::BezZmian,
                           TTypPlanu typ = TTypPlanu::Wydatek)
    {
        Kolekcje().Plany().push_back(std::make_unique<TPlan>(
            id, "Czynsz", typ == TTypPlanu::Przychod ? 11 : 2, 250.75,
            KodujDateCzas(2013, 6, 10, 9, 15), "Przelew", zmiany, typ));
        return *Kolekcje().Plany().back();
    }

    TEdytorPlanow Edytor(const TSiatkaDanych* siatka = nullptr, TProjektDB* baza = nullptr)
    {
        TEdytorPlanow edytor(nullptr, baza != nullptr ? baza : fBaza.get(), siatka);
        edytor.SetOdswiezListePlanow([this] { ++fOdswiezenia; });
        return edytor;
    }

    // DodajPlan with the dialog driven by akcje; whether the dialog opened goes to fOtwarty.
    bool Dodaj(TTypPlanu typ, const TAkcje& akcje, const TSiatkaDanych* siatka = nullptr)
    {
        TEdytorPlanow edytor = Edytor(siatka);
        bool wynik = false;
        fOtwarty = ZDialogiem<TFormDodajPlan>(akcje, [&] { wynik = edytor.DodajPlan(typ); });
        return wynik;
    }

    bool Edytuj(TPlan& plan, const TAkcje& akcje)
    {
        TEdytorPlanow edytor = Edytor();
        bool wynik = false;
        fOtwarty = ZDialogiem<TFormDodajPlan>(akcje, [&] { wynik = edytor.EdytujPlan(plan); });
        return wynik;
    }

    // The one message shown, as an error box.
    void OczekujBledu(const std::string& tekst)
    {
        ASSERT_EQ(fKomunikaty->Komunikaty.size(), 1u);
        const TZapisanyKomunikat& k = fKomunikaty->Komunikaty.front();
        EXPECT_EQ(k.Tekst, tekst);
        EXPECT_EQ(k.Tytul, "BŁĄD !!!");
        EXPECT_EQ(k.Ikona, TIkonaKomunikatu::Blad);
        EXPECT_EQ(k.Przyciski, TPrzyciskiKomunikatu::OK);
    }

    TUstawionyZegar fZegar{KodujDateCzas(2013, 5, 17, 12, 0)};
    TUstawionyRejestrator fKomunikaty;
    TTymczasowyFolder fFolder;
    std::unique_ptr<TProjektDB> fBaza =
        std::make_unique<TProjektDB>(std::make_unique<TPlikiDB>(fFolder.Plik("baza.dat")));
    int fOdswiezenia = 0;
    bool fOtwarty = false;
};

// ---- The dialog itself ----

TEST_F(EdytorPlanowTest, UkladOkna)
{
    TFormDodajPlan dialog;
    EXPECT_EQ(dialog.windowTitle(), "Dodaj");
    EXPECT_EQ(dialog.size(), QSize(399, 321));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);

    const std::vector<std::pair<QWidget*, QRect>> pola = {
        {dialog.e_Add_Nazwa, {99, 69, 282, 21}},      {dialog.cb_Add_Kategoria, {99, 110, 282, 21}},
        {dialog.e_Add_Kwota, {99, 150, 282, 21}},     {dialog.dtp_Add_Data, {99, 190, 135, 21}},
        {dialog.dtp_Add_Godzina, {240, 190, 141, 21}}, {dialog.e_Add_Komentarz, {102, 230, 279, 21}},
    };
    for (const auto& [pole, miejsce] : pola)
        EXPECT_EQ(pole->geometry(), miejsce) << pole->metaObject()->className();
    EXPECT_EQ(dialog.btn_OK->size(), QSize(84, 32));
    EXPECT_EQ(dialog.btn_Cancel->size(), QSize(93, 32));
    EXPECT_EQ(dialog.btn_OK->y(), 273);
    EXPECT_EQ(dialog.btn_Cancel->y(), 273);
    EXPECT_EQ(dialog.btn_OK->text(), "&OK");
    EXPECT_EQ(dialog.btn_Cancel->text(), "&Anuluj");
    EXPECT_TRUE(dialog.btn_OK->isDefault());
    EXPECT_EQ(dialog.e_Add_Nazwa->maxLength(), 255);
    EXPECT_EQ(dialog.e_Add_Komentarz->lineEdit()->maxLength(), 256);
    EXPECT_EQ(dialog.cb_Add_Kategoria->maxVisibleItems(), 15);
    EXPECT_FALSE(dialog.cb_Add_Kategoria->isEditable());
    EXPECT_TRUE(dialog.dtp_Add_Data->calendarPopup());

    // The header band: its colour at the left, white bold text of 15 pixels.
    const QImage obraz = dialog.grab().toImage();
    EXPECT_EQ(QColor(obraz.pixel(3, 3)), QColor(64, 62, 55));
    EXPECT_EQ(QColor(obraz.pixel(3, 48)), QColor(64, 62, 55));
    EXPECT_NE(QColor(obraz.pixel(3, 52)), QColor(64, 62, 55));
    const QFont naglowek = dialog.lbl_Add_Head->font();
    EXPECT_EQ(naglowek.pixelSize(), 15);
    EXPECT_TRUE(naglowek.bold());
    EXPECT_EQ(dialog.lbl_Add_Head->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(dialog.lbl_Add_Head->x(), 10);
    const QStringList zastepcze = {"Calibri", "Carlito", "DejaVu Sans"};
    EXPECT_TRUE(zastepcze.contains(QFontInfo(naglowek).family())) << QFontInfo(naglowek).family().toStdString();
    EXPECT_EQ(dialog.font().pointSize(), 8);
    const QStringList okno = {"Tahoma", "Liberation Sans"};
    EXPECT_TRUE(okno.contains(QFontInfo(dialog.font()).family())) << QFontInfo(dialog.font()).family().toStdString();
}

TEST_F(EdytorPlanowTest, KolejnoscFokusu)
{
    TFormDodajPlan dialog;
    const std::vector<QWidget*> kolejnosc = {dialog.e_Add_Nazwa,     dialog.cb_Add_Kategoria,
                                             dialog.e_Add_Kwota,     dialog.dtp_Add_Data,
                                             dialog.dtp_Add_Godzina, dialog.e_Add_Komentarz,
                                             dialog.btn_OK,          dialog.btn_Cancel};
    // The chain also holds the inner widgets of compound inputs; only the order of ours counts.
    std::vector<QWidget*> lancuch;
    QWidget* w = dialog.e_Add_Nazwa;
    do {
        if (std::find(kolejnosc.begin(), kolejnosc.end(), w) != kolejnosc.end())
            lancuch.push_back(w);
        w = w->nextInFocusChain();
    } while (w != dialog.e_Add_Nazwa && lancuch.size() <= kolejnosc.size());
    EXPECT_EQ(lancuch, kolejnosc);
}

TEST_F(EdytorPlanowTest, OKDostepneGdyJestNazwaIWybranaKategoria)
{
    TFormDodajPlan dialog;
    dialog.UstawKategorie({"Jedzenie", "Rachunki"});
    EXPECT_FALSE(dialog.btn_OK->isEnabled());
    Wpisz(dialog.e_Add_Nazwa, "C");
    EXPECT_FALSE(dialog.btn_OK->isEnabled());
    dialog.cb_Add_Kategoria->setCurrentIndex(1);
    EXPECT_TRUE(dialog.btn_OK->isEnabled());
    Wpisz(dialog.e_Add_Nazwa, "\b");
    EXPECT_FALSE(dialog.btn_OK->isEnabled());
    Wpisz(dialog.e_Add_Nazwa, " ");
    EXPECT_TRUE(dialog.btn_OK->isEnabled());
    dialog.cb_Add_Kategoria->setCurrentIndex(-1);
    EXPECT_FALSE(dialog.btn_OK->isEnabled());
}

TEST_F(EdytorPlanowTest, KomentarzBezZnakowZakazanych_ZWielkiejLitery)
{
    TFormDodajPlan dialog;
    QLineEdit* const komentarz = dialog.e_Add_Komentarz->lineEdit();
    Wpisz(komentarz, "\"opłata\"; za 'gaz' 🔥 ŻÓŁW");
    EXPECT_EQ(komentarz->text(), QString::fromUtf8("Opłata za gaz 🔥 ŻÓŁW"));

    // Pasted, the forbidden characters go too, and the caret stays after the pasted text.
    komentarz->clear();
    Wpisz(komentarz, "xy");
    komentarz->setCursorPosition(1);
    komentarz->insert(QString::fromUtf8("|a\"b'c;d"));
    EXPECT_EQ(komentarz->text(), "Xabcdy");
    EXPECT_EQ(komentarz->cursorPosition(), 5);

    komentarz->clear();
    komentarz->insert(QString::fromUtf8("ąbc"));
    EXPECT_EQ(komentarz->text(), QString::fromUtf8("Ąbc"));

    // Typing inside the text keeps the rest of it.
    komentarz->setCursorPosition(1);
    Wpisz(komentarz, "x");
    Wpisz(komentarz, "y");
    EXPECT_EQ(komentarz->text(), QString::fromUtf8("Ąxybc"));
}

// An emoji cut in half at the length limit leaves no broken character behind.
TEST_F(EdytorPlanowTest, LimitDlugosciNieRozcinaZnaku)
{
    TFormDodajPlan dialog;
    struct TPole {
        QLineEdit* Pole;
        int Limit;
    };
    for (const auto& [pole, limit] : {TPole{dialog.e_Add_Nazwa, 255}, TPole{dialog.e_Add_Komentarz->lineEdit(), 256}}) {
        const QString poczatek = QString(limit - 1, u'A');
        pole->setText(poczatek);
        pole->end(false);
        pole->insert(QString::fromUtf8("🎉"));
        EXPECT_EQ(pole->text(), poczatek);
        pole->setText(QString::fromUtf8("Wesele 🎉"));
        EXPECT_EQ(pole->text(), QString::fromUtf8("Wesele 🎉"));
    }
}

TEST_F(EdytorPlanowTest, EnterWKwocieIKomentarzuPrzenosiFokus_EscapeZamyka)
{
    TFormDodajPlan dialog;
    dialog.UstawKategorie({"Jedzenie"});
    dialog.cb_Add_Kategoria->setCurrentIndex(0);
    dialog.show();
    Nacisnij(dialog.e_Add_Kwota, Qt::Key_Return, "\r");
    EXPECT_TRUE(dialog.e_Add_Komentarz->isAncestorOf(dialog.focusWidget()) ||
                dialog.focusWidget() == dialog.e_Add_Komentarz);
    EXPECT_TRUE(dialog.isVisible());

    // OK disabled (no name): Enter stays in the comment and does not close the dialog.
    Nacisnij(dialog.e_Add_Komentarz->lineEdit(), Qt::Key_Return, "\r");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.focusWidget(), dialog.btn_OK);

    Wpisz(dialog.e_Add_Nazwa, "Prąd");
    Nacisnij(dialog.e_Add_Komentarz->lineEdit(), Qt::Key_Enter, "\r");
    EXPECT_EQ(dialog.focusWidget(), dialog.btn_OK);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    Nacisnij(dialog.e_Add_Komentarz->lineEdit(), Qt::Key_Escape, "\x1b");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.KliknietoOK());
}

// ---- DodajPlan ----

TEST_F(EdytorPlanowTest, DodanieWydatkuWpisanegoZKlawiatury)
{
    TAkcje akcje = [](TFormDodajPlan& d) {
        EXPECT_EQ(d.lbl_Add_Head->text(), " Dodaj planowany wydatek");
        EXPECT_EQ(d.Label2->text(), "&Na co:");
        EXPECT_EQ(Pozycje(*d.cb_Add_Kategoria), QStringList({"Jedzenie", "Rachunki"}));
        EXPECT_EQ(d.cb_Add_Kategoria->currentIndex(), 0);
        EXPECT_TRUE(d.e_Add_Nazwa->text().isEmpty());
        EXPECT_TRUE(d.e_Add_Kwota->text().isEmpty());
        EXPECT_EQ(d.e_Add_Kwota->MaksymalnaDlugosc(), 15);
        EXPECT_EQ(d.dtp_Add_Data->date(), QDate(2013, 5, 17));
        EXPECT_EQ(d.dtp_Add_Godzina->time(), QTime(12, 0));
        EXPECT_FALSE(d.btn_OK->isEnabled());
        Wpisz(d.e_Add_Nazwa, QString::fromUtf8("  Czynsz   za: maj;  "));
        Nacisnij(d.cb_Add_Kategoria, Qt::Key_Down);
        Wpisz(d.e_Add_Kwota, "1a234,5,6");
        Nacisnij(d.e_Add_Kwota, Qt::Key_Return, "\r");
        Wpisz(d.e_Add_Komentarz->lineEdit(), "opłata;");
        d.btn_OK->click();
    };
    EXPECT_TRUE(Dodaj(TTypPlanu::Wydatek, akcje));
    EXPECT_TRUE(fOtwarty);
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
    ASSERT_EQ(Kolekcje().Plany().size(), 1u);
    const TPlan& plan = *Kolekcje().Plany().front();
    EXPECT_EQ(plan.Id(), 0);
    EXPECT_EQ(plan.Nazwa(), "Czynsz za maj ");
    EXPECT_EQ(plan.IdKategorii(), 2);
    EXPECT_EQ(plan.Kwota(), 1234.56);
    EXPECT_EQ(plan.Data(), KodujDateCzas(2013, 5, 17, 12, 0));
    EXPECT_EQ(plan.Komentarz(), "Opłata");
    EXPECT_EQ(plan.Zmiany(), TTypModyfikacji::Dodano);
    EXPECT_EQ(plan.TypPlanu(), TTypPlanu::Wydatek);
    EXPECT_FALSE(plan.Wykonany());
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoPlany());
    EXPECT_EQ(fOdswiezenia, 1);
}

TEST_F(EdytorPlanowTest, NazwaZeSpacjamiBezWiodacychIZJednaKoncowa)
{
    EXPECT_TRUE(Dodaj(TTypPlanu::Wydatek, IOK(Wypelnij("   Gaz    ziemny   ", "10"))));
    ASSERT_EQ(Kolekcje().Plany().size(), 1u);
    EXPECT_EQ(Kolekcje().Plany().front()->Nazwa(), "Gaz ziemny ");
}

TEST_F(EdytorPlanowTest, DodaniePrzychoduZPolskimiZnakamiIEmoji)
{
    TAkcje akcje = [](TFormDodajPlan& d) {
        EXPECT_EQ(d.lbl_Add_Head->text(), QString::fromUtf8(" Dodaj planowany przychód"));
        EXPECT_EQ(d.Label2->text(), QString::fromUtf8("Tytuł p&rzychodu:"));
        EXPECT_EQ(Pozycje(*d.cb_Add_Kategoria), QStringList({"Pensja", "Premia"}));
        Wpisz(d.e_Add_Nazwa, QString::fromUtf8("Źródło 💰 zażółć"));
        Wpisz(d.e_Add_Kwota, "5000");
        Wpisz(d.e_Add_Komentarz->lineEdit(), QString::fromUtf8("ęść 🎉"));
        d.btn_OK->click();
    };
    EXPECT_TRUE(Dodaj(TTypPlanu::Przychod, akcje));
    ASSERT_EQ(Kolekcje().Plany().size(), 1u);
    const TPlan& plan = *Kolekcje().Plany().front();
    EXPECT_EQ(plan.Nazwa(), "Źródło 💰 zażółć");
    EXPECT_EQ(plan.Komentarz(), "Ęść 🎉");
    EXPECT_EQ(plan.IdKategorii(), 10);
    EXPECT_EQ(plan.TypPlanu(), TTypPlanu::Przychod);
    EXPECT_EQ(plan.Kwota(), 5000);
}

TEST_F(EdytorPlanowTest, SekundyZegaraNieTrafiajaDoPlanu)
{
    fZegar.Ustaw(KodujDateCzas(2013, 5, 17, 14, 30, 45));
    EXPECT_TRUE(Dodaj(TTypPlanu::Wydatek, IOK(Wypelnij("Gaz", "10"))));
    ASSERT_EQ(Kolekcje().Plany().size(), 1u);
    EXPECT_EQ(Kolekcje().Plany().front()->Data(), KodujDateCzas(2013, 5, 17, 14, 30, 0));
}

TEST_F(EdytorPlanowTest, DataIGodzinaZmienioneWPolach)
{
    TAkcje akcje = [](TFormDodajPlan& d) {
        Wpisz(d.e_Add_Nazwa, "Gaz");
        Wpisz(d.e_Add_Kwota, "10");
        d.dtp_Add_Data->setDate(QDate(2014, 2, 28));
        d.dtp_Add_Godzina->setTime(QTime(23, 59, 59));
    };
    EXPECT_TRUE(Dodaj(TTypPlanu::Wydatek, IOK(akcje)));
    ASSERT_EQ(Kolekcje().Plany().size(), 1u);
    EXPECT_EQ(Kolekcje().Plany().front()->Data(), KodujDateCzas(2014, 2, 28, 23, 59));
}

struct TZlaWartosc {
    const char* Nazwa;
    const char* Kwota;
    bool ZlaKwota;  // else the name is wrong
    const std::string& Komunikat() const { return ZlaKwota ? KomunikatKwoty : KomunikatNazwy; }
};

class EdytorPlanowZleDane : public EdytorPlanowTest, public ::testing::WithParamInterface<TZlaWartosc> {};

TEST_P(EdytorPlanowZleDane, DodanieOdrzuconePoZamknieciuDialogu)
{
    DodajDoKolekcji(3);
    EXPECT_FALSE(Dodaj(TTypPlanu::Wydatek,
                       IOK(Wypelnij(QString::fromUtf8(GetParam().Nazwa), QString::fromUtf8(GetParam().Kwota)))));
    EXPECT_TRUE(fOtwarty);
    OczekujBledu(GetParam().Komunikat());
    EXPECT_EQ(Kolekcje().Plany().size(), 1u);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoPlany());
    EXPECT_EQ(fOdswiezenia, 0);
}

TEST_P(EdytorPlanowZleDane, EdycjaOdrzuconaTymiSamymiKomunikatami)
{
    TPlan& plan = DodajDoKolekcji(3);
    TAkcje akcje = [this](TFormDodajPlan& d) {
        d.e_Add_Nazwa->clear();
        d.e_Add_Kwota->clear();
        Wpisz(d.e_Add_Nazwa, QString::fromUtf8(GetParam().Nazwa));
        Wpisz(d.e_Add_Kwota, QString::fromUtf8(GetParam().Kwota));
        d.btn_OK->click();
    };
    EXPECT_FALSE(Edytuj(plan, akcje));
    OczekujBledu(GetParam().Komunikat());
    EXPECT_EQ(plan.Nazwa(), "Czynsz");
    EXPECT_EQ(plan.Kwota(), 250.75);
    EXPECT_EQ(plan.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoPlany());
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, EdytorPlanowZleDane,
    ::testing::Values(TZlaWartosc{"Gaz", "", true}, TZlaWartosc{"Gaz", "0", true},
                      TZlaWartosc{"Gaz", "0,004", true}, TZlaWartosc{"Gaz", ",", true},
                      TZlaWartosc{";", "10", false}, TZlaWartosc{"   :", "10", false},
                      TZlaWartosc{"\"'|", "10", false},
                      // Both wrong: the amount is checked first.
                      TZlaWartosc{";", "0", true}));

TEST_F(EdytorPlanowTest, AnulowanieNicNieZmienia)
{
    EXPECT_FALSE(Dodaj(TTypPlanu::Wydatek, [](TFormDodajPlan& d) {
        Wpisz(d.e_Add_Nazwa, "Gaz");
        Wpisz(d.e_Add_Kwota, "10");
        d.btn_Cancel->click();
    }));
    EXPECT_TRUE(fOtwarty);
    EXPECT_TRUE(Kolekcje().Plany().empty());
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoPlany());
    EXPECT_EQ(fOdswiezenia, 0);
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
}

TEST_F(EdytorPlanowTest, BezKategoriiPrzychodowNieMoznaDodacWydatku)
{
    Kolekcje().KategoriePrzychody().clear();
    EXPECT_FALSE(Dodaj(TTypPlanu::Wydatek, IOK(Wypelnij("Gaz", "10"))));
    EXPECT_FALSE(fOtwarty);
    OczekujBledu("Nie można dodać nowego planu do listy !!!" + PomocKategorii);
    EXPECT_TRUE(Kolekcje().Plany().empty());
}

TEST_F(EdytorPlanowTest, BezKategoriiWydatkowNieMoznaEdytowacPrzychodu)
{
    TPlan& plan = DodajDoKolekcji(3, TTypModyfikacji::BezZmian, TTypPlanu::Przychod);
    Kolekcje().KategorieWydatki().clear();
    EXPECT_FALSE(Edytuj(plan, IOK([](TFormDodajPlan&) {})));
    EXPECT_FALSE(fOtwarty);
    OczekujBledu("Nie można edytować planu !!!" + PomocKategorii);
    EXPECT_EQ(plan.Zmiany(), TTypModyfikacji::BezZmian);
}

TEST_F(EdytorPlanowTest, BezBazyKomunikatPolaczenia)
{
    const std::string komunikat =
        "Nie udało się nawiązać połączenia z bazą danych !!!\rUpewnij się że program znajduje się w "
        "lokalizacji, w której zapis jest możliwy lub że masz wystarczająco dużo miejsca na dysku do "
        "utworzenia bazy.";
    TEdytorPlanow edytor(nullptr, nullptr, nullptr);
    TPlan plan;
    plan.SetTypPlanu(TTypPlanu::Wydatek);
    fOtwarty = ZDialogiem<TFormDodajPlan>(IOK([](TFormDodajPlan&) {}), [&] {
        EXPECT_FALSE(edytor.DodajPlan(TTypPlanu::Wydatek));
        EXPECT_FALSE(edytor.EdytujPlan(plan));
    });
    EXPECT_FALSE(fOtwarty);
    ASSERT_EQ(fKomunikaty->Komunikaty.size(), 2u);
    EXPECT_EQ(fKomunikaty->Komunikaty[0].Tekst, komunikat);
    EXPECT_EQ(fKomunikaty->Komunikaty[1].Tekst, komunikat);
    EXPECT_EQ(edytor.NastepneIdPlanu(), 0);
}

TEST_F(EdytorPlanowTest, ZapisaneKomentarzeDoWyboru)
{
    for (const char* komentarz : {"Przelew", "gotówka", "", "Przelew"}) {
        Kolekcje().Plany().push_back(std::make_unique<TPlan>(-1, "Gaz", 1, 10, KodujDateCzas(2013, 5, 1),
                                                             komentarz, TTypModyfikacji::Dodano,
                                                             TTypPlanu::Wydatek));
    }
    ASSERT_TRUE(fBaza->ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany).WszystkoZapisano());
    Kolekcje().Plany().clear();

    EXPECT_TRUE(Dodaj(TTypPlanu::Wydatek, [](TFormDodajPlan& d) {
        EXPECT_EQ(Pozycje(*d.e_Add_Komentarz), QStringList({QString::fromUtf8("gotówka"), "Przelew"}));
        EXPECT_TRUE(d.e_Add_Komentarz->currentText().isEmpty());
        Wpisz(d.e_Add_Nazwa, "Gaz");
        Wpisz(d.e_Add_Kwota, "10");
        d.e_Add_Komentarz->setCurrentIndex(0);
        d.btn_OK->click();
    }));
    ASSERT_EQ(Kolekcje().Plany().size(), 1u);
    // A stored comment chosen from the list gets the capital first letter too.
    EXPECT_EQ(Kolekcje().Plany().front()->Komentarz(), "Gotówka");
}

// ---- Temporary ids ----

TEST_F(EdytorPlanowTest, PierwszyPlanPustejKolekcjiMaId0_Potem1001)
{
    EXPECT_TRUE(Dodaj(TTypPlanu::Wydatek, IOK(Wypelnij("Gaz", "10"))));
    EXPECT_TRUE(Dodaj(TTypPlanu::Przychod, IOK(Wypelnij("Pensja", "10"))));
    ASSERT_EQ(Kolekcje().Plany().size(), 2u);
    EXPECT_EQ(Kolekcje().Plany()[0]->Id(), 0);
    EXPECT_EQ(Kolekcje().Plany()[1]->Id(), 1001);
}

TEST_F(EdytorPlanowTest, ZPlanami3i7KolejneId1008i2009)
{
    DodajDoKolekcji(7);
    DodajDoKolekcji(3);
    EXPECT_TRUE(Dodaj(TTypPlanu::Wydatek, IOK(Wypelnij("Gaz", "10"))));
    EXPECT_TRUE(Dodaj(TTypPlanu::Wydatek, IOK(Wypelnij("Prąd", "20"))));
    ASSERT_EQ(Kolekcje().Plany().size(), 4u);
    EXPECT_EQ(Kolekcje().Plany()[2]->Id(), 1008);
    EXPECT_EQ(Kolekcje().Plany()[3]->Id(), 2009);
}

TEST_F(EdytorPlanowTest, NastepneIdLiczyUsunietePlanyIWierszeSiatki)
{
    TSiatkaDanych siatka;
    siatka.SetIloscKolumn(9);
    for (const char* id : {"5", "abc", "", "-3", "20000", "12"}) {
        const int wiersz = siatka.DodajWiersz();
        siatka.SetKomorka(0, wiersz, id);
    }
    TEdytorPlanow edytor = Edytor(&siatka);
    EXPECT_EQ(edytor.IdentyfikatoryZKolumny(0), TIntegerList({5, -3, 20000, 12}));
    EXPECT_EQ(edytor.IdentyfikatoryZKolumny(1), TIntegerList());
    EXPECT_EQ(edytor.NastepneIdPlanu(), 21001);

    DodajDoKolekcji(30000, TTypModyfikacji::Usunieto);
    EXPECT_EQ(edytor.NastepneIdPlanu(), 31001);
}

TEST_F(EdytorPlanowTest, NastepneIdBezPrzepelnienia)
{
    constexpr int32_t Max = std::numeric_limits<int32_t>::max();
    DodajDoKolekcji(Max);
    DodajDoKolekcji(Max - 1);
    DodajDoKolekcji(Max - 500);
    TEdytorPlanow edytor = Edytor();
    EXPECT_EQ(edytor.NastepneIdPlanu(), Max - 2);
    Kolekcje().Plany().clear();
    DodajDoKolekcji(Max - 1001);
    EXPECT_EQ(edytor.NastepneIdPlanu(), Max);
}

// ---- EdytujPlan ----

TEST_F(EdytorPlanowTest, EdycjaPokazujeWartosciPlanu_OKBezZmianDajeZmieniono)
{
    TPlan& plan = DodajDoKolekcji(3);
    TAkcje akcje = [](TFormDodajPlan& d) {
        EXPECT_EQ(d.lbl_Add_Head->text(), " Edytuj planowany wydatek");
        EXPECT_EQ(d.Label2->text(), "&Na co:");
        EXPECT_EQ(d.e_Add_Nazwa->text(), "Czynsz");
        EXPECT_EQ(d.e_Add_Kwota->text(), "250,75");
        EXPECT_EQ(d.cb_Add_Kategoria->currentText(), "Rachunki");
        EXPECT_EQ(d.e_Add_Komentarz->currentText(), "Przelew");
        EXPECT_EQ(d.dtp_Add_Data->date(), QDate(2013, 6, 10));
        EXPECT_EQ(d.dtp_Add_Godzina->time(), QTime(9, 15));
        EXPECT_TRUE(d.btn_OK->isEnabled());
        d.btn_OK->click();
    };
    EXPECT_TRUE(Edytuj(plan, akcje));
    EXPECT_TRUE(fOtwarty);
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
    EXPECT_EQ(plan.Zmiany(), TTypModyfikacji::Zmieniono);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoPlany());
    EXPECT_EQ(plan.Nazwa(), "Czynsz");
    EXPECT_EQ(plan.Kwota(), 250.75);
    EXPECT_EQ(plan.IdKategorii(), 2);
    EXPECT_EQ(plan.Data(), KodujDateCzas(2013, 6, 10, 9, 15));
    EXPECT_EQ(plan.Komentarz(), "Przelew");
    EXPECT_EQ(plan.Id(), 3);
    EXPECT_EQ(fOdswiezenia, 0);
}

TEST_F(EdytorPlanowTest, EdycjaZmieniaWartosciWpisaneZKlawiatury)
{
    TPlan& plan = DodajDoKolekcji(3, TTypModyfikacji::BezZmian, TTypPlanu::Przychod);
    plan.SetWykonany(false);
    TAkcje akcje = [](TFormDodajPlan& d) {
        EXPECT_EQ(d.lbl_Add_Head->text(), QString::fromUtf8(" Edytuj planowany przychód"));
        EXPECT_EQ(d.Label2->text(), QString::fromUtf8("Tytuł p&rzychodu:"));
        EXPECT_EQ(d.cb_Add_Kategoria->currentText(), "Premia");
        d.e_Add_Nazwa->selectAll();
        Wpisz(d.e_Add_Nazwa, "Premia roczna");
        d.e_Add_Kwota->selectAll();
        Wpisz(d.e_Add_Kwota, "1500,5");
        Nacisnij(d.cb_Add_Kategoria, Qt::Key_Up);
        d.e_Add_Komentarz->lineEdit()->selectAll();
        Wpisz(d.e_Add_Komentarz->lineEdit(), "na konto");
        d.btn_OK->click();
    };
    EXPECT_TRUE(Edytuj(plan, akcje));
    EXPECT_EQ(plan.Nazwa(), "Premia roczna");
    EXPECT_EQ(plan.Kwota(), 1500.5);
    EXPECT_EQ(plan.IdKategorii(), 10);
    EXPECT_EQ(plan.Komentarz(), "Na konto");
    EXPECT_EQ(plan.TypPlanu(), TTypPlanu::Przychod);
    EXPECT_FALSE(plan.Wykonany());
    EXPECT_EQ(plan.Zmiany(), TTypModyfikacji::Zmieniono);
}

TEST_F(EdytorPlanowTest, EdycjaPlanuDodanegoWTymUruchomieniuZostajeDodano)
{
    TPlan& plan = DodajDoKolekcji(1008, TTypModyfikacji::Dodano);
    EXPECT_TRUE(Edytuj(plan, IOK([](TFormDodajPlan&) {})));
    EXPECT_EQ(plan.Zmiany(), TTypModyfikacji::Dodano);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoPlany());
}

TEST_F(EdytorPlanowTest, EdycjaWykonanegoOdmowionaPrzedOtwarciemDialogu)
{
    TPlan& plan = DodajDoKolekcji(3);
    plan.SetWykonany(true);
    Kolekcje().KategorieWydatki().clear();
    EXPECT_FALSE(Edytuj(plan, IOK([](TFormDodajPlan&) {})));
    EXPECT_FALSE(fOtwarty);
    OczekujBledu("Nie można edytować planów już wykonanych !!!");
    EXPECT_EQ(plan.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoPlany());
}

TEST_F(EdytorPlanowTest, EdycjaAnulowanaNicNieZmienia)
{
    TPlan& plan = DodajDoKolekcji(3);
    EXPECT_FALSE(Edytuj(plan, [](TFormDodajPlan& d) {
        d.e_Add_Nazwa->selectAll();
        Wpisz(d.e_Add_Nazwa, "Inna");
        d.btn_Cancel->click();
    }));
    EXPECT_EQ(plan.Nazwa(), "Czynsz");
    EXPECT_EQ(plan.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoPlany());
}

TEST_F(EdytorPlanowTest, EdycjaBezZnanejKategoriiWymagaWyboru)
{
    TPlan& plan = DodajDoKolekcji(3);
    plan.SetIdKategorii(99);
    EXPECT_TRUE(Edytuj(plan, [](TFormDodajPlan& d) {
        EXPECT_EQ(d.cb_Add_Kategoria->currentIndex(), -1);
        EXPECT_FALSE(d.btn_OK->isEnabled());
        d.btn_OK->click();
        EXPECT_TRUE(d.isVisible());
        d.cb_Add_Kategoria->setCurrentIndex(0);
        EXPECT_TRUE(d.btn_OK->isEnabled());
        d.btn_OK->click();
    }));
    EXPECT_EQ(plan.IdKategorii(), 1);
}

TEST_F(EdytorPlanowTest, EdycjaPlanuBezRodzajuBezKategoriiINaglowka)
{
    TPlan& plan = DodajDoKolekcji(3, TTypModyfikacji::BezZmian, TTypPlanu::Nieokreslony);
    EXPECT_FALSE(Edytuj(plan, [](TFormDodajPlan& d) {
        EXPECT_TRUE(d.lbl_Add_Head->text().isEmpty());
        EXPECT_EQ(d.cb_Add_Kategoria->count(), 0);
        EXPECT_FALSE(d.btn_OK->isEnabled());
    }));
    EXPECT_TRUE(fOtwarty);
    EXPECT_EQ(plan.Zmiany(), TTypModyfikacji::BezZmian);
}

// A stored amount the box could not hold exactly is never altered behind the user's back.
TEST_F(EdytorPlanowTest, EdycjaKwotUjemnychIDuzych)
{
    TPlan& ujemny = DodajDoKolekcji(3);
    ujemny.SetKwota(-40);
    EXPECT_FALSE(Edytuj(ujemny, [](TFormDodajPlan& d) {
        EXPECT_TRUE(d.e_Add_Kwota->text().isEmpty());
        d.btn_OK->click();
    }));
    OczekujBledu(KomunikatKwoty);
    EXPECT_EQ(ujemny.Kwota(), -40);

    TPlan& duzy = DodajDoKolekcji(4);
    duzy.SetKwota(12345678901234.56);
    EXPECT_TRUE(Edytuj(duzy, IOK([](TFormDodajPlan&) {})));
    EXPECT_EQ(duzy.Kwota(), 12345678901234.56);
}

// Rendered when GROSIWO_ZRZUT_EDYTORA names a file: the picture of the editor in docs/.
TEST_F(EdytorPlanowTest, ZrzutEkranu)
{
    const char* const plik = std::getenv("GROSIWO_ZRZUT_EDYTORA");
    if (plik == nullptr)
        GTEST_SKIP() << "GROSIWO_ZRZUT_EDYTORA not set";
    DodajDoKolekcji(3);
    TFormDodajPlan dialog;
    dialog.UstawNaglowek(QString::fromUtf8(" Dodaj planowany wydatek"));
    dialog.UstawKategorie({"Rachunki", "Jedzenie", "Transport"});
    dialog.UstawKomentarze({"Przelew", QString::fromUtf8("Gotówka")});
    dialog.cb_Add_Kategoria->setCurrentIndex(0);
    dialog.e_Add_Nazwa->setText(QString::fromUtf8("Czynsz za czerwiec"));
    dialog.e_Add_Kwota->setText("1234,5");
    dialog.dtp_Add_Data->setDate(QDate(2013, 6, 10));
    dialog.dtp_Add_Godzina->setTime(QTime(9, 15));
    dialog.e_Add_Komentarz->setEditText(QString::fromUtf8("Przelew ze wspólnego konta"));
    dialog.show();
    dialog.e_Add_Nazwa->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(dialog.grab().save(QString::fromLocal8Bit(plik)));
}

}  // namespace
