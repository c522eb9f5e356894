#include "board/jugada.h"

#include "board/tablero.h"

namespace novenario {

namespace {
constexpr std::string_view Separador = "--";
constexpr std::size_t LargoPanel = 4;
constexpr std::size_t PosValor = LargoPanel + Separador.size();
}  // namespace

Jugada Jugada::En(int c, int d) {
    return {tablero::Nombre(c), d >= 1 && d <= 9 ? std::string(1, static_cast<char>('0' + d)) : std::string("B")};
}

Jugada Jugada::Lee(std::string_view texto) {
    Jugada j;
    j.Panel = std::string(texto.substr(0, LargoPanel));
    if (texto.size() > PosValor) j.Valor = std::string(texto.substr(PosValor, 1));
    return j;
}

int Jugada::Celda() const { return tablero::Indice(Panel); }

int Jugada::Numero() const {
    return Valor.size() == 1 && Valor[0] >= '1' && Valor[0] <= '9' ? Valor[0] - '0' : 0;
}

std::string Jugada::Texto() const {
    std::string t = Panel;
    t += Separador;
    t += Valor;
    return t;
}

}  // namespace novenario
