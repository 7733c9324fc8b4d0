#pragma once
// A strict UTF-8 validity test for the checks of texts.
#include <cstdint>
#include <string_view>

// Shortest forms only, no surrogates, nothing above U+10FFFF.
inline bool CzyPoprawnyUtf8(std::string_view tekst)
{
    const auto* b = reinterpret_cast<const uint8_t*>(tekst.data());
    const size_t n = tekst.size();
    for (size_t i = 0; i < n;) {
        const uint8_t c = b[i];
        size_t dlugosc;
        uint32_t kod;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            dlugosc = 2;
            kod = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            dlugosc = 3;
            kod = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            dlugosc = 4;
            kod = c & 0x07;
        } else {
            return false;
        }
        if (i + dlugosc > n)
            return false;
        for (size_t k = 1; k < dlugosc; ++k) {
            if ((b[i + k] & 0xC0) != 0x80)
                return false;
            kod = (kod << 6) | (b[i + k] & 0x3F);
        }
        static constexpr uint32_t Najmniejszy[] = {0, 0, 0x80, 0x800, 0x10000};
        if (kod < Najmniejszy[dlugosc] || kod > 0x10FFFF || (kod >= 0xD800 && kod <= 0xDFFF))
            return false;
        i += dlugosc;
    }
    return true;
}
