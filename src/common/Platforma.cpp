#include "common/Platforma.h"

#include <chrono>
#include <ctime>
#include <iostream>
#include <utility>

namespace {

class TZegarSystemowy : public IZegar {
public:
    TDateTime Teraz() const override
    {
        using namespace std::chrono;
        const auto teraz = system_clock::now();
        const std::time_t t = system_clock::to_time_t(teraz);
        std::tm lokalny{};
        localtime_r(&t, &lokalny);
        const int ms = static_cast<int>(
            duration_cast<milliseconds>(teraz.time_since_epoch()).count() % 1000);
        return KodujDateCzas(lokalny.tm_year + 1900, lokalny.tm_mon + 1, lokalny.tm_mday,
                             lokalny.tm_hour, lokalny.tm_min, lokalny.tm_sec, ms);
    }
};

// Without a user interface a message goes to standard error; a question gets "Nie",
// the answer that changes nothing.
class TKomunikatyKonsoli : public IKomunikaty {
public:
    TOdpowiedzKomunikatu Pokaz(const std::string& tekst, const std::string& tytul,
                               TIkonaKomunikatu, TPrzyciskiKomunikatu przyciski) override
    {
        std::string wiersz = tekst;
        for (char& c : wiersz)
            if (c == '\r')
                c = '\n';
        std::cerr << tytul << ": " << wiersz << '\n';
        return przyciski == TPrzyciskiKomunikatu::OK ? TOdpowiedzKomunikatu::OK
                                                     : TOdpowiedzKomunikatu::Nie;
    }
};

class TAplikacjaBezOkien : public IAplikacja {
public:
    std::string TytulAplikacji() const override { return "Grosiwo"; }
    void PrzetworzOczekujaceZdarzenia() override {}
};

struct TUslugi {
    std::shared_ptr<IZegar> Zegar = std::make_shared<TZegarSystemowy>();
    std::shared_ptr<IKomunikaty> Komunikaty = std::make_shared<TKomunikatyKonsoli>();
    std::shared_ptr<IAplikacja> Aplikacja = std::make_shared<TAplikacjaBezOkien>();
};

TUslugi& Uslugi()
{
    static TUslugi uslugi;
    return uslugi;
}

}  // namespace

const IZegar& TPlatforma::Zegar()
{
    return *Uslugi().Zegar;
}

void TPlatforma::UstawZegar(std::shared_ptr<IZegar> zegar)
{
    Uslugi().Zegar = zegar ? std::move(zegar) : std::make_shared<TZegarSystemowy>();
}

IKomunikaty& TPlatforma::Komunikaty()
{
    return *Uslugi().Komunikaty;
}

void TPlatforma::UstawKomunikaty(std::shared_ptr<IKomunikaty> komunikaty)
{
    Uslugi().Komunikaty = komunikaty ? std::move(komunikaty) : std::make_shared<TKomunikatyKonsoli>();
}

IAplikacja& TPlatforma::Aplikacja()
{
    return *Uslugi().Aplikacja;
}

void TPlatforma::UstawAplikacje(std::shared_ptr<IAplikacja> aplikacja)
{
    Uslugi().Aplikacja = aplikacja ? std::move(aplikacja) : std::make_shared<TAplikacjaBezOkien>();
}

TDateTime Teraz()
{
    return TPlatforma::Zegar().Teraz();
}

TOdpowiedzKomunikatu PokazKomunikat(const std::string& tekst, const std::string& tytul,
                                    TIkonaKomunikatu ikona, TPrzyciskiKomunikatu przyciski)
{
    return TPlatforma::Komunikaty().Pokaz(tekst, tytul, ikona, przyciski);
}

void PokazBlad(const std::string& tekst)
{
    PokazKomunikat(tekst, "BŁĄD !!!", TIkonaKomunikatu::Blad, TPrzyciskiKomunikatu::OK);
}
