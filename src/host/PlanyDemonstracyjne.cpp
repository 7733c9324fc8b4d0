#include "host/PlanyDemonstracyjne.h"

#include <algorithm>
#include <string>

#include "collections/KolekcjeDanych.h"
#include "common/FunkcjeWspolne.h"
#include "records/Plan.h"

namespace {

struct TWzorPlanu {
    const char* Nazwa;
    const char* Kategoria;
    double Kwota;
    TTypPlanu Typ;
    bool Wykonany;
    const char* Komentarz;
};

int32_t IdKategorii(TKolekcjeDanych& kolekcje, const std::string& opis, TTypPlanu typ)
{
    const TTabele tabela = typ == TTypPlanu::Wydatek ? TTabele::Kategorie_Wydatki : TTabele::Kategorie_Przychody;
    const int32_t id = kolekcje.PobierzIDKategoriiPoOpisie(opis, tabela);
    return id != -1 ? id : kolekcje.PobierzDomyslneIDKategorii(tabela);
}

// The day of the month ahead, on a day every month has.
TDateTime ZaMiesiace(uint16_t ile, TDateTime dzisiaj, int dzien, int godzina)
{
    const TDateTime miesiac = DodajMiesiace(ile, KodujDate(RokDaty(dzisiaj), MiesiacDaty(dzisiaj), 1));
    return KodujDateCzas(RokDaty(miesiac), MiesiacDaty(miesiac), dzien, godzina);
}

}  // namespace

std::vector<std::unique_ptr<TPlan>> TPlanyDemonstracyjne::Utworz(TKolekcjeDanych& kolekcje, TDateTime teraz)
{
    const TDateTime dzisiaj = SamaData(teraz);
    const int rok = RokDaty(dzisiaj);
    const int miesiac = MiesiacDaty(dzisiaj);
    const int ostatniDzien = DniWMiesiacu(rok, miesiac);
    // Later this month: a few days ahead, at most the month's last day; on the last day
    // itself only the evening is left.
    const int dzienPozniej = std::min(DzienDaty(dzisiaj) + 5, ostatniDzien);
    const TDateTime pozniejWMiesiacu = dzienPozniej > DzienDaty(dzisiaj)
                                           ? KodujDateCzas(rok, miesiac, dzienPozniej, 18)
                                           : dzisiaj + KodujCzas(23, 58);
    const TDateTime ostatniDzienMiesiaca =
        std::max(KodujDateCzas(rok, miesiac, ostatniDzien, 10), pozniejWMiesiacu);

    struct TPozycja {
        TWzorPlanu Wzor;
        TDateTime Data;
    };
    const TPozycja pozycje[] = {
        {{"Czynsz za mieszkanie", "Czynsz", 1450, TTypPlanu::Wydatek, false, "Przelew do spółdzielni"},
         dzisiaj - 3 + KodujCzas(10, 0)},
        {{"Rachunek za prąd", "Opłata za prąd", 213.47, TTypPlanu::Wydatek, false, ""},
         dzisiaj - 35 + KodujCzas(12, 0)},
        {{"Abonament za Internet", "Abonament za Internet", 59.99, TTypPlanu::Wydatek, false, ""},
         dzisiaj + KodujCzas(23, 59)},
        {{"Zakupy na weekend", "Artykuły spożywcze", 350, TTypPlanu::Wydatek, false, "Lista w telefonie"},
         pozniejWMiesiacu},
        {{"Ubezpieczenie samochodu", "Ubezpieczenie samochodu", 1280, TTypPlanu::Wydatek, false, "OC i AC"},
         ZaMiesiace(1, dzisiaj, 10, 9)},
        {{"Opłata za przedszkole", "Opłata za przedszkole", 520, TTypPlanu::Wydatek, false, ""},
         ZaMiesiace(2, dzisiaj, 5, 8)},
        {{"Wycieczka w góry", "Wycieczka", 2500, TTypPlanu::Wydatek, false, "Zaliczka za nocleg"},
         ZaMiesiace(3, dzisiaj, 1, 12)},
        {{"Prezent urodzinowy dla Zosi", "Prezenty", 180, TTypPlanu::Wydatek, true, ""},
         dzisiaj - 10 + KodujCzas(17, 30)},
        {{"Wynagrodzenie", "Wynagrodzenie", 6400, TTypPlanu::Przychod, false, ""}, ostatniDzienMiesiaca},
        {{"Zwrot podatku", "Zwrot podatku", 830.5, TTypPlanu::Przychod, false, "PIT za ubiegły rok"},
         dzisiaj - 7 + KodujCzas(9, 0)},
        {{"Premia kwartalna", "Premia", 1500, TTypPlanu::Przychod, false, ""}, ZaMiesiace(1, dzisiaj, 28, 10)},
        {{"Wynajem garażu", "Wynajem", 300, TTypPlanu::Przychod, true, "Za poprzedni miesiąc"},
         dzisiaj - 20 + KodujCzas(8, 0)},
    };

    std::vector<std::unique_ptr<TPlan>> plany;
    int32_t id = 1001;
    for (const TPozycja& pozycja : pozycje) {
        const TWzorPlanu& wzor = pozycja.Wzor;
        auto plan = std::make_unique<TPlan>(id++, wzor.Nazwa, IdKategorii(kolekcje, wzor.Kategoria, wzor.Typ),
                                            wzor.Kwota, pozycja.Data, wzor.Komentarz,
                                            TTypModyfikacji::Dodano, wzor.Typ);
        plan->SetWykonany(wzor.Wykonany);
        plany.push_back(std::move(plan));
    }
    return plany;
}
