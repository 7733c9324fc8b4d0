#pragma once
// The public face of the planner module libGW.Planer.so: the two C functions a host resolves
// with dlsym after loading the module at run time. This is the only header of the module a
// host includes; it needs neither Qt nor the planner's code.
//
// Both sides are built from the same code base and share one data library
// (libgrosiwodata.so): the TProjektDB the host hands over is the host's own object, and the
// platform services the host installs through TPlatforma (message boxes, clock, application
// title) are the ones the module uses. A host installs its message boxes before the first run.
//
// All calls are made on the host's user-interface thread, with the host's QApplication alive.
#include <string_view>

class TProjektDB;

#define GROSIWO_EKSPORT_MODULU __attribute__((visibility("default")))

extern "C" {

// Stores the two arguments for the next ShowFormGW and checks nothing.
// oknoHosta: the host's top-level window, a QWidget*, passed as an opaque pointer so that
// the entry point stays a plain C function; it owns every window and box of the planner, so
// they stay in front of it and it is disabled while they are open. It may be nullptr (no
// owner) and is kept until the next call.
// projektDB: the host's open project database, not owned; may be nullptr. Its plans list
// must hold the plans to show: the module loads nothing itself.
GROSIWO_EKSPORT_MODULU void SetApplicationVariables(void* oknoHosta, TProjektDB* projektDB);

// Runs the planner modally and returns when it is closed. Plans saved with
// "&Zapisz i zamknij" are written to the database; when that save fails, the window opens
// again with the unsaved plans. Afterwards the plans list is empty, its changed flag is
// cleared and the database is forgotten: call SetApplicationVariables before every run.
// Without a database the error box is shown and nothing else happens. No exception leaves
// the function: errors are shown in the "BŁĄD !!!" box.
GROSIWO_EKSPORT_MODULU void ShowFormGW();

}

using TSetApplicationVariables = void (*)(void* oknoHosta, TProjektDB* projektDB);
using TShowFormGW = void (*)();

inline constexpr std::string_view NazwaPlikuModuluPlanera = "libGW.Planer.so";
inline constexpr const char* SymbolSetApplicationVariables = "SetApplicationVariables";
inline constexpr const char* SymbolShowFormGW = "ShowFormGW";
