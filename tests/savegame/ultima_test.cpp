// The last game: what the way out keeps (and what it does not), that it is
// the very file "Guardar partida" writes, and what the next start brings
// back, or ignores without a word.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "salvar_cargar.h"

namespace novenario::prueba {
namespace {

const std::string Ultima = "/home/jugador/.local/state/novenario/ultima.sdk";

class UltimaPartida : public SalvarCargar {
protected:
    void SetUp() override {
        SalvarCargar::SetUp();
        ent.Ultima = Ultima;
    }
    // The exit confirmation answered with "Aceptar".
    void Salir() {
        ent.Responder(FormaModal::Tipo::Cerrar, Respuesta::Aceptar);
        BSalir2Click(f);
    }
};

TEST(RutaUltima, SigueLaCarpetaDeEstadoDelEscritorio) {
    struct Caso {
        const char* xdg;
        const char* home;
        std::string ruta;
    };
    for (const Caso& c : std::vector<Caso>{
             {"/tmp/estado", "/home/ana", "/tmp/estado/novenario/ultima.sdk"},
             {"/tmp/estado/", "/home/ana", "/tmp/estado/novenario/ultima.sdk"},
             {nullptr, "/home/ana", "/home/ana/.local/state/novenario/ultima.sdk"},
             {"", "/home/ana/", "/home/ana/.local/state/novenario/ultima.sdk"},
             {"relativa/estado", "/home/ana", "/home/ana/.local/state/novenario/ultima.sdk"},
             {nullptr, nullptr, ""},
             {"", "", ""},
             {nullptr, "sin/barra", ""},
         })
        EXPECT_EQ(Ruta_Ultima(c.xdg, c.home), c.ruta) << (c.xdg ? c.xdg : "(unset)") << " " << (c.home ? c.home : "(unset)");
}

TEST_F(UltimaPartida, LaSalidaGuardaLosMismosBytesQueGuardarPartidaYTerminaConCodigo1) {
    PartidaEmpezada();
    Salvar();
    Salir();
    ASSERT_EQ(ent.Terminaciones, std::vector<int>{1});
    ASSERT_EQ(ent.Ficheros.count(Ultima), 1u);
    EXPECT_EQ(ent.Ficheros[Ultima], ent.Ficheros[Fichero]);
    EXPECT_EQ(ent.CarpetasUltima, 1);
    EXPECT_TRUE(ent.Mensajes.empty());
}

TEST_F(UltimaPartida, CancelarLaSalidaNoGuardaNada) {
    PartidaEmpezada();
    ent.Responder(FormaModal::Tipo::Cerrar, Respuesta::Cancelar);
    BSalir2Click(f);
    EXPECT_TRUE(ent.Terminaciones.empty());
    EXPECT_EQ(ent.Ficheros.count(Ultima), 0u);
}

// Which boards are kept: some cell filled but not all of them.
TEST_F(UltimaPartida, SoloSeGuardaUnaPartidaNiVaciaNiTerminada) {
    const std::string llena = RejillaResuelta();
    struct Caso {
        std::string nombre, rejilla;
        bool fijas, guardada;
    };
    for (const Caso& c : std::vector<Caso>{
             {"vacía", std::string(81, '.'), false, false},
             {"terminada", llena, false, false},
             {"terminada con fijas", llena, true, false},
             {"una celda", Rejilla({{"P5_5", '7'}}), false, true},
             {"sólo las fijas", SinCelda(SinCelda(llena, 1, 1), 9, 9), true, true},
             {"falta una", SinCelda(llena, 4, 6), false, true},
         }) {
        // A kept game from before, to see it replaced or removed.
        ent.Ficheros[Ultima] = sdk::EscribePartida({sdk::prueba::LineaVacia().replace(0, 2, "5B")});
        CargarRejilla(f, c.rejilla);
        if (c.fijas) FijarRejilla(f, c.rejilla);
        Guarda_Ultima(f);
        const std::vector<std::string> lineas = Lineas_Ultima(f);
        EXPECT_EQ(Merece_Guardarse(lineas.front()), c.guardada) << c.nombre;
        if (c.guardada) {
            ASSERT_EQ(ent.Ficheros.count(Ultima), 1u) << c.nombre;
            EXPECT_EQ(ent.Ficheros[Ultima], sdk::EscribePartida(lineas)) << c.nombre;
        } else {
            EXPECT_EQ(ent.Ficheros.count(Ultima), 0u) << c.nombre << ": the older game was left to come back";
        }
        EXPECT_TRUE(ent.Mensajes.empty()) << c.nombre;
    }
}

TEST_F(UltimaPartida, UnFicheroAjenoNoSeBorraAunqueNoHayaNadaQueGuardar) {
    ent.Ficheros[Ultima] = "no es una partida";
    Guarda_Ultima(f);  // the empty board of the start
    EXPECT_EQ(ent.Ficheros[Ultima], "no es una partida");
}

TEST_F(UltimaPartida, UnFalloAlEscribirDejaLaCopiaAnteriorYNoDiceNada) {
    ent.Ficheros[Ultima] = "la copia anterior";
    ent.SinPermiso.push_back("/home/jugador/.local/state/novenario");
    PartidaEmpezada();
    Salir();
    EXPECT_EQ(ent.Ficheros[Ultima], "la copia anterior");
    EXPECT_TRUE(ent.Mensajes.empty());
    EXPECT_EQ(ent.Terminaciones, std::vector<int>{1});
}

TEST_F(UltimaPartida, SinSitioDondeGuardarSeSaleIgual) {
    ent.Ultima.clear();
    PartidaEmpezada();
    Salir();
    EXPECT_EQ(ent.Terminaciones, std::vector<int>{1});
    EXPECT_TRUE(ent.Mensajes.empty());
}

// The window's end after a confirmed exit does not write a second time;
// any other end (a session closing) keeps the game as it is then.
TEST_F(UltimaPartida, AlTerminarSoloGuardaSiLaSalidaNoLoHizo) {
    PartidaEmpezada();
    Guarda_Ultima_Al_Terminar(f);
    const std::string primera = ent.Ficheros[Ultima];
    Reloj(1, 2, 3);
    Guarda_Ultima_Al_Terminar(f);
    EXPECT_NE(ent.Ficheros[Ultima], primera);
    Salir();
    const std::string salida = ent.Ficheros[Ultima];
    Reloj(2, 3, 4);
    Guarda_Ultima_Al_Terminar(f);
    EXPECT_EQ(ent.Ficheros[Ultima], salida);
}

// An exit confirmed while "Calcula" runs keeps the game as it was before
// the run, not the search's board, and stops the search.
TEST_F(UltimaPartida, LaSalidaDuranteCalculaGuardaLaPartidaDeAntesYLaDetiene) {
    PartidaEmpezada();
    const std::vector<std::string> antes = Lineas_Ultima(f);
    ent.Responder(FormaModal::Tipo::Cerrar, Respuesta::Aceptar);
    bool pedida = false;
    ent.CadaBombeo = [&] {
        if (!pedida && f.Variables.Proceso_Largo && f.Motor.Busqueda_En_Curso) {
            pedida = true;
            FormClose(f);
        }
    };
    BRellena2Click(f);
    ASSERT_TRUE(pedida);
    EXPECT_EQ(ent.Terminaciones, std::vector<int>{1});
    EXPECT_EQ(ent.Ficheros[Ultima], sdk::EscribePartida(antes));
    EXPECT_FALSE(f.Variables.Proceso_Largo);
}

// ---- the next start ---------------------------------------------------------

TEST_F(UltimaPartida, LaSiguienteArrancadaRecuperaTableroRelojNivelYMovimientos) {
    PartidaEmpezada();
    Salir();
    const Foto antes(f);
    ASSERT_EQ(ent.Ficheros.count(Ultima), 1u);

    EntornoFalso otro;
    otro.Ultima = Ultima;
    otro.Ficheros[Ultima] = ent.Ficheros[Ultima];
    TFormPrincipal g(otro);
    ASSERT_TRUE(g.FormCreate());
    ASSERT_TRUE(Recupera_Ultima(g));
    const Foto despues(g);
    EXPECT_EQ(despues.LBPanel, antes.LBPanel);
    EXPECT_EQ(despues.Posicion_Lista, static_cast<int>(antes.LBPanel.size()) - 1);
    EXPECT_EQ(despues.Reloj, "00:12:05");
    EXPECT_EQ(g.Variables.Minutos, 12);
    EXPECT_EQ(g.Variables.Segundos, 5);
    EXPECT_EQ(g.Variables.Reloj_Activo, Bandera::S);
    EXPECT_EQ(despues.EPartida, antes.EPartida);
    EXPECT_EQ(despues.Nivel, antes.Nivel);
    EXPECT_EQ(LeerRejilla(g), LeerRejilla(f));
    for (int c = 0; c < NumCeldas; ++c) EXPECT_EQ(g.Paneles[c].Enabled, f.Paneles[c].Enabled) << tablero::Nombre(c);
    EXPECT_EQ(g.Ventana.PFichero.Caption, " Partida anterior");
    EXPECT_EQ(g.Ventana.PMensaje.Caption, "Partida anterior recuperada");
    EXPECT_EQ(g.Ventana.PMensaje.FontColor, Negro);
    EXPECT_TRUE(SolucionActiva(g));
    EXPECT_TRUE(otro.Mensajes.empty());
    EXPECT_EQ(otro.Ficheros.count(Ultima), 1u);
}

// What is there and cannot be brought back is ignored without a word and
// left in place; the game of the start goes on untouched.
TEST_F(UltimaPartida, LoQueNoSePuedeRecuperarSeIgnoraYSeDeja) {
    const std::string llena = EnOrdenDeNombres(RejillaResuelta());
    std::string linea_llena;
    for (char c : llena) linea_llena += std::string(1, c) + "R";
    linea_llena += "000102";
    struct Caso {
        std::string nombre;
        bool existe;
        std::string bytes;
        bool ilegible;
    };
    for (const Caso& c : std::vector<Caso>{
             {"ninguno", false, "", false},
             {"dañado: el reloj no es un número", true, std::string(162, ' ') + "xx0000", false},
             {"ajeno", true, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), false},
             {"vacío", true, "", false},
             {"tablero vacío", true, sdk::EscribePartida({sdk::prueba::LineaVacia()}), false},
             {"partida terminada", true, sdk::EscribePartida({linea_llena}), false},
             {"ilegible", true, sdk::EscribePartida({sdk::prueba::LineaVacia().replace(0, 2, "5B")}), true},
             {"demasiado grande", true, std::string(sdk::MaximoFichero + 1, 'P'), false},
         }) {
        ent.Ficheros.clear();
        ent.Ilegibles.clear();
        if (c.existe) ent.Ficheros[Ultima] = c.bytes;
        if (c.ilegible) ent.Ilegibles.push_back(Ultima);
        const Foto antes(f);
        EXPECT_FALSE(Recupera_Ultima(f)) << c.nombre;
        EXPECT_EQ(Foto(f), antes) << c.nombre;
        EXPECT_TRUE(ent.Mensajes.empty()) << c.nombre;
        EXPECT_EQ(ent.Ficheros.count(Ultima), c.existe ? 1u : 0u) << c.nombre;
        if (c.existe) {
            EXPECT_EQ(ent.Ficheros[Ultima].size(), c.bytes.size()) << c.nombre;
        }
    }
}

}  // namespace
}  // namespace novenario::prueba
