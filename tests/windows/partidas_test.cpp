// Saving and loading through the real window: the file dialogs, the message
// box, the file name at the top and its tooltip.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include "ayudas.h"
#include "mando/principal.h"
#include "windows/celda.h"

namespace novenario::pruebas {
namespace {

// Answers the next file dialog with that name and tells what it looked like.
struct Respuesta {
    QString titulo;
    QStringList filtros;
    QString sufijo;
    QString carpeta;  // where the dialog opened
};

std::unique_ptr<Vigia> ResponderFichero(const QString& nombre, Respuesta& vista) {
    return AlAparecerModal<QFileDialog>([nombre, &vista](QFileDialog& d) {
        vista.titulo = d.windowTitle();
        vista.filtros = d.nameFilters();
        vista.sufijo = d.defaultSuffix();
        vista.carpeta = d.directory().absolutePath();
        d.selectFile(nombre);
        QMetaObject::invokeMethod(&d, "accept");
    });
}

void MoverRaton(QWidget* w) {
    QMouseEvent e(QEvent::MouseMove, QPointF(w->rect().center()), w->mapToGlobal(QPointF(w->rect().center())),
                  Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// The player puts a 4 in the centre cell, P5_5; its index.
int CuatroEnElCentro(vista::Aplicacion& app) {
    const int c = tablero::Indice("P5_5");
    QTest::mouseClick(app.Vista().Celda(c), Qt::LeftButton);
    QTest::mouseClick(Widget(app, "B4"), Qt::LeftButton);
    return c;
}

TEST(Partidas, SalvarYCargarPorLaVentana) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    const int c = CuatroEnElCentro(*app);
    ASSERT_EQ(juego.Paneles[c].Caption, "4");

    // Typed without extension: the dialog adds it.
    Respuesta salvar;
    {
        auto vigia = ResponderFichero(dir.filePath(QStringLiteral("lunes")), salvar);
        QTest::mouseClick(Widget(*app, "BSalvar"), Qt::LeftButton);
        EXPECT_EQ(vigia->Veces(), 1);
    }
    EXPECT_EQ(salvar.titulo, QStringLiteral(" Novenario.  Salvar Partida."));
    ASSERT_FALSE(salvar.filtros.isEmpty());
    EXPECT_EQ(salvar.filtros.first(), QStringLiteral("Documento ( *.sdk )"));
    EXPECT_EQ(salvar.sufijo, QStringLiteral("sdk"));
    const QString nombre = dir.filePath(QStringLiteral("lunes.sdk"));
    QFile fichero(nombre);
    ASSERT_TRUE(fichero.open(QIODevice::ReadOnly));
    EXPECT_TRUE(fichero.readAll().startsWith("{\\rtf1"));
    EXPECT_EQ(juego.Ventana.PFichero.Caption, " " + nombre.toStdString());
    QWidget* etiqueta = Widget(*app, "PFichero");
    EXPECT_EQ(etiqueta->accessibleName(), QStringLiteral(" ") + nombre);
    MoverRaton(etiqueta);
    EXPECT_EQ(etiqueta->toolTip(), QStringLiteral("  ") + nombre + QStringLiteral(" "));

    // Wipe the board and load the game back.
    QTest::mouseClick(Widget(*app, "BBorraTodo"), Qt::LeftButton);
    ASSERT_TRUE(juego.Paneles[c].Caption.empty());
    Respuesta cargar;
    {
        auto vigia = ResponderFichero(nombre, cargar);
        QTest::mouseClick(Widget(*app, "BCargar"), Qt::LeftButton);
        EXPECT_EQ(vigia->Veces(), 1);
    }
    EXPECT_EQ(cargar.titulo, QStringLiteral(" Novenario.  Abrir fichero  ( Cargar Partida )."));
    ASSERT_FALSE(cargar.filtros.isEmpty());
    EXPECT_EQ(cargar.filtros.first(), QStringLiteral("Partida Novenario ( *.sdk )"));
    // The open dialog starts where the game was saved.
    EXPECT_EQ(cargar.carpeta, QDir(dir.path()).absolutePath());
    EXPECT_EQ(juego.Paneles[c].Caption, "4");
    EXPECT_EQ(app->Vista().Celda(c)->Estado().Caption, "4");
    EXPECT_EQ(juego.Ventana.PFichero.Caption, " " + nombre.toStdString());
    EXPECT_EQ(juego.Ventana.LBReloj.Caption, "&Reloj Si");
}

TEST(Partidas, SalvarDondeNoSePuedeEscribirLoDiceEnUnaCaja) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    QString texto, titulo, boton, detalle;
    auto caja = AlAparecerModal<QMessageBox>([&](QMessageBox& m) {
        texto = m.text();
        detalle = m.informativeText();
        titulo = m.windowTitle();
        boton = m.button(QMessageBox::Ok)->text();
        m.button(QMessageBox::Ok)->click();
    });
    Respuesta salvar;
    auto vigia = ResponderFichero(dir.filePath(QStringLiteral("no/existe/martes.sdk")), salvar);
    QTest::mouseClick(Widget(*app, "BSalvar"), Qt::LeftButton);
    EXPECT_EQ(vigia->Veces(), 1);
    EXPECT_EQ(caja->Veces(), 1);
    EXPECT_EQ(texto, QStringLiteral("Error al Salvar el Fichero"));
    EXPECT_EQ(detalle.toStdString(), "La carpeta no existe. No se ha escrito nada.");
    EXPECT_EQ(titulo, QStringLiteral("Novenario  Error"));
    EXPECT_EQ(boton.remove(QLatin1Char('&')), QStringLiteral("Aceptar"));  // Qt's own words in Spanish
    EXPECT_EQ(juego.Ventana.PFichero.Caption, "Fichero");
}

// A small file system of its own (a tmpfs), filled to the last byte.
// Mounting one takes root, as in CI; anyone else gets a reason to skip.
class DiscoLleno {
public:
    DiscoLleno() {
        if (!dir_.isValid()) {
            porque_ = "no temporary folder";
            return;
        }
        if (::geteuid() != 0) {
            porque_ = "mounting a small tmpfs to fill needs root";
            return;
        }
        if (::mount("tmpfs", Ruta().constData(), "tmpfs", 0, "size=64k") != 0) {
            porque_ = std::string("could not mount a tmpfs: ") + std::strerror(errno);
            return;
        }
        montado_ = true;
    }
    ~DiscoLleno() {
        if (montado_) ::umount2(Ruta().constData(), MNT_DETACH);
    }
    DiscoLleno(const DiscoLleno&) = delete;
    DiscoLleno& operator=(const DiscoLleno&) = delete;

