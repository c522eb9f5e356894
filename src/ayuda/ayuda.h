// What the ayuda folder offers: the assistance a player asks for. The three
// switches ("Ayuda" shows the candidates and restricts the pads, "Micro
// teclado", "Pista"), and "Siguiente paso", the next step a person would
// take, from the reasoning engine (logica/logica.h). Each switch hides the
// error banner; the help display and the hint light the lamp Led1 that tells
// assistance was used.
#pragma once

#include <future>
#include <string>
#include <vector>

#include "board/estado.h"
#include "logica/logica.h"

namespace novenario {

// "Ayuda": Variables.Ayuda_Activa, the candidate labels of every cell and the
// pads (only the digits that fit); the selection moves to Panel_Libre.
void BVerTeclasClick(Juego& f);
// "Micro teclado": Variables.Micro_Activo and the floating keypad.
void BMicroTeclas2Click(Juego& f);
// "Pista": Variables.Pista_Activa and the hint bar Shape1.
void BPistaClick(Juego& f);
// "Siguiente paso" (Ctrl+H, or the board's own menu): the next step a person
// would take on the board as it stands, the player's digits included, told
// in a modal form in stages: the rating of the game and the technique with
// where to look first, then ("Más") the whole reasoning. "Colocar" enters
// the step's digit as the player enters one; on a board where one of the
// player's digits leads to no solution, "Volver" steps back through the move
// list until that digit is gone. The houses and cells of the step travel in
// the form's Marcas for the window to outline. Lights Led1.
void Siguiente_Paso(Juego& f);
// Whether "Siguiente paso" answers: not while long work runs ("Calcula", a
// new game), nor while the board is covered or switched off.
bool Siguiente_Disponible(const Juego& f);
// The board as the reasoning engine reads it (grid reading order): every
// digit, or only the given cells.
logica::Tablero Tablero_Logico(const Juego& f, bool solo_fijas);
// What the engine knows beside the board: the stored solution, and the cells
// the player filled, oldest first. A cell's age is the last entry of the move
// list, up to where the history stands, that put its digit in; a digit the
// list does not explain (a loaded game without its moves) counts as older
// than all of them.
logica::Contexto Contexto_Logico(const Juego& f);
// "Dificultad de la partida: 4.2, Difícil": the rating of the game's given
// cells, worked out once per game (or taken from the work started ahead).
const std::string& Dificultad_Partida(Juego& f);
// The steps "Siguiente paso" explains: from the board as it stands up to the
// next placement (or taken from the work started ahead for this board).
std::vector<logica::Paso> Pasos_Siguientes(Juego& f);

// What "Siguiente paso" works out ahead, while the player thinks: the rating
// of the given cells and the steps from the board as it stands, each on a
// thread of its own, with the board (and what the engine is told beside it)
// it is for. Asking for either with the same board waits for that work
// instead of doing it again.
struct Adelanto {
    std::string clave_dificultad;
    std::shared_future<std::string> dificultad;
    std::string clave_pasos;
    std::shared_future<std::vector<logica::Paso>> pasos;
};
// Starts that work for the board as it stands: nothing while long work runs
// or while "Siguiente paso" could not be asked for, nothing for what is done
// or under way already, and nothing new of a kind while that kind's work for
// an older board still runs (one at a time; a later call starts it).
void Adelanta_Ayuda(Juego& f);

}  // namespace novenario
