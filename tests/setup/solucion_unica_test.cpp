// "Solución única": a new game whose givens leave a single solution, drawn
// from the same random cells as any other game, and the level dialog's box
// that asks for it.
#include <gtest/gtest.h>

#include <algorithm>

#include "board/entorno_falso.h"
#include "board/juego.h"
#include "exhaustiva/exhaustiva.h"

namespace novenario::prueba {
namespace {

// The board of the game in grid reading order, 0 for an empty cell.
novenario::Rejilla Tablero(const Juego& f) {
    novenario::Rejilla r{};
    const auto& orden = tablero::OrdenRejilla();
    for (std::size_t i = 0; i < 81; ++i) {
        const std::string& v = f.Paneles[orden[i]].Caption;
        r[i] = v.size() == 1 && v[0] >= '1' && v[0] <= '9' ? static_cast<std::uint8_t>(v[0] - '0') : 0;
    }
    return r;
}

int Fijos(const Juego& f) {
    int n = 0;
    for (int c = 0; c < NumCeldas; ++c) n += f.Paneles[c].Color_ == Naranja ? 1 : 0;
    return n;
}

class SolucionUnica : public Partida, public ::testing::WithParamInterface<int> {};

// Every level, many draws: one solution, the level's givens, the stored
// solution agreeing with them, and the usual message.
TEST_P(SolucionUnica, UnaSolucionYLasPistasDelNivel) {
    const int nivel = GetParam();
    f.Variables.Solucion_Unica = true;
    f.Variables.Nivel = nivel;
    f.Variables.Paneles_Vacios = Vacios_De_Nivel(nivel);
    for (int partida = 0; partida < 25; ++partida) {
        // Each game from another moment of the random source.
        f.Motor.Generador.Avanzar(static_cast<std::uint64_t>(partida) * 4 * 37);
        BNuevaPartida2Click(f);
        const novenario::Rejilla cifras = Tablero(f);
        novenario::Rejilla solucion{};
        ASSERT_EQ(ContarSoluciones(cifras, 2, &solucion), 1) << "nivel " << nivel << ", partida " << partida;
        EXPECT_EQ(Fijos(f), 81 - Vacios_De_Nivel(nivel)) << "nivel " << nivel << ", partida " << partida;
        EXPECT_EQ(f.Ventana.PMensaje.Caption, "Partida creada");
        const auto& orden = tablero::OrdenRejilla();
        for (std::size_t i = 0; i < 81; ++i)
            EXPECT_EQ(f.Partida.EPartida[static_cast<std::size_t>(orden[i])], static_cast<char>('0' + solucion[i]));
        ASSERT_EQ(f.Motor.RBorroPaneles.size(), static_cast<std::size_t>(Vacios_De_Nivel(nivel)));
    }
}

INSTANTIATE_TEST_SUITE_P(Niveles, SolucionUnica, ::testing::Values(1, 2, 3, 4, 5));

// The cells are drawn as without the box: the same solution, and the cells
// both games empty come first in the box's list, in the same order.
TEST_F(Partida, SolucionUnicaVaciaEnElOrdenDeSiempre) {
    for (std::uint32_t semilla : {0u, 4u, 4000u, 123456u}) {
        f.Variables.Nivel = 5;
        f.Variables.Paneles_Vacios = Vacios_De_Nivel(5);
        f.Variables.Solucion_Unica = false;
        f.Motor.Generador.PonerSemilla(semilla);
        BNuevaPartida2Click(f);
        const std::string solucion = f.Partida.EPartida;
        const std::vector<std::string> siempre = f.Motor.RBorroPaneles;

        f.Variables.Solucion_Unica = true;
        f.Motor.Generador.PonerSemilla(semilla);
        BNuevaPartida2Click(f);
        EXPECT_EQ(f.Partida.EPartida, solucion);
        const std::vector<std::string>& unica = f.Motor.RBorroPaneles;
        std::vector<std::string> comunes;
        for (const std::string& c : siempre)
            if (std::find(unica.begin(), unica.end(), c) != unica.end()) comunes.push_back(c);
        ASSERT_LE(comunes.size(), unica.size());
        EXPECT_TRUE(std::equal(comunes.begin(), comunes.end(), unica.begin())) << "semilla " << semilla;
    }
}

// More empty cells than any single-solution board allows: the game stops
// where no given can go, says how many it kept, and every given it kept is
// needed (taking any one away gives a second solution).
TEST_F(Partida, SinMasCasillasQueVaciarSeParaYLoDice) {
    f.Variables.Solucion_Unica = true;
    f.Variables.Paneles_Vacios = 70;
    BNuevaPartida2Click(f);
    const novenario::Rejilla cifras = Tablero(f);
    EXPECT_EQ(ContarSoluciones(cifras, 2), 1);
    const int fijos = Fijos(f);
    EXPECT_GT(fijos, 11);
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "Solución única: " + std::to_string(fijos) + " pistas de 81");
    EXPECT_EQ(f.Motor.RBorroPaneles.size(), static_cast<std::size_t>(81 - fijos));
    for (std::size_t i = 0; i < 81; ++i) {
        if (cifras[i] == 0) continue;
        novenario::Rejilla menos = cifras;
        menos[i] = 0;
        EXPECT_EQ(ContarSoluciones(menos, 2), 2) << "the given at " << i << " could have gone";
    }
    // The game is played as any other afterwards.
    EXPECT_EQ(f.Motor.Creando_Partida, Bandera::N);
    EXPECT_TRUE(f.Ventana.PTeclasNum.Visible);
}

// The level dialog carries the box; ticking it and accepting makes a
// single-solution game, cancelling puts the box back as it was, and the
// switch stays for the next games until it is changed.
TEST_F(Partida, LaCasillaDelDialogoDeNivel) {
    EXPECT_FALSE(f.Variables.Solucion_Unica) << "off when the program starts";
    std::string caption;
    bool marcada_al_abrir = true;
    ent.AlMostrar = [&](FormaModal& forma) {
        if (forma.tipo != FormaModal::Tipo::Nivel) return;
        caption = forma.Marca.Caption;
        marcada_al_abrir = forma.Marca.Marcada;
        forma.Marcar(true);
        forma.Pulsar(4);  // "M&Uy Difícil"
    };
    BNivel2Click(f);
    EXPECT_EQ(caption, "&Solución única");
    EXPECT_FALSE(marcada_al_abrir);
    EXPECT_TRUE(f.Variables.Solucion_Unica);
    EXPECT_EQ(Fijos(f), 30);
    EXPECT_EQ(ContarSoluciones(Tablero(f), 2), 1);

    // Shown ticked next time; untick and cancel: still on.
    ent.AlMostrar = [&](FormaModal& forma) {
        if (forma.tipo != FormaModal::Tipo::Nivel) return;
        marcada_al_abrir = forma.Marca.Marcada;
        forma.Marcar(false);
    };
    ent.Responder(FormaModal::Tipo::Nivel, Respuesta::Cancelar);
    BNivel2Click(f);
    EXPECT_TRUE(marcada_al_abrir);
    EXPECT_TRUE(f.Variables.Solucion_Unica);

    // Untick and accept: off.
    BNivel2Click(f);
    EXPECT_FALSE(f.Variables.Solucion_Unica);

    // The box never reaches a saved game: the same game saved with it on
    // and off gives the same bytes.
    f.Variables.Solucion_Unica = true;
    BNuevaPartida2Click(f);
    ent.EligeSalvar = {"/partidas/con.sdk", "/partidas/sin.sdk"};
    BSalvar2Click(f);
    f.Variables.Solucion_Unica = false;
    BSalvar2Click(f);
    ASSERT_EQ(ent.Ficheros.count("/partidas/con.sdk"), 1u);
    EXPECT_EQ(ent.Ficheros["/partidas/con.sdk"], ent.Ficheros["/partidas/sin.sdk"]);
}

}  // namespace
}  // namespace novenario::prueba
