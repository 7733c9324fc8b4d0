#include "planner/PomocPlanera.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

// The resource lives in a static library: its registration is linked only when referenced.
static void ZarejestrujZasobyPlanera()
{
    static const bool Zarejestrowane = [] {
        Q_INIT_RESOURCE(planer);
        return true;
    }();
    (void)Zarejestrowane;
}

namespace {

const QString ZasobStrony = QStringLiteral(":/grosiwo/planer/pomoc/planer.html");

}  // namespace

QString PlikStronyPomocy()
{
    ZarejestrujZasobyPlanera();
    QFile zasob(ZasobStrony);
    if (!zasob.open(QIODevice::ReadOnly))
        return {};
    const QByteArray tresc = zasob.readAll();

    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    folder += QStringLiteral("/grosiwo/pomoc");
    if (!QDir().mkpath(folder))
        return {};
    const QString sciezka = folder + QStringLiteral("/planer.html");

    QFile istniejacy(sciezka);
    if (istniejacy.open(QIODevice::ReadOnly) && istniejacy.readAll() == tresc)
        return sciezka;
    istniejacy.close();
    // Written whole or not at all: a browser never sees half a page.
    QSaveFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly) || plik.write(tresc) != tresc.size() || !plik.commit())
        return {};
    return sciezka;
}

void OtworzStronePomocy()
{
    const QString plik = PlikStronyPomocy();
    if (!plik.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(plik));
}
