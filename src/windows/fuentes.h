// The fonts of the window. The game was drawn with Arial, MS Sans Serif,
// Courier New and Comic Sans MS; the program carries free look-alikes of the
// same metrics and asks for them by their own family names, so no machine's
// font substitution changes the layout.
//
// Sizes: the board model gives some sizes in points; a point is 96/72 of a
// pixel here, always, so a 22-point digit is 29 pixels on every screen.
#pragma once

#include <QFont>
#include <QString>

namespace novenario::vista {

enum class Familia { Arial, SansSerif, Courier, Comic };

// Registers the game's fonts with the application, each from the system's
// font folder when it has the file, else from the copy built into the
// program; false when one of them could be read from neither (the window
// then falls back to whatever fonts the system offers).
bool CargarFuentes();

// The family name that stands for one of the game's fonts.
QString NombreFamilia(Familia f);

QFont Fuente(Familia f, int pixeles, bool negrita = false);

// Pixels of a size given in points (at 96 dots per inch).
int PixelesDePuntos(int puntos);

}  // namespace novenario::vista
