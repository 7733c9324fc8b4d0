// The controls of the planner window and their fixed settings.
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include "collections/KolekcjeDanych.h"
#include "common/FormSize.h"
#include "database/ProjektDB.h"
#include "planner/CzcionkiPlanera.h"
#include "planner/IkonyPlanera.h"
#include "planner/ListaPozycji.h"
#include "planner/PanelZTytulem.h"
#include "planner/PlanerOknoGlowne.h"
#include "planner/RysowaniePlanow.h"
#include "planner/SiatkaDanych.h"

namespace {

const QString TytulOkna = QStringLiteral("Zaplanuj wydatki i przychody");
const QColor KolorNaglowka(64, 62, 55);
constexpr int SzerokoscLewejKolumny = 170;
constexpr int WysokoscPozycji = 20;
// The designed limits are of the whole window, Qt's are of its client area: the usual frame
// (8 px edges and a 31 px caption) is taken off.
constexpr int MinimalnaSzerokoscKlienta = 800 - 2 * 8;
constexpr int MinimalnaWysokoscKlienta = 600 - 31 - 8;

QToolButton* PrzyciskPaska(QWidget* rodzic, const QString& nazwa, const QString& tekst, int szerokosc,
                           TIkonaPlanera ikona, const QString& podpowiedz)
{
    auto* przycisk = new QToolButton(rodzic);
    przycisk->setObjectName(nazwa);
    // Buttons take their font from the style's class fonts, not from the window.
    przycisk->setFont(CzcionkaTahoma(8));
    przycisk->setText(tekst);
    przycisk->setIcon(IkonaPlanera(ikona));
    przycisk->setIconSize(QSize(32, 32));
    przycisk->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    przycisk->setAutoRaise(true);
    // The row buttons' state follows the grid's focus: pressing one must leave it there.
    przycisk->setFocusPolicy(Qt::NoFocus);
    przycisk->setFixedSize(szerokosc, 50);
    przycisk->setToolTip(podpowiedz);
    return przycisk;
}

QPushButton* PrzyciskDolny(QWidget* rodzic, const QString& nazwa, const QString& tekst, int szerokosc,
                           TIkonaPlanera ikona, const QString& podpowiedz)
{
    auto* przycisk = new QPushButton(IkonaPlanera(ikona), tekst, rodzic);
    przycisk->setObjectName(nazwa);
    przycisk->setFont(CzcionkaTahoma(8));
    przycisk->setIconSize(QSize(20, 20));
    przycisk->setFixedSize(szerokosc, 30);
    przycisk->setToolTip(podpowiedz);
    return przycisk;
}

}  // namespace

void TPlanerFormGlowny::UtworzKontrolki()
{
    setObjectName(QStringLiteral("PlanerFormGlowny"));
    setWindowTitle(TytulOkna);
    setWindowIcon(IkonaOknaPlanera());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    setFont(CzcionkaTahoma(8));
    resize(894, 566);
    setMinimumSize(MinimalnaSzerokoscKlienta, MinimalnaWysokoscKlienta);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(UtworzNaglowek());

    auto* podzial = new QSplitter(Qt::Horizontal, this);
    podzial->setObjectName(QStringLiteral("Splitter"));
    podzial->setChildrenCollapsible(false);
    podzial->setHandleWidth(5);
    podzial->addWidget(UtworzPanelFiltrow());
    podzial->addWidget(UtworzPrawaStrone());
    podzial->setStretchFactor(0, 0);
    podzial->setStretchFactor(1, 1);
    podzial->setSizes({SzerokoscLewejKolumny, 894 - SzerokoscLewejKolumny});
    uklad->addWidget(podzial, 1);

    uklad->addWidget(UtworzDolnyPasek());

    FormSize = new TFormSize(this);
    FormSize->SetLocation(plRegistry);
    FormSize->SetSaveName(QStringLiteral("Software\\Veltrix\\Grosiwo\\FormSetting"));
    FormSize->SetSaveKey(QStringLiteral("PlanerFormGlowny"));
    FormSize->SetMagnetDistance(20);
}

