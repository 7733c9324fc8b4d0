#include "planner/UnitDodajPlan.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimeEdit>

#include "planner/CzcionkiPlanera.h"
#include "planner/FiltrTekstu.h"
#include "planner/IkonyPlanera.h"
#include "planner/PoleKwoty.h"

namespace {

constexpr int Szerokosc = 399;
constexpr int Wysokosc = 321;
constexpr int WysokoscNaglowka = 49;
const QColor KolorNaglowka(64, 62, 55);
constexpr int KolumnaEtykiet = 8;
constexpr int KolumnaPol = 99;
constexpr int SzerokoscPol = 282;
constexpr int WysokoscPola = 21;

bool KlawiszEnter(const QKeyEvent& klawisz)
{
    return klawisz.key() == Qt::Key_Return || klawisz.key() == Qt::Key_Enter;
}

}  // namespace

TFormDodajPlan::TFormDodajPlan(QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      lbl_Add_Head(new QLabel(this)),
      Label2(new QLabel(this)),
      e_Add_Nazwa(new QLineEdit(this)),
      cb_Add_Kategoria(new QComboBox(this)),
      e_Add_Kwota(new TPoleKwoty(this)),
      dtp_Add_Data(new QDateEdit(this)),
      dtp_Add_Godzina(new QTimeEdit(this)),
      e_Add_Komentarz(new QComboBox(this)),
      btn_OK(new QPushButton(QStringLiteral("&OK"), this)),
      btn_Cancel(new QPushButton(QStringLiteral("&Anuluj"), this))
{
    setWindowTitle(QStringLiteral("Dodaj"));
    setFont(CzcionkaTahoma(8));
    setFixedSize(Szerokosc, Wysokosc);
    UtworzUklad();

    connect(btn_OK, &QPushButton::clicked, this, &TFormDodajPlan::btn_OKClick);
    connect(btn_Cancel, &QPushButton::clicked, this, &TFormDodajPlan::btn_CancelClick);
    connect(e_Add_Nazwa, &QLineEdit::textChanged, this, &TFormDodajPlan::e_Add_NazwaChange);
    connect(cb_Add_Kategoria, &QComboBox::currentIndexChanged, this, &TFormDodajPlan::e_Add_NazwaChange);
    connect(e_Add_Kwota, &QLineEdit::textChanged, this, &TFormDodajPlan::e_Add_NazwaChange);
    connect(dtp_Add_Data, &QDateEdit::dateChanged, this, &TFormDodajPlan::e_Add_NazwaChange);
    connect(dtp_Add_Godzina, &QTimeEdit::timeChanged, this, &TFormDodajPlan::e_Add_NazwaChange);
    connect(e_Add_Komentarz, &QComboBox::editTextChanged, this, &TFormDodajPlan::e_Add_KomentarzChange);
    e_Add_Kwota->installEventFilter(this);
    e_Add_Komentarz->lineEdit()->installEventFilter(this);
    e_Add_NazwaChange();
}

void TFormDodajPlan::UstawNaglowek(const QString& tekst)
{
    lbl_Add_Head->setText(tekst);
}

void TFormDodajPlan::UstawEtykieteKategorii(const QString& tekst)
{
    Label2->setText(tekst);
}

void TFormDodajPlan::UstawKategorie(const QStringList& opisy)
{
    cb_Add_Kategoria->clear();
    cb_Add_Kategoria->addItems(opisy);
    cb_Add_Kategoria->setCurrentIndex(-1);
}

void TFormDodajPlan::UstawKomentarze(const QStringList& komentarze)
{
    const QString tekst = e_Add_Komentarz->currentText();
    e_Add_Komentarz->clear();
    e_Add_Komentarz->addItems(komentarze);
    e_Add_Komentarz->setCurrentIndex(-1);
    e_Add_Komentarz->setEditText(tekst);
}

void TFormDodajPlan::UtworzUklad()
{
    auto* const naglowek = new QWidget(this);
    naglowek->setGeometry(0, 0, Szerokosc, WysokoscNaglowka);
    naglowek->setAutoFillBackground(true);
    QPalette paleta = naglowek->palette();
    paleta.setColor(QPalette::Window, KolorNaglowka);
    paleta.setColor(QPalette::WindowText, Qt::white);
    naglowek->setPalette(paleta);
    lbl_Add_Head->setParent(naglowek);
    lbl_Add_Head->setGeometry(10, 0, Szerokosc - 10 - 48 - 10, WysokoscNaglowka);
    lbl_Add_Head->setFont(CzcionkaCalibriPx(15, true));
    lbl_Add_Head->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* const obraz = new QLabel(naglowek);
    obraz->setGeometry(Szerokosc - 10 - 48, 0, 48, WysokoscNaglowka);
    obraz->setPixmap(ObrazekNaglowkaPlanera());

    const auto etykieta = [this](QLabel* label, const QString& tekst, int y, QWidget* pole) {
        label->setText(tekst);
        label->setGeometry(KolumnaEtykiet, y, KolumnaPol - KolumnaEtykiet - 4, WysokoscPola);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setBuddy(pole);
    };
    etykieta(new QLabel(this), QStringLiteral("Na&zwa:"), 69, e_Add_Nazwa);
    etykieta(Label2, QStringLiteral("&Na co:"), 110, cb_Add_Kategoria);
    etykieta(new QLabel(this), QStringLiteral("&Kwota:"), 150, e_Add_Kwota);
    etykieta(new QLabel(this), QStringLiteral("Planowana data:"), 190, dtp_Add_Data);
    etykieta(new QLabel(this), QStringLiteral("Ko&mentarz:"), 230, e_Add_Komentarz);

    e_Add_Nazwa->setGeometry(KolumnaPol, 69, SzerokoscPol, WysokoscPola);
    e_Add_Nazwa->setMaxLength(255);
    e_Add_Nazwa->setValidator(new TFiltrTekstu({}, e_Add_Nazwa));

    cb_Add_Kategoria->setGeometry(KolumnaPol, 110, SzerokoscPol, WysokoscPola);
    cb_Add_Kategoria->setMaxVisibleItems(15);

    e_Add_Kwota->setGeometry(KolumnaPol, 150, SzerokoscPol, WysokoscPola);

    dtp_Add_Data->setGeometry(KolumnaPol, 190, 135, WysokoscPola);
    dtp_Add_Data->setCalendarPopup(true);
    dtp_Add_Data->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dtp_Add_Data->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    dtp_Add_Godzina->setGeometry(240, 190, 141, WysokoscPola);
    dtp_Add_Godzina->setDisplayFormat(QStringLiteral("HH:mm"));

    e_Add_Komentarz->setGeometry(102, 230, 279, WysokoscPola);
    e_Add_Komentarz->setEditable(true);
    e_Add_Komentarz->setInsertPolicy(QComboBox::NoInsert);
    e_Add_Komentarz->setMaxVisibleItems(15);
    e_Add_Komentarz->lineEdit()->setMaxLength(256);
    e_Add_Komentarz->setValidator(
        new TFiltrTekstu({.UsunZnakiZakazane = true, .WielkaPierwszaLitera = true}, e_Add_Komentarz));

    btn_OK->setGeometry(KolumnaPol + SzerokoscPol - 84, 273, 84, 32);
    btn_OK->setDefault(true);
    btn_Cancel->setGeometry(KolumnaPol + SzerokoscPol - 84 - 6 - 93, 273, 93, 32);
    btn_Cancel->setAutoDefault(false);

    setTabOrder(e_Add_Nazwa, cb_Add_Kategoria);
    setTabOrder(cb_Add_Kategoria, e_Add_Kwota);
    setTabOrder(e_Add_Kwota, dtp_Add_Data);
    setTabOrder(dtp_Add_Data, dtp_Add_Godzina);
    setTabOrder(dtp_Add_Godzina, e_Add_Komentarz);
    setTabOrder(e_Add_Komentarz, btn_OK);
    setTabOrder(btn_OK, btn_Cancel);
}

bool TFormDodajPlan::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::KeyPress) {
        const auto& klawisz = static_cast<const QKeyEvent&>(*zdarzenie);
        if (obiekt == e_Add_Kwota)
            return e_Add_KwotaKeyDown(klawisz) || e_Add_KwotaKeyPress(klawisz);
        if (obiekt == e_Add_Komentarz->lineEdit())
            return e_Add_KomentarzKeyDown(klawisz) || e_Add_KomentarzKeyPress(klawisz);
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void TFormDodajPlan::showEvent(QShowEvent* zdarzenie)
{
    QDialog::showEvent(zdarzenie);
    FormShow();
}

void TFormDodajPlan::FormShow()
{
    e_Add_Kwota->SetSymbolWaluty(TPoleKwoty::SymbolWalutyZUstawien());
    const QScreen* const ekran = parentWidget() != nullptr && parentWidget()->screen() != nullptr
                                     ? parentWidget()->screen()
                                     : QGuiApplication::primaryScreen();
    if (ekran != nullptr) {
        QRect ramka = frameGeometry();
        ramka.moveCenter(ekran->availableGeometry().center());
        move(ramka.topLeft());
    }
    e_Add_Nazwa->setFocus();
}

void TFormDodajPlan::btn_OKClick()
{
    kliknietoOK = true;
    accept();
}

void TFormDodajPlan::btn_CancelClick()
{
    kliknietoOK = false;
    reject();
}

void TFormDodajPlan::e_Add_NazwaChange()
{
    btn_OK->setEnabled(!e_Add_Nazwa->text().isEmpty() && cb_Add_Kategoria->currentIndex() >= 0);
}

// The comment's first letter is upper-cased by its filter (TFiltrTekstu), which also runs for
// pasted and chosen text and keeps the caret and the completion's selection.
void TFormDodajPlan::e_Add_KomentarzChange()
{
    e_Add_NazwaChange();
}

// The rule belongs to the amount box, which keeps it also where it is used alone.
bool TFormDodajPlan::e_Add_KwotaKeyPress(const QKeyEvent& klawisz)
{
    return !e_Add_Kwota->PrzyjmujeKlawisz(klawisz);
}

bool TFormDodajPlan::e_Add_KwotaKeyDown(const QKeyEvent& klawisz)
{
    if (!KlawiszEnter(klawisz))
        return false;
    e_Add_Komentarz->setFocus();
    return true;
}

bool TFormDodajPlan::e_Add_KomentarzKeyPress(const QKeyEvent& klawisz)
{
    const QString tekst = klawisz.text();
    return tekst == u"\"" || tekst == u"'" || tekst == u";";
}

bool TFormDodajPlan::e_Add_KomentarzKeyDown(const QKeyEvent& klawisz)
{
    if (KlawiszEnter(klawisz)) {
        if (btn_OK->isEnabled())
            btn_OK->setFocus();
        return true;
    }
    if (klawisz.key() == Qt::Key_Escape) {
        btn_CancelClick();
        return true;
    }
    return false;
}
