#include "board/tablero.h"

namespace novenario::tablero {

namespace {

struct Tablas {
    std::array<std::array<int, 9>, 9> bloques{};
    std::array<std::array<int, 9>, 9> filas{};
    std::array<std::array<int, 9>, 9> columnas{};
    std::array<std::array<int, 20>, NumCeldas> pares{};
    std::array<int, NumCeldas> rejilla{};

    Tablas() {
        for (int c = 0; c < NumCeldas; ++c) {
            bloques[Bloque(c) - 1][Lugar(c) - 1] = c;
            filas[Fila(c) - 1][Columna(c) - 1] = c;
            columnas[Columna(c) - 1][Fila(c) - 1] = c;
            rejilla[(Fila(c) - 1) * 9 + Columna(c) - 1] = c;
        }
        for (int c = 0; c < NumCeldas; ++c) {
            int n = 0;
            for (int o = 0; o < NumCeldas; ++o) {
                if (o != c && (Fila(o) == Fila(c) || Columna(o) == Columna(c) || Bloque(o) == Bloque(c)))
                    pares[c][n++] = o;
            }
        }
    }
};

const Tablas& tablas() {
    static const Tablas t;
    return t;
}

}  // namespace

std::string Nombre(int c) {
    if (c < 0 || c >= NumCeldas) return {};
    return std::string{'P', static_cast<char>('1' + c / 9), '_', static_cast<char>('1' + c % 9)};
}

int Indice(std::string_view nombre) {
    if (nombre.size() != 4 || nombre[0] != 'P' || nombre[2] != '_') return -1;
    const char b = nombre[1], k = nombre[3];
    if (b < '1' || b > '9' || k < '1' || k > '9') return -1;
    return (b - '1') * 9 + (k - '1');
}

int Bloque(int c) { return c / 9 + 1; }
int Lugar(int c) { return c % 9 + 1; }
int Fila(int c) { return 3 * ((Bloque(c) - 1) / 3) + (Lugar(c) - 1) / 3 + 1; }
int Columna(int c) { return 3 * ((Bloque(c) - 1) % 3) + (Lugar(c) - 1) % 3 + 1; }

int EnRejilla(int fila, int columna) {
    const int b = 3 * ((fila - 1) / 3) + (columna - 1) / 3 + 1;
    const int k = 3 * ((fila - 1) % 3) + (columna - 1) % 3 + 1;
    return (b - 1) * 9 + (k - 1);
}

const std::array<int, 9>& Grupo(TipoGrupo tipo, int indice) {
    const auto& t = tablas();
    const auto i = static_cast<std::size_t>(indice - 1);
    switch (tipo) {
        case TipoGrupo::Bloque: return t.bloques[i];
        case TipoGrupo::Horizontal: return t.filas[i];
        case TipoGrupo::Vertical: break;
    }
    return t.columnas[i];
}

int GrupoDe(TipoGrupo tipo, int c) {
    switch (tipo) {
        case TipoGrupo::Bloque: return Bloque(c);
        case TipoGrupo::Horizontal: return Fila(c);
        case TipoGrupo::Vertical: break;
    }
    return Columna(c);
}

const std::array<int, 20>& Pares(int c) { return tablas().pares[static_cast<std::size_t>(c)]; }
const std::array<int, NumCeldas>& OrdenRejilla() { return tablas().rejilla; }

int Izquierda(int c) { return IzquierdaColumna[static_cast<std::size_t>(Columna(c) - 1)]; }
int Arriba(int c) { return ArribaFila[static_cast<std::size_t>(Fila(c) - 1)]; }

}  // namespace novenario::tablero

namespace novenario {

Celda* Tablero::Buscar(std::string_view nombre) {
    const int c = tablero::Indice(nombre);
    return c < 0 ? nullptr : &celdas_[static_cast<std::size_t>(c)];
}

std::string Tablero::Valor(int c) const {
    const std::string& v = (*this)[c].Caption;
    return v.empty() ? std::string() : v.substr(0, 1);
}

}  // namespace novenario
