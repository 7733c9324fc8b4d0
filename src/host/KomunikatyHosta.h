#pragma once
// The host's message boxes behind PokazKomunikat and PokazBlad, shared with the planner
// module through the data library: the planner's Qt boxes (TKomunikatyQt), with errors also
// written to standard error.
#include "planner/KomunikatyQt.h"

class TKomunikatyHosta : public TKomunikatyQt {
public:
    TOdpowiedzKomunikatu Pokaz(const std::string& tekst, const std::string& tytul,
                               TIkonaKomunikatu ikona, TPrzyciskiKomunikatu przyciski) override;
};
