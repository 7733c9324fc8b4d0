#pragma once
// A standing order (an expense or income repeating with a fixed frequency) and, with the
// same class, one entry of the standing-order history: an execution pointing back to the
// order through IdZleceniaStalego.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/DataCzas.h"
#include "records/WlasneTypyDanych.h"

// Stored as a signed integer in the "Czestotliwosc" columns and the "Czestotliwosci" table.
// A value read from the database may be any byte; the helpers below answer neutrally for
// those outside the table.
enum class TCzestotliwosc : int8_t {
    Nigdy = -1,
    Codziennie = 0,
    CoTydzien = 1,
    CoMiesiac = 2,
    CoDwaMiesiace = 3,
    CoKwartal = 4,
    CoPolRoku = 5,
    CoRok = 6,
    UruchamianeRecznie = 7,
};

// Days of a manual order: it never falls due by itself.
inline constexpr int32_t IloscDniZleceniaUruchamianegoRecznie = 2147483647;

// The nine ordinal/label pairs in the order -1, 0, ..., 7, as the frequency table is filled.
std::vector<std::pair<int, std::string>> EtykietyCzestotliwosci();
// The label; EGrosiwoException "Item not found" for a value outside -1..7.
std::string CzestotliwoscNaTekst(TCzestotliwosc czestotliwosc);
// data advanced by one calendar step (days, or calendar months and years clamped to the
// length of the target month); none for Nigdy, UruchamianeRecznie and unknown values.
std::optional<TDateTime> NastepnyTerminCzestotliwosci(TCzestotliwosc czestotliwosc,
                                                      TDateTime data);
// Whole days of one step from data; 0 for Nigdy and unknown values, 2147483647 for
// UruchamianeRecznie.
int32_t IloscDniCzestotliwosci(TCzestotliwosc czestotliwosc, TDateTime data);

class TZlecenieStale {
public:
    TZlecenieStale();

    // Back to the defaults; the four foreign ids are kept, Data becomes the current moment.
    void Clear();

    int32_t Id() const { return fId; }
    void SetId(int32_t v) { if (fId != v) fId = v; }
    int32_t IdKategorii() const { return fIdKategorii; }
    void SetIdKategorii(int32_t v) { if (fIdKategorii != v) fIdKategorii = v; }
    int32_t IdZleceniaStalego() const { return fIdZleceniaStalego; }
    void SetIdZleceniaStalego(int32_t v) { if (fIdZleceniaStalego != v) fIdZleceniaStalego = v; }
    int32_t IdOszczednosci() const { return fIdOszczednosci; }
    void SetIdOszczednosci(int32_t v) { if (fIdOszczednosci != v) fIdOszczednosci = v; }
    int32_t IdOsoba() const { return fIdOsoba; }
    void SetIdOsoba(int32_t v) { if (fIdOsoba != v) fIdOsoba = v; }
    const std::string& Nazwa() const { return fNazwa; }
    void SetNazwa(const std::string& v) { if (fNazwa != v) fNazwa = v; }
    double Kwota() const { return fKwota; }
    void SetKwota(double v) { if (fKwota != v) fKwota = v; }
    TCzestotliwosc Czestotliwosc() const { return fCzestotliwosc; }
    void SetCzestotliwosc(TCzestotliwosc v) { if (fCzestotliwosc != v) fCzestotliwosc = v; }
    // 0 = expense order, 1 = income order, -1 = not set.
    int8_t TypZleceniaStalego() const { return fTypZleceniaStalego; }
    void SetTypZleceniaStalego(int8_t v) { if (fTypZleceniaStalego != v) fTypZleceniaStalego = v; }
    TDateTime Data() const { return fData; }
    void SetData(TDateTime v) { if (fData != v) fData = v; }
    bool Aktywne() const { return fAktywne; }
    void SetAktywne(bool v) { if (fAktywne != v) fAktywne = v; }
    const std::string& Komentarz() const { return fKomentarz; }
    void SetKomentarz(const std::string& v) { if (fKomentarz != v) fKomentarz = v; }
    TTypModyfikacji Zmiany() const { return fZmiany; }
    void SetZmiany(TTypModyfikacji v) { if (fZmiany != v) fZmiany = v; }

    // Throws EGrosiwoException "Item not found" for a frequency outside -1..7.
    std::string CzestotliwoscString() const;
    int32_t CzestotliwoscIloscDni() const;
    std::string TypZleceniaStalegoStr() const;
    // An amount of -1 is entered anew at each execution.
    bool KwotaMozeUlecZmianie() const;

    // The day of Data at the current time of day (whole seconds), advanced by one step.
    TDateTime PobierzDateDodaniaTegoZleceniaDoBazy() const;
    // Days until the next execution, counted from the last one (negative when overdue);
    // NaN without a last execution, +infinity for Nigdy and UruchamianeRecznie.
    double PobierzIloscDniDoWykonania(const TZlecenieStale* ostatnioWykonaneZlecenieTegoTypu) const;

private:
    int32_t fId = -1;
    int32_t fIdKategorii = 0;
    int32_t fIdZleceniaStalego = 0;
    int32_t fIdOszczednosci = 0;
    int32_t fIdOsoba = 0;
    std::string fNazwa;
    double fKwota = 0;
    TCzestotliwosc fCzestotliwosc = TCzestotliwosc::Nigdy;
    int8_t fTypZleceniaStalego = -1;
    TDateTime fData = 0;
    bool fAktywne = false;
    std::string fKomentarz;
    TTypModyfikacji fZmiany = TTypModyfikacji::BezZmian;
};
