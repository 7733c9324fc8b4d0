#pragma once
// Test doubles for the platform services: a fixed clock, a message recorder that answers
// questions from a script, and a temporary folder removed at the end of a test.
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/Platforma.h"

class TStalyZegar : public IZegar {
public:
    explicit TStalyZegar(TDateTime teraz) : fTeraz(teraz) {}
    TDateTime Teraz() const override { return fTeraz; }
    void Ustaw(TDateTime teraz) { fTeraz = teraz; }

private:
    TDateTime fTeraz;
};

// Installs a fixed clock for the lifetime of the object.
class TUstawionyZegar {
public:
    explicit TUstawionyZegar(TDateTime teraz);
    ~TUstawionyZegar();
    void Ustaw(TDateTime teraz) { fZegar->Ustaw(teraz); }

private:
    std::shared_ptr<TStalyZegar> fZegar;
};

struct TZapisanyKomunikat {
    std::string Tekst;
    std::string Tytul;
    TIkonaKomunikatu Ikona;
    TPrzyciskiKomunikatu Przyciski;
};

class TRejestratorKomunikatow : public IKomunikaty {
public:
    TOdpowiedzKomunikatu Pokaz(const std::string& tekst, const std::string& tytul,
                               TIkonaKomunikatu ikona, TPrzyciskiKomunikatu przyciski) override;
    std::vector<TZapisanyKomunikat> Komunikaty;
    // Answers to questions, used in order; "Nie" once they run out.
    std::deque<TOdpowiedzKomunikatu> Odpowiedzi;
};

// Installs a message recorder for the lifetime of the object.
class TUstawionyRejestrator {
public:
    TUstawionyRejestrator();
    ~TUstawionyRejestrator();
    TRejestratorKomunikatow& operator*() { return *fRejestrator; }
    TRejestratorKomunikatow* operator->() { return fRejestrator.get(); }

private:
    std::shared_ptr<TRejestratorKomunikatow> fRejestrator;
};

class TTymczasowyFolder {
public:
    TTymczasowyFolder();
    ~TTymczasowyFolder();
    const std::filesystem::path& Sciezka() const { return fSciezka; }
    std::string Plik(const std::string& nazwa) const { return (fSciezka / nazwa).string(); }

private:
    std::filesystem::path fSciezka;
};
