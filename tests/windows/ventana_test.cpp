// The main window wired to the game: clicks on the real widgets reach the
// handlers, and what the handlers change reaches the screen.
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPointer>

#include "ayudas.h"
#include "exhaustiva/exhaustiva.h"
#include "windows/arte.h"
#include "windows/celda.h"
#include "windows/led.h"

namespace novenario::pruebas {
namespace {

using vista::DialogoModal;

// ---------------------------------------------------------------------------
// The start window

enum class FormaDeCancelar { Boton, CajaDeCierre, TeclaAlt };

class InicioDeathTest : public testing::TestWithParam<FormaDeCancelar> {};

TEST_P(InicioDeathTest, CancelarTerminaElProcesoConCodigo1) {
    const FormaDeCancelar forma = GetParam();
    EXPECT_EXIT(
        {
            auto vigia = AlAparecerDialogo([forma](DialogoModal& d) {
                switch (forma) {
                    case FormaDeCancelar::Boton: PulsarBoton(d, QStringLiteral("Cancelar")); break;
                    case FormaDeCancelar::CajaDeCierre: d.close(); break;
                    case FormaDeCancelar::TeclaAlt: QTest::keyClick(&d, Qt::Key_C, Qt::AltModifier); break;
                }
            });
            vista::Aplicacion app;
            // The run as the program makes it; cancelling returns its code
            // without the event loop ever running. Should it run, it ends.
            QTimer::singleShot(5000, [] { QCoreApplication::exit(3); });
            const int codigo = app.Ejecutar(vista::Orden{});
            std::exit(app.Vista().isVisible() ? 2 : codigo);
        },
        testing::ExitedWithCode(1), "");
}

INSTANTIATE_TEST_SUITE_P(Formas, InicioDeathTest,
                         testing::Values(FormaDeCancelar::Boton, FormaDeCancelar::CajaDeCierre,
                                         FormaDeCancelar::TeclaAlt));

TEST(Inicio, AceptarMuestraLaVentanaConElTituloDelJuego) {
    auto app = ArrancarAceptando();
    EXPECT_TRUE(app->Vista().isVisible());
    EXPECT_EQ(app->Vista().windowTitle().toStdString(), app->Juego().Ventana.Caption);
    EXPECT_EQ(app->Vista().size(), QSize(825, 535));
    // The start selects the first cell.
    EXPECT_EQ(app->Juego().Variables.Panel_Activo, "P1_1");
    EXPECT_EQ(app->Juego().Paneles[0].Color_, Verde);
}

// ---------------------------------------------------------------------------
// Cells

struct ClicEnEtiqueta {
    const char* celda;
    bool inferior;
};

class SeleccionPorEtiqueta : public testing::TestWithParam<ClicEnEtiqueta> {};

TEST_P(SeleccionPorEtiqueta, ClicEnUnaEtiquetaSeleccionaSuCelda) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    // The labels are on screen only with the help display on.
    QTest::mouseClick(Widget(*app, "LBVerTeclas"), Qt::LeftButton);
    ASSERT_EQ(juego.Variables.Ayuda_Activa, Bandera::S);
    const int c = tablero::Indice(GetParam().celda);
    auto* celda = app->Vista().Celda(c);
    QWidget* etiqueta = GetParam().inferior ? static_cast<QWidget*>(celda->Inferior()) : celda->Superior();
    ASSERT_TRUE(etiqueta->isVisible());
    QTest::mouseClick(etiqueta, Qt::LeftButton, {}, etiqueta->rect().center());
    EXPECT_EQ(juego.Paneles[c].Color_, Verde);
    EXPECT_EQ(juego.Variables.Panel_Activo, GetParam().celda);
    EXPECT_EQ(celda->Estado().Color_, Verde);
    // The cell selected at start is white again.
    EXPECT_EQ(juego.Paneles[0].Color_, Blanco);
    EXPECT_EQ(app->Vista().Celda(0)->Estado().Color_, Blanco);
}

INSTANTIATE_TEST_SUITE_P(Celdas, SeleccionPorEtiqueta,
                         testing::Values(ClicEnEtiqueta{"P4_7", true}, ClicEnEtiqueta{"P9_9", true},
                                         ClicEnEtiqueta{"P3_3", false}, ClicEnEtiqueta{"P1_4", true},
                                         ClicEnEtiqueta{"P5_5", false}));

TEST(Celdas, UnaCeldaFijaNoSeSelecciona) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    const int c = tablero::Indice("P6_2");
    juego.Paneles[c].Caption = "3";
    juego.Paneles[c].Color_ = Naranja;
    juego.Paneles[c].Enabled = false;
    app->Vista().Sincronizar();
    QTest::mouseClick(app->Vista().Celda(c), Qt::LeftButton);
    EXPECT_EQ(juego.Variables.Panel_Activo, "P1_1");
    EXPECT_EQ(juego.Paneles[c].Color_, Naranja);
}

