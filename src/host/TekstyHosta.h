#pragma once
// Message texts of the data layer break lines with a lone carriage return; a terminal breaks
// them at line feeds.
#include <string>

std::string TekstDoKonsoli(const std::string& tekst);
