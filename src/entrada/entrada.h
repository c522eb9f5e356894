// What the entrada folder offers: playing on the board. Cell selection and
// number entry, the keyboard and its cursor, the move history, and the
// command forms whose board-wide routines the game runs by name (the dispatch
// in board/juego.h). It stands on the board, the rules and candidates
// (candidates/candidatos.h) and the saved game's format (sdk/formato.h); the
// commands above it (setup, solver, savegame, ayuda) build on these.
//
// Handlers carry the names of the controls and events they answer
// (B1Click is BClick with its digit); routines are named after what they do,
// with words joined by "_" (Busca_Libre). The selected cell is named by
// Variables.Panel_Activo, the digit being entered is Variables.Numero_Activo.
#pragma once

#include <string>

#include "board/juego.h"
#include "candidates/candidatos.h"

namespace novenario {

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
// A history step: the cell named in Variables.Panel_Historia gets
// Valor_Historia, the candidates follow, and the cell is selected.
void Panel_Imposible(Juego& f);

// ---- Command forms (ordenes.cpp, trabajo.cpp, cursores.cpp) ------------------
// Board-wide work (trabajo.cpp): the cells' colours and locks, the stored
// solution into the cells, the end of a game, and the board line of a saved
// game written and read back (sdk/formato.h), which every routine above
// reaches by name.
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

// Sets Orden_Trabajo and runs the form of that group, as every caller does.
void Ejecuta_Trabajo(Juego& f, const char* orden);
void Ejecuta_Cursores(Juego& f, const char* orden);

}  // namespace novenario
