#include "common/Platforma.h"

#include <gtest/gtest.h>

#include "support/TestPlatforma.h"

namespace {

TEST(PlatformaTest, UstawionyZegarDajeStalaChwile)
{
    const TDateTime chwila = KodujDateCzas(2013, 5, 17, 12, 0);
    {
        TUstawionyZegar zegar(chwila);
        EXPECT_EQ(Teraz(), chwila);
        zegar.Ustaw(chwila + 1);
        EXPECT_EQ(Teraz(), chwila + 1);
    }
    // Gone with the object: the computer's clock is back.
    EXPECT_NE(Teraz(), chwila + 1);
}

TEST(PlatformaTest, RejestratorZapisujeKomunikatyIOdpowiadaZeScenariusza)
{
    TUstawionyRejestrator rejestrator;
    rejestrator->Odpowiedzi = {TOdpowiedzKomunikatu::Tak};
    PokazBlad("Coś poszło nie tak !!!");
    EXPECT_EQ(PokazKomunikat("Usunąć?", "UWAGA !!!", TIkonaKomunikatu::Ostrzezenie,
                             TPrzyciskiKomunikatu::TakNie),
              TOdpowiedzKomunikatu::Tak);
    EXPECT_EQ(PokazKomunikat("Jeszcze raz?", "UWAGA !!!", TIkonaKomunikatu::Ostrzezenie,
                             TPrzyciskiKomunikatu::TakNie),
              TOdpowiedzKomunikatu::Nie);
    ASSERT_EQ(rejestrator->Komunikaty.size(), 3u);
    EXPECT_EQ(rejestrator->Komunikaty[0].Tekst, "Coś poszło nie tak !!!");
    EXPECT_EQ(rejestrator->Komunikaty[0].Tytul, "BŁĄD !!!");
    EXPECT_EQ(rejestrator->Komunikaty[0].Ikona, TIkonaKomunikatu::Blad);
    EXPECT_EQ(rejestrator->Komunikaty[0].Przyciski, TPrzyciskiKomunikatu::OK);
}

}  // namespace
