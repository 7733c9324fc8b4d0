// The libFuzzer entry point of one target; GROSIWO_CEL names its check (cele/CeleFuzz.h).
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "cele/CeleFuzz.h"
#include "common/Platforma.h"

namespace {

// A failed batch would print its box to standard error at every input.
class TCicheKomunikaty : public IKomunikaty {
public:
    TOdpowiedzKomunikatu Pokaz(const std::string&, const std::string&, TIkonaKomunikatu,
                               TPrzyciskiKomunikatu przyciski) override
    {
        return przyciski == TPrzyciskiKomunikatu::OK ? TOdpowiedzKomunikatu::OK : TOdpowiedzKomunikatu::Nie;
    }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    TPlatforma::UstawKomunikaty(std::make_shared<TCicheKomunikaty>());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar)
{
    try {
        GROSIWO_CEL(dane, rozmiar);
    } catch (const ENaruszenieObietnicy& e) {
        std::fprintf(stderr, "broken promise: %s\n", e.what());
        std::abort();
    }
    return 0;
}
