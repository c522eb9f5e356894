// The hint bar: green while the selected cell holds the solution's digit,
// grey otherwise. "Pista" shows or hides it; every entry repaints it.
#include "candidates/candidatos.h"

namespace novenario {

void Indica_Dato(Juego& f) {
    f.Ventana.Shape1.Color_ = Gris;
    const int c = tablero::Indice(f.Variables.Panel_Activo);
    if (c < 0) return;
    const auto i = static_cast<std::size_t>(c);  // position in name order, from 0
    const Celda& celda = f.Paneles[c];
    if (i < f.Partida.EPartida.size() && celda.Caption == f.Partida.EPartida.substr(i, 1)) f.Ventana.Shape1.Color_ = Verde;
}

}  // namespace novenario
