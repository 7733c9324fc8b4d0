// Inserting the default categories and the test persons.
#include "database/PlikiDB.h"
#include "database/PoleceniaKonserwacji.h"
#include "database/ProjektDB.h"

void TProjektDB::UtworzDomyslneKategorie(TTabele kolekcja)
{
    const bool wszystkie = kolekcja == TTabele::Pusta;
    if (wszystkie || kolekcja == TTabele::Kategorie_Wydatki)
        WykonajListePolecenSQL(PoleceniaDomyslnychKategorii(fPlikiDB->TabNameKategorieWydatkow(),
                                                            fDomyslneKategorieWydatkow),
                               false);
    if (wszystkie || kolekcja == TTabele::Kategorie_Przychody)
        WykonajListePolecenSQL(PoleceniaDomyslnychKategorii(fPlikiDB->TabNameKategoriePrzychodow(),
                                                            fDomyslneKategoriePrzychodow),
                               false);
    if (wszystkie || kolekcja == TTabele::Kategorie_Oszczednosci)
        WykonajListePolecenSQL(PoleceniaDomyslnychKategoriiOszczednosci(
                                   fPlikiDB->TabNameKategorieOszczednosci(), fDomyslneKategorieOszczednosci),
                               false);
}

void TProjektDB::DodajDoBazyOsobyTestowe()
{
    WykonajListePolecenSQL(PoleceniaOsobTestowych(fPlikiDB->TabNameOsoby()), false);
}
