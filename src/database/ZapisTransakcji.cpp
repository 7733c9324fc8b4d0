// The money tables: expenses, incomes, savings with their transfers, standing orders, their
// history and the balance history.
#include "common/FormatyTekstowe.h"
#include "database/KodowanieZapisu.h"
#include "database/PlikiDB.h"
#include "database/ZapisTabeli.h"
#include "records/HistoriaPrzelewu.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Osoba.h"
#include "records/Oszczednosc.h"
#include "records/Przychod.h"
#include "records/StanOszczednosci.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"

using zapis::Liczba;
using zapis::PolecenieUsuniecia;
using zapis::Sklej;
using zapis::TekstOpcjonalny;

namespace {

constexpr const char* KoniecOdmowyKategorii =
    ". Tabela ta korzysta z kategorii, które nie są zapisane w bazie lecz dodane do danych "
    "tymczasowych. Zapisz najpierw wszystkie zmodyfikowane kategorie";

}  // namespace

void TZapisTabeli::ZapiszWydatki()
{
    const std::string& t = fPliki.TabNameWydatki();
    const std::string odmowa = Sklej({" • Nie udało się w pełni zapisać tabeli ", Caption(TTabele::Wydatki),
                                      KoniecOdmowyKategorii, ". Upewnij się też, że lista osób jest zapisana."});
    for (auto it = fKolekcje.Wydatki().rbegin(); it != fKolekcje.Wydatki().rend(); ++it) {
        const TWydatek* w = it->get();
        if (!w || w->Zmiany() == TTypModyfikacji::BezZmian)
            continue;
        if (w->Zmiany() != TTypModyfikacji::Usunieto &&
            (!Uzywalny(ZwrocKategorieWydatkuPoID(w->IdKategoriaWydatki())) ||
             !Uzywalny(ZwrocKategorieOszczednosciPoID(w->IdKategoriaOszczednosci())) ||
             !Uzywalny(ZwrocOsobePoID(w->IdOsoba())))) {
            DodajKomunikat(odmowa);
            continue;
        }
        switch (w->Zmiany()) {
        case TTypModyfikacji::Zmieniono:
            DodajPolecenie(Sklej({"UPDATE \"", t, "\" SET \"IdKategoriaWydatki\"=", Liczba(w->IdKategoriaWydatki()),
                                  ",\"Ile\"=", SQLKwota(w->Ile()),
                                  ",\"IdKategoriaOszczednosci\"=", Liczba(w->IdKategoriaOszczednosci()),
                                  ",\"Data\"=", SQLDataCzas(w->Data()),
                                  ",\"IdOsoba\"=", Liczba(w->IdOsoba()),
                                  ",\"Komentarz\"=", TekstOpcjonalny(w->Komentarz()),
                                  ",\"Zalacznik\"=", TekstOpcjonalny(w->Zalacznik()),
                                  ",\"ZlecenieStale\"=", SQLLogiczna(w->ZlecenieStale()),
                                  " WHERE \"Id\"=", Liczba(w->Id()), ";"}),
                           true);
            break;
        case TTypModyfikacji::Dodano:
            DodajPolecenie(Sklej({"INSERT INTO \"", t,
                                  "\" (\"IdKategoriaWydatki\", \"Ile\", \"IdKategoriaOszczednosci\", \"Data\", "
                                  "\"IdOsoba\", \"Komentarz\", \"ZlecenieStale\", \"Zalacznik\") VALUES(",
                                  Liczba(w->IdKategoriaWydatki()), ",", SQLKwota(w->Ile()), ",",
                                  Liczba(w->IdKategoriaOszczednosci()), ",", SQLDataCzas(w->Data()), ",",
                                  Liczba(w->IdOsoba()), ",", TekstOpcjonalny(w->Komentarz()), ",",
                                  SQLLogiczna(w->ZlecenieStale()), ",", TekstOpcjonalny(w->Zalacznik()), ");"}),
                           true);
            break;
        case TTypModyfikacji::Usunieto:
            DodajPolecenie(PolecenieUsuniecia(t, w->Id()));
            break;
        case TTypModyfikacji::BezZmian:
            break;
        }
    }
}

