// The planner module as a host meets it: loaded with dlopen, its two C functions resolved
// and called against a real database file, with a recorder for the message boxes and a
// scripted user. Nothing of the planner is linked into this program.
#include <QAbstractItemView>
#include <QApplication>
#include <QProcess>
#include <QToolButton>
#include <QWidget>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <dlfcn.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ScenariuszPlanera.h"
#include "collections/KolekcjeDanych.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "module/GW.Planer.h"
#include "planner/EdytorKlawiatura.h"
#include "records/Plan.h"
#include "support/TestPlatforma.h"

namespace {

const std::string BrakBazy =
    "Nie można uruchomić modułu - nie udało się nawiązać połączenia z bazą danych !!!\r"
    "Upewnij się że program znajduje się w lokalizacji, w której zapis jest możliwy lub że "
    "masz wystarczająco dużo miejsca na dysku do utworzenia bazy.";
const std::string ZmianyZachowane =
    "Nie udało się zapisać planowanych wydatków i przychodów w bazie danych !!!\r"
    "Wprowadzone zmiany nie zostały utracone: okno planera zostanie otwarte ponownie, "
    "abyś mógł ponowić zapis lub zamknąć je bez zapisywania.";
const QString ZapiszIZamknij = QStringLiteral("&Zapisz i zamknij");

// The module, loaded once for the program as a host loads it.
struct TModul {
    void* Uchwyt = nullptr;
    TSetApplicationVariables Ustaw = nullptr;
    TShowFormGW Pokaz = nullptr;
};

const TModul& Modul()
{
    static const TModul modul = [] {
        TModul m;
        m.Uchwyt = dlopen(GROSIWO_MODULE_PATH, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
        if (m.Uchwyt != nullptr) {
            m.Ustaw = reinterpret_cast<TSetApplicationVariables>(dlsym(m.Uchwyt, SymbolSetApplicationVariables));
            m.Pokaz = reinterpret_cast<TShowFormGW>(dlsym(m.Uchwyt, SymbolShowFormGW));
        }
        return m;
    }();
    return modul;
}

// A second connection to the data file, as another program would hold it.
class TDrugiePolaczenie {
public:
    explicit TDrugiePolaczenie(const std::string& plik) { sqlite3_open(plik.c_str(), &fBaza); }
    ~TDrugiePolaczenie() { sqlite3_close(fBaza); }
    TDrugiePolaczenie(const TDrugiePolaczenie&) = delete;
    TDrugiePolaczenie& operator=(const TDrugiePolaczenie&) = delete;

    bool Wykonaj(const char* sql) { return sqlite3_exec(fBaza, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }
    // Changes when another connection commits to the file.
    int64_t WersjaDanych() { return Liczba("PRAGMA data_version;"); }
    int64_t Liczba(const char* sql)
    {
        sqlite3_stmt* polecenie = nullptr;
        int64_t wynik = -1;
        if (sqlite3_prepare_v2(fBaza, sql, -1, &polecenie, nullptr) == SQLITE_OK &&
            sqlite3_step(polecenie) == SQLITE_ROW)
            wynik = sqlite3_column_int64(polecenie, 0);
        sqlite3_finalize(polecenie);
        return wynik;
    }
    // Every plan row as "Nazwa|Kwota|IdKategorii|TypPlanu|Wykonany|Data|Komentarz", by id.
    std::vector<std::string> Plany()
    {
        std::vector<std::string> wiersze;
        sqlite3_stmt* polecenie = nullptr;
        sqlite3_prepare_v2(fBaza,
                           "SELECT Nazwa, Kwota, IdKategorii, TypPlanu, Wykonany, Data, "
                           "IFNULL(Komentarz, 'NULL') FROM Plany ORDER BY Id;",
                           -1, &polecenie, nullptr);
        while (polecenie != nullptr && sqlite3_step(polecenie) == SQLITE_ROW) {
            std::string wiersz;
            for (int i = 0; i < 7; ++i) {
                const auto* const tekst = sqlite3_column_text(polecenie, i);
                wiersz += (i ? "|" : "") + std::string(tekst ? reinterpret_cast<const char*>(tekst) : "");
            }
            wiersze.push_back(wiersz);
        }
        sqlite3_finalize(polecenie);
        return wiersze;
    }

private:
    sqlite3* fBaza = nullptr;
};

class ModulPlaneraTest : public ::testing::Test {
protected:
    ModulPlaneraTest() : fZegar(KodujDateCzas(2024, 5, 15, 12, 0))
    {
        fPlik = fFolder.Plik("DataFile.dat");
        fBaza = std::make_unique<TProjektDB>(std::make_unique<TPlikiDB>(fPlik));
        fBaza->UtworzDomyslneKategorie(TTabele::Pusta);
        EXPECT_TRUE(fBaza->WykonajWpisanePoleceniaSQL({
            "INSERT INTO \"Plany\" (\"Nazwa\", \"Kwota\", \"IdKategorii\", \"Wykonany\", \"DodanyDoKolekcji\", "
            "\"TypPlanu\", \"Data\", \"Komentarz\") VALUES('Czynsz', 1450, 12, 0, 0, 0, '2024-05-10 10:00', NULL);",
            "INSERT INTO \"Plany\" (\"Nazwa\", \"Kwota\", \"IdKategorii\", \"Wykonany\", \"DodanyDoKolekcji\", "
            "\"TypPlanu\", \"Data\", \"Komentarz\") VALUES('Pensja', 6400, 1, 0, 0, 1, '2024-05-31 10:00', 'Maj');",
        }));
        fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);
        fOknoHosta.setWindowTitle(QStringLiteral("Grosiwo"));
        fOknoHosta.show();
    }

    TKolekcjeDanych& Kolekcje() { return fBaza->Kolekcje(); }

    void Ustaw(TProjektDB* baza) { Modul().Ustaw(&fOknoHosta, baza); }

    // Runs the planner with the scripted user; the number of windows that opened.
    int Uruchom(std::vector<TScenariuszPlanera::TAkcja> akcje)
    {
        TScenariuszPlanera scenariusz(std::move(akcje));
        Modul().Pokaz();
        EXPECT_TRUE(scenariusz.Wykonany()) << "the planner did not open as often as scripted";
        return scenariusz.OtwarteOkna();
    }

    std::vector<std::string> Bledy()
    {
        std::vector<std::string> teksty;
        for (const TZapisanyKomunikat& k : fKomunikaty->Komunikaty)
            if (k.Ikona == TIkonaKomunikatu::Blad)
                teksty.push_back(k.Tekst);
        return teksty;
    }

    void OczekujPustejListy()
    {
        EXPECT_TRUE(Kolekcje().Plany().empty());
        EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoPlany());
    }

    TTymczasowyFolder fFolder;
    TUstawionyZegar fZegar;
    TUstawionyRejestrator fKomunikaty;
    std::string fPlik;
    std::unique_ptr<TProjektDB> fBaza;
    QWidget fOknoHosta;
};

int WierszeSiatki(QDialog& planer)
{
    auto* const siatka = planer.findChild<QAbstractItemView*>(QStringLiteral("ngrid_Glowny"));
    return siatka != nullptr && siatka->model() != nullptr ? siatka->model()->rowCount() : -1;
}

// The user adds a planned expense through "Dodaj planowany wydatek" and the editor.
void DodajWydatek(QDialog& planer, const QString& nazwa, const QString& kwota)
{
    auto* const dodaj = planer.findChild<QToolButton*>(QStringLiteral("sbtn_DodajW"));
    ASSERT_NE(dodaj, nullptr);
    const bool otwarty = ZDialogiem(
        QStringLiteral("Dodaj"),
        [&](QDialog& edytor) {
            QLineEdit* const poleNazwy = PolePodpisane(edytor, QStringLiteral("Na&zwa:"));
            QLineEdit* const poleKwoty = PolePodpisane(edytor, QStringLiteral("&Kwota:"));
            ASSERT_NE(poleNazwy, nullptr);
            ASSERT_NE(poleKwoty, nullptr);
            Wpisz(poleNazwy, nazwa);
            Wpisz(poleKwoty, kwota);
            Kliknij(edytor, QStringLiteral("&OK"));
        },
        [&] { dodaj->click(); });
    EXPECT_TRUE(otwarty);
}

TEST(ModulPlaneraSymbole, ModulEksportujeTylkoDwieFunkcjeC)
{
    ASSERT_NE(Modul().Uchwyt, nullptr) << dlerror();
    EXPECT_NE(Modul().Ustaw, nullptr);
    EXPECT_NE(Modul().Pokaz, nullptr);
    // The planner's own code stays inside the module.
    EXPECT_EQ(dlsym(Modul().Uchwyt, "_ZN17TWywolaniePlanera7UruchomEv"), nullptr);
    EXPECT_EQ(dlsym(Modul().Uchwyt, "_Z21qInitResources_planerv"), nullptr);

    QProcess nm;
    nm.start(QStringLiteral("nm"), {QStringLiteral("-D"), QStringLiteral("--defined-only"), QStringLiteral(GROSIWO_MODULE_PATH)});
    if (!nm.waitForFinished(20000) || nm.exitCode() != 0)
        GTEST_SKIP() << "nm is not available";
    std::set<std::string> symbole;
    for (const QByteArray& wiersz : nm.readAllStandardOutput().split('\n'))
        if (const QList<QByteArray> pola = wiersz.simplified().split(' '); pola.size() == 3)
            symbole.insert(pola[2].toStdString());
    EXPECT_EQ(symbole, (std::set<std::string>{"SetApplicationVariables", "ShowFormGW"}));
}

TEST_F(ModulPlaneraTest, BezBazyTylkoKomunikatBledu)
{
    // Run alone, this is the module's state before any SetApplicationVariables; after other
    // tests, the state every run leaves behind. Then a host that passes no database.
    EXPECT_EQ(Uruchom({}), 0);
    Ustaw(nullptr);
    EXPECT_EQ(Uruchom({}), 0);
    ASSERT_EQ(fKomunikaty->Komunikaty.size(), 2u);
    for (const TZapisanyKomunikat& komunikat : fKomunikaty->Komunikaty) {
        EXPECT_EQ(komunikat.Tekst, BrakBazy);
        EXPECT_EQ(komunikat.Tytul, "BŁĄD !!!");
        EXPECT_EQ(komunikat.Ikona, TIkonaKomunikatu::Blad);
        EXPECT_EQ(komunikat.Przyciski, TPrzyciskiKomunikatu::OK);
    }
    // Nothing else happens: the host's plans are left as they were.
    EXPECT_EQ(Kolekcje().Plany().size(), 2u);
}

TEST_F(ModulPlaneraTest, DrugieUruchomienieBezUstawieniaPokazujeBlad)
{
    Ustaw(fBaza.get());
    EXPECT_EQ(Uruchom({[this](QDialog& planer) {
                  // Owned by the host's window and modal over it.
                  EXPECT_EQ(planer.parentWidget(), &fOknoHosta);
                  EXPECT_TRUE(planer.isModal());
                  Kliknij(planer, ZapiszIZamknij);
              }}),
              1);
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());