struct NombreDeCelda {
    const char* celda;
    const char* valor;
    const char* esperado;
};

class NombresAccesibles : public testing::TestWithParam<NombreDeCelda> {};

TEST_P(NombresAccesibles, LaCeldaDiceSuNombreFilaColumnaYValor) {
    auto app = ArrancarAceptando();
    const int c = tablero::Indice(GetParam().celda);
    app->Juego().Paneles[c].Caption = GetParam().valor;
    app->Vista().Sincronizar();
    EXPECT_EQ(app->Vista().Celda(c)->accessibleName().toStdString(), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Celdas, NombresAccesibles,
                         testing::Values(NombreDeCelda{"P4_7", "", "fila 6, columna 1, vacía"},
                                         NombreDeCelda{"P4_7", "4", "fila 6, columna 1, 4"},
                                         NombreDeCelda{"P3_3", "9", "fila 1, columna 9, 9"},
                                         NombreDeCelda{"P7_7", "", "fila 9, columna 1, vacía"}));

// ---------------------------------------------------------------------------
// Number entry

TEST(Entrada, B4EscribeUnCuatroEnLaCeldaSeleccionada) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    const int c = tablero::Indice("P5_5");
    QTest::mouseClick(app->Vista().Celda(c), Qt::LeftButton);
    ASSERT_EQ(juego.Variables.Panel_Activo, "P5_5");
    QTest::mouseClick(Widget(*app, "B4"), Qt::LeftButton);
    EXPECT_EQ(juego.Paneles[c].Caption, "4");
    EXPECT_EQ(app->Vista().Celda(c)->Estado().Caption, "4");
    EXPECT_TRUE(app->Vista().Celda(c)->accessibleName().endsWith(QStringLiteral(", 4")));
    EXPECT_EQ(Widget(*app, "PMensaje")->accessibleName().toStdString(), juego.Ventana.PMensaje.Caption);
    EXPECT_FALSE(juego.Ventana.PMensaje.Caption.empty());
    // The key came back from its press.
    EXPECT_EQ(Widget(*app, "B4")->pos(), QPoint(juego.Ventana.B[3].Left, juego.Ventana.B[3].Top));
}

struct Repeticion {
    const char* ocupada;  // a cell already holding a 4
    const char* grupo;
};

class EntradaRechazada : public testing::TestWithParam<Repeticion> {};

TEST_P(EntradaRechazada, UnCuatroRepetidoSeDevuelveYSeAnuncia) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    juego.Paneles[tablero::Indice(GetParam().ocupada)].Caption = "4";
    const int c = tablero::Indice("P5_5");
    QTest::mouseClick(app->Vista().Celda(c), Qt::LeftButton);
    const std::size_t movimientos = juego.Variables.LBPanel.size();
    QTest::mouseClick(Widget(*app, "B4"), Qt::LeftButton);
    EXPECT_EQ(juego.Paneles[c].Caption, "");
    EXPECT_EQ(juego.Variables.LBPanel.size(), movimientos);
    EXPECT_EQ(juego.Ventana.PMensaje.Caption, std::string("Error. 4 en ") + GetParam().grupo);
    EXPECT_TRUE(Widget(*app, "PError")->isVisible());
    EXPECT_EQ(Widget(*app, "PError")->accessibleName().toStdString(), juego.Ventana.PMensaje.Caption);
}

