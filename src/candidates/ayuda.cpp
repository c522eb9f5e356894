// The three assistance switches: the help display (candidate labels shown and
// the pads restricted to the digits that fit), the floating micro keypad, and
// the hint bar that turns green when the digit just entered is the solution's.
// The lamp Led1 records that assistance was used.
#include "board/principal.h"

namespace novenario {

void TFormPrincipal::BVerTeclasClick() {
    PError.Hide();
    if (!Led1.Value) Led1.Value = true;
    if (Ayuda_Activa == Bandera::S) {
        Ayuda_Activa = Bandera::N;
        for (Control& b : B) b.Show();
        for (Control& t : PT) t.Show();
        PTeclasNum.Caption.clear();
        PMenti.FontSize = 22;
        for (int c = 0; c < NumCeldas; ++c) {
            Paneles[c].EtiquetasVisibles = false;
            Paneles[c].TamanoFuente = 22;
        }
    } else {
        Ayuda_Activa = Bandera::S;
        PMenti.FontSize = 14;
        for (int c = 0; c < NumCeldas; ++c) {
            Paneles[c].EtiquetasVisibles = true;
            Paneles[c].TamanoFuente = 14;
        }
        Disponibles();
    }
    if (!PMenti.Visible) Panel_Libre = Panel_Activo;
    // The cursor leaves the fixed cell it stood on, and its notice with it.
    if (PMenti.Visible) {
        PTeclasCarga.Hide();
        PTeclasNum.Show();
    }
    PMenti.Hide();
    Paneles_Libres();
    Pongo_ColorRojo();
    entorno_.ProcessMessages();
}

void TFormPrincipal::BMicroTeclas2Click() {
    PError.Hide();
    Casa_MicroTeclas();
    if (Micro_Activo == Bandera::N) {
        Micro_Activo = Bandera::S;
        PMicroTeclas.Hide();
    } else {
        PMicroTeclas.Show();
        Micro_Activo = Bandera::N;
    }
    if (PMenti.Visible) PMicroTeclas.Hide();
}

void TFormPrincipal::BPistaClick() {
    PError.Hide();
    if (!Led1.Value) Led1.Value = true;
    if (Pista_Activa == Bandera::S) {
        Pista_Activa = Bandera::N;
        Shape1.Hide();
    } else {
        Pista_Activa = Bandera::S;
        Shape1.Show();
    }
}

void TFormPrincipal::Indica_Dato() {
    Shape1.Color_ = Gris;
    const int c = tablero::Indice(Panel_Activo);
    if (c < 0) return;
    const auto i = static_cast<std::size_t>(c);  // position in name order, from 0
    const Celda& celda = Paneles[c];
    if (i < EPartida.size() && celda.Caption == EPartida.substr(i, 1)) Shape1.Color_ = Verde;
}

}  // namespace novenario
