// The print command: what the printed page carries from the game (values,
// orange frames of the givens, the small labels only with help on, the
// footer's time and date from the status bar), that a cancelled dialog
// prints nothing, and that printing leaves the game as it was.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "board/entorno_falso.h"
#include "print/imprimir.h"
#include "ayuda/ayuda.h"
#include "entrada/entrada.h"

namespace novenario::prueba {
namespace {

// The fake outside world with a printer: the dialog answers as told, and
// every page printed is kept.
class EntornoImpresora : public EntornoFalso {
public:
    bool Acepta = true;
    int Dialogos = 0;
    std::vector<Reporte> Impresas;
    std::vector<Reporte> Presentadas;      // the page as the dialog saw it
    std::function<void()> AlDialogo;       // runs while the dialog is shown

    bool ConfigurarImpresion(const Reporte& pagina) override {
        ++Dialogos;
        Presentadas.push_back(pagina);
        if (AlDialogo) AlDialogo();
        return Acepta;
    }
    bool ImprimirPagina(const Reporte& pagina) override {
        Impresas.push_back(pagina);
        return true;
    }
};

class Imprimir : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(f.FormCreate());
        ent.Formas.clear();
        ent.Bombeos = 0;
    }

    // The page the last print sent to the printer.
    const Reporte& Impresa() {
        if (ent.Impresas.empty()) {
            ADD_FAILURE() << "nothing was printed";
            static const Reporte nada;
            return nada;
        }
        return ent.Impresas.back();
    }

    static const Elemento& Item(const Reporte& r, const std::string& nombre) {
        const Elemento* e = r.Buscar(nombre);
        if (!e) {
            ADD_FAILURE() << "the page has no item " << nombre;
            static const Elemento nada;
            return nada;
        }
        return *e;
    }
    static Color Relleno(const Reporte& r, int c) {
        const Elemento& e = Item(r, pagina::NombreMarco(c));
        return e.Relleno.value_or(0xDEAD);
    }

    EntornoImpresora ent;
    TFormPrincipal f{ent};
};

TEST_F(Imprimir, UnTableroVacioImprimeMarcosLineasDibujosYPieSinDigitos) {
    Timer02Timer(f);
    BImprimir2Click(f);
    ASSERT_EQ(ent.Dialogos, 1);
    ASSERT_EQ(ent.Impresas.size(), 1u);
    const Reporte& r = Impresa();
    const Reporte vacia = pagina::Disenar();
    ASSERT_EQ(r.Cuantos(), vacia.Cuantos());
    for (int c = 0; c < NumCeldas; ++c) {
        EXPECT_EQ(Relleno(r, c), Blanco) << tablero::Nombre(c);
        EXPECT_EQ(Item(r, pagina::NombreValor(c)).Caption, "") << tablero::Nombre(c);
        EXPECT_EQ(Item(r, pagina::NombrePosibles(c)).Caption, "");
        EXPECT_EQ(Item(r, pagina::NombreImposibles(c)).Caption, "");
    }
    // Everything else is the page as it was laid out, but the time and date.
    for (const char* n : {"QRImage2", "QRImage1", "QRShape4", "QRShape14", "QRShape25", "QRShape26", "QRShape27",
                          "QRShape3", "NPrograma", "Orvalia", "QRLabel13", "QRLabel12"}) {
        const Elemento& a = Item(r, n);
        const Elemento& b = Item(vacia, n);
        EXPECT_EQ(a.Caption, b.Caption) << n;
        EXPECT_EQ(a.Relleno, b.Relleno) << n;
        EXPECT_EQ(a.Left, b.Left) << n;
    }
    EXPECT_EQ(Item(r, "Fecha").Caption, "17:45:09");
    EXPECT_EQ(Item(r, "Hora").Caption, "martes, 8 de diciembre de 2026");
    EXPECT_EQ(r.Titulo, "Novenario");
    EXPECT_EQ(r.Copias, 1);
}

// The footer shows what the status bar shows, whatever the clock says now:
// the timer of the window keeps the bar current, the page reads the bar.
TEST_F(Imprimir, ElPieLlevaLaHoraYLaFechaQueMuestraLaBarraDeEstado) {
    const struct {
        const char* fecha;
        const char* hora;
    } casos[] = {
        {"miércoles, 30 de septiembre de 2026", "09:05:03"},
        {"domingo, 1 de enero de 2023", "00:00:00"},
        {"", ""},
    };
    for (const auto& k : casos) {
        ent.Fecha = k.fecha;
        ent.HoraTexto = k.hora;
        Timer02Timer(f);
        ent.Fecha = "later";
        ent.HoraTexto = "later";
        BImprimir2Click(f);
        const Reporte& r = Impresa();
        EXPECT_EQ(Item(r, "Fecha").Caption, k.hora) << "the time goes after \"Hora ..\"";
        EXPECT_EQ(Item(r, "Hora").Caption, k.fecha) << "the date goes after \"Fecha ..\"";
        EXPECT_EQ(Item(r, "QRLabel13").Caption, "Hora ..");
        EXPECT_EQ(Item(r, "QRLabel12").Caption, "Fecha ..");
    }
}

