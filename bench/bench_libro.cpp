// The companion tool's booklet: "imprimir" for 100 boards, each set up as a
// load sets it up with its solution worked out, its page filled as
// "Imprimir" fills it, and all of them painted into one PDF file (booklets
// per second, boards per second). Built only with the window, whose page
// painter it needs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "board/entorno_mudo.h"
#include "mando/principal.h"
#include "cli/cli.h"
#include "setup/partida.h"

namespace novenario {
namespace {

constexpr int kTableros = 100;

// A hundred new games of level 4, always the same ones.
const std::vector<std::string>& Tableros() {
    static const std::vector<std::string> tableros = [] {
        EntornoMudo mudo;
        TFormPrincipal f(mudo);
        f.FormCreate();
        f.Motor.Generador.PonerSemilla(12345);
        f.Variables.Nivel = 4;
        f.Variables.Paneles_Vacios = Vacios_De_Nivel(4);
        std::vector<std::string> r;
        for (int i = 0; i < kTableros; ++i) {
            BNuevaPartida2Click(f);
            r.push_back(cli::EnRejilla(f));
        }
        return r;
    }();
    return tableros;
}

// range(0): pages to a sheet; range(1): with the solutions.
void Imprimir(benchmark::State& state) {
    const std::string pdf = (std::filesystem::temp_directory_path() / "novenario_bench_libro.pdf").string();
    cli::Argumentos a;
    a.textos[cli::kPdf.nombre] = pdf;
    a.valores[cli::kPorPagina.nombre] = state.range(0);
    if (state.range(1)) a.valores[cli::kSoluciones.nombre] = 1;
    a.resto = Tableros();
    const int paginas = kTableros * (state.range(1) ? 2 : 1);
    const std::string esperado = "{\"fichero\":" + cli::Json(pdf) + ",\"tableros\":" + std::to_string(kTableros) +
                                 ",\"hojas\":" + std::to_string(paginas / state.range(0)) + "}\n";
    for (auto _ : state) {
        // The order's line of JSON is its answer; it is checked, not shown.
        std::ostringstream salida;
        std::streambuf* antes = std::cout.rdbuf(salida.rdbuf());
        const int estado = cli::Imprimir(a);
        std::cout.rdbuf(antes);
        if (estado != 0 || salida.str() != esperado || std::filesystem::file_size(pdf) < 1000)
            throw std::runtime_error("the booklet was not written: " + salida.str());
    }
    state.counters["tableros/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kTableros,
                                                      benchmark::Counter::kIsRate);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
    std::filesystem::remove(pdf);
}
BENCHMARK(Imprimir)->Args({1, 0})->Args({4, 0})->Args({4, 1})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace novenario
