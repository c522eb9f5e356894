// "Siguiente paso" through the real window: Ctrl+H and the board's menu open
// the dialog, its buttons work as a player's clicks, and the outlines on the
// board come and go.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ayudas.h"
#include "windows/celda.h"
#include "windows/contornos.h"
#include "windows/led.h"
#include "windows/pulsable.h"

namespace novenario::pruebas {
namespace {

const char* const kClasico = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const char* const kSolucion = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

std::unique_ptr<vista::Aplicacion> ConClasico() {
    auto app = ArrancarAceptando();
    QGuiApplication::clipboard()->setText(QString::fromLatin1(kClasico));
    QTest::keyClick(Foco(app->Vista()), Qt::Key_V, Qt::ControlModifier);
    return app;
}

void CtrlH(vista::Aplicacion& app) { QTest::keyClick(Foco(app.Vista()), Qt::Key_H, Qt::ControlModifier); }

QString Mensaje(vista::DialogoModal& d) {
    auto* l = d.findChild<QLabel*>(QStringLiteral("PMensaje"));
    return l ? l->text() : QString();
}

QString Texto(vista::DialogoModal& d) {
    auto* t = d.findChild<QPlainTextEdit*>(QStringLiteral("TextoPaso"));
    return t ? t->toPlainText() : QString();
}

std::string Rejilla(vista::Aplicacion& app) {
    std::string r;
    for (int c : tablero::OrdenRejilla()) {
        const std::string& v = app.Vista().Juego().Paneles[c].Caption;
        r += v.empty() ? "." : v;
    }
    return r;
}

void Click(vista::Aplicacion& app, int fila, int columna) {
    QTest::mouseClick(app.Vista().Celda(tablero::EnRejilla(fila, columna)), Qt::LeftButton);
}

TEST(SiguientePaso, CtrlHExplicaEnDosTiemposYColocaComoElJugador) {
    auto app = ConClasico();
    vista::CapaContornos* capa = app->Vista().Contornos();
    ASSERT_NE(capa, nullptr);
    EXPECT_FALSE(app->Vista().Led()->Value());
    const std::string antes = Rejilla(*app);

    QString breve, completo;
    bool casa_vista = false, destino_visto = false;
    auto vigia = AlAparecerDialogo([&](vista::DialogoModal& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral(" Novenario.  Siguiente paso."));
        EXPECT_TRUE(Mensaje(d).startsWith(QStringLiteral("Dificultad de la partida: "))) << Mensaje(d).toStdString();
        breve = Texto(d);
        // The wait cursor of the work before the dialog is not the dialog's.
        const QCursor* cursor = QGuiApplication::overrideCursor();
        EXPECT_TRUE(!cursor || cursor->shape() == Qt::ArrowCursor) << (cursor ? cursor->shape() : -1);
        casa_vista = capa->isVisible() && !capa->Marcas().Casas.empty();
        PulsarBoton(d, QStringLiteral("Más"));
        completo = Texto(d);
        destino_visto = capa->isVisible() && capa->Marcas().Destino >= 0;
        PulsarBoton(d, QStringLiteral("Colocar"));
    });
    CtrlH(*app);
    ASSERT_EQ(vigia->Veces(), 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "no cursor is left behind";
    EXPECT_FALSE(breve.isEmpty());
    EXPECT_GT(completo.size(), breve.size()) << "\"Más\" tells the whole reasoning";
    EXPECT_TRUE(completo.contains(QStringLiteral("\"Colocar\" pone el "))) << completo.toStdString();
    EXPECT_TRUE(casa_vista) << "the house is outlined behind the dialog";
    EXPECT_TRUE(destino_visto) << "\"Más\" outlines the cell";
    EXPECT_FALSE(vista::DialogoModal::Abierto());

    // One digit more, the solution's, entered as a player's.
    const std::string despues = Rejilla(*app);
    int puestas = 0;
    for (std::size_t g = 0; g < 81; ++g) {
        if (despues[g] == antes[g]) continue;
        ++puestas;
        EXPECT_EQ(antes[g], '.');
        EXPECT_EQ(despues[g], kSolucion[g]);
        auto* mensaje = qobject_cast<vista::ControlVista*>(Widget(*app, QStringLiteral("PMensaje")));
        EXPECT_EQ(mensaje->TextoLimpio(), QStringLiteral("Número %1 aceptado").arg(QLatin1Char(despues[g])));
    }
    EXPECT_EQ(puestas, 1);
    EXPECT_EQ(app->Vista().Juego().Variables.LBPanel.size(), 2u);
    EXPECT_TRUE(app->Vista().Led()->Value()) << "assistance used";
    EXPECT_FALSE(capa->isVisible()) << "placing the digit takes the outlines away";
}

TEST(SiguientePaso, EscapeCierraSinCambiarNadaYElSiguienteClicQuitaLosContornos) {
    auto app = ConClasico();
    vista::CapaContornos* capa = app->Vista().Contornos();
    const std::string antes = Rejilla(*app);
    const auto movimientos = app->Vista().Juego().Variables.LBPanel;
    std::vector<Color> colores;
    for (int c = 0; c < NumCeldas; ++c) colores.push_back(app->Vista().Juego().Paneles[c].Color_);
    auto vigia = AlAparecerDialogo([](vista::DialogoModal& d) { QTest::keyClick(Foco(d), Qt::Key_Escape); });
    CtrlH(*app);
    ASSERT_EQ(vigia->Veces(), 1);
    EXPECT_EQ(Rejilla(*app), antes);
    EXPECT_EQ(app->Vista().Juego().Variables.LBPanel, movimientos);
    // The house stays outlined for the player to look at, until the next action.
    EXPECT_TRUE(capa->isVisible());
    for (int c = 0; c < NumCeldas; ++c)
        EXPECT_EQ(app->Vista().Juego().Paneles[c].Color_, colores[static_cast<std::size_t>(c)])
            << "the outlines are the window's own layer";
    Click(*app, 1, 3);
    EXPECT_FALSE(capa->isVisible());
}

TEST(SiguientePaso, UnaCifraEquivocadaDelJugadorSeDeshaceConVolver) {
    auto app = ConClasico();
    Click(*app, 1, 3);
    QTest::mouseClick(Widget(*app, QStringLiteral("B1")), Qt::LeftButton);  // the solution has 4
    ASSERT_EQ(app->Vista().Juego().Paneles[tablero::EnRejilla(1, 3)].Caption, "1");

    QString texto;
    auto vigia = AlAparecerDialogo([&](vista::DialogoModal& d) {
        texto = Texto(d);
        PulsarBoton(d, QStringLiteral("Volver"));
    });
    CtrlH(*app);
    ASSERT_EQ(vigia->Veces(), 1);
    EXPECT_TRUE(texto.startsWith(QStringLiteral("El 1 de la fila 1, columna 3 no lleva a ninguna solución.")))
        << texto.toStdString();
    EXPECT_EQ(app->Vista().Juego().Paneles[tablero::EnRejilla(1, 3)].Caption, "");
    EXPECT_EQ(Rejilla(*app), kClasico);
    EXPECT_TRUE(Widget(*app, QStringLiteral("BAdelante"))->isEnabled()) << "stepped back as \"<<\" does";
}

TEST(SiguientePaso, ElMenuDelTableroOfreceElPasoConSuAtajo) {
    auto app = ConClasico();
    QString texto, atajo;
    QPointer<QMenu> menu;
    // The menu is a popup, not a modal window: watch for it by hand.
    QTimer reloj;
    QObject::connect(&reloj, &QTimer::timeout, [&] {
        auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!m || menu) return;
        menu = m;
        ASSERT_FALSE(m->actions().isEmpty());
        QAction* a = m->actions().first();
        texto = a->text();
        atajo = a->shortcut().toString(QKeySequence::PortableText);
        QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(a).center());
    });
    reloj.start(5);
    auto vigia = AlAparecerDialogo([](vista::DialogoModal& d) { PulsarBoton(d, QStringLiteral("Cerrar")); });
    vista::CeldaVista* celda = app->Vista().Celda(tablero::EnRejilla(5, 5));
    QContextMenuEvent clic_derecho(QContextMenuEvent::Mouse, celda->rect().center(),
                                   celda->mapToGlobal(celda->rect().center()));
    QApplication::sendEvent(celda, &clic_derecho);
    reloj.stop();
    EXPECT_EQ(texto, QStringLiteral("Explicar el siguiente paso"));
    EXPECT_EQ(atajo, QStringLiteral("Ctrl+H"));
    EXPECT_EQ(vigia->Veces(), 1) << "the menu's entry opens the dialog";
    EXPECT_TRUE(app->Vista().Led()->Value());
}

