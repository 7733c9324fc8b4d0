// The default category names the application offers to insert into a new database.
#include "database/ProjektDB.h"

void TProjektDB::UtworzListyDomyslnychKategorii()
{
    fDomyslneKategorieWydatkow = {
        "Hosting+domena", "AGD", "Abonament za Internet", "Abonament za telefon", "Alimenty",
        "Alkohol", "Artykuły spożywcze", "Aukcje internetowe", "Biuro maklerskie", "Cło",
        "Czesne", "Czynsz", "Darowizna", "Doładowanie telefonu", "Dzierżawa", "Energia",
        "Energia i gaz", "Faktura", "Fitness", "Fryzjer", "Fundusz emerytalny",
        "Fundusz III filar", "Fundusz remontowy", "Garaż", "Honorarium", "Inne",
        "Karta kredytowa", "Kasa mieszkaniowa", "Kieszonkowe", "Kino", "Kosmetyki", "Kredyt",
        "Kredyt mieszkaniowy", "Kredyt odnawialny", "Kredyt samochodowy", "Książki",
        "Księgarnia internetowa", "Kurs tańca", "Leki", "Lodowisko", "Meble",
        "Mikropłatności w Internecie", "Ochrona obiektu", "Odzież", "Opłata licencyjna",
        "Opłata za gaz", "Opłata za obiady", "Opłata za ochronę i monitoring", "Opłata za prąd",
        "Opłata za wodę", "Opłaty za parkowanie", "Podatek", "Podatek cit", "Podatek inny",
        "Podatek od nieruchomości", "Podatek PIT", "Podatek rozliczenie roczne", "Podatek VAT",
        "Polisa na życie", "Polisa z funduszem", "Prenumerata", "Rata", "Renta", "Rozrywka",
        "RTV", "Samochód", "Siłownia", "Sklep internetowy", "Składka", "Spadek",
        "Spłata kredytu", "Spłata kredytu - kapitał", "Spłata kredytu - odsetki",
        "Spłata pożyczki", "Spłata pożyczki - kapitał", "Spłata pożyczki - odsetki",
        "Stypendium", "Środki czystości", "Tankowanie", "Telefon komórkowy",
        "Telefon stacjonarny", "Telewizja cyfrowa", "Telewizja kablowa", "Ubezpieczenie",
        "Ubezpieczenie mieszkania", "Ubezpieczenie samochodu", "Ubezpieczenie towaru",
        "Urząd skarbowy", "Wkład", "Wywóz nieczystości", "Wywóz śmieci", "Za usługę",
        "Zaliczka", "Zapomoga", "Zasilenie rachunku", "Opłata za przedszkole",
        "Opłata za studia", "Opłata za szkołę", "Wycieczka", "Prezenty", "Papierosy",
        "Club/Dyskoteka", "Zwrot pożyczki", "LOTTO", "Hazard", "Gry losowe", "Zakup domu",
        "Zakup mieszkania", "Zakup samochodu", "Opłata za prowadzenie konta",
        "Opłata za prowadzenie rachunku", "Korepetycje", "Opłata za lekcje",
        "Nauka angielskiego", "Nauka niemieckiego", "Remont", "Dom", "Dług", "Spłata długu"};

    fDomyslneKategoriePrzychodow = {
        "Pobory", "Premia", "Usługa", "Darowizna", "Fucha", "Zwrot pożyczki", "Trzynastka",
        "Pożyczka", "Kredyt", "Zwrot podatku", "Przychód wynikający ze sprzedaży",
        "Wygrana na loterii", "Spadek", "Alimenty", "Stypendium", "Zapomoga", "Zaliczka",
        "Renta", "Kieszonkowe", "Emerytura", "Wygrana w LOTTO", "Nadgodziny", "Zysk z lokaty",
        "Prezent", "Zwrot", "Odszkodowanie", "Ubezpieczenie", "Korepetycje", "Wynajem",
        "Premia od banku", "Odsetki", "Zwrot wydatku służbowego", "Wypłata", "Wynagrodzenie",
        "Przychód z programu partnerskiego"};

    // name -> {MoznaZaplacic, Dlug}
    fDomyslneKategorieOszczednosci = {
        {"Portfel", {true, false}},
        {"Konto", {true, false}},
        {"Lokata", {false, false}},
        {"eKonto", {true, false}},
        {"Gotówka", {true, false}},
        {"Karta kredytowa", {true, true}},
        {"Konto internetowe", {true, false}},
        {"Konto oszczędnościowe", {true, false}},
        {"Kredyt", {true, true}},
        {"Kredyt hipoteczny", {true, true}},
        {"Trzymane na czarną godzinę", {true, false}},
        {"Fundusz inwestycyjny", {false, false}},
        {"Akcje", {false, false}},
        {"Pożyczka", {true, true}},
        {"Fundusz awaryjny", {true, false}},
        {"Fundusz rozrywkowy", {true, false}},
        {"Fundusz emerytalny", {false, false}},
        {"Własne zabezpieczenie emerytury", {true, false}},
        {"Skarbonka", {true, false}},
        {"Papiery wartościowe", {true, false}},
        {"Wierzytelność", {true, false}},
        {"Dług", {true, true}},
        {"Raty", {true, true}},
        {"Konto PayPal", {false, false}},
        {"Program partnerski", {false, false}}};
}
