// The same digit lit everywhere: the player's eye finds at once where the
// digit of the selected cell already stands, in its rows, columns and blocks.
#include "candidates/candidatos.h"

namespace novenario {

int Digito_Iluminado(const Juego& f) {
    if (f.Variables.Proceso_Largo) return 0;
    const int c = tablero::Indice(f.Variables.Panel_Activo);
    if (c < 0) return 0;
    const std::string& v = f.Paneles[c].Caption;
    return (v.size() == 1 && v[0] >= '1' && v[0] <= '9') ? v[0] - '0' : 0;
}

bool Celda_Iluminada(const Juego& f, int c) {
    if (c < 0 || c >= NumCeldas) return false;
    const int d = Digito_Iluminado(f);
    if (d == 0 || c == tablero::Indice(f.Variables.Panel_Activo)) return false;
    const std::string& v = f.Paneles[c].Caption;
    return v.size() == 1 && v[0] == static_cast<char>('0' + d);
}

}  // namespace novenario
