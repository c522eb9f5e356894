// The move list and its two keys: stepping back and forward puts one cell at
// a time into the state an entry describes, through the same write-and-check
// path as an entry.
#include "board/entorno_falso.h"
#include "candidates/candidatos.h"
#include "entrada/entrada.h"

namespace novenario::prueba {
namespace {

using Tipo = FormaModal::Tipo;

class Historia : public Partida {
protected:
    void Entrar(const char* celda, int d) {
        Seleccionar(celda);
        BClick(f, d);
    }
};

// A 3 in P2_5 on a fresh board, then back and forward.
TEST_F(Historia, AtrasYAdelanteSobreUnaPareja) {
    Entrar("P2_5", 3);
    EXPECT_EQ(f.Variables.LBPanel, (std::vector<std::string>{"P2_5--B", "P2_5--3"}));
    EXPECT_EQ(f.Variables.Posicion_Lista, 1);
    EXPECT_TRUE(f.Ventana.BAtras.Enabled);
    EXPECT_FALSE(f.Ventana.BAdelante.Enabled);

    BAtrasClick(f);
    EXPECT_EQ(En(f, "P2_5").Caption, "");
    EXPECT_EQ(f.Variables.Posicion_Lista, 0);
    EXPECT_FALSE(f.Ventana.BAtras.Enabled);
    EXPECT_TRUE(f.Ventana.BAdelante.Enabled);
    EXPECT_EQ(f.Variables.Panel_Historia, "P2_5");
    EXPECT_EQ(f.Variables.Valor_Historia, "");
    EXPECT_EQ(f.Variables.Numero_Activo, "");

    BAdelanteClick(f);
    EXPECT_EQ(En(f, "P2_5").Caption, "3");
    EXPECT_EQ(f.Variables.Posicion_Lista, 1);
    EXPECT_TRUE(f.Ventana.BAtras.Enabled);
    EXPECT_FALSE(f.Ventana.BAdelante.Enabled) << "the last entry is reached";
    EXPECT_EQ(f.Variables.Valor_Historia, "3");
    EXPECT_EQ(f.Variables.LBPanel.size(), 2u) << "stepping never adds entries";
}

// Going all the way back and all the way forward passes through every state.
TEST_F(Historia, TodoAtrasYTodoAdelante) {
    Entrar("P1_1", 1);
    Entrar("P1_2", 2);
    BBorrarClick(f);  // P1_2 erased
    Entrar("P1_3", 3);
    // 0 P1_1--B, 1 P1_1--1, 2 P1_2--B, 3 P1_2--2, 4 P1_2--B, 5 P1_3--B, 6 P1_3--3
    ASSERT_EQ(f.Variables.LBPanel.size(), 7u);
    const std::vector<std::string> atras{
        /* 5 */ Rejilla({{"P1_1", '1'}}),
        /* 4 */ Rejilla({{"P1_1", '1'}}),
        /* 3 */ Rejilla({{"P1_1", '1'}, {"P1_2", '2'}}),
        /* 2 */ Rejilla({{"P1_1", '1'}}),
        /* 1 */ Rejilla({{"P1_1", '1'}}),
        /* 0 */ std::string(81, '.'),
    };
    for (std::size_t i = 0; i < atras.size(); ++i) {
        BAtrasClick(f);
        EXPECT_EQ(f.Variables.Posicion_Lista, 5 - static_cast<int>(i));
        EXPECT_EQ(LeerRejilla(f), atras[i]) << "position " << f.Variables.Posicion_Lista;
        EXPECT_EQ(f.Ventana.BAtras.Enabled, f.Variables.Posicion_Lista != 0);
        EXPECT_TRUE(f.Ventana.BAdelante.Enabled);
    }
    const std::vector<std::string> adelante{
        /* 1 */ Rejilla({{"P1_1", '1'}}),
        /* 2 */ Rejilla({{"P1_1", '1'}}),
        /* 3 */ Rejilla({{"P1_1", '1'}, {"P1_2", '2'}}),
        /* 4 */ Rejilla({{"P1_1", '1'}}),
        /* 5 */ Rejilla({{"P1_1", '1'}}),
        /* 6 */ Rejilla({{"P1_1", '1'}, {"P1_3", '3'}}),
    };
    for (std::size_t i = 0; i < adelante.size(); ++i) {
        BAdelanteClick(f);
        EXPECT_EQ(f.Variables.Posicion_Lista, 1 + static_cast<int>(i));
        EXPECT_EQ(LeerRejilla(f), adelante[i]) << "position " << f.Variables.Posicion_Lista;
        EXPECT_EQ(f.Ventana.BAdelante.Enabled, f.Variables.Posicion_Lista < 6);
        EXPECT_TRUE(f.Ventana.BAtras.Enabled);
    }
    EXPECT_TRUE(ent.Formas.empty());
}

// The first erase of a fresh board is entry 0; a back step from there
// applies entry 0 again.
TEST_F(Historia, AtrasDesdeLaPrimeraEntradaLaVuelveAAplicar) {
    BBorrarClick(f);
    ASSERT_EQ(f.Variables.LBPanel, std::vector<std::string>{"P1_1--B"});
    ASSERT_TRUE(f.Ventana.BAtras.Enabled);
    Seleccionar("P4_4");
    BAtrasClick(f);
    EXPECT_EQ(f.Variables.Posicion_Lista, 0);
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_1");
    EXPECT_EQ(En(f, "P1_1").Caption, "");
    EXPECT_FALSE(f.Ventana.BAtras.Enabled);
    EXPECT_TRUE(f.Ventana.BAdelante.Enabled);
}

// A replayed digit that repeats now (a peer got it without an entry, as the
// solver writes) is refused quietly: the cell stays empty.
TEST_F(Historia, UnDigitoQueYaNoCabeDejaLaCeldaVacia) {
    Entrar("P1_1", 3);
    BAtrasClick(f);  // P1_1 empty, position 0
    En(f, "P1_5").Caption = "3";
    Disponibles(f);
    BAdelanteClick(f);
    EXPECT_EQ(f.Variables.Posicion_Lista, 1);
    EXPECT_EQ(En(f, "P1_1").Caption, "");
    EXPECT_EQ(f.Variables.Hay_Error, Bandera::S);
    EXPECT_EQ(f.Variables.Valor_Anterior, "");
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "") << "no message";
    EXPECT_FALSE(f.Ventana.PError.Visible);
    EXPECT_EQ(f.Variables.LBPanel.size(), 2u);

