#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSysInfo>

#include <memory>

#include "common/FormSize.h"
#include "support/TestPlatforma.h"

namespace {

// The native store and INI files of these tests live in a temporary folder, never in the
// user's settings. The window is the planner's: registry location, its key and section.
class FormSizeTest : public testing::Test {
protected:
    void SetUp() override
    {
        fFolderQt = QString::fromStdString(fFolder.Sciezka().string());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, fFolderQt);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, fFolderQt);
        // The default location is an INI file in the current folder.
        fPoprzedniFolder = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(fFolderQt));
    }
    void TearDown() override { QDir::setCurrent(fPoprzedniFolder); }

    // A window with its placement component set up as the planner's; owned by the window.
    std::unique_ptr<QWidget> NoweOkno(TFormSize** komponent = nullptr)
    {
        auto okno = std::make_unique<QWidget>();
        okno->setObjectName("PlanerFormGlowny");
        auto* formSize = new TFormSize(okno.get());
        formSize->SetLocation(plRegistry);
        formSize->SetSaveName("Software\\Veltrix\\Grosiwo\\FormSetting");
        formSize->SetSaveKey("PlanerFormGlowny");
        formSize->SetMagnetDistance(20);
        if (komponent != nullptr)
            *komponent = formSize;
        return okno;
    }

    static std::unique_ptr<QSettings> Magazyn()
    {
        auto magazyn = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                   "Veltrix", "Grosiwo");
        magazyn->beginGroup("FormSetting/PlanerFormGlowny");
        return magazyn;
    }

    static void Zapisz(const QString& lewa, const QString& gora, const QString& prawa,
                       const QString& dol, const QString& zmaksymalizowane = "0")
    {
        const auto magazyn = Magazyn();
        magazyn->setValue("Left", lewa);
        magazyn->setValue("Top", gora);
        magazyn->setValue("Right", prawa);
        magazyn->setValue("Bottom", dol);
        magazyn->setValue("Maximized", zmaksymalizowane);
    }

    static void Zapisz(const QRect& r)
    {
        Zapisz(QString::number(r.left()), QString::number(r.top()),
               QString::number(r.left() + r.width()), QString::number(r.top() + r.height()));
    }

    // The frame's top-left corner and the client size: what is stored and restored.
    static QRect Polozenie(const QWidget& okno) { return QRect(okno.pos(), okno.size()); }

    static QRect Pulpit() { return QGuiApplication::primaryScreen()->availableVirtualGeometry(); }

    TTymczasowyFolder fFolder;
    QString fFolderQt;
    QString fPoprzedniFolder;
};

}  // namespace

TEST_F(FormSizeTest, BledyUzycia)
{
    const auto wymagaOkna = [](QWidget* wlasciciel) {
        try {
            TFormSize formSize(wlasciciel);
            ADD_FAILURE() << "no error";
        } catch (const EFormSizeError& blad) {
            EXPECT_STREQ(blad.what(), "Control parent must be a form!");
        }
    };
    wymagaOkna(nullptr);
    QWidget okno;
    auto* przycisk = new QPushButton(&okno);
    wymagaOkna(przycisk);

    auto pierwszy = std::make_unique<TFormSize>(&okno);
    try {
        TFormSize drugi(&okno);
        ADD_FAILURE() << "no error";
    } catch (const EFormSizeError& blad) {
        EXPECT_STREQ(blad.what(), "The form already contains a TFormSize component");
    }
    EXPECT_EQ(okno.findChildren<TFormSize*>().size(), 1);

    pierwszy.reset();
    EXPECT_NO_THROW(TFormSize ponownie(&okno));
}

TEST_F(FormSizeTest, DomyslneWartosci)
{
    QWidget okno;
    okno.setObjectName("OknoTestowe");
    const TFormSize formSize(&okno);
    EXPECT_EQ(formSize.Location(), plIniFile);
    EXPECT_EQ(formSize.SaveName(), ".\\FORM.INI");
    EXPECT_EQ(formSize.SaveKey(), "OknoTestowe");
    EXPECT_TRUE(formSize.SavePosition());
    EXPECT_TRUE(formSize.SaveSize());
    EXPECT_FALSE(formSize.SaveUser());
    EXPECT_FALSE(formSize.SaveMachine());
    EXPECT_FALSE(formSize.Magnet());
    EXPECT_EQ(formSize.MagnetDistance(), 32);
    EXPECT_FALSE(formSize.DragAlways());
    EXPECT_EQ(formSize.Version(), "1.3.1.1");
}

