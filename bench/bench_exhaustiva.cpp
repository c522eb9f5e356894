// Speed of the exhaustive count (0, 1 or 2+ solutions, as the import, the
// paste and "resolver --contar" ask it): boards counted per second on sets of
// boards, each count checked against what the set must give.
//
// The sets:
//   - 17 pistas: the first 1,000 of the published puzzles with 17 givens, one
//     solution each ($NOVENARIO_17PISTAS, else
//     /work/shared/tableros/17-pistas-1000.txt);
//   - referencia: the rating calibration puzzles, one solution each
//     ($NOVENARIO_REFERENCIA, else /work/shared/calificacion/referencia.txt);
//   - nivel 1 to 5: 200 games of each level as "Nueva partida" makes them,
//     the same as `novenario-cli generar --nivel N --tics 0 --cantidad 200`
//     (many have several solutions);
//   - sin solucion: each 17-given puzzle with one more digit in its first
//     empty cell, the smallest its givens allow that is not the solution's:
//     no solution, and the whole tree must be walked to know it.
// A set whose file is missing is skipped with a message.
//
// Measured on the development machine (2 shared cores under load, processor
// time per board, counting to two: this benchmark's por_tablero), against
// qqwing 1.3.4 on the same boards: `qqwing --solve --count-solutions --csv <
// FILE`, processor time of the whole run over the boards read from standard
// input (the small sets repeated 20 times). qqwing counts every solution
// where this count stops at two, so on the sets with many solutions its time
// without counting (`qqwing --solve --csv`) is given too.
//   set            boards  0 / 1 / 2+     this count   qqwing count (solve)
//   17 pistas       1000   0/1000/0         9.8 us        170 us
//   referencia       120   0/120/0          6.2 us        142 us
//   nivel 1          200   0/194/6          1.4 us         22 us  (18 us)
//   nivel 2          200   0/147/53         1.9 us         35 us  (22 us)
//   nivel 3          200   0/69/131         3.3 us         80 us  (42 us)
//   nivel 4          200   0/32/168         5.0 us        222 us  (75 us)
//   nivel 5          200   0/3/197          8.3 us       1760 us (152 us)
//   sin solucion    1000   1000/0/0         2.5 us        150 us
// tdoku's published time on the whole 17-given collection is 3.2 us a puzzle
// on a 3.1 GHz Xeon. The plain backtracking search this count replaced took
// about 5,400 us a board on the first 200 of the 17-given puzzles here.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/juego.h"
#include "cli/cli.h"
#include "exhaustiva/exhaustiva.h"
#include "setup/partida.h"

