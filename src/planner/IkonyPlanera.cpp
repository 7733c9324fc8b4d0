#include "planner/IkonyPlanera.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

// Every picture is drawn on a 32 by 32 grid and scaled to its size.
constexpr qreal Siatka = 32.0;

using TRysunek = std::function<void(QPainter&)>;

const QColor Zielony(46, 160, 67);
const QColor Czerwony(214, 64, 52);
const QColor Niebieski(38, 110, 190);
const QColor Bursztyn(230, 150, 30);
const QColor Grafit(64, 62, 55);

QPixmap Narysuj(const QSize& rozmiar, const TRysunek& rysunek)
{
    QPixmap obraz(rozmiar);
    obraz.fill(Qt::transparent);
    QPainter plotno(&obraz);
    plotno.setRenderHint(QPainter::Antialiasing);
    plotno.scale(rozmiar.width() / Siatka, rozmiar.height() / Siatka);
    rysunek(plotno);
    return obraz;
}

QIcon Ikona(const TRysunek& rysunek)
{
    QIcon ikona;
    for (int rozmiar : {16, 20, 24, 32, 48})
        ikona.addPixmap(Narysuj(QSize(rozmiar, rozmiar), rysunek));
    return ikona;
}

// A calendar page: a white sheet with a coloured band of binding rings and a grid of days.
void Kartka(QPainter& p, const QColor& pasek)
{
    p.setPen(QPen(QColor(120, 120, 120), 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3, 5, 22, 22), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(pasek);
    QPainterPath gora;
    gora.addRoundedRect(QRectF(3, 5, 22, 7), 2.5, 2.5);
    gora.addRect(QRectF(3, 9, 22, 3));
    p.drawPath(gora.simplified());
    p.setBrush(QColor(90, 90, 90));
    p.drawRoundedRect(QRectF(8, 3, 2.4, 5), 1.2, 1.2);
    p.drawRoundedRect(QRectF(17.6, 3, 2.4, 5), 1.2, 1.2);
    p.setBrush(QColor(200, 200, 200));
    for (int wiersz = 0; wiersz < 3; ++wiersz)
        for (int kolumna = 0; kolumna < 4; ++kolumna)
            p.drawRect(QRectF(6 + kolumna * 4.4, 14.5 + wiersz * 3.8, 2.8, 2.4));
}

// A round badge with a plus, at the lower right.
void ZnakDodania(QPainter& p, const QColor& kolor)
{
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(kolor);
    p.drawEllipse(QPointF(23.5, 23.5), 7.5, 7.5);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23.5, 19.5), QPointF(23.5, 27.5));
    p.drawLine(QPointF(19.5, 23.5), QPointF(27.5, 23.5));
}

void Ptaszek(QPainter& p, const QPointF& srodek, qreal skala, const QColor& kolor, qreal grubosc)
{
    p.setPen(QPen(kolor, grubosc, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath sciezka;
    sciezka.moveTo(srodek + QPointF(-5.5, 0.5) * skala);
    sciezka.lineTo(srodek + QPointF(-1.5, 4.5) * skala);
    sciezka.lineTo(srodek + QPointF(6, -4) * skala);
    p.drawPath(sciezka);
}

void RysujDodajWydatek(QPainter& p)
{
    Kartka(p, Czerwony);
    ZnakDodania(p, Czerwony.darker(115));
}

void RysujDodajPrzychod(QPainter& p)
{
    Kartka(p, Zielony);
    ZnakDodania(p, Zielony.darker(115));
}

void RysujEdytuj(QPainter& p)
{
    p.setPen(QPen(QColor(120, 120, 120), 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4, 3, 19, 25), 2, 2);
    p.setPen(QPen(QColor(190, 190, 190), 1.6));
    for (int linia = 0; linia < 4; ++linia)
        p.drawLine(QPointF(8, 9 + linia * 4.5), QPointF(19, 9 + linia * 4.5));
    // The pencil, lying across the page.
    p.save();
    p.translate(20, 17);
    p.rotate(45);
    p.setPen(QPen(QColor(70, 60, 30), 1));
    p.setBrush(QColor(250, 200, 60));
    p.drawRect(QRectF(-2.8, -11, 5.6, 15));
    p.setBrush(QColor(240, 130, 140));
    p.drawRect(QRectF(-2.8, -14, 5.6, 3));
    p.setBrush(QColor(240, 215, 170));
    QPolygonF grot;
    grot << QPointF(-2.8, 4) << QPointF(2.8, 4) << QPointF(0, 10);
    p.drawPolygon(grot);
    p.setBrush(QColor(60, 60, 60));
    QPolygonF rysik;
    rysik << QPointF(-1, 7.5) << QPointF(1, 7.5) << QPointF(0, 10);
    p.drawPolygon(rysik);
    p.restore();
}

void RysujWykonaj(QPainter& p)
{
    p.setPen(QPen(Zielony.darker(130), 1.2));
    p.setBrush(Zielony);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    Ptaszek(p, QPointF(16, 16), 1.35, Qt::white, 3.4);
}

void RysujUsun(QPainter& p)
{
    // A waste bin with a lid.
    p.setPen(QPen(Czerwony.darker(140), 1.2));
    p.setBrush(Czerwony);
    p.drawRoundedRect(QRectF(5, 6, 22, 4), 1.5, 1.5);
    p.drawRoundedRect(QRectF(12, 3, 8, 3.5), 1.2, 1.2);
    QPainterPath kosz;
    kosz.moveTo(7, 11);
    kosz.lineTo(25, 11);
    kosz.lineTo(23.2, 29);
    kosz.lineTo(8.8, 29);
    kosz.closeSubpath();
    p.drawPath(kosz);
    p.setPen(QPen(QColor(255, 215, 210), 1.8, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {12.0, 16.0, 20.0})
        p.drawLine(QPointF(x, 14.5), QPointF(x, 25.5));
}

void RysujPomoc(QPainter& p)
{
    p.setPen(QPen(Niebieski.darker(130), 1.2));
    p.setBrush(Niebieski);
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
    QFont czcionka(QStringLiteral("Liberation Sans"));
    czcionka.setStyleHint(QFont::SansSerif);
    czcionka.setBold(true);
    czcionka.setPixelSize(21);
    p.setFont(czcionka);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, QStringLiteral("?"));
}

void RysujZapisz(QPainter& p)
{
    // A diskette.
    p.setPen(QPen(Niebieski.darker(150), 1.2));
    p.setBrush(Niebieski);
    QPainterPath obudowa;
    obudowa.moveTo(4, 4);
    obudowa.lineTo(24, 4);
    obudowa.lineTo(28, 8);
    obudowa.lineTo(28, 28);
    obudowa.lineTo(4, 28);
    obudowa.closeSubpath();
    p.drawPath(obudowa);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 230, 238));
    p.drawRect(QRectF(9, 4.6, 13, 8));
    p.setBrush(Niebieski.darker(130));
    p.drawRect(QRectF(17.5, 5.8, 3, 5.6));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(7.5, 16, 17, 10.5), 1, 1);
    p.setPen(QPen(QColor(170, 180, 195), 1.2));
    p.drawLine(QPointF(10, 19.5), QPointF(22, 19.5));
    p.drawLine(QPointF(10, 23), QPointF(22, 23));
}

