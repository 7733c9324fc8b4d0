#pragma once
// The project's one exception type for data-layer failures. Its message is the exact text
// the user is shown (Polish or the fixed English texts of the data format).
#include <stdexcept>
#include <string>

class EGrosiwoException : public std::runtime_error {
public:
    explicit EGrosiwoException(const std::string& komunikat) : std::runtime_error(komunikat) {}
};
