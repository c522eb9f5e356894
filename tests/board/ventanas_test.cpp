// The help window and the about box: their windows, the help text's layout,
// the link to the maker's page, and that neither touches the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "board/entorno_falso.h"

namespace novenario::prueba {
namespace {

const std::vector<std::string>& Texto() { return Texto_Ayuda(); }

// Characters, not bytes: the text is UTF-8.
std::size_t Largo(const std::string& s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::size_t Linea(const std::string& exacta) {
    const auto& t = Texto();
    const auto it = std::find(t.begin(), t.end(), exacta);
    return it == t.end() ? t.size() : static_cast<std::size_t>(it - t.begin());
}

// Blank lines right before line i.
int BlancasAntes(std::size_t i) {
    int n = 0;
    while (i > 0 && Texto()[i - 1].empty()) {
        --i;
        ++n;
    }
    return n;
}

struct Titulo {
    std::string linea;      // as shown, with its indentation
    std::size_t subrayado;  // length of the line of "-"
    int blancas;            // blank lines before it
};

class TituloDeAyuda : public testing::TestWithParam<Titulo> {};

TEST_P(TituloDeAyuda, VaSubrayadoYSeparadoComoToca) {
    const Titulo& t = GetParam();
    const std::size_t i = Linea(t.linea);
    ASSERT_LT(i + 1, Texto().size()) << "missing: " << t.linea;
    const std::size_t sangria = t.linea.find_first_not_of(' ');
    EXPECT_EQ(Texto()[i + 1], std::string(sangria, ' ') + std::string(t.subrayado, '-'));
    if (i > 0) {
        EXPECT_EQ(BlancasAntes(i), t.blancas);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Secciones, TituloDeAyuda,
    testing::Values(Titulo{std::string(30, ' ') + "NOVENARIO", 9, 0},
                    Titulo{std::string(24, ' ') + "TECLAS DE PANTALLA.", 19, 4},
                    Titulo{"Colores de los paneles", 22, 1}, Titulo{"Cursores / Teclado Numérico", 27, 1},
                    Titulo{"Nueva Partida", 13, 1}, Titulo{"Deja Fijos", 10, 1}, Titulo{"Solución", 8, 1},
                    Titulo{"Calcula", 7, 1}, Titulo{"Nivel", 5, 1}, Titulo{"Ayuda .. Si / No", 16, 1},
                    Titulo{"Pista .. Si / No", 16, 1}, Titulo{"Siguiente paso (Ctrl+H)", 23, 1},
                    Titulo{"Micro Teclado (Teclado numérico flotante).", 13, 1}, Titulo{"Pausa", 5, 1},
                    Titulo{"Cancelar", 8, 1}, Titulo{"Imprimir", 8, 1}, Titulo{"Borra Todo", 10, 1},
                    Titulo{"Guardar / Cargar partida", 24, 1}, Titulo{"Atajos de teclado", 17, 1},
                    Titulo{"Importante", 10, 2}));

// The keys that no button shows are in the help text too.
TEST(TextoAyuda, NombraLosAtajosQueNingunBotonMuestra) {
    const auto& t = Texto();
    const std::size_t desde = Linea("Atajos de teclado");
    ASSERT_LT(desde, t.size());
    for (const char* tecla :
         {"Ctrl+V ", "Ctrl+C ", "Ctrl+Z ", "Ctrl+Y", "F1 ", "Ctrl+Q ", "Supr", "Ctrl+H ", "Ctrl+Mayús+F"}) {
        const bool esta = std::any_of(t.begin() + static_cast<std::ptrdiff_t>(desde), t.end(),
                                      [&](const std::string& l) { return l.rfind(tecla, 0) == 0; });
        EXPECT_TRUE(esta) << tecla;
    }
}

TEST(TextoAyuda, LasLineasQueSeDicenTalCual) {
    for (const char* exacta :
         {"Naranja ........: Paneles fijos.", "Verde ..........: Panel seleccionado por el jugador.",
          "Marrón oscuro ..: Panel sin valor posible.", "Gris ............ Panel con dato fijo.",
          "Barra espaciadora, número cero y tecla suprimir = Borra el Dato.",
          "Nivel 1, Muy fácil,   muestra 60 pistas de 81 posibles.",
          "Nivel 2, Fácil,       muestra 50 pistas de 81 posibles.",
          "Nivel 3, Normal,      muestra 40 pistas de 81 posibles.",
          "Nivel 4, Difícil,     muestra 35 pistas de 81 posibles.",
          "Nivel 5, Muy Difícil, muestra 30 pistas de 81 posibles.", "Posibles (arriba) / Imposibles (abajo).",
          "Permite guardar y cargar las partidas con la extensión .sdk"})
        EXPECT_LT(Linea(exacta), Texto().size()) << exacta;
}

TEST(TextoAyuda, TerminaConLaFirmaTrasDosBlancas) {
    const std::string firma = std::string(26, ' ') + "( Orvalia Software )";
    ASSERT_FALSE(Texto().empty());
    EXPECT_EQ(Texto().back(), firma);
    EXPECT_EQ(BlancasAntes(Texto().size() - 1), 2);
}

TEST(TextoAyuda, CabeEnLaCajaSinCortarseYSinBlancasAlFinal) {
    for (const std::string& l : Texto()) {
        EXPECT_LE(Largo(l), 72u) << l;
        EXPECT_TRUE(l.empty() || l.back() != ' ') << "'" << l << "'";
    }
}

TEST(TextoAyuda, NuncaHayMasDeUnaBlancaSalvoDondeSePiden) {
    int seguidas = 0;
    for (std::size_t i = 0; i < Texto().size(); ++i) {
        if (Texto()[i].empty()) {
            ++seguidas;
            continue;
        }
        if (seguidas > 1) {
            const std::string& l = Texto()[i];
            EXPECT_TRUE(l.find("TECLAS DE PANTALLA.") != std::string::npos || l == "Importante" ||
                        l.find("( Orvalia Software )") != std::string::npos)
                << seguidas << " blank lines before '" << l << "'";
        }
        seguidas = 0;
    }
}

// ---- the windows ------------------------------------------------------------

struct Ventana {
    void (*orden)(Juego&);
    FormaModal::Tipo tipo;
    std::string caption;
    int ancho, alto, left, top;
    std::string boton;
};

class VentanaInformativa : public testing::WithParamInterface<Ventana>, public Partida {};

TEST_P(VentanaInformativa, SeMuestraSeCierraYNoTocaElJuego) {
    const Ventana& v = GetParam();
    f.Ventana.PError.Show();
    f.Ventana.PMensaje.Caption = "Número 4 aceptado";
    const std::string tablero = LeerRejilla(f);
    const std::string activo = f.Variables.Panel_Activo;
    for (bool con_boton : {true, false}) {
        SCOPED_TRACE(con_boton ? "button" : "close box");
        ent.Formas.clear();
        ent.Responder(v.tipo, con_boton ? Respuesta::Aceptar : Respuesta::Cerrar);
        // Aceptar presses the first button when none has that caption.
        v.orden(f);
        ASSERT_EQ(ent.Formas.size(), 1u);
        const FormaVista& vista = ent.Formas[0];
        EXPECT_EQ(vista.Tipo, v.tipo);
        EXPECT_EQ(vista.Caption, v.caption);
        EXPECT_EQ(std::tie(vista.ClientWidth, vista.ClientHeight, vista.Left, vista.Top),
                  std::tie(v.ancho, v.alto, v.left, v.top));
        EXPECT_EQ(vista.Botones, std::vector<std::string>{v.boton});
        EXPECT_TRUE(vista.CerradaAlVolver);
        EXPECT_FALSE(f.Ventana.PError.Visible);
    }
    EXPECT_EQ(LeerRejilla(f), tablero);
    EXPECT_EQ(f.Variables.Panel_Activo, activo);
    EXPECT_EQ(f.Ventana.PMensaje.Caption, "Número 4 aceptado");
}

INSTANTIATE_TEST_SUITE_P(
    Ventanas, VentanaInformativa,
    testing::Values(Ventana{&BAyuda2Click, FormaModal::Tipo::Ayuda, " Novenario.     Ayuda.", 642, 415,
                            116, 180, "&Salir de ayuda"},
                    Ventana{&BAcerca2Click, FormaModal::Tipo::AcercaDe,
                            " Novenario.     Acerca de ...", 280, 180, 297, 279, "&Salir"}));

TEST_F(Partida, LaAyudaLlevaElTextoEntero) {
    BAyuda2Click(f);
    ASSERT_EQ(ent.Formas.size(), 1u);
    EXPECT_EQ(ent.Formas[0].Lineas, Texto_Ayuda());
}

TEST_F(Partida, ElEnlaceDelAcercaDeAbreLaPaginaDelAutor) {
    ent.AlMostrar = [](FormaModal& forma) {
        ASSERT_TRUE(forma.AlEnlace);
        forma.AlEnlace();
        forma.AlEnlace();  // every click asks again; the box stays open
        EXPECT_FALSE(forma.Cerrada);
    };
    BAcerca2Click(f);
    ASSERT_EQ(ent.Formas.size(), 1u);
    EXPECT_EQ(ent.Formas[0].Direccion, DireccionOrvalia);
    EXPECT_EQ(ent.Direcciones, (std::vector<std::string>(2, DireccionOrvalia)));
}

}  // namespace
}  // namespace novenario::prueba
