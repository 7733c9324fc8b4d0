#pragma once
// Services the data layer needs but must not own: the current moment, message boxes,
// the application's title and processing pending UI events. The Qt layer installs the
// real ones; tests install a fixed clock and a recorder. The data library is shared by
// the host and the module, so one installation serves both.
#include <memory>
#include <string>

#include "common/DataCzas.h"

class IZegar {
public:
    virtual ~IZegar() = default;
    // Local date and time of the computer (or the test's fixed moment).
    virtual TDateTime Teraz() const = 0;
};

enum class TIkonaKomunikatu { Blad, Ostrzezenie, Informacja, Pytanie };
enum class TPrzyciskiKomunikatu { OK, TakNie };
enum class TOdpowiedzKomunikatu { OK, Tak, Nie };

class IKomunikaty {
public:
    virtual ~IKomunikaty() = default;
    // A line break inside tekst is a lone carriage return ("\r").
    virtual TOdpowiedzKomunikatu Pokaz(const std::string& tekst, const std::string& tytul,
                                       TIkonaKomunikatu ikona, TPrzyciskiKomunikatu przyciski) = 0;
};

class IAplikacja {
public:
    virtual ~IAplikacja() = default;
    virtual std::string TytulAplikacji() const = 0;
    // Lets the user interface process what is pending, once.
    virtual void PrzetworzOczekujaceZdarzenia() = 0;
};

// Installed services; passing nullptr restores the default one. The defaults: local time,
// messages written to standard error (a question is answered "Nie"), title "Grosiwo".
class TPlatforma {
public:
    static const IZegar& Zegar();
    static void UstawZegar(std::shared_ptr<IZegar> zegar);
    static IKomunikaty& Komunikaty();
    static void UstawKomunikaty(std::shared_ptr<IKomunikaty> komunikaty);
    static IAplikacja& Aplikacja();
    static void UstawAplikacje(std::shared_ptr<IAplikacja> aplikacja);
};

// The current moment from the installed clock.
TDateTime Teraz();

// Shows a message through the installed service.
TOdpowiedzKomunikatu PokazKomunikat(const std::string& tekst, const std::string& tytul,
                                    TIkonaKomunikatu ikona, TPrzyciskiKomunikatu przyciski);
// An error box: title "BŁĄD !!!", error icon, OK.
void PokazBlad(const std::string& tekst);