TEST_F(FormSizeTest, DomyslnieWPlikuIniBiezacegoFolderu)
{
    {
        QWidget okno;
        okno.setObjectName("OknoTestowe");
        const TFormSize formSize(&okno);
        okno.setGeometry(10, 20, 300, 200);
    }
    QSettings ini(fFolderQt + "/FORM.INI", QSettings::IniFormat);
    EXPECT_EQ(ini.value("OknoTestowe/Right").toString(), "310");
}

TEST_F(FormSizeTest, ZapisPrzyZniszczeniuOkna)
{
    auto okno = NoweOkno();
    okno->setGeometry(100, 50, 900, 650);
    okno.reset();

    const auto magazyn = Magazyn();
    EXPECT_TRUE(QFileInfo(magazyn->fileName()).absoluteFilePath().startsWith(fFolderQt));
    const std::vector<std::pair<QString, QString>> oczekiwane = {
        {"Left", "100"}, {"Top", "50"}, {"Right", "1000"}, {"Bottom", "700"}, {"Maximized", "0"}};
    for (const auto& [klucz, wartosc] : oczekiwane) {
        const QVariant zapisana = magazyn->value(klucz);
        EXPECT_EQ(zapisana.typeId(), QMetaType::QString) << klucz.toStdString();
        EXPECT_EQ(zapisana.toString(), wartosc) << klucz.toStdString();
    }
}

TEST_F(FormSizeTest, NastepneUruchomienieWTymSamymMiejscu)
{
    const QRect polozenie(100, 50, 900, 650);
    ASSERT_TRUE(Pulpit().contains(polozenie));
    {
        auto okno = NoweOkno();
        okno->setGeometry(polozenie);
    }
    // Restored when the window is first shown, and again on request.
    auto okno = NoweOkno();
    okno->setGeometry(0, 0, 300, 200);
    okno->show();
    EXPECT_EQ(Polozenie(*okno), polozenie);

    TFormSize* formSize = nullptr;
    auto drugie = NoweOkno(&formSize);
    drugie->setGeometry(0, 0, 300, 200);
    formSize->LoadFormSettings();
    EXPECT_EQ(Polozenie(*drugie), polozenie);
}

TEST_F(FormSizeTest, PierwszeUruchomienieZostawiaProjekt)
{
    TFormSize* formSize = nullptr;
    auto okno = NoweOkno(&formSize);
    okno->setGeometry(30, 40, 300, 200);
    formSize->LoadFormSettings();
    EXPECT_EQ(Polozenie(*okno), QRect(30, 40, 300, 200));
    EXPECT_FALSE(okno->isMaximized());
}

TEST_F(FormSizeTest, OknoWracaNaPulpit)
{
    const QRect p = Pulpit();
    const int prawa = p.x() + p.width();
    const int dol = p.y() + p.height();
    struct TPrzypadek {
        const char* Opis;
        QRect Zapisane;
        QRect Oczekiwane;
    };
    const TPrzypadek przypadki[] = {
        {"right edge beyond the desktop", QRect(prawa - 100, p.y() + 10, 300, 200),
         QRect(prawa - 300, p.y() + 10, 300, 200)},
        {"bottom edge beyond the desktop", QRect(p.x() + 10, dol - 50, 300, 200),
         QRect(p.x() + 10, dol - 200, 300, 200)},
        {"left of the desktop (a monitor removed)", QRect(p.x() - 2000, p.y() + 10, 300, 200),
         QRect(p.x(), p.y() + 10, 300, 200)},
        {"above the desktop", QRect(p.x() + 10, p.y() - 80, 300, 200),
         QRect(p.x() + 10, p.y(), 300, 200)},
        {"wider than the desktop", QRect(p.x() + 50, p.y() + 10, p.width() + 100, 200),
         QRect(p.x(), p.y() + 10, p.width() + 100, 200)},
    };
    for (const auto& przypadek : przypadki) {
        Zapisz(przypadek.Zapisane);
        TFormSize* formSize = nullptr;
        auto okno = NoweOkno(&formSize);
        formSize->SetSavePosition(false);  // nothing is written back when the window goes
        formSize->LoadFormSettings();
        EXPECT_EQ(Polozenie(*okno), przypadek.Oczekiwane) << przypadek.Opis;
    }
}

