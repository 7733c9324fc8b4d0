#include "database/SchematBazy.h"

#include <string_view>
#include <utility>

#include "common/Wyjatki.h"
#include "database/PlikiDB.h"

namespace {

// Replaces every "{Name}" with the registry's name of that table.
std::string WstawNazwy(std::string_view szablon, const TPlikiDB& pliki)
{
    const std::pair<std::string_view, const std::string&> nazwy[] = {
        {"Wydatki", pliki.TabNameWydatki()},
        {"Przychody", pliki.TabNamePrzychody()},
        {"Oszczednosci", pliki.TabNameOszczednosci()},
        {"KategorieWydatkow", pliki.TabNameKategorieWydatkow()},
        {"KategoriePrzychodow", pliki.TabNameKategoriePrzychodow()},
        {"KategorieOszczednosci", pliki.TabNameKategorieOszczednosci()},
        {"Osoby", pliki.TabNameOsoby()},
        {"HistoriaPrzelewow", pliki.TabNameHistoriaPrzelewowOszczednosci()},
        {"ZleceniaStale", pliki.TabNameZleceniaStale()},
        {"HistoriaZlecenStalych", pliki.TabNameHistoriaZlecenStalych()},
        {"StanOszczednosci", pliki.TabNameStanOszczednosci()},
        {"Plany", pliki.TabNamePlany()},
        {"Ograniczenia", pliki.TabNameOgraniczenia()},
        {"Lokaty", pliki.TabNameLokaty()},
        {"HarmonogramyLokat", pliki.TabNameHarmonogramyLokat()},
    };
    std::string wynik;
    wynik.reserve(szablon.size());
    size_t pozycja = 0;
    while (pozycja < szablon.size()) {
        const size_t otwarcie = szablon.find('{', pozycja);
        if (otwarcie == std::string_view::npos) {
            wynik.append(szablon.substr(pozycja));
            break;
        }
        const size_t zamkniecie = szablon.find('}', otwarcie);
        const std::string_view klucz = szablon.substr(otwarcie + 1, zamkniecie - otwarcie - 1);
        const std::string* nazwa = nullptr;
        for (const auto& [k, v] : nazwy)
            if (k == klucz)
                nazwa = &v;
        // A template is code, so an unknown name is a programming error.
        if (zamkniecie == std::string_view::npos || !nazwa)
            throw EGrosiwoException("Nieznana tabela w szablonie polecenia: " + std::string(klucz));
        wynik.append(szablon.substr(pozycja, otwarcie - pozycja)).append(*nazwa);
        pozycja = zamkniecie + 1;
    }
    return wynik;
}

}  // namespace

