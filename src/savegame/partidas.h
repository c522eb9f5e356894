// What the savegame folder offers to the game: "Salvar partida" and "Cargar
// partida" (and the work routines Salvar_Partida and Cargar_Partida of
// TFormTrabajo, in comandos.cpp). The format itself, which needs no game, is
// savegame/formato.h (the game's lines) and savegame/rtf.h (the RTF around
// them).
#pragma once

#include <string>

#include "board/estado.h"

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
// A saved game named from outside the window (the program's command line, a
// file manager): loaded as "Cargar partida" loads a chosen file; one that is
// not there is said as one that cannot be read, since no dialog has made sure
// of it.
void Abrir_Partida(Juego& f, const std::string& nombre);
// The mouse over the file name or its picture: the tooltip shows the whole
// name, which the label may be too narrow for.
void PFicheroMouseMove(Juego& f);
void Image1MouseMove(Juego& f);

}  // namespace novenario
