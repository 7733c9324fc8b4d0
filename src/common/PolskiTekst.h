#pragma once
// Polish-aware text operations over UTF-8, through ICU with the Polish locale. Every case
// mapping and locale-aware comparison in the project goes through these functions.
#include <string>
#include <string_view>

// Locale collation ignoring letter case: <0, 0, >0. "Ą" sorts after "A" and before "B".
int PorownajTekstyBezWielkosciLiter(std::string_view a, std::string_view b);
// Locale collation with letter case taken into account: <0, 0, >0.
int PorownajTeksty(std::string_view a, std::string_view b);
// Equality ignoring letter case (full case folding): "Łódź" equals "ŁÓDŹ".
bool TekstyRowneBezWielkosciLiter(std::string_view a, std::string_view b);
std::string WielkieLitery(std::string_view tekst);
std::string MaleLitery(std::string_view tekst);
// Replaces every invalid UTF-8 sequence with U+FFFD, so the result is always valid UTF-8.
std::string NaprawUtf8(std::string_view tekst);
// A text quoted inside a message: its first 64 bytes at most, cut where a letter starts and
// then followed by "…", repaired like NaprawUtf8, and every control character shown as
// U+FFFD, since a NUL would end the message there and a line break would split it.
std::string CytatDoKomunikatu(std::string_view tekst);
