// The planner window's row actions, keys, closing, help and placement, driven through its
// controls as the user drives them.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

#include <vector>

#include "PlanerTestowy.h"
#include "planner/UnitDodajPlan.h"

namespace {

const std::string PytanieOUsuniecie = "Czy na pewno chcesz usunąć wybrany plan ???";
const std::string PytanieOZamkniecie =
    "Lista planowanych Wydatków/Przychodów została zmieniona.\r"
    "Aby zapisać dokonane zmiany należy kliknąć w przycisk \"Zapisz i zamknij\", zamknięcie okna "
    "klikając w \"krzyżyk\" spowoduje utratę wprowadzonych zmian !!!\r\r"
    "Czy chcesz zamknąć to okno BEZ ZAPISANIA dokonanych zmian ???";

// Receives the addresses the window asks the system to open.
class TOdbiorcaAdresow : public QObject {
    Q_OBJECT

public:
    std::vector<QUrl> Adresy;

public slots:
    void Otworz(const QUrl& adres) { Adresy.push_back(adres); }
};

// Three unexecuted plans: an expense due yesterday, an income due today, a plan of no kind
// next week; and an executed expense.
class PlanerOknoTest : public TPlanerTestowy {
protected:
    void SetUp() override
    {
        Plan(1, "Czynsz", TTypPlanu::Wydatek, KodujDateCzas(2013, 5, 16, 10, 0), 5);
        Plan(2, "Pensja", TTypPlanu::Przychod, KodujDateCzas(2013, 5, 17, 15, 0), 1234.5);
        Plan(3, "Coś", TTypPlanu::Nieokreslony, KodujDateCzas(2013, 5, 24, 9, 0), 99);
        Plan(4, "Prąd", TTypPlanu::Wydatek, KodujDateCzas(2013, 5, 10, 9, 0), 20, true);
        Pokaz();
    }

