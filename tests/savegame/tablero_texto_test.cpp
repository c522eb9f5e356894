// Boards as players copy them out of other programs and web pages, read
// into a grid; the rule check; the board written back as one line.
#include <gtest/gtest.h>

#include <string>

#include "board/entorno_falso.h"
#include "savegame/tablero_texto.h"

namespace novenario {
namespace {

// The classic puzzle, row by row.
const std::string kFilas[9] = {"53..7....", "6..195...", ".98....6.", "8...6...3", "4..8.3..1",
                               "7...2...6", ".6....28.", "...419..5", "....8..79"};

std::string Clasico() {
    std::string r;
    for (const std::string& f : kFilas) r += f;
    return r;
}

// The rows joined by fin, each row passed through cada.
template <typename F>
std::string Filas(const std::string& fin, F cada) {
    std::string r;
    for (const std::string& f : kFilas) r += cada(f) + fin;
    return r;
}

// A row drawn "5 3 . | . 7 . | . . ." with the given empty mark.
std::string Dibujada(const std::string& fila, char vacia) {
    std::string r;
    for (std::size_t i = 0; i < 9; ++i) {
        if (i) r += i % 3 == 0 ? " | " : " ";
        r += fila[i] == '.' ? vacia : fila[i];
    }
    return r;
}

// A drawn grid: rows of three blocks, a rule under every band but the last.
std::string Cuadricula(const std::string& regla, char vacia) {
    std::string r;
    for (std::size_t i = 0; i < 9; ++i) {
        r += Dibujada(kFilas[i], vacia) + "\n";
        if (i == 2 || i == 5) r += regla + "\n";
    }
    return r;
}

std::string Como(std::string s, char vacia) {
    for (char& c : s) if (c == '.') c = vacia;
    return s;
}

struct Caso {
    const char* nombre;
    std::string texto;
    std::string rejilla;  // "." for an empty cell; "" when no board is read
    std::string error;    // part of the message when none is
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nombre; }

class LeeTableroTexto : public testing::TestWithParam<Caso> {};

TEST_P(LeeTableroTexto, DaLaRejillaOElMotivo) {
    const Caso& c = GetParam();
    std::string error;
    const auto rejilla = LeeTablero(c.texto, error);
    if (c.rejilla.empty()) {
        ASSERT_FALSE(rejilla) << "read a board that is none";
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
        return;
    }
    ASSERT_TRUE(rejilla) << error;
    std::string leida;
    for (char d : *rejilla) leida += d ? d : '.';
    EXPECT_EQ(leida, c.rejilla);
}

INSTANTIATE_TEST_SUITE_P(
    Formas, LeeTableroTexto,
    testing::Values(
        Caso{"una_linea_puntos", Clasico(), Clasico(), ""},
        Caso{"una_linea_ceros", Como(Clasico(), '0'), Clasico(), ""},
        Caso{"una_linea_rayas_bajas", Como(Clasico(), '_'), Clasico(), ""},
        Caso{"una_linea_guiones", Como(Clasico(), '-'), Clasico(), ""},
        Caso{"una_linea_asteriscos", Como(Clasico(), '*'), Clasico(), ""},
        Caso{"una_linea_con_salto", Clasico() + "\r\n", Clasico(), ""},
        Caso{"nueve_lineas", Filas("\n", [](const std::string& f) { return f; }), Clasico(), ""},
        Caso{"nueve_lineas_crlf_y_guiones", Filas("\r\n", [](const std::string& f) { return Como(f, '-'); }),
             Clasico(), ""},
        Caso{"espacios_entre_cifras",
             Filas("\n", [](const std::string& f) {
                 std::string r;
                 for (char c : f) r += std::string(1, c == '.' ? '0' : c) + " ";
                 return r;
             }),
             Clasico(), ""},
        Caso{"cuadricula_con_mas", Cuadricula("------+-------+------", '.'), Clasico(), ""},
        Caso{"cuadricula_con_guiones_vacios", Cuadricula("------+-------+------", '-'), Clasico(), ""},
        Caso{"cuadricula_de_lineas", Cuadricula("\xE2\x94\x80\xE2\x94\x80\xE2\x94\xBC\xE2\x94\x80\xE2\x94\x80", '.'),
             Clasico(), ""},
        Caso{"comentarios_y_lineas_en_blanco",
             "# Diario, domingo\n\n" + Filas("  # fila\n", [](const std::string& f) { return f; }) + "\n# fin\n",
             Clasico(), ""},
        Caso{"marca_de_orden_y_espacio_duro",
             "\xEF\xBB\xBF" + Filas("\n", [](const std::string& f) { return f.substr(0, 3) + "\xC2\xA0" + f.substr(3); }),
             Clasico(), ""},
        // A rule of nine "-" under rows of nine is a rule; a line of nine "-"
        // among nine rows is a row of empty cells.
        Caso{"regla_de_nueve_guiones",
             [] {
                 std::string r;
                 for (std::size_t i = 0; i < 9; ++i) r += kFilas[i] + (i == 2 || i == 5 ? "\n---------\n" : "\n");
                 return r;
             }(),
             Clasico(), ""},
        Caso{"fila_vacia_de_guiones",
             [] {
                 std::string r;
                 for (std::size_t i = 0; i < 9; ++i) r += (i == 4 ? std::string("---------") : kFilas[i]) + "\n";
                 return r;
             }(),
             Clasico().substr(0, 36) + "........." + Clasico().substr(45), ""},
        Caso{"vacio", std::string(81, '.'), std::string(81, '.'), ""},
        // What is no board.
        Caso{"portapapeles_vacio", "", "", "tiene 0 caracteres"},
        Caso{"solo_blancos", " \n\t\n", "", "tiene 0 casillas"},
        Caso{"corto", Clasico().substr(1), "", "tiene 80 caracteres y debe tener 81"},
        Caso{"largo", Clasico() + "5", "", "tiene 82 caracteres y debe tener 81"},
        Caso{"letras", "Sudoku del domingo", "", "carácter no válido 'S' en la línea 1, posición 1"},
        Caso{"letra_en_el_tablero", Clasico().substr(0, 4) + "x" + Clasico().substr(5), "",
             "carácter no válido 'x' en la posición 5 (fila 1, columna 5)"},
        Caso{"titulo_sobre_la_cuadricula", "Sudoku 12\n" + Cuadricula("---+---+---", '.'), "",
             "carácter no válido 'S' en la línea 1, posición 1"},
        Caso{"fila_corta", Filas("\n", [](const std::string& f) { return f == kFilas[2] ? f.substr(1) : f; }), "",
             "la fila 3 del tablero tiene 8 casillas y debe tener 9"},
        Caso{"dos_tableros", Clasico() + "\n" + Clasico(), "", "tiene 162 casillas"},
        Caso{"texto_enorme", std::string(MaximoTextoTablero + 1, '.'), "", "demasiado largo"},
        Caso{"bytes_sueltos", Clasico().substr(0, 80) + "\xE9", "", "carácter no válido \\xE9 en la posición 81"}),
    [](const testing::TestParamInfo<Caso>& i) { return std::string(i.param.nombre); });

// ---- the rules ----------------------------------------------------------------

struct CasoRegla {
    const char* nombre;
    std::string rejilla;
    std::string explicacion;  // "" when no digit repeats
    const char* grupo;
};

void PrintTo(const CasoRegla& c, std::ostream* os) { *os << c.nombre; }

class ReglaRotaTexto : public testing::TestWithParam<CasoRegla> {};

TEST_P(ReglaRotaTexto, NombraLaPrimeraRepeticion) {
    const CasoRegla& c = GetParam();
    TableroTexto rejilla{};
    for (std::size_t i = 0; i < NumCeldas; ++i) rejilla[i] = c.rejilla[i] == '.' ? 0 : c.rejilla[i];
    const auto r = ReglaRota(rejilla);
    if (c.explicacion.empty()) {
        EXPECT_FALSE(r);
        return;
    }
    ASSERT_TRUE(r);
    EXPECT_EQ(Explica(*r), c.explicacion);
    EXPECT_STREQ(NombreGrupo(r->Tipo), c.grupo);
}

INSTANTIATE_TEST_SUITE_P(
    Grupos, ReglaRotaTexto,
    testing::Values(
        CasoRegla{"ninguna", Clasico(), "", ""},
        CasoRegla{"bloque_antes_que_fila", "55" + std::string(79, '.'),
                  "el 5 de la casilla P1_2 (fila 1, columna 2) se repite en el bloque 1, en la casilla P1_1 (fila 1, "
                  "columna 1)",
                  "Bloque"},
        CasoRegla{"fila", "5.......5" + std::string(72, '.'),
                  "el 5 de la casilla P3_3 (fila 1, columna 9) se repite en la fila 1, en la casilla P1_1 (fila 1, "
                  "columna 1)",
                  "Horizontal"},
        CasoRegla{"columna", "...7" + std::string(71, '.') + "7.....",
                  "el 7 de la casilla P8_7 (fila 9, columna 4) se repite en la columna 4, en la casilla P2_1 (fila 1, "
                  "columna 4)",
                  "Vertical"}),
    [](const testing::TestParamInfo<CasoRegla>& i) { return std::string(i.param.nombre); });

// ---- written back ---------------------------------------------------------------

TEST(TextoDeTablero, CifrasYPuntosEnUnaLineaQueSeVuelveALeer) {
    Tablero t;
    const std::string clasico = Clasico();
    const auto& orden = tablero::OrdenRejilla();
    for (std::size_t i = 0; i < NumCeldas; ++i)
        if (clasico[i] != '.') t[orden[i]].Caption = std::string(1, clasico[i]);
    // A loaded game may hold anything in a cell; no other solver takes that.
    t[orden[2]].Caption = "x";
    const std::string texto = TextoDeTablero(t);
    EXPECT_EQ(texto, clasico + "\n");
    std::string error;
    const auto leida = LeeTablero(texto, error);
    ASSERT_TRUE(leida) << error;
    EXPECT_EQ((*leida)[0], '5');
    EXPECT_EQ((*leida)[2], 0);
}

}  // namespace
}  // namespace novenario
