#include "planner/SiatkaDanych.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>
#include <stdexcept>

#include "planner/SiatkaDelegat.h"
#include "planner/SiatkaStopka.h"

TSiatkaDanych::TSiatkaDanych(QWidget* rodzic)
    : QTableView(rodzic), fDelegat(new TSiatkaDelegat(*this)), fStopka(new TSiatkaStopka(*this))
{
    setModel(&fModel);
    setItemDelegate(fDelegat);
    setShowGrid(false);  // the delegate draws the lines in KolorLinii
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    SetTylkoDoOdczytu(false);

    QHeaderView& naglowek = *horizontalHeader();
    naglowek.setDefaultAlignment(Qt::AlignCenter);
    naglowek.setMinimumSectionSize(1);
    naglowek.setDefaultSectionSize(fDomyslnaSzerokosc);
    naglowek.setHighlightSections(false);
    naglowek.setSectionsClickable(false);

    QHeaderView& margines = *verticalHeader();
    margines.setDefaultAlignment(Qt::AlignCenter);
    margines.setSectionResizeMode(QHeaderView::Fixed);
    margines.setMinimumSectionSize(1);
    margines.setDefaultSectionSize(fWysokoscWiersza);
    margines.setHighlightSections(false);
    margines.setSectionsClickable(false);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& biezacy) { PrzyZmianieBiezacegoIndeksu(biezacy); });
    connect(&fModel, &QAbstractItemModel::modelReset, this, [this] { OdtworzKolumny(); });
    connect(&fModel, &TModelSiatki::KomorkaEdytowana, this, &TSiatkaDanych::ZmianaKomorki);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& indeks) {
        emit PodwojneKlikniecie(indeks.column(), indeks.row());
    });
    connect(&naglowek, &QHeaderView::sectionResized, fStopka, qOverload<>(&QWidget::update));
    connect(&naglowek, &QHeaderView::sectionMoved, fStopka, qOverload<>(&QWidget::update));
}

TSiatkaDanych::~TSiatkaDanych()
{
    // The view must not outlive its model, which is a member destroyed before the base.
    setModel(nullptr);
}

void TSiatkaDanych::SetIloscKolumn(int ilosc)
{
    ilosc = std::max(ilosc, 0);
    fKolumny.resize(static_cast<size_t>(ilosc), TKolumna{fDomyslnaSzerokosc, true, {}});
    fModel.SetIloscKolumn(ilosc);
    fStopka->update();
}

void TSiatkaDanych::SetWyrownanie(int kolumna, Qt::Alignment wyrownanie)
{
    fModel.SetWyrownanie(kolumna, wyrownanie);
}

int TSiatkaDanych::Szerokosc(int kolumna) const
{
    if (kolumna < 0 || kolumna >= IloscKolumn())
        return fDomyslnaSzerokosc;
    const auto& opis = fKolumny[static_cast<size_t>(kolumna)];
    return opis.Widoczna && kolumna < horizontalHeader()->count()
               ? columnWidth(kolumna)
               : opis.Szerokosc;
}

void TSiatkaDanych::SetSzerokosc(int kolumna, int szerokosc)
{
    if (kolumna < 0 || kolumna >= IloscKolumn())
        throw std::out_of_range("TSiatkaDanych::SetSzerokosc: column out of range");
    fKolumny[static_cast<size_t>(kolumna)].Szerokosc = std::max(szerokosc, 1);
    if (fAutomatycznaSzerokosc)
        DopasujKolumny();
    else if (kolumna < horizontalHeader()->count())
        setColumnWidth(kolumna, std::max(szerokosc, 1));
}

bool TSiatkaDanych::Widoczna(int kolumna) const
{
    return kolumna >= 0 && kolumna < IloscKolumn() && fKolumny[static_cast<size_t>(kolumna)].Widoczna;
}

void TSiatkaDanych::SetWidoczna(int kolumna, bool widoczna)
{
    if (kolumna < 0 || kolumna >= IloscKolumn())
        throw std::out_of_range("TSiatkaDanych::SetWidoczna: column out of range");
    auto& opis = fKolumny[static_cast<size_t>(kolumna)];
    if (opis.Widoczna == widoczna)
        return;
    opis.Widoczna = widoczna;
    if (kolumna < horizontalHeader()->count())
        setColumnHidden(kolumna, !widoczna);
    DopasujKolumny();
    fStopka->update();
}

