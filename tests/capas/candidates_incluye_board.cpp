// The rules and candidates stand on the board: a file of theirs that reaches
// down to it compiles. The layering test builds this file with the
// candidates' include roots, so a refusal of the file above is the layering's
// doing and not a broken build.
#include "board/estado.h"
#include "candidates/candidatos.h"

namespace novenario {

void Repasa_Candidatos(Juego& f) { Disponibles(f); }

}  // namespace novenario
