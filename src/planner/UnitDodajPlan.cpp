#include "planner/UnitDodajPlan.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTimeEdit>

#include <string>

#include "common/DaneRegionalne.h"
#include "common/FunkcjeWspolne.h"
#include "planner/FiltrTekstu.h"
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

// The named fonts where installed; otherwise their metric-compatible free counterparts.
QFont CzcionkaOkna()
{
    QFont czcionka;
    czcionka.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("DejaVu Sans")});
    czcionka.setPointSize(8);
    return czcionka;
}

QFont CzcionkaNaglowka()
{
    QFont czcionka;
    czcionka.setFamilies({QStringLiteral("Calibri"), QStringLiteral("Carlito"),
                          QStringLiteral("DejaVu Sans")});
    czcionka.setPixelSize(15);
    czcionka.setBold(true);
    return czcionka;
}

// The header picture: a calendar page with a coin, in the header's colours.
QPixmap ObrazNaglowka()
{
    QPixmap obraz(48, 49);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF kartka(7.5, 10.5, 30, 30);
    p.setPen(QPen(QColor(220, 218, 210), 1));
    p.setBrush(QColor(250, 250, 246));
    p.drawRoundedRect(kartka, 3, 3);
    QPainterPath pasek;
    pasek.addRoundedRect(QRectF(kartka.left(), kartka.top(), kartka.width(), 8), 3, 3);
    pasek.addRect(QRectF(kartka.left(), kartka.top() + 4, kartka.width(), 4));
    p.fillPath(pasek.simplified(), QColor(205, 70, 55));
    p.setPen(QPen(QColor(235, 235, 230), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 7.5), QPointF(15, 13));
    p.drawLine(QPointF(30, 7.5), QPointF(30, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 148, 140));
    for (int w = 0; w < 3; ++w)
        for (int k = 0; k < 4; ++k)
            p.drawRect(QRectF(11 + k * 6, 22 + w * 5.5, 4, 3.5));
    const QRectF moneta(25.5, 26.5, 17, 17);
    p.setPen(QPen(QColor(160, 120, 20), 1.2));
    p.setBrush(QColor(240, 190, 60));
    p.drawEllipse(moneta);
    QFont czcionka;
    czcionka.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    czcionka.setPixelSize(8);
    czcionka.setBold(true);
    p.setFont(czcionka);
    p.setPen(QColor(110, 80, 10));
    p.drawText(moneta, Qt::AlignCenter, QString::fromUtf8(PolskiSymbolWaluty.data(),
                                                          static_cast<qsizetype>(PolskiSymbolWaluty.size())));
    return obraz;
}

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
    setFont(CzcionkaOkna());
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
    lbl_Add_Head->setFont(CzcionkaNaglowka());
    lbl_Add_Head->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* const obraz = new QLabel(naglowek);
    obraz->setGeometry(Szerokosc - 10 - 48, 0, 48, WysokoscNaglowka);
    obraz->setPixmap(ObrazNaglowka());

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
    const std::string& symbol = UstawieniaFormatow().SymbolWaluty;
    e_Add_Kwota->SetSymbolWaluty(QString::fromStdString(symbol.empty() ? std::string(PolskiSymbolWaluty) : symbol));
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
