#include "database/ProjektDB.h"

#include <exception>
#include <utility>

#include "collections/KolekcjeDanych.h"
#include "common/Wyjatki.h"
#include "database/PlikiDB.h"
#include "database/ZapisTabeli.h"

TProjektDB::TWynikZapisu TProjektDB::ZapiszZawartoscKolekcjiDoBazy(TTabele tabela)
{
    const std::string caption = fPlikiDB ? fPlikiDB->PobierzCaptionTabeli(tabela) : std::string();
    try {
        TWynikZapisu wynik;
        if (!fKolekcje || !fPlikiDB)
            return wynik;
        TPaczkaZapisu paczka = TZapisTabeli(*fKolekcje, *fPlikiDB, tabela).Zbuduj();
        if (!paczka.Polecenia.empty())
            wynik.Zatwierdzono = WykonajListePolecenSQL(std::move(paczka.Polecenia), true);
        if (paczka.Slownik) {
            // After a rolled-back batch the new rows do not exist, so nothing may be
            // rewritten to whatever rows carry their descriptions.
            if (std::map<int32_t, std::string>* slownik = SlownikZapisu(tabela))
                *slownik = wynik.Zatwierdzono ? std::move(*paczka.Slownik) : TSlownikZapisu();
        }
        if (paczka.OdswiezStanOszczednosci)
            AktualizujStanOszczednosci();
        wynik.Komunikaty = std::move(paczka.Komunikaty);
        return wynik;
    } catch (const std::exception& e) {
        throw EGrosiwoException("Nie udało się zapisać zawartości tabeli \"" + caption +
                                "\" !!!\rPRZYCZYNA BŁĘDU:\r" + e.what());
    }
}

std::map<int32_t, std::string>* TProjektDB::SlownikZapisu(TTabele tabela)
{
    switch (tabela) {
    case TTabele::Kategorie_Wydatki:
        return &fZapisKategoriWydatkow;
    case TTabele::Kategorie_Przychody:
        return &fZapisKategoriPrzychodow;
    case TTabele::Kategorie_Oszczednosci:
        return &fZapisKategoriOszczednosci;
    case TTabele::Osoby:
        return &fZapisOsob;
    default:
        return nullptr;
    }
}