    // The first run forgot the database.
    fBaza->OdswiezZawartoscKolekcji(TTabele::Plany);
    EXPECT_EQ(Uruchom({}), 0);
    EXPECT_EQ(Bledy(), std::vector<std::string>{BrakBazy});
    EXPECT_EQ(Kolekcje().Plany().size(), 2u);
}

TEST_F(ModulPlaneraTest, ZapisBezZmianNiczegoNieZapisujeIOprozniaListe)
{
    TDrugiePolaczenie drugie(fPlik);
    const int64_t wersja = drugie.WersjaDanych();
    const std::vector<std::string> przed = drugie.Plany();
    Ustaw(fBaza.get());
    EXPECT_EQ(Uruchom({[](QDialog& planer) {
                  EXPECT_EQ(WierszeSiatki(planer), 2);
                  Kliknij(planer, ZapiszIZamknij);
              }}),
              1);
    EXPECT_EQ(drugie.WersjaDanych(), wersja);
    EXPECT_EQ(drugie.Plany(), przed);
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
    OczekujPustejListy();
}

TEST_F(ModulPlaneraTest, NowyPlanZapisanyJednymInsertemJestWPliku)
{
    TDrugiePolaczenie drugie(fPlik);
    std::vector<std::string> oczekiwane = drugie.Plany();
    const int32_t idKategorii = Kolekcje().PobierzDomyslneIDKategorii(TTabele::Kategorie_Wydatki);
    Ustaw(fBaza.get());
    EXPECT_EQ(Uruchom({[](QDialog& planer) {
                  DodajWydatek(planer, QStringLiteral("Ubezpieczenie"), QStringLiteral("1234,56"));
                  EXPECT_EQ(WierszeSiatki(planer), 3);
                  Kliknij(planer, ZapiszIZamknij);
              }}),
              1);
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
    OczekujPustejListy();
    // Exactly one new row, with the values as typed; the rows that were there are untouched.
    oczekiwane.push_back("Ubezpieczenie|1234.56|" + std::to_string(idKategorii) + "|0|0|2024-05-15 12:00|NULL");
    EXPECT_EQ(drugie.Plany(), oczekiwane);

    // The host reloads it for the next run.
    fBaza->OdswiezZawartoscKolekcji(TTabele::Plany);
    EXPECT_EQ(Kolekcje().Plany().size(), 3u);
}

