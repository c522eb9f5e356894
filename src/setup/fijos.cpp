// Fixed cells and the end of a game: the board-wide routines of the work
// command form, and the two commands built on them, "Deja fijos" (back to the
// givens) and "Borrar todo" (an empty board, no game).
#include "board/juego.h"
#include "candidates/candidatos.h"
#include "setup/partida.h"

namespace novenario {

void TFormTrabajo::Nueva_Partida() {
    for (int c = 0; c < NumCeldas; ++c) {
        const auto i = static_cast<std::size_t>(c);
        f_.Paneles[c].Caption = i < f_.Partida.EPartida.size() ? f_.Partida.EPartida.substr(i, 1) : std::string();
    }
    f_.Ent.ProcessMessages();
}

void TFormTrabajo::Bloquea_Paneles() {
    for (int c = 0; c < NumCeldas; ++c) {
        Celda& celda = f_.Paneles[c];
        if (!celda.Caption.empty()) {
            celda.Enabled = false;
            celda.Color_ = Naranja;
        }
    }
    f_.Ent.ProcessMessages();
}

void TFormTrabajo::Color_Rojo() {
    for (int c = 0; c < NumCeldas; ++c)
        if (f_.Paneles[c].Color_ != Naranja) f_.Paneles[c].Color_ = Blanco;
    f_.Ent.ProcessMessages();
}

void TFormTrabajo::Color_Blanco() {
    for (int c = 0; c < NumCeldas; ++c) f_.Paneles[c].Color_ = Blanco;
    f_.Ent.ProcessMessages();
}

void TFormTrabajo::Libera_Paneles() {
    for (int c = 0; c < NumCeldas; ++c) f_.Paneles[c].Enabled = true;
    f_.Ent.ProcessMessages();
}

void TFormTrabajo::Captura_Fijos() {
    for (int c = 0; c < NumCeldas; ++c)
        if (f_.Paneles[c].Color_ == Blanco) f_.Paneles[c].Caption.clear();
    f_.Ent.ProcessMessages();
}

void TFormTrabajo::Marca_Usuario() {
    for (int c = 0; c < NumCeldas; ++c) {
        Celda& celda = f_.Paneles[c];
        if (celda.Color_ == Blanco && !celda.Caption.empty()) celda.Color_ = Aguamarina;
    }
    f_.Ent.ProcessMessages();
}

void TFormTrabajo::Fin_Partida() {
    f_.Variables.Partida_Terminada = Bandera::N;
    bool llena = true;
    for (int c = 0; c < NumCeldas && llena; ++c) llena = !f_.Paneles[c].Caption.empty();
    if (llena) f_.Variables.Partida_Terminada = Bandera::S;
    f_.Ent.ProcessMessages();
}

void Desactiva_Solucion(Juego& f) { Activa_Solucion(f, false); }

void Activa_Solucion(Juego& f, bool activa) {
    for (Control* c : {&f.Ventana.BSolucion, &f.Ventana.LBSolucion, &f.Ventana.LBSolucionR, &f.Ventana.BDejarRojos, &f.Ventana.LBDejarRojos,
                       &f.Ventana.LBDejarRojosR, &f.Ventana.BVerPista, &f.Ventana.LBVerPista, &f.Ventana.LBVerPistasR})
        c->Enabled = activa;
}

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
