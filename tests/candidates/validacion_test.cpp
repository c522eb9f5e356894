// Does the digit just written into the selected cell repeat in its block,
// row or column? The checks look at the live board, the digit already in
// the cell; the first group with a repeat stops the chain and names itself.
#include "board/entorno_falso.h"
#include "candidates/candidatos.h"

namespace novenario::prueba {
namespace {

// ---------------------------------------------------------------------------
// Each check on its own: P5_5 (row 5, column 5, block 5) gets a 5 and one
// other 5 stands somewhere.

struct CasoGrupoSolo {
    const char* otro;  // where the other 5 stands
    bool bloque, fila, columna;
};

void PrintTo(const CasoGrupoSolo& c, std::ostream* os) { *os << c.otro; }

class CadaComprobacion : public Partida, public ::testing::WithParamInterface<CasoGrupoSolo> {};

TEST_P(CadaComprobacion, MiraSoloSuGrupo) {
    const auto& k = GetParam();
    CargarRejilla(f, Rejilla({{k.otro, '5'}}));
    f.Variables.Panel_Activo = "P5_5";
    f.Variables.Numero_Activo = "5";
    Modifica_Panel(f);
    Valida_Bloque(f);
    EXPECT_EQ(f.Variables.Hay_Error, k.bloque ? Bandera::S : Bandera::N) << "Bloque";
    Valida_Horizontal(f);
    EXPECT_EQ(f.Variables.Hay_Error, k.fila ? Bandera::S : Bandera::N) << "Horizontal";
    Valida_Vertical(f);
    EXPECT_EQ(f.Variables.Hay_Error, k.columna ? Bandera::S : Bandera::N) << "Vertical";
}

INSTANTIATE_TEST_SUITE_P(
    OtroCinco, CadaComprobacion,
    ::testing::Values(CasoGrupoSolo{"P5_1", true, false, false},   // row 4, column 4
                      CasoGrupoSolo{"P5_9", true, false, false},   // row 6, column 6
                      CasoGrupoSolo{"P4_4", false, true, false},   // row 5, column 1
                      CasoGrupoSolo{"P6_6", false, true, false},   // row 5, column 9
                      CasoGrupoSolo{"P2_2", false, false, true},   // row 1, column 5
                      CasoGrupoSolo{"P8_8", false, false, true},   // row 9, column 5
                      CasoGrupoSolo{"P5_6", true, true, false},    // row 5, column 6
                      CasoGrupoSolo{"P5_8", true, false, true},    // row 6, column 5
                      CasoGrupoSolo{"P1_1", false, false, false},
                      CasoGrupoSolo{"P9_9", false, false, false},
                      CasoGrupoSolo{"P4_1", false, false, false}));

// ---------------------------------------------------------------------------
// The chain, as number entry runs it

struct CasoCadena {
    const char* que;
    std::string rejilla;  // P5_5 holds its old value here
    const char* digito;
    Bandera hay;
    const char* grupo;
};

void PrintTo(const CasoCadena& c, std::ostream* os) { *os << c.que; }

class Cadena : public Partida, public ::testing::WithParamInterface<CasoCadena> {};

TEST_P(Cadena, ElPrimerGrupoConRepeticionLaNombra) {
    const auto& k = GetParam();
    CargarRejilla(f, k.rejilla);
    const std::string antes = En(f, "P5_5").Caption;
    f.Variables.Panel_Activo = "P5_5";
    f.Variables.Numero_Activo = k.digito;
    Modifica_Panel(f);
    EXPECT_EQ(En(f, "P5_5").Caption, k.digito);
    EXPECT_EQ(f.Variables.Valor_Anterior, antes);
    Valida_Cadena(f, true);
    EXPECT_EQ(f.Variables.Hay_Error, k.hay);
    EXPECT_EQ(f.Variables.Grupo_Error, k.grupo);

    // Putting the old value back leaves the board as it was.
    f.Ventana.Shape1.Color_ = Verde;
    Limpia_Error(f);
    EXPECT_EQ(En(f, "P5_5").Caption, antes);
    EXPECT_EQ(f.Ventana.Shape1.Color_, Gris);
    EXPECT_EQ(LeerRejilla(f), k.rejilla);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Cadena,
    ::testing::Values(
        CasoCadena{"un 5 en la fila", Rejilla({{"P4_4", '5'}}), "5", Bandera::S, "Horizontal"},
        CasoCadena{"un 5 en el bloque sobre un 3", Rejilla({{"P5_1", '5'}, {"P5_5", '3'}}), "5", Bandera::S, "Bloque"},
        CasoCadena{"un 5 en la columna", Rejilla({{"P2_2", '5'}}), "5", Bandera::S, "Vertical"},
        CasoCadena{"fila antes que columna", Rejilla({{"P4_4", '5'}, {"P2_2", '5'}}), "5", Bandera::S, "Horizontal"},
        CasoCadena{"bloque antes que columna", Rejilla({{"P5_8", '5'}}), "5", Bandera::S, "Bloque"},
        CasoCadena{"bloque antes que fila", Rejilla({{"P5_6", '5'}}), "5", Bandera::S, "Bloque"},
        CasoCadena{"el mismo digito sobre si mismo", Rejilla({{"P5_5", '5'}}), "5", Bandera::N, "Vertical"},
        CasoCadena{"una repeticion previa en la fila", Rejilla({{"P4_4", '7'}, {"P6_6", '7'}}), "1", Bandera::S, "Horizontal"},
        CasoCadena{"una repeticion previa en la columna", Rejilla({{"P2_2", '2'}, {"P8_8", '2'}}), "1", Bandera::S, "Vertical"},
        CasoCadena{"una repeticion previa en el bloque", Rejilla({{"P5_1", '8'}, {"P5_9", '8'}}), "1", Bandera::S, "Bloque"},
        CasoCadena{"tablero vacio", std::string(81, '.'), "5", Bandera::N, "Vertical"},
        CasoCadena{"pares con otros digitos",
                   Rejilla({{"P4_4", '1'}, {"P4_5", '2'}, {"P6_6", '3'}, {"P2_2", '6'}, {"P8_8", '7'}, {"P5_1", '9'}}),
                   "5", Bandera::N, "Vertical"},
        CasoCadena{"un 5 que no es par", Rejilla({{"P1_1", '5'}, {"P9_9", '5'}}), "5", Bandera::N, "Vertical"}));

// The placeholders of empty cells are all different, and slots follow the
// group's order: a row left to right, a column top to bottom, a block by place.
TEST_F(Partida, CasillasEnOrdenConMarcadoresParaLasVacias) {
    CargarRejilla(f, Rejilla({{"P2_2", '3'}, {"P8_8", '7'}, {"P4_4", '2'}, {"P5_9", '6'}}));
    f.Variables.Panel_Activo = "P5_5";
    f.Variables.Numero_Activo = "1";
    Modifica_Panel(f);
    using Casillas = std::array<std::string, 9>;
    Valida_Vertical(f);
    EXPECT_EQ(f.Variables.Casillas_Grupo, (Casillas{"3", "B", "C", "D", "1", "F", "G", "H", "7"}));
    Valida_Horizontal(f);
    EXPECT_EQ(f.Variables.Casillas_Grupo, (Casillas{"2", "B", "C", "D", "1", "F", "G", "H", "I"}));
    Valida_Bloque(f);
    EXPECT_EQ(f.Variables.Casillas_Grupo, (Casillas{"A", "B", "C", "D", "1", "F", "G", "H", "6"}));
    EXPECT_EQ(f.Variables.Hay_Error, Bandera::N);
}

// Only the first character of a value counts, in the checks and in the
// remembered old value.
TEST_F(Partida, SoloCuentaElPrimerCaracter) {
    En(f, "P4_4").Caption = "57";
    En(f, "P5_5").Caption = "94";
    f.Variables.Panel_Activo = "P5_5";
    f.Variables.Numero_Activo = "5";
    Modifica_Panel(f);
    EXPECT_EQ(f.Variables.Valor_Anterior, "9");
    Valida_Cadena(f, true);
    EXPECT_EQ(f.Variables.Hay_Error, Bandera::S);
    EXPECT_EQ(f.Variables.Grupo_Error, "Horizontal");
}

// With no cell of that name nothing is written and no check finds a repeat,
// even on a board that holds one.
TEST_F(Partida, SinCeldaActivaNadaCambiaYNoHayError) {
    const std::string rejilla = Rejilla({{"P1_1", '5'}, {"P1_2", '5'}, {"P5_5", '3'}});
    for (const char* nombre : {"", "P0_0", "X"}) {
        CargarRejilla(f, rejilla);
        f.Variables.Panel_Activo = nombre;
        f.Variables.Numero_Activo = "5";
        f.Variables.Valor_Anterior = "8";
        Modifica_Panel(f);
        f.Variables.Hay_Error = Bandera::S;
        Valida_Bloque(f);
        EXPECT_EQ(f.Variables.Hay_Error, Bandera::N);
        f.Variables.Hay_Error = Bandera::S;
        Valida_Horizontal(f);
        EXPECT_EQ(f.Variables.Hay_Error, Bandera::N);
        f.Variables.Hay_Error = Bandera::S;
        Valida_Vertical(f);
        EXPECT_EQ(f.Variables.Hay_Error, Bandera::N);
        Limpia_Error(f);
        Limpia_Campo(f);
        EXPECT_EQ(LeerRejilla(f), rejilla) << '"' << nombre << '"';
    }
}

struct CasoLimpiaCampo {
    Bandera ayuda;
    bool botones_visibles;
};

class LimpiaCampo : public Partida, public ::testing::WithParamInterface<CasoLimpiaCampo> {};

// Emptying the cell shows the erase buttons, except with the help display on.
TEST_P(LimpiaCampo, VaciaLaCeldaYDecideLosBotonesDeBorrar) {
    En(f, "P1_1").Caption = "6";
    f.Variables.Ayuda_Activa = GetParam().ayuda;
    f.Ventana.BBorrar.Visible = f.Ventana.PTBorrar.Visible = !GetParam().botones_visibles;
    Limpia_Campo(f);
    EXPECT_EQ(En(f, "P1_1").Caption, "");
    EXPECT_EQ(f.Ventana.BBorrar.Visible, GetParam().botones_visibles);
    EXPECT_EQ(f.Ventana.PTBorrar.Visible, GetParam().botones_visibles);
    EXPECT_EQ(ent.Bombeos, 1);
}

INSTANTIATE_TEST_SUITE_P(Ayuda, LimpiaCampo,
                         ::testing::Values(CasoLimpiaCampo{Bandera::S, false},
                                           CasoLimpiaCampo{Bandera::N, true},
                                           CasoLimpiaCampo{Bandera::Nada, true}));

}  // namespace
}  // namespace novenario::prueba
