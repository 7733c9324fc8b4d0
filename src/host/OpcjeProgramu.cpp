#include "host/OpcjeProgramu.h"

namespace {

// "--dane PLIK" or "--dane=PLIK"; false when the option is another one.
bool WartoscOpcji(const std::string& nazwa, const std::vector<std::string>& argumenty, size_t& i,
                  std::string& wartosc, std::string& blad)
{
    const std::string& argument = argumenty[i];
    if (argument.rfind(nazwa + "=", 0) == 0) {
        wartosc = argument.substr(nazwa.size() + 1);
    } else if (argument == nazwa) {
        if (i + 1 >= argumenty.size()) {
            blad = "Opcja " + nazwa + " wymaga podania nazwy pliku.";
            return true;
        }
        wartosc = argumenty[++i];
    } else {
        return false;
    }
    if (wartosc.empty())
        blad = "Opcja " + nazwa + " wymaga podania nazwy pliku.";
    return true;
}

}  // namespace

std::optional<TOpcjeProgramu> TOpcjeProgramu::Przetworz(const std::vector<std::string>& argumenty,
                                                        std::string& blad)
{
    TOpcjeProgramu opcje;
    blad.clear();
    for (size_t i = 0; i < argumenty.size() && blad.empty(); ++i) {
        const std::string& argument = argumenty[i];
        if (argument == "--help" || argument == "-h") {
            opcje.Pomoc = true;
        } else if (argument == "--demo") {
            opcje.Demo = true;
        } else if (argument == "--planer") {
            opcje.Planer = true;
        } else if (WartoscOpcji("--dane", argumenty, i, opcje.PlikDanych, blad) ||
                   WartoscOpcji("--zrzut", argumenty, i, opcje.PlikZrzutu, blad)) {
        } else {
            blad = "Nieznana opcja: \"" + argument + "\".";
        }
    }
    if (!blad.empty()) {
        blad += " Listę opcji wyświetla: grosiwo --help";
        return std::nullopt;
    }
    return opcje;
}

std::string TOpcjeProgramu::TekstPomocy(const std::string& domyslnyPlikDanych)
{
    return "Użycie: grosiwo [OPCJE]\n"
           "\n"
           "Grosiwo - domowe finanse: okno z podsumowaniem danych, planer wydatków i przychodów\n"
           "oraz kopia bazy danych.\n"
           "\n"
           "Opcje:\n"
           "  --dane PLIK        plik z danymi (domyślnie " + domyslnyPlikDanych + ")\n"
           "  --demo             praca na nowym pliku z danymi demonstracyjnymi: na pliku z --dane,\n"
           "                     gdy jeszcze nie istnieje, w przeciwnym razie na nowym pliku\n"
           "                     w folderze tymczasowym; istniejący plik nie jest nadpisywany\n"
           "  --planer           od razu otwiera planer wydatków i przychodów\n"
           "  --zrzut PLIK.png   zapisuje obraz okna, które zostałoby otwarte (z --planer: okna\n"
           "                     planera), i kończy pracę bez czekania na użytkownika;\n"
           "                     nie wymaga ekranu\n"
           "  -h, --help         wyświetla tę pomoc\n"
           "\n"
           "Zmienne środowiskowe:\n"
           "  GROSIWO_MODUL      ścieżka modułu planera zamiast libGW.Planer.so obok programu\n"
           "\n"
           "Kody wyjścia: 0 - sukces, 1 - błędne opcje, 2 - brak ekranu, 3 - błąd pliku z danymi,\n"
           "4 - brak lub uszkodzony moduł planera, 5 - nie udało się zapisać zrzutu.\n";
}
