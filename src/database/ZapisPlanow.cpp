// Tables without consistency rules: plans, spending limits, bank deposits and deposit offers.
#include "common/FormatyTekstowe.h"
#include "common/Platforma.h"
#include "database/KodowanieZapisu.h"
#include "database/PlikiDB.h"
#include "database/ZapisTabeli.h"
#include "records/HarmonogramLokatyBankowej.h"
#include "records/Lokata.h"
#include "records/Ograniczenie.h"
#include "records/Plan.h"

using zapis::Liczba;
using zapis::PolecenieUsuniecia;
using zapis::Sklej;

void TZapisTabeli::ZapiszPlany()
{
    const std::string& t = fPliki.TabNamePlany();
    for (const auto& p : fKolekcje.Plany()) {
        if (!p)
            continue;
        switch (p->Zmiany()) {
        case TTypModyfikacji::Zmieniono:
            DodajPolecenie(Sklej({"UPDATE \"", t, "\" SET \"Nazwa\"=", SQLTekst(p->Nazwa()),
                                  ",\"Kwota\"=", SQLKwota(p->Kwota()),
                                  ",\"IdKategorii\"=", Liczba(p->IdKategorii()),
                                  ",\"Wykonany\"=", SQLLogiczna(p->Wykonany()),
                                  ",\"DodanyDoKolekcji\"=", SQLLogiczna(p->DodanyDoKolekcji()),
                                  ",\"TypPlanu\"=", SQLWyliczenie(static_cast<int>(p->TypPlanu())),
                                  ",\"Data\"=", SQLDataCzas(p->Data()),
                                  ",\"Komentarz\"=", zapis::TekstOpcjonalny(p->Komentarz()),
                                  " WHERE \"Id\"=", Liczba(p->Id()), ";"}));
            break;
        case TTypModyfikacji::Dodano:
            DodajPolecenie(Sklej({"INSERT INTO \"", t,
                                  "\" (\"Nazwa\", \"Kwota\", \"IdKategorii\", \"Wykonany\", "
                                  "\"DodanyDoKolekcji\", \"TypPlanu\", \"Data\", \"Komentarz\" ) VALUES(",
                                  SQLTekst(p->Nazwa()), ",", SQLKwota(p->Kwota()), ",",
                                  Liczba(p->IdKategorii()), ",", SQLLogiczna(p->Wykonany()), ", ",
                                  SQLLogiczna(p->DodanyDoKolekcji()), ", ",
                                  SQLWyliczenie(static_cast<int>(p->TypPlanu())), ",",
                                  SQLDataCzas(p->Data()), ",", zapis::TekstOpcjonalny(p->Komentarz()),
                                  ");"}));
            break;
        case TTypModyfikacji::Usunieto:
            DodajPolecenie(PolecenieUsuniecia(t, p->Id()));
            break;
        case TTypModyfikacji::BezZmian:
            break;
        }
    }
}

void TZapisTabeli::ZapiszOgraniczenia()
{
    const std::string& t = fPliki.TabNameOgraniczenia();
    for (const auto& o : fKolekcje.Ograniczenia()) {
        if (!o)
            continue;
        // Both maxima 0 limit nothing: a stored limit like that goes, a new one is not stored.
        if (o->MaxMiesiac() == 0 && o->MaxRok() == 0) {
            if (o->Zmiany() == TTypModyfikacji::Dodano)
                continue;
            o->SetZmiany(TTypModyfikacji::Usunieto);
        }
        switch (o->Zmiany()) {
        case TTypModyfikacji::Zmieniono:
            DodajPolecenie(Sklej({"UPDATE \"", t, "\" SET \"IdKategoriiWydatku\"=",
                                  Liczba(o->IdKategoriiWydatku()), ",\"MaxMiesiac\"=",
                                  SQLKwota(o->MaxMiesiac()), ",\"MaxRok\"=", SQLKwota(o->MaxRok()),
                                  ",\"RokOgraniczenia\"=", Liczba(o->RokOgraniczenia()),
                                  ",\"Data\"=", SQLDataCzas(Teraz()), " WHERE \"Id\"=", Liczba(o->Id()),
                                  ";"}));
            break;
        case TTypModyfikacji::Dodano:
            DodajPolecenie(Sklej({"INSERT INTO \"", t,
                                  "\" (\"IdKategoriiWydatku\", \"MaxMiesiac\", \"MaxRok\", "
                                  "\"RokOgraniczenia\", \"Data\") VALUES(",
                                  Liczba(o->IdKategoriiWydatku()), ",", SQLKwota(o->MaxMiesiac()), ",",
                                  SQLKwota(o->MaxRok()), ",", Liczba(o->RokOgraniczenia()), ",",
                                  SQLDataCzas(Teraz()), ");"}));
            break;
        case TTypModyfikacji::Usunieto:
            DodajPolecenie(PolecenieUsuniecia(t, o->Id()));
            break;
        case TTypModyfikacji::BezZmian:
            break;
        }
    }
}

