#include "exhaustiva/exhaustiva.h"

#include <bit>

namespace novenario {

namespace {

// The board is held digit by digit: for each digit a set of the cells where
// it may still go (its own placed cells included), plus the set of cells
// still empty. A set of cells is three bands of three rows; inside a band,
// bit 9 * row + column, so cell i of the grid is bit i % 27 of band i / 27.
// Every rule then works on whole rows, columns and blocks at once.
struct Celdas {
    std::uint32_t banda[3];
};

constexpr std::uint32_t kBanda = (1u << 27) - 1;
constexpr std::uint32_t kFila = 0x1FF;
// Columns 0 to 2 of the three rows of a band: block 0 of the band.
constexpr std::uint32_t kBloque = 0x7u | (0x7u << 9) | (0x7u << 18);

// The cells that share a row, column or block with each cell, itself left
// out.
struct Vecinas {
    Celdas de[81];
};

constexpr Vecinas HacerVecinas() {
    Vecinas v{};
    for (int i = 0; i < 81; ++i) {
        for (int j = 0; j < 81; ++j) {
            if (i == j) continue;
            const bool fila = i / 9 == j / 9;
            const bool columna = i % 9 == j % 9;
            const bool bloque = i / 27 == j / 27 && (i % 9) / 3 == (j % 9) / 3;
            if (fila || columna || bloque) v.de[i].banda[j / 27] |= 1u << (j % 27);
        }
    }
    return v;
}

constexpr Vecinas kVecinas = HacerVecinas();

struct Estado {
    Celdas digito[9];  // where each digit may be, or is
    Celdas vacias;     // the cells not filled yet

    // Fills cell i with digit d (0 to 8) and takes d from its neighbours and
    // every other digit from the cell. False when d cannot go there.
    bool Poner(int i, int d) {
        const int b = i / 27;
        const std::uint32_t bit = 1u << (i % 27);
        if ((digito[d].banda[b] & bit) == 0) return false;
        if ((vacias.banda[b] & bit) == 0) return true;  // already there
        vacias.banda[b] &= ~bit;
        for (int e = 0; e < 9; ++e) digito[e].banda[b] &= ~bit;
        const Celdas& v = kVecinas.de[i];
        for (int k = 0; k < 3; ++k) digito[d].banda[k] &= ~v.banda[k];
        digito[d].banda[b] |= bit;
        return true;
    }

    // Cells left with no digit, exactly one, and exactly two, among the empty
    // ones, counted bit by bit over the nine digits.
    void Cuenta(int b, std::uint32_t& alguno, std::uint32_t& dos, std::uint32_t& tres) const {
        const std::uint32_t libres = vacias.banda[b];
        std::uint32_t uno = 0, dosmas = 0, tresmas = 0;
        for (int d = 0; d < 9; ++d) {
            const std::uint32_t x = digito[d].banda[b] & libres;
            tresmas |= dosmas & x;
            dosmas |= uno & x;
            uno |= x;
        }
        alguno = uno;
        dos = dosmas;
        tres = tresmas;
    }

    // Naked singles: a cell with one digit left gets it. Returns -1 on a
    // contradiction, else how many cells were filled.
    int Desnudos() {
        int puestos = 0;
        for (int b = 0; b < 3; ++b) {
            std::uint32_t uno, dos, tres;
            Cuenta(b, uno, dos, tres);
            if ((vacias.banda[b] & ~uno) != 0) return -1;
            std::uint32_t solos = uno & ~dos;
            while (solos != 0) {
                const int k = std::countr_zero(solos);
                solos &= solos - 1;
                const std::uint32_t bit = 1u << k;
                int d = 0;
                while (d < 9 && (digito[d].banda[b] & bit) == 0) ++d;
                // A neighbour filled a moment ago may have taken its last digit.
                if (d == 9 || !Poner(b * 27 + k, d)) return -1;
                ++puestos;
            }
        }
        return puestos;
    }

    // Hidden singles: a digit with one place left in a row, column or block
    // goes there. Returns -1 on a contradiction (a digit with no place in
    // some house), else how many cells were filled.
    int Ocultos() {
        int puestos = 0;
        for (int d = 0; d < 9; ++d) {
            std::uint32_t unaCol = 0, dosCol = 0;
            for (int b = 0; b < 3; ++b) {
                const std::uint32_t x = digito[d].banda[b];
                const std::uint32_t libres = vacias.banda[b];
                for (int r = 0; r < 3; ++r) {
                    const std::uint32_t fila = (x >> (9 * r)) & kFila;
                    if (fila == 0) return -1;
                    dosCol |= unaCol & fila;
                    unaCol |= fila;
                    if ((fila & (fila - 1)) == 0 && ((fila << (9 * r)) & libres) != 0) {
                        if (!Poner(b * 27 + 9 * r + std::countr_zero(fila), d)) return -1;
                        ++puestos;
                    }
                }
                for (int k = 0; k < 3; ++k) {
                    const std::uint32_t bloque = digito[d].banda[b] & (kBloque << (3 * k));
                    if (bloque == 0) return -1;
                    if ((bloque & (bloque - 1)) == 0 && (bloque & vacias.banda[b]) != 0) {
                        if (!Poner(b * 27 + std::countr_zero(bloque), d)) return -1;
                        ++puestos;
                    }
                }
            }
            if (unaCol != kFila) return -1;
            std::uint32_t solas = unaCol & ~dosCol;
            while (solas != 0) {
                const int c = std::countr_zero(solas);
                solas &= solas - 1;
                for (int b = 0; b < 3; ++b) {
                    const std::uint32_t x = digito[d].banda[b] & (0x40201u << c);
                    if (x == 0) continue;
                    if ((x & vacias.banda[b]) != 0) {
                        if (!Poner(b * 27 + std::countr_zero(x), d)) return -1;
                        ++puestos;
                    }
                    break;
                }
            }
        }
        return puestos;
    }

