#pragma once
// One expense category's expenses summed over one month: a row of the per-category tables.
#include <cstdint>
#include <string>
#include <utility>

class TWydatekNaMiesiacDlaIDKategorii {
public:
    TWydatekNaMiesiacDlaIDKategorii(int32_t aID, std::string aMiesiac, double aKwota)
        : fIDKategoriiWydatkow(aID), fMiesiac(std::move(aMiesiac)), fKwota(aKwota)
    {
    }

    int32_t IDKategoriiWydatkow() const { return fIDKategoriiWydatkow; }
    void SetIDKategoriiWydatkow(int32_t v) { if (fIDKategoriiWydatkow != v) fIDKategoriiWydatkow = v; }
    // The month key, e.g. "maj 2013".
    const std::string& Miesiac() const { return fMiesiac; }
    void SetMiesiac(const std::string& v) { if (fMiesiac != v) fMiesiac = v; }
    double Kwota() const { return fKwota; }
    void SetKwota(double v) { if (fKwota != v) fKwota = v; }

private:
    int32_t fIDKategoriiWydatkow;
    std::string fMiesiac;
    double fKwota;
};
