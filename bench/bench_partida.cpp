// Whole commands through the game, no window: "Nueva partida" at every level
// (games per second) and "Calcula" from a loaded board (steps per second).
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "board/ordenes.h"
#include "board/principal.h"
#include "board/entorno_mudo.h"

namespace novenario {
namespace {

void NuevaPartida(benchmark::State& state) {
    EntornoMudo mudo;
    TFormPrincipal f(mudo);
    f.FormCreate();
    f.Nivel = static_cast<int>(state.range(0));
    f.Paneles_Vacios = TFormPrincipal::Vacios_De_Nivel(f.Nivel);
    long long intentos = 0;
    for (auto _ : state) {
        f.BNuevaPartida2Click();
        intentos += f.Intentos_Partida;
        int fijos = 0;
        for (int c = 0; c < NumCeldas; ++c) fijos += f.Paneles[c].Color_ == Naranja ? 1 : 0;
        if (fijos != NumCeldas - f.Paneles_Vacios || f.EPartida.size() != 81)
            throw std::runtime_error("a new game without the givens of its level");
    }
    state.counters["partidas/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                      benchmark::Counter::kIsRate);
    state.counters["intentos"] =
        static_cast<double>(intentos) / static_cast<double>(std::max<long long>(1, state.iterations()));
}
BENCHMARK(NuevaPartida)->DenseRange(1, 5)->Unit(benchmark::kMicrosecond);

// "Calcula" on the board that runs out of steps: the whole command, logic
// phase and closing steps included.
void CalculaSinTiempo(benchmark::State& state) {
    const std::string rejilla =
        "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
    EntornoMudo mudo;
    TFormPrincipal f(mudo);
    f.FormCreate();
    long long pasos = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.BBorraTodoClick();
        const auto& orden = tablero::OrdenRejilla();
        for (std::size_t i = 0; i < NumCeldas; ++i) {
            if (rejilla[i] == '.') continue;
            Celda& celda = f.Paneles[orden[i]];
            celda.Caption = std::string(1, rejilla[i]);
            celda.Color_ = Naranja;
            celda.Enabled = false;
        }
        f.Disponibles();
        state.ResumeTiming();
        f.BRellena2Click();
        if (f.Resultado_Calculo != "ST") throw std::runtime_error("the run should end out of steps");
        pasos += f.Pasos;
    }
    state.counters["pasos/s"] =
        benchmark::Counter(static_cast<double>(pasos), benchmark::Counter::kIsRate);
}
BENCHMARK(CalculaSinTiempo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace novenario
