#pragma once
// The component-streaming value encoding of the deposit-offer exchange record: each value is
// a one-byte tag followed by its data, little-endian. The writer fills a byte buffer; the
// reader walks a byte buffer it does not own and never reads past its end.
#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/Wyjatki.h"

// Every failure to read an exchange record: truncated, corrupted or foreign data.
class EBladOdczytuStrumienia : public EGrosiwoException {
public:
    explicit EBladOdczytuStrumienia(const std::string& komunikat) : EGrosiwoException(komunikat) {}
};

// Throws EBladOdczytuStrumienia with the common beginning of its messages.
[[noreturn]] void ZglosBladOdczytu(const std::string& szczegoly);

enum class TZnacznikWartosci : uint8_t {
    KoniecListy = 0,
    PoczatekListy = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5,
    KrotkiTekst = 6,
    Falsz = 8,
    Prawda = 9,
    DlugiTekst = 12,
    TekstUtf16 = 18,
    Int64 = 19,
    TekstUtf8 = 20,
};

// The 10-byte x87 extended-precision form (64-bit mantissa with explicit integer bit,
// 15-bit exponent biased by 16383, sign), converted with plain integer work so that the
// result does not depend on the compiler's long double.
using TExtended = std::array<uint8_t, 10>;
// Exact: every double is representable.
TExtended DoubleNaExtended(double wartosc);
// Rounded to the nearest double, ties to even; beyond the double range gives infinity.
double ExtendedNaDouble(const TExtended& bajty);

class TZapisStrumienia {
public:
    void ZapiszPoczatekListy();
    void ZapiszKoniecListy();
    // The shortest of the 1-, 2-, 4- and 8-byte forms.
    void ZapiszLiczbe(int64_t wartosc);
    void ZapiszLogiczna(bool wartosc);
    void ZapiszZmiennoprzecinkowa(double wartosc);
    // UTF-8 in; the form (single-byte, UTF-8 or UTF-16) is chosen from the text. Invalid
    // UTF-8 is written with U+FFFD in place of the bad bytes.
    void ZapiszTekst(std::string_view tekst);

    const std::vector<uint8_t>& Bajty() const { return fBajty; }
    void ZapiszDo(std::ostream& strumien) const;

private:
    void Bajt(uint8_t b) { fBajty.push_back(b); }
    void Znacznik(TZnacznikWartosci z) { Bajt(static_cast<uint8_t>(z)); }
    void LittleEndian(uint64_t wartosc, int ileBajtow);

    std::vector<uint8_t> fBajty;
};

class TOdczytStrumienia {
public:
    // dane must outlive the reader.
    explicit TOdczytStrumienia(std::span<const uint8_t> dane) : fDane(dane) {}

    // Each throws EBladOdczytuStrumienia when the next value is missing or of another kind.
    void CzytajPoczatekListy();
    void CzytajKoniecListy();
    // Accepts the 1-, 2-, 4- and 8-byte forms.
    int64_t CzytajLiczbe();
    bool CzytajLogiczna();
    // Only finite numbers: an infinite or NaN amount or rate is taken for corrupted data.
    double CzytajZmiennoprzecinkowa();
    // Every string form, returned as valid UTF-8. Single-byte texts are read as
    // Windows-1250, the Polish code page of older records.
    std::string CzytajTekst();

    // Bytes consumed so far: where the next record of the same buffer starts.
    size_t Pozycja() const { return fPozycja; }
    bool Koniec() const { return fPozycja >= fDane.size(); }

private:
    size_t Pozostalo() const { return fDane.size() - fPozycja; }
    std::span<const uint8_t> Pobierz(uint64_t ile);
    std::span<const uint8_t> PobierzTekst(uint64_t ileBajtow);
    TZnacznikWartosci CzytajZnacznik();
    uint64_t LittleEndian(int ileBajtow);

    std::span<const uint8_t> fDane;
    size_t fPozycja = 0;
};

// The whole remaining content of a standard stream, for a TOdczytStrumienia.
std::vector<uint8_t> WczytajStrumien(std::istream& strumien);
