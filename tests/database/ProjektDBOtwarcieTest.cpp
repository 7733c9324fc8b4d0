// Opening the project database: the data folder, the two write probes and their messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "PomocnikiBazy.h"
#include "collections/KolekcjeDanych.h"
#include "common/Wyjatki.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "support/TestPlatforma.h"

namespace fs = std::filesystem;

namespace {

const std::string LokalizacjaTylkoDoOdczytu =
    "Nie można utworzyć i pracować na bazie danych, lokalizacja w której znajdują się pliki z "
    "danymi jest tylko-do-odczytu, baza w tym przypadku nie może poprawnie funkcjonować. "
    "Przenieś program wraz ze wszystkimi plikami w inne miejsce.";

std::string BazaTylkoDoOdczytu(const std::string& plik)
{
    return "Nie można utworzyć i pracować na bazie danych, lokalizacja w której znajdują się "
           "pliki z danymi jest tylko-do-odczytu lub sam plik z danymi może mieć atrybut tylko "
           "do odczytu, baza w tym przypadku nie może poprawnie funkcjonować. Upewnij się "
           "również że żaden inny program nie blokuje do niej dostępu tzn nie używa jej. "
           "Przenieś program wraz ze wszystkimi plikami w inne miejsce lub sprawdź atrybuty "
           "pliku \"" + plik + "\".";
}

// What one attempt to open showed and raised.
struct TProbaOtwarcia {
    bool Otwarto = false;
    std::string Wyjatek;
    std::vector<std::string> Komunikaty;  // texts of the boxes, all of them "BŁĄD !!!"
};

// Separates the parts of an attempt passed back from a child process.
constexpr char Separator = '\x1f';

std::string Zakoduj(const TProbaOtwarcia& p)
{
    std::string wynik = (p.Otwarto ? "1" : "0") + p.Wyjatek;
    for (const std::string& k : p.Komunikaty)
        wynik += Separator + k;
    return wynik;
}

TProbaOtwarcia Odkoduj(const std::string& tekst)
{
    TProbaOtwarcia p;
    std::vector<std::string> czesci;
    std::stringstream strumien(tekst);
    for (std::string czesc; std::getline(strumien, czesc, Separator);)
        czesci.push_back(czesc);
    if (czesci.empty())
        return p;
    p.Otwarto = czesci[0].starts_with("1");
    p.Wyjatek = czesci[0].substr(1);
    p.Komunikaty.assign(czesci.begin() + 1, czesci.end());
    return p;
}

class OtwarcieBazy : public ::testing::Test {
protected:
    void SetUp() override
    {
        // An unprivileged child must be able to reach the folders below.
        fs::permissions(fFolder.Sciezka(), fs::perms::owner_all | fs::perms::group_read |
                                               fs::perms::group_exec | fs::perms::others_read |
                                               fs::perms::others_exec);
    }

    TProbaOtwarcia Otworz(const std::string& plik)
    {
        fKomunikaty->Komunikaty.clear();
        TProbaOtwarcia p;
        try {
            TProjektDB db(std::make_unique<TPlikiDB>(plik));
            p.Otwarto = true;
            EXPECT_FALSE(db.ReadOnlyMode());
        } catch (const EGrosiwoException& e) {
            p.Wyjatek = e.what();
        }
        for (const TZapisanyKomunikat& k : fKomunikaty->Komunikaty) {
            EXPECT_EQ(k.Tytul, "BŁĄD !!!");
            p.Komunikaty.push_back(k.Tekst);
        }
        return p;
    }

    // The same in a child without root's privileges; none when that cannot be, with the
    // reason in fPowodPominiecia.
    std::optional<TProbaOtwarcia> OtworzBezUprawnien(const std::string& plik)
    {
        const TWynikDziecka wynik = UruchomBezUprawnien([&] { return Zakoduj(Otworz(plik)); });
        if (wynik.Pominieto) {
            fPowodPominiecia = wynik.Dane;
            return std::nullopt;
        }
        return Odkoduj(wynik.Dane);
    }

    std::string Folder(const std::string& nazwa, fs::perms prawa)
    {
        const fs::path folder = fFolder.Sciezka() / nazwa;
        fs::create_directory(folder);
        fs::permissions(folder, prawa);
        return folder.string() + "/";
    }

    static std::vector<std::string> PlikiW(const std::string& folder)
    {
        std::vector<std::string> nazwy;
        for (const fs::directory_entry& wpis : fs::directory_iterator(folder))
            nazwy.push_back(wpis.path().filename().string());
        std::sort(nazwy.begin(), nazwy.end());
        return nazwy;
    }

