// A time-stamped copy of the data file, made at the file-system level.
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include "collections/KolekcjeDanych.h"
#include "common/FunkcjeWspolne.h"
#include "common/Platforma.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"

namespace fs = std::filesystem;

namespace {

// A folder text as the file system takes it: without its trailing separator, and the
// current folder for the empty text (where a bare data file name lies).
fs::path SciezkaFolderu(const std::string& folder)
{
    return folder.empty() ? fs::path(".") : fs::path(UsunKoncowyUkosnik(folder));
}

// The message why the folder is missing, or empty once it exists.
std::string UtworzFolderKopii(const std::string& folder)
{
    const fs::path sciezka = SciezkaFolderu(folder);
    std::error_code blad;
    if (fs::is_directory(sciezka, blad))
        return {};
    const std::string komunikat =
        "Folder, w którym tworzona będzie kopia bazy danych nie istnieje !!!\rFolder ten to: " + folder;
    try {
        fs::create_directories(sciezka);
    } catch (const std::exception& e) {
        return komunikat + "\r" + e.what();
    }
    return fs::is_directory(sciezka, blad) ? std::string() : komunikat;
}

// "DataFile.dat" at 14:05 on 1 March 2013 -> "DataFile 2013.03.01 14.05.dat".
std::string NazwaKopii(const fs::path& plikDanych)
{
    return plikDanych.stem().string() + " " + FormatujDateCzas("yyyy.MM.dd hh.nn", Teraz()) +
           plikDanych.extension().string();
}

std::string KopiaNieudana()
{
    return "Nie udało się utworzyć kopii bazy danych, nie masz do tego odpowiednich uprawnień. "
           "Upewnij się że program " +
           TPlatforma::Aplikacja().TytulAplikacji() + " " + "został uruchomiony z prawami administratora !!!";
}

}  // namespace

std::string TProjektDB::UtworzKopieBazyDanych(const std::string& folderKopiiBazyDanych) const
{
    try {
        const fs::path plikDanych = fPlikiDB ? fs::path(fPlikiDB->DataFile()) : fs::path();
        std::error_code blad;
        if (plikDanych.empty() || !fs::is_regular_file(plikDanych, blad))
            return "Plik bazy danych nie istnieje, kopia nie została utworzona !!!";

        const std::string folder = DodajKoncowyUkosnik(
            CzyPustyTekst(folderKopiiBazyDanych) ? plikDanych.parent_path().string() : folderKopiiBazyDanych);

        if (std::string komunikat = UtworzFolderKopii(folder); !komunikat.empty())
            return komunikat;

        if (TestZapisuWLokalizacji(folder))
            return "Nie masz uprawnień do zapisu w folderze, w którym tworzona będzie kopia bazy danych "
                   "!!!\rFolder ten to: " +
                   folder;

        if (!fKolekcje || !fKolekcje->KolekcjeZawierajaDane())
            return "Baza danych jest pusta, kopia nie została utworzona !!!";

        const std::string cel = folder + NazwaKopii(plikDanych);
        // Byte for byte: the connection commits every batch, so the file holds all saved data.
        if (!fs::copy_file(plikDanych, cel, fs::copy_options::overwrite_existing))
            return KopiaNieudana();
        return "Plik bazy danych został skopiowany !!!\r\nKopia znajduje się w następującej "
               "lokalizacji:\r\n" +
               cel;
    } catch (const std::exception& e) {
        // The checks above do not raise; what does is the naming or the copy itself.
        return KopiaNieudana() + "\r" + e.what();
    }
}
