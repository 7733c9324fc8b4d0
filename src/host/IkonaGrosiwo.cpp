#include "host/IkonaGrosiwo.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap Obraz(int bok)
{
    QPixmap obraz(bok, bok);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on the 64-unit grid of the SVG.
    p.scale(bok / 64.0, bok / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0x7d, 0x32));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(QColor(0xf9, 0xc7, 0x4f));
    p.setPen(QPen(QColor(0xb8, 0x86, 0x0b), 3));
    p.drawEllipse(QPointF(32, 32), 21, 21);
    QFont czcionka;
    czcionka.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    czcionka.setPixelSize(28);
    czcionka.setBold(true);
    QPainterPath litera;
    litera.addText(0, 0, czcionka, QStringLiteral("G"));
    const QRectF ramka = litera.boundingRect();
    p.translate(32 - ramka.center().x(), 32 - ramka.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6d, 0x4c, 0x08));
    p.drawPath(litera);
    return obraz;
}

}  // namespace

QIcon IkonaGrosiwo()
{
    QIcon ikona;
    for (int bok : {16, 32, 48, 64, 128})
        ikona.addPixmap(Obraz(bok));
    return ikona;
}
