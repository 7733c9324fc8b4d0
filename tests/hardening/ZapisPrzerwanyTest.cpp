// A save of many plans killed with SIGKILL at many points inside its batch: after every
// kill the file the next start opens is sound and holds all of the batch or none of it, and
// a later save on it works.
#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "FolderRoboczy.h"
#include "ProcesPomocniczy.h"
#include "ZawartoscBazy.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr auto LimitProcesu = 120s;
constexpr size_t PlanyStartowe = 200;
// 1000 new plans with 2 kB comments outgrow the library's page cache, so pages reach the
// file (behind a journal) before the commit; changed and deleted rows mix the statement kinds.
const std::vector<std::string> Partia{"1000", "100", "50", "2000"};

struct TPrzebieg {
    TProcesPomocniczy::TZakonczenie Zakonczenie;
    std::map<std::string, std::string> Zgloszenia;
};

TPrzebieg Uruchom(const std::vector<std::string>& argumenty, const std::vector<std::string>& srodowisko = {})
{
    std::vector<std::string> a{GROSIWO_POMOCNIK_ZAPISU};
    a.insert(a.end(), argumenty.begin(), argumenty.end());
    TProcesPomocniczy proces(a, srodowisko);
    TPrzebieg przebieg;
    przebieg.Zakonczenie = proces.Czekaj(LimitProcesu);
    przebieg.Zgloszenia = proces.Zgloszenia();
    return przebieg;
}

TPrzebieg ZapiszPartie(const std::string& plik, const std::string& punkt = {})
{
    std::vector<std::string> a{"zapisz", plik};
    a.insert(a.end(), Partia.begin(), Partia.end());
    return Uruchom(a, punkt.empty() ? std::vector<std::string>{} : std::vector<std::string>{"GROSIWO_PRZERWIJ=" + punkt});
}

void Kopiuj(const std::string& z, const std::string& do_)
{
    fs::remove(do_);
    fs::remove(do_ + "-journal");
    fs::copy_file(z, do_);
}

// Points 1..ostatni: evenly spread ones, the first few and every one of the last few.
std::vector<uint64_t> Punkty(uint64_t ostatni, uint64_t rozlozonych, uint64_t koncowych)
{
    std::set<uint64_t> punkty{1, 2, 3};
    for (uint64_t i = 0; i < rozlozonych; ++i)
        punkty.insert(1 + i * (ostatni - 1) / (rozlozonych - 1));
    for (uint64_t i = 0; i < koncowych && i < ostatni; ++i)
        punkty.insert(ostatni - i);
    std::erase_if(punkty, [&](uint64_t p) { return p == 0 || p > ostatni; });
    return {punkty.begin(), punkty.end()};
}

class ZapisPrzerwany : public ::testing::Test {
protected:
    // The starting file and the two states a kill may leave are made once for the suite.
    static void SetUpTestSuite()
    {
        sFolder = std::make_unique<TFolderRoboczy>();
        sWzorzec = sFolder->Plik("wzorzec.dat");
        const TPrzebieg przygotowanie = Uruchom({"przygotuj", sWzorzec, std::to_string(PlanyStartowe)});
        ASSERT_TRUE(przygotowanie.Zakonczenie.Zakonczony);
        ASSERT_EQ(przygotowanie.Zakonczenie.Kod, 0) << "preparing the starting file failed";
        // Opening once more, so that whatever an opening writes is in the starting state.
        const std::string otwarty = sFolder->Plik("otwarty.dat");
        Kopiuj(sWzorzec, otwarty);
        const TPrzebieg pusty = Uruchom({"zapisz", otwarty, "0", "0", "0", "0"});
        ASSERT_EQ(pusty.Zakonczenie.Kod, 0);
        fs::copy_file(otwarty, sWzorzec, fs::copy_options::overwrite_existing);
        sPrzed = ZawartoscWszystkichTabel(sWzorzec);

        const std::string pelny = sFolder->Plik("pelny.dat");
        Kopiuj(sWzorzec, pelny);
        const TPrzebieg zapis = ZapiszPartie(pelny);
        ASSERT_TRUE(zapis.Zakonczenie.Zakonczony);
        ASSERT_EQ(zapis.Zakonczenie.Kod, 0) << "the uninterrupted save failed";
        sPo = ZawartoscWszystkichTabel(pelny);
        sPolecenia = std::stoull(zapis.Zgloszenia.at("polecenia"));
        sOperacje = std::stoull(zapis.Zgloszenia.at("operacje"));
        sZapisyPrzedZatwierdzeniem = std::stoull(zapis.Zgloszenia.at("zapisy_bazy_przed_commit"));
    }

    static void TearDownTestSuite() { sFolder.reset(); }

    void SetUp() override
    {
        if (sPrzed.empty() || sPo.empty())
            GTEST_SKIP() << "the suite's starting files could not be made";
    }

    enum class TStan { Przed, Po };

