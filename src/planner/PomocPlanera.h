#pragma once
// The planner's help page, shipped inside the module as a resource. The user's web browser
// cannot read resources, so the page is written out to the user's cache folder first.
#include <QString>

// The page as a file; empty when it cannot be written.
QString PlikStronyPomocy();
// Opens the page with the user's default handler; a failure is not reported.
void OtworzStronePomocy();
