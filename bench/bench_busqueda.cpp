// Speed of the search of "Calcula": steps per second on fixed boards, with and
// without a pump, on the fast and the plain path; games per second of the
// small generation attempts. Every run's answer is checked, and a wrong
// answer stops the benchmark with an error.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "board/tablero.h"
#include "solver/busqueda.h"

namespace novenario {
namespace {

using Valores = std::array<std::string, NumCeldas>;

// 81 characters in grid reading order, "." for an empty cell, turned into the
// 81 values in name order.
Valores DesdeRejilla(std::string_view rejilla) {
    Valores v{};
    for (int i = 0; i < NumCeldas && i < static_cast<int>(rejilla.size()); ++i) {
        const char ch = rejilla[static_cast<std::size_t>(i)];
        if (ch >= '1' && ch <= '9') v[static_cast<std::size_t>(tablero::EnRejilla(i / 9 + 1, i % 9 + 1))] = std::string(1, ch);
    }
    return v;
}

// A puzzle that walks the plain search far past the player's limit.
constexpr std::string_view Dificil =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
// A puzzle the search solves within the limit.
constexpr std::string_view Resoluble =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

constexpr long long LimiteNormal = 999999;

// What every run must satisfy: the givens are untouched, no group repeats a
// digit, the cells of the stack hold its digits in order, the cells after the
// current one are empty, and a success leaves a full board. Returns "" or the
// first fault found.
std::string Comprueba(const Valores& inicial, const Busqueda& b) {
    for (int c = 0; c < NumCeldas; ++c) {
        const std::string& v = inicial[static_cast<std::size_t>(c)];
        if (!v.empty() && b.Valor(c) != v) return "un dato inicial ha cambiado";
    }
    for (TipoGrupo tipo : {TipoGrupo::Bloque, TipoGrupo::Horizontal, TipoGrupo::Vertical}) {
        for (int g = 1; g <= 9; ++g) {
            unsigned vistos = 0;
            for (int c : tablero::Grupo(tipo, g)) {
                const std::string_view v = b.Valor(c);
                if (v.empty()) continue;
                const unsigned bit = 1u << (v[0] - '0');
                if ((vistos & bit) != 0) return "un grupo repite un digito";
                vistos |= bit;
            }
        }
    }
    const std::vector<int> pila = b.Pila();
    const std::vector<int>& combo = b.ComboAux();
    if (pila.size() > combo.size()) return "la pila es mas larga que la lista";
    for (std::size_t i = 0; i < pila.size(); ++i) {
        const std::string_view v = b.Valor(combo[i]);
        if (v.size() != 1 || v[0] - '0' != pila[i]) return "la pila no coincide con el tablero";
    }
    for (std::size_t i = pila.size() + 1; i < combo.size(); ++i) {
        if (!b.Valor(combo[i]).empty()) return "una casilla posterior no esta vacia";
    }
    if (!b.Fallo()) {
        for (int c = 0; c < NumCeldas; ++c) {
            if (b.Valor(c).empty()) return "exito con casillas vacias";
        }
    }
    return {};
}

// A run still searching when the limit comes does one step at Pasos equal to
// the limit, so it stops one step past it.
bool SinTiempo(const Busqueda& b, long long limite) {
    return b.Fallo() && b.Resultado() == "ST" && b.Pasos() == limite + 1;
}

class BombaContadora final : public Bomba {
public:
    void Bombea(Momento m) override {
        if (m == Momento::AlVaciar) ++vaciados;
        if (m == Momento::TrasPaso) ++pasos;
        benchmark::ClobberMemory();
    }
    long long vaciados = 0;
    long long pasos = 0;
};

void CuentaPasos(benchmark::State& state, long long pasos) {
    state.counters["pasos/s"] = benchmark::Counter(static_cast<double>(pasos), benchmark::Counter::kIsRate);
    state.counters["pasos"] =
        benchmark::Counter(static_cast<double>(pasos), benchmark::Counter::kAvgIterations);
}

// "Rellena NV" without a window: no pump at all. The 999999-step run.
void BM_SinTiempo(benchmark::State& state) {
    const Valores inicial = DesdeRejilla(Dificil);
    long long pasos = 0;
    for (auto _ : state) {
        Busqueda b(inicial);
        b.Ejecutar(LimiteNormal, false, nullptr);
        benchmark::DoNotOptimize(b.Pasos());
        pasos += b.Pasos();
        const std::string fallo = Comprueba(inicial, b);
        if (!b.EsRapida() || !SinTiempo(b, LimiteNormal) || !fallo.empty()) {
            state.SkipWithError(fallo.empty() ? "resultado inesperado" : fallo.c_str());
            break;
        }
    }
    CuentaPasos(state, pasos);
}
BENCHMARK(BM_SinTiempo)->Unit(benchmark::kMillisecond);

// The same run with a pump on every backtrack, as "Rellena NV" has in the game.
void BM_SinTiempoBombaAlVaciar(benchmark::State& state) {
    const Valores inicial = DesdeRejilla(Dificil);
    long long pasos = 0;
    for (auto _ : state) {
        Busqueda b(inicial);
        BombaContadora bomba;
        b.Ejecutar(LimiteNormal, false, &bomba);
        pasos += b.Pasos();
        const std::string fallo = Comprueba(inicial, b);
        if (!SinTiempo(b, LimiteNormal) || bomba.pasos != 0 || bomba.vaciados == 0 || !fallo.empty()) {
            state.SkipWithError(fallo.empty() ? "resultado inesperado" : fallo.c_str());
            break;
        }
    }
    CuentaPasos(state, pasos);
}
BENCHMARK(BM_SinTiempoBombaAlVaciar)->Unit(benchmark::kMillisecond);

// "Calcula": a pump after every step as well.
void BM_SinTiempoVerProceso(benchmark::State& state) {
    const Valores inicial = DesdeRejilla(Dificil);
    long long pasos = 0;
    for (auto _ : state) {
        Busqueda b(inicial);
        BombaContadora bomba;
        b.Ejecutar(LimiteNormal, true, &bomba);
        pasos += b.Pasos();
        const std::string fallo = Comprueba(inicial, b);
        if (!SinTiempo(b, LimiteNormal) || bomba.pasos != b.Pasos() || !fallo.empty()) {
            state.SkipWithError(fallo.empty() ? "resultado inesperado" : fallo.c_str());
            break;
        }
    }
    CuentaPasos(state, pasos);
}
BENCHMARK(BM_SinTiempoVerProceso)->Unit(benchmark::kMillisecond);

// A puzzle solved within the limit.
void BM_Resoluble(benchmark::State& state) {
    const Valores inicial = DesdeRejilla(Resoluble);
    long long pasos = 0;
    for (auto _ : state) {
        Busqueda b(inicial);
        b.Ejecutar(LimiteNormal, false, nullptr);
        pasos += b.Pasos();
        const std::string fallo = Comprueba(inicial, b);
        if (b.Fallo() || !fallo.empty()) {
            state.SkipWithError(fallo.empty() ? "resultado inesperado" : fallo.c_str());
            break;
        }
    }
    CuentaPasos(state, pasos);
}
BENCHMARK(BM_Resoluble)->Unit(benchmark::kMicrosecond);

// The plain path over texts on the hard puzzle, with a limit it can afford.
void BM_LiteralSinTiempo(benchmark::State& state) {
    const Valores inicial = DesdeRejilla(Dificil);
    const long long limite = state.range(0);
    long long pasos = 0;
    for (auto _ : state) {
        Busqueda b(inicial, Camino::Literal);
        b.Ejecutar(limite, false, nullptr);
        pasos += b.Pasos();
        const std::string fallo = Comprueba(inicial, b);
        if (b.EsRapida() || !SinTiempo(b, limite) || !fallo.empty()) {
            state.SkipWithError(fallo.empty() ? "resultado inesperado" : fallo.c_str());
            break;
        }
    }
    CuentaPasos(state, pasos);
}
BENCHMARK(BM_LiteralSinTiempo)->Arg(20000)->Unit(benchmark::kMillisecond);

// New-game attempts: nine distinct digits in nine distinct blocks at random
// places, then the search with the generation limit of 999 steps. Reports
// attempts per second and how many of them completed a board.
void BM_IntentosDeGeneracion(benchmark::State& state) {
    std::mt19937 azar(20240601u);
    long long pasos = 0, intentos = 0, completos = 0;
    for (auto _ : state) {
        Valores inicial{};
        std::array<int, 9> digitos{1, 2, 3, 4, 5, 6, 7, 8, 9};
        std::array<int, 9> bloques{0, 1, 2, 3, 4, 5, 6, 7, 8};
        std::shuffle(digitos.begin(), digitos.end(), azar);
        std::shuffle(bloques.begin(), bloques.end(), azar);
        for (std::size_t i = 0; i < 9; ++i) {
            const int lugar = static_cast<int>(azar() % 9);
            inicial[static_cast<std::size_t>(bloques[i] * 9 + lugar)] = std::to_string(digitos[i]);
        }
        Busqueda b(inicial);
        b.Ejecutar(999, false, nullptr);
        pasos += b.Pasos();
        ++intentos;
        if (!b.Fallo()) ++completos;
        const std::string fallo = Comprueba(inicial, b);
        if (!fallo.empty()) {
            state.SkipWithError(fallo.c_str());
            break;
        }
    }
    CuentaPasos(state, pasos);
    state.counters["partidas/s"] = benchmark::Counter(static_cast<double>(intentos), benchmark::Counter::kIsRate);
    state.counters["completas"] =
        benchmark::Counter(intentos == 0 ? 0.0 : static_cast<double>(completos) / static_cast<double>(intentos));
}
BENCHMARK(BM_IntentosDeGeneracion)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace novenario
