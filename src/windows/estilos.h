// The looks the main window gives its controls, built up from a text size:
// the background, and what the control is to a screen reader.
#pragma once

#include "windows/pulsable.h"

namespace novenario::vista {

inline Aspecto Texto(int pixeles, bool negrita = true, int alineacion = Qt::AlignCenter) {
    Aspecto a;
    a.pixeles = pixeles;
    a.negrita = negrita;
    a.alineacion = alineacion;
    return a;
}

inline Aspecto Como(Aspecto::Papel papel, Aspecto a) {
    a.papel = papel;
    return a;
}

// A group of keys with its name for a screen reader.
inline Aspecto Grupo(const char* nombre, Aspecto a) {
    a.papel = Aspecto::Papel::Grupo;
    a.nombre = nombre;
    return a;
}

inline Aspecto ConFondo(Aspecto::Fondo fondo, Aspecto a = Texto(11)) {
    a.fondo = fondo;
    return a;
}

}  // namespace novenario::vista
