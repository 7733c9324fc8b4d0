#pragma once
// The host's small main window: the data file, a summary of the data, and the actions the
// planner and the backup copy of the database.
#include <QMainWindow>

class QFormLayout;
class QPushButton;
class TPlanerHosta;
class TProjektDB;

class TOknoGlowne : public QMainWindow {
public:
    TOknoGlowne(TProjektDB& projekt, TPlanerHosta& planer, bool daneDemonstracyjne);

    // Reads the summary anew from the statistics.
    void OdswiezPodsumowanie();
    // The reminder box, when some plan is overdue or due this month.
    void PokazPrzypomnienie();
    // One run of the planner; false when the module could not be loaded (already shown).
    bool OtworzPlaner();
    // Asks for a folder (the data file's own by default) and shows the copy's outcome.
    void UtworzKopieBazy();

private:
    TProjektDB& fProjekt;
    TPlanerHosta& fPlaner;
    QFormLayout* fPodsumowanie = nullptr;
    QPushButton* btn_Planer = nullptr;
    QPushButton* btn_Kopia = nullptr;
    QPushButton* btn_Zakoncz = nullptr;
};
