// The board is the ground of the game: a file of it that reaches up to a
// command of the saved game must not compile. The layering test builds this
// file with the board's include roots and expects the compiler to refuse it.
#include "board/estado.h"
#include "savegame/partidas.h"

namespace novenario {

void Guarda_Desde_El_Tablero(Juego& f) { BSalvar2Click(f); }

}  // namespace novenario
