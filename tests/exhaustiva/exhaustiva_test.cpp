// The exhaustive search: it counts solutions up to a bound and finishes on
// the puzzles the step-counted engine gives up on.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <numeric>
#include <random>
#include <string>
#include <vector>

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
    if (i < s.size()) s.replace(i, 1, 1, c);
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

// The plain backtracking search the count used to be: always the empty cell
// with the fewest digits left, digits in increasing order, no deductions.
// Slow but plainly right, it is the reference the fast count must agree with.
class Referencia {
public:
    int Contar(const Rejilla& tablero, int tope) {
        celdas = tablero;
        filas = columnas = bloques = {};
        halladas = 0;
        this->tope = tope;
        if (tope <= 0) return 0;
        for (int i = 0; i < 81; ++i) {
            const int d = celdas[static_cast<std::size_t>(i)];
            if (d == 0) continue;
            if (d > 9 || (Vistos(i) & (1u << (d - 1))) != 0) return 0;
            Marca(i, d);
        }
        Buscar();
        return halladas;
    }

private:
    static std::size_t Bloque(int i) { return static_cast<std::size_t>((i / 27) * 3 + (i % 9) / 3); }
    unsigned Vistos(int i) const {
        return filas[static_cast<std::size_t>(i / 9)] | columnas[static_cast<std::size_t>(i % 9)] | bloques[Bloque(i)];
    }
    void Marca(int i, int d) {
        const unsigned bit = 1u << (d - 1);
        filas[static_cast<std::size_t>(i / 9)] ^= bit;
        columnas[static_cast<std::size_t>(i % 9)] ^= bit;
        bloques[Bloque(i)] ^= bit;
    }
    void Buscar() {
        int mejor = -1, menos = 10;
        for (int i = 0; i < 81; ++i) {
            if (celdas[static_cast<std::size_t>(i)] != 0) continue;
            const int n = std::popcount(~Vistos(i) & 0x1FFu);
            if (n < menos) {
                mejor = i;
                menos = n;
            }
        }
        if (mejor < 0) {
            ++halladas;
            return;
        }
        const unsigned libres = ~Vistos(mejor) & 0x1FFu;
        for (int d = 1; d <= 9 && halladas < tope; ++d) {
            if ((libres & (1u << (d - 1))) == 0) continue;
            celdas[static_cast<std::size_t>(mejor)] = static_cast<std::uint8_t>(d);
            Marca(mejor, d);
            Buscar();
            Marca(mejor, d);
            celdas[static_cast<std::size_t>(mejor)] = 0;
        }
    }

    Rejilla celdas{};
    std::array<unsigned, 9> filas{}, columnas{}, bloques{};
    int halladas = 0, tope = 0;
};

// Boards of every kind drawn from full grids: emptied down to few givens
// (many solutions), given one wrong digit (often none), given a digit out of
// place in an empty region. Counts agree with the plain search at every
// bound, and the first solution completes the board.
TEST(Exhaustiva, CuentaComoLaBusquedaSencilla) {
    std::mt19937 azar(20261209);
    Referencia referencia;
    int conVarias = 0, sinNinguna = 0, conUna = 0;
    for (int n = 0; n < 60; ++n) {
        const Rejilla llena = Digitos(ARejilla(RejillaLlena(azar)));
        std::vector<int> orden(81);
        std::iota(orden.begin(), orden.end(), 0);
        std::shuffle(orden.begin(), orden.end(), azar);
        for (int vacias : {1, 20, 40, 48, 52, 56}) {
            Rejilla tablero = llena;
            for (int k = 0; k < vacias; ++k) tablero[static_cast<std::size_t>(orden[static_cast<std::size_t>(k)])] = 0;
            Rejilla erroneo = tablero;
            // A wrong digit in the last emptied cell.
            const auto ultima = static_cast<std::size_t>(orden[static_cast<std::size_t>(vacias - 1)]);
            erroneo[ultima] = static_cast<std::uint8_t>(llena[ultima] % 9 + 1);
            for (const Rejilla& r : {tablero, erroneo}) {
                for (int tope : {1, 2, 3, 40}) {
                    Rejilla primera{};
                    const int esperado = referencia.Contar(r, tope);
                    ASSERT_EQ(ContarSoluciones(r, tope, &primera), esperado) << "tope " << tope << ", vacias " << vacias;
                    if (esperado > 0) {
                        EXPECT_TRUE(Resuelve(r, primera));
                    }
                    if (tope == 2) (esperado == 0 ? sinNinguna : esperado == 1 ? conUna : conVarias)++;
                }
            }
        }
    }
    // The draw covers every answer.
    EXPECT_GT(conVarias, 20);
    EXPECT_GT(sinNinguna, 20);
    EXPECT_GT(conUna, 20);
}

// Puzzles with 17 givens, the fewest a single-solution puzzle can have.
TEST(Exhaustiva, DiecisietePistasTienenUnaSolucion) {
    for (const char* texto : {
             ".......1.4.........2...........5.4.7..8...3....1.9....3..4..2...5.1........8.6...",
             ".......12....35......6...7.7.....3.....4..8..1...........12.....8.....4..5....6..",
             ".......12..36..........7...41..2.......5..3..7.....6..28.....4....3..5...........",
             ".......61.5.7.....2....9......8..3..4.1......6............6..8..3..4.....2....7..",
             "......2.41..9.............868.7........1..73..4...........25...5......9.....4....",
         }) {
        const Rejilla tablero = Digitos(texto);
        Rejilla primera{};
        EXPECT_EQ(ContarSoluciones(tablero, 2, &primera), 1) << texto;
        EXPECT_TRUE(Resuelve(tablero, primera)) << texto;
        // Take one given away and the puzzle has several.
        Rejilla menos = tablero;
        *std::find_if(menos.begin(), menos.end(), [](std::uint8_t d) { return d != 0; }) = 0;
        EXPECT_EQ(ContarSoluciones(menos, 2), 2) << texto;
    }
}

