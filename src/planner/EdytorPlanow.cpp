#include "planner/EdytorPlanow.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTimeEdit>

#include <algorithm>
#include <charconv>
#include <exception>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>

#include "collections/KolekcjeDanych.h"
#include "common/DataCzas.h"
#include "common/FunkcjeWspolne.h"
#include "common/Platforma.h"
#include "common/Wyjatki.h"
#include "database/ProjektDB.h"
#include "planner/PoleKwoty.h"
#include "planner/SiatkaDanych.h"
#include "planner/UnitDodajPlan.h"
#include "records/Plan.h"

namespace {

const std::string BrakPolaczenia =
    "Nie udało się nawiązać połączenia z bazą danych !!!\rUpewnij się że program znajduje się w "
    "lokalizacji, w której zapis jest możliwy lub że masz wystarczająco dużo miejsca na dysku do "
    "utworzenia bazy.";
const std::string PomocKategorii =
    "\rWypełnij najpierw tabele z kategoriami: kategorie wydatków i/lub kategorie przychodów. "
    "\rWszystkie narzędzia niezbędne do tego umieszczone zostały, na widocznych u góry okna "
    "programu, zakładkach. Dodatkowa pomoc znajduje się na stronie WWW programu, w tym celu kliknij "
    "na zakładkę \"Grosiwo\" i dalej \"Strona WWW programu\".";
const std::string BrakKategoriiDodawanie = "Nie można dodać nowego planu do listy !!!" + PomocKategorii;
const std::string BrakKategoriiEdycja = "Nie można edytować planu !!!" + PomocKategorii;
const std::string NiepoprawnaKwota =
    "Nie można dodać nowego planu !!!\rUpewnij się, że kwota została wpisana poprawnie.";
const std::string NiepoprawnaNazwa =
    "Próba dodania planu nie powiodła się, wprowadzono niepoprawną nazwę !!!";
const std::string PlanWykonany = "Nie można edytować planów już wykonanych !!!";

QStringList NaListe(const TStringList& teksty)
{
    QStringList lista;
    lista.reserve(static_cast<qsizetype>(teksty.size()));
    for (const std::string& tekst : teksty)
        lista.append(QString::fromStdString(tekst));
    return lista;
}

TTabele TabelaKategorii(TTypPlanu typ)
{
    return typ == TTypPlanu::Przychod ? TTabele::Kategorie_Przychody : TTabele::Kategorie_Wydatki;
}

// What the dialog holds after "&OK", read and cleaned; empty optional fields mean refused.
struct TDanePlanu {
    double Kwota = 0;
    std::string Nazwa;
    std::string Kategoria;
    TDateTime Data = 0;
    std::string Komentarz;
};

// Steps common to both flows after the dialog closed with "&OK"; false (after the message)
// when the input is refused.
bool OdczytajDialog(const TFormDodajPlan& dialog, TDanePlanu& dane)
{
    dane.Kwota = ZaokraglijDo(-2, KwotaZTekstu(dialog.e_Add_Kwota->text().toStdString()));
    if (!(dane.Kwota > 0)) {
        PokazBlad(NiepoprawnaKwota);
        return false;
    }
    dane.Nazwa = OczyscNazwe(UsunZnakiZakazane(dialog.e_Add_Nazwa->text().toStdString()));
    if (dane.Nazwa.empty()) {
        PokazBlad(NiepoprawnaNazwa);
        return false;
    }
    dane.Kategoria = dialog.cb_Add_Kategoria->currentText().toStdString();
    // The pickers' day, hour and minute; the seconds never reach the plan.
    const QDate dzien = dialog.dtp_Add_Data->date();
    const QTime godzina = dialog.dtp_Add_Godzina->time();
    dane.Data = KodujDateCzas(dzien.year(), dzien.month(), dzien.day(), godzina.hour(), godzina.minute());
    dane.Komentarz = UsunZnakiZakazane(dialog.e_Add_Komentarz->currentText().toStdString());
    return true;
}

void UstawDate(TFormDodajPlan& dialog, TDateTime data)
{
    const TSkladnikiDaty s = DekodujDateCzas(data);
    dialog.dtp_Add_Data->setDate(QDate(s.Rok, s.Miesiac, s.Dzien));
    dialog.dtp_Add_Godzina->setTime(QTime(s.Godzina, s.Minuta, s.Sekunda));
}

}  // namespace

