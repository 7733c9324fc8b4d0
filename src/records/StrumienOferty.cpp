#include "records/StrumienOferty.h"

#include <unicode/unistr.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <istream>
#include <iterator>
#include <limits>
#include <ostream>

#include "common/PolskiTekst.h"

namespace {

constexpr int BiasExtended = 16383;
constexpr uint16_t WykladnikSpecjalny = 0x7FFF;
constexpr uint64_t BitCalkowity = 0x8000000000000000ULL;

std::string Utf16NaUtf8(std::span<const uint8_t> bajty)
{
    std::u16string jednostki(bajty.size() / 2, u'\0');
    for (size_t i = 0; i < jednostki.size(); ++i)
        jednostki[i] = static_cast<char16_t>(bajty[2 * i] | (bajty[2 * i + 1] << 8));
    std::string wynik;
    // Lone surrogates become U+FFFD.
    icu::UnicodeString(jednostki.data(), static_cast<int32_t>(jednostki.size())).toUTF8String(wynik);
    return wynik;
}

std::string Cp1250NaUtf8(std::span<const uint8_t> bajty)
{
    std::string wynik;
    const icu::UnicodeString tekst(reinterpret_cast<const char*>(bajty.data()),
                                   static_cast<int32_t>(bajty.size()), "windows-1250");
    tekst.toUTF8String(wynik);
    return NaprawUtf8(wynik);
}

bool SamoAscii(std::string_view tekst)
{
    for (const char z : tekst)
        if (static_cast<unsigned char>(z) >= 0x80)
            return false;
    return true;
}

}  // namespace

void ZglosBladOdczytu(const std::string& szczegoly)
{
    throw EBladOdczytuStrumienia("Nie można odczytać oferty lokaty: " + szczegoly);
}

TExtended DoubleNaExtended(double wartosc)
{
    uint64_t mantysa = 0;
    uint16_t wykladnik = 0;
    if (std::isnan(wartosc)) {
        wykladnik = WykladnikSpecjalny;
        mantysa = 0xC000000000000000ULL;  // the quiet NaN
    } else if (std::isinf(wartosc)) {
        wykladnik = WykladnikSpecjalny;
        mantysa = BitCalkowity;
    } else if (wartosc != 0) {
        int e = 0;
        // |wartosc| = f * 2^e with f in [0.5, 1); f * 2^64 holds f's 53 bits exactly.
        const double f = std::frexp(std::fabs(wartosc), &e);
        mantysa = static_cast<uint64_t>(std::ldexp(f, 64));
        wykladnik = static_cast<uint16_t>(e - 1 + BiasExtended);
    }
    if (std::signbit(wartosc))
        wykladnik |= 0x8000;

    TExtended bajty{};
    for (int i = 0; i < 8; ++i)
        bajty[i] = static_cast<uint8_t>(mantysa >> (8 * i));
    bajty[8] = static_cast<uint8_t>(wykladnik);
    bajty[9] = static_cast<uint8_t>(wykladnik >> 8);
    return bajty;
}

