#pragma once
// The host's message boxes behind PokazKomunikat and PokazBlad, shared with the planner
// module through the data library: a modal QMessageBox with Polish buttons in front of the
// window the user works in. Errors are also written to standard error.
#include "common/Platforma.h"

class TKomunikatyHosta : public IKomunikaty {
public:
    TOdpowiedzKomunikatu Pokaz(const std::string& tekst, const std::string& tytul,
                               TIkonaKomunikatu ikona, TPrzyciskiKomunikatu przyciski) override;
};

