// The whole program in one object: the Qt outside world, the game and its
// main window, wired together. The program's main and the window tests
// build it the same way.
#pragma once

#include "board/puerta.h"
#include "windows/entorno_qt.h"
#include "windows/vista_principal.h"

namespace novenario::vista {

class Aplicacion {
public:
    Aplicacion();
    // Runs the game's start (the start window first). False when the player
    // cancelled it: the process has then been told to end.
    bool Arrancar();

    EntornoQt& Entorno() { return entorno_; }
    TFormPrincipal& Juego() { return juego_; }
    VistaPrincipal& Vista() { return vista_; }

private:
    EntornoQt entorno_;
    TFormPrincipal juego_;
    Puerta puerta_;
    VistaPrincipal vista_;
};

// Settings every run shares: the embedded fonts, the program's name.
void PrepararAplicacion();

}  // namespace novenario::vista
