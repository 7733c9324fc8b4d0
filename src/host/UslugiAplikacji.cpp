#include "host/UslugiAplikacji.h"

#include <QCoreApplication>

std::string TUslugiAplikacji::TytulAplikacji() const
{
    return "Grosiwo";
}

void TUslugiAplikacji::PrzetworzOczekujaceZdarzenia()
{
    QCoreApplication::processEvents();
}
