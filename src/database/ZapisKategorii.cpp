// The category tables and the persons: a table must keep a usable entry, an entry others
// refer to is not deleted, and a person needs a first and a last name.
#include <algorithm>

#include "common/FormatyTekstowe.h"
#include "database/KodowanieZapisu.h"
#include "database/PlikiDB.h"
#include "database/ZapisTabeli.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Osoba.h"

using zapis::Liczba;
using zapis::PolecenieUsuniecia;
using zapis::Sklej;

namespace {

// Usable for the table rules: visible and staying.
template <typename T>
bool Widoczny(const std::unique_ptr<T>& r)
{
    return r && !r->Usuniety() && r->Zmiany() != TTypModyfikacji::Usunieto;
}

std::string OdmowaUsunieciaKategorii(const std::string& opis, const std::string& coUzywa,
                                     const std::string& captionKategorii)
{
    return Sklej({" • Nie udało się usunąć \"", opis, "\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje ",
                  coUzywa, ". Możesz też wyłączyć widoczność tej pozycji w ", captionKategorii,
                  ", wówczas dodając nową pozycję do tabeli nie będzie można wybrać \"", opis, "\" z listy."});
}

std::string ZTabeli(const std::string& caption)
{
    return Sklej({"o takiej nazwie z tabeli \"", caption, "\""});
}

std::string OdmowaTabeliKategorii(const std::string& caption, const char* wymog)
{
    return Sklej({" • Nie udało się w pełni zapisać tabeli \"", caption,
                  "\". Tabela musi posiadać co najmniej jeden rekord lub co najmniej jedna z pozycji "
                  "znajdujących się w tej tabeli musi mieć włączoną ",
                  wymog, " !"});
}

// A person's text as the statements take it: the marker NULL when empty, cleaned otherwise.
std::string TekstOsoby(const std::string& tekst)
{
    return tekst.empty() ? std::string("NULL") : UsunZnakiZakazane(tekst);
}

std::string PoleOsoby(const std::string& kopia)
{
    return kopia == "NULL" ? kopia : SQLTekst(kopia);
}

}  // namespace

template <typename TKategoria>
void TZapisTabeli::ZapiszKategorie(const TListaRekordow<TKategoria>& kategorie, bool wydatki)
{
    const std::string caption = Caption(fTabela);
    if (std::none_of(kategorie.begin(), kategorie.end(), Widoczny<TKategoria>)) {
        DodajKomunikat(OdmowaTabeliKategorii(caption, "Widoczność"));
        return;
    }
    const std::string& t = wydatki ? fPliki.TabNameKategorieWydatkow() : fPliki.TabNameKategoriePrzychodow();
    const std::string captionTransakcji = Caption(wydatki ? TTabele::Wydatki : TTabele::Przychody);
    const char* rodzaj = wydatki ? "wydatków" : "przychodów";
    fPaczka.Slownik.emplace();
    for (const auto& k : kategorie) {
        if (!k)
            continue;
        switch (k->Zmiany()) {
        case TTypModyfikacji::Zmieniono:
            DodajPolecenie(Sklej({"UPDATE \"", t, "\" SET \"Opis\"=", SQLTekst(k->Opis()),
                                  ", \"Usuniety\"=", SQLLogiczna(k->Usuniety()), ", \"Waga\"=", Liczba(k->Waga()),
                                  " WHERE \"Id\"=", Liczba(k->Id()), ";"}));
            break;
        case TTypModyfikacji::Dodano:
            DodajPolecenie(Sklej({"INSERT INTO \"", t, "\" (\"Opis\", \"Usuniety\", \"Waga\") VALUES(",
                                  SQLTekst(k->Opis()), ", ", SQLLogiczna(k->Usuniety()), ", ", Liczba(k->Waga()),
                                  ");"}));
            DodajDoSlownika(k->Id(), UsunZnakiZakazane(k->Opis()));
            break;
        case TTypModyfikacji::Usunieto: {
            std::string coUzywa;
            if (Uzyte(wydatki ? TUzycie::WydatkiKategoria : TUzycie::PrzychodyKategoria, k->Id()))
                coUzywa = ZTabeli(captionTransakcji);
            else if (Uzyte(wydatki ? TUzycie::ZleceniaWydatkiKategoria : TUzycie::ZleceniaPrzychodyKategoria, k->Id()))
                coUzywa = Sklej({"o takiej nazwie kategori z listy zleceń stałych ", rodzaj});
            else if (Uzyte(wydatki ? TUzycie::PlanyWydatkowKategoria : TUzycie::PlanyPrzychodowKategoria, k->Id()))
                coUzywa = Sklej({"o takiej nazwie kategori z listy planowanych ", rodzaj});
            if (coUzywa.empty())
                DodajPolecenie(PolecenieUsuniecia(t, k->Id()));
            else
                DodajKomunikat(OdmowaUsunieciaKategorii(k->Opis(), coUzywa, caption));
            break;
        }
        case TTypModyfikacji::BezZmian:
            break;
        }
    }
}

