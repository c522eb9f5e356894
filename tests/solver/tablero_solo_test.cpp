// "Calcula" on a board alone gives what "Calcula" gives in the game: the same
// board left and the same ending, on boards the logic phase finishes, boards
// the search must finish, boards with many solutions, none, or two singles
// that clash, and a run out of steps.
#include <gtest/gtest.h>

#include <string>

#include "board/entorno_mudo.h"
#include "mando/principal.h"
#include "savegame/partidas.h"
#include "solver/calcula.h"

namespace novenario::prueba {
namespace {

struct CasoSolo {
    const char* nombre;
    const char* rejilla;  // 81 characters in grid reading order, "." empty
    long long limite;
    const char* resultado;
};

// The board a load leaves, as the engine takes it: values in name order.
std::array<std::string, NumCeldas> Valores(const TableroTexto& t) {
    std::array<std::string, NumCeldas> v{};
    for (std::size_t i = 0; i < NumCeldas; ++i)
        if (t[i]) v[static_cast<std::size_t>(tablero::OrdenRejilla()[i])] = std::string(1, t[i]);
    return v;
}

class CalculaSolo : public ::testing::TestWithParam<CasoSolo> {};

TEST_P(CalculaSolo, DejaElTableroYElFinalDeCalculaEnElJuego) {
    const CasoSolo& caso = GetParam();
    std::string error;
    const auto rejilla = LeeTablero(caso.rejilla, error);
    ASSERT_TRUE(rejilla) << error;

    EntornoMudo mudo;
    TFormPrincipal f(mudo);
    ASSERT_TRUE(f.FormCreate());
    Cargar_Tablero(f, *rejilla, "", "");
    f.Motor.Limite_Pasos = static_cast<int>(caso.limite);
    BRellena2Click(f);

    const Calculo solo = Calcula_Tablero(Valores(*rejilla), caso.limite);
    EXPECT_EQ(solo.Resultado, caso.resultado);
    EXPECT_EQ(solo.Resultado, f.Motor.Resultado_Calculo);
    for (int c = 0; c < NumCeldas; ++c)
        EXPECT_EQ(solo.Valores[static_cast<std::size_t>(c)], f.Paneles[c].Caption) << tablero::Nombre(c);
}

// A board the search finishes in about a thousand steps.
constexpr const char* kBusqueda = "..9748...7.........2.1.9.....7...24..64.1.59..98...3.....8.3.2.........6...2759..";
// A hard published puzzle the search does not finish within the game's steps.
constexpr const char* kDificil = "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";

INSTANTIATE_TEST_SUITE_P(
    Tableros, CalculaSolo,
    ::testing::Values(
        CasoSolo{"solo_logica", "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79",
                 LimitePasos, ""},
        CasoSolo{"con_busqueda", kBusqueda, LimitePasos, ""},
        CasoSolo{"sin_tiempo", kDificil, LimitePasos, "ST"},
        CasoSolo{"muchas_soluciones", "1................................................................................",
                 LimitePasos, ""},
        // Row 1 leaves r1c9 only a 9, which column 9 already holds.
        CasoSolo{"sin_solucion", "12345678..................9......................................................",
                 LimitePasos, "SS"},
        // r1c8 and r1c9 are both left only an 8: the first in name order takes
        // it, and the second has nothing left.
        CasoSolo{"singles_que_chocan",
                 "1234567....................................9....................................9",
                 LimitePasos, "SS"},
        CasoSolo{"pocos_pasos", kBusqueda, 100, "ST"}),
    [](const ::testing::TestParamInfo<CasoSolo>& i) { return std::string(i.param.nombre); });

}  // namespace
}  // namespace novenario::prueba
