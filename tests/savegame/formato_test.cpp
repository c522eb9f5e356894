// The board line and the move lines of a saved game: what a load takes from
// each position, what it does to the cells, the integer check of the clock,
// and what a save writes.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "board/colores.h"
#include "juegos.h"
#include "savegame/formato.h"
#include "savegame/rtf.h"

namespace novenario::sdk::prueba {
namespace {

using Lineas = std::vector<std::string>;

// ---- Board line ---------------------------------------------------------------

TEST(SdkLineaTablero, LineaCompletaConCola) {
    const std::string linea = JuegoCreado()[0];
    ASSERT_EQ(linea.size(), LargoLineaCola);
    const Partida p = LeeLineaTablero(linea);
    for (int n = 0; n < NumCeldas; ++n) {
        const ParLeido& par = p.Pares[static_cast<std::size_t>(n)];
        const std::string digito(1, Solucion[static_cast<std::size_t>(n)]);
        if (n % 2 == 0) {
            EXPECT_EQ(par.Valor, digito) << n;
            EXPECT_EQ(par.Marca, "R") << n;
        } else if (n % 7 == 1) {
            EXPECT_EQ(par.Valor, digito) << n;
            EXPECT_EQ(par.Marca, "B") << n;
        } else {
            EXPECT_EQ(par.Valor, " ") << n;
            EXPECT_EQ(par.Marca, "B") << n;
        }
    }
    EXPECT_EQ(p.LPHor, "00");
    EXPECT_EQ(p.LPMin, "12");
    EXPECT_EQ(p.LPseg, "05");
    EXPECT_EQ(p.EPartida, Solucion);
    EXPECT_EQ(p.ENivel_Juego, "3");
    EXPECT_TRUE(p.LBPanel.empty());
}

TEST(SdkLineaTablero, SinColaNoHaySolucionNiNivel) {
    const std::string linea = JuegoAMano()[0];
    ASSERT_EQ(linea.size(), LargoLinea);
    const Partida p = LeeLineaTablero(linea);
    EXPECT_EQ(p.LPHor, "01");
    EXPECT_EQ(p.LPMin, "02");
    EXPECT_EQ(p.LPseg, "03");
    EXPECT_EQ(p.EPartida, "");
    EXPECT_EQ(p.ENivel_Juego, "");
    EXPECT_EQ(p.Pares[0].Valor, " ");
    EXPECT_EQ(p.Pares[1].Valor, std::string(1, Solucion[1]));
    EXPECT_EQ(p.Pares[80].Marca, "B");
}

TEST(SdkLineaTablero, ElSeparadorNoSeCompara) {
    std::string linea = JuegoCreado()[0];
    linea.replace(168, 5, "xy{}z");
    const Partida p = LeeLineaTablero(linea);
    EXPECT_EQ(p.EPartida, Solucion);
    EXPECT_EQ(p.ENivel_Juego, "3");
}

TEST(SdkLineaTablero, MasAllaDe255NoSeLee) {
    const Partida p = LeeLineaTablero(JuegoCreado()[0] + "9999");
    EXPECT_EQ(p.EPartida, Solucion);
    EXPECT_EQ(p.ENivel_Juego, "3");
}

// A line cut after `largo` characters of the created game's line: every
// field keeps the characters that are there, possibly none.
struct CasoCorta {
    std::size_t largo;
    std::size_t pares;      // cells that still have their value
    std::size_t marcas;     // cells that still have their mark
    std::string hor, min, seg;
    std::size_t solucion;   // characters of the solution that are there
    std::string nivel;
};

class SdkLineaCorta : public testing::TestWithParam<CasoCorta> {};

TEST_P(SdkLineaCorta, CadaCampoConLoQueHay) {
    const CasoCorta& c = GetParam();
    const std::string completa = JuegoCreado()[0];
    const Partida p = LeeLineaTablero(completa.substr(0, c.largo));
    for (std::size_t n = 0; n < NumCeldas; ++n) {
        const ParLeido& par = p.Pares[n];
        EXPECT_EQ(par.Valor, n < c.pares ? completa.substr(2 * n, 1) : "") << n;
        EXPECT_EQ(par.Marca, n < c.marcas ? completa.substr(2 * n + 1, 1) : "") << n;
    }
    EXPECT_EQ(p.LPHor, c.hor);
    EXPECT_EQ(p.LPMin, c.min);
    EXPECT_EQ(p.LPseg, c.seg);
    EXPECT_EQ(p.EPartida, Solucion.substr(0, c.solucion));
    EXPECT_EQ(p.ENivel_Juego, c.nivel);
}

INSTANTIATE_TEST_SUITE_P(Largos, SdkLineaCorta, testing::Values(
    CasoCorta{0, 0, 0, "", "", "", 0, ""},
    CasoCorta{1, 1, 0, "", "", "", 0, ""},        // a value without its mark
    CasoCorta{2, 1, 1, "", "", "", 0, ""},
    CasoCorta{161, 81, 80, "", "", "", 0, ""},
    CasoCorta{162, 81, 81, "", "", "", 0, ""},
    CasoCorta{163, 81, 81, "0", "", "", 0, ""},
    CasoCorta{164, 81, 81, "00", "", "", 0, ""},
    CasoCorta{165, 81, 81, "00", "1", "", 0, ""},
    CasoCorta{167, 81, 81, "00", "12", "0", 0, ""},
    CasoCorta{168, 81, 81, "00", "12", "05", 0, ""},
    CasoCorta{173, 81, 81, "00", "12", "05", 0, ""},  // separator only
    CasoCorta{174, 81, 81, "00", "12", "05", 1, ""},
    CasoCorta{200, 81, 81, "00", "12", "05", 27, ""},
    CasoCorta{254, 81, 81, "00", "12", "05", 81, ""},  // no level digit
    CasoCorta{255, 81, 81, "00", "12", "05", 81, "3"}));

// ---- What a pair does ---------------------------------------------------------

struct CasoPar {
    std::string valor, marca;
    Efecto efecto;
};

class SdkEfecto : public testing::TestWithParam<CasoPar> {};

TEST_P(SdkEfecto, SegunValorYMarca) {
    EXPECT_EQ(EfectoDe({GetParam().valor, GetParam().marca}), GetParam().efecto);
}

INSTANTIATE_TEST_SUITE_P(Pares, SdkEfecto, testing::Values(
    CasoPar{" ", "B", Efecto::Ninguno},
    CasoPar{" ", "R", Efecto::Ninguno},   // a space with "R" is not a fixed empty cell
    CasoPar{" ", "", Efecto::Ninguno},
    CasoPar{"5", "R", Efecto::Fijo},
    CasoPar{"5", "B", Efecto::Libre},
    CasoPar{"5", "r", Efecto::Libre},     // only exactly "R" fixes
    CasoPar{"5", " ", Efecto::Libre},
    CasoPar{"5", "X", Efecto::Libre},
    CasoPar{"5", "", Efecto::Libre},      // the mark is past the end of the line
    CasoPar{"", "", Efecto::Libre},       // both past the end: caption ""
    CasoPar{"x", "R", Efecto::Fijo},      // any value but a space is taken
    CasoPar{"0", "B", Efecto::Libre},
    CasoPar{"\t", "R", Efecto::Fijo}));

// A board as the load prepares it, with one cell left dirty to see which
// cells the pairs really touch.
Tablero Preparado() {
    Tablero t;
    for (int c = 0; c < NumCeldas; ++c) {
        t[c].Caption = "";
        t[c].Color_ = Blanco;
        t[c].Enabled = true;
    }
    return t;
}

TEST(SdkAplica, JuegoCreado) {
    Tablero t = Preparado();
    EXPECT_TRUE(AplicaTablero(LeeLineaTablero(JuegoCreado()[0]), t));
    for (int n = 0; n < NumCeldas; ++n) {
        const std::string digito(1, Solucion[static_cast<std::size_t>(n)]);
        if (n % 2 == 0) {
            EXPECT_EQ(t[n].Caption, digito) << n;
            EXPECT_EQ(t[n].Color_, Naranja) << n;
            EXPECT_FALSE(t[n].Enabled) << n;
        } else {
            EXPECT_EQ(t[n].Caption, n % 7 == 1 ? digito : "") << n;
            EXPECT_EQ(t[n].Color_, Blanco) << n;
            EXPECT_TRUE(t[n].Enabled) << n;
        }
    }
}

TEST(SdkAplica, SinFijos) {
    Tablero t = Preparado();
    EXPECT_FALSE(AplicaTablero(LeeLineaTablero(JuegoAMano()[0]), t));
    EXPECT_EQ(t[1].Caption, std::string(1, Solucion[1]));
    EXPECT_EQ(t[1].Color_, Blanco);
}

TEST(SdkAplica, EspacioConRNoFijaNada) {
    std::string linea = LineaVacia();
    linea[1] = 'R';
    Tablero t = Preparado();
    EXPECT_FALSE(AplicaTablero(LeeLineaTablero(linea), t));
    EXPECT_EQ(t[0].Caption, "");
    EXPECT_EQ(t[0].Color_, Blanco);
    EXPECT_TRUE(t[0].Enabled);
}

TEST(SdkAplica, UnEspacioNoTocaLaCelda) {
    Tablero t = Preparado();
    t[5].Caption = "9";
    t[5].Color_ = Verde;
    AplicaTablero(LeeLineaTablero(LineaVacia()), t);
    EXPECT_EQ(t[5].Caption, "9");
    EXPECT_EQ(t[5].Color_, Verde);
}

TEST(SdkAplica, LineaCortaVaciaElResto) {
    Tablero t = Preparado();
    t[2].Caption = "9";
    t[2].Color_ = Verde;
    EXPECT_TRUE(AplicaTablero(LeeLineaTablero("5R3"), t));
    EXPECT_EQ(t[0].Caption, "5");
    EXPECT_EQ(t[0].Color_, Naranja);
    EXPECT_EQ(t[1].Caption, "3");  // its mark is missing: not fixed
    EXPECT_EQ(t[1].Color_, Blanco);
    EXPECT_TRUE(t[1].Enabled);
    EXPECT_EQ(t[2].Caption, "");   // past the end: caption "" and white
    EXPECT_EQ(t[2].Color_, Blanco);
}

TEST(SdkAplica, CualquierMarcaNoRDaCeldaLibre) {
    std::string linea = LineaVacia();
    linea.replace(0, 8, "1B2r3X4 ");
    Tablero t = Preparado();
    EXPECT_FALSE(AplicaTablero(LeeLineaTablero(linea), t));
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(t[c].Caption, std::string(1, static_cast<char>('1' + c)));
        EXPECT_EQ(t[c].Color_, Blanco);
        EXPECT_TRUE(t[c].Enabled);
    }
}

// ---- Move lines ---------------------------------------------------------------

struct CasoMovimiento {
    std::string linea;
    std::string item;  // "" when the line is skipped
};

class SdkMovimiento : public testing::TestWithParam<CasoMovimiento> {};

TEST_P(SdkMovimiento, Item) {
    EXPECT_EQ(ItemMovimiento(GetParam().linea), GetParam().item);
    const Lineas items = LeeMovimientos({"board", GetParam().linea});
    if (GetParam().item.empty()) {
        EXPECT_TRUE(items.empty());
    } else {
        EXPECT_EQ(items, Lineas{GetParam().item});
    }
}

INSTANTIATE_TEST_SUITE_P(Lineas, SdkMovimiento, testing::Values(
    CasoMovimiento{"P3_4--7", "P3_4--7"},
    CasoMovimiento{"P3_4--B", "P3_4--B"},
    CasoMovimiento{"P3_4--7 y algo mas", "P3_4--7"},  // extra characters dropped
    CasoMovimiento{"P3_4##7", "P3_4--7"},             // 5 and 6 never compared
    CasoMovimiento{"P3_4--", "P3_4--"},               // no 7th character: shorter item
    CasoMovimiento{"P3_4-", "P3_4--"},
    CasoMovimiento{"P3", "P3--"},
    CasoMovimiento{"P", "P--"},
    CasoMovimiento{"Pxyz--Q", "Pxyz--Q"},             // nothing else is checked
    CasoMovimiento{"p3_4--7", ""},
    CasoMovimiento{" P3_4--7", ""},
    CasoMovimiento{"", ""},
    CasoMovimiento{"3_4--7", ""},
    CasoMovimiento{"Partida guardada", "Part--a"}));

TEST(SdkMovimientos, LaPrimeraLineaNuncaEsMovimiento) {
    EXPECT_TRUE(LeeMovimientos({"P1_1--5"}).empty());
    EXPECT_TRUE(LeeMovimientos({}).empty());
}

TEST(SdkMovimientos, OrdenDelFicheroYLineasAjenasFuera) {
    const Lineas lineas{JuegoCreado()[0], "P1_1--B", "", "hola", "P1_1--5extra", " ", "P9_9--9", ""};
    EXPECT_EQ(LeeMovimientos(lineas), (Lineas{"P1_1--B", "P1_1--5", "P9_9--9"}));
}

// ---- Integers of the clock ------------------------------------------------------

struct CasoEntero {
    std::string texto;
    bool valido;
    int valor;
};

class SdkEntero : public testing::TestWithParam<CasoEntero> {};

TEST_P(SdkEntero, ComoStrToInt) {
    int v = 12345;
    EXPECT_EQ(ConvierteEntero(GetParam().texto, v), GetParam().valido) << "'" << GetParam().texto << "'";
    if (GetParam().valido) {
        EXPECT_EQ(v, GetParam().valor);
    }
}

INSTANTIATE_TEST_SUITE_P(Textos, SdkEntero, testing::Values(
    CasoEntero{"0", true, 0},
    CasoEntero{"00", true, 0},
    CasoEntero{"05", true, 5},
    CasoEntero{"12", true, 12},
    CasoEntero{"59", true, 59},
    CasoEntero{" 5", true, 5},          // leading spaces are allowed
    CasoEntero{"   7", true, 7},
    CasoEntero{"+5", true, 5},
    CasoEntero{"-5", true, -5},
    CasoEntero{"$A", true, 10},         // hexadecimal
    CasoEntero{"$a", true, 10},
    CasoEntero{"$FF", true, 255},
    CasoEntero{"0x1F", true, 31},
    CasoEntero{"0X1f", true, 31},
    CasoEntero{"-$10", true, -16},
    CasoEntero{"+0x10", true, 16},
    CasoEntero{"000000000012", true, 12},
    CasoEntero{"2147483647", true, INT_MAX},
    CasoEntero{"-2147483648", true, INT_MIN},
    CasoEntero{"$7FFFFFFF", true, INT_MAX},
    CasoEntero{"$FFFFFFFF", true, -1},  // 32 bits, wrapping
    CasoEntero{"$000000001", true, 1},
    CasoEntero{"", false, 0},
    CasoEntero{" ", false, 0},
    CasoEntero{"  ", false, 0},
    CasoEntero{"-", false, 0},
    CasoEntero{"+", false, 0},
    CasoEntero{"$", false, 0},
    CasoEntero{"0x", false, 0},
    CasoEntero{"-$", false, 0},
    CasoEntero{"5 ", false, 0},         // no trailing blanks
    CasoEntero{"1 2", false, 0},
    CasoEntero{"1a", false, 0},
    CasoEntero{"a1", false, 0},
    CasoEntero{"--5", false, 0},
    CasoEntero{"+-5", false, 0},
    CasoEntero{"- 5", false, 0},
    CasoEntero{"$G", false, 0},
    CasoEntero{"$-1", false, 0},
    CasoEntero{"0x-1", false, 0},
    CasoEntero{"x5", false, 0},
    CasoEntero{"\t5", false, 0},        // only spaces lead
    CasoEntero{"1.5", false, 0},
    CasoEntero{"1e3", false, 0},
    CasoEntero{"2147483648", false, 0},
    CasoEntero{"-2147483649", false, 0},
    CasoEntero{"99999999999999999999", false, 0},
    CasoEntero{"$100000000", false, 0},
    CasoEntero{"\xEF\xBC\x95", false, 0},  // a full-width digit
    CasoEntero{std::string("5\0", 2), false, 0}));

TEST(SdkEntero, Mensaje) {
    EXPECT_EQ(MensajeEnteroInvalido("ab"), "'ab' is not a valid integer value");
    EXPECT_EQ(MensajeEnteroInvalido(""), "'' is not a valid integer value");
}

// ---- The whole check before a load ----------------------------------------------

std::string ConReloj(std::string linea, const std::string& reloj) {
    linea.replace(162, 6, reloj);
    return linea;
}

TEST(SdkLeePartida, PartidaCorrecta) {
    const Lineas lineas = JuegoCreado();
    const Lectura r = LeePartida(EscribeRtf(lineas));
    ASSERT_TRUE(r.Correcta) << r.Error;
    EXPECT_EQ(r.Error, "");
    EXPECT_EQ(r.Juego.Horas, 0);
    EXPECT_EQ(r.Juego.Minutos, 12);
    EXPECT_EQ(r.Juego.Segundos, 5);
    EXPECT_EQ(r.Juego.EPartida, Solucion);
    EXPECT_EQ(r.Juego.ENivel_Juego, "3");
    EXPECT_EQ(r.Juego.LBPanel, Lineas(lineas.begin() + 1, lineas.end()));
    EXPECT_EQ(r.Lineas, lineas);
}

struct CasoReloj {
    const char* nombre;
    std::string bytes;
    bool correcta;
    std::string error;
    int horas, minutos, segundos;
};

void PrintTo(const CasoReloj& c, std::ostream* os) { *os << c.nombre; }

class SdkLeePartidaReloj : public testing::TestWithParam<CasoReloj> {};

TEST_P(SdkLeePartidaReloj, PrimerCampoQueFalla) {
    const CasoReloj& c = GetParam();
    const Lectura r = LeePartida(c.bytes);
    EXPECT_EQ(r.Correcta, c.correcta);
    EXPECT_EQ(r.Error, c.error);
    if (c.correcta) {
        EXPECT_EQ(r.Juego.Horas, c.horas);
        EXPECT_EQ(r.Juego.Minutos, c.minutos);
        EXPECT_EQ(r.Juego.Segundos, c.segundos);
    }
}

const std::string Creada = JuegoCreado()[0];
const std::string Invalido = "' is not a valid integer value";

INSTANTIATE_TEST_SUITE_P(Casos, SdkLeePartidaReloj, testing::Values(
    CasoReloj{"horas", EscribeRtf({ConReloj(Creada, "xx1205")}), false, "'xx" + Invalido, 0, 0, 0},
    CasoReloj{"minutos", EscribeRtf({ConReloj(Creada, "001x05")}), false, "'1x" + Invalido, 0, 0, 0},
    CasoReloj{"segundos", EscribeRtf({ConReloj(Creada, "0012  ")}), false, "'  " + Invalido, 0, 0, 0},
    CasoReloj{"la_primera_que_falla", EscribeRtf({ConReloj(Creada, "00ab-x")}), false, "'ab" + Invalido, 0, 0, 0},
    CasoReloj{"espacio_delante", EscribeRtf({ConReloj(Creada, " 1 2 3")}), true, "", 1, 2, 3},
    CasoReloj{"signo_y_hex", EscribeRtf({ConReloj(Creada, "-1+2$A")}), true, "", -1, 2, 10},
    CasoReloj{"linea_de_164", EscribeRtf({Creada.substr(0, 164)}), false, "'" + Invalido, 0, 0, 0},
    // One digit of the seconds is still an integer.
    CasoReloj{"linea_de_167", EscribeRtf({Creada.substr(0, 167)}), true, "", 0, 12, 0},
    CasoReloj{"linea_de_168", EscribeRtf({Creada.substr(0, 168)}), true, "", 0, 12, 5},
    CasoReloj{"linea_vacia", EscribeRtf({""}), false, "'" + Invalido, 0, 0, 0},
    CasoReloj{"fichero_vacio", "", false, "'" + Invalido, 0, 0, 0},
    CasoReloj{"rtf_sin_texto", "{\\rtf1\\ansi{\\fonttbl{\\f0 Courier New;}}}", false, "'" + Invalido, 0, 0, 0},
    CasoReloj{"linea_ajena", "Esto no es una partida\r\n", false, "'" + Invalido, 0, 0, 0},
    CasoReloj{"texto_plano", Creada + "\r\n", true, "", 0, 12, 5},
    CasoReloj{"movimiento_como_primera_linea", "P1_1--5\r\n" + Creada + "\r\n", false, "'" + Invalido, 0, 0, 0}));

TEST(SdkLeePartida, SinColaDejaSolucionYNivelVacios) {
    const Lectura r = LeePartida(EscribeRtf(JuegoAMano()));
    ASSERT_TRUE(r.Correcta);
    EXPECT_EQ(r.Juego.EPartida, "");
    EXPECT_EQ(r.Juego.ENivel_Juego, "");
    EXPECT_EQ(r.Juego.Horas, 1);
}

TEST(SdkLeePartida, LineaFinalVaciaNoAnadeNada) {
    Lineas lineas = JuegoCreado();
    const Lectura sin = LeePartida(EscribeRtf(lineas));
    lineas.push_back("");
    const Lectura con = LeePartida(EscribeRtf(lineas));
    EXPECT_EQ(con.Juego.LBPanel, sin.Juego.LBPanel);
    EXPECT_EQ(con.Juego.LBPanel.size(), 6u);
}

// ---- Writing --------------------------------------------------------------------

struct CasoParEscrito {
    CeldaGuardada celda;
    std::string par;
};

class SdkParEscrito : public testing::TestWithParam<CasoParEscrito> {};

TEST_P(SdkParEscrito, Par) { EXPECT_EQ(ParDe(GetParam().celda), GetParam().par); }

INSTANTIATE_TEST_SUITE_P(Celdas, SdkParEscrito, testing::Values(
    CasoParEscrito{{"", false}, " B"},
    CasoParEscrito{{"", true}, " B"},   // an empty cell is never fixed
    CasoParEscrito{{"5", true}, "5R"},
    CasoParEscrito{{"5", false}, "5B"},
    CasoParEscrito{{"56", true}, "5R"}));

struct CasoCampo {
    std::string texto, escrito;
};

class SdkCampoReloj : public testing::TestWithParam<CasoCampo> {};

TEST_P(SdkCampoReloj, DosCaracteres) { EXPECT_EQ(CampoReloj(GetParam().texto), GetParam().escrito); }

INSTANTIATE_TEST_SUITE_P(Textos, SdkCampoReloj, testing::Values(
    CasoCampo{"00", "00"}, CasoCampo{"12", "12"}, CasoCampo{"5", "05"}, CasoCampo{"", "00"},
    CasoCampo{"100", "99"}, CasoCampo{"12345", "99"}, CasoCampo{"ab", "ab"}, CasoCampo{"abc", "ab"}));

TEST(SdkEscritura, TableroVacio) {
    const std::string linea = LineaTablero(Preparado(), "00", "00", "00");
    EXPECT_EQ(linea, LineaVacia());
    EXPECT_EQ(linea.size(), LargoLinea);
}

TEST(SdkEscritura, SoloNaranjaEsFijo) {
    Tablero t = Preparado();
    const Color colores[] = {Blanco, Verde, Granate, Aguamarina, Naranja};
    for (int c = 0; c < 5; ++c) {
        t[c].Caption = std::string(1, static_cast<char>('1' + c));
        t[c].Color_ = colores[c];
    }
    t[5].Color_ = Naranja;  // orange but empty
    const std::string linea = LineaTablero(t, "01", "02", "03");
    EXPECT_EQ(linea.substr(0, 12), "1B2B3B4B5R B");
    EXPECT_EQ(linea.substr(162), "010203");
}

TEST(SdkEscritura, CienHorasNoMuevenLasPosiciones) {
    const std::string linea = LineaTablero(Preparado(), "100", "5", "7");
    EXPECT_EQ(linea.size(), LargoLinea);
    EXPECT_EQ(linea.substr(162), "990507");
}

struct CasoCola {
    std::string solucion;
    int nivel;
    std::string cola;
};

class SdkCola : public testing::TestWithParam<CasoCola> {};

TEST_P(SdkCola, SoloConSolucion) { EXPECT_EQ(Cola(GetParam().solucion, GetParam().nivel), GetParam().cola); }

INSTANTIATE_TEST_SUITE_P(Soluciones, SdkCola, testing::Values(
    CasoCola{"", 3, ""},
    CasoCola{"   ", 3, ""},
    CasoCola{"\t\r\n ", 2, ""},
    CasoCola{Solucion, 3, "-----" + Solucion + "3"},
    CasoCola{Solucion, 5, "-----" + Solucion + "5"},
    CasoCola{" 12 ", 1, "----- 12 1"}));   // written unchanged, not trimmed

TEST(SdkEscritura, LineasPartida) {
    EXPECT_EQ(LineasPartida(LineaVacia(), "", 3, {}), Lineas{LineaVacia()});
    const Lineas creada = JuegoCreado();
    const Lineas moves(creada.begin() + 1, creada.end());
    const Lineas lineas = LineasPartida(creada[0].substr(0, 168), Solucion, 3, moves);
    EXPECT_EQ(lineas, creada);
    EXPECT_EQ(lineas[0].size(), LargoLineaCola);
}

// ---- Game -> bytes -> game --------------------------------------------------------

TEST(SdkIdaVuelta, PartidaGuardadaYCargada) {
    Tablero t = Preparado();
    for (int c = 0; c < NumCeldas; ++c) {
        const std::string d(1, Solucion[static_cast<std::size_t>(c)]);
        switch (c % 6) {
        case 0: t[c].Caption = d; t[c].Color_ = Naranja; t[c].Enabled = false; break;
        case 1: t[c].Caption = d; t[c].Color_ = Blanco; break;
        case 2: t[c].Caption = d; t[c].Color_ = Verde; break;
        case 3: t[c].Caption = d; t[c].Color_ = Aguamarina; break;
        case 4: t[c].Caption = ""; t[c].Color_ = Granate; break;
        default: break;  // empty and white
        }
    }
    const Lineas moves{"P1_2--B", "P1_2--3", "P9_9--B"};
    const std::string bytes =
        EscribePartida(LineasPartida(LineaTablero(t, "00", "12", "05"), Solucion, 4, moves));

    const Lectura r = LeePartida(bytes);
    ASSERT_TRUE(r.Correcta) << r.Error;
    Tablero cargado = Preparado();
    EXPECT_TRUE(AplicaTablero(r.Juego, cargado));
    for (int c = 0; c < NumCeldas; ++c) {
        EXPECT_EQ(cargado[c].Caption, t[c].Caption) << c;
        const bool fijo = c % 6 == 0;
        EXPECT_EQ(cargado[c].Color_, fijo ? Naranja : Blanco) << c;  // green, aqua, maroon come back white
        EXPECT_EQ(cargado[c].Enabled, !fijo) << c;
    }
    EXPECT_EQ(r.Juego.Horas, 0);
    EXPECT_EQ(r.Juego.Minutos, 12);
    EXPECT_EQ(r.Juego.Segundos, 5);
    EXPECT_EQ(r.Juego.EPartida, Solucion);
    EXPECT_EQ(r.Juego.ENivel_Juego, "4");
    EXPECT_EQ(r.Juego.LBPanel, moves);
}

TEST(SdkIdaVuelta, LineasRtfLineas) {
    for (const Lineas& l : {JuegoCreado(), JuegoAMano(), Lineas{LineaVacia()}}) {
        EXPECT_EQ(LeeLineas(EscribePartida(l)), l);
    }
}

TEST(SdkIdaVuelta, TextoPlanoIgualQueRtf) {
    for (const Lineas& l : {JuegoCreado(), JuegoAMano()}) {
        std::string crlf, lf;
        for (const std::string& s : l) {
            crlf += s + "\r\n";
            lf += s + "\n";
        }
        EXPECT_EQ(LeeLineas(crlf), l);
        EXPECT_EQ(LeeLineas(lf), l);
    }
}

}  // namespace
}  // namespace novenario::sdk::prueba
