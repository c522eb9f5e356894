// The engine from a position given with its candidates: on each small grid
// the named technique is the easiest step, the steps hold against the
// solution, and a grid that cannot be a position gets one clear answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "exhaustiva/exhaustiva.h"
#include "logica/logica.h"

namespace novenario::logica {
namespace {

Tablero Digitos(std::string_view texto) {
    Tablero t{};
    for (std::size_t i = 0; i < t.size() && i < texto.size(); ++i)
        t[i] = (texto[i] >= '1' && texto[i] <= '9') ? static_cast<std::uint8_t>(texto[i] - '0') : 0;
    return t;
}

// One group of digits for each empty cell, in reading order.
Candidatos Marcas(const Tablero& t, const std::string& texto) {
    Candidatos c{};
    std::istringstream is(texto);
    for (int i = 0; i < 81; ++i) {
        if (t[i]) continue;
        std::string grupo;
        is >> grupo;
        EXPECT_FALSE(grupo.empty()) << "faltan candidatos en la celda " << i;
        for (char d : grupo)
            if (d >= '1' && d <= '9') c[i] |= static_cast<std::uint16_t>(1u << (d - '0'));
    }
    std::string sobra;
    EXPECT_FALSE(is >> sobra) << "sobran candidatos: " << sobra;
    return c;
}

Candidatos Todos() {
    Candidatos c;
    c.fill(0x3FE);
    return c;
}

// "r4c5=7" places the 7 in row 4, column 5; "r4c5-7" excludes it.
bool Contiene(const Paso& p, const std::string& d) {
    const Digito x{(d[1] - '1') * 9 + (d[3] - '1'), d[5] - '0'};
    const auto& lista = d[4] == '=' ? p.coloca : p.elimina;
    return std::find(lista.begin(), lista.end(), x) != lista.end();
}

struct Caso {
    const char* nombre;
    const char* tablero;
    const char* candidatos;
    Tecnica tecnica;
    double dificultad;
    const char* digito;
    bool unica;  // told the puzzle has one solution
};

// Positions met on the way through real puzzles (where the steps before had
// excluded candidates the houses still allow), and a few built by hand.
const Caso kCasos[] = {
    {"Apuntado directo", "3..5......6.......4.5.26.3...637...2.2316....1.48.2....416.....638..1.4..57.8.6..",
     "1789 29 149 4789 124789 126789 146789 2789 29 479 1349 34789 1245789 125789 145789 1789 79 1789 1789 589 89 459 14589 1589 5789 459 45789 5789 45789 79 59 3579 5679 35679 29 359 3579 235789 25789 35789 279 59 2579 579 29 249 349 129 139",
     Tecnica::BloqueoDirecto, 1.7, "r9c4=4", false},
    {"Cadena XY", "...617829269583.1.178942635.12.965.3....25.9..9513824..37.59.6.9.1.643....63719..",
     "345 45 34 47 47 478 47 78 34678 48 34 47 17 1678 67 67 48 28 14 1248 258 28 57 278 458 245 58 248",
     Tecnica::CadenaXY, 6.8, "r4c1-8", false},
    {"WXYZ-Wing", "17695348224861735939584276148....5.37.....2466..4..1.8.172.4635.63..1824.24...917",
     "129 17 267 69 79 35 19 135 38 589 35 29 237 59 79 89 89 59 57 79 58 35 368 568",
     Tecnica::WXYZWing, 5.6, "r5c4-5", false},
    {"Trío desnudo", "..982......871......563.......16......198..4.98.542.13.9.2581748.43719.61..49638.",
     "3467 13467 45 457 36 157 2346 2346 459 245 36 259 247 147 49 2478 29 1789 23457 2347 237 37 58 59 589 356 367 37 267 257 67 67 36 36 25 25 257 27 25",
     Tecnica::TrioDesnudo, 3.6, "r5c9-5", false},
    {"W-Wing", "..982......871......563.......16....5.198..4.98.542.13.9.2581748.43719.61..49638.",
     "3467 13467 45 457 36 157 2346 2346 459 245 36 259 247 147 49 2478 29 1789 2347 2347 237 37 58 59 589 367 37 267 27 67 67 36 36 25 25 257 27 25",
     Tecnica::WWing, 7.0, "r9c9-2", false},
    {"Rascacielos", "43..2978525..37.46..7.5423.7.42856.3.6.4735.2523916478372591864.45368.27.8.74235.",
     "16 16 189 18 19 68 19 68 19 19 19 189 189 19 19 19 169 169 19",
     Tecnica::Rascacielos, 4.0, "r9c3-9", false},
    {"Pez turbot", "216357948....6.1239.31..6..6.....39239.2.68.442...3.1613.48..69.......31....31.8.",
     "578 4578 4578 89 489 48 24 248 57 57 578 1578 578 147 458 157 17 57 578 5789 79 57 257 25 257 58 4568 24589 5679 279 259 245 57 46 249 69 24 57",
     Tecnica::PezTurbot, 4.1, "r5c3-7", false},
    {"VWXYZ-Wing", "216357948....6.1239831..6..67....39239.2.68.442...3.1613.48..698......31....31.8.",
     "57 45 47 89 89 24 24 57 57 158 58 14 458 15 17 57 58 5789 79 57 27 25 257 456 249 5679 279 259 245 57 46 249 69 24 57",
     Tecnica::VWXYZWing, 6.4, "r8c3-4", false},
    {"Cometa agrupado", "278..6593146953278359.7.146..5.398...8.56..3..32.....55.....78.......354.....562.",
     "14 14 28 28 47 16 247 16 27 479 17 1247 49 27 4679 1478 148 1478 49 16 1269 34 1346 29 14 19 678 29 17 1678 29 178 78 19 34 3478 48 19",
     Tecnica::Cometa, 4.3, "r7c6-1", false},
    {"Ciclo Y bidireccional", "5.3....6..9.6.5..3.683....56845.....937.6.5...5.7...963.94.6857.759..614.46.57..9",
     "12 28 479 49 479 128 47 12 478 12 478 47 1479 1249 2479 247 239 239 137 237 12 12 124 48 28 12 12 348 348 34 12 12 28 238 238 18 18 23 23",
     Tecnica::CicloY, 6.8, "r1c9-2", false},
    {"Pez turbot agrupado", "....74956...356.4.5..29.3.7...435791...76.........946...39..57449.5.76...75643.29",
     "238 1238 128 18 79 18 79 128 28 46 46 18 18 268 268 268 139 1345 149 128 28 38 2358 137 135 17 18 128 2358 1268 268 128 128 128 128 138 38 18 18",
     Tecnica::PezTurbot, 4.3, "r6c2-1", false},
    {"Rectángulo único", "...5..241251849763.....1958.3.1.6427.4....81912.9.45365..632194.92418.75.1.795.82",
     "89 68 39 67 37 347 67 34 23 26 89 59 58 67 56 23 257 37 78 78 78 78 36 36 346 346 36",
     Tecnica::RectanguloUnico, 4.5, "r9c1-3", true},
    {"Tumba bivalor (BUG)", "...5..241251849763..4..1958.3.1.6427.4....81912.9.45365..632194.92418.7541.795.82",
     "89 68 39 67 37 37 67 23 26 89 59 58 67 56 23 257 37 78 78 78 78 36 36 36 36",
     Tecnica::Bug, 5.6, "r5c5=7", true},
    {"Tres enlaces fuertes agrupados", ".5289..166..5..2..1..326..5469..8.2.215439678...6.2.4952.983.648..26593.936.4.852",
     "37 47 347 4789 348 17 147 89 37 4789 478 47 89 17 57 135 13 37 78 378 15 15 17 17 47 147 17 17 17",
     Tecnica::TresEnlaces, 5.7, "r6c3-7", false},
    {"Ciclo bidireccional", "...832.79879..132.3.297.816.8.293....231.7.989..48..3219.7..2.323..19......328961",
     "456 16 145 45 56 456 45 45 45 4567 1457 14567 45 457 456 56 46 16 157 56 1567 68 456 456 58 68 56 47 458 457 57 45 457",
     Tecnica::CicloBidireccional, 7.0, "r4c7-4", false},
    {"X-Wing", "...832.79879..132.3.297.816.8.293..7.231.7.989.748..3219.7..2.323..197..7..328961",
     "456 16 14 45 56 456 45 45 45 46 145 16 45 45 56 46 16 56 156 68 46 456 58 68 56 458 45 45 45",
     Tecnica::XWing, 3.2, "r2c5-5", false},
    {"Swordfish", "7.586..9.32....68.86923.5.7186..2935572193468493586.7...7.28.5..5...782.2.8...7.6",
     "14 14 23 23 14 79 57 59 14 14 14 47 47 12 12 69 13 46 13 49 69 14 36 14 39 134 349 145 59 14",
     Tecnica::Swordfish, 3.8, "r9c4-4", false},
    {"Trío oculto", ".......124...9...........54.7.2.....6.....4.....1.8...718......9..53.7..532......",
     "38 69 3679 3467 45678 34567 369 2568 1356 368 12 368 3678 3678 12 689 3679 3678 12 367 3689 18 3459 456 34569 13568 3689 35689 2589 1359 379 57 3579 23789 135789 23 459 3459 4567 2356 3679 35679 469 246 469 2356 3469 3569 46 46 12 28 18 46789 18 4679 16 469 69",
     Tecnica::TrioOculto, 4.0, "r2c2-6", false},
    {"Cadena forzada de celda", ".76....31.28.......13....286912384..735...862284567...16..7....85.4..2..34.......",
     "459 89 28 249 59 59 13679 159 1369 5679 479 4579 459 679 459 469 5679 57 57 19 149 149 139 19 39 29 389 2359 359 4589 3459 79 19 36 179 36 279 1689 28 12569 1579 15789 5679",
     Tecnica::CadenaForzadaCelda, 8.3, "r2c8-9", false},
    {"Cadena forzada de casa", ".76....31.28.......13....286912384..735...862284567...16..7....85.4..2..34.......",
     "459 89 28 249 59 59 13679 159 1369 5679 47 4579 459 679 459 469 5679 57 57 19 149 149 139 19 39 29 389 2359 359 4589 3459 79 19 36 179 36 279 1689 28 12569 1579 15789 5679",
     Tecnica::CadenaForzadaCasa, 8.3, "r3c4-9", false},
    {"Jellyfish", "3.978..51174.358..85.1...37.875.1.43.35.7.618.1.8.357.5.342718.7.16583.4.483197.5",
     "26 246 24 29 69 269 26 49 26 49 26 69 29 49 29 24 49 26 46 29 69 69 29 29 26 26",
     Tecnica::Jellyfish, 5.2, "r1c6-2", false},
    // A loop of the 1 alone, met after random pencil marks on a puzzle.
    {"Ciclo X bidireccional", "....749567.9356.4.5..29.3.7...4357919..76......7..946...39..57449.5.76...75643.29",
     "238 1238 128 18 18 128 28 46 46 18 18 268 268 268 1345 14 128 28 38 2358 13 35 18 28 2358 1268 268 128 28 128 128 138 38 18 18",
     Tecnica::CicloBidireccional, 6.6, "r7c1-1", false},
    // An X-chain of the 8 through four houses: on the real path a harder
    // chain came first, until one stray 2 was taken out of row 7.
    {"Cadena X", "4...5.1.851.2.4.........4.59.4....5....34..1.1..56.24....615974641...5827..4..631",
     "23679 23679 79 367 269 689 89 37 69 37 23 236789 236789 18 389 13678 269 3678 18 278 1278 378 367 28 25678 2567 789 78 679 378 378 789 379 238 238 238 79 379 37 59 59 28 28",
     Tecnica::CicloX, 6.7, "r7c3-8", false},
    // Deep in one of the hardest published puzzles: only a net of nested
    // suppositions decides, and the next placement comes one step later.
    {"Red dinámica", "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1",
     "47 3458 3567 3689 5678 3489 369 238 378 1236 1267 138 368 358 248 1235 12389 1258 139 3489 2468 1478 1246 128 1267 678 3489 126 389 126 24 13589 1269 3589 2369 1267 1379 126 1239 3679 18 14589 1235 12348 12458 239 3459 456 145 12567 1246 245 457 45689 468 3567 3468 5678 3459 379",
     Tecnica::RedDinamica, 10.0, "r4c5-4", false},
    // Built by hand on an empty board: four cells of row 1 hold just 1..4.
    {"Cuarteto desnudo", ".................................................................................",
     "1234 1234 1234 1234 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789",
     Tecnica::CuartetoDesnudo, 5.0, "r1c5-1", false},
    // The digits 1..4 of row 1 fit only in its first four cells.
    {"Cuarteto oculto", ".................................................................................",
     "123456789 123456789 123456789 123456789 56789 56789 56789 56789 56789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789 123456789",
     Tecnica::CuartetoOculto, 5.4, "r1c1-5", false},
};

TEST(Candidatos, LaTecnicaMasFacilPrimero) {
    for (const Caso& caso : kCasos) {
        SCOPED_TRACE(caso.nombre);
        const Tablero t = Digitos(caso.tablero);
        const Candidatos c = Marcas(t, caso.candidatos);
        Contexto ctx;
        ctx.unica_conocida = caso.unica;
        const auto pasos = HastaColocarConCandidatos(t, c, ctx);
        ASSERT_FALSE(pasos.empty());
        const Paso& p = pasos[0];
        EXPECT_EQ(p.tecnica, caso.tecnica) << p.nombre;
        EXPECT_EQ(p.nombre, caso.nombre);
        EXPECT_DOUBLE_EQ(p.dificultad, caso.dificultad);
        EXPECT_TRUE(Contiene(p, caso.digito)) << caso.digito << ": " << p.texto;
        EXPECT_FALSE(p.texto.empty());
        EXPECT_FALSE(p.resumen.empty());
        for (std::size_t k = 0; k + 1 < pasos.size(); ++k) EXPECT_TRUE(pasos[k].coloca.empty());
        EXPECT_FALSE(pasos.back().coloca.empty());
        // On a board of one solution the candidates keep its digits, and no
        // step places another digit or excludes one of them.
        Rejilla r{}, s{};
        for (int i = 0; i < 81; ++i) r[i] = t[i];
        if (ContarSoluciones(r, 2, &s) != 1) continue;
        for (int i = 0; i < 81; ++i) {
            if (!t[i]) {
                ASSERT_TRUE(c[i] & (1u << s[i])) << "la celda " << i << " no admite su cifra";
            }
        }
        for (const Paso& q : pasos) {
            EXPECT_NE(q.tecnica, Tecnica::Bifurcacion);
            for (const auto& x : q.coloca) EXPECT_EQ(s[x.celda], x.cifra) << q.nombre;
            for (const auto& x : q.elimina) EXPECT_NE(s[x.celda], x.cifra) << q.nombre;
        }
    }
}

// With every digit a candidate, the entry answers as the board of digits.
TEST(Candidatos, SinMarcasComoElTableroDeCifras) {
    const char* const tableros[] = {
        ".6.9..51.....168...5928...324.8...95...3..........1..2..8......39....6...21.3....",
        "9...4..8.2.....96...1.....4..4....1.5..8.1...3..........6.5.39...34..2.88.5.9...6",
        "354.7..81.2183.7...78.1..324859613277..45.1.81...87...519728..3867.4.219243196875",
        ".7..53.8.2..6...5.3.584.....8......37.....2.....4..1...1....6...63..18...2......7",
        ".......5....8.63..1...3.8....8.....97..9.1...62.7..1.8....259.....36...1...1.86..",
    };
    for (const char* texto : tableros) {
        SCOPED_TRACE(texto);
        const Tablero t = Digitos(texto);
        const auto a = HastaColocar(t);
        const auto b = HastaColocarConCandidatos(t, Todos());
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t k = 0; k < a.size(); ++k) {
            EXPECT_EQ(a[k].tecnica, b[k].tecnica);
            EXPECT_EQ(a[k].coloca, b[k].coloca);
            EXPECT_EQ(a[k].elimina, b[k].elimina);
            EXPECT_EQ(a[k].texto, b[k].texto);
        }
    }
}

// Grids that cannot be a position: one "Sin solución" step that says why,
// with the cell to blame when there is one, and nothing placed.
TEST(Candidatos, RejillasImposibles) {
    const std::string puzle = ".6.9..51.....168...5928...324.8...95...3..........1..2..8......39....6...21.3....";
    const Tablero t = Digitos(puzle);
    Rejilla r{}, s{};
    for (int i = 0; i < 81; ++i) r[i] = t[i];
    ASSERT_EQ(ContarSoluciones(r, 2, &s), 1);
    struct Mal {
        const char* que;
        int celda;             // the cell given the mask
        std::uint16_t mascara;
        int culpable;          // the cell named, -1 for none
        const char* resumen;
    };
    const std::uint16_t sin_solucion = static_cast<std::uint16_t>(0x3FE & ~(1u << s[0]));
    const Mal casos[] = {
        {"un bit por encima del 9", 0, 0x3FE | 0x400, 0, "Candidatos no válidos en la fila 1, columna 1"},
        {"el bit del cero", 2, 0x0003, 2, "Candidatos no válidos en la fila 1, columna 3"},
        {"todo a unos", 80, 0xFFFF, 80, "Candidatos no válidos en la fila 9, columna 9"},
        {"ningún candidato", 0, 0, 0, "La fila 1, columna 1 no tiene candidatos"},
        // The 6 is in row 1 already: nothing is left.
        {"solo una cifra de su fila", 0, 1u << 6, 0, "La fila 1, columna 1 no tiene candidatos"},
        {"sin la cifra de la solución", 0, sin_solucion, -1, "Los candidatos no dejan ninguna solución"},
    };
    for (const Mal& m : casos) {
        SCOPED_TRACE(m.que);
        Candidatos c = Todos();
        c[static_cast<std::size_t>(m.celda)] = m.mascara;
        const auto pasos = HastaColocarConCandidatos(t, c);
        ASSERT_EQ(pasos.size(), 1u);
        EXPECT_EQ(pasos[0].tecnica, Tecnica::SinSolucion);
        EXPECT_TRUE(pasos[0].coloca.empty());
        EXPECT_TRUE(pasos[0].elimina.empty());
        EXPECT_EQ(pasos[0].resumen, m.resumen);
        EXPECT_FALSE(pasos[0].texto.empty());
        if (m.culpable >= 0) EXPECT_EQ(pasos[0].celdas, std::vector<int>{m.culpable});
        else EXPECT_TRUE(pasos[0].celdas.empty());
    }
    // The digits themselves repeat: the board has no solution whatever the marks.
    Tablero doble = t;
    doble[2] = 6;
    const auto pasos = HastaColocarConCandidatos(doble, Todos());
    ASSERT_EQ(pasos.size(), 1u);
    EXPECT_EQ(pasos[0].tecnica, Tecnica::SinSolucion);
    EXPECT_EQ(pasos[0].resumen, "El tablero no tiene solución");
    // The mask of a filled cell is not read; a full board has no step.
    Candidatos basura{};
    basura.fill(0xFFFF);
    Tablero lleno{};
    for (int i = 0; i < 81; ++i) lleno[i] = s[i];
    EXPECT_TRUE(HastaColocarConCandidatos(lleno, basura).empty());
}

// Pencil marks a player may have: on the puzzles of the harder grades, a
// few wrong candidates struck out at random (one in 20, 50 or 80; never the
// solution's digit). Whatever the
// marks leave, every step places the solution's digit and excludes only
// wrong ones, and the deductions never stop short of a placement.
TEST(Candidatos, MarcasAlAzarSinErrar) {
    std::ifstream f(std::string(NOVENARIO_DATOS) + "/logica/referencia.txt");
    std::vector<std::string> puzles;
    std::string linea;
    while (std::getline(f, linea))
        // The rating after the board, 4.0 or more (read by hand: a point
        // whatever the locale).
        if (linea.size() > 84 && linea[0] != '#' && (linea[83] != '.' || linea[82] >= '4'))
            puzles.push_back(linea.substr(0, 81));
    ASSERT_EQ(puzles.size(), 30u);
    // The engine of std::mt19937 is the same everywhere; its raw output is
    // used, not a distribution, which may differ between libraries.
    std::mt19937 azar(20261209u);
    for (std::size_t k = 0; k < puzles.size(); ++k) {
        const Tablero t = Digitos(puzles[k]);
        Rejilla r{}, s{};
        for (int i = 0; i < 81; ++i) r[i] = t[i];
        ASSERT_EQ(ContarSoluciones(r, 2, &s), 1);
        for (int vez = 0; vez < 3; ++vez) {
            Candidatos c = Todos();
            for (int i = 0; i < 81; ++i)
                for (int d = 1; d <= 9; ++d)
                    if (d != s[i] && azar() % (20u + 30u * static_cast<unsigned>(vez)) == 0)
                        c[i] &= static_cast<std::uint16_t>(~(1u << d));
            SCOPED_TRACE(puzles[k] + " vez " + std::to_string(vez));
            // Step by step to the end, the marks kept as the steps leave them.
            Tablero b = t;
            int llamadas = 0;
            while (b != s && llamadas++ < 81) {
                const auto pasos = HastaColocarConCandidatos(b, c);
                ASSERT_FALSE(pasos.empty());
                for (const Paso& p : pasos) {
                    ASSERT_NE(p.tecnica, Tecnica::SinSolucion) << p.texto;
                    ASSERT_NE(p.tecnica, Tecnica::Bifurcacion) << p.texto;
                    for (const auto& x : p.coloca) {
                        ASSERT_EQ(s[x.celda], x.cifra) << p.nombre << ": " << p.texto;
                        b[x.celda] = static_cast<std::uint8_t>(x.cifra);
                    }
                    for (const auto& x : p.elimina) {
                        ASSERT_NE(s[x.celda], x.cifra) << p.nombre << ": " << p.texto;
                        c[x.celda] &= static_cast<std::uint16_t>(~(1u << x.cifra));
                    }
                }
                ASSERT_FALSE(pasos.back().coloca.empty());
            }
            EXPECT_EQ(b, s);
        }
    }
}

}  // namespace
}  // namespace novenario::logica
