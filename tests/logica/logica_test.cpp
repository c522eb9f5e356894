// The reasoning engine: every step sound against the solution, the steps
// reaching the solution, the easiest technique first, the ratings of the
// common scale, and what it says on boards with several solutions or none.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "exhaustiva/exhaustiva.h"
#include "logica/logica.h"

namespace novenario::logica {
namespace {

Tablero Leer(std::string_view texto) {
    Tablero t{};
    for (std::size_t i = 0; i < t.size() && i < texto.size(); ++i)
        t[i] = (texto[i] >= '1' && texto[i] <= '9') ? static_cast<std::uint8_t>(texto[i] - '0') : 0;
    return t;
}

Tablero Solucion(const Tablero& t, int* cuantas = nullptr) {
    Rejilla r{}, s{};
    for (int i = 0; i < 81; ++i) r[i] = t[i];
    const int n = ContarSoluciones(r, 2, &s);
    if (cuantas) *cuantas = n;
    Tablero sol{};
    for (int i = 0; i < 81; ++i) sol[i] = s[i];
    return sol;
}

// Every placement is the solution's digit, no exclusion is, and the steps
// taken in order fill the board with the solution.
::testing::AssertionResult SolucionaBien(const std::string& texto) {
    const Tablero t = Leer(texto);
    const Tablero sol = Solucion(t);
    Tablero lleno = t;
    const auto pasos = Resolver(t);
    for (std::size_t k = 0; k < pasos.size(); ++k) {
        const Paso& p = pasos[k];
        for (const auto& x : p.coloca) {
            if (sol[x.celda] != x.cifra)
                return ::testing::AssertionFailure() << texto << " paso " << k + 1 << " (" << p.nombre << ") pone el "
                                                     << x.cifra << " en la celda " << x.celda;
            lleno[x.celda] = static_cast<std::uint8_t>(x.cifra);
        }
        for (const auto& x : p.elimina)
            if (sol[x.celda] == x.cifra)
                return ::testing::AssertionFailure() << texto << " paso " << k + 1 << " (" << p.nombre
                                                     << ") descarta el " << x.cifra << " de la celda " << x.celda;
        if (p.coloca.empty() && p.elimina.empty())
            return ::testing::AssertionFailure() << texto << " paso " << k + 1 << " (" << p.nombre << ") no hace nada";
        if (p.texto.empty() || p.resumen.empty())
            return ::testing::AssertionFailure() << texto << " paso " << k + 1 << " sin texto";
        if (p.tecnica == Tecnica::Bifurcacion || p.tecnica == Tecnica::SinSolucion)
            return ::testing::AssertionFailure() << texto << " se detiene en el paso " << k + 1;
    }
    if (lleno != sol) return ::testing::AssertionFailure() << texto << ": los pasos no llegan a la solución";
    return ::testing::AssertionSuccess();
}

struct Referencia {
    std::string tablero;
    double dificultad;
};

std::vector<Referencia> LeerReferencia() {
    std::vector<Referencia> r;
    std::ifstream f(std::string(NOVENARIO_DATOS) + "/logica/referencia.txt");
    std::string linea;
    while (std::getline(f, linea)) {
        if (linea.empty() || linea[0] == '#') continue;
        std::istringstream is(linea);
        Referencia x;
        is >> x.tablero >> x.dificultad;
        r.push_back(x);
    }
    return r;
}

std::vector<std::string> LeerLineas(const std::string& nombre, std::size_t cuantas) {
    std::vector<std::string> r;
    std::ifstream f(std::string(NOVENARIO_DATOS) + "/logica/" + nombre);
    std::string linea;
    while (r.size() < cuantas && std::getline(f, linea))
        if (linea.size() >= 81) r.push_back(linea.substr(0, 81));
    return r;
}

// Every step holds in every solution, however many the board has: no
// solution has a digit the step excludes, or another digit where it places
// one. Checked by the exhaustive search on the board of digits as the steps
// leave it.
::testing::AssertionResult ValeEnTodas(const std::string& texto) {
    Tablero t = Leer(texto);
    auto soluciones = [](const Tablero& b, int celda, int cifra) {
        Rejilla r{};
        for (int i = 0; i < 81; ++i) r[i] = b[i];
        r[celda] = static_cast<std::uint8_t>(cifra);
        return ContarSoluciones(r, 1);
    };
    const auto pasos = Resolver(t);
    for (std::size_t k = 0; k < pasos.size(); ++k) {
        const Paso& p = pasos[k];
        if (p.tecnica == Tecnica::Bifurcacion) {
            if (k + 1 != pasos.size()) return ::testing::AssertionFailure() << texto << ": bifurcación antes del final";
            break;
        }
        for (const auto& x : p.elimina)
            if (soluciones(t, x.celda, x.cifra) != 0)
                return ::testing::AssertionFailure() << texto << " paso " << k + 1 << " (" << p.nombre << ") descarta el "
                                                     << x.cifra << " de la celda " << x.celda << ", que tiene solución";
        for (const auto& x : p.coloca) {
            for (int otra = 1; otra <= 9; ++otra)
                if (otra != x.cifra && soluciones(t, x.celda, otra) != 0)
                    return ::testing::AssertionFailure() << texto << " paso " << k + 1 << " (" << p.nombre
                                                         << ") pone el " << x.cifra << " en la celda " << x.celda
                                                         << ", donde una solución lleva el " << otra;
            t[x.celda] = static_cast<std::uint8_t>(x.cifra);
        }
    }
    return ::testing::AssertionSuccess();
}

// Games of the game's own generator, twenty of each level (many with
// several solutions): the deductions hold in all of them, and stop in a
// "Bifurcación" only where the board has more than one.
TEST(Logica, PartidasGeneradasSinErrar) {
    const auto tableros = LeerLineas("generadas.txt", 100);
    ASSERT_EQ(tableros.size(), 100u);
    for (const auto& t : tableros) {
        EXPECT_TRUE(ValeEnTodas(t));
        int n = 0;
        Solucion(Leer(t), &n);
        EXPECT_EQ(Calificar(Leer(t)).completa, n == 1) << t;
    }
}

// Famous hard puzzles, at the top of the scale.
const char* const kDificiles[] = {
    "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..",
};

TEST(Logica, SolucionaLosDeReferenciaSinErrar) {
    const auto ref = LeerReferencia();
    ASSERT_EQ(ref.size(), 120u);
    for (const auto& r : ref) EXPECT_TRUE(SolucionaBien(r.tablero));
}

TEST(Logica, SolucionaLosDeDiecisietePistasSinErrar) {
    for (const auto& t : LeerLineas("17-pistas-1000.txt", 1000)) EXPECT_TRUE(SolucionaBien(t));
}

// The ratings against the reference program's: most within 0.3, and the
// order of the puzzles by difficulty nearly the same.
TEST(Logica, CalificaComoLaEscalaComun) {
    const auto ref = LeerReferencia();
    std::vector<double> a, b;
    int cerca = 0;
    for (const auto& r : ref) {
        const Calificacion c = Calificar(Leer(r.tablero));
        EXPECT_EQ(c.soluciones, 1);
        EXPECT_TRUE(c.completa) << r.tablero;
        EXPECT_EQ(c.nivel, NivelDe(c.dificultad));
        if (std::fabs(c.dificultad - r.dificultad) <= 0.3 + 1e-9) ++cerca;
        a.push_back(r.dificultad);
        b.push_back(c.dificultad);
    }
    EXPECT_GE(cerca, 117) << "de " << ref.size();
    // Spearman's rank correlation, ties at their mean rank.
    auto rangos = [](const std::vector<double>& v) {
        std::vector<std::size_t> o(v.size());
        for (std::size_t i = 0; i < o.size(); ++i) o[i] = i;
        std::sort(o.begin(), o.end(), [&](auto x, auto y) { return v[x] < v[y]; });
        std::vector<double> r(v.size());
        for (std::size_t i = 0; i < o.size();) {
            std::size_t j = i;
            while (j + 1 < o.size() && v[o[j + 1]] == v[o[i]]) ++j;
            for (std::size_t k = i; k <= j; ++k) r[o[k]] = (i + j) / 2.0;
            i = j + 1;
        }
        return r;
    };
    const auto ra = rangos(a), rb = rangos(b);
    double ma = 0, mb = 0;
    for (std::size_t i = 0; i < ra.size(); ++i) { ma += ra[i]; mb += rb[i]; }
    ma /= ra.size();
    mb /= rb.size();
    double cov = 0, va = 0, vb = 0;
    for (std::size_t i = 0; i < ra.size(); ++i) {
        cov += (ra[i] - ma) * (rb[i] - mb);
        va += (ra[i] - ma) * (ra[i] - ma);
        vb += (rb[i] - mb) * (rb[i] - mb);
    }
    EXPECT_GE(cov / std::sqrt(va * vb), 0.97);
}

// Solved by deductions alone, up in the nets of nested chains.
TEST(Logica, LosDificilesSonDiabolicos) {
    for (const char* t : kDificiles) {
        EXPECT_TRUE(SolucionaBien(t));
        const Calificacion c = Calificar(Leer(t));
        EXPECT_TRUE(c.completa) << t;
        EXPECT_GE(c.dificultad, 8.5) << t;
        EXPECT_EQ(c.nivel, "Diabólico");
    }
}

// Boards on which the named technique is the easiest step, with one digit
// the step must place or exclude ("r4c5=7" places, "r4c5-7" excludes).
struct Caso {
    const char* tablero;
    Tecnica tecnica;
    double dificultad;
    const char* digito;
};

const Caso kCasos[] = {
    {"8..1.6.393..748.16...359.87...6..7...834.19.5......1..13.2..6.4...9138522...643.1", Tecnica::UltimaCasilla, 1.0, "r1c5=2"},
    {".......39...74........5..8....6..7...83............1..1..2..6.......3.5.2........", Tecnica::UnicoLugarBloque, 1.2, "r3c4=3"},
    {".......39...74.......35..87...6..7...83............1..1..2..6.......3.5.2........", Tecnica::UnicoLugarLinea, 1.5, "r2c1=3"},
    {"8......393..748......359.87...6..7...83...9........1..13.2..6.......38522.....3..", Tecnica::ParOcultoDirecto, 2.0, "r1c4=1"},
    {".3....761476.1392.19.7...34.13694.72.2..7134..47...1..384...217.6.187453751..26..", Tecnica::TrioOcultoDirecto, 2.5, "r7c4=9"},
    {"5......43914.5..62....4..511..478539395...4..748.3.216....941.58..2..6.44.....3..", Tecnica::UnicoCandidato, 2.3, "r8c5=1"},
    {".......41...7.....3............45.6.7.....3...2..17...9..8..2..245......681......", Tecnica::Apuntado, 2.6, "r2c5-3"},
    {"267....549587..23143152..67376.524.98....73.55.....7.6.293.51.8.43.7.592.852..6.3", Tecnica::Reclamo, 2.8, "r5c5-4"},
    {"8.7.325413214578..54.81.73268.3.421.7.412..8.1.25.84..218..5374473281.5.9..743128", Tecnica::ParDesnudo, 3.0, "r4c9-9"},
    {"8..463.15...912.833.1785.427842563919..1374281..8945765.864123.2..57816..1.32985.", Tecnica::TrioDesnudo, 3.6, "r1c3-7"},
    {"49623857158.4.7...37.56....1639728..7598..6328246537199153864272.71.5...6.872.1..", Tecnica::ParOculto, 3.4, "r3c8-9"},
    {".5.8..241.8123457.24..15.83538162794162.4.3584..358162...58142.81542..3..24..3815", Tecnica::Rascacielos, 4.0, "r8c6-6"},
    {"25.6.4.718.1327.454.715.2..6749..512.8.512764125476....4276.1585.68.1427718245...", Tecnica::Cometa, 4.1, "r3c2-9"},
    {"7528..136631275498489316572578.6..219165.2.472431.7.65365.2178.1976.825.82475.61.", Tecnica::XYWing, 4.2, "r1c6-9"},
    {"...617829269583.1.178942635.12.965.3....25.9..9513824..37.59.6.9.1.643....63719..", Tecnica::XYZWing, 4.4, "r9c2-8"},
    {"8.2635.1767.12835.315.7.8261532.678.9..587231287.13.654.83.157272185.6.353.7.21.8", Tecnica::TresEnlaces, 5.4, "r2c9-9"},
    // The W-Wing here (7.0) comes after a Y-cycle of seven cells (6.9); the
    // W-Wing has its row in the table of positions with candidates.
    {"354.7..81.2183.7...78.1..324859613277..45.1.81...87...519728..3867.4.219243196875", Tecnica::CicloY, 6.9, "r3c7-6"},
    {"...753261735621.8.612849.5.15..62.383.8..75262.63851....12.6..5.2.5.861.56...4872", Tecnica::CadenaAlterna, 7.2, "r3c7-3"},
    {"1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..41.....7..7...3..", Tecnica::CadenaDinamica, 8.6, "r7c4-9"},
};

TEST(Logica, LaTecnicaMasFacilPrimero) {
    for (const Caso& caso : kCasos) {
        SCOPED_TRACE(caso.tablero);
        const Tablero t = Leer(caso.tablero);
        const auto pasos = HastaColocar(t);
        ASSERT_FALSE(pasos.empty());
        const Paso& p = pasos[0];
        EXPECT_EQ(p.tecnica, caso.tecnica) << p.nombre;
        EXPECT_DOUBLE_EQ(p.dificultad, caso.dificultad);
        const std::string d = caso.digito;
        const int celda = (d[1] - '1') * 9 + (d[3] - '1');
        const int cifra = d[5] - '0';
        const auto& lista = d[4] == '=' ? p.coloca : p.elimina;
        EXPECT_NE(std::find(lista.begin(), lista.end(), Digito{celda, cifra}), lista.end()) << d;
        // Up to the next placement: only the last step places.
        for (std::size_t k = 0; k + 1 < pasos.size(); ++k) EXPECT_TRUE(pasos[k].coloca.empty());
        EXPECT_FALSE(pasos.back().coloca.empty());
        EXPECT_TRUE(SolucionaBien(caso.tablero));
    }
}

TEST(Logica, TableroLlenoSinPasos) {
    const Tablero t = Leer("534678912672195348198342567859761423426853791713924856961537284287419635345286179");
    EXPECT_TRUE(HastaColocar(t).empty());
    const Calificacion c = Calificar(t);
    EXPECT_EQ(c.soluciones, 1);
    EXPECT_TRUE(c.completa);
}

// A full board whose digits clash is not solved: the one step says which
// of the player's digits to blame, with or without pencil marks.
TEST(Logica, TableroLlenoQueChocaNoTieneSolucion) {
    const std::string solucion = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
    std::string choca = solucion;
    choca[0] = '1';  // row 1 now holds two 1s, column 1 and block 1 too
    const struct {
        std::string tablero;
        std::vector<int> jugadas;
        std::size_t pasos;
        std::string resumen;
    } casos[] = {
        {solucion, {0, 40}, 0, ""},
        {choca, {}, 1, "El tablero no tiene solución"},
        // The first of the player's digits whose removal leaves a solution.
        {choca, {40, 0}, 1, "El 1 de la fila 1, columna 1 no lleva a ninguna solución"},
    };
    Candidatos todos{};
    todos.fill(0x3FE);
    for (const auto& caso : casos) {
        Contexto ctx;
        ctx.jugadas = caso.jugadas;
        for (const auto& pasos : {HastaColocar(Leer(caso.tablero), ctx), Resolver(Leer(caso.tablero), ctx),
                                  HastaColocarConCandidatos(Leer(caso.tablero), todos, ctx)}) {
            ASSERT_EQ(pasos.size(), caso.pasos) << caso.resumen;
            if (pasos.empty()) continue;
            EXPECT_EQ(pasos[0].tecnica, Tecnica::SinSolucion);
            EXPECT_EQ(pasos[0].resumen, caso.resumen);
        }
    }
}

// Several solutions: the deductions stop, and the step says so with the
// digit of the game's own solution there.
TEST(Logica, BifurcacionConLaSolucionDeLaPartida) {
    // A puzzle with two givens taken away has many solutions.
    const std::string unica = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
    std::string texto = ".6.9..51.....168...5928...324.8...95...3..........1..2..8......39....6...21.3....";
    texto[1] = '.';
    texto[7] = '.';
    texto[13] = '.';
    const Tablero t = Leer(texto);
    int n = 0;
    const Tablero una = Solucion(t, &n);
    ASSERT_EQ(n, 2);
    Contexto ctx;
    ctx.solucion = una;
    const auto pasos = Resolver(t, ctx);
    ASSERT_FALSE(pasos.empty());
    const Paso& ultimo = pasos.back();
    EXPECT_EQ(ultimo.tecnica, Tecnica::Bifurcacion);
    EXPECT_EQ(ultimo.nombre, "Bifurcación");
    ASSERT_EQ(ultimo.coloca.size(), 1u);
    EXPECT_EQ(ultimo.coloca[0].cifra, una[ultimo.coloca[0].celda]);
    EXPECT_NE(ultimo.texto.find("más de una solución"), std::string::npos);
    // Every deduction before it holds in this solution.
    for (std::size_t k = 0; k + 1 < pasos.size(); ++k) {
        for (const auto& x : pasos[k].coloca) EXPECT_EQ(una[x.celda], x.cifra);
        for (const auto& x : pasos[k].elimina) EXPECT_NE(una[x.celda], x.cifra);
    }
    const Calificacion c = Calificar(t);
    EXPECT_EQ(c.soluciones, 2);
    EXPECT_FALSE(c.completa);
    // Without a stored solution the search finds one.
    const auto sin = HastaColocar(Leer(std::string(81, '.')));
    ASSERT_EQ(sin.size(), 1u);
    EXPECT_EQ(sin[0].tecnica, Tecnica::Bifurcacion);
    ASSERT_EQ(sin[0].coloca.size(), 1u);
    (void)unica;
}

// A wrong digit of the player: the first of the player's digits, in the
// order of the moves, whose removal makes the board solvable.
TEST(Logica, SinSolucionNombraLaCifraQueSobra) {
    const std::string puzle = ".6.9..51.....168...5928...324.8...95...3..........1..2..8......39....6...21.3....";
    const Tablero sol = Solucion(Leer(puzle));
    Tablero t = Leer(puzle);
    // A right digit first, then a wrong one that breaks the board.
    const int bien = 0;
    t[bien] = sol[bien];
    int mal = -1;
    for (int i = 1; i < 81 && mal < 0; ++i)
        if (t[i] == 0)
            for (int d = 1; d <= 9; ++d) {
                if (d == sol[i]) continue;
                Tablero prueba = t;
                prueba[i] = static_cast<std::uint8_t>(d);
                Rejilla r{};
                for (int k = 0; k < 81; ++k) r[k] = prueba[k];
                bool choca = false;
                for (int k = 0; k < 81; ++k)
                    if (k != i && prueba[k] == d && (k / 9 == i / 9 || k % 9 == i % 9 || (k / 27 == i / 27 && k % 9 / 3 == i % 9 / 3)))
                        choca = true;
                if (!choca && ContarSoluciones(r, 1) == 0) {
                    t = prueba;
                    mal = i;
                    break;
                }
            }
    ASSERT_GE(mal, 0);
    Contexto ctx;
    ctx.jugadas = {bien, mal};
    const auto pasos = HastaColocar(t, ctx);
    ASSERT_EQ(pasos.size(), 1u);
    EXPECT_EQ(pasos[0].tecnica, Tecnica::SinSolucion);
    EXPECT_TRUE(pasos[0].coloca.empty());
    EXPECT_EQ(pasos[0].celdas, std::vector<int>{mal});
    const std::string esperado = "El " + std::to_string(t[mal]) + " de la fila " + std::to_string(mal / 9 + 1) +
                                 ", columna " + std::to_string(mal % 9 + 1) + " no lleva a ninguna solución";
    EXPECT_EQ(pasos[0].resumen, esperado);
    EXPECT_EQ(Calificar(t).soluciones, 0);
}

TEST(Logica, NivelesDeLaEscala) {
    const struct {
        double d;
        const char* nivel;
    } casos[] = {{1.0, "Muy Fácil"}, {1.5, "Muy Fácil"}, {1.7, "Fácil"}, {2.5, "Fácil"}, {2.6, "Normal"},
                 {3.4, "Normal"}, {3.6, "Difícil"}, {4.4, "Difícil"}, {4.5, "Muy Difícil"}, {6.5, "Muy Difícil"},
                 {6.6, "Diabólico"}, {11.0, "Diabólico"}};
    for (const auto& c : casos) EXPECT_EQ(NivelDe(c.d), c.nivel) << c.d;
}

TEST(Logica, NombresDeCasas) {
    EXPECT_EQ(NombreCasa({Casa::Tipo::Fila, 4}), "fila 4");
    EXPECT_EQ(NombreCasa({Casa::Tipo::Columna, 5}), "columna 5");
    EXPECT_EQ(NombreCasa({Casa::Tipo::Bloque, 9}), "bloque 9");
}

}  // namespace
}  // namespace novenario::logica
