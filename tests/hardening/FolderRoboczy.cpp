#include "FolderRoboczy.h"

#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <system_error>

TFolderRoboczy::TFolderRoboczy()
{
    const std::filesystem::path pamiec("/dev/shm");
    const std::filesystem::path baza =
        std::filesystem::is_directory(pamiec) && access(pamiec.c_str(), W_OK) == 0 ? pamiec
                                                                                   : std::filesystem::temp_directory_path();
    std::string wzor = (baza / "grosiwo-hard-XXXXXX").string();
    if (!mkdtemp(wzor.data()))
        throw std::runtime_error("mkdtemp failed in " + baza.string());
    fSciezka = wzor;
}

TFolderRoboczy::~TFolderRoboczy()
{
    std::error_code blad;
    std::filesystem::remove_all(fSciezka, blad);
}