void TZapisTabeli::ZapiszPrzychody()
{
    const std::string& t = fPliki.TabNamePrzychody();
    const std::string odmowa = Sklej({" • Nie udało się w pełni zapisać tabeli ", fPliki.TabNamePrzychody(),
                                      KoniecOdmowyKategorii, ". Upewnij się też, że lista osób jest zapisana."});
    for (auto it = fKolekcje.Przychody().rbegin(); it != fKolekcje.Przychody().rend(); ++it) {
        const TPrzychod* p = it->get();
        if (!p || p->Zmiany() == TTypModyfikacji::BezZmian)
            continue;
        if (p->Zmiany() != TTypModyfikacji::Usunieto &&
            (!Uzywalny(ZwrocKategoriePrzychoduPoID(p->IdKategoriaPrzychody())) ||
             !Uzywalny(ZwrocKategorieOszczednosciPoID(p->IdKategoriaOszczednosci())) ||
             !Uzywalny(ZwrocOsobePoID(p->IdOsoba())))) {
            DodajKomunikat(odmowa);
            continue;
        }
        switch (p->Zmiany()) {
        case TTypModyfikacji::Zmieniono:
            DodajPolecenie(Sklej({"UPDATE \"", t, "\" SET \"IdKategoriaPrzychody\"=", Liczba(p->IdKategoriaPrzychody()),
                                  ",\"Ile\"=", SQLKwota(p->Ile()),
                                  ",\"IdKategoriaOszczednosci\"=", Liczba(p->IdKategoriaOszczednosci()),
                                  ",\"Data\"=", SQLDataCzas(p->Data()),
                                  ",\"IdOsoba\"=", Liczba(p->IdOsoba()),
                                  ",\"Komentarz\"=", TekstOpcjonalny(p->Komentarz()),
                                  ",\"ZlecenieStale\"=", SQLLogiczna(p->ZlecenieStale()),
                                  " WHERE \"Id\"=", Liczba(p->Id()), ";"}),
                           true);
            break;
        case TTypModyfikacji::Dodano:
            DodajPolecenie(Sklej({"INSERT INTO \"", t,
                                  "\" (\"IdKategoriaPrzychody\", \"Ile\", \"IdKategoriaOszczednosci\", \"Data\", "
                                  "\"IdOsoba\", \"Komentarz\", \"ZlecenieStale\" ) VALUES(",
                                  Liczba(p->IdKategoriaPrzychody()), ",", SQLKwota(p->Ile()), ",",
                                  Liczba(p->IdKategoriaOszczednosci()), ",", SQLDataCzas(p->Data()), ",",
                                  Liczba(p->IdOsoba()), ",", TekstOpcjonalny(p->Komentarz()), ",",
                                  SQLLogiczna(p->ZlecenieStale()), ");"}),
                           true);
            break;
        case TTypModyfikacji::Usunieto:
            DodajPolecenie(PolecenieUsuniecia(t, p->Id()));
            break;
        case TTypModyfikacji::BezZmian:
            break;
        }
    }
}