TEST_F(ModulPlaneraTest, ZamkniecieKrzyzykiemPoPotwierdzeniuNiczegoNieZapisuje)
{
    TDrugiePolaczenie drugie(fPlik);
    const int64_t wersja = drugie.WersjaDanych();
    const std::vector<std::string> przed = drugie.Plany();
    // The first question is refused: the window stays; the second is agreed to.
    fKomunikaty->Odpowiedzi = {TOdpowiedzKomunikatu::Nie, TOdpowiedzKomunikatu::Tak};
    Ustaw(fBaza.get());
    EXPECT_EQ(Uruchom({[](QDialog& planer) {
                  DodajWydatek(planer, QStringLiteral("Wakacje"), QStringLiteral("3000"));
                  planer.close();
                  EXPECT_TRUE(planer.isVisible());
                  planer.close();
              }}),
              1);
    ASSERT_EQ(fKomunikaty->Komunikaty.size(), 2u);
    for (const TZapisanyKomunikat& pytanie : fKomunikaty->Komunikaty) {
        EXPECT_EQ(pytanie.Przyciski, TPrzyciskiKomunikatu::TakNie);
        EXPECT_NE(pytanie.Tekst.find("BEZ ZAPISANIA"), std::string::npos) << pytanie.Tekst;
    }
    EXPECT_EQ(drugie.WersjaDanych(), wersja);
    EXPECT_EQ(drugie.Plany(), przed);
    OczekujPustejListy();
}

