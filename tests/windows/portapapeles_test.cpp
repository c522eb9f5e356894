// The clipboard through the real window: Ctrl+V pastes a puzzle copied
// from elsewhere, Ctrl+C copies the board for any other solver.
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "ayudas.h"
#include "windows/celda.h"
#include "windows/pulsable.h"

namespace novenario::pruebas {
namespace {

// The classic puzzle as a web page draws it.
const char* const kDibujado =
    "5 3 . | . 7 . | . . .\n6 . . | 1 9 5 | . . .\n. 9 8 | . . . | . 6 .\n------+-------+------\n"
    "8 . . | . 6 . | . . 3\n4 . . | 8 . 3 | . . 1\n7 . . | . 2 . | . . 6\n------+-------+------\n"
    ". 6 . | . . . | 2 8 .\n. . . | 4 1 9 | . . 5\n. . . | . 8 . | . 7 9\n";
const char* const kClasico = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

void Tecla(vista::Aplicacion& app, Qt::Key tecla) {
    QTest::keyClick(Foco(app.Vista()), tecla, Qt::ControlModifier);
}

std::string Rejilla(vista::Aplicacion& app) {
    std::string r;
    for (int c : tablero::OrdenRejilla()) {
        const std::string& v = app.Vista().Juego().Paneles[c].Caption;
        r += v.empty() ? "." : v;
    }
    return r;
}

QString Texto(vista::Aplicacion& app, const char* control) {
    auto* v = qobject_cast<vista::ControlVista*>(Widget(app, QString::fromLatin1(control)));
    return v ? v->TextoLimpio() : QString();
}

TEST(Portapapeles, CtrlVPegaUnTableroDibujadoConSuSolucion) {
    auto app = ArrancarAceptando();
    QGuiApplication::clipboard()->setText(QString::fromUtf8(kDibujado));
    Tecla(*app, Qt::Key_V);

    EXPECT_EQ(Rejilla(*app), kClasico);
    const TFormPrincipal& juego = app->Vista().Juego();
    EXPECT_EQ(juego.Paneles[tablero::Indice("P1_1")].Color_, Naranja);
    EXPECT_FALSE(app->Vista().Celda(tablero::Indice("P1_1"))->isEnabled());
    EXPECT_EQ(Texto(*app, "PMensaje"), QStringLiteral("Tablero pegado"));
    EXPECT_EQ(Texto(*app, "PFichero"), QString::fromUtf8(RotuloPegado));
    EXPECT_EQ(Texto(*app, "LPHor") + Texto(*app, "LPMin") + Texto(*app, "LPseg"), QStringLiteral("000000"));
    // "Solución" has the solution to put in, and the game ends.
    {
        auto fin = AlAparecerDialogo([](vista::DialogoModal& d) { PulsarBoton(d, QStringLiteral("Aceptar")); });
        QTest::mouseClick(Widget(*app, "BSolucion"), Qt::LeftButton);
        EXPECT_EQ(fin->Veces(), 1);
    }
    EXPECT_EQ(Rejilla(*app), "534678912672195348198342567859761423426853791713924856961537284287419635345286179");
}

TEST(Portapapeles, CtrlVConAlgoQueNoEsUnTableroSoloAvisa) {
    auto app = ArrancarAceptando();
    QTest::mouseClick(app->Vista().Celda(tablero::Indice("P5_5")), Qt::LeftButton);
    QTest::mouseClick(Widget(*app, "B4"), Qt::LeftButton);
    const std::string antes = Rejilla(*app);
    for (const char* texto : {"Lista de la compra: pan, 2 huevos", ""}) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(texto));
        Tecla(*app, Qt::Key_V);
        EXPECT_EQ(Rejilla(*app), antes) << texto;
        EXPECT_EQ(Texto(*app, "PMensaje"), QStringLiteral("El texto pegado no es un tablero")) << texto;
        EXPECT_EQ(app->Vista().Juego().Ventana.PMensaje.FontColor, Granate);
        EXPECT_EQ(Texto(*app, "PFichero"), QStringLiteral("Fichero"));
    }
}

TEST(Portapapeles, CtrlCYCtrlVDanLaVueltaAlTablero) {
    auto app = ArrancarAceptando();
    QGuiApplication::clipboard()->setText(QString::fromUtf8(kClasico));
    Tecla(*app, Qt::Key_V);
    QTest::mouseClick(app->Vista().Celda(tablero::Indice("P1_3")), Qt::LeftButton);
    QTest::mouseClick(Widget(*app, "B4"), Qt::LeftButton);
    const std::string antes = Rejilla(*app);
    ASSERT_EQ(antes.substr(0, 3), "534");

    QGuiApplication::clipboard()->clear();
    Tecla(*app, Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(antes) + QLatin1Char('\n'));
    Tecla(*app, Qt::Key_V);
    EXPECT_EQ(Rejilla(*app), antes);
    EXPECT_EQ(app->Vista().Juego().Paneles[tablero::Indice("P1_3")].Color_, Naranja);
}

}  // namespace
}  // namespace novenario::pruebas
