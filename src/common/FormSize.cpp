#include "common/FormSize.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QSysInfo>
#include <QWindow>

#include <algorithm>
#include <limits>

namespace {

QWidget* SprawdzonyWlasciciel(QWidget* owner)
{
    if (owner == nullptr || !owner->isWindow())
        throw EFormSizeError("Control parent must be a form!");
    if (owner->findChild<TFormSize*>(QString(), Qt::FindDirectChildrenOnly) != nullptr)
        throw EFormSizeError("The form already contains a TFormSize component");
    return owner;
}

QString NazwaUzytkownika()
{
    for (const char* zmienna : {"USER", "USERNAME", "LOGNAME"}) {
        const QString nazwa = qEnvironmentVariable(zmienna);
        if (!nazwa.isEmpty())
            return nazwa;
    }
    return {};
}

// The stored values are texts; a missing or non-numeric one keeps the current value.
int CzytajLiczbe(const QSettings& magazyn, const QString& klucz, int domyslna)
{
    bool poprawna = false;
    const int wartosc = magazyn.value(klucz).toString().trimmed().toInt(&poprawna);
    return poprawna ? wartosc : domyslna;
}

const QScreen* EkranNajblizszy(const QPoint& punkt)
{
    const QScreen* najblizszy = QGuiApplication::primaryScreen();
    long long najmniejsza = std::numeric_limits<long long>::max();
    for (const QScreen* ekran : QGuiApplication::screens()) {
        const QRect obszar = ekran->geometry();
        const long long dx = std::max({obszar.left() - punkt.x(), 0, punkt.x() - obszar.right()});
        const long long dy = std::max({obszar.top() - punkt.y(), 0, punkt.y() - obszar.bottom()});
        const long long odleglosc = dx * dx + dy * dy;
        if (odleglosc < najmniejsza) {
            najmniejsza = odleglosc;
            najblizszy = ekran;
        }
    }
    return najblizszy;
}

}  // namespace

struct TFormSize::TMagazyn {
    std::unique_ptr<QSettings> Ustawienia;
};

TFormSize::TFormSize(QWidget* owner)
    : QObject(SprawdzonyWlasciciel(owner)), FOwner(owner), fOstatniaPozycja(owner->pos())
{
    FSaveKey = owner->objectName().isEmpty() ? QString::fromLatin1(owner->metaObject()->className())
                                             : owner->objectName();
    owner->installEventFilter(this);
}

TFormSize::~TFormSize()
{
    if (FOwner == nullptr)
        return;
    FOwner->removeEventFilter(this);
    if (FSavePosition)
        Zapisz();
}

QString TFormSize::Sekcja() const
{
    QString sekcja = FSaveKey;
    if (FSaveUser)
        sekcja += QLatin1Char('-') + NazwaUzytkownika();
    if (FSaveMachine)
        sekcja += QLatin1Char('-') + QSysInfo::machineHostName();
    return sekcja;
}

std::unique_ptr<TFormSize::TMagazyn> TFormSize::OtworzMagazyn() const
{
    if (FSaveName.isEmpty() || FSaveKey.isEmpty())
        return nullptr;
    auto magazyn = std::make_unique<TMagazyn>();
    QString grupa;
    if (FLocation == plRegistry) {
        // "Software\Organisation\Application\Rest": QSettings puts the native store of
        // (Organisation, Application) at exactly that key on Windows.
        QStringList czesci = QString(FSaveName).replace(QLatin1Char('\\'), QLatin1Char('/'))
                                 .split(QLatin1Char('/'), Qt::SkipEmptyParts);
        if (czesci.size() > 1 && czesci.front().compare(QLatin1String("Software"),
                                                         Qt::CaseInsensitive) == 0)
            czesci.removeFirst();
        const QString organizacja = czesci.value(0);
        const QString aplikacja = czesci.value(1);
        grupa = czesci.mid(2).join(QLatin1Char('/'));
        magazyn->Ustawienia = std::make_unique<QSettings>(QSettings::NativeFormat,
                                                          QSettings::UserScope, organizacja,
                                                          aplikacja);
    } else {
        magazyn->Ustawienia = std::make_unique<QSettings>(
            QString(FSaveName).replace(QLatin1Char('\\'), QLatin1Char('/')), QSettings::IniFormat);
    }
    const QString sekcja = Sekcja();
    magazyn->Ustawienia->beginGroup(grupa.isEmpty() ? sekcja : grupa + QLatin1Char('/') + sekcja);
    return magazyn;
}

