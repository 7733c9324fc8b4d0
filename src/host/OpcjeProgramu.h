#pragma once
// The command line of the grosiwo program.
#include <optional>
#include <string>
#include <vector>

struct TOpcjeProgramu {
    // Empty: the data file in the user's data folder.
    std::string PlikDanych;
    bool Demo = false;
    bool Planer = false;
    // Empty: show the window to the user instead.
    std::string PlikZrzutu;
    bool Pomoc = false;

    // The options of argv[1..]; std::nullopt with the reason in blad when they are wrong.
    static std::optional<TOpcjeProgramu> Przetworz(const std::vector<std::string>& argumenty,
                                                   std::string& blad);
    // The --help text, Polish, ending with a line feed.
    static std::string TekstPomocy(const std::string& domyslnyPlikDanych);
};

// The program's exit codes.
enum TKodWyjscia : int {
    kwSukces = 0,
    kwBledneOpcje = 1,
    kwBrakEkranu = 2,
    kwBladBazy = 3,
    kwBladModulu = 4,
    kwBladZrzutu = 5,
};
