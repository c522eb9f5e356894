// The keyboard as a player meets it: keys sent to the window go through the
// same door as clicks, the key table holds for what a real keyboard types,
// the standard shortcuts run their buttons, and dialogs answer Enter and
// Escape.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>

#include "ayudas.h"
#include "windows/celda.h"
#include "windows/led.h"

namespace novenario::pruebas {
namespace {

using vista::DialogoModal;

// A key as the player's keyboard delivers it: the key, the text it types,
// the modifiers held.
struct Pulsacion {
    Qt::Key tecla;
    const char* texto;
    Qt::KeyboardModifiers modificadores = Qt::NoModifier;
};

void Pulsar(vista::Aplicacion& app, const Pulsacion& p) {
    QTest::sendKeyEvent(QTest::Click, Foco(app.Vista()), p.tecla, QString::fromLatin1(p.texto),
                        p.modificadores);
}

const TFormPrincipal& Juego(vista::Aplicacion& app) { return app.Vista().Juego(); }

void ClicCelda(vista::Aplicacion& app, const char* nombre) {
    QTest::mouseClick(app.Vista().Celda(tablero::Indice(nombre)), Qt::LeftButton);
}

std::string Valor(vista::Aplicacion& app, const char* nombre) {
    return Juego(app).Paneles[tablero::Indice(nombre)].Caption;
}

// ---------------------------------------------------------------------------
// The key table

struct CasoTecla {
    const char* nombre;
    Pulsacion pulsacion;
    const char* queda;    // P5_5 afterwards; it held "3"
    const char* activa;   // the selected cell afterwards
    bool limpia;          // the message line was cleared
};

void PrintTo(const CasoTecla& c, std::ostream* os) { *os << c.nombre; }

class TablaDeTeclas : public testing::TestWithParam<CasoTecla> {};

TEST_P(TablaDeTeclas, CadaTeclaHaceLoQueDiceLaTabla) {
    auto app = ArrancarAceptando();
    ClicCelda(*app, "P5_5");
    Pulsar(*app, {Qt::Key_3, "3"});
    ASSERT_EQ(Valor(*app, "P5_5"), "3");
    ASSERT_EQ(Juego(*app).Ventana.PMensaje.Caption, "Número 3 aceptado");
    const std::size_t movimientos = Juego(*app).Variables.LBPanel.size();

    const CasoTecla& k = GetParam();
    Pulsar(*app, k.pulsacion);
    EXPECT_EQ(Valor(*app, "P5_5"), k.queda);
    EXPECT_EQ(Juego(*app).Variables.Panel_Activo, k.activa);
    EXPECT_EQ(Juego(*app).Ventana.PMensaje.Caption.empty(), k.limpia);
    EXPECT_EQ(Juego(*app).Variables.LBPanel.size() > movimientos, std::string(k.queda) != "3");
}

INSTANTIATE_TEST_SUITE_P(
    Teclas, TablaDeTeclas,
    testing::Values(
        // Only the four arrows move.
        CasoTecla{"izquierda", {Qt::Key_Left, ""}, "3", "P5_4", true},
        CasoTecla{"abajo", {Qt::Key_Down, ""}, "3", "P5_8", true},
        CasoTecla{"porcentaje", {Qt::Key_Percent, "%", Qt::ShiftModifier}, "3", "P5_5", true},
        CasoTecla{"ampersand", {Qt::Key_Ampersand, "&", Qt::ShiftModifier}, "3", "P5_5", true},
        CasoTecla{"apostrofo", {Qt::Key_Apostrophe, "'"}, "3", "P5_5", true},
        CasoTecla{"parentesis", {Qt::Key_ParenLeft, "(", Qt::ShiftModifier}, "3", "P5_5", true},
        // Digits enter, the erase keys erase: Supr and the backspace too.
        CasoTecla{"siete", {Qt::Key_7, "7"}, "7", "P5_5", false},
        CasoTecla{"siete del teclado numerico", {Qt::Key_7, "7", Qt::KeypadModifier}, "7", "P5_5", false},
        CasoTecla{"espacio", {Qt::Key_Space, " "}, "", "P5_5", true},
        CasoTecla{"suprimir", {Qt::Key_Delete, "\x7f"}, "", "P5_5", true},
        CasoTecla{"retroceso", {Qt::Key_Backspace, "\b"}, "", "P5_5", true},
        CasoTecla{"C mayuscula", {Qt::Key_C, "C", Qt::ShiftModifier}, "", "P5_5", true},
        CasoTecla{"c minuscula", {Qt::Key_C, "c"}, "3", "P5_5", true},
        // Keys that type nothing still run the common steps.
        CasoTecla{"inicio", {Qt::Key_Home, ""}, "3", "P5_5", true},
        CasoTecla{"F5", {Qt::Key_F5, ""}, "3", "P5_5", true},
        CasoTecla{"escape", {Qt::Key_Escape, "\x1b"}, "3", "P5_5", true},
        // With Ctrl a digit types nothing.
        CasoTecla{"Ctrl+5", {Qt::Key_5, "5", Qt::ControlModifier}, "3", "P5_5", true},
        // A modifier alone is half of a key still being typed.
        CasoTecla{"mayusculas sola", {Qt::Key_Shift, "", Qt::ShiftModifier}, "3", "P5_5", false}));

// ---------------------------------------------------------------------------
// One door: during "Calcula" keys reach nothing

// What a key could change: the board, the move list, the message line, the
// banner, the selection.
struct Foto {
    std::vector<std::string> tablero, movimientos;
    std::string mensaje, activa;
    bool banner = false;
    bool operator==(const Foto&) const = default;
};

Foto Fotografiar(const TFormPrincipal& j) {
    Foto f;
    for (int c = 0; c < NumCeldas; ++c) f.tablero.push_back(j.Paneles[c].Caption);
    f.movimientos = j.Variables.LBPanel;
    f.mensaje = j.Ventana.PMensaje.Caption;
    f.activa = j.Variables.Panel_Activo;
    f.banner = j.Ventana.PError.Visible;
    return f;
}

struct Resultado {
    Foto final;
    std::string mensaje, contador;
    int enviadas = 0, cambios = 0;  // keys sent during the run, and how many changed something
};

// "Calcula" on the empty board, cut short by a small step limit so the run
// is brief; with molestar, keys rain on the window at every pump of the run.
Resultado CalculaConTeclas(bool molestar) {
    auto app = ArrancarAceptando();
    app->Juego().Motor.Limite_Pasos = 60;
    auto dialogos = AlAparecerDialogo([](DialogoModal& d) { d.Pulsar(d.Forma().Predeterminado()); }, true);
    const Pulsacion lluvia[] = {{Qt::Key_3, "3"}, {Qt::Key_Space, " "}, {Qt::Key_Right, ""},
                                {Qt::Key_Delete, "\x7f"}, {Qt::Key_Down, ""}, {Qt::Key_Z, "", Qt::ControlModifier},
                                {Qt::Key_N, "", Qt::ControlModifier}, {Qt::Key_B, "", Qt::AltModifier}};
    Resultado r;
    std::size_t siguiente = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (!molestar || !Juego(*app).Variables.Proceso_Largo || QApplication::activeModalWidget()) return;
        const Foto antes = Fotografiar(Juego(*app));
        const Pulsacion& p = lluvia[siguiente];
        QTest::sendKeyEvent(QTest::Click, &app->Vista(), p.tecla, QString::fromLatin1(p.texto), p.modificadores);
        siguiente = (siguiente + 1) % std::size(lluvia);
        ++r.enviadas;
        if (!(Fotografiar(Juego(*app)) == antes)) ++r.cambios;
    });
    timer.start(0);
    QTest::mouseClick(Widget(*app, "LBRellena"), Qt::LeftButton);
    timer.stop();
    r.final = Fotografiar(Juego(*app));
    r.mensaje = Juego(*app).Motor.Mensaje_Calculo;
    r.contador = Juego(*app).Ventana.PContador_Jug.Caption;
    return r;
}

