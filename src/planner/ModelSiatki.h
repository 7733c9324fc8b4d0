#pragma once
// The data behind a TSiatkaDanych: a row count, column titles and alignments, and cell texts.
// Texts come from two layers: texts the program wrote (kept per column, allocated only for
// the columns written to) over an optional provider asked only for the cells the view shows.
// While updates are suspended the view is told nothing; resuming publishes the whole change
// as one model reset, so a rebuild of any size costs the view one reset and one paint.
#include <QAbstractTableModel>
#include <QString>

#include <functional>
#include <vector>

// Text of the cell in column kolumna, row wiersz; asked for visible cells only.
using TDostawcaTekstu = std::function<QString(int kolumna, int wiersz)>;

class TModelSiatki : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TModelSiatki(QObject* rodzic = nullptr);

    int IloscKolumn() const { return static_cast<int>(fKolumny.size()); }
    void SetIloscKolumn(int ilosc);
    QString Tytul(int kolumna) const;
    void SetTytul(int kolumna, const QString& tytul);
    // Qt::AlignLeft or Qt::AlignRight; cells are always centred vertically.
    Qt::Alignment Wyrownanie(int kolumna) const;
    void SetWyrownanie(int kolumna, Qt::Alignment wyrownanie);

    int IloscWierszy() const { return fIloscWierszy; }
    // Fewer rows drop the texts of the rows removed.
    void SetIloscWierszy(int ilosc);
    // The index of the new, empty row.
    int DodajWiersz();
    // Empty outside the grid.
    QString Komorka(int kolumna, int wiersz) const;
    // Throws std::out_of_range outside the grid: a lost write is a bug to see at once.
    void SetKomorka(int kolumna, int wiersz, const QString& tekst);
    // Forgets every written text and the provider; the rows stay, empty.
    void WyczyscKomorki();
    // Replaces all rows by iloscWierszy rows whose texts come from dostawca; written texts
    // are forgotten. The provider must answer for every row below the row count.
    void UstawDostawce(int iloscWierszy, TDostawcaTekstu dostawca);

    bool TylkoDoOdczytu() const { return fTylkoDoOdczytu; }
    void SetTylkoDoOdczytu(bool v) { fTylkoDoOdczytu = v; }

    // Counted: only the outermost Wznow publishes.
    void Wstrzymaj() { ++fWstrzymania; }
    void Wznow();
    bool Wstrzymany() const { return fWstrzymania > 0; }

    int rowCount(const QModelIndex& rodzic = {}) const override;
    int columnCount(const QModelIndex& rodzic = {}) const override;
    QVariant data(const QModelIndex& indeks, int rola) const override;
    QVariant headerData(int sekcja, Qt::Orientation orientacja, int rola) const override;
    Qt::ItemFlags flags(const QModelIndex& indeks) const override;
    bool setData(const QModelIndex& indeks, const QVariant& wartosc, int rola) override;

signals:
    // A user's edit of a cell (never the program's own writes).
    void KomorkaEdytowana(int kolumna, int wiersz);

private:
    struct TKolumna {
        QString Tytul;
        Qt::Alignment Wyrownanie = Qt::AlignLeft;
        // Written texts; shorter than the row count until a later row is written. A null
        // QString is an unwritten cell, an empty one a written empty text.
        std::vector<QString> Teksty;
    };

    bool WSiatce(int kolumna, int wiersz) const;
    // Tells the view about a change now, or marks it for the reset on Wznow.
    void Opublikuj();

    std::vector<TKolumna> fKolumny;
    int fIloscWierszy = 0;
    TDostawcaTekstu fDostawca;
    bool fTylkoDoOdczytu = false;
    int fWstrzymania = 0;
    bool fZmienionyWstrzymany = false;
    // What the view was last told; differs from the store only while suspended.
    int fWierszeWidoku = 0;
    int fKolumnyWidoku = 0;
};