TEdytorPlanow::TEdytorPlanow(QWidget* rodzic, TProjektDB* myDB, const TSiatkaDanych* siatka)
    : fRodzic(rodzic), fMyDB(myDB), fSiatka(siatka)
{
}

bool TEdytorPlanow::DodajPlan(TTypPlanu typ)
{
    if (fMyDB == nullptr) {
        PokazBlad(BrakPolaczenia);
        return false;
    }
    TKolekcjeDanych& kolekcje = fMyDB->Kolekcje();
    if (kolekcje.KategorieWydatki().empty() || kolekcje.KategoriePrzychody().empty()) {
        PokazBlad(BrakKategoriiDodawanie);
        return false;
    }
    try {
        TFormDodajPlan dialog(fRodzic);
        const bool przychod = typ == TTypPlanu::Przychod;
        dialog.UstawNaglowek(przychod ? QStringLiteral(" Dodaj planowany przychód")
                                      : QStringLiteral(" Dodaj planowany wydatek"));
        dialog.UstawEtykieteKategorii(przychod ? QStringLiteral("Tytuł p&rzychodu:")
                                               : QStringLiteral("&Na co:"));
        WypelnijListy(dialog, TabelaKategorii(typ));
        PrzygotujPola(dialog);
        if (dialog.cb_Add_Kategoria->count() > 0)
            dialog.cb_Add_Kategoria->setCurrentIndex(0);
        UstawDate(dialog, Teraz());

        if (dialog.exec() != QDialog::Accepted)
            return false;
        TDanePlanu dane;
        if (!OdczytajDialog(dialog, dane))
            return false;
        const int32_t idKategorii = kolekcje.PobierzIDKategoriiPoOpisie(dane.Kategoria, TabelaKategorii(typ));
        kolekcje.Plany().push_back(std::make_unique<TPlan>(NastepneIdPlanu(), dane.Nazwa, idKategorii,
                                                           dane.Kwota, dane.Data, dane.Komentarz,
                                                           TTypModyfikacji::Dodano, typ));
        kolekcje.SetZmienionoINiezapisanoPlany(true);
    } catch (const std::exception& blad) {
        PokazBlad(blad.what());
        return false;
    }
    if (fOdswiezListePlanow)
        fOdswiezListePlanow();
    return true;
}

bool TEdytorPlanow::EdytujPlan(TPlan& plan)
{
    if (plan.Wykonany()) {
        PokazBlad(PlanWykonany);
        return false;
    }
    if (fMyDB == nullptr) {
        PokazBlad(BrakPolaczenia);
        return false;
    }
    TKolekcjeDanych& kolekcje = fMyDB->Kolekcje();
    if (kolekcje.KategorieWydatki().empty() || kolekcje.KategoriePrzychody().empty()) {
        PokazBlad(BrakKategoriiEdycja);
        return false;
    }
    try {
        TFormDodajPlan dialog(fRodzic);
        PrzygotujPola(dialog);
        const TTypPlanu typ = plan.TypPlanu();
        const bool znanyTyp = typ == TTypPlanu::Wydatek || typ == TTypPlanu::Przychod;
        if (typ == TTypPlanu::Wydatek) {
            dialog.UstawNaglowek(QStringLiteral(" Edytuj planowany wydatek"));
            dialog.UstawEtykieteKategorii(QStringLiteral("&Na co:"));
        } else if (typ == TTypPlanu::Przychod) {
            dialog.UstawNaglowek(QStringLiteral(" Edytuj planowany przychód"));
            dialog.UstawEtykieteKategorii(QStringLiteral("Tytuł p&rzychodu:"));
        } else {
            dialog.UstawNaglowek(QString());
        }
        if (znanyTyp)
            WypelnijListy(dialog, TabelaKategorii(typ));
        else
            WypelnijListy(dialog, std::nullopt);

        dialog.e_Add_Nazwa->setText(QString::fromStdString(plan.Nazwa()));
        dialog.e_Add_Kwota->UstawWartosc(plan.Kwota());
        dialog.e_Add_Komentarz->setEditText(QString::fromStdString(plan.Komentarz()));
        UstawDate(dialog, plan.Data());
        if (znanyTyp) {
            const QString opis = QString::fromStdString(
                kolekcje.PobierzOpisKategoriiPoID(plan.IdKategorii(), TabelaKategorii(typ)));
            dialog.cb_Add_Kategoria->setCurrentIndex(
                opis.isEmpty() ? -1 : dialog.cb_Add_Kategoria->findText(opis, Qt::MatchExactly));
        }

        if (dialog.exec() != QDialog::Accepted)
            return false;
        TDanePlanu dane;
        if (!OdczytajDialog(dialog, dane))
            return false;
        plan.SetNazwa(dane.Nazwa);
        plan.SetKwota(dane.Kwota);
        if (znanyTyp)
            plan.SetIdKategorii(kolekcje.PobierzIDKategoriiPoOpisie(dane.Kategoria, TabelaKategorii(typ)));
        plan.SetData(dane.Data);
        plan.SetKomentarz(dane.Komentarz);
    } catch (const std::exception& blad) {
        PokazBlad(blad.what());
        return false;
    }
    if (plan.Zmiany() != TTypModyfikacji::Dodano)
        plan.SetZmiany(TTypModyfikacji::Zmieniono);
    kolekcje.SetZmienionoINiezapisanoPlany(true);
    return true;
}

