// The pictures of the game, drawn when first needed and kept: the wooden
// button faces, the tan woven texture of the windows, the number pad's
// wooden board, the file-name strip, the dialogs' emblem, the start window's
// title plate and still picture, and the LED lamp pictures.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QSize>

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
// The dialogs' decorative picture: a little board of nine cells.
QPixmap Emblema(QSize tam);
// The start window: the title plate and the still picture.
QPixmap PlacaTitulo(QSize tam);
QPixmap DibujoInicio(QSize tam);

// LED lamp pictures: a lime lamp with a white glint and a black outline
// with grey shading, on a silver surround. Styles as the lamp widget's.
QImage DibujoLampara(int estilo, bool bordeado);

// Paints, with 4-connectivity, the area of one colour that holds the point.
void Inundar(QImage& imagen, QPoint desde, QRgb nuevo);

}  // namespace novenario::vista
