// Does the digit just written into the selected cell repeat one of its block,
// grid row or grid column? The digit is written into the cell first; the
// checks then look at the whole group, so a repeat that was already there is
// reported too.
#include "board/principal.h"

namespace novenario {

namespace {

// Nine distinct placeholders stand for the empty cells of a group, so empty
// cells never match each other or a digit.
void Comprueba_Grupo(TFormPrincipal& f, TipoGrupo tipo) {
    f.Hay_Error = Bandera::N;
    static constexpr const char* letras[9] = {"A", "B", "C", "D", "E", "F", "G", "H", "I"};
    for (int i = 0; i < 9; ++i) f.Casillas_Grupo[static_cast<std::size_t>(i)] = letras[i];
    const int c = tablero::Indice(f.Panel_Activo);
    if (c < 0) return;
    const auto& grupo = tablero::Grupo(tipo, tablero::GrupoDe(tipo, c));
    for (std::size_t i = 0; i < 9; ++i) {
        const std::string v = f.Paneles.Valor(grupo[i]);
        if (!v.empty()) f.Casillas_Grupo[i] = v;
    }
    for (std::size_t i = 0; i < 9; ++i)
        for (std::size_t j = 0; j < 9; ++j)
            if (i != j && f.Casillas_Grupo[i] == f.Casillas_Grupo[j]) f.Hay_Error = Bandera::S;
}

}  // namespace

void TFormPrincipal::Modifica_Panel() {
    Celda* celda = Paneles.Buscar(Panel_Activo);
    if (!celda) return;
    Valor_Anterior = celda->Caption.substr(0, 1);
    celda->Caption = Numero_Activo;
}

void TFormPrincipal::Valida_Bloque() { Comprueba_Grupo(*this, TipoGrupo::Bloque); }
void TFormPrincipal::Valida_Horizontal() { Comprueba_Grupo(*this, TipoGrupo::Horizontal); }
void TFormPrincipal::Valida_Vertical() { Comprueba_Grupo(*this, TipoGrupo::Vertical); }

void TFormPrincipal::Valida_Cadena(bool con_grupo) {
    if (con_grupo) Grupo_Error = "Bloque";
    Valida_Bloque();
    if (Hay_Error != Bandera::N) return;
    if (con_grupo) Grupo_Error = "Horizontal";
    Valida_Horizontal();
    if (Hay_Error != Bandera::N) return;
    if (con_grupo) Grupo_Error = "Vertical";
    Valida_Vertical();
}

void TFormPrincipal::Limpia_Error() {
    Shape1.Color_ = Gris;
    if (Celda* celda = Paneles.Buscar(Panel_Activo)) celda->Caption = Valor_Anterior;
}

void TFormPrincipal::Limpia_Campo() {
    if (Celda* celda = Paneles.Buscar(Panel_Activo)) celda->Caption.clear();
    const bool ver = Ayuda_Activa != Bandera::S;
    BBorrar.Visible = ver;
    PTBorrar.Visible = ver;
    entorno_.ProcessMessages();
}

}  // namespace novenario