// P5_5 is row 5, column 5, block 5.
INSTANTIATE_TEST_SUITE_P(Grupos, EntradaRechazada,
                         testing::Values(Repeticion{"P5_1", "Bloque"}, Repeticion{"P4_5", "Horizontal"},
                                         Repeticion{"P2_8", "Vertical"}));

class FinDePartida : public testing::TestWithParam<const char*> {};

TEST_P(FinDePartida, LlenarLaUltimaCeldaMuestraElDialogoFinal) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    const int ultima = tablero::Indice(GetParam());
    for (int c = 0; c < NumCeldas; ++c)
        if (c != ultima) juego.Paneles[c].Caption = std::to_string(ValorResuelto(c));
    app->Vista().Sincronizar();
    QTest::mouseClick(app->Vista().Celda(ultima), Qt::LeftButton);
    ASSERT_EQ(juego.Variables.Panel_Activo, GetParam());
    FormaModal::Tipo visto = FormaModal::Tipo::Inicio;
    auto veces = AlAparecerDialogo([&visto](DialogoModal& d) {
        visto = d.Forma().tipo;
        PulsarBoton(d, QStringLiteral("Aceptar"));
    });
    const QString boton = QStringLiteral("B%1").arg(ValorResuelto(ultima));
    QTest::mouseClick(Widget(*app, boton), Qt::LeftButton);
    EXPECT_EQ(veces->Veces(), 1);
    EXPECT_EQ(visto, FormaModal::Tipo::FinPartida);
    EXPECT_EQ(juego.Variables.Partida_Terminada, Bandera::S);
    EXPECT_EQ(juego.Paneles[ultima].Caption, std::to_string(ValorResuelto(ultima)));
    EXPECT_EQ(DialogoModal::Abierto(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Celdas, FinDePartida, testing::Values("P1_1", "P5_5", "P9_9", "P7_3"));

// ---------------------------------------------------------------------------
// Keyboard

TEST(Teclado, LaFlechaMueveLaSeleccionYUnDigitoEscribe) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    QTest::keyClick(&app->Vista(), Qt::Key_Right);
    EXPECT_EQ(juego.Variables.Panel_Activo, "P1_2");
    QTest::keyClick(&app->Vista(), Qt::Key_Down);
    EXPECT_EQ(juego.Variables.Panel_Activo, "P1_5");
    QTest::keyClick(&app->Vista(), Qt::Key_7);
    EXPECT_EQ(juego.Paneles[tablero::Indice("P1_5")].Caption, "7");
    EXPECT_EQ(app->Vista().Celda(tablero::Indice("P1_5"))->Estado().Caption, "7");
}

TEST(Teclado, AltConLaLetraEjecutaLaOrden) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    ASSERT_NE(juego.Variables.Reloj_Activo, Bandera::S);
    QTest::keyClick(&app->Vista(), Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(juego.Variables.Reloj_Activo, Bandera::S);
    // One button to a screen reader: the picture carries the label's words.
    EXPECT_EQ(Widget(*app, "BReloj")->accessibleName().toStdString(), "Reloj Si");
    EXPECT_TRUE(Widget(*app, "LBReloj")->accessibleName().isEmpty());
}

TEST(Teclado, AltConUnaLetraDeOrdenInactivaNoHaceNada) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    // Pausa and Pista share Alt+P and both are off outside a game.
    auto veces = AlAparecerDialogo([](DialogoModal& d) { d.Forma().CerrarVentana(); });
    QTest::keyClick(&app->Vista(), Qt::Key_P, Qt::AltModifier);
    QTest::qWait(20);
    EXPECT_EQ(veces->Veces(), 0);
    EXPECT_EQ(juego.Variables.Pista_Activa, Bandera::N);
}

// ---------------------------------------------------------------------------
// Commands: press effect, double click, exit

