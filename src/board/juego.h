// What the board folder offers besides the game's state (board/estado.h):
// the ground every other folder stands on. The clock and the timers, the
// main window's own dialogs (pause, end of game, exit, help, about), the
// switching of every command around long work, and the dispatch of the
// command forms. Nothing here calls a routine of another folder: the rules
// and candidates, the engines, the game's routines and the commands' wiring
// all sit above it. Each group below says which parts of the game it reads
// and writes.
//
// Handlers carry the names of the controls and events they answer
// (B1Click is BClick with its digit, BSalir2Click, Timer02Timer); routines
// are named after what they do, with words joined by "_" (Valida_Bloque,
// Busca_Libre). The selected cell is named by Variables.Panel_Activo, the
// digit being entered is Variables.Numero_Activo.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "board/estado.h"

namespace novenario {

inline constexpr const char* TituloAplicacion = " Novenario. v.4.0";
inline constexpr const char* DireccionOrvalia = "https://www.orvalia.example/novenario/";

// ---- Command forms -----------------------------------------------------------
// Many board-wide routines are run by name: the caller writes the routine's
// text into Variables.Orden_Trabajo and creates the form of its group; the
// form's creation compares the trimmed text with the names it knows, in
// order, re-reading it before each comparison, and runs every match. A text
// that names nothing runs nothing. Orden_Trabajo keeps the text afterwards.
// The forms live with their routines: the board-wide work and the cursor
// moves in entrada/entrada.h, the candidate pass in candidates/candidatos.h.

// The dispatch every form runs on its creation: the pending text compared
// with each name of a table, in table order, re-read and trimmed before each
// comparison (a routine that pumps may let another handler overwrite it),
// and every match run.
template <typename Forma, std::size_t N>
void Despacha(Juego& f, Forma& forma, const std::array<std::pair<const char*, void (Forma::*)()>, N>& tabla) {
    for (const auto& [nombre, rutina] : tabla)
        if (Trim(f.Variables.Orden_Trabajo) == nombre) (forma.*rutina)();
}

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
// "Solución", "Deja fijos" and "Pista" on or off.
void Activa_Solucion(Juego& f, bool activa);
void Desactiva_Solucion(Juego& f);
// The letter after "&" in a caption, in upper case; 0 when there is none.
char LetraAcelerador(const std::string& caption);

}  // namespace novenario
