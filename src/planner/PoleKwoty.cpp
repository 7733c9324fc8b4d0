#include "planner/PoleKwoty.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QValidator>

#include <charconv>
#include <cmath>
#include <string>

#include "common/DaneRegionalne.h"
#include "common/FormatyTekstowe.h"
#include "common/FunkcjeWspolne.h"
#include "planner/Kalkulator.h"

namespace {

// Guards what reaches the text by any way but a typed key (paste, drop, input methods): an
// amount is taken without its spaces and currency symbol, anything else is refused whole.
class TFiltrKwoty : public QValidator {
public:
    explicit TFiltrKwoty(TPoleKwoty& pole) : QValidator(&pole), fPole(pole) {}

    State validate(QString& tekst, int& pozycja) const override
    {
        const QString symbol = fPole.SymbolWaluty();
        int poczatekSymbolu = -1;
        if (!symbol.isEmpty()) {
            const int i = static_cast<int>(tekst.lastIndexOf(symbol));
            if (i >= 0 && tekst.mid(i + symbol.size()).trimmed().isEmpty())
                poczatekSymbolu = i;
        }
        QString wynik;
        int nowaPozycja = pozycja;
        bool separator = false;
        for (int i = 0; i < tekst.size(); ++i) {
            const QChar znak = tekst[i];
            const bool wSymbolu =
                poczatekSymbolu >= 0 && i >= poczatekSymbolu && i < poczatekSymbolu + symbol.size();
            if (znak >= u'0' && znak <= u'9') {
                wynik += znak;
            } else if (znak == fPole.SeparatorDziesietny() && !separator && !wSymbolu) {
                separator = true;
                wynik += znak;
            } else if (wSymbolu || znak.isSpace()) {
                if (i < pozycja)
                    --nowaPozycja;
            } else {
                return Invalid;
            }
        }
        if (wynik.size() > fPole.DozwolonaDlugosc() ||
            KwotaZTekstu(wynik.toStdString()) > fPole.MaksymalnaWartosc())
            return Invalid;
        tekst = wynik;
        pozycja = std::clamp(nowaPozycja, 0, static_cast<int>(wynik.size()));
        return Acceptable;
    }

private:
    TPoleKwoty& fPole;
};

QChar SeparatorZUstawien()
{
    const char separator = UstawieniaFormatow().SeparatorDziesietny;
    return QChar::fromLatin1(separator != '\0' ? separator : PolskiSeparatorDziesietny);
}

}  // namespace

TPoleKwoty::TPoleKwoty(QWidget* rodzic)
    : QLineEdit(rodzic),
      fSymbolWaluty(SymbolWalutyZUstawien()),
      fSeparator(SeparatorZUstawien()),
      fPrzycisk(new QToolButton(this))
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new TFiltrKwoty(*this));
    fPrzycisk->setIcon(TKalkulator::Ikona());
    fPrzycisk->setAutoRaise(true);
    fPrzycisk->setFocusPolicy(Qt::NoFocus);
    fPrzycisk->setCursor(Qt::ArrowCursor);
    fPrzycisk->setToolTip(QStringLiteral("Kalkulator"));
    connect(fPrzycisk, &QToolButton::clicked, this, &TPoleKwoty::PokazKalkulator);
    UstawMarginesy();
}

QString TPoleKwoty::SymbolWalutyZUstawien()
{
    const std::string& symbol = UstawieniaFormatow().SymbolWaluty;
    return QString::fromStdString(symbol.empty() ? std::string(PolskiSymbolWaluty) : symbol);
}

void TPoleKwoty::SetSymbolWaluty(const QString& symbol)
{
    fSymbolWaluty = symbol;
    UstawMarginesy();
    update();
}

void TPoleKwoty::SetMaksymalnaDlugosc(int v)
{
    fMaksymalnaDlugosc = std::max(v, 0);
    fDlugoscUstawiona = 0;
}

double TPoleKwoty::Wartosc() const
{
    return KwotaZTekstu(text().toStdString());
}

void TPoleKwoty::UstawWartosc(double kwota)
{
    const QString tekst = TekstDoEdycji(kwota, fSeparator);
    fDlugoscUstawiona = tekst.size() > fMaksymalnaDlugosc ? static_cast<int>(tekst.size()) : 0;
    setText(tekst);
}

