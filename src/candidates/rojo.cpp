// Impossible cells. The candidate pass marks an empty cell with no possible
// digit maroon; the selection reset turns every cell white again, and
// Pongo_ColorRojo puts the mark back from the labels the last pass left.
#include "candidates/candidatos.h"

namespace novenario {

void Pongo_ColorRojo(Juego& f) {
    for (int c = 0; c < NumCeldas; ++c) {
        Celda& celda = f.Paneles[c];
        if (celda.Caption.empty() && celda.PSD.empty() && celda.PND.empty()) celda.Color_ = Granate;
    }
}

}  // namespace novenario
