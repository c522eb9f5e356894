// A move-list entry read from its seven characters and written back: what the
// history replays, and that a saved game's odd entries survive unchanged.
#include <gtest/gtest.h>

#include <string>

#include "board/jugada.h"

namespace novenario {
namespace {

struct CasoLectura {
    const char* texto;
    const char* panel;
    int celda;   // -1: names no cell
    int numero;  // 0: no digit
    const char* cifra;
    const char* escrita;  // written back
};

TEST(Jugada, SeLeeYSeEscribeTalCual) {
    const CasoLectura casos[] = {
        {"P3_4--7", "P3_4", 21, 7, "7", "P3_4--7"},
        {"P9_9--B", "P9_9", 80, 0, "", "P9_9--B"},
        {"P3_4--7 y más", "P3_4", 21, 7, "7", "P3_4--7"},
        {"PX_Y--9", "PX_Y", -1, 9, "9", "PX_Y--9"},  // a digit for no cell
        {"P5_5--0", "P5_5", 40, 0, "0", "P5_5--0"},  // a value that is no digit stays what it was
        {"P5_5xx5", "P5_5", 40, 5, "5", "P5_5--5"},  // the separator is not checked, nor kept
        // A saved line cut short gives a shorter entry, as it always did.
        {"P1_1--", "P1_1", 0, 0, "", "P1_1--"},
        {"P12", "P12", -1, 0, "", "P12--"},
    };
    for (const CasoLectura& c : casos) {
        SCOPED_TRACE(c.texto);
        const Jugada j = Jugada::Lee(c.texto);
        EXPECT_EQ(j.Panel, c.panel);
        EXPECT_EQ(j.Celda(), c.celda);
        EXPECT_EQ(j.Numero(), c.numero);
        EXPECT_EQ(j.Cifra(), c.cifra);
        EXPECT_EQ(j.Texto(), c.escrita);
        // Once in its seven characters, it reads back the same.
        if (j.Texto().size() == 7) {
            EXPECT_EQ(Jugada::Lee(j.Texto()), j);
        }
    }
}

TEST(Jugada, DeUnaCeldaYSuCifra) {
    EXPECT_EQ(Jugada::En(0, 5).Texto(), "P1_1--5");
    EXPECT_EQ(Jugada::En(80, 0).Texto(), "P9_9--B");
    EXPECT_EQ(Jugada::En(40, 10).Texto(), "P5_5--B");
    for (int c = 0; c < 81; ++c)
        for (int d = 0; d <= 9; ++d) {
            const Jugada j = Jugada::Lee(Jugada::En(c, d).Texto());
            ASSERT_EQ(j.Celda(), c);
            ASSERT_EQ(j.Numero(), d);
        }
}

}  // namespace
}  // namespace novenario