template void TZapisTabeli::ZapiszKategorie(const TListaRekordow<TKategoriaWydatki>&, bool);
template void TZapisTabeli::ZapiszKategorie(const TListaRekordow<TKategoriaPrzychody>&, bool);

void TZapisTabeli::ZapiszKategorieOszczednosci()
{
    const TListaRekordow<TKategoriaOszczednosci>& kategorie = fKolekcje.KategorieOszczednosci();
    const std::string caption = Caption(TTabele::Kategorie_Oszczednosci);
    if (fKolekcje.IloscKategoriOszczednosciZMozliwosciaZaplaty() == 0) {
        DodajKomunikat(Sklej({" • Nie udało się w pełni zapisać tabeli \"", caption,
                              "\". W programie musi być co najmniej jedną oszczędność z możliwością zapłaty. "
                              "Inaczej nie będzie można dodawać wydatków do programu ponieważ nie będzie z "
                              "czego odejmować wpisanej kwoty !"}));
        return;
    }
    const bool saUzywalne = std::any_of(kategorie.begin(), kategorie.end(), Widoczny<TKategoriaOszczednosci>);
    const bool saUzywalneDoZaplaty = std::any_of(kategorie.begin(), kategorie.end(), [](const auto& k) {
        return Widoczny(k) && k->MoznaZaplacic();
    });
    if (!saUzywalne)
        DodajKomunikat(OdmowaTabeliKategorii(caption, "Widoczność"));
    if (!saUzywalneDoZaplaty) {
        DodajKomunikat(OdmowaTabeliKategorii(caption, "zarówno Widoczność jak i Możliwość zapłaty"));
        return;
    }
    const std::string& t = fPliki.TabNameKategorieOszczednosci();
    fPaczka.Slownik.emplace();
    for (const auto& k : kategorie) {
        if (!k)
            continue;
        switch (k->Zmiany()) {
        case TTypModyfikacji::Zmieniono:
            DodajPolecenie(Sklej({"UPDATE \"", t, "\" SET \"Opis\"=", SQLTekst(k->Opis()),
                                  ", \"Usuniety\"=", SQLLogiczna(k->Usuniety()),
                                  ", \"MoznaZaplacic\"=", SQLLogiczna(k->MoznaZaplacic()),
                                  ", \"Dlug\"=", SQLLogiczna(k->CharakterDlugu()), ", \"Waga\"=", Liczba(k->Waga()),
                                  " WHERE \"Id\"=", Liczba(k->Id()), ";"}));
            break;
        case TTypModyfikacji::Dodano:
            DodajPolecenie(Sklej({"INSERT INTO \"", t,
                                  "\" (\"Opis\", \"Usuniety\", \"MoznaZaplacic\", \"Dlug\", \"Waga\") VALUES(",
                                  SQLTekst(k->Opis()), ", ", SQLLogiczna(k->Usuniety()), ", ",
                                  SQLLogiczna(k->MoznaZaplacic()), ", ", SQLLogiczna(k->CharakterDlugu()), ", ",
                                  Liczba(k->Waga()), ");"}));
            DodajDoSlownika(k->Id(), UsunZnakiZakazane(k->Opis()));
            break;
        case TTypModyfikacji::Usunieto: {
            // Transfers are checked whatever the entries found: one category may get two messages.
            std::string coUzywa;
            if (Uzyte(TUzycie::OszczednosciKategoria, k->Id()))
                coUzywa = ZTabeli(Caption(TTabele::Oszczednosci));
            else if (Uzyte(TUzycie::PrzychodyKategoriaOszczednosci, k->Id()))
                coUzywa = ZTabeli(Caption(TTabele::Przychody));
            else if (Uzyte(TUzycie::WydatkiKategoriaOszczednosci, k->Id()))
                coUzywa = ZTabeli(Caption(TTabele::Wydatki));
            const bool wPrzelewach = Uzyte(TUzycie::PrzelewyKategoria, k->Id());
            if (!coUzywa.empty())
                DodajKomunikat(OdmowaUsunieciaKategorii(k->Opis(), coUzywa, caption));
            if (wPrzelewach)
                DodajKomunikat(OdmowaUsunieciaKategorii(k->Opis(), ZTabeli(Caption(TTabele::HistoriaPrzelewow)),
                                                        caption));
            if (coUzywa.empty() && !wPrzelewach)
                DodajPolecenie(Sklej({"DELETE FROM \"", t, "\" WHERE \"Id\"=\"", Liczba(k->Id()), "\";"}));
            break;
        }
        case TTypModyfikacji::BezZmian:
            break;
        }
    }
}

