// Which tables hold unsaved changes, and the stored values of one column.
#include <exception>
#include <utility>

#include "collections/KolekcjeDanych.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "database/ZawartoscKolumny.h"

bool TProjektDB::TabelaZapisana(TTabele tabela) const
{
    if (!fKolekcje)
        return false;
    const TKolekcjeDanych& k = *fKolekcje;
    switch (tabela) {
    case TTabele::Wydatki:
        return !k.ZmienionoINiezapisanoWydatki();
    case TTabele::Przychody:
        return !k.ZmienionoINiezapisanoPrzychody();
    case TTabele::Oszczednosci:
        return !k.ZmienionoINiezapisanoOszczednosci();
    case TTabele::Osoby:
        return !k.ZmienionoINiezapisanoOsoby();
    case TTabele::Kategorie_Wydatki:
        return !k.ZmienionoINiezapisanoKategorieWydatki();
    case TTabele::Kategorie_Przychody:
        return !k.ZmienionoINiezapisanoKategoriePrzychody();
    case TTabele::Kategorie_Oszczednosci:
        return !k.ZmienionoINiezapisanoKategorieOszczednosci();
    case TTabele::HistoriaPrzelewow:
        return !k.ZmienionoINiezapisanoHistoriePrzelewow();
    case TTabele::ZleceniaStaleWydatki:
        return !k.ZmienionoINiezapisanoZleceniaStaleWydatki();
    case TTabele::ZleceniaStalePrzychody:
        return !k.ZmienionoINiezapisanoZleceniaStalePrzychody();
    case TTabele::HistoriaZlecenStalychWydatki:
    case TTabele::HistoriaZlecenStalychPrzychody:
        return !k.ZmienionoINiezapisanoHistorieZlecenStalych();
    case TTabele::StanyOszczednosci:
        return !k.ZmienionoINiezapisanoStanyOszczednosci();
    case TTabele::Plany:
        return !k.ZmienionoINiezapisanoPlany();
    case TTabele::Ograniczenia:
        return !k.ZmienionoINiezapisanoOgraniczenia();
    case TTabele::Lokaty:
        return !k.ZmienionoINiezapisanoLokaty();
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody:
    case TTabele::HarmonogramyLokatBankowych:
        return false;
    }
    return false;
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
        const TKolekcjeDanych& k = *fKolekcje;
        const std::pair<bool, TTabele> kolejnosc[] = {
            {k.ZmienionoINiezapisanoWydatki(), TTabele::Wydatki},
            {k.ZmienionoINiezapisanoPrzychody(), TTabele::Przychody},
            {k.ZmienionoINiezapisanoOszczednosci(), TTabele::Oszczednosci},
            {k.ZmienionoINiezapisanoKategorieWydatki(), TTabele::Kategorie_Wydatki},
            {k.ZmienionoINiezapisanoKategoriePrzychody(), TTabele::Kategorie_Przychody},
            {k.ZmienionoINiezapisanoKategorieOszczednosci(), TTabele::Kategorie_Oszczednosci},
            {k.ZmienionoINiezapisanoOsoby(), TTabele::Osoby},
            {k.ZmienionoINiezapisanoHistoriePrzelewow(), TTabele::HistoriaPrzelewow},
            {k.ZmienionoINiezapisanoStanyOszczednosci(), TTabele::StanyOszczednosci},
            // One flag covers the history of both kinds of order.
            {k.ZmienionoINiezapisanoHistorieZlecenStalych(), TTabele::HistoriaZlecenStalychWydatki},
            {k.ZmienionoINiezapisanoHistorieZlecenStalych(), TTabele::HistoriaZlecenStalychPrzychody},
            {k.ZmienionoINiezapisanoZleceniaStaleWydatki(), TTabele::ZleceniaStaleWydatki},
            {k.ZmienionoINiezapisanoZleceniaStalePrzychody(), TTabele::ZleceniaStalePrzychody},
            {k.ZmienionoINiezapisanoPlany(), TTabele::Plany},
            {k.ZmienionoINiezapisanoOgraniczenia(), TTabele::Ograniczenia},
            {k.ZmienionoINiezapisanoLokaty(), TTabele::Lokaty},
        };
        for (const auto& [zmieniona, tabela] : kolejnosc) {
            if (!zmieniona)
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