void TZapisTabeli::ZapiszOszczednosci()
{
    // Without an entry that can pay, no expense could be entered any more.
    if (fKolekcje.IloscOszczednosciZMozliwosciaZaplaty() == 0) {
        DodajKomunikat(Sklej({" • Nie udało się w pełni zapisać tabeli \"", Caption(TTabele::Oszczednosci),
                              "\". Tabela musi posiadać co najmniej jedną oszczędność z możliwością zapłaty. "
                              "Inaczej nie będzie można dodawać wydatków do programu ponieważ nie będzie z "
                              "czego odejmować wpisanej kwoty !"}));
        return;
    }
    const std::string& t = fPliki.TabNameOszczednosci();
    const std::string odmowa =
        Sklej({" • Nie udało się w pełni zapisać tabeli ", t, KoniecOdmowyKategorii, "."});
    for (auto it = fKolekcje.Oszczednosci().rbegin(); it != fKolekcje.Oszczednosci().rend(); ++it) {
        const TOszczednosc* o = it->get();
        if (!o || o->Zmiany() == TTypModyfikacji::BezZmian)
            continue;
        if (o->Zmiany() != TTypModyfikacji::Usunieto &&
            !Uzywalny(ZwrocKategorieOszczednosciPoID(o->IdKategoriaOszczednosci()))) {
            DodajKomunikat(odmowa);
            continue;
        }
        switch (o->Zmiany()) {
        case TTypModyfikacji::Zmieniono:
            DodajPolecenie(Sklej({"UPDATE \"", t, "\" SET \"IdKategoriaOszczednosci\"=",
                                  Liczba(o->IdKategoriaOszczednosci()), ",\"Ile\"=", SQLKwota(o->Ile()),
                                  ",\"Data\"=", SQLDataCzas(o->Data()),
                                  ",\"TypOszczednosci\"=", Liczba(o->TypOszczednosci()),
                                  ",\"Komentarz\"=", TekstOpcjonalny(o->Komentarz()),
                                  " WHERE \"Id\"=", Liczba(o->Id()), ";"}),
                           true);
            break;
        case TTypModyfikacji::Dodano:
            DodajPolecenie(Sklej({"INSERT INTO \"", t,
                                  "\" (\"IdKategoriaOszczednosci\", \"Ile\", \"Data\", \"Komentarz\", "
                                  "\"TypOszczednosci\" ) VALUES(",
                                  Liczba(o->IdKategoriaOszczednosci()), ",", SQLKwota(o->Ile()), ",",
                                  SQLDataCzas(o->Data()), ",", TekstOpcjonalny(o->Komentarz()), ",",
                                  Liczba(o->TypOszczednosci()), ");"}),
                           true);
            break;
        case TTypModyfikacji::Usunieto: {
            std::string lista;
            if (Uzyte(TUzycie::ZleceniaWydatkiOszczednosc, o->Id()))
                lista = Sklej({"\"", Caption(TTabele::ZleceniaStaleWydatki), "\""});
            else if (Uzyte(TUzycie::ZleceniaPrzychodyOszczednosc, o->Id()))
                lista = Sklej({"\"", Caption(TTabele::ZleceniaStalePrzychody), "\""});
            else if (Uzyte(TUzycie::HistoriaZlecenOszczednosc, o->Id()))
                lista = Sklej({"\"", Caption(TTabele::HistoriaZlecenStalychWydatki), "\"/\"",
                               Caption(TTabele::HistoriaZlecenStalychPrzychody), "\""});
            if (lista.empty()) {
                DodajPolecenie(PolecenieUsuniecia(t, o->Id()), true);
                break;
            }
            const std::string opis = fKolekcje.PobierzOpisKategoriiPoID(
                fKolekcje.PobierzIDKatOszczednosciDlaOszczednosci(o->Id()), TTabele::Kategorie_Oszczednosci);
            DodajKomunikat(Sklej({" • Nie udało się usunąć oszczędności \"", opis,
                                  "\" - pozycja jest w użyciu, usuń najpierw wszystkie pozycje o takiej kategori "
                                  "oszczędnośąci z listy ",
                                  lista, "."}));
            break;
        }
        case TTypModyfikacji::BezZmian:
            break;
        }
    }
    // The transfers between savings belong with the entries they moved money between.
    ZapiszHistoriePrzelewow(false);
}

void TZapisTabeli::ZapiszHistoriePrzelewow(bool odswiezaStan)
{
    const std::string& t = fPliki.TabNameHistoriaPrzelewowOszczednosci();
    for (const auto& h : fKolekcje.HistoriaPrzelewow()) {
        if (!h)
            continue;
        switch (h->Zmiany()) {
        case TTypModyfikacji::Zmieniono:
            DodajPolecenie(Sklej({"UPDATE \"", t, "\" SET \"Ile\"=", SQLKwota(h->Ile()),
                                  ",\"IdKategoriaOszczednosciFrom\"=", Liczba(h->IdKategoriaOszczednosciFROM()),
                                  ",\"IdKategoriaOszczednosciTo\"=", Liczba(h->IdKategoriaOszczednosciTO()),
                                  ",\"Data\"=", SQLDataCzas(h->Data()),
                                  ",\"Komentarz\"=", TekstOpcjonalny(h->Komentarz()),
                                  " WHERE \"Id\"=", Liczba(h->Id()), ";"}));
            break;
        case TTypModyfikacji::Dodano:
            DodajPolecenie(Sklej({"INSERT INTO \"", t,
                                  "\" (\"Ile\", \"IdKategoriaOszczednosciFrom\", \"IdKategoriaOszczednosciTo\", "
                                  "\"Data\", \"Komentarz\" ) VALUES(",
                                  SQLKwota(h->Ile()), ",", Liczba(h->IdKategoriaOszczednosciFROM()), ",",
                                  Liczba(h->IdKategoriaOszczednosciTO()), ",", SQLDataCzas(h->Data()), ",",
                                  TekstOpcjonalny(h->Komentarz()), ");"}),
                           odswiezaStan);
            break;
        case TTypModyfikacji::Usunieto:
            DodajPolecenie(PolecenieUsuniecia(t, h->Id()));
            break;
        case TTypModyfikacji::BezZmian:
            break;
        }
    }
}

