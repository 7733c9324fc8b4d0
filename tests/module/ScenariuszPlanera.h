#pragma once
// A scripted user of the planner run by the module. The module's window is reached only as
// a user sees it: the modal window with its title, its buttons and the editor's labelled
// fields. Each action runs once, on the next planner window that opens (a window opened
// again after a failed save gets the next action). A watchdog closes any modal window still
// open after a while, so that no test ever waits for a person.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

inline const QString TytulPlanera = QStringLiteral("Zaplanuj wydatki i przychody");

inline QDialog* OtwarteOknoModalne(const QString& tytul)
{
    auto* const okno = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    return okno != nullptr && okno->isVisible() && okno->windowTitle() == tytul ? okno : nullptr;
}

inline QPushButton* PrzyciskOTekscie(QWidget& okno, const QString& tekst)
{
    for (QPushButton* const przycisk : okno.findChildren<QPushButton*>())
        if (przycisk->text() == tekst)
            return przycisk;
    return nullptr;
}

// The field a label names, as the user finds it (the label's buddy).
inline QLineEdit* PolePodpisane(QWidget& okno, const QString& podpis)
{
    for (QLabel* const etykieta : okno.findChildren<QLabel*>())
        if (etykieta->text() == podpis)
            return qobject_cast<QLineEdit*>(etykieta->buddy());
    return nullptr;
}

inline void Kliknij(QWidget& okno, const QString& tekst)
{
    QPushButton* const przycisk = PrzyciskOTekscie(okno, tekst);
    ASSERT_NE(przycisk, nullptr) << tekst.toStdString();
    przycisk->click();
}

class TScenariuszPlanera {
public:
    using TAkcja = std::function<void(QDialog&)>;

    explicit TScenariuszPlanera(std::vector<TAkcja> akcje) : fAkcje(akcje.begin(), akcje.end())
    {
        fZegar.setInterval(10);
        QObject::connect(&fZegar, &QTimer::timeout, [this] { Sprawdz(); });
        fZegar.start();
        fStraznik.setInterval(8000);
        QObject::connect(&fStraznik, &QTimer::timeout, [] {
            if (auto* const okno = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "modal window left open: " << okno->windowTitle().toStdString();
                okno->done(QDialog::Rejected);
            }
        });
        fStraznik.start();
    }
    TScenariuszPlanera(const TScenariuszPlanera&) = delete;
    TScenariuszPlanera& operator=(const TScenariuszPlanera&) = delete;

    int OtwarteOkna() const { return fOtwarte; }
    bool Wykonany() const { return fAkcje.empty(); }

private:
    void Sprawdz()
    {
        QDialog* const okno = OtwarteOknoModalne(TytulPlanera);
        if (okno == nullptr || okno == fOstatnie)
            return;
        fOstatnie = okno;
        ++fOtwarte;
        if (fAkcje.empty()) {
            ADD_FAILURE() << "planner window opened once more than scripted";
            okno->done(QDialog::Rejected);
            return;
        }
        const TAkcja akcja = std::move(fAkcje.front());
        fAkcje.pop_front();
        // The action may open nested dialogs; this timer keeps running in their loops and
        // ignores the window it already handled.
        akcja(*okno);
    }

    std::deque<TAkcja> fAkcje;
    QTimer fZegar;
    QTimer fStraznik;
    QPointer<QDialog> fOstatnie;
    int fOtwarte = 0;
};

// Runs wyzwalacz, which opens the modal dialog titled tytul; akcje get it once its loop runs.
// Returns whether the dialog was met.
inline bool ZDialogiem(const QString& tytul, const std::function<void(QDialog&)>& akcje,
                       const std::function<void()>& wyzwalacz)
{
    bool spotkany = false;
    QTimer::singleShot(0, [&] {
        QDialog* const dialog = OtwarteOknoModalne(tytul);
        if (dialog == nullptr)
            return;
        spotkany = true;
        akcje(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    wyzwalacz();
    QApplication::processEvents();
    return spotkany;
}
