// Selecting a cell, entering and erasing digits, and selecting the first free
// cell after a board-wide change.
#include "board/ordenes.h"
#include "board/principal.h"

namespace novenario {

namespace {

const std::string& Digito(int d) {
    static const std::array<std::string, 10> textos{"", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    return textos[static_cast<std::size_t>(d)];
}

}  // namespace

// The micro keypad sits beside the selected cell: to its right, or to its left
// in the last column, and higher up in the last row so it stays on the board.
void TFormPrincipal::Coloca_MicroTeclas(int c) {
    const int col = tablero::Columna(c), fila = tablero::Fila(c);
    const int left = tablero::Izquierda(c), top = tablero::Arriba(c);
    int x = left + 40;
    if (col == 3 || col == 6) x = left + 43;
    if (col == 9) x = left - 29;
    PMicroTeclas.Mover(x, fila == 9 ? top - 33 : top);
}

void TFormPrincipal::PClick(int c) {
    if (c < 0 || c >= NumCeldas) return;
    Celda& celda = Paneles[c];
    Coloca_MicroTeclas(c);
    Color_Normal();
    celda.Color_ = Verde;
    Panel_Activo = tablero::Nombre(c);
    BBorrar.Hide();
    PTBorrar.Hide();
    if (!celda.Caption.empty()) {
        BBorrar.Show();
        PTBorrar.Show();
    }
    // A free cell selected by whatever means has the number pad, never the
    // fixed-cell notice (switching "Ayuda" may take the cursor off a fixed
    // cell after the placeholder was already hidden).
    PTeclasCarga.Hide();
    if (Ayuda_Activa == Bandera::S) {
        Valor_Guardado.clear();
        if (!Trim(celda.Caption).empty()) Valor_Guardado = Trim(celda.Caption).substr(0, 1);
        Quita_Botones();
        if (!Valor_Guardado.empty())
            celda.Caption = Valor_Guardado;
        else
            Limpia_Campo();
    }
}

void TFormPrincipal::Color_Normal() {
    Shape1.Color_ = Gris;
    if (PMenti.Visible) {
        PTeclasNum.Show();
        PTeclasCarga.Hide();
        PMenti.Hide();
    }
    PAux.Color_ = Blanco;
    PMensaje.Caption.clear();
    PError.Hide();
    Orden_Trabajo = "Color Rojo";
    PTeclasNum.Show();
    if (Micro_Activo == Bandera::N) PMicroTeclas.Show();
    TFormTrabajo forma(*this);
    Pongo_ColorRojo();
}

void TFormPrincipal::Color_Verde() {
    if (Celda* celda = Paneles.Buscar(Panel_Activo)) celda->Color_ = Verde;
}

// With the help display on, the pads offer only the digits that fit: each
// digit is written into the cell and put through the checks in turn.
void TFormPrincipal::Quita_Botones() {
    for (Control& b : B) b.Show();
    for (int d = 1; d <= 9; ++d) {
        Numero_Activo = Digito(d);
        Modifica_Panel();
        Valida_Cadena(false);
        if (Hay_Error == Bandera::S) B[static_cast<std::size_t>(d - 1)].Hide();
    }
    PTeclasNum.Caption.clear();
    PMicroTeclas.Caption.clear();
    bool alguno = false;
    for (const Control& b : B) alguno = alguno || b.Visible;
    if (!alguno) {
        PTeclasNum.Caption = "Sin valor posible";
        PMicroTeclas.Caption = "Sin valor";
        PMensaje.Caption = "Sin valor posible";
        PMensaje.FontColor = Granate;
    }
    for (Control& t : PT) t.Hide();
    for (std::size_t i = 0; i < 9; ++i)
        if (B[i].Visible) PT[i].Show();
}

void TFormPrincipal::BClick(int d) {
    if (d < 1 || d > 9) return;
    Numero_Activo = Digito(d);
    Modifica_Panel();
    Valida_Cadena(true);
    if (Hay_Error != Bandera::S) {
        PError.Hide();
        BBorrar.Show();
        PTBorrar.Show();
        PMensaje.Caption = "Número " + Digito(d) + " aceptado";
        PMensaje.FontColor = Negro;
        LBPanel.push_back(Panel_Activo + "--B");
        LBPanel.push_back(Panel_Activo + "--" + Digito(d));
        Posicion_Lista = static_cast<int>(LBPanel.size()) - 1;
        if (Posicion_Lista >= 1) BAtras.Enabled = true;
        BAdelante.Enabled = false;
        Disponibles();
        if (Shape1.Visible) Indica_Dato();
        Ejecuta_Trabajo(*this, "Fin Partida");
        if (Partida_Terminada == Bandera::S) {
            Para_Reloj();
            Muestra_FinPartida();
        }
    } else {
        PMensaje.Caption = "Error. " + Digito(d) + " en " + Grupo_Error;
        PMensaje.FontColor = Granate;
        PError.Caption = PMensaje.Caption;
        PError.Show();
        Limpia_Error();
    }
    Color_Verde();
}

void TFormPrincipal::BBorrarClick() {
    Shape1.Color_ = Gris;
    PMensaje.Caption.clear();
    PMensaje.FontColor = Negro;
    Limpia_Campo();
    LBPanel.push_back(Panel_Activo + "--B");
    Posicion_Lista = static_cast<int>(LBPanel.size()) - 1;
    Disponibles();
    BAtras.Enabled = true;
    BBorrar.Hide();
    PTBorrar.Hide();
    Color_Verde();
    PError.Hide();
}

void TFormPrincipal::Busca_Libre() {
    Panel_Libre.clear();
    for (int c = 0; c < NumCeldas; ++c) {
        if (Paneles[c].Enabled) {
            Panel_Libre = tablero::Nombre(c);
            return;
        }
    }
}

void TFormPrincipal::Paneles_Libres() {
    const int c = tablero::Indice(Panel_Libre);
    if (c >= 0) PClick(c);
}

}  // namespace novenario
