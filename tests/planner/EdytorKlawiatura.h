#pragma once
// Keyboard and modal-dialog helpers of the editor tests: keys sent as the window system would
// send them, and a modal dialog answered from a timer so that exec() never waits for a person.
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

// One key press and release; text is what the key types ("" for keys that type nothing).
inline void Nacisnij(QWidget* cel, int klawisz, const QString& tekst = {},
                     Qt::KeyboardModifiers modyfikatory = Qt::NoModifier)
{
    QKeyEvent wcisniety(QEvent::KeyPress, klawisz, modyfikatory, tekst);
    QApplication::sendEvent(cel, &wcisniety);
    QKeyEvent zwolniony(QEvent::KeyRelease, klawisz, modyfikatory, tekst);
    QApplication::sendEvent(cel, &zwolniony);
}

inline int KodKlawisza(QChar znak)
{
    if (znak >= u'0' && znak <= u'9')
        return Qt::Key_0 + (znak.unicode() - u'0');
    if (znak >= u'a' && znak <= u'z')
        return Qt::Key_A + (znak.unicode() - u'a');
    if (znak >= u'A' && znak <= u'Z')
        return Qt::Key_A + (znak.unicode() - u'A');
    switch (znak.unicode()) {
    case u' ': return Qt::Key_Space;
    case u',': return Qt::Key_Comma;
    case u'.': return Qt::Key_Period;
    case u';': return Qt::Key_Semicolon;
    case u':': return Qt::Key_Colon;
    case u'\'': return Qt::Key_Apostrophe;
    case u'"': return Qt::Key_QuoteDbl;
    case u'-': return Qt::Key_Minus;
    case u'|': return Qt::Key_Bar;
    case u'\b': return Qt::Key_Backspace;
    default: return Qt::Key_unknown;
    }
}

// Types the text character by character ("\b" is backspace). A surrogate pair goes as one key.
inline void Wpisz(QWidget* cel, const QString& tekst)
{
    for (int i = 0; i < tekst.size(); ++i) {
        QString znak = tekst.mid(i, 1);
        if (tekst[i].isHighSurrogate() && i + 1 < tekst.size())
            znak = tekst.mid(i++, 2);
        Nacisnij(cel, KodKlawisza(znak.front()), znak);
    }
}

// Runs przeplyw, which is expected to open a modal dialog of type T; akcje get the dialog
// once it runs its loop. Whatever akcje leave open is closed with the Cancel result, and a
// watchdog closes any modal widget still open after a few seconds, so that nothing hangs.
// Returns whether a dialog of type T was met.
template <typename T>
bool ZDialogiem(const std::function<void(T&)>& akcje, const std::function<void()>& przeplyw)
{
    bool spotkany = false;
    QTimer::singleShot(0, [&] {
        auto* const dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        spotkany = true;
        akcje(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    QTimer straznik;
    straznik.setSingleShot(true);
    QObject::connect(&straznik, &QTimer::timeout, [] {
        if (auto* const dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "modal dialog left open";
            dialog->reject();
        }
    });
    straznik.start(5000);
    przeplyw();
    // The first shot finds nothing when the flow opened no dialog; let it run now.
    QApplication::processEvents();
    return spotkany;
}
