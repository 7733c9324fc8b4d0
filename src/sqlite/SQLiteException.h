#pragma once
// Failures of the SQLite access layer and their fixed English message format.
#include <string>
#include <string_view>

#include "common/Wyjatki.h"

struct sqlite3;

class ESQLiteException : public EGrosiwoException {
public:
    using EGrosiwoException::EGrosiwoException;
};

// The English description of a primary result code of the library.
std::string ErrorCodeText(int kod);

// Raises komunikat, followed by the connection's last error code, its description, the
// statement and the library's message when the connection reports an error.
[[noreturn]] void FailWithLastError(sqlite3* db, const std::string& komunikat, std::string_view sql);
