#include "planner/Kalkulator.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include <array>

namespace {

// The keypad, row by row; an empty text leaves the cell to the key on its left.
constexpr std::array<std::array<const char*, 4>, 5> Klawiatura{{
    {"C", "←", "÷", "×"},
    {"7", "8", "9", "−"},
    {"4", "5", "6", "+"},
    {"1", "2", "3", "="},
    {"0", "", ",", "OK"},
}};

}  // namespace

TKalkulator::TKalkulator(QWidget* rodzic)
    : QFrame(rodzic, Qt::Popup), fWyswietlacz(new QLabel(this))
{
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    auto* const uklad = new QGridLayout(this);
    uklad->setContentsMargins(4, 4, 4, 4);
    uklad->setSpacing(3);

    fWyswietlacz->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fWyswietlacz->setMinimumHeight(26);
    fWyswietlacz->setFrameShape(QFrame::Panel);
    fWyswietlacz->setFrameShadow(QFrame::Sunken);
    fWyswietlacz->setAutoFillBackground(true);
    QPalette paleta = fWyswietlacz->palette();
    paleta.setColor(QPalette::Window, QColor(236, 242, 228));
    paleta.setColor(QPalette::WindowText, QColor(40, 40, 40));
    fWyswietlacz->setPalette(paleta);
    QFont czcionka = fWyswietlacz->font();
    czcionka.setPointSize(czcionka.pointSize() + 3);
    fWyswietlacz->setFont(czcionka);
    // Room for the longest number text (15 digits, sign, comma and exponent), so that no
    // result is cut off.
    fWyswietlacz->setMinimumWidth(QFontMetrics(czcionka).horizontalAdvance(QString(22, u'9')) + 8);
    uklad->addWidget(fWyswietlacz, 0, 0, 1, 4);

    for (int w = 0; w < static_cast<int>(Klawiatura.size()); ++w) {
        for (int k = 0; k < 4; ++k) {
            const QString tekst = QString::fromUtf8(Klawiatura[w][k]);
            if (tekst.isEmpty())
                continue;
            const bool szeroki = k + 1 < 4 && QString::fromUtf8(Klawiatura[w][k + 1]).isEmpty();
            auto* const przycisk = new QToolButton(this);
            przycisk->setText(tekst);
            przycisk->setFocusPolicy(Qt::NoFocus);
            przycisk->setMinimumSize(szeroki ? 71 : 34, 26);
            przycisk->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            connect(przycisk, &QToolButton::clicked, this, [this, tekst] { Klawisz(tekst); });
            uklad->addWidget(przycisk, w + 1, k, 1, szeroki ? 2 : 1);
        }
    }
    Odswiez();
}

void TKalkulator::Pokaz(const QPoint& gdzie, double wartosc)
{
    fObliczenia.Ustaw(wartosc);
    Odswiez();
    adjustSize();
    move(gdzie);
    show();
    setFocus();
}

QString TKalkulator::Wyswietlacz() const
{
    return fWyswietlacz->text();
}

QIcon TKalkulator::Ikona()
{
    QPixmap obraz(16, 16);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(70, 70, 70));
    p.setBrush(QColor(245, 245, 240));
    p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 62, 55));
    p.drawRect(QRectF(4, 2, 8, 3));
    p.setBrush(QColor(90, 90, 90));
    for (int w = 0; w < 3; ++w)
        for (int k = 0; k < 3; ++k)
            p.drawRect(QRectF(4 + k * 3, 7 + w * 2.8, 2, 1.8));
    return QIcon(obraz);
}

void TKalkulator::keyPressEvent(QKeyEvent* zdarzenie)
{
    switch (zdarzenie->key()) {
    case Qt::Key_Escape: close(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: Zatwierdz(); return;
    case Qt::Key_Backspace: Klawisz("←"); return;
    case Qt::Key_Delete: Klawisz("C"); return;
    default: break;
    }
    const QString tekst = zdarzenie->text();
    if (tekst.size() == 1) {
        const QChar znak = tekst.front();
        if (znak >= u'0' && znak <= u'9') {
            Klawisz(tekst);
            return;
        }
        switch (znak.unicode()) {
        case u',':
        case u'.': Klawisz(","); return;
        case u'+': Klawisz("+"); return;
        case u'-': Klawisz("−"); return;
        case u'*': Klawisz("×"); return;
        case u'/': Klawisz("÷"); return;
        case u'=': Klawisz("="); return;
        case u'c':
        case u'C': Klawisz("C"); return;
        default: break;
        }
    }
    QFrame::keyPressEvent(zdarzenie);
}

void TKalkulator::Klawisz(const QString& klawisz)
{
    if (klawisz == "OK") {
        Zatwierdz();
        return;
    }
    if (klawisz.size() == 1 && klawisz.front() >= u'0' && klawisz.front() <= u'9')
        fObliczenia.Cyfra(klawisz.front().unicode() - u'0');
    else if (klawisz == ",")
        fObliczenia.Przecinek();
    else if (klawisz == "+")
        fObliczenia.Dzialanie('+');
    else if (klawisz == "−")
        fObliczenia.Dzialanie('-');
    else if (klawisz == "×")
        fObliczenia.Dzialanie('*');
    else if (klawisz == "÷")
        fObliczenia.Dzialanie('/');
    else if (klawisz == "=")
        fObliczenia.Rownaj();
    else if (klawisz == "←")
        fObliczenia.Cofnij();
    else if (klawisz == "C")
        fObliczenia.Wyczysc();
    Odswiez();
}

void TKalkulator::Zatwierdz()
{
    fObliczenia.Rownaj();
    Odswiez();
    if (fObliczenia.Blad())
        return;
    const QString odmowa = fPrzyjecie ? fPrzyjecie(fObliczenia.Wartosc()) : QString();
    if (odmowa.isEmpty()) {
        close();
        return;
    }
    fObliczenia.Ustaw(fObliczenia.Wartosc());
    fWyswietlacz->setText(odmowa);
}

void TKalkulator::Odswiez()
{
    fWyswietlacz->setText(QString::fromStdString(fObliczenia.Wyswietlacz()));
}
