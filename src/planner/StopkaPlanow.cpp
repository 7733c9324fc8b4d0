#include "planner/StopkaPlanow.h"

#include <algorithm>

#include "common/FormatyTekstowe.h"

QString TekstIlosciPlanow(int ilosc)
{
    return QStringLiteral("Ilość: %1").arg(ilosc);
}

QString TekstSumPlanow(double wydatki, double przychody)
{
    // Lengths in characters, not in UTF-8 bytes: the currency symbol "zł" is two characters.
    QString tekstWydatkow = QString::fromStdString(KwotaNaTekstWaluty(wydatki));
    QString tekstPrzychodow = QString::fromStdString(KwotaNaTekstWaluty(przychody));
    const qsizetype dlugosc = std::max(tekstWydatkow.size(), tekstPrzychodow.size());
    tekstWydatkow = tekstWydatkow.rightJustified(dlugosc, QLatin1Char(' '));
    tekstPrzychodow = tekstPrzychodow.rightJustified(dlugosc, QLatin1Char(' '));
    return QStringLiteral("Wydatki:   %1;Przychody: %2").arg(tekstWydatkow, tekstPrzychodow);
}
