// What the board folder offers: playing on the board. Validation, cell
// selection and number entry, the keyboard and its cursor, the move history,
// the command forms that run board-wide routines by name, the clock and the
// timers, the main window's own dialogs, and the switching of every command
// around long work. The state they work on is the game (board/estado.h);
// each group below says which of its parts it reads and writes.
//
// Handlers carry the names of the controls and events they answer
// (B1Click is BClick with its digit, BSalir2Click, Timer02Timer); routines
// are named after what they do, with words joined by "_" (Valida_Bloque,
// Busca_Libre). The selected cell is named by Variables.Panel_Activo, the
// digit being entered is Variables.Numero_Activo.
#pragma once

#include <string>
#include <vector>

#include "board/estado.h"

namespace novenario {

inline constexpr const char* TituloAplicacion = " Novenario. v.4.0";
inline constexpr const char* DireccionOrvalia = "https://www.orvalia.example/novenario/";

// ---- Validation (validacion.cpp) -----------------------------------------
// Board: the selected cell. Variables: Panel_Activo, Numero_Activo,
// Valor_Anterior, Hay_Error, Casillas_Grupo, Grupo_Error. Limpia_Error also
// greys the hint bar; Limpia_Campo shows or hides the erase keys and pumps.
void Modifica_Panel(Juego& f);   // the old value into Valor_Anterior, Numero_Activo into the cell
void Valida_Bloque(Juego& f);
void Valida_Horizontal(Juego& f);
void Valida_Vertical(Juego& f);
// Block, then row, then column; the first repeat stops the chain. With
// con_grupo the group being checked is written into Grupo_Error.
void Valida_Cadena(Juego& f, bool con_grupo);
void Limpia_Error(Juego& f);     // the old value back into the cell
void Limpia_Campo(Juego& f);     // the selected cell emptied

// ---- Selection and entry (entrada.cpp) ----------------------------------
// Board, Variables (the selection, the entry, the move list) and the window
// model's pads, message line, banner and hint bar.
void PClick(Juego& f, int c);    // P1_1Click .. P9_9Click: cell c (0..80) selected
void BClick(Juego& f, int d);    // B1Click .. B9Click: digit d entered
void BBorrarClick(Juego& f);
inline void PTClick(Juego& f, int d) { BClick(f, d); }
inline void PTBorrarClick(Juego& f) { BBorrarClick(f); }
void Color_Normal(Juego& f);     // the traces of the last action cleared
void Color_Verde(Juego& f);      // the selected cell green
void Quita_Botones(Juego& f);    // the pads offer only the digits that fit
void Busca_Libre(Juego& f);      // Panel_Libre := the first cell that is not fixed
void Paneles_Libres(Juego& f);   // ... and selected
void Coloca_MicroTeclas(Juego& f, int c);  // the micro keypad beside cell c

// ---- The keyboard (teclado.cpp, cursores.cpp) -----------------------------
// A key pressed: its key code and the character it typed, if any. Runs the
// entry and erase handlers and the cursor moves, and over a fixed cell shows
// the placeholder PMenti with the notice "--- Dato Fijo ---".
inline constexpr int VK_BACK = 8, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_DELETE = 46;
void Posicion_CurKeyDown(Juego& f, int codigo, const std::string& caracter);

// ---- Move history (historia.cpp) --------------------------------------------
// Variables: LBPanel, Posicion_Lista, Panel_Historia, Valor_Historia; the
// window model's "<<" and ">>"; a step writes one cell as an entry does.
void BAtrasClick(Juego& f);
void BAdelanteClick(Juego& f);
void Reinicia_Historia(Juego& f);  // an empty move list, both steps off

// ---- Command forms (ordenes.cpp) --------------------------------------------
// Many board-wide routines are run by name: the caller writes the routine's
// text into Variables.Orden_Trabajo and creates the form of its group; the
// form's creation compares the trimmed text with the names it knows, in
// order, re-reading it before each comparison, and runs every match. A text
// that names nothing runs nothing. Orden_Trabajo keeps the text afterwards.

// Board-wide work. Its routines belong to the fixed cells and the end of a
// game (setup/fijos.cpp) and to the saved game (savegame/comandos.cpp).
class TFormTrabajo {
public:
    explicit TFormTrabajo(Juego& f);

