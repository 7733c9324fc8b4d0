#pragma once
// Message texts of the data layer break lines with a lone carriage return; a terminal and Qt
// break them at line feeds.
#include <QString>

#include <string>

std::string TekstDoKonsoli(const std::string& tekst);
QString TekstDoOkna(const std::string& tekst);
