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
    std::string wzor = (std::filesystem::temp_directory_path() / "grosiwo-test-XXXXXX").string();
    if (!mkdtemp(wzor.data()))
        throw std::runtime_error("mkdtemp failed");
    fSciezka = wzor;
}

TTymczasowyFolder::~TTymczasowyFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(fSciezka, ec);
}
