#include "DaneZapisu.h"

#include "common/DataCzas.h"

namespace {
const TDateTime DzienTestu = KodujDateCzas(2013, 5, 17, 9, 5);
}

TKategoriaWydatki& KategoriaWydatkow(TKolekcjeDanych& k, int32_t id, const std::string& opis,
                                     TTypModyfikacji zmiany, bool ukryta)
{
    return Dodaj(k.KategorieWydatki(), id, opis, ukryta, zmiany, 1);
}

TKategoriaPrzychody& KategoriaPrzychodow(TKolekcjeDanych& k, int32_t id, const std::string& opis,
                                         TTypModyfikacji zmiany, bool ukryta)
{
    return Dodaj(k.KategoriePrzychody(), id, opis, ukryta, zmiany, 1);
}

TKategoriaOszczednosci& KategoriaOszczednosci(TKolekcjeDanych& k, int32_t id, const std::string& opis,
                                              TTypModyfikacji zmiany, bool moznaZaplacic, bool ukryta)
{
    return Dodaj(k.KategorieOszczednosci(), id, opis, ukryta, moznaZaplacic, false, zmiany, 1);
}

TOsoba& Osoba(TKolekcjeDanych& k, int32_t id, const std::string& imie, const std::string& nazwisko,
              TTypModyfikacji zmiany, bool ukryta)
{
    return Dodaj(k.Osoby(), id, imie, nazwisko, std::string(), std::string(), std::string(), ukryta, zmiany, 1);
}

TWydatek& Wydatek(TKolekcjeDanych& k, int32_t id, int32_t idKategorii, int32_t idKategoriiOszczednosci,
                  int32_t idOsoby, TTypModyfikacji zmiany)
{
    return Dodaj(k.Wydatki(), id, idKategorii, 10.0, idKategoriiOszczednosci, DzienTestu, idOsoby, std::string(),
                 zmiany, std::string(), false);
}

TPrzychod& Przychod(TKolekcjeDanych& k, int32_t id, int32_t idKategorii, int32_t idKategoriiOszczednosci,
                    int32_t idOsoby, TTypModyfikacji zmiany)
{
    return Dodaj(k.Przychody(), id, idKategorii, 10.0, idKategoriiOszczednosci, DzienTestu, idOsoby, std::string(),
                 zmiany, false);
}

TOszczednosc& Oszczednosc(TKolekcjeDanych& k, int32_t id, int32_t idKategoriiOszczednosci, double ile,
                          TTypModyfikacji zmiany)
{
    return Dodaj(k.Oszczednosci(), id, idKategoriiOszczednosci, ile, DzienTestu, std::string(), uint8_t{1}, zmiany);
}

THistoriaPrzelewu& Przelew(TKolekcjeDanych& k, int32_t id, int32_t zKategorii, int32_t doKategorii,
                           TTypModyfikacji zmiany)
{
    return Dodaj(k.HistoriaPrzelewow(), id, 5.0, zKategorii, doKategorii, DzienTestu, std::string(), zmiany);
}

TZlecenieStale& Zlecenie(TListaRekordow<TZlecenieStale>& lista, int32_t id, int32_t idKategorii,
                         int32_t idOszczednosci, TTypModyfikacji zmiany, const std::string& nazwa)
{
    TZlecenieStale& z = Dodaj(lista);
    z.SetId(id);
    z.SetIdKategorii(idKategorii);
    z.SetIdOszczednosci(idOszczednosci);
    z.SetNazwa(nazwa);
    z.SetData(DzienTestu);
    z.SetZmiany(zmiany);
    return z;
}

TPlan& Plan(TKolekcjeDanych& k, int32_t id, TTypPlanu typ, int32_t idKategorii, TTypModyfikacji zmiany)
{
    return Dodaj(k.Plany(), id, std::string("Plan"), idKategorii, 10.0, DzienTestu, std::string(), zmiany, typ);
}

void UtworzPodstawy(TKolekcjeDanych& k)
{
    KategoriaWydatkow(k, 1, "Jedzenie");
    KategoriaPrzychodow(k, 1, "Pobory");
    KategoriaOszczednosci(k, 1, "Konto");
    Osoba(k, 1, "Jan", "Kowalski");
    Oszczednosc(k, 1, 1, 100.0, BezZmian);
}