TEST(Ordenes, LaImagenYSuEtiquetaSeHundenMientrasSePulsan) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    QWidget* imagen = Widget(*app, "BNuevaPartida");
    QWidget* etiqueta = Widget(*app, "LBNuevaPartida");
    const QPoint ri = imagen->pos(), re = etiqueta->pos();
    QTest::mousePress(etiqueta, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(imagen->pos(), ri + QPoint(1, 1));
    EXPECT_EQ(etiqueta->pos(), re + QPoint(1, 1));
    // Let go away from the button: no new game.
    QTest::mouseRelease(etiqueta, Qt::LeftButton, {}, QPoint(-40, -40));
    EXPECT_EQ(imagen->pos(), ri);
    EXPECT_EQ(etiqueta->pos(), re);
    EXPECT_TRUE(juego.Partida.EPartida.empty());
}

class DobleClicInterruptor : public testing::TestWithParam<const char*> {};

TEST_P(DobleClicInterruptor, CadaClicDeUnDobleClicCuentaEnLosInterruptores) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    ASSERT_EQ(juego.Variables.Ayuda_Activa, Bandera::N);
    ASSERT_FALSE(app->Vista().Led()->Value());
    pruebas::DobleClic(Widget(*app, GetParam()));
    // Switched on and off again: the lamp tells that help was used.
    EXPECT_EQ(juego.Variables.Ayuda_Activa, Bandera::N);
    EXPECT_TRUE(juego.Ventana.Led1.Value);
    EXPECT_TRUE(app->Vista().Led()->Value());
}

INSTANTIATE_TEST_SUITE_P(Partes, DobleClicInterruptor, testing::Values("BVerTeclas", "LBVerTeclas"));

TEST(Ordenes, UnClicSimpleEnciendeLaAyuda) {
    auto app = ArrancarAceptando();
    QTest::mouseClick(Widget(*app, "BVerTeclas"), Qt::LeftButton);
    EXPECT_EQ(app->Juego().Variables.Ayuda_Activa, Bandera::S);
    EXPECT_TRUE(app->Vista().Celda(40)->Inferior()->isVisible());
}

TEST(Ordenes, ElDobleClicEnUnaOrdenNormalLaEjecutaUnaVez) {
    auto app = ArrancarAceptando();
    auto vigia = AlAparecerDialogo([](DialogoModal& d) { PulsarBoton(d, QStringLiteral("Cancelar")); }, true);
    pruebas::DobleClic(Widget(*app, "LBSalir"));
    QTest::qWait(30);
    EXPECT_EQ(vigia->Veces(), 1);
    EXPECT_TRUE(app->Vista().isVisible());
}

// ---------------------------------------------------------------------------
// The level dialog's "Solución única"

TEST(Nivel, MarcarSolucionUnicaYAceptarDaUnaPartidaDeUnaSolucion) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    bool hay_casilla = false, marcada_al_abrir = true, marcada_tras_clic = false;
    auto vigia = AlAparecerDialogo([&](DialogoModal& d) {
        QPointer<QCheckBox> casilla = d.findChild<QCheckBox*>(QStringLiteral("Casilla"));
        hay_casilla = !casilla.isNull();
        if (!hay_casilla) {
            PulsarBoton(d, QStringLiteral("Cancelar"));
            return;
        }
        marcada_al_abrir = casilla->isChecked();
        QTest::mouseClick(casilla, Qt::LeftButton, {}, casilla->rect().center());
        marcada_tras_clic = casilla->isChecked();
        PulsarBoton(d, QStringLiteral("MUyDifícil"));
        PulsarBoton(d, QStringLiteral("Aceptar"));
    });
    QTest::mouseClick(Widget(*app, "LBNivel"), Qt::LeftButton);
    ASSERT_EQ(vigia->Veces(), 1);
    ASSERT_TRUE(hay_casilla) << "the level dialog has no check box";
    EXPECT_FALSE(marcada_al_abrir);
    EXPECT_TRUE(marcada_tras_clic);
    EXPECT_TRUE(juego.Variables.Solucion_Unica);
    // The board as the window shows it.
    Rejilla cifras{};
    int fijos = 0;
    const auto& orden = tablero::OrdenRejilla();
    for (std::size_t i = 0; i < 81; ++i) {
        const Celda& celda = app->Vista().Celda(orden[i])->Estado();
        if (celda.Caption.empty()) continue;
        ASSERT_EQ(celda.Caption.size(), 1u);
        cifras[i] = static_cast<std::uint8_t>(celda.Caption[0] - '0');
        ++fijos;
    }
    EXPECT_EQ(fijos, 30);
    EXPECT_EQ(ContarSoluciones(cifras, 2), 1);
    EXPECT_EQ(Widget(*app, "PMensaje")->accessibleName().toStdString(), "Partida creada");
}