TEST_F(ModulPlaneraTest, NieudanyZapisZachowujePlanyIOtwieraOknoPonownie)
{
    TDrugiePolaczenie drugie(fPlik);
    const size_t wierszePrzed = drugie.Plany().size();
    Ustaw(fBaza.get());
    EXPECT_EQ(Uruchom({
                  [&](QDialog& planer) {
                      DodajWydatek(planer, QStringLiteral("Remont"), QStringLiteral("800"));
                      // Another program takes the file for itself.
                      ASSERT_TRUE(drugie.Wykonaj("BEGIN EXCLUSIVE;"));
                      Kliknij(planer, ZapiszIZamknij);
                  },
                  [&](QDialog& planer) {
                      // The same unsaved plans, in a window that asks before losing them.
                      EXPECT_EQ(WierszeSiatki(planer), 3);
                      EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoPlany());
                      ASSERT_EQ(Kolekcje().Plany().size(), 3u);
                      const auto nowy = std::find_if(Kolekcje().Plany().begin(), Kolekcje().Plany().end(),
                                                     [](const auto& p) { return p->Nazwa() == "Remont"; });
                      ASSERT_NE(nowy, Kolekcje().Plany().end());
                      EXPECT_EQ((*nowy)->Zmiany(), TTypModyfikacji::Dodano);
                      // The other program lets go; the user saves again.
                      ASSERT_TRUE(drugie.Wykonaj("ROLLBACK;"));
                      Kliknij(planer, ZapiszIZamknij);
                  },
              }),
              2);
    const std::vector<std::string> bledy = Bledy();
    ASSERT_EQ(bledy.size(), 2u);
    EXPECT_NE(bledy[0].find("locked"), std::string::npos) << bledy[0];
    EXPECT_EQ(bledy[1], ZmianyZachowane);
    const std::vector<std::string> po = drugie.Plany();
    ASSERT_EQ(po.size(), wierszePrzed + 1);
    EXPECT_EQ(po.back(), "Remont|800.0|" + std::to_string(Kolekcje().PobierzDomyslneIDKategorii(TTabele::Kategorie_Wydatki)) +
                             "|0|0|2024-05-15 12:00|NULL");
    OczekujPustejListy();
}

TEST_F(ModulPlaneraTest, BladBudowaniaZapisuNieWychodziZModuluIZachowujePlany)
{
    // A changed plan whose amount has no SQL form: the save raises before any statement runs.
    // Executed, so that the default list does not show it.
    TPlan& plan = *Kolekcje().Plany().front();
    plan.SetKwota(std::numeric_limits<double>::quiet_NaN());
    plan.SetWykonany(true);
    plan.SetZmiany(TTypModyfikacji::Zmieniono);
    Kolekcje().SetZmienionoINiezapisanoPlany(true);
    TDrugiePolaczenie drugie(fPlik);
    const std::vector<std::string> przed = drugie.Plany();

    fKomunikaty->Odpowiedzi = {TOdpowiedzKomunikatu::Tak};
    Ustaw(fBaza.get());
    EXPECT_EQ(Uruchom({
                  [](QDialog& planer) { Kliknij(planer, ZapiszIZamknij); },
                  [&](QDialog& planer) {
                      EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoPlany());
                      EXPECT_EQ(Kolekcje().Plany().size(), 2u);
                      planer.close();
                  },
              }),
              2);
    const std::vector<std::string> bledy = Bledy();
    ASSERT_EQ(bledy.size(), 2u);
    EXPECT_EQ(bledy[0].rfind("Nie udało się zapisać zawartości tabeli \"Plany\" !!!\rPRZYCZYNA BŁĘDU:\r", 0), 0u)
        << bledy[0];
    EXPECT_EQ(bledy[1], ZmianyZachowane);
    EXPECT_EQ(drugie.Plany(), przed);
    OczekujPustejListy();
}

}  // namespace
