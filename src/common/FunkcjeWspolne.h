#pragma once
// Common formats and helpers: the module-wide format settings, the month key, amount and
// name clean-ups, date arithmetic, path and list helpers.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/DataCzas.h"

// A two-dimensional table of texts: a list of rows, each a list of cells.
using TTabDwuwymiarowa = std::vector<std::vector<std::string>>;
using TStringList = std::vector<std::string>;

// The module-wide format settings record. The text forms of FormatyTekstowe.h use the same
// Polish values as constants, so they work before UstawFormatyDanych; only the month and
// day names (MiesiacIRok, the MMMM and dddd patterns) wait for it.
struct TUstawieniaFormatow {
    char SeparatorDziesietny = '\0';
    char SeparatorTysiecy = '\0';
    int MiejscaDziesietneWaluty = 0;
    char SeparatorDaty = '\0';
    char SeparatorCzasu = '\0';
    char SeparatorListy = '\0';
    std::string KrotkiFormatDaty;
    std::string DlugiFormatDaty;
    std::string KrotkiFormatCzasu;
    std::string DlugiFormatCzasu;
    std::string SymbolWaluty;
    std::array<std::string, 12> NazwyMiesiecy{};
    std::array<std::string, 7> NazwyDni{};  // from Sunday
    bool Wypelnione() const { return !KrotkiFormatDaty.empty(); }
};

// Fills the common settings (and the defaults) with the module's Polish values.
void UstawFormatyDanych();
const TUstawieniaFormatow& UstawieniaFormatow();

// Month key: "<nazwa miesiąca> <rok>", e.g. "maj 2013"; empty before UstawFormatyDanych
// and for a date-time outside the calendar. Compare keys with TekstyRowneBezWielkosciLiter.
std::string MiesiacIRok(TDateTime data);
// The first code point upper-cased with Polish rules, the rest untouched; a blank text as is.
std::string WielkaPierwszaLitera(std::string_view tekst);
// Accepts "," or "." as decimal separator and ignores spaces, currency symbols and letters
// ("1 234,50 zł" gives 1234.5). 0 for anything that is not an amount; never throws.
double KwotaZTekstu(std::string_view tekst);
// Only digits and "-", and the value fits a 32-bit signed integer ("-12", "007").
bool CzyLiczbaCalkowita(std::string_view tekst);
// Nothing but spaces and control characters (bytes up to 32).
bool CzyPustyTekst(std::string_view tekst);
// Rounds x to the digit position d (-2 = hundredths), an exact half to the even neighbour.
double ZaokraglijDo(int d, double x);
// Without | ' " and ;. Invalid UTF-8 is repaired to U+FFFD, as in OczyscNazwe.
std::string UsunZnakiZakazane(std::string_view tekst);
// A name typed by the user: leading blanks and unwanted code points skipped, control and
// path characters dropped, runs of spaces collapsed to one (a trailing one stays).
std::string OczyscNazwe(std::string_view tekst);
// "1" or "0".
std::string LogicznaNaTekst(bool wartosc);

TDateTime DodajDni(uint16_t ile, TDateTime data);
TDateTime DodajTygodnie(uint16_t ile, TDateTime data);
// Keeps the day of the month, moved back to the last day of a shorter month, and the time
// of day. Going past the year 9999 raises EGrosiwoException.
TDateTime DodajMiesiace(uint16_t ile, TDateTime data);
TDateTime DodajLata(uint16_t ile, TDateTime data);

// The platform's path separator ('/' here) plays the part of the trailing backslash. The
// root "/" keeps its separator in both.
std::string UsunKoncowyUkosnik(std::string_view sciezka);
std::string DodajKoncowyUkosnik(std::string_view sciezka);

// Appends tekst unless it is empty, lista is null, or lista holds it ignoring letter case.
TStringList* DodajDoListyJesliNowy(const std::string& tekst, TStringList* lista);
// The non-empty cells of column kolumna, in row order.
TStringList KolumnaTablicy(const TTabDwuwymiarowa& tablica, int kolumna);
