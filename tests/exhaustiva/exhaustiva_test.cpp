// The exhaustive search: it counts solutions up to a bound and finishes on
// the puzzles the step-counted engine gives up on.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "solver/busqueda.h"
#include "exhaustiva/exhaustiva.h"
#include "solver/tableros_prueba.h"

namespace novenario::prueba {
namespace {

Rejilla Digitos(std::string_view texto) {
    Rejilla r{};
    for (std::size_t i = 0; i < r.size() && i < texto.size(); ++i)
        r[i] = (texto[i] >= '1' && texto[i] <= '9') ? static_cast<std::uint8_t>(texto[i] - '0') : 0;
    return r;
}

// A solution: every row, column and block holds 1..9, and the givens stay.
bool Resuelve(const Rejilla& tablero, const Rejilla& solucion) {
    std::string texto;
    for (std::size_t i = 0; i < 81; ++i) {
        if (solucion[i] < 1 || solucion[i] > 9) return false;
        if (tablero[i] != 0 && tablero[i] != solucion[i]) return false;
        texto += static_cast<char>('0' + solucion[i]);
    }
    return SinRepetidos(DesdeRejilla(texto));
}

// Hard published puzzles; the second, of 17 givens, is built against a
// search in reading order and the engine's million steps do not reach its end.
constexpr const char* kEscargot =
    "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..";
constexpr const char* kDiecisiete =
    "..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9";

struct Caso {
    const char* nombre;
    std::string tablero;
    int tope;
    int soluciones;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nombre; }

std::string Resuelta() {
    std::mt19937 azar(7);
    return ARejilla(RejillaLlena(azar));
}

std::string Con(std::string s, std::size_t i, char c) {
    s[i] = c;
    return s;
}

class Conteo : public testing::TestWithParam<Caso> {};

TEST_P(Conteo, CuentaHastaElTopeYLaPrimeraEsUnaSolucion) {
    const Caso& k = GetParam();
    const Rejilla tablero = Digitos(k.tablero);
    Rejilla primera{};
    EXPECT_EQ(ContarSoluciones(tablero, k.tope, &primera), k.soluciones);
    if (k.soluciones > 0) {
        EXPECT_TRUE(Resuelve(tablero, primera));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tableros, Conteo,
    testing::Values(Caso{"vacio", std::string(81, '.'), 2, 2}, Caso{"vacio con tope 1", std::string(81, '.'), 1, 1},
                    Caso{"tope 0", std::string(81, '.'), 0, 0}, Caso{"resuelto", Resuelta(), 2, 1},
                    Caso{"resuelto sin una casilla", Con(Resuelta(), 40, '.'), 2, 1},
                    // Two equal digits in the first row: no solution at all.
                    Caso{"repetido", Con(Con(std::string(81, '.'), 0, '5'), 8, '5'), 2, 0},
                    // The first cell sees 1..8 in its row and 9 in its column.
                    Caso{"sin candidato", "." + std::string("12345678") + "9" + std::string(71, '.'), 2, 0},
                    Caso{"escargot", kEscargot, 2, 1}, Caso{"diecisiete pistas", kDiecisiete, 2, 1}));

// Where the game's engine runs out of steps, the exhaustive search still
// finds the solution.
TEST(Exhaustiva, ResuelveLoQueElMotorNoAlcanza) {
    Busqueda motor(DesdeRejilla(kDiecisiete));
    motor.Ejecutar(999999, false, nullptr);
    EXPECT_EQ(motor.Resultado(), "ST");
    Rejilla solucion{};
    ASSERT_EQ(ContarSoluciones(Digitos(kDiecisiete), 1, &solucion), 1);
    EXPECT_TRUE(Resuelve(Digitos(kDiecisiete), solucion));
}

}  // namespace
}  // namespace novenario::prueba