double ExtendedNaDouble(const TExtended& bajty)
{
    uint64_t mantysa = 0;
    for (int i = 0; i < 8; ++i)
        mantysa |= static_cast<uint64_t>(bajty[i]) << (8 * i);
    const uint16_t znakIWykladnik = static_cast<uint16_t>(bajty[8] | (bajty[9] << 8));
    const bool ujemna = (znakIWykladnik & 0x8000) != 0;
    const int wykladnik = znakIWykladnik & 0x7FFF;
    const double znak = ujemna ? -1.0 : 1.0;

    if (wykladnik == WykladnikSpecjalny) {
        if ((mantysa & ~BitCalkowity) == 0)
            return znak * std::numeric_limits<double>::infinity();
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (mantysa == 0)
        return znak * 0.0;

    // The value is mantysa * 2^potega; denormals (and unnormals) are taken by their value.
    int potega = (wykladnik == 0 ? 1 : wykladnik) - BiasExtended - 63;
    const int przesuniecie = std::countl_zero(mantysa);
    mantysa <<= przesuniecie;
    potega -= przesuniecie;
    const int najwyzszyBit = potega + 63;
    if (najwyzszyBit > 1023)
        return znak * std::numeric_limits<double>::infinity();

    // 53 bits for a normal double, fewer where the result is subnormal.
    const int bity = najwyzszyBit >= -1022 ? 53 : 53 - (-1022 - najwyzszyBit);
    if (bity <= 0) {
        // Below half the smallest subnormal is 0; exactly half ties to even, i.e. to 0.
        const bool wPoloweNajmniejszej = bity == 0 && mantysa > BitCalkowity;
        return wPoloweNajmniejszej ? znak * std::ldexp(1.0, -1074) : znak * 0.0;
    }
    const int odrzucone = 64 - bity;
    uint64_t zachowane = mantysa >> odrzucone;
    const uint64_t reszta = mantysa & ((1ULL << odrzucone) - 1);
    const uint64_t polowa = 1ULL << (odrzucone - 1);
    if (reszta > polowa || (reszta == polowa && (zachowane & 1) != 0))
        ++zachowane;
    // zachowane has at most 54 significant bits only when it rounded up to a power of two,
    // so the conversion is exact and ldexp only scales (or overflows to infinity).
    return znak * std::ldexp(static_cast<double>(zachowane), potega + odrzucone);
}

void TZapisStrumienia::LittleEndian(uint64_t wartosc, int ileBajtow)
{
    for (int i = 0; i < ileBajtow; ++i)
        Bajt(static_cast<uint8_t>(wartosc >> (8 * i)));
}

void TZapisStrumienia::ZapiszPoczatekListy()
{
    Znacznik(TZnacznikWartosci::PoczatekListy);
}

void TZapisStrumienia::ZapiszKoniecListy()
{
    Znacznik(TZnacznikWartosci::KoniecListy);
}

void TZapisStrumienia::ZapiszLiczbe(int64_t wartosc)
{
    const auto bity = static_cast<uint64_t>(wartosc);
    if (wartosc >= std::numeric_limits<int8_t>::min() && wartosc <= std::numeric_limits<int8_t>::max()) {
        Znacznik(TZnacznikWartosci::Int8);
        LittleEndian(bity, 1);
    } else if (wartosc >= std::numeric_limits<int16_t>::min() &&
               wartosc <= std::numeric_limits<int16_t>::max()) {
        Znacznik(TZnacznikWartosci::Int16);
        LittleEndian(bity, 2);
    } else if (wartosc >= std::numeric_limits<int32_t>::min() &&
               wartosc <= std::numeric_limits<int32_t>::max()) {
        Znacznik(TZnacznikWartosci::Int32);
        LittleEndian(bity, 4);
    } else {
        Znacznik(TZnacznikWartosci::Int64);
        LittleEndian(bity, 8);
    }
}

void TZapisStrumienia::ZapiszLogiczna(bool wartosc)
{
    Znacznik(wartosc ? TZnacznikWartosci::Prawda : TZnacznikWartosci::Falsz);
}

void TZapisStrumienia::ZapiszZmiennoprzecinkowa(double wartosc)
{
    Znacznik(TZnacznikWartosci::Extended);
    const TExtended bajty = DoubleNaExtended(wartosc);
    fBajty.insert(fBajty.end(), bajty.begin(), bajty.end());
}

void TZapisStrumienia::ZapiszTekst(std::string_view tekst)
{
    if (tekst.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        throw EGrosiwoException("Tekst jest zbyt długi, by zapisać go w ofercie lokaty.");
    const icu::UnicodeString utf16 =
        icu::UnicodeString::fromUTF8(icu::StringPiece(tekst.data(), static_cast<int32_t>(tekst.size())));
    std::string utf8;
    utf16.toUTF8String(utf8);
    const auto jednostki = static_cast<uint64_t>(utf16.length());

    if (utf8.size() < 2 * jednostki) {
        if (!SamoAscii(utf8)) {
            Znacznik(TZnacznikWartosci::TekstUtf8);
            LittleEndian(utf8.size(), 4);
        } else if (utf8.size() <= 255) {
            Znacznik(TZnacznikWartosci::KrotkiTekst);
            LittleEndian(utf8.size(), 1);
        } else {
            Znacznik(TZnacznikWartosci::DlugiTekst);
            LittleEndian(utf8.size(), 4);
        }
        fBajty.insert(fBajty.end(), utf8.begin(), utf8.end());
    } else {
        Znacznik(TZnacznikWartosci::TekstUtf16);
        LittleEndian(jednostki, 4);
        for (int32_t i = 0; i < utf16.length(); ++i)
            LittleEndian(utf16.charAt(i), 2);
    }
}

void TZapisStrumienia::ZapiszDo(std::ostream& strumien) const
{
    strumien.write(reinterpret_cast<const char*>(fBajty.data()),
                   static_cast<std::streamsize>(fBajty.size()));
    if (!strumien)
        throw EGrosiwoException("Nie udało się zapisać oferty lokaty.");
}

std::span<const uint8_t> TOdczytStrumienia::Pobierz(uint64_t ile)
{
    // Checked against the bytes present before anything is allocated for them.
    if (ile > Pozostalo())
        ZglosBladOdczytu("dane są niekompletne.");
    const std::span<const uint8_t> wynik = fDane.subspan(fPozycja, static_cast<size_t>(ile));
    fPozycja += static_cast<size_t>(ile);
    return wynik;
}

uint64_t TOdczytStrumienia::LittleEndian(int ileBajtow)
{
    const std::span<const uint8_t> bajty = Pobierz(static_cast<uint64_t>(ileBajtow));
    uint64_t wynik = 0;
    for (int i = 0; i < ileBajtow; ++i)
        wynik |= static_cast<uint64_t>(bajty[static_cast<size_t>(i)]) << (8 * i);
    return wynik;
}

TZnacznikWartosci TOdczytStrumienia::CzytajZnacznik()
{
    return static_cast<TZnacznikWartosci>(LittleEndian(1));
}

void TOdczytStrumienia::CzytajPoczatekListy()
{
    if (CzytajZnacznik() != TZnacznikWartosci::PoczatekListy)
        ZglosBladOdczytu("brak początku listy wartości.");
}

void TOdczytStrumienia::CzytajKoniecListy()
{
    if (CzytajZnacznik() != TZnacznikWartosci::KoniecListy)
        ZglosBladOdczytu("brak końca listy wartości.");
}

int64_t TOdczytStrumienia::CzytajLiczbe()
{
    switch (CzytajZnacznik()) {
    case TZnacznikWartosci::Int8:
        return static_cast<int8_t>(LittleEndian(1));
    case TZnacznikWartosci::Int16:
        return static_cast<int16_t>(LittleEndian(2));
    case TZnacznikWartosci::Int32:
        return static_cast<int32_t>(LittleEndian(4));
    case TZnacznikWartosci::Int64:
        return static_cast<int64_t>(LittleEndian(8));
    default:
        ZglosBladOdczytu("oczekiwano liczby całkowitej.");
    }
}

bool TOdczytStrumienia::CzytajLogiczna()
{
    switch (CzytajZnacznik()) {
    case TZnacznikWartosci::Prawda:
        return true;
    case TZnacznikWartosci::Falsz:
        return false;
    default:
        ZglosBladOdczytu("oczekiwano wartości logicznej.");
    }
}

double TOdczytStrumienia::CzytajZmiennoprzecinkowa()
{
    if (CzytajZnacznik() != TZnacznikWartosci::Extended)
        ZglosBladOdczytu("oczekiwano liczby.");
    TExtended bajty{};
    const std::span<const uint8_t> dane = Pobierz(bajty.size());
    std::copy(dane.begin(), dane.end(), bajty.begin());
    const double wynik = ExtendedNaDouble(bajty);
    if (!std::isfinite(wynik))
        ZglosBladOdczytu("liczba spoza dopuszczalnego zakresu.");
    return wynik;
}

std::span<const uint8_t> TOdczytStrumienia::PobierzTekst(uint64_t ileBajtow)
{
    if (ileBajtow > Pozostalo())
        ZglosBladOdczytu("dane są niekompletne.");
    // The text converters count in 32-bit signed lengths.
    if (ileBajtow > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
        ZglosBladOdczytu("tekst jest zbyt długi.");
    return Pobierz(ileBajtow);
}

std::string TOdczytStrumienia::CzytajTekst()
{
    switch (CzytajZnacznik()) {
    case TZnacznikWartosci::KrotkiTekst:
        return Cp1250NaUtf8(PobierzTekst(LittleEndian(1)));
    case TZnacznikWartosci::DlugiTekst:
        return Cp1250NaUtf8(PobierzTekst(LittleEndian(4)));
    case TZnacznikWartosci::TekstUtf8: {
        const std::span<const uint8_t> bajty = PobierzTekst(LittleEndian(4));
        return NaprawUtf8(std::string_view(reinterpret_cast<const char*>(bajty.data()), bajty.size()));
    }
    case TZnacznikWartosci::TekstUtf16:
        return Utf16NaUtf8(PobierzTekst(2 * LittleEndian(4)));
    default:
        ZglosBladOdczytu("oczekiwano tekstu.");
    }
}

std::vector<uint8_t> WczytajStrumien(std::istream& strumien)
{
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(strumien),
                                std::istreambuf_iterator<char>());
}
