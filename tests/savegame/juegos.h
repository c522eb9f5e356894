// Games shared by the saved-game tests, built from the rules of the board
// line rather than copied from a file, and a helper to read the sample files.
#pragma once

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "board/tablero.h"

namespace novenario::sdk::prueba {

// A complete solution in name order (block by block): the rows of the grid
// 534678912 / 672195348 / 198342567 / 859761423 / 426853791 / 713924856 /
// 961537284 / 287419635 / 345286179.
inline const std::string Solucion =
    "534672198" "678195342" "912348567" "859426713" "761853924"
    "423791856" "961287345" "537419286" "284635179";

inline std::string Pareja(char valor, char marca) { return std::string{valor, marca}; }

// A created game saved at 00:12:05, level 3: every even cell is a given,
// cells n = 1, 8, 15, ... that are odd hold the player's digit, the rest are
// empty; the moves are the pairs of the digits entered in cells 1, 15 and 29.
inline std::vector<std::string> JuegoCreado() {
    std::string linea;
    for (int n = 0; n < NumCeldas; ++n) {
        const char d = Solucion[static_cast<std::size_t>(n)];
        if (n % 2 == 0) linea += Pareja(d, 'R');
        else if (n % 7 == 1) linea += Pareja(d, 'B');
        else linea += " B";
    }
    linea += "00" "12" "05" "-----" + Solucion + "3";
    std::vector<std::string> lineas{linea};
    for (int n : {1, 15, 29}) {
        lineas.push_back(tablero::Nombre(n) + "--B");
        lineas.push_back(tablero::Nombre(n) + "--" + Solucion[static_cast<std::size_t>(n)]);
    }
    return lineas;
}

// A board entered by hand (no solution, so no tail) at 01:02:03: cells
// n = 1, 4, 7, ... hold the digit of the solution, none is fixed, and the
// first cell is empty, so the board line starts with a space.
inline std::vector<std::string> JuegoAMano() {
    std::string linea;
    for (int n = 0; n < NumCeldas; ++n) {
        linea += n % 3 == 1 ? Pareja(Solucion[static_cast<std::size_t>(n)], 'B') : " B";
    }
    linea += "010203";
    std::vector<std::string> lineas{linea};
    for (int n : {1, 4}) {
        lineas.push_back(tablero::Nombre(n) + "--B");
        lineas.push_back(tablero::Nombre(n) + "--" + Solucion[static_cast<std::size_t>(n)]);
    }
    return lineas;
}

inline std::string LineaVacia() {
    std::string linea;
    for (int n = 0; n < NumCeldas; ++n) linea += " B";
    return linea + "000000";
}

inline std::string RutaSdk(const std::string& nombre) { return std::string(NOVENARIO_DATOS) + "/sdk/" + nombre; }

inline std::string LeeBytes(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

}  // namespace novenario::sdk::prueba
