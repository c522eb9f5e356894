// The one way in from the window. The view holds the game only as a const
// reference, for drawing, and this gate for acting: each entry here is one a
// player can reach (a click, a key, a shortcut, a timer tick, the close box),
// and each keeps its guard, so nothing the player does while "Calcula" or
// "Nueva partida" runs can reach the board under the search. The raw
// handlers (Posicion_CurKeyDown, BClick, PClick ...) are not offered at all.
//
// A command's standard desktop shortcut (Ctrl+N, Ctrl+S ...) and its Alt
// letter are one more way to reach its accelerator; the history keys have
// Ctrl+Z and Ctrl+Y, the clipboard Ctrl+V and Ctrl+C, the next step Ctrl+H.
#pragma once

#include <array>
#include <string>

#include "ayuda/ayuda.h"
#include "entrada/entrada.h"
#include "mando/principal.h"
#include "savegame/partidas.h"

namespace novenario {

// The standard shortcuts of the two history keys of the number pad; the
// commands carry theirs in their table (mando/principal.h).
struct AtajoHistoria {
    bool Adelante;                      // ">>"; else "<<"
    std::array<const char*, 2> Teclas;  // the second may be null
};

inline constexpr std::array<AtajoHistoria, 2> AtajosHistoria{{
    {false, {"Ctrl+Z", nullptr}},
    {true, {"Ctrl+Y", "Ctrl+Shift+Z"}},
}};

// The board to and from the clipboard.
inline constexpr const char* AtajoPegar = "Ctrl+V";
inline constexpr const char* AtajoCopiar = "Ctrl+C";
// The next step explained.
inline constexpr const char* AtajoSiguiente = "Ctrl+H";

class Puerta {
public:
    explicit Puerta(TFormPrincipal& juego) : juego_(juego) {}
    Puerta(const Puerta&) = delete;
    Puerta& operator=(const Puerta&) = delete;

    // The game as the window draws it.
    const TFormPrincipal& Juego() const { return juego_; }

    // Commands: a click on a part, or its accelerator (an Alt letter, a
    // standard shortcut).
    void Ejecutar(IdComando id, Origen origen) {
        juego_.Ejecutar(id, origen);
        Adelanta_Ayuda(juego_);
    }
    void Atajar(const AtajoHistoria& a) { a.Adelante ? juego_.ClickAdelante() : juego_.ClickAtras(); }
    void MouseDown(IdComando id) { juego_.MouseDown(id); }
    void MouseUp(IdComando id) { juego_.MouseUp(id); }

    // The keyboard: a key code of the key table and the character typed.
    void Tecla(int codigo, const std::string& caracter) { juego_.Tecla(codigo, caracter); }

    // The board and the pads.
    void ClickCelda(int c) { juego_.ClickCelda(c); }
    void ClickNumero(int d) { juego_.ClickNumero(d); }
    void ClickBorrar() { juego_.ClickBorrar(); }
    void ClickMicro(int d) { juego_.ClickMicro(d); }
    void ClickMicroBorrar() { juego_.ClickMicroBorrar(); }
    void ClickAtras() { juego_.ClickAtras(); }
    void ClickAdelante() { juego_.ClickAdelante(); }
    // "Siguiente paso": Ctrl+H or the board's menu; nothing while long work
    // runs.
    bool Siguiente_Disponible() const { return juego_.Siguiente_Disponible(); }
    void SiguientePaso() { juego_.SiguientePaso(); }
    // The press effect of a pad key or a micro keypad key; any other control
    // is ignored.
    void MouseDownTecla(const Control& tecla);
    void MouseUpTecla(const Control& tecla);

    // The clipboard, which the window reads and writes: a text pasted as a
    // board, and the board as the text to copy. Both are ignored while long
    // work runs (the board then is the search's, or a new game's solution
    // under the cover), and the copy is "" then.
    void Pegar(const std::string& texto) {
        if (!juego_.Variables.Proceso_Largo) Pegar_Tablero(juego_, texto);
        Adelanta_Ayuda(juego_);
    }
    std::string Copiar() const { return juego_.Variables.Proceso_Largo ? std::string() : TextoDeTablero(juego_.Paneles); }

    // What runs whatever the game is doing: the timers, the close box, the
    // tooltip of the file name. What "Siguiente paso" would work out (the
    // rating of the game, the next step) is started in the background after
    // a command or a paste, and at every tick for a board changed any
    // other way.
    void Timer02Timer() {
        novenario::Timer02Timer(juego_);
        Adelanta_Ayuda(juego_);
    }
    void FormClose() { novenario::FormClose(juego_); }
    // The program's end by any road but the exit confirmation keeps the game
    // in progress; the desktop's session closing keeps it as it is then.
    void AlTerminar() { Guarda_Ultima_Al_Terminar(juego_); }
    void GuardarSesion() { Guarda_Ultima(juego_); }
    void PFicheroMouseMove() { novenario::PFicheroMouseMove(juego_); }
    void Image1MouseMove() { novenario::Image1MouseMove(juego_); }

private:
    // The game's own control behind a const one, when it is a key of the
    // number pad (micro = false) or of the micro keypad (micro = true).
    Control* Tecla_De(const Control& c, bool& micro);

    TFormPrincipal& juego_;
};

}  // namespace novenario
