// The backup copy of the data file: where it goes, its time-stamped name, a byte-exact and
// readable copy, and every message in the order of its checks.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "OtwartaBaza.h"
#include "UstawionaAplikacja.h"

namespace fs = std::filesystem;

namespace {

const std::string NazwaKopii = "baza 2013.03.01 14.05.dat";
const std::string Skopiowano =
    "Plik bazy danych został skopiowany !!!\r\nKopia znajduje się w następującej lokalizacji:\r\n";
const std::string BrakPliku = "Plik bazy danych nie istnieje, kopia nie została utworzona !!!";
const std::string BrakFolderu =
    "Folder, w którym tworzona będzie kopia bazy danych nie istnieje !!!\rFolder ten to: ";
const std::string BrakZapisu =
    "Nie masz uprawnień do zapisu w folderze, w którym tworzona będzie kopia bazy danych !!!\rFolder ten to: ";
const std::string PustaBaza = "Baza danych jest pusta, kopia nie została utworzona !!!";
const std::string KopiaNieudana =
    "Nie udało się utworzyć kopii bazy danych, nie masz do tego odpowiednich uprawnień. Upewnij się że "
    "program Grosiwo Test został uruchomiony z prawami administratora !!!";

std::string Zawartosc(const std::string& plik)
{
    std::ifstream strumien(plik, std::ios::binary);
    return {std::istreambuf_iterator<char>(strumien), std::istreambuf_iterator<char>()};
}

// A read-only file system mounted on the folder while the object lives; only root can.
class TMontazTylkoDoOdczytu {
public:
    explicit TMontazTylkoDoOdczytu(const fs::path& folder) : fFolder(folder)
    {
        fs::create_directories(folder);
        fZamontowano = geteuid() == 0 && mount("tmpfs", folder.c_str(), "tmpfs", MS_RDONLY, "size=1m") == 0;
    }
    ~TMontazTylkoDoOdczytu()
    {
        if (fZamontowano)
            umount(fFolder.c_str());
    }
    TMontazTylkoDoOdczytu(const TMontazTylkoDoOdczytu&) = delete;
    TMontazTylkoDoOdczytu& operator=(const TMontazTylkoDoOdczytu&) = delete;
    bool Zamontowano() const { return fZamontowano; }

private:
    fs::path fFolder;
    bool fZamontowano = false;
};

class KopiaBazy : public OtwartaBaza {
protected:
    void SetUp() override { fZegar.Ustaw(KodujDateCzas(2013, 3, 1, 14, 5, 10)); }

    void WypelnijBaze()
    {
        Wstaw({"INSERT INTO KategorieWydatkow VALUES (1, 'Jedzenie', 0, 10);",
               "INSERT INTO KategorieOszczednosci VALUES (1, 'Konto', 0, 1, 0, 10);",
               "INSERT INTO Osoby VALUES (1, 'Jan', 'Nowak', '', '', '', 0, 10);",
               "INSERT INTO Wydatki VALUES (1, 1, 12.5, 1, '2013-03-01 10:15', 1, 'Chleb', 0, NULL);"});
        fBaza->WczytajDaneZTabelDoKolekcji(TTabele::Pusta);
        ASSERT_TRUE(Kolekcje().KolekcjeZawierajaDane());
    }
    std::string Folder(const std::string& nazwa) const { return (fFolder.Sciezka() / nazwa).string(); }

