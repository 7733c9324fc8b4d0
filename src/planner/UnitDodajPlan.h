#pragma once
// The plan editor dialog "Dodaj": name, category, amount, due date and hour, comment. It only
// collects the input; the flows in planner/EdytorPlanow.h fill it, read it and validate it.
// Created for one use.
#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QDateEdit;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;
class TPoleKwoty;

class TFormDodajPlan : public QDialog {
    Q_OBJECT

public:
    explicit TFormDodajPlan(QWidget* rodzic = nullptr);

    // The header band's text, e.g. " Dodaj planowany wydatek".
    void UstawNaglowek(const QString& tekst);
    // "&Na co:" or "Tytuł p&rzychodu:".
    void UstawEtykieteKategorii(const QString& tekst);
    // Replaces the category list; nothing is selected.
    void UstawKategorie(const QStringList& opisy);
    // Replaces the list of earlier comments; the comment text stays as it was.
    void UstawKomentarze(const QStringList& komentarze);

    // True after "&OK", false after "&Anuluj" (and before either).
    bool KliknietoOK() const { return kliknietoOK; }

    // Controls, owned by the dialog. Public as in a designed form: the flows fill and read
    // them, tests type into them.
    QLabel* const lbl_Add_Head;
    QLabel* const Label2;
    QLineEdit* const e_Add_Nazwa;
    QComboBox* const cb_Add_Kategoria;
    TPoleKwoty* const e_Add_Kwota;
    QDateEdit* const dtp_Add_Data;
    QTimeEdit* const dtp_Add_Godzina;
    QComboBox* const e_Add_Komentarz;
    QPushButton* const btn_OK;
    QPushButton* const btn_Cancel;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void showEvent(QShowEvent* zdarzenie) override;

private slots:
    void btn_OKClick();
    void btn_CancelClick();
    // The OK state, for every input that changes.
    void e_Add_NazwaChange();
    void e_Add_KomentarzChange();

private:
    void FormShow();
    // Key handlers of the amount and comment boxes; true swallows the key.
    bool e_Add_KwotaKeyPress(const QKeyEvent& klawisz);
    bool e_Add_KwotaKeyDown(const QKeyEvent& klawisz);
    bool e_Add_KomentarzKeyPress(const QKeyEvent& klawisz);
    bool e_Add_KomentarzKeyDown(const QKeyEvent& klawisz);
    void UtworzUklad();

    bool kliknietoOK = false;
};
