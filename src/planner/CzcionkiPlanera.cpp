#include "planner/CzcionkiPlanera.h"

#include <QFontDatabase>

namespace {

const QStringList& RodzinyTahoma()
{
    static const QStringList Rodziny{QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                                     QStringLiteral("DejaVu Sans")};
    return Rodziny;
}

const QStringList& RodzinyCalibri()
{
    static const QStringList Rodziny{QStringLiteral("Calibri"), QStringLiteral("Carlito"),
                                     QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return Rodziny;
}

const QStringList& RodzinyCourierNew()
{
    static const QStringList Rodziny{QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                                     QStringLiteral("DejaVu Sans Mono")};
    return Rodziny;
}

QFont Czcionka(const QStringList& rodziny, bool pogrubiona)
{
    QFont czcionka(ZainstalowanaRodzina(rodziny));
    czcionka.setBold(pogrubiona);
    czcionka.setStyleHint(QFont::SansSerif);
    return czcionka;
}

}  // namespace

QString ZainstalowanaRodzina(const QStringList& rodziny)
{
    const QStringList zainstalowane = QFontDatabase::families();
    for (const QString& rodzina : rodziny)
        if (zainstalowane.contains(rodzina, Qt::CaseInsensitive))
            return rodzina;
    return rodziny.isEmpty() ? QString() : rodziny.back();
}

QFont CzcionkaTahoma(int punkty, bool pogrubiona)
{
    QFont czcionka = Czcionka(RodzinyTahoma(), pogrubiona);
    czcionka.setPointSize(punkty);
    return czcionka;
}

QFont CzcionkaTahomaPx(int piksele, bool pogrubiona)
{
    QFont czcionka = Czcionka(RodzinyTahoma(), pogrubiona);
    czcionka.setPixelSize(piksele);
    return czcionka;
}

QFont CzcionkaCalibriPx(int piksele, bool pogrubiona)
{
    QFont czcionka = Czcionka(RodzinyCalibri(), pogrubiona);
    czcionka.setPixelSize(piksele);
    return czcionka;
}

QFont CzcionkaCourierNew(int punkty)
{
    QFont czcionka(ZainstalowanaRodzina(RodzinyCourierNew()));
    czcionka.setStyleHint(QFont::Monospace);
    czcionka.setFixedPitch(true);
    czcionka.setPointSize(punkty);
    return czcionka;
}