// Givens that cannot stand, each with its reason.
TEST(Exhaustiva, DatosImposiblesNoTienenSolucion) {
    const std::string vacio(81, '.');
    const std::string llena = Resuelta();
    struct Imposible {
        const char* razon;
        Rejilla tablero;
    };
    std::vector<Imposible> casos = {
        {"repetido en una columna", Digitos(Con(Con(vacio, 4, '3'), 76, '3'))},
        {"repetido en un bloque", Digitos(Con(Con(vacio, 30, '7'), 50, '7'))},
        {"llena con dos casillas cambiadas", Digitos(Con(Con(llena, 0, llena[1]), 1, llena[0]))},
        // Two cells of a row whose only digit left is the same one.
        {"dos casillas con el mismo ultimo digito", Digitos("..34567891" + std::string(71, '.'))},
    };
    Rejilla diez = Digitos(vacio);
    diez[10] = 10;
    casos.push_back({"un diez", diez});
    Rejilla grande = Digitos(llena);
    grande[80] = 255;
    casos.push_back({"fuera de rango en una llena", grande});
    Rejilla intacta{};
    intacta.fill(7);
    for (const Imposible& c : casos) {
        Rejilla primera = intacta;
        EXPECT_EQ(ContarSoluciones(c.tablero, 5, &primera), 0) << c.razon;
        EXPECT_EQ(primera, intacta) << c.razon;
    }
}

// The empty board counts up to any bound, and its first solution is a grid.
TEST(Exhaustiva, ElTableroVacioLlegaAlTope) {
    const Rejilla vacio{};
    for (int tope : {1, 2, 3, 1000}) {
        Rejilla primera{};
        EXPECT_EQ(ContarSoluciones(vacio, tope, &primera), tope);
        EXPECT_TRUE(Resuelve(vacio, primera));
    }
    EXPECT_EQ(ContarSoluciones(vacio, -1), 0);
}

// A full, valid board is its own single solution.
TEST(Exhaustiva, UnaLlenaEsSuPropiaSolucion) {
    std::mt19937 azar(3);
    for (int n = 0; n < 20; ++n) {
        const Rejilla llena = Digitos(ARejilla(RejillaLlena(azar)));
        Rejilla primera{};
        EXPECT_EQ(ContarSoluciones(llena, 2, &primera), 1);
        EXPECT_EQ(primera, llena);
    }
}

// A position with pencil marks: the count keeps to the marks of the empty
// cells and reads nothing of the filled ones.
TEST(Exhaustiva, LasMarcasLimitanLaCuenta) {
    std::mt19937 azar(11);
    const Rejilla llena = Digitos(ARejilla(RejillaLlena(azar)));
    Rejilla tablero = llena;
    for (int i = 0; i < 81; i += 2) tablero[static_cast<std::size_t>(i)] = 0;  // 41 cells open
    const auto bit = [&](int i) { return static_cast<std::uint16_t>(1u << llena[static_cast<std::size_t>(i)]); };
    Permitidos todas{};
    todas.fill(0x3FE);
    Permitidos solo_la_suya{};
    for (int i = 0; i < 81; ++i) solo_la_suya[static_cast<std::size_t>(i)] = bit(i);
    Permitidos sin_la_suya = todas;
    sin_la_suya[40] = static_cast<std::uint16_t>(0x3FE & ~bit(40));
    Permitidos vacia = todas;
    vacia[0] = 0;
    Permitidos llenas_a_cero = todas;
    for (int i = 1; i < 81; i += 2) llenas_a_cero[static_cast<std::size_t>(i)] = 0;
    struct {
        const char* nombre;
        const Permitidos& marcas;
        int esperado;
    } casos[] = {
        {"todas las cifras: como sin marcas", todas, ContarSoluciones(tablero, 2)},
        {"solo la cifra de la solución", solo_la_suya, 1},
        {"falta la cifra de la solución en una", sin_la_suya, 0},
        {"una casilla vacía sin marcas", vacia, 0},
        {"las casillas llenas no se leen", llenas_a_cero, ContarSoluciones(tablero, 2)},
    };
    for (const auto& c : casos) {
        Rejilla primera{};
        EXPECT_EQ(ContarSoluciones(tablero, c.marcas, 2, &primera), c.esperado) << c.nombre;
        if (c.esperado > 0) {
            EXPECT_TRUE(Resuelve(tablero, primera)) << c.nombre;
            for (int i = 0; i < 81; ++i)
                if (tablero[static_cast<std::size_t>(i)] == 0) {
                    EXPECT_TRUE(c.marcas[static_cast<std::size_t>(i)] & (1u << primera[static_cast<std::size_t>(i)]))
                        << c.nombre << ", casilla " << i;
                }
        }
    }
    EXPECT_EQ(ContarSoluciones(tablero, todas, 0), 0);
}

}  // namespace
}  // namespace novenario::prueba
