// The built grosiwo program run as a user runs it, headless: the help, wrong options, no
// display, the demo data with the planner rendered to a PNG, a demo that must not touch an
// existing file, and every way of failing with its exit code and message. Each run gets its
// own home, settings and temporary folder.
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "support/TestPlatforma.h"

namespace {

struct TWynikProgramu {
    int Kod = -1;
    std::string Wyjscie;
    std::string Bledy;
};

class ProgramGrosiwoTest : public ::testing::Test {
protected:
    TWynikProgramu Uruchom(const QStringList& argumenty, const QString& modul = {})
    {
        QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
        srodowisko.remove(QStringLiteral("DISPLAY"));
        srodowisko.remove(QStringLiteral("WAYLAND_DISPLAY"));
        srodowisko.remove(QStringLiteral("GROSIWO_MODUL"));
        srodowisko.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const QString dom = QString::fromStdString(fFolder.Plik("dom"));
        srodowisko.insert(QStringLiteral("HOME"), dom);
        srodowisko.insert(QStringLiteral("XDG_CONFIG_HOME"), dom + QStringLiteral("/.config"));
        srodowisko.insert(QStringLiteral("XDG_DATA_HOME"), dom + QStringLiteral("/.local/share"));
        srodowisko.insert(QStringLiteral("XDG_CACHE_HOME"), dom + QStringLiteral("/.cache"));
        srodowisko.insert(QStringLiteral("TMPDIR"), QString::fromStdString(fTmp));
        if (!modul.isEmpty())
            srodowisko.insert(QStringLiteral("GROSIWO_MODUL"), modul);

        QProcess program;
        program.setProcessEnvironment(srodowisko);
        program.start(QStringLiteral(GROSIWO_HOST_PATH), argumenty);
        TWynikProgramu wynik;
        if (!program.waitForFinished(60000)) {
            program.kill();
            program.waitForFinished();
            ADD_FAILURE() << "grosiwo did not finish";
            return wynik;
        }
        wynik.Kod = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
        wynik.Wyjscie = program.readAllStandardOutput().toStdString();
        wynik.Bledy = program.readAllStandardError().toStdString();
        return wynik;
    }

    QString Plik(const std::string& nazwa) const { return QString::fromStdString(fFolder.Plik(nazwa)); }

