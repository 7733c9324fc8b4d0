#include "host/TekstyHosta.h"

std::string TekstDoKonsoli(const std::string& tekst)
{
    std::string wynik;
    wynik.reserve(tekst.size());
    for (size_t i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == '\r') {
            wynik += '\n';
            if (i + 1 < tekst.size() && tekst[i + 1] == '\n')
                ++i;
        } else {
            wynik += tekst[i];
        }
    }
    return wynik;
}
