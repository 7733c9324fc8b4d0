#pragma once
// Value forms of the data layer's statements that the common text forms leave out: integers,
// optional texts, quoted literals and names, the deletion by id, and joining the pieces of a
// statement in one allocation.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zapis {

// The pieces one after another; the result is allocated once.
std::string Sklej(std::initializer_list<std::string_view> czesci);
// Decimal digits, a leading minus when negative.
std::string Liczba(int64_t wartosc);
// NULL for an empty text, otherwise SQLTekst.
std::string TekstOpcjonalny(std::string_view tekst);
// NULL for a text of nothing but blanks (CzyPustyTekst), otherwise SQLTekst with its blanks.
std::string TekstOpcjonalnyNiepusty(std::string_view tekst);
// The text between single quotes as it is, a single quote inside doubled: O'Neil -> 'O''Neil'.
// Unlike SQLTekst nothing is removed, for texts the program itself writes.
std::string TekstWApostrofach(std::string_view tekst);
// A table or column name between double quotes, any double quote inside doubled, so that no
// name can end the identifier.
std::string Identyfikator(std::string_view nazwa);
// DELETE FROM "<tabela>" WHERE "Id"=<id>;
std::string PolecenieUsuniecia(std::string_view tabela, int32_t id);

}  // namespace zapis
