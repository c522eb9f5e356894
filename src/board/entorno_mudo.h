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
    // Why the last write failed, in a few Spanish words ("" when it did not).
    std::string ErrorEscritura;

    std::string DialogoAbrir(const DialogoFichero&) override { return Abrir; }
    std::string DialogoSalvar(const DialogoFichero&) override { return Salvar; }
    bool ExisteFichero(const std::string& nombre) override;
    bool ExisteNombre(const std::string& nombre) override;
    Leido LeerFichero(const std::string& nombre, std::string& bytes, std::size_t maximo) override;
    // EscribeEnDisco; ErrorEscritura says why it failed.
    bool EscribirFichero(const std::string& nombre, const std::string& bytes) override;
    std::string MotivoEscritura() const override { return ErrorEscritura; }
    void MensajeError(const std::string& texto, const std::string&) override { Mensajes.push_back(texto); }
};

// Why a file could not be written or read, from the system's error number,
// always in the game's words: the system's own texts are English.
std::string Motivo(int error);

// Writes the bytes to the file of that name the way a save must: a
// temporary file with a short name of its own in the same folder (so a name
// as long as the folder allows can still be written), synced to disk with
// the old file's owner and permissions, then renamed over the target only
// once it is complete. A symbolic link is followed to the file it names,
// which need not exist yet; a loop of links, a folder, a pipe or a device is
// refused with nothing written. Returns "" when the file is in place, else
// why not, in a few Spanish words; the old file is then as it was.
std::string EscribeEnDisco(const std::string& nombre, const std::string& bytes);

}  // namespace novenario