TEST_F(Imprimir, UnaPartidaNuevaSombreaSusFijosYNoSusEntradas) {
    BNuevaPartida2Click(f);
    int fijos = 0;
    for (int c = 0; c < NumCeldas; ++c) fijos += f.Paneles[c].Color_ == Naranja;
    ASSERT_EQ(fijos, 81 - 41);
    // The player fills the first free cell with the digit of the solution.
    ASSERT_FALSE(f.Variables.Panel_Libre.empty());
    const int libre = tablero::Indice(f.Variables.Panel_Libre);
    ASSERT_GE(libre, 0);
    PClick(f, libre);
    BClick(f, f.Partida.EPartida[static_cast<std::size_t>(libre)] - '0');
    ASSERT_EQ(f.Paneles[libre].Caption.size(), 1u);

    BImprimir2Click(f);
    const Reporte& r = Impresa();
    for (int c = 0; c < NumCeldas; ++c) {
        const Celda& celda = f.Paneles[c];
        EXPECT_EQ(Relleno(r, c), celda.Color_ == Naranja ? Naranja : Blanco) << tablero::Nombre(c);
        EXPECT_EQ(Item(r, pagina::NombreValor(c)).Caption, celda.Caption) << tablero::Nombre(c);
    }
    EXPECT_EQ(Relleno(r, libre), Blanco) << "the player's entry is not a given";
    EXPECT_EQ(Item(r, pagina::NombreValor(libre)).Caption, f.Paneles[libre].Caption);
}

// Only orange is printed: the selection, the maroon marks and the aqua marks
// of "Calcula" stay on the screen; so does a colour close to orange.
TEST_F(Imprimir, SoloElNaranjaExactoPasaAlPapel) {
    const struct {
        const char* celda;
        Color color;
        bool naranja;
    } casos[] = {
        {"P1_1", Naranja, true},      {"P2_5", Verde, false},     {"P3_9", Granate, false},
        {"P5_5", Aguamarina, false},  {"P7_3", Blanco, false},    {"P9_9", Naranja + 1, false},
        {"P8_8", Naranja, true},      {"P6_4", Gris, false},
    };
    for (const auto& k : casos) {
        En(f, k.celda).Color_ = k.color;
        En(f, k.celda).Caption = "7";
    }
    BImprimir2Click(f);
    const Reporte& r = Impresa();
    for (const auto& k : casos) {
        const int c = Idx(k.celda);
        EXPECT_EQ(Relleno(r, c), k.naranja ? Naranja : Blanco) << k.celda;
        EXPECT_EQ(Item(r, pagina::NombreValor(c)).Caption, "7") << k.celda;
        EXPECT_EQ(En(f, k.celda).Color_, k.color) << "the screen keeps its colour";
    }
}

TEST_F(Imprimir, ConLaAyudaApagadaNoSalenLasEtiquetasPequenas) {
    CargarRejilla(f, Rejilla({{"P1_1", '5'}, {"P5_5", '3'}}));
    BVerTeclasClick(f);  // on: the labels are computed
    BVerTeclasClick(f);  // off: the labels keep their texts
    ASSERT_EQ(f.Variables.Ayuda_Activa, Bandera::N);
    En(f, "P9_9").PSD = "texto";
    En(f, "P9_9").PND = "otro";
    int con_texto = 0;
    for (int c = 0; c < NumCeldas; ++c) con_texto += !f.Paneles[c].PSD.empty() || !f.Paneles[c].PND.empty();
    ASSERT_GT(con_texto, 20) << "the screen labels must hold text for this test";

    for (Bandera b : {Bandera::N, Bandera::Nada}) {
        f.Variables.Ayuda_Activa = b;
        BImprimir2Click(f);
        const Reporte& r = Impresa();
        for (int c = 0; c < NumCeldas; ++c) {
            EXPECT_EQ(Item(r, pagina::NombrePosibles(c)).Caption, "") << tablero::Nombre(c);
            EXPECT_EQ(Item(r, pagina::NombreImposibles(c)).Caption, "") << tablero::Nombre(c);
        }
    }
    EXPECT_EQ(En(f, "P9_9").PSD, "texto") << "the screen keeps its labels";
}

