#include "host/OknoGlowne.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/Platforma.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "host/IkonaGrosiwo.h"
#include "host/PlanerHosta.h"
#include "host/PodsumowanieDanych.h"
#include "host/PrzypomnienieOPlanach.h"

namespace {

const char* const KopiaUdana = "Plik bazy danych został skopiowany";

QLabel* Etykieta(const QString& tekst, QWidget* rodzic)
{
    auto* const etykieta = new QLabel(tekst, rodzic);
    etykieta->setTextFormat(Qt::PlainText);
    return etykieta;
}

}  // namespace

TOknoGlowne::TOknoGlowne(TProjektDB& projekt, TPlanerHosta& planer, bool daneDemonstracyjne)
    : fProjekt(projekt), fPlaner(planer)
{
    setObjectName(QStringLiteral("OknoGlowneGrosiwo"));
    setWindowTitle(daneDemonstracyjne ? QStringLiteral("Grosiwo - dane demonstracyjne") : QStringLiteral("Grosiwo"));
    setWindowIcon(IkonaGrosiwo());

    auto* const srodek = new QWidget(this);
    auto* const uklad = new QVBoxLayout(srodek);
    uklad->setContentsMargins(16, 12, 16, 12);
    uklad->setSpacing(10);

    auto* const naglowek = new QHBoxLayout;
    auto* const ikona = new QLabel(srodek);
    ikona->setPixmap(IkonaGrosiwo().pixmap(48, 48));
    naglowek->addWidget(ikona);
    auto* const tytul = Etykieta(QStringLiteral("Grosiwo - domowe finanse"), srodek);
    QFont czcionka = tytul->font();
    czcionka.setPointSizeF(czcionka.pointSizeF() * 1.6);
    czcionka.setBold(true);
    tytul->setFont(czcionka);
    naglowek->addWidget(tytul, 1);
    uklad->addLayout(naglowek);

    auto* const plik = Etykieta(QStringLiteral("Plik z danymi: ") + QString::fromStdString(fProjekt.PlikiDB().DataFile()), srodek);
    plik->setObjectName(QStringLiteral("lbl_PlikDanych"));
    plik->setTextInteractionFlags(Qt::TextSelectableByMouse);
    plik->setWordWrap(true);
    uklad->addWidget(plik);

    auto* const ramka = new QGroupBox(QStringLiteral("Podsumowanie"), srodek);
    fPodsumowanie = new QFormLayout(ramka);
    fPodsumowanie->setLabelAlignment(Qt::AlignLeft);
    uklad->addWidget(ramka, 1);

    auto* const przyciski = new QHBoxLayout;
    btn_Planer = new QPushButton(QStringLiteral("&Planer wydatków i przychodów"), srodek);
    btn_Planer->setObjectName(QStringLiteral("btn_Planer"));
    btn_Planer->setDefault(true);
    btn_Kopia = new QPushButton(QStringLiteral("&Kopia bazy danych..."), srodek);
    btn_Kopia->setObjectName(QStringLiteral("btn_Kopia"));
    btn_Zakoncz = new QPushButton(QStringLiteral("Za&kończ"), srodek);
    btn_Zakoncz->setObjectName(QStringLiteral("btn_Zakoncz"));
    przyciski->addWidget(btn_Planer);
    przyciski->addWidget(btn_Kopia);
    przyciski->addStretch(1);
    przyciski->addWidget(btn_Zakoncz);
    uklad->addLayout(przyciski);
    setCentralWidget(srodek);

    connect(btn_Planer, &QPushButton::clicked, this, [this] { OtworzPlaner(); });
    connect(btn_Kopia, &QPushButton::clicked, this, [this] { UtworzKopieBazy(); });
    connect(btn_Zakoncz, &QPushButton::clicked, this, [this] { close(); });

    OdswiezPodsumowanie();
    resize(560, sizeHint().height());
}

void TOknoGlowne::OdswiezPodsumowanie()
{
    while (fPodsumowanie->rowCount() > 0)
        fPodsumowanie->removeRow(0);
    for (const TWierszPodsumowania& wiersz : TPodsumowanieDanych::Wiersze(fProjekt.Analiza())) {
        QLabel* const wartosc = Etykieta(QString::fromStdString(wiersz.Wartosc), this);
        wartosc->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        fPodsumowanie->addRow(Etykieta(QString::fromStdString(wiersz.Etykieta), this), wartosc);
    }
}

void TOknoGlowne::PokazPrzypomnienie()
{
    const std::string tekst = TPrzypomnienieOPlanach::Tekst(fProjekt.Kolekcje());
    if (!tekst.empty())
        PokazKomunikat(tekst, TPrzypomnienieOPlanach::Tytul, TIkonaKomunikatu::Informacja, TPrzyciskiKomunikatu::OK);
}

bool TOknoGlowne::OtworzPlaner()
{
    const bool uruchomiono = fPlaner.Uruchom(window());
    if (!uruchomiono)
        PokazBlad(fPlaner.BladModulu());
    OdswiezPodsumowanie();
    return uruchomiono;
}

void TOknoGlowne::UtworzKopieBazy()
{
    const QString folderDanych = QFileInfo(QString::fromStdString(fProjekt.PlikiDB().DataFile())).absolutePath();
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Folder kopii bazy danych"), folderDanych);
    if (folder.isEmpty())
        return;
    const std::string wynik = fProjekt.UtworzKopieBazyDanych(folder.toStdString());
    if (wynik.rfind(KopiaUdana, 0) == 0)
        PokazKomunikat(wynik, "Kopia bazy danych", TIkonaKomunikatu::Informacja, TPrzyciskiKomunikatu::OK);
    else
        PokazBlad(wynik);
}
