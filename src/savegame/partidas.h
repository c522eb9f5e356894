// What the savegame folder offers to the game: "Salvar partida" and "Cargar
// partida", the last game, and boards brought in from outside: the paste and
// the companion tool's import. The format itself, which needs no game, is
// sdk/formato.h (the game's lines) and sdk/rtf.h (the RTF around them), and
// the board line's own work routines (Salvar_Partida and Cargar_Partida of
// TFormTrabajo) are in entrada/entrada.h; boards as text are
// savegame/tablero_texto.h.
#pragma once

#include <string>
#include <vector>

#include "board/estado.h"
#include "savegame/tablero_texto.h"

namespace novenario {

// The save dialog, then the file: the board line, the solution and level when
// known, the move list. Reads the whole game; writes Partida's lines and the
// file name PFichero.
void BSalvar2Click(Juego& f);
// The open dialog, then Cargar_Fichero.
void BCargar2Click(Juego& f);
// The load itself, once a file has been chosen ("" when the dialog was
// cancelled): the whole file is read and checked before anything changes; a
// file that cannot be read leaves the game as it was.
void Cargar_Fichero(Juego& f, const std::string& nombre);
namespace sdk {
struct Lectura;
}
// A checked reading installed as "Cargar partida" installs it, with rotulo
// as the file name's caption.
void Instala_Lectura(Juego& f, sdk::Lectura lectura, const std::string& rotulo);
// A saved game named from outside the window (the program's command line, a
// file manager): loaded as "Cargar partida" loads a chosen file; one that is
// not there is said as one that cannot be read, since no dialog has made sure
// of it.
void Abrir_Partida(Juego& f, const std::string& nombre);
// ---- The last game (ultima.cpp) -----------------------------------------
// The game in progress outlives the program: the way out keeps it in a file
// of its own (Entorno::FicheroUltima), written as "Guardar partida" writes,
// and the next start loads it as "Cargar partida" would. A finished game
// (every cell holds a value) or an empty board is not worth keeping.

// The file under the folder for a program's state: $XDG_STATE_HOME (when it
// is an absolute path), else $HOME/.local/state; "" when neither is known.
std::string Ruta_Ultima(const char* xdg_state_home, const char* home);
inline constexpr const char* RotuloUltima = " Partida anterior";
inline constexpr const char* MensajeUltima = "Partida anterior recuperada";
// The lines a save of the game would write, from no other state than the
// game's; during long work, those of the game as it stood before.
std::vector<std::string> Lineas_Ultima(const Juego& f);
// Whether a board line holds a game worth keeping: some cell, not all.
bool Merece_Guardarse(const std::string& linea_tablero);
// The way out: keeps the game in progress, or, when it is not worth keeping,
// removes a kept game left from before (a file that is no saved game stays).
// Nothing is said: a failure leaves the old file and shows nothing.
void Guarda_Ultima(Juego& f);
// The program ends without the exit confirmation having kept the game.
void Guarda_Ultima_Al_Terminar(Juego& f);
// At start: the kept game loaded as "Cargar partida" loads a file, with
// RotuloUltima as the file's caption and MensajeUltima on the message line.
// A missing, unreadable, damaged or foreign file, or a game not worth
// keeping, is ignored and left where it is. Whether a game was loaded.
bool Recupera_Ultima(Juego& f);

// The mouse over the file name or its picture: the tooltip shows the whole
// name, which the label may be too narrow for.
void PFicheroMouseMove(Juego& f);
void Image1MouseMove(Juego& f);

// ---- Boards brought in from outside (importar.cpp; the load of a grid beside
// the load of a file, in comandos.cpp) ----------------------------------------
// A puzzle from a newspaper or another program comes in as a grid
// (savegame/tablero_texto.h) and becomes a saved game of its own: its digits
// fixed cells, the clock at 00:00:00, no moves, and its solution with the
// level when one is found.

// What is known of a grid's solutions.
struct Importado {
    std::string Resultado;  // how "Calcula" ended on it: "", "SS" or "ST"
    std::string Solucion;   // 81 digits in name order, "" when it has none
    int Soluciones = 0;     // 0, 1 or 2 (two or more), by the exhaustive search
};
// "Calcula" runs on the grid alone, with no game around it (the engine's
// Calcula_Tablero, solver/calcula.h); when it runs out of steps the
// exhaustive search gives the solution instead, so every grid that has a
// solution gets one.
Importado Resuelve_Importado(const TableroTexto& rejilla);
// The lines of the saved game of that grid: the tail only with a solution.
std::vector<std::string> Lineas_Importadas(const TableroTexto& rejilla, const std::string& solucion, int nivel);
// The grid set up as "Cargar partida" sets up the saved game of those lines
// (at the current level), with rotulo as the file name's caption.
void Cargar_Tablero(Juego& f, const TableroTexto& rejilla, const std::string& solucion, const std::string& rotulo);
// What the file name shows after a paste.
inline constexpr const char* RotuloPegado = " Pegado del portapapeles";
// Ctrl+V: the text on the clipboard, read as a board and set up with its
// solution. Text that is no board, or a board whose digits break a rule,
// changes nothing and says why on the message line in maroon.
void Pegar_Tablero(Juego& f, const std::string& texto);

}  // namespace novenario