void TZapisTabeli::ZapiszZleceniaStale(bool wydatki)
{
    const TTabele tabela = wydatki ? TTabele::ZleceniaStaleWydatki : TTabele::ZleceniaStalePrzychody;
    const TListaRekordow<TZlecenieStale>& zlecenia =
        wydatki ? fKolekcje.ZleceniaStaleWydatki() : fKolekcje.ZleceniaStalePrzychody();
    const std::string& t = fPliki.TabNameZleceniaStale();
    const std::string caption = Caption(tabela);
    const std::string captionHistorii =
        Caption(wydatki ? TTabele::HistoriaZlecenStalychWydatki : TTabele::HistoriaZlecenStalychPrzychody);
    const std::string poczatekOdmowy = Sklej({" • Nie udało się w pełni zapisać tabeli \"", caption, "\""});
    for (auto it = zlecenia.rbegin(); it != zlecenia.rend(); ++it) {
        const TZlecenieStale* z = it->get();
        if (!z || z->Zmiany() == TTypModyfikacji::BezZmian)
            continue;
        if (z->Zmiany() != TTypModyfikacji::Usunieto) {
            const TOszczednosc* oszczednosc = ZwrocOszczednoscPoID(z->IdOszczednosci());
            // The category of the first entry with the id, -1 when there is none.
            const int32_t idKategoriiOszczednosci = oszczednosc ? oszczednosc->IdKategoriaOszczednosci() : -1;
            if (!Uzywalny(oszczednosc) || !Uzywalny(ZwrocKategorieOszczednosciPoID(idKategoriiOszczednosci))) {
                DodajKomunikat(Sklej({poczatekOdmowy, KoniecOdmowyKategorii, " i/lub tabelę oszczędności."}));
                continue;
            }
            const bool kategoriaUzywalna = wydatki ? Uzywalny(ZwrocKategorieWydatkuPoID(z->IdKategorii()))
                                                   : Uzywalny(ZwrocKategoriePrzychoduPoID(z->IdKategorii()));
            if (!kategoriaUzywalna) {
                DodajKomunikat(Sklej({poczatekOdmowy, KoniecOdmowyKategorii, "."}));
                continue;
            }
        }
        switch (z->Zmiany()) {
        case TTypModyfikacji::Zmieniono:
            DodajPolecenie(Sklej({"UPDATE \"", t, "\" SET \"IdKategorii\"=", Liczba(z->IdKategorii()),
                                  ",\"IdOszczednosci\"=", Liczba(z->IdOszczednosci()),
                                  ",\"Nazwa\"=", SQLTekst(z->Nazwa()), ",\"Kwota\"=", SQLKwota(z->Kwota()),
                                  ",\"Czestotliwosc\"=", SQLWyliczenie(static_cast<int>(z->Czestotliwosc())),
                                  ",\"TypZleceniaStalego\"=", SQLWyliczenie(z->TypZleceniaStalego()),
                                  ",\"Data\"=", SQLDataCzas(z->Data()), ",\"Aktywne\"=", SQLLogiczna(z->Aktywne()),
                                  " WHERE \"Id\"=", Liczba(z->Id()), ";"}),
                           true);
            break;
        case TTypModyfikacji::Dodano:
            DodajPolecenie(Sklej({"INSERT INTO \"", t,
                                  "\" (\"IdKategorii\", \"IdOszczednosci\", \"Nazwa\", \"Kwota\", "
                                  "\"Czestotliwosc\", \"TypZleceniaStalego\", \"Data\", \"Aktywne\" ) VALUES(",
                                  Liczba(z->IdKategorii()), ",", Liczba(z->IdOszczednosci()), ",",
                                  SQLTekst(z->Nazwa()), ",", SQLKwota(z->Kwota()), ",",
                                  SQLWyliczenie(static_cast<int>(z->Czestotliwosc())), ",",
                                  SQLWyliczenie(z->TypZleceniaStalego()), ",", SQLDataCzas(z->Data()), ",",
                                  SQLLogiczna(z->Aktywne()), ");"}),
                           true);
            break;
        case TTypModyfikacji::Usunieto:
            // An order with a history must stay: the history entries point back to it.
            if (Uzyte(TUzycie::HistoriaZlecenZlecenie, z->Id())) {
                DodajKomunikat(Sklej({" • Nie udało się usunąć \"", z->Nazwa(),
                                      "\" - zlecenie stałe jest w użyciu, usuń najpierw wszystkie pozycje o takiej "
                                      "nazwie z tabeli \"",
                                      captionHistorii, "\". Możesz też wyłączyć aktywność tego zlecenia stałego w tabeli \"",
                                      captionHistorii, "\", wówczas zlecenie stałe \"", z->Nazwa(),
                                      "\" będzie wyłączone, stanie się nieaktywne."}));
            } else {
                DodajPolecenie(PolecenieUsuniecia(t, z->Id()));
            }
            break;
        case TTypModyfikacji::BezZmian:
            break;
        }
    }
}

