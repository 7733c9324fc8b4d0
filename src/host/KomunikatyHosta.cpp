#include "host/KomunikatyHosta.h"

#include <iostream>

#include "host/TekstyHosta.h"

TOdpowiedzKomunikatu TKomunikatyHosta::Pokaz(const std::string& tekst, const std::string& tytul,
                                             TIkonaKomunikatu ikona, TPrzyciskiKomunikatu przyciski)
{
    if (ikona == TIkonaKomunikatu::Blad)
        std::cerr << tytul << ' ' << TekstDoKonsoli(tekst) << '\n';
    return TKomunikatyQt::Pokaz(tekst, tytul, ikona, przyciski);
}