    TUstawionaAplikacja fAplikacja;
};

TEST_F(KopiaBazy, BrakujacyFolderPowstajeAKopiaJestWiernaICzytelna)
{
    WypelnijBaze();
    const std::string folder = Folder("kopie/2013");

    const std::string cel = folder + "/" + NazwaKopii;
    EXPECT_EQ(fBaza->UtworzKopieBazyDanych(folder), Skopiowano + cel);

    EXPECT_EQ(Zawartosc(cel), Zawartosc(fPlik));
    EXPECT_EQ(Wiersze(cel, "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
    for (const char* zapytanie : {"SELECT * FROM Wydatki", "SELECT * FROM KategorieWydatkow", "SELECT * FROM Osoby"})
        EXPECT_EQ(Wiersze(cel, zapytanie), Wiersze(fPlik, zapytanie)) << zapytanie;
    EXPECT_EQ(Wiersze(cel, "SELECT Komentarz FROM Wydatki"), std::vector<std::string>{"Chleb"});
    // The write probe leaves nothing behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(KopiaBazy, PustyFolderToFolderPlikuDanych)
{
    WypelnijBaze();
    for (const std::string folder : {"", "   ", "\t"})
        EXPECT_EQ(fBaza->UtworzKopieBazyDanych(folder), Skopiowano + Folder(NazwaKopii)) << '"' << folder << '"';
}

TEST_F(KopiaBazy, UkosnikNaKoncuNieZmieniaCelu)
{
    WypelnijBaze();
    const std::string folder = Folder("kopie");
    const std::string oczekiwany = Skopiowano + folder + "/" + NazwaKopii;
    EXPECT_EQ(fBaza->UtworzKopieBazyDanych(folder), oczekiwany);
    EXPECT_EQ(fBaza->UtworzKopieBazyDanych(folder + "/"), oczekiwany);
}

TEST_F(KopiaBazy, DrugaKopiaWTejSamejMinucieNadpisujePierwsza)
{
    WypelnijBaze();
    const std::string folder = Folder("kopie");
    fBaza->UtworzKopieBazyDanych(folder);
    ASSERT_TRUE(fBaza->WykonajWpisanePoleceniaSQL(
        {"INSERT INTO Wydatki VALUES (2, 1, 3, 1, '2013-03-01 11:00', 1, 'Mleko', 0, NULL);"}));
    fZegar.Ustaw(KodujDateCzas(2013, 3, 1, 14, 5, 50));

    EXPECT_EQ(fBaza->UtworzKopieBazyDanych(folder), Skopiowano + folder + "/" + NazwaKopii);
    EXPECT_EQ(Wiersze(folder + "/" + NazwaKopii, "SELECT Komentarz FROM Wydatki ORDER BY Id"),
              (std::vector<std::string>{"Chleb", "Mleko"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(KopiaBazy, PustaBazaNieJestKopiowana)
{
    const std::string folder = Folder("kopie");
    EXPECT_EQ(fBaza->UtworzKopieBazyDanych(folder), PustaBaza);
    EXPECT_FALSE(fs::exists(folder + "/" + NazwaKopii));
    EXPECT_TRUE(fs::is_directory(folder));  // the folder comes first in the checks
}

TEST_F(KopiaBazy, BrakPlikuDanychPrzedWszystkimInnym)
{
    WypelnijBaze();
    fs::remove(fPlik);
    EXPECT_EQ(fBaza->UtworzKopieBazyDanych(Folder("kopie")), BrakPliku);
    EXPECT_EQ(fBaza->UtworzKopieBazyDanych(fPlik + "/kopie"), BrakPliku);
    EXPECT_FALSE(fs::exists(Folder("kopie")));
}

TEST_F(KopiaBazy, FolderPodZwyklymPlikiemNieMozePowstac)
{
    // Checked before the empty database: no data has been loaded here.
    const std::string folder = fPlik + "/kopie";
    const std::string wynik = fBaza->UtworzKopieBazyDanych(folder);
    const std::string poczatek = BrakFolderu + folder + "/\r";
    ASSERT_EQ(wynik.substr(0, poczatek.size()), poczatek);
    EXPECT_GT(wynik.size(), poczatek.size());  // the reason follows
}

TEST_F(KopiaBazy, FolderTylkoDoOdczytu)
{
    const std::string tylkoDoOdczytu = Folder("ro");
    TMontazTylkoDoOdczytu montaz(tylkoDoOdczytu);
    if (!montaz.Zamontowano())
        GTEST_SKIP() << "mounting a read-only file system needs root";

    // Not writable is checked before the empty database.
    EXPECT_EQ(fBaza->UtworzKopieBazyDanych(tylkoDoOdczytu), BrakZapisu + tylkoDoOdczytu + "/");
    const std::string nowy = tylkoDoOdczytu + "/nowy";
    const std::string wynik = fBaza->UtworzKopieBazyDanych(nowy);
    EXPECT_EQ(wynik.substr(0, (BrakFolderu + nowy + "/\r").size()), BrakFolderu + nowy + "/\r");
    WypelnijBaze();
    EXPECT_EQ(fBaza->UtworzKopieBazyDanych(tylkoDoOdczytu), BrakZapisu + tylkoDoOdczytu + "/");
}

TEST_F(KopiaBazy, NieudaneKopiowanieZTytulemAplikacjiIPrzyczyna)
{
    WypelnijBaze();
    const std::string folder = Folder("kopie");
    fs::create_directories(folder + "/" + NazwaKopii);  // a folder where the copy should go

    const std::string wynik = fBaza->UtworzKopieBazyDanych(folder);
    ASSERT_EQ(wynik.substr(0, KopiaNieudana.size() + 1), KopiaNieudana + "\r");
    EXPECT_GT(wynik.size(), KopiaNieudana.size() + 1);
    EXPECT_TRUE(fs::is_directory(folder + "/" + NazwaKopii));
}

}  // namespace
