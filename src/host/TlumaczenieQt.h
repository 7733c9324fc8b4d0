#pragma once
// Polish for what Qt itself shows (the folder dialog, context menus, the calendar of the date
// pickers): the Polish locale as the default and Qt's own Polish translation when installed.
class QTranslator;

// Installs tlumacz into the application when the translation is found; false otherwise (Qt's
// own texts then stay English).
bool UstawPolskiInterfejsQt(QTranslator& tlumacz);
