#pragma once
// The message of the ESQLiteException a call raises, for tests that check the exact text.
#include <string>

#include "sqlite/SQLiteException.h"

// "" when the call raises none.
template <typename F>
std::string Komunikat(F&& wywolanie)
{
    try {
        wywolanie();
    } catch (const ESQLiteException& e) {
        return e.what();
    }
    return "";
}
