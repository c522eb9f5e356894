// "Nueva partida": the givens at every level, the stored solution, the random
// lists, the state the game is left in.
#include <gtest/gtest.h>

#include <set>

#include "board/entorno_falso.h"
#include "board/juego.h"
#include "entrada/entrada.h"

namespace novenario::prueba {
namespace {

// True when the 81 digits (name order) fill every group with 1..9 once.
bool EsSolucion(const std::string& por_nombre) {
    if (por_nombre.size() != 81) return false;
    for (TipoGrupo tipo : {TipoGrupo::Bloque, TipoGrupo::Horizontal, TipoGrupo::Vertical}) {
        for (int g = 1; g <= 9; ++g) {
            std::set<char> vistos;
            for (int c : tablero::Grupo(tipo, g)) {
                const char d = por_nombre[static_cast<std::size_t>(c)];
                if (d < '1' || d > '9') return false;
                vistos.insert(d);
            }
            if (vistos.size() != 9) return false;
        }
    }
    return true;
}

std::set<std::string> Distintos(const std::vector<std::string>& lista) {
    return {lista.begin(), lista.end()};
}

struct CasoNivel {
    int nivel;
    int vacios;
    int fijos;
};

class NuevaPartidaPorNivel : public Partida, public ::testing::WithParamInterface<CasoNivel> {};

TEST_P(NuevaPartidaPorNivel, DejaLasPistasDelNivelYUnaSolucionQueLasRespeta) {
    const CasoNivel caso = GetParam();
    // Several games from different moments of the random source.
    for (int tics : {0, 1, 57, 1000}) {
        for (int t = 0; t < tics * 4; ++t) f.Motor.Generador.Random(1);
        f.Variables.Nivel = caso.nivel;
        f.Variables.Paneles_Vacios = Vacios_De_Nivel(caso.nivel);
        ASSERT_EQ(f.Variables.Paneles_Vacios, caso.vacios);
        BNuevaPartida2Click(f);

        int fijos = 0;
        for (int c = 0; c < NumCeldas; ++c) {
            const Celda& celda = f.Paneles[c];
            if (celda.Color_ == Naranja) {
                ++fijos;
                EXPECT_FALSE(celda.Enabled);
                ASSERT_EQ(celda.Caption.size(), 1u);
                EXPECT_EQ(celda.Caption[0], f.Partida.EPartida[static_cast<std::size_t>(c)])
                    << tablero::Nombre(c) << " must agree with the stored solution";
            } else {
                EXPECT_TRUE(celda.Enabled);
                EXPECT_TRUE(celda.Caption.empty());
            }
        }
        EXPECT_EQ(fijos, caso.fijos);
        EXPECT_TRUE(EsSolucion(f.Partida.EPartida)) << f.Partida.EPartida;

        // The lists hold distinct values; the emptied cells are exactly the
        // ones the removal list names.
        EXPECT_EQ(Distintos(f.Motor.RBienNumeros).size(), 9u);
        EXPECT_EQ(Distintos(f.Motor.RBienPaneles).size(), 9u);
        EXPECT_EQ(Distintos(f.Motor.RBienPosicion).size(), 9u);
        ASSERT_EQ(f.Motor.RBorroPaneles.size(), static_cast<std::size_t>(caso.vacios));
        EXPECT_EQ(Distintos(f.Motor.RBorroPaneles).size(), static_cast<std::size_t>(caso.vacios));
        for (const std::string& linea : f.Motor.RBorroPaneles) {
            const int n = std::stoi(linea);
            ASSERT_GE(n, 1);
            ASSERT_LE(n, 81);
            EXPECT_NE(f.Paneles[n - 1].Color_, Naranja);
        }
        EXPECT_GE(f.Motor.Intentos_Partida, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Niveles, NuevaPartidaPorNivel,
                         ::testing::Values(CasoNivel{1, 21, 60}, CasoNivel{2, 31, 50}, CasoNivel{3, 41, 40},
                                           CasoNivel{4, 46, 35}, CasoNivel{5, 51, 30}));

TEST_F(Partida, NuevaPartidaDejaElRelojEnMarchaDesdeCeroYLaPrimeraCasillaLibreSeleccionada) {
    f.Variables.LBPanel = {"P1_1--B", "P1_1--5"};
    f.Ventana.PFichero.Caption = " /tmp/otra.sdk";
    f.Variables.Segundos = 33;
    f.Ventana.LPseg.Caption = "33";
    BNuevaPartida2Click(f);

    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::S);
    EXPECT_EQ(f.Ventana.LBReloj.Caption, "&Reloj Si");
    EXPECT_EQ(f.Variables.Segundos, 0);
    EXPECT_EQ(f.Ventana.LPHor.Caption + f.Ventana.LPMin.Caption + f.Ventana.LPseg.Caption, "000000");
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "Partida creada");
    EXPECT_EQ(f.Ventana.PFichero.Caption, "Fichero");
    EXPECT_TRUE(f.Variables.LBPanel.empty());
    EXPECT_FALSE(f.Ventana.BAtras.Enabled);
    EXPECT_FALSE(f.Ventana.BAdelante.Enabled);
    EXPECT_EQ(f.Motor.Limite_Pasos, f.Motor.Limite_Normal);
    EXPECT_EQ(f.Motor.Creando_Partida, Bandera::N);
    EXPECT_FALSE(f.Variables.Proceso_Largo);
    EXPECT_FALSE(f.Ventana.PNoVerProceso.Visible);
    EXPECT_TRUE(f.Ventana.PTeclasNum.Visible);
    EXPECT_FALSE(f.Ventana.PTeclasCarga.Visible);

    // The first cell in name order that is not a given is the selected one.
    int primera = 0;
    while (f.Paneles[primera].Color_ == Naranja) ++primera;
    EXPECT_EQ(f.Variables.Panel_Activo, tablero::Nombre(primera));
    EXPECT_EQ(f.Paneles[primera].Color_, Verde);

    // The commands that need a game are on; pause and cancel stay off.
    for (const Control* c : {&f.Ventana.BSolucion, &f.Ventana.LBSolucion, &f.Ventana.BDejarRojos, &f.Ventana.LBDejarRojos,
                             &f.Ventana.BVerPista, &f.Ventana.LBVerPista, &f.Ventana.BRellena, &f.Ventana.LBRellena})
        EXPECT_TRUE(c->Enabled);
    for (const Control* c : {&f.Ventana.BPausa, &f.Ventana.LBPausa, &f.Ventana.BPararProceso, &f.Ventana.LBPararProceso})
        EXPECT_FALSE(c->Enabled);
    // Generation shows no dialog of its own, whatever attempts failed.
    EXPECT_EQ(ent.Contar(FormaModal::Tipo::SinSolucion), 0);
    EXPECT_EQ(ent.Contar(FormaModal::Tipo::FinPartida), 0);
}

TEST_F(Partida, LaLamparaSeApagaConLaNuevaPartidaSoloSiNoHayAyudaNiPista) {
    struct Caso {
        bool ayuda, pista, lampara_despues;
    };
    for (const Caso caso : {Caso{false, false, false}, Caso{true, false, true}, Caso{false, true, true}}) {
        f.Variables.Ayuda_Activa = caso.ayuda ? Bandera::S : Bandera::N;
        f.Variables.Pista_Activa = caso.pista ? Bandera::S : Bandera::N;
        f.Ventana.Led1.Value = true;
        BNuevaPartida2Click(f);
        EXPECT_EQ(f.Ventana.Led1.Value, caso.lampara_despues);
        EXPECT_EQ(f.Ventana.Shape1.Visible, caso.pista) << "the hint bar follows the hint switch";
    }
}

TEST_F(Partida, ElMismoEstadoDelGeneradorDaLaMismaPartidaYOtroMomentoOtra) {
    auto partida = [this](std::uint32_t semilla) {
        f.Motor.Generador.PonerSemilla(semilla);
        BNuevaPartida2Click(f);
        std::string s;
        for (int c = 0; c < NumCeldas; ++c) s += f.Paneles[c].Caption.empty() ? "." : f.Paneles[c].Caption;
        return s + f.Partida.EPartida;
    };
    const std::string a = partida(12345), b = partida(12345), c = partida(12345 + 4);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

TEST_F(Partida, DuranteLaGeneracionNadaMasQueElCierreLlegaAlJuego) {
    // Clicks and keys that arrive through the pumps of the generation are
    // ignored: the board is being built under them.
    int intentos = 0;
    ent.CadaBombeo = [&] {
        if (f.Motor.Creando_Partida != Bandera::S) return;
        ++intentos;
        f.ClickCelda(80);
        f.ClickNumero(5);
        f.Tecla(VK_DOWN, "");
        f.Ejecutar(IdComando::BorraTodo, Origen::Etiqueta);
        EXPECT_FALSE(f.Acelerar('B'));
    };
    BNuevaPartida2Click(f);
    EXPECT_GT(intentos, 0);
    ent.CadaBombeo = nullptr;
    int fijos = 0;
    for (int c = 0; c < NumCeldas; ++c) fijos += f.Paneles[c].Color_ == Naranja ? 1 : 0;
    EXPECT_EQ(fijos, 40);
}

TEST_F(Partida, SolucionTrasUnaNuevaPartidaEscribeLaSolucionYMuestraElFin) {
    BNuevaPartida2Click(f);
    const std::string solucion = f.Partida.EPartida;
    f.ClickCelda(tablero::Indice(f.Variables.Panel_Activo));
    BSolucion2Click(f);
    for (int c = 0; c < NumCeldas; ++c)
        EXPECT_EQ(f.Paneles[c].Caption, solucion.substr(static_cast<std::size_t>(c), 1));
    int naranjas = 0;
    for (int c = 0; c < NumCeldas; ++c) naranjas += f.Paneles[c].Color_ == Naranja ? 1 : 0;
    EXPECT_EQ(naranjas, 40) << "the givens stay fixed";
    EXPECT_EQ(ent.Contar(FormaModal::Tipo::FinPartida), 1);
    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::N);
    EXPECT_EQ(f.Ventana.LBReloj.Caption, "&Reloj No");
    EXPECT_TRUE(f.Ventana.Led1.Value);
    EXPECT_TRUE(f.Variables.LBPanel.empty());
}

TEST_F(Partida, SolucionSinPartidaGuardadaSoloReiniciaRelojYSeleccion) {
    f.Paneles[10].Caption = "4";
    f.Variables.Segundos = 12;
    f.Variables.Reloj_Activo = Bandera::S;
    BSolucion2Click(f);
    EXPECT_EQ(f.Paneles[10].Caption, "4");
    EXPECT_EQ(ent.Contar(FormaModal::Tipo::FinPartida), 0);
    EXPECT_EQ(f.Variables.Segundos, 0);
    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::N);
}

}  // namespace
}  // namespace novenario::prueba
