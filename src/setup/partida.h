// What the setup folder offers: a new game ("Nueva partida", drawn from the
// random source of the board's timer, solved by the engine and emptied to the
// level's count), the two commands on the fixed cells ("Deja fijos",
// "Borrar todo"), and the level dialog. The board-wide routines they run by
// name are entrada/entrada.h's.
#pragma once

#include <string>

#include "board/estado.h"

namespace novenario {

// The whole game: board, variables, window model, the generator's variables
// (Motor) and the solution (Partida.EPartida).
void BNuevaPartida2Click(Juego& f);
// The four draws of a new game: each offers the random panel's value to its
// list unless the list already has it.
void Repetido_Numero(Juego& f);
void Repetido_Paneles(Juego& f);
void Repetido_Posicion(Juego& f);
void Repetido_Borrar(Juego& f);

// "Deja fijos": the board back to its fixed cells.
void BDejarRojos2Click(Juego& f);
// "Borrar todo": an empty board, no solution, the clock stopped and at zero.
void BBorraTodoClick(Juego& f);

// The level dialog; accepting it creates a new game.
void BNivel2Click(Juego& f);
int Vacios_De_Nivel(int nivel);          // 21, 31, 41, 46, 51; 0 outside 1-5
std::string Texto_Nivel(int nivel);      // "Normal ... Muestra 40 pistas de 81 posibles"

}  // namespace novenario
