// The boards and saved games the companion tool takes, and the files it writes.
#include <iostream>

#include "board/juego.h"
#include "candidates/candidatos.h"
#include "cli/cli.h"
#include "sdk/formato.h"
#include "savegame/partidas.h"
#include "setup/partida.h"
#include "exhaustiva/exhaustiva.h"

namespace novenario::cli {

std::optional<TableroTexto> LeeTableroArgumento(const std::string& texto, bool reglas, std::string& error) {
    auto rejilla = LeeTablero(texto, error);
    if (!rejilla || !reglas) return rejilla;
    if (const auto r = ReglaRota(*rejilla)) {
        error = Explica(*r);
        return std::nullopt;
    }
    return rejilla;
}

bool EsPartida(const std::string& arg) {
    if (arg.size() < 4) return false;
    std::string fin = arg.substr(arg.size() - 4);
    for (char& ch : fin) ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    return fin == ".sdk";
}

bool CargaPartida(TFormPrincipal& f, EntornoMudo& mudo, const std::string& ruta, std::string& error) {
    mudo.Mensajes.clear();
    mudo.Abrir = ruta;
    if (!mudo.ExisteFichero(ruta)) {
        error = sdk::MensajeNoLeido(mudo.ExisteNombre(ruta) ? Leido::NoEsFichero : Leido::Ilegible, ruta);
        return false;
    }
    BCargar2Click(f);
    if (!mudo.Mensajes.empty()) {
        error = mudo.Mensajes.front();
        return false;
    }
    return true;
}

std::string EnRejilla(const TFormPrincipal& f) {
    std::string r;
    for (int c : tablero::OrdenRejilla()) r += f.Paneles[c].Caption.empty() ? "." : f.Paneles[c].Caption;
    return r;
}

std::string EnRejilla(const std::string& por_nombre) {
    std::string r;
    for (int c : tablero::OrdenRejilla()) {
        const auto i = static_cast<std::size_t>(c);
        r += i < por_nombre.size() ? por_nombre.substr(i, 1) : ".";
    }
    return r;
}

TFormPrincipal& Juego_Nuevo(EntornoMudo& mudo, std::optional<TFormPrincipal>& f) {
    f.emplace(mudo);
    f->FormCreate();
    return *f;
}

Escrito EscribeDestino(const std::string& destino, const std::string& bytes) {
    // "-": the file is the output (checked with the rest of it at the end).
    if (destino == "-") {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return Escrito::Salida;
    }
    EntornoMudo mudo;
    if (!mudo.EscribirFichero(destino, bytes)) {
        std::cerr << "novenario-cli: Error al Salvar el Fichero \"" << destino << "\": " << mudo.ErrorEscritura
                  << "\n";
        return Escrito::Fallo;
    }
    return Escrito::Fichero;
}

int CuentaSoluciones(const TFormPrincipal& f) {
    Rejilla digitos{};
    const auto& orden = tablero::OrdenRejilla();
    for (std::size_t i = 0; i < NumCeldas; ++i) {
        const std::string& v = f.Paneles[orden[i]].Caption;
        if (v.empty()) continue;
        // Ten is no digit: the search finds no solution through it.
        digitos[i] = static_cast<std::uint8_t>(v.size() == 1 && v[0] >= '1' && v[0] <= '9' ? v[0] - '0' : 10);
    }
    return ContarSoluciones(digitos, 2);
}

}  // namespace novenario::cli
