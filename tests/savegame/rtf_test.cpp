// The RTF container of a saved game: the bytes we write, and the plain text
// we read from our own files, from other writers and from plain-text files.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sdk/rtf.h"

namespace novenario::sdk::prueba {
namespace {

using Lineas = std::vector<std::string>;

// The header of every file the game writes, spelled out once here so that a
// change to it is a visible decision (the golden files depend on it).
const std::string Cabecera =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082"
    "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}\r\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs16 ";

// ---- Writing --------------------------------------------------------------

TEST(SdkRtfEscritura, CabeceraEstable) {
    EXPECT_EQ(std::string(CabeceraRtf), Cabecera);
}

TEST(SdkRtfEscritura, SinLineasSoloCabeceraYCierre) {
    EXPECT_EQ(EscribeRtf({}), Cabecera + "}\r\n");
}

TEST(SdkRtfEscritura, UnParrafoPorLinea) {
    EXPECT_EQ(EscribeRtf({" B 3R", "P1_1--B", ""}),
              Cabecera + " B 3R\\par\r\nP1_1--B\\par\r\n\\par\r\n}\r\n");
}

struct CasoEscape {
    std::string linea;
    std::string escrito;
};

class SdkRtfEscape : public testing::TestWithParam<CasoEscape> {};

TEST_P(SdkRtfEscape, SeEscapaYVuelve) {
    const CasoEscape& c = GetParam();
    EXPECT_EQ(EscribeRtf({c.linea}), Cabecera + c.escrito + "\\par\r\n}\r\n");
    EXPECT_EQ(LeeLineas(EscribeRtf({c.linea})), Lineas{c.linea});
}

INSTANTIATE_TEST_SUITE_P(Caracteres, SdkRtfEscape, testing::Values(
    CasoEscape{"\\", "\\\\"},
    CasoEscape{"{", "\\{"},
    CasoEscape{"}", "\\}"},
    CasoEscape{"a\\par", "a\\\\par"},          // not a paragraph mark
    CasoEscape{"\xF1", "\\'f1"},
    CasoEscape{"\xFF\x80", "\\'ff\\'80"},
    CasoEscape{"\r", "\\'0d"},                  // a raw break would not be text
    CasoEscape{"\n", "\\'0a"},
    CasoEscape{"\t", "\\'09"},
    CasoEscape{std::string(1, '\0'), "\\'00"},
    CasoEscape{"\x7F", "\\'7f"},
    CasoEscape{"~ -_'*", "~ -_'*"},              // printable: as it is
    CasoEscape{"  ", "  "}));

// ---- Round trips ------------------------------------------------------------

class SdkRtfIdaVuelta : public testing::TestWithParam<Lineas> {};

TEST_P(SdkRtfIdaVuelta, LasMismasLineas) {
    EXPECT_EQ(LeeLineas(EscribeRtf(GetParam())), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Casos, SdkRtfIdaVuelta, testing::Values(
    Lineas{},
    Lineas{""},
    Lineas{"", ""},
    Lineas{" B"},                    // a space right after the header's delimiter
    Lineas{"  B"},
    Lineas{"a", "", "b"},
    Lineas{"a", ""},                 // an empty last line survives
    Lineas{"{\\rtf1 x}"},            // a line that looks like RTF
    Lineas{"\\'41\\u65?"},
    Lineas{"P1_1--B", "P1_1--5"}));

// A small deterministic generator, the same on every platform.
std::uint64_t Siguiente(std::uint64_t& s) {
    s += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = s;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

TEST(SdkRtfIdaVuelta, CualquierByteEnCualquierLinea) {
    std::uint64_t s = 20240305;
    for (int caso = 0; caso < 500; ++caso) {
        Lineas lineas(Siguiente(s) % 6);
        for (std::string& l : lineas) {
            l.resize(Siguiente(s) % 40);
            for (char& c : l) c = static_cast<char>(Siguiente(s) & 0xFF);
        }
        ASSERT_EQ(LeeLineas(EscribeRtf(lineas)), lineas) << "case " << caso;
    }
}

TEST(SdkRtfIdaVuelta, TodosLosBytesEnUnaLinea) {
    std::string l;
    for (int b = 0; b < 256; ++b) l += static_cast<char>(b);
    EXPECT_EQ(LeeLineas(EscribeRtf({l, l})), (Lineas{l, l}));
}

// ---- Reading RTF --------------------------------------------------------------

struct CasoLectura {
    const char* nombre;
    std::string rtf;
    Lineas lineas;
};

void PrintTo(const CasoLectura& c, std::ostream* os) { *os << c.nombre; }

class SdkRtfLectura : public testing::TestWithParam<CasoLectura> {};

TEST_P(SdkRtfLectura, TextoPlano) {
    const CasoLectura& c = GetParam();
    ASSERT_TRUE(EsRtf(c.rtf));
    EXPECT_EQ(LeeLineas(c.rtf), c.lineas);
}

std::string Repite(const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
}

INSTANTIATE_TEST_SUITE_P(Casos, SdkRtfLectura, testing::Values(
    CasoLectura{"minimo", "{\\rtf1 abc}", {"abc"}},
    // The delimiter of a control word is one space; a second one is text.
    CasoLectura{"espacio_tras_palabra", "{\\rtf1\\fs20  B 3R}", {" B 3R"}},
    CasoLectura{"solo_delimitador", "{\\rtf1\\fs20 5R}", {"5R"}},
    CasoLectura{"salto_como_delimitador", "{\\rtf1\\fs20\r\n B}", {" B"}},
    CasoLectura{"simbolo_como_delimitador", "{\\rtf1\\b0\\'41}", {"A"}},
    CasoLectura{"parametro_negativo", "{\\rtf1\\li-360 x}", {"x"}},
    CasoLectura{"guion_no_es_parametro", "{\\rtf1\\b- x}", {"- x"}},
    CasoLectura{"parametro_enorme", "{\\rtf1\\fs99999999999999999999 x}", {"x"}},
    CasoLectura{"palabra_larguisima", "{\\rtf1\\" + std::string(1000, 'a') + " x}", {"x"}},
    CasoLectura{"par", "{\\rtf1 a\\par b\\par}", {"a", "b"}},
    CasoLectura{"par_sin_espacio", "{\\rtf1 a\\par\r\nb\\par\r\n}", {"a", "b"}},
    CasoLectura{"pard_no_es_par", "{\\rtf1 a\\pard b}", {"ab"}},
    CasoLectura{"line", "{\\rtf1 a\\line b\\line c}", {"a", "b", "c"}},
    CasoLectura{"sect_page_row", "{\\rtf1 a\\sect b\\page c\\row d}", {"a", "b", "c", "d"}},
    CasoLectura{"barra_y_salto_es_par", "{\\rtf1 a\\\r\nb\\\nc}", {"a", "b", "c"}},
    CasoLectura{"saltos_crudos_no_son_texto", "{\\rtf1 ab\r\ncd\ref\ngh}", {"abcdefgh"}},
    CasoLectura{"ultimo_trozo_sin_par", "{\\rtf1 a\\par b}", {"a", "b"}},
    CasoLectura{"parrafo_vacio_final", "{\\rtf1 a\\par\\par}", {"a", ""}},
    CasoLectura{"sin_texto", "{\\rtf1}", {}},
    CasoLectura{"escapes", "{\\rtf1 \\\\ \\{ \\}}", {"\\ { }"}},
    CasoLectura{"simbolos", "{\\rtf1 a\\~b\\-c\\_d\\|e\\:f}", {"a bc-def"}},
    CasoLectura{"tab", "{\\rtf1 a\\tab b}", {"a\tb"}},
    CasoLectura{"comillas_y_rayas", "{\\rtf1 \\lquote\\rquote\\ldblquote\\rdblquote\\endash\\emdash\\bullet}",
                {"\x91\x92\x93\x94\x96\x97\x95"}},
    CasoLectura{"hex", "{\\rtf1 \\'41\\'e9\\'4A\\'f1}", {"A\xE9J\xF1"}},
    CasoLectura{"hex_roto", "{\\rtf1 \\'4x}", {"4x"}},
    CasoLectura{"hex_al_final", "{\\rtf1 a\\'4", {"a4"}},
    CasoLectura{"unicode_latin", "{\\rtf1\\uc1\\u241?o}", {"\xF1o"}},
    CasoLectura{"unicode_ascii", "{\\rtf1\\u80?1_1}", {"P1_1"}},
    CasoLectura{"unicode_fuera_de_ansi", "{\\rtf1\\u8364X}", {"?"}},
    CasoLectura{"unicode_negativo", "{\\rtf1\\u-10X}", {"?"}},
    CasoLectura{"unicode_par_sustituto", "{\\rtf1\\u-10179?\\u-8694?z}", {"?z"}},
    CasoLectura{"unicode_sin_uc_salta_uno", "{\\rtf1\\u241 XY}", {"\xF1Y"}},
    CasoLectura{"uc2", "{\\rtf1\\uc2\\u241 XYz}", {"\xF1z"}},
    CasoLectura{"uc0", "{\\rtf1\\uc0\\u241 z}", {"\xF1z"}},
    CasoLectura{"respaldo_hex_cuenta_uno", "{\\rtf1\\u241\\'f1o}", {"\xF1o"}},
    CasoLectura{"respaldo_palabra_cuenta_uno", "{\\rtf1\\u241\\par x}", {"\xF1x"}},
    CasoLectura{"respaldo_acaba_en_llave", "{\\rtf1\\uc3{\\u241}ab}", {"\xF1" "ab"}},
    CasoLectura{"uc_vale_en_su_grupo", "{\\rtf1{\\uc2}\\u241 xy}", {"\xF1y"}},
    CasoLectura{"uc_enorme_no_cuelga", "{\\rtf1\\uc99999999999\\u241 abc}", {"\xF1"}},
    CasoLectura{"tabla_de_fuentes", "{\\rtf1{\\fonttbl{\\f0\\fmodern Courier New;}{\\f1 Arial;}}x}", {"x"}},
    CasoLectura{"tabla_de_fuentes_sin_grupos", "{\\rtf1{\\fonttbl\\f0 Courier New;}x}", {"x"}},
    CasoLectura{"colores", "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}x}", {"x"}},
    CasoLectura{"estilos", "{\\rtf1{\\stylesheet{\\s0 Normal;}{\\*\\cs10 Fuente;}}x}", {"x"}},
    CasoLectura{"info", "{\\rtf1{\\info{\\title Partida}{\\author Yo}{\\creatim\\yr2024}}x}", {"x"}},
    CasoLectura{"generador", "{\\rtf1{\\*\\generator Msftedit 5.41.21.2510;}x}", {"x"}},
    CasoLectura{"destino_desconocido", "{\\rtf1{\\*\\novenarioxyz texto\\par}x}", {"x"}},
    CasoLectura{"imagen", "{\\rtf1{\\pict\\wmetafile8 0a1b2c\\par 3d}x}", {"x"}},
    CasoLectura{"cabecera_y_pie", "{\\rtf1{\\header cabecera}{\\footerr pie}x}", {"x"}},
    CasoLectura{"nota", "{\\rtf1 x{\\footnote nota\\par}y}", {"xy"}},
    CasoLectura{"vinetas", "{\\rtf1{\\pntext\\f0 1.\\tab}{\\listtext 2.}x}", {"x"}},
    CasoLectura{"campo", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt P1_1--3}}}", {"P1_1--3"}},
    CasoLectura{"grupo_de_formato", "{\\rtf1 a{\\b b}{\\i\\f2 c}d}", {"abcd"}},
    CasoLectura{"palabra_desconocida", "{\\rtf1\\novenario12 x\\zz y}", {"xy"}},
    CasoLectura{"bin", "{\\rtf1\\bin3 {}\\x}", {"x"}},
    CasoLectura{"bin_dentro_de_imagen", "{\\rtf1{\\pict\\bin2 }}}x}", {"x"}},
    CasoLectura{"bin_mas_largo_que_el_fichero", "{\\rtf1 a\\bin999999 xyz", {"a"}},
    CasoLectura{"texto_tras_el_cierre", "{\\rtf1 a}b\\par c", {"a"}},
    CasoLectura{"nul_tras_el_cierre", std::string("{\\rtf1 a\\par\r\n}\r\n\0", 18), {"a"}},
    CasoLectura{"llaves_de_mas", "{\\rtf1 a}}}", {"a"}},
    CasoLectura{"truncado_en_texto", "{\\rtf1 a\\par b", {"a", "b"}},
    CasoLectura{"truncado_en_barra", "{\\rtf1 a\\", {"a"}},
    CasoLectura{"truncado_en_palabra", "{\\rtf1 a\\pa", {"a"}},
    CasoLectura{"truncado_en_grupo", "{\\rtf1 a{\\fonttbl{\\f0 Cour", {"a"}},
    CasoLectura{"solo_firma", "{\\rtf", {}},
    CasoLectura{"espacios_delante", "\r\n \t{\\rtf1 a}", {"a"}},
    CasoLectura{"marca_utf8_delante", "\xEF\xBB\xBF{\\rtf1 a}", {"a"}},
    CasoLectura{"anidado_dentro_del_limite", "{\\rtf1 " + Repite("{", 60) + "b" + Repite("}", 60) + "c}", {"bc"}},
    CasoLectura{"anidado_sin_limite", "{\\rtf1 a" + Repite("{", 100000) + "b" + Repite("}", 100000) + "c}", {"ac"}},
    CasoLectura{"solo_aperturas", "{\\rtf1 a" + Repite("{\\b", 200000), {"a"}}));

TEST(SdkRtfLectura, NoEsRtf) {
    EXPECT_FALSE(EsRtf(""));
    EXPECT_FALSE(EsRtf("{\\RTF1 a}"));
    EXPECT_FALSE(EsRtf("x{\\rtf1 a}"));
    EXPECT_FALSE(EsRtf("{rtf1}"));
    EXPECT_FALSE(EsRtf(" B 5R"));
    // Not RTF: the whole file is text, braces and all.
    EXPECT_EQ(LeeLineas("{\\RTF1 a}\r\nP1_1--5"), (Lineas{"{\\RTF1 a}", "P1_1--5"}));
}

// The text never grows faster than the input: every character of text and
// every line break costs at least one byte of the file (the last line may
// come without a break).
TEST(SdkRtfLectura, SalidaAcotadaPorLaEntrada) {
    const std::string casos[] = {
        "{\\rtf1 " + Repite("\\par", 10000) + "}",
        "{\\rtf1 " + Repite("\\u241?", 10000) + "}",
        "{\\rtf1 " + Repite("\\~", 10000) + "}",
        Repite("\n", 10000),
    };
    for (const std::string& c : casos) {
        const Lineas l = LeeLineas(c);
        std::size_t texto = 0;
        for (const std::string& s : l) texto += s.size();
        EXPECT_LE(texto + l.size(), c.size() + 1);
    }
}

// ---- Reading plain text -------------------------------------------------------

struct CasoTexto {
    const char* nombre;
    std::string bytes;
    Lineas lineas;
};

void PrintTo(const CasoTexto& c, std::ostream* os) { *os << c.nombre; }

class SdkTexto : public testing::TestWithParam<CasoTexto> {};

TEST_P(SdkTexto, Lineas) {
    const CasoTexto& c = GetParam();
    ASSERT_FALSE(EsRtf(c.bytes));
    EXPECT_EQ(LeeLineas(c.bytes), c.lineas);
    EXPECT_EQ(LeeTexto(c.bytes), c.lineas);
}

INSTANTIATE_TEST_SUITE_P(Casos, SdkTexto, testing::Values(
    CasoTexto{"vacio", "", {}},
    CasoTexto{"una_sin_fin", "a", {"a"}},
    CasoTexto{"una_con_crlf", "a\r\n", {"a"}},
    CasoTexto{"crlf", "a\r\nb\r\n", {"a", "b"}},
    CasoTexto{"ultima_sin_fin", "a\r\nb", {"a", "b"}},
    CasoTexto{"lf", "a\nb\n", {"a", "b"}},
    CasoTexto{"cr", "a\rb", {"a", "b"}},
    CasoTexto{"mezcla", "a\n\r\nb\rc", {"a", "", "b", "c"}},
    CasoTexto{"cr_y_crlf", "a\r\r\n", {"a", ""}},
    CasoTexto{"linea_vacia_final", "a\r\n\r\n", {"a", ""}},
    CasoTexto{"solo_salto", "\r\n", {""}},
    CasoTexto{"espacio_delante_se_conserva", " B 5R\r\n", {" B 5R"}},
    CasoTexto{"marca_utf8", "\xEF\xBB\xBF B\r\n", {" B"}},
    CasoTexto{"marca_utf8_solo_al_principio", "a\r\n\xEF\xBB\xBF", {"a", "\xEF\xBB\xBF"}},
    CasoTexto{"nul_es_texto", std::string("a\0b", 3), {std::string("a\0b", 3)}},
    CasoTexto{"barras_y_llaves", "\\par {x}", {"\\par {x}"}}));

}  // namespace
}  // namespace novenario::sdk::prueba
