// The candidate pass: for every cell that is not a given, the digits still
// possible (upper label) and the digits its peers hold (lower label), and the
// colour that follows from them.
#include <random>
#include <set>

#include "board/entorno_falso.h"
#include "board/juego.h"
#include "candidates/candidatos.h"

namespace novenario::prueba {
namespace {

// Nine grid rows, top to bottom, into one board.
std::string Filas(std::initializer_list<const char*> filas) {
    std::string s;
    for (const char* f : filas) s += f;
    return s;
}

const char* const V = ".........";  // an empty row

// ---------------------------------------------------------------------------
// Calcula_Disponibles on its own

struct CasoCalcula {
    const char* entrada;
    const char* ordenado;
    const char* posibles;
};

void PrintTo(const CasoCalcula& c, std::ostream* os) { *os << c.entrada; }

class CalculaDisponibles : public Partida, public ::testing::WithParamInterface<CasoCalcula> {};

// Repeats go, the rest is sorted; the candidates are the digits 1-9 missing.
// Other characters are sorted in and rule nothing out.
TEST_P(CalculaDisponibles, OrdenaQuitaRepetidosYDaLosQueFaltan) {
    f.Variables.No_Dis = GetParam().entrada;
    {
        f.Variables.Orden_Trabajo = "";
        TFormDisponibles forma(f);
        forma.Calcula_Disponibles();
    }
    EXPECT_EQ(f.Variables.No_Dis, GetParam().ordenado);
    EXPECT_EQ(f.Variables.Si_Dis, GetParam().posibles);
    std::vector<std::string> uno_por_caracter;
    for (char ch : std::string(GetParam().ordenado)) uno_por_caracter.emplace_back(1, ch);
    EXPECT_EQ(f.Variables.CColoca, uno_por_caracter);
    EXPECT_EQ(f.Variables.CSalidaAux, uno_por_caracter);
}

INSTANTIATE_TEST_SUITE_P(Textos, CalculaDisponibles,
                         ::testing::Values(CasoCalcula{"5315", "135", "246789"},
                                           CasoCalcula{"135", "135", "246789"},
                                           CasoCalcula{"7", "7", "12345689"},
                                           CasoCalcula{"99999", "9", "12345678"},
                                           CasoCalcula{"987654321", "123456789", ""},
                                           CasoCalcula{"112233445566778899", "123456789", ""},
                                           CasoCalcula{"9a1", "19a", "2345678"},
                                           CasoCalcula{"0", "0", "123456789"}));

// ---------------------------------------------------------------------------
// The pass, seen from P5_5 (row 5, column 5, block 5)

struct CasoPase {
    const char* que;
    std::string rejilla;  // P5_5's own value included
    Color antes;          // P5_5's colour before the pass
    const char* psd;
    const char* pnd;
    Color despues;
};

void PrintTo(const CasoPase& c, std::ostream* os) { *os << c.que; }

class PaseDeCandidatos : public Partida, public ::testing::WithParamInterface<CasoPase> {};

TEST_P(PaseDeCandidatos, EtiquetasYColorDeLaCelda) {
    const auto& k = GetParam();
    CargarRejilla(f, k.rejilla);
    En(f, "P5_5").Color_ = k.antes;
    En(f, "P5_5").PSD = "viejo";
    En(f, "P5_5").PND = "viejo";
    Disponibles(f);
    EXPECT_EQ(En(f, "P5_5").PSD, k.psd);
    EXPECT_EQ(En(f, "P5_5").PND, k.pnd);
    EXPECT_EQ(En(f, "P5_5").Color_, k.despues);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PaseDeCandidatos,
    ::testing::Values(
        CasoPase{"tablero vacio", std::string(81, '.'), Blanco, "123456789", "", Blanco},
        CasoPase{"su propio valor no cuenta", Rejilla({{"P5_5", '5'}}), Blanco, "123456789", "", Blanco},
        // 5 in the block, 3 in the row, 5 and 1 in the column.
        CasoPase{"repetidos fuera y en orden",
                 Rejilla({{"P5_1", '5'}, {"P4_4", '3'}, {"P8_8", '5'}, {"P2_2", '1'}}), Blanco, "246789", "135", Blanco},
        CasoPase{"un solo candidato en una celda vacia se queda",
                 Filas({V, V, V, V, "1234.6789", V, V, V, V}), Blanco, "5", "12346789", Blanco},
        CasoPase{"vacia sin candidato", Filas({"....5....", V, V, V, "1234.6789", V, V, V, V}), Blanco, "", "", Granate},
        CasoPase{"llena con un solo candidato", Filas({V, V, V, V, "123456789", V, V, V, V}), Blanco, "", "", Blanco},
        CasoPase{"llena con un solo candidato y aguamarina", Filas({V, V, V, V, "123456789", V, V, V, V}),
                 Aguamarina, "", "", Aguamarina},
        CasoPase{"llena con varios candidatos", Filas({V, V, V, V, "123.5....", V, V, V, V}), Blanco, "456789", "123", Blanco},
        // The peers hold all nine, the cell's own 5 among them: a conflict,
        // but the cell is filled and so never maroon.
        CasoPase{"llena en conflicto con todo", Filas({"....5....", V, V, V, "123456789", V, V, V, V}),
                 Blanco, "", "", Blanco},
        CasoPase{"la verde vuelve a blanco", Rejilla({{"P4_4", '3'}}), Verde, "12456789", "3", Blanco},
        CasoPase{"la granate con candidatos vuelve a blanco", std::string(81, '.'), Granate, "123456789", "", Blanco},
        CasoPase{"la aguamarina se queda", Rejilla({{"P5_5", '4'}, {"P4_4", '3'}}), Aguamarina, "12456789", "3", Aguamarina},
        CasoPase{"la aguamarina vacia sin candidato es granate",
                 Filas({"....5....", V, V, V, "1234.6789", V, V, V, V}), Aguamarina, "", "", Granate}));

// A given keeps its colour and gets no labels, whatever its peers hold.
TEST_F(Partida, UnaCeldaFijaNoTieneEtiquetas) {
    CargarRejilla(f, Filas({"....5....", V, V, V, "1234.6789", V, V, V, V}));
    Fijar(f, "P5_5", "5");
    En(f, "P5_5").PSD = "x";
    En(f, "P5_5").PND = "y";
    Fijar(f, "P9_9", "1");
    Disponibles(f);
    EXPECT_EQ(En(f, "P5_5").PSD, "");
    EXPECT_EQ(En(f, "P5_5").PND, "");
    EXPECT_EQ(En(f, "P5_5").Color_, Naranja);
    EXPECT_EQ(En(f, "P9_9").Color_, Naranja);
    EXPECT_EQ(En(f, "P9_9").PSD, "");
    EXPECT_FALSE(En(f, "P9_9").Enabled);
}

// One 5 in P1_1: its 20 peers lose the 5, every other cell keeps all nine.
TEST_F(Partida, UnCincoEnP1_1) {
    En(f, "P1_1").Caption = "5";
    Disponibles(f);
    const std::set<std::string> pares{"P1_2", "P1_3", "P1_4", "P1_5", "P1_6", "P1_7", "P1_8",
                                      "P1_9", "P2_1", "P2_2", "P2_3", "P3_1", "P3_2", "P3_3",
                                      "P4_1", "P4_4", "P4_7", "P7_1", "P7_4", "P7_7"};
    for (int c = 0; c < NumCeldas; ++c) {
        const std::string nombre = tablero::Nombre(c);
        const bool par = pares.count(nombre) == 1;
        EXPECT_EQ(f.Paneles[c].PSD, par ? "12346789" : "123456789") << nombre;
        EXPECT_EQ(f.Paneles[c].PND, par ? "5" : "") << nombre;
        EXPECT_EQ(f.Paneles[c].Color_, Blanco) << nombre;
    }
}

// The pass never shows or hides the labels.
TEST_F(Partida, ElPaseNoTocaLaVisibilidadDeLasEtiquetas) {
    En(f, "P3_3").EtiquetasVisibles = true;
    Disponibles(f);
    EXPECT_TRUE(En(f, "P3_3").EtiquetasVisibles);
    EXPECT_FALSE(En(f, "P3_4").EtiquetasVisibles);
}

// ---------------------------------------------------------------------------
// Whole boards against the rules worked out here cell by cell

struct Esperado {
    std::string psd, pnd;
    Color color;
};

// The labels and colour of the cell at (r, c) of a grid, from the rules: the
// digits held by the cells sharing its row, column or block; the digits
// missing from those; both cleared when nothing is possible or when a filled
// cell has a single candidate; maroon for an empty cell left without labels.
Esperado Calcular(const std::string& rejilla, int r, int c, Color antes) {
    std::set<char> tomados;
    for (int r2 = 1; r2 <= 9; ++r2)
        for (int c2 = 1; c2 <= 9; ++c2) {
            if (r2 == r && c2 == c) continue;
            const bool comparte = r2 == r || c2 == c || ((r2 - 1) / 3 == (r - 1) / 3 && (c2 - 1) / 3 == (c - 1) / 3);
            const char v = rejilla[static_cast<std::size_t>((r2 - 1) * 9 + c2 - 1)];
            if (comparte && v != '.') tomados.insert(v);
        }
    Esperado e;
    for (char d : tomados) e.pnd += d;
    for (char d = '1'; d <= '9'; ++d)
        if (!tomados.count(d)) e.psd += d;
    const bool lleno = rejilla[static_cast<std::size_t>((r - 1) * 9 + c - 1)] != '.';
    if (e.pnd == "123456789" || (e.psd.size() == 1 && lleno)) e.psd = e.pnd = "";
    if (e.psd.empty() && e.pnd.empty() && !lleno)
        e.color = Granate;
    else
        e.color = antes == Aguamarina ? Aguamarina : Blanco;
    return e;
}

std::string TableroAlAzar(unsigned semilla, int por_ciento) {
    std::mt19937 gen(semilla);
    std::uniform_int_distribution<int> cien(0, 99), digito(1, 9);
    std::string s;
    for (int i = 0; i < 81; ++i) s += cien(gen) < por_ciento ? static_cast<char>('0' + digito(gen)) : '.';
    return s;
}

TEST_F(Partida, TablerosCompletosCeldaACelda) {
    std::vector<std::string> tableros{
        RejillaResuelta(),
        SinCelda(SinCelda(SinCelda(RejillaResuelta(), 1, 1), 5, 5), 9, 9),
        TableroAlAzar(1, 30),
        TableroAlAzar(2, 60),  // repeats and dead ends likely
        TableroAlAzar(3, 85),
    };
    for (std::size_t t = 0; t < tableros.size(); ++t) {
        const std::string& rejilla = tableros[t];
        CargarRejilla(f, rejilla);
        for (int c = 0; c < NumCeldas; ++c) f.Paneles[c].Color_ = c % 7 == 0 ? Aguamarina : Blanco;
        Disponibles(f);
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c) {
                const Celda& celda = En(f, NombreEn(r, c));
                const Esperado e = Calcular(rejilla, r, c, Idx(NombreEn(r, c)) % 7 == 0 ? Aguamarina : Blanco);
                EXPECT_EQ(celda.PSD, e.psd) << "board " << t << " " << NombreEn(r, c);
                EXPECT_EQ(celda.PND, e.pnd) << "board " << t << " " << NombreEn(r, c);
                EXPECT_EQ(celda.Color_, e.color) << "board " << t << " " << NombreEn(r, c);
            }
    }
}

}  // namespace
}  // namespace novenario::prueba
