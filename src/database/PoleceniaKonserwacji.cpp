#include "database/PoleceniaKonserwacji.h"

#include "database/KodowanieZapisu.h"

using zapis::TekstWApostrofach;

TStringList PoleceniaDomyslnychKategorii(const std::string& tabela, const TStringList& nazwy)
{
    TStringList polecenia;
    polecenia.reserve(nazwy.size());
    for (const std::string& nazwa : nazwy)
        polecenia.push_back("INSERT INTO \"" + tabela + "\" (\"Opis\", \"Usuniety\", \"Waga\") VALUES(" +
                            TekstWApostrofach(nazwa) + "," + "0" + "," + "10" + ");");
    return polecenia;
}

TStringList PoleceniaDomyslnychKategoriiOszczednosci(
    const std::string& tabela, const std::map<std::string, TFlagiKategoriiOszczednosci>& kategorie)
{
    TStringList polecenia;
    polecenia.reserve(kategorie.size());
    for (const auto& [nazwa, flagi] : kategorie)
        polecenia.push_back("INSERT INTO \"" + tabela +
                            "\" (\"Opis\", \"Usuniety\", \"MoznaZaplacic\", \"Dlug\", \"Waga\") VALUES(" +
                            TekstWApostrofach(nazwa) + "," + "0" + "," +
                            LogicznaNaTekst(flagi.MoznaZaplacic) + "," + LogicznaNaTekst(flagi.Dlug) +
                            "," + "10" + ");");
    return polecenia;
}

TStringList PoleceniaOsobTestowych(const std::string& tabelaOsob)
{
    const auto osoba = [&tabelaOsob](const TStringList& teksty) {
        std::string polecenie = "INSERT INTO \"" + tabelaOsob +
                                "\" (\"Imie\", \"Nazwisko\", \"Pseudonim\", \"Adres\", \"Telefon\", "
                                "\"Waga\") VALUES(";
        for (const std::string& tekst : teksty)
            polecenie += TekstWApostrofach(tekst) + ",";
        return polecenie + "10" + ");";
    };
    return {osoba({"Jan", "Iksiński", "Janek", "ul. Zaciszna 15/23", "555-555-555"}),
            osoba({"Zosia", "Iksińska", "Zosieńka", "ul. Zaciszna 15/23", "444-444-444"})};
}

std::string PolecenieTransakcjiTestowej(const std::string& tabela, const std::string& kolumnaKategorii,
                                        int32_t idKategorii, const std::string& kwota,
                                        int32_t idKategoriiOszczednosci, const std::string& data,
                                        int32_t idOsoby)
{
    return "INSERT INTO \"" + tabela + "\" (\"" + kolumnaKategorii +
           "\", \"Ile\", \"IdKategoriaOszczednosci\", \"Data\", \"IdOsoba\", \"Komentarz\" ) VALUES(" +
           std::to_string(idKategorii) + "," + kwota + "," + std::to_string(idKategoriiOszczednosci) +
           "," + data + "," + std::to_string(idOsoby) + "," + "NULL" + ");";
}

std::string PolecenieOszczednosciTestowej(const std::string& tabela, int32_t idKategoriiOszczednosci,
                                          const std::string& kwota, const std::string& data)
{
    return "INSERT INTO \"" + tabela +
           "\" (\"IdKategoriaOszczednosci\", \"Ile\", \"Data\", \"Komentarz\" ) VALUES(" +
           std::to_string(idKategoriiOszczednosci) + "," + kwota + "," + data + "," + "NULL" + ");";
}

TStringList PoleceniaCzyszczeniaTabel(const TStringList& tabele)
{
    TStringList polecenia;
    polecenia.reserve(2 * tabele.size());
    for (const std::string& tabela : tabele)
        polecenia.push_back("DELETE FROM \"" + tabela + "\";");
    // An emptied AUTOINCREMENT table would otherwise go on from its largest key ever.
    for (const std::string& tabela : tabele)
        polecenia.push_back("DELETE FROM SQLITE_SEQUENCE WHERE NAME = \"" + tabela + "\";");
    return polecenia;
}
