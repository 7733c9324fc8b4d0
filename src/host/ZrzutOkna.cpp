#include "host/ZrzutOkna.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

#include <utility>

namespace {

constexpr int OdstepMs = 50;
// Lets delayed layouts of item views and the first paint happen before the picture.
constexpr int TaktyDoUstalenia = 4;

}  // namespace

TZrzutOkna::TZrzutOkna(QString plik) : fPlik(std::move(plik))
{
    fZegar.setInterval(OdstepMs);
    connect(&fZegar, &QTimer::timeout, this, [this] { Sprawdz(); });
}

QString TZrzutOkna::Sciezka() const
{
    return QFileInfo(fPlik).absoluteFilePath();
}

bool TZrzutOkna::ZapiszOkno(QWidget& okno)
{
    const QPixmap obraz = okno.grab();
    fZapisano = !obraz.isNull() && obraz.save(fPlik, "PNG");
    fBlad = fZapisano ? QString() : QStringLiteral("Nie udało się zapisać zrzutu okna do pliku \"%1\" !!!").arg(Sciezka());
    return fZapisano;
}

void TZrzutOkna::ZapiszPierwszeOknoModalne()
{
    fOkno.clear();
    fTakty = 0;
    fZapisano = false;
    fBlad = QStringLiteral("Okno planera nie zostało otwarte - zrzut nie powstał !!!");
    fZegar.start();
}

void TZrzutOkna::Sprawdz()
{
    QWidget* const modalne = QApplication::activeModalWidget();
    if (modalne == nullptr || !modalne->isVisible()) {
        fOkno.clear();
        fTakty = 0;
        return;
    }
    if (modalne != fOkno) {
        fOkno = modalne;
        fTakty = 0;
    }
    if (++fTakty < TaktyDoUstalenia)
        return;
    fZegar.stop();
    ZapiszOkno(*modalne);
    if (auto* const dialog = qobject_cast<QDialog*>(modalne))
        dialog->done(QDialog::Rejected);
    else
        modalne->close();
}
