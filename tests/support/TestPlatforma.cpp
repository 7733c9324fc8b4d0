#include "support/TestPlatforma.h"

#include <cstdlib>
#include <stdexcept>

TUstawionyZegar::TUstawionyZegar(TDateTime teraz) : fZegar(std::make_shared<TStalyZegar>(teraz))
{
    TPlatforma::UstawZegar(fZegar);
}

TUstawionyZegar::~TUstawionyZegar()
{
    TPlatforma::UstawZegar(nullptr);
}

TOdpowiedzKomunikatu TRejestratorKomunikatow::Pokaz(const std::string& tekst,
                                                    const std::string& tytul,
                                                    TIkonaKomunikatu ikona,
                                                    TPrzyciskiKomunikatu przyciski)
{
    Komunikaty.push_back({tekst, tytul, ikona, przyciski});
    if (przyciski == TPrzyciskiKomunikatu::OK)
        return TOdpowiedzKomunikatu::OK;
    if (Odpowiedzi.empty())
        return TOdpowiedzKomunikatu::Nie;
    const TOdpowiedzKomunikatu odpowiedz = Odpowiedzi.front();
    Odpowiedzi.pop_front();
    return odpowiedz;
}

TUstawionyRejestrator::TUstawionyRejestrator()
    : fRejestrator(std::make_shared<TRejestratorKomunikatow>())
{
    TPlatforma::UstawKomunikaty(fRejestrator);
}

TUstawionyRejestrator::~TUstawionyRejestrator()
{
    TPlatforma::UstawKomunikaty(nullptr);
}

TTymczasowyFolder::TTymczasowyFolder()
{
    // A memory-backed folder where there is one: every opened test database syncs to disk
    // several times, which costs close to a second per test on an ordinary disk.
    std::filesystem::path baza = std::filesystem::temp_directory_path();
    std::error_code ec;
    if (const char* wlasny = std::getenv("GROSIWO_TEST_TMPDIR"); wlasny && *wlasny)
        baza = wlasny;
    else if (std::filesystem::is_directory("/dev/shm", ec))
        baza = "/dev/shm";
    std::string wzor = (baza / "grosiwo-test-XXXXXX").string();
    if (!mkdtemp(wzor.data()))
        throw std::runtime_error("mkdtemp failed");
    fSciezka = wzor;
}

TTymczasowyFolder::~TTymczasowyFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(fSciezka, ec);
}
