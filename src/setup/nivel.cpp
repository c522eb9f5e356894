// The five levels differ only in how many cells a new game leaves filled:
// 60, 50, 40, 35 or 30 givens out of 81. The level dialog sets the level at
// once as the player clicks; accepting it creates a new game.
#include "board/ordenes.h"

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

int TFormPrincipal::Vacios_De_Nivel(int nivel) {
    return nivel >= 1 && nivel <= 5 ? niveles[static_cast<std::size_t>(nivel - 1)].vacios : 0;
}

std::string TFormPrincipal::Texto_Nivel(int nivel) {
    return nivel >= 1 && nivel <= 5 ? niveles[static_cast<std::size_t>(nivel - 1)].texto : "";
}

void TFormPrincipal::BNivel2Click() {
    PError.Hide();
    Nivel_Aceptado = Bandera::N;
    {
        FormaModal forma(FormaModal::Tipo::Nivel);
        FormaModal* p = &forma;
        forma.Caption = " Novenario.     Dificultad. ";
        forma.ClientWidth = 589;
        forma.ClientHeight = 183;
        forma.Left = 142;
        forma.Top = 278;
        const int Nivel_Guardado = Nivel;
        forma.Mensaje = Texto_Nivel(Nivel);
        for (int k = 1; k <= 5; ++k) {
            forma.Botones.push_back({niveles[static_cast<std::size_t>(k - 1)].nombre, Negro, [this, p, k] {
                                         Nivel = k;
                                         Paneles_Vacios = Vacios_De_Nivel(k);
                                         p->Mensaje = Texto_Nivel(k);
                                     }});
        }
        forma.Botones.push_back({"&Aceptar", Negro, [this, p] {
                                     LBNivel.Caption = "Nivel par&Tida " + std::to_string(Nivel);
                                     Nivel_Aceptado = Bandera::S;
                                     p->Cerrada = true;
                                 }});
        forma.Botones.push_back({"&Cancelar", Granate, [this, p, Nivel_Guardado] {
                                     Nivel = Nivel_Guardado;
                                     p->Cerrada = true;
                                 }});
        entorno_.MostrarModal(forma);
    }
    Paneles_Vacios = Vacios_De_Nivel(Nivel);
    if (Nivel_Aceptado == Bandera::S) BNuevaPartida2Click();
}

}  // namespace novenario