QWidget* TPlanerFormGlowny::UtworzNaglowek()
{
    auto* pasek = new QWidget(this);
    pasek->setObjectName(QStringLiteral("pnl_Naglowek"));
    pasek->setFixedHeight(49);
    pasek->setAutoFillBackground(true);
    QPalette paleta = pasek->palette();
    paleta.setColor(QPalette::Window, KolorNaglowka);
    paleta.setColor(QPalette::WindowText, Qt::white);
    pasek->setPalette(paleta);

    auto* uklad = new QHBoxLayout(pasek);
    uklad->setContentsMargins(10, 0, 10, 0);
    uklad->setSpacing(0);
    lbl_Naglowek = new QLabel(pasek);
    lbl_Naglowek->setObjectName(QStringLiteral("lbl_Naglowek"));
    lbl_Naglowek->setFont(CzcionkaCalibriPx(15, true));
    lbl_Naglowek->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    uklad->addWidget(lbl_Naglowek, 1);
    auto* obrazek = new QLabel(pasek);
    obrazek->setObjectName(QStringLiteral("img_Naglowek"));
    obrazek->setFixedSize(48, 49);
    obrazek->setPixmap(ObrazekNaglowkaPlanera());
    uklad->addWidget(obrazek);
    return pasek;
}

QWidget* TPlanerFormGlowny::UtworzPanelFiltrow()
{
    auto* kolumna = new QWidget(this);
    kolumna->setObjectName(QStringLiteral("pnl_Filtry"));
    kolumna->setMinimumWidth(SzerokoscLewejKolumny);
    auto* uklad = new QVBoxLayout(kolumna);
    uklad->setContentsMargins(3, 3, 0, 3);
    uklad->setSpacing(5);

    auto* zaplanowane = new TPanelZTytulem(QStringLiteral("Zaplanowane płatności"), kolumna);
    zaplanowane->setFixedHeight(90);
    itemPanel_Zaplanowane = new TListaPozycji(WysokoscPozycji, zaplanowane);
    itemPanel_Zaplanowane->setObjectName(QStringLiteral("itemPanel_Zaplanowane"));
    zaplanowane->Dodaj(itemPanel_Zaplanowane);
    zaplanowane->Dodaj(new QWidget(zaplanowane), 1);
    uklad->addWidget(zaplanowane);

    auto* stan = new TPanelZTytulem(QStringLiteral("Stan realizacji"), kolumna);
    stan->setFixedHeight(130);
    itemPanel_StanRealizacji = new TListaPozycji(WysokoscPozycji, stan);
    itemPanel_StanRealizacji->setObjectName(QStringLiteral("itemPanel_StanRealizacji"));
    stan->Dodaj(itemPanel_StanRealizacji);
    stan->Dodaj(new QWidget(stan), 1);
    uklad->addWidget(stan);

    auto* miesiace = new TPanelZTytulem(QStringLiteral("Filtr miesięcy"), kolumna);
    itemPanel_FiltrMiesiecy = new TListaPozycji(22, miesiace);
    itemPanel_FiltrMiesiecy->setObjectName(QStringLiteral("itemPanel_FiltrMiesiecy"));
    miesiace->Dodaj(itemPanel_FiltrMiesiecy);
    auto* przewijanie = new QScrollArea(miesiace);
    przewijanie->setObjectName(QStringLiteral("scroll_FiltrMiesiecy"));
    przewijanie->setFrameShape(QFrame::NoFrame);
    przewijanie->setWidgetResizable(true);
    przewijanie->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    przewijanie->setFocusPolicy(Qt::NoFocus);
    auto* tloMiesiecy = new QWidget;
    tloMiesiecy->setAutoFillBackground(true);
    tloMiesiecy->setBackgroundRole(QPalette::Base);
    auto* ukladMiesiecy = new QVBoxLayout(tloMiesiecy);
    ukladMiesiecy->setContentsMargins(0, 0, 0, 0);
    ukladMiesiecy->setSpacing(0);
    itemsPanel_FiltrMiesiecy = new TListaPozycji(WysokoscPozycji, tloMiesiecy);
    itemsPanel_FiltrMiesiecy->setObjectName(QStringLiteral("itemsPanel_FiltrMiesiecy"));
    ukladMiesiecy->addWidget(itemsPanel_FiltrMiesiecy);
    ukladMiesiecy->addStretch(1);
    przewijanie->setWidget(tloMiesiecy);
    miesiace->Dodaj(przewijanie, 1);
    uklad->addWidget(miesiace, 1);

    for (TListaPozycji* panel :
         {itemPanel_Zaplanowane, itemPanel_StanRealizacji, itemPanel_FiltrMiesiecy, itemsPanel_FiltrMiesiecy})
        panel->SetZnacznik(fPrefix);
    UstawDomyslnePozycjeFiltrow();

    connect(itemPanel_Zaplanowane, &TListaPozycji::KliknietoPozycje, this,
            [this](int pozycja) { itemPanel_ZaplanowaneItemClick(pozycja); });
    connect(itemPanel_StanRealizacji, &TListaPozycji::KliknietoPozycje, this,
            [this](int pozycja) { itemPanel_StanRealizacjiItemClick(pozycja); });
    connect(itemPanel_FiltrMiesiecy, &TListaPozycji::KliknietoPozycje, this,
            [this](int pozycja) { itemsPanel_FiltrMiesiecyItemClick(*itemPanel_FiltrMiesiecy, pozycja); });
    connect(itemsPanel_FiltrMiesiecy, &TListaPozycji::KliknietoPozycje, this,
            [this](int pozycja) { itemsPanel_FiltrMiesiecyItemClick(*itemsPanel_FiltrMiesiecy, pozycja); });
    return kolumna;
}

