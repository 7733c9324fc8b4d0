#include "planner/ModelSiatki.h"

#include <algorithm>
#include <stdexcept>

TModelSiatki::TModelSiatki(QObject* rodzic) : QAbstractTableModel(rodzic) {}

bool TModelSiatki::WSiatce(int kolumna, int wiersz) const
{
    return kolumna >= 0 && kolumna < IloscKolumn() && wiersz >= 0 && wiersz < fIloscWierszy;
}

void TModelSiatki::Opublikuj()
{
    if (Wstrzymany()) {
        fZmienionyWstrzymany = true;
        return;
    }
    beginResetModel();
    fWierszeWidoku = fIloscWierszy;
    fKolumnyWidoku = IloscKolumn();
    endResetModel();
}

void TModelSiatki::Wznow()
{
    if (fWstrzymania == 0)
        return;
    if (--fWstrzymania == 0 && fZmienionyWstrzymany) {
        fZmienionyWstrzymany = false;
        Opublikuj();
    }
}

void TModelSiatki::SetIloscKolumn(int ilosc)
{
    ilosc = std::max(ilosc, 0);
    if (ilosc == IloscKolumn())
        return;
    fKolumny.resize(static_cast<size_t>(ilosc));
    Opublikuj();
}

QString TModelSiatki::Tytul(int kolumna) const
{
    if (kolumna < 0 || kolumna >= IloscKolumn())
        return {};
    return fKolumny[static_cast<size_t>(kolumna)].Tytul;
}

void TModelSiatki::SetTytul(int kolumna, const QString& tytul)
{
    if (kolumna < 0 || kolumna >= IloscKolumn())
        throw std::out_of_range("TModelSiatki::SetTytul: column out of range");
    auto& opis = fKolumny[static_cast<size_t>(kolumna)];
    if (opis.Tytul == tytul)
        return;
    opis.Tytul = tytul;
    if (Wstrzymany())
        fZmienionyWstrzymany = true;
    else if (kolumna < fKolumnyWidoku)
        emit headerDataChanged(Qt::Horizontal, kolumna, kolumna);
}

Qt::Alignment TModelSiatki::Wyrownanie(int kolumna) const
{
    if (kolumna < 0 || kolumna >= IloscKolumn())
        return Qt::AlignLeft;
    return fKolumny[static_cast<size_t>(kolumna)].Wyrownanie;
}

void TModelSiatki::SetWyrownanie(int kolumna, Qt::Alignment wyrownanie)
{
    if (kolumna < 0 || kolumna >= IloscKolumn())
        throw std::out_of_range("TModelSiatki::SetWyrownanie: column out of range");
    auto& opis = fKolumny[static_cast<size_t>(kolumna)];
    wyrownanie &= Qt::AlignHorizontal_Mask;
    if (opis.Wyrownanie == wyrownanie)
        return;
    opis.Wyrownanie = wyrownanie;
    if (Wstrzymany())
        fZmienionyWstrzymany = true;
    else if (kolumna < fKolumnyWidoku && fWierszeWidoku > 0)
        emit dataChanged(index(0, kolumna), index(fWierszeWidoku - 1, kolumna),
                         {Qt::TextAlignmentRole});
}

void TModelSiatki::SetIloscWierszy(int ilosc)
{
    ilosc = std::max(ilosc, 0);
    if (ilosc == fIloscWierszy)
        return;
    const bool widokAktualny = !Wstrzymany() && fWierszeWidoku == fIloscWierszy;
    if (widokAktualny) {
        if (ilosc > fIloscWierszy)
            beginInsertRows({}, fIloscWierszy, ilosc - 1);
        else
            beginRemoveRows({}, ilosc, fIloscWierszy - 1);
    }
    const int stara = fIloscWierszy;
    fIloscWierszy = ilosc;
    if (ilosc < stara) {
        for (auto& kolumna : fKolumny)
            if (kolumna.Teksty.size() > static_cast<size_t>(ilosc))
                kolumna.Teksty.resize(static_cast<size_t>(ilosc));
    }
    if (!widokAktualny) {
        Opublikuj();
        return;
    }
    fWierszeWidoku = ilosc;
    if (ilosc > stara)
        endInsertRows();
    else
        endRemoveRows();
}

