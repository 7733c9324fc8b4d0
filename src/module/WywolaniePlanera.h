#pragma once
// One run of the planner on the host's project database: the common formats, the planner
// window owned by the host's window and shown modally, the save of the plans after
// "&Zapisz i zamknij", and the emptied plans list at the end.
class QWidget;
class TProjektDB;

class TWywolaniePlanera {
public:
    // oknoHosta may be nullptr; neither argument is owned.
    TWywolaniePlanera(QWidget* oknoHosta, TProjektDB& projektDB);

    // Returns once the plans are saved or the user gave up the changes; a save that did not
    // commit opens the window again with the unsaved plans. The plans list is then empty and
    // its changed flag cleared. An error other than from the save leaves the plans as they
    // are and reaches the caller.
    void Uruchom();

private:
    // True when the batch was committed; otherwise the user has been told and the plans kept.
    bool ZapiszPlany();

    QWidget* const fOknoHosta;
    TProjektDB& fProjektDB;
};
