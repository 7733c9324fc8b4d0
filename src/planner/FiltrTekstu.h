#pragma once
// Keeps the text of a line edit storable whatever way it came in (typed, pasted, dropped,
// chosen from a list): halves of a broken surrogate pair are dropped, and on request the
// characters the database never stores (| ' " ;) and a lower-case first letter. The caret
// stays where it was relative to the text around it.
#include <QValidator>

class TFiltrTekstu : public QValidator {
    Q_OBJECT

public:
    struct TOpcje {
        bool UsunZnakiZakazane = false;
        bool WielkaPierwszaLitera = false;
    };

    TFiltrTekstu(TOpcje opcje, QObject* rodzic);

    State validate(QString& tekst, int& pozycja) const override;
    // The text as validate leaves it.
    QString Oczysc(const QString& tekst) const;

private:
    TOpcje fOpcje;
};