TEST(UnaPuerta, LasTeclasDuranteCalculaNoTocanNada) {
    const Resultado solo = CalculaConTeclas(false);
    ASSERT_EQ(solo.mensaje, "Sin tiempo");
    const Resultado molestado = CalculaConTeclas(true);
    EXPECT_GT(molestado.enviadas, 3);
    EXPECT_EQ(molestado.cambios, 0);
    EXPECT_TRUE(molestado.final == solo.final);
    EXPECT_EQ(molestado.mensaje, solo.mensaje);
    EXPECT_EQ(molestado.contador, solo.contador);
}

// ---------------------------------------------------------------------------
// Typed faster than the game answers: one entry finishes before the next

// A key and a click as the desktop queues them for a player who types with
// no delay: waiting in the window system's queue, not yet handled.
using Cola = QWindowSystemInterface::AsynchronousDelivery;

void TeclaEnCola(vista::Aplicacion& app, const Pulsacion& p) {
    QWindow* w = app.Vista().windowHandle();
    const QString texto = QString::fromLatin1(p.texto);
    QWindowSystemInterface::handleKeyEvent<Cola>(w, QEvent::KeyPress, p.tecla, p.modificadores, texto);
    QWindowSystemInterface::handleKeyEvent<Cola>(w, QEvent::KeyRelease, p.tecla, p.modificadores, texto);
}

