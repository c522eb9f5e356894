// The boards and saved games the companion tool takes.
#include "board/juego.h"
#include "candidates/candidatos.h"
#include "cli/cli.h"
#include "savegame/formato.h"
#include "savegame/partidas.h"
#include "setup/partida.h"

namespace novenario::cli {

std::string Lugar(std::size_t i) {
    return "fila " + std::to_string(i / 9 + 1) + ", columna " + std::to_string(i % 9 + 1);
}

std::optional<std::array<char, NumCeldas>> LeeTablero(const std::string& texto, std::string& error) {
    const std::vector<std::string_view> caracteres = Caracteres(texto);
    if (caracteres.size() != NumCeldas) {
        error = "el tablero tiene " + std::to_string(caracteres.size()) + " caracteres y debe tener 81";
        return std::nullopt;
    }
    std::array<char, NumCeldas> rejilla{};
    for (std::size_t i = 0; i < caracteres.size(); ++i) {
        const std::string_view ch = caracteres[i];
        if (ch == "." || ch == "0") {
            rejilla[i] = 0;
        } else if (ch.size() == 1 && ch[0] >= '1' && ch[0] <= '9') {
            rejilla[i] = ch[0];
        } else {
            error = "carácter no válido " + Mostrable(ch) + " en la posición " + std::to_string(i + 1) + " (" +
                    Lugar(i) + ")";
            return std::nullopt;
        }
    }
    return rejilla;
}

std::string ReglaRota(const std::array<char, NumCeldas>& rejilla) {
    const auto& orden = tablero::OrdenRejilla();
    for (std::size_t j = 0; j < NumCeldas; ++j) {
        if (!rejilla[j]) continue;
        const int cj = orden[j];
        for (const auto& [tipo, grupo] : {std::pair{TipoGrupo::Bloque, "el bloque "},
                                          std::pair{TipoGrupo::Horizontal, "la fila "},
                                          std::pair{TipoGrupo::Vertical, "la columna "}}) {
            for (std::size_t i = 0; i < j; ++i) {
                const int ci = orden[i];
                if (rejilla[i] != rejilla[j] || tablero::GrupoDe(tipo, ci) != tablero::GrupoDe(tipo, cj)) continue;
                return "el " + std::string(1, rejilla[j]) + " de la casilla " + tablero::Nombre(cj) + " (" +
                       Lugar(j) + ") se repite en " + grupo + std::to_string(tablero::GrupoDe(tipo, cj)) +
                       ", en la casilla " + tablero::Nombre(ci) + " (" + Lugar(i) + ")";
            }
        }
    }
    return {};
}

void Carga(TFormPrincipal& f, const std::array<char, NumCeldas>& rejilla) {
    BBorraTodoClick(f);
    Ejecuta_Trabajo(f, "Color Blanco");
    Ejecuta_Trabajo(f, "Libera Paneles");
    const auto& orden = tablero::OrdenRejilla();
    for (std::size_t i = 0; i < NumCeldas; ++i) {
        if (!rejilla[i]) continue;
        Celda& celda = f.Paneles[orden[i]];
        celda.Caption = std::string(1, rejilla[i]);
        celda.Color_ = Naranja;
        celda.Enabled = false;
    }
    Disponibles(f);
    Busca_Libre(f);
    Paneles_Libres(f);
    Pongo_ColorRojo(f);
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
        error = sdk::MensajeIlegible(ruta);
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

}  // namespace novenario::cli
