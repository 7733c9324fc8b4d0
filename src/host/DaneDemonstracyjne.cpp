#include "host/DaneDemonstracyjne.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "collections/KolekcjeDanych.h"
#include "common/Platforma.h"
#include "common/Wyjatki.h"
#include "database/ProjektDB.h"
#include "host/PlanyDemonstracyjne.h"
#include "records/Plan.h"

std::string TDaneDemonstracyjne::WybierzPlik(const std::string& wskazany)
{
    std::error_code ec;
    if (!wskazany.empty() && !std::filesystem::exists(std::filesystem::symlink_status(wskazany, ec)))
        return wskazany;
    std::filesystem::path tymczasowy = std::filesystem::temp_directory_path(ec);
    if (ec)
        tymczasowy = "/tmp";
    std::string wzor = (tymczasowy / "grosiwo-demo-XXXXXX").string();
    if (mkdtemp(wzor.data()) == nullptr)
        throw EGrosiwoException("Nie można utworzyć folderu na dane demonstracyjne w " + tymczasowy.string() +
                                " !!!");
    return (std::filesystem::path(wzor) / "DataFile.dat").string();
}

bool TDaneDemonstracyjne::Wypelnij(TProjektDB& projekt)
{
    TKolekcjeDanych& kolekcje = projekt.Kolekcje();
    if (kolekcje.KolekcjeZawierajaDane() || !kolekcje.Plany().empty())
        return false;
    projekt.WpiszDaneTestowe();

    for (auto& plan : TPlanyDemonstracyjne::Utworz(kolekcje, Teraz()))
        kolekcje.Plany().push_back(std::move(plan));
    kolekcje.SetZmienionoINiezapisanoPlany(true);
    const bool zapisano = projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::Plany).Zatwierdzono;
    projekt.OdswiezZawartoscKolekcji(TTabele::Plany);
    if (!zapisano)
        throw EGrosiwoException("Nie udało się zapisać planów demonstracyjnych w bazie danych !!!");
    return true;
}
