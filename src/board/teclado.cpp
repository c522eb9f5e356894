// The keyboard: arrows move the cursor, digits enter, and the space, "0",
// "*", "C", "." (the keypad's Supr key with Num Lock on), Supr and the
// backspace erase.
// Over a fixed cell the cursor is the placeholder PMenti and the number pad
// gives way to the notice "--- Dato Fijo ---".
#include "board/ordenes.h"

namespace novenario {

void TFormPrincipal::Posicion_CurKeyDown(int codigo, const std::string& caracter) {
    Shape1.Color_ = Gris;
    PMensaje.Caption.clear();
    PError.Hide();
    Pongo_ColorRojo();
    // The character of the key reaches the input box while events run.
    entorno_.ProcessMessages();
    Posicion_Cur = caracter.substr(0, 1);
    // Supr and the backspace erase as the space bar does.
    if (codigo == VK_DELETE || codigo == VK_BACK) Posicion_Cur = "*";

    switch (codigo) {
        case VK_UP: Ejecuta_Cursores(*this, "Mover Arriba"); break;
        case VK_DOWN: Ejecuta_Cursores(*this, "Mover Abajo"); break;
        case VK_RIGHT: Ejecuta_Cursores(*this, "Mover Derecha"); break;
        case VK_LEFT: Ejecuta_Cursores(*this, "Mover Izquierda"); break;
        default: break;
    }

    if (Posicion_Cur == " ") Posicion_Cur = "*";
    Posicion_Cur = Trim(Posicion_Cur);
    if (!PMenti.Visible && Posicion_Cur.size() == 1) {
        const char ch = Posicion_Cur[0];
        if (ch == '0' || ch == '*' || ch == 'C' || ch == '.') BBorrarClick();
        if (ch >= '1' && ch <= '9') BClick(ch - '0');
    }
    Posicion_Cur.clear();

    if (PMenti.Visible) {
        LTeclasCarga.Caption = "--- Dato Fijo ---";
        PTeclasNum.Hide();
        PTeclasCarga.Show();
        if (PMicroTeclas.Visible) PMicroTeclas.Hide();
    } else {
        PTeclasCarga.Hide();
        PTeclasNum.Show();
        if (Micro_Activo == Bandera::N) PMicroTeclas.Show();
    }
    entorno_.ProcessMessages();
}

}  // namespace novenario
