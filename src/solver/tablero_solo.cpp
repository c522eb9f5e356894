// "Calcula" with no game: the logic phase over the values themselves, then the
// search. The logic phase fills, sweep after sweep over the cells in name
// order, every empty cell whose peers leave it a single digit, each fill seen
// by the cells after it, as the game's pass over the candidate labels does.
#include "solver/busqueda.h"
#include "solver/calcula.h"

namespace novenario {

namespace {

// The one digit the peers of cell c leave it, or "" when they leave none or
// several.
std::string Unico_Candidato(const std::array<std::string, NumCeldas>& valores, int c) {
    std::array<bool, 10> tomado{};
    for (int par : tablero::Pares(c))
        for (char ch : valores[static_cast<std::size_t>(par)])
            if (ch >= '1' && ch <= '9') tomado[static_cast<std::size_t>(ch - '0')] = true;
    std::string unico;
    for (int d = 1; d <= 9; ++d) {
        if (tomado[static_cast<std::size_t>(d)]) continue;
        if (!unico.empty()) return {};
        unico = std::string(1, static_cast<char>('0' + d));
    }
    return unico;
}

}  // namespace

Calculo Calcula_Tablero(const std::array<std::string, NumCeldas>& valores, long long limite_pasos) {
    Calculo r;
    r.Valores = valores;
    bool cambios = true;
    while (cambios) {
        cambios = false;
        for (int c = 0; c < NumCeldas; ++c) {
            std::string& v = r.Valores[static_cast<std::size_t>(c)];
            if (!Trim(v).empty()) continue;
            const std::string d = Unico_Candidato(r.Valores, c);
            if (d.empty()) continue;
            v = d;
            cambios = true;
        }
    }
    Busqueda busqueda(r.Valores);
    busqueda.Ejecutar(limite_pasos, false, nullptr);
    r.Valores = busqueda.Valores();
    r.Resultado = busqueda.Resultado();
    return r;
}

}  // namespace novenario