void TZapisTabeli::ZapiszLokaty()
{
    const std::string& t = fPliki.TabNameLokaty();
    for (const auto& l : fKolekcje.Lokaty()) {
        if (!l)
            continue;
        switch (l->Zmiany()) {
        case TTypModyfikacji::Zmieniono:
            DodajPolecenie(Sklej({"UPDATE \"", t, "\" SET \"Nazwa\"=", SQLTekst(l->Nazwa()),
                                  ",\"Kwota\"=", SQLKwota(l->Kwota()),
                                  ",\"DataRozpoczecia\"=", SQLDataCzas(SamaData(l->DataRozpoczecia())),
                                  ",\"OkresLokaty\"=", Liczba(l->OkresLokaty()),
                                  ",\"JednostkaLokaty\"=", SQLWyliczenie(static_cast<int>(l->JednostkaLokaty())),
                                  ",\"IdHarmonogramLokaty\"=", Liczba(l->IdHarmonogramLokaty()),
                                  ",\"Aktywna\"=", SQLLogiczna(l->Aktywna()),
                                  " WHERE \"Id\"=", Liczba(l->Id()), ";"}));
            break;
        case TTypModyfikacji::Dodano:
            DodajPolecenie(Sklej({"INSERT INTO \"", t,
                                  "\" (\"Nazwa\", \"Kwota\", \"DataRozpoczecia\", \"OkresLokaty\", "
                                  "\"JednostkaLokaty\", \"IdHarmonogramLokaty\", \"Aktywna\") VALUES(",
                                  SQLTekst(l->Nazwa()), ",", SQLKwota(l->Kwota()), ",",
                                  SQLDataCzas(SamaData(l->DataRozpoczecia())), ",", Liczba(l->OkresLokaty()),
                                  ",", SQLWyliczenie(static_cast<int>(l->JednostkaLokaty())), ",",
                                  Liczba(l->IdHarmonogramLokaty()), ",", SQLLogiczna(l->Aktywna()), ");"}));
            break;
        case TTypModyfikacji::Usunieto:
            DodajPolecenie(PolecenieUsuniecia(t, l->Id()));
            break;
        case TTypModyfikacji::BezZmian:
            break;
        }
    }
}

