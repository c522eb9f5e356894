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
    const std::pair<const char*, const char*> casos[] = {
        {"Lista de la compra: pan, 2 huevos", "carácter no válido 'L' en la línea 1, posición 1"},
        {"", "el tablero tiene 0 caracteres y debe tener 81"},
    };
    for (const auto& [texto, motivo] : casos) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(texto));
        Tecla(*app, Qt::Key_V);
        EXPECT_EQ(Rejilla(*app), antes) << texto;
        EXPECT_EQ(Texto(*app, "PMensaje"),
                  QStringLiteral("El texto pegado no es un tablero: ") + QString::fromUtf8(motivo)) << texto;
        EXPECT_EQ(app->Vista().Juego().Ventana.PMensaje.FontColor, Granate);
        EXPECT_EQ(Texto(*app, "PFichero"), QStringLiteral("Fichero"));
    }
}

// What a player copies by mistake, and the reason the message line gives.
TEST(Portapapeles, CtrlVDiceEnLaLineaDeMensajesPorQueNoEsUnTablero) {
    auto app = ArrancarAceptando();
    const std::string antes = Rejilla(*app);
    const struct {
        const char* texto;
        const char* motivo;
    } casos[] = {
        {"53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n7...2...6\n.6....28.\n...419..5\n....8.79\n",
         "la fila 9 del tablero tiene 8 casillas y debe tener 9"},
        {"53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..7",
         "el tablero tiene 80 caracteres y debe tener 81"},
        {"Sudoku n.º 12\n53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79",
         "carácter no válido 'S' en la línea 1, posición 1"},
        {"53  7\n6  195\n 98    6\n8   6   3\n4  8 3  1\n7   2   6\n 6    28\n   419  5\n     8  79\n",
         "sus casillas no se alinean en 9 columnas, sino en 10"},
    };
    for (const auto& c : casos) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.texto));
        Tecla(*app, Qt::Key_V);
        EXPECT_EQ(Texto(*app, "PMensaje"), QStringLiteral("El texto pegado no es un tablero: ") + QString::fromUtf8(c.motivo));
        EXPECT_EQ(Rejilla(*app), antes) << c.texto;
    }
}

// A grid some programs copy: box drawing, a blank for every empty cell.
TEST(Portapapeles, CtrlVLeeUnaCuadriculaConBlancosPorSusColumnas) {
    auto app = ArrancarAceptando();
    const char* const cuadricula =
        "\u250C\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u252C\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u252C"
        "\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2510\n"
        "\u2502 5 3   \u2502   7   \u2502       \u2502\n"
        "\u2502 6     \u2502 1 9 5 \u2502       \u2502\n"
        "\u2502   9 8 \u2502       \u2502   6   \u2502\n"
        "\u251C\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u253C\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u253C"
        "\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2524\n"
        "\u2502 8     \u2502   6   \u2502     3 \u2502\n"
        "\u2502 4     \u2502 8   3 \u2502     1 \u2502\n"
        "\u2502 7     \u2502   2   \u2502     6 \u2502\n"
        "\u251C\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u253C\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u253C"
        "\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2524\n"
        "\u2502   6   \u2502       \u2502       \u2502\n"
        "\u2502       \u2502 4 1 9 \u2502     5 \u2502\n"
        "\u2502       \u2502   8   \u2502   7 9 \u2502\n"
        "\u2514\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2534\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2534"
        "\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2518\n";
    QGuiApplication::clipboard()->setText(QString::fromUtf8(cuadricula));
    Tecla(*app, Qt::Key_V);
    // The classic puzzle with the 2 and the 8 of its seventh row gone: the
    // seventh column has no digit left, and is placed by the blocks drawn
    // beside it.
    EXPECT_EQ(Rejilla(*app), "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6..........419..5....8..79");
    EXPECT_EQ(Texto(*app, "PMensaje"), QStringLiteral("El tablero pegado tiene más de una solución"));
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
