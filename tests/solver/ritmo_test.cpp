// The pace of a "Calcula" the player watches, on the simulated clock of the
// fake outside world: how many steps each frame shows and when, a run to the
// step limit, "Pausa" and "Cancelar" at frames early, in the middle and at the
// end of a run, and the same steps, outcome and board as a run not watched.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "board/entorno_falso.h"
#include "board/juego.h"
#include "solver/ritmo.h"
#include "candidates/candidatos.h"

namespace novenario::prueba {
namespace {

const std::string kVacio(81, '.');
// Runs out of steps long before it is solved.
const std::string kDificil =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
// A new game of level 5 (30 givens).
const std::string kNivel5 =
    "...345.7.....692585......4.....5..2.75.........6724..5.....65.26..59.7.....47...3";

// ---- the schedule on its own ----------------------------------------------

// The frame on which a run of that many steps shows its last step.
long long UltimoFotograma(long long pasos) {
    long long k = 0, hechos = 0;
    while (hechos < pasos) hechos += ritmo::PasosDelFotograma(++k);
    return k;
}

double Segundos(long long fotograma) { return static_cast<double>(ritmo::MomentoDelFotograma(fotograma)) / 1000.0; }

TEST(Ritmo, LosPrimeros120PasosTienenCadaUnoSuFotograma) {
    for (long long k = 1; k <= 120; ++k) ASSERT_EQ(ritmo::PasosDelFotograma(k), 1) << "frame " << k;
    EXPECT_EQ(UltimoFotograma(120), 120);
    // The doubling starts from one step: the third second is still step by step.
    EXPECT_EQ(UltimoFotograma(180), 180);
    EXPECT_EQ(ritmo::PasosDelFotograma(181), 2);
}

TEST(Ritmo, DespuesLosPasosPorFotogramaCrecenSinSaltosYSeDoblanCadaSegundo) {
    for (long long k = 1; k < 3000; ++k) {
        const long long n = ritmo::PasosDelFotograma(k), siguiente = ritmo::PasosDelFotograma(k + 1);
        ASSERT_GE(siguiente, n) << "frame " << k;
        // No frame jumps ahead by more than a few percent of the last.
        ASSERT_LE(siguiente, n + n / 50 + 1) << "frame " << k;
    }
    for (long long k = 300; k < 1800; k += 60) {
        const double razon = static_cast<double>(ritmo::PasosDelFotograma(k + ritmo::FotogramasPorSegundo)) /
                             static_cast<double>(ritmo::PasosDelFotograma(k));
        EXPECT_NEAR(razon, 2.0, 0.05) << "frame " << k;
    }
    EXPECT_EQ(ritmo::PasosDelFotograma(1'000'000), ritmo::MaximoPorFotograma);
}

struct CasoDuracion {
    long long pasos;
    double minimo, maximo;  // seconds from the first frame to the last
};

class DuracionDeUnaCorrida : public ::testing::TestWithParam<CasoDuracion> {};

TEST_P(DuracionDeUnaCorrida, TerminaEnUnTiempoRazonable) {
    const CasoDuracion& c = GetParam();
    const double s = Segundos(UltimoFotograma(c.pasos));
    EXPECT_GE(s, c.minimo) << c.pasos << " steps";
    EXPECT_LE(s, c.maximo) << c.pasos << " steps";
}

INSTANTIATE_TEST_SUITE_P(
    Pasos, DuracionDeUnaCorrida,
    ::testing::Values(CasoDuracion{1, 0.0, 0.02}, CasoDuracion{60, 0.99, 1.01}, CasoDuracion{120, 1.99, 2.01},
                      // A level 5 game takes a few hundred steps.
                      CasoDuracion{200, 2.0, 6.0}, CasoDuracion{626, 2.0, 6.0}, CasoDuracion{1000, 2.0, 6.0},
                      // The limit: 999999 allowed, the run stops on step 1000000.
                      CasoDuracion{1'000'000, 10.0, 20.0}));

// ---- runs through the game on the fake clock ----------------------------------

// What one frame showed.
struct Fotograma {
    long long momento = 0;
    long long pasos = 0;
    std::string tablero;
    std::string contador;
};

class CalculaARitmo : public Partida {
protected:
    void SetUp() override {
        Partida::SetUp();
        ent.SiempreBombear = false;
        // A frame is a wait; the pumps around the run are not frames.
        ent.CadaBombeo = [this] {
            if (ent.Esperas.size() <= fotos.size()) return;
            fotos.push_back({ent.Reloj, f.Motor.Pasos, LeerRejilla(f), f.Ventana.PContador_Jug.Caption});
            if (AlFotograma) AlFotograma(static_cast<long long>(fotos.size()) - 1);
        };
    }

