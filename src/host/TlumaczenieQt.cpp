#include "host/TlumaczenieQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool UstawPolskiInterfejsQt(QTranslator& tlumacz)
{
    const QLocale polski(QLocale::Polish, QLocale::Poland);
    QLocale::setDefault(polski);
    return tlumacz.load(polski, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
           QCoreApplication::installTranslator(&tlumacz);
}
