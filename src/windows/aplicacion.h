// The whole program in one object: the Qt outside world, the game and its
// main window, wired together. The program's main and the window tests
// build it the same way.
#pragma once

#include <QString>

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
    // Loads a saved game named on the command line, once the main window
    // is up: a path, relative to the current folder or not, or a file:// URL.
    void AbrirPartida(const QString& argumento);

    EntornoQt& Entorno() { return entorno_; }
    TFormPrincipal& Juego() { return juego_; }
    VistaPrincipal& Vista() { return vista_; }

private:
    EntornoQt entorno_;
    TFormPrincipal juego_;
    Puerta puerta_;
    VistaPrincipal vista_;
};

// Settings every run shares: the game's fonts, the program's name and icon.
void PrepararAplicacion();

}  // namespace novenario::vista