TEST_F(FormSizeTest, ZmaksymalizowaneNaNajblizszymMonitorze)
{
    const auto ekrany = QGuiApplication::screens();
    if (ekrany.size() < 2)
        GTEST_SKIP() << "needs the two monitors of the offscreen test desktop";
    const QRect drugi = ekrany[1]->geometry();
    ASSERT_NE(ekrany[1], QGuiApplication::primaryScreen());
    Zapisz(QString::number(drugi.x() + 20), QString::number(drugi.y() + 20),
           QString::number(drugi.x() + 420), QString::number(drugi.y() + 320), "1");
    auto okno = NoweOkno();
    okno->show();
    EXPECT_TRUE(okno->isMaximized());
    EXPECT_EQ(okno->pos(), drugi.topLeft());
    EXPECT_EQ(okno->normalGeometry().size(), drugi.size());

    // The maximised state is written with the size.
    okno.reset();
    EXPECT_EQ(Magazyn()->value("Maximized").toString(), "1");
}

TEST_F(FormSizeTest, BledneWartosciZostawiajaBiezace)
{
    Zapisz("abc", "", "", " 450 ", "x");
    TFormSize* formSize = nullptr;
    auto okno = NoweOkno(&formSize);
    formSize->SetSavePosition(false);
    okno->setGeometry(30, 40, 300, 200);
    formSize->LoadFormSettings();
    // Right is missing, so the right edge stays at 330; Bottom is read.
    EXPECT_EQ(Polozenie(*okno), QRect(30, 40, 300, 410));
    EXPECT_FALSE(okno->isMaximized());
}

TEST_F(FormSizeTest, FlagiZapisu)
{
    {
        TFormSize* formSize = nullptr;
        auto okno = NoweOkno(&formSize);
        formSize->SetSavePosition(false);
        okno->setGeometry(10, 20, 300, 200);
    }
    EXPECT_TRUE(Magazyn()->childKeys().isEmpty()) << "no save without SavePosition";

    {
        TFormSize* formSize = nullptr;
        auto okno = NoweOkno(&formSize);
        formSize->SetSaveSize(false);
        okno->setGeometry(10, 20, 300, 200);
    }
    EXPECT_EQ(Magazyn()->childKeys(), (QStringList{"Left", "Top"}));

    // Without SaveSize the size stays; LoadFormSettings ignores both flags and keeps them.
    Zapisz(QRect(Pulpit().topLeft() + QPoint(60, 70), QSize(400, 300)));
    TFormSize* formSize = nullptr;
    auto okno = NoweOkno(&formSize);
    formSize->SetSaveSize(false);
    okno->setGeometry(0, 0, 250, 150);
    okno->show();
    EXPECT_EQ(Polozenie(*okno), QRect(Pulpit().topLeft() + QPoint(60, 70), QSize(250, 150)));
    formSize->SetSavePosition(false);
    formSize->LoadFormSettings();
    EXPECT_EQ(Polozenie(*okno), QRect(Pulpit().topLeft() + QPoint(60, 70), QSize(400, 300)));
    EXPECT_FALSE(formSize->SavePosition());
    EXPECT_FALSE(formSize->SaveSize());
}

TEST_F(FormSizeTest, SekcjaZUzytkownikiemIKomputerem)
{
    const QByteArray uzytkownik = qgetenv("USER");
    qputenv("USER", "jan");
    TFormSize* formSize = nullptr;
    auto okno = NoweOkno(&formSize);
    formSize->SetSaveUser(true);
    EXPECT_EQ(formSize->Sekcja(), "PlanerFormGlowny-jan");
    formSize->SetSaveMachine(true);
    const QString sekcja = "PlanerFormGlowny-jan-" + QSysInfo::machineHostName();
    EXPECT_EQ(formSize->Sekcja(), sekcja);
    okno->setGeometry(10, 20, 300, 200);
    okno.reset();
    qputenv("USER", uzytkownik);

    QSettings magazyn(QSettings::NativeFormat, QSettings::UserScope, "Veltrix", "Grosiwo");
    EXPECT_EQ(magazyn.value("FormSetting/" + sekcja + "/Left").toString(), "10");

    // An empty key or file name keeps nothing.
    auto bezKlucza = NoweOkno(&formSize);
    formSize->SetSaveKey("");
    bezKlucza->setGeometry(10, 20, 300, 200);
    formSize->SaveFormSettings();
    EXPECT_TRUE(Magazyn()->childKeys().isEmpty());
}

