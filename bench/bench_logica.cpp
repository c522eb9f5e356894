// Speed of the reasoning engine: ratings per second on the calibration file
// (120 puzzles of every grade) and on 1,000 puzzles of 17 givens, with the
// slowest puzzle of each set as a counter (max_ms), and three of the hardest
// published puzzles, each alone. Every rating is checked: a puzzle the steps do not
// solve stops the benchmark with an error.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "logica/logica.h"

namespace novenario {
namespace {

std::vector<logica::Tablero> Leer(const char* nombre) {
    std::vector<logica::Tablero> r;
    std::ifstream f(std::string(NOVENARIO_DATOS_LOGICA) + "/" + nombre);
    std::string linea;
    while (std::getline(f, linea)) {
        if (linea.size() < 81 || linea[0] == '#') continue;
        logica::Tablero t{};
        for (std::size_t i = 0; i < 81; ++i)
            t[i] = (linea[i] >= '1' && linea[i] <= '9') ? static_cast<std::uint8_t>(linea[i] - '0') : 0;
        r.push_back(t);
    }
    return r;
}

void Califica(benchmark::State& state, const std::vector<logica::Tablero>& tableros, double minima = 0.0) {
    if (tableros.empty()) {
        state.SkipWithError("no se han leído los tableros");
        return;
    }
    double peor = 0.0;
    for (auto _ : state) {
        for (const auto& t : tableros) {
            const auto antes = std::chrono::steady_clock::now();
            const logica::Calificacion c = logica::Calificar(t);
            peor = std::max(peor, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - antes).count());
            if (!c.completa || c.soluciones != 1) {
                state.SkipWithError("un tablero no se resuelve por deducciones");
                return;
            }
            if (c.dificultad < minima) {
                state.SkipWithError("un tablero queda por debajo de su calificación");
                return;
            }
            benchmark::DoNotOptimize(c.dificultad);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(tableros.size()));
    state.counters["max_ms"] = peor;
}

void BM_CalificarReferencia(benchmark::State& state) {
    static const auto tableros = Leer("referencia.txt");
    Califica(state, tableros);
}
BENCHMARK(BM_CalificarReferencia)->Unit(benchmark::kMillisecond);

void BM_CalificarDiecisietePistas(benchmark::State& state) {
    static const auto tableros = Leer("17-pistas-1000.txt");
    Califica(state, tableros);
}
BENCHMARK(BM_CalificarDiecisietePistas)->Unit(benchmark::kMillisecond)->Iterations(1);

// The hardest published puzzles, one benchmark each: nets of nested dynamic
// chains. Each must be solved by deductions alone at the top of the scale.
void CalificaFamoso(benchmark::State& state, const char* texto) {
    logica::Tablero t{};
    for (std::size_t i = 0; i < 81; ++i) t[i] = texto[i] == '.' ? 0 : static_cast<std::uint8_t>(texto[i] - '0');
    Califica(state, {t}, 9.5);
}

// Escargot.
void BM_CalificarEscargot(benchmark::State& state) {
    CalificaFamoso(state, "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..");
}
BENCHMARK(BM_CalificarEscargot)->Unit(benchmark::kMillisecond)->Iterations(1);

// Inkala's "most difficult".
void BM_CalificarInkala(benchmark::State& state) {
    CalificaFamoso(state, "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..");
}
BENCHMARK(BM_CalificarInkala)->Unit(benchmark::kMillisecond)->Iterations(1);

// Among the highest rated ever published (about 11.6).
void BM_CalificarOnceSeis(benchmark::State& state) {
    CalificaFamoso(state, "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1");
}
BENCHMARK(BM_CalificarOnceSeis)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace novenario
