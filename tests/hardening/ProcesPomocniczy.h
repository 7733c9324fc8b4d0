#pragma once
// A helper program run as a separate process, talked to through its standard input and
// output line by line. Every wait has a limit, and a process still running when the object
// goes is killed, so no scenario can hang the test run.
#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

class TProcesPomocniczy {
public:
    // argumenty[0] is the program's path; srodowisko adds "NAME=value" entries to this
    // process's environment. The child's standard error goes to this process's one, or,
    // with bledyNaWyjscie, into the output read here.
    explicit TProcesPomocniczy(const std::vector<std::string>& argumenty,
                               const std::vector<std::string>& srodowisko = {}, bool bledyNaWyjscie = false);
    ~TProcesPomocniczy();
    TProcesPomocniczy(const TProcesPomocniczy&) = delete;
    TProcesPomocniczy& operator=(const TProcesPomocniczy&) = delete;

    // The next line of its output, or nothing when the output ended or the time ran out.
    std::optional<std::string> CzytajLinie(std::chrono::milliseconds limit);
    // Reads lines until one equals the given one; false when it never came.
    bool CzekajNaLinie(const std::string& linia, std::chrono::milliseconds limit);
    void PiszLinie(const std::string& linia);

    struct TZakonczenie {
        bool Zakonczony = false;  // false: killed here after the time ran out
        bool Sygnal = false;      // ended by a signal, whose number is Kod
        int Kod = 0;
    };
    // Reads the rest of the output, then waits for the end.
    TZakonczenie Czekaj(std::chrono::milliseconds limit);

    // The "key=value" lines read so far; a key reported again keeps its last value.
    const std::map<std::string, std::string>& Zgloszenia() const { return fZgloszenia; }
    // Every value of the key, in order.
    std::vector<std::string> Wszystkie(const std::string& klucz) const;
    const std::string& Wyjscie() const { return fWyjscie; }

private:
    void Zapamietaj(const std::string& linia);

    pid_t fPid = -1;
    int fWejscie = -1;
    int fWyjscieFd = -1;
    std::string fBufor;
    std::string fWyjscie;
    std::map<std::string, std::string> fZgloszenia;
    std::vector<std::pair<std::string, std::string>> fWszystkie;
};

// The value reported under the key with its escapes undone ("\\r" is a carriage return).
std::string BezUcieczek(const std::string& wartosc);
