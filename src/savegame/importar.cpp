// Boards brought in from outside: the solution worked out as the game would
// work it out, the saved game made of the board, and the paste.
#include "entrada/entrada.h"
#include "sdk/formato.h"
#include "savegame/partidas.h"
#include "solver/calcula.h"
#include "exhaustiva/exhaustiva.h"

namespace novenario {

Importado Resuelve_Importado(const TableroTexto& rejilla) {
    Importado r;
    // "Calcula" on the grid as a load leaves it: its digits in their cells,
    // every other cell empty.
    std::array<std::string, NumCeldas> valores{};
    const auto& orden = tablero::OrdenRejilla();
    for (std::size_t i = 0; i < NumCeldas; ++i)
        if (rejilla[i]) valores[static_cast<std::size_t>(orden[i])] = std::string(1, rejilla[i]);
    const Calculo calculo = Calcula_Tablero(valores);
    r.Resultado = calculo.Resultado;
    bool llena = r.Resultado.empty();
    for (int c = 0; c < NumCeldas && llena; ++c) {
        const std::string& v = calculo.Valores[static_cast<std::size_t>(c)];
        llena = v.size() == 1 && v[0] >= '1' && v[0] <= '9';
        r.Solucion += v;
    }
    if (!llena) r.Solucion.clear();

    Rejilla digitos{};
    for (std::size_t i = 0; i < NumCeldas; ++i)
        digitos[i] = static_cast<std::uint8_t>(rejilla[i] ? rejilla[i] - '0' : 0);
    Rejilla primera{};
    r.Soluciones = ContarSoluciones(digitos, 2, &primera);
    // The engine gives up on many a hard published puzzle; the exhaustive
    // search does not.
    if (r.Solucion.empty() && r.Soluciones > 0) {
        r.Solucion.assign(NumCeldas, '0');
        for (std::size_t i = 0; i < NumCeldas; ++i)
            r.Solucion[static_cast<std::size_t>(orden[i])] = static_cast<char>('0' + primera[i]);
    }
    return r;
}

std::vector<std::string> Lineas_Importadas(const TableroTexto& rejilla, const std::string& solucion, int nivel) {
    std::array<sdk::CeldaGuardada, NumCeldas> celdas{};
    const auto& orden = tablero::OrdenRejilla();
    for (std::size_t i = 0; i < NumCeldas; ++i) {
        if (!rejilla[i]) continue;
        celdas[static_cast<std::size_t>(orden[i])] = {std::string(1, rejilla[i]), true};
    }
    return sdk::LineasPartida(sdk::LineaTablero(celdas, "00", "00", "00"), solucion, nivel, {});
}

namespace {

void Avisa(Juego& f, const std::string& texto, Color color) {
    f.Ventana.PMensaje.Caption = texto;
    f.Ventana.PMensaje.FontColor = color;
}

}  // namespace

void Pegar_Tablero(Juego& f, const std::string& texto) {
    std::string error;
    const auto rejilla = LeeTablero(texto, error);
    if (!rejilla) {
        // The player is told why, in the reader's words, so a grid copied
        // with a cell too few can be mended where it came from.
        Avisa(f, "El texto pegado no es un tablero: " + error, Granate);
        return;
    }
    if (const auto r = ReglaRota(*rejilla)) {
        Avisa(f, "El tablero pegado repite el " + std::string(1, r->Digito) + " en " + NombreGrupo(r->Tipo) + " " +
                     std::to_string(r->Grupo),
              Granate);
        return;
    }
    const Importado importado = Resuelve_Importado(*rejilla);
    Cargar_Tablero(f, *rejilla, importado.Solucion, RotuloPegado);
    // The game's own new games may have several solutions too; the board is
    // taken, and the player told.
    if (importado.Soluciones == 0) Avisa(f, "El tablero pegado no tiene solución", Granate);
    else if (importado.Soluciones > 1) Avisa(f, "El tablero pegado tiene más de una solución", Granate);
    else Avisa(f, "Tablero pegado", Negro);
}

}  // namespace novenario
