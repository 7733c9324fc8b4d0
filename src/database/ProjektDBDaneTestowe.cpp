// Filling a database with default categories, test persons and random transactions.
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "collections/KolekcjeDanych.h"
#include "common/FormatyTekstowe.h"
#include "common/Platforma.h"
#include "common/Wyjatki.h"
#include "database/PlikiDB.h"
#include "database/PoleceniaKonserwacji.h"
#include "database/ProjektDB.h"

namespace {

const int IloscPrzebiegow = 21;
const char* const BrakKategorii =
    "Nie można wstawić danych testowych, w bazie nie ma zapisanych żadnych danych odnośnie "
    "kategorii";

class TLosowanie {
public:
    // The same moment gives the same data, so a fixed clock makes the data repeatable.
    explicit TLosowanie(TDateTime teraz)
        : fGenerator(static_cast<std::mt19937_64::result_type>(std::llround(teraz * 86400000.0)))
    {
    }

    // A whole part from 0 to doMax plus a fraction in [0, 1), in the SQL amount form.
    std::string Kwota(int doMax)
    {
        std::uniform_int_distribution<int> calosc(0, doMax);
        std::uniform_real_distribution<double> ulamek(0.0, 1.0);
        const int czescCalkowita = calosc(fGenerator);
        return SQLKwota(czescCalkowita + ulamek(fGenerator));
    }

    int32_t Element(const TIntegerList& lista)
    {
        std::uniform_int_distribution<int> indeks(0, lista.Count() - 1);
        return lista[indeks(fGenerator)];
    }

private:
    std::mt19937_64 fGenerator;
};

}  // namespace

void TProjektDB::WpiszDaneTestowe()
{
    UtworzDomyslneKategorie(TTabele::Pusta);
    DodajDoBazyOsobyTestowe();
    WczytajDaneZTabelDoKolekcji(TTabele::Kategorie_Wydatki);
    WczytajDaneZTabelDoKolekcji(TTabele::Kategorie_Przychody);
    WczytajDaneZTabelDoKolekcji(TTabele::Kategorie_Oszczednosci);
    WczytajDaneZTabelDoKolekcji(TTabele::Osoby);
    TPlatforma::Aplikacja().PrzetworzOczekujaceZdarzenia();

    if (!fKolekcje)
        throw EGrosiwoException(BrakKategorii);
    const TIntegerList kategorieWydatkow =
        fKolekcje->PobierzListeIDKategorii(TTabele::Kategorie_Wydatki, true);
    const TIntegerList kategoriePrzychodow =
        fKolekcje->PobierzListeIDKategorii(TTabele::Kategorie_Przychody, true);
    const TIntegerList kategorieOszczednosci =
        fKolekcje->PobierzListeIDKategorii(TTabele::Kategorie_Oszczednosci, true);
    const TIntegerList osoby = fKolekcje->PobierzListeIDKategorii(TTabele::Osoby, true);
    if (kategorieWydatkow.Count() == 0 || kategoriePrzychodow.Count() == 0 ||
        kategorieOszczednosci.Count() == 0 || osoby.Count() == 0)
        throw EGrosiwoException(BrakKategorii);

    const TDateTime teraz = Teraz();
    TLosowanie losowanie(teraz);
    const std::string data = SQLDataCzas(teraz);
    std::vector<std::string> polecenia;
    for (int i = 0; i < IloscPrzebiegow; ++i) {
        // Drawn one by one: argument evaluation order is unspecified, and the data must repeat.
        const int32_t kategoriaWydatku = losowanie.Element(kategorieWydatkow);
        const std::string kwotaWydatku = losowanie.Kwota(799);
        const int32_t zrodloWydatku = losowanie.Element(kategorieOszczednosci);
        const int32_t osobaWydatku = losowanie.Element(osoby);
        polecenia.push_back(PolecenieTransakcjiTestowej(fPlikiDB->TabNameWydatki(), "IdKategoriaWydatki",
                                                        kategoriaWydatku, kwotaWydatku, zrodloWydatku,
                                                        data, osobaWydatku));
        const int32_t kategoriaPrzychodu = losowanie.Element(kategoriePrzychodow);
        const std::string kwotaPrzychodu = losowanie.Kwota(999);
        const int32_t celPrzychodu = losowanie.Element(kategorieOszczednosci);
        const int32_t osobaPrzychodu = losowanie.Element(osoby);
        polecenia.push_back(PolecenieTransakcjiTestowej(fPlikiDB->TabNamePrzychody(), "IdKategoriaPrzychody",
                                                        kategoriaPrzychodu, kwotaPrzychodu, celPrzychodu,
                                                        data, osobaPrzychodu));
        if (i < kategorieOszczednosci.Count())
            polecenia.push_back(PolecenieOszczednosciTestowej(fPlikiDB->TabNameOszczednosci(),
                                                              kategorieOszczednosci[i],
                                                              losowanie.Kwota(999), data));
    }
    WykonajListePolecenSQL(std::move(polecenia), false);

    WczytajDaneZTabelDoKolekcji(TTabele::Wydatki);
    WczytajDaneZTabelDoKolekcji(TTabele::Przychody);
    WczytajDaneZTabelDoKolekcji(TTabele::Oszczednosci);
}
