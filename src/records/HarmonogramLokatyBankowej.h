#pragma once
// A bank's term-deposit offer (the schedule of the deposit's terms), and the period unit and
// capitalisation enumerations shared with the user's own deposits.
#include <cstdint>
#include <string>

#include "common/DataCzas.h"
#include "records/WlasneTypyDanych.h"

class TZapisStrumienia;
class TOdczytStrumienia;

// Stored as a signed integer; any byte may come from the database or an exchange record,
// and the helpers answer neutrally (as "not set") for values outside the table.
enum class TJednostkaOkresu : int8_t {
    Nieustawiona = -1,
    Dni = 0,
    Tygodnie = 1,
    Miesiace = 2,
    Lata = 3,
};

// The ordinals are not in the order of the period length.
enum class TKapitalizacja : int8_t {
    Nieustawiona = -1,
    Dzienna = 0,
    Miesieczna = 1,
    Roczna = 2,
    Kwartalna = 3,
    PoOkresieUmowy = 4,
    Polroczna = 5,
};

// The count in decimal followed by the Polish unit word: "1 tydzień", "3 tygodnie",
// "5 tygodni", "22 tygodnie"; the bare count for 0 days and for a unit not set.
std::string OkresSlownie(uint32_t ile, TJednostkaOkresu jednostka);

class THarmonogramLokatyBankowej {
public:
    THarmonogramLokatyBankowej();

    // Back to the defaults; IloscOkresowKapitalizacji, a computed value, is kept.
    void Clear();

    int32_t Id() const { return fId; }
    void SetId(int32_t v) { if (fId != v) fId = v; }
    const std::string& NazwaHarmonogramu() const { return fNazwaHarmonogramu; }
    void SetNazwaHarmonogramu(const std::string& v) { if (fNazwaHarmonogramu != v) fNazwaHarmonogramu = v; }
    const std::string& Bank() const { return fBank; }
    void SetBank(const std::string& v) { if (fBank != v) fBank = v; }
    uint32_t OkresDepozytu() const { return fOkresDepozytu; }
    void SetOkresDepozytu(uint32_t v) { if (fOkresDepozytu != v) fOkresDepozytu = v; }
    TJednostkaOkresu JednostkaDepozytu() const { return fJednostkaDepozytu; }
    void SetJednostkaDepozytu(TJednostkaOkresu v) { if (fJednostkaDepozytu != v) fJednostkaDepozytu = v; }
    bool OprocentowanieStaleWCalymOkresieLokaty() const { return fOprocentowanieStaleWCalymOkresieLokaty; }
    void SetOprocentowanieStaleWCalymOkresieLokaty(bool v)
    {
        if (fOprocentowanieStaleWCalymOkresieLokaty != v)
            fOprocentowanieStaleWCalymOkresieLokaty = v;
    }
    // Percent a year: 4.5 means 4.5 %.
    double OprocentowanieWSkaliRoku() const { return fOprocentowanieWSkaliRoku; }
    void SetOprocentowanieWSkaliRoku(double v) { if (fOprocentowanieWSkaliRoku != v) fOprocentowanieWSkaliRoku = v; }
    TKapitalizacja Kapitalizacja() const { return fKapitalizacja; }
    void SetKapitalizacja(TKapitalizacja v) { if (fKapitalizacja != v) fKapitalizacja = v; }
    // 0 = no minimum.
    double KwotaMinimalna() const { return fKwotaMinimalna; }
    void SetKwotaMinimalna(double v) { if (fKwotaMinimalna != v) fKwotaMinimalna = v; }
    // 0 = no maximum.
    double KwotaMaksymalna() const { return fKwotaMaksymalna; }
    void SetKwotaMaksymalna(double v) { if (fKwotaMaksymalna != v) fKwotaMaksymalna = v; }
    bool WymaganeKontoOsobisteWTymBanku() const { return fWymaganeKontoOsobisteWTymBanku; }
    void SetWymaganeKontoOsobisteWTymBanku(bool v)
    {
        if (fWymaganeKontoOsobisteWTymBanku != v)
            fWymaganeKontoOsobisteWTymBanku = v;
    }
    bool MozliwoscWczesniejszegoZerwaniaLokaty() const { return fMozliwoscWczesniejszegoZerwaniaLokaty; }
    void SetMozliwoscWczesniejszegoZerwaniaLokaty(bool v)
    {
        if (fMozliwoscWczesniejszegoZerwaniaLokaty != v)
            fMozliwoscWczesniejszegoZerwaniaLokaty = v;
    }
    const std::string& WarunkiWczesniejszegoZerwaniaLokaty() const { return fWarunkiWczesniejszegoZerwaniaLokaty; }
    void SetWarunkiWczesniejszegoZerwaniaLokaty(const std::string& v)
    {
        if (fWarunkiWczesniejszegoZerwaniaLokaty != v)
            fWarunkiWczesniejszegoZerwaniaLokaty = v;
    }
    bool HarmonogramDodanyPrzezUzytkownika() const { return fHarmonogramDodanyPrzezUzytkownika; }
    void SetHarmonogramDodanyPrzezUzytkownika(bool v)
    {
        if (fHarmonogramDodanyPrzezUzytkownika != v)
            fHarmonogramDodanyPrzezUzytkownika = v;
    }
    const std::string& PozostaleInformacje() const { return fPozostaleInformacje; }
    void SetPozostaleInformacje(const std::string& v) { if (fPozostaleInformacje != v) fPozostaleInformacje = v; }
    // Written by TLokata::ObliczSzacowanyZyskZLokaty.
    double IloscOkresowKapitalizacji() const { return fIloscOkresowKapitalizacji; }
    void SetIloscOkresowKapitalizacji(double v) { if (fIloscOkresowKapitalizacji != v) fIloscOkresowKapitalizacji = v; }
    TDateTime DataDodaniaModyfikacji() const { return fDataDodaniaModyfikacji; }
    void SetDataDodaniaModyfikacji(TDateTime v) { if (fDataDodaniaModyfikacji != v) fDataDodaniaModyfikacji = v; }
    TTypModyfikacji Zmiany() const { return fZmiany; }
    void SetZmiany(TTypModyfikacji v) { if (fZmiany != v) fZmiany = v; }

