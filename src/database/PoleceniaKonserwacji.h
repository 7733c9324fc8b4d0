#pragma once
// SQL texts of the maintenance services: default categories, test persons, test
// transactions and the wiping of every data table.
#include <map>
#include <string>

#include "common/FunkcjeWspolne.h"
#include "database/ProjektDB.h"

// One INSERT per name into an expense or income category table, visible with weight 10.
TStringList PoleceniaDomyslnychKategorii(const std::string& tabela, const TStringList& nazwy);
// One INSERT per entry into the savings category table, with its two flags.
TStringList PoleceniaDomyslnychKategoriiOszczednosci(
    const std::string& tabela, const std::map<std::string, TFlagiKategoriiOszczednosci>& kategorie);
// The two test persons.
TStringList PoleceniaOsobTestowych(const std::string& tabelaOsob);

// One test expense or income (kolumnaKategorii names the table's category column) and one
// test savings entry, without comment; kwota in the SQL amount form, data the SQL
// date-time form.
std::string PolecenieTransakcjiTestowej(const std::string& tabela, const std::string& kolumnaKategorii,
                                        int32_t idKategorii, const std::string& kwota,
                                        int32_t idKategoriiOszczednosci, const std::string& data,
                                        int32_t idOsoby);
std::string PolecenieOszczednosciTestowej(const std::string& tabela, int32_t idKategoriiOszczednosci,
                                          const std::string& kwota, const std::string& data);

// Every row of each table, then each table's key counter, in the order given.
TStringList PoleceniaCzyszczeniaTabel(const TStringList& tabele);
