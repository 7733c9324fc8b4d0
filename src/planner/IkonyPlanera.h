#pragma once
// The planner's pictures, drawn here with QPainter so that they need no image files: the
// icons of the buttons, the header picture, the window icon, and the two 22 by 22 images of
// the grid's executed column.
#include <QIcon>
#include <QPixmap>

enum class TIkonaPlanera {
    DodajWydatek,
    DodajPrzychod,
    Edytuj,
    Wykonaj,
    Usun,
    Pomoc,
    Zapisz,
};

// Sized for the button bar (32 px) and the bottom bar (20 px); greyed when disabled.
QIcon IkonaPlanera(TIkonaPlanera ikona);
// 48 by 49, for the right end of the header band.
QPixmap ObrazekNaglowkaPlanera();
QIcon IkonaOknaPlanera();

inline constexpr int RozmiarObrazkaWykonania = 22;
// Image 0 marks a plan not executed yet, image 1 an executed plan. Drawn at every call:
// keep them, as the image list of the grid does.
QPixmap ObrazekWykonania(int numer);
