// Which digit the view lights, and in which cells: the selected cell's digit,
// everywhere else it stands; nothing for an empty selection or during long
// work. The game's colours are not touched.
#include <gtest/gtest.h>

#include "board/entorno_falso.h"
#include "candidates/candidatos.h"

namespace novenario::prueba {
namespace {

class Iluminado : public Partida {};

TEST_F(Iluminado, ElDigitoDeLaCeldaSeleccionadaEnLasDemas) {
    // 5 given at P1_5 and P9_9, entered at P5_1; P2_2 holds a 4.
    Fijar(f, "P1_5", "5");
    Fijar(f, "P9_9", "5");
    En(f, "P5_1").Caption = "5";
    En(f, "P2_2").Caption = "4";
    struct Caso {
        std::string activa;
        bool largo;
        int digito;
    };
    for (const Caso& k : std::vector<Caso>{{"P5_1", false, 5},
                                           {"P2_2", false, 4},
                                           {"P3_3", false, 0},   // empty
                                           {"", false, 0},       // no cell
                                           {"P9_", false, 0},    // a name of no cell
                                           {"P5_1", true, 0}}) { // long work has the board
        f.Variables.Panel_Activo = k.activa;
        f.Variables.Proceso_Largo = k.largo;
        std::vector<Color> colores;
        for (int c = 0; c < NumCeldas; ++c) colores.push_back(f.Paneles[c].Color_);
        EXPECT_EQ(Digito_Iluminado(f), k.digito) << k.activa;
        for (int c = 0; c < NumCeldas; ++c) {
            const bool esperada = k.digito != 0 && tablero::Nombre(c) != k.activa &&
                                  f.Paneles[c].Caption == std::to_string(k.digito);
            EXPECT_EQ(Celda_Iluminada(f, c), esperada) << k.activa << " " << tablero::Nombre(c);
            EXPECT_EQ(f.Paneles[c].Color_, colores[static_cast<std::size_t>(c)]);
        }
        EXPECT_FALSE(Celda_Iluminada(f, -1));
        EXPECT_FALSE(Celda_Iluminada(f, NumCeldas));
    }
}

}  // namespace
}  // namespace novenario::prueba
