// Whole commands through the game, no window: "Nueva partida" at every level
// (games per second), the same with "Solución única", "Calcula" from a loaded board (steps per second), and
// "Calcula" watched on a simulated clock (how long the player waits).
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "board/entorno_mudo.h"
#include "board/juego.h"
#include "mando/principal.h"
#include "candidates/candidatos.h"
#include "exhaustiva/exhaustiva.h"
#include "print/imprimir.h"
#include "savegame/partidas.h"
#include "setup/partida.h"
#include "solver/calcula.h"

namespace novenario {
namespace {

void NuevaPartida(benchmark::State& state) {
    EntornoMudo mudo;
    TFormPrincipal f(mudo);
    f.FormCreate();
    f.Variables.Nivel = static_cast<int>(state.range(0));
    f.Variables.Paneles_Vacios = Vacios_De_Nivel(f.Variables.Nivel);
    long long intentos = 0;
    for (auto _ : state) {
        BNuevaPartida2Click(f);
        intentos += f.Motor.Intentos_Partida;
        int fijos = 0;
        for (int c = 0; c < NumCeldas; ++c) fijos += f.Paneles[c].Color_ == Naranja ? 1 : 0;
        if (fijos != NumCeldas - f.Variables.Paneles_Vacios || f.Partida.EPartida.size() != 81)
            throw std::runtime_error("a new game without the givens of its level");
    }
    state.counters["partidas/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                      benchmark::Counter::kIsRate);
    state.counters["intentos"] =
        static_cast<double>(intentos) / static_cast<double>(std::max<long long>(1, state.iterations()));
}
BENCHMARK(NuevaPartida)->DenseRange(1, 5)->Unit(benchmark::kMicrosecond);

// "Nueva partida" with "Solución única": every game checked to have one
// solution; the games that kept more givens than their level are counted.
// Measured on the development machine (processor time): level 5 about 3,200
// games a second (0.3 ms each; 4,100 without the box), none short of its
// givens.
void NuevaPartidaUnica(benchmark::State& state) {
    EntornoMudo mudo;
    TFormPrincipal f(mudo);
    f.FormCreate();
    f.Variables.Nivel = static_cast<int>(state.range(0));
    f.Variables.Paneles_Vacios = Vacios_De_Nivel(f.Variables.Nivel);
    f.Variables.Solucion_Unica = true;
    long long cortas = 0;
    for (auto _ : state) {
        BNuevaPartida2Click(f);
        Rejilla cifras{};
        const auto& orden = tablero::OrdenRejilla();
        for (std::size_t i = 0; i < NumCeldas; ++i) {
            const std::string& v = f.Paneles[orden[i]].Caption;
            cifras[i] = v.empty() ? 0 : static_cast<std::uint8_t>(v[0] - '0');
        }
        if (ContarSoluciones(cifras, 2) != 1) throw std::runtime_error("a single-solution game with other solutions");
        cortas += static_cast<int>(f.Motor.RBorroPaneles.size()) < f.Variables.Paneles_Vacios ? 1 : 0;
    }
    state.counters["partidas/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                      benchmark::Counter::kIsRate);
    state.counters["con_mas_pistas"] = static_cast<double>(cortas);
}
BENCHMARK(NuevaPartidaUnica)->DenseRange(1, 5)->Unit(benchmark::kMicrosecond);

constexpr const char* kSinTiempo =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";

// The board as a loaded game leaves it: the givens fixed, candidates computed.
void CargaFijos(TFormPrincipal& f, const std::string& rejilla) {
    BBorraTodoClick(f);
    const auto& orden = tablero::OrdenRejilla();
    for (std::size_t i = 0; i < NumCeldas; ++i) {
        if (rejilla[i] == '.') continue;
        Celda& celda = f.Paneles[orden[i]];
        celda.Caption = std::string(1, rejilla[i]);
        celda.Color_ = Naranja;
        celda.Enabled = false;
    }
    Disponibles(f);
}

// "Calcula" on the board that runs out of steps: the whole command, logic
// phase and closing steps included.
void CalculaSinTiempo(benchmark::State& state) {
    EntornoMudo mudo;
    TFormPrincipal f(mudo);
    f.FormCreate();
    long long pasos = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CargaFijos(f, kSinTiempo);
        state.ResumeTiming();
        BRellena2Click(f);
        if (f.Motor.Resultado_Calculo != "ST") throw std::runtime_error("the run should end out of steps");
        pasos += f.Motor.Pasos;
    }
    state.counters["pasos/s"] =
        benchmark::Counter(static_cast<double>(pasos), benchmark::Counter::kIsRate);
}
BENCHMARK(CalculaSinTiempo)->Unit(benchmark::kMillisecond);

// A windowless world whose clock moves only when the game waits for a frame.
class EntornoConReloj : public EntornoMudo {
public:
    long long Milisegundos() override { return reloj; }
    void EsperarHasta(long long momento) override {
        ++fotogramas;
        if (momento > reloj) reloj = momento;
    }
    long long reloj = 0;
    long long fotogramas = 0;
};

// "Calcula" watched, to the step limit: the time the player waits for it
// (simulated seconds from the click to the end) and the processor time the
// frames cost besides the search.
void CalculaVistaSinTiempo(benchmark::State& state) {
    EntornoConReloj reloj;
    TFormPrincipal f(reloj);
    f.FormCreate();
    double segundos = 0;
    long long fotogramas = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CargaFijos(f, kSinTiempo);
        const long long inicio = reloj.reloj;
        reloj.fotogramas = 0;
        state.ResumeTiming();
        BRellena2Click(f);
        if (f.Motor.Resultado_Calculo != "ST" || f.Motor.Pasos != 1000000)
            throw std::runtime_error("the watched run should take the same steps and end out of steps");
        segundos = static_cast<double>(reloj.reloj - inicio) / 1000.0;
        fotogramas = reloj.fotogramas;
    }
    state.counters["segundos_simulados"] = segundos;
    state.counters["fotogramas"] = static_cast<double>(fotogramas);
}
BENCHMARK(CalculaVistaSinTiempo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace novenario
