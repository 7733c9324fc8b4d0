#include <charconv>
#include <cmath>
#include <system_error>
#include <string>
#include <string_view>

#include "CeleFuzz.h"
#include "common/FormatyTekstowe.h"
#include "common/FunkcjeWspolne.h"

void SprawdzKwote(const uint8_t* dane, size_t rozmiar)
{
    const std::string_view tekst(reinterpret_cast<const char*>(dane), rozmiar);
    const double kwota = KwotaZTekstu(tekst);
    if (!std::isfinite(kwota))
        throw ENaruszenieObietnicy("KwotaZTekstu gave a value that is not a number");
    // The amount box shows an amount as money text and reads that text back: the value
    // must come back as the amount rounded to hundredths.
    if (std::fabs(kwota) >= 1e15)
        return;
    const std::string pokazana = KwotaNaTekstWaluty(kwota);
    const double odczytana = KwotaZTekstu(pokazana);
    const double oczekiwana = ZaokraglijDo(-2, kwota);
    if (std::fabs(odczytana - oczekiwana) > 1e-9 * std::fmax(1.0, std::fabs(oczekiwana)))
        throw ENaruszenieObietnicy("the money text \"" + pokazana + "\" does not read back as its amount");
    // The SQL form is a numeric literal the library reads, with 15 significant digits.
    const std::string sql = SQLKwota(kwota);
    double zSql = 0;
    const auto [koniec, blad] = std::from_chars(sql.data(), sql.data() + sql.size(), zSql);
    if (blad != std::errc() || koniec != sql.data() + sql.size() ||
        std::fabs(zSql - oczekiwana) > 1e-14 * std::fabs(oczekiwana))
        throw ENaruszenieObietnicy("the SQL amount " + sql + " is not the amount to 15 digits");
}
