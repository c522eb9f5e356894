// Keyboard cursor moves. A fixed cell cannot be selected, so the cursor shows
// itself over one with the placeholder PMenti.
#include "entrada/entrada.h"

namespace novenario {

void TFormCursores::Mover_Arriba() { Mover(-1, 0); }
void TFormCursores::Mover_Abajo() { Mover(1, 0); }
void TFormCursores::Mover_Derecha() { Mover(0, 1); }
void TFormCursores::Mover_Izquierda() { Mover(0, -1); }

void TFormCursores::Mover(int dfila, int dcolumna) {
    f_.Ventana.PMenti.Hide();
    f_.Ent.ProcessMessages();
    const int actual = tablero::Indice(f_.Variables.Panel_Activo);
    if (actual < 0) return;
    const int fila = tablero::Fila(actual) + dfila, columna = tablero::Columna(actual) + dcolumna;
    const bool dentro = fila >= 1 && fila <= 9 && columna >= 1 && columna <= 9;
    const int destino = dentro ? tablero::EnRejilla(fila, columna) : actual;

    Celda& dejada = f_.Paneles[actual];
    if (dejada.Color_ != Verde) f_.Ventana.PAux.Color_ = dejada.Color_;
    dejada.Color_ = f_.Ventana.PAux.Color_;

    const Celda& celda = f_.Paneles[destino];
    if (celda.Color_ == Naranja) {
        f_.Ventana.PMenti.Mover(tablero::Izquierda(destino), tablero::Arriba(destino));
        f_.Ventana.PMenti.Caption = celda.Caption;
        f_.Variables.Panel_Activo = tablero::Nombre(destino);
        f_.Ventana.PMenti.Show();
    } else {
        PClick(f_, destino);
    }
}

}  // namespace novenario