void TPlanerFormGlowny::UstawDomyslnePozycjeFiltrow()
{
    itemPanel_Zaplanowane->SetPozycje(
        {QStringLiteral("  Wszystkie"), QStringLiteral("  Wydatki"), QStringLiteral("  Przychody")});
    itemPanel_StanRealizacji->SetPozycje({QStringLiteral("  Wszystkie"), QStringLiteral("  Wykonane"),
                                          QStringLiteral("  Niewykonane"), QStringLiteral("  Oczekujące"),
                                          QStringLiteral("  Po terminie")});
    itemPanel_FiltrMiesiecy->SetPozycje({QStringLiteral("  Wszystkie")});
    itemPanel_FiltrMiesiecy->setFixedHeight(22);
}

QWidget* TPlanerFormGlowny::UtworzPrawaStrone()
{
    auto* strona = new QWidget(this);
    auto* uklad = new QVBoxLayout(strona);
    uklad->setContentsMargins(0, 3, 3, 0);
    uklad->setSpacing(3);
    uklad->addWidget(UtworzPasekPrzyciskow());
    ngrid_Glowny = new TSiatkaDanych(strona);
    ngrid_Glowny->setObjectName(QStringLiteral("ngrid_Glowny"));
    UstawSiatke();
    uklad->addWidget(ngrid_Glowny, 1);
    return strona;
}

