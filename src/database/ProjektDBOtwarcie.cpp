// Building the project database object and opening its data file.
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "collections/KolekcjeDanych.h"
#include "common/FunkcjeWspolne.h"
#include "common/Platforma.h"
#include "common/Wyjatki.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "sqlite/SQLiteTable3.h"

namespace {

const char* const BrakDanychWejsciowych =
    "Nie można nawiązać połączenia z bazą danych. Przekazano błędne dane wejściowe.";
const char* const LokalizacjaTylkoDoOdczytu =
    "Nie można utworzyć i pracować na bazie danych, lokalizacja w której znajdują się pliki z "
    "danymi jest tylko-do-odczytu, baza w tym przypadku nie może poprawnie funkcjonować. "
    "Przenieś program wraz ze wszystkimi plikami w inne miejsce.";

std::string NieMoznaUtworzycFolderu(const std::string& folder)
{
    return "Nie można nawiązać połączenia z bazą danych. Nie znaleziono plików z danymi, próba "
           "ich utworzenia nie powiodła się. Nie można utworzyć folderu " +
           folder +
           " w którym utworzona będzie baza danych !!!\rSprawdź czy masz do tego odpowiednie "
           "uprawnienia lub czy zapis w podanej lokalizacji jest możliwy.";
}

std::string BazaTylkoDoOdczytu(const std::string& plik)
{
    return "Nie można utworzyć i pracować na bazie danych, lokalizacja w której znajdują się "
           "pliki z danymi jest tylko-do-odczytu lub sam plik z danymi może mieć atrybut tylko "
           "do odczytu, baza w tym przypadku nie może poprawnie funkcjonować. Upewnij się "
           "również że żaden inny program nie blokuje do niej dostępu tzn nie używa jej. "
           "Przenieś program wraz ze wszystkimi plikami w inne miejsce lub sprawdź atrybuty "
           "pliku \"" +
           plik + "\".";
}

// The directory part of a path with its trailing separator; empty for a bare file name.
std::string FolderPliku(const std::string& plik)
{
    const size_t separator = plik.find_last_of('/');
    return separator == std::string::npos ? std::string() : plik.substr(0, separator + 1);
}

// Creates the folder and its missing parents. A bare file name lies in the current folder,
// which exists.
void UtworzFolderDanych(const std::string& folder)
{
    if (folder.empty())
        return;
    std::error_code blad;
    if (std::filesystem::is_directory(folder, blad))
        return;
    bool utworzono = false;
    try {
        std::filesystem::create_directories(folder, blad);
        utworzono = !blad && std::filesystem::is_directory(folder, blad);
    } catch (const std::exception& e) {
        throw EGrosiwoException(NieMoznaUtworzycFolderu(folder) + "\r" + e.what());
    }
    if (!utworzono)
        throw EGrosiwoException(NieMoznaUtworzycFolderu(folder));
}

}  // namespace

TProjektDB::TProjektDB(std::unique_ptr<TPlikiDB> inDBFile)
{
    UstawFormatyDanych();
    UtworzListyDomyslnychKategorii();
    fPokazujLokatyWOszczednosciach = false;
    fKolekcje = std::make_unique<TKolekcjeDanych>();
    fAnaliza = UtworzAnalize(fKolekcje.get());
    ZresetujStan();
    fPlikiDB = std::move(inDBFile);
    PolaczZBaza(fPlikiDB.get());
}

void TProjektDB::PolaczZBaza(const TPlikiDB* db)
{
    if (!db)
        throw EGrosiwoException(BrakDanychWejsciowych);
    const std::string plik = db->DataFile();

    UtworzFolderDanych(FolderPliku(plik));

    fReadOnlyMode = TestZapisuWLokalizacji(plik);
    if (fReadOnlyMode)
        throw EGrosiwoException(LokalizacjaTylkoDoOdczytu);

    UtworzPolaczenie(*db);

    try {
        fReadOnlyMode = TestZapisuDoBazy();
    } catch (const std::exception& e) {
        fReadOnlyMode = true;
        throw EGrosiwoException(BazaTylkoDoOdczytu(plik) + "\r" + e.what());
    }
    if (fReadOnlyMode)
        throw EGrosiwoException(BazaTylkoDoOdczytu(plik));

    UtworzTabele();
    UtworzWidoki();
    WczytajDaneZTabelDoKolekcji(TTabele::Pusta);
}

bool TProjektDB::TestZapisuWLokalizacji(const std::string& sciezka) const
{
    try {
        const std::string probka =
            sciezka + "test" + FormatujDateCzas("yyyy.MM.dd.hh.mm", Teraz()) + ".txt";
        std::ofstream plik(probka, std::ios::out | std::ios::trunc);
        // Only a file this probe created may be deleted.
        if (!plik.is_open())
            return true;
        plik << "DANE\n";
        plik.close();
        const bool zapisano = !plik.fail();
        std::error_code blad;
        const bool usunieto = std::filesystem::remove(probka, blad);
        return !zapisano || !usunieto;
    } catch (const std::exception&) {
        return true;
    }
}

bool TProjektDB::TestZapisuDoBazy()
{
    std::vector<std::string> proba{"DROP TABLE IF EXISTS \"Grosiwo_test\";",
                                   "CREATE TABLE IF NOT EXISTS \"Grosiwo_test\" (\"n\" INTEGER);",
                                   "DROP TABLE IF EXISTS \"Grosiwo_test\";"};
    try {
        return !WykonajListePolecenSQL(std::move(proba), false);
    } catch (const std::exception& e) {
        throw EGrosiwoException(e.what());
    }
}
