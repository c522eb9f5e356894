// Impossible cells. The candidate pass marks an empty cell with no possible
// digit maroon; the selection reset turns every cell white again, and
// Pongo_ColorRojo puts the mark back from the labels the last pass left.
#include "board/juego.h"
#include "candidates/candidatos.h"

namespace novenario {

void Pongo_ColorRojo(Juego& f) {
    for (int c = 0; c < NumCeldas; ++c) {
        Celda& celda = f.Paneles[c];
        if (celda.Caption.empty() && celda.PSD.empty() && celda.PND.empty()) celda.Color_ = Granate;
    }
}

// A history step: the cell named in Panel_Historia gets Valor_Historia, the
// candidates follow, and the cell is selected as a click would.
void Panel_Imposible(Juego& f) {
    for (int c = 0; c < NumCeldas; ++c) {
        if (f.Variables.Panel_Historia != tablero::Nombre(c)) continue;
        f.Paneles[c].Caption = f.Variables.Valor_Historia;
        Disponibles(f);
        PClick(f, c);
    }
}

}  // namespace novenario
