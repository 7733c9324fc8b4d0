#include "ProcesPomocniczy.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace {

using TZegar = std::chrono::steady_clock;

int PozostaleMs(TZegar::time_point koniec)
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(koniec - TZegar::now()).count();
    return ms < 0 ? 0 : static_cast<int>(ms);
}

std::vector<char*> Wskazniki(std::vector<std::string>& teksty)
{
    std::vector<char*> wynik;
    for (std::string& t : teksty)
        wynik.push_back(t.data());
    wynik.push_back(nullptr);
    return wynik;
}

}  // namespace

TProcesPomocniczy::TProcesPomocniczy(const std::vector<std::string>& argumenty,
                                     const std::vector<std::string>& srodowisko, bool bledyNaWyjscie)
{
    // Everything the child needs is built before the fork: after it only exec may follow.
    std::vector<std::string> arg = argumenty;
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    env.insert(env.end(), srodowisko.begin(), srodowisko.end());
    std::vector<char*> argv = Wskazniki(arg);
    std::vector<char*> envp = Wskazniki(env);

    int wejscie[2];
    int wyjscie[2];
    if (pipe2(wejscie, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    if (pipe2(wyjscie, O_CLOEXEC) != 0) {
        close(wejscie[0]);
        close(wejscie[1]);
        throw std::runtime_error("pipe failed");
    }
    fPid = fork();
    if (fPid == 0) {
        dup2(wejscie[0], STDIN_FILENO);
        dup2(wyjscie[1], STDOUT_FILENO);
        if (bledyNaWyjscie)
            dup2(wyjscie[1], STDERR_FILENO);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(wejscie[0]);
    close(wyjscie[1]);
    fWejscie = wejscie[1];
    fWyjscieFd = wyjscie[0];
    if (fPid < 0) {
        close(fWejscie);
        close(fWyjscieFd);
        throw std::runtime_error("fork failed");
    }
}

TProcesPomocniczy::~TProcesPomocniczy()
{
    if (fWejscie >= 0)
        close(fWejscie);
    if (fWyjscieFd >= 0)
        close(fWyjscieFd);
    if (fPid > 0) {
        int stan = 0;
        if (waitpid(fPid, &stan, WNOHANG) == 0) {
            kill(fPid, SIGKILL);
            waitpid(fPid, &stan, 0);
        }
    }
}

std::optional<std::string> TProcesPomocniczy::CzytajLinie(std::chrono::milliseconds limit)
{
    const auto koniec = TZegar::now() + limit;
    for (;;) {
        const size_t nowaLinia = fBufor.find('\n');
        if (nowaLinia != std::string::npos) {
            std::string linia = fBufor.substr(0, nowaLinia);
            fBufor.erase(0, nowaLinia + 1);
            Zapamietaj(linia);
            return linia;
        }
        if (fWyjscieFd < 0)
            return std::nullopt;
        pollfd p{fWyjscieFd, POLLIN, 0};
        const int gotowe = poll(&p, 1, PozostaleMs(koniec));
        if (gotowe < 0 && errno == EINTR)
            continue;
        if (gotowe <= 0)
            return std::nullopt;
        char bufor[4096];
        const ssize_t ile = read(fWyjscieFd, bufor, sizeof bufor);
        if (ile <= 0) {
            close(fWyjscieFd);
            fWyjscieFd = -1;
            // A last line without its line feed still counts.
            if (!fBufor.empty()) {
                std::string linia = std::move(fBufor);
                fBufor.clear();
                Zapamietaj(linia);
                return linia;
            }
            return std::nullopt;
        }
        fBufor.append(bufor, static_cast<size_t>(ile));
    }
}

bool TProcesPomocniczy::CzekajNaLinie(const std::string& linia, std::chrono::milliseconds limit)
{
    const auto koniec = TZegar::now() + limit;
    while (const auto przeczytana = CzytajLinie(std::chrono::milliseconds(PozostaleMs(koniec))))
        if (*przeczytana == linia)
            return true;
    return false;
}

void TProcesPomocniczy::PiszLinie(const std::string& linia)
{
    const std::string dane = linia + "\n";
    size_t zapisano = 0;
    while (fWejscie >= 0 && zapisano < dane.size()) {
        const ssize_t ile = write(fWejscie, dane.data() + zapisano, dane.size() - zapisano);
        if (ile <= 0)
            break;
        zapisano += static_cast<size_t>(ile);
    }
}

TProcesPomocniczy::TZakonczenie TProcesPomocniczy::Czekaj(std::chrono::milliseconds limit)
{
    const auto koniec = TZegar::now() + limit;
    if (fWejscie >= 0) {
        close(fWejscie);
        fWejscie = -1;
    }
    while (CzytajLinie(std::chrono::milliseconds(PozostaleMs(koniec)))) {
    }
    TZakonczenie wynik;
    int stan = 0;
    for (;;) {
        const pid_t p = waitpid(fPid, &stan, WNOHANG);
        if (p == fPid)
            break;
        if (PozostaleMs(koniec) == 0) {
            kill(fPid, SIGKILL);
            waitpid(fPid, &stan, 0);
            fPid = -1;
            return wynik;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    fPid = -1;
    wynik.Zakonczony = true;
    wynik.Sygnal = WIFSIGNALED(stan);
    wynik.Kod = wynik.Sygnal ? WTERMSIG(stan) : WEXITSTATUS(stan);
    return wynik;
}

std::vector<std::string> TProcesPomocniczy::Wszystkie(const std::string& klucz) const
{
    std::vector<std::string> wynik;
    for (const auto& [k, w] : fWszystkie)
        if (k == klucz)
            wynik.push_back(w);
    return wynik;
}

void TProcesPomocniczy::Zapamietaj(const std::string& linia)
{
    fWyjscie += linia + "\n";
    const size_t rowna = linia.find('=');
    if (rowna == std::string::npos)
        return;
    std::string klucz = linia.substr(0, rowna);
    std::string wartosc = BezUcieczek(linia.substr(rowna + 1));
    fZgloszenia[klucz] = wartosc;
    fWszystkie.emplace_back(std::move(klucz), std::move(wartosc));
}

std::string BezUcieczek(const std::string& wartosc)
{
    std::string wynik;
    for (size_t i = 0; i < wartosc.size(); ++i) {
        if (wartosc[i] == '\\' && i + 1 < wartosc.size()) {
            const char nastepny = wartosc[++i];
            wynik += nastepny == 'r' ? '\r' : nastepny == 'n' ? '\n' : nastepny;
        } else {
            wynik += wartosc[i];
        }
    }
    return wynik;
}