TPoleceniaSchematu::TPoleceniaSchematu(const TPlikiDB& pliki)
{
    const auto n = [&pliki](std::string_view szablon) { return WstawNazwy(szablon, pliki); };

    KategorieWydatkow = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{KategorieWydatkow}" ("Id" INTEGER  PRIMARY KEY  )sql"
        R"sql(AUTOINCREMENT  NOT NULL  UNIQUE , "Opis" VARCHAR NOT NULL , "Usuniety" BOOL NOT )sql"
        R"sql(NULL , "Waga" INTEGER NOT NULL , CONSTRAINT "u_KW" UNIQUE ("Id" ASC) );)sql");
    IndeksKategorieWydatkow = n(
        R"sql(CREATE UNIQUE INDEX IF NOT EXISTS "index_{KategorieWydatkow}" ON )sql"
        R"sql("{KategorieWydatkow}"("Id");)sql");
    KategoriePrzychodow = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{KategoriePrzychodow}" ("Id" INTEGER  PRIMARY KEY  )sql"
        R"sql(AUTOINCREMENT  NOT NULL  UNIQUE , "Opis" VARCHAR NOT NULL , "Usuniety" BOOL NOT )sql"
        R"sql(NULL , "Waga" INTEGER NOT NULL);)sql");
    IndeksKategoriePrzychodow = n(
        R"sql(CREATE UNIQUE INDEX IF NOT EXISTS "index_{KategoriePrzychodow}" ON )sql"
        R"sql("{KategoriePrzychodow}"("Id");)sql");
    KategorieOszczednosci = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{KategorieOszczednosci}" ("Id" INTEGER  PRIMARY KEY  )sql"
        R"sql(AUTOINCREMENT  NOT NULL  UNIQUE , "Opis" VARCHAR NOT NULL , "Usuniety" BOOL NOT )sql"
        R"sql(NULL , "MoznaZaplacic" BOOL NOT NULL , "Dlug" BOOL NOT NULL , "Waga" INTEGER NOT )sql"
        R"sql(NULL);)sql");
    IndeksKategorieOszczednosci = n(
        R"sql(CREATE UNIQUE INDEX IF NOT EXISTS "index_{KategorieOszczednosci}" ON )sql"
        R"sql("{KategorieOszczednosci}"("Id");)sql");
    Osoby = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{Osoby}" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  )sql"
        R"sql(NOT NULL  UNIQUE , "Imie" VARCHAR NOT NULL, "Nazwisko" VARCHAR NOT NULL, )sql"
        R"sql("Pseudonim" VARCHAR, "Adres" VARCHAR, "Telefon" VARCHAR, "Usuniety" BOOL NOT NULL )sql"
        R"sql(DEFAULT 0, "Waga" INTEGER NOT NULL);)sql");
    IndeksOsoby = n(R"sql(CREATE UNIQUE INDEX IF NOT EXISTS "index_{Osoby}" ON "{Osoby}"("Id");)sql");
    Wydatki = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{Wydatki}" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  )sql"
        R"sql(NOT NULL  UNIQUE , "IdKategoriaWydatki" INTEGER NOT NULL , "Ile" REAL NOT NULL , )sql"
        R"sql("IdKategoriaOszczednosci" INTEGER NOT NULL , "Data" DATETIME NOT NULL , "IdOsoba" )sql"
        R"sql(INTEGER NOT NULL , "Komentarz" TEXT , "ZlecenieStale" BOOL NOT NULL DEFAULT 0 , )sql"
        R"sql("Zalacznik" TEXT DEFAULT NULL , CONSTRAINT "Id_KW" FOREIGN )sql"
        R"sql(KEY("IdKategoriaWydatki") REFERENCES "{KategorieWydatkow}"("Id"), CONSTRAINT )sql"
        R"sql("Id_KO" FOREIGN KEY("IdKategoriaOszczednosci") REFERENCES )sql"
        R"sql("{KategorieOszczednosci}"("Id"), CONSTRAINT "Id_O" FOREIGN KEY("IdOsoba") )sql"
        R"sql(REFERENCES "{Osoby}"("Id") );)sql");
    Przychody = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{Przychody}" ("Id" INTEGER  PRIMARY KEY  )sql"
        R"sql(AUTOINCREMENT  NOT NULL  UNIQUE , "IdKategoriaPrzychody" INTEGER NOT NULL , "Ile" )sql"
        R"sql(REAL NOT NULL , "IdKategoriaOszczednosci" INTEGER NOT NULL , "Data" DATETIME NOT )sql"
        R"sql(NULL , "IdOsoba" INTEGER NOT NULL , "Komentarz" TEXT , "ZlecenieStale" BOOL NOT )sql"
        R"sql(NULL DEFAULT 0 , CONSTRAINT "Id_KP" FOREIGN KEY("IdKategoriaPrzychody") )sql"
        R"sql(REFERENCES "{KategoriePrzychodow}"("Id"), CONSTRAINT "Id_KO" FOREIGN )sql"
        R"sql(KEY("IdKategoriaOszczednosci") REFERENCES "{KategorieOszczednosci}"("Id"), )sql"
        R"sql(CONSTRAINT "Id_O" FOREIGN KEY("IdOsoba") REFERENCES "{Osoby}"("Id") );)sql");
    Oszczednosci = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{Oszczednosci}" ("Id" INTEGER  PRIMARY KEY  )sql"
        R"sql(AUTOINCREMENT  NOT NULL  UNIQUE , "IdKategoriaOszczednosci" INTEGER NOT NULL , )sql"
        R"sql("Ile" REAL NOT NULL , "Data" DATETIME NOT NULL , "Komentarz" TEXT , )sql"
        R"sql("TypOszczednosci" INTEGER NOT NULL DEFAULT 1, CONSTRAINT "Id_KO" FOREIGN )sql"
        R"sql(KEY("IdKategoriaOszczednosci") REFERENCES "{KategorieOszczednosci}"("Id") );)sql");
    HistoriaPrzelewow = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{HistoriaPrzelewow}" ("Id" INTEGER  PRIMARY KEY  )sql"
        R"sql(AUTOINCREMENT  NOT NULL  UNIQUE , "Ile" REAL NOT NULL , )sql"
        R"sql("IdKategoriaOszczednosciFrom" INTEGER NOT NULL , "IdKategoriaOszczednosciTo" )sql"
        R"sql(INTEGER NOT NULL , "Data" DATETIME NOT NULL , "Komentarz" TEXT , CONSTRAINT )sql"
        R"sql("u_HP" UNIQUE ("Id" ASC), CONSTRAINT "Id_KWF" FOREIGN )sql"
        R"sql(KEY("IdKategoriaOszczednosciFrom") REFERENCES "{KategorieOszczednosci}"("Id"), )sql"
        R"sql(CONSTRAINT "Id_KWT" FOREIGN KEY("IdKategoriaOszczednosciTo") REFERENCES )sql"
        R"sql("{KategorieOszczednosci}"("Id") );)sql");
    ZleceniaStale = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{ZleceniaStale}" ("Id" INTEGER  PRIMARY KEY  )sql"
        R"sql(AUTOINCREMENT  NOT NULL  UNIQUE , "IdKategorii" INTEGER NOT NULL , )sql"
        R"sql("IdOszczednosci" INTEGER NOT NULL , "Nazwa" TEXT NOT NULL , "Kwota" REAL NOT NULL )sql"
        R"sql(, "Czestotliwosc" INTEGER NOT NULL , "TypZleceniaStalego" INTEGER NOT NULL , )sql"
        R"sql("Data" DATETIME NOT NULL , "Aktywne" BOOL NOT NULL , CONSTRAINT "u_ZS" UNIQUE )sql"
        R"sql(("Id" ASC), CONSTRAINT "Id_KOZS" FOREIGN KEY("IdOszczednosci") REFERENCES )sql"
        R"sql("{Oszczednosci}"("Id"), CONSTRAINT "Id_CZS" FOREIGN KEY("Czestotliwosc") )sql"
        R"sql(REFERENCES "Czestotliwosci"("Id"));)sql");
    HistoriaZlecenStalych = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{HistoriaZlecenStalych}" ("Id" INTEGER  PRIMARY KEY  )sql"
        R"sql(AUTOINCREMENT  NOT NULL  UNIQUE , "IdKategorii" INTEGER NOT NULL , )sql"
        R"sql("IdZleceniaStalego" INTEGER NOT NULL , "IdOszczednosci" INTEGER NOT NULL , )sql"
        R"sql("Kwota" REAL NOT NULL , "Czestotliwosc" INTEGER NOT NULL , "TypZleceniaStalego" )sql"
        R"sql(INTEGER NOT NULL , "Data" DATETIME NOT NULL , "Komentarz" TEXT , "IdOsoba" )sql"
        R"sql(INTEGER NOT NULL , CONSTRAINT "u_HZS" UNIQUE ("Id" ASC) CONSTRAINT "Id_HZS" )sql"
        R"sql(FOREIGN KEY("IdZleceniaStalego") REFERENCES "{ZleceniaStale}"("Id"), CONSTRAINT )sql"
        R"sql("Id_HZSU" FOREIGN KEY("IdOsoba") REFERENCES "{Osoby}"("Id"), CONSTRAINT )sql"
        R"sql("Id_HZSKO" FOREIGN KEY("IdOszczednosci") REFERENCES "{Oszczednosci}"("Id"), )sql"
        R"sql(CONSTRAINT "Id_CZS" FOREIGN KEY("Czestotliwosc") REFERENCES )sql"
        R"sql("Czestotliwosci"("Id"));)sql");
    Czestotliwosci = n(
        R"sql(CREATE TABLE IF NOT EXISTS "Czestotliwosci" ("Id" INTEGER  PRIMARY KEY  NOT NULL  )sql"
        R"sql(UNIQUE , "Opis" TEXT);)sql");
    StanOszczednosci = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{StanOszczednosci}" ("Id" INTEGER  PRIMARY KEY  )sql"
        R"sql(AUTOINCREMENT  NOT NULL  UNIQUE , "Stan" REAL NOT NULL DEFAULT 0, "Data" DATETIME )sql"
        R"sql(NOT NULL DEFAULT (datetime('now','localtime')));)sql");
    Plany = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{Plany}" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  )sql"
        R"sql(NOT NULL  UNIQUE , "Nazwa" TEXT NOT NULL , "Kwota" REAL NOT NULL DEFAULT 0, )sql"
        R"sql("IdKategorii" INTEGER NOT NULL , "Wykonany" BOOL NOT NULL DEFAULT 0, )sql"
        R"sql("DodanyDoKolekcji" BOOL NOT NULL DEFAULT 0, "TypPlanu" INTEGER NOT NULL , "Data" )sql"
        R"sql(DATETIME NOT NULL DEFAULT (datetime('now','localtime')) ,"Komentarz" TEXT);)sql");
    Ograniczenia = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{Ograniczenia}" ("Id" INTEGER  PRIMARY KEY  )sql"
        R"sql(AUTOINCREMENT  NOT NULL  UNIQUE , "IdKategoriiWydatku" INTEGER NOT NULL , )sql"
        R"sql("MaxMiesiac" REAL NOT NULL DEFAULT 0, "MaxRok" REAL NOT NULL DEFAULT 0, )sql"
        R"sql("RokOgraniczenia" INTEGER NOT NULL , "Data" DATETIME NOT NULL , CONSTRAINT )sql"
        R"sql("u_OGR" UNIQUE ("Id" ASC), CONSTRAINT "Id_KWOGR" FOREIGN )sql"
        R"sql(KEY("IdKategoriiWydatku") REFERENCES "{KategorieWydatkow}"("Id"));)sql");
    Lokaty = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{Lokaty}" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  )sql"
        R"sql(NOT NULL  UNIQUE , "Nazwa" TEXT NOT NULL , "Kwota" REAL NOT NULL DEFAULT 0 , )sql"
        R"sql("DataRozpoczecia" DATETIME NOT NULL , "OkresLokaty" INTEGER NOT NULL DEFAULT 0 , )sql"
        R"sql("JednostkaLokaty" INTEGER NOT NULL DEFAULT -1 , "IdHarmonogramLokaty" INTEGER NOT )sql"
        R"sql(NULL DEFAULT -1 , "Aktywna" INTEGER NOT NULL DEFAULT 0 , CONSTRAINT "Id_LOK" )sql"
        R"sql(FOREIGN KEY("IdHarmonogramLokaty") REFERENCES "{HarmonogramyLokat}"("Id"));)sql");
    HarmonogramyLokat = n(
        R"sql(CREATE TABLE IF NOT EXISTS "{HarmonogramyLokat}" ("Id" INTEGER  PRIMARY KEY  )sql"
        R"sql(AUTOINCREMENT  NOT NULL  UNIQUE , "Bank" TEXT NOT NULL , "Nazwa" TEXT NOT NULL , )sql"
        R"sql("OkresDepozytu" INTEGER NOT NULL , "JednostkaDepozytu" INTEGER NOT NULL , )sql"
        R"sql("OprocentowanieStaleWCalymOkresieLokaty" BOOL NOT NULL , )sql"
        R"sql("OprocentowanieWSkaliRoku" REAL NOT NULL , "Kapitalizacja" INTEGER NOT NULL , )sql"
        R"sql("KwotaMinimalna" REAL NOT NULL DEFAULT 0 , "KwotaMaksymalna" REAL NOT NULL )sql"
        R"sql(DEFAULT 0 , "WymaganeKontoOsobisteWTymBanku" BOOL NOT NULL , )sql"
        R"sql("MozliwoscWczesniejszegoZerwaniaLokaty" BOOL NOT NULL , )sql"
        R"sql("WarunkiWczesniejszegoZerwaniaLokaty" TEXT , "PozostaleInformacje" TEXT , )sql"
        R"sql("HarmonogramDodanyPrzezUzytkownika" BOOL NOT NULL , "DataDodania" DATETIME NOT )sql"
        R"sql(NULL DEFAULT (datetime('now','localtime')));)sql");
    Widoki = {
        n(R"sql(CREATE VIEW IF NOT EXISTS "vWydatki" AS SELECT {Wydatki}.Id, {Wydatki}.Ile AS )sql"
          R"sql("Kwota", {KategorieWydatkow}.Opis AS "Na co", {KategorieOszczednosci}.Opis AS )sql"
          R"sql("Czym zapłacono", {Wydatki}.Data AS "Kiedy", {Osoby}.Imie || " " || )sql"
          R"sql({Osoby}.Nazwisko AS "Kto", {Wydatki}.Komentarz, {Wydatki}.ZlecenieStale FROM )sql"
          R"sql("{Wydatki}" INNER JOIN "{KategorieWydatkow}" ON {Wydatki}.IdKategoriaWydatki = )sql"
          R"sql({KategorieWydatkow}.Id INNER JOIN "{KategorieOszczednosci}" ON )sql"
          R"sql({Wydatki}.IdKategoriaOszczednosci = {KategorieOszczednosci}.Id INNER JOIN )sql"
          R"sql("{Osoby}" ON {Wydatki}.IdOsoba = {Osoby}.Id;)sql"),
        n(R"sql(CREATE VIEW IF NOT EXISTS "vPrzychody" AS SELECT {Przychody}.Id, {Przychody}.Ile )sql"
          R"sql(AS Kwota, {KategoriePrzychodow}.Opis AS "Tytuł przychodu", )sql"
          R"sql({KategorieOszczednosci}.Opis AS "Wpłacono na", {Przychody}.Data AS Kiedy, )sql"
          R"sql({Osoby}.Imie || " " || {Osoby}.Nazwisko AS "Kto", {Przychody}.Komentarz, )sql"
          R"sql({Przychody}.ZlecenieStale FROM "{Przychody}" INNER JOIN "{KategoriePrzychodow}" )sql"
          R"sql(ON {Przychody}.IdKategoriaPrzychody = {KategoriePrzychodow}.Id INNER JOIN )sql"
          R"sql("{KategorieOszczednosci}" ON {Przychody}.IdKategoriaOszczednosci = )sql"
          R"sql({KategorieOszczednosci}.Id INNER JOIN "{Osoby}" ON {Przychody}.IdOsoba = )sql"
          R"sql({Osoby}.Id;)sql"),
        n(R"sql(CREATE VIEW IF NOT EXISTS "vOszczednosci" AS SELECT {Oszczednosci}.Id, )sql"
          R"sql({KategorieOszczednosci}.Opis AS "Rodzaj", {Oszczednosci}.Ile AS "Kwota", )sql"
          R"sql({Oszczednosci}.Data AS "Stan na dzień", {Oszczednosci}.Komentarz FROM )sql"
          R"sql("{Oszczednosci}" INNER JOIN "{KategorieOszczednosci}" ON )sql"
          R"sql({Oszczednosci}.IdKategoriaOszczednosci = {KategorieOszczednosci}.Id;)sql"),
        n(R"sql(CREATE VIEW IF NOT EXISTS "vHistoriaPrzelewowOszczednosci" AS SELECT )sql"
          R"sql({HistoriaPrzelewow}.Id, {HistoriaPrzelewow}.Ile AS "Kwota", KatOszczZ.Opis AS )sql"
          R"sql("Z", KatOszczNa.Opis AS "Na", {HistoriaPrzelewow}.Data AS "Data przelewu" FROM )sql"
          R"sql("{HistoriaPrzelewow}" INNER JOIN "{KategorieOszczednosci}" AS KatOszczZ ON )sql"
          R"sql({HistoriaPrzelewow}.IdKategoriaOszczednosciFrom = KatOszczZ.Id INNER JOIN )sql"
          R"sql("{KategorieOszczednosci}" AS KatOszczNa ON )sql"
          R"sql({HistoriaPrzelewow}.IdKategoriaOszczednosciTo = KatOszczNa.Id;)sql"),
        n(R"sql(CREATE VIEW IF NOT EXISTS "vZleceniaStale" AS SELECT {ZleceniaStale}.Id, )sql"
          R"sql({KategorieWydatkow}.Opis AS "Kategoria", {KategorieOszczednosci}.Opis AS )sql"
          R"sql("Oszczędność", {ZleceniaStale}.Nazwa AS "Nazwa", {ZleceniaStale}.Kwota AS )sql"
          R"sql("Kwota", Czestotliwosci.Opis AS "Częstotliwość", CASE WHEN )sql"
          R"sql({ZleceniaStale}.TypZleceniaStalego = 0 THEN "Wydatki" ELSE "Przychody" END AS )sql"
          R"sql("Typ zlecenia", {ZleceniaStale}.Data AS "Data dodania", CASE WHEN )sql"
          R"sql({ZleceniaStale}.Aktywne = 0 THEN "NIE" ELSE "TAK" END AS "Aktywne" FROM )sql"
          R"sql({ZleceniaStale} INNER JOIN {KategorieWydatkow} ON {ZleceniaStale}.IdKategorii = )sql"
          R"sql({KategorieWydatkow}.Id INNER JOIN {Oszczednosci} ON )sql"
          R"sql({ZleceniaStale}.IdOszczednosci = {Oszczednosci}.Id INNER JOIN )sql"
          R"sql({KategorieOszczednosci} ON {Oszczednosci}.IdKategoriaOszczednosci = )sql"
          R"sql({KategorieOszczednosci}.Id INNER JOIN Czestotliwosci ON )sql"
          R"sql({ZleceniaStale}.Czestotliwosc = Czestotliwosci.Id WHERE TypZleceniaStalego = 0 )sql"
          R"sql(UNION SELECT {ZleceniaStale}.Id, {KategoriePrzychodow}.Opis AS "Kategoria", )sql"
          R"sql({KategorieOszczednosci}.Opis AS "Oszczędność", {ZleceniaStale}.Nazwa AS "Nazwa", )sql"
          R"sql({ZleceniaStale}.Kwota AS "Kwota", Czestotliwosci.Opis AS "Częstotliwość", CASE )sql"
          R"sql(WHEN {ZleceniaStale}.TypZleceniaStalego = 0 THEN "Wydatki" ELSE "Przychody" END )sql"
          R"sql(AS "Typ zlecenia", {ZleceniaStale}.Data AS "Data dodania", CASE WHEN )sql"
          R"sql({ZleceniaStale}.Aktywne = 0 THEN "NIE" ELSE "TAK" END AS "Aktywne" FROM )sql"
          R"sql({ZleceniaStale} INNER JOIN {KategoriePrzychodow} ON {ZleceniaStale}.IdKategorii = )sql"
          R"sql({KategoriePrzychodow}.Id INNER JOIN {Oszczednosci} ON )sql"
          R"sql({ZleceniaStale}.IdOszczednosci = {Oszczednosci}.Id INNER JOIN )sql"
          R"sql({KategorieOszczednosci} ON {Oszczednosci}.IdKategoriaOszczednosci = )sql"
          R"sql({KategorieOszczednosci}.Id INNER JOIN Czestotliwosci ON )sql"
          R"sql({ZleceniaStale}.Czestotliwosc = Czestotliwosci.Id WHERE TypZleceniaStalego = 1;)sql"),
        // These two name their tables directly.
        std::string(R"sql(CREATE VIEW IF NOT EXISTS "vHistoriaZlecenStalych" AS SELECT )sql"
                    R"sql(HistoriaZlecenStalych.Id, KategorieWydatkow.Opis AS "Kategoria", )sql"
                    R"sql(ZleceniaStale.Nazwa as "Zlecenie stałe", KategorieOszczednosci.Opis AS )sql"
                    R"sql("Oszczędność", HistoriaZlecenStalych.Kwota, Czestotliwosci.Opis AS )sql"
                    R"sql("Częstotliwość", CASE WHEN HistoriaZlecenStalych.TypZleceniaStalego = 0 THEN )sql"
                    R"sql("Wydatki" ELSE "Przychody" END AS "Typ zlecenia", HistoriaZlecenStalych.Data, )sql"
                    R"sql(HistoriaZlecenStalych.Komentarz, Osoby.Imie || " " || Osoby.Nazwisko AS Kto FROM )sql"
                    R"sql(HistoriaZlecenStalych INNER JOIN KategorieWydatkow ON )sql"
                    R"sql(HistoriaZlecenStalych.IdKategorii = KategorieWydatkow.Id INNER JOIN Osoby ON )sql"
                    R"sql(HistoriaZlecenStalych.IdOsoba = Osoby.Id INNER JOIN Czestotliwosci ON )sql"
                    R"sql(HistoriaZlecenStalych.Czestotliwosc = Czestotliwosci.Id INNER JOIN )sql"
                    R"sql(KategorieOszczednosci ON Oszczednosci.IdKategoriaOszczednosci= )sql"
                    R"sql(KategorieOszczednosci.Id INNER JOIN Oszczednosci ON )sql"
                    R"sql(HistoriaZlecenStalych.IdOszczednosci = Oszczednosci.Id INNER JOIN ZleceniaStale )sql"
                    R"sql(ON HistoriaZlecenStalych.IdZleceniaStalego = ZleceniaStale.Id WHERE )sql"
                    R"sql(HistoriaZlecenStalych.TypZleceniaStalego = 0 UNION SELECT )sql"
                    R"sql(HistoriaZlecenStalych.Id, KategoriePrzychodow.Opis AS "Kategoria", )sql"
                    R"sql(ZleceniaStale.Nazwa as "Zlecenie stałe", KategorieOszczednosci.Opis AS )sql"
                    R"sql("Oszczędność", HistoriaZlecenStalych.Kwota, Czestotliwosci.Opis AS )sql"
                    R"sql("Częstotliwość", CASE WHEN HistoriaZlecenStalych.TypZleceniaStalego = 0 THEN )sql"
                    R"sql("Wydatki" ELSE "Przychody" END AS "Typ zlecenia", HistoriaZlecenStalych.Data, )sql"
                    R"sql(HistoriaZlecenStalych.Komentarz, Osoby.Imie || " " || Osoby.Nazwisko AS Kto FROM )sql"
                    R"sql(HistoriaZlecenStalych INNER JOIN KategoriePrzychodow ON )sql"
                    R"sql(HistoriaZlecenStalych.IdKategorii = KategoriePrzychodow.Id INNER JOIN Osoby ON )sql"
                    R"sql(HistoriaZlecenStalych.IdOsoba = Osoby.Id INNER JOIN Czestotliwosci ON )sql"
                    R"sql(HistoriaZlecenStalych.Czestotliwosc = Czestotliwosci.Id INNER JOIN )sql"
                    R"sql(KategorieOszczednosci ON Oszczednosci.IdKategoriaOszczednosci= )sql"
                    R"sql(KategorieOszczednosci.Id INNER JOIN Oszczednosci ON )sql"
                    R"sql(HistoriaZlecenStalych.IdOszczednosci = Oszczednosci.Id INNER JOIN ZleceniaStale )sql"
                    R"sql(ON HistoriaZlecenStalych.IdZleceniaStalego = ZleceniaStale.Id WHERE )sql"
                    R"sql(HistoriaZlecenStalych.TypZleceniaStalego = 1;)sql"),
        std::string(R"sql(CREATE VIEW IF NOT EXISTS "vHistoriaPrzychodowRozchodow" AS SELECT Wydatki.Id, )sql"
                    R"sql(KategorieWydatkow.Opis as "Kategoria", abs(Wydatki.Ile) * -1 as "Kwota", )sql"
                    R"sql(KategorieOszczednosci.Opis as "Oszczędność", Wydatki.Data as "Data", Osoby.Imie )sql"
                    R"sql(|| " " || Osoby.Nazwisko AS "Kto", Wydatki.Komentarz, Wydatki.ZlecenieStale FROM )sql"
                    R"sql(Wydatki INNER JOIN KategorieWydatkow ON Wydatki.IdKategoriaWydatki = )sql"
                    R"sql(KategorieWydatkow.Id INNER JOIN "Osoby" ON Wydatki.IdOsoba = Osoby.Id INNER JOIN )sql"
                    R"sql("KategorieOszczednosci" ON Wydatki.IdKategoriaOszczednosci = )sql"
                    R"sql(KategorieOszczednosci.Id UNION SELECT Przychody.Id, KategoriePrzychodow.Opis as )sql"
                    R"sql("Kategoria", abs(Przychody.Ile) as "Kwota", KategorieOszczednosci.Opis as )sql"
                    R"sql("Oszczędność", Przychody.Data as "Data", Osoby.Imie || " " || Osoby.Nazwisko AS )sql"
                    R"sql("Kto", Przychody.Komentarz, Przychody.ZlecenieStale FROM Przychody INNER JOIN )sql"
                    R"sql(KategoriePrzychodow ON Przychody.IdKategoriaPrzychody = KategoriePrzychodow.Id )sql"
                    R"sql(INNER JOIN "Osoby" ON Przychody.IdOsoba = Osoby.Id INNER JOIN )sql"
                    R"sql("KategorieOszczednosci" ON Przychody.IdKategoriaOszczednosci = )sql"
                    R"sql(KategorieOszczednosci.Id ORDER BY "Data";)sql"),
    };
}
