// Saving and loading through the real window: the file dialogs, the message
// box, the file name at the top and its tooltip.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "ayudas.h"
#include "board/principal.h"
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

TEST(Partidas, SalvarYCargarPorLaVentana) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    const int c = tablero::Indice("P5_5");
    QTest::mouseClick(app->Vista().Celda(c), Qt::LeftButton);
    QTest::mouseClick(Widget(*app, "B4"), Qt::LeftButton);
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
    EXPECT_EQ(salvar.filtros.first(), QStringLiteral("Documento ( *.sdk ) (*.sdk)"));
    EXPECT_EQ(salvar.sufijo, QStringLiteral("sdk"));
    const QString nombre = dir.filePath(QStringLiteral("lunes.sdk"));
    QFile fichero(nombre);
    ASSERT_TRUE(fichero.open(QIODevice::ReadOnly));
    EXPECT_TRUE(fichero.readAll().startsWith("{\\rtf1"));
    EXPECT_EQ(juego.PFichero.Caption, " " + nombre.toStdString());
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
    EXPECT_EQ(cargar.filtros.first(), QStringLiteral("Partida Novenario ( *.sdk ) (*.sdk)"));
    // The open dialog starts where the game was saved.
    EXPECT_EQ(cargar.carpeta, QDir(dir.path()).absolutePath());
    EXPECT_EQ(juego.Paneles[c].Caption, "4");
    EXPECT_EQ(app->Vista().Celda(c)->Estado().Caption, "4");
    EXPECT_EQ(juego.PFichero.Caption, " " + nombre.toStdString());
    EXPECT_EQ(juego.LBReloj.Caption, "&Reloj Si");
}

TEST(Partidas, SalvarDondeNoSePuedeEscribirLoDiceEnUnaCaja) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto app = ArrancarAceptando();
    TFormPrincipal& juego = app->Juego();
    QString texto, titulo, boton;
    auto caja = AlAparecerModal<QMessageBox>([&](QMessageBox& m) {
        texto = m.text();
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
    EXPECT_EQ(titulo, QStringLiteral("Novenario  Error"));
    EXPECT_EQ(boton.remove(QLatin1Char('&')), QStringLiteral("Aceptar"));  // Qt's own words in Spanish
    EXPECT_EQ(juego.PFichero.Caption, "Fichero");
}

}  // namespace
}  // namespace novenario::pruebas
