// Saved files on disk: the golden copies of what the game writes, compared
// byte for byte, and files from other writers and plain-text editors that
// must load the same game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/colores.h"
#include "juegos.h"
#include "sdk/formato.h"
#include "sdk/rtf.h"

namespace novenario::sdk::prueba {
namespace {

using Lineas = std::vector<std::string>;

// The bytes a rich-text control writes for these lines, from the rules: the
// header with its Courier New font table, one paragraph per line.
std::string Esperado(const Lineas& lineas) {
    std::string r =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082"
        "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}\r\n"
        "\\viewkind4\\uc1\\pard\\f0\\fs16 ";
    for (const std::string& l : lineas) r += l + "\\par\r\n";
    return r + "}\r\n";
}

TEST(SdkGolden, TableroVacioSinSolucion) {
    Tablero t;
    const std::string bytes = EscribePartida(LineasPartida(LineaTablero(t, "00", "00", "00"), "", 3, {}));
    const std::string linea = LineaVacia();
    ASSERT_EQ(linea.size(), 168u);
    EXPECT_EQ(bytes, Esperado({linea}));
    EXPECT_EQ(bytes, LeeBytes(RutaSdk("vacia.sdk")));
}

TEST(SdkGolden, PartidaCreadaConSolucionYMovimientos) {
    // The board of JuegoCreado, as the window holds it.
    Tablero t;
    for (int n = 0; n < NumCeldas; ++n) {
        const std::string d(1, Solucion[static_cast<std::size_t>(n)]);
        if (n % 2 == 0) {
            t[n].Caption = d;
            t[n].Color_ = Naranja;
            t[n].Enabled = false;
        } else if (n % 7 == 1) {
            t[n].Caption = d;
            t[n].Color_ = n == 1 ? Verde : Blanco;  // the selected cell is saved as any other
        }
    }
    const Lineas creada = JuegoCreado();
    const Lineas moves(creada.begin() + 1, creada.end());
    const std::string bytes = EscribePartida(LineasPartida(LineaTablero(t, "00", "12", "05"), Solucion, 3, moves));
    ASSERT_EQ(creada[0].size(), 255u);
    EXPECT_EQ(creada[0].substr(162, 11), "001205-----");
    EXPECT_EQ(bytes, Esperado(creada));
    EXPECT_EQ(bytes, LeeBytes(RutaSdk("creada.sdk")));
}

// Every sample file and the lines it holds.
struct CasoFichero {
    const char* fichero;
    bool rtf;
    Lineas lineas;
};

void PrintTo(const CasoFichero& c, std::ostream* os) { *os << c.fichero; }

Lineas Mas(Lineas l, const Lineas& otras) {
    l.insert(l.end(), otras.begin(), otras.end());
    return l;
}

class SdkFicheros : public testing::TestWithParam<CasoFichero> {};

TEST_P(SdkFicheros, Lineas) {
    const CasoFichero& c = GetParam();
    const std::string bytes = LeeBytes(RutaSdk(c.fichero));
    ASSERT_FALSE(bytes.empty()) << RutaSdk(c.fichero);
    EXPECT_EQ(EsRtf(bytes), c.rtf);
    EXPECT_EQ(LeeLineas(bytes), c.lineas);
}

INSTANTIATE_TEST_SUITE_P(Muestras, SdkFicheros, testing::Values(
    CasoFichero{"vacia.sdk", true, {LineaVacia()}},
    CasoFichero{"creada.sdk", true, JuegoCreado()},
    // WordPad: an extra empty paragraph at the end, a NUL after the brace.
    CasoFichero{"wordpad.sdk", true, Mas(JuegoAMano(), {""})},
    // Word: the board line wrapped in the source and spread over groups, and
    // two lines of comment with escaped characters.
    CasoFichero{"word.sdk", true,
                Mas(JuegoCreado(), {"Guardada el 5 de marzo del a\xF1o 2024",
                                    "Jugador: Mu\xF1oz \x96 Nivel 3"})},
    CasoFichero{"lineas.sdk", true, JuegoCreado()},
    CasoFichero{"texto_crlf.sdk", false, JuegoCreado()},
    CasoFichero{"texto_lf.sdk", false, JuegoAMano()}));

// Whatever wrote it, a file loads the game of its lines.
struct CasoMismaPartida {
    const char* fichero;
    bool creada;  // JuegoCreado, else JuegoAMano
};

void PrintTo(const CasoMismaPartida& c, std::ostream* os) { *os << c.fichero; }

class SdkFicherosPartida : public testing::TestWithParam<CasoMismaPartida> {};

TEST_P(SdkFicherosPartida, MismaPartida) {
    const Lineas lineas = GetParam().creada ? JuegoCreado() : JuegoAMano();
    const Lectura esperada = LeePartida(EscribeRtf(lineas));
    ASSERT_TRUE(esperada.Correcta);
    const Lectura r = LeePartida(LeeBytes(RutaSdk(GetParam().fichero)));
    ASSERT_TRUE(r.Correcta) << r.Error;
    for (std::size_t n = 0; n < NumCeldas; ++n) {
        EXPECT_EQ(r.Juego.Pares[n].Valor, esperada.Juego.Pares[n].Valor) << n;
        EXPECT_EQ(r.Juego.Pares[n].Marca, esperada.Juego.Pares[n].Marca) << n;
    }
    EXPECT_EQ(r.Juego.Horas, GetParam().creada ? 0 : 1);
    EXPECT_EQ(r.Juego.Minutos, GetParam().creada ? 12 : 2);
    EXPECT_EQ(r.Juego.Segundos, GetParam().creada ? 5 : 3);
    EXPECT_EQ(r.Juego.EPartida, GetParam().creada ? Solucion : "");
    EXPECT_EQ(r.Juego.ENivel_Juego, GetParam().creada ? "3" : "");
    EXPECT_EQ(r.Juego.LBPanel, Lineas(lineas.begin() + 1, lineas.end()));
}

INSTANTIATE_TEST_SUITE_P(Muestras, SdkFicherosPartida, testing::Values(
    CasoMismaPartida{"creada.sdk", true},
    CasoMismaPartida{"word.sdk", true},
    CasoMismaPartida{"lineas.sdk", true},
    CasoMismaPartida{"texto_crlf.sdk", true},
    CasoMismaPartida{"wordpad.sdk", false},
    CasoMismaPartida{"texto_lf.sdk", false}));

}  // namespace
}  // namespace novenario::sdk::prueba
