// The move list. Every accepted digit adds two entries (the cell blank, then
// its digit) and every erase one; back and forward put one cell at a time back
// into the state an entry describes, through the same write-and-check path as
// a normal entry, so a digit that no longer fits leaves the cell empty.
#include "board/ordenes.h"

namespace novenario {

namespace {

void Aplica_Entrada(TFormPrincipal& f) {
    const auto i = static_cast<std::size_t>(f.Posicion_Lista);
    if (f.Posicion_Lista < 0 || i >= f.LBPanel.size()) return;
    const std::string& entrada = f.LBPanel[i];
    f.Panel_Historia = entrada.substr(0, 4);
    f.Valor_Historia = entrada.size() > 6 ? entrada.substr(6, 1) : std::string();
    if (f.Valor_Historia == "B") f.Valor_Historia.clear();
    f.Panel_Imposible();
    f.Pongo_ColorRojo();
    f.Numero_Activo = f.Valor_Historia;
    f.Panel_Activo = f.Panel_Historia;
    f.Modifica_Panel();
    f.Valida_Cadena(true);
    if (f.Hay_Error == Bandera::S) {
        f.Valor_Anterior.clear();
        f.Limpia_Error();
    }
    Ejecuta_Trabajo(f, "Fin Partida");
    if (f.Partida_Terminada == Bandera::S) {
        f.Para_Reloj();
        f.Muestra_FinPartida();
    }
}

}  // namespace

void TFormPrincipal::Reinicia_Historia() {
    BAtras.Enabled = false;
    BAdelante.Enabled = false;
    LBPanel.clear();
    Posicion_Lista = 0;
}

void TFormPrincipal::BAtrasClick() {
    BAtras.Enabled = false;
    if (Posicion_Lista > 0) Posicion_Lista -= 1;
    if (Posicion_Lista >= 0) Aplica_Entrada(*this);
    BAtras.Enabled = Posicion_Lista != 0;
    BAdelante.Enabled = true;
}

void TFormPrincipal::BAdelanteClick() {
    BAdelante.Enabled = false;
    Posicion_Lista += 1;
    if (Posicion_Lista < static_cast<int>(LBPanel.size())) Aplica_Entrada(*this);
    BAdelante.Enabled = Posicion_Lista < static_cast<int>(LBPanel.size()) - 1;
    BAtras.Enabled = true;
}

}  // namespace novenario
