// The three assistance switches: the help display (candidate labels shown and
// the pads restricted to the digits that fit), the floating micro keypad, and
// the hint bar that turns green when the digit just entered is the solution's
// (its colour is Indica_Dato's, candidates/dato.cpp). The lamp Led1 records
// that assistance was used.
#include "ayuda/ayuda.h"
#include "entrada/entrada.h"

namespace novenario {

void BVerTeclasClick(Juego& f) {
    f.Ventana.PError.Hide();
    if (!f.Ventana.Led1.Value) f.Ventana.Led1.Value = true;
    if (f.Variables.Ayuda_Activa == Bandera::S) {
        f.Variables.Ayuda_Activa = Bandera::N;
        for (Control& b : f.Ventana.B) b.Show();
        for (Control& t : f.Ventana.PT) t.Show();
        f.Ventana.PTeclasNum.Caption.clear();
        f.Ventana.PMenti.FontSize = 22;
        for (int c = 0; c < NumCeldas; ++c) {
            f.Paneles[c].EtiquetasVisibles = false;
            f.Paneles[c].TamanoFuente = 22;
        }
    } else {
        f.Variables.Ayuda_Activa = Bandera::S;
        f.Ventana.PMenti.FontSize = 14;
        for (int c = 0; c < NumCeldas; ++c) {
            f.Paneles[c].EtiquetasVisibles = true;
            f.Paneles[c].TamanoFuente = 14;
        }
        Disponibles(f);
    }
    if (!f.Ventana.PMenti.Visible) f.Variables.Panel_Libre = f.Variables.Panel_Activo;
    // The cursor leaves the fixed cell it stood on, and its notice with it.
    if (f.Ventana.PMenti.Visible) {
        f.Ventana.PTeclasCarga.Hide();
        f.Ventana.PTeclasNum.Show();
    }
    f.Ventana.PMenti.Hide();
    Paneles_Libres(f);
    Pongo_ColorRojo(f);
    f.Ent.ProcessMessages();
}

void BMicroTeclas2Click(Juego& f) {
    f.Ventana.PError.Hide();
    Casa_MicroTeclas(f.Ventana);
    if (f.Variables.Micro_Activo == Bandera::N) {
        f.Variables.Micro_Activo = Bandera::S;
        f.Ventana.PMicroTeclas.Hide();
    } else {
        f.Ventana.PMicroTeclas.Show();
        f.Variables.Micro_Activo = Bandera::N;
    }
    if (f.Ventana.PMenti.Visible) f.Ventana.PMicroTeclas.Hide();
}

void BPistaClick(Juego& f) {
    f.Ventana.PError.Hide();
    if (!f.Ventana.Led1.Value) f.Ventana.Led1.Value = true;
    if (f.Variables.Pista_Activa == Bandera::S) {
        f.Variables.Pista_Activa = Bandera::N;
        f.Ventana.Shape1.Hide();
    } else {
        f.Variables.Pista_Activa = Bandera::S;
        f.Ventana.Shape1.Show();
    }
}

}  // namespace novenario
