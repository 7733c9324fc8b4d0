#include "planner/ListaPozycji.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

const QColor KolorTla(255, 255, 255);
const QColor KolorWskazanej(236, 240, 246);
const QColor KolorWybranej(255, 246, 204);
const QColor KolorTekstuWybranej(120, 70, 0);
const QColor KolorLinii(232, 232, 232);

}  // namespace

TListaPozycji::TListaPozycji(int wysokoscPozycji, QWidget* rodzic)
    : QWidget(rodzic), fWysokoscPozycji(std::max(wysokoscPozycji, 1))
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TListaPozycji::SetPozycje(const QStringList& pozycje)
{
    fPozycje = pozycje;
    fWskazana = -1;
    fWcisnieta = -1;
    updateGeometry();
    update();
}

QString TListaPozycji::Tekst(int pozycja) const
{
    return pozycja >= 0 && pozycja < IloscPozycji() ? fPozycje[pozycja] : QString();
}

void TListaPozycji::SetTekst(int pozycja, const QString& tekst)
{
    if (pozycja < 0 || pozycja >= IloscPozycji() || fPozycje[pozycja] == tekst)
        return;
    fPozycje[pozycja] = tekst;
    update(ProstokatPozycji(pozycja));
}

void TListaPozycji::Dodaj(const QString& tekst)
{
    fPozycje.append(tekst);
    updateGeometry();
    update();
}

void TListaPozycji::SetZnacznik(const QString& znacznik)
{
    fZnacznik = znacznik;
    update();
}

QRect TListaPozycji::ProstokatPozycji(int pozycja) const
{
    if (pozycja < 0 || pozycja >= IloscPozycji())
        return {};
    return {0, pozycja * fWysokoscPozycji, width(), fWysokoscPozycji};
}

int TListaPozycji::PozycjaW(const QPoint& punkt) const
{
    if (punkt.x() < 0 || punkt.x() >= width() || punkt.y() < 0)
        return -1;
    const int pozycja = punkt.y() / fWysokoscPozycji;
    return pozycja < IloscPozycji() ? pozycja : -1;
}

QSize TListaPozycji::sizeHint() const
{
    return {120, IloscPozycji() * fWysokoscPozycji};
}

void TListaPozycji::paintEvent(QPaintEvent* zdarzenie)
{
    QPainter plotno(this);
    plotno.fillRect(zdarzenie->rect(), KolorTla);
    const QFont zwykla = font();
    QFont pogrubiona = zwykla;
    pogrubiona.setBold(true);
    for (int pozycja = 0; pozycja < IloscPozycji(); ++pozycja) {
        const QRect prostokat = ProstokatPozycji(pozycja);
        if (!prostokat.intersects(zdarzenie->rect()))
            continue;
        const QString& tekst = fPozycje[pozycja];
        const bool wybrana = !fZnacznik.isEmpty() && tekst.startsWith(fZnacznik);
        if (wybrana)
            plotno.fillRect(prostokat, KolorWybranej);
        else if (pozycja == fWskazana)
            plotno.fillRect(prostokat, KolorWskazanej);
        plotno.setPen(KolorLinii);
        plotno.drawLine(prostokat.bottomLeft(), prostokat.bottomRight());
        plotno.setFont(wybrana ? pogrubiona : zwykla);
        plotno.setPen(wybrana ? KolorTekstuWybranej : palette().color(QPalette::WindowText));
        // The items keep their leading spaces: they are the indent.
        plotno.drawText(prostokat.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                        fontMetrics().elidedText(tekst, Qt::ElideRight, prostokat.width() - 8));
    }
}

void TListaPozycji::mousePressEvent(QMouseEvent* zdarzenie)
{
    fWcisnieta = zdarzenie->button() == Qt::LeftButton ? PozycjaW(zdarzenie->position().toPoint()) : -1;
    zdarzenie->accept();
}

void TListaPozycji::mouseReleaseEvent(QMouseEvent* zdarzenie)
{
    const int wcisnieta = fWcisnieta;
    fWcisnieta = -1;
    zdarzenie->accept();
    if (zdarzenie->button() != Qt::LeftButton || wcisnieta < 0)
        return;
    if (PozycjaW(zdarzenie->position().toPoint()) == wcisnieta)
        emit KliknietoPozycje(wcisnieta);
}

void TListaPozycji::mouseMoveEvent(QMouseEvent* zdarzenie)
{
    UstawWskazana(PozycjaW(zdarzenie->position().toPoint()));
}

void TListaPozycji::leaveEvent(QEvent*)
{
    UstawWskazana(-1);
}

void TListaPozycji::UstawWskazana(int pozycja)
{
    if (pozycja == fWskazana)
        return;
    update(ProstokatPozycji(fWskazana));
    fWskazana = pozycja;
    update(ProstokatPozycji(fWskazana));
}
