#include "database/FlagiZmian.h"

bool MaNiezapisaneZmiany(const TKolekcjeDanych& k, TTabele tabela)
{
    switch (tabela) {
    case TTabele::Wydatki: return k.ZmienionoINiezapisanoWydatki();
    case TTabele::Przychody: return k.ZmienionoINiezapisanoPrzychody();
    case TTabele::Oszczednosci: return k.ZmienionoINiezapisanoOszczednosci();
    case TTabele::Osoby: return k.ZmienionoINiezapisanoOsoby();
    case TTabele::Kategorie_Wydatki: return k.ZmienionoINiezapisanoKategorieWydatki();
    case TTabele::Kategorie_Przychody: return k.ZmienionoINiezapisanoKategoriePrzychody();
    case TTabele::Kategorie_Oszczednosci: return k.ZmienionoINiezapisanoKategorieOszczednosci();
    case TTabele::HistoriaPrzelewow: return k.ZmienionoINiezapisanoHistoriePrzelewow();
    case TTabele::ZleceniaStaleWydatki: return k.ZmienionoINiezapisanoZleceniaStaleWydatki();
    case TTabele::ZleceniaStalePrzychody: return k.ZmienionoINiezapisanoZleceniaStalePrzychody();
    case TTabele::HistoriaZlecenStalychWydatki:
    case TTabele::HistoriaZlecenStalychPrzychody: return k.ZmienionoINiezapisanoHistorieZlecenStalych();
    case TTabele::StanyOszczednosci: return k.ZmienionoINiezapisanoStanyOszczednosci();
    case TTabele::Plany: return k.ZmienionoINiezapisanoPlany();
    case TTabele::Ograniczenia: return k.ZmienionoINiezapisanoOgraniczenia();
    case TTabele::Lokaty:
    case TTabele::HarmonogramyLokatBankowych: return k.ZmienionoINiezapisanoLokaty();
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody: break;
    }
    return false;
}

void OpuscFlageZmian(TKolekcjeDanych& k, TTabele tabela)
{
    switch (tabela) {
    case TTabele::Wydatki: k.SetZmienionoINiezapisanoWydatki(false); break;
    case TTabele::Przychody: k.SetZmienionoINiezapisanoPrzychody(false); break;
    case TTabele::Oszczednosci: k.SetZmienionoINiezapisanoOszczednosci(false); break;
    case TTabele::Osoby: k.SetZmienionoINiezapisanoOsoby(false); break;
    case TTabele::Kategorie_Wydatki: k.SetZmienionoINiezapisanoKategorieWydatki(false); break;
    case TTabele::Kategorie_Przychody: k.SetZmienionoINiezapisanoKategoriePrzychody(false); break;
    case TTabele::Kategorie_Oszczednosci: k.SetZmienionoINiezapisanoKategorieOszczednosci(false); break;
    case TTabele::HistoriaPrzelewow: k.SetZmienionoINiezapisanoHistoriePrzelewow(false); break;
    case TTabele::ZleceniaStaleWydatki: k.SetZmienionoINiezapisanoZleceniaStaleWydatki(false); break;
    case TTabele::ZleceniaStalePrzychody: k.SetZmienionoINiezapisanoZleceniaStalePrzychody(false); break;
    case TTabele::HistoriaZlecenStalychWydatki:
    case TTabele::HistoriaZlecenStalychPrzychody: k.SetZmienionoINiezapisanoHistorieZlecenStalych(false); break;
    case TTabele::StanyOszczednosci: k.SetZmienionoINiezapisanoStanyOszczednosci(false); break;
    case TTabele::Plany: k.SetZmienionoINiezapisanoPlany(false); break;
    case TTabele::Ograniczenia: k.SetZmienionoINiezapisanoOgraniczenia(false); break;
    case TTabele::Lokaty:
    case TTabele::HarmonogramyLokatBankowych: k.SetZmienionoINiezapisanoLokaty(false); break;
    case TTabele::Pusta:
    case TTabele::PrzychodyIRozchody: break;
    }
}
