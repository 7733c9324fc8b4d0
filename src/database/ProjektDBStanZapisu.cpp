// Which tables hold unsaved changes, and the stored values of one column.
#include <exception>

#include "collections/KolekcjeDanych.h"
#include "database/FlagiZmian.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "database/ZawartoscKolumny.h"

bool TProjektDB::TabelaZapisana(TTabele tabela) const
{
    // The offers have no flag of their own (they share the deposits'): never reported saved.
    if (!fKolekcje || tabela == TTabele::Pusta || tabela == TTabele::PrzychodyIRozchody ||
        tabela == TTabele::HarmonogramyLokatBankowych)
        return false;
    return !MaNiezapisaneZmiany(*fKolekcje, tabela);
}

bool TProjektDB::TabeleZKategoriamiZapisane() const
{
    if (!fKolekcje)
        return true;
    const TKolekcjeDanych& k = *fKolekcje;
    return !k.ZmienionoINiezapisanoKategorieWydatki() && !k.ZmienionoINiezapisanoKategoriePrzychody() &&
           !k.ZmienionoINiezapisanoKategorieOszczednosci() && !k.ZmienionoINiezapisanoOsoby();
}

bool TProjektDB::TabeleZapisane() const
{
    if (!fKolekcje)
        return true;
    const TKolekcjeDanych& k = *fKolekcje;
    return TabeleZKategoriamiZapisane() && !k.ZmienionoINiezapisanoWydatki() && !k.ZmienionoINiezapisanoPrzychody() &&
           !k.ZmienionoINiezapisanoOszczednosci() && !k.ZmienionoINiezapisanoHistoriePrzelewow() &&
           !k.ZmienionoINiezapisanoZleceniaStaleWydatki() && !k.ZmienionoINiezapisanoZleceniaStalePrzychody() &&
           !k.ZmienionoINiezapisanoHistorieZlecenStalych();
}

std::string TProjektDB::EtykietyNiezapisanychTabel() const
{
    std::string etykiety;
    if (fKolekcje && fPlikiDB) {
        // One flag covers the history of both kinds of order: both captions are listed.
        static constexpr TTabele kolejnosc[] = {
            TTabele::Wydatki,
            TTabele::Przychody,
            TTabele::Oszczednosci,
            TTabele::Kategorie_Wydatki,
            TTabele::Kategorie_Przychody,
            TTabele::Kategorie_Oszczednosci,
            TTabele::Osoby,
            TTabele::HistoriaPrzelewow,
            TTabele::StanyOszczednosci,
            TTabele::HistoriaZlecenStalychWydatki,
            TTabele::HistoriaZlecenStalychPrzychody,
            TTabele::ZleceniaStaleWydatki,
            TTabele::ZleceniaStalePrzychody,
            TTabele::Plany,
            TTabele::Ograniczenia,
            TTabele::Lokaty,
        };
        for (const TTabele tabela : kolejnosc) {
            if (!MaNiezapisaneZmiany(*fKolekcje, tabela))
                continue;
            if (!etykiety.empty())
                etykiety += ", ";
            etykiety += fPlikiDB->PobierzCaptionTabeli(tabela);
        }
    }
    return etykiety.empty() ? std::string("(wszystkie tabele zapisane)") : etykiety;
}

std::unique_ptr<TStringList> TProjektDB::PobierzZawartoscKolumny(TTabele tabela,
                                                                const std::string& nazwaKolumny) const
{
    if (!fDataBase || !fPlikiDB)
        return nullptr;
    try {
        return std::make_unique<TStringList>(
            ::PobierzZawartoscKolumny(*fDataBase, fPlikiDB->PobierzNazweTabeli(tabela), nazwaKolumny));
    } catch (const std::exception&) {
        // A table or column that does not exist: no suggestions, and nothing to report.
        return nullptr;
    }
}