enum class Salida { Imagen, Etiqueta, CajaDeCierre, TeclaAlt };

class CancelarSalida : public testing::TestWithParam<Salida> {};

TEST_P(CancelarSalida, ElProgramaSigueYElBotonVuelveASuSitio) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    FormaModal::Tipo visto = FormaModal::Tipo::Inicio;
    auto veces = AlAparecerDialogo([&visto](DialogoModal& d) {
        visto = d.Forma().tipo;
        PulsarBoton(d, QStringLiteral("Cancelar"));
    });
    switch (GetParam()) {
        case Salida::Imagen: QTest::mouseClick(Widget(*app, "BSalir"), Qt::LeftButton); break;
        case Salida::Etiqueta: QTest::mouseClick(Widget(*app, "LBSalir"), Qt::LeftButton); break;
        case Salida::CajaDeCierre: app->Vista().close(); break;
        case Salida::TeclaAlt: QTest::keyClick(&app->Vista(), Qt::Key_S, Qt::AltModifier); break;
    }
    EXPECT_EQ(veces->Veces(), 1);
    EXPECT_EQ(visto, FormaModal::Tipo::Cerrar);
    EXPECT_EQ(juego.Variables.Respuesta_Salir, Bandera::N);
    EXPECT_TRUE(app->Vista().isVisible());
    EXPECT_EQ(Widget(*app, "BSalir")->pos(), QPoint(690, 474));
    EXPECT_EQ(Widget(*app, "LBSalir")->pos(), QPoint(697, 478));
    // Still playing.
    QTest::mouseClick(app->Vista().Celda(80), Qt::LeftButton);
    EXPECT_EQ(juego.Variables.Panel_Activo, "P9_9");
}

INSTANTIATE_TEST_SUITE_P(Formas, CancelarSalida,
                         testing::Values(Salida::Imagen, Salida::Etiqueta, Salida::CajaDeCierre, Salida::TeclaAlt));

TEST(Ordenes, UnaOrdenInactivaNoResponde) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    ASSERT_FALSE(juego.Ventana.BPausa.Enabled);
    auto veces = AlAparecerDialogo([](DialogoModal& d) { d.Forma().CerrarVentana(); });
    QTest::mouseClick(Widget(*app, "BPausa"), Qt::LeftButton);
    QTest::mouseClick(Widget(*app, "LBPausa"), Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_EQ(veces->Veces(), 0);
    EXPECT_FALSE(Widget(*app, "BPausa")->isEnabled());
}

// ---------------------------------------------------------------------------
// The picture on screen

TEST(Dibujo, ElTableroMuestraLasBarrasYLosColoresDeLasCeldas) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    juego.Paneles[tablero::Indice("P5_5")].Color_ = Naranja;
    juego.Paneles[tablero::Indice("P9_1")].Color_ = Granate;
    app->Vista().Sincronizar();
    const QImage img = Widget(*app, "PanelJuego")->grab().toImage();
    ASSERT_EQ(img.size(), QSize(juego.Ventana.PanelJuego.Width, juego.Ventana.PanelJuego.Height));
    const QRgb barra = vista::AColor(BarraBloque).rgb();
    for (int fila = 1; fila <= 9; ++fila) {
        const int y = tablero::ArribaFila[static_cast<std::size_t>(fila - 1)] + 20;
        EXPECT_EQ(img.pixel(215, y), barra) << "fila " << fila;
        EXPECT_EQ(img.pixel(428, y), barra) << "fila " << fila;
    }
    for (int columna = 1; columna <= 9; ++columna) {
        const int x = tablero::IzquierdaColumna[static_cast<std::size_t>(columna - 1)] + 10;
        EXPECT_EQ(img.pixel(x, 132), barra) << "columna " << columna;
        EXPECT_EQ(img.pixel(x, 265), barra) << "columna " << columna;
    }
    // Every cell in its colour, sampled near its top-left corner, away from
    // the digit and the labels.
    for (int c = 0; c < NumCeldas; ++c) {
        const QPoint p(tablero::Izquierda(c) + 2, tablero::Arriba(c) + 15);
        EXPECT_EQ(img.pixel(p), vista::AColor(juego.Paneles[c].Color_).rgb()) << tablero::Nombre(c);
    }
    // Between two cells of a block the brown board shows through.
    EXPECT_EQ(img.pixel(75, 20), vista::AColor(Marron).rgb());
}

}  // namespace
}  // namespace novenario::pruebas