    bool Montado() const { return montado_; }
    const std::string& Porque() const { return porque_; }
    QString Fichero(const char* nombre) const { return dir_.filePath(QString::fromLatin1(nombre)); }

    // Fills what is left with one file, page by page, then byte by byte.
    bool Llenar() {
        const int fd = ::open(QFile::encodeName(Fichero("relleno")).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) return false;
        const std::string pagina(4096, 'x');
        while (::write(fd, pagina.data(), pagina.size()) > 0) {
        }
        while (::write(fd, "x", 1) > 0) {
        }
        const bool lleno = errno == ENOSPC;
        ::close(fd);
        return lleno;
    }
    // The files in it, but the filling.
    QStringList Ficheros() const {
        QStringList r = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        r.removeAll(QStringLiteral("relleno"));
        return r;
    }

private:
    QByteArray Ruta() const { return QFile::encodeName(dir_.path()); }
    QTemporaryDir dir_;
    bool montado_ = false;
    std::string porque_;
};

struct CasoLleno {
    const char* nombre;
    bool existe;  // an earlier save under that name
};
void PrintTo(const CasoLleno& caso, std::ostream* os) { *os << caso.nombre; }

class SalvarEnDiscoLleno : public testing::TestWithParam<CasoLleno> {};

// A save onto a full disk says so, keeps the earlier save byte for byte (or
// leaves no file at all under a new name), and the label keeps its caption.
TEST_P(SalvarEnDiscoLleno, LoDiceYNoTocaElFicheroViejo) {
    DiscoLleno disco;
    if (!disco.Montado()) GTEST_SKIP() << disco.Porque();
    const QString nombre = disco.Fichero(GetParam().nombre);
    QByteArray viejo;
    if (GetParam().existe) {
        QFile f(nombre);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        viejo = "{\\rtf1\\ansi ayer}" + QByteArray(600, ' ');
        ASSERT_EQ(f.write(viejo), viejo.size());
        f.close();
    }
    ASSERT_TRUE(disco.Llenar());
    const QStringList antes = disco.Ficheros();

    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    CuatroEnElCentro(*app);
    // The dialog asks before it overwrites; yes. Then the error.
    QStringList textos, detalles;
    auto cajas = AlAparecerModal<QMessageBox>(
        [&](QMessageBox& m) {
            textos << m.text();
            detalles << m.informativeText();
            if (QAbstractButton* si = m.button(QMessageBox::Yes)) {
                si->click();
            } else {
                m.button(QMessageBox::Ok)->click();
            }
        },
        true);
    Respuesta salvar;
    auto vigia = ResponderFichero(nombre, salvar);
    QTest::mouseClick(Widget(*app, "BSalvar"), Qt::LeftButton);
    EXPECT_EQ(vigia->Veces(), 1);
    ASSERT_FALSE(textos.isEmpty());
    EXPECT_EQ(textos.size(), GetParam().existe ? 2 : 1) << textos.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(textos.last().toStdString(), "Error al Salvar el Fichero");
    EXPECT_EQ(detalles.last().toStdString(),
              std::string("No queda sitio en el disco. ") +
                  (GetParam().existe ? "El fichero que había sigue como estaba." : "No se ha escrito nada."));
    EXPECT_EQ(juego.Ventana.PFichero.Caption, "Fichero");
    // Nothing new left behind, and the old file as it was.
    EXPECT_EQ(disco.Ficheros().join(QLatin1Char(',')).toStdString(), antes.join(QLatin1Char(',')).toStdString());
    QFile f(nombre);
    EXPECT_EQ(f.exists(), GetParam().existe);
    if (GetParam().existe) {
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll() == viejo);
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, SalvarEnDiscoLleno,
                         testing::Values(CasoLleno{"viejo.sdk", true}, CasoLleno{"nuevo.sdk", false}),
                         [](const testing::TestParamInfo<CasoLleno>& i) {
                             return i.param.existe ? std::string("Sobrescribir") : std::string("NombreNuevo");
                         });

// A gigabyte chosen in the open dialog is refused at once, with nothing read
// and the game in progress as it was.
TEST(Partidas, UnFicheroEnormeSeRechazaSinLeerloYLaPartidaSigue) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString nombre = dir.filePath(QStringLiteral("enorme.sdk"));
    QFile enorme(nombre);
    ASSERT_TRUE(enorme.open(QIODevice::WriteOnly));
    ASSERT_TRUE(enorme.resize(qint64{1} << 30));  // sparse: no disk used
    enorme.close();
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    const int c = CuatroEnElCentro(*app);
    ASSERT_EQ(juego.Paneles[c].Caption, "4");
    QString texto;
    auto caja = AlAparecerModal<QMessageBox>([&](QMessageBox& m) {
        texto = m.text();
        m.button(QMessageBox::Ok)->click();
    });
    Respuesta cargar;
    auto vigia = ResponderFichero(nombre, cargar);
    QTest::mouseClick(Widget(*app, "BCargar"), Qt::LeftButton);
    EXPECT_EQ(vigia->Veces(), 1);
    EXPECT_EQ(caja->Veces(), 1);
    EXPECT_EQ(texto, QStringLiteral("El fichero \"") + nombre +
                         QStringLiteral("\" es demasiado grande para ser una partida de Novenario (más de 16 MB); "
                                        "no se ha leído"));
    EXPECT_EQ(juego.Paneles[c].Caption, "4");
    EXPECT_EQ(app->Vista().Celda(c)->Estado().Caption, "4");
    EXPECT_EQ(juego.Ventana.PFichero.Caption, "Fichero");
}

}  // namespace
}  // namespace novenario::pruebas
