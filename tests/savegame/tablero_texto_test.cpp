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

// The classic puzzle with the given columns (1..9) emptied.
std::string SinColumnas(std::initializer_list<std::size_t> columnas) {
    std::string r = Clasico();
    for (std::size_t c : columnas)
        for (std::size_t f = 0; f < 9; ++f) r[f * 9 + c - 1] = '.';
    return r;
}

// A grid drawn with a blank for every empty cell: each cell "celda" wide
// (the digit in the middle), "barra" between blocks (or between every two
// cells when entre_celdas) and around them, "regla" between bands and
// above and below.
std::string ConBlancos(const std::string& rejilla, const std::string& barra, const std::string& regla,
                       bool entre_celdas = false) {
    std::string r = regla.empty() ? "" : regla + "\n";
    for (std::size_t f = 0; f < 9; ++f) {
        std::string linea = barra;
        for (std::size_t c = 0; c < 9; ++c) {
            const char d = rejilla[f * 9 + c];
            linea += std::string(" ") + (d == '.' ? ' ' : d);
            if (entre_celdas) linea += " " + barra;
            else if (c % 3 == 2) linea += " " + barra;
        }
        r += linea + "\n";
        if (f % 3 == 2 && !regla.empty()) r += regla + "\n";
    }
    return r;
}

// Nine lines of nine, a blank for an empty cell, trailing blanks cut (as
// editors and web pages leave them); "entre" between two cells.
std::string NueveConBlancos(const std::string& rejilla, const std::string& entre = "") {
    std::string r;
    for (std::size_t f = 0; f < 9; ++f) {
        std::string linea;
        for (std::size_t c = 0; c < 9; ++c) {
            if (c) linea += entre;
            linea += rejilla[f * 9 + c] == '.' ? ' ' : rejilla[f * 9 + c];
        }
        while (!linea.empty() && linea.back() == ' ') linea.pop_back();
        r += linea + "\n";
    }
    return r;
}

const std::string kRegla = "+-------+-------+-------+";
const std::string kVertical = "\xE2\x94\x82";  // │
const std::string kCaja = "\xE2\x94\x9C\xE2\x94\x80\xE2\x94\x80\xE2\x94\x80\xE2\x94\xBC";  // ├───┼

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
        // Grids with a blank for an empty cell, read by their columns.
        Caso{"blancos_entre_rayas", ConBlancos(Clasico(), "|", kRegla), Clasico(), ""},
        Caso{"blancos_entre_rayas_sin_una_columna", ConBlancos(SinColumnas({3}), "|", kRegla), SinColumnas({3}), ""},
        Caso{"blancos_bloque_sin_cifras", ConBlancos(SinColumnas({4, 5, 6}), "|", kRegla), SinColumnas({4, 5, 6}), ""},
        Caso{"blancos_en_caja", ConBlancos(SinColumnas({7}), kVertical, kCaja), SinColumnas({7}), ""},
        Caso{"blancos_celda_a_celda", ConBlancos(SinColumnas({3, 9}), kVertical, "", true), SinColumnas({3, 9}), ""},
        Caso{"nueve_de_nueve_con_blancos", NueveConBlancos(Clasico()), Clasico(), ""},
        Caso{"nueve_con_blancos_sin_la_ultima", NueveConBlancos(SinColumnas({9})), SinColumnas({9}), ""},
        Caso{"nueve_con_blancos_espaciados", NueveConBlancos(SinColumnas({3}), " "), SinColumnas({3}), ""},
        Caso{"espaciados_sin_tres_columnas", NueveConBlancos(SinColumnas({2, 5, 8}), " "), SinColumnas({2, 5, 8}), ""},
        Caso{"hoja_de_calculo", NueveConBlancos(SinColumnas({7}), "\t"), SinColumnas({7}), ""},
        Caso{"fila_vacia_en_blanco",
             [] {
                 std::string r = NueveConBlancos(Clasico());
                 const std::size_t i = r.find("4  8 3  1");
                 return r.replace(i, 9, "");
             }(),
             Clasico().substr(0, 36) + "........." + Clasico().substr(45), ""},
        Caso{"fila_vacia_entre_rayas",
             ConBlancos(Clasico().substr(0, 36) + "........." + Clasico().substr(45), "|", kRegla),
             Clasico().substr(0, 36) + "........." + Clasico().substr(45), ""},
        Caso{"con_comentario_y_titulo_comentado", "# Diario\n" + ConBlancos(Clasico(), "|", kRegla) + "# fin\n",
             Clasico(), ""},
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
        // Grids with blanks whose columns cannot be told.
        Caso{"blancos_fila_corrida",
             [] {
                 std::string r = NueveConBlancos(Clasico());
                 return r.replace(r.find("8   6   3"), 0, " ");
             }(),
             "", "sus casillas no se alinean en 9 columnas, sino en 10"},
        Caso{"blancos_cifra_en_la_raya",
             [] {
                 std::string r = ConBlancos(Clasico(), "|", kRegla);
                 const std::size_t i = r.find("| 8     |");
                 return r.replace(i, 9, "8       |");
             }(),
             "", "sus casillas no se alinean: la fila 4 tiene una donde otra fila tiene una raya"},
        Caso{"blancos_sin_la_primera_ni_la_ultima", NueveConBlancos(SinColumnas({1, 9})), "",
             "tiene columnas sin ninguna cifra y no se ve cuáles son"},
        Caso{"blancos_espaciados_sin_extremos", NueveConBlancos(SinColumnas({1, 9}), " "), "",
             "tiene columnas sin ninguna cifra y no se ve cuáles son"},
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