    // Both kinds of single until neither fills a cell.
    bool Propagar() {
        for (;;) {
            const int desnudos = Desnudos();
            if (desnudos < 0) return false;
            if (desnudos > 0) continue;
            const int ocultos = Ocultos();
            if (ocultos < 0) return false;
            if (ocultos == 0) return true;
        }
    }

    bool Lleno() const { return (vacias.banda[0] | vacias.banda[1] | vacias.banda[2]) == 0; }

    // The empty cell to branch on: one with two digits left if there is one,
    // else the one with the fewest.
    int Eleccion() const {
        std::uint32_t uno[3], dos[3], tres[3];
        for (int b = 0; b < 3; ++b) {
            Cuenta(b, uno[b], dos[b], tres[b]);
            const std::uint32_t pares = dos[b] & ~tres[b];
            if (pares != 0) return b * 27 + std::countr_zero(pares);
        }
        int mejor = -1, menos = 10;
        for (int b = 0; b < 3; ++b) {
            std::uint32_t libres = vacias.banda[b];
            while (libres != 0) {
                const int k = std::countr_zero(libres);
                libres &= libres - 1;
                int n = 0;
                for (int d = 0; d < 9; ++d) n += (digito[d].banda[b] >> k) & 1u;
                if (n < menos) {
                    mejor = b * 27 + k;
                    menos = n;
                }
            }
        }
        return mejor;
    }

    Rejilla ARejilla() const {
        Rejilla r{};
        for (int d = 0; d < 9; ++d) {
            for (int b = 0; b < 3; ++b) {
                std::uint32_t x = digito[d].banda[b];
                while (x != 0) {
                    const int k = std::countr_zero(x);
                    x &= x - 1;
                    r[static_cast<std::size_t>(b * 27 + k)] = static_cast<std::uint8_t>(d + 1);
                }
            }
        }
        return r;
    }
};

struct Busca {
    int tope = 0;
    int halladas = 0;
    Rejilla* primera = nullptr;

    // The state is small enough to copy at each branch, so nothing is undone.
    void Buscar(Estado& e) {
        if (!e.Propagar()) return;
        if (e.Lleno()) {
            if (halladas++ == 0 && primera) *primera = e.ARejilla();
            return;
        }
        const int i = e.Eleccion();
        const int b = i / 27;
        const std::uint32_t bit = 1u << (i % 27);
        for (int d = 0; d < 9 && halladas < tope; ++d) {
            if ((e.digito[d].banda[b] & bit) == 0) continue;
            Estado hijo = e;
            if (hijo.Poner(i, d)) Buscar(hijo);
            // The next branches know d is not there.
            e.digito[d].banda[b] &= ~bit;
        }
    }
};

}  // namespace

namespace {

// The board's digits placed on a state where every digit may go anywhere.
// False when a digit is out of range or its row, column or block already
// holds it.
bool Desde(const Rejilla& rejilla, Estado& e) {
    e = Estado{};
    for (int d = 0; d < 9; ++d)
        for (int b = 0; b < 3; ++b) e.digito[d].banda[b] = kBanda;
    for (int b = 0; b < 3; ++b) e.vacias.banda[b] = kBanda;
    for (int i = 0; i < 81; ++i) {
        const int d = rejilla[static_cast<std::size_t>(i)];
        if (d != 0 && (d > 9 || !e.Poner(i, d - 1))) return false;
    }
    return true;
}

int Cuenta(Estado& e, int tope, Rejilla* primera) {
    Busca b;
    b.tope = tope;
    b.primera = primera;
    b.Buscar(e);
    return b.halladas;
}

}  // namespace

int ContarSoluciones(const Rejilla& rejilla, int tope, Rejilla* primera) {
    Estado e;
    if (tope <= 0 || !Desde(rejilla, e)) return 0;
    return Cuenta(e, tope, primera);
}

int ContarSoluciones(const Rejilla& rejilla, const Permitidos& permitidos, int tope, Rejilla* primera) {
    Estado e;
    if (tope <= 0 || !Desde(rejilla, e)) return 0;
    for (int i = 0; i < 81; ++i) {
        if (rejilla[static_cast<std::size_t>(i)] != 0) continue;
        const std::uint32_t bit = 1u << (i % 27);
        for (int d = 0; d < 9; ++d)
            if ((permitidos[static_cast<std::size_t>(i)] & (1u << (d + 1))) == 0) e.digito[d].banda[i / 27] &= ~bit;
    }
    return Cuenta(e, tope, primera);
}

}  // namespace novenario
