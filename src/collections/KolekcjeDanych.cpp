#include "collections/KolekcjeDanych.h"

#include <algorithm>

#include "records/HarmonogramLokatyBankowej.h"
#include "records/HistoriaPrzelewu.h"
#include "records/KategoriaOszczednosci.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Lokata.h"
#include "records/Ograniczenie.h"
#include "records/Osoba.h"
#include "records/Oszczednosc.h"
#include "records/Plan.h"
#include "records/Przychod.h"
#include "records/StanOszczednosci.h"
#include "records/Wydatek.h"
#include "records/ZlecenieStale.h"

namespace {

template <typename T>
bool ZawieraNieusuniete(const TListaRekordow<T>& lista)
{
    return std::ranges::any_of(
        lista, [](const auto& rekord) { return rekord->Zmiany() != TTypModyfikacji::Usunieto; });
}

}  // namespace

TKolekcjeDanych::TKolekcjeDanych()
{
    Clear();
}

TKolekcjeDanych::~TKolekcjeDanych()
{
    Clear();
}

void TKolekcjeDanych::Clear()
{
    WyczyscKolekcjeDanych();
    for (TTabela* tabela :
         {&fTabelaWydatki, &fTabelaPrzychody, &fTabelaOszczednosci, &fTabelaKategorieWydatki,
          &fTabelaKategoriePrzychody, &fTabelaKategorieOszczednosci, &fTabelaOsoby,
          &fTabelaHistoriaPrzelewowOszczednosci, &fTabelaStanyOszczednosci,
          &fTabelaZleceniaStaleWydatki, &fTabelaZleceniaStalePrzychody,
          &fTabelaHistoriaZlecenStalychWydatki, &fTabelaHistoriaZlecenStalychPrzychody,
          &fTabelaPlany, &fTabelaOgraniczenia, &fTabelaLokaty, &fTabelaHarmonogramyLokatBankowych})
        tabela->Clear();
}

void TKolekcjeDanych::WyczyscKolekcjeDanych()
{
    fWydatki.clear();
    fPrzychody.clear();
    fOszczednosci.clear();
    fKategorieWydatki.clear();
    fKategoriePrzychody.clear();
    fKategorieOszczednosci.clear();
    fOsoby.clear();
    fHistoriaPrzelewowOszczednosci.clear();
    fStanyOszczednosci.clear();
    fZleceniaStaleWydatki.clear();
    fZleceniaStalePrzychody.clear();
    fHistoriaZlecenStalych.clear();
    fPlany.clear();
    fOgraniczenia.clear();
    fLokaty.clear();
    fHarmonogramyLokatBankowych.clear();
    fZyskiZLokatDoDodaniaJakoPrzychod.clear();
    UstawFlagiZmienionoINiezapisano(false);
}

void TKolekcjeDanych::UstawFlagiZmienionoINiezapisano(bool wartosc)
{
    // ZmienionoINiezapisanoZleceniaStaleWydatki and ...Przychody are deliberately kept.
    fZmienionoINiezapisanoWydatki = wartosc;
    fZmienionoINiezapisanoPrzychody = wartosc;
    fZmienionoINiezapisanoOszczednosci = wartosc;
    fZmienionoINiezapisanoKategorieWydatki = wartosc;
    fZmienionoINiezapisanoKategoriePrzychody = wartosc;
    fZmienionoINiezapisanoKategorieOszczednosci = wartosc;
    fZmienionoINiezapisanoOsoby = wartosc;
    fZmienionoINiezapisanoHistoriePrzelewow = wartosc;
    fZmienionoINiezapisanoStanyOszczednosci = wartosc;
    fZmienionoINiezapisanoHistorieZlecenStalych = wartosc;
    fZmienionoINiezapisanoPlany = wartosc;
    fZmienionoINiezapisanoOgraniczenia = wartosc;
    fZmienionoINiezapisanoLokaty = wartosc;
}

bool TKolekcjeDanych::KolekcjaZawieraWydatki() const
{
    return ZawieraNieusuniete(fWydatki);
}

bool TKolekcjeDanych::KolekcjaZawieraKategorieWydatki() const
{
    return ZawieraNieusuniete(fKategorieWydatki);
}