int TModelSiatki::DodajWiersz()
{
    SetIloscWierszy(fIloscWierszy + 1);
    return fIloscWierszy - 1;
}

QString TModelSiatki::Komorka(int kolumna, int wiersz) const
{
    if (!WSiatce(kolumna, wiersz))
        return {};
    const auto& teksty = fKolumny[static_cast<size_t>(kolumna)].Teksty;
    const auto w = static_cast<size_t>(wiersz);
    if (w < teksty.size() && !teksty[w].isNull())
        return teksty[w];
    if (fDostawca)
        return fDostawca(kolumna, wiersz);
    return {};
}

void TModelSiatki::SetKomorka(int kolumna, int wiersz, const QString& tekst)
{
    if (!WSiatce(kolumna, wiersz))
        throw std::out_of_range("TModelSiatki::SetKomorka: cell out of range");
    auto& teksty = fKolumny[static_cast<size_t>(kolumna)].Teksty;
    const auto w = static_cast<size_t>(wiersz);
    if (teksty.size() <= w)
        teksty.resize(w + 1);
    // A null text would read as unwritten and let the provider's text show through.
    teksty[w] = tekst.isNull() ? QString(QLatin1String("")) : tekst;
    if (Wstrzymany())
        fZmienionyWstrzymany = true;
    else if (kolumna < fKolumnyWidoku && wiersz < fWierszeWidoku)
        emit dataChanged(index(wiersz, kolumna), index(wiersz, kolumna),
                         {Qt::DisplayRole, Qt::EditRole});
}

void TModelSiatki::WyczyscKomorki()
{
    for (auto& kolumna : fKolumny)
        std::vector<QString>().swap(kolumna.Teksty);
    fDostawca = nullptr;
    if (Wstrzymany())
        fZmienionyWstrzymany = true;
    else if (fWierszeWidoku > 0 && fKolumnyWidoku > 0)
        emit dataChanged(index(0, 0), index(fWierszeWidoku - 1, fKolumnyWidoku - 1),
                         {Qt::DisplayRole, Qt::EditRole});
}

void TModelSiatki::UstawDostawce(int iloscWierszy, TDostawcaTekstu dostawca)
{
    for (auto& kolumna : fKolumny)
        std::vector<QString>().swap(kolumna.Teksty);
    fDostawca = std::move(dostawca);
    fIloscWierszy = std::max(iloscWierszy, 0);
    Opublikuj();
}

int TModelSiatki::rowCount(const QModelIndex& rodzic) const
{
    return rodzic.isValid() ? 0 : fWierszeWidoku;
}

int TModelSiatki::columnCount(const QModelIndex& rodzic) const
{
    return rodzic.isValid() ? 0 : fKolumnyWidoku;
}

QVariant TModelSiatki::data(const QModelIndex& indeks, int rola) const
{
    switch (rola) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Komorka(indeks.column(), indeks.row());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Wyrownanie(indeks.column()) | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant TModelSiatki::headerData(int sekcja, Qt::Orientation orientacja, int rola) const
{
    if (rola == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (rola != Qt::DisplayRole)
        return {};
    if (orientacja == Qt::Vertical)
        return QString::number(sekcja + 1);
    return Tytul(sekcja);
}

Qt::ItemFlags TModelSiatki::flags(const QModelIndex& indeks) const
{
    if (!indeks.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flagi = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!fTylkoDoOdczytu)
        flagi |= Qt::ItemIsEditable;
    return flagi;
}

bool TModelSiatki::setData(const QModelIndex& indeks, const QVariant& wartosc, int rola)
{
    if (rola != Qt::EditRole || fTylkoDoOdczytu || !WSiatce(indeks.column(), indeks.row()))
        return false;
    const QString tekst = wartosc.toString();
    if (tekst == Komorka(indeks.column(), indeks.row()))
        return true;
    SetKomorka(indeks.column(), indeks.row(), tekst);
    emit KomorkaEdytowana(indeks.column(), indeks.row());
    return true;
}
