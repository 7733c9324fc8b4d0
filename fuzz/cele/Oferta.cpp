#include <span>
#include <string>

#include "CeleFuzz.h"
#include "Utf8.h"
#include "records/HarmonogramLokatyBankowej.h"
#include "records/StrumienOferty.h"

namespace {

void Porownaj(const THarmonogramLokatyBankowej& a, const THarmonogramLokatyBankowej& b)
{
    const bool rowne =
        a.NazwaHarmonogramu() == b.NazwaHarmonogramu() && a.Bank() == b.Bank() &&
        a.OkresDepozytu() == b.OkresDepozytu() && a.JednostkaDepozytu() == b.JednostkaDepozytu() &&
        a.OprocentowanieStaleWCalymOkresieLokaty() == b.OprocentowanieStaleWCalymOkresieLokaty() &&
        a.OprocentowanieWSkaliRoku() == b.OprocentowanieWSkaliRoku() && a.Kapitalizacja() == b.Kapitalizacja() &&
        a.KwotaMinimalna() == b.KwotaMinimalna() && a.KwotaMaksymalna() == b.KwotaMaksymalna() &&
        a.WymaganeKontoOsobisteWTymBanku() == b.WymaganeKontoOsobisteWTymBanku() &&
        a.MozliwoscWczesniejszegoZerwaniaLokaty() == b.MozliwoscWczesniejszegoZerwaniaLokaty() &&
        a.HarmonogramDodanyPrzezUzytkownika() == b.HarmonogramDodanyPrzezUzytkownika() &&
        a.WarunkiWczesniejszegoZerwaniaLokaty() == b.WarunkiWczesniejszegoZerwaniaLokaty() &&
        a.PozostaleInformacje() == b.PozostaleInformacje();
    if (!rowne)
        throw ENaruszenieObietnicy("an offer written and read back differs from the one read");
}

// Everything derived from a read offer is shown in lists; none of it may fail.
void PokazWszystko(const THarmonogramLokatyBankowej& h)
{
    const std::string teksty[] = {h.NazwaDepozytu(), h.NazwaWyswietlana(), h.BankNazwaOprocentowanie(),
                                  h.OkresLokaty(), h.KapitalizacjaNazwa(), h.KwotaMinimalnaString(),
                                  h.KwotaMaksymalnaString(), h.OprocentowanieStaleWCalymOkresieLokatyNazwa(),
                                  h.WymaganeKontoOsobisteWTymBankuNazwa()};
    for (const std::string& t : teksty)
        if (!CzyPoprawnyUtf8(t))
            throw ENaruszenieObietnicy("an offer's display text is not valid UTF-8");
    (void)h.OkresLokatyIloscDni();
    (void)h.KapitalizacjaCoIleDni();
}

}  // namespace

void SprawdzOferte(const uint8_t* dane, size_t rozmiar)
{
    TOdczytStrumienia odczyt(std::span<const uint8_t>(dane, rozmiar));
    // A file may hold several records one after another.
    for (int rekord = 0; rekord < 8 && !odczyt.Koniec(); ++rekord) {
        THarmonogramLokatyBankowej h;
        const size_t poczatek = odczyt.Pozycja();
        try {
            h.ReadFromStream(odczyt);
        } catch (const EBladOdczytuStrumienia& e) {
            if (std::string(e.what()).empty())
                throw ENaruszenieObietnicy("a read error without a message");
            return;
        }
        if (odczyt.Pozycja() <= poczatek || odczyt.Pozycja() > rozmiar)
            throw ENaruszenieObietnicy("a read record did not move the reader within the buffer");
        if (h.Zmiany() != TTypModyfikacji::Dodano)
            throw ENaruszenieObietnicy("a read offer is not marked Dodano");
        if (!CzyPoprawnyUtf8(h.NazwaHarmonogramu()) || !CzyPoprawnyUtf8(h.Bank()) ||
            !CzyPoprawnyUtf8(h.WarunkiWczesniejszegoZerwaniaLokaty()) || !CzyPoprawnyUtf8(h.PozostaleInformacje()))
            throw ENaruszenieObietnicy("a read text is not valid UTF-8");
        PokazWszystko(h);

        TZapisStrumienia zapis;
        h.WriteToStream(zapis);
        TOdczytStrumienia ponowny(zapis.Bajty());
        THarmonogramLokatyBankowej kopia;
        try {
            kopia.ReadFromStream(ponowny);
        } catch (const EBladOdczytuStrumienia& e) {
            throw ENaruszenieObietnicy(std::string("an offer written by the program does not read back: ") + e.what());
        }
        if (!ponowny.Koniec())
            throw ENaruszenieObietnicy("a written offer leaves bytes unread");
        Porownaj(h, kopia);
    }
}
