#include "database/ProjektDB.h"

#include <exception>
#include <utility>

#include "collections/KolekcjeDanych.h"
#include "common/Wyjatki.h"
#include "database/PlikiDB.h"
#include "database/WykonywaniePolecen.h"
#include "sqlite/SQLiteTable3.h"

// The members are released in reverse order of declaration: the statistics, then the
// collections they read, then the connection (which rolls back an open transaction).
TProjektDB::~TProjektDB() = default;

void TProjektDB::ZresetujStan()
{
    fWyswietlanaTabela = TTabele::Pusta;
    if (fKolekcje)
        fKolekcje->Clear();
    fZapisKategoriWydatkow.clear();
    fZapisKategoriPrzychodow.clear();
    fZapisKategoriOszczednosci.clear();
    fZapisOsob.clear();
}

void TProjektDB::UtworzPolaczenie(const TPlikiDB& db)
{
    try {
        fDataBase = std::make_unique<TSQLiteDatabase>(db.DataFile());
    } catch (const std::exception& e) {
        throw EGrosiwoException(e.what());
    }
}

bool TProjektDB::WykonajListePolecenSQL(std::vector<std::string> polecenia, bool wyczyscParametry)
{
    if (!fDataBase)
        throw EGrosiwoException("Brak połączenia z bazą danych.");
    return WykonajPaczkePolecen(*fDataBase, std::move(polecenia), wyczyscParametry);
}

bool TProjektDB::WykonajPolecenieSQL(std::string polecenie, bool wyczyscParametry)
{
    std::vector<std::string> lista;
    lista.push_back(std::move(polecenie));
    return WykonajListePolecenSQL(std::move(lista), wyczyscParametry);
}
