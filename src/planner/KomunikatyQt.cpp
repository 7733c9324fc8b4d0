#include "planner/KomunikatyQt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon IkonaQt(TIkonaKomunikatu ikona)
{
    switch (ikona) {
    case TIkonaKomunikatu::Blad:
        return QMessageBox::Critical;
    case TIkonaKomunikatu::Ostrzezenie:
        return QMessageBox::Warning;
    case TIkonaKomunikatu::Pytanie:
        return QMessageBox::Question;
    case TIkonaKomunikatu::Informacja:
        break;
    }
    return QMessageBox::Information;
}

QWidget* Wlasciciel()
{
    if (QWidget* modalne = QApplication::activeModalWidget())
        return modalne;
    return QApplication::activeWindow();
}

}  // namespace

QString TekstKomunikatuQt(const std::string& tekst)
{
    QString wynik = QString::fromStdString(tekst);
    wynik.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    wynik.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return wynik;
}

TOdpowiedzKomunikatu TKomunikatyQt::Pokaz(const std::string& tekst, const std::string& tytul,
                                          TIkonaKomunikatu ikona, TPrzyciskiKomunikatu przyciski)
{
    QMessageBox okno(IkonaQt(ikona), QString::fromStdString(tytul), TekstKomunikatuQt(tekst),
                     QMessageBox::NoButton, Wlasciciel());
    okno.setTextFormat(Qt::PlainText);
    if (przyciski == TPrzyciskiKomunikatu::OK) {
        QPushButton* ok = okno.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        okno.setDefaultButton(ok);
        okno.setEscapeButton(ok);
        okno.exec();
        return TOdpowiedzKomunikatu::OK;
    }
    QPushButton* tak = okno.addButton(QStringLiteral("&Tak"), QMessageBox::YesRole);
    QPushButton* nie = okno.addButton(QStringLiteral("&Nie"), QMessageBox::NoRole);
    // The questions ask before something is deleted or lost: Enter alone must not agree.
    okno.setDefaultButton(nie);
    okno.setEscapeButton(nie);
    okno.exec();
    return okno.clickedButton() == tak ? TOdpowiedzKomunikatu::Tak : TOdpowiedzKomunikatu::Nie;
}
