#include "planner/PlanerOknoGlowne.h"

#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

#include <string>

#include "collections/KolekcjeDanych.h"
#include "common/FormSize.h"
#include "common/FunkcjeWspolne.h"
#include "common/Platforma.h"
#include "database/ProjektDB.h"
#include "planner/ListaPozycji.h"
#include "planner/PomocPlanera.h"
#include "planner/RysowaniePlanow.h"
#include "planner/SiatkaDanych.h"
#include "planner/StopkaPlanow.h"
#include "records/Plan.h"

namespace {

const char* const NieMoznaEdytowac = "Nie można edytować tego planu !!!";
const char* const NieMoznaUsunac = "Nie można usunąć tego planu !!!";
const char* const JuzWykonany = "Wybrana planowana płatność ma już ustawiony status na \"wykonany\" !!!";
const char* const PytanieOUsuniecie = "Czy na pewno chcesz usunąć wybrany plan ???";
const char* const PytanieOZamkniecie =
    "Lista planowanych Wydatków/Przychodów została zmieniona.\r"
    "Aby zapisać dokonane zmiany należy kliknąć w przycisk \"Zapisz i zamknij\", zamknięcie okna "
    "klikając w \"krzyżyk\" spowoduje utratę wprowadzonych zmian !!!\r\r"
    "Czy chcesz zamknąć to okno BEZ ZAPISANIA dokonanych zmian ???";

bool Zapytaj(const std::string& tekst, const std::string& tytul)
{
    return PokazKomunikat(tekst, tytul, TIkonaKomunikatu::Ostrzezenie, TPrzyciskiKomunikatu::TakNie) ==
           TOdpowiedzKomunikatu::Tak;
}

}  // namespace

TPlanerFormGlowny::TPlanerFormGlowny(QWidget* rodzic) : QDialog(rodzic)
{
    UtworzKontrolki();
}

TPlanerFormGlowny::~TPlanerFormGlowny()
{
    // The hooks reach into the model and the painter; nothing may paint once they are gone.
    ngrid_Glowny->SetPrzyRysowaniuKomorki({});
    ngrid_Glowny->SetPrzyRysowaniuStopki({});
    ngrid_Glowny->removeEventFilter(this);
}

void TPlanerFormGlowny::SetMyDB(TProjektDB* myDB)
{
    if (fMyDB == myDB)
        return;
    fMyDB = myDB;
    if (fMyDB == nullptr || fPrzygotowane)
        OdswiezListePlanow();
}

void TPlanerFormGlowny::showEvent(QShowEvent* zdarzenie)
{
    QDialog::showEvent(zdarzenie);
    if (fPrzygotowane || zdarzenie->spontaneous())
        return;
    fPrzygotowane = true;
    PrzygotujOkno();
    OdswiezListePlanow();
}

void TPlanerFormGlowny::PrzygotujOkno()
{
    lbl_Naglowek->setText(windowTitle());
    itemsPanel_FiltrMiesiecy->Wyczysc();
    itemsPanel_FiltrMiesiecy->setFixedHeight(0);
    fCol = -1;
    fRow = -1;
    fModel.Wyczysc();
    ngrid_Glowny->SetIloscWierszy(0);
    ngrid_Glowny->SetIloscKolumn(0);
    if (fMyDB != nullptr) {
        UstawKolumnySiatki();
        WypelnijFiltrMiesiecy();
    }
    // The markers follow the filter's defaults; the panels are given their items afresh, so
    // that preparing the window again never doubles a marker.
    UstawDomyslnePozycjeFiltrow();
    PostawZnacznik(*itemPanel_Zaplanowane, 0);
    PostawZnacznik(*itemPanel_StanRealizacji, 2);
    PostawZnacznik(*itemPanel_FiltrMiesiecy, 0);
    ngrid_Glowny->SetIloscLiniiStopki(2);
    ngrid_Glowny->setFocus(Qt::OtherFocusReason);
    FormSize->LoadFormSettings();
}