    // The same going back: P1_1's 4 no longer fits once P1_2 holds a 4.
    Entrar("P1_1", 4);  // entries 2, 3
    Entrar("P9_9", 1);  // entries 4, 5
    En(f, "P1_2").Caption = "4";
    En(f, "P1_1").Caption = "";
    BAtrasClick(f);    // 4: P9_9 blank
    BAtrasClick(f);    // 3: P1_1--4
    EXPECT_EQ(f.Variables.Posicion_Lista, 3);
    EXPECT_EQ(En(f, "P1_1").Caption, "");
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "");
}

// A forward step that fills the last empty cell ends the game.
TEST_F(Historia, UnPasoAdelanteQueLlenaElTableroTerminaLaPartida) {
    CargarRejilla(f, SinCelda(RejillaResuelta(), 9, 9));
    Disponibles(f);
    Entrar("P9_9", RejillaResuelta()[80] - '0');
    ASSERT_EQ(ent.Contar(Tipo::FinPartida), 1);
    BAtrasClick(f);
    EXPECT_EQ(En(f, "P9_9").Caption, "");
    EXPECT_EQ(f.Variables.Partida_Terminada, Bandera::N);
    EXPECT_EQ(ent.Contar(Tipo::FinPartida), 1);

    BReloj2Click(f);
    BAdelanteClick(f);
    EXPECT_EQ(En(f, "P9_9").Caption, DigitoResuelto(9, 9));
    EXPECT_EQ(f.Variables.Partida_Terminada, Bandera::S);
    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::N);
    EXPECT_EQ(f.Ventana.LBReloj.Caption, "&Reloj No");
    EXPECT_EQ(ent.Contar(Tipo::FinPartida), 2);
    EXPECT_TRUE(ent.Formas.back().CerradaAlVolver);
}

// An entry that names no cell changes nothing on the board and starts no
// candidate pass.
TEST_F(Historia, UnaEntradaSinCeldaNoCambiaNada) {
    Entrar("P2_2", 7);
    f.Variables.LBPanel.push_back("P0_0--5");
    f.Variables.LBPanel.push_back("XXXXXXX");
    const std::string tablero = LeerRejilla(f);
    En(f, "P8_8").PSD = "marca";  // a pass would rewrite it
    std::vector<Color> colores;
    for (int c = 0; c < NumCeldas; ++c) colores.push_back(f.Paneles[c].Color_);

    BAdelanteClick(f);
    EXPECT_EQ(f.Variables.Posicion_Lista, 2);
    BAdelanteClick(f);
    EXPECT_EQ(f.Variables.Posicion_Lista, 3);
    EXPECT_EQ(LeerRejilla(f), tablero);
    EXPECT_EQ(En(f, "P8_8").PSD, "marca");
    for (int c = 0; c < NumCeldas; ++c) EXPECT_EQ(f.Paneles[c].Color_, colores[c]) << tablero::Nombre(c);
    EXPECT_FALSE(f.Ventana.BAdelante.Enabled);
    EXPECT_TRUE(ent.Formas.empty());
}

// The keys of the pad answer only while enabled.
TEST_F(Historia, LasTeclasDesactivadasNoResponden) {
    Entrar("P3_1", 5);
    f.Ventana.BAtras.Enabled = false;
    f.ClickAtras();
    EXPECT_EQ(f.Variables.Posicion_Lista, 1);
    f.ClickAdelante();
    EXPECT_EQ(f.Variables.Posicion_Lista, 1);
    f.Ventana.BAtras.Enabled = true;
    f.ClickAtras();
    EXPECT_EQ(f.Variables.Posicion_Lista, 0);
}

}  // namespace
}  // namespace novenario::prueba
