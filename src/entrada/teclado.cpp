// The keyboard: arrows move the cursor, digits enter, and the space, "0",
// "*", "C", "." (the keypad's Supr key with Num Lock on), Supr and the
// backspace erase.
// Over a fixed cell the cursor is the placeholder PMenti and the number pad
// gives way to the notice "--- Dato Fijo ---".
#include "entrada/entrada.h"

namespace novenario {

void Posicion_CurKeyDown(Juego& f, int codigo, const std::string& caracter) {
    f.Ventana.Shape1.Color_ = Gris;
    f.Ventana.PMensaje.Caption.clear();
    f.Ventana.PError.Hide();
    Pongo_ColorRojo(f);
    // The character of the key reaches the input box while events run.
    f.Ent.ProcessMessages();
    f.Variables.Posicion_Cur = caracter.substr(0, 1);
    // Supr and the backspace erase as the space bar does.
    if (codigo == VK_DELETE || codigo == VK_BACK) f.Variables.Posicion_Cur = "*";

    switch (codigo) {
        case VK_UP: Ejecuta_Cursores(f, "Mover Arriba"); break;
        case VK_DOWN: Ejecuta_Cursores(f, "Mover Abajo"); break;
        case VK_RIGHT: Ejecuta_Cursores(f, "Mover Derecha"); break;
        case VK_LEFT: Ejecuta_Cursores(f, "Mover Izquierda"); break;
        default: break;
    }

    if (f.Variables.Posicion_Cur == " ") f.Variables.Posicion_Cur = "*";
    f.Variables.Posicion_Cur = Trim(f.Variables.Posicion_Cur);
    if (!f.Ventana.PMenti.Visible && f.Variables.Posicion_Cur.size() == 1) {
        const char ch = f.Variables.Posicion_Cur[0];
        if (ch == '0' || ch == '*' || ch == 'C' || ch == '.') BBorrarClick(f);
        if (ch >= '1' && ch <= '9') BClick(f, ch - '0');
    }
    f.Variables.Posicion_Cur.clear();

    if (f.Ventana.PMenti.Visible) {
        f.Ventana.LTeclasCarga.Caption = "--- Dato Fijo ---";
        f.Ventana.PTeclasNum.Hide();
        f.Ventana.PTeclasCarga.Show();
        if (f.Ventana.PMicroTeclas.Visible) f.Ventana.PMicroTeclas.Hide();
    } else {
        f.Ventana.PTeclasCarga.Hide();
        f.Ventana.PTeclasNum.Show();
        if (f.Variables.Micro_Activo == Bandera::N) f.Ventana.PMicroTeclas.Show();
    }
    f.Ent.ProcessMessages();
}

}  // namespace novenario
