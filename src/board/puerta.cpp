#include "board/puerta.h"

namespace novenario {

void Puerta::Atajar(const Atajo& a) {
    switch (a.Hacia) {
        case Atajo::Destino::Atras: juego_.ClickAtras(); break;
        case Atajo::Destino::Adelante: juego_.ClickAdelante(); break;
        // The shortcut is one more way to click the command's picture.
        case Atajo::Destino::Comando: juego_.Ejecutar(a.Comando, Origen::Imagen); break;
    }
}

Control* Puerta::Tecla_De(const Control& c, bool& micro) {
    micro = false;
    for (Control& b : juego_.B)
        if (&b == &c) return &b;
    for (Control* b : {&juego_.BAtras, &juego_.BBorrar, &juego_.BAdelante})
        if (b == &c) return b;
    micro = true;
    for (Control& t : juego_.PT)
        if (&t == &c) return &t;
    if (&juego_.PTBorrar == &c) return &juego_.PTBorrar;
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