    QToolButton& Przycisk(const char* nazwa) { return Kontrolka<QToolButton>(nazwa); }
    bool PrzyciskiWierszaWlaczone(bool wlaczone)
    {
        return Przycisk("sbtn_Usun").isEnabled() == wlaczone && Przycisk("sbtn_Edytuj").isEnabled() == wlaczone &&
               Przycisk("sbtn_Wykonaj").isEnabled() == wlaczone;
    }
    TPlan& PlanId(int32_t id) { return *Kolekcje().PobierzPlanDlaID(id); }
    std::vector<TZapisanyKomunikat>& Komunikaty() { return fKomunikaty->Komunikaty; }
};

TEST_F(PlanerOknoTest, OknoTytulINaglowek)
{
    EXPECT_EQ(Okno().windowTitle(), "Zaplanuj wydatki i przychody");
    EXPECT_EQ(Kontrolka<QLabel>("lbl_Naglowek").text(), "Zaplanuj wydatki i przychody");
    EXPECT_TRUE(Siatka().hasFocus());
    EXPECT_FALSE(Okno().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(Okno().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(Kontrolka<QPushButton>("btn_OK").isDefault());
    EXPECT_EQ(Kontrolka<QPushButton>("btn_OK").text(), "&Zapisz i zamknij");
    EXPECT_EQ(Kontrolka<QPushButton>("btn_Pomoc").text(), "&Pomoc");
}

TEST_F(PlanerOknoTest, PrzyciskiWierszaNieBioraFokusuIMajaPodpisyDwuwierszowe)
{
    const std::vector<std::pair<const char*, QString>> przyciski = {
        {"sbtn_DodajW", "Dodaj planowany\nwydatek"}, {"sbtn_DodajP", "Dodaj planowany\nprzychód"},
        {"sbtn_Edytuj", "Edytuj"},                   {"sbtn_Wykonaj", "Zmień status\nna Wykonany"},
        {"sbtn_Usun", "Usuń\nz listy"},
    };
    for (const auto& [nazwa, podpis] : przyciski) {
        QToolButton& przycisk = Przycisk(nazwa);
        EXPECT_EQ(przycisk.text(), podpis);
        EXPECT_EQ(przycisk.focusPolicy(), Qt::NoFocus) << nazwa;
        EXPECT_TRUE(przycisk.autoRaise()) << nazwa;
        EXPECT_FALSE(przycisk.icon().isNull()) << nazwa;
        EXPECT_FALSE(przycisk.toolTip().isEmpty()) << nazwa;
    }
    // Pressing a row button leaves the focus with the grid.
    Przycisk("sbtn_Wykonaj").click();
    EXPECT_TRUE(Siatka().hasFocus());
    EXPECT_TRUE(PrzyciskiWierszaWlaczone(true));
}

TEST_F(PlanerOknoTest, StanPrzyciskowWierszaPoPrzebudowach)
{
    EXPECT_EQ(Okno().Row(), 0);
    EXPECT_TRUE(PrzyciskiWierszaWlaczone(true));

    // The user picks the third row; a rebuild brings the first one back.
    Siatka().UstawBiezacaKomorke(2, 2);
    EXPECT_EQ(Okno().Row(), 2);
    Kliknij(PanelRodzaju(), 0);
    EXPECT_EQ(Okno().Row(), 0);
    EXPECT_TRUE(PrzyciskiWierszaWlaczone(true));

    // Incomes that are overdue: none.
    Kliknij(PanelRodzaju(), 2);
    Kliknij(PanelStanu(), 4);
    EXPECT_EQ(Okno().Row(), -1);
    EXPECT_TRUE(PrzyciskiWierszaWlaczone(false));
    EXPECT_TRUE(Przycisk("sbtn_DodajW").isEnabled());
    EXPECT_TRUE(Przycisk("sbtn_DodajP").isEnabled());
    Kliknij(PanelStanu(), 0);
    EXPECT_EQ(Okno().Row(), 0);
    EXPECT_TRUE(PrzyciskiWierszaWlaczone(true));

    // Without the grid's focus the row buttons are off, and on again when it comes back.
    Kontrolka<QPushButton>("btn_OK").setFocus();
    EXPECT_TRUE(PrzyciskiWierszaWlaczone(false));
    Kliknij(PanelStanu(), 2);
    EXPECT_TRUE(PrzyciskiWierszaWlaczone(false));
    Siatka().setFocus();
    EXPECT_TRUE(PrzyciskiWierszaWlaczone(true));
}

TEST_F(PlanerOknoTest, WykonanieDwukrotne)
{
    Kliknij(PanelStanu(), 0);  // the executed plans stay listed
    ASSERT_EQ(Idy().front(), "4");
    Siatka().UstawBiezacaKomorke(2, 1);  // Czynsz
    Przycisk("sbtn_Wykonaj").click();
    EXPECT_TRUE(PlanId(1).Wykonany());
    EXPECT_EQ(PlanId(1).Zmiany(), TTypModyfikacji::Zmieniono);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoPlany());
    EXPECT_TRUE(Komunikaty().empty());
    EXPECT_EQ(Siatka().Komorka(1, 1), "1");
    // No expense is created; the plan only changes.
    EXPECT_TRUE(Kolekcje().Wydatki().empty());

    // The rebuild made the first row current: the already executed Prąd.
    Kolekcje().SetZmienionoINiezapisanoPlany(false);
    Przycisk("sbtn_Wykonaj").click();
    ASSERT_EQ(Komunikaty().size(), 1u);
    EXPECT_EQ(Komunikaty()[0].Tekst, "Wybrana planowana płatność ma już ustawiony status na \"wykonany\" !!!");
    EXPECT_EQ(Komunikaty()[0].Tytul, "BŁĄD !!!");
    EXPECT_EQ(Komunikaty()[0].Ikona, TIkonaKomunikatu::Blad);
    EXPECT_EQ(Komunikaty()[0].Przyciski, TPrzyciskiKomunikatu::OK);
    EXPECT_EQ(PlanId(4).Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoPlany());
}

TEST_F(PlanerOknoTest, WykonanieZnikaZDomyslnejListyIZostawiaDodano)
{
    Plan(7, "Nowy", TTypPlanu::Wydatek, KodujDateCzas(2013, 5, 1, 9, 0), 1, false, TTypModyfikacji::Dodano);
    Kliknij(PanelStanu(), 2);
    ASSERT_EQ(Idy(), QStringList({"7", "1", "2", "3"}));
    Przycisk("sbtn_Wykonaj").click();
    EXPECT_EQ(PlanId(7).Zmiany(), TTypModyfikacji::Dodano);
    EXPECT_TRUE(PlanId(7).Wykonany());
    EXPECT_EQ(Idy(), QStringList({"1", "2", "3"}));
}

TEST_F(PlanerOknoTest, UsuwaniePytaNajpierw)
{
    ASSERT_EQ(Idy(), QStringList({"1", "2", "3"}));
    Nacisnij(Siatka(), Qt::Key_Delete);  // the recorder answers "Nie"
    ASSERT_EQ(Komunikaty().size(), 1u);
    EXPECT_EQ(Komunikaty()[0].Tekst, PytanieOUsuniecie);
    EXPECT_EQ(Komunikaty()[0].Tytul, "UWAGA !!!");
    EXPECT_EQ(Komunikaty()[0].Ikona, TIkonaKomunikatu::Ostrzezenie);
    EXPECT_EQ(Komunikaty()[0].Przyciski, TPrzyciskiKomunikatu::TakNie);
    EXPECT_EQ(PlanId(1).Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoPlany());
    EXPECT_EQ(Idy(), QStringList({"1", "2", "3"}));

    fKomunikaty->Odpowiedzi.push_back(TOdpowiedzKomunikatu::Tak);
    Przycisk("sbtn_Usun").click();
    EXPECT_EQ(PlanId(1).Zmiany(), TTypModyfikacji::Usunieto);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoPlany());
    EXPECT_EQ(Idy(), QStringList({"2", "3"}));
    // The plan stays in the collection, hidden under every filter.
    EXPECT_EQ(Kolekcje().Plany().size(), 4u);
    Kliknij(PanelStanu(), 0);
    EXPECT_EQ(Idy(), QStringList({"4", "2", "3"}));

    // Closing with the title-bar button now asks; "Nie" keeps the window open.
    Komunikaty().clear();
    Okno().close();
    ASSERT_EQ(Komunikaty().size(), 1u);
    EXPECT_EQ(Komunikaty()[0].Tekst, PytanieOZamkniecie);
    EXPECT_EQ(Komunikaty()[0].Tytul, "BŁĄD !!!");
    EXPECT_EQ(Komunikaty()[0].Ikona, TIkonaKomunikatu::Ostrzezenie);
    EXPECT_EQ(Komunikaty()[0].Przyciski, TPrzyciskiKomunikatu::TakNie);
    EXPECT_TRUE(Okno().isVisible());
    fKomunikaty->Odpowiedzi.push_back(TOdpowiedzKomunikatu::Tak);
    Okno().close();
    EXPECT_FALSE(Okno().isVisible());
    EXPECT_EQ(Okno().result(), QDialog::Rejected);
    EXPECT_FALSE(Okno().KliknietoOK());
}

TEST_F(PlanerOknoTest, UsuniecieDodanegoWTrakcie)
{
    Plan(7, "Nowy", TTypPlanu::Przychod, KodujDateCzas(2013, 5, 1, 9, 0), 1, false, TTypModyfikacji::Dodano);
    Kliknij(PanelRodzaju(), 0);
    ASSERT_EQ(Idy().front(), "7");
    fKomunikaty->Odpowiedzi.push_back(TOdpowiedzKomunikatu::Tak);
    Nacisnij(Siatka(), Qt::Key_Delete);
    EXPECT_EQ(PlanId(7).Zmiany(), TTypModyfikacji::Usunieto);
    EXPECT_EQ(Idy(), QStringList({"1", "2", "3"}));
}

TEST_F(PlanerOknoTest, ZamykanieBezZmianNiePyta)
{
    Okno().close();
    EXPECT_TRUE(Komunikaty().empty());
    EXPECT_FALSE(Okno().isVisible());
    EXPECT_EQ(Okno().result(), QDialog::Rejected);
}

TEST_F(PlanerOknoTest, EscapeZeZmianamiPyta)
{
    Kolekcje().SetZmienionoINiezapisanoPlany(true);
    Nacisnij(Okno(), Qt::Key_Escape);
    ASSERT_EQ(Komunikaty().size(), 1u);
    EXPECT_EQ(Komunikaty()[0].Tekst, PytanieOZamkniecie);
    EXPECT_TRUE(Okno().isVisible());
}

TEST_F(PlanerOknoTest, ZapiszIZamknijNiePyta)
{
    Kolekcje().SetZmienionoINiezapisanoPlany(true);
    Kontrolka<QPushButton>("btn_OK").click();
    EXPECT_TRUE(Komunikaty().empty());
    EXPECT_TRUE(Okno().KliknietoOK());
    EXPECT_FALSE(Okno().isVisible());
    EXPECT_EQ(Okno().result(), QDialog::Accepted);
}

TEST_F(PlanerOknoTest, EnterWSiatceZapisujeIZamyka)
{
    Nacisnij(Siatka(), Qt::Key_Return);
    EXPECT_TRUE(Okno().KliknietoOK());
    EXPECT_EQ(Okno().result(), QDialog::Accepted);
    EXPECT_TRUE(Komunikaty().empty());
}

TEST_F(PlanerOknoTest, CtrlEEdytujeACtrlShiftENie)
{
    // An executed plan: the editor refuses it before any dialog, which tells that it ran.
    Kliknij(PanelStanu(), 1);
    ASSERT_EQ(Idy(), QStringList({"4"}));
    for (const Qt::KeyboardModifiers modyfikatory :
         {Qt::ControlModifier | Qt::ShiftModifier, Qt::ControlModifier | Qt::AltModifier,
          Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        EXPECT_EQ(ZModalnym([&] { Nacisnij(Siatka(), Qt::Key_E, modyfikatory); }), "");
        EXPECT_TRUE(Komunikaty().empty()) << modyfikatory.toInt();
    }
    Nacisnij(Siatka(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(Komunikaty().size(), 1u);
    EXPECT_EQ(Komunikaty()[0].Tekst, "Nie można edytować planów już wykonanych !!!");
}

TEST_F(PlanerOknoTest, EdycjaOtwieraEdytorZPlanemBiezacegoWiersza)
{
    QString naglowek;
    QString nazwa;
    const auto ogladaj = [&](QDialog& dialog) {
        auto& edytor = dynamic_cast<TFormDodajPlan&>(dialog);
        naglowek = edytor.lbl_Add_Head->text();
        nazwa = edytor.e_Add_Nazwa->text();
    };
    EXPECT_EQ(ZModalnym([&] { Nacisnij(Siatka(), Qt::Key_E, Qt::ControlModifier); }, ogladaj),
              "TFormDodajPlan");
    EXPECT_EQ(naglowek, " Edytuj planowany wydatek");
    EXPECT_EQ(nazwa, "Czynsz");

    Siatka().UstawBiezacaKomorke(2, 1);
    EXPECT_EQ(ZModalnym([&] { Przycisk("sbtn_Edytuj").click(); }, ogladaj), "TFormDodajPlan");
    EXPECT_EQ(naglowek, " Edytuj planowany przychód");
    EXPECT_EQ(nazwa, "Pensja");

    Siatka().UstawBiezacaKomorke(2, 0);
    EXPECT_EQ(ZModalnym([&] { emit Siatka().PodwojneKlikniecie(2, 0); }, ogladaj), "TFormDodajPlan");
    EXPECT_EQ(nazwa, "Czynsz");
    // Cancelled: nothing changed, the list is rebuilt from its first row.
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoPlany());
    EXPECT_EQ(PlanId(1).Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_EQ(Okno().Row(), 0);
}

TEST_F(PlanerOknoTest, PrzyciskiDodawaniaOtwierajaEdytorSwojegoRodzaju)
{
    for (const auto& [przycisk, oczekiwany] :
         std::vector<std::pair<const char*, QString>>{{"sbtn_DodajW", " Dodaj planowany wydatek"},
                                                      {"sbtn_DodajP", " Dodaj planowany przychód"}}) {
        QString naglowek;
        EXPECT_EQ(ZModalnym([&] { Przycisk(przycisk).click(); },
                            [&](QDialog& dialog) {
                                naglowek = dynamic_cast<TFormDodajPlan&>(dialog).lbl_Add_Head->text();
                            }),
                  "TFormDodajPlan");
        EXPECT_EQ(naglowek, oczekiwany);
    }
    EXPECT_EQ(Kolekcje().Plany().size(), 4u);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoPlany());
}

TEST_F(PlanerOknoTest, IdNieBedaceLiczbaBlokujeAkcje)
{
    // A grid whose id cell holds no integer: every row action says so and changes nothing.
    Siatka().SetKomorka(0, 0, "x1");
    for (const auto& [akcja, tekst] : std::vector<std::pair<std::function<void()>, std::string>>{
             {[&] { Przycisk("sbtn_Edytuj").click(); }, "Nie można edytować tego planu !!!"},
             {[&] { Przycisk("sbtn_Wykonaj").click(); }, "Nie można edytować tego planu !!!"},
             {[&] {
                  fKomunikaty->Odpowiedzi.push_back(TOdpowiedzKomunikatu::Tak);
                  Przycisk("sbtn_Usun").click();
              },
              "Nie można usunąć tego planu !!!"}}) {
        Komunikaty().clear();
        akcja();
        ASSERT_FALSE(Komunikaty().empty());
        EXPECT_EQ(Komunikaty().back().Tekst, tekst);
        EXPECT_EQ(Komunikaty().back().Tytul, "BŁĄD !!!");
        EXPECT_EQ(Siatka().Komorka(0, 0), "x1");
    }
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoPlany());
}

TEST_F(PlanerOknoTest, PustaListaKlawiszeNicNieRobia)
{
    Kliknij(PanelRodzaju(), 2);
    Kliknij(PanelStanu(), 4);
    ASSERT_EQ(Siatka().IloscWierszy(), 0);
    EXPECT_TRUE(PrzyciskiWierszaWlaczone(false));
    EXPECT_EQ(ZModalnym([&] {
                  Nacisnij(Siatka(), Qt::Key_Delete);
                  Nacisnij(Siatka(), Qt::Key_E, Qt::ControlModifier);
              }),
              "");
    EXPECT_TRUE(Komunikaty().empty());
}

TEST_F(PlanerOknoTest, PomocF1IPrzyciskOtwierajaStroneModulu)
{
    TOdbiorcaAdresow odbiorca;
    QDesktopServices::setUrlHandler("file", &odbiorca, "Otworz");
    Nacisnij(Siatka(), Qt::Key_F1);
    Kontrolka<QPushButton>("btn_Pomoc").click();
    Kontrolka<QPushButton>("btn_OK").setFocus();
    Nacisnij(Kontrolka<QPushButton>("btn_OK"), Qt::Key_F1);
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(odbiorca.Adresy.size(), 3u);
    EXPECT_TRUE(Okno().isVisible());
    for (const QUrl& adres : odbiorca.Adresy) {
        ASSERT_TRUE(adres.isLocalFile());
        QFile strona(adres.toLocalFile());
        ASSERT_TRUE(strona.open(QIODevice::ReadOnly));
        const QString tresc = QString::fromUtf8(strona.readAll());
        EXPECT_TRUE(tresc.contains("Zaplanuj wydatki i przychody"));
        EXPECT_TRUE(tresc.contains("Zapisz i zamknij"));
        // Written where the test put the user's cache, never into the real one.
        EXPECT_TRUE(adres.toLocalFile().startsWith(QString::fromStdString(fFolder.Sciezka().string())));
    }
}

TEST_F(PlanerOknoTest, OdlaczenieBazyOprozniaListe)
{
    Okno().SetMyDB(nullptr);
    EXPECT_EQ(Siatka().IloscWierszy(), 0);
    EXPECT_EQ(Okno().Row(), -1);
    // The plans may go now: nothing refers to them.
    Kolekcje().Plany().clear();
    Okno().repaint();
    Siatka().grab();
    EXPECT_TRUE(PrzyciskiWierszaWlaczone(false));
}

TEST_F(PlanerOknoTest, DataPozaKalendarzemBezPustegoWierszaIBezAwarii)
{
    Plan(8, "Zepsuta data", TTypPlanu::Wydatek, 1e9, 7);
    Kliknij(PanelRodzaju(), 0);
    ASSERT_EQ(Idy(), QStringList({"1", "2", "3", "8"}));
    EXPECT_EQ(Siatka().Komorka(5, 3), "");
    EXPECT_EQ(Siatka().Komorka(4, 3), "7,00 zł");
    Siatka().grab();
    EXPECT_EQ(Siatka().Stopka(4), "Wydatki:      12,00 zł;Przychody: 1 234,50 zł");
}

TEST_F(PlanerOknoTest, PolozenieZapamietaneMiedzyUruchomieniami)
{
    Okno().setGeometry(120, 80, 900, 650);
    Uspokoj();
    const QRect polozenie = Okno().geometry();
    Okno().SetMyDB(nullptr);
    fOkno.reset();
    {
        QSettings magazyn(QSettings::NativeFormat, QSettings::UserScope, "Veltrix", "Grosiwo");
        magazyn.beginGroup("FormSetting/PlanerFormGlowny");
        EXPECT_TRUE(magazyn.contains("Left"));
        EXPECT_TRUE(magazyn.contains("Bottom"));
        EXPECT_EQ(magazyn.value("Maximized").toString(), "0");
    }
    Pokaz();
    EXPECT_EQ(Okno().geometry(), polozenie);
}

}  // namespace

#include "PlanerOknoGlowneTest.moc"
