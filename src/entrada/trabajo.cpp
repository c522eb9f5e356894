// Board-wide work, the routines the work command form runs by name: the
// cells' colours and locks, the stored solution into the cells, the end of a
// game, and the board line of a saved game written and read back.
#include "entrada/entrada.h"
#include "sdk/formato.h"

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

void TFormTrabajo::Salvar_Partida() {
    f_.Partida.ESalvarPartida = sdk::LineaTablero(f_.Paneles, f_.Ventana.LPHor.Caption, f_.Ventana.LPMin.Caption, f_.Ventana.LPseg.Caption);
    f_.Ent.ProcessMessages();
}

void TFormTrabajo::Cargar_Partida() {
    f_.Partida.Hay_Fijos = Bandera::N;
    const sdk::Partida p =
        sdk::LeeLineaTablero(f_.Partida.MEntrada1.empty() ? std::string_view{} : std::string_view{f_.Partida.MEntrada1[0]});
    if (sdk::AplicaTablero(p, f_.Paneles)) f_.Partida.Hay_Fijos = Bandera::S;
    f_.Ventana.LPHor.Caption = p.LPHor;
    f_.Ventana.LPMin.Caption = p.LPMin;
    f_.Ventana.LPseg.Caption = p.LPseg;
    f_.Partida.EPartida = p.EPartida;
    f_.Partida.ENivel_Juego = p.ENivel_Juego;
    f_.Ent.ProcessMessages();
}

}  // namespace novenario
