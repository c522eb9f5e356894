// Does the digit just written into the selected cell repeat one of its block,
// grid row or grid column? The digit is written into the cell first; the
// checks then look at the whole group, so a repeat that was already there is
// reported too.
#include "board/juego.h"

namespace novenario {

namespace {

// Nine distinct placeholders stand for the empty cells of a group, so empty
// cells never match each other or a digit.
void Comprueba_Grupo(Juego& f, TipoGrupo tipo) {
    f.Variables.Hay_Error = Bandera::N;
    static constexpr const char* letras[9] = {"A", "B", "C", "D", "E", "F", "G", "H", "I"};
    for (int i = 0; i < 9; ++i) f.Variables.Casillas_Grupo[static_cast<std::size_t>(i)] = letras[i];
    const int c = tablero::Indice(f.Variables.Panel_Activo);
    if (c < 0) return;
    const auto& grupo = tablero::Grupo(tipo, tablero::GrupoDe(tipo, c));
    for (std::size_t i = 0; i < 9; ++i) {
        const std::string v = f.Paneles.Valor(grupo[i]);
        if (!v.empty()) f.Variables.Casillas_Grupo[i] = v;
    }
    for (std::size_t i = 0; i < 9; ++i)
        for (std::size_t j = 0; j < 9; ++j)
            if (i != j && f.Variables.Casillas_Grupo[i] == f.Variables.Casillas_Grupo[j]) f.Variables.Hay_Error = Bandera::S;
}

}  // namespace

void Modifica_Panel(Juego& f) {
    Celda* celda = f.Paneles.Buscar(f.Variables.Panel_Activo);
    if (!celda) return;
    f.Variables.Valor_Anterior = celda->Caption.substr(0, 1);
    celda->Caption = f.Variables.Numero_Activo;
}

void Valida_Bloque(Juego& f) { Comprueba_Grupo(f, TipoGrupo::Bloque); }
void Valida_Horizontal(Juego& f) { Comprueba_Grupo(f, TipoGrupo::Horizontal); }
void Valida_Vertical(Juego& f) { Comprueba_Grupo(f, TipoGrupo::Vertical); }

void Valida_Cadena(Juego& f, bool con_grupo) {
    if (con_grupo) f.Variables.Grupo_Error = "Bloque";
    Valida_Bloque(f);
    if (f.Variables.Hay_Error != Bandera::N) return;
    if (con_grupo) f.Variables.Grupo_Error = "Horizontal";
    Valida_Horizontal(f);
    if (f.Variables.Hay_Error != Bandera::N) return;
    if (con_grupo) f.Variables.Grupo_Error = "Vertical";
    Valida_Vertical(f);
}

void Limpia_Error(Juego& f) {
    f.Ventana.Shape1.Color_ = Gris;
    if (Celda* celda = f.Paneles.Buscar(f.Variables.Panel_Activo)) celda->Caption = f.Variables.Valor_Anterior;
}

void Limpia_Campo(Juego& f) {
    if (Celda* celda = f.Paneles.Buscar(f.Variables.Panel_Activo)) celda->Caption.clear();
    const bool ver = f.Variables.Ayuda_Activa != Bandera::S;
    f.Ventana.BBorrar.Visible = ver;
    f.Ventana.PTBorrar.Visible = ver;
    f.Ent.ProcessMessages();
}

}  // namespace novenario
