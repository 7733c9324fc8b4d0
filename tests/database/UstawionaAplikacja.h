#pragma once
// Installs, for the lifetime of the object, an application service with a known title that
// counts how often pending UI events were processed.
#include <memory>
#include <string>
#include <utility>

#include "common/Platforma.h"

class TTestowaAplikacja : public IAplikacja {
public:
    explicit TTestowaAplikacja(std::string tytul) : fTytul(std::move(tytul)) {}
    std::string TytulAplikacji() const override { return fTytul; }
    void PrzetworzOczekujaceZdarzenia() override { ++PrzetworzonoZdarzen; }
    int PrzetworzonoZdarzen = 0;

private:
    std::string fTytul;
};

class TUstawionaAplikacja {
public:
    explicit TUstawionaAplikacja(std::string tytul = "Grosiwo Test")
        : fAplikacja(std::make_shared<TTestowaAplikacja>(std::move(tytul)))
    {
        TPlatforma::UstawAplikacje(fAplikacja);
    }
    ~TUstawionaAplikacja() { TPlatforma::UstawAplikacje(nullptr); }
    TUstawionaAplikacja(const TUstawionaAplikacja&) = delete;
    TUstawionaAplikacja& operator=(const TUstawionaAplikacja&) = delete;
    TTestowaAplikacja* operator->() { return fAplikacja.get(); }

private:
    std::shared_ptr<TTestowaAplikacja> fAplikacja;
};
