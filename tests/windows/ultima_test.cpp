// The last game through the real window: played, the program closed by one
// of its ways out, started again; a finished game, a damaged file and
// --nueva. And the same digit lit everywhere.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ayudas.h"
#include "windows/argumentos.h"
#include "windows/celda.h"

namespace novenario::pruebas {
namespace {

using vista::DialogoModal;

// XDG_STATE_HOME pointed at a folder of the test's own while it lives.
class Estado {
public:
    Estado() : antes_(qgetenv("XDG_STATE_HOME")) { qputenv("XDG_STATE_HOME", dir_.path().toLocal8Bit()); }
    ~Estado() { qputenv("XDG_STATE_HOME", antes_); }
    QString Fichero() const { return dir_.filePath(QStringLiteral("novenario/ultima.sdk")); }
    bool Existe() const { return QFile::exists(Fichero()); }
    QByteArray Bytes() const {
        QFile f(Fichero());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Poner(const QByteArray& bytes) const {
        QDir(dir_.path()).mkpath(QStringLiteral("novenario"));
        QFile f(Fichero());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private:
    QByteArray antes_;
    QTemporaryDir dir_;
};

// What a kept game must bring back.
struct Recuerdo {
    std::vector<std::string> valores, movimientos;
    std::vector<bool> fijas;
    long long segundos = 0;
    std::string solucion;
};

Recuerdo Recordar(const TFormPrincipal& j) {
    Recuerdo r;
    for (int c = 0; c < NumCeldas; ++c) {
        r.valores.push_back(j.Paneles[c].Caption);
        r.fijas.push_back(j.Paneles[c].Color_ == Naranja);
    }
    r.movimientos = j.Variables.LBPanel;
    r.segundos = j.Variables.Horas * 3600 + j.Variables.Minutos * 60 + j.Variables.Segundos;
    r.solucion = j.Partida.EPartida;
    return r;
}

// A new game with two of its free cells filled in by click and key.
void JugarUnPoco(vista::Aplicacion& app) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&app.Vista()));
    QTest::mouseClick(Widget(app, "LBNuevaPartida"), Qt::LeftButton);
    const TFormPrincipal& j = app.Juego();
    int hechas = 0;
    for (int c = 0; c < NumCeldas && hechas < 2; ++c) {
        if (!j.Paneles[c].Caption.empty()) continue;
        QTest::mouseClick(app.Vista().Celda(c), Qt::LeftButton);
        const char d = j.Partida.EPartida[static_cast<std::size_t>(c)];
        QTest::mouseClick(Widget(app, QStringLiteral("B") + QLatin1Char(d)), Qt::LeftButton);
        ++hechas;
    }
}

// Runs the action once the main window is on screen with no dialog over it
// (the start window comes first, inside the run).
void CuandoSeVea(vista::Aplicacion& app, std::function<void()> accion) {
    auto* t = new QTimer(&app.Vista());
    QObject::connect(t, &QTimer::timeout, t, [t, &app, accion] {
        if (!app.Vista().isVisible() || QApplication::activeModalWidget()) return;
        t->stop();
        t->deleteLater();
        accion();
    });
    t->start(10);
}

enum class Salida { Boton, CajaDeCierre, CtrlQ, FinDelBucle };

// Every way out keeps the game: the exit confirmation (its button, the close
// box, Ctrl+Q), or the event loop ended by something else (a session that
// closes).
class UltimaPartida : public testing::TestWithParam<Salida> {};

TEST_P(UltimaPartida, SeRecuperaTalComoSeDejo) {
    Estado estado;
    Recuerdo antes;
    int codigo = -1;
    {
        vista::Aplicacion app;
        auto inicio = AlAparecerDialogo([](DialogoModal& d) { PulsarBoton(d, QStringLiteral("Aceptar")); });
        std::unique_ptr<Vigia> salida;
        CuandoSeVea(app, [&] {
            JugarUnPoco(app);
            ASSERT_EQ(app.Juego().Variables.LBPanel.size(), 4u);
            if (GetParam() == Salida::FinDelBucle) {
                antes = Recordar(app.Juego());
                QCoreApplication::exit(0);
                return;
            }
            salida = AlAparecerDialogo([&](DialogoModal& d) {
                antes = Recordar(app.Juego());
                PulsarBoton(d, QStringLiteral("Aceptar"));
            });
            switch (GetParam()) {
                case Salida::Boton: QTest::mouseClick(Widget(app, "LBSalir"), Qt::LeftButton); break;
                case Salida::CajaDeCierre: app.Vista().close(); break;
                case Salida::CtrlQ: QTest::keyClick(&app.Vista(), Qt::Key_Q, Qt::ControlModifier); break;
                case Salida::FinDelBucle: break;
            }
        });
        QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
        codigo = app.Ejecutar(vista::Orden{});
    }
    EXPECT_EQ(codigo, GetParam() == Salida::FinDelBucle ? 0 : 1);
    ASSERT_TRUE(estado.Existe());

    auto app = ArrancarAceptando(true);
    const TFormPrincipal& j = app->Juego();
    const Recuerdo despues = Recordar(j);
    EXPECT_EQ(despues.valores, antes.valores);
    EXPECT_EQ(despues.fijas, antes.fijas);
    EXPECT_EQ(despues.movimientos, antes.movimientos);
    EXPECT_EQ(despues.solucion, antes.solucion);
    // The clock counts on from where it stood; a tick may have come since.
    EXPECT_GE(despues.segundos, antes.segundos);
    EXPECT_LE(despues.segundos, antes.segundos + 2);
    EXPECT_EQ(j.Ventana.PMensaje.Caption, "Partida anterior recuperada");
    EXPECT_EQ(j.Ventana.PFichero.Caption, " Partida anterior");
    EXPECT_EQ(Widget(*app, "PFichero")->accessibleName(), QStringLiteral(" Partida anterior"));
    for (int c = 0; c < NumCeldas; ++c)
        ASSERT_EQ(app->Vista().Celda(c)->Estado().Caption, antes.valores[static_cast<std::size_t>(c)]);
}

INSTANTIATE_TEST_SUITE_P(Salidas, UltimaPartida,
                         testing::Values(Salida::Boton, Salida::CajaDeCierre, Salida::CtrlQ, Salida::FinDelBucle));

QByteArray Muestra(const char* nombre) {
    QFile f(QStringLiteral(NOVENARIO_DATOS "/sdk/") + QLatin1String(nombre));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A game the player finished is not kept, and the one kept before (which
// this run brought back) does not come back in its place.
TEST(UltimaPartidaTerminada, NoSeGuardaNiVuelveLaAnterior) {
    Estado estado;
    estado.Poner(Muestra("creada.sdk"));
    {
        vista::Aplicacion app;
        // The start window, the end of the game and the exit: all accepted.
        auto dialogos = AlAparecerDialogo([](DialogoModal& d) { PulsarBoton(d, QStringLiteral("Aceptar")); }, true);
        CuandoSeVea(app, [&] {
            EXPECT_EQ(app.Juego().Ventana.PFichero.Caption, " Partida anterior");
            JugarUnPoco(app);
            QTest::mouseClick(Widget(app, "LBSolucion"), Qt::LeftButton);
            for (int c = 0; c < NumCeldas; ++c) EXPECT_FALSE(app.Juego().Paneles[c].Caption.empty());
            QTest::mouseClick(Widget(app, "LBSalir"), Qt::LeftButton);
        });
        QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
        EXPECT_EQ(app.Ejecutar(vista::Orden{}), 1);
    }
    EXPECT_FALSE(estado.Existe());
    auto app = ArrancarAceptando(true);
    EXPECT_EQ(app->Juego().Ventana.PFichero.Caption, "Fichero");
    EXPECT_TRUE(app->Juego().Ventana.PMensaje.Caption.empty());
}

// A damaged or foreign file is ignored at start without a word, and left.
TEST(UltimaPartidaDanada, SeIgnoraYSeDeja) {
    for (const QByteArray& bytes : {QByteArray("{\\rtf1 roto"), QByteArray(162, ' ') + "xx0000",
                                    QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)}) {
        Estado estado;
        estado.Poner(bytes);
        int cajas = 0;
        auto vigia = AlAparecerModal<QMessageBox>([&](QMessageBox& m) {
            ++cajas;
            m.accept();
        });
        auto app = ArrancarAceptando(true);
        QTest::qWait(50);
        EXPECT_EQ(cajas, 0);
        EXPECT_EQ(app->Juego().Ventana.PFichero.Caption, "Fichero");
        EXPECT_TRUE(app->Juego().Ventana.PMensaje.Caption.empty());
        for (int c = 0; c < NumCeldas; ++c) ASSERT_TRUE(app->Juego().Paneles[c].Caption.empty());
        EXPECT_EQ(estado.Bytes(), bytes);
    }
}

// --nueva starts without the last game; the game kept stays until the exit.
TEST(UltimaPartidaNueva, EmpiezaSinLaPartidaAnterior) {
    const vista::Orden orden = vista::LeerOrden({"--nueva"});
    ASSERT_EQ(orden.tipo, vista::Orden::Tipo::Jugar);
    ASSERT_TRUE(orden.nueva);
    EXPECT_FALSE(vista::LeerOrden({}).nueva);
    EXPECT_NE(vista::TextoAyuda().find("--nueva"), std::string::npos);

    Estado estado;
    estado.Poner(Muestra("creada.sdk"));
    vista::Aplicacion app;
    auto dialogos = AlAparecerDialogo([](DialogoModal& d) { PulsarBoton(d, QStringLiteral("Aceptar")); }, true);
    bool visto = false;
    CuandoSeVea(app, [&] {
        visto = true;
        EXPECT_EQ(app.Juego().Ventana.PFichero.Caption, "Fichero");
        for (int c = 0; c < NumCeldas; ++c) EXPECT_TRUE(app.Juego().Paneles[c].Caption.empty());
        EXPECT_EQ(estado.Bytes(), Muestra("creada.sdk"));
        JugarUnPoco(app);
        QTest::mouseClick(Widget(app, "LBSalir"), Qt::LeftButton);
    });
    QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(app.Ejecutar(orden), 1);
    EXPECT_TRUE(visto);
    // The game of this run is the one kept now.
    EXPECT_NE(estado.Bytes(), Muestra("creada.sdk"));
    EXPECT_TRUE(estado.Existe());
}

}  // namespace
}  // namespace novenario::pruebas
