#pragma once
// The text of one result cell without a heap allocation: either a view of the text kept by the
// result table, or a number rendered into the object itself. A view taken from the object is
// valid while the object lives (and, for stored text, while the table lives).
#include <cstdint>
#include <string>
#include <string_view>

class TTekstPola {
public:
    TTekstPola() = default;
    explicit TTekstPola(std::string_view tekst)
        : fTekst(tekst.data()), fDlugosc(static_cast<uint32_t>(tekst.size()))
    {
    }
    // Decimal digits, a leading minus sign when negative.
    static TTekstPola Liczba(int64_t wartosc);
    // The application's general number text, as LiczbaNaTekst: at most 15 significant
    // digits, no trailing zeros, "," before the fraction.
    static TTekstPola Liczba(double wartosc);

    std::string_view Widok() const noexcept
    {
        return fTekst ? std::string_view(fTekst, fDlugosc) : std::string_view(fBufor, fDlugosc);
    }
    operator std::string_view() const noexcept { return Widok(); }
    std::string Tekst() const { return std::string(Widok()); }
    bool operator==(std::string_view inny) const noexcept { return Widok() == inny; }

private:
    // nullptr: the text is in fBufor, so copies of the object stay valid.
    const char* fTekst = nullptr;
    uint32_t fDlugosc = 0;
    // Room for "-9223372036854775808", "-0,0000123456789012345" and "-1,23456789012345E-308".
    char fBufor[24] = {};
};
