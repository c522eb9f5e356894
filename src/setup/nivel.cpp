// The five levels differ only in how many cells a new game leaves filled:
// 60, 50, 40, 35 or 30 givens out of 81. The level dialog sets the level at
// once as the player clicks; accepting it creates a new game. Its box
// "Solución única" asks for games with a single solution.
#include "board/juego.h"
#include "setup/partida.h"

namespace novenario {

namespace {

struct DatosNivel {
    const char* nombre;  // in the dialog, with its accelerator
    const char* texto;   // shown for it
    int vacios;
};

constexpr std::array<DatosNivel, 5> niveles{{
    {"&Muy Fácil", "Muy Fácil ... Muestra 60 pistas de 81 posibles", 21},
    {"&Fácil", "Fácil ... Muestra 50 pistas de 81 posibles", 31},
    {"&Normal", "Normal ... Muestra 40 pistas de 81 posibles", 41},
    {"&Difícil", "Difícil ... Muestra 35 pistas de 81 posibles", 46},
    {"M&Uy Difícil", "Muy Difícil ... Muestra 30 pistas de 81 posibles", 51},
}};

}  // namespace

int Vacios_De_Nivel(int nivel) {
    return nivel >= 1 && nivel <= 5 ? niveles[static_cast<std::size_t>(nivel - 1)].vacios : 0;
}

std::string Texto_Nivel(int nivel) {
    return nivel >= 1 && nivel <= 5 ? niveles[static_cast<std::size_t>(nivel - 1)].texto : "";
}

void BNivel2Click(Juego& f) {
    f.Ventana.PError.Hide();
    f.Variables.Nivel_Aceptado = Bandera::N;
    {
        FormaModal forma = Forma(FormaModal::Tipo::Nivel, " Novenario.     Dificultad. ", 589, 183, 142, 278);
        FormaModal* p = &forma;
        const int Nivel_Guardado = f.Variables.Nivel;
        const bool Unica_Guardada = f.Variables.Solucion_Unica;
        forma.Mensaje = Texto_Nivel(f.Variables.Nivel);
        // Like the level, the box takes effect at once and "Cancelar" puts
        // it back.
        forma.Marca = {"&Solución única", f.Variables.Solucion_Unica,
                       [&f](bool marcada) { f.Variables.Solucion_Unica = marcada; }};
        for (int k = 1; k <= 5; ++k) {
            forma.Botones.push_back({niveles[static_cast<std::size_t>(k - 1)].nombre, Negro, [&f, p, k] {
                                         f.Variables.Nivel = k;
                                         f.Variables.Paneles_Vacios = Vacios_De_Nivel(k);
                                         p->Mensaje = Texto_Nivel(k);
                                     }});
        }
        forma.Botones.push_back({"&Aceptar", Negro, [&f, p] {
                                     f.Ventana.LBNivel.Caption = "Nivel par&Tida " + std::to_string(f.Variables.Nivel);
                                     f.Variables.Nivel_Aceptado = Bandera::S;
                                     p->Cerrada = true;
                                 }});
        forma.Botones.push_back({"&Cancelar", Granate, [&f, p, Nivel_Guardado, Unica_Guardada] {
                                     f.Variables.Nivel = Nivel_Guardado;
                                     f.Variables.Solucion_Unica = Unica_Guardada;
                                     p->Cerrada = true;
                                 }});
        f.Ent.MostrarModal(forma);
    }
    f.Variables.Paneles_Vacios = Vacios_De_Nivel(f.Variables.Nivel);
    if (f.Variables.Nivel_Aceptado == Bandera::S) BNuevaPartida2Click(f);
}

}  // namespace novenario
