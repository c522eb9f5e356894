// "Calcula" through the main window, with a scripted message pump: cancel and
// pause from inside the run, the outcomes and their dialog, the state the run
// leaves, and the level dialog that starts new games.
#include <gtest/gtest.h>

#include "board/entorno_falso.h"
#include "board/juego.h"
#include "candidates/candidatos.h"
#include "entrada/entrada.h"

namespace novenario::prueba {
namespace {

// The board that runs out of steps long before it is solved.
const std::string kDificil =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";

class Calcula : public Partida {
protected:
    // The board as a loaded game leaves it: digits fixed, candidates computed.
    void Cargar(const std::string& rejilla) {
        BBorraTodoClick(f);
        FijarRejilla(f, rejilla);
        Disponibles(f);
        ent.Formas.clear();
    }
    int Llenas() {
        int n = 0;
        for (int c = 0; c < NumCeldas; ++c) n += f.Paneles[c].Caption.empty() ? 0 : 1;
        return n;
    }
};

TEST_F(Calcula, CancelarEnUnPasoTerminaComoExitoConElTableroAMedias) {
    // A cancel that arrives in the pump after step n leaves the board of a run
    // that was allowed n - 1 steps (it also takes n steps).
    for (long long n : {1LL, 40LL, 2500LL}) {
        Cargar(kDificil);
        f.Motor.Limite_Pasos = n - 1;
        BRellena2Click(f);
        const std::string esperado = LeerRejilla(f);

        Cargar(kDificil);
        f.Motor.Limite_Pasos = f.Motor.Limite_Normal;
        f.Motor.Pasos = 0;  // what the previous run left must not look like this run's step
        bool cancelado = false;
        ent.CadaBombeo = [&] {
            if (!cancelado && f.Motor.Pasos == n) {
                cancelado = true;
                f.Ejecutar(IdComando::PararProceso, Origen::Imagen);
            }
        };
        BRellena2Click(f);
        ent.CadaBombeo = nullptr;

        EXPECT_TRUE(cancelado);
        EXPECT_EQ(f.Motor.Pasos, n);
        EXPECT_EQ(f.Motor.Mensaje_Calculo, "Fin proceso");
        EXPECT_EQ(f.Motor.Fallo_Calculo, Bandera::N);
        EXPECT_EQ(ent.Contar(FormaModal::Tipo::SinSolucion), 0);
        EXPECT_EQ(ent.Contar(FormaModal::Tipo::FinPartida), 0) << "the board is not full";
        EXPECT_EQ(LeerRejilla(f), esperado) << "after " << n << " steps";
        EXPECT_TRUE(f.Variables.LBPanel.empty());
        EXPECT_FALSE(f.Ventana.BPararProceso.Enabled);
        EXPECT_FALSE(f.Variables.Proceso_Largo);
    }
}

TEST_F(Calcula, PausaDetieneLaBusquedaHastaQueSeCierra) {
    Cargar(kDificil);
    f.Motor.Limite_Pasos = 3000;
    long long pasos_al_pausar = -1;
    bool durante_la_pausa_igual = false;
    ent.AlMostrar = [&](FormaModal& forma) {
        if (forma.tipo == FormaModal::Tipo::Pausa) durante_la_pausa_igual = f.Motor.Pasos == pasos_al_pausar;
    };
    ent.CadaBombeo = [&] {
        if (pasos_al_pausar < 0 && f.Motor.Pasos == 100) {
            pasos_al_pausar = f.Motor.Pasos;
            EXPECT_TRUE(f.Ventana.BPausa.Enabled);
            f.Ejecutar(IdComando::Pausa, Origen::Etiqueta);
        }
    };
    BRellena2Click(f);
    ent.CadaBombeo = nullptr;
    EXPECT_EQ(ent.Contar(FormaModal::Tipo::Pausa), 1);
    EXPECT_TRUE(durante_la_pausa_igual);
    EXPECT_EQ(f.Motor.Pasos, 3001) << "after the pause the run goes on to its end";
    EXPECT_FALSE(f.Ventana.BPausa.Enabled);
}

TEST_F(Calcula, DuranteLaBusquedaLosClicsYTeclasNoTocanElTablero) {
    Cargar(kDificil);
    f.Motor.Limite_Pasos = 200;
    const std::string antes_de_nada = LeerRejilla(f);
    f.Motor.Limite_Pasos = 200;
    BRellena2Click(f);
    const std::string sin_molestias = LeerRejilla(f);

    Cargar(kDificil);
    f.Motor.Limite_Pasos = 200;
    ent.CadaBombeo = [&] {
        if (!f.Variables.Proceso_Largo) return;
        f.ClickCelda(80);
        f.ClickNumero(7);
        f.ClickBorrar();
        f.ClickAtras();
        f.Tecla(0, "3");
        f.Ejecutar(IdComando::BorraTodo, Origen::Etiqueta);
        f.Ejecutar(IdComando::DejarRojos, Origen::Imagen);
        f.Acelerar('N');
    };
    BRellena2Click(f);
    ent.CadaBombeo = nullptr;
    EXPECT_EQ(LeerRejilla(f), sin_molestias);
    EXPECT_NE(sin_molestias, antes_de_nada);
}

struct CasoFallo {
    const char* nombre;
    std::string rejilla;
    long long limite;
    const char* mensaje;
    const char* resultado;
    const char* dialogo;
};

class CalculaFallido : public Calcula, public ::testing::WithParamInterface<CasoFallo> {};

TEST_P(CalculaFallido, AvisaEnGranateYConElDialogoDeSuCausa) {
    const CasoFallo& caso = GetParam();
    Cargar(caso.rejilla);
    f.Motor.Limite_Pasos = static_cast<int>(caso.limite);
    BRellena2Click(f);
    EXPECT_EQ(f.Motor.Mensaje_Calculo, caso.mensaje);
    EXPECT_EQ(f.Motor.Resultado_Calculo, caso.resultado);
    ASSERT_EQ(ent.Contar(FormaModal::Tipo::SinSolucion), 1);
    const FormaVista& v = ent.Formas.front();
    EXPECT_EQ(v.Caption, " Novenario.     Sin Solución.");
    EXPECT_EQ(v.TextoParpadeo, caso.dialogo);
    EXPECT_EQ(v.ClientWidth, 343);
    EXPECT_EQ(v.ClientHeight, 160);
    EXPECT_EQ(ent.Contar(FormaModal::Tipo::FinPartida), 0);
    EXPECT_FALSE(f.Variables.Proceso_Largo);
}

INSTANTIATE_TEST_SUITE_P(
    Causas, CalculaFallido,
    ::testing::Values(
        // Two 5s in grid row 1: every digit fails in the first empty cell.
        CasoFallo{"repetido", "55" + std::string(79, '.'), 999999, "Sin solución", "SS", "Sin Solución"},
        CasoFallo{"sin_tiempo", kDificil, 500, "Sin tiempo", "ST", "Sin Tiempo"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(Calcula, UnTableroLlenoTerminaSinPasosYConElFinDePartida) {
    Cargar(RejillaResuelta());
    f.Variables.Reloj_Activo = Bandera::S;
    BRellena2Click(f);
    EXPECT_EQ(f.Motor.Pasos, 0);
    EXPECT_EQ(f.Motor.Mensaje_Calculo, "Fin proceso");
    EXPECT_EQ(ent.Contar(FormaModal::Tipo::FinPartida), 1);
    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::N);
}

TEST_F(Calcula, LasEntradasDelJugadorQuedanAguamarinaYElMotorNoLasToca) {
    Cargar(kDificil);
    // The player's 1 in grid row 1, column 2 (a legal digit there).
    PClick(f, Idx(NombreEn(1, 2)));
    BClick(f, 1);
    ASSERT_EQ(En(f, NombreEn(1, 2)).Caption, "1");
    f.Motor.Limite_Pasos = 50;
    bool aguamarina_durante = false;
    ent.CadaBombeo = [&] {
        if (f.Variables.Proceso_Largo && En(f, NombreEn(1, 2)).Color_ == Aguamarina) aguamarina_durante = true;
    };
    BRellena2Click(f);
    ent.CadaBombeo = nullptr;
    EXPECT_TRUE(aguamarina_durante);
    EXPECT_EQ(En(f, NombreEn(1, 2)).Caption, "1");
    EXPECT_EQ(f.Variables.Reloj_Activo, Bandera::N);
    EXPECT_EQ(f.Ventana.LBReloj.Caption, "&Reloj No");
    EXPECT_TRUE(f.Ventana.Led1.Value);
    EXPECT_FALSE(f.Ventana.BAtras.Enabled);
    EXPECT_TRUE(f.Variables.LBPanel.empty());
    // With no stored solution the commands that need one stay off.
    EXPECT_FALSE(f.Ventana.BSolucion.Enabled);
    EXPECT_FALSE(f.Ventana.BVerPista.Enabled);
}

TEST_F(Calcula, RellenaSinVerDaElMismoTableroQueCalcula) {
    for (const std::string& rejilla : {kDificil, std::string(81, '.'),
                                       SinCelda(SinCelda(RejillaResuelta(), 1, 1), 5, 5)}) {
        Cargar(rejilla);
        f.Motor.Limite_Pasos = 20000;
        BRellena2Click(f);
        const std::string con_pasos = LeerRejilla(f);
        const long long pasos = f.Motor.Pasos;
        Cargar(rejilla);
        BRellenaSinVerClick(f);
        EXPECT_EQ(LeerRejilla(f), con_pasos);
        EXPECT_EQ(f.Motor.Pasos, pasos);
        EXPECT_EQ(f.Motor.Ver_Proceso, Bandera::S) << "the run puts the repaint back on";
    }
}

TEST_F(Calcula, LaFaseLogicaLlenaUnCandidatoUnicoAunqueVengaDetras) {
    // Grid row 9 holds 1..8 in columns 1..8: its last cell can only be 9,
    // and the logic phase fills it before the search starts.
    std::string rejilla(81, '.');
    for (int c = 0; c < 8; ++c) rejilla[72 + static_cast<std::size_t>(c)] = static_cast<char>('1' + c);
    Cargar(rejilla);
    f.Motor.Limite_Pasos = -1;
    BRellena2Click(f);
    EXPECT_EQ(En(f, NombreEn(9, 9)).Caption, "9");
    EXPECT_EQ(Llenas(), 9);
}

// ---- the level dialog -------------------------------------------------------

class DialogoNivel : public Partida {
protected:
    // Clicks the level buttons, then the button that closes the dialog
    // (or the close box when cierre is negative).
    void Abrir(std::vector<int> niveles, int cierre) {
        ent.AlMostrar = [niveles, cierre, this](FormaModal& forma) {
            if (forma.tipo != FormaModal::Tipo::Nivel) return;
            mensaje_inicial = forma.Mensaje;
            for (int k : niveles) forma.Pulsar(static_cast<std::size_t>(k - 1));
            mensaje_final = forma.Mensaje;
            if (cierre < 0)
                forma.CerrarVentana();
            else
                forma.Pulsar(static_cast<std::size_t>(cierre));
        };
        f.Ejecutar(IdComando::Nivel, Origen::Imagen);
        ent.AlMostrar = nullptr;
    }
    int Fijas() {
        int n = 0;
        for (int c = 0; c < NumCeldas; ++c) n += f.Paneles[c].Color_ == Naranja ? 1 : 0;
        return n;
    }
    static constexpr int kAceptar = 5, kCancelar = 6;
    std::string mensaje_inicial, mensaje_final;
};

TEST_F(DialogoNivel, AceptarDificilCreaUnaPartidaDe35Pistas) {
    Abrir({4}, kAceptar);
    EXPECT_EQ(mensaje_inicial, "Normal ... Muestra 40 pistas de 81 posibles");
    EXPECT_EQ(mensaje_final, "Difícil ... Muestra 35 pistas de 81 posibles");
    EXPECT_EQ(f.Variables.Nivel, 4);
    EXPECT_EQ(f.Variables.Paneles_Vacios, 46);
    EXPECT_EQ(f.Ventana.LBNivel.Caption, "Nivel par&Tida 4");
    EXPECT_EQ(f.Variables.Nivel_Aceptado, Bandera::S);
    EXPECT_EQ(Fijas(), 35);
    ASSERT_FALSE(ent.Formas.empty());
    EXPECT_EQ(ent.Formas.front().Caption, " Novenario.     Dificultad. ");
    EXPECT_EQ(ent.Formas.front().Botones,
              (std::vector<std::string>{"&Muy Fácil", "&Fácil", "&Normal", "&Difícil", "M&Uy Difícil",
                                        "&Aceptar", "&Cancelar"}));
}

TEST_F(DialogoNivel, CancelarDejaElNivelComoEstabaYNoCreaPartida) {
    Abrir({2, 5}, kCancelar);
    EXPECT_EQ(f.Variables.Nivel, 3);
    EXPECT_EQ(f.Variables.Paneles_Vacios, 41);
    EXPECT_EQ(f.Ventana.LBNivel.Caption, "Nivel par&Tida 3");
    EXPECT_EQ(Fijas(), 0);
}

TEST_F(DialogoNivel, CerrarLaVentanaConservaElNivelElegidoSinCambiarLaEtiqueta) {
    Abrir({1}, -1);
    EXPECT_EQ(f.Variables.Nivel, 1);
    EXPECT_EQ(f.Variables.Paneles_Vacios, 21);
    EXPECT_EQ(f.Ventana.LBNivel.Caption, "Nivel par&Tida 3");
    EXPECT_EQ(Fijas(), 0);
    BNuevaPartida2Click(f);
    EXPECT_EQ(Fijas(), 60) << "the next new game uses the level picked";
}

}  // namespace
}  // namespace novenario::prueba
