// What a load may not cost the player: a cancelled dialog, a file gone, one
// that cannot be read or is far too big leave the game in progress as it was;
// a game named from outside the window loads as "Cargar partida" loads it.
#include <gtest/gtest.h>

#include <string>

#include "salvar_cargar.h"
#include "ayuda/ayuda.h"

namespace novenario::prueba {
namespace {

// ---- what a load may not cost ---------------------------------------------

TEST_F(SalvarCargar, CancelarElDialogoDeCargarSoloApagaLaPista) {
    PartidaEmpezada();
    BPistaClick(f);
    ASSERT_EQ(f.Variables.Pista_Activa, Bandera::S);
    ASSERT_TRUE(f.Ventana.Shape1.Visible);
    Foto antes(f);

    BCargar2Click(f);
    EXPECT_EQ(ent.DialogosAbrir.size(), 1u);
    EXPECT_EQ(f.Variables.Pista_Activa, Bandera::N);
    EXPECT_FALSE(f.Ventana.Shape1.Visible);
    antes.Pista_Activa = Bandera::N;
    antes.Shape1 = false;
    EXPECT_EQ(Foto(f), antes);
}

TEST_F(SalvarCargar, UnFicheroQueYaNoExisteNoVaciaElTableroPeroRecalcula) {
    PartidaEmpezada();
    const std::string tablero = LeerRejilla(f);
    const std::vector<std::string> movimientos = f.Variables.LBPanel;
    f.Paneles[80].PSD = "basura";
    Cargar(Carpeta + "/borrado.sdk");
    EXPECT_EQ(LeerRejilla(f), tablero);
    EXPECT_EQ(f.Variables.LBPanel, movimientos);
    EXPECT_NE(f.Paneles[80].PSD, "basura");
    EXPECT_EQ(f.Ventana.PFichero.Caption, "Fichero");
    EXPECT_TRUE(ent.Mensajes.empty());
}

TEST_F(SalvarCargar, UnFicheroQueNoSePuedeCargarDejaLaPartidaEnCursoComoEstaba) {
    std::string mal_reloj = sdk::prueba::LineaVacia();
    mal_reloj.replace(164, 2, "1x");
    std::string corta(100, ' ');
    struct Caso {
        const char* que;
        std::string bytes;
        std::string mensaje;
    };
    const std::vector<Caso> casos{
        {"vacío", "", "'' is not a valid integer value"},
        {"minutos con letra", sdk::EscribePartida({mal_reloj}), "'1x' is not a valid integer value"},
        {"línea corta", sdk::EscribePartida({corta}), "'' is not a valid integer value"},
        {"sólo rtf", "{\\rtf1 }", "'' is not a valid integer value"},
        {"binario", std::string("\x00\xff\x7f{\\rtf", 8), "'' is not a valid integer value"},
    };
    PartidaEmpezada();
    f.Ventana.PFichero.Caption = " /antes.sdk";
    const Foto antes(f);
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.que);
        ent.Mensajes.clear();
        ent.Ficheros[Fichero] = caso.bytes;
        Cargar();
        ASSERT_EQ(ent.Mensajes.size(), 1u);
        EXPECT_EQ(ent.Mensajes[0].first, caso.mensaje);
        EXPECT_EQ(ent.Mensajes[0].second, " Novenario. v.4.0");
        EXPECT_EQ(Foto(f), antes);
    }
}

TEST_F(SalvarCargar, UnFicheroIlegibleLoDiceYNoTocaNada) {
    PartidaEmpezada();
    const Foto antes(f);
    ent.Ficheros[Fichero] = LeeBytes(RutaSdk("creada.sdk"));
    ent.Ilegibles.push_back(Fichero);
    Cargar();
    ASSERT_EQ(ent.Mensajes.size(), 1u);
    EXPECT_EQ(ent.Mensajes[0].first, "No se puede leer el fichero \"" + Fichero + "\"");
    EXPECT_EQ(ent.Mensajes[0].second, " Novenario. v.4.0");
    EXPECT_TRUE(f.Partida.MEntrada1.empty());
    EXPECT_EQ(Foto(f), antes);
}

// ---- a game named from outside the window ----------------------------------

// The command line and the file manager name a file instead of the dialog:
// what follows is the very load of "Cargar partida", messages and all.
struct Nombrada {
    const char* que;
    std::string bytes;  // what the file holds
    bool ilegible;      // there, but it cannot be read
};

class PartidaNombrada : public SalvarCargar, public ::testing::WithParamInterface<Nombrada> {};