QString TSiatkaDanych::Stopka(int kolumna) const
{
    if (kolumna < 0 || kolumna >= IloscKolumn())
        return {};
    return fKolumny[static_cast<size_t>(kolumna)].Stopka;
}

void TSiatkaDanych::SetStopka(int kolumna, const QString& tekst)
{
    if (kolumna < 0 || kolumna >= IloscKolumn())
        throw std::out_of_range("TSiatkaDanych::SetStopka: column out of range");
    auto& stopka = fKolumny[static_cast<size_t>(kolumna)].Stopka;
    if (stopka == tekst)
        return;
    stopka = tekst;
    fStopka->update();
}

void TSiatkaDanych::SetAutomatycznaSzerokosc(bool v)
{
    if (fAutomatycznaSzerokosc == v)
        return;
    fAutomatycznaSzerokosc = v;
    // Fitted widths follow the control; the user resizes columns only when they do not.
    horizontalHeader()->setSectionResizeMode(v ? QHeaderView::Fixed : QHeaderView::Interactive);
    OdtworzKolumny();
}

void TSiatkaDanych::SetDomyslnaSzerokoscKolumny(int szerokosc)
{
    fDomyslnaSzerokosc = std::max(szerokosc, 1);
    horizontalHeader()->setDefaultSectionSize(fDomyslnaSzerokosc);
    DopasujKolumny();
}

void TSiatkaDanych::SetWysokoscWiersza(int wysokosc)
{
    fWysokoscWiersza = std::max(wysokosc, 1);
    verticalHeader()->setDefaultSectionSize(fWysokoscWiersza);
}

void TSiatkaDanych::SetIloscWierszy(int ilosc)
{
    fSynchronizacja = true;
    fModel.SetIloscWierszy(ilosc);
    fSynchronizacja = false;
    PoZmianieWierszy();
}

int TSiatkaDanych::DodajWiersz()
{
    SetIloscWierszy(IloscWierszy() + 1);
    return IloscWierszy() - 1;
}

void TSiatkaDanych::SetKomorka(int kolumna, int wiersz, const QString& tekst)
{
    fModel.SetKomorka(kolumna, wiersz, tekst);
}

void TSiatkaDanych::WyczyscKomorki()
{
    fModel.WyczyscKomorki();
}

void TSiatkaDanych::UstawDostawce(int iloscWierszy, TDostawcaTekstu dostawca)
{
    fSynchronizacja = true;
    fModel.UstawDostawce(iloscWierszy, std::move(dostawca));
    fSynchronizacja = false;
    PoZmianieWierszy();
}

void TSiatkaDanych::BeginUpdate()
{
    if (fWstrzymania++ == 0)
        setUpdatesEnabled(false);
    fModel.Wstrzymaj();
}

void TSiatkaDanych::EndUpdate()
{
    if (fWstrzymania == 0)
        return;
    --fWstrzymania;
    fSynchronizacja = true;
    fModel.Wznow();
    fSynchronizacja = false;
    if (fWstrzymania > 0)
        return;
    SynchronizujWidok();
    setUpdatesEnabled(true);
}