void ClicEnCola(vista::Aplicacion& app, const char* nombre) {
    QWidget* celda = app.Vista().Celda(tablero::Indice(nombre));
    const QPoint centro = celda->rect().center();
    const QPointF local = celda->mapTo(&app.Vista(), centro), global = celda->mapToGlobal(centro);
    QWindow* w = app.Vista().windowHandle();
    QWindowSystemInterface::handleMouseEvent<Cola>(w, local, global, Qt::LeftButton, Qt::LeftButton,
                                                   QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<Cola>(w, local, global, Qt::NoButton, Qt::LeftButton,
                                                   QEvent::MouseButtonRelease);
}

struct Rafaga {
    const char* nombre;
    std::vector<Pulsacion> teclas;  // typed into P1_1, on the empty board
    const char* clic;               // the cell clicked right after them
};

void PrintTo(const Rafaga& r, std::ostream* os) { *os << r.nombre; }

// The keys and the click one at a time, each handled before the next is
// sent; or all queued at once and the event loop left to take them.
Foto Teclear(const Rafaga& r, bool de_golpe) {
    auto app = ArrancarAceptando();
    ClicCelda(*app, "P1_1");
    for (const Pulsacion& p : r.teclas) {
        if (de_golpe) TeclaEnCola(*app, p);
        else Pulsar(*app, p);
    }
    if (de_golpe) {
        ClicEnCola(*app, r.clic);
        for (int i = 0; i < 1000 && QWindowSystemInterface::windowSystemEventsQueued() > 0; ++i)
            QCoreApplication::processEvents();
        EXPECT_EQ(QWindowSystemInterface::windowSystemEventsQueued(), 0);
        QCoreApplication::processEvents();
    } else {
        ClicCelda(*app, r.clic);
    }
    return Fotografiar(Juego(*app));
}

class DeGolpe : public testing::TestWithParam<Rafaga> {};

// Queued keys end as the same keys typed slowly: the last digit typed
// stays, the move list is in the order typed, the click comes last.
TEST_P(DeGolpe, LasTeclasEnColaHacenLoQueUnaAUna) {
    const Foto despacio = Teclear(GetParam(), false);
    const Foto deprisa = Teclear(GetParam(), true);
    EXPECT_EQ(deprisa.tablero, despacio.tablero);
    EXPECT_EQ(deprisa.movimientos, despacio.movimientos);
    EXPECT_EQ(deprisa.mensaje, despacio.mensaje);
    EXPECT_EQ(deprisa.activa, despacio.activa);
    EXPECT_EQ(deprisa.banner, despacio.banner);
    EXPECT_EQ(deprisa.activa, GetParam().clic);
}

INSTANTIATE_TEST_SUITE_P(
    Teclado, DeGolpe,
    testing::Values(Rafaga{"cuatro cifras", {{Qt::Key_1, "1"}, {Qt::Key_2, "2"}, {Qt::Key_3, "3"}, {Qt::Key_4, "4"}}, "P5_5"},
                    Rafaga{"cifra, flecha y la misma cifra",
                           {{Qt::Key_5, "5"}, {Qt::Key_Right, ""}, {Qt::Key_5, "5"}, {Qt::Key_Right, ""}, {Qt::Key_6, "6"}},
                           "P9_9"},
                    Rafaga{"cifra, borrar, deshacer",
                           {{Qt::Key_7, "7"}, {Qt::Key_Delete, "\x7f"}, {Qt::Key_8, "8"}, {Qt::Key_Z, "", Qt::ControlModifier},
                            {Qt::Key_9, "9"}},
                           "P2_1"}));

// What the player of "1234" sees: the 4 in the cell, four entries in order.
TEST(DeGolpe, CuatroCifrasSeguidasDejanLaUltima) {
    const Foto f = Teclear(Rafaga{"", {{Qt::Key_1, "1"}, {Qt::Key_2, "2"}, {Qt::Key_3, "3"}, {Qt::Key_4, "4"}}, "P5_5"}, true);
    EXPECT_EQ(f.tablero[static_cast<std::size_t>(tablero::Indice("P1_1"))], "4");
    std::vector<std::string> cifras;
    for (const std::string& m : f.movimientos)
        if (m != "P1_1--B") cifras.push_back(m);
    EXPECT_EQ(cifras, (std::vector<std::string>{"P1_1--1", "P1_1--2", "P1_1--3", "P1_1--4"}));
    EXPECT_EQ(f.activa, "P5_5");
}

// ---------------------------------------------------------------------------
// Shortcuts

TEST(Atajos, CtrlZDeshaceYCtrlYRehaceSoloCuandoSusTeclasEstanActivas) {
    auto app = ArrancarAceptando();
    ClicCelda(*app, "P2_2");
    Pulsar(*app, {Qt::Key_Z, "", Qt::ControlModifier});  // nothing to undo yet
    EXPECT_TRUE(Juego(*app).Variables.LBPanel.empty());
    Pulsar(*app, {Qt::Key_4, "4"});
    ASSERT_EQ(Valor(*app, "P2_2"), "4");
    Pulsar(*app, {Qt::Key_Z, "", Qt::ControlModifier});
    EXPECT_EQ(Valor(*app, "P2_2"), "");
    Pulsar(*app, {Qt::Key_Y, "", Qt::ControlModifier});
    EXPECT_EQ(Valor(*app, "P2_2"), "4");
    Pulsar(*app, {Qt::Key_Z, "", Qt::ControlModifier});
    Pulsar(*app, {Qt::Key_Z, "", Qt::ControlModifier | Qt::ShiftModifier});
    EXPECT_EQ(Valor(*app, "P2_2"), "4");
}

TEST(Atajos, CtrlNCreaUnaPartidaYLosAtajosLoDicenEnSuAyuda) {
    auto app = ArrancarAceptando();
    Pulsar(*app, {Qt::Key_N, "", Qt::ControlModifier});
    EXPECT_EQ(Juego(*app).Partida.EPartida.size(), 81u);
    EXPECT_TRUE(Widget(*app, "LBNuevaPartida")->toolTip().contains(QStringLiteral("Ctrl+N")))
        << Widget(*app, "LBNuevaPartida")->toolTip().toStdString();
    const QString rehacer = Widget(*app, "BAdelante")->toolTip();
    EXPECT_EQ(rehacer.toStdString(), " Rehacer (Ctrl+Y, Ctrl+Mayús+Z) ");
}

// Pausa and Pista share Alt+P: the one that is on answers.
TEST(Atajos, AltPEsLaPistaFueraDeCalculaYLaPausaDentro) {
    auto app = ArrancarAceptando();
    Pulsar(*app, {Qt::Key_N, "", Qt::ControlModifier});
    ASSERT_TRUE(Juego(*app).Ventana.LBVerPistasR.Enabled);
    Pulsar(*app, {Qt::Key_P, "", Qt::AltModifier});
    EXPECT_EQ(Juego(*app).Variables.Pista_Activa, Bandera::S);

    int pausas = 0;
    auto dialogos = AlAparecerDialogo(
        [&](DialogoModal& d) {
            if (d.Forma().tipo == FormaModal::Tipo::Pausa) ++pausas;
            d.Pulsar(d.Forma().Predeterminado());
        },
        true);
    bool pulsada = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (pulsada || !Juego(*app).Ventana.LBpausaR.Enabled || QApplication::activeModalWidget()) return;
        pulsada = true;
        Pulsar(*app, {Qt::Key_P, "", Qt::AltModifier});
        Pulsar(*app, {Qt::Key_L, "", Qt::AltModifier});  // and Cancelar
    });
    timer.start(0);
    QTest::mouseClick(Widget(*app, "LBRellena"), Qt::LeftButton);
    EXPECT_TRUE(pulsada);
    EXPECT_EQ(pausas, 1);
    EXPECT_EQ(Juego(*app).Variables.Pista_Activa, Bandera::S);  // Alt+P went to the pause only
}

