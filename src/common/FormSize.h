#pragma once
// Window placement persistence: a non-visual component owned by a window that remembers the
// window's position, size and maximised state between runs, in the user's native settings
// store (plRegistry: the registry on Windows) or in an INI file. It restores them when the
// window is first shown and on request, saves them when the window is destroyed, and can snap
// the window to the screen edges and let the user drag it by any free point of its surface.
// Compiled into the Qt part of the build: the one Qt file among the common services.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <stdexcept>

class QSettings;

enum TPersistLocation : int { plIniFile = 0, plRegistry = 1 };

// Misuse of TFormSize; the message is one of the component's two fixed texts.
class EFormSizeError : public std::runtime_error {
public:
    explicit EFormSizeError(const std::string& komunikat) : std::runtime_error(komunikat) {}
};

class TFormSize : public QObject {
    Q_OBJECT

public:
    // Throws EFormSizeError when owner is not a window or already holds a TFormSize.
    explicit TFormSize(QWidget* owner);
    // Saves the placement (when SavePosition) and unhooks the window.
    ~TFormSize() override;
    TFormSize(const TFormSize&) = delete;
    TFormSize& operator=(const TFormSize&) = delete;

    TPersistLocation Location() const { return FLocation; }
    void SetLocation(TPersistLocation v) { FLocation = v; }
    // A registry key path under the current user ("Software\Organisation\Application\...")
    // for plRegistry, an INI file name for plIniFile.
    const QString& SaveName() const { return FSaveName; }
    void SetSaveName(const QString& v) { FSaveName = v; }
    const QString& SaveKey() const { return FSaveKey; }
    void SetSaveKey(const QString& v) { FSaveKey = v; }
    bool SavePosition() const { return FSavePosition; }
    void SetSavePosition(bool v) { FSavePosition = v; }
    bool SaveSize() const { return FSaveSize; }
    void SetSaveSize(bool v) { FSaveSize = v; }
    bool SaveUser() const { return FSaveUser; }
    void SetSaveUser(bool v) { FSaveUser = v; }
    bool SaveMachine() const { return FSaveMachine; }
    void SetSaveMachine(bool v) { FSaveMachine = v; }
    bool Magnet() const { return FMagnet; }
    void SetMagnet(bool v) { FMagnet = v; }
    int MagnetDistance() const { return FMagnetDistance; }
    void SetMagnetDistance(int v) { FMagnetDistance = v; }
    bool DragAlways() const { return FDragAlways; }
    void SetDragAlways(bool v) { FDragAlways = v; }
    QString Version() const { return QStringLiteral("1.3.1.1"); }
    // The version is fixed; writing it changes nothing.
    void SetVersion(const QString&) {}

    // Restore and save position and size whatever SavePosition and SaveSize say.
    void LoadFormSettings();
    void SaveFormSettings();

    // SaveKey, then "-" and the user name (SaveUser), then "-" and the computer name
    // (SaveMachine).
    QString Sekcja() const;

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    struct TMagazyn;
    // The open store with its group set to the section; none when SaveName or SaveKey is empty.
    std::unique_ptr<TMagazyn> OtworzMagazyn() const;
    void Przywroc();
    void Zapisz();
    void PrzyciagnijDoKrawedzi();
    bool ObsluzPrzeciaganie(QEvent* zdarzenie);

    QPointer<QWidget> FOwner;
    TPersistLocation FLocation = plIniFile;
    QString FSaveName = QStringLiteral(".\\FORM.INI");
    QString FSaveKey;
    bool FSavePosition = true;
    bool FSaveSize = true;
    bool FSaveUser = false;
    bool FSaveMachine = false;
    bool FMagnet = false;
    int FMagnetDistance = 32;
    bool FDragAlways = false;

    bool fPrzywroconoPrzyPokazaniu = false;
    bool fPrzyciaganie = false;
    // Where the window was last seen. Qt reports a move again when the window is shown or
    // its native window settles; only a real change of place is a move for the magnet, so a
    // restored place (restored with the magnet off) stays as it was.
    QPoint fOstatniaPozycja;
    std::optional<QPoint> fChwyt;  // manual dragging: cursor offset from the window's corner
};