TEST_P(PartidaNombrada, SeCargaComoConCargarPartida) {
    EntornoFalso ent_dialogo;
    TFormPrincipal dialogo{ent_dialogo};
    ASSERT_TRUE(dialogo.FormCreate());
    for (EntornoFalso* e : {&ent, &ent_dialogo}) {
        e->Ficheros[Fichero] = GetParam().bytes;
        if (GetParam().ilegible) e->Ilegibles.push_back(Fichero);
    }
    ent_dialogo.EligeAbrir.push_back(Fichero);
    BCargar2Click(dialogo);
    Abrir_Partida(f, Fichero);
    EXPECT_TRUE(ent.DialogosAbrir.empty());
    EXPECT_EQ(ent.Mensajes, ent_dialogo.Mensajes);
    EXPECT_EQ(Foto(f), Foto(dialogo));
    // A file that loads leaves its name at the top; one that does not, none.
    EXPECT_EQ(f.Ventana.PFichero.Caption, ent.Mensajes.empty() ? " " + Fichero : "Fichero");
}

INSTANTIATE_TEST_SUITE_P(
    Ficheros, PartidaNombrada,
    ::testing::Values(Nombrada{"creada", LeeBytes(RutaSdk("creada.sdk")), false},
                      Nombrada{"wordpad", LeeBytes(RutaSdk("wordpad.sdk")), false},
                      Nombrada{"texto", LeeBytes(RutaSdk("texto_lf.sdk")), false},
                      Nombrada{"vacio", "", false}, Nombrada{"rtf_sin_texto", "{\\rtf1 }", false},
                      Nombrada{"ilegible", LeeBytes(RutaSdk("creada.sdk")), true}),
    [](const auto& info) { return std::string(info.param.que); });

TEST_F(SalvarCargar, UnaPartidaNombradaQueNoExisteSeDiceYNoTocaNada) {
    PartidaEmpezada();
    f.Ventana.PError.Show();
    const Foto antes(f);
    Abrir_Partida(f, Carpeta + "/no_esta.sdk");
    ASSERT_EQ(ent.Mensajes.size(), 1u);
    EXPECT_EQ(ent.Mensajes[0].first, "No se puede leer el fichero \"" + Carpeta + "/no_esta.sdk\"");
    EXPECT_EQ(ent.Mensajes[0].second, " Novenario. v.4.0");
    EXPECT_FALSE(f.Ventana.PError.Visible);
    EXPECT_EQ(Foto(f), antes);
}

// A file longer than any saved game is refused before it is read; one byte
// less than that and it is read like any other.
TEST_F(SalvarCargar, UnFicheroDemasiadoGrandeLoDiceSinLeerloYNoTocaNada) {
    const std::string linea = sdk::prueba::LineaVacia();
    for (const std::size_t largo : {sdk::MaximoFichero, sdk::MaximoFichero + 1}) {
        SCOPED_TRACE(largo);
        PartidaEmpezada();
        const Foto antes(f);
        ent.Mensajes.clear();
        // A plain-text game padded with one long foreign line.
        ent.Ficheros[Fichero] = linea + "\r\n" + std::string(largo - linea.size() - 2, 'x');
        Cargar();
        if (largo <= sdk::MaximoFichero) {
            EXPECT_TRUE(ent.Mensajes.empty());
            EXPECT_EQ(f.Ventana.PFichero.Caption, " " + Fichero);
            continue;
        }
        ASSERT_EQ(ent.Mensajes.size(), 1u);
        EXPECT_EQ(ent.Mensajes[0].first, "El fichero \"" + Fichero +
                                             "\" es demasiado grande para ser una partida de Novenario (más de 16 "
                                             "MB); no se ha leído");
        EXPECT_TRUE(f.Partida.MEntrada1.empty());
        EXPECT_EQ(Foto(f), antes);
    }
}

// ---- the file name ----------------------------------------------------------

TEST_F(SalvarCargar, LaAyudaSobreElNombreMuestraElNombreEntero) {
    PFicheroMouseMove(f);
    EXPECT_EQ(f.Ventana.PFichero.Hint, " Fichero ");
    Salvar();
    PFicheroMouseMove(f);
    Image1MouseMove(f);
    EXPECT_EQ(f.Ventana.PFichero.Hint, "  " + Fichero + " ");
    EXPECT_EQ(f.Ventana.Image1.Hint, "  " + Fichero + " ");
    BNuevaPartida2Click(f);
    EXPECT_EQ(f.Ventana.PFichero.Caption, "Fichero");
}

}  // namespace
}  // namespace novenario::prueba
