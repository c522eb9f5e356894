// The move list. Every accepted digit adds two entries (the cell blank, then
// its digit) and every erase one; back and forward put one cell at a time back
// into the state an entry describes, through the same write-and-check path as
// a normal entry, so a digit that no longer fits leaves the cell empty.
#include "board/jugada.h"
#include "entrada/entrada.h"

namespace novenario {

namespace {

void Aplica_Entrada(Juego& f) {
    const auto i = static_cast<std::size_t>(f.Variables.Posicion_Lista);
    if (f.Variables.Posicion_Lista < 0 || i >= f.Variables.LBPanel.size()) return;
    const Jugada entrada = Jugada::Lee(f.Variables.LBPanel[i]);
    f.Variables.Panel_Historia = entrada.Panel;
    f.Variables.Valor_Historia = entrada.Cifra();
    Panel_Imposible(f);
    Pongo_ColorRojo(f);
    f.Variables.Numero_Activo = f.Variables.Valor_Historia;
    f.Variables.Panel_Activo = f.Variables.Panel_Historia;
    Modifica_Panel(f);
    Valida_Cadena(f, true);
    if (f.Variables.Hay_Error == Bandera::S) {
        f.Variables.Valor_Anterior.clear();
        Limpia_Error(f);
    }
    Ejecuta_Trabajo(f, "Fin Partida");
    if (f.Variables.Partida_Terminada == Bandera::S) {
        Para_Reloj(f);
        Muestra_FinPartida(f);
    }
}

}  // namespace

void Reinicia_Historia(Juego& f) {
    f.Ventana.BAtras.Enabled = false;
    f.Ventana.BAdelante.Enabled = false;
    f.Variables.LBPanel.clear();
    f.Variables.Posicion_Lista = 0;
}

void BAtrasClick(Juego& f) {
    f.Ventana.BAtras.Enabled = false;
    if (f.Variables.Posicion_Lista > 0) f.Variables.Posicion_Lista -= 1;
    if (f.Variables.Posicion_Lista >= 0) Aplica_Entrada(f);
    f.Ventana.BAtras.Enabled = f.Variables.Posicion_Lista != 0;
    f.Ventana.BAdelante.Enabled = true;
}

void BAdelanteClick(Juego& f) {
    f.Ventana.BAdelante.Enabled = false;
    f.Variables.Posicion_Lista += 1;
    if (f.Variables.Posicion_Lista < static_cast<int>(f.Variables.LBPanel.size())) Aplica_Entrada(f);
    f.Ventana.BAdelante.Enabled = f.Variables.Posicion_Lista < static_cast<int>(f.Variables.LBPanel.size()) - 1;
    f.Ventana.BAtras.Enabled = true;
}

// A history step: the cell named in Panel_Historia gets Valor_Historia, the
// candidates follow, and the cell is selected as a click would.
void Panel_Imposible(Juego& f) {
    for (int c = 0; c < NumCeldas; ++c) {
        if (f.Variables.Panel_Historia != tablero::Nombre(c)) continue;
        f.Paneles[c].Caption = f.Variables.Valor_Historia;
        Disponibles(f);
        PClick(f, c);
    }
}

}  // namespace novenario
