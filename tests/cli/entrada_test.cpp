// Boards read from standard input, one a line, within bounds: what each line
// gives, and where reading stops with a message.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"

namespace novenario::cli {
namespace {

const std::string kClasico = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

struct Caso {
    const char* nombre;
    std::string entrada;
    std::size_t max_linea, max_total;
    std::string leido;  // per board: "L:text" or "L!error", joined by " / "
    std::string error;
    std::size_t lineas;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nombre; }

class LeeEntrada : public testing::TestWithParam<Caso> {};

TEST_P(LeeEntrada, TomaUnTableroPorLineaYSeParaEnSusLimites) {
    const Caso& c = GetParam();
    std::istringstream entrada(c.entrada);
    std::vector<Fuente> fuentes;
    const LecturaEntrada r = LeeTablerosEntrada(entrada, fuentes, c.max_linea, c.max_total);
    std::string leido;
    for (const Fuente& f : fuentes) {
        if (!leido.empty()) leido += " / ";
        leido += std::to_string(f.linea) + (f.error.empty() ? ":" + f.texto : "!" + f.error);
        EXPECT_FALSE(f.partida);
    }
    EXPECT_EQ(leido, c.leido);
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(r.lineas, c.lineas);
}

const std::string kGenerar = "{\"nivel\":3,\"fijos\":30,\"tablero\":\"" + kClasico + "\",\"solucion\":\"1\",\"intentos\":1}";

INSTANTIATE_TEST_SUITE_P(
    Lineas, LeeEntrada,
    testing::Values(
        Caso{"vacia", "", 100, 1000, "", "", 0},
        Caso{"blancos_y_comentarios", "\n  \t\n# nada\n", 100, 1000, "", "", 3},
        Caso{"tablero_y_json", kClasico + "  # el clásico\r\n" + kGenerar + "\n", 200, 1000,
             "1:" + kClasico + " / 2:" + kClasico, "", 2},
        Caso{"json_con_blancos", "{ \"nivel\": 3, \"tablero\" : \"1.3\" }\n", 100, 1000, "1:1.3", "", 1},
        Caso{"json_sin_tablero", "\n{\"nivel\":3,\"fijos\":0}\n{\"tablero\":3}\n", 100, 1000,
             "2!la línea JSON no tiene \"tablero\" / 3!la línea JSON no tiene \"tablero\"", "", 3},
        Caso{"ultima_sin_salto", "123\n456", 100, 1000, "1:123 / 2:456", "", 2},
        Caso{"linea_justa", std::string(10, 'x') + "\n", 10, 1000, "1:xxxxxxxxxx", "", 1},
        Caso{"linea_larga", "1\n" + std::string(11, 'x') + "\n2\n", 10, 1000, "1:1",
             "la línea 2 de la entrada estándar pasa de 10 bytes: no es un tablero ni una línea de generar", 1},
        Caso{"ceros_sin_fin", std::string(5000, '\0'), 4096, 1 << 20, "",
             "la línea 1 de la entrada estándar pasa de 4 KiB: no es un tablero ni una línea de generar", 0},
        Caso{"demasiada", "1\n2\n3\n4\n", 100, 6, "1:1 / 2:2 / 3:3",
             "la entrada estándar pasa de 6 bytes: es demasiado grande para leerla como una lista de tableros", 3},
        Caso{"total_justo", "1\n2\n3\n", 100, 6, "1:1 / 2:2 / 3:3", "", 3}),
    [](const testing::TestParamInfo<Caso>& i) { return std::string(i.param.nombre); });

TEST(LeeEntrada, LosLimitesDeVerdadCabenLoQueEscribeGenerar) {
    // The most generar writes at once, 100000 games of some 260 bytes a line.
    EXPECT_GE(MaximoEntrada, std::size_t{100000} * 300);
    EXPECT_GE(MaximoLineaEntrada, std::size_t{1000});
    EXPECT_EQ(MaximoLineaEntrada, MaximoTextoTablero);
}

TEST(LeeEntrada, ElNombreDeUnTableroDiceSuLinea) {
    Fuente argumento, linea;
    argumento.texto = linea.texto = kClasico;
    linea.linea = 7;
    EXPECT_EQ(argumento.Nombre(2), "tablero 2");
    EXPECT_EQ(linea.Nombre(3), "tablero 3 (línea 7 de la entrada estándar)");
    std::string error;
    EXPECT_TRUE(LeeFuente(linea, true, error)) << error;
    linea.error = "la línea JSON no tiene \"tablero\"";
    EXPECT_FALSE(LeeFuente(linea, true, error));
    EXPECT_EQ(error, linea.error);
}

}  // namespace
}  // namespace novenario::cli
