// A board for the saved-game tests to load into and save from.
#pragma once

#include "board/colores.h"
#include "board/tablero.h"

namespace novenario::sdk::prueba {

// A board as the load prepares it, with one cell left dirty to see which
// cells the pairs really touch.
inline Tablero Preparado() {
    Tablero t;
    for (int c = 0; c < NumCeldas; ++c) {
        t[c].Caption = "";
        t[c].Color_ = Blanco;
        t[c].Enabled = true;
    }
    return t;
}

}  // namespace novenario::sdk::prueba
