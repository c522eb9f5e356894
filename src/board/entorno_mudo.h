// An outside world with no window: every dialog is answered with its first
// button, pumps do nothing, the open dialog answers with the file named
// beforehand, and files are read and written on disk. The companion tool and
// the benchmarks use it.
#pragma once

#include <string>
#include <vector>

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

    // What the next open or save dialog answers ("" cancels).
    std::string Abrir, Salvar;
    // The message boxes shown, texts only.
    std::vector<std::string> Mensajes;

    std::string DialogoAbrir(const DialogoFichero&) override { return Abrir; }
    std::string DialogoSalvar(const DialogoFichero&) override { return Salvar; }
    bool ExisteFichero(const std::string& nombre) override;
    bool LeerFichero(const std::string& nombre, std::string& bytes) override;
    // Writes a temporary file beside the target and renames it over the
    // target only once it is complete.
    bool EscribirFichero(const std::string& nombre, const std::string& bytes) override;
    void MensajeError(const std::string& texto, const std::string&) override { Mensajes.push_back(texto); }
};

}  // namespace novenario