    static int64_t Liczba(const std::string& plik, const std::string& sql)
    {
        sqlite3* baza = nullptr;
        int64_t wynik = -1;
        if (sqlite3_open_v2(plik.c_str(), &baza, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            sqlite3_stmt* polecenie = nullptr;
            if (sqlite3_prepare_v2(baza, sql.c_str(), -1, &polecenie, nullptr) == SQLITE_OK &&
                sqlite3_step(polecenie) == SQLITE_ROW)
                wynik = sqlite3_column_int64(polecenie, 0);
            sqlite3_finalize(polecenie);
        }
        sqlite3_close(baza);
        return wynik;
    }

    static std::string Zawartosc(const std::string& plik)
    {
        std::ifstream wejscie(plik, std::ios::binary);
        return {std::istreambuf_iterator<char>(wejscie), std::istreambuf_iterator<char>()};
    }

    // A picture that shows something: a real size and more than a handful of colours.
    static void OczekujObrazu(const QString& plik, int minSzerokosc, int minWysokosc)
    {
        const QImage obraz(plik);
        ASSERT_FALSE(obraz.isNull()) << plik.toStdString();
        EXPECT_GE(obraz.width(), minSzerokosc);
        EXPECT_GE(obraz.height(), minWysokosc);
        std::set<QRgb> kolory;
        for (int y = 0; y < obraz.height(); y += 4)
            for (int x = 0; x < obraz.width(); x += 4)
                kolory.insert(obraz.pixel(x, y));
        EXPECT_GT(kolory.size(), 20u);
    }

    ProgramGrosiwoTest()
    {
        fTmp = fFolder.Plik("tmp");
        std::filesystem::create_directories(fTmp);
    }

    TTymczasowyFolder fFolder;
    std::string fTmp;
};

TEST_F(ProgramGrosiwoTest, PomocPoPolsku)
{
    const TWynikProgramu wynik = Uruchom({QStringLiteral("--help")});
    EXPECT_EQ(wynik.Kod, 0);
    for (const char* fragment : {"Użycie: grosiwo", "--dane PLIK", "--demo", "--planer", "--zrzut PLIK.png"})
        EXPECT_NE(wynik.Wyjscie.find(fragment), std::string::npos) << fragment;
    EXPECT_NE(wynik.Wyjscie.find(fFolder.Plik("dom/.local/share/Grosiwo/DataFile.dat")), std::string::npos)
        << wynik.Wyjscie;
}

TEST_F(ProgramGrosiwoTest, BledneOpcjeIBrakEkranu)
{
    const TWynikProgramu opcja = Uruchom({QStringLiteral("--demo"), QStringLiteral("--kolor")});
    EXPECT_EQ(opcja.Kod, 1);
    EXPECT_NE(opcja.Bledy.find("Nieznana opcja: \"--kolor\"."), std::string::npos) << opcja.Bledy;

    const TWynikProgramu plik = Uruchom({QStringLiteral("--dane")});
    EXPECT_EQ(plik.Kod, 1);
    EXPECT_NE(plik.Bledy.find("Opcja --dane wymaga podania nazwy pliku."), std::string::npos) << plik.Bledy;

    // Without a display only a picture can be made; nothing is opened or created.
    const TWynikProgramu ekran = Uruchom({QStringLiteral("--demo"), QStringLiteral("--planer")});
    EXPECT_EQ(ekran.Kod, 2);
    EXPECT_NE(ekran.Bledy.find("Brak ekranu"), std::string::npos) << ekran.Bledy;
    EXPECT_TRUE(std::filesystem::is_empty(fTmp));
}

TEST_F(ProgramGrosiwoTest, DemoZPlaneremZapisujeObrazPlaneraZDanymi)
{
    const std::string dane = fFolder.Plik("demo.dat");
    const QString obraz = Plik("planer.png");
    const TWynikProgramu wynik = Uruchom({QStringLiteral("--dane"), QString::fromStdString(dane), QStringLiteral("--demo"),
                                          QStringLiteral("--planer"), QStringLiteral("--zrzut"), obraz});
    ASSERT_EQ(wynik.Kod, 0) << wynik.Bledy;
    EXPECT_NE(wynik.Wyjscie.find("Dane demonstracyjne: " + dane), std::string::npos) << wynik.Wyjscie;
    EXPECT_NE(wynik.Wyjscie.find(obraz.toStdString()), std::string::npos) << wynik.Wyjscie;
    // The planner's smallest size.
    OczekujObrazu(obraz, 784, 561);

    EXPECT_EQ(Liczba(dane, "SELECT COUNT(*) FROM Plany;"), 12);
    EXPECT_EQ(Liczba(dane, "SELECT COUNT(*) FROM Plany WHERE Wykonany = 1;"), 2);
    EXPECT_EQ(Liczba(dane, "SELECT COUNT(DISTINCT TypPlanu) FROM Plany;"), 2);
    EXPECT_EQ(Liczba(dane, "SELECT COUNT(*) FROM Wydatki;"), 21);
    EXPECT_EQ(Liczba(dane, "SELECT COUNT(*) FROM KategorieWydatkow;"), 119);
    EXPECT_EQ(Liczba(dane, "SELECT COUNT(*) FROM Osoby;"), 2);
}

TEST_F(ProgramGrosiwoTest, DemoNieNadpisujeIstniejacegoPliku)
{
    const std::string dane = fFolder.Plik("moje.dat");
    ASSERT_EQ(Uruchom({QStringLiteral("--dane"), QString::fromStdString(dane), QStringLiteral("--zrzut"),
                       Plik("pierwszy.png")}).Kod,
              0);
    sqlite3* baza = nullptr;
    ASSERT_EQ(sqlite3_open(dane.c_str(), &baza), SQLITE_OK);
    sqlite3_exec(baza, "INSERT INTO Osoby (Imie, Nazwisko, Pseudonim, Adres, Telefon, Waga) "
                       "VALUES('Ala', 'Nowak', 'Ala', '', '', 10);", nullptr, nullptr, nullptr);
    sqlite3_close(baza);
    const std::string przed = Zawartosc(dane);

    const TWynikProgramu wynik = Uruchom({QStringLiteral("--dane"), QString::fromStdString(dane), QStringLiteral("--demo"),
                                          QStringLiteral("--zrzut"), Plik("glowne.png")});
    ASSERT_EQ(wynik.Kod, 0) << wynik.Bledy;
    EXPECT_EQ(Zawartosc(dane), przed);
    const std::string znacznik = "Dane demonstracyjne: ";
    const size_t poczatek = wynik.Wyjscie.find(znacznik);
    ASSERT_NE(poczatek, std::string::npos) << wynik.Wyjscie;
    const std::string demo = wynik.Wyjscie.substr(poczatek + znacznik.size(),
                                                  wynik.Wyjscie.find('\n', poczatek) - poczatek - znacznik.size());
    EXPECT_EQ(demo.rfind(fTmp + "/grosiwo-demo-", 0), 0u) << demo;
    EXPECT_EQ(Liczba(demo, "SELECT COUNT(*) FROM Plany;"), 12);
    // Without --planer the picture is of the main window.
    OczekujObrazu(Plik("glowne.png"), 400, 250);
}

TEST_F(ProgramGrosiwoTest, BladOtwarciaBazyKonczyProgramKomunikatem)
{
    const TWynikProgramu wynik = Uruchom({QStringLiteral("--dane"), QStringLiteral("/proc/grosiwo-nie-ma/DataFile.dat"),
                                          QStringLiteral("--zrzut"), Plik("x.png")});
    EXPECT_EQ(wynik.Kod, 3);
    EXPECT_NE(wynik.Bledy.find("Nie można nawiązać połączenia z bazą danych. Nie znaleziono plików z danymi"),
              std::string::npos)
        << wynik.Bledy;
    EXPECT_FALSE(std::filesystem::exists(fFolder.Plik("x.png")));
}

TEST_F(ProgramGrosiwoTest, BrakujacyLubUszkodzonyModul)
{
    std::ofstream(fFolder.Plik("tekst.so")) << "to nie jest biblioteka";
    const std::string dane = std::filesystem::path(GROSIWO_MODULE_PATH).parent_path() / "libgrosiwodata.so";
    const struct {
        QString Modul;
        const char* Fragment;
    } przypadki[] = {
        {Plik("nie-ma.so"), "Nie znaleziono modułu planera"},
        {Plik("tekst.so"), "Nie można załadować modułu planera"},
        {QString::fromStdString(dane), "brak funkcji SetApplicationVariables"},
    };
    for (const auto& przypadek : przypadki) {
        const TWynikProgramu wynik = Uruchom({QStringLiteral("--dane"), Plik("dane.dat"), QStringLiteral("--planer"),
                                              QStringLiteral("--zrzut"), Plik("x.png")},
                                             przypadek.Modul);
        EXPECT_EQ(wynik.Kod, 4) << przypadek.Fragment;
        EXPECT_NE(wynik.Bledy.find(przypadek.Fragment), std::string::npos) << wynik.Bledy;
    }
}

TEST_F(ProgramGrosiwoTest, NieudanyZapisObrazu)
{
    const TWynikProgramu wynik = Uruchom({QStringLiteral("--dane"), Plik("dane.dat"), QStringLiteral("--zrzut"),
                                          QStringLiteral("/proc/grosiwo-nie-ma/x.png")});
    EXPECT_EQ(wynik.Kod, 5);
    EXPECT_NE(wynik.Bledy.find("Nie udało się zapisać zrzutu okna do pliku"), std::string::npos) << wynik.Bledy;
}

}  // namespace
