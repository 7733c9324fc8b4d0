#include "database/PlikiDB.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "common/DataCzas.h"
#include "common/Platforma.h"

namespace {

// Linux reports the tracing process's id in /proc/self/status; 0 means no tracer.
bool ProcesPodDebuggerem()
{
    std::ifstream status("/proc/self/status");
    std::string wiersz;
    while (std::getline(status, wiersz)) {
        if (wiersz.rfind("TracerPid:", 0) == 0)
            return wiersz.find_first_not_of(" \t0", 10) != std::string::npos;
    }
    return false;
}

std::string FolderProgramu()
{
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    return DodajKoncowyUkosnik(program.parent_path().string());
}

}  // namespace

TPlikiDB::TPlikiDB(std::string fileDBPath) : fDataFile(std::move(fileDBPath)) {}

std::string TPlikiDB::DataFile() const
{
    if (ProcesPodDebuggerem())
        return FolderProgramu() + "Data/" + "DataFile.dat";
    return fDataFile;
}

std::string TPlikiDB::PobierzNazweTabeli(TTabele tabela) const
{
    switch (tabela) {
    case TTabele::Wydatki: return fTabNameWydatki;
    case TTabele::Przychody: return fTabNamePrzychody;
    case TTabele::Oszczednosci: return fTabNameOszczednosci;
    case TTabele::Osoby: return fTabNameOsoby;
    case TTabele::Kategorie_Wydatki: return fTabNameKategorieWydatkow;
    case TTabele::Kategorie_Przychody: return fTabNameKategoriePrzychodow;
    case TTabele::Kategorie_Oszczednosci: return fTabNameKategorieOszczednosci;
    case TTabele::HistoriaPrzelewow: return fTabNameHistoriaPrzelewowOszczednosci;
    case TTabele::ZleceniaStaleWydatki:
    case TTabele::ZleceniaStalePrzychody: return fTabNameZleceniaStale;
    case TTabele::HistoriaZlecenStalychWydatki:
    case TTabele::HistoriaZlecenStalychPrzychody: return fTabNameHistoriaZlecenStalych;
    case TTabele::StanyOszczednosci: return fTabNameStanOszczednosci;
    case TTabele::Plany: return fTabNamePlany;
    case TTabele::Ograniczenia: return fTabNameOgraniczenia;
    case TTabele::Lokaty: return fTabNameLokaty;
    case TTabele::HarmonogramyLokatBankowych: return fTabNameHarmonogramyLokat;
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody: break;
    }
    return {};
}

std::string TPlikiDB::PobierzCaptionTabeli(TTabele tabela) const
{
    switch (tabela) {
    case TTabele::Wydatki: return fTabCaptionWydatki;
    case TTabele::Przychody: return fTabCaptionPrzychody;
    case TTabele::Oszczednosci: return fTabCaptionOszczednosci;
    case TTabele::Osoby: return fTabCaptionOsoby;
    case TTabele::Kategorie_Wydatki: return fTabCaptionKategorieWydatkow;
    case TTabele::Kategorie_Przychody: return fTabCaptionKategoriePrzychodow;
    case TTabele::Kategorie_Oszczednosci: return fTabCaptionKategorieOszczednosci;
    case TTabele::HistoriaPrzelewow: return fTabCaptionHistoriaPrzelewowOszczednosci;
    case TTabele::ZleceniaStaleWydatki: return fTabCaptionZleceniaStaleWydatki;
    case TTabele::ZleceniaStalePrzychody: return fTabCaptionZleceniaStalePrzychody;
    case TTabele::HistoriaZlecenStalychWydatki: return fTabCaptionHistoriaZleceniaStaleWydatki;
    case TTabele::HistoriaZlecenStalychPrzychody: return fTabCaptionHistoriaZleceniaStalePrzychody;
    case TTabele::StanyOszczednosci: return fTabCaptionStanOszczednosci;
    case TTabele::Plany: return fTabCaptionPlany;
    case TTabele::Ograniczenia: return fTabCaptionOgraniczenia;
    case TTabele::Lokaty: return fTabCaptionLokaty;
    case TTabele::HarmonogramyLokatBankowych: return fTabCaptionHarmonogramyLokat;
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody: break;
    }
    return {};
}

TStringList TPlikiDB::NazwyUzywanychTabel() const
{
    return {fTabCaptionWydatki,
            fTabCaptionPrzychody,
            fTabCaptionOszczednosci,
            fTabCaptionHistoriaPrzelewowOszczednosci,
            fTabCaptionStanOszczednosci,
            fTabCaptionKategorieWydatkow,
            fTabCaptionKategoriePrzychodow,
            fTabCaptionKategorieOszczednosci,
            fTabCaptionOsoby,
            fTabCaptionZleceniaStaleWydatki,
            fTabCaptionZleceniaStalePrzychody,
            fTabCaptionHistoriaZleceniaStaleWydatki,
            fTabCaptionHistoriaZleceniaStalePrzychody,
            fTabCaptionPlany,
            fTabCaptionOgraniczenia,
            fTabCaptionLokaty,
            fTabCaptionHarmonogramyLokat};
}

std::string TPlikiDB::WygenerujNazwePlikuDoExportu(TTabele wyswietlanaTabela,
                                                   const std::string& rozszerzenie) const
{
    std::string podstawa;
    switch (wyswietlanaTabela) {
    case TTabele::Pusta:
    case TTabele::HistoriaPrzelewow: return {};
    // An execution history is exported under the name of its orders.
    case TTabele::HistoriaZlecenStalychWydatki: podstawa = fTabCaptionZleceniaStaleWydatki; break;
    case TTabele::HistoriaZlecenStalychPrzychody: podstawa = fTabCaptionZleceniaStalePrzychody; break;
    case TTabele::PrzychodyIRozchody: podstawa = "Przychody i rozchody"; break;
    default: podstawa = PobierzCaptionTabeli(wyswietlanaTabela); break;
    }
    return podstawa + "_" + FormatujDateCzas("yyyy-MM-dd_hh-mm-ss", Teraz()) + "." + rozszerzenie;
}