bool TKolekcjeDanych::KolekcjaZawieraPrzychody() const
{
    return ZawieraNieusuniete(fPrzychody);
}

bool TKolekcjeDanych::KolekcjaZawieraKategoriePrzychody() const
{
    return ZawieraNieusuniete(fKategoriePrzychody);
}

bool TKolekcjeDanych::KolekcjaZawieraOszczednosci() const
{
    // The computed deposits entry reports BezZmian, so it counts.
    return ZawieraNieusuniete(fOszczednosci);
}

bool TKolekcjeDanych::KolekcjaZawieraKategorieOszczednosci() const
{
    return ZawieraNieusuniete(fKategorieOszczednosci);
}

bool TKolekcjeDanych::KolekcjaZawieraOsoby() const
{
    return ZawieraNieusuniete(fOsoby);
}

bool TKolekcjeDanych::KolekcjaZawieraHistoriePrzelewow() const
{
    return ZawieraNieusuniete(fHistoriaPrzelewowOszczednosci);
}

bool TKolekcjeDanych::KolekcjaZawieraStanyOszczednosci() const
{
    return ZawieraNieusuniete(fStanyOszczednosci);
}

bool TKolekcjeDanych::KolekcjaZawieraHistorieZlecenStalych() const
{
    return ZawieraNieusuniete(fHistoriaZlecenStalych);
}

bool TKolekcjeDanych::KolekcjaZawieraZleceniaStaleWydatki() const
{
    return ZawieraNieusuniete(fZleceniaStaleWydatki);
}

bool TKolekcjeDanych::KolekcjaZawieraZleceniaStalePrzychody() const
{
    return ZawieraNieusuniete(fZleceniaStalePrzychody);
}

bool TKolekcjeDanych::KolekcjaZawieraLokaty() const
{
    return ZawieraNieusuniete(fLokaty);
}

bool TKolekcjeDanych::KolekcjaZawieraHarmonogramyLokat() const
{
    return ZawieraNieusuniete(fHarmonogramyLokatBankowych);
}

bool TKolekcjeDanych::KolekcjaZawieraAktywneLokaty() const
{
    return std::ranges::any_of(fLokaty, [](const auto& lokata) {
        return lokata->Zmiany() != TTypModyfikacji::Usunieto && lokata->Aktywna();
    });
}

bool TKolekcjeDanych::SaZdefiniowaneOgraniczenia() const
{
    return std::ranges::any_of(fOgraniczenia, [](const auto& ograniczenie) {
        return ograniczenie->Zmiany() != TTypModyfikacji::Usunieto &&
               (ograniczenie->MaxMiesiac() != 0 || ograniczenie->MaxRok() != 0);
    });
}

bool TKolekcjeDanych::JestZyskZLokat() const
{
    return std::ranges::any_of(fZyskiZLokatDoDodaniaJakoPrzychod,
                               [](const auto& zysk) { return zysk.second != 0; });
}

bool TKolekcjeDanych::KolekcjeKategoriiZawierajaDane() const
{
    return !fKategorieWydatki.empty() || !fKategoriePrzychody.empty() ||
           !fKategorieOszczednosci.empty() || !fOsoby.empty();
}

bool TKolekcjeDanych::KolekcjeDanychZawierajaDane() const
{
    if (!fWydatki.empty() || !fPrzychody.empty())
        return true;
    if (!fOszczednosci.empty()) {
        // A lone deposits entry is computed from the deposits, not entered by the user; the
        // savings history is then not looked at either.
        const bool tylkoZLokat =
            fOszczednosci.size() == 1 && fOszczednosci.front()->OszczednoscZTabeliLokaty();
        if (!tylkoZLokat)
            return true;
    } else if (!fHistoriaPrzelewowOszczednosci.empty() || !fStanyOszczednosci.empty() ||
               !fZleceniaStaleWydatki.empty() || !fZleceniaStalePrzychody.empty() ||
               !fHistoriaZlecenStalych.empty()) {
        return true;
    }
    return !fPlany.empty() || !fOgraniczenia.empty() || !fLokaty.empty() ||
           !fHarmonogramyLokatBankowych.empty();
}

bool TKolekcjeDanych::KolekcjeZawierajaDane() const
{
    return KolekcjeDanychZawierajaDane() || KolekcjeKategoriiZawierajaDane();
}