namespace novenario::pruebas {
namespace {

class MicroTeclado : public testing::TestWithParam<const char*> {};

TEST_P(MicroTeclado, SigueALaCeldaYEscribeConSusTeclas) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    QTest::mouseClick(Widget(*app, "LBMicroTeclas"), Qt::LeftButton);
    const int c = tablero::Indice(GetParam());
    QTest::mouseClick(app->Vista().Celda(c), Qt::LeftButton);
    QWidget* micro = Widget(*app, "PMicroTeclas");
    ASSERT_TRUE(micro->isVisible());
    EXPECT_EQ(micro->pos(), QPoint(juego.Ventana.PMicroTeclas.Left, juego.Ventana.PMicroTeclas.Top));
    // Beside the cell, inside the board.
    EXPECT_TRUE(Widget(*app, "PanelJuego")->rect().contains(micro->geometry()));
    const int d = ValorResuelto(c);
    QWidget* tecla = Widget(*app, QStringLiteral("PT%1").arg(d));
    const QPoint casa = tecla->pos();
    QTest::mousePress(tecla, Qt::LeftButton);
    EXPECT_EQ(tecla->pos(), casa + QPoint(1, 1));
    QTest::mouseRelease(tecla, Qt::LeftButton);
    EXPECT_EQ(tecla->pos(), casa);
    EXPECT_EQ(juego.Paneles[c].Caption, std::to_string(d));
    // The erase key appears once the cell holds a value, and empties it.
    QWidget* borrar = Widget(*app, "PTBorrar");
    ASSERT_TRUE(borrar->isVisible());
    QTest::mouseClick(borrar, Qt::LeftButton);
    EXPECT_EQ(juego.Paneles[c].Caption, "");
}

// Corners and the columns and rows where the keypad changes side.
INSTANTIATE_TEST_SUITE_P(Celdas, MicroTeclado, testing::Values("P1_1", "P3_3", "P7_7", "P9_9", "P5_5", "P2_6"));

TEST(Ayuda, ConLaAyudaSoloQuedanLasTeclasPosibles) {
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    // The peers of P5_5 hold 1, 2 and 3.
    juego.Paneles[tablero::Indice("P5_1")].Caption = "1";
    juego.Paneles[tablero::Indice("P4_5")].Caption = "2";
    juego.Paneles[tablero::Indice("P2_8")].Caption = "3";
    QTest::mouseClick(Widget(*app, "BVerTeclas"), Qt::LeftButton);
    QTest::mouseClick(app->Vista().Celda(tablero::Indice("P5_5")), Qt::LeftButton);
    for (int d = 1; d <= 9; ++d) {
        QWidget* b = Widget(*app, QStringLiteral("B%1").arg(d));
        EXPECT_EQ(b->isVisible(), d > 3) << d;
        EXPECT_EQ(b->isVisible(), juego.Ventana.B[static_cast<std::size_t>(d - 1)].Visible) << d;
    }
    QTest::mouseClick(Widget(*app, "BVerTeclas"), Qt::LeftButton);
    for (int d = 1; d <= 9; ++d) EXPECT_TRUE(Widget(*app, QStringLiteral("B%1").arg(d))->isVisible()) << d;
}

}  // namespace
}  // namespace novenario::pruebas
