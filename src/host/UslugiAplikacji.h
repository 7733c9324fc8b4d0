#pragma once
// The application's services for the data layer: its title and processing pending events.
#include "common/Platforma.h"

class TUslugiAplikacji : public IAplikacja {
public:
    std::string TytulAplikacji() const override;
    void PrzetworzOczekujaceZdarzenia() override;
};
