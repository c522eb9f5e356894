// The main window of the game as the game itself knows it: the game's state
// (board/estado.h), the table of its commands, its start, and the entries the
// window reaches: a click on a command part, an Alt letter, a key, a click on
// a cell or a pad key, the press effect. Each entry keeps its guard (a part
// that is hidden or disabled does not answer, and nothing but "Pausa",
// "Cancelar" and the close box answers while long work runs); the handlers
// behind them live in the folders of their subsystems.
#pragma once

#include <string>
#include <vector>

#include "board/estado.h"

namespace novenario {

// Which part of a command was clicked.
enum class Origen { Imagen, Etiqueta, Acelerador };

using Rutina = void (*)(Juego&);

// One command of the main window: the image, the label on it and the
// off-screen accelerator button in its row, all named in the window model;
// whether a double click runs it again (the switches); its handler; and the
// standard desktop shortcut beside its Alt letter, if it has one.
struct Comando {
    IdComando Id;
    Control* Imagen;
    Control* Etiqueta;
    Control* Acelerador;      // the off-screen push button with the Alt letter
    Control* FilaAcelerador;  // its row: PTeclas or Panel1
    bool DobleClic;
    Rutina Handler;
    const char* Atajo;        // in Qt's portable notation ("Ctrl+N"), or null
};

class TFormPrincipal : public Juego {
public:
    explicit TFormPrincipal(Entorno& entorno);

    // Returns false when the player cancelled the start window: the process
    // was told to end and the main window must not be shown.
    bool FormCreate();

    std::vector<Comando> Comandos;  // every command, in the order of the window
    const Comando* BuscarComando(IdComando id) const;

    // ---- What the view calls ---------------------------------------------
    // A click on a command part; ignored when that part is disabled.
    void Ejecutar(IdComando id, Origen origen);
    bool Bloqueado(IdComando id) const;
    bool Activo(IdComando id, Origen origen) const;
    // An Alt+letter accelerator: the first enabled accelerator button with
    // that letter answers (Pausa and Pista share Alt+P). Returns whether one did.
    bool Acelerar(char letra);
    // A key: see Posicion_CurKeyDown; ignored while long work runs.
    void Tecla(int codigo, const std::string& caracter);
    // A click on a cell or either of its labels; ignored for disabled cells.
    void ClickCelda(int c);
    // Number pad and micro keypad; ignored when hidden or disabled.
    void ClickNumero(int d);
    void ClickBorrar();
    void ClickMicro(int d);
    void ClickMicroBorrar();
    void ClickAtras();
    void ClickAdelante();
    // "Siguiente paso" (Ctrl+H, the board's menu): answers while the board
    // does, not while long work runs.
    bool Siguiente_Disponible() const;
    void SiguientePaso();
    // Press effect: the image and its label move one pixel right and down
    // while the mouse button is held, and back on release.
    void MouseDown(IdComando id);
    void MouseUp(IdComando id);
    void MouseDownTecla(Control& tecla);
    void MouseUpTecla(Control& tecla);
    void MouseDownMicro(Control& tecla);
    void MouseUpMicro(Control& tecla);

private:
    void Enlazar_Comandos();
};

}  // namespace novenario
