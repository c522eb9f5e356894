// Fixed cells and the end of a game: the board-wide routines of the work
// command form, and the two commands built on them, "Deja fijos" (back to the
// givens) and "Borrar todo" (an empty board, no game).
#include "board/ordenes.h"

namespace novenario {

void TFormTrabajo::Nueva_Partida() {
    for (int c = 0; c < NumCeldas; ++c) {
        const auto i = static_cast<std::size_t>(c);
        f_.Paneles[c].Caption = i < f_.EPartida.size() ? f_.EPartida.substr(i, 1) : std::string();
    }
    f_.Ent().ProcessMessages();
}

void TFormTrabajo::Bloquea_Paneles() {
    for (int c = 0; c < NumCeldas; ++c) {
        Celda& celda = f_.Paneles[c];
        if (!celda.Caption.empty()) {
            celda.Enabled = false;
            celda.Color_ = Naranja;
        }
    }
    f_.Ent().ProcessMessages();
}

void TFormTrabajo::Color_Rojo() {
    for (int c = 0; c < NumCeldas; ++c)
        if (f_.Paneles[c].Color_ != Naranja) f_.Paneles[c].Color_ = Blanco;
    f_.Ent().ProcessMessages();
}

void TFormTrabajo::Color_Blanco() {
    for (int c = 0; c < NumCeldas; ++c) f_.Paneles[c].Color_ = Blanco;
    f_.Ent().ProcessMessages();
}

void TFormTrabajo::Libera_Paneles() {
    for (int c = 0; c < NumCeldas; ++c) f_.Paneles[c].Enabled = true;
    f_.Ent().ProcessMessages();
}

void TFormTrabajo::Captura_Fijos() {
    for (int c = 0; c < NumCeldas; ++c)
        if (f_.Paneles[c].Color_ == Blanco) f_.Paneles[c].Caption.clear();
    f_.Ent().ProcessMessages();
}

void TFormTrabajo::Marca_Usuario() {
    for (int c = 0; c < NumCeldas; ++c) {
        Celda& celda = f_.Paneles[c];
        if (celda.Color_ == Blanco && !celda.Caption.empty()) celda.Color_ = Aguamarina;
    }
    f_.Ent().ProcessMessages();
}

void TFormTrabajo::Fin_Partida() {
    f_.Partida_Terminada = Bandera::N;
    bool llena = true;
    for (int c = 0; c < NumCeldas && llena; ++c) llena = !f_.Paneles[c].Caption.empty();
    if (llena) f_.Partida_Terminada = Bandera::S;
    f_.Ent().ProcessMessages();
}

void TFormPrincipal::Desactiva_Solucion() { Activa_Solucion(false); }

void TFormPrincipal::Activa_Solucion(bool activa) {
    for (Control* c : {&BSolucion, &LBSolucion, &LBSolucionR, &BDejarRojos, &LBDejarRojos,
                       &LBDejarRojosR, &BVerPista, &LBVerPista, &LBVerPistasR})
        c->Enabled = activa;
}

void TFormPrincipal::BDejarRojos2Click() {
    if (PMenti.Visible) {
        Panel_Activo.clear();
        PMenti.Hide();
    }
    entorno_.ProcessMessages();
    PError.Hide();
    PContador_Jug.Caption = "0";
    Ejecuta_Trabajo(*this, "Captura Fijos");
    Limpia_Campo();
    Disponibles();
    Busca_Libre();
    Paneles_Libres();
    Reinicia_Historia();
    PTBorrar.Hide();
    PTeclasNum.Show();
    PTeclasCarga.Hide();
    entorno_.ProcessMessages();
}

void TFormPrincipal::BBorraTodoClick() {
    PTeclasCarga.Hide();
    PTeclasNum.Show();
    entorno_.ProcessMessages();
    PError.Hide();
    LBPanel.clear();
    Desactiva_Solucion();
    Shape1.Hide();
    PFichero.Caption = "Fichero";
    Para_Reloj();
    Reinicia_Reloj();
    Ejecuta_Trabajo(*this, "Color Blanco");
    Ejecuta_Trabajo(*this, "Libera Paneles");
    PMensaje.Caption.clear();
    EPartida.clear();
    PContador_Jug.Caption = "0";
    for (int c = 0; c < NumCeldas; ++c) {
        Paneles[c].Caption.clear();
        Paneles[c].PSD.clear();
        Paneles[c].PND.clear();
    }
    Led1.Value = Ayuda_Activa == Bandera::S;
    BAtras.Enabled = false;
    BAdelante.Enabled = false;
    Posicion_Lista = 0;
    Disponibles();
    entorno_.ProcessMessages();
    PClick(tablero::Indice("P1_1"));
}

}  // namespace novenario
