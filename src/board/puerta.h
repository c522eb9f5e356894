// The one way in from the window. The view holds the game only as a const
// reference, for drawing, and this gate for acting: each entry here is one a
// player can reach (a click, a key, a shortcut, a timer tick, the close box),
// and each keeps its guard, so nothing the player does while "Calcula" or
// "Nueva partida" runs can reach the board under the search. The raw
// handlers (Posicion_CurKeyDown, BClick, PClick ...) are not offered at all.
//
// It also holds the standard desktop shortcuts that stand beside the Alt
// letters: Ctrl+N, Ctrl+S ... each runs what its button runs, and only
// while that button could be clicked.
#pragma once

#include <array>
#include <string>

#include "board/principal.h"

namespace novenario {

// A standard shortcut: what it runs (a command, or a step of the move
// history) and its keys in Qt's portable notation ("Ctrl+Shift+Z").
struct Atajo {
    enum class Destino { Comando, Atras, Adelante };
    Destino Hacia = Destino::Comando;
    IdComando Comando{};                // for Destino::Comando
    std::array<const char*, 2> Teclas{};  // the second may be null
};

inline constexpr std::array<Atajo, 8> Atajos{{
    {.Comando = IdComando::NuevaPartida, .Teclas = {"Ctrl+N", nullptr}},
    {.Comando = IdComando::Salvar, .Teclas = {"Ctrl+S", nullptr}},
    {.Comando = IdComando::Cargar, .Teclas = {"Ctrl+O", nullptr}},
    {.Comando = IdComando::Imprimir, .Teclas = {"Ctrl+P", nullptr}},
    {.Comando = IdComando::Ayuda, .Teclas = {"F1", nullptr}},
    {.Comando = IdComando::Salir, .Teclas = {"Ctrl+Q", nullptr}},
    {.Hacia = Atajo::Destino::Atras, .Teclas = {"Ctrl+Z", nullptr}},
    {.Hacia = Atajo::Destino::Adelante, .Teclas = {"Ctrl+Y", "Ctrl+Shift+Z"}},
}};

class Puerta {
public:
    explicit Puerta(TFormPrincipal& juego) : juego_(juego) {}
    Puerta(const Puerta&) = delete;
    Puerta& operator=(const Puerta&) = delete;

    // The game as the window draws it.
    const TFormPrincipal& Juego() const { return juego_; }

    // Commands: a click on a part, an Alt letter, a standard shortcut.
    void Ejecutar(IdComando id, Origen origen) { juego_.Ejecutar(id, origen); }
    bool Acelerar(char letra) { return juego_.Acelerar(letra); }
    void Atajar(const Atajo& a);
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
    // The press effect of a pad key or a micro keypad key; any other control
    // is ignored.
    void MouseDownTecla(const Control& tecla);
    void MouseUpTecla(const Control& tecla);

    // What runs whatever the game is doing: the timers, the close box, the
    // tooltip of the file name.
    void Timer02Timer() { juego_.Timer02Timer(); }
    void FormClose() { juego_.FormClose(); }
    void PFicheroMouseMove() { juego_.PFicheroMouseMove(); }
    void Image1MouseMove() { juego_.Image1MouseMove(); }

private:
    // The game's own control behind a const one, when it is a key of the
    // number pad (micro = false) or of the micro keypad (micro = true).
    Control* Tecla_De(const Control& c, bool& micro);

    TFormPrincipal& juego_;
};

}  // namespace novenario
