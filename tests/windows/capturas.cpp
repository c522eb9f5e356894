// Takes pictures of the window and of every dialog under the offscreen
// platform, for a person to look at: novenario_capturas [DIR] (default /tmp).
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QTest>
#include <cstdio>
#include <map>

#include "ayudas.h"
#include "windows/celda.h"
#include "windows/parpadeo.h"

using namespace novenario;
using namespace novenario::pruebas;

namespace {

QString carpeta;

void Guardar(QWidget& w, const char* nombre) {
    const QString ruta = QDir(carpeta).filePath(QLatin1String(nombre) + QStringLiteral(".png"));
    if (w.grab().save(ruta)) std::printf("%s\n", qPrintable(ruta));
    else std::fprintf(stderr, "could not write %s\n", qPrintable(ruta));
}

// Every dialog is pictured once its label shows, under a name of its kind,
// and then closed: with Aceptar when it has one (Cancelar for the exit
// question, so the program goes on), otherwise with its close box.
// The main window with the dialog over it where it stands, as a player sees
// them: the outlines of "Siguiente paso" lie on the board behind it.
void GuardarSobreVentana(vista::DialogoModal& d, const char* nombre) {
    QWidget* v = d.parentWidget();
    if (!v) return Guardar(d, nombre);
    QPixmap fondo = v->grab();
    {
        QPainter p(&fondo);
        p.drawPixmap(d.geometry().topLeft() - v->mapToGlobal(QPoint(0, 0)), d.grab());
    }
    const QString ruta = QDir(carpeta).filePath(QLatin1String(nombre) + QStringLiteral(".png"));
    if (fondo.save(ruta)) std::printf("%s\n", qPrintable(ruta));
    else std::fprintf(stderr, "could not write %s\n", qPrintable(ruta));
}

void AlDialogo(vista::DialogoModal& d) {
    if (d.Forma().tipo == FormaModal::Tipo::Siguiente) {
        // Both stages of the step, then closed.
        QTest::qWait(100);
        GuardarSobreVentana(d, "novenario_siguiente");
        if (d.findChild<QWidget*>(QStringLiteral("LBMás"))) PulsarBoton(d, QStringLiteral("Más"));
        QTest::qWait(50);
        GuardarSobreVentana(d, "novenario_siguiente_mas");
        PulsarBoton(d, QStringLiteral("Cerrar"));
        return;
    }
    static const std::map<FormaModal::Tipo, const char*> nombres{
        {FormaModal::Tipo::Inicio, "novenario_inicio"},       {FormaModal::Tipo::Pausa, "novenario_pausa"},
        {FormaModal::Tipo::Cerrar, "novenario_salir"},        {FormaModal::Tipo::FinPartida, "novenario_fin_partida"},
        {FormaModal::Tipo::SinSolucion, "novenario_sin_solucion"}, {FormaModal::Tipo::Nivel, "novenario_nivel"},
        {FormaModal::Tipo::AcercaDe, "novenario_acerca"},     {FormaModal::Tipo::Ayuda, "novenario_ayuda_texto"},
    };
    QTest::qWait(100);
    if (auto* p = d.Parpadeo()) p->show();
    const auto it = nombres.find(d.Forma().tipo);
    Guardar(d, it != nombres.end() ? it->second : "novenario_dialogo");
    const QString boton = d.Forma().tipo == FormaModal::Tipo::Cerrar ? QStringLiteral("Cancelar")
                                                                      : QStringLiteral("Aceptar");
    if (d.findChild<QWidget*>(QStringLiteral("LB") + boton)) PulsarBoton(d, boton);
    else d.close();
}

void Clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

}  // namespace

