#include <cmath>
#include <string>
#include <string_view>

#include "CeleFuzz.h"
#include "common/DataCzas.h"
#include "common/FormatyTekstowe.h"
#include "common/Wyjatki.h"

void SprawdzDateCzas(const uint8_t* dane, size_t rozmiar)
{
    const std::string_view tekst(reinterpret_cast<const char*>(dane), rozmiar);
    TDateTime proba = 0;
    const bool czyData = SprobujTekstNaDataCzas(tekst, proba);
    TDateTime data = 0;
    try {
        data = TekstNaDataCzas(tekst);
    } catch (const EGrosiwoException& e) {
        if (czyData)
            throw ENaruszenieObietnicy("TekstNaDataCzas refused what SprobujTekstNaDataCzas read");
        if (std::string(e.what()).find("nie jest poprawną datą i godziną") == std::string::npos)
            throw ENaruszenieObietnicy(std::string("an unexpected refusal: ") + e.what());
        return;
    }
    if (!czyData || proba != data)
        throw ENaruszenieObietnicy("the two date readers disagree");
    // A date read from the file is shown and written again: it must lie in the calendar.
    std::string stored;
    try {
        (void)DekodujDateCzas(data);
        stored = DataCzasNaTekst(data);
        (void)SQLDataCzas(data);
    } catch (const EGrosiwoException& e) {
        throw ENaruszenieObietnicy(std::string("a date read from text cannot be written: ") + e.what());
    }
    // The stored form drops the seconds, so it reads back as the same minute.
    TDateTime ponowna = 0;
    if (!SprobujTekstNaDataCzas(stored, ponowna))
        throw ENaruszenieObietnicy("the stored form " + stored + " does not read back");
    const double minuta = 1.0 / 1440.0;
    if (ponowna > data + JednaMilisekunda || data - ponowna >= minuta + JednaMilisekunda)
        throw ENaruszenieObietnicy("the stored form " + stored + " reads back as another minute");
}
