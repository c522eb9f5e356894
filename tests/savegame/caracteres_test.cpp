// Digits as the saved-game reader takes them, at the edges of each range and
// on bytes that a signed char makes negative.
#include <gtest/gtest.h>

#include <ostream>

#include "sdk/caracteres.h"

namespace novenario::sdk {
namespace {

struct CasoCaracter {
    char c;
    bool cifra;
    int hex;
};

void PrintTo(const CasoCaracter& k, std::ostream* os) { *os << static_cast<int>(static_cast<unsigned char>(k.c)); }

class Caracter : public ::testing::TestWithParam<CasoCaracter> {};

TEST_P(Caracter, CifraYValorHex) {
    EXPECT_EQ(EsCifra(GetParam().c), GetParam().cifra);
    EXPECT_EQ(ValorHex(GetParam().c), GetParam().hex);
}

INSTANTIATE_TEST_SUITE_P(
    Bordes, Caracter,
    ::testing::Values(CasoCaracter{'/', false, -1}, CasoCaracter{'0', true, 0}, CasoCaracter{'9', true, 9},
                      CasoCaracter{':', false, -1}, CasoCaracter{'@', false, -1}, CasoCaracter{'A', false, 10},
                      CasoCaracter{'F', false, 15}, CasoCaracter{'G', false, -1}, CasoCaracter{'`', false, -1},
                      CasoCaracter{'a', false, 10}, CasoCaracter{'f', false, 15}, CasoCaracter{'g', false, -1},
                      CasoCaracter{'\0', false, -1}, CasoCaracter{'\x80', false, -1},
                      CasoCaracter{'\xB9', false, -1}, CasoCaracter{'\xFF', false, -1}));

}  // namespace
}  // namespace novenario::sdk