void TZapisTabeli::ZapiszOsoby()
{
    const TListaRekordow<TOsoba>& osoby = fKolekcje.Osoby();
    if (std::none_of(osoby.begin(), osoby.end(), Widoczny<TOsoba>)) {
        DodajKomunikat(Sklej({" • Nie udało się w pełni zapisać tabeli \"", Caption(TTabele::Osoby),
                              "\". Tabela musi posiadać co najmniej jeden rekord i musi mieć on włączoną "
                              "widoczność !\rOznacza to, że w programie musi być zdefiniowana co najmniej jedna "
                              "osoba, która będzie miała włączoną widoczność czyli będzie mogła dodawać "
                              "wydatki/przychody i wykonywać zlecenia stałe. Można też zmienić osobie imię i/lub "
                              "nazwisko."}));
        return;
    }
    const std::string& t = fPliki.TabNameOsoby();
    fPaczka.Slownik.emplace();
    for (auto it = osoby.rbegin(); it != osoby.rend(); ++it) {
        const TOsoba* o = it->get();
        if (!o || o->Zmiany() == TTypModyfikacji::BezZmian)
            continue;
        const std::string imie = TekstOsoby(o->Imie());
        const std::string nazwisko = TekstOsoby(o->Nazwisko());
        const std::string imieINazwisko = Sklej({o->Imie(), " ", o->Nazwisko()});
        if (o->Zmiany() != TTypModyfikacji::Usunieto && (imie == "NULL" || nazwisko == "NULL")) {
            DodajKomunikat(o->Zmiany() == TTypModyfikacji::Dodano
                               ? Sklej({" • Nie udało się dodać osoby \"", imieINazwisko,
                                        "\" do bazy - Imię i Nazwisko nie może być puste."})
                               : Sklej({" • Nie udało się zapisać osoby \"", imieINazwisko,
                                        "\" - Imię i Nazwisko nie może być puste."}));
            // The persons not visited yet are left for the next save.
            return;
        }
        switch (o->Zmiany()) {
        case TTypModyfikacji::Zmieniono:
            DodajPolecenie(Sklej({"UPDATE \"", t, "\" SET \"Imie\"=", SQLTekst(imie), ", \"Nazwisko\"=",
                                  SQLTekst(nazwisko), ", \"Pseudonim\"=", PoleOsoby(TekstOsoby(o->Pseudonim())),
                                  ", \"Adres\"=", PoleOsoby(TekstOsoby(o->Adres())),
                                  ", \"Telefon\"=", PoleOsoby(TekstOsoby(o->Telefon())),
                                  ", \"Usuniety\"=", SQLLogiczna(o->Usuniety()), ", \"Waga\"=", Liczba(o->Waga()),
                                  " WHERE \"Id\"=\"", Liczba(o->Id()), "\";"}));
            break;
        case TTypModyfikacji::Dodano:
            DodajPolecenie(Sklej({"INSERT INTO \"", t,
                                  "\" (\"Imie\", \"Nazwisko\", \"Pseudonim\", \"Adres\", \"Telefon\", \"Waga\", "
                                  "\"Usuniety\") VALUES(",
                                  SQLTekst(imie), ", ", SQLTekst(nazwisko), ", ", PoleOsoby(TekstOsoby(o->Pseudonim())),
                                  ", ", PoleOsoby(TekstOsoby(o->Adres())), ", ", PoleOsoby(TekstOsoby(o->Telefon())),
                                  ", ", Liczba(o->Waga()), ", ", SQLLogiczna(o->Usuniety()), ");"}));
            DodajDoSlownika(o->Id(), Sklej({imie, " ", nazwisko}));
            break;
        case TTypModyfikacji::Usunieto: {
            std::string tabele;
            if (Uzyte(TUzycie::PrzychodyOsoba, o->Id()))
                tabele = Sklej({"\"", Caption(TTabele::Przychody), "\""});
            else if (Uzyte(TUzycie::WydatkiOsoba, o->Id()))
                tabele = Sklej({"\"", Caption(TTabele::Wydatki), "\""});
            else if (Uzyte(TUzycie::HistoriaZlecenOsoba, o->Id()))
                tabele = Sklej({"\"", Caption(TTabele::HistoriaZlecenStalychWydatki), "\"/\"",
                                Caption(TTabele::HistoriaZlecenStalychPrzychody), "\""});
            if (tabele.empty())
                DodajPolecenie(Sklej({"DELETE FROM \"", t, "\" WHERE \"Id\"=\"", Liczba(o->Id()), "\";"}));
            else
                DodajKomunikat(Sklej({" • Nie udało się usunąć \"", imieINazwisko,
                                      "\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje używające tej "
                                      "osoby z tabeli ",
                                      tabele, ". Możesz też zmienić osobie \"", imieINazwisko,
                                      "\" imię lub nazwisko na zakładce \"Osoby\"."}));
            break;
        }
        case TTypModyfikacji::BezZmian:
            break;
        }
    }
}