bool TPlanerFormGlowny::SiatkaMaFokus() const
{
    // While a message box or the editor is in front, the grid keeps its place as the focus
    // of this window and gets the focus back when the window is active again.
    return ngrid_Glowny->MaFokus() || focusWidget() == ngrid_Glowny;
}

void TPlanerFormGlowny::UstawPrzyciski()
{
    const bool wiersz = SiatkaMaFokus() && fRow >= 0;
    sbtn_Usun->setEnabled(wiersz);
    sbtn_Edytuj->setEnabled(wiersz);
    sbtn_Wykonaj->setEnabled(wiersz);
    sbtn_DodajW->setEnabled(true);
    sbtn_DodajP->setEnabled(true);
}

void TPlanerFormGlowny::OdswiezListePlanow()
{
    TSiatkaDanych& siatka = *ngrid_Glowny;
    {
        // One change for the view however many rows; the buttons are set once, at the end.
        TWstrzymanaSiatka wstrzymana(siatka);
        fPrzebudowa = true;
        // Emptying first makes the grid report no current cell, and then the first row of the
        // new list: the row actions start from the first listed plan after every rebuild.
        siatka.SetIloscWierszy(0);
        fModel.Wyczysc();
        siatka.WyczyscKomorki();
        for (int kolumna = 0; kolumna < siatka.IloscKolumn(); ++kolumna)
            siatka.SetSzerokosc(kolumna, siatka.DomyslnaSzerokoscKolumny());

        if (fMyDB != nullptr) {
            TKolekcjeDanych& kolekcje = fMyDB->Kolekcje();
            const TDateTime teraz = Teraz();
            // Sorting a list that is in order leaves it as it is: sort only when the walk finds
            // it out of order.
            if (!fModel.Wypelnij(kolekcje, fFiltr, teraz)) {
                kolekcje.PosortujPlanyPoDacieMalejaco();
                fModel.Wypelnij(kolekcje, fFiltr, teraz);
            }
            fMyDB->SetWyswietlanaTabela(TTabele::Plany);
            siatka.UstawDostawce(fModel.IloscWierszy(),
                                 [this](int kolumna, int wiersz) { return fModel.Tekst(kolumna, wiersz); });
        }
        fPrzebudowa = false;
    }
    UstawPrzyciski();
}

void TPlanerFormGlowny::WypelnijFiltrMiesiecy()
{
    itemsPanel_FiltrMiesiecy->Wyczysc();
    if (fMyDB != nullptr) {
        QStringList pozycje;
        for (const std::string& miesiac :
             fMyDB->Kolekcje().PobierzNazwyMiesiecyZKolekcji(TTabele::Plany, 0))
            pozycje.append(QStringLiteral("  ") + QString::fromStdString(WielkaPierwszaLitera(miesiac)));
        itemsPanel_FiltrMiesiecy->SetPozycje(pozycje);
    }
    // The scroll area around the list scrolls when the months do not fit.
    itemsPanel_FiltrMiesiecy->setFixedHeight(itemsPanel_FiltrMiesiecy->IloscPozycji() *
                                             itemsPanel_FiltrMiesiecy->WysokoscPozycji());
}

void TPlanerFormGlowny::UsunZnacznik(TListaPozycji& panel)
{
    for (int pozycja = 0; pozycja < panel.IloscPozycji(); ++pozycja) {
        const QString tekst = panel.Tekst(pozycja);
        if (tekst.startsWith(fPrefix, Qt::CaseSensitive))
            panel.SetTekst(pozycja, tekst.mid(fPrefix.size()));
    }
    panel.update();
}

void TPlanerFormGlowny::PostawZnacznik(TListaPozycji& panel, int pozycja)
{
    if (pozycja >= 0 && pozycja < panel.IloscPozycji())
        panel.SetTekst(pozycja, fPrefix + panel.Tekst(pozycja));
    panel.update();
}

