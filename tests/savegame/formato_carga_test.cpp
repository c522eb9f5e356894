// The integer check of the clock fields and the whole check a load makes
// before it touches the game in progress.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "juegos.h"
#include "sdk/formato.h"
#include "sdk/rtf.h"

namespace novenario::sdk::prueba {
namespace {

using Lineas = std::vector<std::string>;

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

}  // namespace
}  // namespace novenario::sdk::prueba
