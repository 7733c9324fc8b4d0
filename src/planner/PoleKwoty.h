#pragma once
// The amount box: a line edit for an amount in the currency, with a pop-up calculator button at
// its right. While it has the focus it shows the typed text and the currency symbol after it;
// otherwise the amount with two decimals and the symbol ("1 234,50 zł"). Only the digits,
// backspace and one decimal separator can be typed; pasted text is taken when it is an amount
// (spaces and the currency symbol dropped), else refused whole, so that no digit is ever cut
// off. The text never grows past MaksymalnaDlugosc() characters nor past the largest value.
#include <QLineEdit>
#include <QString>

#include <algorithm>

class QToolButton;
class TKalkulator;

class TPoleKwoty : public QLineEdit {
    Q_OBJECT

public:
    explicit TPoleKwoty(QWidget* rodzic = nullptr);

    QString SymbolWaluty() const { return fSymbolWaluty; }
    void SetSymbolWaluty(const QString& symbol);
    // The symbol of the common format settings, the Polish one before they are set; a new box
    // starts with it.
    static QString SymbolWalutyZUstawien();
    double MaksymalnaWartosc() const { return fMaksymalnaWartosc; }
    void SetMaksymalnaWartosc(double v) { fMaksymalnaWartosc = v; }
    int MaksymalnaDlugosc() const { return fMaksymalnaDlugosc; }
    void SetMaksymalnaDlugosc(int v);
    // The limit, or the longer text UstawWartosc put in.
    int DozwolonaDlugosc() const { return std::max(fMaksymalnaDlugosc, fDlugoscUstawiona); }
    QChar SeparatorDziesietny() const { return fSeparator; }

    // The amount the text stands for (KwotaZTekstu), 0 for an empty box.
    double Wartosc() const;
    // The text form TekstDoEdycji. A text longer than MaksymalnaDlugosc() is kept whole (the
    // box then allows that length until the limit is set again): no digit of a stored amount
    // is cut off.
    void UstawWartosc(double kwota);
    // Rounded to hundredths, without thousands separators and trailing zeros ("1234,5", "10");
    // empty for a negative or non-finite amount, which the box cannot hold.
    static QString TekstDoEdycji(double kwota, QChar separator = QChar(u','));
    // What the box shows without the focus: "1 234,50 zł", "0,00 zł" when empty.
    QString TekstWyswietlany() const;

    QToolButton* PrzyciskKalkulatora() const { return fPrzycisk; }
    // Created on first use.
    TKalkulator& Kalkulator();
    void PokazKalkulator();

    // Whether the key may go into the box: digits, backspace, the separator unless the text
    // holds one; keys without text (arrows, Delete, shortcuts) always pass.
    bool PrzyjmujeKlawisz(const QKeyEvent& klawisz) const;

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void paintEvent(QPaintEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    // The calculator's result, when it fits the box; else the refusal's text.
    QString PrzyjmijWynik(double wynik);
    void UstawMarginesy();
    // The area left of the calculator button where the text and the symbol lie.
    QRect ObszarTekstu() const;

    QString fSymbolWaluty;
    QChar fSeparator;
    double fMaksymalnaWartosc = 1e15;
    int fMaksymalnaDlugosc = 15;
    // The length UstawWartosc needed, when above the limit.
    int fDlugoscUstawiona = 0;
    QToolButton* fPrzycisk;              // owned by Qt (child of this)
    TKalkulator* fKalkulator = nullptr;  // owned by Qt (child of this)
};