void TPlanerFormGlowny::itemPanel_ZaplanowaneItemClick(int pozycja)
{
    UsunZnacznik(*itemPanel_Zaplanowane);
    fFiltr.SetTypPlanu(TypPlanuZPozycji(pozycja));
    PostawZnacznik(*itemPanel_Zaplanowane, pozycja);
    OdswiezListePlanow();
}

void TPlanerFormGlowny::itemPanel_StanRealizacjiItemClick(int pozycja)
{
    UsunZnacznik(*itemPanel_StanRealizacji);
    fFiltr.SetStanRealizacji(StanRealizacjiZPozycji(pozycja));
    PostawZnacznik(*itemPanel_StanRealizacji, pozycja);
    OdswiezListePlanow();
}

void TPlanerFormGlowny::itemsPanel_FiltrMiesiecyItemClick(TListaPozycji& panel, int pozycja)
{
    UsunZnacznik(*itemPanel_FiltrMiesiecy);
    UsunZnacznik(*itemsPanel_FiltrMiesiecy);
    fFiltr.SetMiesiac({});
    if (&panel == itemsPanel_FiltrMiesiecy) {
        // The item is two spaces and the month key.
        fFiltr.SetMiesiac(panel.Tekst(pozycja).mid(2).toStdString());
        PostawZnacznik(panel, pozycja);
    } else {
        PostawZnacznik(*itemPanel_FiltrMiesiecy, 0);
    }
    OdswiezListePlanow();
}

void TPlanerFormGlowny::ngrid_GlownyColRowChanged(int kolumna, int wiersz)
{
    fCol = kolumna;
    fRow = wiersz;
    if (!fPrzebudowa)
        UstawPrzyciski();
}

bool TPlanerFormGlowny::IdBiezacegoWiersza(int32_t& id) const
{
    const std::string tekst = ngrid_Glowny->Komorka(kpId, fRow).toStdString();
    if (!CzyLiczbaCalkowita(tekst))
        return false;
    id = static_cast<int32_t>(std::stol(tekst));
    return true;
}

TEdytorPlanow TPlanerFormGlowny::Edytor()
{
    TEdytorPlanow edytor(this, fMyDB, ngrid_Glowny);
    edytor.SetMaksymalnaWartoscWProgramie(fMaksymalnaWartoscWProgramie);
    edytor.SetMaksymalnaDlugoscKwoty(fMaksymalnaDlugoscKwoty);
    edytor.SetOdswiezListePlanow([this] { OdswiezListePlanow(); });
    return edytor;
}

void TPlanerFormGlowny::DodajPlan(TTypPlanu typ)
{
    Edytor().DodajPlan(typ);
}

void TPlanerFormGlowny::sbtn_DodajWClick()
{
    DodajPlan(TTypPlanu::Wydatek);
}

void TPlanerFormGlowny::sbtn_DodajPClick()
{
    DodajPlan(TTypPlanu::Przychod);
}

void TPlanerFormGlowny::ngrid_GlownyDblClick()
{
    if (fRow == -1 || fMyDB == nullptr)
        return;
    int32_t id = 0;
    if (!IdBiezacegoWiersza(id)) {
        PokazBlad(NieMoznaEdytowac);
        return;
    }
    if (TPlan* plan = fMyDB->Kolekcje().PobierzPlanDlaID(id))
        Edytor().EdytujPlan(*plan);
    OdswiezListePlanow();
}

void TPlanerFormGlowny::sbtn_WykonajClick()
{
    if (fRow == -1 || fMyDB == nullptr)
        return;
    int32_t id = 0;
    if (!IdBiezacegoWiersza(id)) {
        PokazBlad(NieMoznaEdytowac);
        return;
    }
    TKolekcjeDanych& kolekcje = fMyDB->Kolekcje();
    TPlan* plan = kolekcje.PobierzPlanDlaID(id);
    if (plan == nullptr) {
        OdswiezListePlanow();
        return;
    }
    if (plan->Wykonany()) {
        PokazBlad(JuzWykonany);
        return;
    }
    plan->SetWykonany(true);
    if (plan->Zmiany() != TTypModyfikacji::Dodano)
        plan->SetZmiany(TTypModyfikacji::Zmieniono);
    kolekcje.SetZmienionoINiezapisanoPlany(true);
    OdswiezListePlanow();
}

