#pragma once
// One of the user's own term deposits: an amount placed on a start date for a period,
// optionally made from a bank's offer.
#include <cstdint>
#include <string>

#include "common/DataCzas.h"
#include "records/HarmonogramLokatyBankowej.h"
#include "records/WlasneTypyDanych.h"

// Days left of a deposit that is not running.
inline constexpr int32_t IloscDniLokatyNieaktywnej = 2147483647;

class TLokata {
public:
    TLokata();
    TLokata(int32_t id, std::string nazwa, double kwota, TDateTime dataRozpoczecia,
            uint16_t okresLokaty, TJednostkaOkresu jednostkaLokaty, int32_t idHarmonogramLokaty,
            bool aktywna, TTypModyfikacji zmiany);

    // Back to the defaults; DataRozpoczecia becomes the current moment.
    void Clear();

    int32_t Id() const { return fId; }
    void SetId(int32_t v) { if (fId != v) fId = v; }
    const std::string& Nazwa() const { return fNazwa; }
    void SetNazwa(const std::string& v) { if (fNazwa != v) fNazwa = v; }
    double Kwota() const { return fKwota; }
    void SetKwota(double v) { if (fKwota != v) fKwota = v; }
    TDateTime DataRozpoczecia() const { return fDataRozpoczecia; }
    void SetDataRozpoczecia(TDateTime v) { if (fDataRozpoczecia != v) fDataRozpoczecia = v; }
    uint16_t OkresLokaty() const { return fOkresLokaty; }
    void SetOkresLokaty(uint16_t v) { if (fOkresLokaty != v) fOkresLokaty = v; }
    TJednostkaOkresu JednostkaLokaty() const { return fJednostkaLokaty; }
    void SetJednostkaLokaty(TJednostkaOkresu v) { if (fJednostkaLokaty != v) fJednostkaLokaty = v; }
    // -1 = not made from an offer.
    int32_t IdHarmonogramLokaty() const { return fIdHarmonogramLokaty; }
    void SetIdHarmonogramLokaty(int32_t v) { if (fIdHarmonogramLokaty != v) fIdHarmonogramLokaty = v; }
    bool Aktywna() const { return fAktywna; }
    void SetAktywna(bool v) { if (fAktywna != v) fAktywna = v; }
    TTypModyfikacji Zmiany() const { return fZmiany; }
    void SetZmiany(TTypModyfikacji v) { if (fZmiany != v) fZmiany = v; }

    // Calendar end (months and years clamped to the target month); 0 when the unit is not set.
    TDateTime SzacowanaDataZakonczenia() const;
    // Calendar days from the start to the end; 0 when the unit is not set.
    uint32_t OkresLokatyWDniach() const;
    // 2147483647 when not running; otherwise days left counting the end day (1 while less
    // than a day is left), 0 on the end day and negative afterwards.
    int32_t IloscDniDoZakonczenia() const;
    bool Zakonczona() const;
    std::string OkresLokatyString() const;

    // Net profit after the 19 % tax on interest under the offer's rate and capitalisation,
    // counted 30/360; 0 without an offer. Stores the number of capitalisation periods into
    // the offer's IloscOkresowKapitalizacji.
    double ObliczSzacowanyZyskZLokaty(THarmonogramLokatyBankowej* harmonogram) const;

private:
    int32_t fId = -1;
    std::string fNazwa;
    double fKwota = 0;
    TDateTime fDataRozpoczecia = 0;
    uint16_t fOkresLokaty = 0;
    TJednostkaOkresu fJednostkaLokaty = TJednostkaOkresu::Nieustawiona;
    int32_t fIdHarmonogramLokaty = -1;
    bool fAktywna = false;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