    void Nueva_Partida();    // the stored solution into the cells
    void Bloquea_Paneles();  // every cell holding a value becomes fixed
    void Color_Rojo();       // every cell that is not orange becomes white
    void Color_Blanco();     // every cell becomes white
    void Libera_Paneles();   // every cell enabled
    void Salvar_Partida();   // the board line of a saved game
    void Cargar_Partida();   // the board line back into the cells
    void Captura_Fijos();    // every white cell loses its value
    void Marca_Usuario();    // every white cell holding a value becomes aqua
    void Fin_Partida();      // Partida_Terminada := "S" when every cell holds a value

private:
    Juego& f_;
};

// Keyboard cursor moves (cursores.cpp).
class TFormCursores {
public:
    explicit TFormCursores(Juego& f);

    void Mover_Arriba();
    void Mover_Abajo();
    void Mover_Derecha();
    void Mover_Izquierda();

private:
    void Mover(int dfila, int dcolumna);
    Juego& f_;
};

// The candidate pass (its routines in candidates/disponibles.cpp).
class TFormDisponibles {
public:
    explicit TFormDisponibles(Juego& f);

    void Disponibles();
    void Calcula_Disponibles();

private:
    Juego& f_;
};

// Sets Orden_Trabajo and runs the form of that group, as every caller does.
void Ejecuta_Trabajo(Juego& f, const char* orden);
void Ejecuta_Cursores(Juego& f, const char* orden);
void Disponibles(Juego& f);  // "Mira Disponibles": the candidate pass

// ---- Clock and timers (reloj.cpp) -----------------------------------------
// Variables: Reloj_Activo and the counters; the window model's clock labels,
// the switch LBReloj and the status bar; Motor: the random source.
void Timer01Timer(Juego& f);   // one tick of the 10 ms timer of the random panels
void Timer01_Al_Dia(Juego& f); // every tick due since the game began, drawn now
void Timer02Timer(Juego& f);   // every second: the status bar, the game clock
void BReloj2Click(Juego& f);
void Reinicia_Reloj(Juego& f); // clock counters and labels to zero
void Para_Reloj(Juego& f);     // the clock stops and its switch says so
std::string DosCifras(long long n);
// A pump inside long work: only when the outside says one is due, so a
// search of a million steps is not slowed by a million repaints.
void Bombeo_Largo(Juego& f);

// ---- The main window's dialogs (dialogos.cpp, ventanas.cpp) -----------------
// A modal form laid out as the game's small dialogs are, to be given buttons.
FormaModal Forma(FormaModal::Tipo tipo, const char* caption, int ancho, int alto, int left, int top);
// A button that closes its form, and nothing else.
void Boton_Que_Cierra(FormaModal& forma, const char* caption);
void BPausa2Click(Juego& f);
void BSalir2Click(Juego& f);
void FormClose(Juego& f);          // the exit confirmation
void Muestra_FinPartida(Juego& f); // the end-of-game dialog
void BAyuda2Click(Juego& f);       // the help window
void BAcerca2Click(Juego& f);      // the about box
const std::vector<std::string>& Texto_Ayuda();

// ---- Every command off and on around long work (ventana.cpp) ------------------
// The window model only: the list Ventana.Teclas_Largas, in its order.
void Teclas_EnableNO(Juego& f);
// Long work begins (Proceso_Largo): the game as it stood is remembered in
// Partida.Antes_Del_Proceso, unless long work is running already.
void Empieza_Proceso_Largo(Juego& f);
void Teclas_EnableSI(Juego& f);
// "Pausa" and "Cancelar", which answer only while "Calcula" runs.
void Pausa_Y_Cancelar(Juego& f, bool activos);
// The letter after "&" in a caption, in upper case; 0 when there is none.
char LetraAcelerador(const std::string& caption);

}  // namespace novenario