void RysujNaglowek(QPainter& p)
{
    // A calendar page with a coin in front of it, in the header band's light colours.
    Kartka(p, QColor(240, 180, 60));
    p.setPen(QPen(QColor(150, 105, 10), 1.2));
    p.setBrush(QColor(250, 205, 70));
    p.drawEllipse(QPointF(23, 23), 7.5, 7.5);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(23, 23), 5.3, 5.3);
    QFont czcionka(QStringLiteral("Liberation Sans"));
    czcionka.setStyleHint(QFont::SansSerif);
    czcionka.setBold(true);
    czcionka.setPixelSize(7);
    p.setFont(czcionka);
    p.setPen(QColor(130, 90, 5));
    p.drawText(QRectF(15.5, 15.5, 15, 15), Qt::AlignCenter, QStringLiteral("zł"));
}

void RysujWykonany(QPainter& p)
{
    p.setPen(QPen(Zielony.darker(135), 1.4));
    p.setBrush(Zielony);
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
    Ptaszek(p, QPointF(16, 16), 1.3, Qt::white, 4);
}

void RysujNiewykonany(QPainter& p)
{
    // A clock: still waiting.
    p.setPen(QPen(Bursztyn.darker(135), 2.2));
    p.setBrush(QColor(255, 245, 222));
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(QPen(Grafit, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 16), QPointF(16, 8));
    p.drawLine(QPointF(16, 16), QPointF(21.5, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(Grafit);
    p.drawEllipse(QPointF(16, 16), 2, 2);
}

}  // namespace

QIcon IkonaPlanera(TIkonaPlanera ikona)
{
    switch (ikona) {
    case TIkonaPlanera::DodajWydatek:
        return Ikona(RysujDodajWydatek);
    case TIkonaPlanera::DodajPrzychod:
        return Ikona(RysujDodajPrzychod);
    case TIkonaPlanera::Edytuj:
        return Ikona(RysujEdytuj);
    case TIkonaPlanera::Wykonaj:
        return Ikona(RysujWykonaj);
    case TIkonaPlanera::Usun:
        return Ikona(RysujUsun);
    case TIkonaPlanera::Pomoc:
        return Ikona(RysujPomoc);
    case TIkonaPlanera::Zapisz:
        return Ikona(RysujZapisz);
    }
    return {};
}

QPixmap ObrazekNaglowkaPlanera()
{
    // The 32-grid scaled to 40 px, centred in the 48 by 49 picture.
    QPixmap obraz(48, 49);
    obraz.fill(Qt::transparent);
    QPainter plotno(&obraz);
    plotno.drawPixmap(4, 4, Narysuj(QSize(40, 40), RysujNaglowek));
    return obraz;
}

QIcon IkonaOknaPlanera()
{
    return Ikona(RysujNaglowek);
}

QPixmap ObrazekWykonania(int numer)
{
    return Narysuj(QSize(RozmiarObrazkaWykonania, RozmiarObrazkaWykonania),
                   numer == 1 ? TRysunek(RysujWykonany) : TRysunek(RysujNiewykonany));
}
