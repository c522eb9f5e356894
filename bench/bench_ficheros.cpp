// Saved games: reading and writing the bytes of a game with a full move list,
// and the whole save and load commands through the game with the file on
// disk (files per second). A load must feel instant.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "board/entorno_mudo.h"
#include "board/juego.h"
#include "mando/principal.h"
#include "candidates/candidatos.h"
#include "print/imprimir.h"
#include "sdk/formato.h"
#include "savegame/partidas.h"
#include "setup/partida.h"
#include "solver/calcula.h"
#include "entrada/entrada.h"

namespace novenario {
namespace {

// A game from "Nueva partida" with every free cell entered from its
// solution, so the move list is as long as a game gets.
void PartidaJugada(TFormPrincipal& f) {
    f.FormCreate();
    BNuevaPartida2Click(f);
    for (int c = 0; c < NumCeldas; ++c) {
        if (!f.Paneles[c].Enabled || !f.Paneles[c].Caption.empty()) continue;
        PClick(f, c);
        BClick(f, f.Partida.EPartida[static_cast<std::size_t>(c)] - '0');
    }
}

std::string Temporal(const char* nombre) {
    return (std::filesystem::temp_directory_path() / nombre).string();
}

void LeePartida(benchmark::State& state) {
    EntornoMudo mudo;
    TFormPrincipal f(mudo);
    PartidaJugada(f);
    const std::string bytes = sdk::EscribePartida(
        sdk::LineasPartida(sdk::LineaTablero(f.Paneles, "00", "12", "05"), f.Partida.EPartida, f.Variables.Nivel, f.Variables.LBPanel));
    for (auto _ : state) {
        const sdk::Lectura r = sdk::LeePartida(bytes);
        if (!r.Correcta || r.Juego.LBPanel.size() != f.Variables.LBPanel.size())
            throw std::runtime_error("the game did not read back");
        benchmark::DoNotOptimize(r);
    }
    state.SetBytesProcessed(static_cast<long long>(state.iterations()) * static_cast<long long>(bytes.size()));
}
BENCHMARK(LeePartida)->Unit(benchmark::kMicrosecond);

void SalvarYCargar(benchmark::State& state) {
    EntornoMudo mudo;
    TFormPrincipal f(mudo);
    PartidaJugada(f);
    const std::string tablero = [&] {
        std::string s;
        for (int c = 0; c < NumCeldas; ++c) s += f.Paneles[c].Caption;
        return s;
    }();
    const std::size_t movimientos = f.Variables.LBPanel.size();
    mudo.Salvar = mudo.Abrir = Temporal("novenario_bench.sdk");
    for (auto _ : state) {
        BSalvar2Click(f);
        BCargar2Click(f);
        std::string s;
        for (int c = 0; c < NumCeldas; ++c) s += f.Paneles[c].Caption;
        if (!mudo.Mensajes.empty() || s != tablero || f.Variables.LBPanel.size() != movimientos)
            throw std::runtime_error("the saved game did not load back");
    }
    std::remove(mudo.Abrir.c_str());
    state.counters["ficheros/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(SalvarYCargar)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace novenario
