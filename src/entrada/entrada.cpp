// Selecting a cell, entering and erasing digits, and selecting the first free
// cell after a board-wide change.
#include "board/jugada.h"
#include "entrada/entrada.h"

namespace novenario {

namespace {

const std::string& Digito(int d) {
    static const std::array<std::string, 10> textos{"", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    return textos[static_cast<std::size_t>(d)];
}

}  // namespace

// The micro keypad sits beside the selected cell: to its right, or to its left
// in the last column, and higher up in the last row so it stays on the board.
void Coloca_MicroTeclas(Juego& f, int c) {
    const int col = tablero::Columna(c), fila = tablero::Fila(c);
    const int left = tablero::Izquierda(c), top = tablero::Arriba(c);
    int x = left + 40;
    if (col == 3 || col == 6) x = left + 43;
    if (col == 9) x = left - 29;
    f.Ventana.PMicroTeclas.Mover(x, fila == 9 ? top - 33 : top);
}

void PClick(Juego& f, int c) {
    if (c < 0 || c >= NumCeldas) return;
    Celda& celda = f.Paneles[c];
    Coloca_MicroTeclas(f, c);
    Color_Normal(f);
    celda.Color_ = Verde;
    f.Variables.Panel_Activo = tablero::Nombre(c);
    f.Ventana.BBorrar.Hide();
    f.Ventana.PTBorrar.Hide();
    if (!celda.Caption.empty()) {
        f.Ventana.BBorrar.Show();
        f.Ventana.PTBorrar.Show();
    }
    // A free cell selected by whatever means has the number pad, never the
    // fixed-cell notice (switching "Ayuda" may take the cursor off a fixed
    // cell after the placeholder was already hidden).
    f.Ventana.PTeclasCarga.Hide();
    if (f.Variables.Ayuda_Activa == Bandera::S) {
        f.Variables.Valor_Guardado.clear();
        if (!Trim(celda.Caption).empty()) f.Variables.Valor_Guardado = Trim(celda.Caption).substr(0, 1);
        Quita_Botones(f);
        if (!f.Variables.Valor_Guardado.empty())
            celda.Caption = f.Variables.Valor_Guardado;
        else
            Limpia_Campo(f);
    }
}

void Color_Normal(Juego& f) {
    f.Ventana.Shape1.Color_ = Gris;
    if (f.Ventana.PMenti.Visible) {
        f.Ventana.PTeclasNum.Show();
        f.Ventana.PTeclasCarga.Hide();
        f.Ventana.PMenti.Hide();
    }
    f.Ventana.PAux.Color_ = Blanco;
    f.Ventana.PMensaje.Caption.clear();
    f.Ventana.PError.Hide();
    f.Variables.Orden_Trabajo = "Color Rojo";
    f.Ventana.PTeclasNum.Show();
    if (f.Variables.Micro_Activo == Bandera::N) f.Ventana.PMicroTeclas.Show();
    TFormTrabajo forma(f);
    Pongo_ColorRojo(f);
}

void Color_Verde(Juego& f) {
    if (Celda* celda = f.Paneles.Buscar(f.Variables.Panel_Activo)) celda->Color_ = Verde;
}

// With the help display on, the pads offer only the digits that fit: each
// digit is written into the cell and put through the checks in turn.
void Quita_Botones(Juego& f) {
    for (Control& b : f.Ventana.B) b.Show();
    for (int d = 1; d <= 9; ++d) {
        f.Variables.Numero_Activo = Digito(d);
        Modifica_Panel(f);
        Valida_Cadena(f, false);
        if (f.Variables.Hay_Error == Bandera::S) f.Ventana.B[static_cast<std::size_t>(d - 1)].Hide();
    }
    f.Ventana.PTeclasNum.Caption.clear();
    f.Ventana.PMicroTeclas.Caption.clear();
    bool alguno = false;
    for (const Control& b : f.Ventana.B) alguno = alguno || b.Visible;
    if (!alguno) {
        f.Ventana.PTeclasNum.Caption = "Sin valor posible";
        f.Ventana.PMicroTeclas.Caption = "Sin valor";
        f.Ventana.PMensaje.Caption = "Sin valor posible";
        f.Ventana.PMensaje.FontColor = Granate;
    }
    for (Control& t : f.Ventana.PT) t.Hide();
    for (std::size_t i = 0; i < 9; ++i)
        if (f.Ventana.B[i].Visible) f.Ventana.PT[i].Show();
}

void BClick(Juego& f, int d) {
    if (d < 1 || d > 9) return;
    f.Variables.Numero_Activo = Digito(d);
    Modifica_Panel(f);
    Valida_Cadena(f, true);
    if (f.Variables.Hay_Error != Bandera::S) {
        f.Ventana.PError.Hide();
        f.Ventana.BBorrar.Show();
        f.Ventana.PTBorrar.Show();
        f.Ventana.PMensaje.Caption = "Número " + Digito(d) + " aceptado";
        f.Ventana.PMensaje.FontColor = Negro;
        f.Variables.LBPanel.push_back(Jugada{f.Variables.Panel_Activo, "B"}.Texto());
        f.Variables.LBPanel.push_back(Jugada{f.Variables.Panel_Activo, Digito(d)}.Texto());
        f.Variables.Posicion_Lista = static_cast<int>(f.Variables.LBPanel.size()) - 1;
        if (f.Variables.Posicion_Lista >= 1) f.Ventana.BAtras.Enabled = true;
        f.Ventana.BAdelante.Enabled = false;
        Disponibles(f);
        if (f.Ventana.Shape1.Visible) Indica_Dato(f);
        Ejecuta_Trabajo(f, "Fin Partida");
        if (f.Variables.Partida_Terminada == Bandera::S) {
            Para_Reloj(f);
            Muestra_FinPartida(f);
        }
    } else {
        f.Ventana.PMensaje.Caption = "Error. " + Digito(d) + " en " + f.Variables.Grupo_Error;
        f.Ventana.PMensaje.FontColor = Granate;
        f.Ventana.PError.Caption = f.Ventana.PMensaje.Caption;
        f.Ventana.PError.Show();
        Limpia_Error(f);
    }
    Color_Verde(f);
}

void BBorrarClick(Juego& f) {
    f.Ventana.Shape1.Color_ = Gris;
    f.Ventana.PMensaje.Caption.clear();
    f.Ventana.PMensaje.FontColor = Negro;
    Limpia_Campo(f);
    f.Variables.LBPanel.push_back(Jugada{f.Variables.Panel_Activo, "B"}.Texto());
    f.Variables.Posicion_Lista = static_cast<int>(f.Variables.LBPanel.size()) - 1;
    Disponibles(f);
    f.Ventana.BAtras.Enabled = true;
    f.Ventana.BBorrar.Hide();
    f.Ventana.PTBorrar.Hide();
    Color_Verde(f);
    f.Ventana.PError.Hide();
}

void Busca_Libre(Juego& f) {
    f.Variables.Panel_Libre.clear();
    for (int c = 0; c < NumCeldas; ++c) {
        if (f.Paneles[c].Enabled) {
            f.Variables.Panel_Libre = tablero::Nombre(c);
            return;
        }
    }
}

void Paneles_Libres(Juego& f) {
    const int c = tablero::Indice(f.Variables.Panel_Libre);
    if (c >= 0) PClick(f, c);
}

}  // namespace novenario
