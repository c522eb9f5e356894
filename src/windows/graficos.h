// Where the program finds the pictures it reads from disk (the two
// animations): the folder ApliGraf beside the program first, then ApliGraf
// in the installed game's data folder (<prefix>/share/novenario, reached
// from <prefix>/bin), so an installed game keeps no data beside its
// executable.
#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

namespace novenario::vista {

// The folders in the order they are searched.
QStringList CarpetasGraficos();
// The file in the first of those folders that has it; "" when none has.
QString BuscarGrafico(const QString& archivo);
// The folder the program counts as its own; "" (the start) is the folder
// of the executable. Tests put the program elsewhere with it.
void PonerCarpetaPrograma(const QString& carpeta);

// Which picture was shown and from where: off unless asked for, with
// QT_LOGGING_RULES="novenario.graficos.info=true".
Q_DECLARE_LOGGING_CATEGORY(lcGraficos)

}  // namespace novenario::vista