QString TPoleKwoty::TekstDoEdycji(double kwota, QChar separator)
{
    if (!std::isfinite(kwota) || kwota < 0)
        return {};
    const double zaokraglona = ZaokraglijDo(-2, kwota);
    if (zaokraglona == 0)
        return QStringLiteral("0");
    // Enough for the largest double in fixed notation.
    char bufor[400];
    const auto [koniec, blad] =
        std::to_chars(bufor, bufor + sizeof bufor, zaokraglona, std::chars_format::fixed, 2);
    if (blad != std::errc())
        return {};
    std::string tekst(bufor, koniec);
    while (tekst.back() == '0')
        tekst.pop_back();
    if (tekst.back() == '.')
        tekst.pop_back();
    QString wynik = QString::fromStdString(tekst);
    wynik.replace(u'.', separator);
    return wynik;
}

QString TPoleKwoty::TekstWyswietlany() const
{
    const std::string liczba = KwotaNaTekst(ZaokraglijDo(-2, Wartosc()));
    return QString::fromStdString(liczba) + u' ' + fSymbolWaluty;
}

TKalkulator& TPoleKwoty::Kalkulator()
{
    if (fKalkulator == nullptr) {
        fKalkulator = new TKalkulator(this);
        fKalkulator->SetPrzyjecieWyniku([this](double wynik) { return PrzyjmijWynik(wynik); });
    }
    return *fKalkulator;
}

void TPoleKwoty::PokazKalkulator()
{
    if (isReadOnly() || !isEnabled())
        return;
    Kalkulator().Pokaz(mapToGlobal(rect().bottomLeft()), Wartosc());
}

bool TPoleKwoty::PrzyjmujeKlawisz(const QKeyEvent& klawisz) const
{
    const QString tekst = klawisz.text();
    if (tekst.isEmpty())
        return true;
    if (tekst.size() == 1) {
        const QChar znak = tekst.front();
        // Backspace, Enter, Tab, Escape and the shortcuts (Ctrl+V arrives as a control code).
        if (znak.unicode() < 0x20 || znak.unicode() == 0x7f)
            return true;
        if (znak >= u'0' && znak <= u'9')
            return true;
        if (znak == fSeparator)
            return !text().contains(fSeparator);
    }
    return false;
}

void TPoleKwoty::keyPressEvent(QKeyEvent* zdarzenie)
{
    if (!PrzyjmujeKlawisz(*zdarzenie)) {
        zdarzenie->accept();
        return;
    }
    QLineEdit::keyPressEvent(zdarzenie);
}

void TPoleKwoty::paintEvent(QPaintEvent* zdarzenie)
{
    const QRect obszar = ObszarTekstu().adjusted(0, 0, -3, 0);
    const QPalette::ColorGroup grupa = isEnabled() ? QPalette::Active : QPalette::Disabled;
    if (hasFocus()) {
        QLineEdit::paintEvent(zdarzenie);
        QPainter plotno(this);
        plotno.setPen(palette().color(grupa, QPalette::Text));
        plotno.drawText(obszar, Qt::AlignRight | Qt::AlignVCenter, fSymbolWaluty);
        return;
    }
    // Without the focus the box shows the amount as it will be taken: to hundredths.
    QPainter plotno(this);
    QStyleOptionFrame opcje;
    initStyleOption(&opcje);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &opcje, &plotno, this);
    plotno.setPen(palette().color(grupa, text().isEmpty() ? QPalette::PlaceholderText : QPalette::Text));
    plotno.drawText(obszar, Qt::AlignRight | Qt::AlignVCenter, TekstWyswietlany());
}

void TPoleKwoty::resizeEvent(QResizeEvent* zdarzenie)
{
    QLineEdit::resizeEvent(zdarzenie);
    UstawMarginesy();
}

QString TPoleKwoty::PrzyjmijWynik(double wynik)
{
    if (!(wynik >= 0))
        return QStringLiteral("Kwota nie może być ujemna");
    const QString tekst = TekstDoEdycji(wynik, fSeparator);
    if (wynik > fMaksymalnaWartosc || tekst.size() > DozwolonaDlugosc())
        return QStringLiteral("Kwota poza zakresem");
    setText(tekst);
    setFocus();
    return {};
}

void TPoleKwoty::UstawMarginesy()
{
    QStyleOptionFrame opcje;
    initStyleOption(&opcje);
    const int ramka = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcje, this);
    const int bok = std::max(height() - 2 * ramka, 0);
    fPrzycisk->setGeometry(width() - ramka - bok, ramka, bok, bok);
    const int symbol = fontMetrics().horizontalAdvance(u' ' + fSymbolWaluty) + 3;
    setTextMargins(0, 0, bok + symbol, 0);
}

QRect TPoleKwoty::ObszarTekstu() const
{
    QStyleOptionFrame opcje;
    initStyleOption(&opcje);
    QRect obszar = style()->subElementRect(QStyle::SE_LineEditContents, &opcje, this);
    obszar.setRight(fPrzycisk->geometry().left() - 1);
    return obszar;
}