QWidget* TPlanerFormGlowny::UtworzPasekPrzyciskow()
{
    auto* pasek = new QFrame(this);
    pasek->setObjectName(QStringLiteral("pnl_Przyciski"));
    pasek->setFixedHeight(54);
    pasek->setFrameShape(QFrame::StyledPanel);
    pasek->setStyleSheet(QStringLiteral("#pnl_Przyciski { border: 1px solid rgb(200, 198, 190); background: rgb(250, 250, 248); }"));
    auto* uklad = new QHBoxLayout(pasek);
    uklad->setContentsMargins(2, 1, 2, 1);
    uklad->setSpacing(0);

    sbtn_DodajW = PrzyciskPaska(pasek, QStringLiteral("sbtn_DodajW"), QStringLiteral("Dodaj planowany\nwydatek"), 133,
                                TIkonaPlanera::DodajWydatek,
                                QStringLiteral("Kliknij, aby dodać planowany Wydatek do listy planowanych wydatków i przychodów"));
    sbtn_DodajP = PrzyciskPaska(pasek, QStringLiteral("sbtn_DodajP"), QStringLiteral("Dodaj planowany\nprzychód"), 133,
                                TIkonaPlanera::DodajPrzychod,
                                QStringLiteral("Kliknij, aby dodać planowany Przychód do listy planowanych wydatków i przychodów"));
    sbtn_Edytuj = PrzyciskPaska(pasek, QStringLiteral("sbtn_Edytuj"), QStringLiteral("Edytuj"), 81, TIkonaPlanera::Edytuj,
                                QStringLiteral("Kliknij, aby dodać zmienić wybrany Wydatek/Przychód z listy planowanych wydatków i przychodów"));
    sbtn_Wykonaj = PrzyciskPaska(pasek, QStringLiteral("sbtn_Wykonaj"), QStringLiteral("Zmień status\nna Wykonany"), 110,
                                 TIkonaPlanera::Wykonaj,
                                 QStringLiteral("Kliknij, aby zmienić status wybranemu planowanemu Wydatkowi/Przychodowi na \"Wykonany\""));
    sbtn_Usun = PrzyciskPaska(pasek, QStringLiteral("sbtn_Usun"), QStringLiteral("Usuń\nz listy"), 80, TIkonaPlanera::Usun,
                              QStringLiteral("Kliknij, aby usunąć wybrany Wydatek / Przychód z listy planowanych wydatków i przychodów"));

    // Nine cells: content, 10, content, 10, content, 10, 120, 10, the rest.
    uklad->addWidget(sbtn_DodajW);
    uklad->addSpacing(10);
    uklad->addWidget(sbtn_DodajP);
    uklad->addSpacing(10);
    uklad->addWidget(sbtn_Edytuj);
    uklad->addSpacing(10);
    auto* komorkaWykonaj = new QWidget(pasek);
    komorkaWykonaj->setFixedWidth(120);
    auto* ukladWykonaj = new QHBoxLayout(komorkaWykonaj);
    ukladWykonaj->setContentsMargins(0, 0, 0, 0);
    ukladWykonaj->addWidget(sbtn_Wykonaj);
    ukladWykonaj->addStretch(1);
    uklad->addWidget(komorkaWykonaj);
    uklad->addSpacing(10);
    uklad->addStretch(1);
    uklad->addWidget(sbtn_Usun);

    connect(sbtn_DodajW, &QToolButton::clicked, this, [this] { sbtn_DodajWClick(); });
    connect(sbtn_DodajP, &QToolButton::clicked, this, [this] { sbtn_DodajPClick(); });
    connect(sbtn_Edytuj, &QToolButton::clicked, this, [this] { ngrid_GlownyDblClick(); });
    connect(sbtn_Wykonaj, &QToolButton::clicked, this, [this] { sbtn_WykonajClick(); });
    connect(sbtn_Usun, &QToolButton::clicked, this, [this] { sbtn_UsunClick(); });
    return pasek;
}