namespace novenario {
namespace {

struct Conjunto {
    std::vector<Rejilla> tableros;
    int soluciones = 1;  // what every count must give; -1 when any
    std::string error;   // why the set is missing
};

Rejilla Digitos(const std::string& texto) {
    Rejilla r{};
    for (std::size_t i = 0; i < 81; ++i)
        r[i] = (texto[i] >= '1' && texto[i] <= '9') ? static_cast<std::uint8_t>(texto[i] - '0') : 0;
    return r;
}

// Lines of at least 81 characters not starting with "#": the first 81 are
// the board.
Conjunto LeeFichero(const char* variable, const char* por_defecto) {
    Conjunto c;
    const char* ruta = std::getenv(variable);
    if (!ruta) ruta = por_defecto;
    std::ifstream f(ruta);
    if (!f) {
        c.error = std::string("no se puede leer ") + ruta + " (ponga su ruta en " + variable + ")";
        return c;
    }
    std::string linea;
    while (std::getline(f, linea))
        if (linea.size() >= 81 && linea[0] != '#') c.tableros.push_back(Digitos(linea));
    if (c.tableros.empty()) c.error = std::string(ruta) + " no tiene tableros";
    return c;
}

const Conjunto& Diecisiete() {
    static const Conjunto c = LeeFichero("NOVENARIO_17PISTAS", "/work/shared/tableros/17-pistas-1000.txt");
    return c;
}

const Conjunto& Referencia() {
    static const Conjunto c = LeeFichero("NOVENARIO_REFERENCIA", "/work/shared/calificacion/referencia.txt");
    return c;
}

bool Ve(int i, int j) {
    return i != j && (i / 9 == j / 9 || i % 9 == j % 9 || (i / 27 == j / 27 && (i % 9) / 3 == (j % 9) / 3));
}

const Conjunto& SinSolucion() {
    static const Conjunto c = [] {
        Conjunto s;
        s.soluciones = 0;
        s.error = Diecisiete().error;
        for (const Rejilla& t : Diecisiete().tableros) {
            Rejilla solucion{};
            if (ContarSoluciones(t, 1, &solucion) != 1) continue;
            int vacia = 0;
            while (t[static_cast<std::size_t>(vacia)] != 0) ++vacia;
            for (int d = 1; d <= 9; ++d) {
                if (d == solucion[static_cast<std::size_t>(vacia)]) continue;
                bool libre = true;
                for (int j = 0; j < 81; ++j) libre = libre && !(Ve(vacia, j) && t[static_cast<std::size_t>(j)] == d);
                if (!libre) continue;
                Rejilla r = t;
                r[static_cast<std::size_t>(vacia)] = static_cast<std::uint8_t>(d);
                s.tableros.push_back(r);
                break;
            }
        }
        return s;
    }();
    return c;
}

const Conjunto& Nivel(int nivel) {
    static std::optional<Conjunto> niveles[6];
    std::optional<Conjunto>& c = niveles[nivel];
    if (!c) {
        c.emplace();
        c->soluciones = -1;
        EntornoMudo mudo;
        std::optional<TFormPrincipal> juego;
        TFormPrincipal& f = cli::Juego_Nuevo(mudo, juego);
        f.Variables.Nivel = nivel;
        f.Variables.Paneles_Vacios = Vacios_De_Nivel(nivel);
        for (int k = 0; k < 200; ++k) {
            BNuevaPartida2Click(f);
            c->tableros.push_back(Digitos(cli::EnRejilla(f)));
        }
    }
    return *c;
}

// Counts the whole set once per iteration, tope 2 as the game asks.
void Cuenta(benchmark::State& state, const Conjunto& c) {
    if (!c.error.empty()) {
        state.SkipWithError(c.error.c_str());
        return;
    }
    int varias = 0;
    for (const Rejilla& t : c.tableros) {
        Rejilla primera{};
        const int n = ContarSoluciones(t, 2, &primera);
        if (c.soluciones >= 0 && n != c.soluciones) throw std::runtime_error("a count the set does not allow");
        varias += n == 2;
    }
    long long total = 0;
    for (auto _ : state) {
        for (const Rejilla& t : c.tableros) total += ContarSoluciones(t, 2);
    }
    benchmark::DoNotOptimize(total);
    const auto tableros = static_cast<double>(state.iterations() * static_cast<long long>(c.tableros.size()));
    state.counters["tableros/s"] = benchmark::Counter(tableros, benchmark::Counter::kIsRate);
    state.counters["por_tablero"] =
        benchmark::Counter(tableros, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["con_varias"] = varias;
}

void Contar17Pistas(benchmark::State& state) { Cuenta(state, Diecisiete()); }
BENCHMARK(Contar17Pistas)->Unit(benchmark::kMillisecond);

void ContarReferencia(benchmark::State& state) { Cuenta(state, Referencia()); }
BENCHMARK(ContarReferencia)->Unit(benchmark::kMillisecond);

void ContarNivel(benchmark::State& state) { Cuenta(state, Nivel(static_cast<int>(state.range(0)))); }
BENCHMARK(ContarNivel)->DenseRange(1, 5)->Unit(benchmark::kMillisecond);

void ContarSinSolucion(benchmark::State& state) { Cuenta(state, SinSolucion()); }
BENCHMARK(ContarSinSolucion)->Unit(benchmark::kMillisecond);

// The empty board, counted to two and to a thousand.
void ContarVacio(benchmark::State& state) {
    const Rejilla vacio{};
    const int tope = static_cast<int>(state.range(0));
    for (auto _ : state) {
        if (ContarSoluciones(vacio, tope) != tope) throw std::runtime_error("the empty board reaches any bound");
    }
}
BENCHMARK(ContarVacio)->Arg(2)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace novenario