// Ctrl+Q goes through the exit confirmation; in it Escape is the close box
// (the game goes on) and Enter presses "Aceptar" (the program ends).
TEST(Atajos, CtrlQPreguntaYEscapeSigueJugando) {
    auto app = ArrancarAceptando();
    QString foco;
    auto vigia = AlAparecerDialogo([&](DialogoModal& d) {
        foco = Foco(d)->objectName();
        QTest::keyClick(Foco(d), Qt::Key_Escape);
    });
    Pulsar(*app, {Qt::Key_Q, "", Qt::ControlModifier});
    EXPECT_EQ(vigia->Veces(), 1);
    EXPECT_EQ(foco.toStdString(), "BAceptar");
    EXPECT_NE(Juego(*app).Variables.Respuesta_Salir, Bandera::S);
    EXPECT_TRUE(app->Vista().isVisible());
}

TEST(AtajosDeathTest, CtrlQYEnterTerminaElPrograma) {
    EXPECT_EXIT(
        {
            auto app = ArrancarAceptando();
            auto vigia = AlAparecerDialogo([](DialogoModal& d) {
                QTest::keyClick(Foco(d), Qt::Key_Return);
            });
            // The program's event loop runs, and ends with the exit's code.
            QTimer::singleShot(0, [&] { Pulsar(*app, {Qt::Key_Q, "", Qt::ControlModifier}); });
            QTimer::singleShot(5000, [] { QCoreApplication::exit(5); });  // Enter did not end the program
            std::exit(QApplication::exec());
        },
        testing::ExitedWithCode(1), "");
}

