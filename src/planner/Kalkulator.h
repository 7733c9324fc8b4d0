#pragma once
// The amount box's pop-up calculator: a display over a keypad of digits, comma, the four
// operations, clearing, backspace, "=" and "OK". It also takes the same keys from the keyboard
// (Enter is "OK", Escape closes it). "OK" hands the result to the owner, which may refuse it.
#include <QFrame>
#include <QIcon>

#include <functional>

#include "planner/ObliczeniaKalkulatora.h"

class QLabel;

class TKalkulator : public QFrame {
    Q_OBJECT

public:
    // Answers whether the result was taken; a refusal's text is shown on the display.
    using TPrzyjecieWyniku = std::function<QString(double wynik)>;

    explicit TKalkulator(QWidget* rodzic = nullptr);

    // Shows the pop-up with its top-left corner at the global point, starting from wartosc.
    void Pokaz(const QPoint& gdzie, double wartosc);
    void SetPrzyjecieWyniku(TPrzyjecieWyniku przyjecie) { fPrzyjecie = std::move(przyjecie); }

    QString Wyswietlacz() const;
    // The icon of the button that opens the calculator.
    static QIcon Ikona();

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;

private:
    void Klawisz(const QString& klawisz);
    void Zatwierdz();
    void Odswiez();

    TObliczeniaKalkulatora fObliczenia;
    TPrzyjecieWyniku fPrzyjecie;
    QLabel* fWyswietlacz;  // owned by Qt (child of this)
};
