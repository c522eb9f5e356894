// An outside world with no window: every dialog is answered with its first
// button, pumps do nothing. The companion tool and the benchmarks use it.
#pragma once

#include "board/entorno.h"

namespace novenario {

class EntornoMudo : public Entorno {
public:
    void ProcessMessages() override {}
    bool Hay_Que_Bombear() override { return false; }
    void MostrarModal(FormaModal& forma) override {
        forma.Pulsar(0);
        forma.Cerrada = true;
    }
    void Terminar(int) override {}
    std::string FechaLarga() override { return {}; }
    std::string Hora() override { return {}; }
};

}  // namespace novenario
