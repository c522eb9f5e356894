// Command forms. Many board-wide routines are run by name: the caller writes
// the routine's text into Orden_Trabajo and creates the form of its group; the
// form's creation compares the trimmed text with the names it knows, in
// order, re-reading it before each comparison, and runs every match. A text
// that names nothing runs nothing. Orden_Trabajo keeps the text afterwards.
#pragma once

#include "board/principal.h"

namespace novenario {

// Board-wide work: fixed cells, colours, saving and loading, end of game.
class TFormTrabajo {
public:
    explicit TFormTrabajo(TFormPrincipal& f);

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
    TFormPrincipal& f_;
};

// Keyboard cursor moves.
class TFormCursores {
public:
    explicit TFormCursores(TFormPrincipal& f);

    void Mover_Arriba();
    void Mover_Abajo();
    void Mover_Derecha();
    void Mover_Izquierda();

private:
    void Mover(int dfila, int dcolumna);
    TFormPrincipal& f_;
};

// The candidate pass.
class TFormDisponibles {
public:
    explicit TFormDisponibles(TFormPrincipal& f);

    void Disponibles();
    void Calcula_Disponibles();

private:
    TFormPrincipal& f_;
};

// Sets Orden_Trabajo and runs the form of that group, as every caller does.
void Ejecuta_Trabajo(TFormPrincipal& f, const char* orden);
void Ejecuta_Cursores(TFormPrincipal& f, const char* orden);

}  // namespace novenario
