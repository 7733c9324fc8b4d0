#pragma once
// The fuzz targets as plain checks of one input each. A check returns normally when the
// code under test kept its promises for the input, raises ENaruszenieObietnicy when it
// broke one that a crash would not show (a wrong kind of exception, a value that does not
// read back), and lets crashes happen for the sanitizers to report. The libFuzzer entry
// point (WejscieLibFuzzer.cpp) wraps one of them; the test build replays saved inputs
// through all of them.
#include <cstddef>
#include <cstdint>
#include <stdexcept>

class ENaruszenieObietnicy : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The deposit-offer exchange record reader, on a buffer of one or more records.
void SprawdzOferte(const uint8_t* dane, size_t rozmiar);
// KwotaZTekstu, and the money text of its result read back.
void SprawdzKwote(const uint8_t* dane, size_t rozmiar);
// OczyscNazwe and UsunZnakiZakazane.
void SprawdzNazwe(const uint8_t* dane, size_t rozmiar);
// TekstNaDataCzas, and the stored form of its result read back.
void SprawdzDateCzas(const uint8_t* dane, size_t rozmiar);
// A plans or expenses row whose cells hold the input's values, loaded into the collections
// of a project database, then saved and loaded again.
void SprawdzKomorkiBazy(const uint8_t* dane, size_t rozmiar);
