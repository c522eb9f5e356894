// The program's command line: what it understands, and a saved game named
// on it, loaded once the main window is up with the messages of "Cargar
// partida".
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "ayudas.h"
#include "mando/principal.h"
#include "windows/argumentos.h"
#include "windows/celda.h"

namespace novenario::pruebas {
namespace {

using vista::Orden;

struct Linea {
    const char* que;
    std::vector<std::string> args;
    Orden::Tipo tipo;
    std::string fichero;
    std::string error;
};

class LeerOrden : public testing::TestWithParam<Linea> {};

TEST_P(LeerOrden, DiceQueHacer) {
    const Orden o = vista::LeerOrden(GetParam().args);
    EXPECT_EQ(o.tipo, GetParam().tipo);
    EXPECT_EQ(o.fichero, GetParam().fichero);
    EXPECT_EQ(o.error, GetParam().error);
}

using T = Orden::Tipo;
INSTANTIATE_TEST_SUITE_P(
    Casos, LeerOrden,
    testing::Values(Linea{"nada", {}, T::Jugar, "", ""},
                    Linea{"una_partida", {"domingo.sdk"}, T::Jugar, "domingo.sdk", ""},
                    Linea{"ayuda", {"--help"}, T::Ayuda, "", ""}, Linea{"ayuda_corta", {"-h"}, T::Ayuda, "", ""},
                    Linea{"version", {"--version"}, T::Version, "", ""},
                    Linea{"version_corta", {"-V"}, T::Version, "", ""},
                    Linea{"la_ayuda_gana", {"--version", "--help"}, T::Ayuda, "", ""},
                    Linea{"ayuda_tras_un_error", {"--raro", "a.sdk", "b.sdk", "--help"}, T::Ayuda, "", ""},
                    Linea{"opcion_desconocida", {"--raro"}, T::Error, "", "opción desconocida «--raro»"},
                    Linea{"dos_partidas", {"a.sdk", "b.sdk"}, T::Error, "", "sólo se abre una partida; sobra «b.sdk»"},
                    Linea{"nombre_vacio", {""}, T::Error, "", "el nombre del fichero está vacío"},
                    Linea{"tras_doble_guion", {"--", "--help"}, T::Jugar, "--help", ""},
                    Linea{"guion_solo", {"-"}, T::Jugar, "-", ""}),
    [](const auto& info) { return std::string(info.param.que); });

// What Qt takes before the game reads its line is no mistake; anything
// else unknown is said before Qt is asked for a display.
TEST(LeerOrden, LasOpcionesDeQtSeDistinguenDeLasDesconocidas) {
    for (const char* a : {"-platform", "--platform", "-display", "--style=fusion", "-reverse"})
        EXPECT_TRUE(vista::EsOpcionDeQt(a)) << a;
    for (const char* a : {"--raro", "-p", "--platforms", "-", "--", "-x=platform"})
        EXPECT_FALSE(vista::EsOpcionDeQt(a)) << a;
}

TEST(LeerOrden, LaAyudaNombraLasOpcionesYLaVersionElNumero) {
    for (const char* o : {"--help", "--version", "FICHERO.sdk"}) EXPECT_NE(vista::TextoAyuda().find(o), std::string::npos);
    EXPECT_EQ(vista::TextoVersion(), "Novenario 4.0\n");
}

// ---- a saved game on the command line ---------------------------------------

enum class Nombre { Relativo, Absoluto, Url };
struct Abrir {
    const char* que;
    const char* archivo;  // in the temporary folder; "" is a sample game copied there
    Nombre como;
    QByteArray bytes;     // what the file holds; null: no file
    bool carga;
    std::string mensaje;  // the message box, with %1 for the whole name
};

class AbrirDesdeLinea : public testing::TestWithParam<Abrir> {
protected:
    void SetUp() override { antes = QDir::currentPath(); }
    void TearDown() override { QDir::setCurrent(antes); }
    QString antes;
};

QByteArray Muestra() {
    QFile f(QStringLiteral(NOVENARIO_DATOS "/sdk/creada.sdk"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_P(AbrirDesdeLinea, CargaTrasLaVentanaDeInicioComoCargarPartida) {
    const Abrir& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ruta = QDir(dir.path()).absoluteFilePath(QLatin1String(c.archivo));
    if (!c.bytes.isNull()) {
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.bytes);
    }
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QString argumento = c.como == Nombre::Relativo   ? QLatin1String(c.archivo)
                              : c.como == Nombre::Absoluto ? ruta
                                                           : QUrl::fromLocalFile(ruta).toString();
    auto app = ArrancarAceptando();
    QString texto, titulo;
    auto caja = AlAparecerModal<QMessageBox>([&](QMessageBox& m) {
        texto = m.text();
        titulo = m.windowTitle();
        m.button(QMessageBox::Ok)->click();
    });
    app->AbrirPartida(argumento);
    TFormPrincipal& juego = app->Juego();
    int llenas = 0;
    for (int i = 0; i < NumCeldas; ++i) llenas += app->Vista().Celda(i)->Estado().Caption.empty() ? 0 : 1;
    if (c.carga) {
        EXPECT_EQ(caja->Veces(), 0);
        EXPECT_EQ(juego.Ventana.PFichero.Caption, " " + ruta.toStdString());
        EXPECT_GT(llenas, 0);
        EXPECT_EQ(juego.Ventana.LBReloj.Caption, "&Reloj Si");
    } else {
        EXPECT_EQ(caja->Veces(), 1);
        EXPECT_EQ(texto.toStdString(), QString::fromStdString(c.mensaje).arg(ruta).toStdString());
        EXPECT_EQ(titulo.toStdString(), TituloAplicacion);
        EXPECT_EQ(juego.Ventana.PFichero.Caption, "Fichero");
        EXPECT_EQ(llenas, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Nombres, AbrirDesdeLinea,
    testing::Values(Abrir{"relativo", "creada.sdk", Nombre::Relativo, Muestra(), true, ""},
                    Abrir{"absoluto", "creada.sdk", Nombre::Absoluto, Muestra(), true, ""},
                    Abrir{"url", "con espacio.sdk", Nombre::Url, Muestra(), true, ""},
                    Abrir{"no_existe", "no_esta.sdk", Nombre::Relativo, QByteArray(), false,
                          "No se puede leer el fichero \"%1\""},
                    Abrir{"danado", "roto.sdk", Nombre::Relativo, QByteArray("{\\rtf1 }"), false,
                          "'' is not a valid integer value"}),
    [](const auto& info) { return std::string(info.param.que); });

}  // namespace
}  // namespace novenario::pruebas
