#pragma once
// The application's icon, drawn in code so that it needs no image plugin: a gold coin with
// a "G" on a green rounded square. share/grosiwo.svg is the same picture for the desktop.
#include <QIcon>

QIcon IkonaGrosiwo();
