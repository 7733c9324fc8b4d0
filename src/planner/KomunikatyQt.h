#pragma once
// Message boxes of the Qt layer behind PokazKomunikat and PokazBlad: a modal QMessageBox with
// the title, the icon and Polish buttons ("OK", or "Tak" and "Nie"), in front of the window
// the user works in. Install it with TPlatforma::UstawKomunikaty.
#include <QString>

#include "common/Platforma.h"

class TKomunikatyQt : public IKomunikaty {
public:
    TOdpowiedzKomunikatu Pokaz(const std::string& tekst, const std::string& tytul,
                               TIkonaKomunikatu ikona, TPrzyciskiKomunikatu przyciski) override;
};

// The message's line breaks (lone carriage returns, as the data layer writes them) as the
// line feeds that Qt breaks lines at.
QString TekstKomunikatuQt(const std::string& tekst);