    // The board as a loaded game leaves it: digits fixed, candidates computed;
    // the frames and forms of the last run forgotten.
    void Cargar(const std::string& rejilla) {
        BBorraTodoClick(f);
        FijarRejilla(f, rejilla);
        Disponibles(f);
        ent.Formas.clear();
        ent.Esperas.clear();
        fotos.clear();
    }

    // What a run ended with.
    struct Final {
        long long pasos;
        std::string tablero, mensaje, resultado;
        bool operator==(const Final&) const = default;
    };
    Final Fin() { return {f.Motor.Pasos, LeerRejilla(f), f.Motor.Mensaje_Calculo, f.Motor.Resultado_Calculo}; }

    // The same board run without being watched, stopped after that many steps
    // (or at the normal limit).
    Final SinVer(const std::string& rejilla, long long pasos = 0) {
        Cargar(rejilla);
        if (pasos > 0) f.Motor.Limite_Pasos = static_cast<int>(pasos - 1);
        BRellenaSinVerClick(f);
        f.Motor.Limite_Pasos = f.Motor.Limite_Normal;
        return Fin();
    }

    std::vector<Fotograma> fotos;
    std::function<void(long long)> AlFotograma;  // at frame k (0 is the board before the first step)
};

struct CasoTablero {
    const char* nombre;
    std::string rejilla;
    long long pasos;        // what the engine takes on it
    const char* mensaje;
};

void PrintTo(const CasoTablero& c, std::ostream* os) { *os << c.nombre; }

class CorridaVista : public CalculaARitmo, public ::testing::WithParamInterface<CasoTablero> {};

TEST_P(CorridaVista, LosMismosPasosQueSinVerYCadaFotogramaASuTiempo) {
    const CasoTablero& c = GetParam();
    const Final sin_ver = SinVer(c.rejilla);
    EXPECT_EQ(sin_ver.pasos, c.pasos);
    EXPECT_EQ(sin_ver.mensaje, c.mensaje);

    // The game as it pumped before frames existed: after every step.
    Cargar(c.rejilla);
    ent.SiempreBombear = true;
    BRellena2Click(f);
    ent.SiempreBombear = false;
    EXPECT_EQ(Fin(), sin_ver);

    Cargar(c.rejilla);
    BRellena2Click(f);
    EXPECT_EQ(Fin(), sin_ver);
    ASSERT_FALSE(fotos.empty());

    // Frame 0 is the board before the first step, then each frame shows the
    // steps of its turn, a frame period after the one before.
    EXPECT_EQ(fotos[0].pasos, 0);
    const long long inicio = fotos[0].momento;
    for (std::size_t k = 1; k < fotos.size(); ++k) {
        const auto kk = static_cast<long long>(k);
        ASSERT_EQ(fotos[k].pasos - fotos[k - 1].pasos, ritmo::PasosDelFotograma(kk)) << "frame " << k;
        ASSERT_EQ(fotos[k].momento - inicio, ritmo::MomentoDelFotograma(kk)) << "frame " << k;
        ASSERT_LE(fotos[k].momento - fotos[k - 1].momento, ritmo::RetrasoTolerado) << "frame " << k;
        // The counter goes with the board: the engine writes the step under
        // way less one, with thousands separators.
        std::string contador = fotos[k].contador;
        std::erase(contador, '.');
        ASSERT_EQ(contador, std::to_string(fotos[k].pasos - 1)) << "frame " << k;
    }
    EXPECT_LE(sin_ver.pasos - fotos.back().pasos, ritmo::PasosDelFotograma(static_cast<long long>(fotos.size())));
    EXPECT_LE(ent.Reloj - inicio, 20000) << "the run ends within 20 s";
    // Nothing after the run is paced: the clock stops with the last frame.
    EXPECT_EQ(ent.Reloj, fotos.back().momento);
}

INSTANTIATE_TEST_SUITE_P(
    Tableros, CorridaVista,
    ::testing::Values(
        CasoTablero{"vacio", kVacio, 701, "Fin proceso"}, CasoTablero{"nivel5", kNivel5, 626, "Fin proceso"},
        CasoTablero{"dificil", kDificil, 1'000'000, "Sin tiempo"},
        // Two 5s in grid row 1: the first cell takes nothing.
        CasoTablero{"sin_solucion", "55" + std::string(79, '.'), 1, "Sin solución"},
        CasoTablero{"lleno", RejillaResuelta(), 0, "Fin proceso"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(CalculaARitmo, UnaCorridaAlLimiteTardaEntreDiezYVeinteSegundosSimulados) {
    Cargar(kDificil);
    BRellena2Click(f);
    EXPECT_EQ(f.Motor.Pasos, 1'000'000);
    EXPECT_EQ(f.Motor.Resultado_Calculo, "ST");
    ASSERT_FALSE(fotos.empty());
    const long long ms = fotos.back().momento - fotos.front().momento;
    EXPECT_GE(ms, 10000);
    EXPECT_LE(ms, 20000);
    EXPECT_EQ(ent.Contar(FormaModal::Tipo::SinSolucion), 1);
    // The frames (and the player's chances to pause or cancel) are about as
    // many as a screen shows in that time.
    EXPECT_NEAR(static_cast<double>(fotos.size()), static_cast<double>(ms) * 60 / 1000, 2.0);
}

// ---- pause and cancel at a frame ------------------------------------------------

enum class Orden { Pausa, Cancelar };

struct CasoOrden {
    const char* nombre;
    Orden orden;
    long long fotograma;  // negative counts from the last frame of the whole run
};

void PrintTo(const CasoOrden& c, std::ostream* os) { *os << c.nombre; }

class OrdenEnUnFotograma : public CalculaARitmo, public ::testing::WithParamInterface<CasoOrden> {};

TEST_P(OrdenEnUnFotograma, PausaSigueAlMismoRitmoYCancelarDejaElUltimoPaso) {
    const CasoOrden& c = GetParam();
    const Final sin_ver = SinVer(kDificil);
    Cargar(kDificil);
    BRellena2Click(f);
    const std::vector<Fotograma> enteros = fotos;
    const long long k = c.fotograma >= 0 ? c.fotograma : static_cast<long long>(enteros.size()) + c.fotograma;
    ASSERT_GT(k, 0);
    ASSERT_LT(k, static_cast<long long>(enteros.size()));
    const auto kk = static_cast<std::size_t>(k);

    constexpr long long Leyendo = 5000;  // how long the player keeps the pause dialog open
    long long pasos_en_pausa = -1;
    ent.AlMostrar = [&](FormaModal& forma) {
        if (forma.tipo != FormaModal::Tipo::Pausa) return;
        pasos_en_pausa = f.Motor.Pasos;
        ent.Reloj += Leyendo;
    };
    Cargar(kDificil);
    AlFotograma = [&](long long i) {
        if (i != k) return;
        if (c.orden == Orden::Pausa) {
            ASSERT_TRUE(f.Acelerar('P'));
        } else {
            ASSERT_TRUE(f.Ventana.BPararProceso.Enabled);
            f.Ejecutar(IdComando::PararProceso, Origen::Etiqueta);
        }
    };
    BRellena2Click(f);
    AlFotograma = nullptr;

    if (c.orden == Orden::Cancelar) {
        // No step after the one on screen; the board stays as that frame showed it.
        ASSERT_EQ(fotos.size(), kk + 1);
        EXPECT_EQ(f.Motor.Pasos, enteros[kk].pasos);
        EXPECT_EQ(LeerRejilla(f), enteros[kk].tablero);
        EXPECT_EQ(f.Motor.Mensaje_Calculo, "Fin proceso");
        EXPECT_EQ(ent.Contar(FormaModal::Tipo::SinSolucion), 0);
        EXPECT_FALSE(f.Ventana.BPararProceso.Enabled);
        EXPECT_FALSE(f.Ventana.BPausa.Enabled);
        // The engine stopped where a run allowed just those steps stops.
        EXPECT_EQ(LeerRejilla(f), SinVer(kDificil, enteros[kk].pasos).tablero);
        return;
    }

    EXPECT_EQ(ent.Contar(FormaModal::Tipo::Pausa), 1);
    EXPECT_EQ(pasos_en_pausa, enteros[kk].pasos) << "the run waits inside the dialog";
    EXPECT_EQ(Fin(), sin_ver);
    ASSERT_EQ(fotos.size(), enteros.size());
    for (std::size_t i = 0; i < fotos.size(); ++i) {
        ASSERT_EQ(fotos[i].pasos, enteros[i].pasos) << "frame " << i;
        ASSERT_EQ(fotos[i].tablero, enteros[i].tablero) << "frame " << i;
        // Every frame after the pause comes as late as the pause lasted.
        const long long tarde =
            (fotos[i].momento - fotos[0].momento) - (enteros[i].momento - enteros[0].momento);
        ASSERT_EQ(tarde, i <= kk ? 0 : Leyendo) << "frame " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Momentos, OrdenEnUnFotograma,
    ::testing::Values(CasoOrden{"CancelarAlPrimero", Orden::Cancelar, 1},
                      CasoOrden{"CancelarAlSegundo", Orden::Cancelar, 60},
                      CasoOrden{"CancelarAcelerando", Orden::Cancelar, 200},
                      CasoOrden{"CancelarEnMedio", Orden::Cancelar, 500},
                      CasoOrden{"CancelarAlFinal", Orden::Cancelar, -2},
                      CasoOrden{"PausaAlPrimero", Orden::Pausa, 1},
                      CasoOrden{"PausaAlFinalDeLosLentos", Orden::Pausa, 120},
                      CasoOrden{"PausaEnMedio", Orden::Pausa, 600},
                      CasoOrden{"PausaAlFinal", Orden::Pausa, -1}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace novenario::prueba
