#pragma once
// One expense category's expenses summed over one year: a row of the per-category tables.
#include <cstdint>

class TWydatekNaRokDlaIDKategorii {
public:
    TWydatekNaRokDlaIDKategorii(int32_t aID, uint16_t aRok, double aKwota)
        : fIDKategoriiWydatkow(aID), fRok(aRok), fKwota(aKwota)
    {
    }

    int32_t IDKategoriiWydatkow() const { return fIDKategoriiWydatkow; }
    void SetIDKategoriiWydatkow(int32_t v) { if (fIDKategoriiWydatkow != v) fIDKategoriiWydatkow = v; }
    uint16_t Rok() const { return fRok; }
    void SetRok(uint16_t v) { if (fRok != v) fRok = v; }
    double Kwota() const { return fKwota; }
    void SetKwota(double v) { if (fKwota != v) fKwota = v; }

private:
    int32_t fIDKategoriiWydatkow;
    uint16_t fRok;
    double fKwota;
};
