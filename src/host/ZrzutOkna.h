#pragma once
// The --zrzut option: the picture of a window written to a PNG file, without a user. The
// planner is run modally by the module, so its window is caught from a timer once it is
// shown, saved and closed without saving anything.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QWidget;

class TZrzutOkna : public QObject {
public:
    explicit TZrzutOkna(QString plik);

    // Writes the window as it is drawn now.
    bool ZapiszOkno(QWidget& okno);
    // From now on, the first modal window that opens is written once it has settled and then
    // closed with the Rejected result.
    void ZapiszPierwszeOknoModalne();
    bool Zapisano() const { return fZapisano; }
    // Why nothing was written; empty after success.
    const QString& Blad() const { return fBlad; }
    QString Sciezka() const;

private:
    void Sprawdz();

    const QString fPlik;
    QTimer fZegar;
    QPointer<QWidget> fOkno;
    int fTakty = 0;
    bool fZapisano = false;
    QString fBlad;
};
