// The command line of the game: "novenario [--nueva] [FICHERO.sdk]", or --help and
// --version, which answer without a window. Plain C++: it is read before
// the window system is touched, so that --help works with no display.
#pragma once

#include <string>
#include <vector>

namespace novenario::vista {

struct Orden {
    enum class Tipo { Jugar, Ayuda, Version, Error };
    Tipo tipo = Tipo::Jugar;
    std::string fichero;  // Jugar: the saved game to load, "" for none
    bool nueva = false;   // Jugar: --nueva, start without the last game
    std::string error;    // Error: what was wrong, in the game's words
};

// The arguments after the program's name. --help and --version win
// wherever they stand (before "--"), so that they answer even next to
// options of the window system that only Qt knows.
Orden LeerOrden(const std::vector<std::string>& args);

// Whether the window system (Qt) takes that option, with or without its
// value ("-platform", "--display"): it is no mistake of the player's before
// Qt has taken it out.
bool EsOpcionDeQt(const std::string& arg);

// What --help and --version print (on standard output).
std::string TextoAyuda();
std::string TextoVersion();

}  // namespace novenario::vista
