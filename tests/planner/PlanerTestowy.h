#pragma once
// The planner window on a project database of its own, for the window's tests: a fixed clock
// (17 May 2013, 12:00), a message recorder, placement and help files in a temporary folder,
// and helpers that click the filter panels and press keys as the user would.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSettings>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "collections/KolekcjeDanych.h"
#include "common/DataCzas.h"
#include "database/PlikiDB.h"
#include "database/ProjektDB.h"
#include "planner/ListaPozycji.h"
#include "planner/PlanerOknoGlowne.h"
#include "planner/SiatkaDanych.h"
#include "records/KategoriaPrzychody.h"
#include "records/KategoriaWydatki.h"
#include "records/Plan.h"
#include "support/TestPlatforma.h"

class TPlanerTestowy : public testing::Test {
protected:
    TPlanerTestowy() : fZegar(KodujDateCzas(2013, 5, 17, 12, 0))
    {
        const QString folder = QString::fromStdString(fFolder.Sciezka().string());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
        qputenv("XDG_CACHE_HOME", QFile::encodeName(folder + QStringLiteral("/cache")));
        fDB = std::make_unique<TProjektDB>(std::make_unique<TPlikiDB>(fFolder.Plik("Dane.dat")));
        TKolekcjeDanych& k = Kolekcje();
        k.KategorieWydatki().push_back(
            std::make_unique<TKategoriaWydatki>(1, "Jedzenie", false, TTypModyfikacji::BezZmian, 1));
        k.KategorieWydatki().push_back(
            std::make_unique<TKategoriaWydatki>(2, "Rachunki", false, TTypModyfikacji::BezZmian, 2));
        k.KategoriePrzychody().push_back(
            std::make_unique<TKategoriaPrzychody>(1, "Pensja", false, TTypModyfikacji::BezZmian, 1));
    }

    ~TPlanerTestowy() override
    {
        if (fOkno) {
            fOkno->SetMyDB(nullptr);
            fOkno.reset();
        }
        fDB.reset();
        qunsetenv("XDG_CACHE_HOME");
    }

    TKolekcjeDanych& Kolekcje() { return fDB->Kolekcje(); }

    TPlan& Plan(int32_t id, const std::string& nazwa, TTypPlanu typ, TDateTime data, double kwota = 10,
                bool wykonany = false, TTypModyfikacji zmiany = TTypModyfikacji::BezZmian)
    {
        const int32_t kategoria = typ == TTypPlanu::Wydatek ? 2 : 1;
        auto plan = std::make_unique<TPlan>(id, nazwa, kategoria, kwota, data, "komentarz " + nazwa,
                                            zmiany, typ);
        plan->SetWykonany(wykonany);
        Kolekcje().Plany().push_back(std::move(plan));
        return *Kolekcje().Plany().back();
    }

    // Shows the window active, as a modal run does, with the grid holding the focus.
    TPlanerFormGlowny& Pokaz()
    {
        fOkno = std::make_unique<TPlanerFormGlowny>();
        fOkno->SetMyDB(fDB.get());
        fOkno->show();
        fOkno->activateWindow();
        Uspokoj();
        return *fOkno;
    }

    static void Uspokoj()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    TPlanerFormGlowny& Okno() { return *fOkno; }
    TSiatkaDanych& Siatka() { return fOkno->Siatka(); }

    template <typename T>
    T& Kontrolka(const char* nazwa)
    {
        T* kontrolka = fOkno->findChild<T*>(QString::fromLatin1(nazwa));
        if (kontrolka == nullptr)
            throw std::runtime_error(std::string("no control ") + nazwa);
        return *kontrolka;
    }

    TListaPozycji& Panel(const char* nazwa) { return Kontrolka<TListaPozycji>(nazwa); }
    TListaPozycji& PanelRodzaju() { return Panel("itemPanel_Zaplanowane"); }
    TListaPozycji& PanelStanu() { return Panel("itemPanel_StanRealizacji"); }
    TListaPozycji& PanelWszystkichMiesiecy() { return Panel("itemPanel_FiltrMiesiecy"); }
    TListaPozycji& PanelMiesiecy() { return Panel("itemsPanel_FiltrMiesiecy"); }

    static void Kliknij(TListaPozycji& panel, int pozycja)
    {
        const QPointF punkt = panel.ProstokatPozycji(pozycja).center();
        QMouseEvent wcisniecie(QEvent::MouseButtonPress, punkt, panel.mapToGlobal(punkt), Qt::LeftButton,
                               Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&panel, &wcisniecie);
        QMouseEvent zwolnienie(QEvent::MouseButtonRelease, punkt, panel.mapToGlobal(punkt), Qt::LeftButton,
                               Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&panel, &zwolnienie);
    }

    static void Nacisnij(QWidget& cel, int klawisz, Qt::KeyboardModifiers modyfikatory = Qt::NoModifier)
    {
        QKeyEvent wcisniety(QEvent::KeyPress, klawisz, modyfikatory);
        QApplication::sendEvent(&cel, &wcisniety);
        QKeyEvent zwolniony(QEvent::KeyRelease, klawisz, modyfikatory);
        QApplication::sendEvent(&cel, &zwolniony);
    }

    // The ids of the listed plans, top to bottom.
    QStringList Idy()
    {
        QStringList idy;
        for (int wiersz = 0; wiersz < Siatka().IloscWierszy(); ++wiersz)
            idy.append(Siatka().Komorka(0, wiersz));
        return idy;
    }

    // Runs akcja, which may open a modal dialog; ogladaj gets the dialog while it runs its loop,
    // and whatever it leaves open is then closed with the Cancel result. Returns the dialog's
    // class name, or an empty text when none opened. Never waits for a person.
    static QString ZModalnym(const std::function<void()>& akcja,
                             const std::function<void(QDialog&)>& ogladaj = {})
    {
        QString nazwa;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            nazwa = QString::fromLatin1(dialog->metaObject()->className());
            if (ogladaj)
                ogladaj(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        akcja();
        // The shot finds nothing when the action opened no dialog; let it run now.
        QApplication::processEvents();
        return nazwa;
    }

    TTymczasowyFolder fFolder;
    TUstawionyZegar fZegar;
    TUstawionyRejestrator fKomunikaty;
    std::unique_ptr<TProjektDB> fDB;
    std::unique_ptr<TPlanerFormGlowny> fOkno;
};
