// The pictures of the game, drawn when first needed and kept: the wooden
// button faces, the tan woven texture of the windows, the number pad's
// wooden board, the file-name strip, the dialogs' emblem, the start window's
// title plate and still picture, and the LED lamp pictures.
#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>
#include <array>

#include "board/colores.h"

namespace novenario::vista {

// A colour of the game (0x00BBGGRR) as a screen colour.
QColor AColor(Color c);

// A bevelled tan wooden face for an image button; greyed when inactive.
QPixmap CaraBoton(QSize tam, bool activa);
// A small key of the micro keypad.
QPixmap CaraTecla(QSize tam, bool activa);
// The tan woven texture behind windows and dialogs.
QPixmap Trama(QSize tam);
// The dark wooden board behind the number pad.
QPixmap FondoTeclado(QSize tam);
// The micro keypad's background: tan with a fine weave.
QPixmap FondoMicro(QSize tam);
// The strip behind the file name at the top of the window.
QPixmap Franja(QSize tam);
// The dialogs' decorative picture, the maker's emblem: a little board of
// nine cells on a wooden frame.
QPixmap Emblema(QSize tam);
// The emblem as it may be painted: which of its cells is selected, the
// margin around the cells (negative: the dialogs' own), whether the digits
// show, and whether they are outlines rather than text (for a drawing that
// carries no fonts, such as an SVG file).
struct ComoEmblema {
    int seleccionada = 4;
    double margen = -1;
    bool digitos = true;
    bool trazos = false;
};
void PintarEmblema(QPainter& p, QSize tam, const ComoEmblema& como = {});

// The game's icon, the emblem square, at the sizes a desktop asks for; the
// windows carry it too.
inline constexpr std::array<int, 6> TamanosIcono{16, 32, 48, 64, 128, 256};
QImage DibujoIcono(int lado);
QIcon IconoJuego();

// The start window: the title plate and the still picture.
QPixmap PlacaTitulo(QSize tam);
QPixmap DibujoInicio(QSize tam);
// One moment of a block of the board as the start window shows it: each
// cell holds a digit or, when empty, the digits still possible (above) and
// those already taken (below); givens are orange, the selected cell green.
// The still picture is one such moment, the start animation a few of them.
struct BloqueInicio {
    struct Celda {
        char valor = ' ';
        bool fija = false;
        QString posibles, tomados;
    };
    std::array<Celda, 9> celdas;
    int seleccionada = -1;
    QColor marco;  // the frame around the block; unset: the bars' colour
};
QImage PintarInicio(QSize tam, const BloqueInicio& b);

// LED lamp pictures: a lime lamp with a white glint and a black outline
// with grey shading, on a silver surround. Styles as the lamp widget's.
QImage DibujoLampara(int estilo, bool bordeado);

// Paints, with 4-connectivity, the area of one colour that holds the point.
void Inundar(QImage& imagen, QPoint desde, QRgb nuevo);

}  // namespace novenario::vista
