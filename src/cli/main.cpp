// novenario-cli: the game's engine without a window. Solves boards, creates
// new games, shows the candidates of a board, reads saved games, turns a
// board into one, prints boards into a booklet, rates boards and explains
// the steps a person would take, one line of JSON per
// result, so scripts, benchmarks and golden tests can reach the engine and
// the saved-game format.
#include <cerrno>
#include <cstdio>
#include <iostream>

#include "cli/cli.h"

using namespace novenario;
using namespace novenario::cli;

namespace {

struct Orden {
    const char* nombre;
    const char* ayuda;
    std::vector<Opcion> opciones;
    int (*correr)(const Argumentos&);
};

int Ejecuta(int argc, char** argv) {
    static const Orden ordenes[] = {
        {"resolver", kAyudaResolver, {kLimite, kContar}, Resolver},
        {"generar", kAyudaGenerar, {kNivel, kTics, kCantidad, kUnica, kDificultad}, Generar},
        {"candidatos", kAyudaCandidatos, {}, Candidatos},
        {"mostrar", kAyudaMostrar, {}, Mostrar},
        {"importar", kAyudaImportar, {kNivel}, Importar},
        {"imprimir", kAyudaImprimir, {kPdf, kPorPagina, kSoluciones}, Imprimir},
        {"calificar", kAyudaCalificar, {}, Calificar},
        {"explicar", kAyudaExplicar, {kTodo}, Explicar},
    };
    Argumentos general;
    if (const auto fin = Analiza(std::vector<std::string>(argv, argv + argc), kAyudaGeneral, {}, true, general))
        return *fin;
    if (general.resto.empty()) return Uso(kAyudaGeneral, "falta la orden");
    const std::string& nombre = general.resto[0];
    if (nombre == "ayuda") {
        std::cout << kAyudaGeneral;
        return 0;
    }
    for (const Orden& orden : ordenes) {
        if (nombre != orden.nombre) continue;
        Argumentos a;
        if (const auto fin = Analiza(general.resto, orden.ayuda, orden.opciones, false, a)) return *fin;
        return orden.correr(a);
    }
    std::cerr << "novenario-cli: orden desconocida '" << nombre << "'\n\n" << kAyudaGeneral;
    return 2;
}

// Whether everything written to standard output got there: a full disk or a
// closed output shows only when the buffer is flushed, or when it is closed.
bool SalidaEscrita(int& error) {
    errno = 0;
    std::cout.flush();
    bool bien = std::cout.good();
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) bien = false;
    if (!bien) error = errno;
    if (std::fclose(stdout) != 0 && bien) {
        bien = false;
        error = errno;
    }
    return bien;
}

}  // namespace

int main(int argc, char** argv) {
    const int estado = Ejecuta(argc, argv);
    int error = 0;
    if (!SalidaEscrita(error)) {
        std::cerr << "novenario-cli: no se ha podido escribir la salida estándar"
                  << (error ? ": " + Motivo(error) : std::string()) << "\n";
        return estado ? estado : 1;
    }
    return estado;
}
