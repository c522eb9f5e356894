// The search of "Calcula" on boards whose outcome follows from their shape:
// boards with nothing to do, cells that each have one digit left, givens that
// repeat a digit, runs that meet the step limit, and the texts a loaded game
// may hold. Every case runs on both paths.
#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <vector>

#include "solver/busqueda.h"
#include "tableros_prueba.h"

namespace novenario {
namespace {

using prueba::ARejilla;
using prueba::DesdeRejilla;
using prueba::En;
using prueba::Valores;

constexpr long long SinLimite = std::numeric_limits<long long>::max();

// Runs the board on both paths with the same arguments and checks that they
// agree; gives back the plain one.
Busqueda AmbosCaminos(const Valores& v, long long limite, bool ver_proceso = false) {
    Busqueda rapida(v);
    Busqueda literal(v, Camino::Literal);
    EXPECT_TRUE(rapida.EsRapida());
    EXPECT_FALSE(literal.EsRapida());
    rapida.Ejecutar(limite, ver_proceso, nullptr);
    literal.Ejecutar(limite, ver_proceso, nullptr);
    prueba::EsperaIguales(rapida, literal);
    return literal;
}

Valores Llena(unsigned semilla) {
    std::mt19937 azar(semilla);
    return prueba::RejillaLlena(azar);
}

// Nine cells, one per row, column and block: emptied in a full grid, each has
// exactly one digit left and the search never goes back.
const std::vector<std::pair<int, int>> Diagonal{{1, 1}, {2, 4}, {3, 7}, {4, 2}, {5, 5},
                                                {6, 8}, {7, 3}, {8, 6}, {9, 9}};

// ---- Which path a board takes --------------------------------------------

struct CasoCamino {
    const char* nombre;
    std::string valor;  // written into P5_5
    bool rapida;
};

void PrintTo(const CasoCamino& k, std::ostream* os) { *os << k.nombre; }

class CaminoTest : public ::testing::TestWithParam<CasoCamino> {};

TEST_P(CaminoTest, SoloDigitosYVaciasVanPorElCaminoRapido) {
    Valores v{};
    v[static_cast<std::size_t>(tablero::Indice("P5_5"))] = GetParam().valor;
    EXPECT_EQ(Busqueda(v).EsRapida(), GetParam().rapida);
    EXPECT_FALSE(Busqueda(v, Camino::Literal).EsRapida());
}

INSTANTIATE_TEST_SUITE_P(Valores, CaminoTest,
                         ::testing::Values(CasoCamino{"vacia", "", true}, CasoCamino{"uno", "1", true},
                                           CasoCamino{"nueve", "9", true}, CasoCamino{"cero", "0", false},
                                           CasoCamino{"letra", "A", false}, CasoCamino{"blanco", " ", false},
                                           CasoCamino{"dos_caracteres", "55", false},
                                           CasoCamino{"dos_puntos", ":", false}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// ---- A board with no empty cell -------------------------------------------

class TableroLlenoTest : public ::testing::TestWithParam<long long> {};

TEST_P(TableroLlenoTest, NoHayPasoYElLimiteDecide) {
    const Valores v = Llena(7);
    const long long limite = GetParam();
    const Busqueda b = AmbosCaminos(v, limite);
    EXPECT_EQ(b.Pasos(), 0);
    EXPECT_EQ(b.Total_Paneles(), 0);
    EXPECT_EQ(b.Indice_Panel(), 0);
    EXPECT_EQ(b.Numero_Prueba(), 1);
    EXPECT_EQ(b.Panel_Activo(), "");
    EXPECT_TRUE(b.Pila().empty());
    EXPECT_EQ(b.Valores(), v);
    EXPECT_EQ(b.Numero_Activo(), "");
    EXPECT_EQ(b.Hay_Error(), "");
    EXPECT_EQ(b.EditComodin(), "");
    // Zero steps fail only a limit of zero or less.
    EXPECT_EQ(b.Fallo(), limite <= 0);
    EXPECT_EQ(b.Resultado(), limite <= 0 ? "ST" : "");
}

INSTANTIATE_TEST_SUITE_P(Limites, TableroLlenoTest, ::testing::Values(999999LL, 1LL, 0LL, -3LL, SinLimite));

// ---- Cells with one digit left, against the step limit ----------------------

class LimiteTest : public ::testing::TestWithParam<long long> {};

TEST_P(LimiteTest, CadaCasillaForzadaCuestaUnPaso) {
    const Valores llena = Llena(11);
    Valores v = llena;
    for (auto [f, c] : Diagonal) En(v, f, c).clear();
    const long long celdas = static_cast<long long>(Diagonal.size());
    const long long limite = GetParam();

    const Busqueda b = AmbosCaminos(v, limite);
    // The loop still takes a step when Pasos equals the limit.
    const long long esperados = limite < 0 ? 0 : std::min(celdas, limite + 1);
    EXPECT_EQ(b.Pasos(), esperados);
    EXPECT_EQ(b.Indice_Panel(), esperados);
    EXPECT_EQ(b.Panel_Activo(), esperados < celdas ? tablero::Nombre(b.ComboAux()[static_cast<std::size_t>(esperados)]) : "");
    EXPECT_EQ(b.AlturaPila(), esperados);
    // Using up the steps fails even when the last step filled the board.
    EXPECT_EQ(b.Fallo(), esperados >= limite);
    EXPECT_EQ(b.Resultado(), esperados >= limite ? "ST" : "");
    if (esperados > 0) {
        // The last trial placed the digit of the last cell filled.
        const int ultima = b.ComboAux()[static_cast<std::size_t>(esperados - 1)];
        EXPECT_EQ(b.Numero_Activo(), llena[static_cast<std::size_t>(ultima)]);
        EXPECT_EQ(b.Hay_Error(), "N");
        EXPECT_EQ(b.Valor_Anterior(), "");
    }
    EXPECT_EQ(b.EditComodin(), "");
    for (long long i = 0; i < celdas; ++i) {
        const int c = b.ComboAux()[static_cast<std::size_t>(i)];
        EXPECT_EQ(std::string(b.Valor(c)), i < esperados ? llena[static_cast<std::size_t>(c)] : "") << tablero::Nombre(c);
    }
}

INSTANTIATE_TEST_SUITE_P(AlrededorDeNueve, LimiteTest,
                         ::testing::Values(-1LL, 0LL, 1LL, 5LL, 7LL, 8LL, 9LL, 10LL, 11LL, 999999LL));

// ---- Givens that repeat a digit ------------------------------------------------

struct CasoRepetido {
    const char* nombre;
    std::pair<int, int> a, b;  // two cells that get the same "5"
};

void PrintTo(const CasoRepetido& k, std::ostream* os) { *os << k.nombre; }

class RepetidoTest : public ::testing::TestWithParam<CasoRepetido> {};

// The first cell of the list shares the group with the repeat: every trial
// there fails, the stack is empty, no solution after one step.
TEST_P(RepetidoTest, LaPrimeraCasillaNoAdmiteNingunDigito) {
    Valores v{};
    En(v, GetParam().a.first, GetParam().a.second) = "5";
    En(v, GetParam().b.first, GetParam().b.second) = "5";
    const Busqueda b = AmbosCaminos(v, 999999);
    EXPECT_EQ(b.Pasos(), 1);
    EXPECT_TRUE(b.Fallo());
    EXPECT_EQ(b.Resultado(), "SS");
    EXPECT_EQ(b.Numero_Prueba(), 10);
    EXPECT_FALSE(b.Encontrado());
    EXPECT_EQ(b.Indice_Panel(), 0);
    EXPECT_EQ(b.Panel_Activo(), "P1_1");
    EXPECT_EQ(b.Valores(), v);
    // The last trial was the 9, refused, on an empty cell; nothing was taken off the stack.
    EXPECT_EQ(b.Numero_Activo(), "9");
    EXPECT_EQ(b.Hay_Error(), "S");
    EXPECT_EQ(b.Valor_Anterior(), "");
    EXPECT_EQ(b.EditComodin(), "");
}

INSTANTIATE_TEST_SUITE_P(Grupos, RepetidoTest,
                         ::testing::Values(CasoRepetido{"Horizontal", {1, 5}, {1, 8}},
                                           CasoRepetido{"Vertical", {4, 1}, {7, 1}},
                                           CasoRepetido{"Bloque", {2, 2}, {3, 3}}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// A repeat in groups that have no empty cell changes nothing.
TEST(Repetido, EnGruposSinVaciasNoImporta) {
    const Valores llena = Llena(23);
    Valores v = llena;
    // Swapping two cells of row 1 inside block 1 repeats a digit in columns 1 and 2 only.
    std::swap(En(v, 1, 1), En(v, 1, 2));
    std::vector<int> vaciadas;
    for (auto [f, c] : Diagonal) {
        if (c <= 2) continue;
        En(v, f, c).clear();
        vaciadas.push_back(tablero::EnRejilla(f, c));
    }
    const Busqueda b = AmbosCaminos(v, 999999);
    EXPECT_FALSE(b.Fallo());
    EXPECT_EQ(b.Pasos(), static_cast<long long>(vaciadas.size()));
    for (int c : vaciadas) EXPECT_EQ(std::string(b.Valor(c)), llena[static_cast<std::size_t>(c)]);
}

// The last empty cell sits in a row with a repeat: the search fills the
// others, fails there, and goes back through every one of them.
class RepetidoAlFinalTest : public ::testing::TestWithParam<long long> {};

TEST_P(RepetidoAlFinalTest, VuelveAtrasHastaVaciarLaPila) {
    const Valores llena = Llena(31);
    Valores v = llena;
    long long n = 0;
    for (auto [f, c] : Diagonal) {
        // Column 1 and block 7 get a repeat below and must keep no empty cell.
        if (c == 1 || (f == 7 && c == 3)) continue;
        En(v, f, c).clear();
        ++n;
    }
    // Row 9, column 1 and block 7 repeat a digit; only row 9 has an empty cell, the last one.
    En(v, 9, 1) = En(v, 9, 2);
    const long long limite = GetParam();
    const Busqueda b = AmbosCaminos(v, limite);
    // n - 1 steps forward, one failing step at the last cell, n - 1 steps back.
    const long long natural = 2 * n - 1;
    const long long esperados = std::min(natural, limite + 1);
    EXPECT_EQ(b.Pasos(), esperados);
    EXPECT_TRUE(b.Fallo());
    EXPECT_EQ(b.Resultado(), esperados < limite ? "SS" : "ST");
    // The stack grows for n - 1 steps and then shrinks by one a step.
    const long long altura = esperados <= n - 1 ? esperados : std::max(0LL, 2 * (n - 1) - esperados);
    EXPECT_EQ(b.AlturaPila(), altura);
    if (esperados == natural) {
        EXPECT_EQ(b.Valores(), v);
        EXPECT_EQ(b.Indice_Panel(), 0);
        // The last digit taken back was the first cell's, and its trials failed.
        EXPECT_EQ(b.EditComodin(), llena[static_cast<std::size_t>(b.ComboAux().front())]);
        EXPECT_EQ(b.Hay_Error(), "S");
    }
}

INSTANTIATE_TEST_SUITE_P(Limites, RepetidoAlFinalTest,
                         ::testing::Values(999999LL, 14LL, 13LL, 12LL, 11LL, 9LL, 3LL));

// ---- The empty board --------------------------------------------------------

TEST(TableroVacio, SeLlenaEnOrdenDeLecturaConElMenorDigito) {
    const Valores v{};
    const Busqueda b = AmbosCaminos(v, 999999);
    EXPECT_FALSE(b.Fallo());
    EXPECT_EQ(b.Total_Paneles(), 81);
    EXPECT_EQ(b.Indice_Panel(), 81);
    EXPECT_EQ(b.Panel_Activo(), "");
    EXPECT_EQ(b.AlturaPila(), 81);
    EXPECT_EQ(prueba::Vacias(b.Valores()), 0);
    EXPECT_TRUE(prueba::SinRepetidos(b.Valores()));
    // Nothing constrains the first row, so it takes 1 to 9 in order.
    EXPECT_EQ(ARejilla(b.Valores()).substr(0, 9), "123456789");
    // ComboAux is the grid reading order itself.
    EXPECT_EQ(b.ComboAux(), std::vector<int>(tablero::OrdenRejilla().begin(), tablero::OrdenRejilla().end()));
    // The stack holds the digits of the cells in that order.
    for (int i = 0; i < 81; ++i) {
        EXPECT_EQ(b.Pila()[static_cast<std::size_t>(i)], b.Valor(b.ComboAux()[static_cast<std::size_t>(i)])[0] - '0');
    }
}

// ---- A second run continues from the board the first one left -----------------

TEST(SegundaEjecucion, EmpiezaDesdeElTableroQueQuedo) {
    const Valores v{};
    Busqueda rapida(v);
    Busqueda literal(v, Camino::Literal);
    rapida.Ejecutar(20, false, nullptr);
    literal.Ejecutar(20, false, nullptr);
    const int quedan = prueba::Vacias(rapida.Valores());
    rapida.Ejecutar(999999, false, nullptr);
    literal.Ejecutar(999999, false, nullptr);
    prueba::EsperaIguales(rapida, literal);
    EXPECT_EQ(rapida.Total_Paneles(), quedan);
    EXPECT_LT(quedan, 81);
}

// ---- Texts a loaded game may hold: the plain path ------------------------------

struct CasoLetra {
    std::string valor;  // in P1_2, the rest empty
    bool falla_al_primer_paso;
};

void PrintTo(const CasoLetra& k, std::ostream* os) { *os << '"' << k.valor << '"'; }

class LetraTest : public ::testing::TestWithParam<CasoLetra> {};

// An empty cell keeps the letter of its slot, "A" to "I". A value equal to
// the letter of another empty slot of a group of P1_1 (slots 3 to 9 of block
// 1 and of row 1) repeats, so P1_1 takes no digit at all.
TEST_P(LetraTest, LasLetrasDeRellenoSeComparanComoValores) {
    Valores v{};
    v[static_cast<std::size_t>(tablero::Indice("P1_2"))] = GetParam().valor;
    Busqueda b(v);
    EXPECT_FALSE(b.EsRapida());
    b.Ejecutar(999999, false, nullptr);
    if (GetParam().falla_al_primer_paso) {
        EXPECT_EQ(b.Pasos(), 1);
        EXPECT_EQ(b.Resultado(), "SS");
        EXPECT_EQ(b.Valores(), v);
    } else {
        EXPECT_GT(b.Pasos(), 1);
        EXPECT_EQ(b.Valor(tablero::Indice("P1_1")), "1");
    }
}

INSTANTIATE_TEST_SUITE_P(Letras, LetraTest,
                         ::testing::Values(CasoLetra{"A", false}, CasoLetra{"B", false}, CasoLetra{"C", true},
                                           CasoLetra{"E", true}, CasoLetra{"I", true}, CasoLetra{"J", false},
                                           CasoLetra{"0", false}, CasoLetra{"a", false}, CasoLetra{" ", false}));

// A value of several characters counts by its first one, exactly as the digit
// alone would.
TEST(Letras, UnValorLargoCuentaPorSuPrimerCaracter) {
    for (const char* largo : {"55", "5x", "5 "}) {
        SCOPED_TRACE(largo);
        Valores con_largo{}, con_digito{};
        const auto p = static_cast<std::size_t>(tablero::Indice("P2_5"));
        con_largo[p] = largo;
        con_digito[p] = "5";
        Busqueda literal(con_largo);
        Busqueda rapida(con_digito);
        ASSERT_FALSE(literal.EsRapida());
        literal.Ejecutar(3000, false, nullptr);
        rapida.Ejecutar(3000, false, nullptr);
        EXPECT_EQ(literal.Pasos(), rapida.Pasos());
        EXPECT_EQ(literal.Pila(), rapida.Pila());
        EXPECT_EQ(literal.Resultado(), rapida.Resultado());
        EXPECT_EQ(literal.ComboAux(), rapida.ComboAux());
        Valores fin = literal.Valores();
        EXPECT_EQ(fin[p], largo);
        fin[p] = "5";
        EXPECT_EQ(fin, rapida.Valores());
    }
}

// ---- Reading out of range, calls at odd times --------------------------------------

TEST(Lecturas, FueraDeRangoDanTextoVacio) {
    Valores v{};
    v[0] = "7";
    for (Camino camino : {Camino::Automatico, Camino::Literal}) {
        const Busqueda b(v, camino);
        EXPECT_EQ(b.Valor(0), "7");
        for (int c : {-1, 81, 1000, std::numeric_limits<int>::min()}) EXPECT_EQ(b.Valor(c), "") << c;
        EXPECT_EQ(b.Panel_Activo(), "");
        EXPECT_TRUE(b.Pila().empty());
        EXPECT_EQ(b.Pasos(), 0);
        EXPECT_FALSE(b.Fallo());
        EXPECT_EQ(b.Resultado(), "");
    }
}

TEST(Cancelar, AntesDeEjecutarNoCuenta) {
    const Valores v{};
    Busqueda cancelada(v);
    cancelada.Cancelar();
    EXPECT_EQ(cancelada.Indice_Panel(), 99999);
    EXPECT_EQ(cancelada.Numero_Prueba(), 99);
    EXPECT_EQ(cancelada.Panel_Activo(), "");
    cancelada.Ejecutar(999999, false, nullptr);
    Busqueda normal(v);
    normal.Ejecutar(999999, false, nullptr);
    prueba::EsperaIguales(cancelada, normal);
}

// A pump that tries to start a second search on the running one changes nothing.
class BombaQueRelanza final : public Bomba {
public:
    explicit BombaQueRelanza(Busqueda& b) : busqueda(b) {}
    void Bombea(Momento) override {
        const long long antes = busqueda.Pasos();
        busqueda.Ejecutar(5, true, this);
        if (busqueda.Pasos() != antes) cambio = true;
        ++llamadas;
    }
    Busqueda& busqueda;
    bool cambio = false;
    int llamadas = 0;
};

TEST(Bomba, EjecutarDesdeUnaBombaNoHaceNada) {
    const Valores v = DesdeRejilla("4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......");
    for (Camino camino : {Camino::Automatico, Camino::Literal}) {
        Busqueda b(v, camino);
        BombaQueRelanza bomba(b);
        b.Ejecutar(300, true, &bomba);
        Busqueda sola(v, camino);
        sola.Ejecutar(300, true, nullptr);
        EXPECT_FALSE(bomba.cambio);
        EXPECT_GT(bomba.llamadas, 300);
        prueba::EsperaIguales(b, sola);
    }
}

}  // namespace
}  // namespace novenario
