// The two commands on the fixed cells: "Deja fijos" (back to the givens) and
// "Borrar todo" (an empty board, no game).
#include "board/juego.h"
#include "entrada/entrada.h"
#include "setup/partida.h"

namespace novenario {

void BDejarRojos2Click(Juego& f) {
    if (f.Ventana.PMenti.Visible) {
        f.Variables.Panel_Activo.clear();
        f.Ventana.PMenti.Hide();
    }
    f.Ent.ProcessMessages();
    f.Ventana.PError.Hide();
    f.Ventana.PContador_Jug.Caption = "0";
    Ejecuta_Trabajo(f, "Captura Fijos");
    Limpia_Campo(f);
    Disponibles(f);
    Busca_Libre(f);
    Paneles_Libres(f);
    Reinicia_Historia(f);
    f.Ventana.PTBorrar.Hide();
    f.Ventana.PTeclasNum.Show();
    f.Ventana.PTeclasCarga.Hide();
    f.Ent.ProcessMessages();
}

void BBorraTodoClick(Juego& f) {
    f.Ventana.PTeclasCarga.Hide();
    f.Ventana.PTeclasNum.Show();
    f.Ent.ProcessMessages();
    f.Ventana.PError.Hide();
    f.Variables.LBPanel.clear();
    Desactiva_Solucion(f);
    f.Ventana.Shape1.Hide();
    f.Ventana.PFichero.Caption = "Fichero";
    Para_Reloj(f);
    Reinicia_Reloj(f);
    Ejecuta_Trabajo(f, "Color Blanco");
    Ejecuta_Trabajo(f, "Libera Paneles");
    f.Ventana.PMensaje.Caption.clear();
    f.Partida.EPartida.clear();
    f.Ventana.PContador_Jug.Caption = "0";
    for (int c = 0; c < NumCeldas; ++c) {
        f.Paneles[c].Caption.clear();
        f.Paneles[c].PSD.clear();
        f.Paneles[c].PND.clear();
    }
    f.Ventana.Led1.Value = f.Variables.Ayuda_Activa == Bandera::S;
    f.Ventana.BAtras.Enabled = false;
    f.Ventana.BAdelante.Enabled = false;
    f.Variables.Posicion_Lista = 0;
    Disponibles(f);
    f.Ent.ProcessMessages();
    PClick(f, tablero::Indice("P1_1"));
}

}  // namespace novenario
