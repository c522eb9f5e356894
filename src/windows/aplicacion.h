// The whole program in one object: the Qt outside world, the game and its
// main window, wired together. The program's main and the window tests
// build it the same way.
#pragma once

#include <QString>

#include "mando/puerta.h"
#include "windows/argumentos.h"
#include "windows/entorno_qt.h"
#include "windows/vista_principal.h"

namespace novenario::vista {

class Aplicacion {
public:
    Aplicacion();
    // Runs the game's start (the start window first) and, with recuperar,
    // brings back the game left unfinished at the last exit. False when the
    // player cancelled the start window: the program has then been told to
    // end (CodigoSalida). Once started, the way out keeps the game in
    // progress: the exit confirmation does it itself; the end of the event
    // loop by any other road, or the desktop's session closing, too.
    bool Arrancar(bool recuperar = false);
    // The whole run as the program makes it: the start, with the last game
    // unless the order names a file or says --nueva; the file named; the
    // event loop. Returns the exit code.
    int Ejecutar(const Orden& orden);
    // The code the game asked to end with, -1 while it has not.
    int CodigoSalida() const { return entorno_.CodigoSalida(); }
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