// From the keyboard the same menu opens at the keyboard cursor's cell, with
// the menu key or Shift+F10, and its entry opens the dialog.
TEST(SiguientePaso, ElMenuDelTableroSeAbreDesdeElTeclado) {
    const std::pair<Qt::Key, Qt::KeyboardModifiers> teclas[] = {{Qt::Key_Menu, Qt::NoModifier},
                                                                {Qt::Key_F10, Qt::ShiftModifier}};
    for (const auto& [tecla, modificadores] : teclas) {
        auto app = ConClasico();
        QTest::keyClick(Foco(app->Vista()), Qt::Key_Down);
        const QWidget* celda = app->Vista().Celda(tablero::Indice(app->Vista().Juego().Variables.Panel_Activo));
        ASSERT_NE(celda, nullptr);
        // The menu lives while it is open: what the test needs is kept.
        QPointer<QMenu> menu;
        QString nombre;
        QPoint donde;
        QSize tamano;
        QTimer reloj;
        int esperas = 0;
        QObject::connect(&reloj, &QTimer::timeout, [&] {
            auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!m || menu) return;
            // Its entry is lit, so Enter takes it (a menu left unlit is
            // closed after a second, and the test fails).
            if (m->actions().isEmpty() || m->activeAction() != m->actions().first()) {
                if (++esperas > 200) m->close();
                return;
            }
            menu = m;
            nombre = m->objectName();
            donde = m->pos();
            tamano = m->size();
            QTest::keyClick(m, Qt::Key_Return);
        });
        reloj.start(5);
        auto vigia = AlAparecerDialogo([](vista::DialogoModal& d) { PulsarBoton(d, QStringLiteral("Cerrar")); });
        QTest::keyClick(Foco(app->Vista()), tecla, modificadores);
        reloj.stop();
        EXPECT_EQ(nombre, QStringLiteral("MenuTablero")) << "key " << tecla;
        // A menu that fits on the screen opens where the cursor is.
        const QPoint centro = celda->mapToGlobal(celda->rect().center());
        const QScreen* pantalla = app->Vista().screen();
        if (pantalla && pantalla->availableGeometry().contains(QRect(centro, tamano))) {
            EXPECT_EQ(donde, centro);
        }
        EXPECT_EQ(vigia->Veces(), 1) << "the menu's entry opens the dialog";
    }
}

TEST(SiguientePaso, LaPistaNombraCtrlH) {
    auto app = ArrancarAceptando();
    for (const char* nombre : {"BVerPista", "LBVerPista"})
        EXPECT_TRUE(Widget(*app, QString::fromLatin1(nombre))->toolTip().contains(QStringLiteral("Ctrl+H"))) << nombre;
}

}  // namespace
}  // namespace novenario::pruebas
