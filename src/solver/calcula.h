// What the solver folder offers to the game: "Calcula" and the commands
// around it. The engine itself is solver/busqueda.h (the step-counted search),
// its pace on screen solver/ritmo.h, and an exhaustive search that can count
// solutions exhaustiva/exhaustiva.h.
#pragma once

#include <array>
#include <string>

#include "board/estado.h"

namespace novenario {

// "Calcula": the logic phase, then the search, shown step by step at a pace a
// person can follow. The whole game: board, variables, window model (every
// command off while it runs, "Pausa" and "Cancelar" on), the engine's
// variables (Motor).
void BRellena2Click(Juego& f);
// "Rellena NV": the same without showing the work (new games use it).
void BRellenaSinVerClick(Juego& f);
// The logic phase: every empty cell with a single candidate gets it, until
// none is left.
void BLogicaClick(Juego& f);
// Motor.ComboAux := the empty cells in grid reading order.
void Carga_ComboAux(Juego& f);
// "Solución": the board back to its fixed cells and the stored solution in.
void BSolucion2Click(Juego& f);
// "Cancelar": the running search stops at its next check.
void BPararProceso2Click(Juego& f);
// "Sin Solución" or "Sin Tiempo", as Motor.Resultado_Calculo says.
void Muestra_SinSolucion(Juego& f);

// The steps the game gives "Calcula" before it says "Sin tiempo".
inline constexpr int LimitePasos = 999999;

// "Calcula" on a board alone, with no game around it: the logic phase, then
// the search, on 81 values in name order ("" for an empty cell, a digit for
// a given), as "Calcula" runs on a board a load has just set up. The same
// cells are filled in the same order, so the board left is the one "Calcula"
// leaves in the game.
struct Calculo {
    std::array<std::string, NumCeldas> Valores;  // the board the run leaves
    std::string Resultado;                       // "", "SS" no solution, "ST" out of steps
};
Calculo Calcula_Tablero(const std::array<std::string, NumCeldas>& valores, long long limite_pasos = LimitePasos);

}  // namespace novenario