void TFormSize::LoadFormSettings()
{
    const bool pozycja = FSavePosition;
    const bool rozmiar = FSaveSize;
    FSavePosition = FSaveSize = true;
    Przywroc();
    FSavePosition = pozycja;
    FSaveSize = rozmiar;
}

void TFormSize::SaveFormSettings()
{
    const bool pozycja = FSavePosition;
    const bool rozmiar = FSaveSize;
    FSavePosition = FSaveSize = true;
    Zapisz();
    FSavePosition = pozycja;
    FSaveSize = rozmiar;
}

void TFormSize::Przywroc()
{
    if (FOwner == nullptr)
        return;
    const auto magazyn = OtworzMagazyn();
    if (!magazyn)
        return;
    const QSettings& ustawienia = *magazyn->Ustawienia;
    QWidget& okno = *FOwner;
    const bool magnes = FMagnet;
    FMagnet = false;

    int lewa = okno.x();
    int gora = okno.y();
    int prawa = lewa + okno.width();
    int dol = gora + okno.height();
    if (FSavePosition) {
        lewa = CzytajLiczbe(ustawienia, QStringLiteral("Left"), lewa);
        gora = CzytajLiczbe(ustawienia, QStringLiteral("Top"), gora);
    }
    if (FSaveSize) {
        prawa = CzytajLiczbe(ustawienia, QStringLiteral("Right"), prawa);
        dol = CzytajLiczbe(ustawienia, QStringLiteral("Bottom"), dol);
    } else {
        prawa = lewa + okno.width();
        dol = gora + okno.height();
    }
    const int zapisanyStan =
        CzytajLiczbe(ustawienia, QStringLiteral("Maximized"), okno.isMaximized() ? 1 : 0);
    const bool zmaksymalizowane = zapisanyStan != 0;

    if (const QScreen* ekran = QGuiApplication::primaryScreen()) {
        // The whole desktop, every monitor; a window stored beyond it is pulled back in.
        const QRect pulpit = ekran->availableVirtualGeometry();
        const int prawaPulpitu = pulpit.x() + pulpit.width();
        const int dolPulpitu = pulpit.y() + pulpit.height();
        if (prawa > prawaPulpitu) {
            lewa -= prawa - prawaPulpitu;
            prawa = prawaPulpitu;
        }
        if (dol > dolPulpitu) {
            gora -= dol - dolPulpitu;
            dol = dolPulpitu;
        }
        // Beyond the left or top edge (a monitor since removed, a window larger than the
        // desktop) the window, its title bar included, could not be reached: bring it back.
        if (lewa < pulpit.x()) {
            prawa += pulpit.x() - lewa;
            lewa = pulpit.x();
        }
        if (gora < pulpit.y()) {
            dol += pulpit.y() - gora;
            gora = pulpit.y();
        }
    }
    if (zmaksymalizowane) {
        if (const QScreen* ekran = EkranNajblizszy(QPoint(lewa, gora))) {
            const QRect monitor = ekran->geometry();
            lewa = monitor.left();
            gora = monitor.top();
            prawa = monitor.x() + monitor.width();
            dol = monitor.y() + monitor.height();
        }
    }

    okno.move(lewa, gora);
    if (prawa > lewa && dol > gora)
        okno.resize(prawa - lewa, dol - gora);
    fOstatniaPozycja = okno.pos();
    if (zmaksymalizowane)
        okno.setWindowState(okno.windowState() | Qt::WindowMaximized);
    FMagnet = magnes;
}