// ---------------------------------------------------------------------------
// The fixed-cell notice and the error banner

// A free cell beside a fixed one of the new game, and the arrow from one to
// the other.
struct Vecinas {
    std::string libre;
    Qt::Key flecha;
};

Vecinas JuntoAUnaFija(const TFormPrincipal& j) {
    for (int c = 0; c < NumCeldas; ++c) {
        if (!j.Paneles[c].Enabled || tablero::Columna(c) == 9) continue;
        const int derecha = tablero::EnRejilla(tablero::Fila(c), tablero::Columna(c) + 1);
        if (!j.Paneles[derecha].Enabled) return {tablero::Nombre(c), Qt::Key_Right};
    }
    return {};
}

TEST(AvisoDeFija, SeleccionarUnaLibreDevuelveElTeclado) {
    auto app = ArrancarAceptando();
    Pulsar(*app, {Qt::Key_N, "", Qt::ControlModifier});
    const Vecinas v = JuntoAUnaFija(Juego(*app));
    ASSERT_FALSE(v.libre.empty());
    QWidget* teclado = Widget(*app, "PTeclasNum");
    QWidget* aviso = Widget(*app, "PTeclasCarga");
    for (const char* salida : {"LBVerTeclas", "celda"}) {
        ClicCelda(*app, v.libre.c_str());
        Pulsar(*app, {v.flecha, ""});
        ASSERT_TRUE(aviso->isVisible()) << salida;
        if (std::string(salida) == "celda") ClicCelda(*app, v.libre.c_str());
        else QTest::mouseClick(Widget(*app, salida), Qt::LeftButton);
        EXPECT_FALSE(aviso->isVisible()) << salida;
        EXPECT_TRUE(teclado->isVisible()) << salida;
    }
}

TEST(Banner, UnaLamparaEnCadaExtremo) {
    auto app = ArrancarAceptando();
    ClicCelda(*app, "P1_1");
    Pulsar(*app, {Qt::Key_5, "5"});
    ClicCelda(*app, "P1_2");
    Pulsar(*app, {Qt::Key_5, "5"});  // repeats in the block
    QWidget* banner = Widget(*app, "PError");
    ASSERT_TRUE(banner->isVisible());
    auto* izquierda = banner->findChild<vista::ThhALed*>(QStringLiteral("hhALed1"));
    auto* derecha = banner->findChild<vista::ThhALed*>(QStringLiteral("LedError"));
    ASSERT_TRUE(izquierda && derecha);
    for (auto* l : {izquierda, derecha}) {
        EXPECT_TRUE(banner->rect().contains(l->geometry())) << l->objectName().toStdString();
        EXPECT_EQ(l->geometry().center().y(), banner->rect().center().y());
    }
    EXPECT_LT(izquierda->geometry().right(), banner->width() / 4);
    EXPECT_GT(derecha->geometry().left(), banner->width() * 3 / 4);
}

}  // namespace
}  // namespace novenario::pruebas
