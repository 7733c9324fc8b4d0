#pragma once
// The registry of the project database's storage names: the data file's path, the SQL name
// of every table and the Polish caption under which each table is shown to the user.
#include <string>

#include "common/FunkcjeWspolne.h"
#include "records/WlasneTypyDanych.h"

class TPlikiDB {
public:
    explicit TPlikiDB(std::string fileDBPath);

    // The path given to the constructor; under a debugger the development data file
    // "<folder of the executable>/Data/DataFile.dat" instead.
    std::string DataFile() const;

    // Empty for Pusta and PrzychodyIRozchody.
    std::string PobierzNazweTabeli(TTabele tabela) const;
    std::string PobierzCaptionTabeli(TTabele tabela) const;
    // The 17 captions in the order the application lists its tables.
    TStringList NazwyUzywanychTabel() const;
    // "<base>_yyyy-MM-dd_hh-mm-ss.<rozszerzenie>" at the current moment; empty for Pusta and
    // HistoriaPrzelewow.
    std::string WygenerujNazwePlikuDoExportu(TTabele wyswietlanaTabela,
                                             const std::string& rozszerzenie) const;

    const std::string& TabNameWydatki() const { return fTabNameWydatki; }
    const std::string& TabNamePrzychody() const { return fTabNamePrzychody; }
    const std::string& TabNameOszczednosci() const { return fTabNameOszczednosci; }
    const std::string& TabNameKategorieWydatkow() const { return fTabNameKategorieWydatkow; }
    const std::string& TabNameKategoriePrzychodow() const { return fTabNameKategoriePrzychodow; }
    const std::string& TabNameKategorieOszczednosci() const { return fTabNameKategorieOszczednosci; }
    const std::string& TabNameOsoby() const { return fTabNameOsoby; }
    const std::string& TabNameHistoriaPrzelewowOszczednosci() const { return fTabNameHistoriaPrzelewowOszczednosci; }
    const std::string& TabNameZleceniaStale() const { return fTabNameZleceniaStale; }
    const std::string& TabNameHistoriaZlecenStalych() const { return fTabNameHistoriaZlecenStalych; }
    const std::string& TabNameStanOszczednosci() const { return fTabNameStanOszczednosci; }
    const std::string& TabNamePlany() const { return fTabNamePlany; }
    const std::string& TabNameOgraniczenia() const { return fTabNameOgraniczenia; }
    const std::string& TabNameLokaty() const { return fTabNameLokaty; }
    const std::string& TabNameHarmonogramyLokat() const { return fTabNameHarmonogramyLokat; }

    const std::string& TabCaptionWydatki() const { return fTabCaptionWydatki; }
    const std::string& TabCaptionPrzychody() const { return fTabCaptionPrzychody; }
    const std::string& TabCaptionOszczednosci() const { return fTabCaptionOszczednosci; }
    const std::string& TabCaptionKategorieWydatkow() const { return fTabCaptionKategorieWydatkow; }
    const std::string& TabCaptionKategoriePrzychodow() const { return fTabCaptionKategoriePrzychodow; }
    const std::string& TabCaptionKategorieOszczednosci() const { return fTabCaptionKategorieOszczednosci; }
    const std::string& TabCaptionOsoby() const { return fTabCaptionOsoby; }
    const std::string& TabCaptionHistoriaPrzelewowOszczednosci() const { return fTabCaptionHistoriaPrzelewowOszczednosci; }
    const std::string& TabCaptionZleceniaStaleWydatki() const { return fTabCaptionZleceniaStaleWydatki; }
    const std::string& TabCaptionZleceniaStalePrzychody() const { return fTabCaptionZleceniaStalePrzychody; }
    const std::string& TabCaptionHistoriaZleceniaStaleWydatki() const { return fTabCaptionHistoriaZleceniaStaleWydatki; }
    const std::string& TabCaptionHistoriaZleceniaStalePrzychody() const { return fTabCaptionHistoriaZleceniaStalePrzychody; }
    const std::string& TabCaptionStanOszczednosci() const { return fTabCaptionStanOszczednosci; }
    const std::string& TabCaptionPlany() const { return fTabCaptionPlany; }
    const std::string& TabCaptionOgraniczenia() const { return fTabCaptionOgraniczenia; }
    const std::string& TabCaptionLokaty() const { return fTabCaptionLokaty; }
    const std::string& TabCaptionHarmonogramyLokat() const { return fTabCaptionHarmonogramyLokat; }

private:
    std::string fDataFile;
    std::string fTabNameWydatki = "Wydatki";
    std::string fTabNamePrzychody = "Przychody";
    std::string fTabNameOszczednosci = "Oszczednosci";
    std::string fTabNameKategorieWydatkow = "KategorieWydatkow";
    std::string fTabNameKategoriePrzychodow = "KategoriePrzychodow";
    std::string fTabNameKategorieOszczednosci = "KategorieOszczednosci";
    std::string fTabNameOsoby = "Osoby";
    std::string fTabNameHistoriaPrzelewowOszczednosci = "HistoriaPrzelewow";
    std::string fTabNameZleceniaStale = "ZleceniaStale";
    std::string fTabNameHistoriaZlecenStalych = "HistoriaZlecenStalych";
    std::string fTabNameStanOszczednosci = "StanOszczednosci";
    std::string fTabNamePlany = "Plany";
    std::string fTabNameOgraniczenia = "Ograniczenia";
    std::string fTabNameLokaty = "Lokaty";
    std::string fTabNameHarmonogramyLokat = "HarmonogramyLokat";
    std::string fTabCaptionWydatki = "Wydatki";
    std::string fTabCaptionPrzychody = "Przychody";
    std::string fTabCaptionOszczednosci = "Oszczędności";
    std::string fTabCaptionKategorieWydatkow = "Kategorie wydatków";
    std::string fTabCaptionKategoriePrzychodow = "Kategorie przychodów";
    std::string fTabCaptionKategorieOszczednosci = "Kategorie oszczędności";
    std::string fTabCaptionOsoby = "Osoby";
    std::string fTabCaptionHistoriaPrzelewowOszczednosci = "Historia przelewów oszczędności";
    std::string fTabCaptionZleceniaStaleWydatki = "Zlecenia stałe - wydatki";
    std::string fTabCaptionZleceniaStalePrzychody = "Zlecenia stałe - przychody";
    std::string fTabCaptionHistoriaZleceniaStaleWydatki = "Historia zleceń stałych - wydatki";
    std::string fTabCaptionHistoriaZleceniaStalePrzychody = "Historia zleceń stałych - przychody";
    std::string fTabCaptionStanOszczednosci = "Stany oszczędności";
    std::string fTabCaptionPlany = "Plany";
    std::string fTabCaptionOgraniczenia = "Ograniczenia";
    std::string fTabCaptionLokaty = "Lokaty";
    std::string fTabCaptionHarmonogramyLokat = "Lokaty bankowe";
};
