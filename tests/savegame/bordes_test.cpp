// The edges of saving and loading: a save that could not be loaded back is
// refused before anything is written; a failed save says why and what became
// of the old file; a name that is no plain file is said to be no saved game;
// a load keeps only what a game can hold, whatever else the file is made of.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "salvar_cargar.h"
#include "sdk/rtf.h"

namespace novenario::prueba {
namespace {

// A move list of n entries, every one a game's own.
std::vector<std::string> Movimientos(std::size_t n) {
    std::vector<std::string> m(n);
    for (std::size_t i = 0; i < n; ++i) m[i] = i % 2 ? "P1_1--5" : "P1_1--B";
    return m;
}

// ---- saving ---------------------------------------------------------------

struct CasoFallo {
    const char* que;
    bool habia;            // an earlier save under the name
    const char* detalle;
};
void PrintTo(const CasoFallo& c, std::ostream* os) { *os << c.que; }

class SalvarFalla : public SalvarCargar, public testing::WithParamInterface<CasoFallo> {};

TEST_P(SalvarFalla, DicePorQueYQueFueDelFicheroViejo) {
    const CasoFallo& caso = GetParam();
    PartidaEmpezada();
    if (caso.habia) ent.Ficheros[Fichero] = "partida de ayer";
    ent.SinPermiso.push_back(Carpeta);
    const Foto antes(f);
    ent.EligeSalvar.push_back(Fichero);
    BSalvar2Click(f);
    ASSERT_EQ(ent.Mensajes.size(), 1u);
    EXPECT_EQ(ent.Mensajes[0].first, "Error al Salvar el Fichero");
    EXPECT_EQ(ent.Mensajes[0].second, "Novenario  Error");
    EXPECT_EQ(ent.Detalles[0], caso.detalle);
    EXPECT_EQ(ent.Ficheros.count(Fichero), caso.habia ? 1u : 0u);
    if (caso.habia) {
        EXPECT_EQ(ent.Ficheros[Fichero], "partida de ayer");
    }
    EXPECT_EQ(Foto(f), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, SalvarFalla,
    testing::Values(CasoFallo{"sobre uno viejo", true, "No hay permiso para escribir ahí. El fichero que había sigue como estaba."},
                    CasoFallo{"con nombre nuevo", false, "No hay permiso para escribir ahí. No se ha escrito nada."}),
    [](const testing::TestParamInfo<CasoFallo>& i) { return i.param.habia ? std::string("Viejo") : std::string("Nuevo"); });

// A move list longer than a load takes is refused before the dialog: the
// player is not asked for a name in vain, and nothing is written. The
// longest list a load takes is saved, and loads back whole.
TEST_F(SalvarCargar, UnaPartidaQueNoSePodriaCargarNoSeSalva) {
    PartidaEmpezada();
    f.Variables.LBPanel = Movimientos(sdk::MaximoMovimientos + 1);
    f.Variables.Posicion_Lista = static_cast<int>(sdk::MaximoMovimientos);
    const Foto antes(f);
    ent.EligeSalvar.push_back(Fichero);
    BSalvar2Click(f);
    EXPECT_TRUE(ent.DialogosSalvar.empty());
    EXPECT_EQ(ent.Escrituras, 0);
    ASSERT_EQ(ent.Mensajes.size(), 1u);
    EXPECT_EQ(ent.Mensajes[0].first, "Error al Salvar el Fichero");
    EXPECT_EQ(ent.Detalles[0],
              "La lista de jugadas tiene 1.000.001 entradas, más de las 1.000.000 que se pueden cargar. No se ha "
              "escrito nada.");
    EXPECT_EQ(Foto(f), antes);

    ent.EligeSalvar.clear();
    f.Variables.LBPanel.pop_back();
    const std::vector<std::string> todas = f.Variables.LBPanel;
    Salvar();
    ASSERT_EQ(ent.Escrituras, 1);
    EXPECT_LE(ent.Ficheros[Fichero].size(), sdk::MaximoFichero);
    BNuevaPartida2Click(f);
    Cargar();
    EXPECT_EQ(ent.Mensajes.size(), 1u);
    EXPECT_EQ(f.Variables.LBPanel, todas);
}

TEST(SdkCabe, LoQueUnaCargaAceptaSeSalva) {
    EXPECT_EQ(sdk::NoSePodriaCargar(sdk::MaximoMovimientos, sdk::MaximoFichero), "");
    EXPECT_EQ(sdk::NoSePodriaCargar(0, sdk::MaximoFichero + 1),
              "El fichero ocuparía 17 MB, más de los 16 MB que se pueden cargar.");
}

// ---- loading ----------------------------------------------------------------

// A pipe or a device chosen in the open dialog, or named from outside the
// window: said to be no saved game, never opened, and the game goes on.
TEST_F(SalvarCargar, LoQueNoEsUnFicheroNormalNoEsUnaPartida) {
    const std::string tubo = Carpeta + "/tubo.sdk";
    ent.NoFicheros.push_back(tubo);
    PartidaEmpezada();
    f.Ventana.PMensaje.Caption = "Número 5 aceptado";
    const Foto antes(f);
    const std::string mensaje =
        "El fichero \"" + tubo + "\" no es una partida de Novenario (no es un fichero normal); no se ha leído";
    Cargar(tubo);
    Abrir_Partida(f, tubo);
    ASSERT_EQ(ent.Mensajes.size(), 2u);
    EXPECT_EQ(ent.Mensajes[0].first, mensaje);
    EXPECT_EQ(ent.Mensajes[1].first, mensaje);
    EXPECT_EQ(Foto(f), antes);
}

// What a load keeps of the lines it reads: line 1 and the move lines; empty
// and foreign lines are dropped as they are read. A move list over its bound
// stops the load with a message and keeps nothing.
TEST(SdkLoQueGuarda, SoloLaLineaDelTableroYLosMovimientos) {
    const std::string tablero = sdk::prueba::LineaVacia();
    struct Caso {
        const char* que;
        std::string bytes;
        bool correcta;
        std::size_t lineas;  // what the reading keeps
    };
    const std::string vacias(std::size_t{1} << 20, '\n');
    std::string pes, rtf = std::string(sdk::CabeceraRtf) + tablero + "\\par\r\n";
    for (std::size_t i = 0; i <= sdk::MaximoMovimientos; ++i) {
        pes += "P\n";
        rtf += "P\\par\r\n";
    }
    const std::vector<Caso> casos{
        {"un millón de líneas vacías", tablero + "\n" + vacias, true, 1},
        {"líneas ajenas entre las jugadas", tablero + "\nx\nP1_1--B\n\n#\nP1_1--5\n", true, 3},
        {"en rtf", sdk::EscribeRtf({tablero, "", "x", "P1_1--B", ""}), true, 2},
        {"el máximo de jugadas", tablero + "\n" + pes.substr(2), true, sdk::MaximoMovimientos + 1},
        {"una jugada de más", tablero + "\n" + pes, false, 0},
        {"una jugada de más en rtf", rtf + "}", false, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        const sdk::Lectura r = sdk::LeePartida(c.bytes);
        EXPECT_EQ(r.Correcta, c.correcta) << r.Error;
        EXPECT_EQ(r.Lineas.size(), c.lineas);
        if (r.Correcta) {
            EXPECT_EQ(r.Lineas[0], tablero);
            EXPECT_EQ(r.Juego.LBPanel.size(), c.lineas - 1);
        } else {
            EXPECT_EQ(r.Error, "La lista de jugadas del fichero tiene más de 1.000.000 entradas, más de las que puede "
                               "hacer una partida: no es una partida de Novenario; no se ha cargado");
            EXPECT_TRUE(r.Juego.LBPanel.empty());
        }
    }
}

// The lines handed over one at a time stop when the receptor says so.
TEST(SdkRecorreLineas, ParaCuandoElReceptorNoQuiereMas) {
    for (const std::string& bytes : {std::string("a\nb\nc\n"), sdk::EscribeRtf({"a", "b", "c"})}) {
        std::vector<std::string> vistas;
        sdk::RecorreLineas(bytes, [&](std::string& l) {
            vistas.push_back(l);
            return vistas.size() < 2;
        });
        EXPECT_EQ(vistas, (std::vector<std::string>{"a", "b"}));
    }
}

}  // namespace
}  // namespace novenario::prueba