    static std::string Zawartosc(const std::string& plik)
    {
        std::ifstream f(plik, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }

    TUstawionyZegar fZegar{KodujDateCzas(2013, 5, 17, 12, 0)};
    TUstawionyRejestrator fKomunikaty;
    TTymczasowyFolder fFolder;
    std::string fPowodPominiecia;
};

TEST_F(OtwarcieBazy, BezRejestru)
{
    try {
        TProjektDB db(nullptr);
        FAIL() << "opened without a registry";
    } catch (const EGrosiwoException& e) {
        EXPECT_STREQ(e.what(),
                     "Nie można nawiązać połączenia z bazą danych. Przekazano błędne dane wejściowe.");
    }
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
}

TEST_F(OtwarcieBazy, NowyPlikWNieistniejacymFolderze)
{
    const std::string folder = fFolder.Plik("a/b") + "/";
    {
        TProjektDB db(std::make_unique<TPlikiDB>(folder + "baza.dat"));
        EXPECT_FALSE(db.ReadOnlyMode());
        EXPECT_EQ(db.WyswietlanaTabela(), TTabele::Pusta);
        EXPECT_FALSE(db.PokazujLokatyWOszczednosciach());
        EXPECT_TRUE(db.Kolekcje().Plany().empty());
        EXPECT_TRUE(db.Kolekcje().KategorieWydatki().empty());
        EXPECT_EQ(db.PlikiDB().DataFile(), folder + "baza.dat");
    }
    EXPECT_TRUE(fKomunikaty->Komunikaty.empty());
    // Neither probe leaves anything behind.
    EXPECT_EQ(PlikiW(folder), std::vector<std::string>{"baza.dat"});
    EXPECT_EQ(ObiektySchematu(folder + "baza.dat").count("table Grosiwo_test"), 0u);
    EXPECT_EQ(ObiektySchematu(folder + "baza.dat").count("table Plany"), 1u);
}

TEST_F(OtwarcieBazy, SamaNazwaPlikuWBiezacymFolderze)
{
    const fs::path poprzedni = fs::current_path();
    fs::current_path(fFolder.Sciezka());
    const TProbaOtwarcia p = Otworz("baza.dat");
    fs::current_path(poprzedni);
    EXPECT_TRUE(p.Otwarto) << p.Wyjatek;
    EXPECT_TRUE(fs::exists(fFolder.Plik("baza.dat")));
}

// The probe file is named after the data file and the current minute.
TEST_F(OtwarcieBazy, ProbaZapisuPlikuObokDanych)
{
    const std::string folder = Folder("dane", fs::perms::all);
    fs::create_directory(folder + "baza.dattest2013.05.17.12.00.txt");
    const TProbaOtwarcia p = Otworz(folder + "baza.dat");
    EXPECT_EQ(p.Wyjatek, LokalizacjaTylkoDoOdczytu);
    EXPECT_TRUE(p.Komunikaty.empty());
    EXPECT_FALSE(fs::exists(folder + "baza.dat"));
}

TEST_F(OtwarcieBazy, FolderTylkoDoOdczytu)
{
    const std::string folder = Folder("ro", fs::perms::owner_read | fs::perms::owner_exec |
                                                fs::perms::group_read | fs::perms::group_exec |
                                                fs::perms::others_read | fs::perms::others_exec);
    const std::optional<TProbaOtwarcia> p = OtworzBezUprawnien(folder + "baza.dat");
    if (!p)
        GTEST_SKIP() << fPowodPominiecia;
    EXPECT_EQ(p->Wyjatek, LokalizacjaTylkoDoOdczytu);
    EXPECT_TRUE(p->Komunikaty.empty());
    EXPECT_EQ(PlikiW(folder), std::vector<std::string>{});

    const TProbaOtwarcia podfolder = OtworzBezUprawnien(folder + "nowy/baza.dat").value();
    EXPECT_EQ(podfolder.Wyjatek,
              "Nie można nawiązać połączenia z bazą danych. Nie znaleziono plików z danymi, "
              "próba ich utworzenia nie powiodła się. Nie można utworzyć folderu " +
                  folder + "nowy/ w którym utworzona będzie baza danych !!!\rSprawdź czy masz do "
                  "tego odpowiednie uprawnienia lub czy zapis w podanej lokalizacji jest możliwy.");
    EXPECT_TRUE(podfolder.Komunikaty.empty());
}

// The folder is writable, the file is not: the probe statements fail with the library's
// message in one box, and the opening names the file.
TEST_F(OtwarcieBazy, PlikTylkoDoOdczytu)
{
    const std::string folder = Folder("rw", fs::perms::all);
    const std::string plik = folder + "baza.dat";
    ASSERT_TRUE(Otworz(plik).Otwarto);
    fs::permissions(plik, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string przed = Zawartosc(plik);

    const std::optional<TProbaOtwarcia> p = OtworzBezUprawnien(plik);
    if (!p)
        GTEST_SKIP() << fPowodPominiecia;
    EXPECT_EQ(p->Wyjatek, BazaTylkoDoOdczytu(plik));
    ASSERT_EQ(p->Komunikaty.size(), 1u);
    EXPECT_NE(p->Komunikaty[0].find("attempt to write a readonly database"), std::string::npos)
        << p->Komunikaty[0];
    EXPECT_EQ(Zawartosc(plik), przed);
    EXPECT_EQ(PlikiW(folder), std::vector<std::string>{"baza.dat"});
}

TEST_F(OtwarcieBazy, PlikNieJestBazaDanych)
{
    const std::string plik = fFolder.Plik("notatki.txt");
    const std::string tresc(2000, 'x');
    std::ofstream(plik) << tresc;

    const TProbaOtwarcia p = Otworz(plik);
    EXPECT_EQ(p.Wyjatek, BazaTylkoDoOdczytu(plik));
    ASSERT_EQ(p.Komunikaty.size(), 1u);
    EXPECT_NE(p.Komunikaty[0].find("file is not a database"), std::string::npos) << p.Komunikaty[0];
    EXPECT_EQ(Zawartosc(plik), tresc);
}

// Another program writes to the file: the probe fails at once; once it has finished, the
// file opens normally.
TEST_F(OtwarcieBazy, PlikZablokowanyPrzezInnyProces)
{
    const std::string plik = fFolder.Plik("baza.dat");
    ASSERT_TRUE(Otworz(plik).Otwarto);
    {
        TBlokadaWInnymProcesie blokada(plik);
        const TProbaOtwarcia p = Otworz(plik);
        EXPECT_EQ(p.Wyjatek, BazaTylkoDoOdczytu(plik));
        ASSERT_EQ(p.Komunikaty.size(), 1u);
        EXPECT_NE(p.Komunikaty[0].find("database is locked"), std::string::npos) << p.Komunikaty[0];
    }
    const TProbaOtwarcia p = Otworz(plik);
    EXPECT_TRUE(p.Otwarto) << p.Wyjatek;
    EXPECT_TRUE(p.Komunikaty.empty());
    EXPECT_EQ(ObiektySchematu(plik).count("table Grosiwo_test"), 0u);
}

// A copy cut short, at a page boundary, mid-page or inside the header: the library notices
// it at the first probe statement, and the file stays as it was.
TEST_F(OtwarcieBazy, UcietaBazaDanych)
{
    const std::string plik = fFolder.Plik("baza.dat");
    ASSERT_TRUE(Otworz(plik).Otwarto);
    std::vector<std::string> polecenia{"BEGIN"};
    for (int i = 0; i < 2000; ++i)
        polecenia.push_back("INSERT INTO Plany (Nazwa, IdKategorii, TypPlanu) VALUES ('plan numer " +
                            std::to_string(i) + "', 1, 0);");
    polecenia.push_back("COMMIT");
    WykonajSQL(plik, polecenia);
    const uintmax_t rozmiar = fs::file_size(plik);
    ASSERT_GT(rozmiar, 16u * 4096u);

    const std::string kopia = fFolder.Plik("kopia.dat");
    for (const uintmax_t dlugosc : {rozmiar / 4096 / 2 * 4096, rozmiar / 3, uintmax_t{50}}) {
        SCOPED_TRACE(dlugosc);
        fs::copy_file(plik, kopia, fs::copy_options::overwrite_existing);
        fs::resize_file(kopia, dlugosc);
        const std::string przed = Zawartosc(kopia);
        const TProbaOtwarcia p = Otworz(kopia);
        EXPECT_EQ(p.Wyjatek, BazaTylkoDoOdczytu(kopia));
        ASSERT_EQ(p.Komunikaty.size(), 1u);
        EXPECT_TRUE(p.Komunikaty[0].find("database disk image is malformed") != std::string::npos ||
                    p.Komunikaty[0].find("file is not a database") != std::string::npos)
            << p.Komunikaty[0];
        EXPECT_EQ(Zawartosc(kopia), przed);
    }
}

}  // namespace
