// The command forms of board-wide work and of the cursor, and their dispatch
// tables.
#include "entrada/entrada.h"

namespace novenario {

void Ejecuta_Trabajo(Juego& f, const char* orden) {
    f.Variables.Orden_Trabajo = orden;
    TFormTrabajo forma(f);
}

void Ejecuta_Cursores(Juego& f, const char* orden) {
    f.Variables.Orden_Trabajo = orden;
    TFormCursores forma(f);
}

TFormTrabajo::TFormTrabajo(Juego& f) : f_(f) {
    using T = TFormTrabajo;
    static constexpr std::array<std::pair<const char*, void (T::*)()>, 10> tabla{{
        {"Nueva Partida", &T::Nueva_Partida},
        {"Bloquea Paneles", &T::Bloquea_Paneles},
        {"Color Rojo", &T::Color_Rojo},
        {"Color Blanco", &T::Color_Blanco},
        {"Libera Paneles", &T::Libera_Paneles},
        {"Salvar Partida", &T::Salvar_Partida},
        {"Cargar Partida", &T::Cargar_Partida},
        {"Captura Fijos", &T::Captura_Fijos},
        {"Marca Usuario", &T::Marca_Usuario},
        {"Fin Partida", &T::Fin_Partida},
    }};
    Despacha(f_, *this, tabla);
}

TFormCursores::TFormCursores(Juego& f) : f_(f) {
    using T = TFormCursores;
    static constexpr std::array<std::pair<const char*, void (T::*)()>, 4> tabla{{
        {"Mover Arriba", &T::Mover_Arriba},
        {"Mover Abajo", &T::Mover_Abajo},
        {"Mover Derecha", &T::Mover_Derecha},
        {"Mover Izquierda", &T::Mover_Izquierda},
    }};
    Despacha(f_, *this, tabla);
    f_.Ent.ProcessMessages();
}

}  // namespace novenario
