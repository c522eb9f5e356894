// Saving and loading at the edges, through the real window: the file dialog
// is answered with a name, the message boxes are read and closed. A loop of
// symbolic links, a name as long as a folder takes, a pipe, a game the game
// could not load back, and a file of lines that are no moves.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "ayudas.h"
#include "mando/principal.h"
#include "sdk/formato.h"
#include "windows/celda.h"

namespace novenario::pruebas {
namespace {

// An empty board at 00:00:00: 81 empty pairs and the clock.
std::string LineaVacia() {
    std::string linea;
    for (int n = 0; n < NumCeldas; ++n) linea += " B";
    return linea + "000000";
}

// Answers the next file dialog with that name.
std::unique_ptr<Vigia> Elegir(const QString& nombre) {
    return AlAparecerModal<QFileDialog>([nombre](QFileDialog& d) {
        d.selectFile(nombre);
        QMetaObject::invokeMethod(&d, "accept");
    });
}

// Every message box while it lives: its text and detail kept, "Sí" to the
// question before overwriting, "Aceptar" to the rest.
struct Cajas {
    QStringList textos, detalles;
    std::unique_ptr<Vigia> vigia = AlAparecerModal<QMessageBox>(
        [this](QMessageBox& m) {
            textos << m.text();
            detalles << m.informativeText();
            if (QAbstractButton* si = m.button(QMessageBox::Yes)) si->click();
            else m.button(QMessageBox::Ok)->click();
        },
        true);
};

// The player puts a 4 in the centre cell.
int CuatroEnElCentro(vista::Aplicacion& app) {
    const int c = tablero::Indice("P5_5");
    QTest::mouseClick(app.Vista().Celda(c), Qt::LeftButton);
    QTest::mouseClick(Widget(app, "B4"), Qt::LeftButton);
    return c;
}

void Salvar(vista::Aplicacion& app, const QString& nombre) {
    auto dialogo = Elegir(nombre);
    QTest::mouseClick(Widget(app, "BSalvar"), Qt::LeftButton);
}

void Cargar(vista::Aplicacion& app, const QString& nombre) {
    auto dialogo = Elegir(nombre);
    QTest::mouseClick(Widget(app, "BCargar"), Qt::LeftButton);
}

QByteArray Contenido(const QString& nombre) {
    QFile f(nombre);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// a.sdk names b.sdk, which names a.sdk: the save says so and both stay links.
TEST(BordesFichero, UnBucleDeEnlacesNoSeSustituye) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString a = dir.filePath(QStringLiteral("a.sdk")), b = dir.filePath(QStringLiteral("b.sdk"));
    ASSERT_EQ(::symlink("b.sdk", QFile::encodeName(a).constData()), 0);
    ASSERT_EQ(::symlink("a.sdk", QFile::encodeName(b).constData()), 0);
    auto app = ArrancarAceptando();
    CuatroEnElCentro(*app);
    Cajas cajas;
    Salvar(*app, a);
    ASSERT_FALSE(cajas.textos.isEmpty());
    EXPECT_EQ(cajas.textos.last().toStdString(), "Error al Salvar el Fichero");
    EXPECT_EQ(cajas.detalles.last().toStdString(), "Hay un bucle de enlaces simbólicos. No se ha escrito nada.");
    EXPECT_EQ(QFileInfo(a).symLinkTarget(), b);
    EXPECT_EQ(QFileInfo(b).symLinkTarget(), a);
    EXPECT_EQ(app->Juego().Ventana.PFichero.Caption, "Fichero");
}

// The longest name a folder takes is saved, and saved over. (The dialog
// itself takes no longer name.)
TEST(BordesFichero, UnNombreLargoSeSalvaYSeSobrescribe) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString largo = dir.filePath(QString(251, QLatin1Char('l')) + QStringLiteral(".sdk"));
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    CuatroEnElCentro(*app);
    Cajas cajas;
    Salvar(*app, largo);
    EXPECT_TRUE(Contenido(largo).startsWith("{\\rtf1"));
    EXPECT_EQ(juego.Ventana.PFichero.Caption, " " + largo.toStdString());
    // Over the file just saved: the dialog asks, the save goes through.
    QTest::mouseClick(Widget(*app, "BBorraTodo"), Qt::LeftButton);
    const QByteArray antes = Contenido(largo);
    Salvar(*app, largo);
    EXPECT_NE(Contenido(largo), antes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
    for (const QString& t : cajas.textos) EXPECT_NE(t.toStdString(), "Error al Salvar el Fichero");
}

// A pipe picked in "Cargar partida" is no saved game: said, never opened,
// and the game and its message line go on as they were.
TEST(BordesFichero, UnaTuberiaNoEsUnaPartida) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString tubo = dir.filePath(QStringLiteral("tubo.sdk"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tubo).constData(), 0644), 0);
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    const int c = CuatroEnElCentro(*app);
    const std::string mensaje = juego.Ventana.PMensaje.Caption;
    ASSERT_FALSE(mensaje.empty());
    Cajas cajas;
    Cargar(*app, tubo);
    ASSERT_EQ(cajas.textos.size(), 1);
    EXPECT_EQ(cajas.textos[0].toStdString(),
              "El fichero \"" + tubo.toStdString() +
                  "\" no es una partida de Novenario (no es un fichero normal); no se ha leído");
    EXPECT_EQ(juego.Ventana.PMensaje.Caption, mensaje);
    EXPECT_EQ(juego.Paneles[c].Caption, "4");
    EXPECT_EQ(juego.Ventana.PFichero.Caption, "Fichero");
}

