// What the tests of saving and loading through the game share: a folder and
// a file name of the fake outside world, and a game with a save and a load
// a call away.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/entorno_falso.h"
#include "board/juego.h"
#include "juegos.h"
#include "sdk/formato.h"
#include "entrada/entrada.h"

namespace novenario::prueba {

using sdk::prueba::LeeBytes;
using sdk::prueba::RutaSdk;

inline const std::string Carpeta = "/home/jugador/partidas";
inline const std::string Fichero = Carpeta + "/domingo.sdk";

inline bool SolucionActiva(const TFormPrincipal& f) {
    return f.Ventana.BSolucion.Enabled && f.Ventana.LBSolucion.Enabled && f.Ventana.LBSolucionR.Enabled && f.Ventana.BDejarRojos.Enabled &&
           f.Ventana.LBDejarRojos.Enabled && f.Ventana.LBDejarRojosR.Enabled && f.Ventana.BVerPista.Enabled && f.Ventana.LBVerPista.Enabled &&
           f.Ventana.LBVerPistasR.Enabled;
}
inline bool SolucionInactiva(const TFormPrincipal& f) {
    return !f.Ventana.BSolucion.Enabled && !f.Ventana.LBSolucion.Enabled && !f.Ventana.LBSolucionR.Enabled && !f.Ventana.BDejarRojos.Enabled &&
           !f.Ventana.LBDejarRojos.Enabled && !f.Ventana.LBDejarRojosR.Enabled && !f.Ventana.BVerPista.Enabled &&
           !f.Ventana.LBVerPista.Enabled && !f.Ventana.LBVerPistasR.Enabled;
}

class SalvarCargar : public Partida {
protected:
    // Puts the clock at h:m:s as the ticks would have left it.
    void Reloj(long long h, long long m, long long s) {
        f.Variables.Horas = h;
        f.Variables.Minutos = m;
        f.Variables.Segundos = s;
        f.Ventana.LPHor.Caption = DosCifras(h);
        f.Ventana.LPMin.Caption = DosCifras(m);
        f.Ventana.LPseg.Caption = DosCifras(s);
    }
    // Saves to that name; returns the lines that went into the file.
    std::vector<std::string> Salvar(const std::string& nombre = Fichero) {
        ent.EligeSalvar.push_back(nombre);
        BSalvar2Click(f);
        return sdk::LeePartida(ent.Ficheros[nombre]).Lineas;
    }
    void Cargar(const std::string& nombre = Fichero) {
        ent.EligeAbrir.push_back(nombre);
        BCargar2Click(f);
    }
    // A new game with the first two free cells filled in and the clock at 0:12:05.
    void PartidaEmpezada() {
        BNuevaPartida2Click(f);
        int hechas = 0;
        for (int c = 0; c < NumCeldas && hechas < 2; ++c) {
            if (!f.Paneles[c].Caption.empty()) continue;
            PClick(f, c);
            BClick(f, f.Partida.EPartida[static_cast<std::size_t>(c)] - '0');
            ++hechas;
        }
        ASSERT_EQ(hechas, 2);
        ASSERT_FALSE(f.Variables.LBPanel.empty());
        Reloj(0, 12, 5);
    }
};

}  // namespace novenario::prueba
