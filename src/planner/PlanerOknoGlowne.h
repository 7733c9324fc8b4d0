#pragma once
// The planner's main window "Zaplanuj wydatki i przychody": three filter panels on the left,
// a bar of action buttons over the plan grid, and a bottom bar with help and save. Every
// action changes the plans collection of the host's project database and rebuilds the list;
// nothing reaches the database while the window is open. Shown modally; it closes with the
// Accepted result only through "&Zapisz i zamknij".
#include <QDialog>
#include <QString>

#include <memory>

#include "planner/EdytorPlanow.h"
#include "planner/Filtr.h"
#include "planner/ModelPlanow.h"

class QKeyEvent;
class QLabel;
class QPushButton;
class QToolButton;
class TFormSize;
class TListaPozycji;
class TPlan;
class TProjektDB;
class TRysowanieKomorki;
class TRysowaniePlanow;
class TRysowanieStopki;
class TSiatkaDanych;

class TPlanerFormGlowny : public QDialog {
    Q_OBJECT

public:
    explicit TPlanerFormGlowny(QWidget* rodzic = nullptr);
    ~TPlanerFormGlowny() override;

    // The host's project database, not owned; nullptr detaches it and empties the list, which
    // must happen before the plans it shows are freed.
    TProjektDB* MyDB() const { return fMyDB; }
    void SetMyDB(TProjektDB* myDB);

    const TFiltr& Filtr() const { return fFiltr; }
    // The grid cell last reported as current; -1 when none.
    int Col() const { return fCol; }
    int Row() const { return fRow; }
    // True once "&Zapisz i zamknij" was pressed.
    bool KliknietoOK() const { return fKliknietoOK; }
    const QString& Prefix() const { return fPrefix; }
    double MaksymalnaWartoscWProgramie() const { return fMaksymalnaWartoscWProgramie; }
    int MaksymalnaDlugoscKwoty() const { return fMaksymalnaDlugoscKwoty; }

    // Run when the window is shown: header text, grid columns, month list, filter markers,
    // focus on the grid, saved placement.
    void PrzygotujOkno();
    // The three row buttons are enabled exactly while the grid has the focus and a row is
    // current.
    void UstawPrzyciski();
    // Rebuilds the grid's rows from the plans collection with the current filter.
    void OdswiezListePlanow();
    // The month filter's list: one item per month that has plans.
    void WypelnijFiltrMiesiecy();
    // Removes the marker from every item of the panel.
    void UsunZnacznik(TListaPozycji& panel);
    // The footer's count and sums for the rows now listed.
    void PrzeliczStopke();

    TSiatkaDanych& Siatka() const { return *ngrid_Glowny; }

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

public slots:
    // Every way of closing but the save button ends here (title-bar button, Alt+F4, Escape).
    void reject() override;

private:
    // Building the controls (PlanerOknoGlowneUklad.cpp).
    void UtworzKontrolki();
    QWidget* UtworzNaglowek();
    QWidget* UtworzPanelFiltrow();
    QWidget* UtworzPrawaStrone();
    QWidget* UtworzPasekPrzyciskow();
    QWidget* UtworzDolnyPasek();
    void UstawSiatke();
    void UstawKolumnySiatki();
    void UstawDomyslnePozycjeFiltrow();

    // Handlers.
    void itemPanel_ZaplanowaneItemClick(int pozycja);
    void itemPanel_StanRealizacjiItemClick(int pozycja);
    void itemsPanel_FiltrMiesiecyItemClick(TListaPozycji& panel, int pozycja);
    void sbtn_DodajWClick();
    void sbtn_DodajPClick();
    void ngrid_GlownyDblClick();
    void sbtn_WykonajClick();
    void sbtn_UsunClick();
    void btn_OKClick();
    void btn_PomocClick();
    void ngrid_GlownyColRowChanged(int kolumna, int wiersz);
    void ngrid_GlownyKeyDown(QKeyEvent* zdarzenie);
    void ngrid_GlownyDrawCell(TRysowanieKomorki& komorka);
    void ngrid_GlownyDrawFooter(TRysowanieStopki& stopka);

    // The editor flows on this window's database and grid, with its amount limits.
    TEdytorPlanow Edytor();
    void DodajPlan(TTypPlanu typ);
    // The current row's id cell holds an integer (id set) or not; the plan is the first with
    // that id, or none.
    bool IdBiezacegoWiersza(int32_t& id) const;
    void PostawZnacznik(TListaPozycji& panel, int pozycja);
    bool SiatkaMaFokus() const;
    bool MoznaZamknac();

    TProjektDB* fMyDB = nullptr;
    TFiltr fFiltr;
    TModelPlanow fModel;
    int fCol = -1;
    int fRow = -1;
    double fMaksymalnaWartoscWProgramie = TEdytorPlanow::DomyslnaMaksymalnaWartosc;
    int fMaksymalnaDlugoscKwoty = TEdytorPlanow::DomyslnaMaksymalnaDlugoscKwoty;
    const QString fPrefix = QStringLiteral("  >>");
    bool fKliknietoOK = false;
    bool fPrzygotowane = false;
    bool fPrzebudowa = false;  // inside OdswiezListePlanow

    // Controls; all owned by Qt through this window.
    TFormSize* FormSize = nullptr;
    QLabel* lbl_Naglowek = nullptr;
    TListaPozycji* itemPanel_Zaplanowane = nullptr;
    TListaPozycji* itemPanel_StanRealizacji = nullptr;
    TListaPozycji* itemPanel_FiltrMiesiecy = nullptr;   // the fixed "  Wszystkie" item
    TListaPozycji* itemsPanel_FiltrMiesiecy = nullptr;  // the months
    QToolButton* sbtn_DodajW = nullptr;
    QToolButton* sbtn_DodajP = nullptr;
    QToolButton* sbtn_Edytuj = nullptr;
    QToolButton* sbtn_Wykonaj = nullptr;
    QToolButton* sbtn_Usun = nullptr;
    TSiatkaDanych* ngrid_Glowny = nullptr;
    QPushButton* btn_Pomoc = nullptr;
    QPushButton* btn_OK = nullptr;
    std::unique_ptr<TRysowaniePlanow> fRysowanie;
};
