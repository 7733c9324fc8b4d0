#pragma once
// The demo data file: where it goes, and what fills it (the default categories, the test
// persons, the test transactions and the demo plans). A file that already exists is never
// chosen, so no data is ever overwritten.
#include <string>

class TProjektDB;

class TDaneDemonstracyjne {
public:
    // wskazany when given and not existing yet; otherwise DataFile.dat in a new folder under
    // the temporary folder. Raises EGrosiwoException when that folder cannot be made.
    static std::string WybierzPlik(const std::string& wskazany);
    // Fills a database without data; one that holds data is left as it is (false).
    // Raises EGrosiwoException when a batch fails.
    static bool Wypelnij(TProjektDB& projekt);
};