TEST_F(Imprimir, ConLaAyudaEncendidaSalenExactamenteLosTextosDeLaPantalla) {
    CargarRejilla(f, Rejilla({{"P1_1", '5'}, {"P1_2", '3'}, {"P4_4", '9'}, {"P9_9", '1'}}));
    BVerTeclasClick(f);
    ASSERT_EQ(f.Variables.Ayuda_Activa, Bandera::S);
    // A label holding something else than the pass wrote prints as it is.
    En(f, "P6_6").PSD = " 1 3 ";
    En(f, "P6_6").PND = "";
    BImprimir2Click(f);
    const Reporte& r = Impresa();
    int distintas = 0;
    for (int c = 0; c < NumCeldas; ++c) {
        EXPECT_EQ(Item(r, pagina::NombrePosibles(c)).Caption, f.Paneles[c].PSD) << tablero::Nombre(c);
        EXPECT_EQ(Item(r, pagina::NombreImposibles(c)).Caption, f.Paneles[c].PND) << tablero::Nombre(c);
        distintas += !f.Paneles[c].PSD.empty();
    }
    EXPECT_GT(distintas, 0);
    EXPECT_EQ(Item(r, "PSD6_6").Caption, " 1 3 ");
    EXPECT_EQ(Item(r, "PND9_8").Caption, En(f, "P9_8").PND);
    EXPECT_FALSE(Item(r, "PND9_8").Caption.empty()) << "P9_8 shares a block with P9_9";
}

TEST_F(Imprimir, CancelarNoImprimeNadaPeroLaPaginaSeRellena) {
    FijarRejilla(f, Rejilla({{"P1_1", '4'}, {"P5_5", '6'}}));
    BVerTeclasClick(f);
    Timer02Timer(f);
    ent.Acepta = false;

    BImprimir2Click(f);
    EXPECT_EQ(ent.Dialogos, 1);
    EXPECT_TRUE(ent.Impresas.empty());
    EXPECT_TRUE(ent.Formas.empty()) << "cancelling shows nothing";
    EXPECT_TRUE(ent.Mensajes.empty());

    TFormImprimir forma(f);
    EXPECT_FALSE(forma.Aceptado);
    EXPECT_TRUE(ent.Impresas.empty());
    EXPECT_EQ(Item(forma.ReporSudoku, "P1_1").Caption, "4");
    EXPECT_EQ(Relleno(forma.ReporSudoku, Idx("P5_5")), Naranja);
    EXPECT_EQ(Item(forma.ReporSudoku, "PSD1_2").Caption, En(f, "P1_2").PSD);
    EXPECT_EQ(Item(forma.ReporSudoku, "Fecha").Caption, "17:45:09");
}

// The dialog is shown before anything of the game is read: the status bar
// may change while it is open (the clock timer ticks), and the page shows
// what the bar holds once the player has answered.
TEST_F(Imprimir, ElDialogoVaPrimeroYLaBarraSeLeeDespues) {
    f.Ventana.PError.Show();
    bool banner_visible = true;
    int bombeos = -1;
    ent.AlDialogo = [&] {
        banner_visible = f.Ventana.PError.Visible;
        bombeos = ent.Bombeos;
        ent.HoraTexto = "17:45:10";
        Timer02Timer(f);
    };
    BImprimir2Click(f);
    EXPECT_FALSE(banner_visible) << "the error banner goes before the dialog";
    EXPECT_GE(bombeos, 1) << "the window repaints before the dialog";
    ASSERT_EQ(ent.Presentadas.size(), 1u);
    EXPECT_EQ(ent.Presentadas[0].Titulo, "Novenario");
    EXPECT_EQ(Item(Impresa(), "Fecha").Caption, "17:45:10");
}

class ImprimirNoCambiaLaPartida : public Imprimir, public ::testing::WithParamInterface<bool> {};

TEST_P(ImprimirNoCambiaLaPartida, NiAceptandoNiCancelando) {
    ent.Acepta = GetParam();
    BNuevaPartida2Click(f);
    BVerTeclasClick(f);
    const int libre = tablero::Indice(f.Variables.Panel_Libre);
    ASSERT_GE(libre, 0);
    PClick(f, libre);
    BClick(f, f.Partida.EPartida[static_cast<std::size_t>(libre)] - '0');
    Timer02Timer(f);
    f.Ventana.PError.Show();
    const Foto antes(f);

    BImprimir2Click(f);
    BImprimir2Click(f);
    EXPECT_EQ(ent.Impresas.size(), GetParam() ? 2u : 0u);
    EXPECT_EQ(Foto(f), antes);
    EXPECT_FALSE(f.Ventana.PError.Visible) << "the only change: the error banner is hidden";
    EXPECT_TRUE(ent.Formas.empty());
}

INSTANTIATE_TEST_SUITE_P(Respuestas, ImprimirNoCambiaLaPartida, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "Aceptando" : "Cancelando"); });

}  // namespace
}  // namespace novenario::prueba