// A game whose move list is as long as a load takes loads; one digit more
// and the save is refused before the dialog, with nothing written.
TEST(BordesFichero, UnaPartidaQueNoSePodriaCargarNoSeSalva) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<std::string> lineas{LineaVacia()};
    for (std::size_t i = 0; i < sdk::MaximoMovimientos; ++i) lineas.push_back(i % 2 ? "P1_1--5" : "P1_1--B");
    const QString nombre = dir.filePath(QStringLiteral("larga.sdk"));
    {
        QFile f(nombre);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const std::string bytes = sdk::EscribePartida(lineas);
        ASSERT_EQ(f.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
    }
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    Cajas cajas;
    Cargar(*app, nombre);
    ASSERT_TRUE(cajas.textos.isEmpty()) << cajas.textos.join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(juego.Variables.LBPanel.size(), sdk::MaximoMovimientos);
    CuatroEnElCentro(*app);
    ASSERT_EQ(juego.Variables.LBPanel.size(), sdk::MaximoMovimientos + 2);

    auto dialogo = Elegir(dir.filePath(QStringLiteral("otra.sdk")));
    QTest::mouseClick(Widget(*app, "BSalvar"), Qt::LeftButton);
    EXPECT_EQ(dialogo->Veces(), 0);
    ASSERT_EQ(cajas.textos.size(), 1);
    EXPECT_EQ(cajas.textos[0].toStdString(), "Error al Salvar el Fichero");
    EXPECT_EQ(cajas.detalles[0].toStdString(),
              "La lista de jugadas tiene 1.000.002 entradas, más de las 1.000.000 que se pueden cargar. No se ha "
              "escrito nada.");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("larga.sdk")});
    EXPECT_EQ(juego.Ventana.PFichero.Caption, " " + nombre.toStdString());
}

// What a load keeps of a file: the board line and the move lines, however
// many lines of nothing surround them; a move list longer than any game
// makes is refused, and the game in progress stays.
TEST(BordesFichero, UnaCargaGuardaSoloLoQueCabeEnUnaPartida) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string tablero = LineaVacia();
    struct Caso {
        const char* que;
        std::string bytes;
        std::size_t lineas;  // kept by the load; 0: refused
    };
    std::string pes;
    for (std::size_t i = 0; i <= sdk::MaximoMovimientos; ++i) pes += "P\n";
    const Caso casos[] = {
        {"líneas vacías", tablero + "\n" + std::string(std::size_t{8} << 20, '\n') + "P1_1--B\nP1_1--5\n", 3},
        {"demasiadas jugadas", tablero + "\n" + pes, 0},
    };
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.que);
        const QString nombre = dir.filePath(QString::fromUtf8(caso.que) + QStringLiteral(".sdk"));
        QFile f(nombre);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(caso.bytes.data(), static_cast<qint64>(caso.bytes.size())),
                  static_cast<qint64>(caso.bytes.size()));
        f.close();
        QTest::mouseClick(Widget(*app, "BBorraTodo"), Qt::LeftButton);
        const int c = CuatroEnElCentro(*app);
        Cajas cajas;
        Cargar(*app, nombre);
        if (caso.lineas) {
            EXPECT_TRUE(cajas.textos.isEmpty());
            EXPECT_EQ(juego.Partida.MEntrada1.size(), caso.lineas);
            EXPECT_EQ(juego.Variables.LBPanel, (std::vector<std::string>{"P1_1--B", "P1_1--5"}));
        } else {
            ASSERT_EQ(cajas.textos.size(), 1);
            EXPECT_EQ(cajas.textos[0].toStdString(), sdk::MensajeDemasiadasJugadas());
            EXPECT_EQ(juego.Paneles[c].Caption, "4");
            EXPECT_EQ(juego.Ventana.PFichero.Caption, "Fichero");
        }
    }
}

}  // namespace
}  // namespace novenario::pruebas
