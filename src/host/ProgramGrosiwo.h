#pragma once
// The grosiwo program from the command line to the exit code: the display, the data file
// (or the demo one), the main window or the planner, the PNG of --zrzut. Errors end the
// program with a non-zero code; they go to standard error always and to a message box when
// a user can see one.
#include <memory>
#include <string>
#include <vector>

#include "host/OpcjeProgramu.h"

class QTemporaryDir;

class TProgramGrosiwo {
public:
    TProgramGrosiwo(int argc, char** argv);
    ~TProgramGrosiwo();
    TProgramGrosiwo(const TProgramGrosiwo&) = delete;
    TProgramGrosiwo& operator=(const TProgramGrosiwo&) = delete;

    int Uruchom();

    // The default data file: Grosiwo/DataFile.dat in the user's data folder.
    static std::string DomyslnyPlikDanych();

private:
    int UruchomAplikacje(const TOpcjeProgramu& opcje);
    // Writes the error, shows it when possible, and gives the code back.
    int Zakoncz(const std::string& tekst, TKodWyjscia kod) const;
    // The settings of a headless run go to a folder of their own, so that a window placed
    // on the virtual screen never moves the user's windows.
    void PrzygotujZrzut();

    int fArgc;
    char** fArgv;
    std::vector<std::string> fArgumenty;
    bool fZOknami = false;
    std::unique_ptr<QTemporaryDir> fUstawieniaZrzutu;
};
