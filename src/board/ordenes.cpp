// The three command forms and their dispatch tables.
#include "board/juego.h"

#include <utility>

namespace novenario {

namespace {

// Compares the pending text with each name of a table, in table order,
// re-reading and trimming it before each comparison (a routine that pumps
// may let another handler overwrite it), and runs every match.
template <typename Forma, std::size_t N>
void Despacha(Juego& f, Forma& forma,
              const std::array<std::pair<const char*, void (Forma::*)()>, N>& tabla) {
    for (const auto& [nombre, rutina] : tabla)
        if (Trim(f.Variables.Orden_Trabajo) == nombre) (forma.*rutina)();
}

}  // namespace

void Ejecuta_Trabajo(Juego& f, const char* orden) {
    f.Variables.Orden_Trabajo = orden;
    TFormTrabajo forma(f);
}

void Ejecuta_Cursores(Juego& f, const char* orden) {
    f.Variables.Orden_Trabajo = orden;
    TFormCursores forma(f);
}

void Disponibles(Juego& f) {
    f.Variables.Orden_Trabajo = "Mira Disponibles";
    TFormDisponibles forma(f);
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

TFormDisponibles::TFormDisponibles(Juego& f) : f_(f) {
    using T = TFormDisponibles;
    static constexpr std::array<std::pair<const char*, void (T::*)()>, 1> tabla{{
        {"Mira Disponibles", &T::Disponibles},
    }};
    Despacha(f_, *this, tabla);
}

}  // namespace novenario