void TFormSize::Zapisz()
{
    if (FOwner == nullptr)
        return;
    const auto magazyn = OtworzMagazyn();
    if (!magazyn)
        return;
    QSettings& ustawienia = *magazyn->Ustawienia;
    const QWidget& okno = *FOwner;
    if (FSavePosition) {
        ustawienia.setValue(QStringLiteral("Left"), QString::number(okno.x()));
        ustawienia.setValue(QStringLiteral("Top"), QString::number(okno.y()));
    }
    if (FSaveSize) {
        ustawienia.setValue(QStringLiteral("Right"), QString::number(okno.x() + okno.width()));
        ustawienia.setValue(QStringLiteral("Bottom"), QString::number(okno.y() + okno.height()));
        ustawienia.setValue(QStringLiteral("Maximized"),
                            okno.isMaximized() ? QStringLiteral("1") : QStringLiteral("0"));
    }
    ustawienia.sync();
}

void TFormSize::PrzyciagnijDoKrawedzi()
{
    const QScreen* ekran = QGuiApplication::primaryScreen();
    if (ekran == nullptr || fPrzyciaganie)
        return;
    const QRect obszar = ekran->availableGeometry();  // the screen less the taskbar
    QWidget& okno = *FOwner;
    const QRect ramka = okno.frameGeometry();
    int lewa = ramka.left();
    int gora = ramka.top();
    if (lewa < obszar.left() + FMagnetDistance)
        lewa = obszar.left();
    if (gora < obszar.top() + FMagnetDistance)
        gora = obszar.top();
    const int dolObszaru = obszar.y() + obszar.height();
    const int prawaObszaru = obszar.x() + obszar.width();
    if (gora + ramka.height() > dolObszaru - FMagnetDistance)
        gora = dolObszaru - ramka.height();
    if (lewa + ramka.width() > prawaObszaru - FMagnetDistance)
        lewa = prawaObszaru - ramka.width();
    if (lewa == ramka.left() && gora == ramka.top())
        return;
    fPrzyciaganie = true;
    okno.move(lewa, gora);
    fPrzyciaganie = false;
}

bool TFormSize::ObsluzPrzeciaganie(QEvent* zdarzenie)
{
    QWidget& okno = *FOwner;
    auto& mysz = static_cast<QMouseEvent&>(*zdarzenie);
    switch (zdarzenie->type()) {
    case QEvent::MouseButtonPress:
        if (mysz.button() != Qt::LeftButton || !okno.rect().contains(mysz.position().toPoint()))
            return false;
        if (okno.windowHandle() != nullptr && okno.windowHandle()->startSystemMove())
            return true;
        // Where the window system cannot move the window, follow the cursor ourselves.
        fChwyt = mysz.globalPosition().toPoint() - okno.pos();
        return true;
    case QEvent::MouseMove:
        if (!fChwyt || !(mysz.buttons() & Qt::LeftButton))
            return false;
        okno.move(mysz.globalPosition().toPoint() - *fChwyt);
        return true;
    case QEvent::MouseButtonRelease:
        if (!fChwyt || mysz.button() != Qt::LeftButton)
            return false;
        fChwyt.reset();
        return true;
    default:
        return false;
    }
}

bool TFormSize::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (obiekt != FOwner)
        return false;
    switch (zdarzenie->type()) {
    case QEvent::Show:
        // The window is fully set up by now, with this component's properties.
        if (!fPrzywroconoPrzyPokazaniu && (FSavePosition || FSaveSize)) {
            fPrzywroconoPrzyPokazaniu = true;
            Przywroc();
        }
        break;
    case QEvent::Move:
        if (FOwner->pos() == fOstatniaPozycja)
            break;
        if (FMagnet)
            PrzyciagnijDoKrawedzi();
        fOstatniaPozycja = FOwner->pos();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (FDragAlways)
            return ObsluzPrzeciaganie(zdarzenie);
        break;
    default:
        break;
    }
    return false;
}