void TEdytorPlanow::PrzygotujPola(TFormDodajPlan& dialog) const
{
    dialog.e_Add_Nazwa->clear();
    dialog.e_Add_Kwota->clear();
    dialog.e_Add_Komentarz->setEditText(QString());
    dialog.e_Add_Kwota->SetMaksymalnaDlugosc(fMaksymalnaDlugoscKwoty);
    dialog.e_Add_Kwota->SetMaksymalnaWartosc(fMaksymalnaWartosc);
}

void TEdytorPlanow::WypelnijListy(TFormDodajPlan& dialog, std::optional<TTabele> tabelaKategorii) const
{
    dialog.UstawKategorie(tabelaKategorii
                              ? NaListe(fMyDB->Kolekcje().PobierzOpisyKategorii(*tabelaKategorii, true, false, -1))
                              : QStringList());
    QStringList komentarze;
    if (const std::unique_ptr<TStringList> zapisane = fMyDB->PobierzZawartoscKolumny(TTabele::Plany, "Komentarz"))
        for (const std::string& komentarz : *zapisane)
            if (!komentarz.empty())
                komentarze.append(QString::fromStdString(komentarz));
    dialog.UstawKomentarze(komentarze);
}

int32_t TEdytorPlanow::NastepneIdPlanu() const
{
    TIntegerList id = IdentyfikatoryZKolumny(0);
    if (fMyDB != nullptr)
        for (const auto& plan : fMyDB->Kolekcje().Plany())
            id.Add(plan->Id());
    if (id.Count() == 0)
        return 0;
    const int32_t najwiekszy = *std::max_element(id.begin(), id.end());
    constexpr int32_t Odstep = 1001;
    if (najwiekszy <= std::numeric_limits<int32_t>::max() - Odstep)
        return najwiekszy + Odstep;
    // No room above the largest id: the largest value no plan uses keeps the new one unique.
    const std::unordered_set<int32_t> zajete(id.begin(), id.end());
    int32_t kandydat = std::numeric_limits<int32_t>::max();
    while (zajete.contains(kandydat))
        --kandydat;
    return kandydat;
}

TIntegerList TEdytorPlanow::IdentyfikatoryZKolumny(int kolumna) const
{
    TIntegerList id;
    if (fSiatka == nullptr)
        return id;
    for (int wiersz = 0; wiersz < fSiatka->IloscWierszy(); ++wiersz) {
        const std::string tekst = fSiatka->Komorka(kolumna, wiersz).toStdString();
        if (!CzyLiczbaCalkowita(tekst))
            continue;
        int32_t wartosc = 0;
        std::from_chars(tekst.data(), tekst.data() + tekst.size(), wartosc);
        id.Add(wartosc);
    }
    return id;
}
