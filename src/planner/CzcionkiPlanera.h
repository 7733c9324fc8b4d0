#pragma once
// The planner's fonts by the names its design uses. Where a named font is not installed, a
// metric-compatible one takes its place (Liberation Sans for Tahoma, Arial and Calibri's
// sans-serif role, Liberation Mono for Courier New), so that texts keep their designed width
// instead of whatever the system would pick.
#include <QFont>
#include <QString>
#include <QStringList>

// The first installed family of the list; the last one when none is.
QString ZainstalowanaRodzina(const QStringList& rodziny);

// Tahoma at a point size (the window's text, the grid).
QFont CzcionkaTahoma(int punkty, bool pogrubiona = false);
// Tahoma at a pixel height (the captions of the filter panels).
QFont CzcionkaTahomaPx(int piksele, bool pogrubiona = false);
// Calibri at a pixel height (the header band's title).
QFont CzcionkaCalibriPx(int piksele, bool pogrubiona = false);
// Courier New at a point size: fixed pitch (the grid's footer).
QFont CzcionkaCourierNew(int punkty);