void TZapisTabeli::ZapiszHarmonogramyLokat()
{
    const std::string& t = fPliki.TabNameHarmonogramyLokat();
    for (const auto& h : fKolekcje.HarmonogramyLokatBankowych()) {
        if (!h)
            continue;
        switch (h->Zmiany()) {
        case TTypModyfikacji::Zmieniono:
            DodajPolecenie(Sklej(
                {"UPDATE \"", t, "\" SET \"Bank\"=", SQLTekst(h->Bank()),
                 ",\"Nazwa\"=", SQLTekst(h->NazwaHarmonogramu()),
                 ",\"OkresDepozytu\"=", Liczba(h->OkresDepozytu()),
                 ",\"JednostkaDepozytu\"=", SQLWyliczenie(static_cast<int>(h->JednostkaDepozytu())),
                 ",\"OprocentowanieStaleWCalymOkresieLokaty\"=",
                 SQLLogiczna(h->OprocentowanieStaleWCalymOkresieLokaty()),
                 ",\"OprocentowanieWSkaliRoku\"=", SQLKwota(h->OprocentowanieWSkaliRoku()),
                 ",\"Kapitalizacja\"=", SQLWyliczenie(static_cast<int>(h->Kapitalizacja())),
                 ",\"KwotaMinimalna\"=", SQLKwota(h->KwotaMinimalna()),
                 ",\"KwotaMaksymalna\"=", SQLKwota(h->KwotaMaksymalna()),
                 ",\"WymaganeKontoOsobisteWTymBanku\"=", SQLLogiczna(h->WymaganeKontoOsobisteWTymBanku()),
                 ",\"MozliwoscWczesniejszegoZerwaniaLokaty\"=",
                 SQLLogiczna(h->MozliwoscWczesniejszegoZerwaniaLokaty()),
                 ",\"WarunkiWczesniejszegoZerwaniaLokaty\"=",
                 zapis::TekstOpcjonalnyNiepusty(h->WarunkiWczesniejszegoZerwaniaLokaty()),
                 ",\"PozostaleInformacje\"=", zapis::TekstOpcjonalnyNiepusty(h->PozostaleInformacje()),
                 ",\"HarmonogramDodanyPrzezUzytkownika\"=", SQLLogiczna(h->HarmonogramDodanyPrzezUzytkownika()),
                 ",\"DataDodania\"=", SQLDataCzas(Teraz()), " WHERE \"Id\"=", Liczba(h->Id()), ";"}));
            break;
        case TTypModyfikacji::Dodano:
            DodajPolecenie(Sklej(
                {"INSERT INTO \"", t,
                 "\" (\"Bank\", \"Nazwa\", \"OkresDepozytu\", \"JednostkaDepozytu\", "
                 "\"OprocentowanieStaleWCalymOkresieLokaty\", \"OprocentowanieWSkaliRoku\", "
                 "\"Kapitalizacja\", \"KwotaMinimalna\", \"KwotaMaksymalna\", "
                 "\"WymaganeKontoOsobisteWTymBanku\", \"MozliwoscWczesniejszegoZerwaniaLokaty\", "
                 "\"WarunkiWczesniejszegoZerwaniaLokaty\", \"PozostaleInformacje\", "
                 "\"HarmonogramDodanyPrzezUzytkownika\", \"DataDodania\" ) VALUES(",
                 SQLTekst(h->Bank()), ",", SQLTekst(h->NazwaHarmonogramu()), ",",
                 Liczba(h->OkresDepozytu()), ",", SQLWyliczenie(static_cast<int>(h->JednostkaDepozytu())), ",",
                 SQLLogiczna(h->OprocentowanieStaleWCalymOkresieLokaty()), ",",
                 SQLKwota(h->OprocentowanieWSkaliRoku()), ",",
                 SQLWyliczenie(static_cast<int>(h->Kapitalizacja())), ",", SQLKwota(h->KwotaMinimalna()), ",",
                 SQLKwota(h->KwotaMaksymalna()), ",", SQLLogiczna(h->WymaganeKontoOsobisteWTymBanku()), ",",
                 SQLLogiczna(h->MozliwoscWczesniejszegoZerwaniaLokaty()), ",",
                 zapis::TekstOpcjonalnyNiepusty(h->WarunkiWczesniejszegoZerwaniaLokaty()), ",",
                 zapis::TekstOpcjonalnyNiepusty(h->PozostaleInformacje()), ",",
                 SQLLogiczna(h->HarmonogramDodanyPrzezUzytkownika()), ",", SQLDataCzas(Teraz()), ");"}));
            break;
        case TTypModyfikacji::Usunieto:
            DodajPolecenie(PolecenieUsuniecia(t, h->Id()));
            break;
        case TTypModyfikacji::BezZmian:
            break;
        }
    }
}