void TPlanerFormGlowny::sbtn_UsunClick()
{
    if (fRow == -1 || fMyDB == nullptr)
        return;
    if (!Zapytaj(PytanieOUsuniecie, "UWAGA !!!"))
        return;
    int32_t id = 0;
    if (!IdBiezacegoWiersza(id)) {
        PokazBlad(NieMoznaUsunac);
        return;
    }
    TKolekcjeDanych& kolekcje = fMyDB->Kolekcje();
    if (TPlan* plan = kolekcje.PobierzPlanDlaID(id)) {
        plan->SetZmiany(TTypModyfikacji::Usunieto);
        kolekcje.SetZmienionoINiezapisanoPlany(true);
    }
    OdswiezListePlanow();
}

void TPlanerFormGlowny::btn_OKClick()
{
    fKliknietoOK = true;
    accept();
}

void TPlanerFormGlowny::btn_PomocClick()
{
    OtworzStronePomocy();
}

void TPlanerFormGlowny::ngrid_GlownyKeyDown(QKeyEvent* zdarzenie)
{
    const Qt::KeyboardModifiers modyfikatory =
        zdarzenie->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    switch (zdarzenie->key()) {
    case Qt::Key_Delete:
        if (sbtn_Usun->isEnabled()) {
            zdarzenie->accept();
            sbtn_UsunClick();
        }
        break;
    case Qt::Key_E:
        if (modyfikatory == Qt::ControlModifier && sbtn_Edytuj->isEnabled()) {
            zdarzenie->accept();
            ngrid_GlownyDblClick();
        }
        break;
    case Qt::Key_F1:
        zdarzenie->accept();
        btn_PomocClick();
        break;
    default:
        break;
    }
}

void TPlanerFormGlowny::keyPressEvent(QKeyEvent* zdarzenie)
{
    // Keys the window, the save button or the help button did not use.
    if (zdarzenie->key() == Qt::Key_F1) {
        zdarzenie->accept();
        btn_PomocClick();
        return;
    }
    QDialog::keyPressEvent(zdarzenie);
}

bool TPlanerFormGlowny::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (obiekt == ngrid_Glowny &&
        (zdarzenie->type() == QEvent::FocusIn || zdarzenie->type() == QEvent::FocusOut))
        UstawPrzyciski();
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void TPlanerFormGlowny::ngrid_GlownyDrawCell(TRysowanieKomorki& komorka)
{
    fRysowanie->RysujKomorke(komorka);
}

void TPlanerFormGlowny::ngrid_GlownyDrawFooter(TRysowanieStopki&)
{
    PrzeliczStopke();
}

void TPlanerFormGlowny::PrzeliczStopke()
{
    TSiatkaDanych& siatka = *ngrid_Glowny;
    if (siatka.IloscKolumn() > kpNazwa)
        siatka.SetStopka(kpNazwa, TekstIlosciPlanow(siatka.IloscWierszy()));
    if (siatka.IloscKolumn() > kpKwota) {
        const TSumyPlanow sumy = fModel.Sumy();
        siatka.SetStopka(kpKwota, TekstSumPlanow(sumy.Wydatki, sumy.Przychody));
    }
}

bool TPlanerFormGlowny::MoznaZamknac()
{
    if (fKliknietoOK || fMyDB == nullptr || !fMyDB->Kolekcje().ZmienionoINiezapisanoPlany())
        return true;
    return Zapytaj(PytanieOZamkniecie, "BŁĄD !!!");
}

void TPlanerFormGlowny::reject()
{
    if (MoznaZamknac())
        QDialog::reject();
}
