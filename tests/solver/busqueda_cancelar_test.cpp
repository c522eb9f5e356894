// "Cancelar" pressed during a pump: before the first step, after a step, or
// inside Limpia_Campo on a backtrack, where the step under way finishes its
// work (pop, Numero_Prueba, Indice_Panel - 1) before the loop notices. Both
// paths must stop at the same place; the pumps' records say where that is.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "solver/busqueda.h"
#include "tableros_prueba.h"
#include "candidates/candidatos.h"

namespace novenario {
namespace {

using prueba::BombaRegistro;
using prueba::Instantanea;
using prueba::Valores;

constexpr const char* Dificil =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";

enum class Tablero { Dificil, Vacio, PrimeraSinDigito, Forzado };

Valores Construye(Tablero t) {
    switch (t) {
        case Tablero::Dificil: return prueba::DesdeRejilla(Dificil);
        case Tablero::Vacio: return Valores{};
        case Tablero::PrimeraSinDigito: {
            // Row 1 repeats a 5, so P1_1 takes nothing and the stack is empty at once.
            Valores v{};
            prueba::En(v, 1, 5) = "5";
            prueba::En(v, 1, 8) = "5";
            return v;
        }
        case Tablero::Forzado: break;
    }
    // A full grid with one cell per row, column and block emptied.
    std::mt19937 azar(5u);
    Valores v = prueba::RejillaLlena(azar);
    for (int i = 1; i <= 9; ++i) prueba::En(v, i, 3 * ((i - 1) % 3) + (i - 1) / 3 + 1).clear();
    return v;
}

struct CasoCancelar {
    const char* nombre;
    Tablero tablero;
    Momento momento;
    int en;  // the n-th pump of that moment
    bool ver_proceso;
    long long limite;
};

void PrintTo(const CasoCancelar& k, std::ostream* os) { *os << k.nombre; }

// The run stopped by the cancel, on one path, with everything its pumps saw.
struct Corrida {
    explicit Corrida(const Valores& v, Camino camino) : busqueda(v, camino), bomba(busqueda) {}
    Busqueda busqueda;
    BombaRegistro bomba;
};

class CancelarTest : public ::testing::TestWithParam<CasoCancelar> {};

TEST_P(CancelarTest, AmbosCaminosParanEnElMismoSitio) {
    const CasoCancelar& k = GetParam();
    const Valores v = Construye(k.tablero);
    Corrida rapida(v, Camino::Automatico), literal(v, Camino::Literal);
    ASSERT_TRUE(rapida.busqueda.EsRapida());
    for (Corrida* c : {&rapida, &literal}) {
        c->bomba.CancelaEn(k.momento, k.en);
        c->busqueda.Ejecutar(k.limite, k.ver_proceso, &c->bomba);
    }
    prueba::EsperaIguales(rapida.busqueda, literal.busqueda);
    EXPECT_EQ(prueba::PrimeraDiferencia(rapida.bomba.registro, literal.bomba.registro), -1);

    // The pump that cancelled, as it saw the search.
    const std::vector<Instantanea>& registro = literal.bomba.registro;
    std::size_t donde = registro.size();
    for (std::size_t i = 0, n = 0; i < registro.size(); ++i) {
        if (registro[i].momento == k.momento && ++n == static_cast<std::size_t>(k.en)) donde = i;
    }
    ASSERT_LT(donde, registro.size()) << "the run ended before that pump";
    const Instantanea& s = registro[donde];
    const Busqueda& b = literal.busqueda;
    EXPECT_EQ(b.Pasos(), s.pasos);
    EXPECT_EQ(prueba::ARejilla(b.Valores()), s.tablero);
    EXPECT_EQ(b.Panel_Activo(), "");

    switch (k.momento) {
        case Momento::AlEmpezar:
        case Momento::TrasPaso:
            // Nothing moves after the cancel: the loop stops at its check.
            EXPECT_EQ(registro.size(), donde + 1);
            EXPECT_EQ(b.Indice_Panel(), 99999);
            EXPECT_EQ(b.Numero_Prueba(), 99);
            EXPECT_EQ(b.Pila(), s.pila);
            EXPECT_EQ(b.Fallo(), s.pasos >= k.limite);
            break;
        case Momento::AlVaciar:
            if (s.pila.empty()) {
                // Nothing left to take back: the run fails as without the cancel.
                EXPECT_TRUE(b.Fallo());
                EXPECT_EQ(b.Indice_Panel(), 99999);
                EXPECT_EQ(b.Numero_Prueba(), 99);
                EXPECT_EQ(registro.size(), donde + 1);
            } else {
                // The backtrack finishes: the top digit leaves the stack, and
                // Numero_Prueba follows it unless it was a 9.
                std::vector<int> pila = s.pila;
                const int cima = pila.back();
                pila.pop_back();
                EXPECT_EQ(b.Pila(), pila);
                EXPECT_EQ(b.Indice_Panel(), 99998);
                EXPECT_EQ(b.Numero_Prueba(), cima < 9 ? cima + 1 : 99);
                EXPECT_EQ(b.Fallo(), s.pasos >= k.limite);
                // The step still ends with its own pump when the run shows its work.
                EXPECT_EQ(registro.size(), donde + (k.ver_proceso ? 2 : 1));
            }
            break;
    }
    if (!k.ver_proceso) {
        EXPECT_EQ(literal.bomba.Cuenta(Momento::TrasPaso), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Momentos, CancelarTest,
    ::testing::Values(
        CasoCancelar{"AlEmpezar", Tablero::Dificil, Momento::AlEmpezar, 1, true, 999999},
        CasoCancelar{"AlEmpezarSinLimite", Tablero::Dificil, Momento::AlEmpezar, 1, false, 0},
        CasoCancelar{"TrasPaso1", Tablero::Dificil, Momento::TrasPaso, 1, true, 999999},
        CasoCancelar{"TrasPaso2", Tablero::Dificil, Momento::TrasPaso, 2, true, 999999},
        CasoCancelar{"TrasPaso777", Tablero::Dificil, Momento::TrasPaso, 777, true, 999999},
        CasoCancelar{"TrasPasoAntesDelLimite", Tablero::Dificil, Momento::TrasPaso, 99, true, 100},
        CasoCancelar{"TrasPasoEnElLimite", Tablero::Dificil, Momento::TrasPaso, 100, true, 100},
        CasoCancelar{"TrasPasoPasadoElLimite", Tablero::Dificil, Momento::TrasPaso, 101, true, 100},
        CasoCancelar{"TrasPasoVacio", Tablero::Vacio, Momento::TrasPaso, 40, true, 999999},
        CasoCancelar{"TrasElUltimoPaso", Tablero::Forzado, Momento::TrasPaso, 9, true, 999999},
        CasoCancelar{"AlVaciar1", Tablero::Dificil, Momento::AlVaciar, 1, true, 999999},
        CasoCancelar{"AlVaciar1SinVer", Tablero::Dificil, Momento::AlVaciar, 1, false, 999999},
        CasoCancelar{"AlVaciar300", Tablero::Dificil, Momento::AlVaciar, 300, true, 999999},
        CasoCancelar{"AlVaciar300SinVer", Tablero::Dificil, Momento::AlVaciar, 300, false, 999999},
        CasoCancelar{"AlVaciarVacio", Tablero::Vacio, Momento::AlVaciar, 25, false, 999999},
        CasoCancelar{"AlVaciarPilaVacia", Tablero::PrimeraSinDigito, Momento::AlVaciar, 1, true, 999999},
        CasoCancelar{"AlVaciarPilaVaciaSinVer", Tablero::PrimeraSinDigito, Momento::AlVaciar, 1, false, 999999}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Cancels at the first backtrack whose top digit is a 9, and at the first
// whose top is smaller, found from a run that is not cancelled.
TEST(Cancelar, AlVaciarConNueveYSinNueveEnLaCima) {
    const Valores v = prueba::DesdeRejilla(Dificil);
    Busqueda libre(v);
    BombaRegistro todo(libre);
    libre.Ejecutar(20000, false, &todo);
    int con_nueve = 0, sin_nueve = 0;
    for (int i = 0, n = 0; i < static_cast<int>(todo.registro.size()); ++i) {
        const Instantanea& s = todo.registro[static_cast<std::size_t>(i)];
        if (s.momento != Momento::AlVaciar) continue;
        ++n;
        if (s.pila.empty()) continue;
        if (s.pila.back() == 9 && con_nueve == 0) con_nueve = n;
        if (s.pila.back() < 9 && sin_nueve == 0) sin_nueve = n;
    }
    ASSERT_GT(con_nueve, 0);
    ASSERT_GT(sin_nueve, 0);
    for (int n : {con_nueve, sin_nueve}) {
        SCOPED_TRACE(n);
        Corrida rapida(v, Camino::Automatico), literal(v, Camino::Literal);
        for (Corrida* c : {&rapida, &literal}) {
            c->bomba.CancelaEn(Momento::AlVaciar, n);
            c->busqueda.Ejecutar(20000, false, &c->bomba);
        }
        prueba::EsperaIguales(rapida.busqueda, literal.busqueda);
        const Instantanea& s = literal.bomba.registro.back();
        EXPECT_EQ(s.momento, Momento::AlVaciar);
        EXPECT_EQ(rapida.busqueda.Numero_Prueba(), n == con_nueve ? 99 : s.pila.back() + 1);
        EXPECT_EQ(rapida.busqueda.AlturaPila(), static_cast<int>(s.pila.size()) - 1);
    }
}

// Without a cancel the pumps come in order: one at the start, then per step
// an optional AlVaciar (the current cell already empty) and a TrasPaso.
TEST(Bombas, UnaAlEmpezarYUnaTrasCadaPaso) {
    for (Tablero t : {Tablero::Dificil, Tablero::Vacio, Tablero::Forzado}) {
        const Valores v = Construye(t);
        Busqueda b(v);
        BombaRegistro bomba(b);
        b.Ejecutar(3000, true, &bomba);
        ASSERT_FALSE(bomba.registro.empty());
        EXPECT_EQ(bomba.registro.front().momento, Momento::AlEmpezar);
        EXPECT_EQ(bomba.Cuenta(Momento::AlEmpezar), 1);
        EXPECT_EQ(bomba.Cuenta(Momento::TrasPaso), b.Pasos());
        for (std::size_t i = 1; i < bomba.registro.size(); ++i) {
            const Instantanea& s = bomba.registro[i];
            if (s.momento != Momento::AlVaciar) continue;
            // Limpia_Campo has emptied the current cell before its pump.
            ASSERT_GE(s.indice, 0);
            ASSERT_LT(s.indice, b.Total_Paneles());
            const int c = b.ComboAux()[static_cast<std::size_t>(s.indice)];
            const auto posicion = static_cast<std::size_t>((tablero::Fila(c) - 1) * 9 + tablero::Columna(c) - 1);
            EXPECT_EQ(s.tablero[posicion], '.');
            // The step ends one cell back.
            ASSERT_LT(i + 1, bomba.registro.size());
            EXPECT_EQ(bomba.registro[i + 1].momento, Momento::TrasPaso);
            EXPECT_EQ(bomba.registro[i + 1].indice, s.indice - 1);
            EXPECT_EQ(bomba.registro[i + 1].pasos, s.pasos);
        }
    }
}

}  // namespace
}  // namespace novenario
