// Impossible cells. The candidate pass marks an empty cell with no possible
// digit maroon; the selection reset turns every cell white again, and
// Pongo_ColorRojo puts the mark back from the labels the last pass left.
#include "board/principal.h"

namespace novenario {

void TFormPrincipal::Pongo_ColorRojo() {
    for (int c = 0; c < NumCeldas; ++c) {
        Celda& celda = Paneles[c];
        if (celda.Caption.empty() && celda.PSD.empty() && celda.PND.empty()) celda.Color_ = Granate;
    }
}

// A history step: the cell named in Panel_Historia gets Valor_Historia, the
// candidates follow, and the cell is selected as a click would.
void TFormPrincipal::Panel_Imposible() {
    for (int c = 0; c < NumCeldas; ++c) {
        if (Panel_Historia != tablero::Nombre(c)) continue;
        Paneles[c].Caption = Valor_Historia;
        Disponibles();
        PClick(c);
    }
}

}  // namespace novenario
