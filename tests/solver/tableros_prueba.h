// Boards and tools shared by the search tests: boards written as 81
// characters in grid reading order, valid full grids made by shuffling a
// pattern (no solver involved), a pump that records what it sees and can
// cancel, and a comparison of two searches field by field.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "board/tablero.h"
#include "solver/busqueda.h"

namespace novenario::prueba {

using Valores = std::array<std::string, NumCeldas>;

// 81 characters in grid reading order; "." is an empty cell, any other
// character is the value of that cell.
inline Valores DesdeRejilla(std::string_view rejilla) {
    Valores v{};
    for (int i = 0; i < NumCeldas && i < static_cast<int>(rejilla.size()); ++i) {
        const char ch = rejilla[static_cast<std::size_t>(i)];
        if (ch != '.') v[static_cast<std::size_t>(tablero::EnRejilla(i / 9 + 1, i % 9 + 1))] = std::string(1, ch);
    }
    return v;
}

// The values of a board in grid reading order, "." for an empty cell.
inline std::string ARejilla(const Valores& v) {
    std::string s;
    for (int c : tablero::OrdenRejilla()) {
        const std::string& x = v[static_cast<std::size_t>(c)];
        s += x.empty() ? std::string(".") : x;
    }
    return s;
}

inline std::string& En(Valores& v, int fila, int columna) {
    return v[static_cast<std::size_t>(tablero::EnRejilla(fila, columna))];
}

// A valid full grid: the pattern (3 r + r div 3 + c) mod 9 shuffled by digit
// relabelling, rows within bands, bands, columns within stacks and stacks.
inline Valores RejillaLlena(std::mt19937& azar) {
    std::array<int, 9> digito{};
    std::iota(digito.begin(), digito.end(), 1);
    std::shuffle(digito.begin(), digito.end(), azar);
    auto permuta = [&azar]() {
        std::array<int, 3> bandas{0, 1, 2};
        std::shuffle(bandas.begin(), bandas.end(), azar);
        std::array<int, 9> orden{};
        for (int b = 0; b < 3; ++b) {
            std::array<int, 3> dentro{0, 1, 2};
            std::shuffle(dentro.begin(), dentro.end(), azar);
            for (int i = 0; i < 3; ++i) orden[static_cast<std::size_t>(b * 3 + i)] = bandas[static_cast<std::size_t>(b)] * 3 + dentro[static_cast<std::size_t>(i)];
        }
        return orden;
    };
    const std::array<int, 9> filas = permuta();
    const std::array<int, 9> columnas = permuta();
    Valores v{};
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const int fr = filas[static_cast<std::size_t>(r)], fc = columnas[static_cast<std::size_t>(c)];
            const int patron = (fr * 3 + fr / 3 + fc) % 9;
            En(v, r + 1, c + 1) = std::to_string(digito[static_cast<std::size_t>(patron)]);
        }
    }
    return v;
}

// True when no block, row or column holds a digit twice.
inline bool SinRepetidos(const Valores& v) {
    for (TipoGrupo tipo : {TipoGrupo::Bloque, TipoGrupo::Horizontal, TipoGrupo::Vertical}) {
        for (int g = 1; g <= 9; ++g) {
            std::string vistos;
            for (int c : tablero::Grupo(tipo, g)) {
                const std::string& x = v[static_cast<std::size_t>(c)];
                if (x.empty()) continue;
                if (vistos.find(x) != std::string::npos) return false;
                vistos += x;
            }
        }
    }
    return true;
}

inline int Vacias(const Valores& v) {
    return static_cast<int>(std::count_if(v.begin(), v.end(), [](const std::string& x) { return x.empty(); }));
}

// What a pump sees.
struct Instantanea {
    Momento momento{};
    long long pasos = 0;
    int indice = 0;
    int prueba = 0;
    bool encontrado = false;
    std::string panel;
    std::string activo, anterior, error, comodin;
    std::vector<int> pila;
    std::string tablero;  // grid reading order
    bool operator==(const Instantanea&) const = default;
};

inline std::string Nombre(Momento m) {
    switch (m) {
        case Momento::AlEmpezar: return "AlEmpezar";
        case Momento::TrasPaso: return "TrasPaso";
        case Momento::AlVaciar: return "AlVaciar";
    }
    return "?";
}

// Records every pump; cancels the search at the n-th pump of one moment.
class BombaRegistro final : public Bomba {
public:
    explicit BombaRegistro(Busqueda& b) : busqueda(b) {}
    void CancelaEn(Momento m, int n) {
        momento_cancelar = m;
        cancelar_en = n;
    }
    void Bombea(Momento m) override {
        Instantanea i;
        i.momento = m;
        i.pasos = busqueda.Pasos();
        i.indice = busqueda.Indice_Panel();
        i.prueba = busqueda.Numero_Prueba();
        i.encontrado = busqueda.Encontrado();
        i.panel = busqueda.Panel_Activo();
        i.activo = busqueda.Numero_Activo();
        i.anterior = busqueda.Valor_Anterior();
        i.error = busqueda.Hay_Error();
        i.comodin = busqueda.EditComodin();
        i.pila = busqueda.Pila();
        i.tablero = ARejilla(busqueda.Valores());
        registro.push_back(i);
        const int n = ++cuenta[static_cast<std::size_t>(m)];
        if (m == momento_cancelar && n == cancelar_en) busqueda.Cancelar();
    }
    int Cuenta(Momento m) const { return cuenta[static_cast<std::size_t>(m)]; }

    Busqueda& busqueda;
    std::vector<Instantanea> registro;
    std::array<int, 3> cuenta{};
    Momento momento_cancelar = Momento::AlEmpezar;
    int cancelar_en = 0;  // 0: never
};

// Every field the game can see after a run.
inline void EsperaIguales(const Busqueda& rapida, const Busqueda& literal) {
    EXPECT_EQ(ARejilla(rapida.Valores()), ARejilla(literal.Valores()));
    EXPECT_EQ(rapida.Pasos(), literal.Pasos());
    EXPECT_EQ(rapida.Fallo(), literal.Fallo());
    EXPECT_EQ(rapida.Resultado(), literal.Resultado());
    EXPECT_EQ(rapida.Indice_Panel(), literal.Indice_Panel());
    EXPECT_EQ(rapida.Numero_Prueba(), literal.Numero_Prueba());
    EXPECT_EQ(rapida.Encontrado(), literal.Encontrado());
    EXPECT_EQ(rapida.Total_Paneles(), literal.Total_Paneles());
    EXPECT_EQ(rapida.Panel_Activo(), literal.Panel_Activo());
    EXPECT_EQ(rapida.Pila(), literal.Pila());
    EXPECT_EQ(rapida.AlturaPila(), literal.AlturaPila());
    EXPECT_EQ(rapida.ComboAux(), literal.ComboAux());
    EXPECT_EQ(rapida.Numero_Activo(), literal.Numero_Activo());
    EXPECT_EQ(rapida.Valor_Anterior(), literal.Valor_Anterior());
    EXPECT_EQ(rapida.Hay_Error(), literal.Hay_Error());
    EXPECT_EQ(rapida.EditComodin(), literal.EditComodin());
}

// The first pump where two records differ, or -1 when they agree.
inline long long PrimeraDiferencia(const std::vector<Instantanea>& a, const std::vector<Instantanea>& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!(a[i] == b[i])) return static_cast<long long>(i);
    }
    return a.size() == b.size() ? -1 : static_cast<long long>(n);
}

}  // namespace novenario::prueba
