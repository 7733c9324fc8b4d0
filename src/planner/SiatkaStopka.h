#pragma once
// The footer row of a TSiatkaDanych: one text per column, several lines separated by ";",
// each line centred in its column. It lies under the body, in the grid's bottom viewport
// margin, and follows the columns' positions as they scroll and resize.
#include <QStringList>
#include <QWidget>

class TSiatkaDanych;

// The lines of a footer text: "Wydatki: 5;Przychody: 7" is two lines, "" none.
QStringList LinieStopki(const QString& tekst);

class TSiatkaStopka : public QWidget {
    Q_OBJECT

public:
    explicit TSiatkaStopka(TSiatkaDanych& siatka);

    int IloscLinii() const { return fIloscLinii; }
    void SetIloscLinii(int ilosc);
    // Height for IloscLinii lines of the current font.
    int Wysokosc() const;

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    TSiatkaDanych& fSiatka;
    int fIloscLinii = 1;
};
