#include "database/PlikiDB.h"

#include <gtest/gtest.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "common/DataCzas.h"
#include "support/TestPlatforma.h"

namespace {

struct TWpisRejestru {
    TTabele Tabela;
    const char* Nazwa;
    const char* Caption;
};

const TWpisRejestru WpisyRejestru[] = {
    {TTabele::Wydatki, "Wydatki", "Wydatki"},
    {TTabele::Przychody, "Przychody", "Przychody"},
    {TTabele::Oszczednosci, "Oszczednosci", "Oszczędności"},
    {TTabele::Osoby, "Osoby", "Osoby"},
    {TTabele::Kategorie_Wydatki, "KategorieWydatkow", "Kategorie wydatków"},
    {TTabele::Kategorie_Przychody, "KategoriePrzychodow", "Kategorie przychodów"},
    {TTabele::Kategorie_Oszczednosci, "KategorieOszczednosci", "Kategorie oszczędności"},
    {TTabele::Pusta, "", ""},
    {TTabele::HistoriaPrzelewow, "HistoriaPrzelewow", "Historia przelewów oszczędności"},
    {TTabele::ZleceniaStaleWydatki, "ZleceniaStale", "Zlecenia stałe - wydatki"},
    {TTabele::ZleceniaStalePrzychody, "ZleceniaStale", "Zlecenia stałe - przychody"},
    {TTabele::HistoriaZlecenStalychWydatki, "HistoriaZlecenStalych", "Historia zleceń stałych - wydatki"},
    {TTabele::HistoriaZlecenStalychPrzychody, "HistoriaZlecenStalych", "Historia zleceń stałych - przychody"},
    {TTabele::StanyOszczednosci, "StanOszczednosci", "Stany oszczędności"},
    {TTabele::PrzychodyIRozchody, "", ""},
    {TTabele::Plany, "Plany", "Plany"},
    {TTabele::Ograniczenia, "Ograniczenia", "Ograniczenia"},
    {TTabele::Lokaty, "Lokaty", "Lokaty"},
    {TTabele::HarmonogramyLokatBankowych, "HarmonogramyLokat", "Lokaty bankowe"},
};

TEST(PlikiDB, NazwyICaptionyKazdejTabeli)
{
    const TPlikiDB pliki("/dane/baza.dat");
    for (const TWpisRejestru& wpis : WpisyRejestru) {
        SCOPED_TRACE(static_cast<int>(wpis.Tabela));
        EXPECT_EQ(pliki.PobierzNazweTabeli(wpis.Tabela), wpis.Nazwa);
        EXPECT_EQ(pliki.PobierzCaptionTabeli(wpis.Tabela), wpis.Caption);
    }
    EXPECT_EQ(pliki.DataFile(), "/dane/baza.dat");
}

TEST(PlikiDB, NazwyUzywanychTabelWKolejnosciAplikacji)
{
    const TStringList oczekiwane{
        "Wydatki", "Przychody", "Oszczędności", "Historia przelewów oszczędności",
        "Stany oszczędności", "Kategorie wydatków", "Kategorie przychodów",
        "Kategorie oszczędności", "Osoby", "Zlecenia stałe - wydatki",
        "Zlecenia stałe - przychody", "Historia zleceń stałych - wydatki",
        "Historia zleceń stałych - przychody", "Plany", "Ograniczenia", "Lokaty",
        "Lokaty bankowe"};
    EXPECT_EQ(TPlikiDB("baza.dat").NazwyUzywanychTabel(), oczekiwane);
}

TEST(PlikiDB, NazwaPlikuDoExportu)
{
    TUstawionyZegar zegar(KodujDateCzas(2013, 3, 1, 14, 5, 9));
    const TPlikiDB pliki("baza.dat");
    const struct {
        TTabele Tabela;
        const char* Rozszerzenie;
        const char* Nazwa;
    } przypadki[] = {
        {TTabele::Plany, "csv", "Plany_2013-03-01_14-05-09.csv"},
        {TTabele::Oszczednosci, "xls", "Oszczędności_2013-03-01_14-05-09.xls"},
        // The histories of standing orders are exported under the orders' captions.
        {TTabele::HistoriaZlecenStalychPrzychody, "csv", "Zlecenia stałe - przychody_2013-03-01_14-05-09.csv"},
        {TTabele::HistoriaZlecenStalychWydatki, "csv", "Zlecenia stałe - wydatki_2013-03-01_14-05-09.csv"},
        {TTabele::PrzychodyIRozchody, "txt", "Przychody i rozchody_2013-03-01_14-05-09.txt"},
        {TTabele::HarmonogramyLokatBankowych, "csv", "Lokaty bankowe_2013-03-01_14-05-09.csv"},
        {TTabele::HistoriaPrzelewow, "csv", ""},
        {TTabele::Pusta, "csv", ""},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(pliki.WygenerujNazwePlikuDoExportu(p.Tabela, p.Rozszerzenie), p.Nazwa);
}

// Under a debugger the data file is the development one next to the executable. A forked
// child asks its parent to trace it, which is what a debugger does.
TEST(PlikiDB, PodDebuggeremPlikDanychObokProgramu)
{
    int rura[2];
    ASSERT_EQ(pipe(rura), 0);
    const pid_t dziecko = fork();
    ASSERT_GE(dziecko, 0);
    if (dziecko == 0) {
        close(rura[0]);
        std::string wynik = "-";
        if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) == 0)
            wynik = TPlikiDB("/dane/baza.dat").DataFile();
        [[maybe_unused]] const auto zapisano = write(rura[1], wynik.data(), wynik.size());
        _exit(0);
    }
    close(rura[1]);
    std::string wynik;
    char bufor[512];
    ssize_t ile;
    while ((ile = read(rura[0], bufor, sizeof bufor)) > 0)
        wynik.append(bufor, static_cast<size_t>(ile));
    close(rura[0]);
    int status = 0;
    waitpid(dziecko, &status, 0);
    if (wynik == "-")
        GTEST_SKIP() << "ptrace(PTRACE_TRACEME) is not permitted on this machine";
    const std::string folder = std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
    EXPECT_EQ(wynik, folder + "/Data/DataFile.dat");
}

}  // namespace