void TZapisTabeli::ZapiszHistorieZlecenStalych()
{
    const std::string& t = fPliki.TabNameHistoriaZlecenStalych();
    const TListaRekordow<TZlecenieStale>& historia = fKolekcje.HistoriaZlecenStalych();
    for (auto it = historia.rbegin(); it != historia.rend(); ++it) {
        const TZlecenieStale* h = it->get();
        if (!h)
            continue;
        switch (h->Zmiany()) {
        case TTypModyfikacji::Zmieniono:
            DodajPolecenie(Sklej({"UPDATE \"", t, "\" SET \"IdKategorii\"=", Liczba(h->IdKategorii()),
                                  ",\"IdZleceniaStalego\"=", Liczba(h->IdZleceniaStalego()),
                                  ",\"IdOszczednosci\"=", Liczba(h->IdOszczednosci()),
                                  ",\"Kwota\"=", SQLKwota(h->Kwota()),
                                  ",\"Czestotliwosc\"=", SQLWyliczenie(static_cast<int>(h->Czestotliwosc())),
                                  ",\"TypZleceniaStalego\"=", SQLWyliczenie(h->TypZleceniaStalego()),
                                  ",\"Data\"=", SQLDataCzas(h->Data()),
                                  ",\"Komentarz\"=", TekstOpcjonalny(h->Komentarz()),
                                  ",\"IdOsoba\"=", Liczba(h->IdOsoba()), " WHERE \"Id\"=", Liczba(h->Id()), ";"}));
            break;
        case TTypModyfikacji::Dodano:
            DodajPolecenie(Sklej({"INSERT INTO \"", t,
                                  "\" (\"IdKategorii\", \"IdZleceniaStalego\", \"IdOszczednosci\", \"Kwota\", "
                                  "\"Czestotliwosc\", \"TypZleceniaStalego\", \"Data\", \"Komentarz\", "
                                  "\"IdOsoba\") VALUES(",
                                  Liczba(h->IdKategorii()), ",", Liczba(h->IdZleceniaStalego()), ",",
                                  Liczba(h->IdOszczednosci()), ",", SQLKwota(h->Kwota()), ",",
                                  SQLWyliczenie(static_cast<int>(h->Czestotliwosc())), ",",
                                  SQLWyliczenie(h->TypZleceniaStalego()), ",", SQLDataCzas(h->Data()), ",",
                                  TekstOpcjonalny(h->Komentarz()), ",", Liczba(h->IdOsoba()), ");"}));
            break;
        case TTypModyfikacji::Usunieto:
            DodajPolecenie(PolecenieUsuniecia(t, h->Id()));
            break;
        case TTypModyfikacji::BezZmian:
            break;
        }
    }
}

void TZapisTabeli::ZapiszStanyOszczednosci()
{
    // New snapshots are appended by the balance refresh itself; only deletions are saved.
    const std::string& t = fPliki.TabNameStanOszczednosci();
    for (const auto& s : fKolekcje.StanyOszczednosci())
        if (s && s->Zmiany() == TTypModyfikacji::Usunieto)
            DodajPolecenie(PolecenieUsuniecia(t, s->Id()));
}
