#include "exhaustiva/exhaustiva.h"

#include <bit>

namespace novenario {

namespace {

// Masks hold bit d-1 for each digit d already in the row, column or block.
struct Busca {
    Rejilla celdas{};
    std::array<std::uint16_t, 9> filas{}, columnas{}, bloques{};
    int tope = 0;
    int halladas = 0;
    Rejilla* primera = nullptr;

    static int Bloque(int i) { return (i / 27) * 3 + (i % 9) / 3; }

    std::uint16_t Libres(int i) const {
        return static_cast<std::uint16_t>(~(filas[i / 9] | columnas[i % 9] | bloques[Bloque(i)]) & 0x1FF);
    }

    void Poner(int i, int d, bool poner) {
        const auto bit = static_cast<std::uint16_t>(1u << (d - 1));
        filas[i / 9] ^= bit;
        columnas[i % 9] ^= bit;
        bloques[Bloque(i)] ^= bit;
        celdas[i] = poner ? static_cast<std::uint8_t>(d) : 0;
    }

    // Depth first, always on the empty cell with the fewest digits left.
    void Buscar() {
        int mejor = -1, menos = 10;
        std::uint16_t opciones = 0;
        for (int i = 0; i < 81; ++i) {
            if (celdas[i] != 0) continue;
            const std::uint16_t libres = Libres(i);
            const int n = std::popcount(libres);
            if (n < menos) {
                mejor = i;
                menos = n;
                opciones = libres;
                if (n <= 1) break;
            }
        }
        if (mejor < 0) {
            if (halladas++ == 0 && primera) *primera = celdas;
            return;
        }
        while (opciones != 0 && halladas < tope) {
            const int d = std::countr_zero(opciones) + 1;
            opciones &= static_cast<std::uint16_t>(opciones - 1);
            Poner(mejor, d, true);
            Buscar();
            Poner(mejor, d, false);
        }
    }
};

}  // namespace

int ContarSoluciones(const Rejilla& rejilla, int tope, Rejilla* primera) {
    if (tope <= 0) return 0;
    Busca b;
    b.tope = tope;
    b.primera = primera;
    for (int i = 0; i < 81; ++i) {
        const int d = rejilla[static_cast<std::size_t>(i)];
        if (d == 0) continue;
        if (d > 9) return 0;
        const auto bit = static_cast<std::uint16_t>(1u << (d - 1));
        if ((b.filas[i / 9] | b.columnas[i % 9] | b.bloques[Busca::Bloque(i)]) & bit) return 0;
        b.Poner(i, d, true);
    }
    b.Buscar();
    return b.halladas;
}

}  // namespace novenario