QWidget* TPlanerFormGlowny::UtworzDolnyPasek()
{
    auto* pasek = new QWidget(this);
    pasek->setObjectName(QStringLiteral("pnl_Dolny"));
    pasek->setFixedHeight(42);
    auto* uklad = new QHBoxLayout(pasek);
    uklad->setContentsMargins(20, 5, 20, 5);
    btn_Pomoc = PrzyciskDolny(pasek, QStringLiteral("btn_Pomoc"), QStringLiteral("&Pomoc"), 84, TIkonaPlanera::Pomoc,
                              QStringLiteral("Kliknij, aby wyświetlić pomoc na temat tego modułu"));
    btn_Pomoc->setAutoDefault(false);
    btn_OK = PrzyciskDolny(pasek, QStringLiteral("btn_OK"), QStringLiteral("&Zapisz i zamknij"), 131,
                           TIkonaPlanera::Zapisz, QStringLiteral("Kliknij, zaby zapisać dokonane zmiany i zamknąć to okno"));
    btn_OK->setDefault(true);
    uklad->addWidget(btn_Pomoc);
    uklad->addStretch(1);
    uklad->addWidget(btn_OK);
    connect(btn_Pomoc, &QPushButton::clicked, this, [this] { btn_PomocClick(); });
    connect(btn_OK, &QPushButton::clicked, this, [this] { btn_OKClick(); });
    return pasek;
}

void TPlanerFormGlowny::UstawSiatke()
{
    TSiatkaDanych& siatka = *ngrid_Glowny;
    siatka.setFrameShape(QFrame::NoFrame);
    siatka.SetTylkoDoOdczytu(true);
    siatka.SetWysokoscWiersza(26);
    siatka.SetDomyslnaSzerokoscKolumny(50);
    siatka.SetKolorLinii(QColor(192, 192, 192));
    siatka.SetKolorZaznaczenia(QColor(255, 255, 187));
    siatka.SetCzcionkaKomorek(CzcionkaTahoma(8));
    siatka.SetCzcionkaNaglowka(CzcionkaTahoma(8));
    siatka.SetCzcionkaMarginesu(CzcionkaTahoma(8));
    siatka.SetCzcionkaStopki(CzcionkaCourierNew(10));
    siatka.SetMarginesWidoczny(true);
    siatka.SetStopkaWidoczna(true);

    fRysowanie = std::make_unique<TRysowaniePlanow>(siatka);
    siatka.SetPrzyRysowaniuKomorki([this](TRysowanieKomorki& komorka) { ngrid_GlownyDrawCell(komorka); });
    siatka.SetPrzyRysowaniuStopki([this](TRysowanieStopki& stopka) { ngrid_GlownyDrawFooter(stopka); });
    connect(&siatka, &TSiatkaDanych::ZmianaBiezacejKomorki, this,
            [this](int kolumna, int wiersz) { ngrid_GlownyColRowChanged(kolumna, wiersz); });
    connect(&siatka, &TSiatkaDanych::ZmianaKomorki, this,
            [this](int kolumna, int wiersz) { ngrid_GlownyColRowChanged(kolumna, wiersz); });
    connect(&siatka, &TSiatkaDanych::PodwojneKlikniecie, this, [this](int, int) { ngrid_GlownyDblClick(); });
    connect(&siatka, &TSiatkaDanych::WcisnietoKlawisz, this,
            [this](QKeyEvent* zdarzenie) { ngrid_GlownyKeyDown(zdarzenie); });
    siatka.installEventFilter(this);
}

void TPlanerFormGlowny::UstawKolumnySiatki()
{
    TSiatkaDanych& siatka = *ngrid_Glowny;
    const TTabela& tabela = fMyDB->Kolekcje().TabelaPlany();
    const int ilosc = tabela.IleKolumn() + 1;
    siatka.SetIloscKolumn(ilosc);
    siatka.SetAutomatycznaSzerokosc(true);
    for (int kolumna = 0; kolumna < ilosc; ++kolumna) {
        siatka.SetTytul(kolumna, QString::fromStdString(tabela.TytulyKolumn()[static_cast<size_t>(kolumna)]));
        siatka.SetWidoczna(kolumna, true);
        siatka.SetWyrownanie(kolumna, kolumna == kpKwota || kolumna == kpData ? Qt::AlignRight : Qt::AlignLeft);
    }
    for (int kolumna : {0, ilosc - 1, ilosc - 2})
        if (kolumna >= 0 && kolumna < ilosc)
            siatka.SetWidoczna(kolumna, false);
}
