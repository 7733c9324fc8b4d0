#include "host/ProgramGrosiwo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <exception>
#include <iostream>

#include "common/Platforma.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "host/DaneDemonstracyjne.h"
#include "host/IkonaGrosiwo.h"
#include "host/KomunikatyHosta.h"
#include "host/OknoGlowne.h"
#include "host/PlanerHosta.h"
#include "host/TekstyHosta.h"
#include "host/TlumaczenieQt.h"
#include "host/UslugiAplikacji.h"
#include "host/ZrzutOkna.h"

namespace {

const char* const BrakEkranu =
    "Brak ekranu: nie można otworzyć okna programu (zmienne DISPLAY i WAYLAND_DISPLAY nie są "
    "ustawione). Obraz okna bez ekranu zapisuje opcja --zrzut PLIK.png.";

// The platform plug-ins that draw where no user looks.
bool PlatformaBezEkranu(const QByteArray& platforma)
{
    const qsizetype dwukropek = platforma.indexOf(':');
    const QByteArray nazwa = dwukropek < 0 ? platforma : platforma.left(dwukropek);
    return nazwa == "offscreen" || nazwa == "minimal";
}

bool EkranDostepny()
{
    const QByteArray platforma = qgetenv("QT_QPA_PLATFORM");
    if (!platforma.isEmpty())
        return !PlatformaBezEkranu(platforma);
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The services installed for the lifetime of the application object, and taken back before
// it goes, so that no message box outlives it.
class TUslugiHosta {
public:
    explicit TUslugiHosta(bool zOknami)
    {
        TPlatforma::UstawAplikacje(std::make_shared<TUslugiAplikacji>());
        if (zOknami)
            TPlatforma::UstawKomunikaty(std::make_shared<TKomunikatyHosta>());
    }
    ~TUslugiHosta()
    {
        TPlatforma::UstawKomunikaty(nullptr);
        TPlatforma::UstawAplikacje(nullptr);
    }
    TUslugiHosta(const TUslugiHosta&) = delete;
    TUslugiHosta& operator=(const TUslugiHosta&) = delete;
};

}  // namespace

TProgramGrosiwo::TProgramGrosiwo(int argc, char** argv) : fArgc(argc), fArgv(argv)
{
    for (int i = 1; i < argc; ++i)
        fArgumenty.emplace_back(argv[i]);
}

TProgramGrosiwo::~TProgramGrosiwo() = default;

std::string TProgramGrosiwo::DomyslnyPlikDanych()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("Grosiwo/DataFile.dat")).toStdString();
}

int TProgramGrosiwo::Uruchom()
{
    std::string blad;
    const std::optional<TOpcjeProgramu> opcje = TOpcjeProgramu::Przetworz(fArgumenty, blad);
    if (opcje && opcje->Pomoc) {
        std::cout << TOpcjeProgramu::TekstPomocy(DomyslnyPlikDanych());
        return kwSukces;
    }
    if (opcje && !opcje->PlikZrzutu.empty()) {
        PrzygotujZrzut();
    } else {
        fZOknami = EkranDostepny();
        if (!fZOknami)
            return Zakoncz(opcje ? BrakEkranu : blad, opcje ? kwBrakEkranu : kwBledneOpcje);
    }

    QApplication aplikacja(fArgc, fArgv);
    QApplication::setApplicationName(QStringLiteral("Grosiwo"));
    QApplication::setDesktopFileName(QStringLiteral("grosiwo"));
    QApplication::setWindowIcon(IkonaGrosiwo());
    QTranslator tlumacz;
    UstawPolskiInterfejsQt(tlumacz);
    const TUslugiHosta uslugi(fZOknami);
    if (!opcje)
        return Zakoncz(blad, kwBledneOpcje);
    return UruchomAplikacje(*opcje);
}

void TProgramGrosiwo::PrzygotujZrzut()
{
    if (!PlatformaBezEkranu(qgetenv("QT_QPA_PLATFORM")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    fUstawieniaZrzutu = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/grosiwo-zrzut-XXXXXX"));
    if (fUstawieniaZrzutu->isValid())
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(fUstawieniaZrzutu->path()));
}

int TProgramGrosiwo::UruchomAplikacje(const TOpcjeProgramu& opcje)
{
    std::string sciezka = opcje.PlikDanych.empty() ? DomyslnyPlikDanych() : opcje.PlikDanych;
    std::unique_ptr<TProjektDB> projekt;
    try {
        if (opcje.Demo) {
            sciezka = TDaneDemonstracyjne::WybierzPlik(opcje.PlikDanych);
            std::cout << "Dane demonstracyjne: " << sciezka << std::endl;
        }
        projekt = std::make_unique<TProjektDB>(std::make_unique<TPlikiDB>(sciezka));
        if (opcje.Demo)
            TDaneDemonstracyjne::Wypelnij(*projekt);
    } catch (const std::exception& blad) {
        return Zakoncz(blad.what(), kwBladBazy);
    }

    TPlanerHosta planer(*projekt, QCoreApplication::applicationDirPath().toStdString(),
                        qEnvironmentVariable("GROSIWO_MODUL").toStdString());
    if (opcje.Planer && !planer.ZaladujModul())
        return Zakoncz(planer.BladModulu(), kwBladModulu);
    TOknoGlowne okno(*projekt, planer, opcje.Demo);

    if (!opcje.PlikZrzutu.empty()) {
        TZrzutOkna zrzut(QString::fromStdString(opcje.PlikZrzutu));
        if (opcje.Planer) {
            zrzut.ZapiszPierwszeOknoModalne();
            planer.Uruchom(&okno);
        } else {
            okno.show();
            QApplication::processEvents();
            zrzut.ZapiszOkno(okno);
        }
        if (!zrzut.Zapisano())
            return Zakoncz(zrzut.Blad().toStdString(), kwBladZrzutu);
        std::cout << "Zrzut okna zapisano w pliku: " << zrzut.Sciezka().toStdString() << std::endl;
        return kwSukces;
    }

    okno.show();
    QTimer::singleShot(0, &okno, [&okno, planerOdRazu = opcje.Planer] {
        okno.PokazPrzypomnienie();
        if (planerOdRazu)
            okno.OtworzPlaner();
    });
    return QApplication::exec();
}

int TProgramGrosiwo::Zakoncz(const std::string& tekst, TKodWyjscia kod) const
{
    // The installed boxes write errors to standard error themselves.
    if (fZOknami && QApplication::instance() != nullptr)
        PokazBlad(tekst);
    else
        std::cerr << "grosiwo: " << TekstDoKonsoli(tekst) << std::endl;
    return kod;
}
