// The group check on its own: nine values in, nine slot texts out, and
// whether two of them are equal.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "board/grupo.h"

namespace novenario {
namespace {

using Nueve = std::array<std::string, 9>;

struct CasoGrupo {
    const char* nombre;
    Nueve valores;
    Nueve casillas;
    bool repite;
};

void PrintTo(const CasoGrupo& k, std::ostream* os) { *os << k.nombre; }

class GrupoTest : public ::testing::TestWithParam<CasoGrupo> {};

// Whatever the slots held before is replaced, empty values by their letters.
TEST_P(GrupoTest, CasillasYRepeticion) {
    const CasoGrupo& k = GetParam();
    Nueve casillas;
    casillas.fill("resto");
    EXPECT_EQ(Hay_Repeticion(k.valores, casillas), k.repite);
    EXPECT_EQ(casillas, k.casillas);
}

// The game fills its Casillas_Grupo with the values and checks them in place.
TEST_P(GrupoTest, EnElMismoSitio) {
    const CasoGrupo& k = GetParam();
    Nueve casillas = k.valores;
    EXPECT_EQ(Hay_Repeticion(casillas, casillas), k.repite);
    EXPECT_EQ(casillas, k.casillas);
}

INSTANTIATE_TEST_SUITE_P(
    Grupos, GrupoTest,
    ::testing::Values(
        CasoGrupo{"vacio", {}, {"A", "B", "C", "D", "E", "F", "G", "H", "I"}, false},
        CasoGrupo{"completo",
                  {"9", "8", "7", "6", "5", "4", "3", "2", "1"},
                  {"9", "8", "7", "6", "5", "4", "3", "2", "1"},
                  false},
        CasoGrupo{"dos_iguales_en_los_extremos",
                  {"4", "", "", "", "", "", "", "", "4"},
                  {"4", "B", "C", "D", "E", "F", "G", "H", "4"},
                  true},
        CasoGrupo{"dos_iguales_juntos",
                  {"", "", "", "", "7", "7", "", "", ""},
                  {"A", "B", "C", "D", "7", "7", "G", "H", "I"},
                  true},
        // A letter repeats the placeholder of another empty slot...
        CasoGrupo{"letra_de_otra_vacia",
                  {"", "C", "", "", "", "", "", "", ""},
                  {"A", "C", "C", "D", "E", "F", "G", "H", "I"},
                  true},
        CasoGrupo{"letra_de_la_ultima_vacia",
                  {"I", "", "", "", "", "", "", "", ""},
                  {"I", "B", "C", "D", "E", "F", "G", "H", "I"},
                  true},
        // ... but not its own slot's letter, nor the letter of a full slot.
        CasoGrupo{"letra_de_su_casilla",
                  {"", "B", "", "", "", "", "", "", ""},
                  {"A", "B", "C", "D", "E", "F", "G", "H", "I"},
                  false},
        CasoGrupo{"letra_de_una_casilla_llena",
                  {"C", "", "5", "", "", "", "", "", ""},
                  {"C", "B", "5", "D", "E", "F", "G", "H", "I"},
                  false},
        CasoGrupo{"minuscula", {"b", "", "", "", "", "", "", "", ""},
                  {"b", "B", "C", "D", "E", "F", "G", "H", "I"}, false},
        // Values are compared whole.
        CasoGrupo{"largo_y_corto",
                  {"55", "5", "", "", "", "", "", "", ""},
                  {"55", "5", "C", "D", "E", "F", "G", "H", "I"},
                  false},
        CasoGrupo{"dos_largos",
                  {"", "", "", "12", "", "", "12", "", ""},
                  {"A", "B", "C", "12", "E", "F", "12", "H", "I"},
                  true},
        CasoGrupo{"espacios",
                  {" ", "", "", "", "", "", "", "", " "},
                  {" ", "B", "C", "D", "E", "F", "G", "H", " "},
                  true}),
    [](const ::testing::TestParamInfo<CasoGrupo>& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace novenario
