// Running board-wide routines by name: the pending text, its trimming, the
// three command forms and their tables.
#include "board/juego.h"
#include "board/entorno_falso.h"
#include "candidates/candidatos.h"
#include "entrada/entrada.h"

namespace novenario::prueba {
namespace {

struct CasoTexto {
    const char* texto;
    bool corre;
};

void PrintTo(const CasoTexto& c, std::ostream* os) { *os << '"' << c.texto << '"'; }

class TextoDeOrden : public Partida, public ::testing::WithParamInterface<CasoTexto> {};

// The end-of-game test runs only for its exact name, blanks around it
// allowed; the pending text is left as the caller wrote it.
TEST_P(TextoDeOrden, SoloElNombreExactoEjecutaLaRutina) {
    f.Variables.Partida_Terminada = Bandera::Nada;
    Ejecuta_Trabajo(f, GetParam().texto);
    EXPECT_EQ(f.Variables.Partida_Terminada, GetParam().corre ? Bandera::N : Bandera::Nada);
    EXPECT_EQ(f.Variables.Orden_Trabajo, GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, TextoDeOrden,
    ::testing::Values(CasoTexto{"Fin Partida", true}, CasoTexto{"  Fin Partida", true},
                      CasoTexto{"Fin Partida   ", true}, CasoTexto{"   Fin Partida   ", true},
                      CasoTexto{"fin partida", false}, CasoTexto{"FIN PARTIDA", false},
                      CasoTexto{"Fin  Partida", false}, CasoTexto{"FinPartida", false},
                      CasoTexto{"Fin Partid", false}, CasoTexto{"Fin Partidas", false},
                      CasoTexto{"", false}, CasoTexto{"   ", false}));

// A board with traces a routine would wipe: a green cell, a maroon cell, an
// aqua cell and a stale candidate label.
void ConHuellas(TFormPrincipal& f) {
    En(f, "P2_2").Color_ = Granate;
    En(f, "P3_3").Color_ = Aguamarina;
    En(f, "P3_3").Caption = "4";
    En(f, "P7_1").PSD = "x";
}

void SinTocar(TFormPrincipal& f) {
    EXPECT_EQ(En(f, "P1_1").Color_, Verde);
    EXPECT_EQ(En(f, "P2_2").Color_, Granate);
    EXPECT_EQ(En(f, "P3_3").Color_, Aguamarina);
    EXPECT_EQ(En(f, "P3_3").Caption, "4");
    EXPECT_EQ(En(f, "P7_1").PSD, "x");
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_1");
}

// Each form knows only its own names.
TEST_F(Partida, CadaFormaSoloConoceSusNombres) {
    ConHuellas(f);
    {
        f.Variables.Orden_Trabajo = "Color Rojo";
        TFormCursores forma(f);
    }
    SinTocar(f);
    {
        f.Variables.Orden_Trabajo = "Color Rojo";
        TFormDisponibles forma(f);
    }
    SinTocar(f);
    {
        f.Variables.Orden_Trabajo = "Mira Disponibles";
        TFormTrabajo forma(f);
    }
    SinTocar(f);
    {
        f.Variables.Orden_Trabajo = "Mover Abajo";
        TFormTrabajo forma(f);
    }
    SinTocar(f);
    {
        f.Variables.Orden_Trabajo = "Mover Abajo";
        TFormDisponibles forma(f);
    }
    SinTocar(f);
    EXPECT_EQ(f.Variables.Orden_Trabajo, "Mover Abajo");
}

TEST_F(Partida, CadaFormaEjecutaSusNombres) {
    ConHuellas(f);
    {
        f.Variables.Orden_Trabajo = " Mira Disponibles ";
        TFormDisponibles forma(f);
    }
    EXPECT_EQ(En(f, "P7_1").PSD, "123456789");
    {
        f.Variables.Orden_Trabajo = "Mover Abajo";
        TFormCursores forma(f);
    }
    EXPECT_EQ(f.Variables.Panel_Activo, "P1_4");
    En(f, "P3_3").Color_ = Aguamarina;
    Ejecuta_Trabajo(f, "Color Rojo");
    EXPECT_EQ(En(f, "P3_3").Color_, Blanco);
    EXPECT_EQ(f.Variables.Orden_Trabajo, "Color Rojo");
}

TEST_F(Partida, DisponiblesDejaSuOrdenPendiente) {
    Disponibles(f);
    EXPECT_EQ(f.Variables.Orden_Trabajo, "Mira Disponibles");
    Seleccionar("P4_4");
    EXPECT_EQ(f.Variables.Orden_Trabajo, "Color Rojo") << "every selection runs the colour reset";
}

// The cursor form lets pending events run after its comparisons, even when
// nothing matched.
TEST_F(Partida, LaFormaDeCursoresBombeaAunqueNoHagaNada) {
    f.Variables.Orden_Trabajo = "Color Rojo";
    { TFormCursores forma(f); }
    EXPECT_EQ(ent.Bombeos, 1);
}

// Every work routine ends by letting pending events run once.
TEST_F(Partida, CadaRutinaDeTrabajoBombeaUnaVez) {
    for (const char* orden : {"Nueva Partida", "Bloquea Paneles", "Color Rojo", "Color Blanco",
                              "Libera Paneles", "Captura Fijos", "Marca Usuario", "Fin Partida"}) {
        ent.Bombeos = 0;
        Ejecuta_Trabajo(f, orden);
        EXPECT_EQ(ent.Bombeos, 1) << orden;
    }
}

// A routine that pumps may let another handler rewrite the pending text; the
// form reads it again before each later comparison.
TEST_F(Partida, ElTextoSeReleeAntesDeCadaComparacion) {
    f.Variables.Partida_Terminada = Bandera::Nada;
    ent.AlBombeo[1] = [&] { f.Variables.Orden_Trabajo = "Fin Partida"; };
    Ejecuta_Trabajo(f, "Color Rojo");  // "Fin Partida" comes later in the table
    EXPECT_EQ(f.Variables.Partida_Terminada, Bandera::N);
    EXPECT_EQ(f.Variables.Orden_Trabajo, "Fin Partida");
    EXPECT_EQ(ent.Bombeos, 2);
}

}  // namespace
}  // namespace novenario::prueba