// A saved game loaded through the open dialog, a pasted puzzle, and the
// dialogs, each pictured.
void CargadaPegadaYDialogos(TFormPrincipal& juego, vista::VistaPrincipal& v) {
    // A saved game loaded through the open dialog, which is pictured too.
    {
        auto abrir = AlAparecerModal<QFileDialog>([](QFileDialog& d) {
            Guardar(d, "novenario_abrir");
            d.selectFile(QStringLiteral(NOVENARIO_DATOS "/sdk/creada.sdk"));
            QMetaObject::invokeMethod(&d, "accept");
        });
        Clic(v.findChild<QWidget*>("LBCargar"));
    }
    Guardar(v, "novenario_cargada");

    // A puzzle pasted from the clipboard in a drawn grid, and one that
    // breaks a rule (the message line says why).
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "5 3 . | . 7 . | . . .\n6 . . | 1 9 5 | . . .\n. 9 8 | . . . | . 6 .\n------+-------+------\n"
        "8 . . | . 6 . | . . 3\n4 . . | 8 . 3 | . . 1\n7 . . | . 2 . | . . 6\n------+-------+------\n"
        ". 6 . | . . . | 2 8 .\n. . . | 4 1 9 | . . 5\n. . . | . 8 . | . 7 9\n"));
    QTest::keyClick(&v, Qt::Key_V, Qt::ControlModifier);
    Guardar(v, "novenario_pegado");
    // The next step explained (Ctrl+H), and its outlines left on the board.
    QTest::keyClick(&v, Qt::Key_H, Qt::ControlModifier);
    Guardar(v, "novenario_contornos");
    QGuiApplication::clipboard()->setText(QStringLiteral("5.......5") + QString(72, QLatin1Char('.')));
    QTest::keyClick(&v, Qt::Key_V, Qt::ControlModifier);
    Guardar(v, "novenario_pegado_mal");
    // Text that is no board, its reason in the message line; then a grid
    // with blanks for its empty cells.
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n7...2...6\n.6....28.\n...419..5\n....8.79\n"));
    QTest::keyClick(&v, Qt::Key_V, Qt::ControlModifier);
    Guardar(v, "novenario_pegado_no_tablero");
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "| 5 3   |   7   |       |\n| 6     | 1 9 5 |       |\n|   9 8 |       |   6   |\n"
        "| 8     |   6   |     3 |\n| 4     | 8   3 |     1 |\n| 7     |   2   |     6 |\n"
        "|   6   |       | 2 8   |\n|       | 4 1 9 |     5 |\n|       |   8   |   7 9 |\n"));
    QTest::keyClick(&v, Qt::Key_V, Qt::ControlModifier);
    Guardar(v, "novenario_pegado_con_blancos");
    // A long reason takes two lines.
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "53  7\n6  195\n 98    6\n8   6   3\n4  8 3  1\n7   2   6\n 6    28\n   419  5\n     8  79\n"));
    QTest::keyClick(&v, Qt::Key_V, Qt::ControlModifier);
    Guardar(v, "novenario_pegado_desalineado");

    // The dialogs.
    Clic(v.findChild<QWidget*>("BSalir"));
    BPausa2Click(juego);
    Muestra_FinPartida(juego);
    BAcerca2Click(juego);
    BAyuda2Click(juego);
    BNivel2Click(juego);
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    vista::PrepararAplicacion();
    carpeta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    QDir().mkpath(carpeta);

    auto vigia = AlAparecerDialogo(AlDialogo, true);
    vista::Aplicacion app;
    if (!app.Arrancar()) return 1;
    if (!QTest::qWaitForWindowExposed(&app.Vista())) return 1;
    TFormPrincipal& juego = app.Juego();
    vista::VistaPrincipal& v = app.Vista();
    Guardar(v, "novenario_inicial");

    // A few moves: some fixed cells, two entries, one refused digit.
    for (const char* c : {"P1_2", "P2_5", "P3_9", "P5_5", "P7_1", "P9_9", "P4_3", "P6_7"}) {
        const int i = tablero::Indice(c);
        juego.Paneles[i].Caption = std::to_string(ValorResuelto(i));
        juego.Paneles[i].Color_ = Naranja;
        juego.Paneles[i].Enabled = false;
    }
    v.Sincronizar();
    Clic(v.Celda(tablero::Indice("P1_1")));
    Clic(v.findChild<QWidget*>("B" + QString::number(ValorResuelto(0))));
    Clic(v.Celda(tablero::Indice("P4_5")));
    Clic(v.findChild<QWidget*>("B" + QString::number(ValorResuelto(tablero::Indice("P4_5")))));
    Clic(v.Celda(tablero::Indice("P8_5")));
    Clic(v.findChild<QWidget*>("B" + QString::number(ValorResuelto(tablero::Indice("P5_5")))));
    Guardar(v, "novenario_jugadas");

    // Help display and micro keypad on, clock running.
    Clic(v.findChild<QWidget*>("LBVerTeclas"));
    Clic(v.findChild<QWidget*>("LBMicroTeclas"));
    Clic(v.findChild<QWidget*>("LBReloj"));
    Clic(v.Celda(tablero::Indice("P6_3")));
    QTest::qWait(1100);
    Guardar(v, "novenario_ayuda");

    // A button held down.
    QWidget* nueva = v.findChild<QWidget*>("LBNuevaPartida");
    QTest::mousePress(nueva, Qt::LeftButton, {}, QPoint(4, 4));
    Guardar(v, "novenario_pulsado");
    QTest::mouseRelease(nueva, Qt::LeftButton, {}, QPoint(-50, -50));

    // The keyboard cursor on a fixed cell.
    Clic(v.Celda(tablero::Indice("P5_4")));
    QTest::keyClick(&v, Qt::Key_Right);
    Guardar(v, "novenario_dato_fijo");

    // The same digit lit everywhere, with the help display on: givens 1 to 8
    // along the top, a cell left with no possible digit (maroon), and the
    // player's two 5s; the first of them selected.
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "12345678....................5......9.........................5..................."));
    QTest::keyClick(&v, Qt::Key_V, Qt::ControlModifier);
    for (int c : {tablero::EnRejilla(2, 1), tablero::EnRejilla(9, 6)}) {
        Clic(v.Celda(c));
        Clic(v.findChild<QWidget*>("B5"));
    }
    Clic(v.Celda(tablero::EnRejilla(2, 1)));
    Guardar(v, "novenario_iluminado");

    CargadaPegadaYDialogos(juego, v);
    Guardar(v, "novenario_final");
    return 0;
}
