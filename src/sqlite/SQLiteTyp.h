#pragma once
// The value types of the access layer, with the codes the data format gives them: the type of
// a result column, of a stored cell (Null = the cell is absent) and of a named parameter.
#include <cstdint>

enum class TSQLiteTyp : uint8_t {
    Calkowita = 1,
    Zmiennoprzecinkowa = 2,
    Tekst = 3,
    Blob = 4,
    Null = 5,
};