TEST_F(FormSizeTest, PlikIni)
{
    {
        QWidget okno;
        okno.setObjectName("OknoTestowe");
        auto* formSize = new TFormSize(&okno);
        formSize->SetSaveName(".\\ustawienia\\okno.ini");  // written as for Windows
        ASSERT_TRUE(QDir().mkdir("ustawienia"));
        okno.setGeometry(10, 20, 300, 200);
    }

    QSettings ini(fFolderQt + "/ustawienia/okno.ini", QSettings::IniFormat);
    EXPECT_EQ(ini.value("OknoTestowe/Left").toString(), "10");
    EXPECT_EQ(ini.value("OknoTestowe/Bottom").toString(), "220");
}

TEST_F(FormSizeTest, Magnes)
{
    TFormSize* formSize = nullptr;
    auto okno = NoweOkno(&formSize);
    formSize->SetMagnet(true);
    // The restore runs with the magnet off: a stored place near an edge stays where it was.
    const QRect obszar = QGuiApplication::primaryScreen()->availableGeometry();
    Zapisz(QRect(obszar.topLeft() + QPoint(10, 10), QSize(300, 200)));
    okno->show();
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    EXPECT_EQ(okno->pos(), obszar.topLeft() + QPoint(10, 10));
    EXPECT_TRUE(formSize->Magnet());

    const auto przesun = [&](QPoint punkt) {
        okno->move(punkt);
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        return okno->pos();
    };
    const int szer = okno->frameGeometry().width();
    const int wys = okno->frameGeometry().height();
    EXPECT_EQ(przesun(obszar.topLeft() + QPoint(15, 19)), obszar.topLeft());
    EXPECT_EQ(przesun(obszar.topLeft() + QPoint(21, 40)), obszar.topLeft() + QPoint(21, 40));
    EXPECT_EQ(przesun(QPoint(obszar.x() + obszar.width() - szer - 5, obszar.y() + 40)),
              QPoint(obszar.x() + obszar.width() - szer, obszar.y() + 40));
    EXPECT_EQ(przesun(QPoint(obszar.x() + 40, obszar.y() + obszar.height() - wys + 50)),
              QPoint(obszar.x() + 40, obszar.y() + obszar.height() - wys));

    formSize->SetMagnet(false);
    EXPECT_EQ(przesun(obszar.topLeft() + QPoint(5, 5)), obszar.topLeft() + QPoint(5, 5));
}

TEST_F(FormSizeTest, PrzeciaganieZaDowolnyPunkt)
{
    TFormSize* formSize = nullptr;
    auto okno = NoweOkno(&formSize);
    formSize->SetSavePosition(false);
    auto* przycisk = new QPushButton("OK", okno.get());
    przycisk->setGeometry(200, 150, 80, 30);
    okno->setGeometry(100, 100, 300, 200);
    okno->show();
    QApplication::processEvents();

    const auto ciagnij = [&](QWidget& cel, QPoint od, QPoint o) {
        const QPoint start = okno->pos();
        const QPoint globalny = cel.mapToGlobal(od);
        QMouseEvent nacisk(QEvent::MouseButtonPress, od, globalny, Qt::LeftButton, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(&cel, &nacisk);
        QMouseEvent ruch(QEvent::MouseMove, od + o, globalny + o, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&cel, &ruch);
        QMouseEvent puszczenie(QEvent::MouseButtonRelease, od + o, globalny + o, Qt::LeftButton,
                               Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&cel, &puszczenie);
        QApplication::processEvents();
        return okno->pos() - start;
    };
    EXPECT_EQ(ciagnij(*okno, QPoint(10, 10), QPoint(30, 20)), QPoint(0, 0)) << "off by default";
    formSize->SetDragAlways(true);
    EXPECT_EQ(ciagnij(*okno, QPoint(10, 10), QPoint(30, 20)), QPoint(30, 20));
    EXPECT_EQ(ciagnij(*przycisk, QPoint(5, 5), QPoint(30, 20)), QPoint(0, 0)) << "a button keeps its clicks";
}
