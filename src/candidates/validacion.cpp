// Does the digit just written into the selected cell repeat one of its block,
// grid row or grid column? The digit is written into the cell first; the
// checks then look at the whole group, so a repeat that was already there is
// reported too.
#include "board/grupo.h"
#include "candidates/candidatos.h"

namespace novenario {

namespace {

// Nine distinct placeholders stand for the empty cells of a group, so empty
// cells never match each other or a digit (board/grupo.h).
void Comprueba_Grupo(Juego& f, TipoGrupo tipo) {
    std::array<std::string, 9> valores{};
    const int c = tablero::Indice(f.Variables.Panel_Activo);
    if (c >= 0) {
        const auto& grupo = tablero::Grupo(tipo, tablero::GrupoDe(tipo, c));
        for (std::size_t i = 0; i < 9; ++i) valores[i] = f.Paneles.Valor(grupo[i]);
    }
    f.Variables.Hay_Error = Hay_Repeticion(valores, f.Variables.Casillas_Grupo) ? Bandera::S : Bandera::N;
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