    // The length code: "21D" for 3 weeks, "6M", "2R"; empty when the unit is not set.
    std::string NazwaDepozytu() const;
    std::string NazwaWyswietlana() const;
    // "Bank - Nazwa 6M (4,50%)": the offer's identifying text in pick lists and lookups.
    std::string BankNazwaOprocentowanie() const;
    std::string OkresLokaty() const;
    // Calendar-free length: 1, 7, 30 or 365 days a unit; the bare count when not set.
    uint32_t OkresLokatyIloscDni() const;
    std::string KapitalizacjaNazwa() const;
    uint32_t KapitalizacjaCoIleDni() const;
    std::string OprocentowanieStaleWCalymOkresieLokatyNazwa() const;
    std::string WymaganeKontoOsobisteWTymBankuNazwa() const;
    std::string KwotaMinimalnaString() const;
    std::string KwotaMaksymalnaString() const;

    // The exchange record. Reading throws EBladOdczytuStrumienia on anything that does not
    // follow the record, leaving the fields read so far; a complete read marks the offer
    // Dodano with DataDodaniaModyfikacji now, and keeps Id.
    void WriteToStream(TZapisStrumienia& writer) const;
    void ReadFromStream(TOdczytStrumienia& reader);

private:
    int32_t fId = -1;
    std::string fNazwaHarmonogramu;
    std::string fBank;
    uint32_t fOkresDepozytu = 0;
    TJednostkaOkresu fJednostkaDepozytu = TJednostkaOkresu::Nieustawiona;
    bool fOprocentowanieStaleWCalymOkresieLokaty = false;
    double fOprocentowanieWSkaliRoku = 0;
    TKapitalizacja fKapitalizacja = TKapitalizacja::Nieustawiona;
    double fKwotaMinimalna = 0;
    double fKwotaMaksymalna = 0;
    bool fWymaganeKontoOsobisteWTymBanku = false;
    bool fMozliwoscWczesniejszegoZerwaniaLokaty = false;
    std::string fWarunkiWczesniejszegoZerwaniaLokaty;
    bool fHarmonogramDodanyPrzezUzytkownika = false;
    std::string fPozostaleInformacje;
    double fIloscOkresowKapitalizacji = 0;
    TDateTime fDataDodaniaModyfikacji = 0;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
