// The main window's own dialogs: pause and the exit confirmation.
#include "entorno_falso.h"
#include "entrada/entrada.h"

namespace novenario::prueba {
namespace {

using Tipo = FormaModal::Tipo;

// ---------------------------------------------------------------------------
// Pause and exit

// What a player could notice of the game.
std::string Foto(TFormPrincipal& f) {
    std::string s = LeerRejilla(f) + "|" + f.Variables.Panel_Activo + "|" + f.Ventana.PMensaje.Caption + "|" +
                    Texto(f.Variables.Reloj_Activo) + Texto(f.Variables.Ayuda_Activa) + Texto(f.Variables.Pista_Activa) +
                    Texto(f.Variables.Micro_Activo) + Texto(f.Variables.Respuesta_Salir) + "|" + f.Ventana.LPHor.Caption +
                    f.Ventana.LPMin.Caption + f.Ventana.LPseg.Caption + "|" + std::to_string(f.Variables.Posicion_Lista);
    for (const auto& e : f.Variables.LBPanel) s += e;
    for (int c = 0; c < NumCeldas; ++c) s += std::to_string(f.Paneles[c].Color_) + f.Paneles[c].PSD;
    return s;
}

TEST_F(Partida, LaPausaMuestraSuDialogoYNoCambiaNada) {
    BClick(f, 5);
    BReloj2Click(f);
    const std::string antes = Foto(f);
    BPausa2Click(f);
    ASSERT_EQ(ent.Formas.size(), 1u);
    const FormaVista& v = ent.Formas[0];
    EXPECT_EQ(v.Tipo, Tipo::Pausa);
    EXPECT_EQ(v.Caption, " Novenario.");
    EXPECT_EQ(v.TextoParpadeo, "Pausa");
    EXPECT_EQ(v.ClientWidth, 343);
    EXPECT_EQ(v.ClientHeight, 160);
    EXPECT_EQ(v.Left, 266);
    EXPECT_EQ(v.Top, 289);
    EXPECT_EQ(v.Botones, std::vector<std::string>{"&Aceptar"});
    EXPECT_TRUE(v.CerradaAlVolver);
    EXPECT_EQ(Foto(f), antes);
}

TEST_F(Partida, DialogoDeSalida) {
    ent.Responder(Tipo::Cerrar, Respuesta::Cancelar);
    BSalir2Click(f);
    ASSERT_EQ(ent.Formas.size(), 1u);
    const FormaVista& v = ent.Formas[0];
    EXPECT_EQ(v.Tipo, Tipo::Cerrar);
    EXPECT_EQ(v.Caption, " Novenario.");
    EXPECT_EQ(v.TextoParpadeo, "Salir del Programa");
    EXPECT_EQ(v.ClientWidth, 287);
    EXPECT_EQ(v.ClientHeight, 153);
    EXPECT_EQ(v.Left, 295);
    EXPECT_EQ(v.Top, 292);
    EXPECT_EQ(v.Botones, (std::vector<std::string>{"&Aceptar", "&Cancelar"}));
    EXPECT_TRUE(v.CerradaAlVolver);
}

// Cancelling keeps the game open and puts the exit button back at rest, even
// if the press effect left it shifted.
TEST_F(Partida, CancelarLaSalidaDejaElJuegoAbierto) {
    f.Ventana.PError.Show();
    f.MouseDown(IdComando::Salir);
    ASSERT_EQ(f.Ventana.BSalir.Left, 691);
    ent.Responder(Tipo::Cerrar, Respuesta::Cancelar);
    BSalir2Click(f);
    EXPECT_FALSE(f.Ventana.PError.Visible);
    EXPECT_EQ(f.Variables.Respuesta_Salir, Bandera::N);
    EXPECT_TRUE(ent.Terminaciones.empty());
    EXPECT_EQ(f.Ventana.BSalir.Left, 690);
    EXPECT_EQ(f.Ventana.BSalir.Top, 474);
    EXPECT_EQ(f.Ventana.LBSalir.Left, 697);
    EXPECT_EQ(f.Ventana.LBSalir.Top, 478);
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "") << "a cancelled exit says nothing";

    // A release after the dialog must not push the button off its rest place.
    f.MouseUp(IdComando::Salir);
    EXPECT_EQ(f.Ventana.BSalir.Left, 690);
    EXPECT_EQ(f.Ventana.LBSalir.Left, 697);
}

// The close box of the dialog answers nothing: the last answer stays.
TEST_F(Partida, CerrarElDialogoDeSalidaConservaLaRespuestaAnterior) {
    ent.Responder(Tipo::Cerrar, Respuesta::Cerrar);
    FormClose(f);
    EXPECT_EQ(f.Variables.Respuesta_Salir, Bandera::Nada);
    ent.Responder(Tipo::Cerrar, Respuesta::Cancelar);
    ent.Responder(Tipo::Cerrar, Respuesta::Cerrar);
    FormClose(f);
    FormClose(f);
    EXPECT_EQ(f.Variables.Respuesta_Salir, Bandera::N);
    EXPECT_TRUE(ent.Terminaciones.empty());
    EXPECT_EQ(ent.Contar(Tipo::Cerrar), 3);
}

TEST_F(Partida, AceptarLaSalidaTerminaConCodigoUno) {
    ent.Responder(Tipo::Cerrar, Respuesta::Cancelar);
    FormClose(f);
    FormClose(f);  // the answer is not reset before the dialog; Aceptar by default
    EXPECT_EQ(f.Variables.Respuesta_Salir, Bandera::S);
    EXPECT_EQ(ent.Terminaciones, std::vector<int>{1});
}

}  // namespace
}  // namespace novenario::prueba
