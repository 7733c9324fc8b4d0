// A save whose file cannot grow: on a full file system (a small tmpfs) and under a file-size
// limit (RLIMIT_FSIZE, in another process). The save says it did not commit and shows why,
// the file keeps its content, the collection keeps the user's edits, and the retry once
// there is room saves them.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ProcesPomocniczy.h"
#include "ZawartoscBazy.h"
#include "collections/KolekcjeDanych.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "records/Plan.h"
#include "support/TestPlatforma.h"
#include "wspolne/PartiaPlanow.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr size_t PlanyStartowe = 20;
// About 600 kB of new rows: more than any of the room left below.
const TRozmiarPartii Partia{300, 5, 5, 2000};
const size_t PlanyPoZapisie = PlanyStartowe - 5 + 300;

// A full file system makes the library report SQLITE_FULL; a write refused with EFBIG under a
// file-size limit is its I/O error. Either reaches the user with its description.
const char* const DyskPelny = "Error [13]: Insertion failed because database is full";
const char* const ZapisOdmowiony = "Error [10]: Some kind of disk I/O error occurred";

class TTmpfs {
public:
    TTmpfs(const fs::path& punkt, const std::string& rozmiar) : fPunkt(punkt)
    {
        fs::create_directories(punkt);
        if (mount("tmpfs", punkt.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, ("size=" + rozmiar).c_str()) == 0)
            fZamontowany = true;
        else
            fPowod = std::strerror(errno);
    }
    ~TTmpfs()
    {
        if (fZamontowany)
            umount2(fPunkt.c_str(), MNT_DETACH);
    }
    TTmpfs(const TTmpfs&) = delete;
    TTmpfs& operator=(const TTmpfs&) = delete;
    bool Zamontowany() const { return fZamontowany; }
    const std::string& Powod() const { return fPowod; }

private:
    fs::path fPunkt;
    bool fZamontowany = false;
    std::string fPowod;
};

// Fills the file system with one file, then gives back `zostaw` bytes of it.
void ZapelnijDysk(const std::string& plik, off_t zostaw)
{
    const int fd = open(plik.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    const std::vector<char> blok(64 * 1024, 'x');
    off_t zapisano = 0;
    for (;;) {
        const ssize_t ile = write(fd, blok.data(), blok.size());
        if (ile <= 0)
            break;
        zapisano += ile;
    }
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_EQ(ftruncate(fd, zapisano > zostaw ? zapisano - zostaw : 0), 0);
    close(fd);
}

struct TZapas {
    const char* Nazwa;
    off_t Bajty;
};

// Test names and failure reports show the case's name, not its bytes.
void PrintTo(const TZapas& przypadek, std::ostream* os)
{
    *os << przypadek.Nazwa;
}

class PelnyDysk : public ::testing::TestWithParam<TZapas> {
protected:
    TUstawionyZegar fZegar{KodujDateCzas(2014, 6, 1, 12, 0)};
    TUstawionyRejestrator fKomunikaty;
    TTymczasowyFolder fFolder;
};

TEST_P(PelnyDysk, TheSaveFailsClearlyAndKeepsFileAndEditsForTheRetry)
{
    const fs::path punkt = fFolder.Sciezka() / "dysk";
    const TTmpfs tmpfs(punkt, "2m");
    if (!tmpfs.Zamontowany())
        GTEST_SKIP() << "a tmpfs cannot be mounted here (" << tmpfs.Powod()
                     << "); FileSizeLimit covers a blocked growth";
    const std::string plik = (punkt / "baza.dat").string();
    const std::string wypelnienie = (punkt / "wypelnienie").string();
    {
        TProjektDB baza(std::make_unique<TPlikiDB>(plik));
        DodajPlanyStartowe(baza.Kolekcje(), PlanyStartowe);
        ASSERT_TRUE(baza.ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany).Zatwierdzono);
        baza.OdswiezZawartoscKolekcji(TTabele::Plany);
        const std::string przed = ZawartoscWszystkichTabel(plik);

        PrzygotujPartie(baza.Kolekcje(), Partia);
        ZapelnijDysk(wypelnienie, GetParam().Bajty);
        const TProjektDB::TWynikZapisu wynik = baza.ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany);

        EXPECT_FALSE(wynik.Zatwierdzono);
        ASSERT_EQ(fKomunikaty->Komunikaty.size(), 1u);
        EXPECT_EQ(fKomunikaty->Komunikaty[0].Tytul, "BŁĄD !!!");
        EXPECT_NE(fKomunikaty->Komunikaty[0].Tekst.find(DyskPelny), std::string::npos)
            << fKomunikaty->Komunikaty[0].Tekst;
        // The edits are still there to be saved again.
        EXPECT_TRUE(baza.Kolekcje().ZmienionoINiezapisanoPlany());
        EXPECT_EQ(IloscNowychPlanow(baza.Kolekcje()), Partia.Nowe);
        EXPECT_EQ(baza.Kolekcje().Plany()[0]->Zmiany(), TTypModyfikacji::Zmieniono);
        EXPECT_EQ(baza.Kolekcje().Plany()[5]->Zmiany(), TTypModyfikacji::Usunieto);
        // And the file is as it was.
        EXPECT_EQ(SprawdzIntegralnosc(plik), "ok");
        EXPECT_EQ(ZawartoscWszystkichTabel(plik), przed);

        fs::remove(wypelnienie);
        EXPECT_TRUE(baza.ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany).Zatwierdzono);
        EXPECT_EQ(fKomunikaty->Komunikaty.size(), 1u);
        baza.OdswiezZawartoscKolekcji(TTabele::Plany);
        EXPECT_EQ(baza.Kolekcje().Plany().size(), PlanyPoZapisie);
    }
    EXPECT_EQ(SprawdzIntegralnosc(plik), "ok");
    EXPECT_EQ(JednaWartosc(plik, "SELECT count(*) FROM Plany"), std::to_string(PlanyPoZapisie));
}

