// The window model: for every control the game shows, hides, enables,
// captions, colours or moves, its current state. The view draws these and
// nothing else, so every rule about them can be checked without a window.
#pragma once

#include <string>

#include "board/colores.h"

namespace novenario {

struct Control {
    Control() = default;
    explicit Control(const char* nombre) : Nombre(nombre) {}

    const char* Nombre = "";  // the control's own name ("BSalvar"), as the window knows it
    std::string Caption;
    bool Visible = true;
    bool Enabled = true;
    Color Color_ = Plata;     // background
    Color FontColor = Negro;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Hint;         // tooltip
    int FontSize = 0;         // points; 0 = the control's usual size
    bool Presionado = false;  // shifted by the press effect

    void Show() { Visible = true; }
    void Hide() { Visible = false; }
    void Mover(int left, int top) { Left = left; Top = top; }
    void Colocar(int left, int top, int width, int height) {
        Left = left; Top = top; Width = width; Height = height;
    }
};

// The lamp of the window (lit or dark).
struct Lampara {
    bool Value = false;
    int Left = 0, Top = 0, Width = 16, Height = 16;
    bool Visible = true;
};

}  // namespace novenario
