#pragma once
// The schema of a new project database as SQLite keeps it in sqlite_master: the creating
// statements without "IF NOT EXISTS" and without the final semicolon.
#include <map>
#include <string>

inline const std::map<std::string, std::string> OczekiwanySchemat{
    {"table KategorieWydatkow",
     R"sql(CREATE TABLE "KategorieWydatkow" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT )sql"
         R"sql(NULL  UNIQUE , "Opis" VARCHAR NOT NULL , "Usuniety" BOOL NOT NULL , "Waga" INTEGER )sql"
         R"sql(NOT NULL , CONSTRAINT "u_KW" UNIQUE ("Id" ASC) ))sql"},
    {"index index_KategorieWydatkow",
     R"sql(CREATE UNIQUE INDEX "index_KategorieWydatkow" ON "KategorieWydatkow"("Id"))sql"},
    {"table KategoriePrzychodow",
     R"sql(CREATE TABLE "KategoriePrzychodow" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT )sql"
         R"sql(NULL  UNIQUE , "Opis" VARCHAR NOT NULL , "Usuniety" BOOL NOT NULL , "Waga" INTEGER )sql"
         R"sql(NOT NULL))sql"},
    {"index index_KategoriePrzychodow",
     R"sql(CREATE UNIQUE INDEX "index_KategoriePrzychodow" ON "KategoriePrzychodow"("Id"))sql"},
    {"table KategorieOszczednosci",
     R"sql(CREATE TABLE "KategorieOszczednosci" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT )sql"
         R"sql(NULL  UNIQUE , "Opis" VARCHAR NOT NULL , "Usuniety" BOOL NOT NULL , "MoznaZaplacic" )sql"
         R"sql(BOOL NOT NULL , "Dlug" BOOL NOT NULL , "Waga" INTEGER NOT NULL))sql"},
    {"index index_KategorieOszczednosci",
     R"sql(CREATE UNIQUE INDEX "index_KategorieOszczednosci" ON "KategorieOszczednosci"("Id"))sql"},
    {"table Osoby",
     R"sql(CREATE TABLE "Osoby" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT NULL  UNIQUE , )sql"
         R"sql("Imie" VARCHAR NOT NULL, "Nazwisko" VARCHAR NOT NULL, "Pseudonim" VARCHAR, "Adres" )sql"
         R"sql(VARCHAR, "Telefon" VARCHAR, "Usuniety" BOOL NOT NULL DEFAULT 0, "Waga" INTEGER NOT )sql"
         R"sql(NULL))sql"},
    {"index index_Osoby",
     R"sql(CREATE UNIQUE INDEX "index_Osoby" ON "Osoby"("Id"))sql"},
    {"table Wydatki",
     R"sql(CREATE TABLE "Wydatki" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT NULL  UNIQUE )sql"
         R"sql(, "IdKategoriaWydatki" INTEGER NOT NULL , "Ile" REAL NOT NULL , )sql"
         R"sql("IdKategoriaOszczednosci" INTEGER NOT NULL , "Data" DATETIME NOT NULL , "IdOsoba" )sql"
         R"sql(INTEGER NOT NULL , "Komentarz" TEXT , "ZlecenieStale" BOOL NOT NULL DEFAULT 0 , )sql"
         R"sql("Zalacznik" TEXT DEFAULT NULL , CONSTRAINT "Id_KW" FOREIGN )sql"
         R"sql(KEY("IdKategoriaWydatki") REFERENCES "KategorieWydatkow"("Id"), CONSTRAINT "Id_KO" )sql"
         R"sql(FOREIGN KEY("IdKategoriaOszczednosci") REFERENCES "KategorieOszczednosci"("Id"), )sql"
         R"sql(CONSTRAINT "Id_O" FOREIGN KEY("IdOsoba") REFERENCES "Osoby"("Id") ))sql"},
    {"table Przychody",
     R"sql(CREATE TABLE "Przychody" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT NULL  )sql"
         R"sql(UNIQUE , "IdKategoriaPrzychody" INTEGER NOT NULL , "Ile" REAL NOT NULL , )sql"
         R"sql("IdKategoriaOszczednosci" INTEGER NOT NULL , "Data" DATETIME NOT NULL , "IdOsoba" )sql"
         R"sql(INTEGER NOT NULL , "Komentarz" TEXT , "ZlecenieStale" BOOL NOT NULL DEFAULT 0 , )sql"
         R"sql(CONSTRAINT "Id_KP" FOREIGN KEY("IdKategoriaPrzychody") REFERENCES )sql"
         R"sql("KategoriePrzychodow"("Id"), CONSTRAINT "Id_KO" FOREIGN )sql"
         R"sql(KEY("IdKategoriaOszczednosci") REFERENCES "KategorieOszczednosci"("Id"), CONSTRAINT )sql"
         R"sql("Id_O" FOREIGN KEY("IdOsoba") REFERENCES "Osoby"("Id") ))sql"},
    {"table Oszczednosci",
     R"sql(CREATE TABLE "Oszczednosci" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT NULL  )sql"
         R"sql(UNIQUE , "IdKategoriaOszczednosci" INTEGER NOT NULL , "Ile" REAL NOT NULL , "Data" )sql"
         R"sql(DATETIME NOT NULL , "Komentarz" TEXT , "TypOszczednosci" INTEGER NOT NULL DEFAULT )sql"
         R"sql(1, CONSTRAINT "Id_KO" FOREIGN KEY("IdKategoriaOszczednosci") REFERENCES )sql"
         R"sql("KategorieOszczednosci"("Id") ))sql"},
    {"table HistoriaPrzelewow",
     R"sql(CREATE TABLE "HistoriaPrzelewow" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT )sql"
         R"sql(NULL  UNIQUE , "Ile" REAL NOT NULL , "IdKategoriaOszczednosciFrom" INTEGER NOT NULL )sql"
         R"sql(, "IdKategoriaOszczednosciTo" INTEGER NOT NULL , "Data" DATETIME NOT NULL , )sql"
         R"sql("Komentarz" TEXT , CONSTRAINT "u_HP" UNIQUE ("Id" ASC), CONSTRAINT "Id_KWF" FOREIGN )sql"
         R"sql(KEY("IdKategoriaOszczednosciFrom") REFERENCES "KategorieOszczednosci"("Id"), )sql"
         R"sql(CONSTRAINT "Id_KWT" FOREIGN KEY("IdKategoriaOszczednosciTo") REFERENCES )sql"
         R"sql("KategorieOszczednosci"("Id") ))sql"},
    {"table ZleceniaStale",
     R"sql(CREATE TABLE "ZleceniaStale" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT NULL  )sql"
         R"sql(UNIQUE , "IdKategorii" INTEGER NOT NULL , "IdOszczednosci" INTEGER NOT NULL , )sql"
         R"sql("Nazwa" TEXT NOT NULL , "Kwota" REAL NOT NULL , "Czestotliwosc" INTEGER NOT NULL , )sql"
         R"sql("TypZleceniaStalego" INTEGER NOT NULL , "Data" DATETIME NOT NULL , "Aktywne" BOOL )sql"
         R"sql(NOT NULL , CONSTRAINT "u_ZS" UNIQUE ("Id" ASC), CONSTRAINT "Id_KOZS" FOREIGN )sql"
         R"sql(KEY("IdOszczednosci") REFERENCES "Oszczednosci"("Id"), CONSTRAINT "Id_CZS" FOREIGN )sql"
         R"sql(KEY("Czestotliwosc") REFERENCES "Czestotliwosci"("Id")))sql"},
    {"table HistoriaZlecenStalych",
     R"sql(CREATE TABLE "HistoriaZlecenStalych" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT )sql"
         R"sql(NULL  UNIQUE , "IdKategorii" INTEGER NOT NULL , "IdZleceniaStalego" INTEGER NOT )sql"
         R"sql(NULL , "IdOszczednosci" INTEGER NOT NULL , "Kwota" REAL NOT NULL , "Czestotliwosc" )sql"
         R"sql(INTEGER NOT NULL , "TypZleceniaStalego" INTEGER NOT NULL , "Data" DATETIME NOT NULL )sql"
         R"sql(, "Komentarz" TEXT , "IdOsoba" INTEGER NOT NULL , CONSTRAINT "u_HZS" UNIQUE ("Id" )sql"
         R"sql(ASC) CONSTRAINT "Id_HZS" FOREIGN KEY("IdZleceniaStalego") REFERENCES )sql"
         R"sql("ZleceniaStale"("Id"), CONSTRAINT "Id_HZSU" FOREIGN KEY("IdOsoba") REFERENCES )sql"
         R"sql("Osoby"("Id"), CONSTRAINT "Id_HZSKO" FOREIGN KEY("IdOszczednosci") REFERENCES )sql"
         R"sql("Oszczednosci"("Id"), CONSTRAINT "Id_CZS" FOREIGN KEY("Czestotliwosc") REFERENCES )sql"
         R"sql("Czestotliwosci"("Id")))sql"},
    {"table Czestotliwosci",
     R"sql(CREATE TABLE "Czestotliwosci" ("Id" INTEGER  PRIMARY KEY  NOT NULL  UNIQUE , "Opis" )sql"
         R"sql(TEXT))sql"},
    {"table StanOszczednosci",
     R"sql(CREATE TABLE "StanOszczednosci" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT NULL )sql"
         R"sql( UNIQUE , "Stan" REAL NOT NULL DEFAULT 0, "Data" DATETIME NOT NULL DEFAULT )sql"
         R"sql((datetime('now','localtime'))))sql"},
    {"table Plany",
     R"sql(CREATE TABLE "Plany" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT NULL  UNIQUE , )sql"
         R"sql("Nazwa" TEXT NOT NULL , "Kwota" REAL NOT NULL DEFAULT 0, "IdKategorii" INTEGER NOT )sql"
         R"sql(NULL , "Wykonany" BOOL NOT NULL DEFAULT 0, "DodanyDoKolekcji" BOOL NOT NULL DEFAULT )sql"
         R"sql(0, "TypPlanu" INTEGER NOT NULL , "Data" DATETIME NOT NULL DEFAULT )sql"
         R"sql((datetime('now','localtime')) ,"Komentarz" TEXT))sql"},
    {"table Ograniczenia",
     R"sql(CREATE TABLE "Ograniczenia" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT NULL  )sql"
         R"sql(UNIQUE , "IdKategoriiWydatku" INTEGER NOT NULL , "MaxMiesiac" REAL NOT NULL DEFAULT )sql"
         R"sql(0, "MaxRok" REAL NOT NULL DEFAULT 0, "RokOgraniczenia" INTEGER NOT NULL , "Data" )sql"
         R"sql(DATETIME NOT NULL , CONSTRAINT "u_OGR" UNIQUE ("Id" ASC), CONSTRAINT "Id_KWOGR" )sql"
         R"sql(FOREIGN KEY("IdKategoriiWydatku") REFERENCES "KategorieWydatkow"("Id")))sql"},
    {"table Lokaty",
     R"sql(CREATE TABLE "Lokaty" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT NULL  UNIQUE , )sql"
         R"sql("Nazwa" TEXT NOT NULL , "Kwota" REAL NOT NULL DEFAULT 0 , "DataRozpoczecia" )sql"
         R"sql(DATETIME NOT NULL , "OkresLokaty" INTEGER NOT NULL DEFAULT 0 , "JednostkaLokaty" )sql"
         R"sql(INTEGER NOT NULL DEFAULT -1 , "IdHarmonogramLokaty" INTEGER NOT NULL DEFAULT -1 , )sql"
         R"sql("Aktywna" INTEGER NOT NULL DEFAULT 0 , CONSTRAINT "Id_LOK" FOREIGN )sql"
         R"sql(KEY("IdHarmonogramLokaty") REFERENCES "HarmonogramyLokat"("Id")))sql"},
    {"table HarmonogramyLokat",
     R"sql(CREATE TABLE "HarmonogramyLokat" ("Id" INTEGER  PRIMARY KEY  AUTOINCREMENT  NOT )sql"
         R"sql(NULL  UNIQUE , "Bank" TEXT NOT NULL , "Nazwa" TEXT NOT NULL , "OkresDepozytu" )sql"
         R"sql(INTEGER NOT NULL , "JednostkaDepozytu" INTEGER NOT NULL , )sql"
         R"sql("OprocentowanieStaleWCalymOkresieLokaty" BOOL NOT NULL , "OprocentowanieWSkaliRoku" )sql"
         R"sql(REAL NOT NULL , "Kapitalizacja" INTEGER NOT NULL , "KwotaMinimalna" REAL NOT NULL )sql"
         R"sql(DEFAULT 0 , "KwotaMaksymalna" REAL NOT NULL DEFAULT 0 , )sql"
         R"sql("WymaganeKontoOsobisteWTymBanku" BOOL NOT NULL , )sql"
         R"sql("MozliwoscWczesniejszegoZerwaniaLokaty" BOOL NOT NULL , )sql"
         R"sql("WarunkiWczesniejszegoZerwaniaLokaty" TEXT , "PozostaleInformacje" TEXT , )sql"
         R"sql("HarmonogramDodanyPrzezUzytkownika" BOOL NOT NULL , "DataDodania" DATETIME NOT NULL )sql"
         R"sql(DEFAULT (datetime('now','localtime'))))sql"},
    {"view vWydatki",
     R"sql(CREATE VIEW "vWydatki" AS SELECT Wydatki.Id, Wydatki.Ile AS "Kwota", )sql"
         R"sql(KategorieWydatkow.Opis AS "Na co", KategorieOszczednosci.Opis AS "Czym zapłacono", )sql"
         R"sql(Wydatki.Data AS "Kiedy", Osoby.Imie || " " || Osoby.Nazwisko AS "Kto", )sql"
         R"sql(Wydatki.Komentarz, Wydatki.ZlecenieStale FROM "Wydatki" INNER JOIN )sql"
         R"sql("KategorieWydatkow" ON Wydatki.IdKategoriaWydatki = KategorieWydatkow.Id INNER JOIN )sql"
         R"sql("KategorieOszczednosci" ON Wydatki.IdKategoriaOszczednosci = )sql"
         R"sql(KategorieOszczednosci.Id INNER JOIN "Osoby" ON Wydatki.IdOsoba = Osoby.Id)sql"},
    {"view vPrzychody",
     R"sql(CREATE VIEW "vPrzychody" AS SELECT Przychody.Id, Przychody.Ile AS Kwota, )sql"
         R"sql(KategoriePrzychodow.Opis AS "Tytuł przychodu", KategorieOszczednosci.Opis AS )sql"
         R"sql("Wpłacono na", Przychody.Data AS Kiedy, Osoby.Imie || " " || Osoby.Nazwisko AS )sql"
         R"sql("Kto", Przychody.Komentarz, Przychody.ZlecenieStale FROM "Przychody" INNER JOIN )sql"
         R"sql("KategoriePrzychodow" ON Przychody.IdKategoriaPrzychody = KategoriePrzychodow.Id )sql"
         R"sql(INNER JOIN "KategorieOszczednosci" ON Przychody.IdKategoriaOszczednosci = )sql"
         R"sql(KategorieOszczednosci.Id INNER JOIN "Osoby" ON Przychody.IdOsoba = Osoby.Id)sql"},
    {"view vOszczednosci",
     R"sql(CREATE VIEW "vOszczednosci" AS SELECT Oszczednosci.Id, KategorieOszczednosci.Opis )sql"
         R"sql(AS "Rodzaj", Oszczednosci.Ile AS "Kwota", Oszczednosci.Data AS "Stan na dzień", )sql"
         R"sql(Oszczednosci.Komentarz FROM "Oszczednosci" INNER JOIN "KategorieOszczednosci" ON )sql"
         R"sql(Oszczednosci.IdKategoriaOszczednosci = KategorieOszczednosci.Id)sql"},
    {"view vHistoriaPrzelewowOszczednosci",
     R"sql(CREATE VIEW "vHistoriaPrzelewowOszczednosci" AS SELECT HistoriaPrzelewow.Id, )sql"
         R"sql(HistoriaPrzelewow.Ile AS "Kwota", KatOszczZ.Opis AS "Z", KatOszczNa.Opis AS "Na", )sql"
         R"sql(HistoriaPrzelewow.Data AS "Data przelewu" FROM "HistoriaPrzelewow" INNER JOIN )sql"
         R"sql("KategorieOszczednosci" AS KatOszczZ ON )sql"
         R"sql(HistoriaPrzelewow.IdKategoriaOszczednosciFrom = KatOszczZ.Id INNER JOIN )sql"
         R"sql("KategorieOszczednosci" AS KatOszczNa ON )sql"
         R"sql(HistoriaPrzelewow.IdKategoriaOszczednosciTo = KatOszczNa.Id)sql"},
    {"view vZleceniaStale",
     R"sql(CREATE VIEW "vZleceniaStale" AS SELECT ZleceniaStale.Id, KategorieWydatkow.Opis AS )sql"
         R"sql("Kategoria", KategorieOszczednosci.Opis AS "Oszczędność", ZleceniaStale.Nazwa AS )sql"
         R"sql("Nazwa", ZleceniaStale.Kwota AS "Kwota", Czestotliwosci.Opis AS "Częstotliwość", )sql"
         R"sql(CASE WHEN ZleceniaStale.TypZleceniaStalego = 0 THEN "Wydatki" ELSE "Przychody" END )sql"
         R"sql(AS "Typ zlecenia", ZleceniaStale.Data AS "Data dodania", CASE WHEN )sql"
         R"sql(ZleceniaStale.Aktywne = 0 THEN "NIE" ELSE "TAK" END AS "Aktywne" FROM ZleceniaStale )sql"
         R"sql(INNER JOIN KategorieWydatkow ON ZleceniaStale.IdKategorii = KategorieWydatkow.Id )sql"
         R"sql(INNER JOIN Oszczednosci ON ZleceniaStale.IdOszczednosci = Oszczednosci.Id INNER )sql"
         R"sql(JOIN KategorieOszczednosci ON Oszczednosci.IdKategoriaOszczednosci = )sql"
         R"sql(KategorieOszczednosci.Id INNER JOIN Czestotliwosci ON ZleceniaStale.Czestotliwosc = )sql"
         R"sql(Czestotliwosci.Id WHERE TypZleceniaStalego = 0 UNION SELECT ZleceniaStale.Id, )sql"
         R"sql(KategoriePrzychodow.Opis AS "Kategoria", KategorieOszczednosci.Opis AS )sql"
         R"sql("Oszczędność", ZleceniaStale.Nazwa AS "Nazwa", ZleceniaStale.Kwota AS "Kwota", )sql"
         R"sql(Czestotliwosci.Opis AS "Częstotliwość", CASE WHEN ZleceniaStale.TypZleceniaStalego )sql"
         R"sql(= 0 THEN "Wydatki" ELSE "Przychody" END AS "Typ zlecenia", ZleceniaStale.Data AS )sql"
         R"sql("Data dodania", CASE WHEN ZleceniaStale.Aktywne = 0 THEN "NIE" ELSE "TAK" END AS )sql"
         R"sql("Aktywne" FROM ZleceniaStale INNER JOIN KategoriePrzychodow ON )sql"
         R"sql(ZleceniaStale.IdKategorii = KategoriePrzychodow.Id INNER JOIN Oszczednosci ON )sql"
         R"sql(ZleceniaStale.IdOszczednosci = Oszczednosci.Id INNER JOIN KategorieOszczednosci ON )sql"
         R"sql(Oszczednosci.IdKategoriaOszczednosci = KategorieOszczednosci.Id INNER JOIN )sql"
         R"sql(Czestotliwosci ON ZleceniaStale.Czestotliwosc = Czestotliwosci.Id WHERE )sql"
         R"sql(TypZleceniaStalego = 1)sql"},
    {"view vHistoriaZlecenStalych",
     R"sql(CREATE VIEW "vHistoriaZlecenStalych" AS SELECT HistoriaZlecenStalych.Id, )sql"
         R"sql(KategorieWydatkow.Opis AS "Kategoria", ZleceniaStale.Nazwa as "Zlecenie stałe", )sql"
         R"sql(KategorieOszczednosci.Opis AS "Oszczędność", HistoriaZlecenStalych.Kwota, )sql"
         R"sql(Czestotliwosci.Opis AS "Częstotliwość", CASE WHEN )sql"
         R"sql(HistoriaZlecenStalych.TypZleceniaStalego = 0 THEN "Wydatki" ELSE "Przychody" END AS )sql"
         R"sql("Typ zlecenia", HistoriaZlecenStalych.Data, HistoriaZlecenStalych.Komentarz, )sql"
         R"sql(Osoby.Imie || " " || Osoby.Nazwisko AS Kto FROM HistoriaZlecenStalych INNER JOIN )sql"
         R"sql(KategorieWydatkow ON HistoriaZlecenStalych.IdKategorii = KategorieWydatkow.Id INNER )sql"
         R"sql(JOIN Osoby ON HistoriaZlecenStalych.IdOsoba = Osoby.Id INNER JOIN Czestotliwosci ON )sql"
         R"sql(HistoriaZlecenStalych.Czestotliwosc = Czestotliwosci.Id INNER JOIN )sql"
         R"sql(KategorieOszczednosci ON Oszczednosci.IdKategoriaOszczednosci= )sql"
         R"sql(KategorieOszczednosci.Id INNER JOIN Oszczednosci ON )sql"
         R"sql(HistoriaZlecenStalych.IdOszczednosci = Oszczednosci.Id INNER JOIN ZleceniaStale ON )sql"
         R"sql(HistoriaZlecenStalych.IdZleceniaStalego = ZleceniaStale.Id WHERE )sql"
         R"sql(HistoriaZlecenStalych.TypZleceniaStalego = 0 UNION SELECT HistoriaZlecenStalych.Id, )sql"
         R"sql(KategoriePrzychodow.Opis AS "Kategoria", ZleceniaStale.Nazwa as "Zlecenie stałe", )sql"
         R"sql(KategorieOszczednosci.Opis AS "Oszczędność", HistoriaZlecenStalych.Kwota, )sql"
         R"sql(Czestotliwosci.Opis AS "Częstotliwość", CASE WHEN )sql"
         R"sql(HistoriaZlecenStalych.TypZleceniaStalego = 0 THEN "Wydatki" ELSE "Przychody" END AS )sql"
         R"sql("Typ zlecenia", HistoriaZlecenStalych.Data, HistoriaZlecenStalych.Komentarz, )sql"
         R"sql(Osoby.Imie || " " || Osoby.Nazwisko AS Kto FROM HistoriaZlecenStalych INNER JOIN )sql"
         R"sql(KategoriePrzychodow ON HistoriaZlecenStalych.IdKategorii = KategoriePrzychodow.Id )sql"
         R"sql(INNER JOIN Osoby ON HistoriaZlecenStalych.IdOsoba = Osoby.Id INNER JOIN )sql"
         R"sql(Czestotliwosci ON HistoriaZlecenStalych.Czestotliwosc = Czestotliwosci.Id INNER )sql"
         R"sql(JOIN KategorieOszczednosci ON Oszczednosci.IdKategoriaOszczednosci= )sql"
         R"sql(KategorieOszczednosci.Id INNER JOIN Oszczednosci ON )sql"
         R"sql(HistoriaZlecenStalych.IdOszczednosci = Oszczednosci.Id INNER JOIN ZleceniaStale ON )sql"
         R"sql(HistoriaZlecenStalych.IdZleceniaStalego = ZleceniaStale.Id WHERE )sql"
         R"sql(HistoriaZlecenStalych.TypZleceniaStalego = 1)sql"},
    {"view vHistoriaPrzychodowRozchodow",
     R"sql(CREATE VIEW "vHistoriaPrzychodowRozchodow" AS SELECT Wydatki.Id, )sql"
         R"sql(KategorieWydatkow.Opis as "Kategoria", abs(Wydatki.Ile) * -1 as "Kwota", )sql"
         R"sql(KategorieOszczednosci.Opis as "Oszczędność", Wydatki.Data as "Data", Osoby.Imie || )sql"
         R"sql(" " || Osoby.Nazwisko AS "Kto", Wydatki.Komentarz, Wydatki.ZlecenieStale FROM )sql"
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
         R"sql(KategorieOszczednosci.Id ORDER BY "Data")sql"},
};
