#include "mando/puerta.h"

namespace novenario {

Control* Puerta::Tecla_De(const Control& c, bool& micro) {
    micro = false;
    for (Control& b : juego_.Ventana.B)
        if (&b == &c) return &b;
    for (Control* b : {&juego_.Ventana.BAtras, &juego_.Ventana.BBorrar, &juego_.Ventana.BAdelante})
        if (b == &c) return b;
    micro = true;
    for (Control& t : juego_.Ventana.PT)
        if (&t == &c) return &t;
    if (&juego_.Ventana.PTBorrar == &c) return &juego_.Ventana.PTBorrar;
    return nullptr;
}

void Puerta::MouseDownTecla(const Control& tecla) {
    bool micro = false;
    if (Control* t = Tecla_De(tecla, micro)) micro ? juego_.MouseDownMicro(*t) : juego_.MouseDownTecla(*t);
}

void Puerta::MouseUpTecla(const Control& tecla) {
    bool micro = false;
    if (Control* t = Tecla_De(tecla, micro)) micro ? juego_.MouseUpMicro(*t) : juego_.MouseUpTecla(*t);
}

}  // namespace novenario
