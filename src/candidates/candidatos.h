// What the candidates folder offers: the rules and the candidates. The group
// checks of a digit entered (validation), the digits still possible in every
// cell and those its peers already hold (the candidate pass, the command
// form TFormDisponibles), the maroon mark of a cell with no possible digit,
// the hint bar's colour, and the digit the view lights. It stands on the
// board alone; the assistance commands that show all this ("Ayuda", "Pista",
// "Micro teclado", "Siguiente paso") are in ayuda/ayuda.h.
#pragma once

#include "board/juego.h"

namespace novenario {

// ---- Validation (validacion.cpp) -----------------------------------------
// Board: the selected cell. Variables: Panel_Activo, Numero_Activo,
// Valor_Anterior, Hay_Error, Casillas_Grupo, Grupo_Error. Limpia_Error also
// greys the hint bar; Limpia_Campo shows or hides the erase keys and pumps.
void Modifica_Panel(Juego& f);   // the old value into Valor_Anterior, Numero_Activo into the cell
void Valida_Bloque(Juego& f);
void Valida_Horizontal(Juego& f);
void Valida_Vertical(Juego& f);
// Block, then row, then column; the first repeat stops the chain. With
// con_grupo the group being checked is written into Grupo_Error.
void Valida_Cadena(Juego& f, bool con_grupo);
void Limpia_Error(Juego& f);     // the old value back into the cell
void Limpia_Campo(Juego& f);     // the selected cell emptied

// The candidate pass (disponibles.cpp): its command form and the routine
// that runs it, "Mira Disponibles".
class TFormDisponibles {
public:
    explicit TFormDisponibles(Juego& f);

    void Disponibles();
    void Calcula_Disponibles();

private:
    Juego& f_;
};

void Disponibles(Juego& f);  // "Mira Disponibles": the candidate pass

// ---- Impossible cells and the hint bar (rojo.cpp, dato.cpp) ----------------
// Board: every empty cell whose two labels are empty becomes maroon.
void Pongo_ColorRojo(Juego& f);
// The hint bar turns green when the selected cell holds the solution's digit
// (Partida.EPartida).
void Indica_Dato(Juego& f);

// ---- The lit digit (iluminado.cpp) ------------------------------------------
// The digit the view lights wherever else it stands on the board: that of
// the selected cell (Panel_Activo), 1 to 9; 0 when that cell is empty or long
// work has the board. Only the view's drawing follows it: no cell's colour
// changes.
int Digito_Iluminado(const Juego& f);
// Whether cell c (0..80) is lit: another cell than the selected one,
// holding that digit.
bool Celda_Iluminada(const Juego& f, int c);

}  // namespace novenario
