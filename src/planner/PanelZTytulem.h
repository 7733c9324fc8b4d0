#pragma once
// A captioned panel of the planner's left column: a caption bar in white bold letters over
// the panel's content.
#include <QFrame>

class QLabel;
class QVBoxLayout;

class TPanelZTytulem : public QFrame {
    Q_OBJECT

public:
    TPanelZTytulem(const QString& tytul, QWidget* rodzic = nullptr);

    QString Tytul() const;
    // Appends a widget under the caption (or under the previous one); the panel owns it.
    void Dodaj(QWidget* zawartosc, int rozciaganie = 0);

private:
    QLabel* fTytul;          // owned by Qt
    QVBoxLayout* fUklad;     // owned by Qt
};
