#pragma once
// A filter panel's items: one text per line, each line of a fixed height, a click choosing an
// item. It never takes the keyboard focus, so that clicking a filter leaves the focus (and the
// state of the row buttons that follows it) with the plan grid.
#include <QStringList>
#include <QWidget>

class TListaPozycji : public QWidget {
    Q_OBJECT

public:
    explicit TListaPozycji(int wysokoscPozycji, QWidget* rodzic = nullptr);

    int IloscPozycji() const { return static_cast<int>(fPozycje.size()); }
    const QStringList& Pozycje() const { return fPozycje; }
    void SetPozycje(const QStringList& pozycje);
    // Empty outside the items.
    QString Tekst(int pozycja) const;
    // Outside the items: nothing.
    void SetTekst(int pozycja, const QString& tekst);
    void Wyczysc() { SetPozycje({}); }
    void Dodaj(const QString& tekst);

    int WysokoscPozycji() const { return fWysokoscPozycji; }
    // Items whose text begins with the marker are drawn as chosen.
    void SetZnacznik(const QString& znacznik);
    // The item's rectangle in the list's coordinates; empty outside the items.
    QRect ProstokatPozycji(int pozycja) const;
    // -1 when no item lies there.
    int PozycjaW(const QPoint& punkt) const;

    QSize sizeHint() const override;

signals:
    void KliknietoPozycje(int pozycja);

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void leaveEvent(QEvent* zdarzenie) override;

private:
    void UstawWskazana(int pozycja);

    QStringList fPozycje;
    int fWysokoscPozycji;
    QString fZnacznik;
    int fWskazana = -1;
    int fWcisnieta = -1;
};
