#include "host/KomunikatyHosta.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <iostream>

#include "host/TekstyHosta.h"

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
    if (QWidget* const modalne = QApplication::activeModalWidget())
        return modalne;
    return QApplication::activeWindow();
}

}  // namespace

TOdpowiedzKomunikatu TKomunikatyHosta::Pokaz(const std::string& tekst, const std::string& tytul,
                                             TIkonaKomunikatu ikona, TPrzyciskiKomunikatu przyciski)
{
    if (ikona == TIkonaKomunikatu::Blad)
        std::cerr << tytul << ' ' << TekstDoKonsoli(tekst) << '\n';

    QMessageBox okno(IkonaQt(ikona), QString::fromStdString(tytul), TekstDoOkna(tekst),
                     QMessageBox::NoButton, Wlasciciel());
    okno.setTextFormat(Qt::PlainText);
    if (przyciski == TPrzyciskiKomunikatu::OK) {
        QPushButton* const ok = okno.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        okno.setDefaultButton(ok);
        okno.setEscapeButton(ok);
        okno.exec();
        return TOdpowiedzKomunikatu::OK;
    }
    QPushButton* const tak = okno.addButton(QStringLiteral("&Tak"), QMessageBox::YesRole);
    QPushButton* const nie = okno.addButton(QStringLiteral("&Nie"), QMessageBox::NoRole);
    // Questions come before something is deleted or lost: Enter alone must not agree.
    okno.setDefaultButton(nie);
    okno.setEscapeButton(nie);
    okno.exec();
    return okno.clickedButton() == tak ? TOdpowiedzKomunikatu::Tak : TOdpowiedzKomunikatu::Nie;
}