    // Kills a save at the point and looks at the file the way the next start would.
    TStan PrzerwijW(const std::string& punkt, bool ponowZapis)
    {
        const std::string plik = sFolder->Plik("przerwany.dat");
        Kopiuj(sWzorzec, plik);
        const TPrzebieg przebieg = ZapiszPartie(plik, punkt);
        EXPECT_TRUE(przebieg.Zakonczenie.Zakonczony);
        EXPECT_TRUE(przebieg.Zakonczenie.Sygnal && przebieg.Zakonczenie.Kod == SIGKILL)
            << "the save ran past its stop point (exit code " << przebieg.Zakonczenie.Kod << ")";
        EXPECT_EQ(SprawdzIntegralnosc(plik), "ok");
        const std::string zawartosc = ZawartoscWszystkichTabel(plik);
        const bool przed = zawartosc == sPrzed;
        EXPECT_TRUE(przed || zawartosc == sPo) << "the file holds part of the batch";
        if (ponowZapis) {
            // The edits died with the process; the file must take the same save again.
            const TPrzebieg ponowny = ZapiszPartie(plik);
            EXPECT_EQ(ponowny.Zakonczenie.Kod, 0) << "a save after the kill failed";
            if (przed) {
                EXPECT_EQ(ZawartoscWszystkichTabel(plik), sPo);
            }
            EXPECT_EQ(SprawdzIntegralnosc(plik), "ok");
        }
        return przed ? TStan::Przed : TStan::Po;
    }

    static inline std::unique_ptr<TFolderRoboczy> sFolder;
    static inline std::string sWzorzec;
    static inline std::string sPrzed;
    static inline std::string sPo;
    static inline uint64_t sPolecenia = 0;
    static inline uint64_t sOperacje = 0;
    static inline uint64_t sZapisyPrzedZatwierdzeniem = 0;
};

TEST_F(ZapisPrzerwany, TheUninterruptedBatchChangesTheFileAndCountsItsSteps)
{
    EXPECT_NE(sPrzed, sPo);
    // BEGIN, one statement per new, changed and deleted plan, COMMIT.
    EXPECT_EQ(sPolecenia, 1000u + 100u + 50u + 2u);
    EXPECT_GT(sOperacje, 100u) << "the batch should write far more than a few pages";
    // So kills before the commit find part of the batch already in the data file.
    EXPECT_GT(sZapisyPrzedZatwierdzeniem, 0u) << "the batch never left the page cache before its commit";
}

// A statement started is never committed before COMMIT has run: every such kill leaves
// the file as it was.
TEST_F(ZapisPrzerwany, KilledAtAStatementTheFileHoldsNoneOfTheBatch)
{
    const std::vector<uint64_t> punkty = Punkty(sPolecenia, 25, 3);
    ASSERT_GE(punkty.size(), 25u);
    size_t numer = 0;
    for (const uint64_t punkt : punkty) {
        SCOPED_TRACE("killed at the start of statement " + std::to_string(punkt) + " of " + std::to_string(sPolecenia));
        EXPECT_EQ(PrzerwijW("polecenie:" + std::to_string(punkt), numer++ % 6 == 0), TStan::Przed);
    }
    std::cout << "[ hardening ] " << punkty.size() << " kill points among " << sPolecenia
              << " statements: all left the file as before\n";
}

// Killed after any write, sync, truncation or deletion: none of the batch up to the
// commit point (the journal's deletion), all of it from there on, never a mix.
TEST_F(ZapisPrzerwany, KilledAfterAFileOperationTheFileHoldsAllOrNone)
{
    const std::vector<uint64_t> punkty = Punkty(sOperacje, 25, 12);
    ASSERT_GE(punkty.size(), 30u);
    size_t przed = 0;
    size_t po = 0;
    uint64_t pierwszyPo = 0;
    size_t numer = 0;
    for (const uint64_t punkt : punkty) {
        SCOPED_TRACE("killed after file operation " + std::to_string(punkt) + " of " + std::to_string(sOperacje));
        const TStan stan = PrzerwijW("plik:" + std::to_string(punkt), numer++ % 6 == 0);
        if (stan == TStan::Przed) {
            ++przed;
            EXPECT_EQ(pierwszyPo, 0u) << "a later kill undid a batch an earlier kill had kept";
        } else {
            ++po;
            if (pierwszyPo == 0)
                pierwszyPo = punkt;
        }
    }
    EXPECT_GT(przed, 0u);
    EXPECT_EQ(pierwszyPo, sOperacje) << "only the last operation, the journal's deletion, commits";
    std::cout << "[ hardening ] " << punkty.size() << " kill points among " << sOperacje << " file operations: " << przed
              << " left the file as before, " << po << " held the whole batch\n";
}

TEST(PunktPrzerwania, AMistypedPointIsRefusedInsteadOfSavingUninterrupted)
{
    for (const char* zly : {"polecenie", "polecenie:", "polecenie:0", "plik:12x", "zapis:3"}) {
        SCOPED_TRACE(zly);
        const TFolderRoboczy folder;
        const TPrzebieg przebieg = Uruchom({"zapisz", folder.Plik("baza.dat"), "1", "0", "0", "0"},
                                           {std::string("GROSIWO_PRZERWIJ=") + zly});
        EXPECT_EQ(przebieg.Zakonczenie.Kod, 5);
        EXPECT_EQ(przebieg.Zgloszenia.count("zatwierdzono"), 0u);
    }
}

}  // namespace