void TSiatkaDanych::SetTylkoDoOdczytu(bool v)
{
    fModel.SetTylkoDoOdczytu(v);
    setEditTriggers(v ? QAbstractItemView::NoEditTriggers
                      : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
}

bool TSiatkaDanych::MarginesWidoczny() const
{
    return !verticalHeader()->isHidden();
}

void TSiatkaDanych::SetMarginesWidoczny(bool v)
{
    verticalHeader()->setVisible(v);
}

void TSiatkaDanych::SetStopkaWidoczna(bool v)
{
    if (fStopkaWidoczna == v)
        return;
    fStopkaWidoczna = v;
    updateGeometries();
}

int TSiatkaDanych::IloscLiniiStopki() const
{
    return fStopka->IloscLinii();
}

void TSiatkaDanych::SetIloscLiniiStopki(int ilosc)
{
    fStopka->SetIloscLinii(ilosc);
    updateGeometries();
}

void TSiatkaDanych::SetCzcionkaKomorek(const QFont& czcionka)
{
    setFont(czcionka);
}

QFont TSiatkaDanych::CzcionkaNaglowka() const
{
    return horizontalHeader()->font();
}

void TSiatkaDanych::SetCzcionkaNaglowka(const QFont& czcionka)
{
    horizontalHeader()->setFont(czcionka);
    updateGeometries();
}

QFont TSiatkaDanych::CzcionkaMarginesu() const
{
    return verticalHeader()->font();
}

void TSiatkaDanych::SetCzcionkaMarginesu(const QFont& czcionka)
{
    verticalHeader()->setFont(czcionka);
    updateGeometries();
}

QFont TSiatkaDanych::CzcionkaStopki() const
{
    return fStopka->font();
}

void TSiatkaDanych::SetCzcionkaStopki(const QFont& czcionka)
{
    fStopka->setFont(czcionka);
    updateGeometries();
}

void TSiatkaDanych::SetKolorLinii(const QColor& kolor)
{
    fKolorLinii = kolor;
    viewport()->update();
    fStopka->update();
}

void TSiatkaDanych::SetKolorZaznaczenia(const QColor& kolor)
{
    fKolorZaznaczenia = kolor;
    viewport()->update();
}

void TSiatkaDanych::SetPrzyRysowaniuKomorki(THakRysowaniaKomorki hak)
{
    fHakKomorki = std::move(hak);
    viewport()->update();
}

void TSiatkaDanych::SetPrzyRysowaniuStopki(THakRysowaniaStopki hak)
{
    fHakStopki = std::move(hak);
    fStopka->update();
}

void TSiatkaDanych::UstawBiezacaKomorke(int kolumna, int wiersz)
{
    if (wiersz < 0 || wiersz >= IloscWierszy() || kolumna < 0 || kolumna >= IloscKolumn())
        return;
    ZglosBiezaca(kolumna, wiersz);
    SynchronizujWidok();
}

void TSiatkaDanych::PoZmianieWierszy()
{
    const int wiersze = IloscWierszy();
    if (wiersze == 0)
        ZglosBiezaca(-1, -1);
    else if (fWiersz < 0)
        ZglosBiezaca(0, 0);
    else if (fWiersz >= wiersze)
        ZglosBiezaca(fKolumna, wiersze - 1);
    // Removing rows may have moved the view's current index on its own.
    SynchronizujWidok();
}

void TSiatkaDanych::ZglosBiezaca(int kolumna, int wiersz)
{
    if (kolumna == fKolumna && wiersz == fWiersz)
        return;
    fKolumna = kolumna;
    fWiersz = wiersz;
    emit ZmianaBiezacejKomorki(kolumna, wiersz);
}

void TSiatkaDanych::SynchronizujWidok()
{
    if (Wstrzymana())
        return;
    const QModelIndex cel = fModel.index(fWiersz, fKolumna);
    if (cel == currentIndex())
        return;
    fSynchronizacja = true;
    if (cel.isValid()) {
        setCurrentIndex(cel);
        // A hidden current column cannot be scrolled to; its row can.
        const int widoczna = isColumnHidden(fKolumna) ? PierwszaWidocznaKolumna() : fKolumna;
        scrollTo(fModel.index(fWiersz, widoczna >= 0 ? widoczna : fKolumna));
    } else {
        selectionModel()->clear();
    }
    fSynchronizacja = false;
}

void TSiatkaDanych::PrzyZmianieBiezacegoIndeksu(const QModelIndex& biezacy)
{
    if (fSynchronizacja || Wstrzymana() || !biezacy.isValid())
        return;
    ZglosBiezaca(biezacy.column(), biezacy.row());
}

void TSiatkaDanych::OdtworzKolumny()
{
    QHeaderView& naglowek = *horizontalHeader();
    const int ile = std::min(IloscKolumn(), naglowek.count());
    for (int kolumna = 0; kolumna < ile; ++kolumna) {
        const auto& opis = fKolumny[static_cast<size_t>(kolumna)];
        if (naglowek.isSectionHidden(kolumna) == opis.Widoczna)
            naglowek.setSectionHidden(kolumna, !opis.Widoczna);
        if (!fAutomatycznaSzerokosc && naglowek.sectionSize(kolumna) != opis.Szerokosc)
            naglowek.resizeSection(kolumna, opis.Szerokosc);
    }
    DopasujKolumny();
    fStopka->update();
}

void TSiatkaDanych::DopasujKolumny()
{
    if (!fAutomatycznaSzerokosc || fDopasowywanie)
        return;
    QHeaderView& naglowek = *horizontalHeader();
    std::vector<int> widoczne;
    long long suma = 0;
    for (int kolumna = 0; kolumna < std::min(IloscKolumn(), naglowek.count()); ++kolumna) {
        if (naglowek.isSectionHidden(kolumna))
            continue;
        widoczne.push_back(kolumna);
        suma += fKolumny[static_cast<size_t>(kolumna)].Szerokosc;
    }
    if (widoczne.empty() || suma <= 0)
        return;
    fDopasowywanie = true;
    const long long dostepne = viewport()->width();
    long long uzyte = 0;
    for (size_t i = 0; i < widoczne.size(); ++i) {
        const int kolumna = widoczne[i];
        long long szerokosc = i + 1 < widoczne.size()
                                  ? fKolumny[static_cast<size_t>(kolumna)].Szerokosc * dostepne / suma
                                  : dostepne - uzyte;  // the last column takes the rounding
        szerokosc = std::max<long long>(szerokosc, fDomyslnaSzerokosc);
        uzyte += szerokosc;
        if (naglowek.sectionSize(kolumna) != szerokosc)
            naglowek.resizeSection(kolumna, static_cast<int>(szerokosc));
    }
    fDopasowywanie = false;
}

void TSiatkaDanych::keyPressEvent(QKeyEvent* zdarzenie)
{
    zdarzenie->ignore();
    emit WcisnietoKlawisz(zdarzenie);
    if (zdarzenie->isAccepted())
        return;
    zdarzenie->accept();
    QTableView::keyPressEvent(zdarzenie);
}

QModelIndex TSiatkaDanych::moveCursor(CursorAction akcja, Qt::KeyboardModifiers modyfikatory)
{
    const QModelIndex biezacy = currentIndex();
    if (!biezacy.isValid() || !isColumnHidden(biezacy.column()))
        return QTableView::moveCursor(akcja, modyfikatory);
    // The current cell may sit in a hidden column (the first cell of a grid whose first
    // column is hidden), where QTableView cannot move from: rows move within that column,
    // a sideways move enters the first visible column.
    const int wiersz = biezacy.row();
    const int ostatni = fModel.rowCount() - 1;
    const int naStrone = std::max(1, viewport()->height() / std::max(1, fWysokoscWiersza) - 1);
    const bool zCtrl = modyfikatory.testFlag(Qt::ControlModifier);
    switch (akcja) {
    case MoveUp:
        return fModel.index(std::max(wiersz - 1, 0), biezacy.column());
    case MoveDown:
        return fModel.index(std::min(wiersz + 1, ostatni), biezacy.column());
    case MovePageUp:
        return fModel.index(std::max(wiersz - naStrone, 0), biezacy.column());
    case MovePageDown:
        return fModel.index(std::min(wiersz + naStrone, ostatni), biezacy.column());
    case MoveHome:
    case MoveEnd:
        if (zCtrl)
            return fModel.index(akcja == MoveHome ? 0 : ostatni, biezacy.column());
        [[fallthrough]];
    default: {
        const int kolumna = PierwszaWidocznaKolumna();
        return kolumna >= 0 ? fModel.index(wiersz, kolumna) : biezacy;
    }
    }
}

int TSiatkaDanych::PierwszaWidocznaKolumna() const
{
    const QHeaderView& naglowek = *horizontalHeader();
    for (int wizualna = 0; wizualna < naglowek.count(); ++wizualna) {
        const int kolumna = naglowek.logicalIndex(wizualna);
        if (!naglowek.isSectionHidden(kolumna))
            return kolumna;
    }
    return -1;
}

void TSiatkaDanych::resizeEvent(QResizeEvent* zdarzenie)
{
    QTableView::resizeEvent(zdarzenie);
    DopasujKolumny();
}

void TSiatkaDanych::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (dx != 0)
        fStopka->update();
}

void TSiatkaDanych::updateGeometries()
{
    QTableView::updateGeometries();
    // The base class lays the headers out and resets the bottom margin; the footer takes it.
    const int wysokosc = fStopkaWidoczna ? fStopka->Wysokosc() : 0;
    const QMargins marginesy = viewportMargins();
    if (marginesy.bottom() != wysokosc)
        setViewportMargins(marginesy.left(), marginesy.top(), marginesy.right(), wysokosc);
    fStopka->setVisible(fStopkaWidoczna);
    const QRect body = viewport()->geometry();
    const int lewa = body.left() - viewportMargins().left();
    fStopka->setGeometry(lewa, body.bottom() + 1, body.right() + 1 - lewa, wysokosc);
}