INSTANTIATE_TEST_SUITE_P(Zapas, PelnyDysk,
                         ::testing::Values(TZapas{"NoRoomAtAll", 0}, TZapas{"RoomForAFewPages", 16 * 1024},
                                           TZapas{"RoomForPartOfTheBatch", 256 * 1024}),
                         [](const auto& info) { return std::string(info.param.Nazwa); });

// The same in another process whose files may not grow past a limit.
class FileSizeLimit : public ::testing::TestWithParam<TZapas> {
protected:
    TTymczasowyFolder fFolder;
    const std::string fPlik = fFolder.Plik("baza.dat");
};

TEST_P(FileSizeLimit, TheSaveFailsClearlyAndKeepsFileAndEditsForTheRetry)
{
    {
        TProcesPomocniczy przygotowanie({GROSIWO_POMOCNIK_ZAPISU, "przygotuj", fPlik, std::to_string(PlanyStartowe)});
        ASSERT_EQ(przygotowanie.Czekaj(60s).Kod, 0);
    }
    const std::string przed = ZawartoscWszystkichTabel(fPlik);
    TProcesPomocniczy zapis({GROSIWO_POMOCNIK_ZAPISU, "limit", fPlik, std::to_string(GetParam().Bajty),
                             std::to_string(Partia.Nowe), std::to_string(Partia.DlugoscKomentarza)});
    ASSERT_TRUE(zapis.CzekajNaLinie("etap=czekam", 60s)) << zapis.Wyjscie();
    const auto& z = zapis.Zgloszenia();
    EXPECT_EQ(z.at("zatwierdzono"), "0");
    ASSERT_EQ(zapis.Wszystkie("komunikat").size(), 1u) << zapis.Wyjscie();
    EXPECT_EQ(z.at("komunikat").rfind("BŁĄD !!!|", 0), 0u);
    EXPECT_NE(z.at("komunikat").find(ZapisOdmowiony), std::string::npos) << z.at("komunikat");
    EXPECT_EQ(z.at("nowe_w_kolekcji"), std::to_string(Partia.Nowe));
    EXPECT_EQ(z.at("flaga"), "1");
    // Looked at while the other process still has it open.
    EXPECT_EQ(SprawdzIntegralnosc(fPlik), "ok");
    EXPECT_EQ(ZawartoscWszystkichTabel(fPlik), przed);

    zapis.PiszLinie("dalej");
    const TProcesPomocniczy::TZakonczenie koniec = zapis.Czekaj(60s);
    EXPECT_TRUE(koniec.Zakonczony && !koniec.Sygnal && koniec.Kod == 0) << zapis.Wyjscie();
    EXPECT_EQ(zapis.Zgloszenia().at("zatwierdzono"), "1");
    EXPECT_EQ(zapis.Wszystkie("komunikat").size(), 1u);
    EXPECT_EQ(SprawdzIntegralnosc(fPlik), "ok");
    EXPECT_EQ(JednaWartosc(fPlik, "SELECT count(*) FROM Plany"), std::to_string(PlanyStartowe + Partia.Nowe));
}

INSTANTIATE_TEST_SUITE_P(Zapas, FileSizeLimit,
                         ::testing::Values(TZapas{"NoGrowthAtAll", 0}, TZapas{"AFewPages", 16 * 1024},
                                           TZapas{"PartOfTheBatch", 256 * 1024}),
                         [](const auto& info) { return std::string(info.param.Nazwa); });

}  // namespace
